#include "ui/ManufacturerDlg.h"

#include "model/Manufacturer.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CManufacturerDlg::CManufacturerDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("ManufacturerDlg");
    auto* form = new QFormLayout;
    const auto addRow = [this, form](QLabel*& label, QLineEdit*& edit, const char* name) {
        label = new QLabel(this);
        edit = new QLineEdit(this);
        edit->setObjectName(name);
        label->setBuddy(edit);
        form->addRow(label, edit);
    };
    addRow(m_companyNameLabel, m_companyNameEdit, "companyName");
    addRow(m_streetLabel, m_streetEdit, "street");
    addRow(m_zipCodeLabel, m_zipCodeEdit, "zipCode");
    addRow(m_townLabel, m_townEdit, "town");
    addRow(m_countryLabel, m_countryEdit, "country");
    addRow(m_phoneLabel, m_phoneEdit, "phone");
    addRow(m_faxLabel, m_faxEdit, "fax");
    addRow(m_mailLabel, m_mailEdit, "mail");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    retranslateUi();
}

void CManufacturerDlg::retranslateUi()
{
    setWindowTitle(tr("Edit manufacturer"));
    m_companyNameLabel->setText(tr("Name"));
    m_streetLabel->setText(tr("Street+nr"));
    m_zipCodeLabel->setText(tr("ZIP code"));
    m_townLabel->setText(tr("Town"));
    m_countryLabel->setText(tr("Country"));
    m_phoneLabel->setText(tr("Phone"));
    m_faxLabel->setText(tr("Fax"));
    m_mailLabel->setText(tr("Mail"));
}

void CManufacturerDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

bool CManufacturerDlg::Edit(CNamedObject& object, CObjectManager&)
{
    auto* address = dynamic_cast<CManufacturer*>(&object);
    return address && EditAddress(*address);
}

bool CManufacturerDlg::EditAddress(CManufacturer& address)
{
    LoadAddress(address);
    if (exec() != QDialog::Accepted)
        return false;
    StoreAddress(address);
    return true;
}

void CManufacturerDlg::LoadAddress(const CManufacturer& address)
{
    m_companyNameEdit->setText(QString::fromStdString(address.m_companyName));
    m_streetEdit->setText(QString::fromStdString(address.m_street));
    m_zipCodeEdit->setText(QString::fromStdString(address.m_zipCode));
    m_townEdit->setText(QString::fromStdString(address.m_town));
    m_countryEdit->setText(QString::fromStdString(address.m_country));
    m_phoneEdit->setText(QString::fromStdString(address.m_phone));
    m_faxEdit->setText(QString::fromStdString(address.m_fax));
    m_mailEdit->setText(QString::fromStdString(address.m_mail));
}

void CManufacturerDlg::StoreAddress(CManufacturer& address) const
{
    address.m_companyName = m_companyNameEdit->text().toStdString();
    address.m_street = m_streetEdit->text().toStdString();
    address.m_zipCode = m_zipCodeEdit->text().toStdString();
    address.m_town = m_townEdit->text().toStdString();
    address.m_country = m_countryEdit->text().toStdString();
    address.m_phone = m_phoneEdit->text().toStdString();
    address.m_fax = m_faxEdit->text().toStdString();
    address.m_mail = m_mailEdit->text().toStdString();
}
