#pragma once

#include "model/Object.h"

class CModelwrightDoc;

// The root object of a document file: it stores the parts list of the document being
// saved and nothing of its own.
class CSerializationManager : public CObject {
    DECLARE_SERIAL(CSerializationManager)
public:
    void Serialize(CArchive& archive) override;

    CModelwrightDoc* m_pDocument = nullptr;
};
