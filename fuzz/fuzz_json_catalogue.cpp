// Reads any text as a JSON catalogue. Reading must refuse it cleanly or give a catalogue
// whose document bytes dump to JSON that builds the same bytes again.
#include "cli/CatalogueJson.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    try {
        CatalogueFromJsonText(std::string_view(reinterpret_cast<const char*>(data), size), document.Parts());
    } catch (const CJsonCatalogueError&) {
        return 0;
    }
    const std::vector<uint8_t> saved = document.SaveToBytes();
    CModelwrightDoc loaded;
    loaded.OnNewDocument();
    loaded.LoadFromBytes(saved);
    CModelwrightDoc rebuilt;
    rebuilt.OnNewDocument();
    CatalogueFromJsonText(CatalogueToJsonText(loaded.Parts()), rebuilt.Parts());
    if (rebuilt.SaveToBytes() != saved) {
        std::fprintf(stderr, "the JSON form of a catalogue did not build the same bytes\n");
        std::abort();
    }
    return 0;
}
