#include "export/PartsFileWriter.h"

#include "model/Archive.h"
#include "model/Building.h"
#include "model/ChoiceCodes.h"
#include "model/Exceptions.h"
#include "model/Header.h"
#include "model/PartKind.h"
#include "model/PartsManager.h"
#include "settings/ProgramOptions.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_SERIAL_VERSIONABLE(CPartsFileWriter, CNamedObject, 1)

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

} // namespace

CPartsFileWriter::CPartsFileWriter() = default;

CPartsFileWriter::~CPartsFileWriter() = default;

void CPartsFileWriter::Serialize(CArchive& archive)
{
    CNamedObject::Serialize(archive);
    if (archive.IsLoading() && archive.GetObjectSchema() != 1)
        throw CArchiveException(CArchiveException::badSchema);
}

void CPartsFileWriter::Open(const std::filesystem::path& path, const CProgramOptions& options)
{
    m_dialect = DialectOf(options);
    m_keywordBlocks = KeywordBlocksOf(m_dialect);
    m_groupLines = GroupLinesOf(m_dialect);
    m_pFile = std::make_unique<CPartsText>(path, m_sizeLimit);
}

CPartsFileWriter::KeywordBlocks CPartsFileWriter::KeywordBlocksOf(const SKeywordDialect& dialect)
{
    static_assert(
        [] {
            size_t longest = kHexahedronOldSpelling.size();
            for (const auto& row : kPartsKeywords)
                for (const std::string_view keyword : row)
                    longest = std::max(longest, keyword.size());
            return longest <= kKeywordBlock;
        }(),
        "every keyword fits its block");
    KeywordBlocks blocks;
    for (int role = 0; role < kKeywordRoles; ++role) {
        const std::string_view keyword = dialect.Keyword(static_cast<EKeyword>(role));
        SKeywordBlock& block = blocks[static_cast<size_t>(role)];
        keyword.copy(block.text, kKeywordBlock);
        block.size = keyword.size();
    }
    return blocks;
}

CPartsFileWriter::SGroupLines CPartsFileWriter::GroupLinesOf(const SKeywordDialect& dialect)
{
    SGroupLines lines;
    for (size_t group = 0; group < kGroups; ++group) {
        lines.openings[group].Append(dialect.Keyword(kGroupOpenings[group].role));
        lines.openings[group].Append(kGroupOpenings[group].numbers);
        lines.openings[group].Append("\r\n");
    }
    lines.closing.Append(dialect.Keyword(kwEnd3D));
    lines.closing.Append("\r\n\r\n");
    return lines;
}

void CPartsFileWriter::WriteAll(const CPartsManager& manager)
{
    try {
        // Poles are the one part of a catalogue that can grow the file beyond any size from a
        // few bytes of the document, so their size is known before anything is written.
        uint64_t polesSize = 0;
        for (const auto& object : manager.GetList())
            VisitPart(*object, Overloaded {
                                   [&](const CPlatform& platform) {
                                       polesSize = std::min<uint64_t>(polesSize + PolesSize(platform), uint64_t(1) << 62);
                                   },
                                   [](const CNamedObject&) {},
                               });
        Out().ExpectMore(polesSize);
        WriteHeader(manager.m_pHeader.get());
        for (const auto& object : manager.GetList())
            WritePart(*object);
    } catch (...) {
        // A failed export leaves the writer closed, ready for the next one.
        m_pFile.reset();
        throw;
    }
}

void CPartsFileWriter::Close()
{
    const std::unique_ptr<CPartsText> file = std::move(m_pFile);
    file->Commit();
}

std::string ExportToText(const CPartsManager& manager, const CProgramOptions& options)
{
    CPartsFileWriter writer {CPartsFileWriter::SUnnumbered()};
    writer.Open({}, options);
    writer.WriteAll(manager);
    return writer.m_pFile->TakeText();
}

std::string ExportPartToText(const CObject& part, const CProgramOptions& options, size_t sizeLimit)
{
    CPartsFileWriter writer {CPartsFileWriter::SUnnumbered()};
    writer.SetSizeLimit(sizeLimit);
    writer.Open({}, options);
    writer.WritePart(part);
    return writer.m_pFile->TakeText();
}

std::string CPartsFileWriter::ElementText(const CBuildingElement& element, bool withDecorations)
{
    WriteUnitsLine(0);
    WriteStructureLine({}, element.m_name);
    WriteElementPlan(element);
    WriteElementBlock(element);
    if (withDecorations && element.m_decorations)
        WriteDecorations(*element.m_decorations, element);
    WriteEndStructure();
    WriteNewLine();
    return m_pFile->TakeText();
}

std::string ExportElementToText(const CBuildingElement& element, const CProgramOptions& options, size_t sizeLimit)
{
    CPartsFileWriter writer {CPartsFileWriter::SUnnumbered()};
    writer.SetSizeLimit(sizeLimit);
    writer.Open({}, options);
    return writer.ElementText(element, true);
}

std::string ExportElementBlockToText(const CBuildingElement& element, const CProgramOptions& options, size_t sizeLimit)
{
    CPartsFileWriter writer {CPartsFileWriter::SUnnumbered()};
    writer.SetSizeLimit(sizeLimit);
    writer.Open({}, options);
    return writer.ElementText(element, false);
}

std::string ExportDecorationToText(const CDecoration& decoration, const CBuildingElement& element,
    const CProgramOptions& options, size_t sizeLimit)
{
    CPartsFileWriter writer {CPartsFileWriter::SUnnumbered()};
    writer.SetSizeLimit(sizeLimit);
    writer.Open({}, options);
    writer.WriteUnitsLine(0);
    writer.WriteStructureLine({}, decoration.m_name);
    writer.WriteDecoration(decoration, element);
    writer.WriteEndStructure();
    writer.WriteNewLine();
    return writer.m_pFile->TakeText();
}

std::string ExportBuildingOwnLinesToText(const CBuilding& building, const CProgramOptions& options, size_t sizeLimit)
{
    CPartsFileWriter writer {CPartsFileWriter::SUnnumbered()};
    writer.SetSizeLimit(sizeLimit);
    writer.Open({}, options);
    writer.WriteBuildingHead(building);
    writer.WriteBuildingTail(building);
    return writer.m_pFile->TakeText();
}

void ExportToFile(const CPartsManager& manager, const CProgramOptions& options, const std::filesystem::path& path)
{
    CPartsFileWriter writer {CPartsFileWriter::SUnnumbered()};
    ExportToFile(writer, manager, options, path);
}

void ExportToFile(CPartsFileWriter& writer, const CPartsManager& manager, const CProgramOptions& options,
    const std::filesystem::path& path)
{
    writer.Open(path, options);
    writer.WriteAll(manager);
    writer.Close();
}

void CPartsFileWriter::WriteSegment(Coord x1, Coord y1, Coord z1, Coord x2, Coord y2, Coord z2, COLORREF color)
{
    char* out = Out().BeginPiece(kColoredPointRoom + kPointRoom);
    out = FormatColoredPoint(out, x1, y1, z1, color);
    Out().EndPiece(FormatPoint(out, x2, y2, z2));
}

template <size_t ColourEvery>
void CPartsFileWriter::WriteGroup(EGroup group, std::span<const SPoint> points, COLORREF color)
{
    const size_t room = 2 * SFixedText::kBlock + points.size() * kColoredPointRoom;
    if (!Out().FitsWithinLimit(room)) {
        // Near the size limit each line asks only for its own room.
        WriteGroupLineByLine(group, points, color, ColourEvery);
        return;
    }
    // The blank and the colour after a point, the same at every coloured point, made once.
    char colour[8];
    colour[0] = ' ';
    CPartsText::FormatColor(colour + 1, color);
    static_assert(sizeof colour == 1 + CPartsText::kColorChars);
    char* out = Out().BeginPiece(room);
    out = CopyFixed(out, m_groupLines.openings[group]);
    for (size_t i = 0; i < points.size(); ++i) {
        out = FormatXYZ(out, points[i].x, points[i].y, points[i].z);
        if (i % ColourEvery == 0) {
            std::memcpy(out, colour, sizeof colour);
            out += sizeof colour;
        }
        out = CPartsText::FormatLineEnd(out);
    }
    Out().EndPiece(CopyFixed(out, m_groupLines.closing));
}

template void CPartsFileWriter::WriteGroup<1>(EGroup, std::span<const SPoint>, COLORREF);
template void CPartsFileWriter::WriteGroup<2>(EGroup, std::span<const SPoint>, COLORREF);
template void CPartsFileWriter::WriteGroup<4>(EGroup, std::span<const SPoint>, COLORREF);

void CPartsFileWriter::WriteGroupLineByLine(EGroup group, std::span<const SPoint> points, COLORREF color, size_t colourEvery)
{
    WriteGroupHeader(group);
    size_t sinceColour = 0;
    for (const SPoint& point : points) {
        if (sinceColour == 0)
            WriteColoredPoint(point.x, point.y, point.z, color);
        else
            WritePoint(point.x, point.y, point.z);
        if (++sinceColour == colourEvery)
            sinceColour = 0;
    }
    WriteEnd3D();
}

void CPartsFileWriter::WritePlan(Coord x1, Coord y1, Coord x2, Coord y2, COLORREF color)
{
    constexpr size_t room = 3 * kKeywordBlock + 13 * kNumberRoom + CPartsText::kColorChars + 8;
    if (!Out().FitsWithinLimit(room)) {
        // Near the size limit each line asks only for its own room.
        WriteRectangle(x1, y1, x2, y2, color);
        WriteNewLine();
        WriteLine(x1, y1, x2, y2);
        WriteNewLine();
        WriteLine(x2, y1, x1, y2);
        WriteBlankLine();
        return;
    }
    char* out = FormatNumbers(CopyKeyword(Out().BeginPiece(room), kwRectangle), x1, y1, x2, y2);
    *out++ = ' ';
    out = CPartsText::FormatLineEnd(CPartsText::FormatColor(out, color));
    out = CPartsText::FormatLineEnd(FormatNumbers(CopyKeyword(out, kwLine), x1, y1, x2, y2));
    out = FormatNumbers(CopyKeyword(out, kwLine), x2, y1, x1, y2);
    Out().EndPiece(CPartsText::FormatLineEnd(CPartsText::FormatLineEnd(out)));
}

void CPartsFileWriter::WriteLine(Coord x1, Coord y1, Coord x2, Coord y2)
{
    Out().EndPiece(FormatNumbers(BeginRecord(kwLine, 4 * kNumberRoom), x1, y1, x2, y2));
}

void CPartsFileWriter::WriteRectangle(Coord x1, Coord y1, Coord x2, Coord y2, COLORREF color)
{
    char* out = FormatNumbers(BeginRecord(kwRectangle, 5 * kNumberRoom), x1, y1, x2, y2);
    *out++ = ' ';
    Out().EndPiece(CPartsText::FormatColor(out, color));
}

void CPartsFileWriter::WriteCircle(Coord x, Coord y, Coord radius, COLORREF color)
{
    char* out = FormatNumbers(BeginRecord(kwCircle, 4 * kNumberRoom), x, y, radius);
    *out++ = ' ';
    Out().EndPiece(CPartsText::FormatColor(out, color));
}

void CPartsFileWriter::WriteDisk(Coord radius, int32_t a, int32_t b, int32_t c, int32_t d)
{
    WriteNumbersLine(kw3DDisk, radius, a, b, c, d);
}

void CPartsFileWriter::WriteCylinder(Coord bottomRadius, Coord topRadius, Coord height, int32_t a, int32_t b, int32_t c, int32_t d)
{
    WriteNumbersLine(kw3DCylinder, bottomRadius, topRadius, height, a, b, c, d);
}

void CPartsFileWriter::WriteEllipsoid(Coord rx, Coord ry, Coord rz, int32_t a, int32_t b, int32_t c, int32_t d)
{
    WriteNumbersLine(kw3DEllipsoid, rx, ry, rz, a, b, c, d);
}

void CPartsFileWriter::WriteEllipse(Coord rx, Coord ry, int32_t a, int32_t b, int32_t c)
{
    WriteNumbersLine(kw3DEllipse, rx, ry, 0, a, b, c);
}

void CPartsFileWriter::WriteCenter(Coord x, Coord y, Coord z, COLORREF color)
{
    char* out = BeginRecord(kwCenter, 1 + kColoredPointRoom);
    *out++ = ' ';
    Out().EndPiece(FormatColoredPoint(out, x, y, z, color));
}

void CPartsFileWriter::WriteRotation(int32_t x, int32_t y, int32_t z)
{
    WriteNumbersLine(kwRotation, x, y, z);
}

void CPartsFileWriter::WriteKeyValue(EKeyword role, std::string_view text)
{
    Out().Put(Keyword(role));
    Out().Put('=');
    Out().PutSingleLineText(text);
    WriteNewLine();
}

void CPartsFileWriter::WriteKeyValueInt(EKeyword role, int32_t value)
{
    Out().Put(Keyword(role));
    Out().Put('=');
    Out().PutInt(value);
    WriteNewLine();
}

void CPartsFileWriter::WriteFreeText(std::string_view text)
{
    if (text.empty())
        return;
    Out().PutMultiLineText(text);
    WriteNewLine();
}

void CPartsFileWriter::WriteComment(std::string_view text)
{
    Out().PutSingleLineText(";", text, "\r\n\r\n");
}

void CPartsFileWriter::WriteUnitsLine(int32_t units)
{
    Out().Put(Keyword(units == kUnitsMillimetres ? kwMetricUnits : kwInchUnits));
    WriteNewLine();
}

void CPartsFileWriter::WriteStructureLine(std::string_view catalogNo, std::string_view name)
{
    Out().Put(Keyword(kwStructure));
    Out().PutSingleLineText(" \"", catalogNo, "\" \"");
    Out().PutSingleLineText("", name, "\"\r\n");
}

void CPartsFileWriter::WritePriceLine(std::string_view price)
{
    Out().Put(Keyword(kwPrice));
    Out().PutSingleLineText(" ", price, "\r\n");
}

void CPartsFileWriter::WritePartsPerPackageLine(int32_t partsPerPackage)
{
    WriteNumbersLine(kwPartsPerPackage, partsPerPackage);
}

void CPartsFileWriter::WriteEndStructure()
{
    Out().Put(Keyword(kwEnd));
    Out().Put(Keyword(kwStructure));
    WriteNewLine();
}

void CPartsFileWriter::WriteHeader(const CHeader* header)
{
    Out().Put(Keyword(kwHeader));
    WriteNewLine();
    WriteKeyValue(kwName, header ? std::string_view(header->m_name) : std::string_view());
    WriteAddress(header ? header->m_pManufacturer.get() : nullptr, CManufacturer::kManufacturer);
    WriteAddress(header ? header->m_pRepresentative.get() : nullptr, CManufacturer::kRepresentative);
    WriteKeyValue(kwCurrency, header ? std::string_view(header->m_currency) : std::string_view());
    WriteKeyValue(kwAuthor, header ? std::string_view(header->m_author) : std::string_view());
    WriteKeyValueInt(kwVersion, header ? header->m_version : 0);
    // The closing line says "EndHeader" in every dialect, also where End is spelt otherwise.
    Out().Put(kPartsKeywords[kwEnd][kColumnEnglish5]);
    Out().Put(Keyword(kwHeader));
    WriteBlankLine();
}

void CPartsFileWriter::WriteAddress(const CManufacturer* address, int32_t kindWhenMissing)
{
    const int32_t kind = address ? address->m_kind : kindWhenMissing;
    const EKeyword opening = kind == CManufacturer::kManufacturer ? kwManufacturer : kwLocalSupplier;
    Out().Put(Keyword(opening));
    WriteNewLine();
    const auto text = [address](const std::string CManufacturer::*field) {
        return address ? std::string_view(address->*field) : std::string_view();
    };
    WriteKeyValue(kwName, text(&CManufacturer::m_companyName));
    WriteKeyValue(kwStreet, text(&CManufacturer::m_street));
    WriteKeyValue(kwCity, text(&CManufacturer::m_town));
    WriteKeyValue(kwZip, text(&CManufacturer::m_zipCode));
    WriteKeyValue(kwCountry, text(&CManufacturer::m_country));
    WriteKeyValue(kwPhone, text(&CManufacturer::m_phone));
    WriteKeyValue(kwFax, text(&CManufacturer::m_fax));
    WriteKeyValue(kwEMail, text(&CManufacturer::m_mail));
    Out().Put(Keyword(kwEnd));
    Out().Put(Keyword(opening));
    WriteBlankLine();
}

void CPartsFileWriter::WritePart(const CObject& part)
{
    VisitPart(part, Overloaded {
                        [this](const CTree& tree) { WriteTree(tree); },
                        [this](const CBuilding& building) { WriteBuilding(building); },
                        [this](const CPlatform& platform) { WritePlatform(platform); },
                    });
}

void CPartsFileWriter::WriteTree(const CTree& tree)
{
    WriteUnitsLine(tree.m_units);
    WriteStructureLine(tree.m_catalogNo, tree.m_name);
    WritePriceLine(tree.m_price);
    WritePartsPerPackageLine(tree.m_partsPerPackage);
    WriteNewLine();
    WriteComment(tree.m_name);
    WriteFixed(SectionComment("Trunk"));

    const Coord trunkHeight = tree.m_trunkHeight;
    const Coord trunkRadius = tree.m_trunkRadius;
    const Coord topHeight = tree.m_topHeight;
    const Coord topRadius = tree.m_topRadius;
    WriteCircle(0, 0, trunkRadius, tree.m_trunkColor);
    WriteNewLine();
    WriteCircle(0, 0, topRadius, tree.m_topColor);
    WriteNewLine();

    WriteDisk(trunkRadius, 0, 12, 0, 1);
    WriteCenter(0, 0, 0, tree.m_trunkColor);
    WriteRotation(180, 0, 0);
    WriteEnd3D();
    WriteCylinder(trunkRadius, trunkRadius, trunkHeight, 12, 5, 0, 1);
    WriteCenter(0, 0, 0, tree.m_trunkColor);
    WriteEnd3D();

    WriteFixed(SectionComment("Leaves"));
    if (tree.m_treeType == kTreeNeedleLeaved) {
        WriteCylinder(topRadius, 0, topHeight, 12, 5, 0, 1);
        WriteCenter(0, 0, trunkHeight, tree.m_topColor);
        WriteEnd3D();
    }
    if (tree.m_treeType == kTreeDeciduous) {
        // Halved with its sign, so a negative height gives a crown below the trunk's top.
        const Coord halfHeight = topHeight / 2;
        WriteEllipsoid(topRadius, topRadius, halfHeight, 12, 10, 1, 1);
        WriteCenter(0, 0, halfHeight + trunkHeight, tree.m_topColor);
        WriteEnd3D();
    }
    WriteFreeText(tree.m_freeText);
    WriteEndStructure();
}

void CPartsFileWriter::WritePlatform(const CPlatform& platform)
{
    Out().ExpectMore(PolesSize(platform));
    WriteUnitsLine(platform.m_units);
    WriteStructureLine(platform.m_catalogNo, platform.m_name);
    WritePriceLine(platform.m_price);
    WritePartsPerPackageLine(platform.m_partsPerPackage);
    WriteNewLine();
    WriteComment(platform.m_name);
    WriteFixed(SectionComment("Floor part"));
    WritePlatformPlan(platform);
    WritePlatformBody(platform);
    WritePlatformCover(platform);
    WriteFreeText(platform.m_freeText);
    WriteEndStructure();
    WriteNewLine();
}

void CPartsFileWriter::WritePlatformPlan(const CPlatform& platform)
{
    WritePlan(0, 0, platform.m_length, platform.m_width, kBlack);
}

void CPartsFileWriter::WritePlatformBody(const CPlatform& platform)
{
    const Coord L = platform.m_length;
    const Coord W = platform.m_width;
    const Coord H = platform.m_height;
    // The body stops one unit below the top face, which is drawn on its own.
    const Coord bodyTop = H - 1;
    WriteComment(platform.m_name);

    const std::array<SPoint, 8> body = {{
        {0, 0, 0}, {L, 0, 0}, {L, W, 0}, {0, W, 0}, {0, 0, bodyTop}, {L, 0, bodyTop}, {L, W, bodyTop}, {0, W, bodyTop},
    }};
    WriteGroup<1>(kHexahedronGroup, body, platform.m_sideColor);

    WriteQuad({{{0, 0, H}, {L, 0, H}, {L, W, H}, {0, W, H}}}, platform.m_topColor);

    const std::array<SPoint, 16> edges = {{
        {0, 0, 0}, {0, 0, H},
        {0, W, 0}, {0, W, H},
        {L, 0, 0}, {L, 0, H},
        {L, W, 0}, {L, W, H},
        {0, 0, 0}, {L, 0, 0},
        {0, W, 0}, {L, W, 0},
        {0, 0, 0}, {0, W, 0},
        {L, 0, 0}, {L, W, 0},
    }};
    WriteGroup<2>(kEdgesGroup, edges, kBlack);
}

CPartsFileWriter::PoleRow CPartsFileWriter::ComputePoleRow(const CPlatform& platform)
{
    PoleRow row;
    // Fewer than two poles cannot span the platform; a negative count is no count.
    row.m_count = platform.m_polesPerSide < 2 ? 2 : platform.m_polesPerSide;
    const Coord L = platform.m_length;
    const Coord d = platform.m_poleDiameter;
    // Poles wider than the platform all stand at its start.
    row.m_spacing = d > L ? Coord(0) : (L - d) / (Coord(row.m_count) - 1);
    return row;
}

void CPartsFileWriter::WritePlatformCover(const CPlatform& platform)
{
    const int32_t cover = platform.m_coverType;
    if (cover == 0 || cover == kCoverNone)
        return;
    WriteComment(platform.m_name);
    WritePoles(platform);
    WriteCoverFaces(platform);
}

static bool HasPoles(const CPlatform& platform)
{
    const int32_t cover = platform.m_coverType;
    const bool drawn = platform.m_poleStyle == kPoleRound || platform.m_poleStyle == kPoleSquare;
    return drawn && cover != 0 && cover != kCoverNone;
}

void CPartsFileWriter::WritePoles(const CPlatform& platform)
{
    if (!HasPoles(platform))
        return; // poles of any other style draw nothing
    const PoleRow row = ComputePoleRow(platform);
    for (int32_t i = 0; i < row.m_count; ++i)
        WritePolesAt(platform, row, i);
}

void CPartsFileWriter::WritePolesAt(const CPlatform& platform, const PoleRow& row, int32_t i)
{
    const Coord W = platform.m_width;
    const Coord e = platform.m_edgeDistance;
    const Coord d = platform.m_poleDiameter;
    const Coord ph = platform.m_poleHeight;
    const Coord z0 = Coord(platform.m_height) - 1;
    const bool middleRow = platform.m_coverType == kCoverVShaped;
    // Under a single-pitch roof the first row reaches up to the higher eaves.
    const Coord firstHeight = platform.m_coverType == kCoverSinglePitch ? ph + platform.m_roofHeight : ph;
    const COLORREF color = platform.m_poleColor;

    const Coord step = Coord(i) * row.m_spacing;
    if (platform.m_poleStyle == kPoleRound) {
        const Coord x = d / 2 + step;
        if (middleRow) {
            WriteRoundPole(x, W / 2, z0, d, ph, color);
        } else {
            WriteRoundPole(x, e + d / 2, z0, d, firstHeight, color);
            WriteRoundPole(x, W - d / 2 - e, z0, d, ph, color);
        }
    } else if (platform.m_poleStyle == kPoleSquare) {
        const Coord x = step;
        if (middleRow) {
            WriteSquarePole(x, (W - d) / 2, z0, x + d, (W + d) / 2, z0 + ph, color);
        } else {
            WriteSquarePole(x, e, z0, x + d, e + d, z0 + firstHeight, color);
            WriteSquarePole(x, W - e - d, z0, x + d, W - e, z0 + ph, color);
        }
    }
}

uint64_t CPartsFileWriter::PositionChars(const CPlatform& platform, const PoleRow& row, int32_t i)
{
    const auto chars = [](Coord c) {
        char text[CPartsText::kMaxIntChars];
        return static_cast<uint64_t>(CPartsText::FormatInt(text, c.Value()) - text);
    };
    const uint64_t poles = platform.m_coverType == kCoverVShaped ? 1 : 2;
    const Coord step = Coord(i) * row.m_spacing;
    if (platform.m_poleStyle == kPoleRound)
        return poles * chars(platform.m_poleDiameter / 2 + step);
    return poles * (chars(step) + chars(step + platform.m_poleDiameter));
}

uint64_t CPartsFileWriter::PolesSize(const CPlatform& platform)
{
    if (!HasPoles(platform))
        return 0;
    const PoleRow row = ComputePoleRow(platform);
    // The poles at every place take the same text but for their positions along the platform.
    std::unique_ptr<CPartsText> measure = std::make_unique<CPartsText>();
    std::swap(m_pFile, measure);
    WritePolesAt(platform, row, 0);
    std::swap(m_pFile, measure);
    const uint64_t sameAtEveryPlace = measure->TakeText().size() - PositionChars(platform, row, 0);
    const uint64_t places = static_cast<uint64_t>(row.m_count);
    const uint64_t fewestPositionChars = platform.m_poleStyle == kPoleRound ? 1 : 2;
    if (places * (sameAtEveryPlace + fewestPositionChars) > m_sizeLimit)
        return places * (sameAtEveryPlace + fewestPositionChars); // too large, whatever the positions
    uint64_t size = places * sameAtEveryPlace;
    for (int32_t i = 0; i < row.m_count; ++i)
        size += PositionChars(platform, row, i);
    return size;
}

void CPartsFileWriter::WriteRoundPole(Coord x, Coord y, Coord z, Coord diameter, Coord height, COLORREF color)
{
    WriteCylinder(diameter, diameter, height, 12, 3, 1, 1);
    WriteCenter(x, y, z, color);
    WriteRotation(0, 0, 0);
    WriteEnd3D();
}

void CPartsFileWriter::WriteSquarePole(Coord x1, Coord y1, Coord z1, Coord x2, Coord y2, Coord z2, COLORREF color)
{
    WriteGroupHeader(kSquareGroup);
    WriteSegment(x1, y1, z1, x2, y2, z2, color);
    WriteEnd3D();
}

void CPartsFileWriter::WriteCoverFaces(const CPlatform& platform)
{
    const int32_t cover = platform.m_coverType;
    if (cover != kCoverPitched && cover != kCoverVShaped && cover != kCoverSinglePitch)
        return;
    const Coord L = platform.m_length;
    const Coord W = platform.m_width;
    const Coord e = platform.m_edgeDistance;
    const Coord eaves = Coord(platform.m_height) - 1 + platform.m_poleHeight;
    const Coord top = eaves + platform.m_roofHeight;
    const COLORREF color = platform.m_roofColor;

    const auto face = [&](Coord y1, Coord z1, Coord y2, Coord z2) {
        WriteColoredPoint(0, y1, z1, color);
        WritePoint(L, y1, z1);
        WritePoint(L, y2, z2);
        WriteColoredPoint(0, y2, z2, color);
    };
    WriteGroupHeader(kQuadsGroup);
    if (cover == kCoverPitched) {
        face(e, eaves, W / 2, top);
        face(W - e, eaves, W / 2, top);
    } else if (cover == kCoverVShaped) {
        face(e, top, W / 2, eaves);
        face(W - e, top, W / 2, eaves);
    } else {
        face(e, top, W - e, eaves);
    }
    WriteEnd3D();
}
