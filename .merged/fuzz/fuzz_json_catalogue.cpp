// Reads any text as a JSON catalogue. Reading must take exactly the syntax the JSON library
// takes, tell every fault in a short message, read as the library's tree of the whole text
// reads, and give a catalogue whose document bytes dump to JSON that builds the same bytes.
#include "cli/CatalogueJson.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"
#include "tests/cli/JsonWithoutRunningNumbers.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

// The catalogue the text gives, or the message refusing it.
std::string Outcome(std::string_view text, bool throughTheTree, std::vector<uint8_t>* saved = nullptr)
{
    CModelwrightDoc document;
    document.OnNewDocument();
    try {
        if (throughTheTree)
            CatalogueFromJson(nlohmann::json::parse(text), document.Parts());
        else
            CatalogueFromJsonText(text, document.Parts());
    } catch (const CJsonCatalogueError& error) {
        return std::string("refused: ") + error.what();
    }
    // Saving names the nameless objects, so the catalogue is taken as read first.
    std::string read = WithoutRunningNumbers(document.Parts());
    if (saved)
        *saved = document.SaveToBytes();
    return read;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<uint8_t> saved;
    const std::string outcome = Outcome(text, false, &saved);
    // The library takes a NUL byte for the end of the text; the reader refuses what follows it.
    // A member given twice ends the reading where it stands, before any later fault of syntax;
    // the library's tree keeps one of the two silently.
    const bool refused = outcome.starts_with("refused: ");
    const bool givenTwice = refused && outcome.find(": member given twice") != std::string::npos;
    if (text.find('\0') == std::string_view::npos && !givenTwice) {
        const bool invalid = outcome.starts_with("refused: Invalid JSON");
        Require(invalid == !nlohmann::json::accept(text), "the reader and the JSON library differ on the syntax");
        if (!invalid)
            Require(Outcome(text, true) == outcome, "the reader and the library's tree read the text differently");
    }
    if (refused) {
        Require(outcome.size() < 1000, "a message quoted too much of the input");
        return 0;
    }
    CModelwrightDoc loaded;
    loaded.OnNewDocument();
    loaded.LoadFromBytes(saved);
    CModelwrightDoc rebuilt;
    rebuilt.OnNewDocument();
    CatalogueFromJsonText(CatalogueToJsonText(loaded.Parts()), rebuilt.Parts());
    Require(rebuilt.SaveToBytes() == saved, "the JSON form of a catalogue did not build the same bytes");
    return 0;
}
