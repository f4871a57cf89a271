#include "model/SerializationManager.h"

#include "model/Archive.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"

IMPLEMENT_SERIAL_VERSIONABLE(CSerializationManager, CObject, 1)

void CSerializationManager::Serialize(CArchive& archive)
{
    auto* document = static_cast<CModelwrightDoc*>(archive.GetDocument());
    if (archive.IsStoring()) {
        archive.WriteObject(document->m_pPartsManager.get());
        return;
    }
    if (archive.GetObjectSchema() != 1)
        throw CArchiveException(CArchiveException::badSchema);
    document->m_pPartsManager = archive.ReadOwned<CPartsManager>();
    document->m_pPartsManager->Init(CPartsManager::kName);
    document->m_pPartsManager->AttachAll();
}
