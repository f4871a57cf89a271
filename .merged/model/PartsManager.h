#pragma once

#include "model/Header.h"
#include "model/ObjectManager.h"

#include <memory>

// The catalogue: its parts (trees, buildings, platforms) in the order they were made,
// and its header.
class CPartsManager : public CObjectManager {
    DECLARE_SERIAL(CPartsManager)
public:
    static constexpr const char* kName = "PartsManager";

    CPartsManager();
    ~CPartsManager() override;

    void Serialize(CArchive& archive) override;
    // Runs the header dialog on the header; true for OK.
    bool EditHeader(IObjectEditor& headerDialog);

    std::unique_ptr<CHeader> m_pHeader;

protected:
    std::span<const CRuntimeClass* const> ElementClasses() const override;
};
