#pragma once

#include "model/Object.h"

#include <memory>

class CPartsManager;

// The root object of a document file: it stores one parts list and nothing of its own.
class CSerializationManager : public CObject {
    DECLARE_SERIAL(CSerializationManager)
public:
    CSerializationManager() = default;
    // A root that writes the list.
    explicit CSerializationManager(const CPartsManager& parts) : m_pParts(&parts) {}
    ~CSerializationManager() override;

    void Serialize(CArchive& archive) override;

    // The list a loaded root has read, named "PartsManager"; the root goes on writing it.
    std::unique_ptr<CPartsManager> TakeParts();

private:
    const CPartsManager* m_pParts = nullptr;
    std::unique_ptr<CPartsManager> m_pReadParts;
};
