#include "app/AboutDlg.h"
#include "app/HyperlinkLabel.h"
#include "app/InstanceChannel.h"
#include "app/ShellRegistration.h"
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
#include <future>

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

    void onlyAProgramOutsideAnInstallationRegistersItself()
    {
        QTemporaryDir prefix;
        QDir(prefix.path()).mkpath("bin");
        const QString program = prefix.filePath("bin/modelwright");
        QVERIFY(!CShellRegistration::IsInstalledProgram(program));
        QDir(prefix.path()).mkpath("share/applications");
        QFile entry(prefix.filePath("share/applications/modelwright.desktop"));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.close();
        QVERIFY(CShellRegistration::IsInstalledProgram(program));
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
        const QString name = QStringLiteral("modelwright-test-%1").arg(QCoreApplication::applicationPid());
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
};

QTEST_MAIN(TestAboutAndDesktop)
#include "tst_about_and_desktop.moc"
