#include "cli/PngFile.h"
#include "model/FileIO.h"
#include "scene/PartsReader.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

uint32_t BigEndian(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

// Reads a PNG file of eight-bit colour with or without alpha back into pixels, checking every
// chunk's checksum and undoing any of the five row filters.
SImage DecodePng(const std::vector<uint8_t>& png)
{
    SImage image;
    EXPECT_EQ(std::string(png.begin(), png.begin() + 8), "\x89PNG\r\n\x1a\n");
    std::vector<uint8_t> packed;
    int channels = 0;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = BigEndian(&png[at]);
        const std::string type(png.begin() + at + 4, png.begin() + at + 8);
        const uint8_t* data = &png[at + 8];
        EXPECT_EQ(BigEndian(data + length), crc32(0, &png[at + 4], length + 4)) << type;
        if (type == "IHDR") {
            image.m_width = static_cast<int>(BigEndian(data));
            image.m_height = static_cast<int>(BigEndian(data + 4));
            EXPECT_EQ(data[8], 8);
            channels = data[9] == 6 ? 4 : data[9] == 2 ? 3 : 0;
        } else if (type == "IDAT") {
            packed.insert(packed.end(), data, data + length);
        }
        at += 12 + length;
    }
    const size_t stride = static_cast<size_t>(image.m_width) * channels;
    std::vector<uint8_t> rows((stride + 1) * image.m_height);
    uLongf size = rows.size();
    EXPECT_EQ(uncompress(rows.data(), &size, packed.data(), packed.size()), Z_OK);
    EXPECT_EQ(size, rows.size());
    std::vector<uint8_t> previous(stride, 0), current(stride);
    for (int y = 0; y < image.m_height; ++y) {
        const uint8_t* line = &rows[y * (stride + 1)];
        for (size_t i = 0; i < stride; ++i) {
            const int left = i >= size_t(channels) ? current[i - channels] : 0, up = previous[i];
            const int corner = i >= size_t(channels) ? previous[i - channels] : 0;
            const int guess = left + up - corner;
            const int nearest = std::abs(guess - left) <= std::abs(guess - up) && std::abs(guess - left) <= std::abs(guess - corner)
                ? left
                : std::abs(guess - up) <= std::abs(guess - corner) ? up : corner;
            const int predictors[5] = {0, left, up, (left + up) / 2, nearest};
            current[i] = static_cast<uint8_t>(line[1 + i] + predictors[line[0] % 5]);
        }
        for (int x = 0; x < image.m_width; ++x)
            image.m_pixels.push_back(SImage::Pack(current[x * channels], current[x * channels + 1], current[x * channels + 2]));
        std::swap(previous, current);
    }
    return image;
}

TEST(PngFile, PicturesComeBackPixelForPixelAndSmall)
{
    const std::vector<uint8_t> bytes = ReadWholeFile(std::filesystem::path(MW_EXAMPLES_DIR) / "country-station.bdf");
    const SPartsFile file = ReadPartsText(std::string(bytes.begin(), bytes.end()));
    ASSERT_FALSE(file.m_scenes.empty());
    for (const auto& [width, height] : {std::pair {800, 600}, std::pair {1, 1}, std::pair {37, 5}}) {
        const SImage picture = RenderScene(file.m_scenes.front(), SCamera {}, width, height);
        const std::vector<uint8_t> png = EncodePng(picture);
        const SImage back = DecodePng(png);
        EXPECT_EQ(back.m_width, width);
        EXPECT_EQ(back.m_height, height);
        EXPECT_TRUE(back.m_pixels == picture.m_pixels) << width << "x" << height;
        // A picture of flat faces on a plain background deflates to a few kilobytes.
        if (width == 800) {
            EXPECT_LT(png.size(), 12000u);
        }
    }
}

} // namespace
