#include "scene/PartsReader.h"
#include "scene/Renderer.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Any bytes as a parts file: read, turned into triangles and drawn small, in each view.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const SPartsFile file = ReadPartsText(text);
    for (const SDiagnostic& diagnostic : file.m_diagnostics)
        (void)FormatDiagnostic(diagnostic);
    for (const SScene& scene : file.m_scenes) {
        const SMesh mesh = BuildMesh(scene);
        RenderMesh(mesh, scene, SCamera {}, 24, 16);
        RenderMesh(mesh, scene, SCamera::Standard(EView::Plan), 24, 16);
    }
    ReadStructureBody(text);
    return 0;
}
