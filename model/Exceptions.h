#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

// Every failure of a file or archive operation is one of these exceptions; what() is the
// text the user sees, so the window program shows it and the command-line tool prints it.
class CException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CArchiveException : public CException {
public:
    enum Cause { generic, badSchema, badClass, badIndex, endOfFile };

    explicit CArchiveException(Cause cause);

    Cause m_cause;
};

class CFileException : public CException {
public:
    enum Cause { generic, fileNotFound, badPath, accessDenied, sharingViolation, diskFull, endOfFile };

    CFileException(Cause cause, const std::filesystem::path& path);
    CFileException(Cause cause, const std::filesystem::path& path, const std::string& message);

    // Maps an errno value of a failed file call to the cause the user is told about.
    static Cause CauseFromErrno(int error);
    static std::string MessageFor(Cause cause, const std::filesystem::path& path);

    Cause m_cause;
    std::filesystem::path m_path;
};

// Texts the program shows for a document it could not open or save.
inline constexpr const char* kUnexpectedFileFormat = "Unexpected file format.";
inline constexpr const char* kFailedToOpenDocument = "Failed to open document.";
inline constexpr const char* kFailedToSaveDocument = "Failed to save document.";
inline constexpr const char* kPartsFileTooLarge = "The parts file would be larger than 2 GB. Please check the sizes and counts of the parts.";

// A path as UTF-8 text for messages, on every platform.
std::string PathToUtf8(const std::filesystem::path& path);
std::filesystem::path PathFromUtf8(const std::string& utf8);
