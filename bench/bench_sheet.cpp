// The catalogue sheet as a PDF beside drawing its pictures as the command-line tool's render
// does: per part, the two pictures of a card (the 3D view and the plan, each 479 x 378 dots,
// what an A4 portrait card holds at 300 dpi) drawn from the part's parts-file text and written
// as PNG. Goal: the PDF takes at most 1.5 times the pictures' own time per part.
#include "bench/CatalogueGenerator.h"
#include "bench/RatioReporter.h"
#include "cli/PngFile.h"
#include "export/PartsFileWriter.h"
#include "model/PartsManager.h"
#include "scene/PartsReader.h"
#include "scene/Renderer.h"
#include "ui/SheetPdf.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>

#include <cstdio>
#include <filesystem>
#include <random>

namespace fs = std::filesystem;

namespace {

constexpr size_t kParts = 60;
constexpr int kPictureWidth = 479;
constexpr int kPictureHeight = 378;
constexpr double kGoal = 1.5;

SSheetContent GeneratedSheet()
{
    const CPartsManager& parts = SharedGeneratedCatalogue(kParts);
    SSheetContent content;
    content.m_name = QStringLiteral("bench");
    content.m_header = parts.m_pHeader.get();
    for (const auto& part : parts.GetList())
        content.m_parts.push_back(part.get());
    return content;
}

void BM_SheetPdf(benchmark::State& state)
{
    const SSheetContent content = GeneratedSheet();
    const fs::path path = fs::temp_directory_path() / ("mw-bench-sheet-" + std::to_string(std::random_device {}()) + ".pdf");
    const QPageLayout page(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    for (auto _ : state)
        WriteCatalogueSheetPdf(path, content, page);
    state.counters["bytes"] = static_cast<double>(fs::file_size(path));
    fs::remove(path);
}
BENCHMARK(BM_SheetPdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Iterations(3);

// What "modelwright-cli render" does for each picture, once for the view and once for the plan.
void BM_RenderThePictures(benchmark::State& state)
{
    const CPartsManager& parts = SharedGeneratedCatalogue(kParts);
    const CProgramOptions options;
    size_t bytes = 0;
    for (auto _ : state) {
        for (const auto& part : parts.GetList()) {
            for (EView view : {EView::Iso, EView::Plan}) {
                const SPartsFile file = ReadPartsText(ExportPartToText(*part, options));
                const SImage picture = RenderScene(file.m_scenes.front(), SCamera::Standard(view), kPictureWidth, kPictureHeight);
                bytes += EncodePng(picture).size();
            }
        }
    }
    benchmark::DoNotOptimize(bytes);
}
BENCHMARK(BM_RenderThePictures)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Iterations(3);

}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto pdf = reporter.m_seconds.find("BM_SheetPdf");
    const auto pictures = reporter.m_seconds.find("BM_RenderThePictures");
    if (pdf == reporter.m_seconds.end() || pictures == reporter.m_seconds.end())
        return 0;
    const double perPart = 1e3 / kParts;
    const double wall = pdf->second.m_wall / pictures->second.m_wall;
    std::printf("\n%zu generated parts, two pictures each\n", kParts);
    std::printf("PDF per part / pictures per part: %6.2f ms / %6.2f ms wall = %4.2fx (goal %.1fx: %s)\n",
        pdf->second.m_wall * perPart, pictures->second.m_wall * perPart, wall, kGoal, wall <= kGoal ? "met" : "missed");
    std::printf("                   processor time: %6.2f ms / %6.2f ms      = %4.2fx\n", pdf->second.m_cpu * perPart,
        pictures->second.m_cpu * perPart, pdf->second.m_cpu / pictures->second.m_cpu);
    return 0;
}
