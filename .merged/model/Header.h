#pragma once

#include "model/Manufacturer.h"

#include <memory>

// The catalogue header: description (the name), author, version, currency and the two
// address records it owns.
class CHeader : public CNamedObject {
    DECLARE_SERIAL(CHeader)
public:
    CHeader();

    void Serialize(CArchive& archive) override;
    // A header without description is called "Header".
    bool SetDefaultName() override;

    std::unique_ptr<CManufacturer> m_pRepresentative;
    std::unique_ptr<CManufacturer> m_pManufacturer;
    std::string m_currency;
    std::string m_author;
    int32_t m_version = 1;
};
