#include "model/FileFingerprint.h"
#include "model/FileIO.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>

namespace fs = std::filesystem;

namespace {

uint64_t HashOf(std::span<const uint8_t> bytes)
{
    CContentHash hash;
    hash.Add(bytes);
    return hash.Value();
}

class ChangedOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        m_folder = fs::temp_directory_path() / ("mw-changed-" + std::to_string(random()));
        fs::create_directories(m_folder);
        m_path = m_folder / "garden.wo3";
        m_doc.OnNewDocument();
        AddTree("Oak");
        m_doc.SaveDocumentFile(m_path);
    }
    void TearDown() override
    {
        std::error_code error;
        fs::remove_all(m_folder, error);
    }
    void AddTree(const std::string& name)
    {
        auto tree = std::make_unique<CTree>();
        tree->m_name = name;
        m_doc.Parts().Add(std::move(tree));
        m_doc.SetModifiedFlag(true);
    }
    // Another program writes the file: the same bytes but one, and the old time put back.
    void ChangeOneByteKeepingTheTime()
    {
        const fs::file_time_type written = fs::last_write_time(m_path);
        std::vector<uint8_t> bytes = ReadWholeFile(m_path);
        bytes.back() ^= 0x20;
        std::ofstream(m_path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        fs::last_write_time(m_path, written);
    }

    fs::path m_folder;
    fs::path m_path;
    CModelwrightDoc m_doc;
};

}

TEST(ContentHash, IsTheSameInAnyPiecesAndTellsEveryByteAndLength)
{
    std::mt19937 random(7);
    std::vector<uint8_t> bytes(5000);
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(random());
    const uint64_t whole = HashOf(bytes);
    for (int round = 0; round < 20; ++round) {
        CContentHash pieces;
        for (size_t at = 0; at < bytes.size();) {
            const size_t size = std::min<size_t>(random() % 70, bytes.size() - at);
            pieces.Add(std::span(bytes).subspan(at, size));
            at += size;
        }
        EXPECT_EQ(pieces.Value(), whole);
    }
    for (const size_t at : {size_t(0), size_t(31), size_t(32), size_t(4999)}) {
        std::vector<uint8_t> changed = bytes;
        changed[at] ^= 1;
        EXPECT_NE(HashOf(changed), whole) << "byte " << at;
    }
    // Runs of zeros differ by their length alone, across the stripes' bounds.
    std::set<uint64_t> zeros;
    const std::vector<uint8_t> none(100, 0);
    for (size_t length = 0; length <= none.size(); ++length)
        zeros.insert(HashOf(std::span(none).first(length)));
    EXPECT_EQ(zeros.size(), none.size() + 1);
}

TEST_F(ChangedOnDisk, AFileAsSavedOrOpenedOrOnlyTouchedIsUnchanged)
{
    ASSERT_TRUE(m_doc.FileAsKnown());
    EXPECT_EQ(m_doc.FileAsKnown()->m_size, fs::file_size(m_path));
    EXPECT_FALSE(m_doc.FileChangedOnDisk());

    CModelwrightDoc opened;
    opened.OpenDocumentFile(m_path);
    ASSERT_TRUE(opened.FileAsKnown());
    EXPECT_TRUE(opened.FileAsKnown()->SameBytes(*m_doc.FileAsKnown()));
    EXPECT_FALSE(opened.FileChangedOnDisk());

    // A new time on the same bytes is no change of the catalogue.
    fs::last_write_time(m_path, fs::last_write_time(m_path) + std::chrono::hours(1));
    EXPECT_FALSE(m_doc.FileChangedOnDisk());
    EXPECT_FALSE(opened.FileChangedOnDisk());
}

TEST_F(ChangedOnDisk, AnotherWritersBytesAreNoticedEvenOfTheSameSizeAndTime)
{
    CModelwrightDoc other;
    other.OnNewDocument();
    auto tree = std::make_unique<CTree>();
    tree->m_name = "Birch";
    other.Parts().Add(std::move(tree));
    other.SaveDocumentFile(m_path);
    const auto changed = m_doc.FileChangedOnDisk();
    ASSERT_TRUE(changed);
    EXPECT_EQ(changed->m_size, fs::file_size(m_path));

    // Saving takes the file as this document's again.
    m_doc.SaveDocumentFile(m_path);
    EXPECT_FALSE(m_doc.FileChangedOnDisk());
    ChangeOneByteKeepingTheTime();
    EXPECT_TRUE(m_doc.FileChangedOnDisk());
}

TEST_F(ChangedOnDisk, AGoneFileANewCatalogueAndAnEmptyFileHaveNothingToOverwrite)
{
    fs::remove(m_path);
    EXPECT_FALSE(m_doc.FileChangedOnDisk());
    EXPECT_FALSE(TakeFingerprint(m_path));

    std::ofstream(m_path, std::ios::binary).flush();
    CModelwrightDoc empty;
    empty.OpenDocumentFile(m_path);
    ASSERT_TRUE(empty.FileAsKnown());
    EXPECT_EQ(empty.FileAsKnown()->m_size, 0u);
    EXPECT_FALSE(empty.FileChangedOnDisk());
    std::ofstream(m_path, std::ios::binary) << "x";
    EXPECT_TRUE(empty.FileChangedOnDisk());

    empty.OnNewDocument();
    EXPECT_FALSE(empty.FileAsKnown());
    EXPECT_FALSE(empty.FileChangedOnDisk());
}

TEST_F(ChangedOnDisk, ARecoveredCatalogueKnowsItsFileAsItWasWhenRecovered)
{
    AddTree("Elm");
    const std::vector<uint8_t> unsaved = m_doc.SaveToBytes();
    CModelwrightDoc recovered;
    recovered.OnNewDocument();
    recovered.RecoverFromBytes(unsaved, m_path);
    EXPECT_TRUE(recovered.IsModified());
    EXPECT_FALSE(recovered.FileChangedOnDisk());
    ChangeOneByteKeepingTheTime();
    EXPECT_TRUE(recovered.FileChangedOnDisk());
}
