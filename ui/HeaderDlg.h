#pragma once

#include "model/ObjectEditor.h"

#include <QDialog>

class CHeader;
class CManufacturer;
class QLineEdit;
class QPlainTextEdit;

// The eight lines "<label>: <field>\r\n" that show an address record in the header dialog.
QString AddressSummary(const CManufacturer& address);

// "Edit header": the catalogue header's own fields, and the two address records, which
// the address dialog changes at once. OK writes the header's own fields back.
class CHeaderDlg : public QDialog, public IObjectEditor {
    Q_OBJECT
public:
    explicit CHeaderDlg(QWidget* parent = nullptr);

    // Runs the dialog on a CHeader; true when the header changed: OK, or Cancel after an
    // address was changed with the address dialog's own OK (that change stays).
    bool Edit(CNamedObject& object, CObjectManager& owner) override;
    // Runs the dialog; true for OK.
    bool EditHeader(CHeader& header);
    // An address was changed with its own OK during the last run.
    bool AddressChanged() const { return m_addressChanged; }

private:
    void LoadHeader();
    void StoreHeader();
    void OnEditManufacturer();
    void OnEditRepresentative();
    void EditAddress(CManufacturer* address, QPlainTextEdit* summary);
    static void ShowSummary(const CManufacturer* address, QPlainTextEdit* summary);

    CHeader* m_pHeader = nullptr;
    bool m_addressChanged = false;
    QLineEdit* m_description;
    QLineEdit* m_author;
    QLineEdit* m_version;
    QLineEdit* m_currency;
    QPlainTextEdit* m_manufacturerSummary;
    QPlainTextEdit* m_representativeSummary;
};
