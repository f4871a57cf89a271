#include "ui/ModelwrightView.h"

#include "export/PartsFileWriter.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"
#include "model/PartKind.h"
#include "model/PartSnapshot.h"
#include "settings/ProgramOptions.h"
#include "ui/BuildingDlg.h"
#include "ui/CatalogueSheet.h"
#include "ui/CatalogueSteps.h"
#include "ui/CompileCommand.h"
#include "ui/ErrorMessages.h"
#include "ui/HeaderDlg.h"
#include "ui/PartPreview.h"
#include "ui/PlatformDlg.h"
#include "ui/TreeDlg.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QMessageBox>
#include <QMimeData>
#include <QMimeDatabase>
#include <QPrinter>
#include <QProcess>
#include <QSignalBlocker>
#include <QPushButton>
#include <QStandardPaths>
#include <QUndoStack>
#include <QUrl>

#include <algorithm>
#include <iterator>

namespace {

// The form's buttons stand in two rows of four under the table, all of one size; a text wider
// than this takes two lines, so that the rows leave the table its width in a narrow window.
constexpr int kButtonTextWidth = 88;
constexpr int kButtonSpacing = 6;
constexpr int kButtonsPerRow = 4;
// How much of a compile command's output shows under the preview.
constexpr int kCompileLinesShown = 12;

std::shared_ptr<const CPartSnapshot> SnapshotOf(CNamedObject& object)
{
    return std::make_shared<const CPartSnapshot>(CPartSnapshot::Take(object));
}

enum class EStep { make, edit, remove };

// The name a history step shows in the Edit menu: what was done to which part.
QString StepText(EStep step, CModelwrightView::EPartKind kind, const std::string& partName)
{
    using EPartKind = CModelwrightView::EPartKind;
    const QString name = QString::fromStdString(partName);
    switch (step) {
    case EStep::make:
        return kind == EPartKind::tree       ? CModelwrightView::tr("New tree \"%1\"").arg(name)
            : kind == EPartKind::building ? CModelwrightView::tr("New building \"%1\"").arg(name)
                                          : CModelwrightView::tr("New platform \"%1\"").arg(name);
    case EStep::edit:
        return kind == EPartKind::tree       ? CModelwrightView::tr("Edit tree \"%1\"").arg(name)
            : kind == EPartKind::building ? CModelwrightView::tr("Edit building \"%1\"").arg(name)
                                          : CModelwrightView::tr("Edit platform \"%1\"").arg(name);
    case EStep::remove:
        return kind == EPartKind::tree       ? CModelwrightView::tr("Delete tree \"%1\"").arg(name)
            : kind == EPartKind::building ? CModelwrightView::tr("Delete building \"%1\"").arg(name)
                                          : CModelwrightView::tr("Delete platform \"%1\"").arg(name);
    }
    return {};
}

size_t IndexOf(const CObjectManager& list, const CNamedObject* object)
{
    const auto& elements = list.GetList();
    const auto found = std::find_if(
        elements.begin(), elements.end(), [object](const auto& element) { return element.get() == object; });
    return static_cast<size_t>(found - elements.begin());
}

CNamedObject* PartNumbered(const CObjectManager& list, int32_t id)
{
    const auto& elements = list.GetList();
    const auto found
        = std::find_if(elements.begin(), elements.end(), [id](const auto& element) { return element->m_id == id; });
    return found == elements.end() ? nullptr : found->get();
}

QString PathText(const std::filesystem::path& path)
{
    return QString::fromStdString(PathToUtf8(path));
}

}

CModelwrightView::CModelwrightView(CModelwrightDoc& document, const CProgramOptions& options, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
    , m_options(options)
    , m_pWriter(std::make_unique<CPartsFileWriter>())
    , m_history(new QUndoStack(this))
{
    setObjectName("ModelwrightView");
    connect(m_history, &QUndoStack::cleanChanged, this, [this](bool clean) { m_document.SetModifiedFlag(!clean); });
    const auto makeButton = [this](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(name);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        return button;
    };
    m_filterEdit = new QLineEdit(this);
    m_filterEdit->setObjectName("filter");
    m_filterEdit->setClearButtonEnabled(true);
    m_objectList = new CPartsTable(this);
    m_objectList->setObjectName("objectList");
    m_objectList->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* findAction = new QAction(this);
    findAction->setShortcut(QKeySequence::Find);
    findAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(findAction);
    connect(findAction, &QAction::triggered, this, [this] {
        m_filterEdit->setFocus(Qt::ShortcutFocusReason);
        m_filterEdit->selectAll();
    });
    m_editHeaderButton = makeButton("editHeader");
    m_deleteButton = makeButton("delete");
    m_newTreeButton = makeButton("newTree");
    m_newBuildingButton = makeButton("newBuilding");
    m_editButton = makeButton("edit");
    m_exportButton = makeButton("export");
    m_exportAndCompileButton = makeButton("exportAndCompile");
    m_newPlatformButton = makeButton("newPlatform");

    // The form and the preview share the window's width; the table grows with the form, the
    // buttons keep their places beneath it.
    auto* form = new QWidget(this);
    form->setObjectName("form");
    m_preview = new CPartPreview(this);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName("previewSplitter");
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(form);
    m_splitter->addWidget(m_preview);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 12, 12);
    outer->addWidget(m_splitter);

    // The table takes the form's width; under it the commands that make parts, then those
    // that act on the selected part and on the catalogue.
    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(kButtonSpacing);
    grid->setVerticalSpacing(kButtonSpacing);
    grid->addWidget(m_filterEdit, 0, 0, 1, kButtonsPerRow);
    grid->addWidget(m_objectList, 1, 0, 1, kButtonsPerRow);
    grid->setRowMinimumHeight(2, 12 - kButtonSpacing);
    QPushButton* const rows[2][kButtonsPerRow] = {
        {m_editHeaderButton, m_newTreeButton, m_newBuildingButton, m_newPlatformButton},
        {m_editButton, m_deleteButton, m_exportButton, m_exportAndCompileButton}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < kButtonsPerRow; ++column)
            grid->addWidget(rows[row][column], 3 + row, column);
    for (int column = 0; column < kButtonsPerRow; ++column)
        grid->setColumnStretch(column, 1);
    grid->setRowStretch(1, 1);

    // The keyboard reads the form as the eye does: row by row, left to right.
    QWidget* const tabChain[] = {m_filterEdit, m_objectList, m_editHeaderButton, m_newTreeButton, m_newBuildingButton,
        m_newPlatformButton, m_editButton, m_deleteButton, m_exportButton, m_exportAndCompileButton,
        m_preview->Canvas()};
    for (size_t index = 1; index < std::size(tabChain); ++index)
        setTabOrder(tabChain[index - 1], tabChain[index]);

    connect(m_editHeaderButton, &QPushButton::clicked, this, &CModelwrightView::OnEditHeader);
    connect(m_editButton, &QPushButton::clicked, this, &CModelwrightView::OnEdit);
    connect(m_exportButton, &QPushButton::clicked, this, &CModelwrightView::OnExport);
    connect(m_newTreeButton, &QPushButton::clicked, this, &CModelwrightView::OnNewTree);
    connect(m_newBuildingButton, &QPushButton::clicked, this, &CModelwrightView::OnNewBuilding);
    connect(m_deleteButton, &QPushButton::clicked, this, &CModelwrightView::OnDelete);
    connect(m_objectList, &CPartsTable::selectedPartChanged, this, &CModelwrightView::OnSelChangeObjectList);
    connect(m_objectList, &CPartsTable::editRequested, this, &CModelwrightView::OnEdit);
    connect(m_objectList, &CPartsTable::deleteRequested, this, &CModelwrightView::OnDelete);
    connect(m_filterEdit, &QLineEdit::textChanged, m_objectList, &CPartsTable::SetFilter);
    connect(m_exportAndCompileButton, &QPushButton::clicked, this, &CModelwrightView::OnExportAndCompile);
    connect(m_newPlatformButton, &QPushButton::clicked, this, &CModelwrightView::OnNewPlatform);
    connect(m_preview, &CPartPreview::partRequested, this, &CModelwrightView::SelectPart);
    m_filterEdit->installEventFilter(this);
    m_objectList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_objectList, &QWidget::customContextMenuRequested, this, &CModelwrightView::ShowContextMenu);
    CreatePartActions();

    retranslateUi();
    OnInitialUpdate();
    SetCurrentExportOptions(&m_options);
}

CModelwrightView::~CModelwrightView()
{
    if (&CurrentExportOptions() == &m_options)
        SetCurrentExportOptions(nullptr);
}

void CModelwrightView::CreatePartActions()
{
    const auto makeAction = [this](const char* name, void (CModelwrightView::*command)()) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, command);
        // The view's own: the keys work wherever the form is, also without a menu bar.
        addAction(action);
        return action;
    };
    m_newTreeAction = makeAction("partNewTree", &CModelwrightView::OnNewTree);
    m_newBuildingAction = makeAction("partNewBuilding", &CModelwrightView::OnNewBuilding);
    m_newPlatformAction = makeAction("partNewPlatform", &CModelwrightView::OnNewPlatform);
    m_editAction = makeAction("partEdit", &CModelwrightView::OnEdit);
    m_deleteAction = makeAction("partDelete", &CModelwrightView::OnDelete);
    // The table's own keys, shown in the menus: Enter edits, Del deletes. They act only in the
    // table, so the filter box keeps its Enter and Del. Enter comes first, the name menus show.
    m_editAction->setShortcuts({QKeySequence(Qt::Key_Enter), QKeySequence(Qt::Key_Return)});
    m_deleteAction->setShortcut(QKeySequence(Qt::Key_Delete));
    for (QAction* tableCommand : {m_editAction, m_deleteAction}) {
        tableCommand->setShortcutContext(Qt::WidgetShortcut);
        m_objectList->addAction(tableCommand);
    }
    m_duplicateAction = makeAction("partDuplicate", &CModelwrightView::OnDuplicate);
    m_duplicateAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_exportAction = makeAction("partExport", &CModelwrightView::OnExport);
    m_exportAndCompileAction = makeAction("partExportAndCompile", &CModelwrightView::OnExportAndCompile);
    m_cutAction = makeAction("editCut", &CModelwrightView::OnCut);
    m_cutAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    m_copyAction = makeAction("editCopy", &CModelwrightView::OnCopy);
    m_copyAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    m_pasteAction = makeAction("editPaste", &CModelwrightView::OnPaste);
    m_pasteAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CModelwrightView::UpdatePasteCommand);
    UpdatePasteCommand();
}

void CModelwrightView::UpdatePasteCommand()
{
    const QMimeData* carried = QApplication::clipboard()->mimeData();
    m_pasteAction->setEnabled(carried && carried->hasFormat(QLatin1String(kPartMimeType)));
}

void CModelwrightView::FillPartMenu(QMenu& menu) const
{
    menu.addActions({m_newTreeAction, m_newBuildingAction, m_newPlatformAction});
    menu.addSeparator();
    menu.addActions({m_editAction, m_duplicateAction, m_deleteAction});
    menu.addSeparator();
    menu.addActions({m_exportAction, m_exportAndCompileAction});
}

void CModelwrightView::FillClipboardMenu(QMenu& menu) const
{
    menu.addActions({m_cutAction, m_copyAction, m_pasteAction});
}

void CModelwrightView::ShowContextMenu(const QPoint& position)
{
    // The menu acts on the row clicked; a click below the rows leaves the selection alone.
    if (const QModelIndex row = m_objectList->indexAt(position); row.isValid()) {
        m_objectList->SelectIndex(row.row());
        OnSelChangeObjectList();
    }
    QMenu menu(this);
    menu.setObjectName("partContextMenu");
    FillPartMenu(menu);
    menu.addSeparator();
    FillClipboardMenu(menu);
    menu.exec(m_objectList->viewport()->mapToGlobal(position));
}

bool CModelwrightView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_filterEdit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Down && m_objectList->count() > 0) {
            if (!m_objectList->GetSelectedObject()) {
                m_objectList->SelectIndex(0);
                OnSelChangeObjectList();
            }
            m_objectList->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (key->key() == Qt::Key_Escape && !m_filterEdit->text().isEmpty()) {
            m_filterEdit->clear();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CModelwrightView::retranslateUi()
{
    // A text too long for the button's width takes two lines, so that the buttons stay narrow on
    // a small screen; the menu shows the same text on one line.
    const auto set = [](QPushButton* button, QAction* action, const QString& text) {
        if (action)
            action->setText(text);
        const int middle = int(text.size() / 2);
        const qsizetype before = text.lastIndexOf(u' ', middle);
        const qsizetype after = text.indexOf(u' ', middle);
        const qsizetype split = before < 0 ? after : after < 0 ? before : (middle - before <= after - middle ? before : after);
        const bool wide = button->fontMetrics().horizontalAdvance(QString(text).remove(u'&')) > kButtonTextWidth;
        button->setText(wide && split > 0 ? QString(text).replace(split, 1, u'\n') : text);
    };
    set(m_editHeaderButton, nullptr, tr("Edi&t header ..."));
    set(m_deleteButton, m_deleteAction, tr("&Delete ..."));
    set(m_newTreeButton, m_newTreeAction, tr("&New tree ..."));
    set(m_newBuildingButton, m_newBuildingAction, tr("New &building ..."));
    set(m_editButton, m_editAction, tr("Ed&it ..."));
    set(m_exportButton, m_exportAction, tr("E&xport ..."));
    set(m_exportAndCompileButton, m_exportAndCompileAction, tr("Export and &compile ..."));
    set(m_newPlatformButton, m_newPlatformAction, tr("New &platform ..."));
    m_duplicateAction->setText(tr("D&uplicate"));
    m_duplicateAction->setStatusTip(tr("Add a copy of the selected part under a new name"));
    m_cutAction->setText(tr("Cu&t"));
    m_cutAction->setStatusTip(tr("Move the selected part to the clipboard"));
    m_copyAction->setText(tr("&Copy"));
    m_copyAction->setStatusTip(tr("Copy the selected part to the clipboard"));
    m_pasteAction->setText(tr("&Paste"));
    m_pasteAction->setStatusTip(tr("Add the part on the clipboard to the catalogue"));
    m_filterEdit->setPlaceholderText(tr("Filter by name or catalogue number (%1)")
                                         .arg(QKeySequence(QKeySequence::Find).toString(QKeySequence::NativeText)));
    FitButtons();
}

void CModelwrightView::FitButtons()
{
    // One size for all, the largest a text asks for (every button gets two lines' height, so
    // that a row of one-line and two-line texts looks even).
    const QList<QPushButton*> buttons = {m_editHeaderButton, m_newTreeButton, m_newBuildingButton, m_newPlatformButton,
        m_editButton, m_deleteButton, m_exportButton, m_exportAndCompileButton};
    QSize size(0, 2 * fontMetrics().lineSpacing() + 12);
    for (QPushButton* button : buttons) {
        button->setMinimumSize(0, 0);
        size = size.expandedTo(button->sizeHint());
    }
    for (QPushButton* button : buttons)
        button->setMinimumSize(size);
    // The table keeps a name, the kind, a catalogue number and a price in sight.
    m_objectList->setMinimumWidth(m_objectList->ReadableWidth());
}

void CModelwrightView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi();
        // The preview and the table take the new texts in their own turns.
        QMetaObject::invokeMethod(this, &CModelwrightView::FitButtons, Qt::QueuedConnection);
    }
    QWidget::changeEvent(event);
}

CPartsManager* CModelwrightView::GetPartsManager() const
{
    return m_document.m_pPartsManager.get();
}

void CModelwrightView::UpdateButtons()
{
    for (QWidget* command : {static_cast<QWidget*>(m_editButton), static_cast<QWidget*>(m_deleteButton)})
        command->setEnabled(m_pSelected != nullptr);
    for (QAction* command : {m_editAction, m_deleteAction, m_duplicateAction, m_cutAction, m_copyAction})
        command->setEnabled(m_pSelected != nullptr);
    m_preview->ShowPart(m_pSelected, m_options);
}

QByteArray CModelwrightView::PreviewLayout() const
{
    return m_splitter->saveState() + '\n' + m_preview->ViewName().toLatin1();
}

void CModelwrightView::RestorePreviewLayout(const QByteArray& layout)
{
    const qsizetype end = layout.lastIndexOf('\n');
    if (end < 0)
        return;
    m_splitter->restoreState(layout.left(end));
    m_preview->SetViewName(QString::fromLatin1(layout.mid(end + 1)));
}

void CModelwrightView::OnInitialUpdate()
{
    // Emptied first: the entries may carry parts of a catalogue that no longer exists.
    m_objectList->ClearEntries();
    if (const CPartsManager* parts = GetPartsManager())
        m_objectList->FillFromList(*parts);
    // A catalogue opens on its first part, ready for the keyboard.
    m_objectList->SelectIndex(0);
    m_objectList->setFocus(Qt::OtherFocusReason);
    m_pSelected = m_objectList->GetSelectedObject();
    UpdateButtons();
    m_preview->ShowExportFaults({}, {});
    m_history->clear();
}

void CModelwrightView::FollowModifiedFlag(bool modified)
{
    if (!modified)
        m_history->setClean();
    else if (m_history->isClean())
        m_history->resetClean();
}

void CModelwrightView::ShowRestoredPart(CNamedObject* part)
{
    m_objectList->ClearEntries();
    if (const CPartsManager* parts = GetPartsManager())
        m_objectList->FillFromList(*parts);
    // A part put back is shown even where the filter would hide it.
    if (part) {
        m_objectList->Reveal(part);
        ShowTableFilter();
    }
    m_pSelected = m_objectList->GetSelectedObject();
    UpdateButtons();
}

void CModelwrightView::PushPartStep(const QString& text, size_t index, std::shared_ptr<const CPartSnapshot> before,
    std::shared_ptr<const CPartSnapshot> after, std::optional<int32_t> shownWhenTakenOut)
{
    // Successive edits of one part share the state between them, so the history keeps it once.
    if (before && m_history->index() > 0) {
        const auto* last = dynamic_cast<const CPartStep*>(m_history->command(m_history->index() - 1));
        if (last && last->Index() == index && last->After() && *last->After() == *before)
            before = last->After();
    }
    m_history->push(new CPartStep(text, m_document, index, std::move(before), std::move(after),
        [this, shownWhenTakenOut](CNamedObject* part) {
            if (!part && shownWhenTakenOut && GetPartsManager())
                part = PartNumbered(*GetPartsManager(), *shownWhenTakenOut);
            ShowRestoredPart(part);
        }));
}

void CModelwrightView::ShowTableFilter()
{
    // The table drops its filter to show a part the filter would hide; the box follows.
    if (m_filterEdit->text() != m_objectList->Model().Filter()) {
        const QSignalBlocker blocker(m_filterEdit);
        m_filterEdit->setText(m_objectList->Model().Filter());
    }
}

void CModelwrightView::SelectPart(int32_t partId)
{
    const CPartsManager* parts = GetPartsManager();
    const CNamedObject* part = parts ? PartNumbered(*parts, partId) : nullptr;
    // A part deleted since the export, or hidden by the filter, is not there to select.
    if (!part || m_objectList->FindObject(part) < 0)
        return;
    m_objectList->SelectObject(part);
    OnSelChangeObjectList();
}

void CModelwrightView::OnSelChangeObjectList()
{
    m_pSelected = m_objectList->GetSelectedObject();
    UpdateButtons();
}

void CModelwrightView::NewPart(EPartKind kind)
{
    CPartsManager* parts = GetPartsManager();
    if (!parts)
        return;
    std::unique_ptr<CNamedObject> part = MakePart(kind);
    // A building given up with Cancel takes what its element commands did with it.
    const std::unique_ptr<IObjectEditor> editor = CreateEditor(kind);
    // The dialog works in the catalogue until it ends.
    m_document.AboutToChange();
    if (!editor || !editor->Edit(*part, *parts))
        return;
    part->SetDefaultName();
    const QString stepText = StepText(EStep::make, kind, part->m_name);
    AddMadePart(std::move(part), stepText);
}

void CModelwrightView::AddMadePart(std::unique_ptr<CNamedObject> part, const QString& stepText, std::optional<int32_t> shownAfterUndo)
{
    CPartsManager* parts = GetPartsManager();
    CNamedObject* added = part.get();
    m_objectList->AddAndSelect(added);
    ShowTableFilter();
    parts->Add(std::move(part));
    m_pSelected = added;
    UpdateButtons();
    PushPartStep(stepText, parts->GetCount() - 1, nullptr, SnapshotOf(*added), shownAfterUndo);
}

void CModelwrightView::OnDuplicate()
{
    CNamedObject* original = m_objectList->GetSelectedObject();
    if (!GetPartsManager() || !original)
        return;
    // The copy is made from the part's own document bytes, so it holds everything it has.
    const CRuntimeClass* const accepted[] = {original->GetRuntimeClass()};
    std::unique_ptr<CNamedObject> copy = SnapshotOf(*original)->Restore(accepted);
    copy->TakeNewNumber();
    copy->m_name = GetPartsManager()->CopyName(original->m_name);
    m_document.AboutToChange();
    AddMadePart(std::move(copy), tr("Duplicate \"%1\"").arg(QString::fromStdString(original->m_name)), original->m_id);
}

void CModelwrightView::OnEdit()
{
    CPartsManager* parts = GetPartsManager();
    CNamedObject* part = m_objectList->GetSelectedObject();
    if (!parts || !part)
        return;
    const std::optional<EPartKind> kind = PartKindOf(*part);
    if (!kind)
        return;
    const std::unique_ptr<IObjectEditor> editor = CreateEditor(*kind);
    if (!editor)
        return;
    std::shared_ptr<const CPartSnapshot> before = SnapshotOf(*part);
    // A dialog's own commands may change the part at once; whatever a cancelled dialog leaves
    // changed is one step of the whole session.
    bool changed = false;
    editor->OnChanged([&changed] { changed = true; });
    m_document.AboutToChange();
    const bool accepted = editor->Edit(*part, *parts);
    if (!accepted && !changed)
        return;
    std::shared_ptr<const CPartSnapshot> after = SnapshotOf(*part);
    if (!accepted && *after == *before)
        return;
    m_objectList->RefreshSelected();
    ShowTableFilter();
    m_pSelected = m_objectList->GetSelectedObject();
    UpdateButtons();
    PushPartStep(StepText(EStep::edit, *kind, part->m_name), IndexOf(*parts, part), std::move(before), std::move(after));
}

void CModelwrightView::OnCopy()
{
    CNamedObject* part = m_objectList->GetSelectedObject();
    if (!part)
        return;
    const std::vector<uint8_t> bytes = CPartSnapshot::Take(*part).ToBytes();
    auto* carried = new QMimeData;
    carried->setData(QLatin1String(kPartMimeType), QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    // Other programs get the part's name.
    carried->setText(QString::fromStdString(part->m_name));
    QApplication::clipboard()->setMimeData(carried);
}

void CModelwrightView::OnCut()
{
    OnCopy();
    OnDelete();
}

void CModelwrightView::OnPaste()
{
    const QMimeData* carried = QApplication::clipboard()->mimeData();
    if (!GetPartsManager() || !carried || !carried->hasFormat(QLatin1String(kPartMimeType)))
        return;
    const QByteArray data = carried->data(QLatin1String(kPartMimeType));
    const auto* first = reinterpret_cast<const uint8_t*>(data.constData());
    const std::optional<CPartSnapshot> snapshot = CPartSnapshot::FromBytes({first, size_t(data.size())});
    // Another program may put anything under the type: only a whole part is taken.
    const CRuntimeClass* const parts[] = {CTree::ThisClass(), CBuilding::ThisClass(), CPlatform::ThisClass()};
    std::unique_ptr<CNamedObject> part;
    try {
        if (snapshot)
            part = snapshot->Restore(parts);
    } catch (const CException&) {
    }
    if (!part) {
        ReportError(tr("The clipboard holds no part that can be pasted."));
        return;
    }
    part->TakeNewNumber();
    part->SetDefaultName();
    const QString name = QString::fromStdString(part->m_name);
    part->m_name = GetPartsManager()->CopyName(part->m_name);
    m_document.AboutToChange();
    AddMadePart(std::move(part), tr("Paste \"%1\"").arg(name), m_pSelected ? std::optional(m_pSelected->m_id) : std::nullopt);
}

void CModelwrightView::OnDelete()
{
    CPartsManager* parts = GetPartsManager();
    CNamedObject* part = m_objectList->GetSelectedObject();
    if (!parts || !part)
        return;
    const std::optional<EPartKind> kind = PartKindOf(*part);
    const QString text = StepText(EStep::remove, kind.value_or(EPartKind::tree), part->m_name);
    const size_t index = IndexOf(*parts, part);
    const int row = m_objectList->GetSelectedIndex();
    std::shared_ptr<const CPartSnapshot> before = SnapshotOf(*part);
    m_document.AboutToChange();
    // The entry goes first, so that the list never holds a destroyed part.
    m_objectList->DeleteSelected();
    parts->Delete(part);
    // The part that took its row is selected, or the one before it when it was the last.
    m_objectList->SelectIndex(std::min(row, m_objectList->count() - 1));
    m_pSelected = m_objectList->GetSelectedObject();
    UpdateButtons();
    PushPartStep(text, index, std::move(before), nullptr);
}

void CModelwrightView::OnEditHeader()
{
    CPartsManager* parts = GetPartsManager();
    if (!parts)
        return;
    const std::unique_ptr<IObjectEditor> editor = CreateHeaderEditor();
    if (!editor)
        return;
    // The address dialogs commit on their own OK, before the header dialog ends: each such
    // change is a step of its own.
    std::shared_ptr<const CPartSnapshot> before = SnapshotOf(*parts->m_pHeader);
    editor->OnChanged([this, parts, &before] {
        std::shared_ptr<const CPartSnapshot> after = SnapshotOf(*parts->m_pHeader);
        m_history->push(new CHeaderStep(tr("Edit address"), m_document, before, after));
        before = std::move(after);
    });
    m_document.AboutToChange();
    if (parts->EditHeader(*editor))
        m_history->push(new CHeaderStep(tr("Edit header"), m_document, before, SnapshotOf(*parts->m_pHeader)));
}

QString CModelwrightView::ExportPartsFile()
{
    const CPartsManager* parts = GetPartsManager();
    if (!parts)
        return QString();
    const QString path = AskExportPath();
    if (path.isEmpty())
        return QString();
    ExportToFile(*m_pWriter, *parts, m_options, PathFromUtf8(path.toStdString()));
    m_exportFolder = QFileInfo(path).absolutePath();
    // The file is written as the parts say; faults of the user's own lines are shown, not refused.
    const std::vector<SFreeTextFault> faults = CheckFreeTexts(*parts);
    std::vector<int32_t> partIds;
    for (const SFreeTextFault& fault : faults)
        partIds.push_back(parts->GetList()[fault.m_part]->m_id);
    m_preview->ShowExportFaults(faults, partIds);
    m_preview->ShowCompileOutput({}, {});
    emit partsFileExported(path, static_cast<int>(parts->GetCount()), static_cast<int>(faults.size()));
    return path;
}

QString CModelwrightView::ExportProposal() const
{
    const std::filesystem::path& catalogue = m_document.GetPathName();
    QString folder = m_exportFolder;
    if (folder.isEmpty() && !catalogue.empty())
        folder = QFileInfo(PathText(catalogue)).absolutePath();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString name = catalogue.empty() ? tr("Untitled") : QFileInfo(PathText(catalogue)).completeBaseName();
    // The file dialog reads double quotes in a typed name as a list of names in quotes, so
    // a name holding them would be cut down to what stands inside.
    name.replace(u'"', u'\'');
    return QDir(folder).filePath(name + QStringLiteral(".bdf"));
}

void CModelwrightView::OnExport()
{
    try {
        ExportPartsFile();
    } catch (const CException& error) {
        ReportError(ErrorText(error));
    }
}

void CModelwrightView::OnExportAndCompile()
{
    QString path;
    try {
        path = ExportPartsFile();
    } catch (const CException& error) {
        ReportError(ErrorText(error));
        return;
    }
    if (!path.isEmpty())
        StartCompiler(path);
}

void CModelwrightView::StartCompiler(const QString& path)
{
    const QString command = QString::fromStdString(m_options.m_compileCommand);
    const SCompileLaunch launch = PlanCompileLaunch(command, path, FileTypeOf(path));
    const QString file = QDir::toNativeSeparators(path);
    switch (launch.how) {
    case SCompileLaunch::EHow::refused:
        ReportError(launch.refusal);
        return;
    case SCompileLaunch::EHow::desktop:
        if (const QString opener = DesktopOpener(); !opener.isEmpty())
            RunOnPartsFile(opener, {path}, file, true);
        else if (OpenWithDesktop(path))
            emit statusMessage(tr("Opened %1 with the desktop's program for parts files.").arg(file));
        else
            ReportNoDesktopProgram(file);
        return;
    case SCompileLaunch::EHow::command:
        RunOnPartsFile(launch.program, launch.arguments, file, false);
        return;
    }
}

void CModelwrightView::RunOnPartsFile(const QString& program, const QStringList& arguments, const QString& file, bool desktop)
{
    // Each run reports its own end, even when the next export starts before it has ended.
    auto* run = new CCompileRun(program, file, desktop, this);
    connect(&run->Process(), &QProcess::started, this, [this, run] {
        if (!run->IsDesktop())
            emit statusMessage(tr("Started %1 on %2.").arg(run->Program(), run->File()));
    });
    connect(run, &CCompileRun::ended, this, [this, run](int exitCode, bool crashed) {
        OnCompileEnded(*run, exitCode, crashed);
        run->deleteLater();
    });
    connect(run, &CCompileRun::failedToStart, this, [this, run](const QString& error) {
        if (run->IsDesktop())
            ReportNoDesktopProgram(run->File());
        else
            ReportError(tr("Could not start %1: %2").arg(run->Program(), error));
        run->deleteLater();
    });
    StartProgram(run->Process(), program, arguments);
}

void CModelwrightView::OnCompileEnded(CCompileRun& run, int exitCode, bool crashed)
{
    if (run.IsDesktop()) {
        if (!crashed && exitCode == 0)
            emit statusMessage(tr("Opened %1 with the desktop's program for parts files.").arg(run.File()));
        else
            ReportNoDesktopProgram(run.File());
        return;
    }
    const QString status = crashed ? tr("crashed") : tr("exit %1").arg(exitCode);
    if (!crashed && exitCode == 0)
        emit statusMessage(tr("%1 on %2 finished (%3).").arg(run.Program(), run.File(), status));
    else
        emit statusMessage(tr("%1 on %2 failed (%3).").arg(run.Program(), run.File(), status));
    m_preview->ShowCompileOutput(tr("%1 ended (%2). Its last lines:").arg(run.Program(), status), run.LastLines(kCompileLinesShown));
}

void CModelwrightView::ReportNoDesktopProgram(const QString& file)
{
    ReportError(tr("No program on this desktop opens %1. Choose the program that compiles parts files "
                   "under Options, General options.")
                    .arg(file));
}

std::unique_ptr<IObjectEditor> CModelwrightView::CreateEditor(EPartKind kind)
{
    switch (kind) {
    case EPartKind::tree:
        return std::make_unique<CTreeDlg>(this);
    case EPartKind::building:
        return std::make_unique<CBuildingDlg>(this);
    case EPartKind::platform:
        return std::make_unique<CPlatformDlg>(this);
    }
    return nullptr;
}

std::unique_ptr<IObjectEditor> CModelwrightView::CreateHeaderEditor()
{
    return std::make_unique<CHeaderDlg>(this);
}

QString CModelwrightView::AskExportPath()
{
    QFileDialog dialog(this, tr("Export parts file"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(tr("Winrail parts files (*.bdf)"));
    dialog.setDefaultSuffix(QStringLiteral("bdf"));
    const QFileInfo proposal(ExportProposal());
    dialog.setDirectory(proposal.absolutePath());
    dialog.selectFile(proposal.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool CModelwrightView::OpenWithDesktop(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString CModelwrightView::DesktopOpener() const
{
#if defined(Q_OS_WIN)
    return {};
#elif defined(Q_OS_MACOS)
    return QStringLiteral("open");
#else
    return QStringLiteral("xdg-open");
#endif
}

void CModelwrightView::StartProgram(QProcess& process, const QString& program, const QStringList& arguments)
{
    process.start(program, arguments);
}

QMimeType CModelwrightView::FileTypeOf(const QString& path) const
{
    return QMimeDatabase().mimeTypeForFile(path);
}

void CModelwrightView::ReportError(const QString& message)
{
    QMessageBox::warning(this, tr("Winrail Modelwright"), message);
}

SSheetContent CModelwrightView::SheetContent(bool asShown) const
{
    SSheetContent content;
    content.m_name = m_document.GetPathName().empty() ? tr("Untitled") : QString::fromStdString(m_document.GetTitle());
    content.m_exportOptions = m_options;
    const CPartsManager* parts = GetPartsManager();
    if (!parts)
        return content;
    content.m_header = parts->m_pHeader.get();
    if (asShown) {
        for (int row = 0; row < m_objectList->count(); ++row)
            content.m_parts.push_back(m_objectList->Model().PartAt(row));
    } else {
        for (const auto& part : parts->GetList())
            content.m_parts.push_back(part.get());
    }
    std::erase_if(content.m_parts, [](const CNamedObject* part) { return !part || !PartKindOf(*part); });
    return content;
}

void CModelwrightView::PrintCatalogue(QPrinter& printer) const
{
    CCatalogueSheet(SheetContent(false)).Draw(printer);
}
