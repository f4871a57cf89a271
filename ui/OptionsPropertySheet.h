#pragma once

#include "ui/GeneralOptions.h"

#include <QDialog>

class CProgramOptions;
class QDialogButtonBox;
class QTabWidget;

// "Options": a sheet with the one page of general options.
class COptionsPropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit COptionsPropertySheet(QWidget* parent = nullptr);

    // Fills the page, runs the sheet and, on OK, lets the page take its controls back.
    int DoModal();

    CGeneralOptions& Page() { return *m_page; }
    QTabWidget* Tabs() const { return m_tabs; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QTabWidget* m_tabs;
    CGeneralOptions* m_page;
    QDialogButtonBox* m_buttons;
};

// Shows the options sheet on the options; OK takes over every value, Cancel none.
// True for OK.
bool EditOptions(CProgramOptions& options, QWidget* parent = nullptr);
