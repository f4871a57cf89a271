#include "model/TextCodec.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// Windows-1252 bytes 0x80..0x9F; the undefined ones map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The bytes 0x80..0x9F by their characters, which all lie below U+0300 or from U+2000 to
// U+2122: two small tables made from the one above, instead of a search per character.
struct HighControlBytes {
    static constexpr char32_t kLowEnd = 0x300;
    static constexpr char32_t kHighStart = 0x2000;
    static constexpr char32_t kHighEnd = 0x2123;
    std::array<uint8_t, kLowEnd> low {};
    std::array<uint8_t, kHighEnd - kHighStart> high {};
};

constexpr HighControlBytes kHighControlBytes = [] {
    HighControlBytes bytes;
    for (size_t i = 0; i < kHighControlRange.size(); ++i) {
        const char32_t code = kHighControlRange[i];
        if (code < HighControlBytes::kLowEnd)
            bytes.low[code] = static_cast<uint8_t>(0x80 + i);
        else
            bytes.high[code - HighControlBytes::kHighStart] = static_cast<uint8_t>(0x80 + i);
    }
    return bytes;
}();

int Cp1252ByteOf(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<int>(code);
    uint8_t byte = 0;
    if (code < HighControlBytes::kLowEnd)
        byte = kHighControlBytes.low[code];
    else if (code >= HighControlBytes::kHighStart && code < HighControlBytes::kHighEnd)
        byte = kHighControlBytes.high[code - HighControlBytes::kHighStart];
    return byte ? byte : -1;
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

namespace {

// The UTF-8 form of each byte from 0x80: its length and its bytes.
struct Utf8OfByte {
    uint8_t length;
    char bytes[3];
};

constexpr std::array<Utf8OfByte, 128> MakeUtf8OfHighBytes()
{
    std::array<Utf8OfByte, 128> table {};
    for (size_t i = 0; i < table.size(); ++i) {
        const char32_t code = i < 0x20 ? kHighControlRange[i] : static_cast<char32_t>(0x80 + i);
        if (code < 0x800)
            table[i] = {2, {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F)), 0}};
        else
            table[i] = {3, {static_cast<char>(0xE0 | (code >> 12)), static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
                               static_cast<char>(0x80 | (code & 0x3F))}};
    }
    return table;
}

constexpr std::array<Utf8OfByte, 128> kUtf8OfHighByte = MakeUtf8OfHighBytes();

// The length of the ASCII run at the start of text, eight bytes at a time.
size_t AsciiPrefix(std::string_view text)
{
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        const uint64_t high = word & 0x8080808080808080u;
        if (high && std::endian::native == std::endian::little)
            return i + static_cast<size_t>(std::countr_zero(high)) / 8;
        if (high)
            break;
    }
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80)
        ++i;
    return i;
}

// The length of the UTF-8 form of bytes whose first `ascii` bytes are ASCII, eight bytes at a
// time: each byte from 0x80 takes one more, and those of 0x80..0x9F that stand for a character
// beyond U+07FF one more again.
size_t Utf8Size(std::string_view bytes, size_t ascii)
{
    constexpr uint64_t kHighBits = 0x8080808080808080u;
    size_t size = bytes.size();
    size_t i = ascii;
    const auto addByte = [&](unsigned char byte) {
        if (byte >= 0x80)
            size += kUtf8OfHighByte[byte - 0x80].length - 1u;
    };
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, bytes.data() + i, 8);
        const uint64_t high = word & kHighBits;
        if (!high)
            continue;
        // Bytes 0x80..0x9F: the top bit set, the two below it clear.
        if (high & ~(word << 1) & ~(word << 2)) {
            for (size_t k = 0; k < 8; ++k)
                addByte(static_cast<unsigned char>(bytes[i + k]));
        } else {
            size += static_cast<size_t>(std::popcount(high));
        }
    }
    for (; i < bytes.size(); ++i)
        addByte(static_cast<unsigned char>(bytes[i]));
    return size;
}

// The ASCII bytes from pos on, copied to next eight at a time (four near the end): how many,
// and whether the whole block was ASCII. Bytes past the count may be written too; what comes
// next overwrites them.
struct SAsciiRun {
    size_t length;
    bool whole;
};

inline SAsciiRun CopyAsciiRun(std::string_view in, size_t pos, char* next)
{
    if (std::endian::native == std::endian::little && pos + 8 <= in.size()) {
        uint64_t word;
        std::memcpy(&word, in.data() + pos, 8);
        std::memcpy(next, &word, 8);
        const uint64_t high = word & 0x8080808080808080u;
        const size_t ascii = high ? static_cast<size_t>(std::countr_zero(high)) / 8 : 8;
        return {ascii, ascii == 8};
    }
    if (pos + 4 <= in.size()) {
        uint32_t word;
        std::memcpy(&word, in.data() + pos, 4);
        if (!(word & 0x80808080u)) {
            std::memcpy(next, &word, 4);
            return {4, true};
        }
    }
    return {0, false};
}

} // namespace

namespace {

std::string Utf8FromLongCp1252(std::string_view bytes)
{
    size_t ascii = AsciiPrefix(bytes);
    if (ascii == bytes.size())
        return std::string(bytes);
    std::string out(Utf8Size(bytes, ascii), '\0');
    char* next = out.data();
    for (size_t i = 0; i < bytes.size();) {
        std::memcpy(next, bytes.data() + i, ascii);
        next += ascii;
        i += ascii;
        for (; i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80; ++i) {
            const Utf8OfByte& utf8 = kUtf8OfHighByte[static_cast<unsigned char>(bytes[i]) - 0x80];
            std::memcpy(next, utf8.bytes, 3); // the string's own terminator leaves room
            next += utf8.length;
        }
        ascii = AsciiPrefix(bytes.substr(i));
    }
    return out;
}

} // namespace

void AssignUtf8FromCp1252(std::string_view bytes, std::string& out)
{
    // Names and numbers are short: converted in one pass on the stack, each byte taking at
    // most three, ASCII eight bytes at a time.
    constexpr size_t kShortText = 64;
    if (bytes.size() > kShortText) {
        out = Utf8FromLongCp1252(bytes);
        return;
    }
    char buffer[3 * kShortText + 8];
    char* next = buffer;
    for (size_t i = 0; i < bytes.size();) {
        const SAsciiRun run = CopyAsciiRun(bytes, i, next);
        next += run.length;
        i += run.length;
        if (run.whole)
            continue;
        const auto byte = static_cast<unsigned char>(bytes[i++]);
        if (byte < 0x80) {
            *next++ = static_cast<char>(byte);
            continue;
        }
        const Utf8OfByte& utf8 = kUtf8OfHighByte[byte - 0x80];
        std::memcpy(next, utf8.bytes, 3);
        next += utf8.length;
    }
    const size_t size = static_cast<size_t>(next - buffer);
    // A string grown by assign may take twice its old room: a new one takes what it needs.
    if (size > out.capacity())
        out = std::string(buffer, size);
    else
        out.assign(buffer, size);
}

std::string Utf8FromCp1252(std::string_view bytes)
{
    std::string out;
    AssignUtf8FromCp1252(bytes, out);
    return out;
}

namespace {

// What WriteCp1252Lossy does, counting the characters that became '?'.
char* WriteCp1252Counting(std::string_view utf8, char* next, size_t& lost)
{
    // Every character and every invalid byte gives one byte, so the text never grows: the
    // output never passes the input, and ASCII is copied eight bytes at a time.
    size_t pos = 0;
    while (pos < utf8.size()) {
        const SAsciiRun run = CopyAsciiRun(utf8, pos, next);
        next += run.length;
        pos += run.length;
        if (run.whole)
            continue;
        const auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead < 0x80) {
            *next++ = static_cast<char>(lead);
            ++pos;
            continue;
        }
        // The Latin-1 letters and signs from U+00A0, most of what is beyond ASCII, have the
        // code page byte of their own number.
        if ((lead == 0xC2 || lead == 0xC3) && pos + 1 < utf8.size()) {
            const auto trail = static_cast<unsigned char>(utf8[pos + 1]);
            const unsigned code = ((lead & 0x1Fu) << 6) | (trail & 0x3Fu);
            if ((trail & 0xC0) == 0x80 && code >= 0xA0) {
                *next++ = static_cast<char>(code);
                pos += 2;
                continue;
            }
        }
        const long code = DecodeUtf8(utf8, pos);
        const int byte = code < 0 ? -1 : Cp1252ByteOf(static_cast<char32_t>(code));
        lost += byte < 0;
        *next++ = byte < 0 ? '?' : static_cast<char>(byte);
    }
    return next;
}

} // namespace

bool TryCp1252FromUtf8(std::string_view utf8, std::string& out)
{
    const size_t start = out.size();
    out.resize(start + utf8.size());
    size_t lost = 0;
    out.resize(static_cast<size_t>(WriteCp1252Counting(utf8, out.data() + start, lost) - out.data()));
    return lost == 0;
}

char* WriteCp1252Lossy(std::string_view utf8, char* next)
{
    size_t lost = 0;
    return WriteCp1252Counting(utf8, next, lost);
}

void AppendCp1252Lossy(std::string_view utf8, std::string& out)
{
    const size_t start = out.size();
    out.resize(start + utf8.size());
    out.resize(static_cast<size_t>(WriteCp1252Lossy(utf8, out.data() + start) - out.data()));
}

namespace {

// UTF-8 of UTF-16 units, each read by unitAt(i).
template <class UnitAt>
std::string Utf8FromUnits(size_t count, UnitAt unitAt)
{
    std::string out;
    out.reserve(count * 3);
    for (size_t i = 0; i < count; ++i) {
        char32_t code = unitAt(i);
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
            continue;
        }
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < count && unitAt(i + 1) >= 0xDC00 && unitAt(i + 1) <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unitAt(i + 1) - 0xDC00);
            ++i;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD; // a lone surrogate is no character
        }
        AppendUtf8(code, out);
    }
    return out;
}

} // namespace

std::string Utf8FromUtf16(std::u16string_view text)
{
    return Utf8FromUnits(text.size(), [&](size_t i) { return static_cast<char32_t>(text[i]); });
}

std::string Utf8FromUtf16Le(const uint8_t* bytes, size_t units)
{
    return Utf8FromUnits(units, [&](size_t i) { return static_cast<char32_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)); });
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
