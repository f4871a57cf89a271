#include "model/ArchiveTestHelpers.h"

#include "model/Archive.h"
#include "model/Exceptions.h"
#include "model/Building.h"
#include "model/ModelwrightDoc.h"
#include "model/TextCodec.h"
#include "model/Platform.h"
#include "model/Tree.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<uint8_t> Store(const CObject& object)
{
    std::vector<uint8_t> bytes;
    CArchive archive(CArchive::store, bytes);
    archive.WriteObject(&object);
    return bytes;
}

template <class T>
std::unique_ptr<T> Load(const std::vector<uint8_t>& bytes)
{
    CArchive archive(CArchive::load, bytes);
    return archive.ReadOwned<T>();
}

TEST(Archive, SecondObjectOfAClassRefersToItsClassRecord)
{
    CModelwrightDoc doc;
    doc.OnNewDocument();
    doc.Parts().Add(std::make_unique<CTree>());
    doc.Parts().Add(std::make_unique<CTree>());
    const auto bytes = doc.SaveToBytes();
    // Classes 1 and 3 are the root and the parts list; the tree class takes index 5.
    const std::vector<uint8_t> treeClassTag = {0x05, 0x80};
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), treeClassTag.begin(), treeClassTag.end()), bytes.end());
}

TEST(Archive, NullReferenceIsTagZero)
{
    std::vector<uint8_t> bytes;
    CArchive archive(CArchive::store, bytes);
    archive.WriteObject(nullptr);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0, 0}));
}

TEST(Archive, LargeIndicesUseTheEscapeTag)
{
    CModelwrightDoc doc;
    doc.OnNewDocument();
    for (int i = 0; i < 33000; ++i)
        doc.Parts().Add(std::make_unique<CTree>());
    auto first = std::make_unique<CPlatform>();
    first->m_name = "first";
    auto second = std::make_unique<CPlatform>();
    second->m_name = "second";
    second->m_polesPerSide = 7;
    doc.Parts().Add(std::move(first));
    doc.Parts().Add(std::move(second));
    const auto bytes = doc.SaveToBytes();

    // Root class and object, list class and object, tree class, 33000 trees: the platform
    // class is index 33006, and the second platform refers to it through the escape tag.
    const uint32_t platformClass = 33006;
    ByteBuilder escape;
    escape.UInt16(0x7FFF).Int32(static_cast<int32_t>(0x80000000u | platformClass));
    const auto& tag = escape.Get();
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), tag.begin(), tag.end()), bytes.end());

    CModelwrightDoc reloaded;
    reloaded.OnNewDocument();
    reloaded.LoadFromBytes(bytes);
    ASSERT_EQ(reloaded.Parts().GetCount(), 33002u);
    const auto* platform = DynamicDowncast<CPlatform>(reloaded.Parts().GetList().back().get());
    ASSERT_NE(platform, nullptr);
    EXPECT_EQ(platform->m_name, "second");
    EXPECT_EQ(platform->m_polesPerSide, 7);
    EXPECT_EQ(reloaded.SaveToBytes(), bytes);
}

TEST(Archive, Windows1252TextIsStoredInTheEightBitForm)
{
    CTree tree;
    tree.m_name = "Café € „Bahnhof“";
    const auto bytes = Store(tree);
    const std::vector<uint8_t> expected = {'C', 'a', 'f', 0xE9, ' ', 0x80, ' ', 0x84, 'B', 'a', 'h', 'n', 'h', 'o', 'f', 0x93};
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), expected.begin(), expected.end()), bytes.end());
    EXPECT_EQ(Load<CTree>(bytes)->m_name, tree.m_name);
}

TEST(Archive, UndefinedWindows1252BytesSurvive)
{
    ByteBuilder b;
    b.NewClass("CTree", 1).Int32(1).Int32(3).Bytes({5, 0x81, 0x8D, 0x8F, 0x90, 0x9D});
    b.String("").String("").Int32(1).String("").Int32(0).Int32(1).Int32(2).Int32(1035).Int32(0).Int32(3).Int32(4).Int32(0);
    auto tree = Load<CTree>(b.Get());
    EXPECT_EQ(tree->m_name, "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Store(*tree), b.Get());
}

TEST(Archive, TextOutsideWindows1252IsStoredInTheSixteenBitForm)
{
    CTree tree;
    tree.m_name = "Wieża";
    const auto bytes = Store(tree);
    const std::vector<uint8_t> expected = {0xFF, 0xFE, 0xFF, 5, 'W', 0, 'i', 0, 'e', 0, 0x7C, 0x01, 'a', 0};
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), expected.begin(), expected.end()), bytes.end());
    EXPECT_EQ(Load<CTree>(bytes)->m_name, "Wieża");
}

TEST(Archive, EveryEightBitByteReadsAsItsCharacterAnywhereInLongText)
{
    // Each byte after ASCII runs of several lengths (the reader takes ASCII eight bytes at a
    // time, and short text in one pass), at the end and followed by more text, must come back
    // as the same byte.
    for (int value = 0x01; value <= 0xFF; ++value) {
        for (const size_t run : {0, 7, 8, 9, 17, 63, 64, 70}) {
            for (const char* after : {"", "x", "\xE9 tail of text"}) {
                CTree tree;
                const std::string fileText = std::string(run, 'a') + static_cast<char>(value) + after;
                tree.m_name = Utf8FromCp1252(fileText);
                std::string back;
                ASSERT_TRUE(TryCp1252FromUtf8(tree.m_name, back)) << value;
                ASSERT_EQ(back, fileText) << value;
                ASSERT_EQ(Load<CTree>(Store(tree))->m_name, tree.m_name) << value;
            }
        }
    }
    EXPECT_EQ(Utf8FromCp1252("\x80\x9F\xA0\xFF"), "\u20AC\u0178\u00A0\u00FF");
}

TEST(Archive, SixteenBitTextWithPairsAndLoneSurrogatesReads)
{
    ByteBuilder b;
    b.NewClass("CTree", 1).Int32(1).Int32(3).Bytes({0xFF, 0xFE, 0xFF, 5, 'A', 0, 0x3D, 0xD8, 0x82, 0xDE, 0x00, 0xD8, 0xE9, 0});
    b.String("").String("").Int32(1).String("").Int32(0).Int32(1).Int32(2).Int32(1035).Int32(0).Int32(3).Int32(4).Int32(0);
    EXPECT_EQ(Load<CTree>(b.Get())->m_name, "A\U0001F682\uFFFD\u00E9");
}

TEST(Archive, SchemaIsHandedToEachObjectAroundNestedOnes)
{
    // A building asks for its own schema only after its elements were read.
    ByteBuilder b;
    b.NewClass("CBuilding", 1).ListPart("Shed", 1);
    b.NewClass("CBuildingElement", 1).NamedObject(5, "Wall");
    b.Int32(0xC0C0C0).Int32(1).Int32(2).Int32(80).Int32(50).Int32(100).String("").Int32(45).Int32(0xFF).Int32(30).Int32(1043).Int32(1051);
    b.String("A-1").Int32(3).String("9.50").Int32(1);
    CArchive archive(CArchive::load, b.Get());
    const CRuntimeClass* accepted[] = {RUNTIME_CLASS(CNamedObject)};
    auto object = archive.ReadOwnedObject(accepted);
    auto* building = DynamicDowncast<CBuilding>(object.get());
    ASSERT_NE(building, nullptr);
    EXPECT_EQ(building->GetCount(), 1u);
    EXPECT_EQ(building->m_catalogNo, "A-1");
    EXPECT_EQ(building->m_price, "9.50");
    EXPECT_EQ(building->m_units, 1);
    EXPECT_EQ(building->GetElement(0).m_positionZ, 0);
    EXPECT_EQ(building->GetElement(0).m_decorations->GetCount(), 0u);
    EXPECT_EQ(archive.BytesLeft(), 0u);
}

} // namespace
