#include "model/TextCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

// The code page bytes of a text worked out one character at a time, each by the decoder and the
// strict conversion: what the quick conversion must give for any text.
std::string CharacterByCharacter(std::string_view utf8)
{
    std::string out;
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t start = pos;
        std::string byte;
        const bool converted = DecodeUtf8(utf8, pos) >= 0 && TryCp1252FromUtf8(utf8.substr(start, pos - start), byte);
        out += converted ? byte : "?";
    }
    return out;
}

std::string Lossy(std::string_view utf8)
{
    std::string out(utf8.size(), '\0');
    out.resize(static_cast<size_t>(WriteCp1252Lossy(utf8, out.data()) - out.data()));
    return out;
}

} // namespace

TEST(TextCodec, EveryPairOfBytesConvertsAsCharacterByCharacter)
{
    // Before and after the pair, ASCII of lengths that put it at every place of an eight-byte step.
    for (const size_t before : {0, 3, 7, 8, 13}) {
        for (int lead = 0; lead < 256; ++lead) {
            for (int trail = 0; trail < 256; ++trail) {
                std::string text(before, 'a');
                text += static_cast<char>(lead);
                text += static_cast<char>(trail);
                for (const std::string_view after : {"", "tail text", "\xC3"}) {
                    const std::string whole = text + std::string(after);
                    ASSERT_EQ(Lossy(whole), CharacterByCharacter(whole)) << before << " " << lead << " " << trail;
                }
            }
        }
    }
}

TEST(TextCodec, LongerCharactersAndFaultsConvertAsCharacterByCharacter)
{
    for (const std::string_view text : {"Gr\xC3\xBC\xC3\x9F" "e \xE2\x80\x9E" "aus K\xC3\xB6ln\xE2\x80\x9C f\xC3\xBCr 5 \xE2\x82\xAC",
             "\xF0\x9F\x98\x80 \xC2\x81 \xC2\x80 \xC0\xAF \xED\xA0\x80 \xC3", "\xC2\xA0\xC3\xBF\xC2\x9F\xC2"})
        EXPECT_EQ(Lossy(text), CharacterByCharacter(text)) << text;
    EXPECT_EQ(Lossy("K\xC3\xB6ln \xE2\x82\xAC \xF0\x9F\x98\x80"), "K\xF6ln \x80 ?");
}

TEST(TextCodec, EveryByteReadsAsItsCharacterAtEveryPlaceOfShortAndLongText)
{
    // One byte alone takes the byte-by-byte way; within text it may be taken eight at a time.
    for (int byte = 0; byte < 256; ++byte) {
        const std::string alone = Utf8FromCp1252(std::string(1, static_cast<char>(byte)));
        for (const size_t size : {9, 16, 64, 65, 100}) {
            for (size_t at = 0; at < size; ++at) {
                std::string text(size, 'x');
                text[at] = static_cast<char>(byte);
                const std::string expected = std::string(at, 'x') + alone + std::string(size - at - 1, 'x');
                ASSERT_EQ(Utf8FromCp1252(text), expected) << byte << " " << size << " " << at;
                std::string into = "what was there";
                AssignUtf8FromCp1252(text, into);
                ASSERT_EQ(into, expected);
            }
        }
    }
    EXPECT_EQ(Utf8FromCp1252("K\xF6ln \x80 \x81"), "K\xC3\xB6ln \xE2\x82\xAC \xC2\x81");
}
