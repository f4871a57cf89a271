#pragma once

#include "export/Coord.h"
#include "export/KeywordTable.h"
#include "export/PartsText.h"
#include "export/RoofShape.h"
#include "model/Color.h"
#include "model/NamedObject.h"

#include <array>
#include <cstring>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

class CBuilding;
class CBuildingElement;
class CDecoration;
class CDecorationManager;
class CHeader;
class CManufacturer;
class CPartsManager;
class CPlatform;
class CProgramOptions;
class CTree;

// Writes a catalogue as a Winrail parts file: a header block, then one structure block per
// part, in the dialect the program options choose. Exports go through ExportToText and
// ExportToFile below.
//
// The writer is a named object like the parts, and a writer made with the public constructor
// takes its number from the same running counter. The form view makes one for its whole life;
// the export functions make theirs without a number, so the numbers of new parts never depend
// on how often the user exports or previews.
class CPartsFileWriter : public CNamedObject {
    DECLARE_SERIAL(CPartsFileWriter)
public:
    CPartsFileWriter();
    ~CPartsFileWriter() override;

    void Serialize(CArchive& archive) override;

    // The largest parts file an export may produce (tests lower it).
    void SetSizeLimit(size_t bytes) { m_sizeLimit = bytes; }

    // The horizontal insets of the two sides of a ridge, flat-topped or lean-to roof, and
    // whether the element has such a roof.
    struct RoofInsets {
        bool m_hasRoof = false;
        Coord m_p;
        Coord m_q;
    };
    static RoofInsets ComputeRoofInsets(const CBuildingElement& element);
    // How far a flat-topped roof's top stands in from the eaves at each side.
    static Coord FlatToppedInset(Coord roofHeight, int32_t angle, Coord span);

    // A platform's poles per row and the distance between neighbours.
    struct PoleRow {
        int32_t m_count = 2;
        Coord m_spacing;
    };
    static PoleRow ComputePoleRow(const CPlatform& platform);
    // The bytes all of a platform's poles take in the selected column, worked out without
    // writing them; exact up to the size limit, and beyond it when that is certain.
    uint64_t PolesSize(const CPlatform& platform);

private:
    // The writers the export functions make for one export take no number.
    explicit CPartsFileWriter(SUnnumbered unnumbered) : CNamedObject(unnumbered) {}

    friend std::string ExportToText(const CPartsManager&, const CProgramOptions&);
    friend void ExportToFile(const CPartsManager&, const CProgramOptions&, const std::filesystem::path&);
    friend void ExportToFile(CPartsFileWriter&, const CPartsManager&, const CProgramOptions&, const std::filesystem::path&);
    friend std::string ExportPartToText(const CObject&, const CProgramOptions&, size_t);
    friend std::string ExportElementToText(const CBuildingElement&, const CProgramOptions&, size_t);
    friend std::string ExportElementBlockToText(const CBuildingElement&, const CProgramOptions&, size_t);
    friend std::string ExportDecorationToText(const CDecoration&, const CBuildingElement&, const CProgramOptions&, size_t);
    friend std::string ExportBuildingOwnLinesToText(const CBuilding&, const CProgramOptions&, size_t);

    // An export composes the whole text in m_pFile, which hands full pieces on to a temporary
    // file when there is a path; a failure on the way closes the writer and propagates, and
    // leaves an existing file untouched.
    void Open(const std::filesystem::path& path, const CProgramOptions& options);
    void WriteAll(const CPartsManager& manager);
    // Writes the rest of the text and puts the file in place; the writer is closed also when
    // that fails and throws.
    void Close();

    // A missing header or address record is written with empty values, so the file keeps
    // its structure.
    void WriteHeader(const CHeader* header);
    void WriteAddress(const CManufacturer* address, int32_t kindWhenMissing);
    // A tree's, a building's or a platform's structure block; nothing for another object.
    void WritePart(const CObject& part);
    // A structure block of a building's element alone, its decorations with it or not.
    std::string ElementText(const CBuildingElement& element, bool withDecorations);
    void WriteTree(const CTree& tree);
    void WriteBuilding(const CBuilding& building);
    // What a building writes before its elements and after them.
    void WriteBuildingHead(const CBuilding& building);
    void WriteBuildingTail(const CBuilding& building);
    void WritePlatform(const CPlatform& platform);

    std::string_view Keyword(EKeyword role) const { return m_dialect.Keyword(role); }
    CPartsText& Out() { return *m_pFile; }

    void WriteNewLine() { Out().PutLineEnd(); }
    void WriteBlankLine() { Out().PutLineEnd(); Out().PutLineEnd(); }
    void WriteElementPlan(const CBuildingElement& element);
    void WriteElementBlock(const CBuildingElement& element);
    void WriteRoof(const CBuildingElement& element);
    // A roof made whole by its shape's function: walls, cover and lines; nothing when empty.
    void WriteRoofShape(const SRoofShape& shape, const CBuildingElement& element);
    // Gables, cover and ridge lines of a roof whose sides stand p and q in from the eaves.
    void WriteRoofFaces(const CRoofFrame& frame, Coord p, Coord q, const CBuildingElement& element);
    void WriteDecorations(const CDecorationManager& decorations, const CBuildingElement& element);
    void WriteDecoration(const CDecoration& decoration, const CBuildingElement& element);
    void WritePlatformPlan(const CPlatform& platform);
    void WritePlatformBody(const CPlatform& platform);
    void WritePlatformCover(const CPlatform& platform);
    void WritePoles(const CPlatform& platform);
    // The poles standing at one place along the platform: one, or one in each row.
    void WritePolesAt(const CPlatform& platform, const PoleRow& row, int32_t i);
    // Of the poles at one place, the characters of the numbers that change from place to place.
    static uint64_t PositionChars(const CPlatform& platform, const PoleRow& row, int32_t i);
    void WriteRoundPole(Coord x, Coord y, Coord z, Coord diameter, Coord height, COLORREF color);
    void WriteSquarePole(Coord x1, Coord y1, Coord z1, Coord x2, Coord y2, Coord z2, COLORREF color);
    void WriteCoverFaces(const CPlatform& platform);

    // The most a blank and a number take, and a point with its line end.
    static constexpr size_t kNumberRoom = CPartsText::kMaxIntChars + 1;
    static constexpr size_t kPointRoom = 3 * kNumberRoom + 2;
    static constexpr size_t kColoredPointRoom = kPointRoom + 1 + CPartsText::kColorChars;

    // Each record is composed in one piece of the text, its keyword written already.
    char* BeginRecord(EKeyword role, size_t room) { return CopyKeyword(Out().BeginPiece(kKeywordBlock + room), role); }
    char* CopyKeyword(char* out, EKeyword role) const
    {
        const SKeywordBlock& keyword = m_keywordBlocks[static_cast<size_t>(role)];
        std::memcpy(out, keyword.text, kKeywordBlock);
        return out + keyword.size;
    }
    // The dialect's keywords, each in a block copied whole: what follows a keyword overwrites
    // the rest of its block.
    static constexpr size_t kKeywordBlock = 24;
    struct SKeywordBlock {
        char text[kKeywordBlock] {};
        size_t size = 0;
    };
    using KeywordBlocks = std::array<SKeywordBlock, kKeywordRoles>;
    static KeywordBlocks KeywordBlocksOf(const SKeywordDialect& dialect);
    // A line of fixed text, copied whole the same way.
    struct SFixedText {
        static constexpr size_t kBlock = 32;
        char text[kBlock] {};
        size_t size = 0;

        constexpr void Append(std::string_view part)
        {
            if (part.size() > kBlock - size)
                throw std::length_error("a fixed text outgrows its block");
            for (const char c : part)
                text[size++] = c;
        }
    };
    static consteval SFixedText SectionComment(std::string_view section)
    {
        SFixedText comment;
        comment.Append(";");
        comment.Append(section);
        comment.Append("\r\n\r\n");
        return comment;
    }
    static char* CopyFixed(char* out, const SFixedText& fixed)
    {
        std::memcpy(out, fixed.text, SFixedText::kBlock);
        return out + fixed.size;
    }
    void WriteFixed(const SFixedText& fixed) { Out().EndPiece(CopyFixed(Out().BeginPiece(SFixedText::kBlock), fixed)); }
    // The groups of points the parts file knows, each opened by its keyword and two numbers.
    enum EGroup { kQuadsGroup, kHexahedronGroup, kSquareGroup, kEdgesGroup, kBarsGroup, kGroups };
    struct SGroupOpening {
        EKeyword role;
        std::string_view numbers;
    };
    static constexpr std::array<SGroupOpening, kGroups> kGroupOpenings = {{
        {kw3DQuads, " 1 1"},
        {kw3DHexahedron, " 1 1"},
        {kw3DSquare, " 1 1"},
        {kw3DLines, " 2 2"},
        {kw3DLines, " 1 1"},
    }};
    // The opening line of every group and the closing line with the blank line after it.
    struct SGroupLines {
        std::array<SFixedText, kGroups> openings;
        SFixedText closing;
    };
    static SGroupLines GroupLinesOf(const SKeywordDialect& dialect);
    // Each number after a blank, written without a loop.
    template <class... Numbers>
    static char* FormatNumbers(char* out, Numbers... numbers)
    {
        ((*out++ = ' ', out = CPartsText::FormatInt(out, Coord(numbers).Value())), ...);
        return out;
    }
    static char* FormatXYZ(char* out, Coord x, Coord y, Coord z)
    {
        out = CPartsText::FormatInt(out, x.Value());
        *out++ = ' ';
        out = CPartsText::FormatInt(out, y.Value());
        *out++ = ' ';
        return CPartsText::FormatInt(out, z.Value());
    }
    static char* FormatPoint(char* out, Coord x, Coord y, Coord z)
    {
        return CPartsText::FormatLineEnd(FormatXYZ(out, x, y, z));
    }
    static char* FormatColoredPoint(char* out, Coord x, Coord y, Coord z, COLORREF color)
    {
        out = FormatXYZ(out, x, y, z);
        *out++ = ' ';
        out = CPartsText::FormatColor(out, color);
        return CPartsText::FormatLineEnd(out);
    }
    template <class... Numbers>
    void WriteNumbersLine(EKeyword role, Numbers... numbers)
    {
        char* const out = BeginRecord(role, sizeof...(numbers) * kNumberRoom + 2);
        Out().EndPiece(CPartsText::FormatLineEnd(FormatNumbers(out, numbers...)));
    }
    // Points are most of a parts file, so they are written inline.
    void WriteColoredPoint(Coord x, Coord y, Coord z, COLORREF color)
    {
        Out().EndPiece(FormatColoredPoint(Out().BeginPiece(kColoredPointRoom), x, y, z, color));
    }
    void WritePoint(Coord x, Coord y, Coord z) { Out().EndPiece(FormatPoint(Out().BeginPiece(kPointRoom), x, y, z)); }
    // A group composed in one piece: of every ColourEvery points the first carries the colour
    // (1: all of them, 2: the first end of each segment, 4: the first corner of each quad).
    template <size_t ColourEvery>
    void WriteGroup(EGroup group, std::span<const SPoint> points, COLORREF color);
    void WriteGroupLineByLine(EGroup group, std::span<const SPoint> points, COLORREF color, size_t colourEvery);
    void WriteQuad(const std::array<SPoint, 4>& corners, COLORREF color) { WriteGroup<4>(kQuadsGroup, corners, color); }
    void WriteSegment(Coord x1, Coord y1, Coord z1, Coord x2, Coord y2, Coord z2, COLORREF color);
    // A plan's rectangle with its two diagonals.
    void WritePlan(Coord x1, Coord y1, Coord x2, Coord y2, COLORREF color);
    void WriteLine(Coord x1, Coord y1, Coord x2, Coord y2);
    void WriteRectangle(Coord x1, Coord y1, Coord x2, Coord y2, COLORREF color);
    void WriteCircle(Coord x, Coord y, Coord radius, COLORREF color);
    void WriteGroupHeader(EGroup group) { WriteFixed(m_groupLines.openings[group]); }
    void WriteEnd3D() { WriteFixed(m_groupLines.closing); }
    void WriteDisk(Coord radius, int32_t a, int32_t b, int32_t c, int32_t d);
    void WriteCylinder(Coord bottomRadius, Coord topRadius, Coord height, int32_t a, int32_t b, int32_t c, int32_t d);
    void WriteEllipsoid(Coord rx, Coord ry, Coord rz, int32_t a, int32_t b, int32_t c, int32_t d);
    void WriteEllipse(Coord rx, Coord ry, int32_t a, int32_t b, int32_t c);
    void WriteCenter(Coord x, Coord y, Coord z, COLORREF color);
    void WriteRotation(int32_t x, int32_t y, int32_t z);
    void WriteKeyValue(EKeyword role, std::string_view text);
    void WriteKeyValueInt(EKeyword role, int32_t value);
    void WriteFreeText(std::string_view text);
    void WriteComment(std::string_view text);
    void WriteUnitsLine(int32_t units);
    void WriteStructureLine(std::string_view catalogNo, std::string_view name);
    void WritePriceLine(std::string_view price);
    void WritePartsPerPackageLine(int32_t partsPerPackage);
    void WriteEndStructure();

    SKeywordDialect m_dialect;
    KeywordBlocks m_keywordBlocks = KeywordBlocksOf(m_dialect);
    SGroupLines m_groupLines = GroupLinesOf(m_dialect);
    std::unique_ptr<CPartsText> m_pFile;
    size_t m_sizeLimit = CPartsText::kDefaultSizeLimit;
};

// The exact bytes of the parts file of a catalogue with the given options.
std::string ExportToText(const CPartsManager& manager, const CProgramOptions& options);
// The structure block of one tree, building or platform, without the header block; empty for
// any other object. A text that would grow beyond the limit ends with CFileException.
std::string ExportPartToText(const CObject& part, const CProgramOptions& options,
    size_t sizeLimit = CPartsText::kDefaultSizeLimit);
// One building element with its decorations, as a structure block of its own named after it.
std::string ExportElementToText(const CBuildingElement& element, const CProgramOptions& options,
    size_t sizeLimit = CPartsText::kDefaultSizeLimit);
// The element's block and roof without its decorations, and one decoration on the element's
// wall without the element: the pieces the preview shows apart.
std::string ExportElementBlockToText(const CBuildingElement& element, const CProgramOptions& options,
    size_t sizeLimit = CPartsText::kDefaultSizeLimit);
std::string ExportDecorationToText(const CDecoration& decoration, const CBuildingElement& element,
    const CProgramOptions& options, size_t sizeLimit = CPartsText::kDefaultSizeLimit);
// The building's structure block without its elements: its own lines and its free text.
std::string ExportBuildingOwnLinesToText(const CBuilding& building, const CProgramOptions& options,
    size_t sizeLimit = CPartsText::kDefaultSizeLimit);
// Writes the parts file of a catalogue with the given options; an existing file is replaced
// only when the new one is complete. Throws CFileException, or CException when the file would
// grow beyond the size limit.
void ExportToFile(const CPartsManager& manager, const CProgramOptions& options, const std::filesystem::path& path);
// The same through a writer the caller keeps.
void ExportToFile(CPartsFileWriter& writer, const CPartsManager& manager, const CProgramOptions& options,
    const std::filesystem::path& path);
