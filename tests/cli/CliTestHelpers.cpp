#include "cli/CliTestHelpers.h"

#include "model/Building.h"
#include "model/ModelwrightDoc.h"
#include "model/Platform.h"
#include "model/Tree.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::random_device random;
    m_path = fs::temp_directory_path() / ("mw-cli-test-" + std::to_string(random()) + std::to_string(random()));
    fs::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code error;
    fs::remove_all(m_path, error);
}

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

namespace {

std::string Quoted(const std::string& arg)
{
#ifdef _WIN32
    return '"' + arg + '"';
#else
    std::string quoted = "'";
    for (const char c : arg)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
#endif
}

// One run of the tool, its standard input from a file where one is given.
ToolRun RunToolOn(const std::vector<std::string>& args, const TempFolder& folder, size_t memoryLimitMiB, const fs::path& input)
{
    const fs::path outPath = folder / "tool-stdout.txt";
    const fs::path errPath = folder / "tool-stderr.txt";
    std::string command = Quoted(std::string(MW_BIN_DIR) + "/modelwright-cli");
#ifndef _WIN32
    if (memoryLimitMiB != 0)
        command = "ulimit -v " + std::to_string(memoryLimitMiB * 1024) + " && exec " + command;
#else
    (void)memoryLimitMiB;
#endif
    for (const std::string& arg : args)
        command += " " + Quoted(arg);
    if (!input.empty())
        command += " <" + Quoted(input.string());
    command += " >" + Quoted(outPath.string()) + " 2>" + Quoted(errPath.string());
#ifdef _WIN32
    // cmd /c drops the first and the last quote of a line that starts with one.
    command = '"' + command + '"';
#endif
    const int status = std::system(command.c_str());
    ToolRun run;
#ifdef _WIN32
    run.exitCode = status;
#else
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    run.out = ReadText(outPath);
    run.err = ReadText(errPath);
    fs::remove(outPath);
    fs::remove(errPath);
    return run;
}

} // namespace

ToolRun RunTool(const std::vector<std::string>& args, const TempFolder& folder, size_t memoryLimitMiB)
{
    return RunToolOn(args, folder, memoryLimitMiB, {});
}

ToolRun RunToolWithInput(const std::vector<std::string>& args, const TempFolder& folder, const fs::path& input)
{
    return RunToolOn(args, folder, 0, input);
}

void FillSampleCatalogue(CModelwrightDoc& document)
{
    document.OnNewDocument();
    CPartsManager& parts = document.Parts();
    CHeader& header = *parts.m_pHeader;
    header.m_name = "Scenery 2026";
    header.m_author = "Jörg Müller";
    header.m_currency = "€";
    header.m_version = 7;
    header.m_pManufacturer->m_companyName = "Bahnwerk";
    header.m_pManufacturer->m_town = "Zürich";
    header.m_pRepresentative->m_street = std::string(300, 'S');

    auto tree = std::make_unique<CTree>();
    tree->m_name = "Oak";
    tree->m_freeText = "Line 1\r\nLine 2";
    tree->m_topColor = kAutomaticColor;
    tree->m_treeType = kTreeNeedleLeaved;
    tree->m_trunkHeight = -2147483647 - 1;
    parts.Add(std::move(tree));

    auto platform = std::make_unique<CPlatform>();
    platform->m_name = "Platform Ω";
    platform->m_length = 400;
    platform->m_coverType = kCoverArched;
    platform->m_poleStyle = kPoleSquare;
    platform->m_roofColor = 0xFFFFFFFF;
    parts.Add(std::move(platform));

    auto building = std::make_unique<CBuilding>();
    building->m_name = "Station";
    building->m_catalogNo = "B 1";
    building->m_price = "12,50";
    building->m_freeText = "; after the last block\r\nLine 0 0 1 1";
    for (int i = 0; i < 2; ++i) {
        auto element = std::make_unique<CBuildingElement>();
        element->m_name = "Block " + std::to_string(i);
        element->m_positionZ = 10 * i;
        element->m_roofType = kRoofGable;
        element->m_decorations->m_name = i ? "Upper windows" : "";
        auto door = std::make_unique<CDecoration>();
        door->m_name = "Door";
        door->m_wall = kWallFront;
        door->m_subtype = kDecorationDoor;
        element->m_decorations->Add(std::move(door));
        auto window = std::make_unique<CDecoration>();
        window->m_wall = kWallRear;
        window->m_windowCount = 4;
        element->m_decorations->Add(std::move(window));
        building->Add(std::move(element));
    }
    parts.Add(std::move(building));
    parts.Add(std::make_unique<CBuilding>());
}
