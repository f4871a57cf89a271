#include "ui/OptionsPropertySheet.h"

#include "ui/DialogFields.h"
#include "ui/GeneralOptions.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

COptionsPropertySheet::COptionsPropertySheet(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("OptionsPropertySheet");
    setWindowTitle(tr("Options"));
    setWindowModality(Qt::WindowModal);
    auto* pages = Named(new QTabWidget, "pages");
    m_page = new CGeneralOptions;
    pages->addTab(m_page, CGeneralOptions::Caption());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    GiveLabelsTheirTextWidth(*this);
}

bool COptionsPropertySheet::EditOptions(CProgramOptions& options)
{
    m_page->Load(options);
    if (exec() != QDialog::Accepted)
        return false;
    m_page->Store(options);
    return true;
}

bool EditOptions(CProgramOptions& options, QWidget* parent)
{
    COptionsPropertySheet sheet(parent);
    return sheet.EditOptions(options);
}
