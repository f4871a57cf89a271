#include "model/ArchiveTestHelpers.h"

#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Parts of a well-formed file, so that each broken case changes one thing.
void Root(ByteBuilder& b) { b.NewClass("CSerializationManager", 1); }
void PartsList(ByteBuilder& b, int32_t count) { b.NewClass("CPartsManager", 1).ListPart("PartsManager", count); }
void TreeFields(ByteBuilder& b)
{
    b.String(" ").String("").Int32(1).String("0").Int32(0x505000).Int32(20).Int32(40).Int32(1035);
    b.Int32(0x5050).Int32(10).Int32(5).Int32(0);
}
void Address(ByteBuilder& b, int32_t kind)
{
    b.NamedObject(20 + kind, "CManufacturer").Int32(kind).Bytes({0, 0, 0, 0, 0, 0, 0, 0});
}
// The header with its addresses; headerClass is the index the header's class takes.
void Header(ByteBuilder& b, uint16_t headerClass)
{
    b.NewClass("CHeader", 1).NamedObject(10, "Header").Bytes({0, 0}).Int32(1);
    b.NewClass("CManufacturer", 1);
    Address(b, 1);
    b.ClassRef(headerClass + 2);
    Address(b, 2);
}

ByteBuilder ValidFileWithOneTree()
{
    ByteBuilder b;
    Root(b);
    PartsList(b, 1);
    b.NewClass("CTree", 1).NamedObject(9, "Oak");
    TreeFields(b);
    Header(b, 7);
    return b;
}

struct BrokenFile {
    const char* what;
    std::function<void(ByteBuilder&)> build;
};

const BrokenFile kBrokenFiles[] = {
    {"unregistered root class", [](ByteBuilder& b) { b.NewClass("CSomethingElse", 1); }},
    {"class name longer than 63 characters", [](ByteBuilder& b) { b.NewClass(std::string(64, 'C'), 1); }},
    {"root of another class", [](ByteBuilder& b) { b.NewClass("CTree", 1); }},
    {"root with schema 2", [](ByteBuilder& b) { b.NewClass("CSerializationManager", 2); }},
    {"null root", [](ByteBuilder& b) { b.UInt16(0); }},
    {"class reference before any class", [](ByteBuilder& b) { b.ClassRef(1); }},
    {"back-reference to an object never read", [](ByteBuilder& b) { b.UInt16(5); }},
    {"parts list with schema 2",
        [](ByteBuilder& b) {
            Root(b);
            b.NewClass("CPartsManager", 2).ListPart("PartsManager", 0);
            Header(b, 5);
        }},
    {"list format word 2",
        [](ByteBuilder& b) {
            Root(b);
            b.NewClass("CPartsManager", 1).Int32(2).String("PartsManager").Int32(0);
        }},
    {"negative element count",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, -1);
        }},
    {"element count larger than the file",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 0x7FFFFFFF);
        }},
    {"string longer than the file",
        [](ByteBuilder& b) {
            Root(b);
            b.NewClass("CPartsManager", 1).Int32(1).Bytes({0xFF, 0xFF, 0xFF}).Int32(0x7FFFFFF0);
        }},
    {"sixteen-bit string longer than the file",
        [](ByteBuilder& b) {
            Root(b);
            b.NewClass("CPartsManager", 1).Int32(1).Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF}).Int32(0x40000000);
        }},
    {"tree with schema 3",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.NewClass("CTree", 3).NamedObject(9, "Oak");
            TreeFields(b);
            Header(b, 7);
        }},
    {"named object format word 2",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.NewClass("CTree", 1).Int32(2).Int32(9).String("Oak");
            TreeFields(b);
            Header(b, 7);
        }},
    {"decoration in the parts list",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.NewClass("CDecoration", 1).NamedObject(9, "Door");
        }},
    {"bare named object in the parts list",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.NewClass("CNamedObject", 1).NamedObject(9, "Thing");
        }},
    {"tree inside a building",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.NewClass("CBuilding", 1).ListPart("Shed", 1).NewClass("CTree", 1).NamedObject(9, "Oak");
        }},
    {"null element",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.UInt16(0);
        }},
    {"same tree twice through a back-reference",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 2);
            b.NewClass("CTree", 1).NamedObject(9, "Oak");
            TreeFields(b);
            b.UInt16(6);
        }},
    {"back-reference where the header belongs",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 0);
            b.UInt16(4);
        }},
    {"null header",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 0);
            b.UInt16(0);
        }},
    {"tree where the header belongs",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 0);
            b.NewClass("CTree", 1).NamedObject(9, "Oak");
            TreeFields(b);
        }},
    {"header where an address belongs",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 0);
            b.NewClass("CHeader", 1).NamedObject(10, "Header").Bytes({0, 0}).Int32(1).ClassRef(5);
        }},
    {"building free text longer than the file",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.NewClass("CBuilding", 2).ListPart("Shed", 0).String(" ").Int32(1).String("0").Int32(0);
            b.Bytes({0xFF, 0xF0, 0xFF}).Raw("; only a few bytes");
        }},
    {"platform free text longer than the file",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.NewClass("CPlatform", 3).NamedObject(9, "Quay").String("P").Int32(1).String("0");
            for (int field = 0; field < 15; ++field)
                b.Int32(0);
            b.Bytes({0xFF, 0xF0, 0xFF}).Raw("; only a few bytes");
        }},
    {"platform with schema 4",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.NewClass("CPlatform", 4).NamedObject(9, "Quay");
        }},
    {"element with schema 3",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.NewClass("CBuilding", 1).ListPart("Shed", 1).NewClass("CBuildingElement", 3).NamedObject(9, "Wall");
        }},
    {"element without its decoration list",
        [](ByteBuilder& b) {
            Root(b);
            PartsList(b, 1);
            b.NewClass("CBuilding", 1).ListPart("Shed", 1).NewClass("CBuildingElement", 2).NamedObject(9, "Wall");
            b.Int32(0).Int32(0).Int32(0).Int32(0).Int32(80).Int32(50).Int32(100).String("");
            b.Int32(45).Int32(0xFF).Int32(30).Int32(0).Int32(0).UInt16(0);
        }},
};

TEST(BrokenFiles, AreRefusedAsUnexpectedFileFormat)
{
    for (const auto& broken : kBrokenFiles) {
        ByteBuilder bytes;
        broken.build(bytes);
        CModelwrightDoc doc;
        doc.OnNewDocument();
        const auto before = doc.SaveToBytes();
        try {
            doc.LoadFromBytes(bytes.Get());
            ADD_FAILURE() << broken.what << ": loaded";
        } catch (const CArchiveException& error) {
            EXPECT_STREQ(error.what(), "Unexpected file format.") << broken.what;
        }
        // Nothing of a refused file reaches the catalogue.
        EXPECT_EQ(doc.SaveToBytes(), before) << broken.what;
    }
}

TEST(BrokenFiles, AFileCutShortAnywhereIsRefused)
{
    const auto valid = ValidFileWithOneTree().Get();
    {
        CModelwrightDoc doc;
        doc.OnNewDocument();
        ASSERT_NO_THROW(doc.LoadFromBytes(valid));
        EXPECT_EQ(doc.Parts().GetList().front()->m_name, "Oak");
    }
    for (size_t length = 1; length < valid.size(); ++length) {
        CModelwrightDoc doc;
        doc.OnNewDocument();
        EXPECT_THROW(doc.LoadFromBytes(std::span(valid.data(), length)), CArchiveException) << length;
    }
}

} // namespace
