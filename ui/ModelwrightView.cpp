#include "ui/ModelwrightView.h"

#include "export/PartsFileWriter.h"
#include "model/Building.h"
#include "model/Exceptions.h"
#include "model/ModelwrightDoc.h"
#include "model/Platform.h"
#include "model/Tree.h"
#include "ui/BuildingDlg.h"
#include "ui/HeaderDlg.h"
#include "ui/ObjectListBox.h"
#include "ui/PartPreview.h"
#include "ui/PlatformDlg.h"
#include "ui/TreeDlg.h"

#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSplitter>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>

namespace {

// The form's buttons are large targets of one size, wider where a translation's text needs
// it; the buttons of a column share one width.
constexpr QSize kButtonSize(125, 46);

std::unique_ptr<CNamedObject> MakePart(CModelwrightView::EPartKind kind)
{
    switch (kind) {
    case CModelwrightView::EPartKind::tree:
        return std::make_unique<CTree>();
    case CModelwrightView::EPartKind::building:
        return std::make_unique<CBuilding>();
    case CModelwrightView::EPartKind::platform:
        return std::make_unique<CPlatform>();
    }
    return nullptr;
}

// The kind of a part by its class, trees tested first; nothing for another class.
std::optional<CModelwrightView::EPartKind> KindOf(const CNamedObject& part)
{
    if (part.IsKindOf(RUNTIME_CLASS(CTree)))
        return CModelwrightView::EPartKind::tree;
    if (part.IsKindOf(RUNTIME_CLASS(CBuilding)))
        return CModelwrightView::EPartKind::building;
    if (part.IsKindOf(RUNTIME_CLASS(CPlatform)))
        return CModelwrightView::EPartKind::platform;
    return std::nullopt;
}

QString Html(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

QString PathText(const std::filesystem::path& path)
{
    return QString::fromStdString(PathToUtf8(path));
}

// What a catalogue row shows of every kind of part.
struct SPartRow {
    QString kind;
    const std::string* catalogNo = nullptr;
    const std::string* price = nullptr;
    int32_t partsPerPackage = 0;
};

template <class T>
SPartRow RowOf(const T& part, const QString& kind)
{
    return {kind, &part.m_catalogNo, &part.m_price, part.m_partsPerPackage};
}

std::optional<SPartRow> RowOf(const CNamedObject& part)
{
    if (const auto* tree = DynamicDowncast<CTree>(&part))
        return RowOf(*tree, CModelwrightView::tr("Tree"));
    if (const auto* building = DynamicDowncast<CBuilding>(&part))
        return RowOf(*building, CModelwrightView::tr("Building"));
    if (const auto* platform = DynamicDowncast<CPlatform>(&part))
        return RowOf(*platform, CModelwrightView::tr("Platform"));
    return std::nullopt;
}

}

CModelwrightView::CModelwrightView(CModelwrightDoc& document, const CProgramOptions& options, QWidget* parent)
    : QWidget(parent)
    , m_document(document)
    , m_options(options)
    , m_pWriter(std::make_unique<CPartsFileWriter>())
{
    setObjectName("ModelwrightView");
    const auto makeButton = [this](const char* name) {
        auto* button = new QPushButton(this);
        button->setObjectName(name);
        button->setMinimumSize(kButtonSize);
        button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        return button;
    };
    m_objectList = new CObjectListBox(this);
    m_objectList->setObjectName("objectList");
    m_objectList->setFixedWidth(128);
    m_editHeaderButton = makeButton("editHeader");
    m_deleteButton = makeButton("delete");
    m_newTreeButton = makeButton("newTree");
    m_newBuildingButton = makeButton("newBuilding");
    m_editButton = makeButton("edit");
    m_exportButton = makeButton("export");
    m_exportAndCompileButton = makeButton("exportAndCompile");
    m_newPlatformButton = makeButton("newPlatform");

    // The form keeps its place on the left; the preview takes the room it leaves.
    auto* form = new QWidget(this);
    form->setObjectName("form");
    m_preview = new CPartPreview(this);
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName("previewSplitter");
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(form);
    m_splitter->addWidget(m_preview);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 12, 12);
    outer->addWidget(m_splitter);

    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(33, 45, 33, 30);
    grid->setHorizontalSpacing(36);
    grid->setVerticalSpacing(12);
    grid->addWidget(m_objectList, 0, 0, 4, 1);
    grid->addWidget(m_editHeaderButton, 0, 1);
    grid->addWidget(m_newTreeButton, 1, 1);
    grid->addWidget(m_newBuildingButton, 2, 1);
    grid->addWidget(m_newPlatformButton, 3, 1);
    grid->addWidget(m_editButton, 0, 2);
    grid->addWidget(m_deleteButton, 1, 2);
    grid->addWidget(m_exportButton, 2, 2);
    grid->addWidget(m_exportAndCompileButton, 3, 2);
    grid->setRowStretch(4, 1);

    setTabOrder(m_objectList, m_editHeaderButton);
    setTabOrder(m_editHeaderButton, m_deleteButton);
    setTabOrder(m_deleteButton, m_newTreeButton);
    setTabOrder(m_newTreeButton, m_newBuildingButton);
    setTabOrder(m_newBuildingButton, m_editButton);
    setTabOrder(m_editButton, m_exportButton);
    setTabOrder(m_exportButton, m_exportAndCompileButton);
    setTabOrder(m_exportAndCompileButton, m_newPlatformButton);
    setTabOrder(m_newPlatformButton, m_preview->Canvas());

    connect(m_editHeaderButton, &QPushButton::clicked, this, &CModelwrightView::OnEditHeader);
    connect(m_editButton, &QPushButton::clicked, this, &CModelwrightView::OnEdit);
    connect(m_exportButton, &QPushButton::clicked, this, &CModelwrightView::OnExport);
    connect(m_newTreeButton, &QPushButton::clicked, this, &CModelwrightView::OnNewTree);
    connect(m_newBuildingButton, &QPushButton::clicked, this, &CModelwrightView::OnNewBuilding);
    connect(m_deleteButton, &QPushButton::clicked, this, &CModelwrightView::OnDelete);
    connect(m_objectList, &CObjectListBox::itemSelectionChanged, this, &CModelwrightView::OnSelChangeObjectList);
    connect(m_exportAndCompileButton, &QPushButton::clicked, this, &CModelwrightView::OnExportAndCompile);
    connect(m_newPlatformButton, &QPushButton::clicked, this, &CModelwrightView::OnNewPlatform);

    retranslateUi();
    OnInitialUpdate();
    SetCurrentExportOptions(&m_options);
}

CModelwrightView::~CModelwrightView()
{
    if (&CurrentExportOptions() == &m_options)
        SetCurrentExportOptions(nullptr);
}

void CModelwrightView::retranslateUi()
{
    m_editHeaderButton->setText(tr("Edit header ..."));
    m_deleteButton->setText(tr("Delete ..."));
    m_newTreeButton->setText(tr("New tree ..."));
    m_newBuildingButton->setText(tr("New building ..."));
    m_editButton->setText(tr("Edit ..."));
    m_exportButton->setText(tr("Export ..."));
    m_exportAndCompileButton->setText(tr("Export and compile .."));
    m_newPlatformButton->setText(tr("New platform ..."));
}

void CModelwrightView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

CPartsManager* CModelwrightView::GetPartsManager() const
{
    return m_document.m_pPartsManager.get();
}

void CModelwrightView::UpdateButtons()
{
    m_editButton->setEnabled(m_pSelected != nullptr);
    m_deleteButton->setEnabled(m_pSelected != nullptr);
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
    m_pSelected = nullptr;
    UpdateButtons();
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
    // The building dialog's element commands mark the document through the building; a
    // building given up with Cancel must not leave the document marked.
    const bool wasModified = m_document.IsModified();
    if (auto* building = DynamicDowncast<CBuilding>(part.get()))
        building->SetDocument(parts->GetDocument());
    const std::unique_ptr<IObjectEditor> editor = CreateEditor(kind);
    if (!editor || !editor->Edit(*part, *parts)) {
        m_document.SetModifiedFlag(wasModified);
        return;
    }
    part->SetDefaultName();
    CNamedObject* added = part.get();
    m_objectList->AddAndSelect(added);
    parts->Add(std::move(part));
    m_document.SetModifiedFlag(true);
    m_pSelected = added;
    UpdateButtons();
}

void CModelwrightView::OnEdit()
{
    CPartsManager* parts = GetPartsManager();
    CNamedObject* part = m_objectList->GetSelectedObject();
    if (!parts || !part)
        return;
    const std::optional<EPartKind> kind = KindOf(*part);
    if (!kind)
        return;
    const std::unique_ptr<IObjectEditor> editor = CreateEditor(*kind);
    if (!editor || !editor->Edit(*part, *parts))
        return;
    m_document.SetModifiedFlag(true);
    m_objectList->RefreshSelected();
    m_pSelected = m_objectList->GetSelectedObject();
    UpdateButtons();
}

void CModelwrightView::OnDelete()
{
    CPartsManager* parts = GetPartsManager();
    CNamedObject* part = m_objectList->GetSelectedObject();
    if (!parts || !part)
        return;
    // The entry goes first, so that the list never holds a destroyed part.
    m_objectList->DeleteSelected();
    parts->Delete(part);
    m_objectList->SelectIndex(-1);
    m_pSelected = nullptr;
    UpdateButtons();
}

void CModelwrightView::OnEditHeader()
{
    CPartsManager* parts = GetPartsManager();
    if (!parts)
        return;
    if (const std::unique_ptr<IObjectEditor> editor = CreateHeaderEditor())
        parts->EditHeader(*editor);
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
    emit partsFileExported(path, static_cast<int>(parts->GetCount()));
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
    const QString name = catalogue.empty() ? tr("Untitled") : QFileInfo(PathText(catalogue)).completeBaseName();
    return QDir(folder).filePath(name + QStringLiteral(".bdf"));
}

void CModelwrightView::OnExport()
{
    try {
        ExportPartsFile();
    } catch (const CException& error) {
        ReportError(QString::fromStdString(error.what()));
    }
}

void CModelwrightView::OnExportAndCompile()
{
    QString path;
    try {
        path = ExportPartsFile();
    } catch (const CException& error) {
        ReportError(QString::fromStdString(error.what()));
        return;
    }
    if (!path.isEmpty())
        OpenWithDesktop(path);
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
    QFileDialog dialog(this, tr("Export partsfile"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(tr("Winrail parts Files (*.bdf)"));
    dialog.setDefaultSuffix(QStringLiteral("bdf"));
    const QFileInfo proposal(ExportProposal());
    dialog.setDirectory(proposal.absolutePath());
    dialog.selectFile(proposal.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void CModelwrightView::OpenWithDesktop(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CModelwrightView::ReportError(const QString& message)
{
    QMessageBox::warning(this, tr("Winrail Modelwright"), message);
}

QString CModelwrightView::CatalogueSheetHtml() const
{
    const CPartsManager* parts = GetPartsManager();
    if (!parts)
        return {};
    const CHeader& header = *parts->m_pHeader;
    QString html = QStringLiteral("<h2>%1</h2><table cellspacing=\"0\" cellpadding=\"3\">")
                       .arg(Html(m_document.GetTitle()));
    const auto addField = [&html](const QString& label, const QString& value) {
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(label.toHtmlEscaped(), value);
    };
    const auto addressHtml = [](const CManufacturer* address) {
        return address ? AddressSummary(*address).toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>"))
                       : QString();
    };
    addField(tr("Description"), Html(header.m_name));
    addField(tr("Author"), Html(header.m_author));
    addField(tr("Version"), QString::number(header.m_version));
    addField(tr("Currency"), Html(header.m_currency));
    addField(tr("Manufacturer"), addressHtml(header.m_pManufacturer.get()));
    addField(tr("Representative"), addressHtml(header.m_pRepresentative.get()));
    html += QStringLiteral("</table><br><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\"><tr>");
    for (const QString& title : {tr("Description"), tr("Kind"), tr("Catalogue number"), tr("Price"), tr("Parts per package")})
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(title.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const auto& part : parts->GetList()) {
        const std::optional<SPartRow> row = part ? RowOf(*part) : std::nullopt;
        if (!row)
            continue;
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>")
                    .arg(Html(part->m_name), row->kind.toHtmlEscaped(), Html(*row->catalogNo), Html(*row->price),
                        QString::number(row->partsPerPackage));
    }
    html += QStringLiteral("</table>");
    return html;
}

void CModelwrightView::PrintCatalogue(QPrinter& printer) const
{
    QTextDocument sheet;
    sheet.setHtml(CatalogueSheetHtml());
    sheet.print(&printer);
}
