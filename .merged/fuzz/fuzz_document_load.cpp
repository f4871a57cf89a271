// Loads any bytes as a document file. Loading must fail cleanly or give a catalogue that
// saves, loads again and saves to the same bytes, and whose JSON form builds the same bytes.
#include "cli/CatalogueJson.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"

#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <span>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

void CheckSavedForm(CModelwrightDoc& document)
{
    const std::vector<uint8_t> saved = document.SaveToBytes();
    CModelwrightDoc reloaded;
    reloaded.OnNewDocument();
    reloaded.LoadFromBytes(saved);
    Require(reloaded.SaveToBytes() == saved, "a saved catalogue did not load back to the same bytes");

    CModelwrightDoc rebuilt;
    rebuilt.OnNewDocument();
    CatalogueFromJsonText(CatalogueToJsonText(reloaded.Parts()), rebuilt.Parts());
    Require(rebuilt.SaveToBytes() == saved, "the JSON form of a catalogue did not build the same bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    try {
        document.LoadFromBytes(std::span<const uint8_t>(data, size));
    } catch (const CArchiveException&) {
        return 0;
    }
    CheckSavedForm(document);
    return 0;
}
