// The window program's two waits a user notices, each beside what Qt itself needs for the same:
// - opening 100,000 parts: the parts table filled from the catalogue and drawn, against a
//   plain list widget given the same names and drawn (processor time of this process);
// - opening a 10 MB catalogue: the program started on the file until its window shows its
//   title, against a program that only shows a bare main window (processor time of the child
//   processes, a fresh process each time).
#include "app/ModelwrightApp.h"
#include "bench/CatalogueGenerator.h"
#include "model/FileIO.h"
#include "model/ModelwrightDoc.h"
#include "model/PartsManager.h"
#include "ui/PartsTable.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr size_t kTablePartCount = 100000;
constexpr size_t kTenMegabytes = 10u * 1000 * 1000;
constexpr double kTableGoal = 1.5;
constexpr double kOpenGoal = 5.0;

std::string g_self;

struct SCatalogues {
    CModelwrightDoc table;
    QStringList names;
    fs::path folder;
    fs::path tenMegabytes;
    size_t tenMegabyteParts = 0;
    size_t tenMegabyteBytes = 0;

    SCatalogues()
    {
        GenerateCatalogue(table, kTablePartCount);
        names.reserve(qsizetype(kTablePartCount));
        for (const auto& part : table.Parts().GetList())
            names << QString::fromStdString(part->m_name);
        folder = fs::temp_directory_path() / ("mw-bench-window-" + std::to_string(std::random_device {}()));
        fs::create_directories(folder);
        tenMegabytes = folder / "ten-megabytes.wo3";
        // As many parts as make a file of 10 to 11 MB.
        CModelwrightDoc document;
        tenMegabyteParts = 20000;
        for (int attempt = 0; attempt < 8; ++attempt) {
            GenerateCatalogue(document, tenMegabyteParts);
            const std::vector<uint8_t> bytes = document.SaveToBytes();
            tenMegabyteBytes = bytes.size();
            if (bytes.size() >= kTenMegabytes && bytes.size() < kTenMegabytes * 11 / 10)
                break;
            tenMegabyteParts = size_t(double(tenMegabyteParts) * 10.5e6 / double(bytes.size())) + 1;
        }
        WriteFileAtomically(tenMegabytes, document.SaveToBytes());
    }
    ~SCatalogues()
    {
        std::error_code error;
        fs::remove_all(folder, error);
    }
};

SCatalogues& Catalogues()
{
    static SCatalogues catalogues;
    return catalogues;
}

// Shows the widget and lets it draw itself once, as the first sight of a window does.
void ShowAndDraw(QWidget& widget)
{
    widget.resize(900, 700);
    widget.show();
    widget.repaint();
    QCoreApplication::processEvents();
}

void BM_PlainListOfTheNames(benchmark::State& state)
{
    const QStringList& names = Catalogues().names;
    for (auto _ : state) {
        QListWidget list;
        list.addItems(names);
        ShowAndDraw(list);
    }
}

void BM_PartsTableOfTheParts(benchmark::State& state)
{
    const CPartsManager& parts = Catalogues().table.Parts();
    for (auto _ : state) {
        CPartsTable table;
        table.FillFromList(parts);
        ShowAndDraw(table);
    }
}

// Runs this program again with the arguments and waits for it; the time is the child's
// processor time, the wall-clock time a counter beside it.
void RunChild(benchmark::State& state, const std::vector<std::string>& arguments)
{
    double wall = 0;
    for (auto _ : state) {
        rusage before {};
        getrusage(RUSAGE_CHILDREN, &before);
        const auto start = std::chrono::steady_clock::now();
        const pid_t child = fork();
        if (child == 0) {
            std::vector<char*> argv {g_self.data()};
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            execv(g_self.c_str(), argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        rusage after {};
        getrusage(RUSAGE_CHILDREN, &after);
        const auto seconds = [](const timeval& time) { return double(time.tv_sec) + double(time.tv_usec) * 1e-6; };
        state.SetIterationTime(seconds(after.ru_utime) + seconds(after.ru_stime) - seconds(before.ru_utime)
            - seconds(before.ru_stime));
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the child process failed");
            break;
        }
    }
    state.counters["wall_ms"] = benchmark::Counter(wall * 1e3 / double(std::max<int64_t>(state.iterations(), 1)));
}

void BM_BareMainWindowProcess(benchmark::State& state)
{
    RunChild(state, {"--bare-main-window"});
}

void BM_OpenTenMegabyteCatalogueProcess(benchmark::State& state)
{
    RunChild(state, {"--open-in-program", Catalogues().tenMegabytes.string()});
}

BENCHMARK(BM_PlainListOfTheNames)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PartsTableOfTheParts)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BareMainWindowProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK(BM_OpenTenMegabyteCatalogueProcess)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

class CRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred && run.iterations > 0)
                m_seconds[run.run_name.function_name] = (run.run_name.function_name.ends_with("Process")
                                                                ? run.real_accumulated_time
                                                                : run.cpu_accumulated_time)
                    / double(run.iterations);
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatio(const char* what, const char* measured, const char* plain, double goal) const
    {
        const auto m = m_seconds.find(measured);
        const auto p = m_seconds.find(plain);
        if (m == m_seconds.end() || p == m_seconds.end() || p->second <= 0)
            return;
        const double ratio = m->second / p->second;
        std::printf("%-34s %8.1f ms / %8.1f ms processor time = %4.2fx (goal %.1fx: %s)\n", what, m->second * 1e3,
            p->second * 1e3, ratio, goal, ratio <= goal ? "goal met" : "missed");
    }

private:
    std::map<std::string, double> m_seconds;
};

// The child processes: a bare main window, or the program on a file. Each ends as soon as its
// window has shown its title: what comes after (closing, freeing) is not the user's wait.
void EndWhenShown(QApplication& application)
{
    QTimer::singleShot(0, &application, [] {
        std::fflush(nullptr);
        std::_Exit(0);
    });
}

int RunBareMainWindow(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.show();
    EndWhenShown(application);
    return application.exec();
}

int RunProgramOnFile(int argc, char** argv, const QString& path)
{
    QApplication application(argc, argv);
    CModelwrightApp program;
    if (!program.InitInstance({QStringLiteral("/nologo"), path}))
        return 1;
    EndWhenShown(application);
    return application.exec();
}

} // namespace

int main(int argc, char** argv)
{
    g_self = fs::canonical("/proc/self/exe").string();
    if (argc >= 2 && std::strcmp(argv[1], "--bare-main-window") == 0)
        return RunBareMainWindow(argc, argv);
    if (argc >= 3 && std::strcmp(argv[1], "--open-in-program") == 0)
        return RunProgramOnFile(argc, argv, QString::fromLocal8Bit(argv[2]));

    // Every process of the run draws off screen and keeps its settings to itself.
    const fs::path home = fs::temp_directory_path() / ("mw-bench-home-" + std::to_string(getpid()));
    fs::create_directories(home);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_CONFIG_HOME", home.c_str(), 1);
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    Catalogues();
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n100,000 parts: %zu; 10 MB catalogue: %zu parts, %zu bytes\n", kTablePartCount,
        Catalogues().tenMegabyteParts, Catalogues().tenMegabyteBytes);
    reporter.PrintRatio("open 100,000 parts / plain list", "BM_PartsTableOfTheParts", "BM_PlainListOfTheNames", kTableGoal);
    reporter.PrintRatio("open 10 MB catalogue / bare window", "BM_OpenTenMegabyteCatalogueProcess",
        "BM_BareMainWindowProcess", kOpenGoal);
    benchmark::Shutdown();
    std::error_code error;
    fs::remove_all(home, error);
    return 0;
}
