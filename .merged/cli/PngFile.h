#pragma once

#include "scene/Renderer.h"

#include <cstdint>
#include <vector>

// The picture as the bytes of a PNG file.
std::vector<uint8_t> EncodePng(const SImage& image);
