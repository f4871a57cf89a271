#include "model/SerializationManager.h"

#include "model/Archive.h"
#include "model/Exceptions.h"
#include "model/PartsManager.h"

IMPLEMENT_SERIAL_VERSIONABLE(CSerializationManager, CObject, 1)

CSerializationManager::~CSerializationManager() = default;

void CSerializationManager::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        archive.WriteObject(m_pParts);
        return;
    }
    if (archive.GetObjectSchema() != 1)
        throw CArchiveException(CArchiveException::badSchema);
    m_pReadParts = archive.ReadOwned<CPartsManager>();
    m_pReadParts->Init(CPartsManager::kName);
    m_pParts = m_pReadParts.get();
}

std::unique_ptr<CPartsManager> CSerializationManager::TakeParts()
{
    return std::move(m_pReadParts);
}
