#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// At most the first sixty characters of a text taken from the input, and "…" for the rest, so
// that no message grows with what it quotes.
std::string Abridged(std::string_view text);

// Whether every byte of the text is printable ASCII other than a quote or a backslash, so
// that JSON writes it as it is.
bool IsPlainJsonText(std::string_view text);

// Reads JSON text one step at a time for a reader that knows what it expects, in one pass and
// without making a value it does not ask for. A fault of syntax, and an object that names a
// member twice, end the reading with CJsonCatalogueError: "Invalid JSON: parse error at line L,
// column C (byte B): ..." for syntax. It takes exactly the text the JSON library takes (a UTF-8
// byte-order mark at the start, numbers a double holds, strings of valid UTF-8), so that a value
// it has passed may be handed to the library.
class CJsonScanner {
public:
    explicit CJsonScanner(std::string_view text);
    ~CJsonScanner();

    // The first byte of the next value after white space, which stays unread; '\0' at the end.
    char Peek()
    {
        SkipSpace();
        return At();
    }
    size_t Position() const { return m_pos; }
    // The text from an earlier position up to here.
    std::string_view TextFrom(size_t start) const { return m_text.substr(start, m_pos - start); }
    void Rewind(size_t position) { m_pos = position; }

    // Reads '{' or '[' at the next value; true when the object or array is empty, which is then
    // read whole.
    bool Open(char bracket);
    // After a member or an item: true for the comma before the next one, false for the end.
    bool More(char closing)
    {
        SkipSpace();
        const char c = At();
        if (c != ',' && c != closing)
            FailFound(closing == '}' ? "',' or '}'" : "',' or ']'");
        ++m_pos;
        return c == ',';
    }
    // A member name with its colon; valid until the next member name.
    std::string_view Key();
    // A string value; valid until the next string value.
    std::string_view String();
    // A number. True, with its value, for a whole number of at most eighteen digits; false for
    // any other, which is only checked (a double must hold it).
    bool Number(int64_t& value);
    // Any value, whatever it holds, with the member names of each of its objects checked.
    void SkipValue();
    // Only white space may follow the catalogue.
    void End();

    // The name of the JSON type whose value starts with this byte.
    static const char* TypeNameOf(char first);
    [[noreturn]] static void RefuseMemberGivenTwice(std::string_view name);

private:
    static bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
    // Most values follow no white space, or just one blank.
    void SkipSpace()
    {
        if (IsSpace(At()))
            SkipSpaceRun();
    }
    void SkipSpaceRun();
    bool AtEnd() const { return m_pos >= m_text.size(); }
    char At() const { return AtEnd() ? '\0' : m_text[m_pos]; }
    void Expect(char c, const char* problem);
    void SkipKeyOfObject();
    void SkipLiteral(std::string_view word);
    // Reads the string at the opening quote into a view of the text or, with escapes, into out.
    std::string_view ReadString(std::string& out);
    void ReadEscape(std::string& out);
    char32_t ReadHexCode();
    [[noreturn]] void Fail(size_t position, const std::string& problem) const;
    // The problem, with what stands at the position quoted.
    [[noreturn]] void FailFound(const char* expected) const;

    std::string_view m_text;
    size_t m_pos = 0;
    std::string m_key;
    std::string m_value;
    std::string m_open;
    class CMemberNames;
    std::unique_ptr<CMemberNames> m_pNames;
};
