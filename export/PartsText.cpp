#include "export/PartsText.h"

#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/TextCodec.h"

#include <algorithm>
#include <new>

void CPartsText::Grow(size_t n)
{
    if (n >= m_sizeLimit || m_size > m_sizeLimit - n)
        throw CException(kPartsFileTooLarge);
    const size_t capacity = std::min(std::max({m_capacity * 2, m_size + n + 1, size_t(1) << 16}), m_sizeLimit + 1);
    // realloc moves large blocks by remapping pages instead of copying them.
    char* grown = static_cast<char*>(std::realloc(m_pBuffer.get(), capacity));
    if (!grown)
        throw std::bad_alloc();
    m_pBuffer.release();
    m_pBuffer.reset(grown);
    m_capacity = capacity;
}

void CPartsText::PutSingleLineText(std::string_view utf8)
{
    const size_t start = m_size;
    if (IsAscii(utf8)) {
        Put(utf8);
    } else {
        std::string bytes;
        AppendCp1252Lossy(utf8, bytes);
        Put(bytes);
    }
    char* text = m_pBuffer.get();
    for (size_t i = start; i < m_size; ++i)
        if (text[i] == '\r' || text[i] == '\n')
            text[i] = ' ';
}

void CPartsText::PutMultiLineText(std::string_view utf8)
{
    std::string bytes;
    AppendCp1252Lossy(utf8, bytes);
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            continue; // the LF that follows ends the line
        if (bytes[i] == '\n')
            PutLineEnd();
        else
            Put(bytes[i]);
    }
}

void CPartsText::Commit() const
{
    WriteFileAtomically(m_path, GetBytes());
}
