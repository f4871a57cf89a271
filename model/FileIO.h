#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

// The thin layer between the formats (which work on memory) and the file system. Failures
// throw CFileException with the text the user sees.

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path);

// Writes the bytes to a temporary file beside the target, flushes and syncs it, then renames
// it over the target: a failure leaves an existing target exactly as it was.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);
