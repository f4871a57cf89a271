#pragma once

#include "settings/ProgramOptions.h"

#include <optional>
#include <span>
#include <stdexcept>
#include <string>

// The file name that stands for standard input (build, check) or standard output (-o).
inline constexpr const char* kStandardStream = "-";

// What one run of the command-line tool is asked to do.
struct CCliRequest {
    enum class Command { help, version, dump, build, exportParts, render, mesh, check };

    Command m_command = Command::help;
    std::string m_input;  // UTF-8
    std::string m_output; // UTF-8
    // The tool never reads the window program's settings: options not given keep the defaults.
    CProgramOptions m_options;

    // render and mesh: which part (by name, or the n-th from 1; the first when neither) and how.
    std::string m_partName;
    int32_t m_partIndex = 0;
    // mesh: every part instead of one, and the real size per model size (87 for 1:87).
    bool m_allParts = false;
    double m_scale = 1;
    std::string m_view = "iso";
    int32_t m_width = 800;
    int32_t m_height = 600;
    std::optional<double> m_yaw;
    std::optional<double> m_pitch;
};

// Arguments the tool cannot make sense of; the run ends with exit status 2 and the usage.
class CUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the arguments after the program's name. Throws CUsageError.
CCliRequest ParseCommandLine(std::span<const std::string> args);

// The usage text, ending in a line feed.
const char* UsageText();
