#include "ui/ColorTable.h"

#include <QCoreApplication>

#include <algorithm>

const std::array<SNamedColor, kNamedColorCount> kNamedColors = {{
    {QT_TRANSLATE_NOOP("CColorPopup", "Black"), RGB(0, 0, 0)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Brown"), RGB(165, 42, 0)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Dark Olive Green"), RGB(0, 64, 64)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Dark Green"), RGB(0, 85, 0)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Dark Teal"), RGB(0, 0, 94)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Dark blue"), RGB(0, 0, 139)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Indigo"), RGB(75, 0, 130)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Dark grey"), RGB(40, 40, 40)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Dark red"), RGB(139, 0, 0)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Orange"), RGB(255, 104, 32)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Dark yellow"), RGB(139, 139, 0)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Green"), RGB(0, 147, 0)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Teal"), RGB(56, 142, 142)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Blue"), RGB(0, 0, 255)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Blue-grey"), RGB(123, 123, 192)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Grey - 40"), RGB(102, 102, 102)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Red"), RGB(255, 0, 0)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Light orange"), RGB(255, 173, 91)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Lime"), RGB(50, 205, 50)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Sea green"), RGB(60, 179, 113)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Aqua"), RGB(127, 255, 212)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Light blue"), RGB(125, 158, 192)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Violet"), RGB(128, 0, 128)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Grey - 50"), RGB(127, 127, 127)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Pink"), RGB(255, 192, 203)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Gold"), RGB(255, 215, 0)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Yellow"), RGB(255, 255, 0)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Bright green"), RGB(0, 255, 0)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Turquoise"), RGB(64, 224, 208)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Skyblue"), RGB(192, 255, 255)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Plum"), RGB(72, 0, 72)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Light grey"), RGB(192, 192, 192)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Rose"), RGB(255, 228, 225)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Tan"), RGB(210, 180, 140)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Light yellow"), RGB(255, 255, 224)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Pale green"), RGB(152, 251, 152)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Pale turquoise"), RGB(175, 238, 238)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Pale blue"), RGB(104, 131, 139)},
    {QT_TRANSLATE_NOOP("CColorPopup", "Lavender"), RGB(230, 230, 250)},
    {QT_TRANSLATE_NOOP("CColorPopup", "White"), RGB(255, 255, 255)},
}};

QString NamedColorName(int index)
{
    return QCoreApplication::translate("CColorPopup", kNamedColors.at(static_cast<size_t>(index)).name);
}

int FindNamedColor(COLORREF color)
{
    const auto found = std::find_if(kNamedColors.begin(), kNamedColors.end(),
        [color](const SNamedColor& entry) { return entry.color == color; });
    return found == kNamedColors.end() ? -1 : static_cast<int>(found - kNamedColors.begin());
}

QColor ToQColor(COLORREF color)
{
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

COLORREF ToColorRef(const QColor& color)
{
    return RGB(static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()), static_cast<uint8_t>(color.blue()));
}
