#include "model/ArchiveTestHelpers.h"

#include "model/Archive.h"
#include "model/Building.h"
#include "model/ModelwrightDoc.h"
#include "model/ObjectEditor.h"
#include "model/PartKind.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// An edit dialog that applies a change and answers OK or Cancel.
class FakeEditor : public IObjectEditor {
public:
    FakeEditor(bool accept, std::function<void(CNamedObject&)> change = {})
        : m_accept(accept)
        , m_change(std::move(change))
    {
    }
    bool Edit(CNamedObject& object, CObjectManager& owner) override
    {
        ++m_runs;
        m_owner = &owner;
        if (m_change)
            m_change(object);
        return m_accept;
    }
    bool m_accept;
    std::function<void(CNamedObject&)> m_change;
    int m_runs = 0;
    CObjectManager* m_owner = nullptr;
};

template <class T>
std::unique_ptr<T> RoundTrip(const T& object)
{
    std::vector<uint8_t> bytes;
    CArchive out(CArchive::store, bytes);
    out.WriteObject(&object);
    CArchive in(CArchive::load, bytes);
    return in.ReadOwned<T>();
}

TEST(NamedObjects, NumbersComeFromOneRunningCounter)
{
    const int32_t next = CNamedObject::PeekNextId();
    CTree tree;
    CHeader header; // the header, then its two address records
    EXPECT_EQ(tree.m_id, next);
    EXPECT_EQ(header.m_id, next + 1);
    EXPECT_EQ(header.m_pManufacturer->m_id, next + 2);
    EXPECT_EQ(header.m_pRepresentative->m_id, next + 3);
    EXPECT_EQ(CNamedObject::PeekNextId(), next + 4);
}

TEST(NamedObjects, DefaultNames)
{
    CTree tree;
    EXPECT_TRUE(tree.SetDefaultName());
    EXPECT_EQ(tree.m_name, "CTree " + std::to_string(tree.m_id));
    EXPECT_FALSE(tree.SetDefaultName());

    CHeader header;
    EXPECT_TRUE(header.SetDefaultName());
    EXPECT_EQ(header.m_name, "Header");

    // A nameless object is stored, and an empty stored name loaded, under its default name.
    CDecoration decoration;
    EXPECT_EQ(RoundTrip(decoration)->m_name, "CDecoration " + std::to_string(decoration.m_id));
    ByteBuilder b;
    b.NewClass("CDecoration", 1).NamedObject(77, "");
    for (int i = 0; i < 10; ++i)
        b.Int32(i);
    CArchive in(CArchive::load, b.Get());
    EXPECT_EQ(in.ReadOwned<CDecoration>()->m_name, "CDecoration 77");
}

TEST(NamedObjects, EveryFieldSurvivesARoundTrip)
{
    CTree tree;
    tree.m_name = "Oak";
    tree.m_catalogNo = "T-1";
    tree.m_freeText = "line 1\r\nline 2";
    tree.m_partsPerPackage = 3;
    tree.m_price = "1,50";
    tree.m_topColor = 0x123456;
    tree.m_topHeight = -20;
    tree.m_topRadius = 41;
    tree.m_treeType = kTreeNeedleLeaved;
    tree.m_trunkColor = kAutomaticColor;
    tree.m_trunkHeight = 11;
    tree.m_trunkRadius = 6;
    tree.m_units = kUnitsInches;
    const auto tree2 = RoundTrip(tree);
    EXPECT_EQ(tree2->m_freeText, tree.m_freeText);
    EXPECT_EQ(tree2->m_topColor, 0x123456u);
    EXPECT_EQ(tree2->m_trunkColor, kAutomaticColor);
    EXPECT_EQ(tree2->m_topHeight, -20);
    EXPECT_EQ(tree2->m_treeType, kTreeNeedleLeaved);
    EXPECT_EQ(tree2->m_units, kUnitsInches);
    EXPECT_EQ(tree2->m_id, tree.m_id);

    CDecoration decoration;
    decoration.m_wall = kWallLeft;
    decoration.m_height = 1;
    decoration.m_width = 2;
    decoration.m_positionX = 3;
    decoration.m_positionZ = 4;
    decoration.m_mainType = kDecorationBaseB;
    decoration.m_subtype = kDecorationWindow;
    decoration.m_windowCount = 6;
    const auto decoration2 = RoundTrip(decoration);
    EXPECT_EQ(std::tie(decoration2->m_wall, decoration2->m_height, decoration2->m_width, decoration2->m_positionX,
                  decoration2->m_positionZ, decoration2->m_mainType, decoration2->m_subtype, decoration2->m_windowCount),
        std::make_tuple(kWallLeft, 1, 2, 3, 4, kDecorationBaseB, kDecorationWindow, 6));

    CManufacturer address;
    address.m_kind = 2;
    address.m_companyName = "Acme";
    address.m_country = "NL";
    address.m_zipCode = "1234 AB";
    const auto address2 = RoundTrip(address);
    EXPECT_EQ(address2->m_companyName, "Acme");
    EXPECT_EQ(address2->m_country, "NL");
    EXPECT_EQ(address2->m_zipCode, "1234 AB");
}

TEST(NamedObjects, AddressRecordStoresCountryFirstAndZipCodeLast)
{
    CManufacturer address;
    address.m_kind = 1;
    address.m_country = "C";
    address.m_fax = "F";
    address.m_mail = "M";
    address.m_companyName = "N";
    address.m_phone = "P";
    address.m_street = "S";
    address.m_town = "T";
    address.m_zipCode = "Z";
    std::vector<uint8_t> bytes;
    CArchive out(CArchive::store, bytes);
    out.WriteObject(&address);
    const std::vector<uint8_t> tail = {1, 0, 0, 0, 1, 'C', 1, 'F', 1, 'M', 1, 'N', 1, 'P', 1, 'S', 1, 'T', 1, 'Z'};
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), bytes.end() - tail.size()));
}

TEST(Platforms, StoreEighteenFieldsAndDropTheFreeText)
{
    CPlatform platform;
    platform.m_freeText = "gone after saving";
    platform.m_poleDiameter = 4;
    platform.m_edgeDistance = 6;
    platform.m_polesPerSide = 5;
    std::vector<uint8_t> bytes;
    CArchive out(CArchive::store, bytes);
    out.WriteObject(&platform);
    const size_t classRecord = 2 + 2 + 2 + 9;
    const size_t namedPart = 4 + 4 + 1 + std::string("CPlatform " + std::to_string(platform.m_id)).size();
    EXPECT_EQ(bytes.size(), classRecord + namedPart + 2 * 1 + 16 * 4);

    CArchive in(CArchive::load, bytes);
    const auto loaded = in.ReadOwned<CPlatform>();
    EXPECT_EQ(loaded->m_freeText, "");
    EXPECT_EQ(std::tie(loaded->m_poleDiameter, loaded->m_edgeDistance, loaded->m_polesPerSide), std::make_tuple(4, 6, 5));
}

TEST(Platforms, FirstVersionRecordKeepsNewPoleValues)
{
    ByteBuilder b;
    b.NewClass("CPlatform", 1).NamedObject(3, "Old").String(" ").Int32(1).String("0");
    for (int32_t value : {0, 10, 50, 300, 40, 8, 1, 2, 3, 4, 1094, 1102})
        b.Int32(value);
    CArchive in(CArchive::load, b.Get());
    const auto platform = in.ReadOwned<CPlatform>();
    EXPECT_EQ(in.BytesLeft(), 0u);
    EXPECT_EQ(std::tie(platform->m_polesPerSide, platform->m_edgeDistance, platform->m_poleDiameter), std::make_tuple(2, 0, 0));
    EXPECT_EQ(platform->m_length, 300);
    EXPECT_EQ(platform->m_coverType, kCoverPitched);
    EXPECT_EQ(platform->m_poleStyle, kPoleRound);
}

TEST(BuildingElements, FirstVersionRecordLoadsWithoutZAndDecorations)
{
    ByteBuilder b;
    b.NewClass("CBuildingElement", 1).NamedObject(4, "Hall");
    b.Int32(0xC0C0C0).Int32(7).Int32(8).Int32(80).Int32(50).Int32(100).String("note");
    b.Int32(30).Int32(0xFF).Int32(25).Int32(kRoofGable).Int32(kRoofOrientation90);
    CArchive in(CArchive::load, b.Get());
    const auto element = in.ReadOwned<CBuildingElement>();
    EXPECT_EQ(in.BytesLeft(), 0u);
    EXPECT_EQ(std::tie(element->m_positionX, element->m_positionY, element->m_positionZ), std::make_tuple(7, 8, 0));
    EXPECT_EQ(std::tie(element->m_blockDepth, element->m_blockHeight, element->m_blockWidth), std::make_tuple(80, 50, 100));
    EXPECT_EQ(element->m_freeText, "note");
    EXPECT_EQ(element->m_roofOrientation, kRoofOrientation90);
    ASSERT_NE(element->m_decorations, nullptr);
    EXPECT_EQ(element->m_decorations->GetCount(), 0u);

    // Saved again it becomes a current record with Z 0 and an empty decoration list.
    const auto again = RoundTrip(*element);
    EXPECT_EQ(again->m_positionZ, 0);
    EXPECT_EQ(again->m_roofType, kRoofGable);
}

TEST(Buildings, KeepElementsInOrder)
{
    CBuilding building;
    building.m_name = "Station";
    building.m_catalogNo = "B-1";
    building.m_units = kUnitsInches;
    for (const char* name : {"Hall", "Tower", "Annex"}) {
        auto element = std::make_unique<CBuildingElement>();
        element->m_name = name;
        auto door = std::make_unique<CDecoration>();
        door->m_name = std::string(name) + " door";
        element->m_decorations->Add(std::move(door));
        building.Add(std::move(element));
    }
    const auto loaded = RoundTrip(building);
    EXPECT_EQ(loaded->m_name, "Station");
    EXPECT_EQ(loaded->m_catalogNo, "B-1");
    EXPECT_EQ(loaded->m_units, kUnitsInches);
    ASSERT_EQ(loaded->GetCount(), 3u);
    EXPECT_EQ(loaded->GetElement(1).m_name, "Tower");
    EXPECT_EQ(loaded->GetElement(2).m_decorations->GetDecoration(0).m_name, "Annex door");
}

TEST(Buildings, AnUnknownSchemaLeavesTheCatalogueFieldsAtTheirDefaults)
{
    ByteBuilder b;
    b.NewClass("CBuilding", 3).ListPart("Shed", 0);
    CArchive in(CArchive::load, b.Get());
    const auto building = in.ReadOwned<CBuilding>();
    EXPECT_EQ(building->m_name, "Shed");
    EXPECT_EQ(building->m_partsPerPackage, 1);
    EXPECT_EQ(building->m_catalogNo, "");
}

TEST(PartKinds, EachKindReachesItsOwnHandlerAndNothingElseIsAPart)
{
    const auto handlerOf = [](const CObject& object) {
        return VisitPart(object, Overloaded {
                                     [](const CTree&) { return 't'; },
                                     [](const CBuilding&) { return 'b'; },
                                     [](const CPlatform&) { return 'p'; },
                                 });
    };
    for (const EPartKind kind : {EPartKind::tree, EPartKind::building, EPartKind::platform}) {
        const std::unique_ptr<CNamedObject> part = MakePart(kind);
        EXPECT_EQ(PartKindOf(*part), kind);
        EXPECT_EQ(PartKindNamed(part->GetRuntimeClass()->m_className), kind);
        EXPECT_EQ(handlerOf(*part), "tbp"[int(kind)]);
    }
    const CHeader header;
    const CBuildingElement element;
    const CPartsManager parts;
    for (const CNamedObject* other : std::initializer_list<const CNamedObject*> {&header, &element, &parts}) {
        EXPECT_EQ(PartKindOf(*other), std::nullopt);
        EXPECT_EQ(handlerOf(*other), std::nullopt);
        EXPECT_FALSE(VisitPart(*other, [](const auto&) {}));
    }
    EXPECT_EQ(PartKindNamed("CHeader"), std::nullopt);
    EXPECT_EQ(PartKindNamed("ctree"), std::nullopt);
}

class ObjectLists : public ::testing::Test {
protected:
    void SetUp() override { m_doc.OnNewDocument(); }
    CPartsManager& Parts() { return m_doc.Parts(); }
    CModelwrightDoc m_doc;
};

TEST_F(ObjectLists, NewObjectTakesTheObjectOnlyOnOk)
{
    FakeEditor cancel(false, [](CNamedObject& o) { o.m_name = "changed"; });
    std::unique_ptr<CNamedObject> tree = std::make_unique<CTree>();
    EXPECT_FALSE(Parts().NewObject(tree, cancel));
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(Parts().GetCount(), 0u);

    FakeEditor ok(true);
    tree->m_name.clear();
    CNamedObject* raw = tree.get();
    EXPECT_TRUE(Parts().NewObject(tree, ok));
    EXPECT_EQ(tree, nullptr);
    EXPECT_EQ(ok.m_owner, &Parts());
    ASSERT_EQ(Parts().GetCount(), 1u);
    EXPECT_EQ(Parts().GetList().front().get(), raw);
    EXPECT_EQ(raw->m_name, "CTree " + std::to_string(raw->m_id));
    // Lists are plain containers: whoever runs the command decides about the modified mark.
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(ObjectLists, DeleteFindsTheObjectByIdentity)
{
    auto first = std::make_unique<CTree>();
    auto second = std::make_unique<CTree>();
    first->m_name = second->m_name = "Twin";
    const CNamedObject* secondRaw = second.get();
    Parts().Add(std::move(first));
    Parts().Add(std::move(second));
    CTree stranger;
    stranger.m_name = "Twin";
    EXPECT_FALSE(Parts().Delete(&stranger));
    EXPECT_TRUE(Parts().Delete(secondRaw));
    ASSERT_EQ(Parts().GetCount(), 1u);
    EXPECT_NE(Parts().GetList().front().get(), secondRaw);
    EXPECT_FALSE(Parts().Add(nullptr));
}

TEST_F(ObjectLists, EditHeaderRunsTheEditorOnTheHeader)
{
    FakeEditor cancel(false);
    EXPECT_FALSE(Parts().EditHeader(cancel));
    FakeEditor ok(true, [this](CNamedObject& object) { EXPECT_EQ(&object, Parts().m_pHeader.get()); });
    EXPECT_TRUE(Parts().EditHeader(ok));
    EXPECT_EQ(ok.m_owner, &Parts());
}

TEST_F(ObjectLists, APartsListStoredUnderAnotherNameLoadsAsPartsManager)
{
    ByteBuilder b;
    b.NewClass("CSerializationManager", 1).NewClass("CPartsManager", 1).ListPart("Catalogue", 0);
    b.NewClass("CHeader", 1).NamedObject(10, "My trees").String("me").String("EUR").Int32(3);
    b.NewClass("CManufacturer", 1).NamedObject(11, "m").Int32(1).Bytes({0, 0, 0, 0, 0, 0, 0, 0});
    b.ClassRef(7).NamedObject(12, "r").Int32(2).Bytes({0, 0, 0, 0, 0, 0, 0, 0});
    m_doc.LoadFromBytes(b.Get());
    EXPECT_EQ(Parts().m_name, "PartsManager");
    EXPECT_EQ(Parts().m_pHeader->m_name, "My trees");
    EXPECT_EQ(Parts().m_pHeader->m_author, "me");
    EXPECT_EQ(Parts().m_pHeader->m_version, 3);
}

} // namespace

TEST_F(ObjectLists, ACopyIsNamedAfterItsOriginalWithTheNextFreeNumber)
{
    const auto add = [this](const char* name) {
        auto tree = std::make_unique<CTree>();
        tree->m_name = name;
        Parts().Add(std::move(tree));
    };
    // A name nobody has yet stays as it is: a part pasted into another catalogue.
    EXPECT_EQ(Parts().CopyName("Goods shed"), "Goods shed");
    add("Goods shed");
    EXPECT_EQ(Parts().CopyName("Goods shed"), "Goods shed (2)");
    add("Goods shed (2)");
    add("Goods shed (4)");
    EXPECT_EQ(Parts().CopyName("Goods shed"), "Goods shed (3)");
    // A copy of a copy counts on from the stem, never "Goods shed (2) (2)".
    EXPECT_EQ(Parts().CopyName("Goods shed (2)"), "Goods shed (3)");
    add("Goods shed (3)");
    EXPECT_EQ(Parts().CopyName("Goods shed (4)"), "Goods shed (5)");
    // Brackets that hold no plain number are part of the name.
    for (const char* name : {"Hut (a)", "Hut (02)", "Hut ()", "(7)"}) {
        add(name);
        EXPECT_EQ(Parts().CopyName(name), std::string(name) + " (2)") << name;
    }
}
