#include "model/ModelwrightDoc.h"

#include "model/Archive.h"
#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/HeapPages.h"

#include <array>
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
    m_fileAsKnown.reset();
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
        KnowFile(path, 0, CContentHash());
        return;
    }
    SetModifiedFlag(true);
    CContentHash hash;
    uint64_t size = 0;
    const auto readPiece = [&](uint8_t* into, size_t wanted) {
        const size_t read = file->Read(into, wanted);
        hash.Add(std::span<const uint8_t>(into, read));
        size += read;
        return read;
    };
    try {
        // Read as it is taken apart: the catalogue and the whole file are never held at once.
        CLargeHeapPages heapPages(file->Size());
        CArchive archive(CArchive::load, file->Size(), [&](uint8_t* into, size_t wanted) {
            heapPages.AskForNewPages();
            return readPiece(into, wanted);
        });
        Load(archive);
        // Bytes past the catalogue's end belong to the file all the same.
        std::array<uint8_t, 4096> rest;
        while (readPiece(rest.data(), rest.size()) > 0) {
        }
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
    KnowFile(path, size, hash);
    SetModifiedFlag(false);
    UpdateAllViews();
}

void CModelwrightDoc::SaveDocumentFile(const std::filesystem::path& path)
{
    // Written as it is made: a large catalogue is never held a second time as bytes.
    CFileReplacement file(path);
    CContentHash hash;
    uint64_t size = 0;
    try {
        SaveInPieces([&](std::span<const uint8_t> piece) {
            file.Write(piece);
            hash.Add(piece);
            size += piece.size();
        });
    } catch (const CArchiveException&) {
        throw CException(EErrorCode::failedToSaveDocument);
    }
    file.Commit();
    SetPathName(path);
    KnowFile(path, size, hash);
    SetModifiedFlag(false);
}

void CModelwrightDoc::RecoverFromBytes(std::span<const uint8_t> bytes, const std::filesystem::path& path)
{
    LoadFromBytes(bytes);
    if (path.empty())
        ClearPathName();
    else
        SetPathName(path);
    // The file the lost changes started from is not known: whatever changes it after this is.
    m_fileAsKnown = path.empty() ? std::nullopt : TakeFingerprint(path);
    UpdateAllViews();
    SetModifiedFlag(true);
}

void CModelwrightDoc::KnowFile(const std::filesystem::path& path, uint64_t size, const CContentHash& hash)
{
    SFileFingerprint fingerprint;
    fingerprint.m_size = size;
    fingerprint.m_hash = hash.Value();
    std::error_code error;
    fingerprint.m_written = std::filesystem::last_write_time(path, error);
    m_fileAsKnown = fingerprint;
}

std::optional<SFileFingerprint> CModelwrightDoc::FileChangedOnDisk() const
{
    if (!m_fileAsKnown || GetPathName().empty())
        return std::nullopt;
    std::optional<SFileFingerprint> now = TakeFingerprint(GetPathName());
    if (!now || now->SameBytes(*m_fileAsKnown))
        return std::nullopt;
    return now;
}
