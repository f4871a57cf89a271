#include "model/Decoration.h"

#include "model/Archive.h"
#include "model/Exceptions.h"

IMPLEMENT_SERIAL_VERSIONABLE(CDecoration, CNamedObject, 1)

void CDecoration::Serialize(CArchive& archive)
{
    CNamedObject::Serialize(archive);
    if (archive.IsStoring()) {
        for (const int32_t value : {m_positionX, m_positionZ, m_width, m_height, m_wall, m_mainType, m_subtype, m_windowCount})
            archive.WriteInt32(value);
        archive.WriteUInt32(m_mainColor);
        archive.WriteUInt32(m_innerColor);
        return;
    }
    if (archive.GetObjectSchema() != 1)
        throw CArchiveException(CArchiveException::badSchema);
    for (int32_t* value : {&m_positionX, &m_positionZ, &m_width, &m_height, &m_wall, &m_mainType, &m_subtype, &m_windowCount})
        *value = archive.ReadInt32();
    m_mainColor = archive.ReadUInt32();
    m_innerColor = archive.ReadUInt32();
}
