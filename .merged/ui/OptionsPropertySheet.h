#pragma once

#include <QDialog>

class CGeneralOptions;
class CProgramOptions;

// "Options": a sheet with the one page of general options.
class COptionsPropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit COptionsPropertySheet(QWidget* parent = nullptr);

    // Shows the options; OK takes over all three values, Cancel none. True for OK.
    bool EditOptions(CProgramOptions& options);

private:
    CGeneralOptions* m_page;
};

// Shows the options sheet on the options; OK takes over every value, Cancel none.
// True for OK.
bool EditOptions(CProgramOptions& options, QWidget* parent = nullptr);
