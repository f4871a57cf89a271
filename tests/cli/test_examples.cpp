// The sample catalogues in examples/: each loads, saves to the very same bytes, exports to
// the parts file beside it, and is what its JSON source builds.
#include "CliTestHelpers.h"

#include "export/PartsFileWriter.h"
#include "settings/ProgramOptions.h"
#include "model/FileIO.h"
#include "model/ModelwrightDoc.h"
#include "model/PartsManager.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const fs::path kExamples = fs::path(MW_EXAMPLES_DIR);

class Examples : public ::testing::TestWithParam<const char*> {};

TEST_P(Examples, LoadSaveToTheSameBytesAndExportTheirPartsFile)
{
    const fs::path document = kExamples / (std::string(GetParam()) + ".wo3");
    const std::vector<uint8_t> bytes = ReadWholeFile(document);
    CModelwrightDoc loaded;
    loaded.OnNewDocument();
    loaded.LoadFromBytes(bytes);
    // The smallest sample, of the newer roofs, has two parts.
    EXPECT_GE(loaded.Parts().GetCount(), 2u);
    EXPECT_EQ(loaded.SaveToBytes(), bytes);
    EXPECT_EQ(ExportToText(loaded.Parts(), CProgramOptions()), ReadText(kExamples / (std::string(GetParam()) + ".bdf")));
}

TEST_P(Examples, AreWhatTheirJsonBuilds)
{
    const TempFolder folder;
    const ToolRun run = RunTool({"build", (kExamples / (std::string(GetParam()) + ".json")).string(), "-o",
        (folder / "built.wo3").string()}, folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadWholeFile(folder / "built.wo3"), ReadWholeFile(kExamples / (std::string(GetParam()) + ".wo3")));
}

// A free text is parts-file text: every parts file shipped passes the check without a fault.
TEST(Examples, EveryShippedPartsFilePassesTheCheck)
{
    const TempFolder folder;
    int checked = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(kExamples)) {
        if (entry.path().extension() != ".bdf")
            continue;
        const ToolRun run = RunTool({"check", entry.path().string()}, folder);
        EXPECT_EQ(run.exitCode, 0) << entry.path();
        EXPECT_EQ(run.out + run.err, "") << entry.path();
        ++checked;
    }
    EXPECT_GE(checked, 4);
}

INSTANTIATE_TEST_SUITE_P(Catalogues, Examples, ::testing::Values("country-station", "town-park-trees", "goods-yard", "signal-box-and-house"),
    [](const auto& info) {
        std::string name = info.param;
        std::erase(name, '-');
        return name;
    });

}
