#include "ui/HeaderDlg.h"

#include "model/Header.h"
#include "ui/ManufacturerDlg.h"
#include "ui/NumericEdit.h"

#include <QDialogButtonBox>
#include <QEvent>
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
    m_descriptionLabel = new QLabel(this);
    m_authorLabel = new QLabel(this);
    m_versionLabel = new QLabel(this);
    m_currencyLabel = new QLabel(this);
    m_descriptionEdit = new QLineEdit(this);
    m_authorEdit = new QLineEdit(this);
    m_versionEdit = new QLineEdit(this);
    m_currencyEdit = new QLineEdit(this);
    SetDigitsOnly(*m_versionEdit);
    m_descriptionLabel->setBuddy(m_descriptionEdit);
    m_authorLabel->setBuddy(m_authorEdit);
    m_versionLabel->setBuddy(m_versionEdit);
    m_currencyLabel->setBuddy(m_currencyEdit);

    m_manufacturerButton = new QPushButton(this);
    m_representativeButton = new QPushButton(this);
    m_manufacturerSummary = new QPlainTextEdit(this);
    m_representativeSummary = new QPlainTextEdit(this);
    for (QPlainTextEdit* summary : {m_manufacturerSummary, m_representativeSummary}) {
        summary->setReadOnly(true);
        summary->setEnabled(false);
        summary->setLineWrapMode(QPlainTextEdit::NoWrap);
    }
    connect(m_manufacturerButton, &QPushButton::clicked, this, &CHeaderDlg::OnEditManufacturer);
    connect(m_representativeButton, &QPushButton::clicked, this, &CHeaderDlg::OnEditRepresentative);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout;
    grid->addWidget(m_descriptionLabel, 0, 0);
    grid->addWidget(m_descriptionEdit, 0, 1, 1, 3);
    grid->addWidget(m_authorLabel, 1, 0);
    grid->addWidget(m_authorEdit, 1, 1, 1, 3);
    grid->addWidget(m_versionLabel, 2, 0);
    grid->addWidget(m_versionEdit, 2, 1);
    grid->addWidget(m_currencyLabel, 2, 2);
    grid->addWidget(m_currencyEdit, 2, 3);
    grid->addWidget(m_manufacturerButton, 3, 0, 1, 2);
    grid->addWidget(m_representativeButton, 3, 2, 1, 2);
    grid->addWidget(m_manufacturerSummary, 4, 0, 1, 2);
    grid->addWidget(m_representativeSummary, 4, 2, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    resize(620, 420);
    retranslateUi();
}

void CHeaderDlg::retranslateUi()
{
    setWindowTitle(tr("Edit header"));
    m_descriptionLabel->setText(tr("Description"));
    m_authorLabel->setText(tr("Author"));
    m_versionLabel->setText(tr("Version"));
    m_currencyLabel->setText(tr("Currency"));
    m_manufacturerButton->setText(tr("Edit manufacturer ..."));
    m_representativeButton->setText(tr("Edit representative ..."));
    if (m_pHeader) {
        ShowSummary(m_pHeader->m_pManufacturer.get(), m_manufacturerSummary);
        ShowSummary(m_pHeader->m_pRepresentative.get(), m_representativeSummary);
    }
}

void CHeaderDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

bool CHeaderDlg::Edit(CNamedObject& object, CObjectManager&)
{
    auto* header = dynamic_cast<CHeader*>(&object);
    if (!header)
        return false;
    const bool accepted = EditHeader(*header);
    return accepted || m_addressChanged;
}

bool CHeaderDlg::EditHeader(CHeader& header)
{
    m_pHeader = &header;
    m_addressChanged = false;
    LoadHeader(header);
    const bool accepted = exec() == QDialog::Accepted;
    if (accepted)
        StoreHeader(header);
    m_pHeader = nullptr;
    return accepted;
}

void CHeaderDlg::LoadHeader(const CHeader& header)
{
    m_descriptionEdit->setText(QString::fromStdString(header.m_name));
    m_authorEdit->setText(QString::fromStdString(header.m_author));
    m_versionEdit->setText(QString::number(header.m_version));
    ShowSummary(header.m_pManufacturer.get(), m_manufacturerSummary);
    ShowSummary(header.m_pRepresentative.get(), m_representativeSummary);
    m_currencyEdit->setText(QString::fromStdString(header.m_currency));
}

void CHeaderDlg::StoreHeader(CHeader& header) const
{
    header.m_name = m_descriptionEdit->text().toStdString();
    header.m_author = m_authorEdit->text().toStdString();
    header.m_version = LeadingInteger(m_versionEdit->text());
    header.m_currency = m_currencyEdit->text().toStdString();
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
        m_addressChanged = true;
    ShowSummary(address, summary);
}

void CHeaderDlg::ShowSummary(const CManufacturer* address, QPlainTextEdit* summary)
{
    // The edit shows line feeds; the summary's own line ends are CR LF.
    summary->setPlainText(address ? AddressSummary(*address).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) : QString());
}
