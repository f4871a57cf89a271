#pragma once

#include "model/DirectWrites.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The thin layer between the formats (which work on memory) and the file system. Failures
// throw CFileException with the text the user sees.

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Reads a regular file whole; anything else (a folder, a device, a pipe) and a file larger
// than sizeLimit are refused before a byte is read.
std::vector<uint8_t> ReadWholeFile(const std::filesystem::path& path,
    uint64_t sizeLimit = std::numeric_limits<uint64_t>::max());

// The bytes of a whole file, read in one go into memory that is not cleared first. A reader
// that goes through them once can give back what it has passed, so that a file and what is
// made from it need not be held whole at the same time.
class CFileBytes {
public:
    // Refuses what ReadWholeFile refuses.
    explicit CFileBytes(const std::filesystem::path& path, uint64_t sizeLimit = std::numeric_limits<uint64_t>::max());

    std::span<const uint8_t> Bytes() const { return {m_data.get(), m_size}; }
    // The memory of the bytes before offset goes back to the system where it can; they must
    // not be read again.
    void ReleaseBefore(size_t offset);

private:
    std::unique_ptr<uint8_t[]> m_data;
    size_t m_size = 0;
    size_t m_released = 0;
};

// A regular file read from start to end in pieces of the reader's choosing, so that what is
// made from a large file never waits for it, nor shares the memory with it, whole.
class CFileReader {
public:
    // Refuses what ReadWholeFile refuses.
    explicit CFileReader(const std::filesystem::path& path, uint64_t sizeLimit = std::numeric_limits<uint64_t>::max());

    // The size the file had when it was opened.
    uint64_t Size() const { return m_size; }
    // Reads up to size bytes into the buffer and returns how many: fewer only at the end.
    size_t Read(uint8_t* into, size_t size);

private:
    std::filesystem::path m_path;
    uint64_t m_size = 0;
    std::unique_ptr<std::FILE, FileCloser> m_pFile;
};

// Writes the bytes to a temporary file beside the target, flushes and syncs it, then renames
// it over the target: a failure leaves an existing target exactly as it was.
void WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// The same replacement for a file written piece by piece: the pieces go to a temporary file
// beside the target, and only Commit (flush, sync, rename, sync of the folder) puts it in the
// target's place. Destroying it uncommitted removes the temporary file and leaves the target
// as it was.
//
// The target keeps what it is: only a regular file (or a link to one, which is written
// through) is replaced, a read-only one is refused, and the new file takes the old one's
// owner, group, permissions and extended attributes. A file with several hard links is
// refused, so its names are never separated. Where the system can, the temporary file has no
// name until it is complete, so a killed program leaves nothing behind; elsewhere it has one
// that the next replacement of the same target removes once its writer is gone.
class CFileReplacement {
public:
    // Where a file that is not a copy of its target, such as a backup or a recovery file,
    // takes its attributes from, and what it does with a link in its place.
    struct SRules {
        // The new file takes its owner, group, permissions and extended attributes from this
        // file instead of the target; empty for the target itself.
        std::filesystem::path m_attributesFrom;
        // Exactly these permissions instead, from the moment the file is made.
        std::optional<std::filesystem::perms> m_permissions;
        // False: a link in the target's place is replaced by the file, never written through.
        bool m_followLink = true;
    };

    explicit CFileReplacement(const std::filesystem::path& path);
    CFileReplacement(const std::filesystem::path& path, SRules rules);
    ~CFileReplacement();
    CFileReplacement(const CFileReplacement&) = delete;
    CFileReplacement& operator=(const CFileReplacement&) = delete;

    void Write(std::span<const uint8_t> bytes);
    void Write(std::string_view bytes);
    void Commit();

    // Commit in steps, for files that must replace their targets together (see
    // CommitTogether): Finish makes the file complete and stored under a temporary name,
    // ReplaceTarget then puts it in the target's place, and StoreTargetsName makes the new
    // name last (syncs the folder).
    void Finish();
    void ReplaceTarget();
    void StoreTargetsName();
    const std::filesystem::path& Target() const { return m_target; }

private:
    void WriteThroughCache(std::span<const uint8_t> bytes);
    // Asks the system to start storing what was written so far, so Commit waits less.
    void StartStoring();
    // Once the file is large, the rest of it goes past the system's file cache where it can.
    void StartDirectWritesWhenLarge(std::span<const uint8_t>& bytes);
    void OpenTemporaryFile(const std::filesystem::path& folder);
    void GiveTemporaryFileAName();
    void ForgetTemporaryName();

    std::filesystem::path m_path;
    std::filesystem::path m_target;
    SRules m_rules;
    // Empty while the temporary file has no name.
    std::filesystem::path m_temporary;
    std::unique_ptr<std::FILE, FileCloser> m_pFile;
    bool m_committed = false;
    uint64_t m_written = 0;
    uint64_t m_storing = 0;
    std::unique_ptr<CDirectWrites> m_direct;
    bool m_directTried = false;
};

// Finishes every file first and only then replaces their targets, one right after the
// other: a failure before that leaves every target as it was, and one on the way puts back
// the targets already replaced. An interrupt or a termination waits until all are in place.
void CommitTogether(std::span<CFileReplacement* const> files);

// The name of the copy a save keeps of the file it replaces: FILE.bak beside it.
std::filesystem::path BackupPathOf(const std::filesystem::path& path);
// Keeps a copy of the file as FILE.bak, replacing an older one, before the file is saved over;
// nothing when there is no such file. The copy is replaced like any file and is readable by no
// more people than the file. Throws CFileException; the file itself is never touched.
void KeepBackupCopy(const std::filesystem::path& path);

// A new name for a temporary file beside the target, of the kind its replacement uses: a
// replacement removes those whose writer is gone.
std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target);

// The command-line tool calls this once: an interrupt, a termination or a hang-up then
// removes the named temporary files of replacements under way before the program ends.
void RemoveTemporaryFilesOnTermination();
