#include "model/PartsManager.h"

#include "model/Archive.h"
#include "model/Building.h"
#include "model/Exceptions.h"
#include "model/ObjectEditor.h"
#include "model/PartKind.h"
#include "model/Platform.h"
#include "model/Tree.h"

IMPLEMENT_SERIAL_VERSIONABLE(CPartsManager, CObjectManager, 1)

CPartsManager::CPartsManager()
    : m_pHeader(std::make_unique<CHeader>())
{
}

CPartsManager::~CPartsManager()
{
    // The header goes before the parts.
    m_pHeader.reset();
}

std::span<const CRuntimeClass* const> CPartsManager::ElementClasses() const
{
    static const CRuntimeClass* const classes[] = {RUNTIME_CLASS(CTree), RUNTIME_CLASS(CBuilding), RUNTIME_CLASS(CPlatform)};
    return classes;
}

void CPartsManager::Serialize(CArchive& archive)
{
    if (archive.IsStoring())
        for (const auto& part : m_list)
            ChooseStoredSchema(archive, *part);
    CObjectManager::Serialize(archive);
    if (archive.IsStoring()) {
        archive.WriteObject(m_pHeader.get());
        return;
    }
    if (archive.GetObjectSchema() != 1)
        throw CArchiveException(CArchiveException::badSchema);
    m_pHeader = archive.ReadOwned<CHeader>();
}

bool CPartsManager::EditHeader(IObjectEditor& headerDialog)
{
    return headerDialog.Edit(*m_pHeader, *this);
}
