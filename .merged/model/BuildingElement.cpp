#include "model/BuildingElement.h"

#include "model/Archive.h"
#include "model/Exceptions.h"

IMPLEMENT_SERIAL_VERSIONABLE(CBuildingElement, CNamedObject, 2)

CBuildingElement::CBuildingElement()
    : m_decorations(std::make_unique<CDecorationManager>())
{
}

CBuildingElement::CBuildingElement(ToBeLoaded)
{
}

void CBuildingElement::Serialize(CArchive& archive)
{
    CNamedObject::Serialize(archive);
    if (archive.IsStoring()) {
        archive.WriteUInt32(m_blockColor);
        for (const int32_t value : {m_positionX, m_positionY, m_positionZ, m_blockDepth, m_blockHeight, m_blockWidth})
            archive.WriteInt32(value);
        archive.WriteString(m_freeText);
        archive.WriteInt32(m_roofAngle);
        archive.WriteUInt32(m_roofColor);
        for (const int32_t value : {m_roofHeight, m_roofType, m_roofOrientation})
            archive.WriteInt32(value);
        archive.WriteObject(m_decorations.get());
        return;
    }
    const uint32_t schema = archive.GetObjectSchema();
    if (schema != 1 && schema != 2)
        throw CArchiveException(CArchiveException::badSchema);
    m_blockColor = archive.ReadUInt32();
    m_positionX = archive.ReadInt32();
    m_positionY = archive.ReadInt32();
    // The first elements stood on the ground and had no doors or windows.
    m_positionZ = schema == 2 ? archive.ReadInt32() : 0;
    for (int32_t* value : {&m_blockDepth, &m_blockHeight, &m_blockWidth})
        *value = archive.ReadInt32();
    archive.ReadString(m_freeText);
    m_roofAngle = archive.ReadInt32();
    m_roofColor = archive.ReadUInt32();
    for (int32_t* value : {&m_roofHeight, &m_roofType, &m_roofOrientation})
        *value = archive.ReadInt32();
    if (schema == 2) {
        // The number a list made with the element would have taken, so that later objects keep theirs.
        TakeNextId();
        m_decorations = archive.ReadOwned<CDecorationManager>();
    } else {
        m_decorations = std::make_unique<CDecorationManager>();
    }
}
