#include "app/AboutDlg.h"
#include "app/HelpWindow.h"
#include "app/LanguageResources.h"
#include "app/MainFrame.h"
#include "app/VersionInfo.h"
#include "model/ChoiceCodes.h"
#include "model/ModelwrightDoc.h"
#include "settings/ProgramOptions.h"
#include "ui/BuildingDlg.h"
#include "ui/BuildingElementDlg.h"
#include "ui/DecorationDlg.h"
#include "ui/HeaderDlg.h"
#include "ui/ManufacturerDlg.h"
#include "ui/OptionsPropertySheet.h"
#include "ui/PlatformDlg.h"
#include "ui/TreeDlg.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

namespace {

// The letter after a single '&', lower case, or nothing.
QChar AccessKey(const QString& text)
{
    for (qsizetype index = 0; index + 1 < text.size(); ++index) {
        if (text[index] != u'&')
            continue;
        if (text[index + 1] != u'&')
            return text[index + 1].toLower();
        ++index;
    }
    return {};
}

// Every access key of a scope with the texts that carry it.
using KeyTexts = std::map<QChar, QStringList>;

void Collect(KeyTexts& keys, const QString& text)
{
    if (const QChar key = AccessKey(text); !key.isNull())
        keys[key] << text;
}

// The keys that Alt reaches in a window: its buttons, labels, group boxes and tabs.
void CollectWindow(KeyTexts& keys, const QWidget& window)
{
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        Collect(keys, button->text());
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy())
            Collect(keys, label->text());
    for (const QGroupBox* group : window.findChildren<QGroupBox*>())
        Collect(keys, group->title());
    for (const QTabWidget* tabs : window.findChildren<QTabWidget*>())
        for (int index = 0; index < tabs->count(); ++index)
            Collect(keys, tabs->tabText(index));
}

QStringList Clashes(const QString& scope, const KeyTexts& keys)
{
    QStringList clashes;
    for (const auto& [key, texts] : keys)
        if (texts.size() > 1)
            clashes << QStringLiteral("%1: '%2' in %3").arg(scope, key, texts.join(QStringLiteral(", ")));
    return clashes;
}

QStringList WindowClashes(const QWidget& window)
{
    KeyTexts keys;
    CollectWindow(keys, window);
    return Clashes(window.objectName(), keys);
}

} // namespace

class TestAccessKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_configDir.path().toUtf8());
    }

    void noWindowRepeatsAnAccessKey_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(kLanguageEnglish);
        QTest::newRow("German") << int(kLanguageGerman);
        QTest::newRow("French") << int(kLanguageFrench);
        QTest::newRow("Dutch") << int(kLanguageDutch);
    }

    void noWindowRepeatsAnAccessKey()
    {
        QFETCH(int, language);
        CLanguageResources languages(QStringList{QStringLiteral(MW_BIN_DIR)});
        QCOMPARE(languages.LoadLanguageDll(language), language == kLanguageEnglish ? 0 : 1);
        QStringList clashes;

        CModelwrightDoc document;
        CProgramOptions options;
        CMainFrame frame(document, options);
        // The menu bar shares Alt with the form; each open menu is a scope of its own.
        KeyTexts frameKeys;
        CollectWindow(frameKeys, *frame.centralWidget());
        for (const QAction* menu : frame.menuBar()->actions()) {
            Collect(frameKeys, menu->text());
            KeyTexts menuKeys;
            if (menu->menu())
                for (const QAction* item : menu->menu()->actions())
                    Collect(menuKeys, item->text());
            clashes << Clashes(menu->text(), menuKeys);
        }
        clashes << Clashes(frame.objectName(), frameKeys);

        const std::unique_ptr<QWidget> windows[] = {std::make_unique<CTreeDlg>(), std::make_unique<CPlatformDlg>(),
            std::make_unique<CBuildingDlg>(), std::make_unique<CBuildingElementDlg>(),
            std::make_unique<CDecorationDlg>(), std::make_unique<CHeaderDlg>(), std::make_unique<CManufacturerDlg>(),
            std::make_unique<COptionsPropertySheet>(), std::make_unique<CHelpWindow>()};
        for (const auto& window : windows)
            clashes << WindowClashes(*window);
        CVersionInfo versionInfo(QString::fromLatin1(CVersionInfo::kEnglishUnicode));
        clashes << WindowClashes(CAboutDlg(versionInfo));
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
        languages.LoadLanguageDll(kLanguageEnglish);
    }

private:
    QTemporaryDir m_configDir;
};

QTEST_MAIN(TestAccessKeys)
#include "tst_access_keys.moc"
