#pragma once

#include "model/Color.h"

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// A parts file being written. Its text is gathered in memory exactly as the file will hold
// it (Windows-1252, CR LF line ends) and reaches the disk in one atomic write, so a failed
// export never leaves a half-written file.
class CPartsText {
public:
    CPartsText() = default;
    explicit CPartsText(std::filesystem::path path) : m_path(std::move(path)) {}

    // Program text of the file's own alphabet (keywords, signs), copied as it is.
    void Put(std::string_view ascii) { m_bytes.append(ascii); }
    void Put(char c) { m_bytes.push_back(c); }
    void PutInt(int32_t value)
    {
        char digits[12];
        const auto result = std::to_chars(digits, digits + sizeof digits, value);
        m_bytes.append(digits, result.ptr);
    }
    // "$" and the blue, green and red bytes in lowercase hexadecimal.
    void PutColor(COLORREF color);
    void PutLineEnd() { m_bytes.append("\r\n", 2); }

    // A user's text that must stay on its line: every CR and every LF becomes a blank.
    void PutSingleLineText(std::string_view utf8);
    // A user's text of any number of lines: CR LF pairs and lone LFs end lines; a lone CR
    // is kept as it is.
    void PutMultiLineText(std::string_view utf8);

    const std::filesystem::path& GetPath() const { return m_path; }
    const std::string& GetBytes() const { return m_bytes; }
    std::string TakeBytes() { return std::move(m_bytes); }

    // Writes the text to the file, replacing an existing one only when complete.
    void Commit() const;

private:
    std::filesystem::path m_path;
    std::string m_bytes;
};
