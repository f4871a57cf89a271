#include "cli/JsonScanner.h"

#include "cli/CatalogueJson.h"
#include "model/TextCodec.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

constexpr size_t kQuotedChars = 60;
constexpr size_t kMaxPlainDigits = 18;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// How many of eight bytes, read as one little-endian word, lead without ending a plain run of a
// string: a quote, a backslash, a control character or a byte beyond ASCII ends it. (The tests
// for a byte may also fire for bytes after the first that ends the run, never before it.)
int PlainLeadOfWord(uint64_t word)
{
    constexpr uint64_t ones = 0x0101010101010101u;
    constexpr uint64_t highs = 0x8080808080808080u;
    const uint64_t quotes = word ^ (ones * '"');
    const uint64_t backslashes = word ^ (ones * '\\');
    const uint64_t found = (((word - ones * 0x20) & ~word) | ((quotes - ones) & ~quotes)
        | ((backslashes - ones) & ~backslashes) | word) & highs;
    return found == 0 ? 8 : std::countr_zero(found) / 8;
}

// The high bit of each byte of the word that equals c, exactly (no carry passes between bytes).
uint64_t BytesEqual(uint64_t word, unsigned char c)
{
    constexpr uint64_t lows = 0x7F7F7F7F7F7F7F7Fu;
    const uint64_t diff = word ^ (0x0101010101010101u * c);
    return ~(((diff & lows) + lows) | diff | lows);
}

// How many of eight bytes, read as one little-endian word, lead as white space.
int SpaceLeadOfWord(uint64_t word)
{
    const uint64_t space = BytesEqual(word, ' ') | BytesEqual(word, '\n') | BytesEqual(word, '\r') | BytesEqual(word, '\t');
    const uint64_t other = ~space & 0x8080808080808080u;
    return other == 0 ? 8 : std::countr_zero(other) / 8;
}

uint64_t WordAt(std::string_view text, size_t pos)
{
    uint64_t word;
    std::memcpy(&word, text.data() + pos, 8);
    if constexpr (std::endian::native == std::endian::big)
        word = __builtin_bswap64(word);
    return word;
}

bool IsPlainByte(unsigned char byte)
{
    return byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\';
}

} // namespace

bool IsPlainJsonText(std::string_view text)
{
    size_t i = 0;
    for (; i + 8 <= text.size(); i += 8)
        if (PlainLeadOfWord(WordAt(text, i)) != 8)
            return false;
    for (; i < text.size(); ++i)
        if (!IsPlainByte(static_cast<unsigned char>(text[i])))
            return false;
    return true;
}

std::string Abridged(std::string_view text)
{
    size_t chars = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue; // a continuation byte belongs to the character before
        if (chars++ == kQuotedChars)
            return std::string(text.substr(0, i)) + "\xE2\x80\xA6";
    }
    return std::string(text);
}

// The member names of every open object being skipped, to refuse one named twice (the JSON
// library would settle that silently by keeping one). The lists are kept from object to object,
// so that the names of most objects take no new memory.
class CJsonScanner::CMemberNames {
public:
    void Open()
    {
        if (m_depth == m_open.size())
            m_open.emplace_back();
        Names& names = m_open[m_depth++];
        names.few.clear();
        names.many.clear();
    }

    void Close() { --m_depth; }

    // False when the innermost open object has this member already.
    bool Add(std::string_view name)
    {
        Names& names = m_open[m_depth - 1];
        if (!names.many.empty())
            return names.many.emplace(name).second;
        for (const std::string& known : names.few)
            if (known == name)
                return false;
        names.few.emplace_back(name);
        if (names.few.size() > kFew) // a search through a long list would grow with its square
            names.many.insert(names.few.begin(), names.few.end());
        return true;
    }

private:
    static constexpr size_t kFew = 32;

    struct Names {
        std::vector<std::string> few;
        std::unordered_set<std::string> many;
    };
    std::vector<Names> m_open;
    size_t m_depth = 0;
};

CJsonScanner::CJsonScanner(std::string_view text)
    : m_text(text)
    , m_pNames(std::make_unique<CMemberNames>())
{
    if (m_text.starts_with("\xEF\xBB\xBF"))
        m_pos = 3;
}

CJsonScanner::~CJsonScanner() = default;

const char* CJsonScanner::TypeNameOf(char first)
{
    switch (first) {
    case '{': return "object";
    case '[': return "array";
    case '"': return "string";
    case 't':
    case 'f': return "boolean";
    case 'n': return "null";
    default: return "number";
    }
}

void CJsonScanner::RefuseMemberGivenTwice(std::string_view name)
{
    throw CJsonCatalogueError(Abridged(name) + ": member given twice");
}

void CJsonScanner::Fail(size_t position, const std::string& problem) const
{
    const std::string_view before = m_text.substr(0, position);
    const size_t line = static_cast<size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    const size_t lineStart = before.rfind('\n');
    const size_t column = position - (lineStart == std::string_view::npos ? 0 : lineStart + 1) + 1;
    throw CJsonCatalogueError("Invalid JSON: parse error at line " + std::to_string(line) + ", column "
        + std::to_string(column) + " (byte " + std::to_string(position) + "): " + problem);
}

void CJsonScanner::FailFound(const char* expected) const
{
    if (AtEnd())
        Fail(m_pos, std::string("unexpected end of input; expected ") + expected);
    // What stands there, up to the end of its line.
    const std::string_view rest = m_text.substr(m_pos, 4 * kQuotedChars);
    const auto lineEnd = std::find_if(rest.begin(), rest.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    const std::string_view found = rest.substr(0, static_cast<size_t>(lineEnd - rest.begin()));
    Fail(m_pos, std::string("expected ") + expected + ", found '" + Abridged(found) + "'");
}

void CJsonScanner::SkipSpaceRun()
{
    constexpr uint64_t kBlanks = 0x2020202020202020u;
    // Eight bytes at a time: blanks (most white space is indents) by a quicker test.
    while (m_pos + 8 <= m_text.size()) {
        const uint64_t word = WordAt(m_text, m_pos);
        const uint64_t notBlank = word ^ kBlanks;
        int lead = notBlank == 0 ? 8 : std::countr_zero(notBlank) / 8;
        if (lead == 0) {
            if (!IsSpace(m_text[m_pos]))
                return;
            // A line end before an indent is passed alone.
            lead = m_text[m_pos + 1] == ' ' ? 1 : SpaceLeadOfWord(word);
        }
        m_pos += static_cast<size_t>(lead);
        if (lead < 8 && !IsSpace(At()))
            return;
    }
    while (IsSpace(At()))
        ++m_pos;
}

void CJsonScanner::Expect(char c, const char* problem)
{
    SkipSpace();
    if (At() != c)
        FailFound(problem);
    ++m_pos;
}

bool CJsonScanner::Open(char bracket)
{
    Expect(bracket, bracket == '{' ? "'{'" : "'['");
    SkipSpace();
    if (At() != (bracket == '{' ? '}' : ']'))
        return false;
    ++m_pos;
    return true;
}

std::string_view CJsonScanner::Key()
{
    SkipSpace();
    if (At() != '"')
        FailFound("a member name in double quotes");
    const std::string_view key = ReadString(m_key);
    Expect(':', "':' after the member name");
    return key;
}

std::string_view CJsonScanner::String()
{
    SkipSpace();
    if (At() != '"')
        FailFound("a string");
    return ReadString(m_value);
}

std::string_view CJsonScanner::ReadString(std::string& out)
{
    const size_t start = ++m_pos;
    // Once a string has an escape, it is written out: run is the first byte not written yet.
    bool escaped = false;
    size_t run = start;
    for (;;) {
        // Runs of bytes that stand for themselves, eight at a time.
        for (int lead = 8; lead == 8 && m_pos + 8 <= m_text.size(); m_pos += static_cast<size_t>(lead))
            lead = PlainLeadOfWord(WordAt(m_text, m_pos));
        while (!AtEnd() && IsPlainByte(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos;
        if (AtEnd())
            Fail(m_pos, "unexpected end of input in a string; expected '\"'");
        const auto byte = static_cast<unsigned char>(m_text[m_pos]);
        if (byte == '"')
            break;
        if (byte >= 0x80) {
            const size_t first = m_pos;
            if (DecodeUtf8(m_text, m_pos) < 0)
                Fail(first, "invalid string: ill-formed UTF-8 byte");
            continue;
        }
        if (byte < 0x20) {
            char code[8];
            std::snprintf(code, sizeof code, "%04X", byte);
            Fail(m_pos, std::string("invalid string: control character U+") + code + " must be escaped");
        }
        if (!escaped) {
            escaped = true;
            out.clear();
        }
        out.append(m_text.substr(run, m_pos - run));
        ReadEscape(out);
        run = m_pos;
    }
    const size_t end = m_pos++;
    if (!escaped)
        return m_text.substr(start, end - start);
    out.append(m_text.substr(run, end - run));
    return out;
}

void CJsonScanner::ReadEscape(std::string& out)
{
    const size_t backslash = m_pos++;
    const char kind = At();
    ++m_pos;
    switch (kind) {
    case '"': out += '"'; return;
    case '\\': out += '\\'; return;
    case '/': out += '/'; return;
    case 'b': out += '\b'; return;
    case 'f': out += '\f'; return;
    case 'n': out += '\n'; return;
    case 'r': out += '\r'; return;
    case 't': out += '\t'; return;
    case 'u': break;
    default: Fail(backslash, "invalid string: forbidden character after backslash");
    }
    char32_t code = ReadHexCode();
    if (code >= 0xDC00 && code <= 0xDFFF)
        Fail(backslash, "invalid string: surrogate U+DC00..U+DFFF must follow U+D800..U+DBFF");
    if (code >= 0xD800 && code <= 0xDBFF) {
        if (m_text.substr(m_pos, 2) != "\\u")
            Fail(backslash, "invalid string: surrogate U+D800..U+DBFF must be followed by U+DC00..U+DFFF");
        m_pos += 2;
        const char32_t low = ReadHexCode();
        if (low < 0xDC00 || low > 0xDFFF)
            Fail(backslash, "invalid string: surrogate U+D800..U+DBFF must be followed by U+DC00..U+DFFF");
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
    }
    AppendUtf8(code, out);
}

char32_t CJsonScanner::ReadHexCode()
{
    char32_t code = 0;
    for (int i = 0; i < 4; ++i, ++m_pos) {
        const char digit = At();
        code <<= 4;
        if (digit >= '0' && digit <= '9')
            code |= static_cast<char32_t>(digit - '0');
        else if (digit >= 'a' && digit <= 'f')
            code |= static_cast<char32_t>(digit - 'a' + 10);
        else if (digit >= 'A' && digit <= 'F')
            code |= static_cast<char32_t>(digit - 'A' + 10);
        else
            Fail(m_pos, "invalid string: '\\u' must be followed by 4 hexadecimal digits");
    }
    return code;
}

bool CJsonScanner::Number(int64_t& value)
{
    SkipSpace();
    const size_t start = m_pos;
    const char* const text = m_text.data();
    const size_t size = m_text.size();
    size_t pos = m_pos;
    const auto digitAt = [&](size_t i) { return i < size && IsDigit(text[i]); };
    const auto failAt = [&](size_t i, const char* expected) {
        m_pos = i;
        FailFound(expected);
    };
    const bool negative = pos < size && text[pos] == '-';
    if (negative)
        ++pos;
    const size_t firstDigit = pos;
    uint64_t magnitude = 0;
    if (pos < size && text[pos] == '0') {
        ++pos;
    } else {
        for (; digitAt(pos); ++pos)
            magnitude = magnitude * 10 + static_cast<uint64_t>(text[pos] - '0');
    }
    if (pos == firstDigit)
        failAt(pos, "a digit");
    const size_t digits = pos - firstDigit;
    bool whole = true;
    if (pos < size && text[pos] == '.') {
        if (!digitAt(++pos))
            failAt(pos, "a digit after '.'");
        while (digitAt(pos))
            ++pos;
        whole = false;
    }
    if (pos < size && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < size && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        if (!digitAt(pos))
            failAt(pos, "a digit in the exponent");
        while (digitAt(pos))
            ++pos;
        whole = false;
    }
    m_pos = pos;
    if (whole && digits <= kMaxPlainDigits) {
        value = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
        return true;
    }
    // As the JSON library reads it: a whole number beyond 64 bits, and any other, is a double,
    // which must be finite.
    const std::string token(m_text.substr(start, m_pos - start));
    errno = 0;
    if (whole && (negative ? (std::strtoll(token.c_str(), nullptr, 10), errno == 0)
                           : (std::strtoull(token.c_str(), nullptr, 10), errno == 0)))
        return false;
    if (!std::isfinite(std::strtod(token.c_str(), nullptr)))
        Fail(start, "number overflow parsing '" + Abridged(token) + "'");
    return false;
}

void CJsonScanner::SkipLiteral(std::string_view word)
{
    if (m_text.substr(m_pos, word.size()) != word) {
        const std::string_view found = m_text.substr(m_pos, word.size());
        Fail(m_pos, "invalid literal '" + Abridged(found.substr(0, found.find_first_of(" \t\r\n,]}"))) + "'");
    }
    m_pos += word.size();
}

void CJsonScanner::SkipKeyOfObject()
{
    const std::string_view key = Key();
    if (!m_pNames->Add(key))
        RefuseMemberGivenTwice(key);
}

void CJsonScanner::SkipValue()
{
    // The open objects and arrays, innermost last; nesting of any depth takes no stack.
    const size_t outer = m_open.size();
    for (;;) {
        const char c = Peek();
        switch (c) {
        case '{':
        case '[':
            if (Open(c))
                break;
            m_open.push_back(c);
            if (c == '{') {
                m_pNames->Open();
                SkipKeyOfObject();
            }
            continue;
        case '"': ReadString(m_value); break;
        case 't': SkipLiteral("true"); break;
        case 'f': SkipLiteral("false"); break;
        case 'n': SkipLiteral("null"); break;
        default:
            if (c != '-' && !IsDigit(c))
                FailFound("a value");
            int64_t ignored;
            Number(ignored);
            break;
        }
        // After a value: the next member or item, or the end of its containers.
        for (;;) {
            if (m_open.size() == outer)
                return;
            const bool inObject = m_open.back() == '{';
            if (More(inObject ? '}' : ']')) {
                if (inObject)
                    SkipKeyOfObject();
                break;
            }
            m_open.pop_back();
            if (inObject)
                m_pNames->Close();
        }
    }
}

void CJsonScanner::End()
{
    SkipSpace();
    if (!AtEnd())
        Fail(m_pos, "only white space may follow the catalogue");
}
