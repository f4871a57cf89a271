#include "scene/MeshWriter.h"

#include "export/PartsFileWriter.h"
#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/NamedObject.h"
#include "model/PartsManager.h"
#include "model/TextCodec.h"
#include "scene/PartsReader.h"
#include "scene/Tessellator.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

static_assert(std::endian::native == std::endian::little, "the binary chunk is written as memory holds it");

constexpr double kMetresPerMillimetre = 0.001;
constexpr double kMetresPerInch = 0.0254;
// Neighbouring parts stand a quarter of their mean size apart, at least a centimetre.
constexpr double kGapPerSize = 0.25;
constexpr double kLeastGap = 0.01;
// Lines share a point only with the lines just before them (the next piece of a polyline).
constexpr size_t kSharingWindow = 8;
// Faces share points whose normals agree this closely: the two halves of a flat quad.
// The last few points are tried first, with the very same normal.
constexpr size_t kRecentPoints = 4;
constexpr float kSameNormal = 1 - 1e-6f;
// A material's JSON is some hundred characters long.
constexpr size_t kMaterialRoom = 160;

struct SFloat3 {
    float x = 0, y = 0, z = 0;
    // Bit for bit: no point holds -0 or NaN, and this is the comparison every point goes through.
    bool operator==(const SFloat3& other) const
    {
        return std::bit_cast<uint32_t>(x) == std::bit_cast<uint32_t>(other.x)
            && std::bit_cast<uint32_t>(y) == std::bit_cast<uint32_t>(other.y)
            && std::bit_cast<uint32_t>(z) == std::bit_cast<uint32_t>(other.z);
    }
};

// The parts file's z is up and its y runs away from the viewer; +0 instead of -0 keeps the
// numbers of the file plain.
SFloat3 Upright(SPoint3 p, double metresPerUnit)
{
    return {static_cast<float>(p.x * metresPerUnit) + 0.0f, static_cast<float>(p.z * metresPerUnit) + 0.0f,
        static_cast<float>(-p.y * metresPerUnit) + 0.0f};
}

SFloat3 UprightNormal(SPoint3 cross)
{
    const SPoint3 n = Normalized(cross);
    return {static_cast<float>(n.x) + 0.0f, static_cast<float>(n.z) + 0.0f, static_cast<float>(-n.y) + 0.0f};
}

struct SBounds {
    SFloat3 min {std::numeric_limits<float>::infinity(), std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::infinity()};
    SFloat3 max {-min.x, -min.y, -min.z};

    void Add(SFloat3 p)
    {
        min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
        max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
    }
    bool IsEmpty() const { return min.x > max.x; }
};

SBounds BoundsOf(std::span<const SFloat3> points)
{
    SBounds bounds;
    for (const SFloat3& p : points)
        bounds.Add(p);
    return bounds;
}

// The triangles or the lines of one colour, as indices into the part's points.
struct SColourRun {
    COLORREF m_color = 0;
    std::vector<uint32_t> m_indices;
    uint32_t m_largest = 0;

    void Add(uint32_t index)
    {
        m_indices.push_back(index);
        m_largest = std::max(m_largest, index);
    }
};

// One part in metres with +Y up, its points shared where flat shading allows.
struct SPreparedPart {
    std::string m_name;
    // Room for the points, of which the first m_points hold them: the lists keep their size
    // from part to part, so that no part sets room it does not use.
    std::vector<SFloat3> m_positions;
    std::vector<SFloat3> m_normals;
    size_t m_points = 0;
    std::vector<SColourRun> m_triangles;
    // The ends of lines that are no point of a face. The lines count the faces' points first,
    // then these: outlines mostly run along the faces and need no points of their own.
    std::vector<SFloat3> m_linePoints;
    std::vector<SColourRun> m_lines;
    SBounds m_faceBounds;
    SBounds m_normalBounds;
    SBounds m_lineBounds;
    // The index lists of the runs of the part before, emptied, for the runs of the next.
    std::vector<std::vector<uint32_t>> m_spareIndices;

    SBounds Bounds() const
    {
        SBounds all = m_faceBounds;
        if (!m_lineBounds.IsEmpty())
            all.Add(m_lineBounds.min), all.Add(m_lineBounds.max);
        return all;
    }
    bool IsEmpty() const { return m_triangles.empty() && m_lines.empty(); }
    std::span<const SFloat3> Positions() const { return {m_positions.data(), m_points}; }
    std::span<const SFloat3> Normals() const { return {m_normals.data(), m_points}; }
    // Gives back the room beyond the points, for a part that is kept until the file is written.
    void ShrinkToFit()
    {
        m_positions.resize(m_points);
        m_positions.shrink_to_fit();
        m_normals.resize(m_points);
        m_normals.shrink_to_fit();
        m_linePoints.shrink_to_fit();
        for (SColourRun& run : m_triangles)
            run.m_indices.shrink_to_fit();
        for (SColourRun& run : m_lines)
            run.m_indices.shrink_to_fit();
        m_spareIndices = {};
    }
};

// The points of a part already made, found by their position: a point of a face is shared by
// every face of the part that meets it there with the same normal. An open-addressed table of
// point numbers (plus one; zero is free), kept from part to part.
class CPointTable {
public:
    void Reset(size_t expectedPoints)
    {
        size_t size = 64;
        while (size < 2 * expectedPoints)
            size *= 2;
        m_slots.assign(size, SSlot {});
        m_used = 0;
    }

    // The number of a point at position with a normal close to normal, or the new number
    // made by add() when there is none.
    template <class Add>
    uint32_t Find(SFloat3 position, SFloat3 normal, std::span<const SFloat3> positions, std::span<const SFloat3> normals,
        Add&& add)
    {
        if (2 * (m_used + 1) > m_slots.size())
            Grow(positions);
        const size_t hash = Hash(position);
        const auto tag = static_cast<uint32_t>(hash >> 32);
        const size_t mask = m_slots.size() - 1;
        for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
            const SSlot entry = m_slots[slot];
            if (entry.m_point == 0) {
                const uint32_t index = add();
                m_slots[slot] = {index + 1, tag};
                ++m_used;
                return index;
            }
            const uint32_t index = entry.m_point - 1;
            if (entry.m_tag != tag || !(positions[index] == position))
                continue;
            const SFloat3 n = normals[index];
            if (n.x * normal.x + n.y * normal.y + n.z * normal.z >= kSameNormal)
                return index;
        }
    }

    // The first point of a face at the position, whatever its normal: the same one however
    // large the table is.
    std::optional<uint32_t> FindPosition(SFloat3 position, std::span<const SFloat3> positions) const
    {
        std::optional<uint32_t> first;
        const size_t hash = Hash(position);
        const auto tag = static_cast<uint32_t>(hash >> 32);
        const size_t mask = m_slots.size() - 1;
        for (size_t slot = hash & mask; m_slots[slot].m_point != 0; slot = (slot + 1) & mask) {
            const uint32_t index = m_slots[slot].m_point - 1;
            if (m_slots[slot].m_tag == tag && positions[index] == position && (!first || index < *first))
                first = index;
        }
        return first;
    }

private:
    // A point's number plus one (zero is a free slot), and the high half of its hash, which
    // tells most other points apart without reading them.
    struct SSlot {
        uint32_t m_point = 0;
        uint32_t m_tag = 0;
    };

    // The low bits of a table's slot must depend on every bit of the point: a product
    // carries its factors' low bits only upwards, so the high ones are folded down.
    static size_t Hash(SFloat3 p)
    {
        uint64_t h = (uint64_t(std::bit_cast<uint32_t>(p.x)) << 32 | std::bit_cast<uint32_t>(p.y)) * 0x9E3779B97F4A7C15ull;
        h = (h ^ (h >> 32) ^ std::bit_cast<uint32_t>(p.z)) * 0xFF51AFD7ED558CCDull;
        return static_cast<size_t>(h ^ (h >> 29));
    }

    void Grow(std::span<const SFloat3> positions)
    {
        std::vector<SSlot> old(m_slots.size() * 2);
        old.swap(m_slots);
        const size_t mask = m_slots.size() - 1;
        for (const SSlot entry : old) {
            if (entry.m_point == 0)
                continue;
            size_t slot = Hash(positions[entry.m_point - 1]) & mask;
            while (m_slots[slot].m_point != 0)
                slot = (slot + 1) & mask;
            m_slots[slot] = entry;
        }
    }

    std::vector<SSlot> m_slots = std::vector<SSlot>(64);
    size_t m_used = 0;
};

// Takes a part's triangles and lines in the order tessellation makes them and fills the
// prepared part anew, keeping the room its lists already have: parts are prepared one after
// the other into the same lists.
class CPartPreparer {
public:
    CPartPreparer(SPreparedPart& part, CPointTable& table, std::string_view name, double metresPerUnit,
        size_t expectedTriangles)
        : m_part(part)
        , m_table(table)
        , m_unit(metresPerUnit)
    {
        m_part.m_name = name;
        Recycle(m_part.m_triangles);
        Recycle(m_part.m_lines);
        m_part.m_points = 0;
        m_part.m_linePoints.clear();
        // Room for three points a triangle, so the lists seldom grow on the way.
        if (m_part.m_positions.size() < expectedTriangles * 3)
            MakeRoom(expectedTriangles * 3);
        // Most points of closed solids and quads are shared by two triangles or more.
        m_table.Reset(expectedTriangles);
    }

    void Triangle(const SPoint3& a, const SPoint3& b, const SPoint3& c, const SPoint3& cross, COLORREF color, uint8_t = 0)
    {
        // A triangle whose corners meet in the file's floats has no area there: importers
        // choke on faces and edges from a point to itself.
        const SFloat3 pa = Upright(a, m_unit), pb = Upright(b, m_unit), pc = Upright(c, m_unit);
        if (pa == pb || pb == pc || pc == pa || !HasArea(pa, pb, pc))
            return;
        // The two halves of a quad mostly have the same cross product: the root and the
        // division are the costliest steps of a triangle.
        if (!(cross.x == m_lastCross.x && cross.y == m_lastCross.y && cross.z == m_lastCross.z)) {
            m_lastCross = cross;
            m_lastNormal = UprightNormal(cross);
        }
        const SFloat3 normal = m_lastNormal;
        if (m_part.m_positions.size() - m_part.m_points < 3)
            MakeRoom(2 * m_part.m_positions.size() + 3);
        const uint32_t ia = FacePoint(pa, normal);
        const uint32_t ib = FacePoint(pb, normal);
        const uint32_t ic = FacePoint(pc, normal);
        SColourRun& run = RunOf(m_part.m_triangles, m_lastTriangleRun, color & 0xFFFFFF);
        run.Add(ia), run.Add(ib), run.Add(ic);
    }
    void Segment(const SPoint3& a, const SPoint3& b, COLORREF color)
    {
        const SFloat3 pa = Upright(a, m_unit), pb = Upright(b, m_unit);
        if (pa == pb)
            return; // no line of no length
        const uint32_t ia = LinePoint(pa);
        const uint32_t ib = LinePoint(pb);
        SColourRun& run = RunOf(m_part.m_lines, m_lastLineRun, color & 0xFFFFFF);
        run.Add(ia), run.Add(ib);
    }
    void Finish()
    {
        PutLinesOnFacePoints();
        m_part.m_faceBounds = BoundsOf(m_part.Positions());
        m_part.m_normalBounds = BoundsOf(m_part.Normals());
        m_part.m_lineBounds = BoundsOf(m_part.m_linePoints);
    }

private:
    // The ends of lines that are points of faces take those points; the others follow them.
    void PutLinesOnFacePoints()
    {
        if (m_part.m_lines.empty())
            return;
        const auto facePoints = static_cast<uint32_t>(m_part.m_points);
        std::vector<SFloat3>& own = m_part.m_linePoints;
        std::vector<uint32_t>& renumbered = m_lineToFace;
        renumbered.clear();
        size_t kept = 0;
        for (const SFloat3& point : own) {
            const std::optional<uint32_t> onFace
                = facePoints ? m_table.FindPosition(point, m_part.Positions()) : std::nullopt;
            if (onFace) {
                renumbered.push_back(*onFace);
            } else {
                renumbered.push_back(static_cast<uint32_t>(facePoints + kept));
                own[kept++] = point;
            }
        }
        own.resize(kept);
        for (SColourRun& run : m_part.m_lines) {
            run.m_largest = 0;
            for (uint32_t& index : run.m_indices) {
                index = renumbered[index];
                run.m_largest = std::max(run.m_largest, index);
            }
        }
    }

    void Recycle(std::vector<SColourRun>& runs)
    {
        for (SColourRun& run : runs) {
            run.m_indices.clear();
            m_part.m_spareIndices.push_back(std::move(run.m_indices));
        }
        runs.clear();
    }

    // Runs of one colour follow each other, so the run last asked for is tried first.
    SColourRun& RunOf(std::vector<SColourRun>& runs, size_t& last, COLORREF color)
    {
        if (last < runs.size() && runs[last].m_color == color)
            return runs[last];
        for (last = 0; last < runs.size(); ++last)
            if (runs[last].m_color == color)
                return runs[last];
        SColourRun& run = runs.emplace_back();
        run.m_color = color;
        if (!m_part.m_spareIndices.empty()) {
            run.m_indices = std::move(m_part.m_spareIndices.back());
            m_part.m_spareIndices.pop_back();
        }
        return run;
    }

    void MakeRoom(size_t points)
    {
        m_part.m_positions.resize(points);
        m_part.m_normals.resize(points);
    }

    static bool HasArea(SFloat3 a, SFloat3 b, SFloat3 c)
    {
        const SPoint3 ab {double(b.x) - a.x, double(b.y) - a.y, double(b.z) - a.z};
        const SPoint3 ac {double(c.x) - a.x, double(c.y) - a.y, double(c.z) - a.z};
        const SPoint3 n = Cross(ab, ac);
        return n.x != 0 || n.y != 0 || n.z != 0;
    }

    uint32_t FacePoint(SFloat3 position, SFloat3 normal)
    {
        // The other half of a quad and the next triangle of a fan meet the last points made.
        const size_t count = m_part.m_points;
        for (size_t i = count; i > count - std::min(count, kRecentPoints);) {
            --i;
            if (m_part.m_positions[i] == position && m_part.m_normals[i] == normal)
                return static_cast<uint32_t>(i);
        }
        return m_table.Find(position, normal, m_part.Positions(), m_part.Normals(), [&] {
            const size_t count = m_part.m_points;
            m_part.m_positions[count] = position;
            m_part.m_normals[count] = normal;
            return static_cast<uint32_t>(m_part.m_points++);
        });
    }

    uint32_t LinePoint(SFloat3 position)
    {
        std::vector<SFloat3>& points = m_part.m_linePoints;
        const size_t count = points.size();
        for (size_t i = count; i > count - std::min(count, kSharingWindow);)
            if (points[--i] == position)
                return static_cast<uint32_t>(i);
        points.push_back(position);
        return static_cast<uint32_t>(count);
    }

    SPreparedPart& m_part;
    CPointTable& m_table;
    double m_unit;
    // No triangle has a zero cross product.
    SPoint3 m_lastCross;
    SFloat3 m_lastNormal;
    size_t m_lastTriangleRun = 0;
    size_t m_lastLineRun = 0;
    std::vector<uint32_t> m_lineToFace;
};

// A mesh made already, prepared as its triangles and lines come.
void Prepare(const SMeshPart& source, SPreparedPart& part, CPointTable& table)
{
    CPartPreparer preparer(part, table, source.m_name, source.m_metresPerUnit, source.m_mesh.m_triangles.size());
    for (const SMesh::STriangle& t : source.m_mesh.m_triangles)
        preparer.Triangle(t.a, t.b, t.c, Cross(t.b - t.a, t.c - t.a), t.color);
    for (const SMesh::SSegment& s : source.m_mesh.m_segments)
        preparer.Segment(s.a, s.b, s.color);
    preparer.Finish();
}

double MetresPerUnit(const SScene& scene, double scale)
{
    return (scene.m_inches ? kMetresPerInch : kMetresPerMillimetre) * scale;
}

// A parts-file structure's part, prepared as tessellation makes its triangles.
void Prepare(const SScene& scene, std::string_view name, double scale, SPreparedPart& part, CPointTable& table)
{
    CPartPreparer preparer(part, table, name, MetresPerUnit(scene, scale), ExpectedTriangles(scene));
    Tessellate(scene, preparer);
    preparer.Finish();
}

// Where a part stands in the model: how far it is moved along x and z.
struct SPlace {
    double x = 0;
    double z = 0;
};

double Width(const SBounds& bounds) { return double(bounds.max.x) - bounds.min.x; }
double Depth(const SBounds& bounds) { return double(bounds.max.z) - bounds.min.z; }

double GapBetween(double size, double otherSize)
{
    return std::max(kGapPerSize * (size + otherSize) / 2, kLeastGap);
}

// As long as the parts' footprints with their share of the gaps need to make a square: the
// rows come out about as deep as they are wide.
double RowLength(std::span<const SBounds> parts)
{
    double area = 0;
    double widest = 0;
    for (const SBounds& bounds : parts) {
        if (bounds.IsEmpty())
            continue;
        const double width = std::max(Width(bounds), kLeastGap) * (1 + kGapPerSize);
        const double depth = std::max(Depth(bounds), kLeastGap) * (1 + kGapPerSize);
        area += width * depth;
        widest = std::max(widest, Width(bounds));
    }
    return std::max(std::sqrt(area), widest);
}

// The parts laid out in rows no longer than rowLength, their fronts (+Z) in line, each row
// behind the one before. The gap between neighbours is a quarter of their mean width,
// between rows a quarter of their mean depth. Gives the width and depth taken.
std::pair<double, double> LayOutRows(std::span<const SBounds> parts, double rowLength, std::vector<SPlace>& places)
{
    // Each row: its parts (as a range of the list), then its depth, known once it is full.
    struct SRow {
        size_t m_first = 0;
        size_t m_end = 0;
        double m_depth = 0;
    };
    std::vector<SRow> rows(1);
    double cursor = 0;
    double lastWidth = 0;
    double widest = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        const SBounds& bounds = parts[i];
        if (bounds.IsEmpty())
            continue;
        const double width = Width(bounds);
        if (cursor > 0 && cursor + GapBetween(lastWidth, width) + width > rowLength) {
            rows.back().m_end = i;
            rows.push_back({i, i, 0});
            cursor = 0;
        }
        if (cursor > 0)
            cursor += GapBetween(lastWidth, width);
        places[i].x = cursor - bounds.min.x;
        cursor += width;
        widest = std::max(widest, cursor);
        lastWidth = width;
        rows.back().m_depth = std::max(rows.back().m_depth, Depth(bounds));
    }
    rows.back().m_end = parts.size();
    double front = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        if (r > 0)
            front -= rows[r - 1].m_depth + GapBetween(rows[r - 1].m_depth, rows[r].m_depth);
        for (size_t i = rows[r].m_first; i < rows[r].m_end; ++i)
            if (!parts[i].IsEmpty())
                places[i].z = front - parts[i].max.z;
    }
    return {widest, rows.back().m_depth - front};
}

// A single part keeps its place. Several stand in rows, so that the model is about square and
// its coordinates stay small: a float then holds every point to a fraction of a millimetre.
// Parts of mixed sizes make rows deeper than their area says, so the row length is set again
// from the layout it gave, a few times, and the squarest layout is kept.
// Takes each part's bounds, empty for a part without triangles and lines.
std::vector<SPlace> PartPlaces(std::span<const SBounds> parts)
{
    std::vector<SPlace> places(parts.size());
    if (parts.size() < 2)
        return places;
    constexpr int kTries = 4;
    double rowLength = RowLength(parts);
    double bestLength = rowLength;
    double bestSide = std::numeric_limits<double>::infinity();
    for (int attempt = 0; attempt < kTries; ++attempt) {
        const auto [width, depth] = LayOutRows(parts, rowLength, places);
        if (std::max(width, depth) < bestSide) {
            bestSide = std::max(width, depth);
            bestLength = rowLength;
        }
        if (width <= 0 || depth <= 0)
            break;
        rowLength *= std::sqrt(depth / width);
    }
    LayOutRows(parts, bestLength, places);
    return places;
}

void AppendNumber(std::string& out, float value)
{
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

void AppendNumber(std::string& out, size_t value)
{
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// x, y and z with a separator between them: a glTF array's inside or an OBJ line's numbers.
void AppendCoordinates(std::string& out, SFloat3 p, char separator)
{
    AppendNumber(out, p.x);
    out += separator;
    AppendNumber(out, p.y);
    out += separator;
    AppendNumber(out, p.z);
}

// A colour as glTF wants it: the sRGB byte turned into linear light.
float Linear(uint8_t value)
{
    const double c = value / 255.0;
    return static_cast<float>(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
}

// Materials are named by their colour in the usual web notation.
std::string MaterialName(COLORREF color)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name = "colour_";
    for (const uint8_t channel : {GetRValue(color), GetGValue(color), GetBValue(color)}) {
        name += kHex[channel >> 4];
        name += kHex[channel & 15];
    }
    return name;
}

// The colours in the order they first appear, each once.
void AddColours(std::vector<COLORREF>& colours, const SPreparedPart& part)
{
    for (const auto* runs : {&part.m_triangles, &part.m_lines})
        for (const SColourRun& run : *runs)
            if (std::find(colours.begin(), colours.end(), run.m_color) == colours.end())
                colours.push_back(run.m_color);
}

size_t MaterialOf(std::span<const COLORREF> colours, COLORREF color)
{
    return static_cast<size_t>(std::find(colours.begin(), colours.end(), color) - colours.begin());
}

// A name as a JSON string; a byte that is no UTF-8 becomes U+FFFD, so the JSON stays valid.
void AppendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (size_t pos = 0; pos < text.size();) {
        const size_t start = pos;
        const long code = DecodeUtf8(text, pos);
        if (code < 0) {
            out += "\\ufffd";
        } else if (code == '"' || code == '\\') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[code >> 4];
            out += kHex[code & 15];
        } else {
            out.append(text.substr(start, pos - start));
        }
    }
    out += '"';
}

enum : uint32_t {
    kUnsignedByte = 5121,
    kUnsignedShort = 5123,
    kUnsignedInt = 5125,
    kFloat = 5126,
    kArrayBuffer = 34962,
    kElementArrayBuffer = 34963,
    kModeLines = 1,
};

// The smallest index type whose largest value (the primitive restart value) no index reaches.
uint32_t IndexTypeFor(uint32_t largest)
{
    if (largest < 0xFF)
        return kUnsignedByte;
    if (largest < 0xFFFF)
        return kUnsignedShort;
    return kUnsignedInt;
}

void PadTo4(std::string& bytes, char fill)
{
    bytes.append((4 - bytes.size() % 4) % 4, fill);
}

void AppendRaw(std::string& bytes, const void* data, size_t size)
{
    bytes.append(static_cast<const char*>(data), size);
}

// Bytes gathered in blocks: a large model grows without copying what it holds.
class CByteBlocks {
public:
    size_t Size() const { return m_size; }

    // Room for count more bytes, to be filled by the caller.
    char* Extend(size_t count)
    {
        if (m_blocks.empty() || m_blocks.back().m_capacity - m_blocks.back().m_size < count)
            AddBlock(std::max(count, kBlockSize));
        SBlock& block = m_blocks.back();
        char* room = block.m_bytes.get() + block.m_size;
        block.m_size += count;
        m_size += count;
        return room;
    }
    void Append(const void* data, size_t count)
    {
        if (count)
            std::memcpy(Extend(count), data, count);
    }
    template <class Sink>
    void Emit(Sink& sink) const
    {
        for (const SBlock& block : m_blocks)
            sink(std::string_view(block.m_bytes.get(), block.m_size));
    }

private:
    static constexpr size_t kBlockSize = size_t(16) << 20;

    struct SBlock {
        std::unique_ptr<char[]> m_bytes;
        size_t m_capacity = 0;
        size_t m_size = 0;
    };

    void AddBlock(size_t capacity)
    {
        SBlock& block = m_blocks.emplace_back();
        block.m_bytes = std::make_unique_for_overwrite<char[]>(capacity);
        block.m_capacity = capacity;
#ifdef __linux__
        // Large pages: the block is filled once, front to back, and a fault per small page costs
        // as much as filling it.
        constexpr uintptr_t kLargePage = uintptr_t(2) << 20;
        const uintptr_t start = (reinterpret_cast<uintptr_t>(block.m_bytes.get()) + kLargePage - 1) & ~(kLargePage - 1);
        const uintptr_t end = (reinterpret_cast<uintptr_t>(block.m_bytes.get()) + capacity) & ~(kLargePage - 1);
        if (start < end)
            ::madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#endif
    }

    std::vector<SBlock> m_blocks;
    size_t m_size = 0;
};

template <class Index>
void StoreIndices(char* out, std::span<const uint32_t> indices)
{
    for (const uint32_t index : indices) {
        const Index narrow = static_cast<Index>(index);
        std::memcpy(out, &narrow, sizeof(Index));
        out += sizeof(Index);
    }
}

// Builds the JSON text and the binary chunk part by part; only the nodes wait for the last
// part, for the place each stands in.
class CGlbBuilder {
public:
    void Add(const SPreparedPart& part)
    {
        m_names.push_back(part.m_name);
        m_bounds.push_back(part.Bounds());
        AddColours(m_colours, part);
        AddMesh(part);
    }

    // Hands the file's bytes to the sink piece by piece.
    template <class Sink>
    void Emit(Sink&& sink)
    {
        std::string json = R"({"asset":{"version":"2.0","generator":"Modelwright"},"scene":0,"scenes":[{)";
        // glTF allows no empty lists: a file without parts has a scene without nodes.
        if (!m_names.empty()) {
            json += "\"nodes\":[";
            for (size_t i = 0; i < m_names.size(); ++i) {
                if (i)
                    json += ',';
                AppendNumber(json, i);
            }
            json += "]}],\"nodes\":[";
            AppendNodes(json);
            json += ']';
        } else {
            json += "}]";
        }
        if (!m_meshes.empty()) {
            // The lists of meshes and accessors are megabytes long: appended, not copied again.
            json.reserve(json.size() + m_meshes.size() + m_accessors.size() + kMaterialRoom * m_colours.size() + 1024);
            json += ",\"meshes\":[";
            json += m_meshes;
            json += "],\"materials\":[";
            AppendMaterials(json);
            json += "],\"accessors\":[";
            json += m_accessors;
            json += "],\"bufferViews\":[";
            AppendBufferViews(json);
            json += "],\"buffers\":[{\"byteLength\":";
            AppendNumber(json, m_vertexBytes.Size() + m_indexBytes.Size());
            json += "}]";
        }
        json += '}';
        Container(json, sink);
    }

private:
    void AddMesh(const SPreparedPart& part)
    {
        if (part.IsEmpty())
            return;
        if (!m_meshes.empty())
            m_meshes += ',';
        m_meshes += "{\"name\":";
        AppendJsonString(m_meshes, part.m_name);
        m_meshes += ",\"primitives\":[";
        bool first = true;
        // The lines' own points follow the faces' ones, so that one accessor over both
        // gives the lines their points without a second copy of those they share.
        const size_t facePositionBytes = StorePoints(part.Positions());
        const size_t linePositionBytes = StorePoints(part.m_linePoints);
        size_t facePosition = 0;
        if (!part.m_triangles.empty()) {
            facePosition = AddPointAccessor(facePositionBytes, part.m_points, part.m_faceBounds);
            const size_t normal = AddPointAccessor(StorePoints(part.Normals()), part.m_points, part.m_normalBounds);
            for (const SColourRun& run : part.m_triangles)
                AddPrimitive(first, run, facePosition, &normal, 0);
        }
        if (!part.m_lines.empty()) {
            const size_t position = part.m_linePoints.empty()
                ? facePosition
                : AddPointAccessor(part.m_points ? facePositionBytes : linePositionBytes,
                      part.m_points + part.m_linePoints.size(), part.Bounds());
            for (const SColourRun& run : part.m_lines)
                AddPrimitive(first, run, position, nullptr, kModeLines);
        }
        m_meshes += "]}";
        m_meshOfPart.push_back(m_meshCount++);
    }

    void AddPrimitive(bool& first, const SColourRun& run, size_t position, const size_t* normal, uint32_t mode)
    {
        if (!first)
            m_meshes += ',';
        first = false;
        m_meshes += "{\"attributes\":{\"POSITION\":";
        AppendNumber(m_meshes, position);
        if (normal) {
            m_meshes += ",\"NORMAL\":";
            AppendNumber(m_meshes, *normal);
        }
        m_meshes += "},\"indices\":";
        AppendNumber(m_meshes, AddIndices(run));
        m_meshes += ",\"material\":";
        AppendNumber(m_meshes, MaterialOf(m_colours, run.m_color));
        if (mode) {
            m_meshes += ",\"mode\":";
            AppendNumber(m_meshes, size_t(mode));
        }
        m_meshes += '}';
    }

    // The points' bytes in the vertex buffer, and where they start there.
    size_t StorePoints(std::span<const SFloat3> points)
    {
        const size_t offset = m_vertexBytes.Size();
        m_vertexBytes.Append(points.data(), points.size() * sizeof(SFloat3));
        return offset;
    }

    size_t AddPointAccessor(size_t offset, size_t count, const SBounds& bounds)
    {
        StartAccessor(0, offset, kFloat, count, "VEC3");
        const auto triple = [&](SFloat3 p) {
            m_accessors += '[';
            AppendCoordinates(m_accessors, p, ',');
            m_accessors += ']';
        };
        m_accessors += ",\"min\":";
        triple(bounds.min);
        m_accessors += ",\"max\":";
        triple(bounds.max);
        m_accessors += '}';
        return m_accessorCount++;
    }

    size_t AddIndices(const SColourRun& run)
    {
        const uint32_t type = IndexTypeFor(run.m_largest);
        const size_t offset = m_indexBytes.Size();
        const size_t size = type == kUnsignedByte ? 1 : type == kUnsignedShort ? 2 : 4;
        const size_t bytes = run.m_indices.size() * size;
        // Each accessor starts on a multiple of 4, the padding zeros.
        const size_t padding = (4 - bytes % 4) % 4;
        char* out = m_indexBytes.Extend(bytes + padding);
        if (type == kUnsignedByte)
            StoreIndices<uint8_t>(out, run.m_indices);
        else if (type == kUnsignedShort)
            StoreIndices<uint16_t>(out, run.m_indices);
        else
            StoreIndices<uint32_t>(out, run.m_indices);
        std::memset(out + bytes, 0, padding);
        StartAccessor(1, offset, type, run.m_indices.size(), "SCALAR");
        m_accessors += '}';
        return m_accessorCount++;
    }

    void StartAccessor(size_t view, size_t offset, uint32_t type, size_t count, const char* shape)
    {
        if (m_accessorCount)
            m_accessors += ',';
        m_accessors += "{\"bufferView\":";
        AppendNumber(m_accessors, view);
        if (offset) {
            m_accessors += ",\"byteOffset\":";
            AppendNumber(m_accessors, offset);
        }
        m_accessors += ",\"componentType\":";
        AppendNumber(m_accessors, size_t(type));
        m_accessors += ",\"count\":";
        AppendNumber(m_accessors, count);
        m_accessors += ",\"type\":\"";
        m_accessors += shape;
        m_accessors += '"';
    }

    void AppendNodes(std::string& json) const
    {
        const std::vector<SPlace> places = PartPlaces(m_bounds);
        size_t mesh = 0;
        for (size_t i = 0; i < m_names.size(); ++i) {
            if (i)
                json += ',';
            json += "{\"name\":";
            AppendJsonString(json, m_names[i]);
            if (!m_bounds[i].IsEmpty()) {
                json += ",\"mesh\":";
                AppendNumber(json, m_meshOfPart[mesh++]);
            }
            const float x = static_cast<float>(places[i].x) + 0.0f;
            const float z = static_cast<float>(places[i].z) + 0.0f;
            if (x != 0 || z != 0) {
                json += ",\"translation\":[";
                AppendNumber(json, x);
                json += ",0,";
                AppendNumber(json, z);
                json += ']';
            }
            json += '}';
        }
    }

    void AppendMaterials(std::string& json) const
    {
        for (size_t i = 0; i < m_colours.size(); ++i) {
            const COLORREF color = m_colours[i];
            if (i)
                json += ',';
            json += "{\"name\":\"" + MaterialName(color) + "\",\"pbrMetallicRoughness\":{\"baseColorFactor\":[";
            for (const uint8_t channel : {GetRValue(color), GetGValue(color), GetBValue(color)}) {
                AppendNumber(json, Linear(channel));
                json += ',';
            }
            // Walls and roofs, not metal; quads are seen from both sides.
            json += "1],\"metallicFactor\":0},\"doubleSided\":true}";
        }
    }

    void AppendBufferViews(std::string& json) const
    {
        json += "{\"buffer\":0,\"byteLength\":";
        AppendNumber(json, m_vertexBytes.Size());
        json += ",\"byteStride\":12,\"target\":";
        AppendNumber(json, size_t(kArrayBuffer));
        json += "},{\"buffer\":0,\"byteOffset\":";
        AppendNumber(json, m_vertexBytes.Size());
        json += ",\"byteLength\":";
        AppendNumber(json, m_indexBytes.Size());
        json += ",\"target\":";
        AppendNumber(json, size_t(kElementArrayBuffer));
        json += '}';
    }

    // The binary container: a 12-byte header, the JSON chunk padded with blanks, the binary
    // chunk padded with zeros.
    template <class Sink>
    void Container(std::string& json, Sink& sink) const
    {
        PadTo4(json, ' ');
        const size_t binary = m_vertexBytes.Size() + m_indexBytes.Size();
        const size_t total = 12 + 8 + json.size() + (binary ? 8 + binary : 0);
        if (total > std::numeric_limits<uint32_t>::max())
            throw CException(EErrorCode::modelTooLarge);
        std::string head;
        const auto word = [&](uint32_t value) { AppendRaw(head, &value, 4); };
        word(0x46546C67); // "glTF"
        word(2);
        word(static_cast<uint32_t>(total));
        word(static_cast<uint32_t>(json.size()));
        word(0x4E4F534A); // "JSON"
        sink(std::string_view(head));
        sink(std::string_view(json));
        if (!binary)
            return;
        head.clear();
        word(static_cast<uint32_t>(binary));
        word(0x004E4942); // "BIN"
        sink(std::string_view(head));
        m_vertexBytes.Emit(sink);
        m_indexBytes.Emit(sink);
    }

    std::vector<std::string> m_names;
    std::vector<SBounds> m_bounds;
    std::vector<COLORREF> m_colours;
    std::vector<size_t> m_meshOfPart;
    size_t m_meshCount = 0;
    size_t m_accessorCount = 0;
    std::string m_meshes;
    std::string m_accessors;
    CByteBlocks m_vertexBytes;
    CByteBlocks m_indexBytes;
};

// An OBJ name stands on one line of its own: control characters (line ends, NUL) become
// blanks, and a backslash at the end, which would join the next line to it, a slash.
std::string ObjName(std::string_view name)
{
    std::string text(name);
    std::replace_if(text.begin(), text.end(), [](unsigned char c) { return c < 0x20 || c == 0x7F; }, ' ');
    // Readers drop the blanks at the end of a line before they look for a backslash there.
    size_t end = text.find_last_not_of(' ');
    for (; end != std::string::npos && text[end] == '\\'; --end)
        text[end] = '/';
    text.erase(text.find_last_not_of(' ') + 1);
    return text.empty() ? "part" : text;
}

void AppendObjPoint(std::string& out, const char* keyword, SFloat3 p)
{
    out += keyword;
    AppendCoordinates(out, p, ' ');
    out += '\n';
}

// A point moved to its part's place, in double so that only the sum is rounded to a float.
SFloat3 Placed(SFloat3 p, SPlace place)
{
    return {static_cast<float>(p.x + place.x) + 0.0f, p.y, static_cast<float>(p.z + place.z) + 0.0f};
}

std::string LowerExtension(const std::filesystem::path& path)
{
    std::string extension = PathToUtf8(path.extension());
    std::transform(extension.begin(), extension.end(), extension.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

void FillMeshPart(const SScene& scene, double scale, SMeshPart& part)
{
    part.m_name = scene.m_name;
    BuildMesh(scene, part.m_mesh);
    part.m_metresPerUnit = MetresPerUnit(scene, scale);
}

// The parts file's text of each part in turn, read back, as the parts of a 3D model, with
// the part's name as the catalogue has it: the parts file holds only what its code page can.
template <class Use>
void ForEachScene(const CPartsManager& parts, const CProgramOptions& options, const CObject* only, Use&& use)
{
    const auto readBack = [&](const CObject& object) {
        const std::vector<SScene> scenes = ReadPartsText(ExportPartToText(object, options)).m_scenes;
        const auto* named = dynamic_cast<const CNamedObject*>(&object);
        for (const SScene& scene : scenes)
            use(scene, named && scenes.size() == 1 ? std::string_view(named->m_name) : std::string_view(scene.m_name));
    };
    if (only) {
        readBack(*only);
        return;
    }
    for (const auto& object : parts.GetList())
        readBack(*object);
}

// Gathers text and hands it on in pieces of about a megabyte.
template <class Sink>
class CTextPieces {
public:
    explicit CTextPieces(Sink& sink) : m_sink(sink) { m_text.reserve(kPiece + 4096); }
    std::string& Text() { return m_text; }
    void HandOnWhenFull()
    {
        if (m_text.size() >= kPiece)
            HandOn();
    }
    void HandOn()
    {
        if (!m_text.empty())
            m_sink(std::string_view(m_text));
        m_text.clear();
    }

private:
    static constexpr size_t kPiece = size_t(1) << 20;
    Sink& m_sink;
    std::string m_text;
};

template <class Sink>
void AppendObjPart(CTextPieces<Sink>& pieces, const SPreparedPart& part, SPlace place, size_t& firstPoint, size_t& firstNormal)
{
    std::string& obj = pieces.Text();
    obj += "o " + ObjName(part.m_name) + "\n";
    for (const SFloat3& point : part.Positions()) {
        AppendObjPoint(obj, "v ", Placed(point, place));
        pieces.HandOnWhenFull();
    }
    for (const SFloat3& point : part.m_linePoints)
        AppendObjPoint(obj, "v ", Placed(point, place));
    for (const SFloat3& n : part.Normals()) {
        AppendObjPoint(obj, "vn ", n);
        pieces.HandOnWhenFull();
    }
    for (const SColourRun& run : part.m_triangles) {
        obj += "usemtl " + MaterialName(run.m_color) + "\n";
        for (size_t i = 0; i + 3 <= run.m_indices.size(); i += 3) {
            obj += 'f';
            for (size_t k = 0; k < 3; ++k) {
                obj += ' ';
                AppendNumber(obj, firstPoint + run.m_indices[i + k]);
                obj += "//";
                AppendNumber(obj, firstNormal + run.m_indices[i + k]);
            }
            obj += '\n';
            pieces.HandOnWhenFull();
        }
    }
    // The lines count the faces' points first, and their own ones follow them.
    const size_t firstLinePoint = firstPoint;
    for (const SColourRun& run : part.m_lines) {
        obj += "usemtl " + MaterialName(run.m_color) + "\n";
        for (size_t i = 0; i + 2 <= run.m_indices.size(); i += 2) {
            obj += "l ";
            AppendNumber(obj, firstLinePoint + run.m_indices[i]);
            obj += ' ';
            AppendNumber(obj, firstLinePoint + run.m_indices[i + 1]);
            obj += '\n';
        }
        pieces.HandOnWhenFull();
    }
    firstPoint += part.m_points + part.m_linePoints.size();
    firstNormal += part.m_points;
}

// The OBJ text, handed to the sink in pieces: the points of each part are moved into its
// place, which is known once every part is prepared.
template <class Sink>
void EmitObjText(std::span<const SPreparedPart> parts, const std::string& mtlFileName, Sink&& sink)
{
    std::vector<SBounds> bounds;
    bounds.reserve(parts.size());
    for (const SPreparedPart& part : parts)
        bounds.push_back(part.Bounds());
    const std::vector<SPlace> places = PartPlaces(bounds);
    CTextPieces pieces(sink);
    pieces.Text() = "# Modelwright: metres, +Y up\nmtllib " + ObjName(mtlFileName) + "\n";
    // OBJ counts points from 1 through the whole file.
    size_t firstPoint = 1;
    size_t firstNormal = 1;
    for (size_t p = 0; p < parts.size(); ++p)
        AppendObjPart(pieces, parts[p], places[p], firstPoint, firstNormal);
    pieces.HandOn();
}

// The diffuse colour in linear light, as importers read Kd and as glTF has it.
std::string MtlText(std::span<const SPreparedPart> parts)
{
    std::vector<COLORREF> colours;
    for (const SPreparedPart& part : parts)
        AddColours(colours, part);
    std::string mtl;
    for (const COLORREF color : colours) {
        mtl += "newmtl " + MaterialName(color) + "\nKd ";
        for (const uint8_t channel : {GetRValue(color), GetGValue(color), GetBValue(color)}) {
            AppendNumber(mtl, Linear(channel));
            mtl += ' ';
        }
        mtl.back() = '\n';
        mtl += "illum 1\n\n";
    }
    return mtl;
}

SObjFiles ObjFilesOf(std::span<const SPreparedPart> parts, const std::string& mtlFileName)
{
    SObjFiles files;
    EmitObjText(parts, mtlFileName, [&](std::string_view piece) { files.m_obj += piece; });
    files.m_mtl = MtlText(parts);
    return files;
}

} // namespace

class CMeshFileWriter::CFormat {
public:
    virtual ~CFormat() = default;
    // The lists the next part is prepared in, and what is done with them then.
    virtual SPreparedPart& NextPart() = 0;
    virtual void PartPrepared() = 0;
    virtual void Commit(const std::filesystem::path& path) = 0;
    // The points of the part being prepared, found by position.
    CPointTable& PointTable() { return m_pointTable; }

private:
    CPointTable m_pointTable;
};

namespace {

// Each part goes into the builder as soon as it is prepared, in lists every part reuses.
class CGlbFormat : public CMeshFileWriter::CFormat {
public:
    SPreparedPart& NextPart() override { return m_part; }
    void PartPrepared() override { m_builder.Add(m_part); }
    void Commit(const std::filesystem::path& path) override
    {
        CFileReplacement file(path);
        m_builder.Emit([&](std::string_view piece) { file.Write(piece); });
        file.Commit();
    }

private:
    SPreparedPart m_part;
    CGlbBuilder m_builder;
};

// OBJ writes the points of each part moved into its place, known after the last part: the
// parts are kept as compactly as they were prepared, and the text goes to the file in pieces.
// The .obj names the materials of its .mtl, so both replace their old files together.
class CObjFormat : public CMeshFileWriter::CFormat {
public:
    SPreparedPart& NextPart() override { return m_parts.emplace_back(); }
    void PartPrepared() override { m_parts.back().ShrinkToFit(); }
    void Commit(const std::filesystem::path& path) override
    {
        std::filesystem::path libraryPath = path;
        libraryPath.replace_extension(".mtl");
        CFileReplacement library(libraryPath);
        CFileReplacement obj(path);
        library.Write(MtlText(m_parts));
        EmitObjText(m_parts, PathToUtf8(libraryPath.filename()), [&](std::string_view piece) { obj.Write(piece); });
        CFileReplacement* const both[] = {&library, &obj};
        CommitTogether(both);
    }

private:
    std::vector<SPreparedPart> m_parts;
};

} // namespace

CMeshFileWriter::CMeshFileWriter(const std::filesystem::path& path) : m_path(path)
{
    const std::string extension = LowerExtension(path);
    if (extension == ".glb")
        m_format = std::make_unique<CGlbFormat>();
    else if (extension == ".obj")
        m_format = std::make_unique<CObjFormat>();
    else
        throw CException(EErrorCode::modelFileType, {PathForMessage(path)});
}

CMeshFileWriter::~CMeshFileWriter() = default;

void CMeshFileWriter::Add(const SMeshPart& part)
{
    Prepare(part, m_format->NextPart(), m_format->PointTable());
    m_format->PartPrepared();
}

void CMeshFileWriter::Add(const SScene& scene, double scale)
{
    Add(scene, scene.m_name, scale);
}

void CMeshFileWriter::Add(const SScene& scene, std::string_view name, double scale)
{
    Prepare(scene, name, scale, m_format->NextPart(), m_format->PointTable());
    m_format->PartPrepared();
}

void CMeshFileWriter::Commit()
{
    m_format->Commit(m_path);
}

SMeshPart MeshPartOf(const SScene& scene, double scale)
{
    SMeshPart part;
    FillMeshPart(scene, scale, part);
    return part;
}

std::vector<SMeshPart> MeshPartsOfCatalogue(
    const CPartsManager& parts, const CProgramOptions& options, const CObject* only, double scale)
{
    std::vector<SMeshPart> meshes;
    ForEachScene(parts, options, only, [&](const SScene& scene, std::string_view name) {
        meshes.push_back(MeshPartOf(scene, scale));
        meshes.back().m_name = name;
    });
    return meshes;
}

void WriteCatalogueMeshFile(const CPartsManager& parts, const CProgramOptions& options, const std::filesystem::path& path,
    const CObject* only, double scale)
{
    CMeshFileWriter writer(path);
    ForEachScene(parts, options, only, [&](const SScene& scene, std::string_view name) { writer.Add(scene, name, scale); });
    writer.Commit();
}

std::string EncodeGlb(std::span<const SMeshPart> parts)
{
    CGlbBuilder builder;
    SPreparedPart prepared;
    CPointTable table;
    for (const SMeshPart& part : parts) {
        Prepare(part, prepared, table);
        builder.Add(prepared);
    }
    std::string bytes;
    builder.Emit([&](std::string_view piece) { bytes += piece; });
    return bytes;
}

SObjFiles EncodeObj(std::span<const SMeshPart> parts, const std::string& mtlFileName)
{
    std::vector<SPreparedPart> prepared(parts.size());
    CPointTable table;
    for (size_t i = 0; i < parts.size(); ++i)
        Prepare(parts[i], prepared[i], table);
    return ObjFilesOf(prepared, mtlFileName);
}

bool IsMeshFileName(const std::filesystem::path& path)
{
    const std::string extension = LowerExtension(path);
    return extension == ".glb" || extension == ".obj";
}

void WriteMeshFile(std::span<const SMeshPart> parts, const std::filesystem::path& path)
{
    CMeshFileWriter writer(path);
    for (const SMeshPart& part : parts)
        writer.Add(part);
    writer.Commit();
}
