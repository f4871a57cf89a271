// The memory an undo history of 100 steps takes beside a catalogue of about 60 MB, with the
// steps kept as the form keeps them (the changed part's document bytes before and after), and
// the time one edit step takes to record.
#include "bench/CatalogueGenerator.h"
#include "model/ModelwrightDoc.h"
#include "model/PartSnapshot.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#ifdef __linux__
#include <malloc.h>
#endif

namespace {

constexpr size_t kTargetFileBytes = 60'000'000;
constexpr size_t kSteps = 100;
constexpr double kGoal = 2.0;

using Snapshot = std::shared_ptr<const CPartSnapshot>;

struct SStep {
    size_t index;
    Snapshot before;
    Snapshot after;
};

Snapshot SnapshotOf(CNamedObject& part)
{
    return std::make_shared<const CPartSnapshot>(CPartSnapshot::Take(part));
}

// Edits, deletions and new parts in turn, on parts spread over the catalogue.
std::vector<SStep> MakeSteps(CModelwrightDoc& document, size_t count)
{
    std::mt19937 random(7);
    CPartsManager& parts = document.Parts();
    std::vector<SStep> steps;
    for (size_t step = 0; step < count; ++step) {
        const size_t index = random() % parts.GetCount();
        CNamedObject& part = *parts.GetList()[index];
        switch (step % 3) {
        case 0: {
            Snapshot before = SnapshotOf(part);
            part.m_name += " edited";
            steps.push_back({index, std::move(before), SnapshotOf(part)});
            break;
        }
        case 1:
            steps.push_back({index, SnapshotOf(part), nullptr});
            parts.TakeAt(index);
            break;
        default: {
            Snapshot copy = SnapshotOf(part);
            parts.InsertAt(parts.GetCount(), copy->Restore(static_cast<const CObjectManager&>(parts).ElementClasses()));
            steps.push_back({parts.GetCount() - 1, nullptr, std::move(copy)});
            break;
        }
        }
    }
    return steps;
}

#ifdef __linux__
size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void ReportHistoryMemory()
{
    CModelwrightDoc probe;
    GenerateCatalogue(probe, 1000);
    const size_t partCount = kTargetFileBytes / (probe.SaveToBytes().size() / 1000);

    const size_t heapBefore = HeapInUse();
    CModelwrightDoc document;
    GenerateCatalogue(document, partCount);
    const size_t catalogueHeap = HeapInUse() - heapBefore;
    const size_t fileBytes = document.SaveToBytes().size();
    const size_t historyBefore = HeapInUse();
    const std::vector<SStep> steps = MakeSteps(document, kSteps);
    const double historyHeap = static_cast<double>(HeapInUse()) - static_cast<double>(historyBefore);
    const double total = static_cast<double>(catalogueHeap) + historyHeap;
    std::printf("catalogue of %zu parts: file %.1f MB, in memory %.1f MB; history of %zu steps %.2f MB; "
                "together %.3fx the catalogue (goal %.1fx: %s)\n",
        partCount, static_cast<double>(fileBytes) / 1e6, static_cast<double>(catalogueHeap) / 1e6, steps.size(),
        historyHeap / 1e6, total / static_cast<double>(catalogueHeap), kGoal,
        total <= kGoal * static_cast<double>(catalogueHeap) ? "goal met" : "missed");
}
#endif

void BM_RecordEditOfABuilding(benchmark::State& state)
{
    CModelwrightDoc document;
    GenerateCatalogue(document, 3);
    CNamedObject& building = *document.Parts().GetList()[2];
    for (auto _ : state) {
        Snapshot before = SnapshotOf(building);
        Snapshot after = SnapshotOf(building);
        benchmark::DoNotOptimize(after);
    }
}
BENCHMARK(BM_RecordEditOfABuilding)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
#ifdef __linux__
    ReportHistoryMemory();
#endif
    benchmark::Shutdown();
    return 0;
}
