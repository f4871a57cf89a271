// The helper of scripts/bench-table.sh: makes benchmark catalogues of a given size, opens one
// as the program does (for measuring loading as a process of its own), and runs a command
// while measuring its wall time, processor time and peak memory.
#include "bench/CatalogueGenerator.h"
#include "model/ModelwrightDoc.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int Usage()
{
    std::fprintf(stderr,
        "usage: mw_process_bench make MEGABYTES FILE.wo3\n"
        "       mw_process_bench load FILE.wo3\n"
        "       mw_process_bench idle\n"
        "       mw_process_bench measure OUTPUT|- COMMAND [ARG...]\n"
        "measure prints: wall seconds, processor seconds (user and system), peak resident KiB\n");
    return 2;
}

// Parts enough for about the given size: the size of a small catalogue scaled up.
int MakeCatalogue(double megabytes, const char* path)
{
    constexpr size_t kSample = 3000;
    CModelwrightDoc sample;
    GenerateCatalogue(sample, kSample);
    const double bytesPerPart = static_cast<double>(sample.SaveToBytes().size()) / kSample;
    const auto count = static_cast<size_t>(megabytes * 1e6 / bytesPerPart) / 3 * 3 + 3;
    CModelwrightDoc document;
    GenerateCatalogue(document, count);
    document.SaveDocumentFile(path);
    std::printf("%zu\n", count);
    return 0;
}

CModelwrightDoc* s_leftToProcessEnd = nullptr;

// Opened as the command-line tool opens a catalogue: it is left to the system to take back
// with the process, not freed piece by piece.
int LoadCatalogue(const char* path)
{
    auto document = std::make_unique<CModelwrightDoc>();
    document->OpenDocumentFile(path);
    s_leftToProcessEnd = document.release();
    return 0;
}

double Seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

int Measure(const char* output, char** command)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return 1;
    if (child == 0) {
        if (std::strcmp(output, "-") != 0) {
            const int file = open(output, O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (file < 0 || dup2(file, STDOUT_FILENO) < 0)
                _exit(127);
            close(file);
        }
        execvp(command[0], command);
        _exit(127);
    }
    int status = 0;
    rusage usage {};
    if (wait4(child, &status, 0, &usage) != child)
        return 1;
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    std::printf("%.6f %.6f %ld\n", wall.count(), Seconds(usage.ru_utime) + Seconds(usage.ru_stime), usage.ru_maxrss);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 4 && std::strcmp(argv[1], "make") == 0)
            return MakeCatalogue(std::atof(argv[2]), argv[3]);
        if (argc == 3 && std::strcmp(argv[1], "load") == 0)
            return LoadCatalogue(argv[2]);
        if (argc == 2 && std::strcmp(argv[1], "idle") == 0)
            return 0;
        if (argc >= 4 && std::strcmp(argv[1], "measure") == 0)
            return Measure(argv[2], argv + 3);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "mw_process_bench: %s\n", error.what());
        return 1;
    }
    return Usage();
}
