#include "ModalWatcher.h"

#include "app/AboutDlg.h"
#include "app/HelpWindow.h"
#include "app/LanguageResources.h"
#include "app/MainFrame.h"
#include "app/VersionInfo.h"
#include "model/ChoiceCodes.h"
#include "model/ModelwrightDoc.h"
#include "model/PartsManager.h"
#include "model/Tree.h"
#include "settings/ProgramOptions.h"
#include "ui/OptionsPropertySheet.h"
#include "ui/PlatformDlg.h"
#include "ui/TreeDlg.h"

#include <QApplication>
#include <QTextDocumentFragment>
#include <QScopeGuard>
#include <QMenuBar>
#include <QMenu>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QScrollBar>
#include <QStatusBar>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <functional>

namespace {

void CopyCatalogue(const QString& name, const QString& folder)
{
    QVERIFY(QFile::copy(QStringLiteral(MW_BIN_DIR "/") + name + ".qm", folder + '/' + name + ".qm"));
}

void WriteBook(const QString& folder, const QString& name, const QString& body)
{
    QFile book(folder + '/' + name + ".html");
    QVERIFY(book.open(QIODevice::WriteOnly));
    book.write(("<html><body>" + body + "</body></html>").toUtf8());
}

// The text of the label that names a dialog's control.
QString LabelOf(const QWidget& dialog, const char* control)
{
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        if (label->buddy() && label->buddy()->objectName() == QLatin1String(control))
            return label->text();
    return {};
}

QString AboutVersionLine()
{
    CVersionInfo versionInfo(QString::fromLatin1(CVersionInfo::kEnglishUnicode));
    CAboutDlg dialog(versionInfo);
    return dialog.VersionLine()->text();
}

}

class TestLanguageAndHelp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QDir().mkpath(QStringLiteral(MW_SCREENSHOT_DIR)); }
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void languageChoice_data()
    {
        QTest::addColumn<QLocale::Language>("locale");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("loaded");
        QTest::newRow("English") << QLocale::English << int(kLanguageEnglish) << int(kLanguageEnglish) << 0;
        QTest::newRow("German") << QLocale::English << int(kLanguageGerman) << int(kLanguageGerman) << 1;
        QTest::newRow("French") << QLocale::English << int(kLanguageFrench) << int(kLanguageFrench) << 1;
        QTest::newRow("Dutch") << QLocale::English << int(kLanguageDutch) << int(kLanguageDutch) << 1;
        QTest::newRow("unknown id") << QLocale::German << 4711 << int(kLanguageEnglish) << 0;
        QTest::newRow("Default, Dutch locale") << QLocale::Dutch << int(kLanguageDefault) << int(kLanguageDutch) << 1;
        QTest::newRow("Default, German locale") << QLocale::German << int(kLanguageDefault) << int(kLanguageGerman) << 1;
        QTest::newRow("Default, Spanish locale") << QLocale::Spanish << int(kLanguageDefault) << int(kLanguageEnglish) << 0;
    }

    void languageChoice()
    {
        QFETCH(QLocale::Language, locale);
        QFETCH(int, option);
        QFETCH(int, language);
        QFETCH(int, loaded);
        QLocale::setDefault(QLocale(locale));
        CLanguageResources languages(QStringList{QStringLiteral(MW_BIN_DIR)});
        QCOMPARE(languages.CurrentLanguage(), int(kLanguageDefault));
        QCOMPARE(languages.LoadLanguageDll(option), loaded);
        QCOMPARE(languages.CurrentLanguage(), language);
    }

    void missingCatalogueFallsBackToEnglishAndIsTriedAgain()
    {
        QTemporaryDir folder;
        CLanguageResources languages(QStringList{folder.path()});
        QCOMPARE(languages.LoadLanguageDll(kLanguageGerman), 0);
        QCOMPARE(languages.CurrentLanguage(), int(kLanguageEnglish));
        QCOMPARE(AboutVersionLine(), QStringLiteral("Modelwright version 2.0"));

        CopyCatalogue(QStringLiteral("ModelwrightDEU"), folder.path());
        QCOMPARE(languages.LoadLanguageDll(kLanguageGerman), 1);
        QCOMPARE(languages.CurrentLanguage(), int(kLanguageGerman));
    }

    void catalogueBesideProgramComesBeforeInstalledOne()
    {
        QTemporaryDir beside;
        QTemporaryDir installed;
        CopyCatalogue(QStringLiteral("ModelwrightFRA"), installed.path());
        {
            CLanguageResources onlyInstalled(QStringList{beside.path(), installed.path()});
            QCOMPARE(onlyInstalled.LoadLanguageDll(kLanguageFrench), 1);
        }

        // Beside the program lies another language's file under the French name.
        QVERIFY(QFile::copy(QStringLiteral(MW_BIN_DIR "/ModelwrightDEU.qm"), beside.path() + "/ModelwrightFRA.qm"));
        CLanguageResources both(QStringList{beside.path(), installed.path()});
        QCOMPARE(both.LoadLanguageDll(kLanguageFrench), 1);
        QCOMPARE(AboutVersionLine(), QStringLiteral("Modelwright Version 2.0"));
    }

    // A package brings Qt's own texts beside the program's catalogue; they win over Qt's folder.
    void qtTextsBesideTheCatalogueComeFirst()
    {
        QTemporaryDir beside;
        CopyCatalogue(QStringLiteral("ModelwrightFRA"), beside.path());
        QString german = QStringLiteral(MW_BIN_DIR "/qtbase_de.qm");
        if (!QFile::exists(german))
            german = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm";
        // Another language's texts under the French name tell where they came from.
        QVERIFY(QFile::copy(german, beside.path() + "/qtbase_fr.qm"));
        CLanguageResources languages(QStringList{beside.path()});
        QCOMPARE(languages.LoadLanguageDll(kLanguageFrench), 1);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    void switchingLanguageChangesTextsAndBack()
    {
        CLanguageResources languages(QStringList{QStringLiteral(MW_BIN_DIR)});
        languages.LoadLanguageDll(kLanguageGerman);
        QCOMPARE(AboutVersionLine(), QStringLiteral("Modelwright Version 2.0"));
        // Standard buttons speak the language too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
        languages.LoadLanguageDll(kLanguageFrench);
        QCOMPARE(AboutVersionLine(), QStringLiteral("Modelwright version 2.0"));
        QCOMPARE(QCoreApplication::translate("CHelpSystem", "Cannot find the help file. Please reinstall."),
            QStringLiteral("Impossible de trouver le fichier d'aide. Veuillez réinstaller le programme."));
        languages.LoadLanguageDll(kLanguageEnglish);
        QCOMPARE(QCoreApplication::translate("CHelpSystem", "Cannot find the help file. Please reinstall."),
            QStringLiteral("Cannot find the help file. Please reinstall."));
    }

    void helpFileChoice_data()
    {
        QTest::addColumn<QLocale::Language>("locale");
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("books");
        QTest::addColumn<QString>("chosen");
        const QStringList all{"Modelwright", "ModelwrightDEU", "ModelwrightFRA", "ModelwrightNLD"};
        QTest::newRow("English") << QLocale::German << int(kLanguageEnglish) << all << "Modelwright";
        QTest::newRow("German") << QLocale::English << int(kLanguageGerman) << all << "ModelwrightDEU";
        QTest::newRow("French") << QLocale::English << int(kLanguageFrench) << all << "ModelwrightFRA";
        QTest::newRow("Dutch") << QLocale::English << int(kLanguageDutch) << all << "ModelwrightNLD";
        QTest::newRow("German book missing") << QLocale::English << int(kLanguageGerman) << QStringList{"Modelwright"}
                                             << "Modelwright";
        QTest::newRow("Default, Dutch locale") << QLocale::Dutch << int(kLanguageDefault) << all << "ModelwrightNLD";
        QTest::newRow("Default, Spanish locale") << QLocale::Spanish << int(kLanguageDefault) << all << "Modelwright";
    }

    void helpFileChoice()
    {
        QFETCH(QLocale::Language, locale);
        QFETCH(int, option);
        QFETCH(QStringList, books);
        QFETCH(QString, chosen);
        QLocale::setDefault(QLocale(locale));
        QTemporaryDir folder;
        for (const QString& book : books)
            WriteBook(folder.path(), book, book);
        CHelpBooks helpBooks(QStringList{folder.path()});
        QCOMPARE(helpBooks.SelectHelpFile(option), folder.path() + '/' + chosen + ".html");
        QVERIFY(helpBooks.HelpFileExists());
    }

    void germanBookServesEvenWithoutGermanCatalogue()
    {
        QTemporaryDir emptyFolder;
        QTemporaryDir helpFolder;
        WriteBook(helpFolder.path(), QStringLiteral("ModelwrightDEU"), QStringLiteral("Hilfe"));
        CLanguageResources languages(QStringList{emptyFolder.path()});
        QCOMPARE(languages.LoadLanguageDll(kLanguageGerman), 0);
        CHelpBooks helpBooks(QStringList{helpFolder.path()});
        QVERIFY(helpBooks.SelectHelpFile(kLanguageGerman).endsWith("/ModelwrightDEU.html"));
    }

    void missingHelpSaysSoAndOpensNoWindow()
    {
        QTemporaryDir folder;
        CHelpSystem help{CHelpBooks(QStringList{folder.path()})};
        QString message;
        RecordNextMessage(message);
        help.WinHelp(kLanguageGerman, QStringLiteral("TreeDlg"));
        QCOMPARE(message, QStringLiteral("Cannot find the help file. Please reinstall."));
        QVERIFY(!help.Window());
    }

    void helpOpensAtTheTopicOfTheWindow()
    {
        CHelpSystem help{CHelpBooks(QStringList{QStringLiteral(MW_BIN_DIR "/help")})};
        help.WinHelp(kLanguageEnglish, QStringLiteral("TreeDlg"));
        QVERIFY(help.Window());
        QVERIFY(help.Window()->isVisible());
        QTextBrowser& browser = *help.Window()->Browser();
        QCOMPARE(browser.source().fileName(), QStringLiteral("Modelwright.html"));
        QCOMPARE(browser.source().fragment(), QStringLiteral("TreeDlg"));
        QTRY_VERIFY(browser.verticalScrollBar()->value() > 0);
        QVERIFY(browser.toPlainText().contains(QStringLiteral("Edit tree")));
        help.Window()->resize(900, 700);
        QVERIFY(help.Window()->grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/help_window.png")));

        help.WinHelp(kLanguageEnglish, QString());
        QCOMPARE(browser.verticalScrollBar()->value(), 0);
    }

    // The help window carries the program's icon and closes with its Close button, Escape and
    // Ctrl+W, wherever the keyboard is in it; it opens again at the next request.
    void helpWindowHasTheIconAndCloses()
    {
        CHelpSystem help{CHelpBooks(QStringList{QStringLiteral(MW_BIN_DIR "/help")})};
        const auto open = [&help] {
            help.WinHelp(kLanguageEnglish, QStringLiteral("TreeDlg"));
            QVERIFY(QTest::qWaitForWindowActive(help.Window()));
            help.Window()->Browser()->setFocus();
        };
        open();
        QVERIFY(!help.Window()->windowIcon().isNull());
        QVERIFY(!help.Window()->windowIcon().pixmap(32, 32).isNull());
        auto* close = help.Window()->findChild<QPushButton*>(QStringLiteral("close"));
        QVERIFY(close);
        QCOMPARE(close->text(), QStringLiteral("C&lose"));
        close->click();
        QVERIFY(!help.Window()->isVisible());
        for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
            open();
            QVERIFY(help.Window()->isVisible());
            QTest::keySequence(help.Window()->Browser(), key);
            QVERIFY2(!help.Window()->isVisible(), qPrintable(key.toString()));
        }
    }

    // The books picture the roof types with the element dialog's drawings, found in every book
    // even before any dialog has shown one.
    void everyPictureOfTheBooksIsShown()
    {
        for (const char* book : {"", "DEU", "FRA", "NLD"}) {
            CHelpSystem help{CHelpBooks(QStringList{QStringLiteral(MW_BIN_DIR "/help")})};
            help.WinHelp(std::string_view(book).empty() ? kLanguageEnglish : kLanguageGerman, QStringLiteral("roofTypes"));
            QTextBrowser& browser = *help.Window()->Browser();
            browser.setSource(QUrl::fromLocalFile(QStringLiteral(MW_BIN_DIR "/help/Modelwright") + book + ".html"));
            const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
            QFile file(browser.source().toLocalFile());
            QVERIFY(file.open(QIODevice::ReadOnly));
            int pictures = 0;
            for (auto match = image.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext(); ++pictures) {
                const QUrl url(match.next().captured(1));
                const QVariant picture = browser.loadResource(QTextDocument::ImageResource, url);
                QVERIFY2(!picture.toByteArray().isEmpty() || !picture.value<QImage>().isNull(), qPrintable(url.toString()));
            }
            QCOMPARE(pictures, 6);
            if (std::string_view(book).empty()) {
                help.Window()->resize(900, 700);
                browser.scrollToAnchor(QStringLiteral("roofTypes"));
                QVERIFY(help.Window()->grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/help_roof_types.png")));
            }
        }
    }

    void helpFromADialogStandsBesideItAndTakesClicks()
    {
        CHelpSystem help{CHelpBooks(QStringList{QStringLiteral(MW_BIN_DIR "/help")})};
        QWidget owner;
        owner.show();
        CTreeDlg dialog(&owner);
        CTree tree;
        CPartsManager parts;
        QTimer::singleShot(0, [&] {
            QDialog* shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(shown);
            help.WinHelp(kLanguageEnglish, QStringLiteral("TreeDlg"));
            help.WinHelp(kLanguageEnglish, QStringLiteral("DecorationDlg"));
            CHelpWindow& window = *help.Window();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(!window.frameGeometry().intersects(shown->frameGeometry()));
            // A click that comes through the window system reaches the help beside the dialog.
            auto* back = window.findChild<QPushButton*>("back");
            QVERIFY(back && back->isEnabled());
            QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, back->mapTo(&window, back->rect().center()));
            QCOMPARE(window.Topic(), QStringLiteral("TreeDlg"));
            shown->reject();
        });
        dialog.Edit(tree, parts);
    }

    void mainWindowTextsFollowTheLanguage()
    {
        CModelwrightDoc document;
        CProgramOptions options;
        CMainFrame frame(document, options);
        CLanguageResources languages(QStringList{QStringLiteral(MW_BIN_DIR)});
        QCOMPARE(languages.LoadLanguageDll(kLanguageGerman), 1);
        QTRY_VERIFY(frame.windowTitle().startsWith(QStringLiteral("Unbenannt")));
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Bereit"));
        languages.LoadLanguageDll(kLanguageEnglish);
        QTRY_VERIFY(frame.windowTitle().startsWith(QStringLiteral("Untitled")));
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Ready"));
    }

    // "Top color" is a tree's crown and a platform's upper face: each language says which.
    void sharedTextsKeepTheirMeaningInEachDialog()
    {
        CLanguageResources languages(QStringList{QStringLiteral(MW_BIN_DIR)});
        for (const int language : {kLanguageGerman, kLanguageFrench, kLanguageDutch}) {
            QCOMPARE(languages.LoadLanguageDll(language), 1);
            CTreeDlg tree;
            CPlatformDlg platform;
            QVERIFY(!LabelOf(tree, "topColor").isEmpty());
            QVERIFY2(LabelOf(tree, "topColor").remove(u'&') != LabelOf(platform, "topColor").remove(u'&'),
                qPrintable(LabelOf(tree, "topColor")));
        }
        languages.LoadLanguageDll(kLanguageEnglish);
    }

    void openHelpFollowsTheLanguage()
    {
        CHelpSystem help{CHelpBooks(QStringList{QStringLiteral(MW_BIN_DIR "/help")})};
        help.WinHelp(kLanguageEnglish, QStringLiteral("TreeDlg"));
        CLanguageResources languages(QStringList{QStringLiteral(MW_BIN_DIR)});
        QCOMPARE(languages.LoadLanguageDll(kLanguageGerman), 1);
        help.FollowLanguage(kLanguageGerman);
        QCOMPARE(help.Window()->Browser()->source().fileName(), QStringLiteral("ModelwrightDEU.html"));
        QCOMPARE(help.Window()->Topic(), QStringLiteral("TreeDlg"));
        QTRY_COMPARE(help.Window()->windowTitle(), QCoreApplication::translate("CHelpWindow", "Modelwright Help"));
        QVERIFY(help.Window()->windowTitle() != QStringLiteral("Modelwright Help"));
        // Contents stays in the language followed, not the one the window first showed.
        help.Window()->findChild<QPushButton*>(QStringLiteral("contents"))->click();
        QCOMPARE(help.Window()->Browser()->source().fileName(), QStringLiteral("ModelwrightDEU.html"));
        QCOMPARE(help.Window()->Topic(), QString());
        languages.LoadLanguageDll(kLanguageEnglish);
    }

    // Each book names every command of the menus and every field of the options sheet as the
    // program shows them in its language, whatever commands and fields are added.
    void everyBookNamesEveryCommandAndOption_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(kLanguageEnglish);
        QTest::newRow("German") << int(kLanguageGerman);
        QTest::newRow("French") << int(kLanguageFrench);
        QTest::newRow("Dutch") << int(kLanguageDutch);
    }

    void everyBookNamesEveryCommandAndOption()
    {
        QFETCH(int, language);
        CLanguageResources languages(QStringList {QStringLiteral(MW_BIN_DIR)});
        languages.LoadLanguageDll(language);
        const auto restoreEnglish = qScopeGuard([&languages] { languages.LoadLanguageDll(kLanguageEnglish); });
        QFile file(QStringLiteral(MW_BIN_DIR "/help/") + CHelpBooks::BookName(language) + ".html");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString book = QTextDocumentFragment::fromHtml(QString::fromUtf8(file.readAll()))
                                 .toPlainText()
                                 .simplified();
        // As a reader meets it: no access key, no dots of a command that asks first.
        const auto named = [](QString text) {
            text.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
            text.remove(QRegularExpression(QStringLiteral("\\s*(\\.\\.\\.|…)\\s*$")));
            return text.simplified();
        };
        QStringList missing;
        const auto check = [&](const QString& text, const QString& where) {
            const QString name = named(text);
            if (!name.isEmpty() && !book.contains(name, Qt::CaseInsensitive))
                missing << QStringLiteral("%1 \"%2\"").arg(where, name);
        };

        CModelwrightDoc document;
        CProgramOptions options;
        CMainFrame frame(document, options);
        std::function<void(const QMenu&, const QString&)> walk = [&](const QMenu& menu, const QString& path) {
            for (const QAction* action : menu.actions()) {
                // The recent files are the user's own paths.
                if (action->isSeparator() || action->objectName().startsWith(QLatin1String("recentFile")))
                    continue;
                if (action->menu())
                    walk(*action->menu(), path + named(action->text()) + QStringLiteral(", "));
                else
                    check(action->text(), path);
            }
        };
        for (const QAction* title : frame.menuBar()->actions())
            if (title->menu())
                walk(*title->menu(), QStringLiteral("menu %1, ").arg(named(title->text())));
        QVERIFY(frame.menuBar()->actions().size() >= 6);

        COptionsPropertySheet sheet;
        int fields = 0;
        for (const QWidget* field : sheet.findChildren<QWidget*>()) {
            if (const auto* label = qobject_cast<const QLabel*>(field); label && label->buddy()) {
                check(label->text(), QStringLiteral("option"));
                ++fields;
            } else if (const auto* box = qobject_cast<const QCheckBox*>(field)) {
                check(box->text(), QStringLiteral("option"));
                ++fields;
            }
        }
        QVERIFY(fields >= 6);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral("; "))));
    }

    // Each book has the English book's topics in its order, the same headings, tables and table
    // rows, and about as many words.
    void everyBookHasTheTopicsOfTheEnglishBook()
    {
        struct SShape {
            QStringList outline;
            qsizetype words = 0;
        };
        const auto shape = [](const QString& book) {
            QFile file(QStringLiteral(MW_BIN_DIR "/help/") + book + ".html");
            if (!file.open(QIODevice::ReadOnly))
                return SShape{{QStringLiteral("<missing %1>").arg(book)}};
            const QString html = QString::fromUtf8(file.readAll());
            SShape found;
            const QRegularExpression mark(QStringLiteral("<a\\s+name=\"([^\"]+)\"|<(h[1-4]|table|tr|li)\\b"));
            for (auto match = mark.globalMatch(html); match.hasNext();) {
                const QRegularExpressionMatch next = match.next();
                found.outline << (next.captured(1).isEmpty() ? next.captured(2) : next.captured(1));
            }
            QString text = html;
            found.words = text.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
            return found;
        };
        const SShape english = shape(QStringLiteral("Modelwright"));
        QVERIFY(english.outline.count(QStringLiteral("h2")) > 10);
        for (const char* book : {"ModelwrightDEU", "ModelwrightFRA", "ModelwrightNLD"}) {
            const SShape translated = shape(QString::fromLatin1(book));
            QCOMPARE(translated.outline, english.outline);
            QVERIFY2(translated.words > english.words * 8 / 10, book);
        }
    }
};

QTEST_MAIN(TestLanguageAndHelp)
#include "tst_language_and_help.moc"
