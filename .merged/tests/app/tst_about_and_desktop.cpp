#include "TestChannel.h"

#include "app/AboutDlg.h"
#include "app/HyperlinkLabel.h"
#include "app/InstanceChannel.h"
#include "app/ShellRegistration.h"
#include "app/UserChannel.h"
#include "app/VersionInfo.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <chrono>
#include <functional>
#include <future>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <poll.h>
#include <unistd.h>
#endif

// Stands in for the desktop: remembers the addresses it was asked to open.
class CUrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> m_opened;
public slots:
    void Open(const QUrl& url) { m_opened.append(url); }
};

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#ifdef Q_OS_UNIX
// Runs the part of another local user in a child process, which writes '1' to the returned
// pipe when its part ended as it should, '0' otherwise.
int StartAsAnotherUser(const std::function<bool()>& part)
{
    int result[2];
    if (::pipe(result) != 0)
        return -1;
    if (::fork() == 0) {
        // A connection closed by the other side is an answer here, not a crash to report.
        ::signal(SIGPIPE, SIG_IGN);
        const bool held = ::setgid(65534) == 0 && ::setuid(65534) == 0 && part();
        (void)::write(result[1], held ? "1" : "0", 1);
        ::_exit(0);
    }
    ::close(result[1]);
    return result[0];
}

// '1' or '0' once the other user's part has ended, while this program goes on answering.
char AwaitResult(int result)
{
    for (int wait = 0; wait < 400; ++wait) {
        pollfd ready {result, POLLIN, 0};
        char answer = 0;
        if (::poll(&ready, 1, 25) == 1 && ::read(result, &answer, 1) == 1)
            return answer;
        QCoreApplication::processEvents();
    }
    return 0;
}

int ConnectTo(const QByteArray& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
#endif

}

class TestAboutAndDesktop : public QObject {
    Q_OBJECT

private slots:
    void versionData_data()
    {
        QTest::addColumn<QString>("translation");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("found");
        QTest::addColumn<QString>("value");
        QTest::newRow("product version") << "040904b0" << "ProductVersion" << 1 << "2.0";
        QTest::newRow("legal line, any case") << "040904B0" << "LegalCopyRight" << 1 << MW_LEGAL_COPYRIGHT;
        QTest::newRow("company") << "040904b0" << "CompanyName" << 1 << MW_COMPANY_NAME;
        QTest::newRow("unknown name") << "040904b0" << "Comments" << 0 << "";
        QTest::newRow("empty name") << "040904b0" << "" << 0 << "";
        QTest::newRow("no translation") << "" << "ProductVersion" << 0 << "";
        QTest::newRow("other translation") << "040704b0" << "ProductVersion" << 0 << "";
    }

    void versionData()
    {
        QFETCH(QString, translation);
        QFETCH(QString, name);
        QFETCH(int, found);
        QFETCH(QString, value);
        CVersionInfo versionInfo;
        versionInfo.SetTranslation(translation);
        QString read = QStringLiteral("stale");
        QCOMPARE(versionInfo.GetStringValue(name, read), found);
        QCOMPARE(read, value);
    }

    void aboutBoxTexts()
    {
        CAboutDlg dialog(CVersionInfo(QString::fromLatin1(CVersionInfo::kEnglishUnicode)));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About Modelwright"));
        QCOMPARE(dialog.VersionLine()->text(), QStringLiteral("Modelwright version 2.0"));
        QCOMPARE(dialog.LegalLine()->text(), QStringLiteral(MW_LEGAL_COPYRIGHT));
        QCOMPARE(dialog.MailLink()->text(), QStringLiteral("E-Mail"));
        QCOMPARE(dialog.HomepageLink()->text(), QStringLiteral("Homepage"));
        QCOMPARE(dialog.MailLink()->LinkTarget(), QStringLiteral("mailto:" MW_CONTACT_MAIL));
        QCOMPARE(dialog.HomepageLink()->LinkTarget(), QStringLiteral(MW_HOMEPAGE));
        for (CHyperlinkLabel* pLink : {dialog.MailLink(), dialog.HomepageLink()}) {
            QVERIFY(pLink->font().underline());
            QCOMPARE(pLink->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QCOMPARE(pLink->cursor().shape(), Qt::ArrowCursor);
        }
        dialog.show();
        QDir().mkpath(QStringLiteral(MW_SCREENSHOT_DIR));
        QVERIFY(dialog.grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/about_box.png")));
    }

    void withoutVersionDataTheTemplateTextsStay()
    {
        CAboutDlg dialog{CVersionInfo()};
        QCOMPARE(dialog.VersionLine()->text(), QStringLiteral("Modelwright Version 2.0"));
    }

    void linksOpenThroughTheDesktop()
    {
        CUrlRecorder desktop;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &desktop, "Open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &desktop, "Open");
        {
            CAboutDlg dialog(CVersionInfo(QString::fromLatin1(CVersionInfo::kEnglishUnicode)));
            dialog.show();
            QTest::mouseClick(dialog.MailLink(), Qt::LeftButton);
            QTest::mouseClick(dialog.HomepageLink(), Qt::LeftButton);
            QTest::mouseClick(dialog.HomepageLink(), Qt::RightButton);
            dialog.HomepageLink()->SetLink(false, QString());
            QTest::mouseClick(dialog.HomepageLink(), Qt::LeftButton);
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(desktop.m_opened, (QList<QUrl>{QUrl("mailto:" MW_CONTACT_MAIL), QUrl(MW_HOMEPAGE)}));
    }

    void linkWithoutTargetOpensItsText()
    {
        CHyperlinkLabel label(QStringLiteral("https://example.org/"));
        label.SetLink(true, QString());
        QCOMPARE(label.LinkTarget(), QStringLiteral("https://example.org/"));
    }

    void registrationWritesOnlyWhatChanged()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows keeps file types in the registry (registrationOnWindowsIsTheUsersClasses)");
#endif
        QTemporaryDir dataHome;
        const QString program = QStringLiteral("/opt/modelwright/bin/modelwright");
        QVERIFY(CShellRegistration::RegisterShellFileTypes(program, dataHome.path()));
        const QString desktopPath = dataHome.path() + "/applications/modelwright.desktop";
        const QString mimePath = dataHome.path() + "/mime/packages/modelwright.xml";
        const QByteArray desktopEntry = ReadFile(desktopPath);
        QVERIFY(desktopEntry.contains("Exec=/opt/modelwright/bin/modelwright %f\n"));
        QVERIFY(desktopEntry.contains("MimeType=application/x-winrail-object;\n"));
        const QByteArray mimePackage = ReadFile(mimePath);
        QVERIFY(mimePackage.contains("<comment>Winrail Object Document</comment>"));
        QVERIFY(mimePackage.contains("<glob pattern=\"*.wo3\"/>"));
        // A renamed document and a parts file are known by their first bytes.
        QVERIFY(mimePackage.contains("value=\"\\xff\\xff\\x01\\x00\\x15\\x00CSerializationManager\""));
        QVERIFY(mimePackage.contains("<mime-type type=\"application/x-winrail-parts\">"));
        QVERIFY(QFileInfo::exists(dataHome.path() + "/icons/hicolor/64x64/apps/modelwright.png"));

        const QDateTime written = QFileInfo(desktopPath).lastModified();
        QTest::qWait(20);
        QVERIFY(!CShellRegistration::RegisterShellFileTypes(program, dataHome.path()));
        QCOMPARE(QFileInfo(desktopPath).lastModified(), written);

        QVERIFY(CShellRegistration::RegisterShellFileTypes(QStringLiteral("/usr/bin/modelwright"), dataHome.path()));
        QVERIFY(ReadFile(desktopPath).contains("Exec=/usr/bin/modelwright %f\n"));
        QCOMPARE(ReadFile(mimePath), mimePackage);

        QVERIFY(CShellRegistration::UnregisterShellFileTypes(dataHome.path()));
        QVERIFY(!QFileInfo::exists(desktopPath));
        QVERIFY(!QFileInfo::exists(mimePath));
    }

    void registrationOnWindowsIsTheUsersClasses()
    {
#ifndef Q_OS_WIN
        QSKIP("the registry is Windows' own");
#else
        const QString program = QStringLiteral("C:/Users/Zoë/Modelwright 2/modelwright.exe");
        // The installer registers the file type; the program at its start does not.
        QVERIFY(!CShellRegistration::RegistersAtStartUp(program));
        QVERIFY(CShellRegistration::RegisterShellFileTypes(program));
        QSettings classes(QStringLiteral("HKEY_CURRENT_USER\\Software\\Classes"), QSettings::NativeFormat);
        QCOMPARE(classes.value(".wo3/.").toString(), QStringLiteral("WO3"));
        QCOMPARE(classes.value("WO3/.").toString(), QStringLiteral("Winrail Object Document"));
        QCOMPARE(classes.value("WO3/DefaultIcon/.").toString(), QStringLiteral("\"C:\\Users\\Zoë\\Modelwright 2\\modelwright.exe\",0"));
        QCOMPARE(classes.value("WO3/shell/open/command/.").toString(),
            QStringLiteral("\"C:\\Users\\Zoë\\Modelwright 2\\modelwright.exe\" \"%1\""));
        QCOMPARE(classes.value("WO3/shell/print/command/.").toString(),
            QStringLiteral("\"C:\\Users\\Zoë\\Modelwright 2\\modelwright.exe\" /p \"%1\""));
        QVERIFY(!CShellRegistration::RegisterShellFileTypes(program));

        QVERIFY(CShellRegistration::UnregisterShellFileTypes());
        classes.sync();
        QVERIFY(!classes.childGroups().contains(QStringLiteral(".wo3")));
        QVERIFY(!classes.childGroups().contains(QStringLiteral("WO3")));
        QVERIFY(!CShellRegistration::UnregisterShellFileTypes());
#endif
    }

    void onlyAProgramOutsideAnInstallationRegistersItself()
    {
#ifdef Q_OS_WIN
        QSKIP("on Windows no program registers itself at its start");
#endif
        QTemporaryDir prefix;
        QDir(prefix.path()).mkpath("bin");
        const QString program = prefix.filePath("bin/modelwright");
        QVERIFY(!CShellRegistration::IsInstalledProgram(program));
        QVERIFY(CShellRegistration::RegistersAtStartUp(program));
        QDir(prefix.path()).mkpath("share/applications");
        QFile entry(prefix.filePath("share/applications/modelwright.desktop"));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.close();
        QVERIFY(CShellRegistration::IsInstalledProgram(program));
        QVERIFY(!CShellRegistration::RegistersAtStartUp(program));
    }

    void execArgumentsAreQuoted_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "/usr/bin/modelwright" << "/usr/bin/modelwright";
        QTest::newRow("blank") << "/home/a b/modelwright" << "\"/home/a b/modelwright\"";
        QTest::newRow("dollar") << "/x$HOME/mw" << "\"/x\\\\$HOME/mw\"";
        QTest::newRow("quote") << "/x\"y/mw" << "\"/x\\\\\"y/mw\"";
        QTest::newRow("backslash") << "/x\\y/mw" << "\"/x\\\\\\\\y/mw\"";
        QTest::newRow("percent") << "/100%/mw" << "\"/100%%/mw\"";
    }

    void execArgumentsAreQuoted()
    {
        QFETCH(QString, argument);
        QFETCH(QString, written);
        QCOMPARE(CShellRegistration::QuoteExecArgument(argument), written);
    }

    void secondStartHandsItsFileOver()
    {
        const QTemporaryDir folder;
        const QString name = TestChannelName(folder.path(), 1);
        CInstanceChannel first(name);
        QVERIFY(!first.HandOver(QStringLiteral("nobody-listens.wo3"), 200));
        QVERIFY(first.Listen());
        QSignalSpy received(&first, &CInstanceChannel::fileReceived);

        CInstanceChannel second(name);
        QVERIFY(!second.Listen());
        // The second start is another process; here a thread waits for the answer while the
        // running program answers from its event loop.
        auto accepted = std::async(std::launch::async, [&second] { return second.HandOver("relative/catalogue.wo3"); });
        QTRY_VERIFY(accepted.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(accepted.get());
        QTRY_COMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toString(), QDir::current().absoluteFilePath("relative/catalogue.wo3"));
    }

    void theChannelIsPrivateAndOneForEachDisplay()
    {
#ifdef Q_OS_UNIX
        QTemporaryDir runtime;
        ::chmod(QFile::encodeName(runtime.path()).constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        qputenv("DISPLAY", ":7");
        const QString first = CInstanceChannel::DefaultName();
        QVERIFY(first.startsWith(runtime.path() + u'/'));
        QVERIFY(first.contains(QString::number(::getuid())));
        qputenv("DISPLAY", "otherhost:8.0");
        QVERIFY(CInstanceChannel::DefaultName() != first);

        // A runtime folder others may enter is not used.
        ::chmod(QFile::encodeName(runtime.path()).constData(), 0755);
        const QString fallback = CInstanceChannel::DefaultName();
        QVERIFY(!fallback.startsWith(runtime.path()));
        struct stat status {};
        QCOMPARE(::stat(QFile::encodeName(QFileInfo(fallback).path()).constData(), &status), 0);
        QCOMPARE(status.st_uid, ::getuid());
        QCOMPARE(status.st_mode & 077, 0u);
        qunsetenv("XDG_RUNTIME_DIR");
        qunsetenv("DISPLAY");
#else
        // A named pipe, one for each user and login session, whatever the display.
        const QString name = CInstanceChannel::DefaultName();
        QVERIFY(!name.contains(u'/') && !name.contains(u'\\'));
        QVERIFY(name.contains(u'-' + FileNameSafe(qEnvironmentVariable("USERNAME")) + u'-'));
        qputenv("DISPLAY", ":7");
        QCOMPARE(CInstanceChannel::DefaultName(), name);
        qunsetenv("DISPLAY");
#endif
    }

    void anotherUsersChannelIsNeverHandedTheFile()
    {
#ifdef Q_OS_UNIX
        if (::geteuid() != 0)
            QSKIP("only a test run with the rights to become another user plays one");
        QTemporaryDir shared;
        ::chmod(QFile::encodeName(shared.path()).constData(), 0777);
        const QByteArray path = QFile::encodeName(shared.path()) + "/channel";

        // Another user answers first on a channel it made, and tells whether it heard a name.
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const int impostor = StartAsAnotherUser([&] {
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
            const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
            if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener, 1) != 0)
                return false;
            ::chmod(path.constData(), 0777);
            (void)::write(ready[1], "r", 1);
            const int connection = ::accept(listener, nullptr, nullptr);
            (void)::write(connection, "OK\n", 3);
            char heard[256];
            return ::read(connection, heard, sizeof heard) <= 0;
        });
        char signal = 0;
        QCOMPARE(::read(ready[0], &signal, 1), 1);
        QVERIFY(!CInstanceChannel(QString::fromLocal8Bit(path)).HandOver(QStringLiteral("/home/private/plans.wo3")));
        QCOMPARE(AwaitResult(impostor), '1');
        ::close(impostor);
        ::close(ready[0]);
        ::close(ready[1]);

        // And a running program takes no file from another user.
        QFile::remove(QString::fromLocal8Bit(path));
        CInstanceChannel running(QString::fromLocal8Bit(path));
        QVERIFY(running.Listen());
        ::chmod(path.constData(), 0777);
        QSignalSpy received(&running, &CInstanceChannel::fileReceived);
        const int intruder = StartAsAnotherUser([&] {
            const int fd = ConnectTo(path);
            if (fd < 0)
                return true;
            (void)::write(fd, "/tmp/planted.wo3\n", 17);
            char answer[8] = {};
            return ::read(fd, answer, sizeof answer - 1) <= 0 || qstrcmp(answer, "OK\n") != 0;
        });
        QCOMPARE(AwaitResult(intruder), '1');
        ::close(intruder);
        QCoreApplication::processEvents();
        QCOMPARE(received.count(), 0);
#endif
    }
};

QTEST_MAIN(TestAboutAndDesktop)
#include "tst_about_and_desktop.moc"
