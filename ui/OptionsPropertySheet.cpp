#include "ui/OptionsPropertySheet.h"

#include "settings/ProgramOptions.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QTabWidget>
#include <QVBoxLayout>

COptionsPropertySheet::COptionsPropertySheet(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("OptionsPropertySheet");
    m_tabs = new QTabWidget(this);
    m_page = new CGeneralOptions(m_tabs);
    m_tabs->addTab(m_page, QString());
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(m_buttons);
    retranslateUi();
}

void COptionsPropertySheet::retranslateUi()
{
    setWindowTitle(tr("Options"));
    m_tabs->setTabText(0, CGeneralOptions::Caption());
}

void COptionsPropertySheet::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

int COptionsPropertySheet::DoModal()
{
    m_tabs->setCurrentIndex(0);
    m_page->OnInitDialog();
    const int result = exec();
    if (result == QDialog::Accepted)
        m_page->OnOK();
    return result;
}

bool EditOptions(CProgramOptions& options, QWidget* parent)
{
    COptionsPropertySheet sheet(parent);
    sheet.Page().m_hexahedronBugfix = options.m_hexahedronBugfix;
    sheet.Page().m_winrailVersion = options.m_winrailVersion;
    sheet.Page().m_language = options.m_language;
    sheet.Page().m_compileCommand = QString::fromStdString(options.m_compileCommand);
    if (sheet.DoModal() != QDialog::Accepted)
        return false;
    options.m_hexahedronBugfix = sheet.Page().m_hexahedronBugfix;
    options.m_winrailVersion = sheet.Page().m_winrailVersion;
    options.m_language = sheet.Page().m_language;
    options.m_compileCommand = sheet.Page().m_compileCommand.toStdString();
    return true;
}
