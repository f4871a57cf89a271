#include "export/ExportTestHelpers.h"

#include "model/ChoiceCodes.h"
#include "model/Exceptions.h"
#include "model/FileIO.h"

#include <gtest/gtest.h>

#include <random>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

namespace fs = std::filesystem;

namespace {

class ExportFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
            ("mw-export-" + std::to_string(std::random_device{}()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        m_parts.Add(MakeTree("Oak"));
    }
    void TearDown() override
    {
        fs::remove_all(m_folder);
    }
    static std::string ReadBytes(const fs::path& path)
    {
        const auto bytes = ReadWholeFile(path);
        return std::string(bytes.begin(), bytes.end());
    }
    size_t FilesInFolder() const
    {
        size_t files = 0;
        for (const auto& entry : fs::directory_iterator(m_folder))
            files += entry.is_regular_file() ? 1 : 0;
        return files;
    }
    fs::path m_folder;
    CPartsManager m_parts;
};

TEST_F(ExportFile, AKeptWriterFollowsTheOptionsOfEachExport)
{
    const fs::path path = m_folder / "catalogue.bdf";
    m_parts.Add(MakePlatform("Quay"));
    CPartsFileWriter writer;
    for (const CProgramOptions& options :
        {CProgramOptions(), Options(kLanguageEnglish, kWinrail6, 0), Options(kLanguageGerman, kWinrail5, 1)}) {
        ExportToFile(writer, m_parts, options, path);
        EXPECT_EQ(ReadBytes(path), ExportToText(m_parts, options));
        EXPECT_EQ(FilesInFolder(), 1u);
    }
    EXPECT_NE(ExportToText(m_parts, Options(kLanguageEnglish, kWinrail6, 0)).find("\r\n3DHexaedron  1 1\r\n"),
        std::string::npos);

    const fs::path other = m_folder / "other.bdf";
    ExportToFile(m_parts, Options(kLanguageDutch), other);
    EXPECT_EQ(ReadBytes(other), ExportToText(m_parts, Options(kLanguageDutch)));
}

TEST_F(ExportFile, OnlyAWriterThatIsKeptTakesANumber)
{
    const int32_t next = CNamedObject::PeekNextId();
    ExportToText(m_parts, CProgramOptions());
    ExportPartToText(*m_parts.GetList()[0], CProgramOptions());
    ExportToFile(m_parts, CProgramOptions(), m_folder / "catalogue.bdf");
    EXPECT_EQ(CNamedObject::PeekNextId(), next);

    const CPartsFileWriter kept;
    EXPECT_EQ(kept.m_id, next);
    EXPECT_EQ(CNamedObject::PeekNextId(), next + 1);
}

TEST_F(ExportFile, AFailedExportReportsTheErrorAndTheWriterExportsAgain)
{
    CPartsFileWriter writer;
    const fs::path nowhere = m_folder / "no such folder" / "catalogue.bdf";
    try {
        ExportToFile(writer, m_parts, CProgramOptions(), nowhere);
        FAIL() << "exported into a missing folder";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::folderNotFound);
        EXPECT_EQ(error.m_path, nowhere);
    }

    const fs::path folderInTheWay = m_folder / "in the way.bdf";
    fs::create_directory(folderInTheWay);
    EXPECT_THROW(ExportToFile(writer, m_parts, CProgramOptions(), folderInTheWay), CFileException);
    EXPECT_TRUE(fs::is_directory(folderInTheWay));

    const fs::path path = m_folder / "catalogue.bdf";
    ExportToFile(writer, m_parts, CProgramOptions(), path);
    EXPECT_EQ(ReadBytes(path), ExportToText(m_parts, CProgramOptions()));
}

TEST_F(ExportFile, AnOversizedExportEndsWithAMessageAndWritesNothing)
{
    const fs::path path = m_folder / "catalogue.bdf";
    CPartsFileWriter writer;
    ExportToFile(writer, m_parts, CProgramOptions(), path);
    const std::string before = ReadBytes(path);

    auto platform = std::make_unique<CPlatform>();
    platform->m_coverType = kCoverPitched;
    platform->m_poleStyle = kPoleRound;
    platform->m_polesPerSide = 2147483647;
    m_parts.Add(std::move(platform));
    // Refused before the first byte, so even the largest limit costs no time.
    for (const size_t limit : {size_t(1) << 20, CPartsText::kDefaultSizeLimit}) {
        writer.SetSizeLimit(limit);
        try {
            ExportToFile(writer, m_parts, CProgramOptions(), path);
            FAIL() << "two thousand million poles were written";
        } catch (const CException& error) {
            EXPECT_STREQ(error.what(), kPartsFileTooLarge);
        }
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(FilesInFolder(), 1u);
    }
}

#ifndef _WIN32
TEST_F(ExportFile, FailedExportLeavesTheOldFileAsItWas)
{
    const fs::path path = m_folder / "catalogue.bdf";
    ExportToFile(m_parts, CProgramOptions(), path);
    const std::string before = ReadBytes(path);
    for (int i = 0; i < 50; ++i)
        m_parts.Add(MakeTree("Birch"));

    // A file size limit makes the write fail half-way, for any user.
    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = before.size() + 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    EXPECT_THROW(ExportToFile(m_parts, CProgramOptions(), path), CFileException);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(FilesInFolder(), 1u);
}
#endif

} // namespace

namespace {

// Sizes at the ends of the 32-bit range wrap around: the geometry computes in 32-bit integers.
TEST(ExportExtremes, EveryPartKindExportsAtTheEndsOfTheRange)
{
    for (const int32_t extreme : {2147483647, -2147483647 - 1}) {
        CPartsManager parts;
        auto tree = MakeTree("Tree");
        tree->m_trunkHeight = tree->m_trunkRadius = tree->m_topHeight = tree->m_topRadius = extreme;
        parts.Add(std::move(tree));

        for (const int32_t style : {kPoleRound, kPoleSquare}) {
            auto platform = MakePlatform("Platform");
            platform->m_length = platform->m_width = platform->m_height = extreme;
            platform->m_edgeDistance = platform->m_poleDiameter = platform->m_poleHeight = platform->m_roofHeight = ~extreme;
            platform->m_polesPerSide = 3;
            platform->m_coverType = kCoverSinglePitch;
            platform->m_poleStyle = style;
            parts.Add(std::move(platform));
        }

        for (const int32_t roof : {kRoofGable, kRoofFlatTopped, kRoofLeanTo}) {
            for (const int32_t orientation : {kRoofOrientation0, kRoofOrientation90}) {
                auto building = MakeBuilding("Building");
                CBuildingElement& element = AddElement(*building, "Block");
                element.m_positionX = element.m_positionY = element.m_positionZ = extreme;
                element.m_blockWidth = element.m_blockDepth = element.m_blockHeight = element.m_roofHeight = extreme;
                element.m_roofAngle = 1;
                element.m_roofType = roof;
                element.m_roofOrientation = orientation;
                for (const int32_t wall : {kWallFront, kWallLeft}) {
                    CDecoration& decoration = AddDecoration(element, "Window");
                    decoration.m_wall = wall;
                    decoration.m_mainType = kDecorationBaseB;
                    decoration.m_subtype = kDecorationDoorWithWindow;
                    decoration.m_windowCount = 8;
                    decoration.m_positionX = decoration.m_positionZ = decoration.m_width = decoration.m_height = extreme;
                }
                parts.Add(std::move(building));
            }
        }
        const std::string text = ExportLines(parts);
        size_t blocks = 0;
        for (size_t pos = text.find("\nEndStructure\n"); pos != std::string::npos; pos = text.find("\nEndStructure\n", pos + 1))
            ++blocks;
        EXPECT_EQ(blocks, 9u) << extreme;
    }
}

} // namespace

namespace {

class ExportInPieces : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("mw-export-pieces-" + std::to_string(std::random_device{}()));
        fs::create_directories(m_folder);
        // Enough parts for many pieces of text, with a free text longer than one piece.
        for (int i = 0; i < 3000; ++i)
            m_parts.Add(MakePlatform("Quay " + std::to_string(i)));
        auto tree = MakeTree("Giant");
        tree->m_freeText = std::string(CPartsText::kFilePieceSize * 3, 'x') + "\nlast line";
        m_parts.Add(std::move(tree));
    }
    void TearDown() override { fs::remove_all(m_folder); }
    static std::string ReadBytes(const fs::path& path)
    {
        const auto bytes = ReadWholeFile(path);
        return std::string(bytes.begin(), bytes.end());
    }
    size_t FilesInFolder() const
    {
        size_t files = 0;
        for (const auto& entry : fs::directory_iterator(m_folder))
            files += entry.is_regular_file() ? 1 : 0;
        return files;
    }

    fs::path m_folder;
    CPartsManager m_parts;
};

TEST_F(ExportInPieces, AFileOfManyPiecesHoldsExactlyTheText)
{
    const fs::path path = m_folder / "catalogue.bdf";
    const std::string text = ExportToText(m_parts, Options(kLanguageGerman));
    ASSERT_GT(text.size(), 4 * CPartsText::kFilePieceSize);
    ExportToFile(m_parts, Options(kLanguageGerman), path);
    EXPECT_EQ(ReadBytes(path), text);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(ExportInPieces, TheSizeLimitCountsThePiecesAlreadyInTheFile)
{
    const fs::path path = m_folder / "catalogue.bdf";
    ExportToFile(m_parts, CProgramOptions(), path);
    const std::string before = ReadBytes(path);

    CPartsFileWriter writer;
    writer.SetSizeLimit(before.size() - 1);
    EXPECT_THROW(ExportToFile(writer, m_parts, CProgramOptions(), path), CException);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(FilesInFolder(), 1u);

    writer.SetSizeLimit(before.size());
    ExportToFile(writer, m_parts, CProgramOptions(), path);
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(ExportInPieces, ATextInMemoryOfManyPiecesIsJoinedInOrder)
{
    CPartsText text;
    text.SetPieceSize(1);
    std::string expected;
    for (int32_t i = 0; i < 60000; ++i) {
        const std::string line = "3DLines 2 2\r\n";
        text.Put(line);
        text.PutInt(i);
        expected += line + std::to_string(i);
    }
    EXPECT_EQ(text.TakeText(), expected);
    EXPECT_EQ(text.TakeText(), "");
}

TEST_F(ExportInPieces, APartInMemoryKeepsItsTextAndTheSizeLimit)
{
    auto building = MakeBuilding("Works");
    for (int i = 0; i < 9000; ++i) {
        CBuildingElement& element = AddElement(*building, "Hall " + std::to_string(i));
        AddDecoration(element, "Tür");
        AddDecoration(element, "Fenêtre");
    }
    const std::string text = ExportPartToText(*building, CProgramOptions());
    ASSERT_GT(text.size(), 4 * CPartsText::kFilePieceSize);
    // The same blocks as in the whole catalogue's file, which goes to the file piece by piece.
    CPartsManager parts;
    parts.Add(std::move(building));
    const fs::path path = m_folder / "works.bdf";
    ExportToFile(parts, CProgramOptions(), path);
    EXPECT_TRUE(ReadBytes(path).ends_with(text));

    const CObject& part = *parts.GetList().front();
    try {
        ExportPartToText(part, CProgramOptions(), text.size() - 1);
        FAIL() << "the text grew beyond its limit";
    } catch (const CException& error) {
        EXPECT_STREQ(error.what(), kPartsFileTooLarge);
    }
    // A record asks for the room its longest numbers would take.
    EXPECT_EQ(ExportPartToText(part, CProgramOptions(), text.size() + 100), text);
}

TEST_F(ExportInPieces, EveryLimitGivesTheWholeTextOrRefusesIt)
{
    auto building = MakeBuilding("Halle");
    CBuildingElement& element = AddElement(*building, "Block");
    element.m_roofType = kRoofLeanTo;
    CDecoration& window = AddDecoration(element, "Fenster");
    window.m_wall = kWallFront;
    window.m_subtype = kDecorationWindow;
    window.m_windowCount = 4;
    window.m_mainType = kDecorationBaseB;
    auto platform = MakePlatform("Bahnsteig");
    platform->m_coverType = kCoverPitched;
    platform->m_poleStyle = kPoleRound;
    for (const CObject* part : {static_cast<const CObject*>(building.get()), static_cast<const CObject*>(platform.get())}) {
        const std::string text = ExportPartToText(*part, CProgramOptions());
        // Wherever the limit falls, also within a group of points, the text is the same or refused,
        // and once it fits, it fits under every larger limit.
        bool fitted = false;
        for (size_t limit = text.size() / 2; limit <= text.size() + 100; ++limit) {
            try {
                ASSERT_EQ(ExportPartToText(*part, CProgramOptions(), limit), text) << limit;
                ASSERT_GE(limit, text.size());
                fitted = true;
            } catch (const CException& error) {
                ASSERT_STREQ(error.what(), kPartsFileTooLarge);
                ASSERT_FALSE(fitted) << limit;
            }
        }
        EXPECT_TRUE(fitted);
    }
}

TEST_F(ExportInPieces, AMissingFolderEndsTheExportAndLeavesNoFile)
{
    const fs::path nowhere = m_folder / "no such folder" / "catalogue.bdf";
    EXPECT_THROW(ExportToFile(m_parts, CProgramOptions(), nowhere), CFileException);
    EXPECT_FALSE(fs::exists(nowhere.parent_path()));
    EXPECT_EQ(FilesInFolder(), 0u);
}

TEST_F(ExportInPieces, AnAbandonedExportLeavesOnlyTheOldFile)
{
    const fs::path path = m_folder / "catalogue.bdf";
    ExportToFile(m_parts, CProgramOptions(), path);
    const std::string before = ReadBytes(path);
    {
        // Text of several pieces went on to the temporary file, but the export never ends.
        CPartsText text(path);
        const std::string bytes = ExportToText(m_parts, CProgramOptions());
        for (size_t at = 0; at < bytes.size(); at += 4096)
            text.Put(std::string_view(bytes).substr(at, 4096));
    }
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(FilesInFolder(), 1u);
}

} // namespace
