#include "model/Exceptions.h"

#include <cerrno>

namespace {

std::string ReplacePlaceholder(std::string text, const std::string& value)
{
    const auto pos = text.find("%1");
    if (pos != std::string::npos)
        text.replace(pos, 2, value);
    return text;
}

} // namespace

CArchiveException::CArchiveException(Cause cause)
    : CException(kUnexpectedFileFormat)
    , m_cause(cause)
{
}

CFileException::CFileException(Cause cause, const std::filesystem::path& path)
    : CException(MessageFor(cause, path))
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
    const std::string name = PathToUtf8(path);
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

std::filesystem::path PathFromUtf8(const std::string& utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
