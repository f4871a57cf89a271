#include "model/NamedObject.h"

#include "model/Archive.h"
#include "model/Exceptions.h"

IMPLEMENT_SERIAL(CNamedObject, CObject, 1)

namespace {
uint32_t s_nextId = 1;
}

int32_t CNamedObject::TakeNextId()
{
    return static_cast<int32_t>(s_nextId++);
}

int32_t CNamedObject::PeekNextId()
{
    return static_cast<int32_t>(s_nextId);
}

CNamedObject::CNamedObject()
    : m_id(TakeNextId())
{
}

void CNamedObject::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        SetDefaultName();
        archive.WriteInt32(1);
        archive.WriteInt32(m_id);
        archive.WriteString(m_name);
        return;
    }
    // A loaded object takes its stored name, or its default name when that is empty.
    // Only format 1 exists; anything else would read the fields from the wrong place.
    if (archive.ReadInt32() != 1)
        throw CArchiveException(CArchiveException::badSchema);
    m_id = archive.ReadInt32();
    archive.ReadString(m_name);
    if (m_name.empty())
        SetDefaultName();
}

bool CNamedObject::SetDefaultName()
{
    if (!m_name.empty())
        return false;
    m_name = std::string(GetRuntimeClass()->m_className) + ' ' + std::to_string(m_id);
    return true;
}
