// Exporting the parts file of a large catalogue, measured beside plainly writing the same
// bytes to a file, so that the formatting cost shows as a ratio on any machine.

#include "bench/CatalogueGenerator.h"
#include "bench/RatioReporter.h"
#include "export/PartsFileWriter.h"
#include "settings/ProgramOptions.h"
#include "model/FileIO.h"
#include "model/PartsManager.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr size_t kParts = 100000;
constexpr double kExportGoal = 4.0;

const CPartsManager& Catalogue()
{
    return SharedGeneratedCatalogue(kParts);
}

const std::string& ExportedBytes()
{
    static const std::string bytes = ExportToText(Catalogue(), CProgramOptions());
    return bytes;
}

fs::path OutputPath()
{
    static const fs::path path = fs::temp_directory_path() / ("mw-bench-export-" + std::to_string(std::random_device{}()) + ".bdf");
    return path;
}

void BM_ExportToFile(benchmark::State& state)
{
    const CPartsManager& parts = Catalogue();
    for (auto _ : state)
        ExportToFile(parts, CProgramOptions(), OutputPath());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ExportedBytes().size()));
}

void BM_ExportToMemory(benchmark::State& state)
{
    const CPartsManager& parts = Catalogue();
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportToText(parts, CProgramOptions()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ExportedBytes().size()));
}

void BM_PlainWrite(benchmark::State& state)
{
    const std::string& bytes = ExportedBytes();
    for (auto _ : state) {
        FILE* file = std::fopen(OutputPath().c_str(), "wb");
        if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
            state.SkipWithError("cannot write the output file");
            if (file)
                std::fclose(file);
            break;
        }
        std::fclose(file);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

void BM_AtomicWrite(benchmark::State& state)
{
    const std::string& bytes = ExportedBytes();
    for (auto _ : state)
        WriteFileAtomically(OutputPath(), bytes);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

// The process's processor time: a large file is written by a thread of its own.
BENCHMARK(BM_ExportToFile)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->MinTime(2.0);
BENCHMARK(BM_ExportToMemory)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->MinTime(2.0);
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->MinTime(2.0);
BENCHMARK(BM_AtomicWrite)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("catalogue of %zu parts: %zu bytes of parts file\n", kParts, ExportedBytes().size());
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::error_code error;
    fs::remove(OutputPath(), error);

    const auto& seconds = reporter.m_seconds;
    // The goal is judged on processor time, which holds also when other programs share the machine.
    const auto ratio = [&](const char* measured, const char* baseline) {
        const auto m = seconds.find(measured);
        const auto b = seconds.find(baseline);
        if (m == seconds.end() || b == seconds.end() || b->second.m_wall <= 0 || b->second.m_cpu <= 0)
            return;
        const double cpuRatio = m->second.m_cpu / b->second.m_cpu;
        std::printf("%s / %s: %.2f wall time, %.2f processor time (goal %.0fx: %s)\n", measured, baseline,
            m->second.m_wall / b->second.m_wall, cpuRatio, kExportGoal, cpuRatio <= kExportGoal ? "goal met" : "missed");
    };
    ratio("BM_ExportToFile", "BM_PlainWrite");
    ratio("BM_ExportToFile", "BM_AtomicWrite");
    ratio("BM_ExportToMemory", "BM_PlainWrite");
    return 0;
}
