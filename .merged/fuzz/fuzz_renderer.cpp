#include "scene/Renderer.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Hands out the input's bytes as numbers; past the end it gives zeros.
class CBytes {
public:
    CBytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) { }

    bool Empty() const { return m_at >= m_size; }
    uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    int32_t Int()
    {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | Byte();
        int32_t result;
        std::memcpy(&result, &value, sizeof result);
        return result;
    }
    // Mostly small coordinates, now and then the largest a file can hold.
    double Coordinate() { return Byte() < 240 ? static_cast<int8_t>(Byte()) * 4.0 : static_cast<double>(Int()); }
    SPoint3 Point() { return {Coordinate(), Coordinate(), Coordinate()}; }
    double Angle() { return static_cast<int16_t>(Byte() << 8 | Byte()) / 64.0; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_at = 0;
};

} // namespace

// Any bytes as a picture to draw: a camera, a small picture size, then triangles, lines and
// plan records made from the rest, drawn in the 3D views and the plan, and a piece picked.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CBytes bytes(data, size);
    SCamera camera {static_cast<EView>(bytes.Byte() % 5), bytes.Angle(), bytes.Angle(), 1 + bytes.Byte() / 16.0,
        static_cast<int8_t>(bytes.Byte()) * 1.0, static_cast<int8_t>(bytes.Byte()) * 1.0, bytes.Byte() / 8.0};
    const int width = bytes.Byte() % 48, height = bytes.Byte() % 48;
    SRenderStyle style;
    style.m_grid = bytes.Byte() & 1;
    style.m_highlight = bytes.Byte() % 4 - 1;
    SMesh mesh;
    SScene scene;
    while (!bytes.Empty()) {
        const uint8_t kind = bytes.Byte();
        const COLORREF color = static_cast<COLORREF>(bytes.Int()) & 0xFFFFFF;
        if (kind % 3 == 0) {
            mesh.m_triangles.push_back({bytes.Point(), bytes.Point(), bytes.Point(), color, static_cast<uint8_t>(kind & 7), kind % 4});
        } else if (kind % 3 == 1) {
            mesh.m_segments.push_back({bytes.Point(), bytes.Point(), color, kind % 4});
        } else {
            SPlanPrimitive record;
            record.m_kind = static_cast<EPlanKind>(kind / 3 % 6);
            record.m_firstPoint = static_cast<uint32_t>(scene.m_planPoints.size());
            record.m_pointCount = record.m_kind == EPlanKind::Circle || record.m_kind == EPlanKind::Fillpoint ? 1 : 2 + kind / 32 % 3;
            record.m_radius = bytes.Coordinate();
            record.m_color = color;
            for (uint32_t i = 0; i < record.m_pointCount; ++i)
                scene.m_planPoints.push_back({bytes.Coordinate(), bytes.Coordinate()});
            scene.m_plan.push_back(record);
        }
    }
    RenderMesh(mesh, scene, camera, width, height, style);
    camera.m_view = camera.m_view == EView::Plan ? EView::Iso : EView::Plan;
    RenderMesh(mesh, scene, camera, width, height, style);
    PieceAt(mesh, camera, width, height, width / 2, height / 2);
    return 0;
}
