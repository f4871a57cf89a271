#include "app/MainFrame.h"

#include "app/OpenDocumentLocks.h"
#include "app/QtSettingsStore.h"
#include "settings/ProgramOptions.h"
#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "model/ModelwrightDoc.h"
#include "model/PartsManager.h"
#include "scene/MeshWriter.h"
#include "ui/ErrorMessages.h"
#include "ui/ModelwrightView.h"
#include "ui/OptionsPropertySheet.h"
#include "ui/SheetCommands.h"
#include "ui/SheetPdf.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUndoStack>

#include <cstdio>
#include <utility>

// The toolbar's pictures live in the library; a program linking it must pull them in. The
// resource macro declares a function, so this stays outside any namespace.
static void InitToolbarPictures()
{
    Q_INIT_RESOURCE(mainframe);
}

namespace {

constexpr const char* kRecentFileArray = "Recent File List";
constexpr const char* kRecentFileKey = "File";
constexpr const char* kExportFolderKey = "Export Folder";
constexpr const char* kWindowGeometryKey = "Window/Geometry";
constexpr const char* kWindowStateKey = "Window/State";
constexpr const char* kPartsColumnsKey = "Window/PartsColumns";
// The preview pane's width and view.
constexpr const char* kPreviewLayoutKey = "Preview";

QString PathText(const std::filesystem::path& path)
{
    return QString::fromStdString(PathToUtf8(path));
}

std::filesystem::path PathOf(const QString& path)
{
    return PathFromUtf8(path.toStdString());
}

bool IsLockKey(int key)
{
    return key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock;
}

QAction* MakeAction(QObject* parent, const char* name, const QString& iconPath = {})
{
    auto* action = new QAction(parent);
    action->setObjectName(name);
    if (!iconPath.isEmpty())
        action->setIcon(QIcon(iconPath));
    return action;
}

}

CMainFrame::CMainFrame(CModelwrightDoc& document, CProgramOptions& options, QWidget* parent)
    : QMainWindow(parent)
    , m_document(document)
    , m_options(options)
    , m_pSettings(CQtSettingsStore::OpenProgramSettings())
{
    setObjectName("MainFrame");
    InitToolbarPictures();
    if (!m_document.m_pPartsManager)
        m_document.OnNewDocument();
    m_view = new CModelwrightView(m_document, m_options, this);
    setCentralWidget(m_view);
    m_view->RestorePreviewLayout(m_pSettings->value(QString::fromLatin1(kPreviewLayoutKey)).toByteArray());
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    LoadRecentFiles();
    m_view->SetExportFolder(m_pSettings->value(QString::fromLatin1(kExportFolderKey)).toString());
    m_sheetCommands = new CSheetCommands(*m_view, *this);
    connect(m_view, &CModelwrightView::partsFileExported, this, &CMainFrame::OnPartsFileExported);
    retranslateUi();
    ConnectDocument();
    UpdateTitle();
    setAcceptDrops(true);
    // F1 in a modal dialog, where the window's own shortcuts do not reach, and context help.
    qApp->installEventFilter(this);
    // The lock keys may have changed while another program had the keyboard.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            UpdateLockPanes();
    });
    if (!RestoreWindowLayout())
        setWindowState(windowState() | Qt::WindowMaximized);
}

bool CMainFrame::RestoreWindowLayout()
{
    restoreState(m_pSettings->value(kWindowStateKey).toByteArray());
    m_view->ObjectList()->RestoreColumns(m_pSettings->value(kPartsColumnsKey).toByteArray());
    return restoreGeometry(m_pSettings->value(kWindowGeometryKey).toByteArray());
}

void CMainFrame::SaveWindowLayout()
{
    m_pSettings->setValue(kWindowGeometryKey, saveGeometry());
    m_pSettings->setValue(kWindowStateKey, saveState());
    m_pSettings->setValue(kPartsColumnsKey, m_view->ObjectList()->SavedColumns());
    m_pSettings->setValue(QString::fromLatin1(kPreviewLayoutKey), m_view->PreviewLayout());
    m_pSettings->sync();
}

CMainFrame::~CMainFrame()
{
    EndContextHelp();
    qApp->removeEventFilter(this);
    m_document.m_onModifiedChanged = nullptr;
    m_document.m_onUpdateAllViews = nullptr;
}

void CMainFrame::ConnectDocument()
{
    m_document.m_onModifiedChanged = [this](bool modified) {
        setWindowModified(modified);
        m_view->FollowModifiedFlag(modified);
        emit modifiedChanged(modified);
    };
    // A new catalogue replaces every part the list showed.
    m_document.m_onUpdateAllViews = [this] {
        m_view->OnInitialUpdate();
        UpdateTitle();
    };
}

void CMainFrame::CreateActions()
{
    m_newAction = MakeAction(this, "fileNew", QStringLiteral(":/app/toolbar/new.svg"));
    m_newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(m_newAction, &QAction::triggered, this, &CMainFrame::NewDocument);
    m_openAction = MakeAction(this, "fileOpen", QStringLiteral(":/app/toolbar/open.svg"));
    m_openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(m_openAction, &QAction::triggered, this, &CMainFrame::OnFileOpen);
    m_saveAction = MakeAction(this, "fileSave", QStringLiteral(":/app/toolbar/save.svg"));
    m_saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(m_saveAction, &QAction::triggered, this, &CMainFrame::SaveDocument);
    m_saveAsAction = MakeAction(this, "fileSaveAs");
    connect(m_saveAsAction, &QAction::triggered, this, &CMainFrame::SaveDocumentAs);
    m_exportMeshAction = MakeAction(this, "fileExportMesh");
    connect(m_exportMeshAction, &QAction::triggered, this, &CMainFrame::OnExportMesh);
    m_exportPdfAction = MakeAction(this, "fileExportPdf");
    connect(m_exportPdfAction, &QAction::triggered, this, &CMainFrame::OnExportPdf);
    m_printAction = MakeAction(this, "filePrint", QStringLiteral(":/app/toolbar/print.svg"));
    m_printAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(m_printAction, &QAction::triggered, this, &CMainFrame::OnFilePrint);
    m_printPreviewAction = MakeAction(this, "filePrintPreview");
    connect(m_printPreviewAction, &QAction::triggered, this, &CMainFrame::OnFilePrintPreview);
    m_printSetupAction = MakeAction(this, "filePrintSetup");
    connect(m_printSetupAction, &QAction::triggered, this, &CMainFrame::OnFilePrintSetup);
    m_sendAction = MakeAction(this, "fileSendMail");
    m_sendAction->setEnabled(!MailerProgram().isEmpty());
    connect(m_sendAction, &QAction::triggered, this, &CMainFrame::OnFileSendMail);
    m_noRecentFileAction = MakeAction(this, "recentFileNone");
    m_noRecentFileAction->setEnabled(false);
    for (int index = 0; index < kMaxRecentFiles; ++index) {
        QAction* action = MakeAction(this, "recentFile");
        connect(action, &QAction::triggered, this, [this, index] { OnOpenRecentFile(index); });
        m_recentFileActions[index] = action;
    }
    m_exitAction = MakeAction(this, "appExit");
    // The platform's key: Ctrl+Q on Linux; Windows names none and closes windows with Alt+F4.
    QList<QKeySequence> quitKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (quitKeys.isEmpty())
        quitKeys = {QKeySequence(Qt::ALT | Qt::Key_F4)};
    m_exitAction->setShortcuts(quitKeys);
    connect(m_exitAction, &QAction::triggered, this, &QWidget::close);

    QUndoStack* history = m_view->History();
    m_undoAction = MakeAction(this, "editUndo");
    m_undoAction->setIcon(QIcon::fromTheme(QStringLiteral("edit-undo"), style()->standardIcon(QStyle::SP_ArrowBack)));
    m_undoAction->setShortcuts(QKeySequence::Undo);
    if (!m_undoAction->shortcuts().contains(QKeySequence(Qt::ALT | Qt::Key_Backspace)))
        m_undoAction->setShortcuts(m_undoAction->shortcuts() << QKeySequence(Qt::ALT | Qt::Key_Backspace));
    m_undoAction->setEnabled(false);
    connect(m_undoAction, &QAction::triggered, history, &QUndoStack::undo);
    connect(history, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    m_redoAction = MakeAction(this, "editRedo");
    m_redoAction->setIcon(QIcon::fromTheme(QStringLiteral("edit-redo"), style()->standardIcon(QStyle::SP_ArrowForward)));
    // Both keys users know for Redo work everywhere; the platform's own comes first.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        if (!redoKeys.contains(key))
            redoKeys << key;
    m_redoAction->setShortcuts(redoKeys);
    m_redoAction->setEnabled(false);
    connect(m_redoAction, &QAction::triggered, history, &QUndoStack::redo);
    connect(history, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    connect(history, &QUndoStack::indexChanged, this, &CMainFrame::UpdateUndoRedoTexts);
    connect(history, &QUndoStack::cleanChanged, this, &CMainFrame::UpdateUndoRedoTexts);

    // The clipboard carries parts; the form owns the commands, the window gives them pictures.
    m_cutAction = m_view->CutAction();
    m_cutAction->setIcon(QIcon(QStringLiteral(":/app/toolbar/cut.svg")));
    m_copyAction = m_view->CopyAction();
    m_copyAction->setIcon(QIcon(QStringLiteral(":/app/toolbar/copy.svg")));
    m_pasteAction = m_view->PasteAction();
    m_pasteAction->setIcon(QIcon(QStringLiteral(":/app/toolbar/paste.svg")));

    m_statusBarAction = MakeAction(this, "viewStatusBar");
    m_statusBarAction->setCheckable(true);
    m_statusBarAction->setChecked(true);
    connect(m_statusBarAction, &QAction::toggled, this, [this](bool visible) { statusBar()->setVisible(visible); });

    m_optionsAction = MakeAction(this, "options");
    connect(m_optionsAction, &QAction::triggered, this, &CMainFrame::OnOptions);

    m_helpTopicsAction = MakeAction(this, "helpFinder");
    connect(m_helpTopicsAction, &QAction::triggered, this, [this] { emit helpRequested(QString()); });
    // F1 asks for the topic of whatever window is active, dialogs included.
    m_helpAction = MakeAction(this, "help");
    m_helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    m_helpAction->setShortcutContext(Qt::ApplicationShortcut);
    connect(m_helpAction, &QAction::triggered, this, &CMainFrame::OnHelp);
    addAction(m_helpAction);
    m_contextHelpAction = MakeAction(this, "contextHelp", QStringLiteral(":/app/toolbar/contexthelp.svg"));
    m_contextHelpAction->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    connect(m_contextHelpAction, &QAction::triggered, this, &CMainFrame::OnContextHelp);
    addAction(m_contextHelpAction);
    m_aboutAction = MakeAction(this, "appAbout", QStringLiteral(":/app/toolbar/about.svg"));
    connect(m_aboutAction, &QAction::triggered, this, &CMainFrame::aboutRequested);
}

void CMainFrame::CreateMenus()
{
    m_fileMenu = menuBar()->addMenu(QString());
    m_fileMenu->addActions({m_newAction, m_openAction, m_saveAction, m_saveAsAction});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({m_exportMeshAction, m_exportPdfAction});
    m_fileMenu->addSeparator();
    m_fileMenu->addActions({m_printAction, m_printPreviewAction, m_printSetupAction});
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_sendAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_noRecentFileAction);
    for (QAction* action : m_recentFileActions)
        m_fileMenu->addAction(action);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_exitAction);

    m_editMenu = menuBar()->addMenu(QString());
    m_editMenu->addActions({m_undoAction, m_redoAction});
    m_editMenu->addSeparator();
    m_view->FillClipboardMenu(*m_editMenu);

    m_partMenu = menuBar()->addMenu(QString());
    m_partMenu->setObjectName("partMenu");
    m_view->FillPartMenu(*m_partMenu);

    m_viewMenu = menuBar()->addMenu(QString());
    m_optionsMenu = menuBar()->addMenu(QString());
    m_optionsMenu->addAction(m_optionsAction);
    m_helpMenu = menuBar()->addMenu(QString());
    m_helpMenu->addAction(m_helpTopicsAction);
    m_helpMenu->addSeparator();
    m_helpMenu->addAction(m_aboutAction);
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName("mainToolBar");
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setMovable(true);
    m_toolBar->addActions({m_newAction, m_openAction, m_saveAction});
    m_toolBar->addSeparator();
    m_toolBar->addActions({m_cutAction, m_copyAction, m_pasteAction});
    m_toolBar->addSeparator();
    m_toolBar->addActions({m_undoAction, m_redoAction});
    m_toolBar->addSeparator();
    m_toolBar->addAction(m_printAction);
    m_toolBar->addSeparator();
    m_toolBar->addActions({m_aboutAction, m_contextHelpAction});
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_viewMenu->addAction(m_toolBar->toggleViewAction());
    m_viewMenu->addAction(m_statusBarAction);
}

void CMainFrame::CreateStatusBar()
{
    connect(statusBar(), &QStatusBar::messageChanged, this, &CMainFrame::OnStatusMessageChanged);
    connect(m_view, &CModelwrightView::statusMessage, this, [this](const QString& message) {
        statusBar()->showMessage(message, 15000);
    });
    for (QLabel*& pane : m_lockPanes) {
        pane = new QLabel(statusBar());
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addPermanentWidget(pane);
    }
    m_lockPanes[0]->setObjectName("capsLockPane");
    m_lockPanes[1]->setObjectName("numLockPane");
    m_lockPanes[2]->setObjectName("scrollLockPane");
}

std::optional<SKeyboardLocks> CMainFrame::LockStates() const
{
    return ReadKeyboardLocks();
}

void CMainFrame::UpdateLockPanes()
{
    const std::optional<SKeyboardLocks> locks = LockStates();
    const std::array<std::pair<QString, bool>, 3> panes = {{
        {tr("CAP", "Caps Lock is on"), locks && locks->capsLock},
        {tr("NUM", "Num Lock is on"), locks && locks->numLock},
        {tr("SCRL", "Scroll Lock is on"), locks && locks->scrollLock},
    }};
    for (size_t index = 0; index < panes.size(); ++index) {
        QLabel* pane = m_lockPanes[index];
        const auto& [text, on] = panes[index];
        // A pane keeps its width when its key goes off, so the others do not move.
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 2 * pane->fontMetrics().averageCharWidth());
        pane->setText(on ? text : QString());
        pane->setVisible(locks.has_value());
    }
}

QAction* CMainFrame::ToolbarAction() const
{
    return m_toolBar->toggleViewAction();
}

void CMainFrame::retranslateUi()
{
    const auto set = [](QAction* action, const QString& text, const QString& tip) {
        action->setText(text);
        action->setStatusTip(tip);
        action->setToolTip(QString(text).remove(u'&').remove(QStringLiteral("...")));
    };
    m_fileMenu->setTitle(tr("&File"));
    set(m_newAction, tr("&New"), tr("Start a new catalogue"));
    set(m_openAction, tr("&Open..."), tr("Open a catalogue file"));
    set(m_saveAction, tr("&Save"), tr("Save the catalogue"));
    set(m_saveAsAction, tr("Save &As..."), tr("Save the catalogue under a new name"));
    set(m_exportMeshAction, tr("Export 3D &model..."),
        tr("Write the selected part or all parts as a 3D model for other programs (glTF or OBJ)"));
    set(m_exportPdfAction, tr("Export &catalogue as PDF..."),
        tr("Write the illustrated catalogue sheet as a PDF file to hand out"));
    set(m_printAction, tr("&Print..."), tr("Print the catalogue"));
    set(m_printPreviewAction, tr("Print Pre&view"), tr("Show the printed pages"));
    set(m_printSetupAction, tr("P&rint Setup..."), tr("Choose the printer and the page"));
    set(m_sendAction, tr("Sen&d..."), tr("Send the catalogue file by mail"));
    set(m_noRecentFileAction, tr("Recent File"), tr("Open a recently used catalogue"));
    set(m_exitAction, tr("E&xit"), tr("Quit the program; asks to save changes"));
    m_editMenu->setTitle(tr("&Edit"));
    UpdateUndoRedoTexts();
    m_partMenu->setTitle(tr("P&art"));
    m_viewMenu->setTitle(tr("&View"));
    m_toolBar->setWindowTitle(tr("Toolbar"));
    set(m_toolBar->toggleViewAction(), tr("&Toolbar"), tr("Show or hide the toolbar"));
    set(m_statusBarAction, tr("&Status Bar"), tr("Show or hide the status bar"));
    m_optionsMenu->setTitle(tr("&Options"));
    set(m_optionsAction, tr("&Options"), tr("Choose the language, the Winrail version and the hexahedron keyword"));
    m_helpMenu->setTitle(tr("&Help"));
    set(m_helpTopicsAction, tr("&Help Topics"), tr("Show the contents of the help"));
    set(m_helpAction, tr("Help"), tr("Show the help on the active window"));
    set(m_contextHelpAction, tr("Context help"), tr("Show the help on the next window clicked"));
    set(m_aboutAction, tr("&About Modelwright..."), tr("Show the program's version and copyright"));
    UpdateRecentFileActions();
    UpdateTitle();
    // The idle text is shown again in the new language.
    statusBar()->clearMessage();
    OnStatusMessageChanged(statusBar()->currentMessage());
    UpdateLockPanes();
}

void CMainFrame::UpdateUndoRedoTexts()
{
    const QUndoStack* history = m_view->History();
    const auto set = [](QAction* action, const QString& plain, const QString& named, const QString& step,
                         const QString& tip) {
        // A part's name may hold an ampersand, which must not become an access key.
        action->setText(step.isEmpty() ? plain : named.arg(QString(step).replace(u'&', QStringLiteral("&&"))));
        action->setStatusTip(tip);
        action->setToolTip(step.isEmpty() ? QString(plain).remove(u'&') : QString(named).remove(u'&').arg(step));
    };
    set(m_undoAction, tr("&Undo"), tr("&Undo %1"), history->undoText(), tr("Take back the last change"));
    set(m_redoAction, tr("&Redo"), tr("&Redo %1"), history->redoText(), tr("Make the change taken back again"));
}

QString CMainFrame::DocumentTitle() const
{
    // A catalogue never saved is named in the interface language.
    return m_document.GetPathName().empty() ? tr("Untitled") : QString::fromStdString(m_document.GetTitle());
}

void CMainFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void CMainFrame::OnStatusMessageChanged(const QString& message)
{
    if (message.isEmpty())
        statusBar()->showMessage(tr("Ready"));
}

void CMainFrame::OnPartsFileExported(const QString& path, int partCount, int freeTextFaults)
{
    const QString where = QDir::toNativeSeparators(path);
    QString message = partCount == 1 ? tr("Exported one part to %1").arg(where)
                                     : tr("Exported %n parts to %1", nullptr, partCount).arg(where);
    if (freeTextFaults > 0)
        message += QStringLiteral(". ")
            + (freeTextFaults == 1 ? tr("The free texts have one fault, listed under the preview.")
                                   : tr("The free texts have %n faults, listed under the preview.", nullptr, freeTextFaults));
    statusBar()->showMessage(message);
    m_pSettings->setValue(QString::fromLatin1(kExportFolderKey), QFileInfo(path).absolutePath());
    m_pSettings->sync();
}

void CMainFrame::UpdateTitle()
{
    // The title shows the document's file: that file and no other is this window's to hold.
    if (m_pOpenDocuments)
        m_pOpenDocuments->Follow(PathText(m_document.GetPathName()));
    setWindowTitle(tr("%1[*] - %2").arg(DocumentTitle(), tr("Winrail Modelwright")));
    setWindowFilePath(PathText(m_document.GetPathName()));
    setWindowModified(m_document.IsModified());
}

bool CMainFrame::SaveModified()
{
    if (!m_document.IsModified())
        return true;
    switch (AskSaveChanges()) {
    case QMessageBox::Save:
        return SaveDocument();
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

QMessageBox::StandardButton CMainFrame::AskSaveChanges()
{
    const QString name = m_document.GetPathName().empty() ? DocumentTitle()
                                                          : QDir::toNativeSeparators(PathText(m_document.GetPathName()));
    // The platform's Save, Don't Save and Cancel, in its order.
    QMessageBox question(QMessageBox::Question, tr("Winrail Modelwright"), tr("Save changes to %1?").arg(name),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    question.setObjectName("saveChangesQuestion");
    // Named as the desktops name it; Qt's own word for the button is "Discard".
    question.button(QMessageBox::Discard)->setText(tr("Do&n't Save"));
    question.setDefaultButton(QMessageBox::Save);
    question.setEscapeButton(QMessageBox::Cancel);
    return QMessageBox::StandardButton(question.exec());
}

bool CMainFrame::AskSaveReadOnlyAs(const QString& message)
{
    return QMessageBox::question(this, tr("Winrail Modelwright"),
               message + QStringLiteral("\n\n") + tr("Save the catalogue under another name?"),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
        == QMessageBox::Yes;
}

void CMainFrame::ReportError(const QString& message)
{
    QMessageBox::warning(this, tr("Winrail Modelwright"), message);
}

bool CMainFrame::DialogOpen()
{
    return QApplication::activeModalWidget() != nullptr;
}

void CMainFrame::NewDocument()
{
    if (DialogOpen() || !SaveModified())
        return;
    m_document.OnNewDocument();
    UpdateTitle();
}

void CMainFrame::OnFileOpen()
{
    if (DialogOpen() || !SaveModified())
        return;
    const QString path = AskOpenPath();
    if (!path.isEmpty())
        LoadDocument(path);
}

bool CMainFrame::OpenDocumentFile(const QString& path)
{
    m_shownElsewhere = false;
    // Asked before the unsaved changes here are: the file may not be this window's to open.
    if (DialogOpen() || OpenInAnotherWindow(path))
        return false;
    if (!SaveModified()) {
        UpdateTitle();
        return false;
    }
    return LoadDocument(path);
}

void CMainFrame::SetOpenDocumentLocks(COpenDocumentLocks* pLocks)
{
    m_pOpenDocuments = pLocks;
    UpdateTitle();
}

bool CMainFrame::OpenInAnotherWindow(const QString& path)
{
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    if (!m_pOpenDocuments || m_pOpenDocuments->Claim(absolutePath))
        return false;
    m_shownElsewhere = AskShowInOtherWindow(absolutePath) && m_pOpenDocuments->ShowInItsWindow(absolutePath);
    return true;
}

bool CMainFrame::AskShowInOtherWindow(const QString& path)
{
    QMessageBox box(QMessageBox::Information, tr("Winrail Modelwright"),
        tr("%1 is already open in another Modelwright window.").arg(QDir::toNativeSeparators(path)), QMessageBox::Cancel,
        this);
    box.setObjectName("openElsewhereQuestion");
    box.setInformativeText(tr("Editing it here as well would make two versions of it, each saved over the other."));
    QPushButton* show = box.addButton(tr("&Switch to It"), QMessageBox::AcceptRole);
    box.setDefaultButton(show);
    box.exec();
    return box.clickedButton() == show;
}

void CMainFrame::OpenDocumentFileWhenFree(const QString& path)
{
    m_pendingPath = path;
    PostPendingFileCheck();
}

void CMainFrame::PostPendingFileCheck()
{
    if (std::exchange(m_pendingCheckPosted, true))
        return;
    QMetaObject::invokeMethod(this, &CMainFrame::OpenPendingFile, Qt::QueuedConnection);
}

void CMainFrame::OpenPendingFile()
{
    m_pendingCheckPosted = false;
    if (m_pendingPath.isEmpty())
        return;
    // A popup menu may hold a command on a part as well.
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog)
        dialog = QApplication::activePopupWidget();
    if (dialog) {
        AwaitDialog(dialog);
        return;
    }
    // A check posted while a dialog closes may run in that dialog's own event loop, before
    // the code that opened it is done with the part; the next turn runs after that code.
    if (++m_quietTurns < 2) {
        PostPendingFileCheck();
        return;
    }
    m_quietTurns = 0;
    OpenDocumentFile(std::exchange(m_pendingPath, QString()));
}

void CMainFrame::AwaitDialog(QWidget* dialog)
{
    m_quietTurns = 0;
    if (m_pAwaitedDialog == dialog)
        return;
    m_pAwaitedDialog = dialog;
    // Hiding is caught by the event filter; a dialog may also be destroyed without it.
    connect(dialog, &QObject::destroyed, this, &CMainFrame::PostPendingFileCheck, Qt::UniqueConnection);
}

bool CMainFrame::LoadDocument(const QString& path, void (CMainFrame::*report)(const QString&))
{
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    if (OpenInAnotherWindow(absolutePath))
        return false;
    try {
        m_document.OpenDocumentFile(PathOf(absolutePath));
    } catch (const CException& error) {
        UpdateTitle();
        RemoveRecentFile(absolutePath);
        (this->*report)(ErrorText(error));
        return false;
    }
    AddRecentFile(absolutePath);
    UpdateTitle();
    return true;
}

QString CMainFrame::OpenFolder() const
{
    if (!m_document.GetPathName().empty())
        return QFileInfo(PathText(m_document.GetPathName())).absolutePath();
    if (!m_recentFiles.isEmpty())
        return QFileInfo(m_recentFiles.constFirst()).absolutePath();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString CMainFrame::AskOpenPath()
{
    QFileDialog dialog(this, tr("Open"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("Winrail Object Files (*.wo3)"), tr("All Files (*)")});
    dialog.setDirectory(OpenFolder());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool CMainFrame::SaveDocument()
{
    if (m_document.GetPathName().empty())
        return SaveDocumentAs();
    return SaveTo(PathText(m_document.GetPathName()));
}

bool CMainFrame::SaveDocumentAs()
{
    const QString path = AskSavePath();
    return !path.isEmpty() && SaveTo(path);
}

std::optional<bool> CMainFrame::AskMeshOfAllParts()
{
    const CNamedObject* selected = m_view->Selected();
    const size_t count = m_document.Parts().GetCount();
    if (!selected || count < 2)
        return true;
    QMessageBox question(QMessageBox::Question, tr("Export 3D model"),
        tr("Export the selected part \"%1\" or all %2 parts of the catalogue?")
            .arg(QString::fromStdString(selected->m_name))
            .arg(count),
        QMessageBox::Cancel, this);
    question.setObjectName("meshScopeQuestion");
    QPushButton* one = question.addButton(tr("&Selected part"), QMessageBox::AcceptRole);
    QPushButton* all = question.addButton(tr("&All parts"), QMessageBox::AcceptRole);
    question.setDefaultButton(one);
    question.exec();
    if (question.clickedButton() == all)
        return true;
    if (question.clickedButton() == one)
        return false;
    return std::nullopt;
}

QString CMainFrame::AskMeshPath(const QString& proposedName)
{
    QFileDialog dialog(this, tr("Export 3D model"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({tr("glTF binary (*.glb)"), tr("Wavefront OBJ (*.obj)")});
    dialog.setDefaultSuffix(QStringLiteral("glb"));
    const QFileInfo proposal(m_view->ExportProposal());
    dialog.setDirectory(proposal.absolutePath());
    dialog.selectFile(proposedName);
    // The suffix added to a bare name follows the format chosen.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.contains(QLatin1String("*.obj")) ? QStringLiteral("obj") : QStringLiteral("glb"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void CMainFrame::OnExportMesh()
{
    const CPartsManager& parts = m_document.Parts();
    if (parts.GetCount() == 0) {
        ReportError(tr("The catalogue has no parts to export."));
        return;
    }
    const std::optional<bool> allParts = AskMeshOfAllParts();
    if (!allParts)
        return;
    const CNamedObject* only = *allParts ? nullptr : m_view->Selected();
    // A part's name may hold characters no file name can.
    QString name = only ? QString::fromStdString(only->m_name) : QFileInfo(m_view->ExportProposal()).completeBaseName();
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral("_"));
    const QString path = AskMeshPath(name + QStringLiteral(".glb"));
    if (path.isEmpty())
        return;
    try {
        WriteCatalogueMeshFile(parts, m_options, PathOf(path), only);
    } catch (const CException& error) {
        ReportError(ErrorText(error));
        return;
    }
    m_view->SetExportFolder(QFileInfo(path).absolutePath());
    OnPartsFileExported(path, only ? 1 : static_cast<int>(parts.GetCount()), 0);
}

QString CMainFrame::AskSavePath()
{
    QFileDialog dialog(this, tr("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({tr("Winrail Object Files (*.wo3)"), tr("All Files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("wo3"));
    if (m_document.GetPathName().empty())
        dialog.selectFile(DocumentTitle());
    else
        dialog.selectFile(PathText(m_document.GetPathName()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool CMainFrame::MayOverwriteChangedFile(const QString& path, bool& saved)
{
    saved = false;
    if (PathOf(path) != m_document.GetPathName() || !m_document.FileChangedOnDisk())
        return true;
    const QString when = QLocale().toString(QFileInfo(path).lastModified(), QLocale::ShortFormat);
    switch (AskChangedFile(tr("%1 was changed by another program at %2, after it was opened or saved here. "
                              "Saving replaces those changes with yours.")
                               .arg(QDir::toNativeSeparators(path), when))) {
    case EChangedFileAnswer::overwrite:
        return true;
    case EChangedFileAnswer::saveAs:
        saved = SaveDocumentAs();
        return false;
    case EChangedFileAnswer::reload:
        LoadDocument(path);
        return false;
    case EChangedFileAnswer::cancel:
        break;
    }
    return false;
}

CMainFrame::EChangedFileAnswer CMainFrame::AskChangedFile(const QString& message)
{
    QMessageBox box(QMessageBox::Warning, tr("Winrail Modelwright"), message, QMessageBox::Cancel, this);
    box.setObjectName("changedFileQuestion");
    box.setInformativeText(tr("Reload opens the file as it is now and lets your unsaved changes go."));
    QPushButton* overwrite = box.addButton(tr("&Overwrite"), QMessageBox::DestructiveRole);
    QPushButton* saveAs = box.addButton(tr("Save &As..."), QMessageBox::AcceptRole);
    QPushButton* reload = box.addButton(tr("&Reload"), QMessageBox::ResetRole);
    box.setDefaultButton(saveAs);
    box.exec();
    if (box.clickedButton() == overwrite)
        return EChangedFileAnswer::overwrite;
    if (box.clickedButton() == saveAs)
        return EChangedFileAnswer::saveAs;
    if (box.clickedButton() == reload)
        return EChangedFileAnswer::reload;
    return EChangedFileAnswer::cancel;
}

bool CMainFrame::SaveTo(const QString& path)
{
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    // Another program's changes are never replaced unasked, nor a file another copy has open.
    if (bool saved = false; !MayOverwriteChangedFile(absolutePath, saved))
        return saved;
    if (m_pOpenDocuments && !m_pOpenDocuments->Claim(absolutePath)) {
        ReportError(tr("%1 is open in another Modelwright window. Close it there, or save under another name.")
                        .arg(QDir::toNativeSeparators(absolutePath)));
        return false;
    }
    // A backup that cannot be kept does not stop the save; the user hears of it afterwards.
    QString backupFailure;
    if (m_options.m_backupOnSave != 0) {
        try {
            KeepBackupCopy(PathOf(absolutePath));
        } catch (const CException& error) {
            backupFailure = ErrorText(error);
        }
    }
    try {
        m_document.SaveDocumentFile(PathOf(absolutePath));
    } catch (const CFileException& error) {
        UpdateTitle();
        if (error.m_cause == CFileException::readOnly)
            return AskSaveReadOnlyAs(ErrorText(error)) && SaveDocumentAs();
        ReportError(ErrorText(error));
        return false;
    } catch (const CException& error) {
        UpdateTitle();
        ReportError(ErrorText(error));
        return false;
    }
    AddRecentFile(absolutePath);
    UpdateTitle();
    if (!backupFailure.isEmpty())
        ReportError(tr("The catalogue was saved, but its previous version could not be kept as %1.\n%2")
                        .arg(QDir::toNativeSeparators(PathText(BackupPathOf(PathOf(absolutePath)))), backupFailure));
    return true;
}

void CMainFrame::RecoverDocument(const std::vector<uint8_t>& bytes, const QString& documentPath)
{
    try {
        m_document.RecoverFromBytes(bytes, documentPath.isEmpty() ? std::filesystem::path() : PathOf(documentPath));
    } catch (const CArchiveException&) {
        throw CException(EErrorCode::failedToOpenDocument);
    }
    UpdateTitle();
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (SaveModified()) {
        SaveWindowLayout();
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && event->mimeData()->urls().constFirst().isLocalFile())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.constFirst().isLocalFile())
        return;
    event->acceptProposedAction();
    activateWindow();
    OpenDocumentFileWhenFree(urls.constFirst().toLocalFile());
}

void CMainFrame::LoadRecentFiles()
{
    m_recentFiles.clear();
    const int count = m_pSettings->beginReadArray(QString::fromLatin1(kRecentFileArray));
    for (int index = 0; index < count && m_recentFiles.size() < kMaxRecentFiles; ++index) {
        m_pSettings->setArrayIndex(index);
        const QString path = m_pSettings->value(QString::fromLatin1(kRecentFileKey)).toString();
        if (!path.isEmpty() && !m_recentFiles.contains(path))
            m_recentFiles.append(path);
    }
    m_pSettings->endArray();
}

void CMainFrame::StoreRecentFiles()
{
    m_pSettings->remove(QString::fromLatin1(kRecentFileArray));
    m_pSettings->beginWriteArray(QString::fromLatin1(kRecentFileArray), static_cast<int>(m_recentFiles.size()));
    for (int index = 0; index < m_recentFiles.size(); ++index) {
        m_pSettings->setArrayIndex(index);
        m_pSettings->setValue(QString::fromLatin1(kRecentFileKey), m_recentFiles.at(index));
    }
    m_pSettings->endArray();
    m_pSettings->sync();
}

void CMainFrame::AddRecentFile(const QString& path)
{
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
    while (m_recentFiles.size() > kMaxRecentFiles)
        m_recentFiles.removeLast();
    StoreRecentFiles();
    UpdateRecentFileActions();
}

void CMainFrame::RemoveRecentFile(const QString& path)
{
    if (m_recentFiles.removeAll(path) == 0)
        return;
    StoreRecentFiles();
    UpdateRecentFileActions();
}

void CMainFrame::UpdateRecentFileActions()
{
    m_noRecentFileAction->setVisible(m_recentFiles.isEmpty());
    for (int index = 0; index < kMaxRecentFiles; ++index) {
        QAction* action = m_recentFileActions[index];
        const bool used = index < m_recentFiles.size();
        action->setVisible(used);
        if (!used)
            continue;
        action->setText(QStringLiteral("&%1 %2").arg(index + 1).arg(QDir::toNativeSeparators(m_recentFiles.at(index))));
        action->setStatusTip(tr("Open this catalogue"));
    }
}

void CMainFrame::OnOpenRecentFile(int index)
{
    if (index < m_recentFiles.size())
        OpenDocumentFile(m_recentFiles.at(index));
}

void CMainFrame::OnFilePrint()
{
    if (!m_sheetCommands->AskOptions())
        return;
    QPrintDialog dialog(&m_printer, this);
    if (dialog.exec() == QDialog::Accepted)
        m_sheetCommands->Print(m_printer);
}

void CMainFrame::OnFilePrintPreview()
{
    if (!m_sheetCommands->AskOptions())
        return;
    QPrintPreviewDialog preview(&m_printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { m_sheetCommands->Draw(*printer); });
    preview.exec();
}

void CMainFrame::OnExportPdf()
{
    const QString path = m_sheetCommands->ExportPdf(m_printer.pageLayout());
    if (!path.isEmpty())
        OnPartsFileExported(path, static_cast<int>(m_sheetCommands->Content().m_parts.size()), 0);
}

void CMainFrame::OnFilePrintSetup()
{
    QPageSetupDialog dialog(&m_printer, this);
    dialog.exec();
}

QString CMainFrame::PrinterProblem(const QString& path, const QString& printerName) const
{
    const QString file = QDir::toNativeSeparators(path);
    const QStringList printers = QPrinterInfo::availablePrinterNames();
    if (!printerName.isEmpty() && !printers.contains(printerName))
        return tr("%1 cannot be printed: the printer \"%2\" is not available.").arg(file, printerName);
    if (printers.isEmpty())
        return tr("%1 cannot be printed: no printer is available.").arg(file);
    if (printerName.isEmpty() && QPrinterInfo::defaultPrinterName().isEmpty())
        return tr("%1 cannot be printed: no printer is chosen as the default.").arg(file);
    return {};
}

bool CMainFrame::PrintDocumentFile(const QString& path, const QString& printerName)
{
    // Printing into a file needs no device.
    if (m_printer.outputFileName().isEmpty()) {
        if (const QString problem = PrinterProblem(path, printerName); !problem.isEmpty()) {
            ReportPrintFailure(problem);
            return false;
        }
        m_printer.setPrinterName(printerName.isEmpty() ? QPrinterInfo::defaultPrinterName() : printerName);
    }
    if (DialogOpen() || !SaveModified() || !LoadDocument(path, &CMainFrame::ReportPrintFailure))
        return false;
    m_view->PrintCatalogue(m_printer);
    return true;
}

bool CMainFrame::WritePdfOfFile(const QString& path, const QString& pdfPath, const QString& modelScale)
{
    const std::optional<double> scale = ParseModelScale(modelScale);
    if (pdfPath.isEmpty()) {
        ReportPrintFailure(tr("%1: the PDF file to write is missing; give it after the catalogue.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    if (!scale) {
        ReportPrintFailure(tr("\"%1\" is no model scale; write it as 1:87.").arg(modelScale));
        return false;
    }
    if (DialogOpen() || !SaveModified() || !LoadDocument(path, &CMainFrame::ReportPrintFailure))
        return false;
    SSheetContent content = m_view->SheetContent(false);
    content.m_modelScale = *scale;
    try {
        WriteCatalogueSheetPdf(PathOf(QFileInfo(pdfPath).absoluteFilePath()), content, m_printer.pageLayout());
    } catch (const CException& error) {
        ReportPrintFailure(ErrorText(error));
        return false;
    }
    return true;
}

void CMainFrame::ReportPrintFailure(const QString& message)
{
    // Printing from the command line without a screen: nobody would see a message box.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
        return;
    }
    ReportError(message);
}

QString CMainFrame::MailerProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
}

void CMainFrame::OnFileSendMail()
{
    // The mail carries the catalogue as it is now, saved or not, under its own file name.
    QString name = QString::fromStdString(m_document.GetTitle());
    if (!name.endsWith(QLatin1String(CModelwrightDoc::kFileExtension), Qt::CaseInsensitive))
        name += QLatin1String(CModelwrightDoc::kFileExtension);
    // A fresh folder that only this user may enter: nobody else can plant a link in it or
    // read the attachment.
    auto folder = std::make_unique<QTemporaryDir>(QDir(QDir::tempPath()).filePath(QStringLiteral("modelwright-mail-XXXXXX")));
    if (!folder->isValid()) {
        ReportError(tr("Failed to send mail."));
        return;
    }
    const QString attachment = folder->filePath(name);
    try {
        WriteFileAtomically(PathOf(attachment), m_document.SaveToBytes());
    } catch (const CException& error) {
        ReportError(ErrorText(error));
        return;
    }
    if (!StartMailer(attachment)) {
        ReportError(tr("Failed to send mail."));
        return;
    }
    m_mailFolders.push_back(std::move(folder));
}

bool CMainFrame::StartMailer(const QString& attachment)
{
    const QString program = MailerProgram();
    return !program.isEmpty() && QProcess::startDetached(program, {QStringLiteral("--attach"), attachment});
}

void CMainFrame::OnOptions()
{
    if (EditOptions(m_options, this))
        emit optionsChanged();
}

QString CMainFrame::HelpTopicOf(const QWidget* widget)
{
    // Controls with a topic of their own; any other control is told by the form or window
    // it stands in.
    static const std::pair<const char*, const char*> kControlTopics[] = {
        {"editHeader", "HeaderDlg"},
        {"newTree", "TreeDlg"},
        {"newBuilding", "BuildingDlg"},
        {"newPlatform", "PlatformDlg"},
        {"export", "export"},
        {"exportAndCompile", "export"},
        {"ModelwrightView", "ModelwrightView"},
    };
    for (const QWidget* control = widget; control; control = control->parentWidget()) {
        if (control->inherits("CColorButton"))
            return QStringLiteral("colors");
        if (control->inherits("CUnitsComboBox"))
            return QStringLiteral("units");
        for (const auto& [name, topic] : kControlTopics)
            if (control->objectName() == QLatin1String(name))
                return QString::fromLatin1(topic);
        if (control->isWindow())
            return control->objectName();
    }
    return QString();
}

void CMainFrame::OnHelp()
{
    const QWidget* active = QApplication::activeModalWidget();
    if (!active)
        active = QApplication::activeWindow();
    emit helpRequested(HelpTopicOf(active ? active : this));
}

void CMainFrame::OnContextHelp()
{
    if (m_contextHelpMode)
        return;
    m_contextHelpMode = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
}

void CMainFrame::EndContextHelp()
{
    if (!m_contextHelpMode)
        return;
    m_contextHelpMode = false;
    QApplication::restoreOverrideCursor();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched == m_pAwaitedDialog) {
        m_pAwaitedDialog = nullptr;
        PostPendingFileCheck();
    }
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) && watched->isWidgetType()
        && IsLockKey(static_cast<QKeyEvent*>(event)->key()))
        UpdateLockPanes();
    if (event->type() == QEvent::KeyPress && QApplication::activeModalWidget() && watched->isWidgetType()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            OnHelp();
            return true;
        }
    }
    if (!m_contextHelpMode)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // The window system's window sees the click first; the control under it names the topic.
        if (!watched->isWidgetType())
            return false;
        // The click names the control it landed on and goes no further.
        const QString topic = HelpTopicOf(qobject_cast<QWidget*>(watched));
        EndContextHelp();
        emit helpRequested(topic);
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            EndContextHelp();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
