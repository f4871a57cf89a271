#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class CModelwrightDoc;

// A folder of its own for one test, removed with everything in it afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

std::string ReadText(const std::filesystem::path& path);
void WriteText(const std::filesystem::path& path, const std::string& text);

// One run of the built modelwright-cli.
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};
// memoryLimitMiB, where not 0, bounds the run's address space (not on Windows).
ToolRun RunTool(const std::vector<std::string>& args, const TempFolder& folder, size_t memoryLimitMiB = 0);
// The same with standard input read from a file.
ToolRun RunToolWithInput(const std::vector<std::string>& args, const TempFolder& folder, const std::filesystem::path& input);

// A catalogue with every kind of part and object, texts with characters beyond ASCII.
void FillSampleCatalogue(CModelwrightDoc& document);
