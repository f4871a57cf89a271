#pragma once

#include "ui/CatalogueSheet.h"
#include "ui/PartsTable.h"

#include <QMimeType>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class CCompileRun;
class CModelwrightDoc;
class CNamedObject;
class CObjectListBox;
class CPartPreview;
class CPartsFileWriter;
class CPartsManager;
class CProgramOptions;
class IObjectEditor;
class CPartSnapshot;
class QAction;
class QLineEdit;
class QMenu;
class QPrinter;
class QProcess;
class QPushButton;
class QUndoCommand;
class QUndoStack;
class QSplitter;

// The main form: the catalogue's parts in a sorted table under a filter box, and the eight
// command buttons in two rows beneath it.
// Every editing command reaches the catalogue from here, and the export starts here.
class CModelwrightView : public QWidget {
    Q_OBJECT
public:
    using EPartKind = ::EPartKind;

    // Exports follow the options as they are at the time of each export.
    CModelwrightView(CModelwrightDoc& document, const CProgramOptions& options, QWidget* parent = nullptr);
    ~CModelwrightView() override;

    // Rebuilds the list from the document's catalogue with nothing selected and starts a new
    // history; called whenever the document gets a new catalogue.
    void OnInitialUpdate();

    // Every change the form makes to the catalogue is a step of this history; the document is
    // modified exactly while the history is away from the state last saved or loaded.
    QUndoStack* History() const { return m_history; }
    // The document's modified flag changed from outside the history: saved (the history's
    // current state is the saved one) or marked modified with no step to undo back to.
    void FollowModifiedFlag(bool modified);

    void OnNewTree() { NewPart(EPartKind::tree); }
    void OnNewBuilding() { NewPart(EPartKind::building); }
    void OnNewPlatform() { NewPart(EPartKind::platform); }
    void OnEdit();
    void OnDelete();
    // Adds a copy of the selected part under a new default name, as one step.
    void OnDuplicate();
    // The clipboard carries a part as its document bytes, also to another window of the
    // program; Paste adds it at the end of the catalogue as one step.
    void OnCut();
    void OnCopy();
    void OnPaste();
    static constexpr const char* kPartMimeType = "application/x-modelwright-part";
    void OnEditHeader();
    void OnExport();
    void OnExportAndCompile();
    void OnSelChangeObjectList();
    // Selects the part with this id, when the list shows it.
    void SelectPart(int32_t partId);

signals:
    // A passing note for the status bar: what "Export and compile" started.
    void statusMessage(const QString& message);

public:
    // What the catalogue sheet shows: every part in the catalogue's order, or those the table
    // shows in its order; no model scale.
    SSheetContent SheetContent(bool asShown) const;
    // Prints the sheet of every part in the catalogue's order.
    void PrintCatalogue(QPrinter& printer) const;

    // Where the export dialog opens and the name it proposes: the folder of the last export,
    // else the catalogue's own folder (the documents folder for a catalogue never saved), and
    // the catalogue's name with ".bdf".
    QString ExportProposal() const;
    QString ExportFolder() const { return m_exportFolder; }
    void SetExportFolder(const QString& folder) { m_exportFolder = folder; }

    CNamedObject* Selected() const { return m_pSelected; }
    CPartsTable* ObjectList() const { return m_objectList; }
    QLineEdit* FilterEdit() const { return m_filterEdit; }
    QPushButton* EditHeaderButton() const { return m_editHeaderButton; }
    QPushButton* DeleteButton() const { return m_deleteButton; }
    QPushButton* NewTreeButton() const { return m_newTreeButton; }
    QPushButton* NewBuildingButton() const { return m_newBuildingButton; }
    QPushButton* EditButton() const { return m_editButton; }
    QPushButton* ExportButton() const { return m_exportButton; }
    QPushButton* ExportAndCompileButton() const { return m_exportAndCompileButton; }
    QPushButton* NewPlatformButton() const { return m_newPlatformButton; }
    CPartPreview* Preview() const { return m_preview; }
    // The commands on parts, in the order of the Part menu and the table's context menu; the
    // form's buttons run the same commands.
    QAction* DuplicateAction() const { return m_duplicateAction; }
    QAction* CutAction() const { return m_cutAction; }
    QAction* CopyAction() const { return m_copyAction; }
    QAction* PasteAction() const { return m_pasteAction; }
    void FillPartMenu(QMenu& menu) const;
    void FillClipboardMenu(QMenu& menu) const;
    // The pane's share of the window and its view, for the settings.
    QByteArray PreviewLayout() const;
    void RestorePreviewLayout(const QByteArray& layout);

signals:
    // A parts file was written whole: where it went and how many parts it holds.
    void partsFileExported(const QString& path, int partCount, int freeTextFaults);

protected:
    // The edit dialog of a kind of part, and of the header.
    virtual std::unique_ptr<IObjectEditor> CreateEditor(EPartKind kind);
    virtual std::unique_ptr<IObjectEditor> CreateHeaderEditor();
    // The parts file the user chooses; empty when the user cancels.
    virtual QString AskExportPath();
    // The program that hands a file to the one the desktop opens such files with, and tells
    // by its exit status whether there is one; none where the desktop is asked directly.
    virtual QString DesktopOpener() const;
    // Hands a finished parts file to the desktop's program without an opener; false when the
    // desktop has none.
    virtual bool OpenWithDesktop(const QString& path);
    // Starts the program in the process, which reports its end.
    virtual void StartProgram(QProcess& process, const QString& program, const QStringList& arguments);
    // The type the desktop gives the file.
    virtual QMimeType FileTypeOf(const QString& path) const;
    virtual void ReportError(const QString& message);

    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePartActions();
    void ShowContextMenu(const QPoint& position);
    void UpdatePasteCommand();
    // Puts a part made outside the catalogue at its end, selects it and records the step;
    // undoing the step shows the part of that id again (a copy's original).
    void AddMadePart(std::unique_ptr<CNamedObject> part, const QString& stepText,
        std::optional<int32_t> shownAfterUndo = std::nullopt);
    void retranslateUi();
    // Gives the command buttons one size that holds every text, and the table its readable width.
    void FitButtons();
    CPartsManager* GetPartsManager() const;
    void UpdateButtons();
    void ShowTableFilter();
    void NewPart(EPartKind kind);
    // Writes the whole catalogue to a file the user chooses; the file's path, or nothing when
    // the user cancelled.
    QString ExportPartsFile();
    // Records a change just made to the part at index (no snapshot: no part); a step that
    // takes the part out shows the part of shownWhenTakenOut, when there is one.
    void PushPartStep(const QString& text, size_t index, std::shared_ptr<const CPartSnapshot> before,
        std::shared_ptr<const CPartSnapshot> after, std::optional<int32_t> shownWhenTakenOut = std::nullopt);
    // Shows the catalogue again after a step put the part back (null: took it out).
    void ShowRestoredPart(CNamedObject* part);
    // Runs the compile command the options name, or the desktop's program, on the file.
    void StartCompiler(const QString& path);
    void RunOnPartsFile(const QString& program, const QStringList& arguments, const QString& file, bool desktop);
    void OnCompileEnded(CCompileRun& run, int exitCode, bool crashed);
    void ReportNoDesktopProgram(const QString& file);

    CModelwrightDoc& m_document;
    const CProgramOptions& m_options;
    QPushButton* m_exportButton;
    QPushButton* m_editButton;
    QPushButton* m_deleteButton;
    QLineEdit* m_filterEdit;
    CPartsTable* m_objectList;
    QPushButton* m_editHeaderButton;
    QPushButton* m_newTreeButton;
    QPushButton* m_newBuildingButton;
    QPushButton* m_exportAndCompileButton;
    QPushButton* m_newPlatformButton;
    QAction* m_newTreeAction;
    QAction* m_newBuildingAction;
    QAction* m_newPlatformAction;
    QAction* m_editAction;
    QAction* m_deleteAction;
    QAction* m_duplicateAction;
    QAction* m_cutAction;
    QAction* m_copyAction;
    QAction* m_pasteAction;
    QAction* m_exportAction;
    QAction* m_exportAndCompileAction;
    // The view's own parts file writer, used by every export.
    std::unique_ptr<CPartsFileWriter> m_pWriter;
    CNamedObject* m_pSelected = nullptr;
    QString m_exportFolder;
    QUndoStack* m_history;
    QSplitter* m_splitter;
    CPartPreview* m_preview;
};
