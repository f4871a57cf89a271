#include "cli/ConsoleOutput.h"

#include <gtest/gtest.h>

// Only a Windows console shows a code page other than UTF-8; elsewhere there is nothing to test.
#ifdef _WIN32
#include <windows.h>

namespace {

// Standard output and error pointed at a handle while a test runs.
class CStandardStreams {
public:
    explicit CStandardStreams(HANDLE handle)
        : m_output(GetStdHandle(STD_OUTPUT_HANDLE))
        , m_error(GetStdHandle(STD_ERROR_HANDLE))
    {
        SetStdHandle(STD_OUTPUT_HANDLE, handle);
        SetStdHandle(STD_ERROR_HANDLE, handle);
    }
    ~CStandardStreams()
    {
        SetStdHandle(STD_OUTPUT_HANDLE, m_output);
        SetStdHandle(STD_ERROR_HANDLE, m_error);
    }

private:
    HANDLE m_output;
    HANDLE m_error;
};

HANDLE OpenConsoleOutput()
{
    return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, 0, nullptr);
}

} // namespace

TEST(ConsoleOutput, AConsoleInAnotherCodePageShowsUtf8AndAFileIsLeftAlone)
{
    // The West European console's code page, as a German or French Windows has it, on the
    // test's console or on one of its own when the one it has takes no code page.
    if (!SetConsoleOutputCP(850)) {
        FreeConsole();
        if (!AllocConsole() || !SetConsoleOutputCP(850))
            GTEST_SKIP() << "no console can be made here (error " << GetLastError() << ")";
    }

    const HANDLE file = CreateFileW(L"NUL", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    {
        const CStandardStreams redirected(file);
        ShowUtf8OnConsole();
    }
    CloseHandle(file);
    EXPECT_EQ(GetConsoleOutputCP(), 850u) << "output to a file switched the console";

    const HANDLE console = OpenConsoleOutput();
    ASSERT_NE(console, INVALID_HANDLE_VALUE);
    {
        const CStandardStreams onConsole(console);
        ShowUtf8OnConsole();
    }
    CloseHandle(console);
    EXPECT_EQ(GetConsoleOutputCP(), static_cast<UINT>(CP_UTF8));
}
#endif
