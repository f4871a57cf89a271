#include "model/Building.h"

#include "model/Archive.h"

IMPLEMENT_SERIAL_VERSIONABLE(CBuilding, CObjectManager, 1)

std::span<const CRuntimeClass* const> CBuilding::ElementClasses() const
{
    static const CRuntimeClass* const classes[] = {RUNTIME_CLASS(CBuildingElement)};
    return classes;
}

bool CBuilding::AttachToOwner(CObjectManager& owner)
{
    m_pDocument = owner.GetDocument();
    return true;
}

void CBuilding::Serialize(CArchive& archive)
{
    CObjectManager::Serialize(archive);
    if (archive.IsStoring()) {
        archive.WriteString(m_catalogNo);
        archive.WriteInt32(m_partsPerPackage);
        archive.WriteString(m_price);
        archive.WriteInt32(m_units);
        return;
    }
    // The fields follow the elements; only the first format has them.
    if (archive.GetObjectSchema() != 1)
        return;
    m_catalogNo = archive.ReadString();
    m_partsPerPackage = archive.ReadInt32();
    m_price = archive.ReadString();
    m_units = archive.ReadInt32();
}
