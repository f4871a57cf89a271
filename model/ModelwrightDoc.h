#pragma once

#include "model/Document.h"
#include "model/FileFingerprint.h"
#include "model/PartsManager.h"
#include "model/SerializationManager.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class CArchive;

// The one catalogue of the program: the parts list (with its header) and the root object of
// its document file.
class CModelwrightDoc : public CDocument {
public:
    static constexpr const char* kFileFilter = "Winrail Object Files (*.wo3)";
    static constexpr const char* kFileExtension = ".wo3";
    static constexpr const char* kFileTypeId = "WO3";
    static constexpr const char* kFileTypeName = "Winrail Object Document";

    // No document file is larger: such a file is refused before it is read.
    static constexpr uint64_t kLargestDocument = uint64_t(1) << 31;

    CModelwrightDoc();
    ~CModelwrightDoc() override;

    // A new, empty catalogue titled "Untitled".
    void OnNewDocument();
    void Serialize(CArchive& archive);

    // The document file's bytes, and a catalogue read from them. Loading replaces the
    // catalogue only when the whole file was read; otherwise it throws and changes nothing.
    std::vector<uint8_t> SaveToBytes();
    // The same bytes handed on in pieces of about a megabyte as they are made; only reads the
    // catalogue. passOn may throw to end the store.
    void SaveInPieces(const std::function<void(std::span<const uint8_t>)>& passOn);
    void LoadFromBytes(std::span<const uint8_t> bytes);

    // File Open as the user sees it. A file that cannot be read leaves the catalogue as it
    // was (a new one when it had unsaved changes); a damaged file gives a new, empty
    // catalogue. Both throw with the message to show. An empty file opens as a new, empty
    // catalogue under that file's name.
    void OpenDocumentFile(const std::filesystem::path& path);
    // File Save: writes the file atomically and, on success, takes its name and clears the
    // modified flag. A failure leaves the old file and throws.
    void SaveDocumentFile(const std::filesystem::path& path);

    // Unsaved changes kept for recovery: the catalogue read from the bytes, under the document's
    // own file name (untitled when empty), marked modified. Throws like LoadFromBytes and then
    // changes nothing.
    void RecoverFromBytes(std::span<const uint8_t> bytes, const std::filesystem::path& path);

    // The document's file as this document last read or wrote it; nothing for a catalogue
    // never saved. A recovered catalogue knows its file as it was when it was recovered.
    const std::optional<SFileFingerprint>& FileAsKnown() const { return m_fileAsKnown; }
    // The file as it is now, when another program changed its bytes since this document last
    // read or wrote it; nothing when they are the same or the file is gone.
    std::optional<SFileFingerprint> FileChangedOnDisk() const;

    CPartsManager& Parts() const { return *m_pPartsManager; }

    std::unique_ptr<CPartsManager> m_pPartsManager;
    std::unique_ptr<CSerializationManager> m_pSerializationManager;

private:
    void ReleaseCatalogue();
    // Loads through the archive; a failure tells where in the file it was met.
    void Load(CArchive& archive);
    void KnowFile(const std::filesystem::path& path, uint64_t size, const CContentHash& hash);

    std::optional<SFileFingerprint> m_fileAsKnown;
};
