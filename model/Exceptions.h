#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Names each message of the core, so that the window program can show it in the user's
// language; what() is its English text, which the command-line tool prints.
enum class EErrorCode {
    text, // a text of its own, shown as it is
    file, // a CFileException: its cause and path say what happened to which file
    unexpectedFileFormat,
    failedToOpenDocument,
    failedToSaveDocument,
    partsFileTooLarge,
    modelTooLarge,
    modelFileType, // argument: the file's name as a message shows it
};

// Every failure of a file or archive operation is one of these exceptions; what() is the
// text the user sees, so the window program shows it and the command-line tool prints it.
class CException : public std::runtime_error {
public:
    explicit CException(const std::string& text);
    explicit CException(const char* text);
    // The English text of code, with its arguments in place of %1, %2.
    explicit CException(EErrorCode code, std::vector<std::string> arguments = {});

    EErrorCode Code() const { return m_code; }
    const std::vector<std::string>& Arguments() const { return m_arguments; }

protected:
    CException(const std::string& text, EErrorCode code);

private:
    EErrorCode m_code = EErrorCode::text;
    std::vector<std::string> m_arguments;
};

// The English text of a message with %1, %2 where its arguments go; empty for text and file.
std::string_view EnglishText(EErrorCode code);

class CArchiveException : public CException {
public:
    enum Cause { generic, badSchema, badClass, badIndex, endOfFile };

    explicit CArchiveException(Cause cause);

    // Where reading stopped and what was expected there, for a user who wants the details;
    // what() stays the short message of every damaged file.
    std::string Details() const;

    Cause m_cause;
    // The byte of the file at which reading stopped, when known.
    size_t m_offset = kUnknownOffset;
    static constexpr size_t kUnknownOffset = static_cast<size_t>(-1);
};

class CFileException : public CException {
public:
    enum Cause {
        generic,
        fileNotFound,
        badPath,
        accessDenied,
        sharingViolation,
        diskFull,
        endOfFile,
        notRegularFile,
        readOnly,
        folderNotWritable,
        folderNotFound,
        tooLarge,
        danglingLink,
        severalLinks,
        isFolder,
    };

    CFileException(Cause cause, const std::filesystem::path& path);
    // A text of its own: its code is EErrorCode::text.
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

// A path as UTF-8 text, on every platform.
std::string PathToUtf8(const std::filesystem::path& path);
// A path as a message shows it: control characters and bytes that are not UTF-8 appear as
// \xHH, so a file name can never act on the terminal that prints the message.
std::string PathForMessage(const std::filesystem::path& path);
std::string EscapeForMessage(std::string_view text);
std::filesystem::path PathFromUtf8(const std::string& utf8);
