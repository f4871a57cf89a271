#pragma once

#include "model/ChoiceCodes.h"
#include "model/Color.h"
#include "model/NamedObject.h"

// A catalogue part made of a trunk and a crown.
class CTree : public CNamedObject {
    DECLARE_SERIAL(CTree)
public:
    void Serialize(CArchive& archive) override;

    std::string m_catalogNo;
    std::string m_freeText;
    int32_t m_partsPerPackage = 1;
    std::string m_price;
    COLORREF m_topColor = RGB(0, 80, 80);
    int32_t m_topHeight = 20;
    int32_t m_topRadius = 40;
    int32_t m_treeType = kTreeDeciduous;
    COLORREF m_trunkColor = RGB(80, 80, 0);
    int32_t m_trunkHeight = 10;
    int32_t m_trunkRadius = 5;
    int32_t m_units = kUnitsMillimetres;
};
