// Saving and loading a catalogue of 100,000 parts, measured beside a plain write and a plain
// read of the same file bytes in the same run, and the memory a loaded catalogue takes.
#include "bench/CatalogueGenerator.h"
#include "model/FileIO.h"
#include "model/ModelwrightDoc.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>

#ifdef __linux__
#include <malloc.h>
#include <sys/resource.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr size_t kPartCount = 100000;

constexpr double kLoadGoal = 15.0;
constexpr double kSaveGoal = 8.0;
constexpr double kMemoryGoalPerFileByte = 2.5;

// The catalogue and its file, made once for every benchmark of the run.
struct CatalogueFiles {
    CModelwrightDoc document;
    std::vector<uint8_t> bytes;
    fs::path folder;
    fs::path documentPath;
    fs::path plainPath;

    CatalogueFiles()
    {
        GenerateCatalogue(document, kPartCount);
        bytes = document.SaveToBytes();
        folder = fs::temp_directory_path() / ("mw-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        documentPath = folder / "catalogue.wo3";
        plainPath = folder / "plain.bin";
        WriteFileAtomically(documentPath, bytes);
    }
    ~CatalogueFiles()
    {
        std::error_code error;
        fs::remove_all(folder, error);
    }
};

CatalogueFiles& Files()
{
    static CatalogueFiles files;
    return files;
}

void SetBytes(benchmark::State& state)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Files().bytes.size()));
}

void BM_PlainWrite(benchmark::State& state)
{
    for (auto _ : state)
        WriteFileAtomically(Files().plainPath, Files().bytes);
    SetBytes(state);
}

void BM_Save(benchmark::State& state)
{
    for (auto _ : state)
        Files().document.SaveDocumentFile(Files().documentPath);
    SetBytes(state);
}

void BM_PlainRead(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadWholeFile(Files().documentPath));
    SetBytes(state);
}

void BM_Load(benchmark::State& state)
{
    for (auto _ : state) {
        auto document = std::make_unique<CModelwrightDoc>();
        document->OpenDocumentFile(Files().documentPath);
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    SetBytes(state);
}

// The archive alone, without the file system.
void BM_SerializeToMemory(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Files().document.SaveToBytes());
    SetBytes(state);
}

void BM_DeserializeFromMemory(benchmark::State& state)
{
    for (auto _ : state) {
        auto document = std::make_unique<CModelwrightDoc>();
        document->OnNewDocument();
        document->LoadFromBytes(Files().bytes);
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    SetBytes(state);
}

BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_SerializeToMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_DeserializeFromMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

// Keeps each benchmark's time per iteration for the ratios printed after the run.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            const double iterations = static_cast<double>(run.iterations);
            m_times[run.run_name.function_name] = {
                run.real_accumulated_time / iterations, run.cpu_accumulated_time / iterations};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Wall-clock time is what the user waits; processor time shows the work when other
    // programs share the machine, so the goal is judged on it.
    void PrintRatio(const char* what, const std::string& measured, const std::string& plain, double goal) const
    {
        const auto m = m_times.find(measured);
        const auto p = m_times.find(plain);
        if (m == m_times.end() || p == m_times.end() || p->second.real <= 0 || p->second.cpu <= 0)
            return;
        const double cpuRatio = m->second.cpu / p->second.cpu;
        std::printf("%-5s %8.1f ms / %-13s %8.1f ms = %5.1fx wall clock; processor time %.1fx (goal %.0fx: %s)\n",
            what, m->second.real * 1e3, plain.c_str(), p->second.real * 1e3, m->second.real / p->second.real,
            cpuRatio, goal, cpuRatio <= goal ? "goal met" : "missed");
    }

private:
    struct Seconds {
        double real;
        double cpu;
    };
    std::map<std::string, Seconds> m_times;
};

#ifdef __linux__
long MaxResidentKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Run in a fresh process, so that nothing else of the benchmark weighs in: opens the file and
// prints the peak resident size before and after, and the heap the loaded catalogue holds.
int ReportLoadMemory(const char* path)
{
    const long before = MaxResidentKiB();
    const size_t heapBefore = HeapInUse();
    CModelwrightDoc document;
    document.OpenDocumentFile(path);
    std::printf("%ld %ld %zu\n", before, MaxResidentKiB(), HeapInUse() - heapBefore);
    return 0;
}

void PrintLoadMemory(const std::string& self)
{
    const std::string command = "'" + self + "' --load-memory '" + Files().documentPath.string() + "'";
    FILE* child = popen(command.c_str(), "r");
    long before = 0;
    long after = 0;
    size_t heap = 0;
    const bool read = child && std::fscanf(child, "%ld %ld %zu", &before, &after, &heap) == 3;
    if (child)
        pclose(child);
    if (!read) {
        std::printf("memory: could not measure\n");
        return;
    }
    const double fileBytes = static_cast<double>(Files().bytes.size());
    const double peakBytes = after * 1024.0;
    // The peak less what the process held before opening the file.
    const double catalogueBytes = peakBytes - before * 1024.0;
    const double goalBytes = kMemoryGoalPerFileByte * fileBytes;
    std::printf("file %.1f MB; loading it: peak resident %.1f MB (%.1f MB before), catalogue heap %.1f MB "
                "= %.2fx file\n",
        fileBytes / 1e6, peakBytes / 1e6, before * 1024.0 / 1e6, static_cast<double>(heap) / 1e6,
        static_cast<double>(heap) / fileBytes);
    std::printf("peak for the catalogue %.2fx file (goal %.1fx: %s)\n", catalogueBytes / fileBytes,
        kMemoryGoalPerFileByte, catalogueBytes <= goalBytes ? "goal met" : "missed");
}
#endif

} // namespace

int main(int argc, char** argv)
{
#ifdef __linux__
    if (argc == 3 && std::strcmp(argv[1], "--load-memory") == 0)
        return ReportLoadMemory(argv[2]);
    const std::string self = fs::read_symlink("/proc/self/exe").string();
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("Catalogue of %zu parts: %zu bytes\n", kPartCount, Files().bytes.size());
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("load", "BM_Load", "BM_PlainRead", kLoadGoal);
    reporter.PrintRatio("save", "BM_Save", "BM_PlainWrite", kSaveGoal);
#ifdef __linux__
    PrintLoadMemory(self);
#endif
    benchmark::Shutdown();
    return 0;
}
