#pragma once

#include "model/Color.h"
#include "model/DecorationManager.h"
#include "model/NamedObject.h"

#include <memory>

// One block of a building, placed inside it, with an optional roof and its own doors
// and windows.
class CBuildingElement : public CNamedObject {
    DECLARE_SERIAL(CBuildingElement)
public:
    CBuildingElement();
    // Without a decoration list: loading brings the element's own.
    explicit CBuildingElement(ToBeLoaded);

    void Serialize(CArchive& archive) override;

    int32_t m_roofOrientation = 0;
    int32_t m_positionY = 0;
    int32_t m_positionX = 0;
    int32_t m_positionZ = 0;
    COLORREF m_blockColor = RGB(192, 192, 192);
    int32_t m_blockDepth = 80;
    int32_t m_blockHeight = 50;
    int32_t m_blockWidth = 100;
    std::string m_freeText;
    int32_t m_roofAngle = 45;
    COLORREF m_roofColor = RGB(255, 0, 0);
    int32_t m_roofHeight = 30;
    int32_t m_roofType = 0;
    std::unique_ptr<CDecorationManager> m_decorations;
};
