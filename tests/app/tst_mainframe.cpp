#include "ModalWatcher.h"
#include "ui/ModalDialogDriver.h"

#include "app/MainFrame.h"
#include "app/QtSettingsStore.h"
#include "settings/ProgramOptions.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"
#include "model/Tree.h"
#include "model/ChoiceCodes.h"
#include "model/PartKind.h"
#include "model/Platform.h"
#include "model/Building.h"
#include "app/LanguageResources.h"
#include "ui/ModelwrightView.h"
#include "ui/PartsTable.h"
#include "ui/OptionsPropertySheet.h"
#include "ui/SheetCommands.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QLineEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QClipboard>
#include <QMenu>
#include <QScopeGuard>
#include <QStyle>
#include <QTimer>
#include <QTest>
#include <QToolBar>
#include <QTranslator>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

// The main window with the user's answers to its questions given in advance.
class CTestFrame : public CMainFrame {
public:
    using CMainFrame::CMainFrame;

    QStringList m_openPaths;
    QStringList m_savePaths;
    QMessageBox::StandardButton m_saveChangesAnswer = QMessageBox::Cancel;
    QStringList m_readOnlyAsked;
    bool m_saveReadOnlyAs = false;
    QList<EChangedFileAnswer> m_changedFileAnswers;
    QStringList m_changedFileAsked;
    bool m_realChangedFileQuestion = false;
    int m_saveChangesAsked = 0;
    QStringList m_errors;
    QStringList m_mailed;
    std::optional<SKeyboardLocks> m_locks;
    // The real file dialog and question, for the tests of what they offer.
    bool m_realDialogs = false;

protected:
    std::optional<SKeyboardLocks> LockStates() const override { return m_locks; }
    QString AskOpenPath() override
    {
        if (m_realDialogs)
            return CMainFrame::AskOpenPath();
        return m_openPaths.isEmpty() ? QString() : m_openPaths.takeFirst();
    }
    QString AskSavePath() override { return m_savePaths.isEmpty() ? QString() : m_savePaths.takeFirst(); }
    QMessageBox::StandardButton AskSaveChanges() override
    {
        ++m_saveChangesAsked;
        if (m_realDialogs)
            return CMainFrame::AskSaveChanges();
        return m_saveChangesAnswer;
    }
    bool AskSaveReadOnlyAs(const QString& message) override
    {
        m_readOnlyAsked << message;
        return m_saveReadOnlyAs;
    }
    EChangedFileAnswer AskChangedFile(const QString& message) override
    {
        if (m_realChangedFileQuestion)
            return CMainFrame::AskChangedFile(message);
        m_changedFileAsked << message;
        return m_changedFileAnswers.isEmpty() ? EChangedFileAnswer::cancel : m_changedFileAnswers.takeFirst();
    }
    void ReportError(const QString& message) override { m_errors << message; }
    bool StartMailer(const QString& attachment) override
    {
        m_mailed << attachment;
        return true;
    }
};

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A document file holding trees of the given names, in that order.
QByteArray CatalogueBytes(std::initializer_list<const char*> names)
{
    CModelwrightDoc doc;
    doc.OnNewDocument();
    for (const char* name : names) {
        auto tree = std::make_unique<CTree>();
        tree->m_name = name;
        doc.Parts().Add(std::move(tree));
    }
    const std::vector<uint8_t> bytes = doc.SaveToBytes();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// The names of the parts a document file holds, in its order.
QStringList PartNames(const QString& path)
{
    CModelwrightDoc doc;
    doc.OpenDocumentFile(PathFromUtf8(path.toStdString()));
    QStringList names;
    for (const auto& part : doc.Parts().GetList())
        names << QString::fromStdString(part->m_name);
    return names;
}

}

class TestMainFrame : public QObject {
    Q_OBJECT

    QTemporaryDir m_configDir;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CModelwrightDoc> m_doc;
    CProgramOptions m_options;
    std::unique_ptr<CTestFrame> m_frame;

    QString FilePath(const QString& name) const { return m_dir->filePath(name); }

    QStringList Entries() const
    {
        const CPartsTable& list = *m_frame->View()->ObjectList();
        QStringList texts;
        for (int row = 0; row < list.count(); ++row)
            texts << list.EntryText(row);
        return texts;
    }

    void AddPart(const char* name)
    {
        auto tree = std::make_unique<CTree>();
        tree->m_name = name;
        CNamedObject* part = tree.get();
        m_doc->Parts().Add(std::move(tree));
        m_frame->View()->ObjectList()->AddAndSelect(part);
        m_doc->SetModifiedFlag(true);
    }

    void MakeFrame()
    {
        m_frame = std::make_unique<CTestFrame>(*m_doc, m_options);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    }

private slots:
    void initTestCase()
    {
        // The recent file list goes to a settings file of this test.
        qputenv("XDG_CONFIG_HOME", m_configDir.path().toUtf8());
        QLocale::setDefault(QLocale(QLocale::English));
    }

    void init()
    {
        CQtSettingsStore::OpenProgramSettings()->clear();
        m_dir = std::make_unique<QTemporaryDir>();
        m_doc = std::make_unique<CModelwrightDoc>();
        m_options = CProgramOptions();
        MakeFrame();
    }

    void cleanup()
    {
        m_frame.reset();
        m_doc.reset();
    }

    void opensMaximizedAsAnUntitledCatalogue()
    {
        QVERIFY(m_frame->windowState() & Qt::WindowMaximized);
        QCOMPARE(m_frame->windowTitle(), QString("Untitled[*] - Winrail Modelwright"));
        QVERIFY(!m_frame->isWindowModified());
        QVERIFY(m_doc->m_pPartsManager);
        QCOMPARE(m_frame->centralWidget(), m_frame->View());
        QStringList menus;
        for (QAction* menu : m_frame->menuBar()->actions())
            menus << menu->text();
        QCOMPARE(menus, (QStringList {"&File", "&Edit", "P&art", "&View", "&Options", "&Help"}));
        QCOMPARE(m_frame->statusBar()->currentMessage(), QString("Ready"));
        SaveScreenshot(*m_frame, "main_window");
    }

    void windowLayoutIsRememberedBetweenRuns()
    {
        QVERIFY(!m_frame->RestoreWindowLayout());
        m_frame->showNormal();
        m_frame->resize(900, 600);
        QHeaderView* columns = m_frame->View()->ObjectList()->horizontalHeader();
        columns->resizeSection(CPartsTableModel::catalogNo, 133);
        columns->setSortIndicator(CPartsTableModel::price, Qt::DescendingOrder);
        m_frame->ToolBar()->hide();
        QVERIFY(m_frame->close());

        // The window goes before its document, as in the program.
        m_frame.reset();
        m_doc = std::make_unique<CModelwrightDoc>();
        MakeFrame();
        QVERIFY(!(m_frame->windowState() & Qt::WindowMaximized));
        QCOMPARE(m_frame->size(), QSize(900, 600));
        QVERIFY(m_frame->ToolBar()->isHidden());
        columns = m_frame->View()->ObjectList()->horizontalHeader();
        // The table of this narrow window shows its columns narrower, and keeps their widths.
        CPartsTable wide;
        wide.resize(1400, 300);
        wide.RestoreColumns(m_frame->View()->ObjectList()->SavedColumns());
        QCOMPARE(wide.horizontalHeader()->sectionSize(CPartsTableModel::catalogNo), 133);
        QVERIFY(columns->length() <= m_frame->View()->ObjectList()->viewport()->width());
        QCOMPARE(columns->sectionResizeMode(CPartsTableModel::description), QHeaderView::Stretch);
        QCOMPARE(columns->sortIndicatorSection(), int(CPartsTableModel::price));
        QCOMPARE(columns->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    // In a window 800 wide (and, run again at double size on a 1600 x 1000 screen, in the
    // whole of it) the table shows a name of 24 characters, the kind, the catalogue number and
    // the price whole, in every language; the command buttons stay whole beside it.
    void thePartsTableIsReadableInANarrowWindow_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << int(kLanguageEnglish);
        QTest::newRow("German") << int(kLanguageGerman);
        QTest::newRow("French") << int(kLanguageFrench);
        QTest::newRow("Dutch") << int(kLanguageDutch);
    }

    void thePartsTableIsReadableInANarrowWindow()
    {
        QFETCH(int, language);
        CLanguageResources languages(QStringList {QStringLiteral(MW_BIN_DIR)});
        languages.LoadLanguageDll(language);
        const auto restoreEnglish = qScopeGuard([&languages] { languages.LoadLanguageDll(kLanguageEnglish); });
        const auto add = [this](std::unique_ptr<CNamedObject> part, const char* name, const char* number, const char* price) {
            part->m_name = name;
            VisitPart(*part, [&](auto& kind) {
                kind.m_catalogNo = number;
                kind.m_price = price;
            });
            m_doc->Parts().Add(std::move(part));
        };
        add(std::make_unique<CBuilding>(), "Station building Lindena", "LB-1010-W", "1249.50");
        add(std::make_unique<CPlatform>(), "Platform 1, covered", "LP-201", "16.00");
        add(std::make_unique<CTree>(), "Small spruce", "LT-03", "2.90");
        m_frame->View()->OnInitialUpdate();
        const QSize screen = m_frame->screen()->availableSize();
        if (screen.width() <= 800) {
            m_frame->showMaximized();
        } else {
            m_frame->showNormal();
            m_frame->resize(800, 600);
        }
        QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
        QTRY_VERIFY(m_frame->width() <= 800);
        // The window has taken the language's texts before it is measured.
        QTRY_COMPARE(m_frame->menuBar()->actions().constFirst()->text(), QCoreApplication::translate("CMainFrame", "&File"));
        const CPartsTable& table = *m_frame->View()->ObjectList();
        const QFontMetrics metrics = table.fontMetrics();
        // A cell's text has a few pixels of margin on each side.
        const int margins = 2 * (table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1) + 2;
        const auto faultsShown = [&] {
            QStringList faults;
            for (int row = 0; row < table.model()->rowCount(); ++row)
                for (int column = 0; column < CPartsTableModel::columnTotal; ++column) {
                    const QModelIndex cell = table.model()->index(row, column);
                    const QString text = cell.data().toString();
                    const int picture = cell.data(Qt::DecorationRole).isValid()
                        ? table.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &table) + 4 : 0;
                    const int right = table.horizontalHeader()->sectionViewportPosition(column)
                        + table.horizontalHeader()->sectionSize(column);
                    if (picture + metrics.horizontalAdvance(text) + margins > table.horizontalHeader()->sectionSize(column)
                        || right > table.viewport()->width())
                        faults << QStringLiteral("\"%1\" in %2 px").arg(text).arg(table.horizontalHeader()->sectionSize(column));
                }
            // The command buttons, and the preview's buttons beside them, show whole.
            for (const QAbstractButton* button : m_frame->View()->findChildren<QAbstractButton*>()) {
                if (!button->isVisible())
                    continue;
                if (button->width() < button->minimumSizeHint().width() || button->height() < button->minimumSizeHint().height())
                    faults << QStringLiteral("%1 is cut").arg(button->objectName());
                if (!button->parentWidget()->rect().contains(button->geometry())
                    || !m_frame->View()->rect().contains(QRect(button->mapTo(m_frame->View(), QPoint(0, 0)), button->size())))
                    faults << QStringLiteral("%1 lies outside its pane").arg(button->objectName());
            }
            return faults.join(QStringLiteral(", "));
        };
        // The layouts take the new language's texts in a few turns of the event loop.
        QTRY_COMPARE_WITH_TIMEOUT(faultsShown(), QString(), 2000);
        SaveScreenshot(*m_frame, QStringLiteral("main_window_narrow_%1_%2x").arg(QString::fromLatin1(QTest::currentDataTag())).arg(m_frame->devicePixelRatio()));
        QVERIFY(table.width() > m_frame->width() / 2);
    }

    // Run a second time at QT_SCALE_FACTOR=2 for the screenshot at double density.
    void mainWindowShowsASampleCatalogue()
    {
        const QString example = QStringLiteral(MW_EXAMPLES_DIR "/country-station.wo3");
        QVERIFY(m_frame->OpenDocumentFile(example));
        QCOMPARE(Entries().size(), 7);
        QCOMPARE(Entries().constFirst(), QString("Goods shed"));
        m_frame->showNormal();
        m_frame->resize(1400, 620);
        m_frame->View()->ObjectList()->SelectIndex(6);
        QTRY_COMPARE(m_frame->View()->ObjectList()->width() > 350, true);
        const qreal density = m_frame->devicePixelRatio();
        SaveScreenshot(*m_frame, density > 1 ? QStringLiteral("main_window_example_2x") : QStringLiteral("main_window_example"));
        // Drawn pictures: every toolbar picture and the program's icon have the screen's pixels.
        for (QAction* action : m_frame->ToolBar()->actions())
            if (!action->isSeparator())
                QCOMPARE(action->icon().pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
        QCOMPARE(QIcon(":/app/modelwright.svg").pixmap(QSize(512, 512)).size(), QSize(512, 512) * density);
    }

    void toolbarHoldsTheCommandsAndTheClipboardFollowsTheSelection()
    {
        QList<QAction*> buttons;
        for (QAction* action : m_frame->ToolBar()->actions())
            if (!action->isSeparator())
                buttons << action;
        QCOMPARE(buttons, (QList<QAction*> {m_frame->NewAction(), m_frame->OpenAction(), m_frame->SaveAction(),
                              m_frame->CutAction(), m_frame->CopyAction(), m_frame->PasteAction(), m_frame->UndoAction(),
                              m_frame->RedoAction(), m_frame->PrintAction(),
                              m_frame->AboutAction(), m_frame->ContextHelpAction()}));
        QApplication::clipboard()->clear();
        const auto enabled = [this] {
            return QList<bool> {m_frame->CutAction()->isEnabled(), m_frame->CopyAction()->isEnabled(), m_frame->PasteAction()->isEnabled()};
        };
        QCOMPARE(enabled(), (QList<bool> {false, false, false}));
        AddPart("Oak");
        QCOMPARE(enabled(), (QList<bool> {true, true, false}));
        QTest::keySequence(m_frame.get(), QKeySequence(Qt::CTRL | Qt::Key_C));
        QCOMPARE(enabled(), (QList<bool> {true, true, true}));
        m_doc->SetModifiedFlag(false);
        m_frame->NewDocument();
        QCOMPARE(enabled(), (QList<bool> {false, false, true}));
    }

    // The table's context menu holds the Part menu's commands and the clipboard's.
    void partCommandsAreInTheMenuAndOnTheTable()
    {
        QStringList names;
        for (const QAction* action : m_frame->PartMenu()->actions())
            names << action->objectName();
        QCOMPARE(names, (QStringList {"partNewTree", "partNewBuilding", "partNewPlatform", "", "partEdit", "partDuplicate",
                            "partDelete", "", "partExport", "partExportAndCompile"}));
        AddPart("Oak");
        AddPart("Ash");
        CPartsTable& table = *m_frame->View()->ObjectList();
        // The context menu's separators go with it: they are taken as null.
        const auto commands = [](const QList<QAction*>& actions) {
            QList<QAction*> kept;
            for (QAction* action : actions)
                kept << (action->isSeparator() ? nullptr : action);
            return kept;
        };
        QList<QAction*> shown;
        QTimer::singleShot(0, this, [&shown, &commands] {
            QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            shown = commands(menu->actions());
            menu->close();
        });
        const QPoint oak = table.visualRect(table.model()->index(1, 0)).center();
        emit table.customContextMenuRequested(oak);
        QCOMPARE(m_frame->View()->Selected()->m_name, std::string("Oak"));
        // Beneath them the clipboard's commands.
        QCOMPARE(shown, commands(m_frame->PartMenu()->actions())
                << nullptr << m_frame->CutAction() << m_frame->CopyAction() << m_frame->PasteAction());
    }

    // The menus name the keys that work: Enter edits and Del deletes in the table, Redo and
    // Exit show the platform's own keys (Ctrl+Q on Linux, Alt+F4 on Windows).
    void menusShowTheKeysOfTheirCommands()
    {
        const auto shownKey = [this](const char* name) {
            const auto* action = m_frame->findChild<QAction*>(QLatin1String(name));
            return action ? action->shortcut().toString(QKeySequence::NativeText) : QStringLiteral("<no %1>").arg(name);
        };
        QCOMPARE(shownKey("partEdit"), QStringLiteral("Enter"));
        QCOMPARE(shownKey("partDelete"), QStringLiteral("Del"));
        QCOMPARE(m_frame->RedoAction()->shortcut(), QKeySequence(QKeySequence::Redo));
        // A platform that names no key to quit (Windows, and the offscreen screen) closes with Alt+F4.
        const QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
        QCOMPARE(m_frame->ExitAction()->shortcuts(), quitKeys.isEmpty() ? QList {QKeySequence(Qt::ALT | Qt::Key_F4)} : quitKeys);

        // The keys act in the table; in the filter box they stay the box's own.
        AddPart("Oak");
        AddPart("Ash");
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        CPartsTable& table = *m_frame->View()->ObjectList();
        table.setFocus();
        QTRY_VERIFY(table.hasFocus());
        QTest::keyClick(&table, Qt::Key_Delete);
        QCOMPARE(m_doc->Parts().GetCount(), size_t(1));
        QLineEdit& filter = *m_frame->View()->FilterEdit();
        filter.setFocus();
        QTRY_VERIFY(filter.hasFocus());
        QTest::keyClicks(&filter, "Oa");
        QTest::keyClick(&filter, Qt::Key_Home);
        QTest::keyClick(&filter, Qt::Key_Delete);
        QCOMPARE(filter.text(), QStringLiteral("a"));
        QCOMPARE(m_doc->Parts().GetCount(), size_t(1));
    }

    void hidingTheToolbarKeepsItWhereItWas()
    {
        m_frame->removeToolBar(m_frame->ToolBar());
        m_frame->addToolBar(Qt::LeftToolBarArea, m_frame->ToolBar());
        m_frame->ToolBar()->show();
        m_frame->ToolbarAction()->trigger();
        QVERIFY(!m_frame->ToolBar()->isVisible());
        m_frame->ToolbarAction()->trigger();
        QVERIFY(m_frame->ToolBar()->isVisible());
        QCOMPARE(m_frame->toolBarArea(m_frame->ToolBar()), Qt::LeftToolBarArea);

        m_frame->StatusBarAction()->trigger();
        QVERIFY(!m_frame->statusBar()->isVisible());
        m_frame->StatusBarAction()->trigger();
        QVERIFY(m_frame->statusBar()->isVisible());
    }

    void titleFollowsTheModifiedFlag()
    {
        AddPart("Oak");
        QVERIFY(m_frame->isWindowModified());
        m_doc->SetModifiedFlag(false);
        QVERIFY(!m_frame->isWindowModified());
    }

    void unsavedChangesAreAskedAbout_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<bool>("saved");
        QTest::newRow("cancel keeps the catalogue") << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("don't save drops the changes") << int(QMessageBox::Discard) << true << false;
        QTest::newRow("save saves first") << int(QMessageBox::Save) << true << true;
    }

    void unsavedChangesAreAskedAbout()
    {
        QFETCH(int, answer);
        QFETCH(bool, replaced);
        QFETCH(bool, saved);
        const QString savePath = FilePath(QStringLiteral("asked%1.wo3").arg(answer));
        const QString openPath = FilePath("other.wo3");
        QVERIFY(WriteBytes(openPath, CatalogueBytes({"Birch"})));
        for (const auto& command : {std::function<void()>([this] { m_frame->NewDocument(); }),
                 std::function<void()>([this] { m_frame->OpenAction()->trigger(); }),
                 std::function<void()>([this, &openPath] { m_frame->OpenDocumentFile(openPath); })}) {
            m_doc->SetModifiedFlag(false);
            m_frame->NewDocument();
            AddPart("Oak");
            m_frame->m_saveChangesAsked = 0;
            m_frame->m_saveChangesAnswer = QMessageBox::StandardButton(answer);
            m_frame->m_savePaths = {savePath};
            m_frame->m_openPaths = {openPath};
            QFile::remove(savePath);
            command();
            QCOMPARE(m_frame->m_saveChangesAsked, 1);
            QCOMPARE(Entries() != QStringList {"Oak"}, replaced);
            QCOMPARE(QFile::exists(savePath), saved);
            QVERIFY(m_frame->m_errors.isEmpty());
        }
        // Without changes nothing is asked.
        m_doc->SetModifiedFlag(false);
        m_frame->m_saveChangesAsked = 0;
        m_frame->NewDocument();
        QCOMPARE(m_frame->m_saveChangesAsked, 0);
    }

    void closingAsksAboutUnsavedChanges()
    {
        AddPart("Oak");
        m_frame->m_saveChangesAnswer = QMessageBox::Cancel;
        QVERIFY(!m_frame->close());
        QVERIFY(m_frame->isVisible());
        m_frame->m_saveChangesAnswer = QMessageBox::Discard;
        QVERIFY(m_frame->close());
    }

    void saveAndSaveAs()
    {
        AddPart("Oak");
        // Save of an untitled catalogue asks for a name; cancelling writes nothing.
        QVERIFY(!m_frame->SaveDocument());
        QVERIFY(m_doc->IsModified());
        QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());

        const QString first = FilePath("garden.wo3");
        m_frame->m_savePaths = {first};
        m_frame->SaveAction()->trigger();
        QCOMPARE(PartNames(first), QStringList {"Oak"});
        QVERIFY(!m_doc->IsModified());
        QCOMPARE(m_frame->windowTitle(), QString("garden.wo3[*] - Winrail Modelwright"));
        QCOMPARE(m_frame->windowFilePath(), first);

        // Save of a named catalogue writes it without asking.
        AddPart("Pine");
        QVERIFY(m_frame->SaveDocument());
        QVERIFY(m_frame->m_savePaths.isEmpty());
        QCOMPARE(PartNames(first), (QStringList {"Oak", "Pine"}));

        const QString second = FilePath("park.wo3");
        m_frame->m_savePaths = {second};
        m_frame->SaveAsAction()->trigger();
        QVERIFY(QFile::exists(second));
        QCOMPARE(m_frame->windowTitle(), QString("park.wo3[*] - Winrail Modelwright"));
        QCOMPARE(m_frame->RecentFiles(), (QStringList {second, first}));
    }

    void editMenuTakesBackAndRedoesStepsAndFollowsTheSavePoint()
    {
        QCOMPARE(m_frame->UndoAction()->text(), QString("&Undo"));
        QVERIFY(!m_frame->UndoAction()->isEnabled());
        QVERIFY(!m_frame->RedoAction()->isEnabled());
        QVERIFY(m_frame->UndoAction()->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
        for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
            QVERIFY(m_frame->RedoAction()->shortcuts().contains(key));

        const auto newTree = [this](const char* name) {
            AnswerNextModal([name](QWidget& dialog) {
                auto* description = dialog.findChild<QLineEdit*>("description");
                QVERIFY(description);
                QTest::keyClicks(description, name);
                static_cast<QDialog&>(dialog).accept();
            });
            m_frame->View()->NewTreeButton()->click();
        };
        newTree("Oak & Ash");
        QCOMPARE(m_frame->UndoAction()->text(), QString("&Undo New tree \"Oak && Ash\""));
        m_frame->m_savePaths = {FilePath("garden.wo3")};
        QVERIFY(m_frame->SaveDocument());
        newTree("Pine");
        QVERIFY(m_frame->isWindowModified());

        m_frame->show();
        m_frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        QTest::keyClick(m_frame.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Entries(), QStringList {"Oak & Ash"});
        QVERIFY(!m_doc->IsModified());
        QVERIFY(!m_frame->isWindowModified());
        QCOMPARE(m_frame->RedoAction()->text(), QString("&Redo New tree \"Pine\""));
        m_frame->UndoAction()->trigger();
        QVERIFY(Entries().isEmpty());
        QVERIFY(m_doc->IsModified());
        QTest::keyClick(m_frame.get(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!m_doc->IsModified());
        m_frame->RedoAction()->trigger();
        QCOMPARE(Entries(), (QStringList {"Oak & Ash", "Pine"}));
        QVERIFY(m_doc->IsModified());

        // New starts a new history.
        m_frame->m_saveChangesAnswer = QMessageBox::Discard;
        m_frame->NewDocument();
        QVERIFY(!m_frame->UndoAction()->isEnabled());
        QCOMPARE(m_frame->UndoAction()->text(), QString("&Undo"));
    }

    void savingOverAFileKeepsItsPreviousVersionAsBackup()
    {
        const QString path = FilePath("garden.wo3");
        AddPart("Oak");
        m_frame->m_savePaths = {path};
        QVERIFY(m_frame->SaveDocument());
        QVERIFY(!QFile::exists(path + ".bak"));
        const QByteArray first = FileBytes(path);
        AddPart("Pine");
        QVERIFY(m_frame->SaveDocument());
        QCOMPARE(FileBytes(path + ".bak"), first);
        const QByteArray second = FileBytes(path);
        AddPart("Ash");
        QVERIFY(m_frame->SaveDocument());
        QCOMPARE(FileBytes(path + ".bak"), second);

        m_options.m_backupOnSave = 0;
        AddPart("Elm");
        QVERIFY(m_frame->SaveDocument());
        QCOMPARE(FileBytes(path + ".bak"), second);
        QVERIFY(m_frame->m_errors.isEmpty());
    }

    void failedSaveKeepsTheCatalogueModified()
    {
        AddPart("Oak");
        m_frame->m_savePaths = {FilePath("missing/folder/garden.wo3")};
        QVERIFY(!m_frame->SaveDocument());
        QCOMPARE(m_frame->m_errors.size(), 1);
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_frame->windowTitle(), QString("Untitled[*] - Winrail Modelwright"));
        QVERIFY(m_frame->RecentFiles().isEmpty());
    }

    void aReadOnlyFileIsKeptAndSaveAsOffered()
    {
        const QString locked = FilePath("locked.wo3");
        QVERIFY(WriteBytes(locked, CatalogueBytes({"Oak"})));
        QVERIFY(m_frame->OpenDocumentFile(locked));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        AddPart("Pine");

        QVERIFY(!m_frame->SaveDocument());
        QCOMPARE(m_frame->m_readOnlyAsked, QStringList {locked + " is read-only."});
        QVERIFY(m_frame->m_errors.isEmpty());
        QVERIFY(m_doc->IsModified());

        const QString copy = FilePath("copy.wo3");
        m_frame->m_saveReadOnlyAs = true;
        m_frame->m_savePaths = {copy};
        QVERIFY(m_frame->SaveDocument());
        QCOMPARE(PartNames(copy), (QStringList {"Oak", "Pine"}));
        QCOMPARE(PartNames(locked), QStringList {"Oak"});
        QCOMPARE(m_frame->windowFilePath(), copy);
    }

    void savingOverAFileAnotherProgramChangedAsksFirst()
    {
        using EAnswer = CTestFrame::EChangedFileAnswer;
        const QString garden = FilePath("garden.wo3");
        QVERIFY(WriteBytes(garden, CatalogueBytes({"Oak"})));
        QVERIFY(m_frame->OpenDocumentFile(garden));
        AddPart("Pine");
        QVERIFY(m_frame->SaveDocument());
        QCOMPARE(m_frame->m_changedFileAsked, QStringList {});

        // Cancel keeps both: the other program's file and the changes here.
        AddPart("Elm");
        QVERIFY(WriteBytes(garden, CatalogueBytes({"Birch"})));
        QVERIFY(!m_frame->SaveDocument());
        QCOMPARE(m_frame->m_changedFileAsked.size(), 1);
        QVERIFY2(m_frame->m_changedFileAsked[0].startsWith(QDir::toNativeSeparators(garden) + " was changed by another program at "),
            qPrintable(m_frame->m_changedFileAsked[0]));
        QCOMPARE(PartNames(garden), QStringList {"Birch"});
        QVERIFY(m_doc->IsModified());

        // Closing the window asks the same; cancelled, the window stays.
        m_frame->m_saveChangesAnswer = QMessageBox::Save;
        QVERIFY(!m_frame->close());
        QCOMPARE(m_frame->m_changedFileAsked.size(), 2);
        QCOMPARE(PartNames(garden), QStringList {"Birch"});

        // Save As keeps the other program's file and puts the changes beside it.
        const QString mine = FilePath("mine.wo3");
        m_frame->m_changedFileAnswers = {EAnswer::saveAs};
        m_frame->m_savePaths = {mine};
        QVERIFY(m_frame->SaveDocument());
        QCOMPARE(PartNames(garden), QStringList {"Birch"});
        QCOMPARE(PartNames(mine), (QStringList {"Oak", "Pine", "Elm"}));
        QCOMPARE(m_frame->windowFilePath(), mine);

        // Reload shows the file as the other program left it.
        AddPart("Ash");
        QVERIFY(WriteBytes(mine, CatalogueBytes({"Larch"})));
        m_frame->m_changedFileAnswers = {EAnswer::reload};
        QVERIFY(!m_frame->SaveDocument());
        QVERIFY(!m_doc->IsModified());
        QCOMPARE(Entries().size(), 1);
        QCOMPARE(PartNames(mine), QStringList {"Larch"});

        // Overwrite replaces it, and the file is this window's again.
        AddPart("Yew");
        QVERIFY(WriteBytes(mine, CatalogueBytes({"Rowan"})));
        m_frame->m_changedFileAnswers = {EAnswer::overwrite};
        QVERIFY(m_frame->SaveDocument());
        QCOMPARE(PartNames(mine), (QStringList {"Larch", "Yew"}));
        AddPart("Hazel");
        QVERIFY(m_frame->SaveDocument());
        QCOMPARE(m_frame->m_changedFileAsked.size(), 5);
    }

    void theChangedFileQuestionOffersItsWays()
    {
        const QString garden = FilePath("garden.wo3");
        QVERIFY(WriteBytes(garden, CatalogueBytes({"Oak"})));
        QVERIFY(m_frame->OpenDocumentFile(garden));
        AddPart("Pine");
        QVERIFY(WriteBytes(garden, CatalogueBytes({"Birch", "Rowan"})));
        m_frame->m_realChangedFileQuestion = true;
        QStringList buttons;
        AnswerNextModal([&buttons](QWidget& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            if (!box) {
                modal.close();
                return;
            }
            box->grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/changed_file_question.png"));
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == "&Reload")
                    button->click();
        });
        QVERIFY(!m_frame->SaveDocument());
        buttons.sort();
        QCOMPARE(buttons, (QStringList {"&Overwrite", "&Reload", "Cancel", "Save &As..."}));
        QVERIFY(!m_doc->IsModified());
        QCOMPARE(Entries().size(), 2);
    }

    void openingAnythingButARegularFileIsRefusedAtOnce()
    {
#ifdef Q_OS_UNIX
        const QString pipe = FilePath("pipe.wo3");
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(!m_frame->OpenDocumentFile(pipe));
        QCOMPARE(m_frame->m_errors, QStringList {pipe + " is not a regular file."});
#endif
    }

    void openShowsTheCatalogueSortedFromItsFirstPart()
    {
        const QString path = FilePath("trees.wo3");
        QVERIFY(WriteBytes(path, CatalogueBytes({"pine", "Ash", "oak"})));
        AddPart("Yew");
        m_doc->SetModifiedFlag(false);
        QVERIFY(m_frame->OpenDocumentFile(path));
        QCOMPARE(Entries(), (QStringList {"Ash", "oak", "pine"}));
        QCOMPARE(m_frame->View()->Selected()->m_name, std::string("Ash"));
        QVERIFY(m_frame->View()->EditButton()->isEnabled());
        QCOMPARE(QApplication::focusWidget(), m_frame->View()->ObjectList());
        QCOMPARE(m_frame->windowTitle(), QString("trees.wo3[*] - Winrail Modelwright"));
        QVERIFY(!m_frame->isWindowModified());
        QCOMPARE(m_frame->RecentFiles(), QStringList {path});
    }

    void openFailures_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("modifiedBefore");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("catalogueKept");
        QTest::newRow("damaged file gives a new catalogue") << QByteArray("\xff\xff\x01\x00junk", 8) << false << "Unexpected file format." << false;
        QTest::newRow("missing file keeps an unchanged catalogue") << QByteArray() << false << "was not found." << true;
    }

    void openFailures()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, modifiedBefore);
        QFETCH(QString, message);
        QFETCH(bool, catalogueKept);
        const QString path = FilePath("broken.wo3");
        QFile::remove(path);
        if (!bytes.isEmpty())
            QVERIFY(WriteBytes(path, bytes));
        AddPart("Oak");
        m_doc->SetModifiedFlag(modifiedBefore);
        QVERIFY(!m_frame->OpenDocumentFile(path));
        QCOMPARE(m_frame->m_errors.size(), 1);
        QVERIFY2(m_frame->m_errors.front().contains(message), qPrintable(m_frame->m_errors.front()));
        QCOMPARE(Entries(), catalogueKept ? QStringList {"Oak"} : QStringList {});
        QCOMPARE(m_frame->windowTitle(), QString("Untitled[*] - Winrail Modelwright"));
        QVERIFY(m_frame->RecentFiles().isEmpty());
    }

    // With German chosen the core's messages are German, and name the file as the system does.
    void openFailuresAreToldInGerman()
    {
        QTranslator german;
        QVERIFY(german.load(QStringLiteral(MW_BIN_DIR "/ModelwrightDEU.qm")));
        QCoreApplication::installTranslator(&german);
        const QString missing = FilePath("Größe übung.wo3");
        QFile::remove(missing);
        QVERIFY(!m_frame->OpenDocumentFile(missing));
        const QString damaged = FilePath("damaged.wo3");
        QVERIFY(WriteBytes(damaged, QByteArray("\xff\xff\x01\x00junk", 8)));
        QVERIFY(!m_frame->OpenDocumentFile(damaged));
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(m_frame->m_errors,
            (QStringList {QDir::toNativeSeparators(missing) + " wurde nicht gefunden.", "Unerwartetes Dateiformat."}));
    }

    void recentFilesKeepTheLatestFourAcrossRuns()
    {
        QStringList paths;
        for (int number = 1; number <= 5; ++number) {
            paths << FilePath(QStringLiteral("catalogue%1.wo3").arg(number));
            QVERIFY(WriteBytes(paths.back(), CatalogueBytes({"Oak"})));
            QVERIFY(m_frame->OpenDocumentFile(paths.back()));
        }
        QCOMPARE(m_frame->RecentFiles(), (QStringList {paths[4], paths[3], paths[2], paths[1]}));
        QVERIFY(m_frame->OpenDocumentFile(paths[2]));
        QCOMPARE(m_frame->RecentFiles(), (QStringList {paths[2], paths[4], paths[3], paths[1]}));
        QVERIFY(m_frame->RecentFileAction(3)->isVisible());
        QVERIFY(m_frame->RecentFileAction(3)->text().endsWith("catalogue2.wo3"));

        // The next run shows the same list; a file gone since is dropped when chosen.
        m_frame.reset();
        MakeFrame();
        QCOMPARE(m_frame->RecentFiles(), (QStringList {paths[2], paths[4], paths[3], paths[1]}));
        QVERIFY(QFile::remove(paths[1]));
        m_frame->RecentFileAction(3)->trigger();
        QCOMPARE(m_frame->m_errors.size(), 1);
        QCOMPARE(m_frame->RecentFiles(), (QStringList {paths[2], paths[4], paths[3]}));
        QVERIFY(!m_frame->RecentFileAction(3)->isVisible());
        m_frame->RecentFileAction(1)->trigger();
        QCOMPARE(m_frame->windowTitle(), QString("catalogue5.wo3[*] - Winrail Modelwright"));
    }

    // The attachment goes to a fresh folder of the user's own, not to a name in the shared
    // temporary folder where another user may have planted a link.
    void sendAttachesTheCatalogueAsItIsNow()
    {
        // The system's temporary folder is the test's: TMPDIR names it on Unix, TMP on Windows.
        const std::pair<const char*, QByteArray> temporary[] = {{"TMPDIR", qgetenv("TMPDIR")}, {"TMP", qgetenv("TMP")}};
        for (const auto& [variable, value] : temporary)
            qputenv(variable, QFile::encodeName(QDir::toNativeSeparators(m_dir->path())));
        const QString victim = FilePath("notes.txt");
        QVERIFY(WriteBytes(victim, "the victim's notes"));
        QVERIFY(QDir(m_dir->path()).mkdir("modelwright-mail"));
        QVERIFY(QFile::link(victim, FilePath("modelwright-mail/Untitled.wo3")));

        AddPart("Oak");
        m_frame->SendAction()->setEnabled(true);
        m_frame->SendAction()->trigger();
        for (const auto& [variable, value] : temporary)
            qputenv(variable, value);
        QCOMPARE(m_frame->m_mailed.size(), 1);
        const QString attachment = m_frame->m_mailed.front();
        QVERIFY(attachment.endsWith("/Untitled.wo3"));
        QCOMPARE(PartNames(attachment), QStringList {"Oak"});
        QVERIFY(m_doc->IsModified());
        QCOMPARE(FileBytes(victim), QByteArray("the victim's notes"));
        QVERIFY(!QFileInfo(attachment).isSymLink());
        const QString folder = QFileInfo(attachment).absolutePath();
        QVERIFY(folder.startsWith(m_dir->path() + "/"));
#ifdef Q_OS_UNIX
        struct stat status {};
        QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &status), 0);
        QVERIFY(S_ISDIR(status.st_mode));
        QCOMPARE(status.st_mode & 0777, 0700u);
#endif
        // The mail program may read the file until the mail goes out; the window's end removes it.
        m_frame.reset();
        QVERIFY(!QFileInfo::exists(folder));
    }

    void printDocumentFilePrintsWithoutAsking()
    {
        const QString path = FilePath("print.wo3");
        QVERIFY(WriteBytes(path, CatalogueBytes({"Printed oak"})));
        const QString pdf = FilePath("print.pdf");
        m_frame->Printer().setOutputFormat(QPrinter::PdfFormat);
        m_frame->Printer().setOutputFileName(pdf);
        QVERIFY(m_frame->PrintDocumentFile(path));
        QVERIFY(FileBytes(pdf).startsWith("%PDF"));
        // Without a screen nobody would answer a message box: the reason goes to standard error.
        QVERIFY(!m_frame->PrintDocumentFile(FilePath("absent.wo3")));
        QVERIFY(!m_frame->WritePdfOfFile(FilePath("absent.wo3"), FilePath("absent.pdf")));
        QVERIFY2(m_frame->m_errors.isEmpty(), qPrintable(m_frame->m_errors.join('\n')));
        QVERIFY(m_frame->WritePdfOfFile(path, FilePath("print sheet.pdf"), "1:87"));
        QVERIFY(FileBytes(FilePath("print sheet.pdf")).startsWith("%PDF"));
    }

    // File, Open starts in the open catalogue's folder, else in that of the file used last.
    void openStartsBesideTheCatalogueThenWhereTheLastFileWas()
    {
        QVERIFY(QDir(m_dir->path()).mkpath("spring/summer"));
        QVERIFY(WriteBytes(FilePath("spring/spring.wo3"), CatalogueBytes({"Oak"})));
        QVERIFY(WriteBytes(FilePath("spring/summer/summer.wo3"), CatalogueBytes({"Elm"})));
        m_frame->m_realDialogs = true;
        const auto openThrough = [this](const QString& chosen) {
            QString startFolder;
            WhenModal([&startFolder, chosen](QDialog& dialog) {
                auto& files = static_cast<QFileDialog&>(dialog);
                startFolder = files.directory().absolutePath();
                files.selectFile(chosen);
                dialog.accept();
            });
            m_frame->OpenAction()->trigger();
            return startFolder;
        };
        openThrough(FilePath("spring/spring.wo3"));
        QCOMPARE(Entries(), QStringList {"Oak"});
        QCOMPARE(openThrough(FilePath("spring/summer/summer.wo3")), FilePath("spring"));
        QCOMPARE(openThrough(FilePath("spring/spring.wo3")), FilePath("spring/summer"));

        // A new catalogue, and the next run, start where the last file was.
        m_frame->NewDocument();
        QCOMPARE(openThrough(FilePath("spring/spring.wo3")), FilePath("spring"));
        m_frame.reset();
        m_doc = std::make_unique<CModelwrightDoc>();
        MakeFrame();
        m_frame->m_realDialogs = true;
        QCOMPARE(openThrough(FilePath("spring/summer/summer.wo3")), FilePath("spring"));
        QCOMPARE(Entries(), QStringList {"Elm"});
    }

    // The question about unsaved changes offers Save, Don't Save and Cancel; Escape cancels.
    void unsavedChangesOfferSaveDontSaveAndCancel()
    {
        AddPart("Oak");
        m_frame->m_realDialogs = true;
        QString text;
        QStringList buttons;
        WhenModal([&text, &buttons](QDialog& dialog) {
            auto& box = static_cast<QMessageBox&>(dialog);
            text = box.text();
            for (QAbstractButton* button : box.buttons())
                buttons << QString::number(int(box.standardButton(button))) + ' ' + button->text();
            SaveScreenshot(dialog, "save_changes_question");
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        m_frame->NewDocument();
        QCOMPARE(text, QStringLiteral("Save changes to Untitled?"));
        buttons.sort();
        QCOMPARE(buttons.size(), 3);
        QVERIFY2(buttons.contains(QString::number(int(QMessageBox::Discard)) + " Do&n't Save"), qPrintable(buttons.join(", ")));
        QVERIFY(buttons.filter(QRegularExpression(QStringLiteral("^%1 ").arg(int(QMessageBox::Save)))).size() == 1);
        QVERIFY(buttons.filter(QRegularExpression(QStringLiteral("^%1 ").arg(int(QMessageBox::Cancel)))).size() == 1);
        QCOMPARE(Entries(), QStringList {"Oak"});

        WhenModal([](QDialog& dialog) { static_cast<QMessageBox&>(dialog).button(QMessageBox::Discard)->click(); });
        m_frame->NewDocument();
        QVERIFY(Entries().isEmpty());
    }

    void exportOpensBesideTheCatalogueThenWhereTheLastExportWent()
    {
        QVERIFY(WriteBytes(FilePath("spring.wo3"), CatalogueBytes({"Oak", "Elm"})));
        QVERIFY(m_frame->OpenDocumentFile(FilePath("spring.wo3")));
        QVERIFY(QDir(m_dir->path()).mkdir("exports"));
        const auto exportAs = [this](const QString& path, QString& proposed) {
            WhenModal([path, &proposed](QDialog& dialog) {
                auto& files = static_cast<QFileDialog&>(dialog);
                proposed = files.selectedFiles().value(0);
                SaveScreenshot(dialog, "export_dialog");
                files.selectFile(path);
                dialog.accept();
            });
            m_frame->View()->ExportButton()->click();
        };
        QString proposed;
        exportAs(FilePath("exports/spring parts.bdf"), proposed);
        QCOMPARE(proposed, FilePath("spring.bdf"));
        QVERIFY(QFile::exists(FilePath("exports/spring parts.bdf")));
        QCOMPARE(m_frame->statusBar()->currentMessage(),
            QString("Exported 2 parts to %1").arg(QDir::toNativeSeparators(FilePath("exports/spring parts.bdf"))));

        // The next run of the program starts where the last export went.
        m_frame.reset();
        m_doc = std::make_unique<CModelwrightDoc>();
        MakeFrame();
        AddPart("Birch");
        exportAs(FilePath("exports/one.bdf"), proposed);
        QCOMPARE(proposed, FilePath("exports/Untitled.bdf"));
        QCOMPARE(m_frame->statusBar()->currentMessage(),
            QString("Exported one part to %1").arg(QDir::toNativeSeparators(FilePath("exports/one.bdf"))));
        // Faults of the free texts are counted in words, one or several.
        static_cast<CTree&>(*m_doc->Parts().GetList().back()).m_freeText = "Lien 0 0 1 1";
        exportAs(FilePath("exports/faulty.bdf"), proposed);
        QVERIFY(m_frame->statusBar()->currentMessage().endsWith(". The free texts have one fault, listed under the preview."));
        static_cast<CTree&>(*m_doc->Parts().GetList().back()).m_freeText = "Lien 0 0 1 1\nLien 1 1 2 2";
        exportAs(FilePath("exports/faultier.bdf"), proposed);
        QVERIFY(m_frame->statusBar()->currentMessage().endsWith(". The free texts have 2 faults, listed under the preview."));
    }

    void exportMeshWritesTheSelectedPartOrAllParts()
    {
        QVERIFY(WriteBytes(FilePath("spring.wo3"), CatalogueBytes({"Oak", "Elm"})));
        QVERIFY(m_frame->OpenDocumentFile(FilePath("spring.wo3")));
        QString proposed;
        const auto saveAs = [&proposed](const QString& path) {
            WhenModal([path, &proposed](QDialog& dialog) {
                auto& files = static_cast<QFileDialog&>(dialog);
                proposed = files.selectedFiles().value(0);
                files.selectFile(path);
                dialog.accept();
            });
        };
        QMenu* fileMenu = m_frame->menuBar()->actions().constFirst()->menu();
        QVERIFY(fileMenu->actions().contains(m_frame->ExportMeshAction()));
        fileMenu->popup(m_frame->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(fileMenu));
        SaveScreenshot(*fileMenu, "file_menu");
        fileMenu->hide();

        // Nothing selected: every part, without a question. Opening selects the first part.
        m_frame->View()->ObjectList()->clearSelection();
        QCOMPARE(m_frame->View()->Selected(), nullptr);
        saveAs(FilePath("all"));
        m_frame->ExportMeshAction()->trigger();
        QCOMPARE(proposed, FilePath("spring.glb"));
        const QByteArray glb = FileBytes(FilePath("all.glb"));
        QVERIFY(glb.startsWith("glTF"));
        QVERIFY(glb.contains(R"({"name":"Oak","mesh":0)") && glb.contains(R"("name":"Elm")"));
        QCOMPARE(m_frame->statusBar()->currentMessage(),
            QString("Exported 2 parts to %1").arg(QDir::toNativeSeparators(FilePath("all.glb"))));

        // With a part selected the user chooses; the format follows the extension.
        m_frame->View()->SelectPart(m_doc->Parts().GetList()[1]->m_id);
        QString question;
        const auto exportSelected = [&](const QString& path) {
            WhenModal([&question, &saveAs, path](QDialog& dialog) {
                auto& box = static_cast<QMessageBox&>(dialog);
                question = box.text();
                SaveScreenshot(dialog, "export_3d_model_question");
                saveAs(path);
                for (QAbstractButton* button : box.buttons())
                    if (button->text() == "&Selected part")
                        button->click();
            });
            m_frame->ExportMeshAction()->trigger();
        };
        exportSelected(FilePath("elm.obj"));
        QCOMPARE(question, QString("Export the selected part \"Elm\" or all 2 parts of the catalogue?"));
        QCOMPARE(proposed, FilePath("Elm.glb"));
        const QByteArray obj = FileBytes(FilePath("elm.obj"));
        QVERIFY(obj.contains("\no Elm\n") && !obj.contains("\no Oak\n"));
        QVERIFY(FileBytes(FilePath("elm.mtl")).startsWith("newmtl "));
        QCOMPARE(m_frame->statusBar()->currentMessage(),
            QString("Exported one part to %1").arg(QDir::toNativeSeparators(FilePath("elm.obj"))));

        // A file that cannot be written is said, and nothing is left behind.
        exportSelected(FilePath("absent/elm.glb"));
        QCOMPARE(m_frame->m_errors.size(), 1);
        QVERIFY(m_frame->m_errors.constFirst().contains("absent"));
    }

#ifdef Q_OS_UNIX
    // The dialog takes double quotes in a typed name for a list of names: a catalogue whose
    // name holds them is exported and compiled under the name the dialog shows.
    void exportKeepsACatalogueNameWithDoubleQuotes()
    {
        const QString catalogue = FilePath("it's \"q\".wo3");
        QVERIFY(WriteBytes(catalogue, CatalogueBytes({"Oak"})));
        QVERIFY(m_frame->OpenDocumentFile(catalogue));
        WhenModal([](QDialog& dialog) { dialog.accept(); });
        m_frame->View()->ExportButton()->click();
        QVERIFY(QFile::exists(FilePath("it's 'q'.bdf")));
        QVERIFY(!QFile::exists(FilePath("q.bdf")));
    }
#endif

    void lockPanesShowTheLockKeysWhereThePlatformTellsThem()
    {
        // Windows tells the lock keys' states on any screen; the test's screen elsewhere does not.
        const bool told = ReadKeyboardLocks().has_value();
        QCOMPARE(m_frame->CapsLockPane()->isVisible(), told);
        QCOMPARE(m_frame->ScrollLockPane()->isVisible(), told);

        m_frame->m_locks = SKeyboardLocks {true, false, true};
        QTest::keyClick(m_frame.get(), Qt::Key_CapsLock);
        QCOMPARE(m_frame->CapsLockPane()->text(), QString("CAP"));
        QCOMPARE(m_frame->NumLockPane()->text(), QString());
        QCOMPARE(m_frame->ScrollLockPane()->text(), QString("SCRL"));
        for (QLabel* pane : {m_frame->CapsLockPane(), m_frame->NumLockPane(), m_frame->ScrollLockPane()})
            QVERIFY(pane->isVisible() && pane->width() >= pane->fontMetrics().horizontalAdvance("CAP"));
        SaveScreenshot(*m_frame, "main_window_lock_keys");

        m_frame->m_locks = SKeyboardLocks {false, true, false};
        QTest::keyClick(m_frame.get(), Qt::Key_NumLock);
        QCOMPARE(m_frame->CapsLockPane()->text(), QString());
        QCOMPARE(m_frame->NumLockPane()->text(), QString("NUM"));

        // States nobody tells hide the panes.
        m_frame->m_locks.reset();
        QTest::keyClick(m_frame.get(), Qt::Key_CapsLock);
        QVERIFY(!m_frame->CapsLockPane()->isVisible());
        QVERIFY(!m_frame->NumLockPane()->isVisible());
    }

    // The preview asks for the sheet's choices first and then shows its pages, in the language
    // of the program; the same sheet comes out of Export catalogue as PDF.
    void printPreviewShowsTheSheet()
    {
        QVERIFY(m_frame->OpenDocumentFile(QStringLiteral(MW_EXAMPLES_DIR "/country-station.wo3")));
        for (const char* language : {"en", "de"}) {
            QTranslator german;
            if (QByteArray(language) == "de") {
                QVERIFY(german.load(QStringLiteral(MW_BIN_DIR "/ModelwrightDEU.qm")));
                QCoreApplication::installTranslator(&german);
            }
            bool asked = false;
            int pages = 0;
            WhenModal([&asked, &pages, language](QDialog& options) {
                asked = options.objectName() == "SheetOptionsDlg";
                static_cast<CSheetOptionsDlg&>(options).ScaleBox()->setEditText("1:87");
                SaveScreenshot(options, QStringLiteral("sheet_options_%1").arg(language));
                WhenModal([&pages, language](QDialog& dialog) {
                    if (auto* preview = dialog.findChild<QPrintPreviewWidget*>()) {
                        dialog.resize(900, 1000);
                        preview->fitInView();
                        QTest::qWait(50);
                        pages = preview->pageCount();
                    }
                    SaveScreenshot(dialog, QStringLiteral("print_preview_%1").arg(language));
                });
                options.accept();
            });
            m_frame->PrintPreviewAction()->trigger();
            QVERIFY(asked);
            QCOMPARE(pages, 3);
            QCoreApplication::removeTranslator(&german);
        }
        // Cancelling the choices shows no preview.
        bool previewed = false;
        WhenModal([&previewed](QDialog& dialog) {
            previewed = dialog.findChild<QPrintPreviewWidget*>() != nullptr;
            dialog.reject();
        });
        m_frame->PrintPreviewAction()->trigger();
        QVERIFY(!previewed);
    }

    void sheetOptionsTakeOnlyAScale()
    {
        CSheetOptionsDlg options;
        for (const auto& [text, ok] : {std::pair {"1:87", true}, std::pair {"1 : 22,5", true}, std::pair {"", true},
                 std::pair {"1:0", false}, std::pair {"H0", false}}) {
            options.ScaleBox()->setEditText(QString::fromLatin1(text));
            QVERIFY2(options.OkButton()->isEnabled() == ok, text);
        }
        options.ScaleBox()->setCurrentIndex(0);
        QCOMPARE(options.ModelScale(), 0.0);
        options.SetChoices(120, true);
        QCOMPARE(options.ScaleBox()->currentText(), QStringLiteral("1:120"));
        QCOMPARE(options.ModelScale(), 120.0);
        options.SetChoices(33, false);
        QCOMPARE(options.ModelScale(), 33.0);
        QVERIFY(!options.AsShown());
    }

    // File, Export catalogue as PDF: the choices, then the file, proposed beside the catalogue
    // and then where the last export went, also in the next run.
    void exportCatalogueAsPdf()
    {
        QVERIFY(WriteBytes(FilePath("spring.wo3"), CatalogueBytes({"Oak", "Elm"})));
        QVERIFY(m_frame->OpenDocumentFile(FilePath("spring.wo3")));
        QVERIFY(QDir(m_dir->path()).mkdir("sheets"));
        QMenu* fileMenu = m_frame->menuBar()->actions().constFirst()->menu();
        QVERIFY(fileMenu->actions().contains(m_frame->ExportPdfAction()));
        const auto exportAs = [this](const QString& path, QString& proposed) {
            WhenModal([path, &proposed](QDialog& options) {
                WhenModal([path, &proposed](QDialog& dialog) {
                    auto& files = static_cast<QFileDialog&>(dialog);
                    proposed = files.selectedFiles().value(0);
                    files.selectFile(path);
                    dialog.accept();
                });
                options.accept();
            });
            m_frame->ExportPdfAction()->trigger();
        };
        QString proposed;
        exportAs(FilePath("sheets/spring sheet.pdf"), proposed);
        QCOMPARE(proposed, FilePath("spring.pdf"));
        QVERIFY(FileBytes(FilePath("sheets/spring sheet.pdf")).startsWith("%PDF"));
        QCOMPARE(m_frame->statusBar()->currentMessage(),
            QString("Exported 2 parts to %1").arg(QDir::toNativeSeparators(FilePath("sheets/spring sheet.pdf"))));

        m_frame.reset();
        m_doc = std::make_unique<CModelwrightDoc>();
        MakeFrame();
        AddPart("Birch");
        exportAs(FilePath("sheets/one.pdf"), proposed);
        QCOMPARE(proposed, FilePath("sheets/Untitled.pdf"));
        QVERIFY(QFile::exists(FilePath("sheets/one.pdf")));
    }

    void helpAndAboutReachTheApplication()
    {
        QSignalSpy help(m_frame.get(), &CMainFrame::helpRequested);
        QSignalSpy about(m_frame.get(), &CMainFrame::aboutRequested);
        m_frame->HelpTopicsAction()->trigger();
        m_frame->activateWindow();
        QTest::keyClick(m_frame.get(), Qt::Key_F1);
        m_frame->AboutAction()->trigger();
        QCOMPARE(help.size(), 2);
        QCOMPARE(help[0][0].toString(), QString());
        QCOMPARE(help[1][0].toString(), QString("MainFrame"));
        QCOMPARE(about.size(), 1);

        // F1 in a dialog asks about that dialog.
        WhenModal([](QDialog& dialog) { QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_F1); });
        m_frame->View()->EditHeaderButton()->click();
        QCOMPARE(help.size(), 3);
        QCOMPARE(help[2][0].toString(), QString("HeaderDlg"));
        help.clear();

        // Context help: the next click, coming through the window system, names the control it
        // lands on (or the form it stands in) and does nothing else.
        QPushButton* newTree = m_frame->View()->NewTreeButton();
        m_frame->ContextHelpAction()->trigger();
        QTest::mouseClick(m_frame->windowHandle(), Qt::LeftButton, {}, newTree->mapTo(m_frame.get(), newTree->rect().center()));
        QCOMPARE(help.size(), 1);
        QCOMPARE(help[0][0].toString(), QString("TreeDlg"));
        QVERIFY(m_doc->Parts().GetList().empty());
        QWidget* list = m_frame->View()->ObjectList();
        m_frame->ContextHelpAction()->trigger();
        QTest::mouseClick(m_frame->windowHandle(), Qt::LeftButton, {}, list->mapTo(m_frame.get(), list->rect().center()));
        QCOMPARE(help.size(), 2);
        QCOMPARE(help[1][0].toString(), QString("ModelwrightView"));
    }

    void optionsCommandEditsTheProgramOptions()
    {
        QSignalSpy changed(m_frame.get(), &CMainFrame::optionsChanged);
        WhenModal([](QDialog& dialog) {
            auto* language = dialog.findChild<QComboBox*>("language");
            QVERIFY(language);
            language->setCurrentIndex(language->findText("German"));
            dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        m_frame->OptionsAction()->trigger();
        QCOMPARE(m_options.m_language, 108);
        QCOMPARE(changed.size(), 1);

        WhenModal([](QDialog&) {});
        m_frame->OptionsAction()->trigger();
        QCOMPARE(changed.size(), 1);
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
