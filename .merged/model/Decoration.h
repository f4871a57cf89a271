#pragma once

#include "model/ChoiceCodes.h"
#include "model/Color.h"
#include "model/NamedObject.h"

// A door or a window set into one wall of a building element.
class CDecoration : public CNamedObject {
    DECLARE_SERIAL(CDecoration)
public:
    void Serialize(CArchive& archive) override;

    int32_t m_wall = 0;
    int32_t m_height = 0;
    int32_t m_width = 0;
    int32_t m_positionX = 0;
    int32_t m_positionZ = 0;
    int32_t m_mainType = 0;
    int32_t m_subtype = 0;
    int32_t m_windowCount = 1;
    COLORREF m_mainColor = RGB(127, 127, 127);
    COLORREF m_innerColor = RGB(102, 102, 102);
};
