#include "ui/ErrorMessages.h"

#include "model/Exceptions.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString Translated(const char* text)
{
    return QCoreApplication::translate("ErrorMessages", text);
}

// A name the core made fit for a message, with the system's separators.
QString NativeName(const std::string& name)
{
    return QDir::toNativeSeparators(QString::fromStdString(name));
}

// The message of a file's cause, with %1 for the file; null for a cause without one here.
const char* FileMessage(CFileException::Cause cause)
{
    switch (cause) {
    case CFileException::fileNotFound:
        return QT_TRANSLATE_NOOP("ErrorMessages", "%1 was not found.");
    case CFileException::badPath:
        return QT_TRANSLATE_NOOP("ErrorMessages", "%1 contains an invalid path.");
    case CFileException::accessDenied:
        return QT_TRANSLATE_NOOP("ErrorMessages", "Access to %1 was denied.");
    case CFileException::sharingViolation:
        return QT_TRANSLATE_NOOP("ErrorMessages", "Sharing violation while accessing %1.");
    case CFileException::diskFull:
        return QT_TRANSLATE_NOOP("ErrorMessages", "Disk full while accessing %1.");
    case CFileException::endOfFile:
        return QT_TRANSLATE_NOOP("ErrorMessages", "An attempt was made to access %1 past its end.");
    case CFileException::notRegularFile:
        return QT_TRANSLATE_NOOP("ErrorMessages", "%1 is not a regular file.");
    case CFileException::readOnly:
        return QT_TRANSLATE_NOOP("ErrorMessages", "%1 is read-only.");
    case CFileException::folderNotWritable:
        return QT_TRANSLATE_NOOP("ErrorMessages", "%1 cannot be written: its folder cannot be written to.");
    case CFileException::folderNotFound:
        return QT_TRANSLATE_NOOP("ErrorMessages", "%1 cannot be written: its folder does not exist.");
    case CFileException::tooLarge:
        return QT_TRANSLATE_NOOP("ErrorMessages", "%1 is too large to be read.");
    case CFileException::danglingLink:
        return QT_TRANSLATE_NOOP("ErrorMessages", "%1 is a link to a file that does not exist.");
    case CFileException::severalLinks:
        return QT_TRANSLATE_NOOP("ErrorMessages",
            "%1 has several names (hard links) and is not replaced, so that they keep sharing one content. "
            "Please save under another name.");
    case CFileException::isFolder:
        return QT_TRANSLATE_NOOP("ErrorMessages", "%1 is a folder, not a file.");
    case CFileException::generic:
        return QT_TRANSLATE_NOOP("ErrorMessages", "An unexpected error occurred while accessing %1.");
    default:
        // A cause added to the core later is shown in English until it is named here.
        return nullptr;
    }
}

// The message of a code, with %1 for its argument; null for the codes that carry no message.
const char* CodeMessage(EErrorCode code)
{
    switch (code) {
    case EErrorCode::unexpectedFileFormat:
        return QT_TRANSLATE_NOOP("ErrorMessages", "Unexpected file format.");
    case EErrorCode::failedToOpenDocument:
        return QT_TRANSLATE_NOOP("ErrorMessages", "Failed to open document.");
    case EErrorCode::failedToSaveDocument:
        return QT_TRANSLATE_NOOP("ErrorMessages", "Failed to save document.");
    case EErrorCode::partsFileTooLarge:
        return QT_TRANSLATE_NOOP("ErrorMessages",
            "The parts file would be larger than 2 GB. Please check the sizes and counts of the parts.");
    case EErrorCode::modelTooLarge:
        return QT_TRANSLATE_NOOP("ErrorMessages", "The 3D model is larger than the 4 GB a glTF binary file can hold.");
    case EErrorCode::modelFileType:
        return QT_TRANSLATE_NOOP("ErrorMessages", "%1: a 3D model is written as .glb or .obj; please name the file so.");
    case EErrorCode::text:
    case EErrorCode::file:
        break;
    }
    return nullptr;
}

} // namespace

QString ErrorText(const CException& error)
{
    if (const auto* fileError = dynamic_cast<const CFileException*>(&error)) {
        if (const char* message = FileMessage(fileError->m_cause); message && error.Code() == EErrorCode::file)
            return Translated(message).arg(NativeName(PathForMessage(fileError->m_path)));
    } else if (const char* message = CodeMessage(error.Code())) {
        QString text = Translated(message);
        // The core's arguments are names of files. They go in one pass, so that one holding
        // "%2" stays as it is.
        QStringList arguments;
        for (const std::string& argument : error.Arguments())
            arguments << NativeName(argument);
        switch (arguments.size()) {
        case 0:
            return text;
        case 1:
            return text.arg(arguments[0]);
        default:
            return text.arg(arguments[0], arguments[1]);
        }
    }
    return QString::fromStdString(error.what());
}
