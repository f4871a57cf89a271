#include "export/PartsText.h"

#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/TextCodec.h"

#include <algorithm>
#include <cstring>
#include <new>

CPartsText::CPartsText() = default;

CPartsText::CPartsText(std::filesystem::path path, size_t sizeLimit)
    : m_path(std::move(path))
    , m_sizeLimit(sizeLimit)
{
}

CPartsText::~CPartsText() = default;

void CPartsText::Grow(size_t n)
{
    if (!FitsWithinLimit(n))
        throw CException(EErrorCode::partsFileTooLarge);
    if (!m_path.empty() && m_size > 0)
        HandOnToFile();
    else if (m_allocated >= m_pieceSize && m_size > 0)
        HandOnToPieces();
    if (m_allocated - m_size <= n) {
        // A text in memory starts small: most are one part's.
        const size_t wanted = m_path.empty() ? std::max(std::min(m_allocated * 2, m_pieceSize), size_t(1) << 16) : kFilePieceSize;
        const size_t allocated = std::min(std::max(wanted, m_size + n + 1), m_sizeLimit + 1);
        // realloc moves large blocks by remapping pages instead of copying them.
        char* grown = static_cast<char*>(std::realloc(m_pBuffer.get(), allocated));
        if (!grown)
            throw std::bad_alloc();
        m_pBuffer.release();
        m_pBuffer.reset(grown);
        m_allocated = allocated;
    }
    // The text as a whole stops at the size limit, wherever its pieces are.
    m_capacity = std::min(m_allocated, m_sizeLimit + 1 - m_handedOn);
}

void CPartsText::ExpectMore(uint64_t bytes) const
{
    if (bytes > m_sizeLimit || m_handedOn + m_size > m_sizeLimit - bytes)
        throw CException(EErrorCode::partsFileTooLarge);
}

void CPartsText::HandOnToFile()
{
    if (!m_pFile)
        m_pFile = std::make_unique<CFileReplacement>(m_path);
    m_pFile->Write(GetBytes());
    m_handedOn += m_size;
    m_size = 0;
}

void CPartsText::HandOnToPieces()
{
    m_pieces.push_back({std::move(m_pBuffer), m_size});
    m_handedOn += m_size;
    m_size = 0;
    m_allocated = 0;
}

std::string CPartsText::TakeText()
{
    std::string text;
    text.reserve(m_handedOn + m_size);
    for (Piece& piece : m_pieces) {
        text.append(piece.bytes.get(), piece.size);
        piece.bytes.reset();
    }
    m_pieces.clear();
    text.append(GetBytes());
    m_handedOn = 0;
    m_size = 0;
    return text;
}

namespace {

// Whether any of eight bytes is a CR or an LF: a byte of the word made zero by either.
bool HasLineBreak(uint64_t word)
{
    constexpr uint64_t kOnes = 0x0101010101010101u;
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    const uint64_t cr = word ^ (kOnes * '\r');
    const uint64_t lf = word ^ (kOnes * '\n');
    return (((cr - kOnes) & ~cr) | ((lf - kOnes) & ~lf)) & kHighBits;
}

// Makes every CR and every LF a blank; most texts have none, which is seen eight bytes at a time.
void BlankLineBreaks(char* text, char* end)
{
    for (; end - text >= 8; text += 8) {
        uint64_t word;
        std::memcpy(&word, text, 8);
        if (HasLineBreak(word))
            std::replace_if(text, text + 8, [](char c) { return c == '\r' || c == '\n'; }, ' ');
    }
    std::replace_if(text, end, [](char c) { return c == '\r' || c == '\n'; }, ' ');
}

} // namespace

char* CPartsText::FormatSingleLineText(char* out, std::string_view utf8)
{
    // Converted in place: the code page's text is never longer.
    char* const end = WriteCp1252Lossy(utf8, out);
    BlankLineBreaks(out, end);
    return end;
}

std::string_view CPartsText::Cp1252Of(std::string_view utf8)
{
    if (utf8 != m_convertedText) {
        m_convertedText.assign(utf8);
        m_convertedBytes.clear();
        AppendCp1252Lossy(utf8, m_convertedBytes);
    }
    return m_convertedBytes;
}

void CPartsText::PutMultiLineText(std::string_view utf8)
{
    if (IsAscii(utf8)) {
        PutLines(utf8);
        return;
    }
    PutLines(Cp1252Of(utf8));
}

void CPartsText::PutLines(std::string_view bytes)
{
    if (bytes.empty())
        return; // an empty view may have no data to copy from
    // Exactly the room the lines take, so a text near the size limit still fits.
    size_t size = bytes.size();
    for (size_t i = bytes.find('\n'); i != std::string_view::npos; i = bytes.find('\n', i + 1))
        if (i == 0 || bytes[i - 1] != '\r')
            ++size; // a lone LF becomes a CR LF pair
    char* out = Room(size);
    size_t start = 0;
    for (size_t i = bytes.find('\n'); i != std::string_view::npos; i = bytes.find('\n', start)) {
        // The CR of a CR LF pair goes with the LF that ends the line.
        const size_t end = i > start && bytes[i - 1] == '\r' ? i - 1 : i;
        out = FormatLineEnd(Copy(out, bytes.substr(start, end - start)));
        start = i + 1;
    }
    EndPiece(Copy(out, bytes.substr(start)));
}

void CPartsText::Commit()
{
    HandOnToFile();
    m_pFile->Commit();
}
