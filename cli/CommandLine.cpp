#include "cli/CommandLine.h"

#include "cli/NullDevice.h"
#include "model/ChoiceCodes.h"
#include "model/Exceptions.h"
#include "scene/MeshWriter.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "Usage:\n"
    "  modelwright-cli dump FILE.wo3\n"
    "      Prints the catalogue of a document file as JSON.\n"
    "  modelwright-cli build FILE.json -o FILE.wo3\n"
    "      Saves a JSON catalogue as a document file. FILE.json - reads standard input.\n"
    "  modelwright-cli export INPUT -o FILE.bdf [--language ID] [--winrail ID] [--hexahedron N]\n"
    "      Writes the parts file of a document file or (by its .json extension) a JSON catalogue.\n"
    "      --language    the language of the keywords: 108 or de (German), 154 or nl (Dutch);\n"
    "                    112 or en, 110 or fr and 106 or default (the Options' \"Default\")\n"
    "                    give English keywords. Without --language: 112 (English)\n"
    "      --winrail     156 (5.x) or 157 (6.x); default 157\n"
    "      --hexahedron  any whole number; default 1\n"
    "      Faults in the parts' free texts are listed on standard error; they do not stop it.\n"
    "  modelwright-cli render INPUT -o FILE.png [--part NAME | --index N] [--view VIEW]\n"
    "                  [--size WxH] [--yaw DEGREES] [--pitch DEGREES]\n"
    "      Draws one part of a document file, a JSON catalogue or a parts file (.bdf) as a PNG\n"
    "      picture. --part chooses the part by name, --index the n-th part counted from 1\n"
    "      (default: the first). VIEW is iso (default), front, side, top or plan; --size\n"
    "      defaults to 800x600 (at most 8192x8192); --yaw and --pitch turn the view.\n"
    "  modelwright-cli mesh INPUT -o FILE.glb|FILE.obj [--part NAME | --index N | --all]\n"
    "                  [--scale 1:N]\n"
    "      Writes parts of a document file, a JSON catalogue or a parts file as a 3D model:\n"
    "      glTF binary (.glb) or Wavefront OBJ (.obj, with its .mtl beside it), in metres\n"
    "      with +Y up, one object per part and one material per colour. --part and --index\n"
    "      choose one part as for render, --all takes every part, side by side in a row.\n"
    "      --scale 1:87 turns a model of that scale into its real size (default 1:1).\n"
    "  modelwright-cli check FILE.bdf\n"
    "      Reads a parts file (- reads standard input) and prints what is wrong with it, one\n"
    "      line each, as FILE:LINE:COLUMN: error|warning: message, and last how many more there\n"
    "      are when the list stops at 1,000. Exit status 0 when there are no errors.\n"
    "  modelwright-cli --help\n"
    "  modelwright-cli --version\n"
    "-o - writes to standard output (mesh: a .glb); -o /dev/null (NUL on Windows) makes the\n"
    "output and keeps none.\n"
    "Exit status: 0 success, 1 an input that cannot be read or an output that cannot be\n"
    "written (nothing is written then), 2 wrong arguments.\n";

struct NamedValue {
    std::string_view name;
    int32_t value;
};

constexpr NamedValue kLanguageNames[] = {
    {"default", kLanguageDefault},
    {"de", kLanguageGerman},
    {"fr", kLanguageFrench},
    {"en", kLanguageEnglish},
    {"nl", kLanguageDutch},
};

constexpr NamedValue kWinrailNames[] = {
    {"5.x", kWinrail5},
    {"6.x", kWinrail6},
};

std::optional<int32_t> ParseInt32(std::string_view text)
{
    int32_t value = 0;
    const char* end = text.data() + text.size();
    const char* begin = text.data();
    if (begin != end && *begin == '+')
        ++begin;
    const auto result = std::from_chars(begin, end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<int32_t> ParseNamedOrNumber(std::string_view text, std::span<const NamedValue> names)
{
    for (const NamedValue& named : names)
        if (text == named.name)
            return named.value;
    return ParseInt32(text);
}

int32_t ParseLanguage(std::string_view text)
{
    const auto value = ParseNamedOrNumber(text, kLanguageNames);
    for (const NamedValue& named : kLanguageNames)
        if (value == named.value)
            return *value;
    throw CUsageError("--language takes 106, 108, 110, 112 or 154, not \"" + std::string(text) + "\"");
}

int32_t ParseWinrailVersion(std::string_view text)
{
    if (const auto value = ParseNamedOrNumber(text, kWinrailNames))
        return *value;
    throw CUsageError("--winrail takes a number such as 156 or 157, not \"" + std::string(text) + "\"");
}

int32_t ParseHexahedronSwitch(std::string_view text)
{
    if (const auto value = ParseInt32(text))
        return *value;
    throw CUsageError("--hexahedron takes a whole number, not \"" + std::string(text) + "\"");
}

CCliRequest::Command CommandNamed(std::string_view name)
{
    if (name == "dump")
        return CCliRequest::Command::dump;
    if (name == "build")
        return CCliRequest::Command::build;
    if (name == "export")
        return CCliRequest::Command::exportParts;
    if (name == "render")
        return CCliRequest::Command::render;
    if (name == "mesh")
        return CCliRequest::Command::mesh;
    if (name == "check")
        return CCliRequest::Command::check;
    throw CUsageError("unknown command \"" + std::string(name) + "\"");
}

// Options and file names after the command word, checked against what the command takes.
class CArgumentReader {
public:
    CArgumentReader(CCliRequest& request, std::span<const std::string> args)
        : m_request(request)
        , m_args(args)
    {
    }

    void ReadAll()
    {
        bool optionsEnded = false;
        for (m_next = 0; m_next < m_args.size();) {
            const std::string& arg = m_args[m_next++];
            if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-')
                TakeFileName(arg);
            else if (arg == "--")
                optionsEnded = true;
            else
                TakeOption(arg);
        }
        if (m_request.m_input.empty())
            throw CUsageError("no input file given");
        if (NeedsOutput() && m_request.m_output.empty())
            throw CUsageError("no output file given (-o FILE)");
        if (m_request.m_input == kStandardStream && !ReadsStandardInput())
            throw CUsageError("only build and check read standard input (-)");
        // Standard output and the null device take a .glb.
        const bool meshStream = m_request.m_output == kStandardStream || IsNullDevice(m_request.m_output);
        if (m_request.m_command == CCliRequest::Command::mesh && !meshStream && !IsMeshFileName(PathFromUtf8(m_request.m_output)))
            throw CUsageError("mesh writes a .glb or an .obj file, not \"" + m_request.m_output + "\"");
    }

private:
    bool NeedsOutput() const
    {
        return m_request.m_command != CCliRequest::Command::dump && m_request.m_command != CCliRequest::Command::check;
    }
    bool ReadsStandardInput() const
    {
        return m_request.m_command == CCliRequest::Command::build || m_request.m_command == CCliRequest::Command::check;
    }
    bool TakesRenderOptions() const { return m_request.m_command == CCliRequest::Command::render; }
    bool TakesMeshOptions() const { return m_request.m_command == CCliRequest::Command::mesh; }
    bool TakesPartChoice() const { return TakesRenderOptions() || TakesMeshOptions(); }
    bool TakesExportOptions() const { return m_request.m_command == CCliRequest::Command::exportParts; }

    void TakeFileName(const std::string& arg)
    {
        if (!m_request.m_input.empty())
            throw CUsageError("more than one input file given");
        m_request.m_input = arg;
    }

    void TakeOption(const std::string& arg)
    {
        // "--name=value" and "--name value" are both understood.
        std::string name = arg;
        std::optional<std::string> inlineValue;
        if (const auto equals = arg.find('='); arg.rfind("--", 0) == 0 && equals != std::string::npos) {
            name = arg.substr(0, equals);
            inlineValue = arg.substr(equals + 1);
        }
        if (name == "-o" || name == "--output") {
            if (!NeedsOutput())
                throw CUsageError(name + " is not an option of this command");
            TakeOnce(m_outputGiven, name);
            m_request.m_output = Value(name, inlineValue);
            if (m_request.m_output.empty())
                throw CUsageError(name + " needs a file name");
        } else if (TakesExportOptions() && name == "--language") {
            TakeOnce(m_languageGiven, name);
            m_request.m_options.m_language = ParseLanguage(Value(name, inlineValue));
        } else if (TakesExportOptions() && name == "--winrail") {
            TakeOnce(m_winrailGiven, name);
            m_request.m_options.m_winrailVersion = ParseWinrailVersion(Value(name, inlineValue));
        } else if (TakesExportOptions() && name == "--hexahedron") {
            TakeOnce(m_hexahedronGiven, name);
            m_request.m_options.m_hexahedronBugfix = ParseHexahedronSwitch(Value(name, inlineValue));
        } else if (!(TakesPartChoice() && TakePartChoice(name, inlineValue))
            && !(TakesRenderOptions() && TakeRenderOption(name, inlineValue))
            && !(TakesMeshOptions() && TakeMeshOption(name, inlineValue))) {
            throw CUsageError("unknown option \"" + arg + "\"");
        }
    }

    bool TakePartChoice(const std::string& name, const std::optional<std::string>& inlineValue)
    {
        const char* choices = TakesMeshOptions() ? "--part, --index or --all" : "--part or --index";
        if (name == "--part") {
            TakeOnce(m_partGiven, choices);
            m_request.m_partName = Value(name, inlineValue);
        } else if (name == "--index") {
            TakeOnce(m_partGiven, choices);
            const auto index = ParseInt32(Value(name, inlineValue));
            if (!index || *index < 1)
                throw CUsageError("--index takes a whole number from 1 on");
            m_request.m_partIndex = *index;
        } else if (TakesMeshOptions() && name == "--all") {
            if (inlineValue)
                throw CUsageError("--all takes no value");
            TakeOnce(m_partGiven, choices);
            m_request.m_allParts = true;
        } else {
            return false;
        }
        return true;
    }

    bool TakeMeshOption(const std::string& name, const std::optional<std::string>& inlineValue)
    {
        if (name != "--scale")
            return false;
        TakeOnce(m_scaleGiven, name);
        m_request.m_scale = ParseScale(Value(name, inlineValue));
        return true;
    }

    // "1:87": one unit of the model stands for 87 of the real thing.
    static double ParseScale(const std::string& text)
    {
        const size_t colon = text.find(':');
        const auto model = colon == std::string::npos ? std::nullopt : ParseInt32(std::string_view(text).substr(0, colon));
        const auto real = colon == std::string::npos ? std::nullopt : ParseInt32(std::string_view(text).substr(colon + 1));
        if (!model || !real || *model < 1 || *real < 1)
            throw CUsageError("--scale takes MODEL:REAL in whole numbers such as 1:87, not \"" + text + "\"");
        return static_cast<double>(*real) / *model;
    }

    bool TakeRenderOption(const std::string& name, const std::optional<std::string>& inlineValue)
    {
        if (name == "--view") {
            TakeOnce(m_viewGiven, name);
            m_request.m_view = Value(name, inlineValue);
            if (m_request.m_view != "iso" && m_request.m_view != "front" && m_request.m_view != "side"
                && m_request.m_view != "top" && m_request.m_view != "plan")
                throw CUsageError("--view takes iso, front, side, top or plan, not \"" + m_request.m_view + "\"");
        } else if (name == "--size") {
            TakeOnce(m_sizeGiven, name);
            ParseSize(Value(name, inlineValue));
        } else if (name == "--yaw") {
            TakeOnce(m_yawGiven, name);
            m_request.m_yaw = ParseAngle(name, Value(name, inlineValue));
        } else if (name == "--pitch") {
            TakeOnce(m_pitchGiven, name);
            m_request.m_pitch = ParseAngle(name, Value(name, inlineValue));
        } else {
            return false;
        }
        return true;
    }

    void ParseSize(const std::string& text)
    {
        const size_t x = text.find('x');
        const auto width = x == std::string::npos ? std::nullopt : ParseInt32(std::string_view(text).substr(0, x));
        const auto height = x == std::string::npos ? std::nullopt : ParseInt32(std::string_view(text).substr(x + 1));
        constexpr int32_t largest = 8192;
        if (!width || !height || *width < 1 || *height < 1 || *width > largest || *height > largest)
            throw CUsageError("--size takes WIDTHxHEIGHT from 1x1 to 8192x8192, not \"" + text + "\"");
        m_request.m_width = *width;
        m_request.m_height = *height;
    }

    static double ParseAngle(const std::string& name, const std::string& text)
    {
        const auto degrees = ParseInt32(text);
        if (!degrees || *degrees < -3600 || *degrees > 3600)
            throw CUsageError(name + " takes whole degrees, not \"" + text + "\"");
        return *degrees;
    }

    static void TakeOnce(bool& given, const std::string& name)
    {
        if (given)
            throw CUsageError(name + " given twice");
        given = true;
    }

    std::string Value(const std::string& name, const std::optional<std::string>& inlineValue)
    {
        if (inlineValue)
            return *inlineValue;
        if (m_next >= m_args.size())
            throw CUsageError(name + " needs a value");
        return m_args[m_next++];
    }

    CCliRequest& m_request;
    std::span<const std::string> m_args;
    size_t m_next = 0;
    bool m_outputGiven = false;
    bool m_languageGiven = false;
    bool m_winrailGiven = false;
    bool m_hexahedronGiven = false;
    bool m_partGiven = false;
    bool m_viewGiven = false;
    bool m_sizeGiven = false;
    bool m_yawGiven = false;
    bool m_pitchGiven = false;
    bool m_scaleGiven = false;
};

} // namespace

const char* UsageText()
{
    return kUsage;
}

CCliRequest ParseCommandLine(std::span<const std::string> args)
{
    CCliRequest request;
    if (args.empty())
        throw CUsageError("no command given");
    const std::string& first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        if (args.size() > 1)
            throw CUsageError("--help takes no arguments");
        request.m_command = CCliRequest::Command::help;
        return request;
    }
    if (first == "--version") {
        if (args.size() > 1)
            throw CUsageError("--version takes no arguments");
        request.m_command = CCliRequest::Command::version;
        return request;
    }
    request.m_command = CommandNamed(first);
    CArgumentReader(request, args.subspan(1)).ReadAll();
    return request;
}
