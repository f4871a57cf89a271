#pragma once

#include <cstdint>

// A colour value: red in the lowest byte, then green, then blue; the highest byte is 0
// except for "Automatic".
using COLORREF = uint32_t;

constexpr COLORREF RGB(uint8_t red, uint8_t green, uint8_t blue)
{
    return static_cast<COLORREF>(red) | (static_cast<COLORREF>(green) << 8) | (static_cast<COLORREF>(blue) << 16);
}

constexpr uint8_t GetRValue(COLORREF color) { return static_cast<uint8_t>(color); }
constexpr uint8_t GetGValue(COLORREF color) { return static_cast<uint8_t>(color >> 8); }
constexpr uint8_t GetBValue(COLORREF color) { return static_cast<uint8_t>(color >> 16); }

// The colour button's "Automatic" choice, which can reach the model.
inline constexpr COLORREF kAutomaticColor = 0xFF000000;
