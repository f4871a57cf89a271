#include "model/Tree.h"

#include "model/Archive.h"
#include "model/Exceptions.h"

IMPLEMENT_SERIAL_VERSIONABLE(CTree, CNamedObject, 1)

void CTree::Serialize(CArchive& archive)
{
    CNamedObject::Serialize(archive);
    if (archive.IsStoring()) {
        archive.WriteString(m_catalogNo);
        archive.WriteString(m_freeText);
        archive.WriteInt32(m_partsPerPackage);
        archive.WriteString(m_price);
        archive.WriteUInt32(m_topColor);
        archive.WriteInt32(m_topHeight);
        archive.WriteInt32(m_topRadius);
        archive.WriteInt32(m_treeType);
        archive.WriteUInt32(m_trunkColor);
        archive.WriteInt32(m_trunkHeight);
        archive.WriteInt32(m_trunkRadius);
        archive.WriteInt32(m_units);
        return;
    }
    if (archive.GetObjectSchema() != 1)
        throw CArchiveException(CArchiveException::badSchema);
    archive.ReadString(m_catalogNo);
    archive.ReadString(m_freeText);
    m_partsPerPackage = archive.ReadInt32();
    archive.ReadString(m_price);
    m_topColor = archive.ReadUInt32();
    m_topHeight = archive.ReadInt32();
    m_topRadius = archive.ReadInt32();
    m_treeType = archive.ReadInt32();
    m_trunkColor = archive.ReadUInt32();
    m_trunkHeight = archive.ReadInt32();
    m_trunkRadius = archive.ReadInt32();
    m_units = archive.ReadInt32();
}
