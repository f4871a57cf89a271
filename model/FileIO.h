#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

// The thin layer between the formats (which work on memory) and the file system. Failures
// throw CFileException with the text the user sees.

std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path);

// The bytes of a whole file, read in one go into memory that is not cleared first. A reader
// that goes through them once can give back what it has passed, so that a file and what is
// made from it need not be held whole at the same time.
class CFileBytes {
public:
    explicit CFileBytes(const std::filesystem::path& path);

    std::span<const uint8_t> Bytes() const { return {m_data.get(), m_size}; }
    // The memory of the bytes before offset goes back to the system where it can; they must
    // not be read again.
    void ReleaseBefore(size_t offset);

private:
    std::unique_ptr<uint8_t[]> m_data;
    size_t m_size = 0;
    size_t m_released = 0;
};

// Writes the bytes to a temporary file beside the target, flushes and syncs it, then renames
// it over the target: a failure leaves an existing target exactly as it was.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The same replacement for a file written piece by piece: the pieces go to a temporary file
// beside the target, and only Commit (flush, sync, rename) puts it in the target's place.
// Destroying it uncommitted removes the temporary file and leaves the target as it was.
class CFileReplacement {
public:
    explicit CFileReplacement(const std::filesystem::path& path);
    ~CFileReplacement();
    CFileReplacement(const CFileReplacement&) = delete;
    CFileReplacement& operator=(const CFileReplacement&) = delete;

    void Write(std::span<const uint8_t> bytes);
    void Write(std::string_view bytes);
    void Commit();

private:
    // Asks the system to start storing what was written so far, so Commit waits less.
    void StartStoring();

    std::filesystem::path m_path;
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::unique_ptr<std::FILE, FileCloser> m_pFile;
    uint64_t m_written = 0;
    uint64_t m_storing = 0;
};
