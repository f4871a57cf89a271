#include "model/Exceptions.h"
#include "ui/ErrorMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>
#include <QtTest>

namespace {

const std::vector<CFileException::Cause> kCauses {CFileException::generic, CFileException::fileNotFound,
    CFileException::badPath, CFileException::accessDenied, CFileException::sharingViolation,
    CFileException::diskFull, CFileException::endOfFile, CFileException::notRegularFile, CFileException::readOnly,
    CFileException::folderNotWritable, CFileException::folderNotFound, CFileException::tooLarge, CFileException::danglingLink,
    CFileException::severalLinks, CFileException::isFolder};

// Every message the core names, each with the arguments it is given.
std::vector<std::unique_ptr<CException>> NamedMessages()
{
    std::vector<std::unique_ptr<CException>> messages;
    const std::filesystem::path path = PathFromUtf8("/home/anna/Größe übung/station\x1b.wo3");
    for (const CFileException::Cause cause : kCauses)
        messages.push_back(std::make_unique<CFileException>(cause, path));
    messages.push_back(std::make_unique<CArchiveException>(CArchiveException::badClass));
    for (const EErrorCode code : {EErrorCode::failedToOpenDocument, EErrorCode::failedToSaveDocument,
             EErrorCode::partsFileTooLarge, EErrorCode::modelTooLarge})
        messages.push_back(std::make_unique<CException>(code));
    messages.push_back(std::make_unique<CException>(
        EErrorCode::modelFileType, std::vector<std::string> {PathForMessage("/home/anna/model.stl")}));
    return messages;
}

} // namespace

class TestErrorMessages : public QObject {
    Q_OBJECT

private slots:
    // The window program's English is the core's, word for word, with the system's separators.
    void englishIsTheCoresText()
    {
        for (const auto& error : NamedMessages())
            QCOMPARE(ErrorText(*error), QDir::toNativeSeparators(QString::fromStdString(error->what())));
        // The file's name keeps its letters and shows a control character as \xHH.
        QVERIFY(ErrorText(CFileException(CFileException::fileNotFound, PathFromUtf8("/home/anna/Größe übung/station\x1b.wo3")))
                    .contains(QDir::toNativeSeparators("/home/anna/Größe übung/station\\x1B.wo3")));
    }

    // A text without a name of its own, and one a file's failure brings with it, stay as written.
    void textsOfTheirOwnStayAsWritten()
    {
        QCOMPARE(ErrorText(CException("Failed to make the picture.")), QStringLiteral("Failed to make the picture."));
        QCOMPARE(ErrorText(CFileException(CFileException::accessDenied, "/srv/a/b.wo3", "Own words about a/b.")),
            QStringLiteral("Own words about a/b."));
        // An argument holding a place holder is not filled in again.
        const CException named(EErrorCode::modelFileType, std::vector<std::string> {"a%2b.stl"});
        QCOMPARE(QString::fromStdString(named.what()), QStringLiteral("a%2b.stl: a 3D model is written as .glb or .obj; please name the file so."));
        QCOMPARE(ErrorText(named), QString::fromStdString(named.what()));
    }

    void germanIsShownWhenChosen()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(MW_BIN_DIR "/ModelwrightDEU.qm")));
        QCoreApplication::installTranslator(&german);
        QCOMPARE(ErrorText(CFileException(CFileException::fileNotFound, "/home/anna/Bahnhof.wo3")),
            QDir::toNativeSeparators("/home/anna/Bahnhof.wo3") + QStringLiteral(" wurde nicht gefunden."));
        QCOMPARE(ErrorText(CArchiveException(CArchiveException::endOfFile)), QStringLiteral("Unerwartetes Dateiformat."));
        // Every message has its German text, naming the file where the English one does.
        for (const auto& error : NamedMessages()) {
            const QString text = ErrorText(*error);
            QVERIFY2(text != QDir::toNativeSeparators(QString::fromStdString(error->what())), error->what());
            if (error->Code() == EErrorCode::file)
                QVERIFY2(text.contains(QDir::toNativeSeparators("/home/anna/Größe übung/station\\x1B.wo3")), qPrintable(text));
        }
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(ErrorText(CArchiveException(CArchiveException::endOfFile)), QStringLiteral("Unexpected file format."));
    }

#ifdef Q_OS_WIN
    // Windows shows its own separators, however the path was written.
    void windowsPathsAreNative()
    {
        QCOMPARE(ErrorText(CFileException(CFileException::fileNotFound, PathFromUtf8("C:/Users/anna/Größe.wo3"))),
            QStringLiteral(R"(C:\Users\anna\Größe.wo3 was not found.)"));
    }
#endif
};

QTEST_MAIN(TestErrorMessages)
#include "tst_error_messages.moc"
