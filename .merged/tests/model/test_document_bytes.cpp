#include "model/ArchiveTestHelpers.h"

#include "model/Archive.h"
#include "model/Building.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"
#include "model/Platform.h"
#include "model/Tree.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The bytes of a header and its two address records, as a new catalogue stores them;
// headerClass is the index the header's class takes.
void AppendNewHeader(ByteBuilder& b, uint16_t headerClass, int32_t headerId)
{
    const std::string manufacturer = "CManufacturer " + std::to_string(headerId + 1);
    const std::string representative = "CManufacturer " + std::to_string(headerId + 2);
    b.NewClass("CHeader", 1).NamedObject(headerId, "Header").Bytes({0, 0}).Int32(1);
    b.NewClass("CManufacturer", 1).NamedObject(headerId + 1, manufacturer).Int32(1).Bytes({0, 0, 0, 0, 0, 0, 0, 0});
    b.ClassRef(headerClass + 2).NamedObject(headerId + 2, representative).Int32(2).Bytes({0, 0, 0, 0, 0, 0, 0, 0});
}

// The document the bytes load into.
std::unique_ptr<CModelwrightDoc> Reloaded(const std::vector<uint8_t>& bytes)
{
    auto document = std::make_unique<CModelwrightDoc>();
    document->OnNewDocument();
    document->LoadFromBytes(bytes);
    return document;
}

// The document's bytes compared with what write makes of the older schema, then, once its
// first part has the free text, with what write makes of the newer one; returns the latter.
template <class Part, class Write>
std::vector<uint8_t> SavedWithoutAndWithFreeText(
    CModelwrightDoc& doc, const Write& write, uint16_t olderSchema, uint16_t newerSchema, const char* freeText)
{
    ByteBuilder withoutText;
    write(withoutText, olderSchema, "");
    AppendNewHeader(withoutText, 8, doc.Parts().m_pHeader->m_id);
    EXPECT_EQ(doc.SaveToBytes(), withoutText.Get());

    static_cast<Part&>(*doc.Parts().GetList().front()).m_freeText = freeText;
    ByteBuilder withText;
    write(withText, newerSchema, freeText);
    AppendNewHeader(withText, 8, doc.Parts().m_pHeader->m_id);
    const auto bytes = doc.SaveToBytes();
    EXPECT_EQ(bytes, withText.Get());
    return bytes;
}

TEST(DocumentBytes, NewCatalogueSavedAtOnce)
{
    CModelwrightDoc doc;
    doc.OnNewDocument();
    const int32_t headerId = doc.Parts().m_pHeader->m_id;

    ByteBuilder expected;
    expected.NewClass("CSerializationManager", 1).NewClass("CPartsManager", 1).ListPart("PartsManager", 0);
    AppendNewHeader(expected, 5, headerId);
    EXPECT_EQ(doc.SaveToBytes(), expected.Get());
}

TEST(DocumentBytes, NewTreeAcceptedWithoutChanges)
{
    CModelwrightDoc doc;
    doc.OnNewDocument();
    auto tree = std::make_unique<CTree>();
    tree->m_catalogNo = " ";
    tree->m_price = "0";
    tree->SetDefaultName();
    const int32_t treeId = tree->m_id;
    doc.Parts().Add(std::move(tree));
    const int32_t headerId = doc.Parts().m_pHeader->m_id;

    ByteBuilder expected;
    expected.NewClass("CSerializationManager", 1).NewClass("CPartsManager", 1).ListPart("PartsManager", 1);
    expected.NewClass("CTree", 1).NamedObject(treeId, "CTree " + std::to_string(treeId));
    expected.Bytes({1, 0x20, 0}).Int32(1).Bytes({1, 0x30, 0x00, 0x50, 0x50, 0x00}).Int32(20).Int32(40);
    expected.Bytes({0x0B, 0x04, 0, 0, 0x50, 0x50, 0, 0}).Int32(10).Int32(5).Int32(0);
    AppendNewHeader(expected, 7, headerId);
    EXPECT_EQ(doc.SaveToBytes(), expected.Get());
}

TEST(DocumentBytes, ResavingALoadedFileGivesTheSameBytes)
{
    CModelwrightDoc doc;
    doc.OnNewDocument();
    auto building = std::make_unique<CBuilding>();
    building->m_name = "Station";
    auto element = std::make_unique<CBuildingElement>();
    element->m_decorations->Add(std::make_unique<CDecoration>());
    element->m_decorations->Add(std::make_unique<CDecoration>());
    building->Add(std::move(element));
    building->Add(std::make_unique<CBuildingElement>());
    doc.Parts().Add(std::move(building));
    doc.Parts().Add(std::make_unique<CPlatform>());
    doc.Parts().Add(std::make_unique<CTree>());
    doc.Parts().m_pHeader->m_pManufacturer->m_town = "Zürich";
    const auto bytes = doc.SaveToBytes();

    const auto reloaded = Reloaded(bytes);
    EXPECT_EQ(reloaded->SaveToBytes(), bytes);
    EXPECT_EQ(reloaded->Parts().m_pHeader->m_pManufacturer->m_town, "Zürich");
}

// A building's free text is kept under the second schema of the building class, which the
// whole document then uses; without one the first schema's bytes stay as they were.
TEST(DocumentBytes, BuildingFreeTextsChooseTheSecondSchema)
{
    CModelwrightDoc doc;
    doc.OnNewDocument();
    const auto addShed = [&doc](const char* name, const char* freeText) {
        auto building = std::make_unique<CBuilding>();
        building->m_name = name;
        building->m_catalogNo = " ";
        building->m_price = "34.50";
        building->m_freeText = freeText;
        const int32_t id = building->m_id;
        doc.Parts().Add(std::move(building));
        return id;
    };
    addShed("Shed", "");
    addShed("Barn", "");
    const auto sheds = [](ByteBuilder& b, uint16_t schema, const char* freeText) {
        b.NewClass("CSerializationManager", 1).NewClass("CPartsManager", 1).ListPart("PartsManager", 2);
        b.NewClass("CBuilding", schema).ListPart("Shed", 0).String(" ").Int32(1).String("34.50").Int32(0);
        if (schema == 2)
            b.String(freeText);
        b.ClassRef(5).ListPart("Barn", 0).String(" ").Int32(1).String("34.50").Int32(0);
        if (schema == 2)
            b.String("");
    };
    const auto bytes = SavedWithoutAndWithFreeText<CBuilding>(doc, sheds, 1, 2, "; roof\r\nLine 0 0 1 1");

    const auto reloaded = Reloaded(bytes);
    const auto& parts = reloaded->Parts().GetList();
    EXPECT_EQ(static_cast<const CBuilding&>(*parts[0]).m_freeText, "; roof\r\nLine 0 0 1 1");
    EXPECT_EQ(static_cast<const CBuilding&>(*parts[1]).m_price, "34.50");
    EXPECT_EQ(static_cast<const CBuilding&>(*parts[1]).m_freeText, "");
    EXPECT_EQ(reloaded->SaveToBytes(), bytes);
}

// A platform's free text is kept under the third schema of the platform class; a document
// without one keeps the second schema's bytes, and a third-schema file loads back whole.
TEST(DocumentBytes, PlatformFreeTextsChooseTheThirdSchema)
{
    CModelwrightDoc doc;
    doc.OnNewDocument();
    std::vector<int32_t> ids;
    for (const char* name : {"Quay", "Bay"}) {
        auto platform = std::make_unique<CPlatform>();
        platform->m_name = name;
        platform->m_catalogNo = "P";
        platform->m_price = "9";
        ids.push_back(platform->m_id);
        doc.Parts().Add(std::move(platform));
    }
    const auto platforms = [&ids](ByteBuilder& b, uint16_t schema, const char* freeText) {
        b.NewClass("CSerializationManager", 1).NewClass("CPartsManager", 1).ListPart("PartsManager", 2);
        b.NewClass("CPlatform", schema);
        for (const char* name : {"Quay", "Bay"}) {
            if (name[0] == 'B')
                b.ClassRef(5);
            b.NamedObject(name[0] == 'Q' ? ids[0] : ids[1], name).String("P").Int32(1).String("9");
            for (int32_t value : {0, 0, 0, 0, 0, 0, 0xC8C8C8, 0x7F7F7F, 0x7FFF7F, 0x00007F, 0, 0, 0, 0, 2})
                b.Int32(value);
            if (schema == 3)
                b.String(name[0] == 'Q' ? freeText : "");
        }
    };
    const auto bytes = SavedWithoutAndWithFreeText<CPlatform>(doc, platforms, 2, 3, "; lamps\r\nLine 0 0 1 1");

    const auto reloaded = Reloaded(bytes);
    const auto& parts = reloaded->Parts().GetList();
    EXPECT_EQ(static_cast<const CPlatform&>(*parts[0]).m_freeText, "; lamps\r\nLine 0 0 1 1");
    EXPECT_EQ(static_cast<const CPlatform&>(*parts[1]).m_polesPerSide, 2);
    EXPECT_EQ(static_cast<const CPlatform&>(*parts[1]).m_freeText, "");
    EXPECT_EQ(reloaded->SaveToBytes(), bytes);
}

TEST(DocumentBytes, StringLengthPrefixes)
{
    for (const auto& [length, prefix] : std::vector<std::pair<size_t, std::vector<uint8_t>>>{
             {0, {0x00}}, {254, {0xFE}}, {255, {0xFF, 0xFF, 0x00}}, {65533, {0xFF, 0xFD, 0xFF}},
             {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}}}) {
        std::vector<uint8_t> bytes;
        CArchive out(CArchive::store, bytes);
        out.WriteString(std::string(length, 'a'));
        ASSERT_EQ(bytes.size(), prefix.size() + length) << length;
        EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), bytes.begin())) << length;
        CArchive in(CArchive::load, bytes);
        EXPECT_EQ(in.ReadString().size(), length);
        EXPECT_EQ(in.BytesLeft(), 0u);
    }
}

// A catalogue stored piece by piece gives the bytes it gives at once, in pieces of about a
// megabyte; a piece refused ends the store.
TEST(DocumentBytes, PiecesMakeTheSameBytes)
{
    CModelwrightDoc doc;
    doc.OnNewDocument();
    for (int i = 0; i < 3000; ++i) {
        auto tree = std::make_unique<CTree>();
        tree->m_name = "Tree " + std::to_string(i);
        tree->m_freeText = std::string(size_t(i % 7) * 300, 'f');
        doc.Parts().Add(std::move(tree));
    }
    std::vector<uint8_t> joined;
    size_t pieces = 0;
    doc.SaveInPieces([&](std::span<const uint8_t> piece) {
        ++pieces;
        joined.insert(joined.end(), piece.begin(), piece.end());
    });
    EXPECT_EQ(joined, doc.SaveToBytes());
    EXPECT_GT(pieces, 1u);

    pieces = 0;
    struct SRefused {};
    EXPECT_THROW(doc.SaveInPieces([&](std::span<const uint8_t>) {
        ++pieces;
        throw SRefused();
    }),
        SRefused);
    EXPECT_EQ(pieces, 1u);
}

} // namespace
