#include "ui/ManufacturerDlg.h"

#include "model/Manufacturer.h"
#include "ui/DialogFields.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CManufacturerDlg::CManufacturerDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("ManufacturerDlg");
    setWindowTitle(tr("Edit manufacturer"));
    setWindowModality(Qt::WindowModal);
    auto* form = new QFormLayout;
    const auto addField = [form](const QString& label, const char* name) {
        auto* edit = Named(new QLineEdit, name);
        form->addRow(label, edit);
        return edit;
    };
    m_companyName = addField(tr("&Name"), "companyName");
    m_street = addField(tr("&Street+nr"), "street");
    m_zipCode = addField(tr("&ZIP code"), "zipCode");
    m_town = addField(tr("&Town"), "town");
    m_country = addField(tr("Co&untry"), "country");
    m_phone = addField(tr("&Phone"), "phone");
    m_fax = addField(tr("&Fax"), "fax");
    m_mail = addField(tr("&Mail"), "mail");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    GiveLabelsTheirTextWidth(*this);
}

bool CManufacturerDlg::Edit(CNamedObject& object, CObjectManager&)
{
    auto* address = DynamicDowncast<CManufacturer>(&object);
    return address && EditAddress(*address);
}

bool CManufacturerDlg::EditAddress(CManufacturer& address)
{
    m_pAddress = &address;
    LoadAddress();
    const bool accepted = exec() == QDialog::Accepted;
    if (accepted)
        StoreAddress();
    m_pAddress = nullptr;
    return accepted;
}

void CManufacturerDlg::LoadAddress()
{
    const CManufacturer& address = *m_pAddress;
    m_companyName->setText(QString::fromStdString(address.m_companyName));
    m_street->setText(QString::fromStdString(address.m_street));
    m_zipCode->setText(QString::fromStdString(address.m_zipCode));
    m_town->setText(QString::fromStdString(address.m_town));
    m_country->setText(QString::fromStdString(address.m_country));
    m_phone->setText(QString::fromStdString(address.m_phone));
    m_fax->setText(QString::fromStdString(address.m_fax));
    m_mail->setText(QString::fromStdString(address.m_mail));
}

void CManufacturerDlg::StoreAddress()
{
    CManufacturer& address = *m_pAddress;
    address.m_companyName = m_companyName->text().toStdString();
    address.m_street = m_street->text().toStdString();
    address.m_zipCode = m_zipCode->text().toStdString();
    address.m_town = m_town->text().toStdString();
    address.m_country = m_country->text().toStdString();
    address.m_phone = m_phone->text().toStdString();
    address.m_fax = m_fax->text().toStdString();
    address.m_mail = m_mail->text().toStdString();
}
