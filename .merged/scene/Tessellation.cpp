#include "scene/Tessellation.h"

#include "scene/Tessellator.h"

namespace {

class CMeshSink {
public:
    explicit CMeshSink(SMesh& mesh) : m_mesh(mesh) { }

    void Triangle(const SPoint3& a, const SPoint3& b, const SPoint3& c, const SPoint3&, COLORREF color, uint8_t edges)
    {
        m_mesh.m_triangles.push_back({a, b, c, color, edges});
    }
    void Segment(const SPoint3& a, const SPoint3& b, COLORREF color) { m_mesh.m_segments.push_back({a, b, color}); }

private:
    SMesh& m_mesh;
};

} // namespace

void BuildMesh(const SScene& scene, SMesh& mesh)
{
    mesh.m_triangles.clear();
    mesh.m_segments.clear();
    // Growing the list costs more than room for a few triangles too many.
    mesh.m_triangles.reserve(ExpectedTriangles(scene));
    CMeshSink sink(mesh);
    Tessellate(scene, sink);
}

SMesh BuildMesh(const SScene& scene)
{
    SMesh mesh;
    BuildMesh(scene, mesh);
    return mesh;
}
