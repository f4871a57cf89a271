#include "scene/MeshWriter.h"

#include "export/PartsFileWriter.h"
#include "model/Exceptions.h"
#include "model/FileIO.h"
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

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

static_assert(std::endian::native == std::endian::little, "the binary chunk is written as memory holds it");

constexpr double kMetresPerMillimetre = 0.001;
constexpr double kMetresPerInch = 0.0254;
// Parts side by side stand a quarter of the widest one's width apart, at least a centimetre.
constexpr double kGapPerWidth = 0.25;
constexpr double kLeastGap = 0.01;
// Flat faces share a point only with the triangles just before them (the other half of a
// quad, the neighbours in a fan).
constexpr size_t kSharingWindow = 8;
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
    std::vector<SFloat3> m_linePoints;
    std::vector<SColourRun> m_lines;
    SBounds m_faceBounds;
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
};

// Takes a part's triangles and lines in the order tessellation makes them and fills the
// prepared part anew, keeping the room its lists already have: parts are prepared one after
// the other into the same lists.
class CPartPreparer {
public:
    CPartPreparer(SPreparedPart& part, std::string_view name, double metresPerUnit, size_t expectedTriangles)
        : m_part(part)
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
    }

    void Triangle(const SPoint3& a, const SPoint3& b, const SPoint3& c, const SPoint3& cross, COLORREF color, uint8_t = 0)
    {
        // The two halves of a quad mostly have the same cross product: the root and the
        // division are the costliest steps of a triangle.
        if (!(cross.x == m_lastCross.x && cross.y == m_lastCross.y && cross.z == m_lastCross.z)) {
            m_lastCross = cross;
            m_lastNormal = UprightNormal(cross);
        }
        const SFloat3 normal = m_lastNormal;
        if (m_part.m_positions.size() - m_part.m_points < 3)
            MakeRoom(2 * m_part.m_positions.size() + 3);
        const uint32_t ia = FacePoint(Upright(a, m_unit), normal);
        const uint32_t ib = FacePoint(Upright(b, m_unit), normal);
        const uint32_t ic = FacePoint(Upright(c, m_unit), normal);
        SColourRun& run = RunOf(m_part.m_triangles, m_lastTriangleRun, color & 0xFFFFFF);
        run.Add(ia), run.Add(ib), run.Add(ic);
    }
    void Segment(const SPoint3& a, const SPoint3& b, COLORREF color)
    {
        const uint32_t ia = LinePoint(Upright(a, m_unit));
        const uint32_t ib = LinePoint(Upright(b, m_unit));
        SColourRun& run = RunOf(m_part.m_lines, m_lastLineRun, color & 0xFFFFFF);
        run.Add(ia), run.Add(ib);
    }
    void Finish()
    {
        m_part.m_faceBounds = BoundsOf(m_part.Positions());
        m_part.m_lineBounds = BoundsOf(m_part.m_linePoints);
    }

private:
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

    uint32_t FacePoint(SFloat3 position, SFloat3 normal)
    {
        std::vector<SFloat3>& positions = m_part.m_positions;
        const size_t count = m_part.m_points;
        for (size_t i = count; i > count - std::min(count, kSharingWindow);) {
            --i;
            if (!(positions[i] == position))
                continue;
            const SFloat3 n = m_part.m_normals[i];
            if (n.x * normal.x + n.y * normal.y + n.z * normal.z >= kSameNormal)
                return static_cast<uint32_t>(i);
        }
        positions[count] = position;
        m_part.m_normals[count] = normal;
        return static_cast<uint32_t>(m_part.m_points++);
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
    double m_unit;
    // No triangle has a zero cross product.
    SPoint3 m_lastCross;
    SFloat3 m_lastNormal;
    size_t m_lastTriangleRun = 0;
    size_t m_lastLineRun = 0;
};

// A mesh made already, prepared as its triangles and lines come.
void Prepare(const SMeshPart& source, SPreparedPart& part)
{
    CPartPreparer preparer(part, source.m_name, source.m_metresPerUnit, source.m_mesh.m_triangles.size());
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
void Prepare(const SScene& scene, double scale, SPreparedPart& part)
{
    CPartPreparer preparer(part, scene.m_name, MetresPerUnit(scene, scale), ExpectedTriangles(scene));
    Tessellate(scene, preparer);
    preparer.Finish();
}

// A single part keeps its place; several stand in a row along x, a gap between neighbours.
// Takes each part's bounds, empty for a part without triangles and lines.
std::vector<float> RowOffsets(std::span<const SBounds> parts)
{
    std::vector<float> offsets(parts.size(), 0.0f);
    if (parts.size() < 2)
        return offsets;
    double widest = 0;
    for (const SBounds& bounds : parts)
        if (!bounds.IsEmpty())
            widest = std::max(widest, double(bounds.max.x) - bounds.min.x);
    const double gap = std::max(widest * kGapPerWidth, kLeastGap);
    double cursor = 0;
    for (size_t i = 0; i < parts.size(); ++i) {
        const SBounds& bounds = parts[i];
        if (bounds.IsEmpty())
            continue;
        offsets[i] = static_cast<float>(cursor - bounds.min.x) + 0.0f;
        cursor += double(bounds.max.x) - bounds.min.x + gap;
    }
    return offsets;
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
// part, for the row they stand in.
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
        if (!part.m_triangles.empty()) {
            const size_t position = AddPoints(part.Positions(), &part.m_faceBounds);
            const size_t normal = AddPoints(part.Normals(), nullptr);
            for (const SColourRun& run : part.m_triangles)
                AddPrimitive(first, run, position, &normal, 0);
        }
        if (!part.m_lines.empty()) {
            const size_t position = AddPoints(part.m_linePoints, &part.m_lineBounds);
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

    size_t AddPoints(std::span<const SFloat3> points, const SBounds* bounds)
    {
        const size_t offset = m_vertexBytes.Size();
        m_vertexBytes.Append(points.data(), points.size() * sizeof(SFloat3));
        StartAccessor(0, offset, kFloat, points.size(), "VEC3");
        if (bounds) {
            const auto triple = [&](SFloat3 p) {
                m_accessors += '[';
                AppendNumber(m_accessors, p.x);
                m_accessors += ',';
                AppendNumber(m_accessors, p.y);
                m_accessors += ',';
                AppendNumber(m_accessors, p.z);
                m_accessors += ']';
            };
            m_accessors += ",\"min\":";
            triple(bounds->min);
            m_accessors += ",\"max\":";
            triple(bounds->max);
        }
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
        const std::vector<float> offsets = RowOffsets(m_bounds);
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
            if (offsets[i] != 0) {
                json += ",\"translation\":[";
                AppendNumber(json, offsets[i]);
                json += ",0,0]";
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

// An OBJ name stands on one line.
std::string ObjName(std::string_view name)
{
    std::string text(name);
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return text.empty() ? "part" : text;
}

void AppendObjPoint(std::string& out, const char* keyword, SFloat3 p, float offsetX)
{
    out += keyword;
    AppendNumber(out, p.x + offsetX + 0.0f);
    out += ' ';
    AppendNumber(out, p.y);
    out += ' ';
    AppendNumber(out, p.z);
    out += '\n';
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

// The parts file's text of each part in turn, read back, as the parts of a 3D model.
template <class Use>
void ForEachScene(const CPartsManager& parts, const CProgramOptions& options, const CObject* only, Use&& use)
{
    const auto readBack = [&](const CObject& object) {
        for (const SScene& scene : ReadPartsText(ExportPartToText(object, options)).m_scenes)
            use(scene);
    };
    if (only) {
        readBack(*only);
        return;
    }
    for (const auto& object : parts.GetList())
        readBack(*object);
}

std::string ObjText(std::span<const SPreparedPart> parts, const std::string& mtlFileName)
{
    std::vector<SBounds> bounds;
    bounds.reserve(parts.size());
    for (const SPreparedPart& part : parts)
        bounds.push_back(part.Bounds());
    const std::vector<float> offsets = RowOffsets(bounds);
    std::string obj = "# Modelwright: metres, +Y up\nmtllib " + ObjName(mtlFileName) + "\n";
    // OBJ counts points from 1 through the whole file.
    size_t firstPoint = 1;
    size_t firstNormal = 1;
    for (size_t p = 0; p < parts.size(); ++p) {
        const SPreparedPart& part = parts[p];
        obj += "o " + ObjName(part.m_name) + "\n";
        for (const SFloat3& point : part.Positions())
            AppendObjPoint(obj, "v ", point, offsets[p]);
        for (const SFloat3& point : part.m_linePoints)
            AppendObjPoint(obj, "v ", point, offsets[p]);
        for (const SFloat3& n : part.Normals())
            AppendObjPoint(obj, "vn ", n, 0);
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
            }
        }
        const size_t firstLinePoint = firstPoint + part.m_points;
        for (const SColourRun& run : part.m_lines) {
            obj += "usemtl " + MaterialName(run.m_color) + "\n";
            for (size_t i = 0; i + 2 <= run.m_indices.size(); i += 2) {
                obj += "l ";
                AppendNumber(obj, firstLinePoint + run.m_indices[i]);
                obj += ' ';
                AppendNumber(obj, firstLinePoint + run.m_indices[i + 1]);
                obj += '\n';
            }
        }
        firstPoint = firstLinePoint + part.m_linePoints.size();
        firstNormal += part.m_points;
    }
    return obj;
}

// The diffuse colour as the file has it, in sRGB as material libraries are read.
std::string MtlText(std::span<const SPreparedPart> parts)
{
    std::vector<COLORREF> colours;
    for (const SPreparedPart& part : parts)
        AddColours(colours, part);
    std::string mtl;
    for (const COLORREF color : colours) {
        mtl += "newmtl " + MaterialName(color) + "\nKd ";
        for (const uint8_t channel : {GetRValue(color), GetGValue(color), GetBValue(color)}) {
            AppendNumber(mtl, static_cast<float>(channel / 255.0));
            mtl += ' ';
        }
        mtl.back() = '\n';
        mtl += "illum 1\n\n";
    }
    return mtl;
}

SObjFiles ObjFilesOf(std::span<const SPreparedPart> parts, const std::string& mtlFileName)
{
    return {ObjText(parts, mtlFileName), MtlText(parts)};
}

} // namespace

class CMeshFileWriter::CFormat {
public:
    virtual ~CFormat() = default;
    // The lists the next part is prepared in, and what is done with them then.
    virtual SPreparedPart& NextPart() = 0;
    virtual void PartPrepared() = 0;
    virtual void Commit(const std::filesystem::path& path) = 0;
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

// OBJ writes the points of each part moved into its place in the row, known after the last part.
class CObjFormat : public CMeshFileWriter::CFormat {
public:
    SPreparedPart& NextPart() override { return m_parts.emplace_back(); }
    void PartPrepared() override { }
    void Commit(const std::filesystem::path& path) override
    {
        std::filesystem::path library = path;
        library.replace_extension(".mtl");
        const SObjFiles files = ObjFilesOf(m_parts, PathToUtf8(library.filename()));
        WriteFileAtomically(library, files.m_mtl);
        WriteFileAtomically(path, files.m_obj);
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
    Prepare(part, m_format->NextPart());
    m_format->PartPrepared();
}

void CMeshFileWriter::Add(const SScene& scene, double scale)
{
    Prepare(scene, scale, m_format->NextPart());
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
    ForEachScene(parts, options, only, [&](const SScene& scene) { meshes.push_back(MeshPartOf(scene, scale)); });
    return meshes;
}

void WriteCatalogueMeshFile(const CPartsManager& parts, const CProgramOptions& options, const std::filesystem::path& path,
    const CObject* only, double scale)
{
    CMeshFileWriter writer(path);
    ForEachScene(parts, options, only, [&](const SScene& scene) { writer.Add(scene, scale); });
    writer.Commit();
}

std::string EncodeGlb(std::span<const SMeshPart> parts)
{
    CGlbBuilder builder;
    SPreparedPart prepared;
    for (const SMeshPart& part : parts) {
        Prepare(part, prepared);
        builder.Add(prepared);
    }
    std::string bytes;
    builder.Emit([&](std::string_view piece) { bytes += piece; });
    return bytes;
}

SObjFiles EncodeObj(std::span<const SMeshPart> parts, const std::string& mtlFileName)
{
    std::vector<SPreparedPart> prepared(parts.size());
    for (size_t i = 0; i < parts.size(); ++i)
        Prepare(parts[i], prepared[i]);
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
