#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <span>

// The bulk of a large file written past the system's file cache, straight from an aligned
// buffer to the disk. A file that is stored for good before it is used anyway gains nothing
// from the cache, and copying it into the cache page by page costs more processor time than
// making its text.
class CDirectWrites {
public:
    virtual ~CDirectWrites() = default;
    // Takes bytes; returns 0, or the error number of a failed write.
    virtual int Append(std::span<const uint8_t> bytes) = 0;
    // Writes all it still holds, the last bytes through the cache again; returns 0 or an error
    // number. The file then takes ordinary writes.
    virtual int Finish() = 0;
};

// Where a direct write must start: every such write begins at a multiple of this.
inline constexpr size_t kDirectWriteAlignment = 4096;

// Direct writes to the open, unbuffered file from its current offset, a multiple of the alignment on;
// nullptr where the system or the file's file system has none (everything is then written
// through the cache, as before).
std::unique_ptr<CDirectWrites> StartDirectWrites(std::FILE* file);
