#include "model/PartSnapshot.h"

#include "model/Archive.h"
#include "model/Building.h"
#include "model/Platform.h"

namespace {

std::string* UnkeptText(CNamedObject& object)
{
    if (auto* building = DynamicDowncast<CBuilding>(&object))
        return &building->m_freeText;
    if (auto* platform = DynamicDowncast<CPlatform>(&object))
        return &platform->m_freeText;
    return nullptr;
}

}

CPartSnapshot CPartSnapshot::Take(CNamedObject& object)
{
    CPartSnapshot snapshot;
    snapshot.m_nameless = object.m_name.empty();
    CArchive archive(CArchive::store, snapshot.m_bytes);
    archive.WriteObject(&object);
    if (snapshot.m_nameless)
        object.m_name.clear();
    snapshot.m_bytes.shrink_to_fit();
    if (const std::string* text = UnkeptText(object))
        snapshot.m_unkeptText = *text;
    return snapshot;
}

std::unique_ptr<CNamedObject> CPartSnapshot::Restore(std::span<const CRuntimeClass* const> accepted) const
{
    CArchive archive(CArchive::load, m_bytes);
    std::unique_ptr<CNamedObject> object(static_cast<CNamedObject*>(archive.ReadOwnedObject(accepted).release()));
    if (std::string* text = UnkeptText(*object))
        *text = m_unkeptText;
    if (m_nameless)
        object->m_name.clear();
    return object;
}
