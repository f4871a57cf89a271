#include "cli/PngFile.h"

#include "model/Exceptions.h"

#include <zlib.h>

#include <array>
#include <cstring>
#include <string_view>

namespace {

void PutBigEndian(std::vector<uint8_t>& bytes, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<uint8_t>(value >> shift));
}

// A chunk: its length, type and data, and the checksum over type and data.
void PutChunk(std::vector<uint8_t>& bytes, std::string_view type, const uint8_t* data, size_t size)
{
    PutBigEndian(bytes, static_cast<uint32_t>(size));
    const size_t typeAt = bytes.size();
    bytes.insert(bytes.end(), type.begin(), type.end());
    if (size)
        bytes.insert(bytes.end(), data, data + size);
    const uLong crc = crc32(0, bytes.data() + typeAt, static_cast<uInt>(type.size() + size));
    PutBigEndian(bytes, static_cast<uint32_t>(crc));
}

// The rows as PNG filters them: each row of red, green and blue bytes (the pictures are
// opaque) with the "up" filter, which leaves runs of zeros where a row repeats the one above;
// those are most of a picture of flat faces and compress best.
std::vector<uint8_t> FilteredRows(const SImage& image)
{
    const size_t rowBytes = static_cast<size_t>(image.m_width) * 3;
    std::vector<uint8_t> rows((rowBytes + 1) * image.m_height);
    std::vector<uint8_t> previous(rowBytes, 0), current(rowBytes);
    uint8_t* out = rows.data();
    for (int y = 0; y < image.m_height; ++y) {
        for (int x = 0; x < image.m_width; ++x) {
            const uint32_t pixel = image.At(x, y);
            current[x * 3] = SImage::Red(pixel);
            current[x * 3 + 1] = SImage::Green(pixel);
            current[x * 3 + 2] = SImage::Blue(pixel);
        }
        *out++ = 2;
        for (size_t i = 0; i < rowBytes; ++i)
            *out++ = static_cast<uint8_t>(current[i] - previous[i]);
        std::swap(previous, current);
    }
    return rows;
}

std::vector<uint8_t> Deflated(const std::vector<uint8_t>& data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::vector<uint8_t> packed(size);
    // Level 6 is zlib's usual balance; pictures of flat faces take it fast.
    if (compress2(packed.data(), &size, data.data(), static_cast<uLong>(data.size()), 6) != Z_OK)
        throw CException("Failed to make the picture.");
    packed.resize(size);
    return packed;
}

} // namespace

std::vector<uint8_t> EncodePng(const SImage& image)
{
    constexpr size_t kLargestSide = size_t(1) << 16;
    if (image.m_width <= 0 || image.m_height <= 0 || size_t(image.m_width) > kLargestSide
        || size_t(image.m_height) > kLargestSide)
        throw CException("Failed to make the picture.");
    constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> bytes(kSignature.begin(), kSignature.end());
    std::vector<uint8_t> header;
    PutBigEndian(header, static_cast<uint32_t>(image.m_width));
    PutBigEndian(header, static_cast<uint32_t>(image.m_height));
    // Eight bits a channel, colour without alpha, deflate, filtered per row, not interlaced.
    header.insert(header.end(), {8, 2, 0, 0, 0});
    PutChunk(bytes, "IHDR", header.data(), header.size());
    const std::vector<uint8_t> packed = Deflated(FilteredRows(image));
    PutChunk(bytes, "IDAT", packed.data(), packed.size());
    PutChunk(bytes, "IEND", nullptr, 0);
    return bytes;
}
