#include "cli/CliTestHelpers.h"
#include "export/PartsFileWriter.h"
#include "model/ModelwrightDoc.h"
#include "scene/MeshWriter.h"
#include "scene/PartsReader.h"
#include "settings/ProgramOptions.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <set>
#include <sstream>

using nlohmann::json;

namespace {

using SVec = std::array<double, 3>;

SVec Minus(SVec a, SVec b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
SVec Cross(SVec a, SVec b) { return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]}; }
double Dot(SVec a, SVec b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// A reader of glTF binary files written from the format's description alone: the header,
// the two chunks, and accessors of floats and unsigned indices.
class CGlbReader {
public:
    explicit CGlbReader(const std::string& bytes)
    {
        EXPECT_GE(bytes.size(), 20u);
        EXPECT_EQ(bytes.substr(0, 4), "glTF");
        EXPECT_EQ(Word(bytes, 4), 2u);
        EXPECT_EQ(Word(bytes, 8), bytes.size());
        const uint32_t jsonLength = Word(bytes, 12);
        EXPECT_EQ(Word(bytes, 16), 0x4E4F534Au);
        EXPECT_EQ(jsonLength % 4, 0u);
        m_doc = json::parse(bytes.substr(20, jsonLength));
        if (bytes.size() > 20 + jsonLength) {
            EXPECT_EQ(Word(bytes, 24 + jsonLength), 0x004E4942u);
            m_bin = bytes.substr(28 + jsonLength, Word(bytes, 20 + jsonLength));
        }
    }

    const json& Doc() const { return m_doc; }

    std::vector<SVec> Points(size_t accessor) const
    {
        const json& a = m_doc["accessors"][accessor];
        EXPECT_EQ(a["componentType"], 5126);
        EXPECT_EQ(a["type"], "VEC3");
        std::vector<SVec> points;
        const size_t start = Start(a);
        for (size_t i = 0; i < a["count"].get<size_t>(); ++i) {
            float xyz[3];
            std::memcpy(xyz, m_bin.data() + start + 12 * i, 12);
            points.push_back({xyz[0], xyz[1], xyz[2]});
        }
        return points;
    }

    std::vector<uint32_t> Indices(size_t accessor) const
    {
        const json& a = m_doc["accessors"][accessor];
        const int type = a["componentType"];
        const size_t size = type == 5121 ? 1 : type == 5123 ? 2 : 4;
        std::vector<uint32_t> indices;
        const size_t start = Start(a);
        for (size_t i = 0; i < a["count"].get<size_t>(); ++i) {
            uint32_t value = 0;
            std::memcpy(&value, m_bin.data() + start + size * i, size);
            indices.push_back(value);
        }
        return indices;
    }

private:
    static uint32_t Word(const std::string& bytes, size_t at)
    {
        uint32_t value = 0;
        std::memcpy(&value, bytes.data() + at, 4);
        return value;
    }
    size_t Start(const json& accessor) const
    {
        const json& view = m_doc["bufferViews"][accessor["bufferView"].get<size_t>()];
        return view.value("byteOffset", size_t(0)) + accessor.value("byteOffset", size_t(0));
    }

    json m_doc;
    std::string m_bin;
};

// What a .glb says in the parts file's own terms: its triangles and lines back in the part's
// units with z up, the colours of each, and the faults of its accessors.
struct SReadBack {
    SVec m_min {1e300, 1e300, 1e300};
    SVec m_max {-1e300, -1e300, -1e300};
    std::set<COLORREF> m_triangleColours;
    std::set<COLORREF> m_lineColours;
    size_t m_triangles = 0;
    size_t m_lines = 0;
    size_t m_windingAgainstNormal = 0;

    void Add(SVec p)
    {
        for (int k = 0; k < 3; ++k)
            m_min[k] = std::min(m_min[k], p[k]), m_max[k] = std::max(m_max[k], p[k]);
    }
};

COLORREF ColourOfLinear(const json& factor)
{
    const auto byte = [](double linear) {
        const double srgb = linear <= 0.0031308 ? linear * 12.92 : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
        return static_cast<uint8_t>(std::lround(srgb * 255));
    };
    return RGB(byte(factor[0]), byte(factor[1]), byte(factor[2]));
}

SReadBack ReadBack(const std::string& glb, double metresPerUnit)
{
    const CGlbReader reader(glb);
    const json& doc = reader.Doc();
    SReadBack back;
    for (const json& node : doc["nodes"]) {
        if (!node.contains("mesh"))
            continue;
        for (const json& primitive : doc["meshes"][node["mesh"].get<size_t>()]["primitives"]) {
            const size_t positionAccessor = primitive["attributes"]["POSITION"];
            const std::vector<SVec> points = reader.Points(positionAccessor);
            // The declared bounds are the points' own.
            const json& declared = doc["accessors"][positionAccessor];
            for (int k = 0; k < 3; ++k) {
                double low = 1e300, high = -1e300;
                for (const SVec& p : points)
                    low = std::min(low, p[k]), high = std::max(high, p[k]);
                EXPECT_EQ(declared["min"][k].get<float>(), float(low));
                EXPECT_EQ(declared["max"][k].get<float>(), float(high));
            }
            const std::vector<uint32_t> indices = reader.Indices(primitive["indices"]);
            const uint32_t largest = *std::max_element(indices.begin(), indices.end());
            const int type = doc["accessors"][primitive["indices"].get<size_t>()]["componentType"];
            EXPECT_EQ(type, largest < 255 ? 5121 : largest < 65535 ? 5123 : 5125) << "the smallest index type that fits";
            const COLORREF colour
                = ColourOfLinear(doc["materials"][primitive["material"].get<size_t>()]["pbrMetallicRoughness"]["baseColorFactor"]);
            const auto file = [&](uint32_t index) {
                const SVec p = points.at(index);
                return SVec {p[0] / metresPerUnit, -p[2] / metresPerUnit, p[1] / metresPerUnit};
            };
            for (const uint32_t index : indices)
                back.Add(file(index));
            if (primitive.value("mode", 4) == 1) {
                back.m_lines += indices.size() / 2;
                back.m_lineColours.insert(colour);
                continue;
            }
            back.m_triangles += indices.size() / 3;
            back.m_triangleColours.insert(colour);
            const std::vector<SVec> normals = reader.Points(primitive["attributes"]["NORMAL"]);
            for (size_t i = 0; i + 3 <= indices.size(); i += 3) {
                const SVec a = points[indices[i]], b = points[indices[i + 1]], c = points[indices[i + 2]];
                back.m_windingAgainstNormal += Dot(Cross(Minus(b, a), Minus(c, a)), normals[indices[i]]) <= 0 ? 1 : 0;
            }
        }
    }
    return back;
}

std::vector<SScene> ScenesOfExample(const char* name)
{
    CModelwrightDoc document;
    document.OpenDocumentFile(std::filesystem::path(MW_EXAMPLES_DIR) / name);
    return ReadPartsText(ExportToText(document.Parts(), CProgramOptions())).m_scenes;
}

SScene SceneOf(const std::string& body, bool inches = false)
{
    SPartsFile file = ReadStructureBody(std::string(inches ? "Inch\n" : "Meter\n") + body);
    EXPECT_TRUE(file.m_diagnostics.empty()) << FormatDiagnostic(file.m_diagnostics.at(0));
    return std::move(file.m_scenes.at(0));
}

constexpr const char* kClosedSolids = "3DSquare 1 1\n0 0 0 $0000ff\n40 20 10\nEnd3D\n"
                                      "3DHexahedron 1 1\n100 0 0 $00ff00\n140 0 0\n140 30 0\n100 30 0\n"
                                      "100 0 25\n140 0 25\n140 30 25\n100 30 25\nEnd3D\n"
                                      "3DCylinder 10 6 30 12 0 0 0\nCenter 200 0 0 $ff0000\nRotation 0 90 0\nEnd3D\n"
                                      "3DEllipsoid 20 10 15 12 8 0 0\nCenter 300 0 50 $808080\nEnd3D\n";

TEST(MeshFiles, EverySamplePartComesBackWithTheRenderersBoundsAndColours)
{
    for (const char* example : {"country-station.wo3", "town-park-trees.wo3", "goods-yard.wo3", "signal-box-and-house.wo3"}) {
        for (const SScene& scene : ScenesOfExample(example)) {
            SCOPED_TRACE(scene.m_name);
            const SMeshPart part = MeshPartOf(scene);
            const SMesh mesh = BuildMesh(scene);
            ASSERT_FALSE(mesh.IsEmpty());
            SReadBack expected;
            for (const SMesh::STriangle& t : mesh.m_triangles) {
                expected.Add({t.a.x, t.a.y, t.a.z}), expected.Add({t.b.x, t.b.y, t.b.z}), expected.Add({t.c.x, t.c.y, t.c.z});
                expected.m_triangleColours.insert(t.color & 0xFFFFFF);
            }
            size_t lines = 0;
            for (const SMesh::SSegment& s : mesh.m_segments) {
                // A line of no length (a lean-to roof's ridge) is no line of the model.
                if (s.a.x == s.b.x && s.a.y == s.b.y && s.a.z == s.b.z)
                    continue;
                ++lines;
                expected.Add({s.a.x, s.a.y, s.a.z}), expected.Add({s.b.x, s.b.y, s.b.z});
                expected.m_lineColours.insert(s.color & 0xFFFFFF);
            }

            const SReadBack back = ReadBack(EncodeGlb({&part, 1}), part.m_metresPerUnit);
            for (int k = 0; k < 3; ++k) {
                EXPECT_NEAR(back.m_min[k], expected.m_min[k], 1e-3);
                EXPECT_NEAR(back.m_max[k], expected.m_max[k], 1e-3);
            }
            EXPECT_EQ(back.m_triangles, mesh.m_triangles.size());
            EXPECT_EQ(back.m_lines, lines);
            EXPECT_EQ(back.m_triangleColours, expected.m_triangleColours);
            EXPECT_EQ(back.m_lineColours, expected.m_lineColours);
            EXPECT_EQ(back.m_windingAgainstNormal, 0u) << "each normal points to the side its triangle turns to";
        }
    }
}

TEST(MeshFiles, SizesAreMetresWithYUpAtTheScaleAsked)
{
    const std::string box = "3DSquare 1 1\n0 0 0 $0000ff\n10 20 30\nEnd3D\n";
    const auto bounds = [](const SScene& scene, double scale) {
        const SMeshPart part = MeshPartOf(scene, scale);
        const json doc = CGlbReader(EncodeGlb({&part, 1})).Doc();
        return std::make_pair(doc["accessors"][0]["min"], doc["accessors"][0]["max"]);
    };
    const auto [mmMin, mmMax] = bounds(SceneOf(box), 1);
    EXPECT_EQ(mmMin, json::parse("[0, 0, -0.02]"));
    EXPECT_EQ(mmMax, json::parse("[0.01, 0.03, 0]"));
    // A house of 1:87 in inches: 10 inches of model are 22.098 m.
    const auto [inchMin, inchMax] = bounds(SceneOf(box, true), 87);
    EXPECT_FLOAT_EQ(inchMax[0].get<float>(), 10 * 0.0254f * 87);
    EXPECT_FLOAT_EQ(inchMax[1].get<float>(), 30 * 0.0254f * 87);
    EXPECT_FLOAT_EQ(inchMin[2].get<float>(), -20 * 0.0254f * 87);
}

TEST(MeshFiles, IndicesTakeTheSmallestTypeThatLeavesTheRestartValueFree)
{
    // Triangles far apart share no points: three points each.
    const auto typeFor = [](size_t triangles) {
        SMeshPart part;
        for (size_t i = 0; i < triangles; ++i) {
            const double x = 10.0 * i;
            part.m_mesh.m_triangles.push_back({{x, 0, 0}, {x + 1, 0, 0}, {x, 1, 0}, 0});
        }
        const json doc = CGlbReader(EncodeGlb({&part, 1})).Doc();
        return doc["accessors"][2]["componentType"].get<int>();
    };
    EXPECT_EQ(typeFor(85), 5121) << "points 0 to 254";
    EXPECT_EQ(typeFor(86), 5123) << "point 255 is the restart value of bytes";
    EXPECT_EQ(typeFor(21845), 5123) << "points 0 to 65534";
    EXPECT_EQ(typeFor(21846), 5125);
}

TEST(MeshFiles, SeveralPartsStandInARowUnderTheirOwnNames)
{
    std::vector<SMeshPart> parts;
    for (const char* name : {"Bahnhof \"Süd\"\t1", "Empty", "Shed"}) {
        parts.push_back(MeshPartOf(SceneOf(std::strcmp(name, "Empty") ? kClosedSolids : "")));
        parts.back().m_name = name;
    }
    parts[0].m_name += "\xff"; // not UTF-8
    const CGlbReader reader(EncodeGlb(parts));
    const json& nodes = reader.Doc()["nodes"];
    ASSERT_EQ(nodes.size(), 3u);
    EXPECT_EQ(nodes[0]["name"], "Bahnhof \"Süd\"\t1\xEF\xBF\xBD");
    EXPECT_EQ(nodes[1]["name"], "Empty");
    EXPECT_FALSE(nodes[1].contains("mesh"));
    // Both meshes are the same: the second stands right of the first or behind it, a quarter
    // of its size away.
    const json& bounds = reader.Doc()["accessors"][0];
    const double width = bounds["max"][0].get<double>() - bounds["min"][0].get<double>();
    const double depth = bounds["max"][2].get<double>() - bounds["min"][2].get<double>();
    const json origin = json::array({0, 0, 0});
    const json first = nodes[0].value("translation", origin);
    const json third = nodes[2].value("translation", origin);
    EXPECT_NEAR(first[0].get<double>() + bounds["min"][0].get<double>(), 0, 1e-6);
    const double right = third[0].get<double>() - first[0].get<double>();
    const double behind = first[2].get<double>() - third[2].get<double>();
    if (behind == 0)
        EXPECT_NEAR(right, width * 1.25, 1e-6);
    else
        EXPECT_NEAR(behind, depth * 1.25, 1e-6);

    const CGlbReader none(EncodeGlb({}));
    EXPECT_FALSE(none.Doc().contains("nodes"));
    EXPECT_FALSE(none.Doc().contains("buffers"));
}

// What a careful OBJ importer expects: faces and lines name points that exist, closed
// solids turn counter-clockwise seen from outside.
TEST(MeshFiles, ObjFacesReferExistingPointsAndTurnOutwards)
{
    const SScene scene = SceneOf(kClosedSolids + std::string("3DLines 2 2\n0 0 0 $000000\n0 0 10\nEnd3D\n"));
    const SMeshPart part = MeshPartOf(scene);
    const SObjFiles files = EncodeObj({&part, 1}, "model.mtl");
    const SMesh mesh = BuildMesh(scene);

    std::istringstream lines(files.m_obj);
    std::vector<SVec> points, normals;
    std::vector<std::array<size_t, 3>> faces;
    std::set<std::string> materialsUsed;
    size_t lineCount = 0, objects = 0;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "v" || keyword == "vn") {
            SVec p;
            words >> p[0] >> p[1] >> p[2];
            (keyword == "v" ? points : normals).push_back(p);
        } else if (keyword == "f") {
            std::array<size_t, 3> face {};
            for (size_t& index : face) {
                std::string corner;
                words >> corner;
                index = std::stoul(corner);
                const size_t normal = std::stoul(corner.substr(corner.find("//") + 2));
                EXPECT_GE(normal, 1u);
                EXPECT_LE(normal, normals.size());
            }
            faces.push_back(face);
        } else if (keyword == "l") {
            size_t a = 0, b = 0;
            words >> a >> b;
            EXPECT_TRUE(a >= 1 && a <= points.size() && b >= 1 && b <= points.size());
            ++lineCount;
        } else if (keyword == "usemtl") {
            std::string name;
            words >> name;
            materialsUsed.insert(name);
        } else if (keyword == "o") {
            ++objects;
        }
    }
    EXPECT_EQ(objects, 1u);
    EXPECT_EQ(faces.size(), mesh.m_triangles.size());
    EXPECT_EQ(lineCount, 1u);
    EXPECT_EQ(materialsUsed, (std::set<std::string> {"colour_ff0000", "colour_00ff00", "colour_0000ff", "colour_808080",
                                 "colour_000000"}));
    for (const std::string& name : materialsUsed)
        EXPECT_NE(files.m_mtl.find("newmtl " + name + "\n"), std::string::npos);
    EXPECT_NE(files.m_mtl.find("newmtl colour_ff0000\nKd 1 0 0\n"), std::string::npos);
    EXPECT_EQ(files.m_obj.find("mtllib model.mtl\n"), files.m_obj.find('\n') + 1);

    // Each solid's triangles face away from its centre.
    const std::array<SVec, 4> centres = {{{0.02, 0.005, -0.01}, {0.12, 0.0125, -0.015}, {0.215, 0, 0}, {0.3, 0.05, 0}}};
    size_t inwards = 0;
    for (const auto& face : faces) {
        ASSERT_TRUE(face[0] <= points.size() && face[1] <= points.size() && face[2] <= points.size());
        const SVec a = points[face[0] - 1], b = points[face[1] - 1], c = points[face[2] - 1];
        const SVec* nearest = &centres[0];
        for (const SVec& centre : centres)
            if (std::abs(centre[0] - a[0]) < std::abs((*nearest)[0] - a[0]))
                nearest = &centre;
        inwards += Dot(Cross(Minus(b, a), Minus(c, a)), Minus(a, *nearest)) < 0 ? 1 : 0;
    }
    EXPECT_EQ(inwards, 0u);
}

TEST(MeshFiles, ATriangleWithoutAreaIsLeftOut)
{
    // A quad folded onto a line, and a cone whose tip has no cap.
    const SMesh mesh = BuildMesh(SceneOf("3DQuads 1 1\n0 0 0 $0000ff\n10 0 0\n20 0 0\n5 0 0\nEnd3D\n"
                                         "3DCylinder 10 0 30 12 0 0 0\nCenter 0 0 0 $ff0000\nEnd3D\n"));
    EXPECT_EQ(mesh.m_triangles.size(), 12u * 2) << "sides and bottom of the cone only";
}

// A catalogue's model is made part by part; it is the model of what its whole parts file says.
TEST(MeshFiles, ACatalogueWrittenPartByPartIsTheModelOfItsPartsFile)
{
    TempFolder folder;
    for (const char* example : {"country-station.wo3", "town-park-trees.wo3", "goods-yard.wo3", "signal-box-and-house.wo3"}) {
        SCOPED_TRACE(example);
        CModelwrightDoc document;
        document.OpenDocumentFile(std::filesystem::path(MW_EXAMPLES_DIR) / example);
        std::vector<SMeshPart> parts;
        for (const SScene& scene : ScenesOfExample(example))
            parts.push_back(MeshPartOf(scene, 87));
        ASSERT_GE(parts.size(), 2u);

        WriteCatalogueMeshFile(document.Parts(), CProgramOptions(), folder / "all.glb", nullptr, 87);
        EXPECT_EQ(ReadText(folder / "all.glb"), EncodeGlb(parts));
        WriteCatalogueMeshFile(document.Parts(), CProgramOptions(), folder / "all.obj", nullptr, 87);
        const SObjFiles obj = EncodeObj(parts, "all.mtl");
        EXPECT_EQ(ReadText(folder / "all.obj"), obj.m_obj);
        EXPECT_EQ(ReadText(folder / "all.mtl"), obj.m_mtl);

        const CObject* second = document.Parts().GetList()[1].get();
        WriteCatalogueMeshFile(document.Parts(), CProgramOptions(), folder / "second.glb", second, 87);
        EXPECT_EQ(ReadText(folder / "second.glb"), EncodeGlb({&parts[1], 1}));
    }
}

// Parts are built and prepared one after the other in the same lists: a small part after a
// large one must keep nothing of it.
TEST(MeshFiles, APartAfterALargerOneHoldsOnlyItsOwnGeometry)
{
    const SScene large = SceneOf(kClosedSolids + std::string("3DLines 2 2\n0 0 0 $000000\n0 0 10\nEnd3D\n"));
    const SScene small = SceneOf("3DQuads 1 1\n0 0 0 $00ff00\n10 0 0\n10 10 0\n0 10 0\nEnd3D\n");
    SMesh mesh = BuildMesh(large);
    BuildMesh(small, mesh);
    EXPECT_EQ(mesh.m_triangles.size(), 2u);
    EXPECT_TRUE(mesh.m_segments.empty());

    const SMeshPart parts[] = {MeshPartOf(large), MeshPartOf(small)};
    const CGlbReader both(EncodeGlb(parts));
    const CGlbReader alone(EncodeGlb({&parts[1], 1}));
    const json& second = both.Doc()["meshes"][1]["primitives"];
    const json& own = alone.Doc()["meshes"][0]["primitives"];
    ASSERT_EQ(second.size(), 1u);
    ASSERT_EQ(own.size(), 1u);
    EXPECT_EQ(both.Points(second[0]["attributes"]["POSITION"]), alone.Points(own[0]["attributes"]["POSITION"]));
    EXPECT_EQ(both.Points(second[0]["attributes"]["NORMAL"]), alone.Points(own[0]["attributes"]["NORMAL"]));
    EXPECT_EQ(both.Indices(second[0]["indices"]), alone.Indices(own[0]["indices"]));
    EXPECT_EQ(both.Doc()["materials"][second[0]["material"].get<size_t>()], alone.Doc()["materials"][0]);
}

// Scenes go to the writer straight from tessellation, without a mesh in between: the file
// must be the one their meshes give, also for turned solids, inch parts and a small part after
// a large one.
TEST(MeshFiles, AScenesModelIsTheModelOfItsMesh)
{
    TempFolder folder;
    const std::vector<SScene> scenes = {SceneOf(kClosedSolids + std::string("3DLines 2 2\n0 0 0 $000000\n0 0 10\nEnd3D\n")),
        SceneOf("3DEllipsoid 7 9 5 5 3 0 0\nCenter 3 -4 5 $102030\nRotation 30 45 60\nEnd3D\n"
                "3DDisk 15 0 7 0 0\nCenter 1 2 3 $405060\nRotation 90 0 10\nEnd3D\n"
                "3DEllipse 8 3 0 64 0 0\nCenter 0 0 0 $708090\nEnd3D\n",
            true),
        SceneOf("3DQuads 1 1\n0 0 0 $00ff00\n10 0 0\n10 10 0\n0 10 0\nEnd3D\n")};
    std::vector<SMeshPart> meshes;
    for (const SScene& scene : scenes)
        meshes.push_back(MeshPartOf(scene, 87));
    std::filesystem::create_directory(folder / "meshes");
    for (const char* name : {"model.glb", "model.obj", "model.mtl"}) {
        SCOPED_TRACE(name);
        if (name != std::string("model.mtl")) {
            CMeshFileWriter writer(folder / name);
            for (const SScene& scene : scenes)
                writer.Add(scene, 87);
            writer.Commit();
            WriteMeshFile(meshes, folder / "meshes" / name);
        }
        EXPECT_EQ(ReadText(folder / name), ReadText(folder / "meshes" / name));
    }
}

// Tens of megabytes of points, more than the writer gathers in one piece, come back whole.
TEST(MeshFiles, ALargeModelReadsBackPointForPoint)
{
    constexpr size_t kTriangles = 250000;
    SMeshPart part;
    part.m_metresPerUnit = 1;
    for (size_t i = 0; i < kTriangles; ++i) {
        const double x = 4.0 * i;
        part.m_mesh.m_triangles.push_back({{x, 0, 0}, {x + 1, 0, 0}, {x, 0, 1}, 0x0000ff});
    }
    const CGlbReader reader(EncodeGlb({&part, 1}));
    const json& primitive = reader.Doc()["meshes"][0]["primitives"][0];
    const std::vector<SVec> points = reader.Points(primitive["attributes"]["POSITION"]);
    const std::vector<SVec> normals = reader.Points(primitive["attributes"]["NORMAL"]);
    const std::vector<uint32_t> indices = reader.Indices(primitive["indices"]);
    ASSERT_EQ(points.size(), 3 * kTriangles);
    ASSERT_EQ(indices.size(), 3 * kTriangles);
    size_t wrong = 0;
    for (size_t i = 0; i < kTriangles; ++i) {
        const float x = static_cast<float>(4.0 * i);
        const SVec expected[] = {{x, 0, 0}, {x + 1, 0, 0}, {x, 1, 0}};
        for (size_t k = 0; k < 3; ++k)
            wrong += points[indices[3 * i + k]] != expected[k] || normals[indices[3 * i + k]] != SVec {0, 0, 1};
    }
    EXPECT_EQ(wrong, 0u);
}

TEST(ModelwrightCli, MeshWritesGlbAndObjOfOnePartOrAll)
{
    TempFolder folder;
    const std::string station = std::string(MW_EXAMPLES_DIR) + "/country-station.wo3";
    const std::string partsFile = std::string(MW_EXAMPLES_DIR) + "/country-station.bdf";
    const size_t partCount = ScenesOfExample("country-station.wo3").size();

    const ToolRun all = RunTool({"mesh", partsFile, "--all", "-o", (folder / "all.glb").string(), "--scale", "1:87"}, folder);
    ASSERT_EQ(all.exitCode, 0) << all.err;
    EXPECT_EQ(CGlbReader(ReadText(folder / "all.glb")).Doc()["nodes"].size(), partCount);
    const ToolRun catalogue = RunTool({"mesh", station, "--all", "-o", (folder / "catalogue.glb").string(), "--scale", "1:87"}, folder);
    ASSERT_EQ(catalogue.exitCode, 0) << catalogue.err;
    EXPECT_EQ(ReadText(folder / "catalogue.glb"), ReadText(folder / "all.glb"));
    WriteText(folder / "empty.json", R"({"parts":[]})");
    const ToolRun empty = RunTool({"mesh", (folder / "empty.json").string(), "--all", "-o", (folder / "empty.glb").string()}, folder);
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_NE(empty.err.find("holds no parts"), std::string::npos) << empty.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.glb"));

    const ToolRun second = RunTool({"mesh", station, "--index", "2", "-o", (folder / "Second.OBJ").string()}, folder);
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_NE(ReadText(folder / "Second.OBJ").find("mtllib Second.mtl\n"), std::string::npos);
    EXPECT_NE(ReadText(folder / "Second.mtl").find("newmtl "), std::string::npos);

    const ToolRun missing = RunTool({"mesh", station, "--part", "Nowhere", "-o", (folder / "none.glb").string()}, folder);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("no part is named \"Nowhere\""), std::string::npos) << missing.err;
    const ToolRun unwritable
        = RunTool({"mesh", station, "-o", (folder / "no such folder" / "a.glb").string()}, folder);
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(std::count(unwritable.err.begin(), unwritable.err.end(), '\n'), 1) << unwritable.err;
    EXPECT_FALSE(std::filesystem::exists(folder / "none.glb"));

    // The material library of an OBJ file would replace an input of the same name.
    std::filesystem::copy_file(station, folder / "model.mtl");
    const ToolRun over = RunTool({"mesh", (folder / "model.mtl").string(), "-o", (folder / "model.obj").string()}, folder);
    EXPECT_EQ(over.exitCode, 1);
    EXPECT_EQ(ReadText(folder / "model.mtl"), ReadText(station));

    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>> {
             {"mesh", station, "-o", "a.stl"},
             {"mesh", station, "-o", "a.glb", "--all", "--index", "1"},
             {"mesh", station, "-o", "a.glb", "--scale", "87"},
             {"mesh", station, "-o", "a.glb", "--scale", "1:0"},
             {"mesh", station, "-o", "a.glb", "--view", "iso"},
             {"render", station, "-o", "a.png", "--all"},
         }) {
        const ToolRun run = RunTool(wrong, folder);
        EXPECT_EQ(run.exitCode, 2) << wrong.back();
    }
}

} // namespace
