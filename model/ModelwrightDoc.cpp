#include "model/ModelwrightDoc.h"

#include "model/Archive.h"
#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/HeapPages.h"

#include <optional>

CModelwrightDoc::CModelwrightDoc() = default;

CModelwrightDoc::~CModelwrightDoc()
{
    AboutToChange();
    ReleaseCatalogue();
}

void CModelwrightDoc::ReleaseCatalogue()
{
    m_pPartsManager.reset();
    m_pSerializationManager.reset();
}

void CModelwrightDoc::OnNewDocument()
{
    AboutToChange();
    ClearPathName();
    SetModifiedFlag(false);
    ReleaseCatalogue();
    m_pPartsManager = std::make_unique<CPartsManager>();
    m_pPartsManager->Init(CPartsManager::kName);
    m_pSerializationManager = std::make_unique<CSerializationManager>(*m_pPartsManager);
    UpdateAllViews();
}

void CModelwrightDoc::Serialize(CArchive& archive)
{
    if (archive.IsStoring()) {
        archive.WriteObject(m_pSerializationManager.get());
        return;
    }
    // The parts list is put in place only once all of it has been read.
    auto root = archive.ReadOwned<CSerializationManager>();
    m_pPartsManager = root->TakeParts();
    m_pSerializationManager = std::move(root);
}

std::vector<uint8_t> CModelwrightDoc::SaveToBytes()
{
    std::vector<uint8_t> bytes;
    CArchive archive(CArchive::store, bytes);
    Serialize(archive);
    return bytes;
}

void CModelwrightDoc::SaveInPieces(const std::function<void(std::span<const uint8_t>)>& passOn)
{
    std::vector<uint8_t> piece;
    CArchive archive(CArchive::store, piece);
    archive.SetPassOn(passOn);
    Serialize(archive);
    archive.PassOnRest();
}

void CModelwrightDoc::LoadFromBytes(std::span<const uint8_t> bytes)
{
    CArchive archive(CArchive::load, bytes);
    Load(archive);
}

void CModelwrightDoc::Load(CArchive& archive)
{
    AboutToChange();
    try {
        Serialize(archive);
    } catch (CArchiveException& error) {
        error.m_offset = archive.Position();
        throw;
    }
}

void CModelwrightDoc::OpenDocumentFile(const std::filesystem::path& path)
{
    std::optional<CFileReader> file;
    try {
        file.emplace(path, kLargestDocument);
    } catch (const CFileException&) {
        if (IsModified())
            OnNewDocument();
        throw;
    }
    if (file->Size() == 0) {
        // Keeping the previous catalogue would show it, and later save it, as this file's.
        OnNewDocument();
        SetPathName(path);
        return;
    }
    SetModifiedFlag(true);
    try {
        // Read as it is taken apart: the catalogue and the whole file are never held at once.
        CLargeHeapPages heapPages(file->Size());
        CArchive archive(CArchive::load, file->Size(), [&](uint8_t* into, size_t size) {
            heapPages.AskForNewPages();
            return file->Read(into, size);
        });
        Load(archive);
    } catch (const CArchiveException&) {
        OnNewDocument();
        throw;
    } catch (const CFileException&) {
        OnNewDocument();
        throw;
    } catch (const std::bad_alloc&) {
        OnNewDocument();
        throw CException(EErrorCode::failedToOpenDocument);
    }
    SetPathName(path);
    SetModifiedFlag(false);
    UpdateAllViews();
}

void CModelwrightDoc::SaveDocumentFile(const std::filesystem::path& path)
{
    // Written as it is made: a large catalogue is never held a second time as bytes.
    CFileReplacement file(path);
    try {
        SaveInPieces([&](std::span<const uint8_t> piece) { file.Write(piece); });
    } catch (const CArchiveException&) {
        throw CException(EErrorCode::failedToSaveDocument);
    }
    file.Commit();
    SetPathName(path);
    SetModifiedFlag(false);
}

void CModelwrightDoc::RecoverFromBytes(std::span<const uint8_t> bytes, const std::filesystem::path& path)
{
    LoadFromBytes(bytes);
    if (path.empty())
        ClearPathName();
    else
        SetPathName(path);
    UpdateAllViews();
    SetModifiedFlag(true);
}
