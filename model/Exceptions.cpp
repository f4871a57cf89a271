#include "model/Exceptions.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace {

std::string ReplacePlaceholder(std::string text, const std::string& value)
{
    const auto pos = text.find("%1");
    if (pos != std::string::npos)
        text.replace(pos, 2, value);
    return text;
}

// %1, %2, ... replaced in one pass, so an argument holding "%2" stays as it is.
std::string FillIn(std::string_view text, const std::vector<std::string>& arguments)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const size_t index = static_cast<size_t>(text[i + 1] - '1');
            if (index < arguments.size()) {
                out += arguments[index];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

} // namespace

std::string_view EnglishText(EErrorCode code)
{
    switch (code) {
    case EErrorCode::unexpectedFileFormat:
        return kUnexpectedFileFormat;
    case EErrorCode::failedToOpenDocument:
        return kFailedToOpenDocument;
    case EErrorCode::failedToSaveDocument:
        return kFailedToSaveDocument;
    case EErrorCode::partsFileTooLarge:
        return kPartsFileTooLarge;
    case EErrorCode::modelTooLarge:
        return "The 3D model is larger than the 4 GB a glTF binary file can hold.";
    case EErrorCode::modelFileType:
        return "%1: a 3D model is written as .glb or .obj; please name the file so.";
    case EErrorCode::text:
    case EErrorCode::file:
        break;
    }
    return {};
}

CException::CException(const std::string& text)
    : std::runtime_error(text)
{
}

CException::CException(const char* text)
    : std::runtime_error(text)
{
}

CException::CException(EErrorCode code, std::vector<std::string> arguments)
    : std::runtime_error(FillIn(EnglishText(code), arguments))
    , m_code(code)
    , m_arguments(std::move(arguments))
{
}

CException::CException(const std::string& text, EErrorCode code)
    : std::runtime_error(text)
    , m_code(code)
{
}

CArchiveException::CArchiveException(Cause cause)
    : CException(EErrorCode::unexpectedFileFormat)
    , m_cause(cause)
{
}

std::string CArchiveException::Details() const
{
    const char* expected = "the rest of the document";
    switch (m_cause) {
    case badSchema:
        expected = "an object of a version this program reads";
        break;
    case badClass:
        expected = "an object of a kind this program knows in this place";
        break;
    case badIndex:
        expected = "a reference to an object or kind read before";
        break;
    case endOfFile:
        expected = "more bytes, but the file ends";
        break;
    case generic:
        break;
    }
    if (m_offset == kUnknownOffset)
        return std::string("Expected ") + expected + ".";
    return "Reading stopped at byte " + std::to_string(m_offset) + ": expected " + expected + ".";
}

CFileException::CFileException(Cause cause, const std::filesystem::path& path)
    : CException(MessageFor(cause, path), EErrorCode::file)
    , m_cause(cause)
    , m_path(path)
{
}

CFileException::CFileException(Cause cause, const std::filesystem::path& path, const std::string& message)
    : CException(message)
    , m_cause(cause)
    , m_path(path)
{
}

CFileException::Cause CFileException::CauseFromErrno(int error)
{
    switch (error) {
    case ENOENT:
        return fileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return accessDenied;
    case ENAMETOOLONG:
    case ENOTDIR:
    case EINVAL:
        return badPath;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return diskFull;
#ifdef ETXTBSY
    case ETXTBSY:
#endif
    case EBUSY:
        return sharingViolation;
    default:
        return generic;
    }
}

std::string CFileException::MessageFor(Cause cause, const std::filesystem::path& path)
{
    const std::string name = PathForMessage(path);
    switch (cause) {
    case fileNotFound:
        return ReplacePlaceholder("%1 was not found.", name);
    case badPath:
        return ReplacePlaceholder("%1 contains an invalid path.", name);
    case accessDenied:
        return ReplacePlaceholder("Access to %1 was denied.", name);
    case sharingViolation:
        return ReplacePlaceholder("Sharing violation while accessing %1.", name);
    case diskFull:
        return ReplacePlaceholder("Disk full while accessing %1.", name);
    case endOfFile:
        return ReplacePlaceholder("An attempt was made to access %1 past its end.", name);
    case notRegularFile:
        return ReplacePlaceholder("%1 is not a regular file.", name);
    case readOnly:
        return ReplacePlaceholder("%1 is read-only.", name);
    case folderNotWritable:
        return ReplacePlaceholder("%1 cannot be written: its folder cannot be written to.", name);
    case folderNotFound:
        return ReplacePlaceholder("%1 cannot be written: its folder does not exist.", name);
    case tooLarge:
        return ReplacePlaceholder("%1 is too large to be read.", name);
    case danglingLink:
        return ReplacePlaceholder("%1 is a link to a file that does not exist.", name);
    case severalLinks:
        return ReplacePlaceholder("%1 has several names (hard links) and is not replaced, so that they keep sharing "
                                  "one content. Please save under another name.",
            name);
    case isFolder:
        return ReplacePlaceholder("%1 is a folder, not a file.", name);
    case generic:
        break;
    }
    return ReplacePlaceholder("An unexpected error occurred while accessing %1.", name);
}

std::string PathToUtf8(const std::filesystem::path& path)
{
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string PathForMessage(const std::filesystem::path& path)
{
    return EscapeForMessage(PathToUtf8(path));
}

namespace {

// The length of the well-formed UTF-8 sequence at text[i], or 0.
size_t Utf8SequenceLength(std::string_view text, size_t i, uint32_t& codePoint)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    size_t length = 0;
    uint32_t lowest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    if (codePoint < lowest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

void AppendEscaped(std::string& out, unsigned char byte)
{
    static const char digits[] = "0123456789ABCDEF";
    out += "\\x";
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
}

} // namespace

std::string EscapeForMessage(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if (lead < 0x20 || lead == 0x7F)
                AppendEscaped(out, lead);
            else
                out += static_cast<char>(lead);
            ++i;
            continue;
        }
        uint32_t codePoint = 0;
        const size_t length = Utf8SequenceLength(text, i, codePoint);
        // The second set of control characters (U+0080 to U+009F) acts on terminals too.
        if (length == 0 || (codePoint >= 0x80 && codePoint <= 0x9F)) {
            for (size_t k = 0; k < std::max<size_t>(length, 1); ++k)
                AppendEscaped(out, static_cast<unsigned char>(text[i + k]));
            i += std::max<size_t>(length, 1);
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

std::filesystem::path PathFromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
