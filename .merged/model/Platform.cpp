#include "model/Platform.h"

#include "model/Archive.h"
#include "model/Exceptions.h"

IMPLEMENT_SERIAL_VERSIONABLE(CPlatform, CNamedObject, 2)

void CPlatform::Serialize(CArchive& archive)
{
    CNamedObject::Serialize(archive);
    if (archive.IsStoring()) {
        archive.WriteString(m_catalogNo);
        archive.WriteInt32(m_partsPerPackage);
        archive.WriteString(m_price);
        for (const int32_t value : {m_units, m_height, m_width, m_length, m_poleHeight, m_roofHeight})
            archive.WriteInt32(value);
        for (const COLORREF color : {m_sideColor, m_topColor, m_poleColor, m_roofColor})
            archive.WriteUInt32(color);
        for (const int32_t value : {m_coverType, m_poleStyle, m_poleDiameter, m_edgeDistance, m_polesPerSide})
            archive.WriteInt32(value);
        if (archive.SchemaToStore(ThisClass()) >= kSchemaWithFreeText)
            archive.WriteString(m_freeText);
        return;
    }
    const uint32_t schema = archive.GetObjectSchema();
    if (schema < 1 || schema > kSchemaWithFreeText)
        throw CArchiveException(CArchiveException::badSchema);
    archive.ReadString(m_catalogNo);
    m_partsPerPackage = archive.ReadInt32();
    archive.ReadString(m_price);
    for (int32_t* value : {&m_units, &m_height, &m_width, &m_length, &m_poleHeight, &m_roofHeight})
        *value = archive.ReadInt32();
    for (COLORREF* color : {&m_sideColor, &m_topColor, &m_poleColor, &m_roofColor})
        *color = archive.ReadUInt32();
    m_coverType = archive.ReadInt32();
    m_poleStyle = archive.ReadInt32();
    // The first platforms had no poles of their own: they keep a new platform's values.
    if (schema >= 2) {
        m_poleDiameter = archive.ReadInt32();
        m_edgeDistance = archive.ReadInt32();
        m_polesPerSide = archive.ReadInt32();
    }
    if (schema == kSchemaWithFreeText)
        archive.ReadString(m_freeText);
}
