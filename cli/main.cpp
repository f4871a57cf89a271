#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "model/FileIO.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>
#endif

namespace {

#ifdef _WIN32
// The arguments as UTF-8, whatever the console's code page.
std::vector<std::string> ArgumentsAsUtf8(int, char**)
{
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(size > 0 ? size - 1 : 0, '\0');
        if (size > 1)
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
        args.push_back(std::move(arg));
    }
    LocalFree(wide);
    return args;
}
#else
std::vector<std::string> ArgumentsAsUtf8(int argc, char** argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}
#endif

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args = ArgumentsAsUtf8(argc, argv);
    RemoveTemporaryFilesOnTermination();
    LeaveCataloguesToProcessEnd();
#ifdef _WIN32
    // The JSON, parts files and pictures on standard output are the same bytes on every system,
    // and what comes in on standard input is read as it is.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    ShowUtf8OnConsole();
    return RunCommandLineTool(args, std::cin, std::cout, std::cerr);
}
