#pragma once

#include "app/KeyboardLocks.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>

#include <array>
#include <memory>
#include <vector>
#include <optional>

class CModelwrightDoc;
class COpenDocumentLocks;
class CProgramOptions;
class CModelwrightView;
class CSheetCommands;
class QAction;
class QLabel;
class QMenu;
class QSettings;
class QTemporaryDir;
class QToolBar;

// The program's one top-level window: menus, toolbar, status bar and the form view. It runs
// the file commands on the document and keeps the title, the modified mark and the list of
// recently used files up to date.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kMaxRecentFiles = 4;
    // What to do with a file that another program changed since it was opened or saved here.
    enum class EChangedFileAnswer { overwrite, saveAs, reload, cancel };

    // The options are the program's one record; the Options command edits them in place.
    CMainFrame(CModelwrightDoc& document, CProgramOptions& options, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CModelwrightView* View() const { return m_view; }
    CModelwrightDoc& Document() const { return m_document; }

    // File New: a new, empty catalogue, after asking about unsaved changes.
    void NewDocument();
    // File Open of a known file, after asking about unsaved changes; false when the user
    // kept the open catalogue or the file could not be read (the error was shown).
    bool OpenDocumentFile(const QString& path);
    // The files the running copies have open: a file open in another copy is shown there
    // instead of being opened here a second time. None (the default) opens every file here.
    void SetOpenDocumentLocks(COpenDocumentLocks* pLocks);
    // The last file asked to open was open in another copy's window and is shown there now.
    bool DocumentShownElsewhere() const { return m_shownElsewhere; }
    // Opens a file handed over by another start of the program or dropped on the window as
    // OpenDocumentFile does, but only once no dialog is open: the catalogue never changes
    // beneath a dialog that edits one of its parts. A later file replaces one still waiting.
    void OpenDocumentFileWhenFree(const QString& path);
    // File Save and File Save As; false when cancelled or failed (the error was shown).
    bool SaveDocument();
    bool SaveDocumentAs();
    // Opens unsaved changes kept for recovery as a modified document under the file's own name
    // (untitled when empty); throws CException and then leaves the catalogue as it was.
    void RecoverDocument(const std::vector<uint8_t>& bytes, const QString& documentPath);
    // Opens the file and prints it without asking, on the named printer or else the default
    // one; false when that printer is not there (said in a message, or on standard error
    // without a screen) or the file could not be opened.
    bool PrintDocumentFile(const QString& path, const QString& printerName = QString());
    // Opens the file and writes its catalogue sheet as a PDF without asking, with the real
    // sizes at the model scale given ("1:87"; empty for none); false when it cannot (said as
    // printing says it).
    bool WritePdfOfFile(const QString& path, const QString& pdfPath, const QString& modelScale = QString());

    // Puts back the window's size, place, state, toolbar and table columns as the last run
    // left them; false when nothing was remembered.
    bool RestoreWindowLayout();
    void SaveWindowLayout();

    // The recently used files, the latest first.
    QStringList RecentFiles() const { return m_recentFiles; }
    QPrinter& Printer() { return m_printer; }

    QAction* NewAction() const { return m_newAction; }
    QAction* OpenAction() const { return m_openAction; }
    QAction* SaveAction() const { return m_saveAction; }
    QAction* SaveAsAction() const { return m_saveAsAction; }
    QAction* ExportMeshAction() const { return m_exportMeshAction; }
    QAction* ExportPdfAction() const { return m_exportPdfAction; }
    CSheetCommands* SheetCommands() const { return m_sheetCommands; }
    QAction* PrintAction() const { return m_printAction; }
    QAction* PrintPreviewAction() const { return m_printPreviewAction; }
    QAction* PrintSetupAction() const { return m_printSetupAction; }
    QAction* SendAction() const { return m_sendAction; }
    QAction* RecentFileAction(int index) const { return m_recentFileActions.at(index); }
    QAction* ExitAction() const { return m_exitAction; }
    QAction* UndoAction() const { return m_undoAction; }
    QAction* RedoAction() const { return m_redoAction; }
    QAction* CutAction() const { return m_cutAction; }
    QAction* CopyAction() const { return m_copyAction; }
    QAction* PasteAction() const { return m_pasteAction; }
    QMenu* PartMenu() const { return m_partMenu; }
    QAction* ToolbarAction() const;
    QAction* StatusBarAction() const { return m_statusBarAction; }
    QAction* OptionsAction() const { return m_optionsAction; }
    QAction* HelpTopicsAction() const { return m_helpTopicsAction; }
    QAction* HelpAction() const { return m_helpAction; }
    QAction* ContextHelpAction() const { return m_contextHelpAction; }
    QAction* AboutAction() const { return m_aboutAction; }
    QToolBar* ToolBar() const { return m_toolBar; }
    // The status bar's CAP, NUM and SCRL panes, hidden where the platform cannot tell the
    // lock keys' states.
    QLabel* CapsLockPane() const { return m_lockPanes[0]; }
    QLabel* NumLockPane() const { return m_lockPanes[1]; }
    QLabel* ScrollLockPane() const { return m_lockPanes[2]; }
    // Shows the lock keys' states as they are now.
    void UpdateLockPanes();

signals:
    // Help on a topic: the object name of the window the user asked about; empty for the
    // table of contents.
    void helpRequested(const QString& topic);
    void aboutRequested();
    // The options sheet was closed with OK; the options may have changed.
    void optionsChanged();
    // The document's modified flag changed (false: saved, loaded, or back at its saved state).
    void modifiedChanged(bool modified);

protected:
    // What the user is asked; each returns empty or Cancel when the user cancels. The save
    // question answers Save, Discard or Cancel.
    virtual QString AskOpenPath();
    // Where File, Open starts: the open catalogue's folder, else that of the file used last,
    // else the documents folder.
    QString OpenFolder() const;
    virtual QString AskSavePath();
    virtual QMessageBox::StandardButton AskSaveChanges();
    // The file cannot be saved because it is read-only (the message says so); true when the
    // user wants to save under another name instead.
    virtual bool AskSaveReadOnlyAs(const QString& message);
    virtual EChangedFileAnswer AskChangedFile(const QString& message);
    // The file is open in another copy's window; true when the user wants to go there.
    virtual bool AskShowInOtherWindow(const QString& path);
    virtual void ReportError(const QString& message);
    // The lock keys' states, or nothing where the platform cannot tell them.
    virtual std::optional<SKeyboardLocks> LockStates() const;
    void ReportPrintFailure(const QString& message);
    // Why the file cannot be printed on that printer (the default one when unnamed); empty
    // when it can.
    QString PrinterProblem(const QString& path, const QString& printerName) const;
    // Hands a mail with the attachment to the desktop; false when it could not be started.
    virtual bool StartMailer(const QString& attachment);
    static QString MailerProgram();

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void retranslateUi();
    void ConnectDocument();
    // Undo and Redo name the step they would take back or make again.
    void UpdateUndoRedoTexts();

    void UpdateTitle();
    QString DocumentTitle() const;
    // A modal dialog is open: the catalogue must stay as it is.
    static bool DialogOpen();
    void PostPendingFileCheck();
    void OpenPendingFile();
    void AwaitDialog(QWidget* dialog);
    // Asks about unsaved changes; false when the user cancelled or saving failed.
    bool SaveModified();
    bool LoadDocument(const QString& path, void (CMainFrame::*report)(const QString&) = &CMainFrame::ReportError);
    // True when another copy has the file open (it was shown there when the user wished);
    // otherwise the file is this window's to open.
    bool OpenInAnotherWindow(const QString& path);
    bool SaveTo(const QString& path);
    // Before the document's own file is saved over: false when another program changed it
    // and the user chose not to overwrite it (a save under another name or a reload may have
    // taken its place, and save tells whether the catalogue was saved).
    bool MayOverwriteChangedFile(const QString& path, bool& saved);

    void LoadRecentFiles();
    void StoreRecentFiles();
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);
    void UpdateRecentFileActions();
    void OnOpenRecentFile(int index);

    void OnFileOpen();
    // File Export 3D model: the selected part or all parts, the format by the file's extension.
    void OnExportMesh();
    void OnExportPdf();
    // True for all parts, false for the selected one; nothing when the user cancelled.
    std::optional<bool> AskMeshOfAllParts();
    QString AskMeshPath(const QString& proposedName);
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnFileSendMail();
    void OnOptions();
    void OnHelp();
    void OnContextHelp();
    void EndContextHelp();
    void OnStatusMessageChanged(const QString& message);
    void OnPartsFileExported(const QString& path, int partCount, int freeTextFaults);
    static QString HelpTopicOf(const QWidget* widget);

    CModelwrightDoc& m_document;
    CProgramOptions& m_options;
    CModelwrightView* m_view;
    QToolBar* m_toolBar = nullptr;
    std::unique_ptr<QSettings> m_pSettings;
    QStringList m_recentFiles;
    QPrinter m_printer;
    // The private folders of the attachments sent, each made afresh for its mail: the mail
    // program may read an attachment only when the mail goes out, so they go when this window does.
    std::vector<std::unique_ptr<QTemporaryDir>> m_mailFolders;
    bool m_contextHelpMode = false;
    COpenDocumentLocks* m_pOpenDocuments = nullptr;
    bool m_shownElsewhere = false;
    // The file waiting for the dialogs to close, the dialog it waits for, and the turns of the
    // event loop seen with no dialog open.
    QString m_pendingPath;
    QPointer<QWidget> m_pAwaitedDialog;
    bool m_pendingCheckPosted = false;
    int m_quietTurns = 0;

    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_partMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_optionsMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_exportMeshAction = nullptr;
    QAction* m_exportPdfAction = nullptr;
    CSheetCommands* m_sheetCommands = nullptr;
    QAction* m_printAction = nullptr;
    QAction* m_printPreviewAction = nullptr;
    QAction* m_printSetupAction = nullptr;
    QAction* m_sendAction = nullptr;
    QAction* m_noRecentFileAction = nullptr;
    std::array<QAction*, kMaxRecentFiles> m_recentFileActions {};
    QAction* m_exitAction = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_cutAction = nullptr;
    QAction* m_copyAction = nullptr;
    QAction* m_pasteAction = nullptr;
    QAction* m_statusBarAction = nullptr;
    QAction* m_optionsAction = nullptr;
    QAction* m_helpTopicsAction = nullptr;
    QAction* m_helpAction = nullptr;
    QAction* m_contextHelpAction = nullptr;
    QAction* m_aboutAction = nullptr;
    std::array<QLabel*, 3> m_lockPanes {};
};
