#pragma once

#include "model/NamedObject.h"

// An address record of the catalogue header: the manufacturer's (kind 1) or the local
// representative's (kind 2).
class CManufacturer : public CNamedObject {
    DECLARE_SERIAL(CManufacturer)
public:
    static constexpr int32_t kManufacturer = 1;
    static constexpr int32_t kRepresentative = 2;

    void Serialize(CArchive& archive) override;

    std::string m_mail;
    std::string m_fax;
    std::string m_country;
    std::string m_companyName;
    std::string m_phone;
    std::string m_street;
    std::string m_town;
    std::string m_zipCode;
    int32_t m_kind = 0;
};
