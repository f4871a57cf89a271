#include "model/PartSnapshot.h"

#include "model/Archive.h"
#include "model/PartKind.h"

namespace {

// The text a part has that its document bytes do not hold: a platform's free text (a tree
// and a building keep their own).
std::string* UnkeptText(CNamedObject& object)
{
    return VisitPart(object, Overloaded {
                                 [](CTree&) -> std::string* { return nullptr; },
                                 [](CBuilding&) -> std::string* { return nullptr; },
                                 [](CPlatform& platform) { return &platform.m_freeText; },
                             })
        .value_or(nullptr);
}

}

CPartSnapshot CPartSnapshot::Take(CNamedObject& object)
{
    CPartSnapshot snapshot;
    snapshot.m_nameless = object.m_name.empty();
    CArchive archive(CArchive::store, snapshot.m_bytes);
    CBuilding::ChooseStoredSchema(archive, object);
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
