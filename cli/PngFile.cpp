#include "cli/PngFile.h"

#include "model/Exceptions.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

namespace {

void Append(void* context, void* data, int size)
{
    auto* bytes = static_cast<std::vector<uint8_t>*>(context);
    const auto* begin = static_cast<const uint8_t*>(data);
    bytes->insert(bytes->end(), begin, begin + size);
}

} // namespace

std::vector<uint8_t> EncodePng(const SImage& image)
{
    std::vector<uint8_t> bytes;
    // The pixels are bytes red, green, blue, alpha in memory on every supported machine.
    const int written = stbi_write_png_to_func(Append, &bytes, image.m_width, image.m_height, 4, image.m_pixels.data(),
        image.m_width * 4);
    if (!written || bytes.empty())
        throw CException("Failed to make the picture.");
    return bytes;
}
