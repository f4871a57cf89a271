#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

// Exit statuses of the command-line tool.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // an input that is no catalogue, or a file that cannot be written
inline constexpr int kExitUsage = 2;

// Runs the tool on the arguments after the program's name (UTF-8): an input named "-" is read
// from in, results go to out, messages to err. Returns the exit status.
int RunCommandLineTool(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

// For the tool's own process, which ends right after one run: the catalogue the run reads is
// left for the system to take back with the process instead of being freed piece by piece.
void LeaveCataloguesToProcessEnd();
