#pragma once

#include "model/BuildingElement.h"
#include "model/ChoiceCodes.h"
#include "model/ObjectManager.h"

// A catalogue part made of building elements; the building is itself the list of them.
class CBuilding : public CObjectManager {
    DECLARE_SERIAL(CBuilding)
public:
    void Serialize(CArchive& archive) override;

    // The first schema keeps no free text; the second appends it after the other fields. A
    // document is written with the second only when one of its buildings has a free text, so
    // that every other document keeps the first's bytes.
    static constexpr uint16_t kSchemaWithFreeText = 2;

    CBuildingElement& GetElement(size_t index) const { return ElementAs<CBuildingElement>(m_list[index]); }

    std::string m_catalogNo;
    std::string m_freeText;
    int32_t m_partsPerPackage = 1;
    std::string m_price;
    int32_t m_units = kUnitsMillimetres;

protected:
    std::span<const CRuntimeClass* const> ElementClasses() const override;
};
