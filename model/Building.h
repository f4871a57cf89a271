#pragma once

#include "model/BuildingElement.h"
#include "model/ChoiceCodes.h"
#include "model/ObjectManager.h"

// A catalogue part made of building elements; the building is itself the list of them.
class CBuilding : public CObjectManager {
    DECLARE_SERIAL(CBuilding)
public:
    void Serialize(CArchive& archive) override;

    CBuildingElement& GetElement(size_t index) const { return ElementAs<CBuildingElement>(m_list[index]); }

    std::string m_catalogNo;
    std::string m_freeText; // not kept in the document file
    int32_t m_partsPerPackage = 1;
    std::string m_price;
    int32_t m_units = kUnitsMillimetres;

protected:
    std::span<const CRuntimeClass* const> ElementClasses() const override;
};
