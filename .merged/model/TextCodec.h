#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// The program keeps text as UTF-8. Files hold Windows-1252 (and, in the document file,
// UTF-16 for text that code page cannot hold). The five bytes Windows-1252 leaves
// undefined map to U+0081, U+008D, U+008F, U+0090 and U+009D, so every byte survives.

std::string Utf8FromCp1252(std::string_view bytes);
// The same into out, which keeps its memory where the text fits.
void AssignUtf8FromCp1252(std::string_view bytes, std::string& out);

// Appends the Windows-1252 bytes of utf8 to out; false (out then undefined) when a
// character has no Windows-1252 byte or the text is not valid UTF-8.
bool TryCp1252FromUtf8(std::string_view utf8, std::string& out);

// Windows-1252 bytes of utf8, each character without a byte (or invalid byte) written as '?'.
void AppendCp1252Lossy(std::string_view utf8, std::string& out);
// The same written at out, which has room for utf8.size() bytes (the text never grows);
// returns the end of what was written.
char* WriteCp1252Lossy(std::string_view utf8, char* out);

std::string Utf8FromUtf16(std::u16string_view text);
// The same for units stored little-endian, two bytes each.
std::string Utf8FromUtf16Le(const uint8_t* bytes, size_t units);
std::u16string Utf16FromUtf8(std::string_view utf8);

// Decodes one UTF-8 character at pos, advancing pos; returns -1 for an invalid sequence
// (pos then moves past one byte).
long DecodeUtf8(std::string_view utf8, size_t& pos);
void AppendUtf8(char32_t code, std::string& out);

inline bool IsAscii(std::string_view text)
{
    // Eight bytes at a time: most text is ASCII, and every exported line is checked.
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if (word & 0x8080808080808080u)
            return false;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}
