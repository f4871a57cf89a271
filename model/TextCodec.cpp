#include "model/TextCodec.h"

#include <array>

namespace {

// Windows-1252 bytes 0x80..0x9F; the undefined ones map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int Cp1252ByteOf(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<int>(code);
    for (size_t i = 0; i < kHighControlRange.size(); ++i)
        if (kHighControlRange[i] == code)
            return static_cast<int>(0x80 + i);
    return -1;
}

} // namespace

void AppendUtf8(char32_t code, std::string& out)
{
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

long DecodeUtf8(std::string_view utf8, size_t& pos)
{
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byteAt(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return -1;
    }
    if (pos + length > utf8.size()) {
        ++pos;
        return -1;
    }
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byteAt(pos + i);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return -1;
        }
        code = (code << 6) | (next & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++pos;
        return -1;
    }
    pos += length;
    return static_cast<long>(code);
}

std::string Utf8FromCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out.push_back(c);
        else if (byte < 0xA0)
            AppendUtf8(kHighControlRange[byte - 0x80], out);
        else
            AppendUtf8(byte, out);
    }
    return out;
}

bool TryCp1252FromUtf8(std::string_view utf8, std::string& out)
{
    for (size_t pos = 0; pos < utf8.size();) {
        const long code = DecodeUtf8(utf8, pos);
        const int byte = code < 0 ? -1 : Cp1252ByteOf(static_cast<char32_t>(code));
        if (byte < 0)
            return false;
        out.push_back(static_cast<char>(byte));
    }
    return true;
}

void AppendCp1252Lossy(std::string_view utf8, std::string& out)
{
    if (IsAscii(utf8)) {
        out.append(utf8);
        return;
    }
    for (size_t pos = 0; pos < utf8.size();) {
        const long code = DecodeUtf8(utf8, pos);
        const int byte = code < 0 ? -1 : Cp1252ByteOf(static_cast<char32_t>(code));
        out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
}

std::string Utf8FromUtf16(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD; // a lone surrogate is no character
        }
        AppendUtf8(code, out);
    }
    return out;
}

std::u16string Utf16FromUtf8(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        long code = DecodeUtf8(utf8, pos);
        if (code < 0)
            code = 0xFFFD;
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
    }
    return out;
}
