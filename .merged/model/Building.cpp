#include "model/Building.h"

#include "model/Archive.h"

IMPLEMENT_SERIAL_VERSIONABLE(CBuilding, CObjectManager, 1)

std::span<const CRuntimeClass* const> CBuilding::ElementClasses() const
{
    static const CRuntimeClass* const classes[] = {RUNTIME_CLASS(CBuildingElement)};
    return classes;
}

void CBuilding::Serialize(CArchive& archive)
{
    CObjectManager::Serialize(archive);
    if (archive.IsStoring()) {
        archive.WriteString(m_catalogNo);
        archive.WriteInt32(m_partsPerPackage);
        archive.WriteString(m_price);
        archive.WriteInt32(m_units);
        if (archive.SchemaToStore(ThisClass()) >= kSchemaWithFreeText)
            archive.WriteString(m_freeText);
        return;
    }
    // The fields follow the elements; a schema this program does not know leaves them all out.
    const uint32_t schema = archive.GetObjectSchema();
    if (schema != 1 && schema != kSchemaWithFreeText)
        return;
    archive.ReadString(m_catalogNo);
    m_partsPerPackage = archive.ReadInt32();
    archive.ReadString(m_price);
    m_units = archive.ReadInt32();
    if (schema == kSchemaWithFreeText)
        archive.ReadString(m_freeText);
}
