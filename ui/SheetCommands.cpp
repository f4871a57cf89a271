#include "ui/SheetCommands.h"

#include "model/Exceptions.h"
#include "model/FileIO.h"
#include "ui/DialogFields.h"
#include "ui/ErrorMessages.h"
#include "ui/ModelwrightView.h"
#include "ui/SheetPdf.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEngine>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The scales model railways are mostly built in, largest first.
constexpr double kCommonScales[] = {45, 87, 120, 160, 220};

// A preview keeps every page's pictures in memory, and a screen shows fewer dots than paper.
constexpr int kPreviewPictureDpi = 150;

bool DrawsPreview(const QPrinter& printer)
{
    const QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

std::filesystem::path PathOf(const QString& path)
{
    return PathFromUtf8(path.toStdString());
}

}

CSheetOptionsDlg::CSheetOptionsDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("SheetOptionsDlg");
    setWindowTitle(tr("Catalogue sheet"));
    m_scale = Named(new QComboBox, "modelScale");
    m_scale->setEditable(true);
    m_scale->setInsertPolicy(QComboBox::NoInsert);
    m_scale->setMinimumContentsLength(10);
    m_scale->addItem(tr("None"), 0.0);
    for (double scale : kCommonScales)
        m_scale->addItem(ModelScaleText(scale), scale);
    m_asShown = Named(new QCheckBox(tr("Only the parts the table &shows, in its order")), "asShown");
    auto* scaleLabel = new QLabel(tr("&Model scale (adds the real sizes):"));
    scaleLabel->setBuddy(m_scale);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = Named(buttons->button(QDialogButtonBox::Ok), "ok");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_okHint = NewOkHint();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_okHint, 1);
    buttonRow->addWidget(buttons);

    auto* fields = new QFormLayout;
    fields->addRow(scaleLabel, m_scale);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_asShown);
    layout->addStretch(1);
    layout->addLayout(buttonRow);
    connect(m_scale, &QComboBox::currentTextChanged, this, &CSheetOptionsDlg::UpdateOkButton);
    UpdateOkButton();
}

void CSheetOptionsDlg::SetChoices(double modelScale, bool asShown)
{
    const int known = m_scale->findData(modelScale);
    if (known >= 0)
        m_scale->setCurrentIndex(known);
    else
        m_scale->setEditText(ModelScaleText(modelScale));
    m_asShown->setChecked(asShown);
}

double CSheetOptionsDlg::ModelScale() const
{
    const QString text = m_scale->currentText();
    if (text == m_scale->itemText(0))
        return 0;
    return ParseModelScale(text).value_or(0);
}

bool CSheetOptionsDlg::AsShown() const
{
    return m_asShown->isChecked();
}

void CSheetOptionsDlg::UpdateOkButton()
{
    const QString text = m_scale->currentText();
    const bool valid = text == m_scale->itemText(0) || ParseModelScale(text).has_value();
    ShowOkState(*m_ok, *m_okHint, valid ? QString() : tr("a scale such as 1:87"));
}

CSheetCommands::CSheetCommands(CModelwrightView& view, QWidget& window)
    : QObject(&window)
    , m_view(view)
    , m_window(window)
{
}

bool CSheetCommands::AskOptions()
{
    CSheetOptionsDlg dialog(&m_window);
    dialog.SetChoices(m_modelScale, m_asShown);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    m_modelScale = dialog.ModelScale();
    m_asShown = dialog.AsShown();
    return true;
}

SSheetContent CSheetCommands::Content() const
{
    SSheetContent content = m_view.SheetContent(m_asShown);
    content.m_modelScale = m_modelScale;
    return content;
}

bool CSheetCommands::WithProgress(const std::function<bool(const CCatalogueSheet::Progress&)>& work, int parts)
{
    // The preview's own dialog is open while it asks for its pages.
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &m_window;
    QProgressDialog progress(tr("Drawing the catalogue sheet..."), tr("Cancel"), 0, std::max(parts, 1), parent);
    progress.setObjectName("sheetProgress");
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    return work([&progress](int done, int total) {
        progress.setMaximum(std::max(total, 1));
        progress.setValue(done);
        return !progress.wasCanceled();
    });
}

void CSheetCommands::Print(QPrinter& printer)
{
    const SSheetContent content = Content();
    WithProgress([&](const CCatalogueSheet::Progress& progress) { return CCatalogueSheet(content).Draw(printer, progress); },
        static_cast<int>(content.m_parts.size()));
}

void CSheetCommands::Draw(QPrinter& printer)
{
    SSheetContent content = Content();
    if (DrawsPreview(printer))
        content.m_pictureDpi = kPreviewPictureDpi;
    WithProgress([&](const CCatalogueSheet::Progress& progress) { return CCatalogueSheet(content).Draw(printer, progress); },
        static_cast<int>(content.m_parts.size()));
}

QString CSheetCommands::PdfProposal() const
{
    const QFileInfo proposal(m_view.ExportProposal());
    return proposal.dir().filePath(proposal.completeBaseName() + QStringLiteral(".pdf"));
}

QString CSheetCommands::AskPdfPath()
{
    QFileDialog dialog(&m_window, tr("Export catalogue as PDF"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({tr("PDF documents (*.pdf)")});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QFileInfo proposal(PdfProposal());
    dialog.setDirectory(proposal.absolutePath());
    dialog.selectFile(proposal.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void CSheetCommands::ReportError(const QString& message)
{
    QMessageBox::warning(&m_window, tr("Winrail Modelwright"), message);
}

QString CSheetCommands::ExportPdf(const QPageLayout& page)
{
    if (!AskOptions())
        return {};
    const QString path = AskPdfPath();
    if (path.isEmpty())
        return {};
    const SSheetContent content = Content();
    try {
        const bool written = WithProgress([&](const CCatalogueSheet::Progress& progress) {
            return WriteCatalogueSheetPdf(PathOf(path), content, page, progress);
        }, static_cast<int>(content.m_parts.size()));
        if (!written)
            return {};
    } catch (const CException& error) {
        ReportError(ErrorText(error));
        return {};
    }
    m_view.SetExportFolder(QFileInfo(path).absolutePath());
    return path;
}
