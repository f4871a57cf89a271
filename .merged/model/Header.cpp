#include "model/Header.h"

#include "model/Archive.h"
#include "model/Exceptions.h"

IMPLEMENT_SERIAL_VERSIONABLE(CHeader, CNamedObject, 1)

CHeader::CHeader()
{
    // The manufacturer's record is made first, so it takes the lower number.
    m_pManufacturer = std::make_unique<CManufacturer>();
    m_pManufacturer->m_kind = CManufacturer::kManufacturer;
    m_pRepresentative = std::make_unique<CManufacturer>();
    m_pRepresentative->m_kind = CManufacturer::kRepresentative;
}

bool CHeader::SetDefaultName()
{
    if (!m_name.empty())
        return false;
    m_name = "Header";
    return true;
}

void CHeader::Serialize(CArchive& archive)
{
    CNamedObject::Serialize(archive);
    if (archive.IsStoring()) {
        archive.WriteString(m_author);
        archive.WriteString(m_currency);
        archive.WriteInt32(m_version);
        archive.WriteObject(m_pManufacturer.get());
        archive.WriteObject(m_pRepresentative.get());
        return;
    }
    if (archive.GetObjectSchema() != 1)
        throw CArchiveException(CArchiveException::badSchema);
    archive.ReadString(m_author);
    archive.ReadString(m_currency);
    m_version = archive.ReadInt32();
    m_pManufacturer = archive.ReadOwned<CManufacturer>();
    m_pRepresentative = archive.ReadOwned<CManufacturer>();
}
