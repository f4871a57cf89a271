// Reading parts-file text, measured beside a plain read of the same file, at three sizes far
// enough apart that a cost growing faster than the text would show; and drawing the picture of
// a large building, the work of every step of an orbit in the preview; a picture of thousands
// of faces stacked over one another; and writing a picture as a PNG file beside drawing it.
#include "bench/CatalogueGenerator.h"
#include "cli/PngFile.h"
#include "export/PartsFileWriter.h"
#include "model/Building.h"
#include "model/BuildingElement.h"
#include "model/ChoiceCodes.h"
#include "model/Decoration.h"
#include "model/DecorationManager.h"
#include "model/FileIO.h"
#include "model/Platform.h"
#include "model/PartsManager.h"
#include "model/Tree.h"
#include "scene/PartsReader.h"
#include "scene/Renderer.h"
#include "settings/ProgramOptions.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr double kReadGoal = 3.0;
constexpr double kRenderGoalMs = 30.0;
constexpr double kOverdrawGoalMs = 1000.0;
constexpr double kPngGoal = 3.0;
// The work of one picture is bounded whatever its size: the stacked quads at any size up to the
// largest, and a sample part at the largest size, each within this.
constexpr double kLargeOverdrawGoalMs = 3000.0;
constexpr double kLargeSampleGoalMs = 1000.0;
constexpr int kLargestPicture = 8192;
constexpr int kOverdrawQuads = 12000;
constexpr int kSizes[] = {100, 1000, 10000};
constexpr int kBuildingElements = 200;
constexpr int kDecorationsPerElement = 10;
constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;

// What users write into the free text: their own records, with remarks in their language.
const std::string& UsersFreeText()
{
    static const std::string text =
        "; Schornstein aus Ziegeln, groß genug für das Empfangsgebäude – bitte nicht verschieben\n"
        "3DQuads 1 1\n0 0 30 $2040a0\n10 0 30\n10 10 30\n0 10 30\n"
        "10 0 30 $203080\n10 0 40\n10 10 40\n10 10 30\nEnd3D\n"
        "; Lanterne à côté de l'entrée, peinte en vert foncé, hauteur réelle 4,20 m\n"
        "3DCylinder 1 1 20 8 1 0 1\nCenter 5 -5 0 $303030\nRotation 0 0 45\nEnd3D\n"
        "Line -5 -5 15 -5\nRectangle 0 0 10 10 $c0c0c0\n";
    return text;
}

void GiveEveryPartAFreeText(CPartsManager& parts)
{
    for (const auto& object : parts.GetList()) {
        if (auto* tree = dynamic_cast<CTree*>(object.get()))
            tree->m_freeText = UsersFreeText();
        else if (auto* platform = dynamic_cast<CPlatform*>(object.get()))
            platform->m_freeText = UsersFreeText();
        else if (auto* building = dynamic_cast<CBuilding*>(object.get())) {
            building->m_freeText = UsersFreeText();
            for (const auto& element : building->GetList())
                ElementAs<CBuildingElement>(element).m_freeText = UsersFreeText();
        }
    }
}

// The parts file of a generated catalogue of the given size, written once to a file.
class CPartsFiles {
public:
    CPartsFiles() : m_folder(fs::temp_directory_path() / ("mw-bench-scene-" + std::to_string(std::random_device {}())))
    {
        fs::create_directories(m_folder);
    }
    ~CPartsFiles()
    {
        std::error_code error;
        fs::remove_all(m_folder, error);
    }

    const fs::path& PathFor(int parts)
    {
        auto found = m_paths.find(parts);
        if (found != m_paths.end())
            return found->second;
        CPartsManager catalogue;
        AddGeneratedParts(catalogue, static_cast<size_t>(parts));
        GiveEveryPartAFreeText(catalogue);
        const fs::path path = m_folder / ("catalogue-" + std::to_string(parts) + ".bdf");
        ExportToFile(catalogue, CProgramOptions(), path);
        return m_paths.emplace(parts, path).first->second;
    }

private:
    fs::path m_folder;
    std::map<int, fs::path> m_paths;
};

CPartsFiles& Files()
{
    static CPartsFiles files;
    return files;
}

void BM_PlainRead(benchmark::State& state)
{
    const fs::path& path = Files().PathFor(static_cast<int>(state.range(0)));
    size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> read = ReadWholeFile(path);
        bytes = read.size();
        benchmark::DoNotOptimize(read.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

void BM_ReadPartsFile(benchmark::State& state)
{
    const fs::path& path = Files().PathFor(static_cast<int>(state.range(0)));
    size_t bytes = 0;
    size_t scenes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> read = ReadWholeFile(path);
        bytes = read.size();
        const SPartsFile file = ReadPartsText({reinterpret_cast<const char*>(read.data()), read.size()});
        scenes = file.m_scenes.size();
        benchmark::DoNotOptimize(file.m_scenes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["parts"] = static_cast<double>(scenes);
}

// The least any reader of this text does: find every line and read each point line's three
// numbers into a list, checking nothing else. What the reader takes beyond this is its own.
size_t ScanLinesAndPoints(std::string_view text, std::vector<SVertex>& points)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    int line = 0;
    COLORREF color = 0;
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        ++line;
        if (digit(*p) || *p == '-') {
            int32_t numbers[3] {};
            for (int32_t& number : numbers) {
                while (p < end && blank(*p))
                    ++p;
                const bool negative = p < end && *p == '-';
                p += negative ? 1 : 0;
                for (number = 0; p < end && digit(*p);)
                    number = number * 10 + (*p++ - '0');
                number = negative ? -number : number;
            }
            if (p + 7 < end && p[1] == '$')
                color = static_cast<COLORREF>(std::strtoul(p + 2, nullptr, 16));
            points.push_back({numbers[0], numbers[1], numbers[2], color, line});
        }
        const void* const newline = std::memchr(p, '\n', static_cast<size_t>(end - p));
        p = newline ? static_cast<const char*>(newline) + 1 : end;
    }
    return points.size();
}

void BM_ScanLinesAndPoints(benchmark::State& state)
{
    const fs::path& path = Files().PathFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::vector<uint8_t> read = ReadWholeFile(path);
        std::vector<SVertex> points;
        benchmark::DoNotOptimize(ScanLinesAndPoints({reinterpret_cast<const char*>(read.data()), read.size()}, points));
    }
}

std::unique_ptr<CDecoration> MakeDecoration(int number)
{
    auto decoration = std::make_unique<CDecoration>();
    decoration->m_name = number == 0 ? "Tür" : "Fenêtre " + std::to_string(number);
    constexpr int32_t walls[] = {kWallFront, kWallRear, kWallLeft, kWallRight};
    decoration->m_wall = walls[number % 4];
    decoration->m_positionX = 4 + 14 * (number / 4);
    decoration->m_positionZ = number == 0 ? 0 : 12;
    decoration->m_width = 10;
    decoration->m_height = number == 0 ? 22 : 12;
    decoration->m_mainType = number % 2 ? kDecorationBaseA : kDecorationBaseB;
    decoration->m_subtype = number == 0 ? kDecorationDoor : number % 3 ? kDecorationWindow : kDecorationDoorWithWindow;
    decoration->m_windowCount = 1 + number % 4;
    return decoration;
}

// A long row of houses: 200 elements of 10 doors and windows each, with their roofs.
const SScene& LargeBuilding()
{
    static const SScene scene = [] {
        CBuilding building;
        building.m_name = "Häuserzeile Hauptstraße";
        building.m_catalogNo = "B-200";
        constexpr int32_t roofs[] = {kRoofGable, kRoofFlatTopped, kRoofLeanTo, kRoofNone};
        for (int i = 0; i < kBuildingElements; ++i) {
            auto element = std::make_unique<CBuildingElement>();
            element->m_name = "Haus " + std::to_string(i);
            element->m_positionX = (i % 20) * 70;
            element->m_positionY = (i / 20) * 60;
            element->m_blockWidth = 60;
            element->m_blockDepth = 50;
            element->m_blockHeight = 30 + i % 5 * 4;
            element->m_roofType = roofs[i % 4];
            element->m_roofAngle = 40;
            element->m_roofHeight = 20;
            for (int d = 0; d < kDecorationsPerElement; ++d)
                element->m_decorations->Add(MakeDecoration(d));
            building.Add(std::move(element));
        }
        SPartsFile file = ReadPartsText(ExportPartToText(building, CProgramOptions()));
        return file.m_scenes.empty() ? SScene() : std::move(file.m_scenes.front());
    }();
    return scene;
}

const SMesh& LargeBuildingMesh()
{
    static const SMesh mesh = BuildMesh(LargeBuilding());
    return mesh;
}

// A step of an orbit: the mesh is kept, only the camera moves.
void BM_RenderBuilding(benchmark::State& state)
{
    const SMesh& mesh = LargeBuildingMesh();
    SCamera camera;
    for (auto _ : state) {
        camera.m_yaw = camera.m_yaw + 1;
        benchmark::DoNotOptimize(RenderMesh(mesh, LargeBuilding(), camera, kPictureWidth, kPictureHeight).m_pixels.data());
    }
    state.counters["triangles"] = static_cast<double>(mesh.m_triangles.size());
    state.counters["lines"] = static_cast<double>(mesh.m_segments.size());
}

// A new part: its mesh is built from the scene first.
void BM_RenderBuildingFromScene(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderScene(LargeBuilding(), SCamera(), kPictureWidth, kPictureHeight).m_pixels.data());
}

// Quads of one size stacked close behind one another, each a little turned and moved, as a
// careless script or a damaged file may write them: a parts file of about half a megabyte.
const SScene& OverdrawScene()
{
    static const SScene scene = [] {
        std::string text = "Structure \"\" \"Stack\"\n3DQuads 1 1\n";
        std::mt19937 random(7);
        for (int i = 0; i < kOverdrawQuads; ++i) {
            const int dx = static_cast<int>(random() % 41) - 20, dz = static_cast<int>(random() % 41) - 20;
            const int y = i % 64, lean = static_cast<int>(random() % 21) - 10;
            text += std::to_string(dx) + " " + std::to_string(y) + " " + std::to_string(dz) + " $"
                + (i % 2 ? "c08040" : "4080c0") + "\n" + std::to_string(dx + 1000) + " " + std::to_string(y + lean) + " "
                + std::to_string(dz) + "\n" + std::to_string(dx + 1000) + " " + std::to_string(y + lean) + " "
                + std::to_string(dz + 800) + "\n" + std::to_string(dx) + " " + std::to_string(y) + " "
                + std::to_string(dz + 800) + "\n";
        }
        text += "End3D\nEndStructure\n";
        std::printf("overdraw file: %d quads in %zu bytes\n", kOverdrawQuads, text.size());
        SPartsFile file = ReadPartsText(text);
        return file.m_scenes.empty() ? SScene() : std::move(file.m_scenes.front());
    }();
    return scene;
}

void BM_RenderOverdraw(benchmark::State& state)
{
    bool incomplete = false;
    for (auto _ : state) {
        const SImage image = RenderScene(OverdrawScene(), SCamera(), kPictureWidth, kPictureHeight);
        incomplete = image.m_incomplete;
        benchmark::DoNotOptimize(image.m_pixels.data());
    }
    state.counters["incomplete"] = incomplete ? 1 : 0;
}

// The largest of the samples' parts, as the command-line tool draws it.
const SScene& LargestSample()
{
    static const SScene scene = [] {
        SScene largest;
        size_t largestSize = 0;
        for (const auto& entry : fs::directory_iterator(MW_EXAMPLES_DIR)) {
            if (entry.path().extension() != ".bdf")
                continue;
            const std::vector<uint8_t> bytes = ReadWholeFile(entry.path());
            SPartsFile file = ReadPartsText(std::string(bytes.begin(), bytes.end()));
            for (SScene& part : file.m_scenes) {
                const size_t size = BuildMesh(part).m_triangles.size();
                if (size > largestSize)
                    largestSize = size, largest = std::move(part);
            }
        }
        return largest;
    }();
    return scene;
}

void BM_RenderSample(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderScene(LargestSample(), SCamera(), kPictureWidth, kPictureHeight).m_pixels.data());
}

void BM_RenderSampleToPng(benchmark::State& state)
{
    size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> png = EncodePng(RenderScene(LargestSample(), SCamera(), kPictureWidth, kPictureHeight));
        bytes = png.size();
        benchmark::DoNotOptimize(png.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}

// Square pictures of the given side.
void BM_RenderOverdrawSquare(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    bool incomplete = false;
    for (auto _ : state) {
        const SImage image = RenderScene(OverdrawScene(), SCamera::Standard(EView::Front), side, side);
        incomplete = image.m_incomplete;
        benchmark::DoNotOptimize(image.m_pixels.data());
    }
    state.counters["incomplete"] = incomplete ? 1 : 0;
}

void BM_RenderSampleSquare(benchmark::State& state)
{
    const int side = static_cast<int>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderScene(LargestSample(), SCamera(), side, side).m_pixels.data());
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    for (const int size : kSizes)
        benchmark->Arg(size);
}

BENCHMARK(BM_PlainRead)->Apply(Sizes)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReadPartsFile)->Apply(Sizes)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ScanLinesAndPoints)->Apply(Sizes)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_RenderBuilding)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderBuildingFromScene)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderOverdraw)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderSample)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderSampleToPng)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RenderOverdrawSquare)->Arg(800)->Arg(2048)->Arg(kLargestPicture)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RenderSampleSquare)->Arg(kLargestPicture)->Unit(benchmark::kMillisecond)->Iterations(2);

// Keeps each run's time per iteration (by its full name, size included) for the summary.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred)
                m_seconds[run.run_name.str()] = {run.real_accumulated_time / static_cast<double>(run.iterations),
                    run.cpu_accumulated_time / static_cast<double>(run.iterations)};
    }

    struct Seconds {
        double m_wall = 0;
        double m_cpu = 0;
    };
    const Seconds* Find(const std::string& name) const
    {
        const auto found = m_seconds.find(name);
        return found == m_seconds.end() ? nullptr : &found->second;
    }

private:
    std::map<std::string, Seconds> m_seconds;
};

// The goal is judged on processor time, which holds also when other programs share the machine.
void PrintReadRatios(const CRatioReporter& reporter)
{
    for (const int size : kSizes) {
        const std::string suffix = "/" + std::to_string(size) + "/min_time:1.000";
        const auto* read = reporter.Find("BM_ReadPartsFile" + suffix);
        const auto* plain = reporter.Find("BM_PlainRead" + suffix);
        const auto* scan = reporter.Find("BM_ScanLinesAndPoints" + suffix);
        if (!read || !plain || plain->m_cpu <= 0 || plain->m_wall <= 0)
            continue;
        const double ratio = read->m_cpu / plain->m_cpu;
        std::printf("read %6d parts (%9ju bytes): %8.2f ms / plain read %7.2f ms = %5.2fx wall clock; "
                    "processor time %.2fx (goal %.0fx: %s)",
            size, static_cast<uintmax_t>(fs::file_size(Files().PathFor(size))), read->m_wall * 1e3, plain->m_wall * 1e3,
            read->m_wall / plain->m_wall, ratio, kReadGoal, ratio <= kReadGoal ? "goal met" : "missed");
        if (scan)
            std::printf("; finding the lines and reading the points alone: %.2fx", scan->m_cpu / plain->m_cpu);
        std::printf("\n");
    }
}

void PrintRenderTime(const CRatioReporter& reporter, const char* name, const char* what)
{
    const auto* render = reporter.Find(std::string(name) + "/min_time:2.000");
    if (!render)
        return;
    const double ms = render->m_cpu * 1e3;
    std::printf("%s, %dx%d, %zu triangles: %.1f ms processor time = %.2fx the goal of %.0f ms (%s)\n", what,
        kPictureWidth, kPictureHeight, LargeBuildingMesh().m_triangles.size(), ms, ms / kRenderGoalMs, kRenderGoalMs,
        ms < kRenderGoalMs ? "goal met" : "missed");
}

void PrintOverdrawAndPng(const CRatioReporter& reporter)
{
    if (const auto* overdraw = reporter.Find("BM_RenderOverdraw/min_time:2.000")) {
        const double ms = overdraw->m_cpu * 1e3;
        const bool whole = !RenderScene(OverdrawScene(), SCamera(), kPictureWidth, kPictureHeight).m_incomplete;
        std::printf("%d stacked quads, %dx%d: %.1f ms processor time, %s (goal under %.0f ms: %s)\n", kOverdrawQuads,
            kPictureWidth, kPictureHeight, ms, whole ? "the whole picture" : "cut short at its bound of work",
            kOverdrawGoalMs, ms < kOverdrawGoalMs ? "goal met" : "missed");
    }
    const auto* draw = reporter.Find("BM_RenderSample/min_time:2.000");
    const auto* png = reporter.Find("BM_RenderSampleToPng/min_time:2.000");
    if (draw && png && draw->m_cpu > 0) {
        const double ratio = png->m_cpu / draw->m_cpu;
        std::printf("largest sample, %dx%d: drawn %.2f ms, drawn and written as PNG %.2f ms = %.2fx (goal %.0fx: %s)\n",
            kPictureWidth, kPictureHeight, draw->m_cpu * 1e3, png->m_cpu * 1e3, ratio, kPngGoal,
            ratio <= kPngGoal ? "goal met" : "missed");
    }
}

void PrintLargePictures(const CRatioReporter& reporter)
{
    for (const int side : {800, 2048, kLargestPicture}) {
        const auto* run = reporter.Find("BM_RenderOverdrawSquare/" + std::to_string(side) + "/iterations:1");
        if (!run)
            continue;
        const double ms = run->m_cpu * 1e3;
        std::printf("%d stacked quads, front view, %dx%d: %.1f ms processor time (goal under %.0f ms: %s)\n",
            kOverdrawQuads, side, side, ms, kLargeOverdrawGoalMs, ms < kLargeOverdrawGoalMs ? "goal met" : "missed");
    }
    if (const auto* run = reporter.Find("BM_RenderSampleSquare/" + std::to_string(kLargestPicture) + "/iterations:2")) {
        const double ms = run->m_cpu * 1e3;
        std::printf("largest sample, %dx%d: %.1f ms processor time (goal under %.0f ms: %s)\n", kLargestPicture,
            kLargestPicture, ms, kLargeSampleGoalMs, ms < kLargeSampleGoalMs ? "goal met" : "missed");
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintReadRatios(reporter);
    PrintRenderTime(reporter, "BM_RenderBuilding", "orbit step of 200 elements x 10 decorations");
    PrintRenderTime(reporter, "BM_RenderBuildingFromScene", "same building drawn from its scene");
    PrintOverdrawAndPng(reporter);
    PrintLargePictures(reporter);
    return 0;
}
