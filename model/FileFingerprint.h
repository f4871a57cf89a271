#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

// A 64-bit hash of a file's bytes, the same however they are handed to it in pieces. It tells
// one version of a file from another, not a file from an attacker's.
class CContentHash {
public:
    CContentHash();
    void Add(std::span<const uint8_t> bytes);
    uint64_t Value() const;

private:
    static constexpr size_t kStripe = 32;
    void AddStripe(const uint8_t* stripe);

    std::array<uint64_t, 4> m_lanes;
    std::array<uint8_t, kStripe> m_pending {};
    size_t m_pendingSize = 0;
    uint64_t m_length = 0;
};

// What tells one version of a file from another: its size, the time it was last written and a
// hash of its bytes.
struct SFileFingerprint {
    uint64_t m_size = 0;
    std::filesystem::file_time_type m_written;
    uint64_t m_hash = 0;

    // The same bytes: a file only touched, or written again unchanged, is the same version.
    bool SameBytes(const SFileFingerprint& other) const { return m_size == other.m_size && m_hash == other.m_hash; }
};

// The fingerprint of the file as it is now, read whole; nothing when there is no regular file
// there or it cannot be read.
std::optional<SFileFingerprint> TakeFingerprint(const std::filesystem::path& path);
