#pragma once

#include "model/ChoiceCodes.h"
#include "model/Color.h"
#include "model/NamedObject.h"

// A catalogue part made of a floor block and, optionally, a cover carried by poles.
class CPlatform : public CNamedObject {
    DECLARE_SERIAL(CPlatform)
public:
    void Serialize(CArchive& archive) override;

    // The second schema keeps no free text; the third appends it after the other fields. A
    // document is written with the third only when one of its platforms has a free text, so
    // that every other document keeps the second's bytes.
    static constexpr uint16_t kSchemaWithFreeText = 3;

    int32_t m_polesPerSide = 2;
    int32_t m_edgeDistance = 0;
    int32_t m_poleDiameter = 0;
    std::string m_catalogNo;
    std::string m_freeText;
    int32_t m_partsPerPackage = 1;
    std::string m_price;
    int32_t m_units = kUnitsMillimetres;
    int32_t m_height = 0;
    int32_t m_width = 0;
    int32_t m_length = 0;
    int32_t m_poleHeight = 0;
    int32_t m_roofHeight = 0;
    COLORREF m_sideColor = RGB(200, 200, 200);
    COLORREF m_topColor = RGB(127, 127, 127);
    COLORREF m_poleColor = RGB(127, 255, 127);
    COLORREF m_roofColor = RGB(127, 0, 0);
    int32_t m_coverType = 0;
    int32_t m_poleStyle = 0;
};
