#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"

#include <gtest/gtest.h>

#include <fstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Root ignores folder permissions, and Windows has none of this kind.
bool CanMakeFoldersReadOnly()
{
#ifdef _WIN32
    return false;
#else
    return ::geteuid() != 0;
#endif
}

class DocumentFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() / ("mw-docfiles-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
        m_doc.OnNewDocument();
    }
    void TearDown() override
    {
        fs::permissions(m_folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(m_folder);
    }
    void AddTree(CModelwrightDoc& doc, const std::string& name)
    {
        auto tree = std::make_unique<CTree>();
        tree->m_name = name;
        doc.Parts().Add(std::move(tree));
        doc.SetModifiedFlag(true);
    }
    static void WriteBytes(const fs::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string ReadBytes(const fs::path& path)
    {
        const auto bytes = ReadWholeFile(path);
        return std::string(bytes.begin(), bytes.end());
    }

    fs::path m_folder;
    CModelwrightDoc m_doc;
};

TEST_F(DocumentFiles, SaveAndOpenKeepThePartsInOrder)
{
    for (const char* name : {"Oak", "Birch", "Fir"})
        AddTree(m_doc, name);
    const fs::path path = m_folder / "trees.wo3";
    m_doc.SaveDocumentFile(path);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetTitle(), "trees.wo3");

    CModelwrightDoc opened;
    opened.OnNewDocument();
    opened.OpenDocumentFile(path);
    EXPECT_FALSE(opened.IsModified());
    EXPECT_EQ(opened.GetPathName(), path);
    ASSERT_EQ(opened.Parts().GetCount(), 3u);
    EXPECT_EQ(opened.Parts().GetList()[0]->m_name, "Oak");
    EXPECT_EQ(opened.Parts().GetList()[2]->m_name, "Fir");
}

TEST_F(DocumentFiles, ACatalogueSavedInManyPiecesIsTheSameFileAndReplacesTheOld)
{
    // Long names in the code page and beyond it: several megabytes, written piece by piece.
    const char* const letters[] = {"a", "\xC3\xA9", "\xC5\x81"};
    for (int i = 0; i < 3000; ++i) {
        std::string name;
        for (int j = 0; j < 500; ++j)
            name += letters[i % 3];
        AddTree(m_doc, name + std::to_string(i));
    }
    const fs::path path = m_folder / "large.wo3";
    WriteBytes(path, "an older and shorter file");
    m_doc.SaveDocumentFile(path);
    const std::vector<uint8_t> expected = m_doc.SaveToBytes();
    ASSERT_GT(expected.size(), size_t(2) << 20);
    EXPECT_TRUE(ReadWholeFile(path) == expected);
}

TEST_F(DocumentFiles, ALargeCatalogueOpensWholeAndACutOneStopsWhereItsBytesDo)
{
    // Far more than is read at a time, with names in both string forms, one of them longer
    // than all that is read at a time.
    for (int i = 0; i < 4000; ++i)
        AddTree(m_doc, std::string(100 + i % 50, "a\xC5\x81"[i % 2]) + (i % 2 ? "\xC5\x81" : "\xC3\xA9") + std::to_string(i));
    AddTree(m_doc, std::string(700000, 'x') + "\xC5\x81");
    AddTree(m_doc, "Fir");
    const fs::path path = m_folder / "large.wo3";
    m_doc.SaveDocumentFile(path);
    const std::vector<uint8_t> bytes = m_doc.SaveToBytes();

    CModelwrightDoc opened;
    opened.OpenDocumentFile(path);
    EXPECT_TRUE(opened.SaveToBytes() == bytes);

    for (const size_t cut : {size_t(300000), bytes.size() - 700000, bytes.size() - 20}) {
        const fs::path cutPath = m_folder / ("cut " + std::to_string(cut) + ".wo3");
        WriteBytes(cutPath, std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
        size_t inMemory = 0;
        try {
            CModelwrightDoc fromBytes;
            fromBytes.LoadFromBytes(std::span(bytes.data(), cut));
        } catch (const CArchiveException& error) {
            inMemory = error.m_offset;
        }
        try {
            opened.OpenDocumentFile(cutPath);
            ADD_FAILURE() << "opened the first " << cut << " bytes";
        } catch (const CArchiveException& error) {
            EXPECT_EQ(error.m_offset, inMemory) << cut;
            EXPECT_LE(error.m_offset, cut);
        }
        EXPECT_EQ(opened.Parts().GetCount(), 0u);
    }
}

TEST_F(DocumentFiles, AnEmptyFileOpensAsANewCatalogueUnderItsName)
{
    AddTree(m_doc, "Oak");
    const fs::path path = m_folder / "empty.wo3";
    WriteBytes(path, "");
    m_doc.OpenDocumentFile(path);
    EXPECT_EQ(m_doc.Parts().GetCount(), 0u);
    EXPECT_EQ(m_doc.GetPathName(), path);
    EXPECT_EQ(m_doc.GetTitle(), "empty.wo3");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DocumentFiles, ADamagedFileGivesANewUntitledCatalogue)
{
    const fs::path good = m_folder / "good.wo3";
    AddTree(m_doc, "Oak");
    m_doc.SaveDocumentFile(good);
    const fs::path damaged = m_folder / "damaged.wo3";
    WriteBytes(damaged, ReadBytes(good).substr(0, 60));
    try {
        m_doc.OpenDocumentFile(damaged);
        FAIL() << "opened";
    } catch (const CException& error) {
        EXPECT_STREQ(error.what(), "Unexpected file format.");
    }
    EXPECT_EQ(m_doc.Parts().GetCount(), 0u);
    EXPECT_EQ(m_doc.GetTitle(), "Untitled");
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(DocumentFiles, AMissingFileKeepsAnUnchangedCatalogue)
{
    const fs::path good = m_folder / "good.wo3";
    AddTree(m_doc, "Oak");
    m_doc.SaveDocumentFile(good);
    const fs::path missing = m_folder / "missing.wo3";
    try {
        m_doc.OpenDocumentFile(missing);
        FAIL() << "opened";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
        EXPECT_EQ(std::string(error.what()), PathToUtf8(missing) + " was not found.");
    }
    EXPECT_EQ(m_doc.Parts().GetCount(), 1u);
    EXPECT_EQ(m_doc.GetPathName(), good);

    // With unsaved changes the catalogue is replaced by a new one.
    AddTree(m_doc, "Birch");
    EXPECT_THROW(m_doc.OpenDocumentFile(missing), CFileException);
    EXPECT_EQ(m_doc.Parts().GetCount(), 0u);
    EXPECT_EQ(m_doc.GetTitle(), "Untitled");
}

TEST_F(DocumentFiles, AFailedSaveLeavesTheOldFileAsItWas)
{
    const fs::path path = m_folder / "catalogue.wo3";
    AddTree(m_doc, "Oak");
    m_doc.SaveDocumentFile(path);
    const std::string before = ReadBytes(path);

    AddTree(m_doc, "Birch");
    if (CanMakeFoldersReadOnly()) {
        fs::permissions(m_folder, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_THROW(m_doc.SaveDocumentFile(path), CFileException);
        fs::permissions(m_folder, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_TRUE(m_doc.IsModified());
    }
    // A folder that does not exist: nothing is written anywhere.
    const fs::path nowhere = m_folder / "no such folder" / "catalogue.wo3";
    try {
        m_doc.SaveDocumentFile(nowhere);
        FAIL() << "saved";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::folderNotFound);
        EXPECT_EQ(std::string(error.what()), PathToUtf8(nowhere) + " cannot be written: its folder does not exist.");
    }
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(m_doc.GetPathName(), path);
    // A folder in place of the file.
    const fs::path folderInTheWay = m_folder / "in the way.wo3";
    fs::create_directory(folderInTheWay);
    EXPECT_THROW(m_doc.SaveDocumentFile(folderInTheWay), CFileException);
    EXPECT_TRUE(fs::is_directory(folderInTheWay));
    // No temporary file is left behind.
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(m_folder))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);
}

TEST_F(DocumentFiles, SavingReplacesTheFileBehindALink)
{
    const fs::path real = m_folder / "real.wo3";
    const fs::path link = m_folder / "link.wo3";
    AddTree(m_doc, "Oak");
    m_doc.SaveDocumentFile(real);
    std::error_code error;
    fs::create_symlink(real, link, error);
    if (error)
        GTEST_SKIP() << "links cannot be made here";
    AddTree(m_doc, "Birch");
    m_doc.SaveDocumentFile(link);
    EXPECT_TRUE(fs::is_symlink(link));
    CModelwrightDoc opened;
    opened.OnNewDocument();
    opened.OpenDocumentFile(real);
    EXPECT_EQ(opened.Parts().GetCount(), 2u);
}

TEST_F(DocumentFiles, NamesWithBlanksAndAccentsWork)
{
    const fs::path path = m_folder / PathFromUtf8("Bahnhof Süd – Gebäude.wo3");
    AddTree(m_doc, "Linde");
    m_doc.SaveDocumentFile(path);
    CModelwrightDoc opened;
    opened.OnNewDocument();
    opened.OpenDocumentFile(path);
    EXPECT_EQ(opened.GetTitle(), "Bahnhof Süd – Gebäude.wo3");
    EXPECT_EQ(opened.Parts().GetList().front()->m_name, "Linde");
}

TEST_F(DocumentFiles, ReplacingAFileThatIsOpenElsewhereSucceedsOrLeavesItWhole)
{
    const fs::path path = m_folder / "open elsewhere.wo3";
    AddTree(m_doc, "Oak");
    m_doc.SaveDocumentFile(path);
    const std::string before = ReadBytes(path);
    std::ifstream reader(path, std::ios::binary);
    ASSERT_TRUE(reader.is_open());
    AddTree(m_doc, "Birch");
    bool saved = true;
    try {
        m_doc.SaveDocumentFile(path);
    } catch (const CFileException&) {
        saved = false; // where an open file cannot be replaced
    }
    reader.close();
    CModelwrightDoc opened;
    opened.OnNewDocument();
    opened.OpenDocumentFile(path);
    EXPECT_EQ(opened.Parts().GetCount(), saved ? 2u : 1u);
    if (!saved) {
        EXPECT_EQ(ReadBytes(path), before);
    }
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(m_folder))
        files += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1u);
}

} // namespace
