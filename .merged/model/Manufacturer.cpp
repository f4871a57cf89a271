#include "model/Manufacturer.h"

#include "model/Archive.h"
#include "model/Exceptions.h"

IMPLEMENT_SERIAL_VERSIONABLE(CManufacturer, CNamedObject, 1)

void CManufacturer::Serialize(CArchive& archive)
{
    CNamedObject::Serialize(archive);
    if (archive.IsStoring()) {
        archive.WriteInt32(m_kind);
        for (const std::string* field : {&m_country, &m_fax, &m_mail, &m_companyName, &m_phone, &m_street, &m_town, &m_zipCode})
            archive.WriteString(*field);
        return;
    }
    if (archive.GetObjectSchema() != 1)
        throw CArchiveException(CArchiveException::badSchema);
    m_kind = archive.ReadInt32();
    for (std::string* field : {&m_country, &m_fax, &m_mail, &m_companyName, &m_phone, &m_street, &m_town, &m_zipCode})
        archive.ReadString(*field);
}
