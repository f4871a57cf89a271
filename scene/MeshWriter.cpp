#include "scene/MeshWriter.h"

#include "export/PartsFileWriter.h"
#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/TextCodec.h"
#include "scene/PartsReader.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

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

struct SFloat3 {
    float x = 0, y = 0, z = 0;
    // Bit for bit: no point holds -0 or NaN, and this is the comparison every point goes through.
    bool operator==(const SFloat3& other) const { return std::memcmp(this, &other, sizeof(SFloat3)) == 0; }
};

// The parts file's z is up and its y runs away from the viewer; +0 instead of -0 keeps the
// numbers of the file plain.
SFloat3 Upright(SPoint3 p, double metresPerUnit)
{
    return {static_cast<float>(p.x * metresPerUnit) + 0.0f, static_cast<float>(p.z * metresPerUnit) + 0.0f,
        static_cast<float>(-p.y * metresPerUnit) + 0.0f};
}

SFloat3 UprightNormal(const SMesh::STriangle& t)
{
    const SPoint3 n = Normalized(Cross(t.b - t.a, t.c - t.a));
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

// The triangles or the lines of one colour, as indices into the part's points.
struct SColourRun {
    COLORREF m_color = 0;
    std::vector<uint32_t> m_indices;
    uint32_t m_largest = 0;
};

std::vector<uint32_t>& RunOf(std::vector<SColourRun>& runs, COLORREF color)
{
    for (SColourRun& run : runs)
        if (run.m_color == color)
            return run.m_indices;
    runs.push_back({color, {}, 0});
    return runs.back().m_indices;
}

// One part in metres with +Y up, its points shared where flat shading allows.
struct SPreparedPart {
    const SMeshPart* m_source = nullptr;
    std::vector<SFloat3> m_positions;
    std::vector<SFloat3> m_normals;
    std::vector<SColourRun> m_triangles;
    std::vector<SFloat3> m_linePoints;
    std::vector<SColourRun> m_lines;
    SBounds m_faceBounds;
    SBounds m_lineBounds;
    float m_offsetX = 0;

    SBounds Bounds() const
    {
        SBounds all = m_faceBounds;
        if (!m_lineBounds.IsEmpty())
            all.Add(m_lineBounds.min), all.Add(m_lineBounds.max);
        return all;
    }
    bool IsEmpty() const { return m_triangles.empty() && m_lines.empty(); }
};

uint32_t FacePoint(SPreparedPart& part, SFloat3 position, SFloat3 normal)
{
    const size_t count = part.m_positions.size();
    for (size_t i = count; i > count - std::min(count, kSharingWindow);) {
        --i;
        const SFloat3 n = part.m_normals[i];
        if (part.m_positions[i] == position && n.x * normal.x + n.y * normal.y + n.z * normal.z >= kSameNormal)
            return static_cast<uint32_t>(i);
    }
    part.m_positions.push_back(position);
    part.m_normals.push_back(normal);
    part.m_faceBounds.Add(position);
    return static_cast<uint32_t>(count);
}

uint32_t LinePoint(SPreparedPart& part, SFloat3 position)
{
    const size_t count = part.m_linePoints.size();
    for (size_t i = count; i > count - std::min(count, kSharingWindow);)
        if (part.m_linePoints[--i] == position)
            return static_cast<uint32_t>(i);
    part.m_linePoints.push_back(position);
    part.m_lineBounds.Add(position);
    return static_cast<uint32_t>(count);
}

void NoteLargest(std::vector<SColourRun>& runs)
{
    for (SColourRun& run : runs)
        run.m_largest = run.m_indices.empty() ? 0 : *std::max_element(run.m_indices.begin(), run.m_indices.end());
}

SPreparedPart Prepare(const SMeshPart& source)
{
    SPreparedPart part;
    part.m_source = &source;
    const double unit = source.m_metresPerUnit;
    part.m_positions.reserve(source.m_mesh.m_triangles.size() * 2);
    part.m_normals.reserve(source.m_mesh.m_triangles.size() * 2);
    for (const SMesh::STriangle& t : source.m_mesh.m_triangles) {
        const SFloat3 normal = UprightNormal(t);
        std::vector<uint32_t>& run = RunOf(part.m_triangles, t.color & 0xFFFFFF);
        for (const SPoint3& corner : {t.a, t.b, t.c})
            run.push_back(FacePoint(part, Upright(corner, unit), normal));
    }
    for (const SMesh::SSegment& s : source.m_mesh.m_segments) {
        std::vector<uint32_t>& run = RunOf(part.m_lines, s.color & 0xFFFFFF);
        run.push_back(LinePoint(part, Upright(s.a, unit)));
        run.push_back(LinePoint(part, Upright(s.b, unit)));
    }
    NoteLargest(part.m_triangles);
    NoteLargest(part.m_lines);
    return part;
}

// A single part keeps its place; several stand in a row along x, a gap between neighbours.
std::vector<SPreparedPart> PrepareAll(std::span<const SMeshPart> parts)
{
    std::vector<SPreparedPart> prepared;
    prepared.reserve(parts.size());
    for (const SMeshPart& part : parts)
        prepared.push_back(Prepare(part));
    if (prepared.size() < 2)
        return prepared;
    double widest = 0;
    for (const SPreparedPart& part : prepared)
        if (!part.IsEmpty())
            widest = std::max(widest, double(part.Bounds().max.x) - part.Bounds().min.x);
    const double gap = std::max(widest * kGapPerWidth, kLeastGap);
    double cursor = 0;
    for (SPreparedPart& part : prepared) {
        if (part.IsEmpty())
            continue;
        const SBounds bounds = part.Bounds();
        part.m_offsetX = static_cast<float>(cursor - bounds.min.x) + 0.0f;
        cursor += double(bounds.max.x) - bounds.min.x + gap;
    }
    return prepared;
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

// The colours in the order they first appear.
std::vector<COLORREF> ColoursOf(std::span<const SPreparedPart> parts)
{
    std::vector<COLORREF> colours;
    for (const SPreparedPart& part : parts)
        for (const auto* runs : {&part.m_triangles, &part.m_lines})
            for (const SColourRun& run : *runs)
                if (std::find(colours.begin(), colours.end(), run.m_color) == colours.end())
                    colours.push_back(run.m_color);
    return colours;
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

// Builds the JSON text and the binary chunk together, accessor by accessor.
class CGlbBuilder {
public:
    explicit CGlbBuilder(std::span<const SPreparedPart> parts) : m_parts(parts), m_colours(ColoursOf(parts)) { }

    // Hands the file's bytes to the sink piece by piece.
    template <class Sink>
    void Emit(Sink&& sink)
    {
        size_t indexBytes = 0;
        for (const SPreparedPart& part : m_parts)
            for (const SColourRun& run : part.m_triangles)
                indexBytes += run.m_indices.size() * 4;
        m_indexBytes.reserve(indexBytes);
        for (const SPreparedPart& part : m_parts)
            AddMesh(part);
        std::string json = R"({"asset":{"version":"2.0","generator":"Modelwright"},"scene":0,"scenes":[{)";
        // glTF allows no empty lists: a file without parts has a scene without nodes.
        if (!m_parts.empty()) {
            json += "\"nodes\":[";
            for (size_t i = 0; i < m_parts.size(); ++i) {
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
            json += ",\"meshes\":[" + m_meshes + "],\"materials\":[";
            AppendMaterials(json);
            json += "],\"accessors\":[" + m_accessors + "],\"bufferViews\":[";
            AppendBufferViews(json);
            json += "],\"buffers\":[{\"byteLength\":";
            AppendNumber(json, m_vertexLength + m_indexBytes.size());
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
        AppendJsonString(m_meshes, part.m_source->m_name);
        m_meshes += ",\"primitives\":[";
        bool first = true;
        if (!part.m_triangles.empty()) {
            const size_t position = AddPoints(part.m_positions, &part.m_faceBounds);
            const size_t normal = AddPoints(part.m_normals, nullptr);
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

    size_t AddPoints(const std::vector<SFloat3>& points, const SBounds* bounds)
    {
        const size_t offset = m_vertexLength;
        m_vertexRuns.push_back(&points);
        m_vertexLength += points.size() * sizeof(SFloat3);
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
        const size_t offset = m_indexBytes.size();
        for (const uint32_t index : run.m_indices) {
            if (type == kUnsignedByte)
                m_indexBytes += static_cast<char>(index);
            else if (type == kUnsignedShort) {
                const uint16_t shortIndex = static_cast<uint16_t>(index);
                AppendRaw(m_indexBytes, &shortIndex, 2);
            } else
                AppendRaw(m_indexBytes, &index, 4);
        }
        PadTo4(m_indexBytes, '\0');
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
        size_t mesh = 0;
        for (size_t i = 0; i < m_parts.size(); ++i) {
            const SPreparedPart& part = m_parts[i];
            if (i)
                json += ',';
            json += "{\"name\":";
            AppendJsonString(json, part.m_source->m_name);
            if (!part.IsEmpty()) {
                json += ",\"mesh\":";
                AppendNumber(json, m_meshOfPart[mesh++]);
            }
            if (part.m_offsetX != 0) {
                json += ",\"translation\":[";
                AppendNumber(json, part.m_offsetX);
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
        AppendNumber(json, m_vertexLength);
        json += ",\"byteStride\":12,\"target\":";
        AppendNumber(json, size_t(kArrayBuffer));
        json += "},{\"buffer\":0,\"byteOffset\":";
        AppendNumber(json, m_vertexLength);
        json += ",\"byteLength\":";
        AppendNumber(json, m_indexBytes.size());
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
        const size_t binary = m_vertexLength + m_indexBytes.size();
        const size_t total = 12 + 8 + json.size() + (binary ? 8 + binary : 0);
        if (total > std::numeric_limits<uint32_t>::max())
            throw CException("The 3D model is larger than the 4 GB a glTF binary file can hold.");
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
        for (const std::vector<SFloat3>* run : m_vertexRuns)
            sink(std::string_view(reinterpret_cast<const char*>(run->data()), run->size() * sizeof(SFloat3)));
        sink(std::string_view(m_indexBytes));
    }

    std::span<const SPreparedPart> m_parts;
    std::vector<COLORREF> m_colours;
    std::vector<size_t> m_meshOfPart;
    size_t m_meshCount = 0;
    size_t m_accessorCount = 0;
    std::string m_meshes;
    std::string m_accessors;
    // The points go out straight from the prepared parts, in the order of their accessors.
    std::vector<const std::vector<SFloat3>*> m_vertexRuns;
    size_t m_vertexLength = 0;
    std::string m_indexBytes;
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

} // namespace

SMeshPart MeshPartOf(const SScene& scene, double scale)
{
    return {scene.m_name, BuildMesh(scene), (scene.m_inches ? kMetresPerInch : kMetresPerMillimetre) * scale};
}

std::vector<SMeshPart> MeshPartsOfCatalogue(
    const CPartsManager& parts, const CProgramOptions& options, const CObject* only, double scale)
{
    const SPartsFile file = ReadPartsText(only ? ExportPartToText(*only, options) : ExportToText(parts, options));
    std::vector<SMeshPart> meshes;
    meshes.reserve(file.m_scenes.size());
    for (const SScene& scene : file.m_scenes)
        meshes.push_back(MeshPartOf(scene, scale));
    return meshes;
}

std::string EncodeGlb(std::span<const SMeshPart> parts)
{
    const std::vector<SPreparedPart> prepared = PrepareAll(parts);
    std::string bytes;
    CGlbBuilder(prepared).Emit([&](std::string_view piece) { bytes += piece; });
    return bytes;
}

SObjFiles EncodeObj(std::span<const SMeshPart> parts, const std::string& mtlFileName)
{
    const std::vector<SPreparedPart> prepared = PrepareAll(parts);
    SObjFiles files;
    std::string& obj = files.m_obj;
    obj = "# Modelwright: metres, +Y up\nmtllib " + ObjName(mtlFileName) + "\n";
    // OBJ counts points from 1 through the whole file.
    size_t firstPoint = 1;
    size_t firstNormal = 1;
    for (const SPreparedPart& part : prepared) {
        obj += "o " + ObjName(part.m_source->m_name) + "\n";
        for (const SFloat3& p : part.m_positions)
            AppendObjPoint(obj, "v ", p, part.m_offsetX);
        for (const SFloat3& p : part.m_linePoints)
            AppendObjPoint(obj, "v ", p, part.m_offsetX);
        for (const SFloat3& n : part.m_normals)
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
        const size_t firstLinePoint = firstPoint + part.m_positions.size();
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
        firstNormal += part.m_normals.size();
    }
    // The diffuse colour as the file has it, in sRGB as material libraries are read.
    for (const COLORREF color : ColoursOf(prepared)) {
        files.m_mtl += "newmtl " + MaterialName(color) + "\nKd ";
        for (const uint8_t channel : {GetRValue(color), GetGValue(color), GetBValue(color)}) {
            AppendNumber(files.m_mtl, static_cast<float>(channel / 255.0));
            files.m_mtl += ' ';
        }
        files.m_mtl.back() = '\n';
        files.m_mtl += "illum 1\n\n";
    }
    return files;
}

bool IsMeshFileName(const std::filesystem::path& path)
{
    const std::string extension = LowerExtension(path);
    return extension == ".glb" || extension == ".obj";
}

void WriteMeshFile(std::span<const SMeshPart> parts, const std::filesystem::path& path)
{
    const std::string extension = LowerExtension(path);
    if (extension == ".glb") {
        // Large models go to the file as they are, without another copy in memory.
        const std::vector<SPreparedPart> prepared = PrepareAll(parts);
        CFileReplacement file(path);
        CGlbBuilder(prepared).Emit([&](std::string_view piece) { file.Write(piece); });
        file.Commit();
    } else if (extension == ".obj") {
        std::filesystem::path library = path;
        library.replace_extension(".mtl");
        const SObjFiles files = EncodeObj(parts, PathToUtf8(library.filename()));
        WriteFileAtomically(library, files.m_mtl);
        WriteFileAtomically(path, files.m_obj);
    } else {
        throw CException(PathForMessage(path) + ": a 3D model is written as .glb or .obj; please name the file so.");
    }
}
