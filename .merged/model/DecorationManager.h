#pragma once

#include "model/Decoration.h"
#include "model/ObjectManager.h"

// The doors and windows of one building element, in the order they were added.
class CDecorationManager : public CObjectManager {
    DECLARE_SERIAL(CDecorationManager)
public:
    void Serialize(CArchive& archive) override;

    CDecoration& GetDecoration(size_t index) const { return ElementAs<CDecoration>(m_list[index]); }

protected:
    std::span<const CRuntimeClass* const> ElementClasses() const override;
};
