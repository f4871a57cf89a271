#include "export/PartsText.h"

#include "model/FileIO.h"
#include "model/TextCodec.h"

void CPartsText::PutColor(COLORREF color)
{
    static constexpr char hex[] = "0123456789abcdef";
    const uint8_t bytes[3] = {GetBValue(color), GetGValue(color), GetRValue(color)};
    char token[7] = {'$'};
    for (int i = 0; i < 3; ++i) {
        token[1 + 2 * i] = hex[bytes[i] >> 4];
        token[2 + 2 * i] = hex[bytes[i] & 0xF];
    }
    m_bytes.append(token, sizeof token);
}

void CPartsText::PutSingleLineText(std::string_view utf8)
{
    const size_t start = m_bytes.size();
    AppendCp1252Lossy(utf8, m_bytes);
    for (size_t i = start; i < m_bytes.size(); ++i)
        if (m_bytes[i] == '\r' || m_bytes[i] == '\n')
            m_bytes[i] = ' ';
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
            m_bytes.push_back(bytes[i]);
    }
}

void CPartsText::Commit() const
{
    WriteFileAtomically(m_path, m_bytes);
}
