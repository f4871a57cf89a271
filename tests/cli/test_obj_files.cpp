#include "cli/CliTestHelpers.h"
#include "export/PartsFileWriter.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"
#include "scene/MeshWriter.h"
#include "scene/PartsReader.h"
#include "settings/ProgramOptions.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <sstream>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

using nlohmann::json;
namespace fs = std::filesystem;

namespace {

using SVec = std::array<double, 3>;

// A strict reader of OBJ text, written from the format's description: it names every line
// a careless importer would misread (a continued line, a control character, a point that
// does not exist, an edge from a point to itself, a face without area).
struct SStrictObj {
    std::vector<std::string> m_objects;
    std::vector<SVec> m_points;
    std::vector<SVec> m_normals;
    std::vector<std::array<size_t, 3>> m_faces;
    std::vector<std::pair<size_t, size_t>> m_lines;
    std::vector<std::string> m_faults;
};

SStrictObj ReadStrictObj(const std::string& text)
{
    SStrictObj obj;
    std::istringstream lines(text);
    size_t number = 0;
    const auto fault = [&](const std::string& what) { obj.m_faults.push_back(std::to_string(number) + ": " + what); };
    const auto point = [&](const std::string& word, const std::vector<SVec>& list) -> size_t {
        size_t used = 0;
        const long index = std::stol(word, &used);
        if (used != word.size() || index < 1 || static_cast<size_t>(index) > list.size()) {
            fault("no point " + word);
            return 0;
        }
        return static_cast<size_t>(index);
    };
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\\')
            fault("a line continued onto the next");
        for (const char c : line)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                fault("a control character");
        std::istringstream words(line);
        std::string keyword;
        words >> keyword;
        if (keyword == "o") {
            obj.m_objects.push_back(line.substr(2));
        } else if (keyword == "v" || keyword == "vn") {
            SVec p {};
            words >> p[0] >> p[1] >> p[2];
            (keyword == "v" ? obj.m_points : obj.m_normals).push_back(p);
        } else if (keyword == "f") {
            std::array<size_t, 3> face {};
            for (size_t& index : face) {
                std::string corner;
                words >> corner;
                const size_t slashes = corner.find("//");
                index = point(corner.substr(0, slashes), obj.m_points);
                point(corner.substr(slashes + 2), obj.m_normals);
            }
            if (face[0] == face[1] || face[1] == face[2] || face[2] == face[0]) {
                fault("a face with a corner twice");
            } else if (face[0] && face[1] && face[2]) {
                const SVec a = obj.m_points[face[0] - 1], b = obj.m_points[face[1] - 1], c = obj.m_points[face[2] - 1];
                const SVec ab {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, ac {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
                const SVec n {ab[1] * ac[2] - ab[2] * ac[1], ab[2] * ac[0] - ab[0] * ac[2], ab[0] * ac[1] - ab[1] * ac[0]};
                if (n[0] == 0 && n[1] == 0 && n[2] == 0)
                    fault("a face without area");
            }
            obj.m_faces.push_back(face);
        } else if (keyword == "l") {
            std::string a, b;
            words >> a >> b;
            const size_t from = point(a, obj.m_points), to = point(b, obj.m_points);
            if (from == to || obj.m_points[from - 1] == obj.m_points[to - 1])
                fault("an edge from a point to itself");
            obj.m_lines.emplace_back(from, to);
        }
    }
    return obj;
}

std::string Faults(const SStrictObj& obj)
{
    std::string all;
    for (size_t i = 0; i < std::min<size_t>(obj.m_faults.size(), 10); ++i)
        all += obj.m_faults[i] + "\n";
    return all;
}

std::vector<SScene> ScenesOfExample(const char* name)
{
    CModelwrightDoc document;
    document.OpenDocumentFile(fs::path(MW_EXAMPLES_DIR) / name);
    return ReadPartsText(ExportToText(document.Parts(), CProgramOptions())).m_scenes;
}

SScene SceneOf(const std::string& body)
{
    SPartsFile file = ReadStructureBody("Meter\n" + body);
    EXPECT_TRUE(file.m_diagnostics.empty());
    return std::move(file.m_scenes.at(0));
}

json GlbJson(const std::string& bytes)
{
    uint32_t length = 0;
    std::memcpy(&length, bytes.data() + 12, 4);
    return json::parse(bytes.substr(20, length));
}

// Every sample part (the goods yard's crane house has a lean-to roof whose ridge is a line of
// no length), and what only floats make flat: a triangle whose corners differ by less than a
// float holds, and lines and quads folded onto a point.
TEST(ObjFiles, HoldNoEdgeFromAPointToItselfAndNoFaceWithoutArea)
{
    std::vector<SMeshPart> parts;
    for (const char* example : {"country-station.wo3", "town-park-trees.wo3", "goods-yard.wo3"})
        for (const SScene& scene : ScenesOfExample(example))
            parts.push_back(MeshPartOf(scene, 87));
    SMeshPart folded = MeshPartOf(SceneOf("3DLines 2 2\n5 5 5 $000000\n5 5 5\nEnd3D\n"
                                          "3DQuads 1 1\n0 0 0 $0000ff\n0 0 0\n0 0 0\n0 0 0\nEnd3D\n"
                                          "3DSquare 1 1\n0 0 0 $00ff00\n0 0 0\nEnd3D\n"));
    EXPECT_EQ(folded.m_mesh.m_triangles.size(), 0u);
    folded.m_mesh.m_triangles.push_back({{1, 0, 0}, {1 + 1e-12, 0, 0}, {1, 1, 0}, 0xff});
    folded.m_mesh.m_segments.push_back({{2, 0, 0}, {2 + 1e-12, 0, 0}, 0});
    folded.m_mesh.m_triangles.push_back({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, 0xff});
    parts.push_back(folded);

    const SStrictObj obj = ReadStrictObj(EncodeObj(parts, "all.mtl").m_obj);
    EXPECT_TRUE(obj.m_faults.empty()) << Faults(obj);
    EXPECT_EQ(obj.m_objects.size(), parts.size());

    // The .glb alike: no triangle names a point twice, no line runs from a point to itself.
    const std::string glb = EncodeGlb(parts);
    const json doc = GlbJson(glb);
    uint32_t jsonLength = 0;
    std::memcpy(&jsonLength, glb.data() + 12, 4);
    const std::string bin = glb.substr(28 + jsonLength);
    size_t repeated = 0;
    for (const json& mesh : doc["meshes"])
        for (const json& primitive : mesh["primitives"]) {
            const json& accessor = doc["accessors"][primitive["indices"].get<size_t>()];
            const size_t size = accessor["componentType"] == 5121 ? 1 : accessor["componentType"] == 5123 ? 2 : 4;
            const size_t start = doc["bufferViews"][1]["byteOffset"].get<size_t>() + accessor.value("byteOffset", size_t(0));
            const size_t corners = primitive.value("mode", 4) == 1 ? 2 : 3;
            std::vector<uint32_t> indices(accessor["count"].get<size_t>());
            for (size_t i = 0; i < indices.size(); ++i)
                std::memcpy(&indices[i], bin.data() + start + size * i, size);
            for (size_t i = 0; i + corners <= indices.size(); i += corners)
                repeated += std::set<uint32_t>(indices.begin() + i, indices.begin() + i + corners).size() < corners;
        }
    EXPECT_EQ(repeated, 0u);
    EXPECT_EQ(doc["meshes"].back()["primitives"].size(), 1u) << "the folded part keeps one plain triangle";
}

// Names as users type them: beyond the code page, with a backslash at the end (which would
// join the next line of an OBJ file to the name), control characters.
TEST(ObjFiles, NamesStandOnOneLineAndKeepEveryCharacterTheyCan)
{
    const SScene box = SceneOf("3DSquare 1 1\n0 0 0 $0000ff\n10 20 30\nEnd3D\n");
    const std::vector<std::pair<std::string, std::string>> names = {
        {"Вокзал 🚂", "Вокзал 🚂"},
        {"Oak\\", "Oak/"},
        {"Oak \\\\  ", "Oak //"},
        {std::string("Nul\0byte", 8), "Nul byte"},
        {"Two\r\nlines\tand a tab", "Two  lines and a tab"},
        {"Lager\\Nord", "Lager\\Nord"},
        {"\n", "part"},
    };
    std::vector<SMeshPart> parts;
    for (const auto& [name, written] : names) {
        parts.push_back(MeshPartOf(box));
        parts.back().m_name = name;
    }
    const SStrictObj obj = ReadStrictObj(EncodeObj(parts, "model.mtl").m_obj);
    EXPECT_TRUE(obj.m_faults.empty()) << Faults(obj);
    ASSERT_EQ(obj.m_objects.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(obj.m_objects[i], names[i].second);
    // Every point and face still belongs to its own part: 4 corners of 6 sides, 12 triangles.
    EXPECT_EQ(obj.m_points.size(), 24 * names.size());
    EXPECT_EQ(obj.m_faces.size(), 12 * names.size());

    // glTF's JSON holds any text: the names come back exactly.
    const json doc = GlbJson(EncodeGlb(parts));
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(doc["nodes"][i]["name"], names[i].first);
}

// A catalogue's parts are named in UTF-8; their parts file holds only what its code page can.
TEST(ObjFiles, ACataloguesPartsKeepTheirNamesBeyondTheCodePage)
{
    TempFolder folder;
    WriteText(folder / "names.json", R"({"parts":[{"class":"CTree","name":"Вокзал 🚂","trunkHeight":35,"trunkRadius":8,"topHeight":90,"topRadius":60},
        {"class":"CTree","name":"Вокзал 🚃","trunkHeight":30,"trunkRadius":8,"topHeight":80,"topRadius":50}]})");
    const std::string input = (folder / "names.json").string();
    ASSERT_EQ(RunTool({"mesh", input, "--all", "-o", (folder / "all.glb").string()}, folder).exitCode, 0);
    const json doc = GlbJson(ReadText(folder / "all.glb"));
    EXPECT_EQ(doc["nodes"][0]["name"], "Вокзал 🚂");
    EXPECT_EQ(doc["nodes"][1]["name"], "Вокзал 🚃");
    ASSERT_EQ(RunTool({"mesh", input, "--index", "2", "-o", (folder / "second.obj").string()}, folder).exitCode, 0);
    EXPECT_EQ(ReadStrictObj(ReadText(folder / "second.obj")).m_objects, std::vector<std::string> {"Вокзал 🚃"});
    // The same through the writer the window program uses.
    CModelwrightDoc document;
    document.OpenDocumentFile(fs::path(MW_EXAMPLES_DIR) / "country-station.wo3");
    document.Parts().GetList().front()->m_name = "Станция 🚉";
    WriteCatalogueMeshFile(document.Parts(), CProgramOptions(), folder / "station.obj");
    EXPECT_EQ(ReadStrictObj(ReadText(folder / "station.obj")).m_objects.front(), "Станция 🚉");
}

TEST(ObjFiles, MaterialsGiveTheirColourInLinearLight)
{
    SMeshPart part = MeshPartOf(SceneOf("3DSquare 1 1\n0 0 0 $808080\n10 20 30\nEnd3D\n"));
    const std::string mtl = EncodeObj({&part, 1}, "m.mtl").m_mtl;
    // sRGB 128 is 21.6 % of the light of white.
    EXPECT_NE(mtl.find("newmtl colour_808080\nKd 0.21586"), std::string::npos) << mtl;
}

// A closed box has 8 corners and 6 faces: 24 points, each shared by the two triangles of its
// face that meet there, instead of 36; its normals' bounds are given as those of its points.
TEST(GlbFiles, FlatFacesSharePointsAndNormalsHaveTheirBounds)
{
    const SMeshPart part = MeshPartOf(SceneOf("3DSquare 1 1\n0 0 0 $0000ff\n10 20 30\nEnd3D\n"));
    const json doc = GlbJson(EncodeGlb({&part, 1}));
    const json& primitive = doc["meshes"][0]["primitives"][0];
    const json& normals = doc["accessors"][primitive["attributes"]["NORMAL"].get<size_t>()];
    EXPECT_EQ(doc["accessors"][primitive["attributes"]["POSITION"].get<size_t>()]["count"], 24);
    EXPECT_EQ(doc["accessors"][primitive["indices"].get<size_t>()]["count"], 36);
    EXPECT_EQ(normals["min"], json::parse("[-1,-1,-1]"));
    EXPECT_EQ(normals["max"], json::parse("[1,1,1]"));
}

// An outline that leaves its face takes the face's points where it runs along it and adds
// only the point off the face: in the .glb its points are the face's ones and that one after
// them, in the .obj the same points once.
TEST(GlbFiles, LinesTakeTheFacesPointsAndAddOnlyTheirOwn)
{
    SMeshPart part;
    const SPoint3 a {0, 0, 0}, b {100, 0, 0}, c {100, 0, 50}, d {0, 0, 50}, off {0, 40, 50};
    part.m_mesh.m_triangles = {{a, b, c, 0xff0000}, {a, c, d, 0xff0000}};
    part.m_mesh.m_segments = {{a, b, 0}, {d, off, 0}, {off, c, 0x00ff00}};
    const std::string glb = EncodeGlb({&part, 1});
    const json doc = GlbJson(glb);
    const json& primitives = doc["meshes"][0]["primitives"];
    ASSERT_EQ(primitives.size(), 3u);
    const json& faces = doc["accessors"][primitives[0]["attributes"]["POSITION"].get<size_t>()];
    const json& lines = doc["accessors"][primitives[1]["attributes"]["POSITION"].get<size_t>()];
    EXPECT_EQ(primitives[2]["attributes"]["POSITION"], primitives[1]["attributes"]["POSITION"]);
    EXPECT_EQ(faces["count"], 4);
    EXPECT_EQ(lines["count"], 5);
    EXPECT_EQ(lines.value("byteOffset", 0), faces.value("byteOffset", 0));
    // The bounds are those of all five points: the point off the face lies at -4 cm in z.
    EXPECT_EQ(lines["min"], json::parse("[0,0,-0.04]"));
    EXPECT_EQ(lines["max"], json::parse("[0.1,0.05,0]"));
    // Each line's ends, read through its indices, are the ends it was given.
    uint32_t jsonLength = 0;
    std::memcpy(&jsonLength, glb.data() + 12, 4);
    const char* binary = glb.data() + 20 + jsonLength + 8;
    const auto pointOf = [&](const json& accessor, size_t index) {
        float p[3];
        std::memcpy(p, binary + accessor.value("byteOffset", 0) + 12 * index, sizeof p);
        return SVec {p[0], p[1], p[2]};
    };
    const auto indicesOf = [&](const json& primitive) {
        const json& accessor = doc["accessors"][primitive["indices"].get<size_t>()];
        const json& view = doc["bufferViews"][accessor["bufferView"].get<size_t>()];
        EXPECT_EQ(accessor["componentType"], 5121);
        std::vector<size_t> indices;
        for (size_t i = 0; i < accessor["count"]; ++i)
            indices.push_back(static_cast<uint8_t>(
                binary[view.value("byteOffset", 0) + accessor.value("byteOffset", 0) + i]));
        return indices;
    };
    const auto metres = [](SPoint3 p) { return SVec {p.x / 1000, p.z / 1000, -p.y / 1000}; };
    const auto near = [](SVec p, SVec q) {
        return std::abs(p[0] - q[0]) < 1e-7 && std::abs(p[1] - q[1]) < 1e-7 && std::abs(p[2] - q[2]) < 1e-7;
    };
    const std::vector<size_t> black = indicesOf(primitives[1]), green = indicesOf(primitives[2]);
    ASSERT_EQ(black.size(), 4u);
    ASSERT_EQ(green.size(), 2u);
    const std::vector<size_t> ends {black[0], black[1], black[2], black[3], green[0], green[1]};
    const SPoint3 given[] = {a, b, d, off, off, c};
    for (size_t i = 0; i < ends.size(); ++i)
        EXPECT_TRUE(near(pointOf(lines, ends[i]), metres(given[i]))) << i;
    EXPECT_EQ(std::set<size_t>(ends.begin(), ends.end()).size(), 5u);

    const SStrictObj obj = ReadStrictObj(EncodeObj({&part, 1}, "m.mtl").m_obj);
    ASSERT_TRUE(obj.m_faults.empty()) << Faults(obj);
    ASSERT_EQ(obj.m_points.size(), 5u);
    ASSERT_EQ(obj.m_lines.size(), 3u);
    // The .obj moves the part to its place; the lines keep their lengths and share ends.
    const auto length = [&](std::pair<size_t, size_t> line) {
        const SVec p = obj.m_points[line.first - 1], q = obj.m_points[line.second - 1];
        return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
    };
    EXPECT_NEAR(length(obj.m_lines[0]), 0.1, 1e-7);
    EXPECT_NEAR(length(obj.m_lines[1]), 0.04, 1e-7);
    EXPECT_NEAR(length(obj.m_lines[2]), std::hypot(0.04, 0.1), 1e-7);
    EXPECT_EQ(obj.m_lines[1].second, obj.m_lines[2].first);
}

// Two thousand parts of some 12 cm, with a few long and a few deep ones (which make rows
// deeper than the parts' area says), stand in a grid about as deep as it is wide; every point
// of the OBJ is its part's own, moved, to a hundredth of a millimetre.
TEST(ObjFiles, ManyPartsStandInANearSquareGridWithoutLosingMillimetres)
{
    std::vector<SMeshPart> parts;
    for (int i = 0; i < 2000; ++i) {
        const int width = i % 97 == 0 ? 900 : 124 + i % 7;
        const int depth = i % 13 == 0 ? 600 : 80;
        parts.push_back(MeshPartOf(SceneOf("3DSquare 1 1\n0 0 0 $0000ff\n" + std::to_string(width) + " "
            + std::to_string(depth) + " "
            + std::to_string(60 + i % 11) + "\nEnd3D\n")));
    }
    const SStrictObj obj = ReadStrictObj(EncodeObj(parts, "m.mtl").m_obj);
    ASSERT_TRUE(obj.m_faults.empty()) << Faults(obj);
    ASSERT_EQ(obj.m_points.size(), 24 * parts.size());
    SVec low {1e9, 1e9, 1e9}, high {-1e9, -1e9, -1e9};
    // Each part's box: its corners' extent is its own size, wherever it stands.
    std::vector<std::array<double, 4>> footprints;
    for (size_t p = 0; p < parts.size(); ++p) {
        SVec partLow {1e9, 1e9, 1e9}, partHigh {-1e9, -1e9, -1e9};
        for (size_t k = 0; k < 24; ++k)
            for (int d = 0; d < 3; ++d) {
                const double value = obj.m_points[24 * p + k][d];
                partLow[d] = std::min(partLow[d], value), partHigh[d] = std::max(partHigh[d], value);
                low[d] = std::min(low[d], value), high[d] = std::max(high[d], value);
            }
        const double width = p % 97 == 0 ? 0.9 : 0.124 + 0.001 * (p % 7);
        EXPECT_NEAR(partHigh[0] - partLow[0], width, 1e-5) << p;
        EXPECT_NEAR(partHigh[1] - partLow[1], 0.001 * (60 + p % 11), 1e-5) << p;
        EXPECT_NEAR(partHigh[2] - partLow[2], p % 13 == 0 ? 0.6 : 0.08, 1e-5) << p;
        footprints.push_back({partLow[0], partHigh[0], partLow[2], partHigh[2]});
    }
    const double wide = high[0] - low[0], deep = high[2] - low[2];
    EXPECT_LT(wide, 30.0);
    EXPECT_LT(deep, 30.0);
    EXPECT_LT(std::max(wide, deep) / std::min(wide, deep), 1.3) << wide << " x " << deep;
    // No two parts overlap: the footprints, sorted along x, are checked against their followers.
    std::sort(footprints.begin(), footprints.end());
    size_t overlaps = 0;
    for (size_t i = 0; i < footprints.size(); ++i)
        for (size_t j = i + 1; j < footprints.size() && footprints[j][0] < footprints[i][1]; ++j)
            overlaps += footprints[j][2] < footprints[i][3] && footprints[i][2] < footprints[j][3];
    EXPECT_EQ(overlaps, 0u);
}

#ifndef _WIN32

// A disk that takes only so many bytes in a file: writing beyond them fails, as on a full device.
class ByteLimit {
public:
    explicit ByteLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limited {bytes, m_previous.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~ByteLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        std::signal(SIGXFSZ, m_previousHandler);
    }
    ByteLimit(const ByteLimit&) = delete;
    ByteLimit& operator=(const ByteLimit&) = delete;

private:
    rlimit m_previous {};
    void (*m_previousHandler)(int) = nullptr;
};

// The .mtl is a few hundred bytes, the .obj tens of kilobytes: a disk that fills in between
// must not leave a new library beside the old model, nor the other way round.
TEST(ObjFiles, AFullDiskLeavesTheOldModelAndLibraryBoth)
{
    TempFolder folder;
    const std::vector<SScene> scenes = ScenesOfExample("country-station.wo3");
    std::vector<SMeshPart> parts;
    for (const SScene& scene : scenes)
        parts.push_back(MeshPartOf(scene));
    WriteText(folder / "model.obj", "old model");
    WriteText(folder / "model.mtl", "old library");
    for (const rlim_t failAfter : {rlim_t(0), rlim_t(100), rlim_t(2000), rlim_t(20000)}) {
        {
            const ByteLimit limit(failAfter);
            EXPECT_THROW(WriteMeshFile(parts, folder / "model.obj"), CFileException) << failAfter;
        }
        EXPECT_EQ(ReadText(folder / "model.obj"), "old model") << failAfter;
        EXPECT_EQ(ReadText(folder / "model.mtl"), "old library") << failAfter;
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.Path()))
            names.insert(entry.path().filename().string());
        EXPECT_EQ(names, (std::set<std::string> {"model.mtl", "model.obj"})) << failAfter;
    }
    WriteMeshFile(parts, folder / "model.obj");
    const SObjFiles expected = EncodeObj(parts, "model.mtl");
    EXPECT_EQ(ReadText(folder / "model.obj"), expected.m_obj);
    EXPECT_EQ(ReadText(folder / "model.mtl"), expected.m_mtl);
}

#endif

// A parts file cut short, or with a fault in the part asked for, gives no picture and no model
// that quietly lack pieces: the faults are told and the run fails, the output untouched.
TEST(ModelwrightCli, MeshAndRenderOfADamagedPartsFileTellItsFaultsAndFail)
{
    TempFolder folder;
    const std::string whole = ReadText(fs::path(MW_EXAMPLES_DIR) / "goods-yard.bdf");
    // Cut within the first part.
    WriteText(folder / "cut.bdf", whole.substr(0, 3000));
    const std::string cut = (folder / "cut.bdf").string();
    WriteText(folder / "old.glb", "old");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>> {
             {"mesh", cut, "--all", "-o", (folder / "old.glb").string()},
             {"mesh", cut, "--index", "1", "-o", (folder / "old.glb").string()},
             {"render", cut, "--index", "1", "-o", (folder / "old.png").string()},
         }) {
        SCOPED_TRACE(args[0] + " " + args[2]);
        const ToolRun run = RunTool(args, folder);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("cut.bdf:"), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(": error: "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("could not be read whole"), std::string::npos) << run.err;
        EXPECT_EQ(ReadText(folder / "old.glb"), "old");
        EXPECT_FALSE(fs::exists(folder / "old.png"));
    }

    // Many faults in the second part: the first five are told, and a count of the rest.
    std::string faulty = ReadText(fs::path(MW_EXAMPLES_DIR) / "country-station.bdf");
    const size_t second = faulty.find('\n', faulty.find("\nStructure ", faulty.find("\nStructure ") + 1) + 1) + 1;
    for (int i = 0; i < 12; ++i)
        faulty.insert(second, "Bogus " + std::to_string(i) + "\n");
    WriteText(folder / "faulty.bdf", faulty);
    const std::string faultyPath = (folder / "faulty.bdf").string();
    const ToolRun all = RunTool({"mesh", faultyPath, "--all", "-o", (folder / "all.glb").string()}, folder);
    EXPECT_EQ(all.exitCode, 1);
    EXPECT_EQ(std::count(all.err.begin(), all.err.end(), '\n'), 7) << all.err;
    EXPECT_NE(all.err.find("... and 7 more: 7 errors, 0 warnings"), std::string::npos) << all.err;
    EXPECT_NE(all.err.find("the part \"Goods shed\" could not be read whole"), std::string::npos) << all.err;
    EXPECT_FALSE(fs::exists(folder / "all.glb"));

    // A part read whole is shown, though another is damaged; the faults are still told.
    const ToolRun first
        = RunTool({"mesh", faultyPath, "--part", "Station building Lindenau", "-o", (folder / "a1.obj").string()}, folder);
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.err.find(": error: "), std::string::npos) << first.err;
    EXPECT_EQ(ReadStrictObj(ReadText(folder / "a1.obj")).m_objects, std::vector<std::string> {"Station building Lindenau"});
    const ToolRun picture = RunTool({"render", faultyPath, "--index", "1", "-o", (folder / "a0.png").string()}, folder);
    EXPECT_EQ(picture.exitCode, 0) << picture.err;
    EXPECT_TRUE(fs::exists(folder / "a0.png"));
}

} // namespace
