#include "model/FileFingerprint.h"

#include "model/Exceptions.h"
#include "model/FileIO.h"

#include <bit>
#include <cstring>
#include <vector>

namespace {

constexpr uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
constexpr uint64_t kPrime3 = 0x165667B19E3779F9ull;
constexpr uint64_t kPrime4 = 0x85EBCA77C2B2AE63ull;

constexpr uint64_t RotateLeft(uint64_t value, int bits)
{
    return (value << bits) | (value >> (64 - bits));
}

uint64_t WordAt(const uint8_t* bytes)
{
    uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    // Little-endian on every system, so a fingerprint means the same everywhere.
    if constexpr (std::endian::native == std::endian::big) {
        uint64_t swapped = 0;
        for (int index = 0; index < 8; ++index)
            swapped = (swapped << 8) | ((word >> (8 * index)) & 0xFF);
        word = swapped;
    }
    return word;
}

uint64_t Mixed(uint64_t lane, uint64_t word)
{
    return RotateLeft(lane + word * kPrime2, 31) * kPrime1;
}

}

CContentHash::CContentHash()
    : m_lanes {kPrime1 + kPrime2, kPrime2, 0, 0 - kPrime1}
{
}

void CContentHash::AddStripe(const uint8_t* stripe)
{
    for (size_t lane = 0; lane < m_lanes.size(); ++lane)
        m_lanes[lane] = Mixed(m_lanes[lane], WordAt(stripe + lane * 8));
}

void CContentHash::Add(std::span<const uint8_t> bytes)
{
    m_length += bytes.size();
    if (m_pendingSize > 0) {
        const size_t taken = std::min(bytes.size(), kStripe - m_pendingSize);
        std::memcpy(m_pending.data() + m_pendingSize, bytes.data(), taken);
        m_pendingSize += taken;
        bytes = bytes.subspan(taken);
        if (m_pendingSize < kStripe)
            return;
        AddStripe(m_pending.data());
        m_pendingSize = 0;
    }
    // The lanes in locals, which the bytes cannot alias: four times as fast.
    auto [lane0, lane1, lane2, lane3] = m_lanes;
    const uint8_t* stripe = bytes.data();
    for (const uint8_t* end = stripe + bytes.size() / kStripe * kStripe; stripe != end; stripe += kStripe) {
        lane0 = Mixed(lane0, WordAt(stripe));
        lane1 = Mixed(lane1, WordAt(stripe + 8));
        lane2 = Mixed(lane2, WordAt(stripe + 16));
        lane3 = Mixed(lane3, WordAt(stripe + 24));
    }
    m_lanes = {lane0, lane1, lane2, lane3};
    bytes = bytes.subspan(static_cast<size_t>(stripe - bytes.data()));
    std::memcpy(m_pending.data(), bytes.data(), bytes.size());
    m_pendingSize = bytes.size();
}

uint64_t CContentHash::Value() const
{
    uint64_t value = RotateLeft(m_lanes[0], 1) + RotateLeft(m_lanes[1], 7) + RotateLeft(m_lanes[2], 12)
        + RotateLeft(m_lanes[3], 18);
    for (const uint64_t lane : m_lanes)
        value = (value ^ Mixed(0, lane)) * kPrime1 + kPrime4;
    value += m_length;
    // The bytes short of a stripe, one at a time.
    for (size_t index = 0; index < m_pendingSize; ++index)
        value = RotateLeft(value ^ (m_pending[index] * kPrime3), 11) * kPrime1;
    value ^= value >> 33;
    value *= kPrime2;
    value ^= value >> 29;
    value *= kPrime3;
    value ^= value >> 32;
    return value;
}

std::optional<SFileFingerprint> TakeFingerprint(const std::filesystem::path& path)
{
    constexpr size_t kPiece = size_t(1) << 20;
    try {
        CFileReader file(path);
        SFileFingerprint fingerprint;
        CContentHash hash;
        std::vector<uint8_t> piece(kPiece);
        for (size_t read = file.Read(piece.data(), kPiece); read > 0; read = file.Read(piece.data(), kPiece)) {
            hash.Add(std::span(piece.data(), read));
            fingerprint.m_size += read;
        }
        fingerprint.m_hash = hash.Value();
        std::error_code error;
        fingerprint.m_written = std::filesystem::last_write_time(path, error);
        return fingerprint;
    } catch (const CException&) {
        return std::nullopt;
    }
}
