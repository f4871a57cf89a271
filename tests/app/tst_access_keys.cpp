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
#include "ui/ModelwrightView.h"
#include "ui/PartPreview.h"
#include "ui/PartsTable.h"
#include "ui/PlatformDlg.h"
#include "ui/SheetCommands.h"
#include "ui/TreeDlg.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

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

// The text a desktop theme gives a standard button: the GNOME and KDE themes add an access
// key ("&OK", "&Cancel"), which the window's own keys must leave free.
QString ThemeText(const QDialogButtonBox& box, QAbstractButton* button)
{
    switch (box.standardButton(button)) {
    case QDialogButtonBox::Ok:
        return QCoreApplication::translate("QGnomeTheme", "&OK");
    case QDialogButtonBox::Cancel:
        return QCoreApplication::translate("QGnomeTheme", "&Cancel");
    default:
        return button->text();
    }
}

bool IsStandardButton(const QAbstractButton& button)
{
    const auto* box = qobject_cast<const QDialogButtonBox*>(button.parentWidget());
    return box && box->standardButton(const_cast<QAbstractButton*>(&button)) != QDialogButtonBox::NoButton;
}

// The preview's view buttons answer to their own keys on the picture (3, P, F, S, T, Home);
// letters of their own would take six of every dialog's.
bool InPreview(const QWidget& widget)
{
    for (const QWidget* parent = widget.parentWidget(); parent; parent = parent->parentWidget())
        if (qobject_cast<const CPartPreview*>(parent))
            return true;
    return false;
}

// The keys that Alt reaches in a window: its buttons, labels, group boxes and tabs; and the
// controls the keyboard reaches that have none.
void CollectWindow(KeyTexts& keys, QStringList& keyless, const QWidget& window)
{
    const auto needsKey = [&keyless, &window](const QString& text, const QWidget& control) {
        if (AccessKey(text).isNull())
            keyless << QStringLiteral("%1: %2 \"%3\"").arg(window.objectName(), control.objectName(), text);
    };
    for (const QDialogButtonBox* box : window.findChildren<QDialogButtonBox*>())
        for (QAbstractButton* button : box->buttons())
            Collect(keys, ThemeText(*box, button));
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (IsStandardButton(*button) || button->text().isEmpty())
            continue;
        Collect(keys, button->text());
        if (button->focusPolicy() != Qt::NoFocus && !InPreview(*button))
            needsKey(button->text(), *button);
    }
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy()) {
            Collect(keys, label->text());
            needsKey(label->text(), *label->buddy());
        }
    for (const QGroupBox* group : window.findChildren<QGroupBox*>())
        Collect(keys, group->title());
    // A dialog's list or text box is reached through its label or through the title of the
    // group it stands alone in.
    if (qobject_cast<const QDialog*>(&window))
        for (const QAbstractScrollArea* box : window.findChildren<QAbstractScrollArea*>()) {
            if (box->window() != &window || !box->isEnabled() || box->focusPolicy() == Qt::NoFocus || InPreview(*box))
                continue;
            const auto* group = qobject_cast<const QGroupBox*>(box->parentWidget());
            if (!std::ranges::any_of(window.findChildren<QLabel*>(), [box](const QLabel* label) { return label->buddy() == box; }))
                needsKey(group ? group->title() : QString(), *box);
        }
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

// Shows the window as the language has it, for the eye: build/screenshots/keys_LANGUAGE_WINDOW.png
// (with @2x at double density).
void SaveScreenshot(QWidget& window)
{
    window.show();
    const QString density = window.devicePixelRatio() > 1 ? QStringLiteral("@%1x").arg(window.devicePixelRatio()) : QString();
    QDir().mkpath(QStringLiteral(MW_SCREENSHOT_DIR));
    window.grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/keys_%1_%2%3.png")
                           .arg(QString::fromLatin1(QTest::currentDataTag()), window.objectName(), density));
}

// A window's clashes and its controls without a key.
QStringList WindowFaults(QWidget& window)
{
    SaveScreenshot(window);
    KeyTexts keys;
    QStringList faults;
    CollectWindow(keys, faults, window);
    return faults << Clashes(window.objectName(), keys);
}

// The key of the label that names the control, or of the title of the group it stands in.
QChar KeyReaching(const QWidget& window, const QWidget& control)
{
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy() == &control)
            return AccessKey(label->text());
    const auto* group = qobject_cast<const QGroupBox*>(control.parentWidget());
    return group ? AccessKey(group->title()) : QChar();
}

} // namespace

class TestAccessKeys : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_configDir.path().toUtf8());
    }

    void everyControlHasAnAccessKeyOfItsOwn_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(kLanguageEnglish);
        QTest::newRow("German") << int(kLanguageGerman);
        QTest::newRow("French") << int(kLanguageFrench);
        QTest::newRow("Dutch") << int(kLanguageDutch);
    }

    void everyControlHasAnAccessKeyOfItsOwn()
    {
        QFETCH(int, language);
        CLanguageResources languages(QStringList{QStringLiteral(MW_BIN_DIR)});
        QCOMPARE(languages.LoadLanguageDll(language), language == kLanguageEnglish ? 0 : 1);
        QStringList faults;

        CModelwrightDoc document;
        CProgramOptions options;
        CMainFrame frame(document, options);
        // The menu bar shares Alt with the form; each open menu is a scope of its own.
        KeyTexts frameKeys;
        CollectWindow(frameKeys, faults, *frame.centralWidget());
        for (const QAction* menu : frame.menuBar()->actions()) {
            Collect(frameKeys, menu->text());
            KeyTexts menuKeys;
            if (menu->menu())
                for (const QAction* item : menu->menu()->actions())
                    Collect(menuKeys, item->text());
            faults << Clashes(menu->text(), menuKeys);
        }
        faults << Clashes(frame.objectName(), frameKeys);
        frame.resize(1280, 720);
        SaveScreenshot(frame);

        const std::unique_ptr<QWidget> windows[] = {std::make_unique<CTreeDlg>(), std::make_unique<CPlatformDlg>(),
            std::make_unique<CBuildingDlg>(), std::make_unique<CBuildingElementDlg>(),
            std::make_unique<CDecorationDlg>(), std::make_unique<CHeaderDlg>(), std::make_unique<CManufacturerDlg>(),
            std::make_unique<COptionsPropertySheet>(), std::make_unique<CSheetOptionsDlg>(), std::make_unique<CHelpWindow>()};
        for (const auto& window : windows)
            faults << WindowFaults(*window);
        CVersionInfo versionInfo(QString::fromLatin1(CVersionInfo::kEnglishUnicode));
        CAboutDlg about(versionInfo);
        faults << WindowFaults(about);
        for (const QString& fault : std::as_const(faults))
            qWarning().noquote() << fault;
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, listed above").arg(faults.size())));
        languages.LoadLanguageDll(kLanguageEnglish);
    }

    // The English texts are written out: no command ends in two dots, no count says "(s)".
    void visibleTextsAreWrittenOut()
    {
        CModelwrightDoc document;
        CProgramOptions options;
        CMainFrame frame(document, options);
        const std::unique_ptr<QWidget> dialogs[] = {std::make_unique<CTreeDlg>(), std::make_unique<CPlatformDlg>(),
            std::make_unique<CBuildingDlg>(), std::make_unique<CBuildingElementDlg>(), std::make_unique<CDecorationDlg>()};
        QStringList texts;
        for (const QAction* action : frame.findChildren<QAction*>())
            texts << action->text() << action->statusTip();
        for (QWidget* window : {static_cast<QWidget*>(&frame), dialogs[0].get(), dialogs[1].get(), dialogs[2].get(),
                 dialogs[3].get(), dialogs[4].get()}) {
            for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
                texts << button->text();
            for (const QLabel* label : window->findChildren<QLabel*>())
                texts << label->text();
            for (const QGroupBox* group : window->findChildren<QGroupBox*>())
                texts << group->title();
        }
        const QRegularExpression unwritten(QStringLiteral("(^|[^.])\\.\\.$|\\(s\\)"));
        QStringList faults;
        for (const QString& text : std::as_const(texts))
            if (unwritten.match(text).hasMatch())
                faults << text;
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral(" | "))));
    }

    // Tab walks the main form as it is read, row by row and left to right, in every language.
    void theFormsTabOrderFollowsTheScreen_data() { everyControlHasAnAccessKeyOfItsOwn_data(); }

    void theFormsTabOrderFollowsTheScreen()
    {
        QFETCH(int, language);
        CLanguageResources languages(QStringList{QStringLiteral(MW_BIN_DIR)});
        languages.LoadLanguageDll(language);
        CModelwrightDoc document;
        CProgramOptions options;
        CMainFrame frame(document, options);
        frame.resize(1280, 720);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        const QWidget& form = *frame.findChild<QWidget*>(QStringLiteral("form"));
        const QWidget* first = frame.findChild<QWidget*>(QStringLiteral("filter"));
        QStringList order;
        QPoint previous(-1, -1);
        for (const QWidget* control = first; control && form.isAncestorOf(control); control = control->nextInFocusChain()) {
            if (!control->isVisible() || !(control->focusPolicy() & Qt::TabFocus))
                continue;
            const QPoint place = control->mapTo(&form, QPoint(0, 0));
            order << QStringLiteral("%1 at %2,%3").arg(control->objectName()).arg(place.x()).arg(place.y());
            const bool sameRow = std::abs(place.y() - previous.y()) <= 4;
            QVERIFY2(sameRow ? place.x() > previous.x() : place.y() > previous.y(), qPrintable(order.join(QStringLiteral(", "))));
            previous = place;
        }
        QCOMPARE(order.size(), 10);
        languages.LoadLanguageDll(kLanguageEnglish);
    }

    // On the screen the program runs on (a 1600 x 1000 laptop at double size, where the tests
    // run so) every window and dialog fits whole in every language, and the parts table shows
    // all its columns in the main window.
    void everyWindowFitsTheScreen_data() { everyControlHasAnAccessKeyOfItsOwn_data(); }

    void everyWindowFitsTheScreen()
    {
        QFETCH(int, language);
        CLanguageResources languages(QStringList{QStringLiteral(MW_BIN_DIR)});
        languages.LoadLanguageDll(language);
        const QSize screen = QGuiApplication::primaryScreen()->availableSize();
        QStringList faults;
        const auto check = [&faults, screen](QWidget& window) {
            window.show();
            // A dialog that scrolls its fields shows them with itself.
            if (const auto* pane = window.findChild<QScrollArea*>(QStringLiteral("fieldsPane"));
                pane && !(pane->isVisible() && pane->widget()->isVisible()))
                faults << QStringLiteral("%1 hides its fields").arg(window.objectName());
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QDir().mkpath(QStringLiteral(MW_SCREENSHOT_DIR));
            window.grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/screen_%1x%2_%3_%4.png")
                                   .arg(screen.width()).arg(screen.height()).arg(QString::fromLatin1(QTest::currentDataTag()), window.objectName()));
            const QSize size = window.frameGeometry().size();
            if (size.width() > screen.width() || size.height() > screen.height())
                faults << QStringLiteral("%1 is %2 x %3").arg(window.objectName()).arg(size.width()).arg(size.height());

            window.hide();
        };
        CModelwrightDoc document;
        CProgramOptions options;
        CMainFrame frame(document, options);
        frame.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        // The form gets the room its controls need, so that none covers another.
        const QWidget& form = *frame.findChild<QWidget*>(QStringLiteral("form"));
        if (form.minimumSizeHint().width() > form.width())
            faults << QStringLiteral("the form is %1 wide for controls that need %2").arg(form.width()).arg(form.minimumSizeHint().width());
        const CPartsTable& table = *frame.View()->ObjectList();
        for (int column = 0; column < table.model()->columnCount(); ++column)
            if (table.horizontalHeader()->sectionViewportPosition(column) + table.horizontalHeader()->sectionSize(column)
                > table.viewport()->width())
                faults << QStringLiteral("the table's column %1 is cut off").arg(column);
        check(frame);
        const std::unique_ptr<QWidget> windows[] = {std::make_unique<CTreeDlg>(), std::make_unique<CPlatformDlg>(),
            std::make_unique<CBuildingDlg>(), std::make_unique<CBuildingElementDlg>(),
            std::make_unique<CDecorationDlg>(), std::make_unique<CHeaderDlg>(), std::make_unique<CManufacturerDlg>(),
            std::make_unique<COptionsPropertySheet>(), std::make_unique<CSheetOptionsDlg>(), std::make_unique<CHelpWindow>()};
        for (const auto& window : windows)
            check(*window);
        CVersionInfo versionInfo(QString::fromLatin1(CVersionInfo::kEnglishUnicode));
        CAboutDlg about(versionInfo);
        check(about);
        languages.LoadLanguageDll(kLanguageEnglish);
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("on %1 x %2: %3").arg(screen.width()).arg(screen.height()).arg(faults.join(QStringLiteral("; ")))));
    }

    // Alt with a key moves the focus where the label or group title says, in every language.
    void anAccessKeyReachesItsControl()
    {
        CLanguageResources languages(QStringList{QStringLiteral(MW_BIN_DIR)});
        for (const int language : {kLanguageEnglish, kLanguageGerman, kLanguageFrench, kLanguageDutch}) {
            languages.LoadLanguageDll(language);
            CBuildingDlg building;
            CBuildingElementDlg element;
            const std::pair<QDialog*, std::vector<const char*>> dialogs[] = {
                {&building, {"partsPerPackage", "elements", "freeText", "description"}},
                {&element, {"decorations", "freeText", "roofColor", "description"}}};
            for (const auto& [dialog, controls] : dialogs) {
                dialog->show();
                QApplication::setActiveWindow(dialog);
                QVERIFY(QTest::qWaitForWindowActive(dialog));
                for (const char* control : controls) {
                    auto* target = dialog->findChild<QWidget*>(QLatin1String(control));
                    QVERIFY(target);
                    QTest::keyClick(dialog, KeyReaching(*dialog, *target).toLatin1(), Qt::AltModifier);
                    QVERIFY2(target->hasFocus(), qPrintable(dialog->objectName() + ": " + control));
                }
                dialog->hide();
            }
        }
        languages.LoadLanguageDll(kLanguageEnglish);
    }

private:
    QTemporaryDir m_configDir;
};

QTEST_MAIN(TestAccessKeys)
#include "tst_access_keys.moc"
