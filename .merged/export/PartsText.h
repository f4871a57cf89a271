#pragma once

#include "model/Color.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CFileReplacement;

// A parts file being written, composed exactly as the file will hold it (Windows-1252, CR LF
// line ends). Without a path the whole text stays in memory, in pieces that TakeText joins
// (so the text is never copied while it grows, nor held twice). With one, each full piece of
// text goes on to a temporary file that replaces the file only on Commit, so a failed export
// never leaves a half-written file, and catalogues of hundreds of megabytes need no such memory.
class CPartsText {
public:
    static constexpr size_t kMaxIntChars = 11;
    // No parts file grows beyond this: a typing slip such as two thousand million poles
    // ends the export with a message instead of exhausting the memory.
    static constexpr size_t kDefaultSizeLimit = size_t(1) << 31;
    static constexpr size_t kColorChars = 7;

    // The text a file receives at a time: small enough to stay in the processor's cache.
    static constexpr size_t kFilePieceSize = size_t(1) << 19;
    // The pieces of a text kept in memory: large enough that the system takes back the memory
    // of each as soon as it is joined to the whole (smaller blocks stay with the program).
    static constexpr size_t kMemoryPieceSize = size_t(64) << 20;

    CPartsText();
    explicit CPartsText(std::filesystem::path path, size_t sizeLimit = kDefaultSizeLimit);
    ~CPartsText();

    // Program text of the file's own alphabet (keywords, signs), copied as it is.
    void Put(std::string_view ascii)
    {
        if (ascii.empty())
            return; // an empty view may have no data to copy from
        std::memcpy(Room(ascii.size()), ascii.data(), ascii.size());
        m_size += ascii.size();
    }
    void Put(char c)
    {
        *Room(1) = c;
        ++m_size;
    }
    void PutInt(int32_t value) { EndPiece(FormatInt(Room(kMaxIntChars), value)); }
    // "$" and the blue, green and red bytes in lowercase hexadecimal.
    void PutColor(COLORREF color) { EndPiece(FormatColor(Room(kColorChars), color)); }
    void PutLineEnd() { Put(std::string_view("\r\n", 2)); }

    // A user's text that must stay on its line: every CR and every LF becomes a blank.
    void PutSingleLineText(std::string_view utf8) { PutSingleLineText("", utf8, ""); }
    // The same between two pieces of program text, composed in one piece.
    template <size_t BeforeSize, size_t AfterSize>
    void PutSingleLineText(const char (&before)[BeforeSize], std::string_view utf8, const char (&after)[AfterSize])
    {
        char* out = Room(BeforeSize - 1 + utf8.size() + AfterSize - 1);
        std::memcpy(out, before, BeforeSize - 1);
        out = FormatSingleLineText(out + BeforeSize - 1, utf8);
        std::memcpy(out, after, AfterSize - 1);
        EndPiece(out + AfterSize - 1);
    }
    // Writes the text at out, which has room for utf8.size() bytes, and returns the end.
    static char* FormatSingleLineText(char* out, std::string_view utf8);
    // A user's text of any number of lines: CR LF pairs and lone LFs end lines; a lone CR
    // is kept as it is.
    void PutMultiLineText(std::string_view utf8);

    // Composition of a piece of at most n bytes in place: write from BeginPiece(n) on, then
    // hand the end of what was written to EndPiece.
    char* BeginPiece(size_t n) { return Room(n); }
    void EndPiece(const char* end) { m_size = static_cast<size_t>(end - m_pBuffer.get()); }

    // Writes the number in decimal at out and returns the end; most numbers are small.
    static char* FormatInt(char* out, int32_t value)
    {
        uint32_t magnitude = static_cast<uint32_t>(value);
        if (value < 0) {
            *out++ = '-';
            magnitude = 0u - magnitude;
        }
        if (magnitude < kSmallNumbers.size()) {
            // Written whole without a branch on the digits: the count's byte after them is
            // overwritten by what follows, in room every number has.
            const SmallNumber& small = kSmallNumbers[magnitude];
            std::memcpy(out, &small, sizeof small);
            return out + small.count;
        }
        return std::to_chars(out, out + kMaxIntChars, magnitude).ptr;
    }
    static char* FormatLineEnd(char* out)
    {
        out[0] = '\r';
        out[1] = '\n';
        return out + 2;
    }
    static char* Copy(char* out, std::string_view text)
    {
        std::memcpy(out, text.data(), text.size());
        return out + text.size();
    }
    static char* FormatColor(char* out, COLORREF color)
    {
        out[0] = '$';
        std::memcpy(out + 1, kHexPairs.data() + 2 * GetBValue(color), 2);
        std::memcpy(out + 3, kHexPairs.data() + 2 * GetGValue(color), 2);
        std::memcpy(out + 5, kHexPairs.data() + 2 * GetRValue(color), 2);
        return out + kColorChars;
    }

    // Without a path: how large the pieces of the text grow (tests lower it).
    void SetPieceSize(size_t bytes) { m_pieceSize = bytes; }

    const std::filesystem::path& GetPath() const { return m_path; }
    // Without a path: the whole text, which this then no longer holds.
    std::string TakeText();

    // Whether n more bytes stay within the size limit.
    bool FitsWithinLimit(size_t n) const { return n < m_sizeLimit && m_handedOn + m_size <= m_sizeLimit - n; }
    // Refuses at once, before any of it is written, a text that would grow beyond the size
    // limit by this many bytes.
    void ExpectMore(uint64_t bytes) const;

    // Writes the rest of the text to the file, replacing an existing one only when complete.
    void Commit();

private:
    static constexpr std::array<char, 512> kHexPairs = [] {
        std::array<char, 512> pairs {};
        for (int i = 0; i < 256; ++i) {
            pairs[2 * i] = "0123456789abcdef"[i >> 4];
            pairs[2 * i + 1] = "0123456789abcdef"[i & 0xF];
        }
        return pairs;
    }();
    // The digits of the numbers below 1000, which are most numbers, with their count.
    struct SmallNumber {
        char digits[3];
        uint8_t count;
    };
    static constexpr std::array<SmallNumber, 1000> kSmallNumbers = [] {
        std::array<SmallNumber, 1000> numbers {};
        for (int i = 0; i < 1000; ++i) {
            SmallNumber& number = numbers[static_cast<size_t>(i)];
            number.count = static_cast<uint8_t>(i < 10 ? 1 : i < 100 ? 2 : 3);
            for (int digit = number.count - 1, rest = i; digit >= 0; --digit, rest /= 10)
                number.digits[digit] = static_cast<char>('0' + rest % 10);
        }
        return numbers;
    }();

    struct FreeBuffer {
        void operator()(char* buffer) const { std::free(buffer); }
    };

    // Space for more than n bytes at the end of the text.
    char* Room(size_t n)
    {
        if (m_capacity - m_size <= n) [[unlikely]]
            Grow(n);
        return m_pBuffer.get() + m_size;
    }
    void Grow(size_t n);
    // The text not yet handed on.
    std::string_view GetBytes() const { return {m_pBuffer.get(), m_size}; }
    void HandOnToFile();
    void HandOnToPieces();
    // Bytes of the file's code page, with CR LF pairs and lone LFs as line ends.
    void PutLines(std::string_view bytes);
    // The code page bytes of a free text beyond ASCII. The last one is kept: the elements of a
    // building often share one, and it is converted once.
    std::string_view Cp1252Of(std::string_view utf8);

    std::filesystem::path m_path;
    std::unique_ptr<CFileReplacement> m_pFile;
    std::unique_ptr<char, FreeBuffer> m_pBuffer;
    size_t m_size = 0;
    // The usable part of the buffer: never more than the size limit leaves to the text.
    size_t m_capacity = 0;
    size_t m_allocated = 0;
    size_t m_sizeLimit = kDefaultSizeLimit;
    // What already went on to the file, or to the pieces.
    size_t m_handedOn = 0;
    struct Piece {
        std::unique_ptr<char, FreeBuffer> bytes;
        size_t size;
    };
    std::vector<Piece> m_pieces;
    size_t m_pieceSize = kMemoryPieceSize;
    std::string m_convertedText;
    std::string m_convertedBytes;
};
