#pragma once

#include "model/Color.h"

#include <QColor>
#include <QString>

#include <array>

// One colour of the colour popup's grid: its English name (translated when shown) and value.
struct SNamedColor {
    const char* name;
    COLORREF color;
};

inline constexpr int kNamedColorCount = 40;

// The named colours, in the popup's cell order (row by row, eight to a row).
extern const std::array<SNamedColor, kNamedColorCount> kNamedColors;

// The name of a named colour in the user's language.
QString NamedColorName(int index);
// The index of the named colour equal to color, or -1 when it is none of them.
int FindNamedColor(COLORREF color);

QColor ToQColor(COLORREF color);
COLORREF ToColorRef(const QColor& color);
