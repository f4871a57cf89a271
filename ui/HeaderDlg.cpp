#include "ui/HeaderDlg.h"

#include "model/Header.h"
#include "ui/DialogFields.h"
#include "ui/ManufacturerDlg.h"
#include "ui/NumericEdit.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString AddressSummary(const CManufacturer& address)
{
    const std::pair<QString, const std::string&> lines[] = {
        {CHeaderDlg::tr("Name"), address.m_companyName},
        {CHeaderDlg::tr("Street+nr"), address.m_street},
        {CHeaderDlg::tr("ZIP"), address.m_zipCode},
        {CHeaderDlg::tr("Town"), address.m_town},
        {CHeaderDlg::tr("Country"), address.m_country},
        {CHeaderDlg::tr("Phone"), address.m_phone},
        {CHeaderDlg::tr("Fax"), address.m_fax},
        {CHeaderDlg::tr("Mail"), address.m_mail},
    };
    QString summary;
    for (const auto& [label, field] : lines)
        summary += label + QStringLiteral(": ") + QString::fromStdString(field) + QStringLiteral("\r\n");
    return summary;
}

CHeaderDlg::CHeaderDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("HeaderDlg");
    setWindowTitle(tr("Edit header"));
    setWindowModality(Qt::WindowModal);
    m_description = Named(new QLineEdit, "description");
    m_author = Named(new QLineEdit, "author");
    m_version = Named(new QLineEdit, "version");
    m_currency = Named(new QLineEdit, "currency");
    SetDigitsOnly(*m_version);

    auto* editManufacturer = Named(new QPushButton(tr("Edit &manufacturer ...")), "editManufacturer");
    auto* editRepresentative = Named(new QPushButton(tr("Edit &representative ...")), "editRepresentative");
    m_manufacturerSummary = Named(new QPlainTextEdit, "manufacturerSummary");
    m_representativeSummary = Named(new QPlainTextEdit, "representativeSummary");
    for (QPlainTextEdit* summary : {m_manufacturerSummary, m_representativeSummary}) {
        summary->setReadOnly(true);
        summary->setEnabled(false);
        summary->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    connect(editManufacturer, &QPushButton::clicked, this, &CHeaderDlg::OnEditManufacturer);
    connect(editRepresentative, &QPushButton::clicked, this, &CHeaderDlg::OnEditRepresentative);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    const auto addField = [grid](const QString& text, QWidget* field, int row, int column, int span) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1, 1, span);
    };
    addField(tr("&Description"), m_description, 0, 0, 3);
    addField(tr("&Author"), m_author, 1, 0, 3);
    addField(tr("&Version"), m_version, 2, 0, 1);
    addField(tr("C&urrency"), m_currency, 2, 2, 1);
    grid->addWidget(editManufacturer, 3, 0, 1, 2);
    grid->addWidget(editRepresentative, 3, 2, 1, 2);
    grid->addWidget(m_manufacturerSummary, 4, 0, 1, 2);
    grid->addWidget(m_representativeSummary, 4, 2, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    resize(620, 420);
    GiveLabelsTheirTextWidth(*this);
}

bool CHeaderDlg::Edit(CNamedObject& object, CObjectManager&)
{
    auto* header = DynamicDowncast<CHeader>(&object);
    return header && EditHeader(*header);
}

bool CHeaderDlg::EditHeader(CHeader& header)
{
    m_pHeader = &header;
    LoadHeader();
    const bool accepted = exec() == QDialog::Accepted;
    if (accepted)
        StoreHeader();
    m_pHeader = nullptr;
    return accepted;
}

void CHeaderDlg::LoadHeader()
{
    const CHeader& header = *m_pHeader;
    m_description->setText(QString::fromStdString(header.m_name));
    m_author->setText(QString::fromStdString(header.m_author));
    m_version->setText(QString::number(header.m_version));
    ShowSummary(header.m_pManufacturer.get(), m_manufacturerSummary);
    ShowSummary(header.m_pRepresentative.get(), m_representativeSummary);
    m_currency->setText(QString::fromStdString(header.m_currency));
    m_description->setFocus();
}

void CHeaderDlg::StoreHeader()
{
    CHeader& header = *m_pHeader;
    header.m_name = m_description->text().toStdString();
    header.m_author = m_author->text().toStdString();
    header.m_version = LeadingInteger(m_version->text());
    header.m_currency = m_currency->text().toStdString();
}

void CHeaderDlg::OnEditManufacturer()
{
    if (m_pHeader)
        EditAddress(m_pHeader->m_pManufacturer.get(), m_manufacturerSummary);
}

void CHeaderDlg::OnEditRepresentative()
{
    if (m_pHeader)
        EditAddress(m_pHeader->m_pRepresentative.get(), m_representativeSummary);
}

void CHeaderDlg::EditAddress(CManufacturer* address, QPlainTextEdit* summary)
{
    if (!address)
        return;
    CManufacturerDlg dialog(this);
    if (dialog.EditAddress(*address))
        ReportChanged();
    ShowSummary(address, summary);
}

void CHeaderDlg::ShowSummary(const CManufacturer* address, QPlainTextEdit* summary)
{
    // The edit shows line feeds; the summary's own line ends are CR LF.
    summary->setPlainText(address ? AddressSummary(*address).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) : QString());
}
