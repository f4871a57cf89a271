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
// the address dialog changes at once (each such change is reported as it happens). OK writes
// the header's own fields back.
class CHeaderDlg : public QDialog, public IObjectEditor {
    Q_OBJECT
public:
    explicit CHeaderDlg(QWidget* parent = nullptr);

    // Runs the dialog on a CHeader; false for Cancel or another kind of object. An address
    // changed with the address dialog's own OK stays and is reported as it happens.
    bool Edit(CNamedObject& object, CObjectManager& owner) override;
    bool EditHeader(CHeader& header);

private:
    void LoadHeader();
    void StoreHeader();
    void OnEditManufacturer();
    void OnEditRepresentative();
    void EditAddress(CManufacturer* address, QPlainTextEdit* summary);
    static void ShowSummary(const CManufacturer* address, QPlainTextEdit* summary);

    CHeader* m_pHeader = nullptr;
    QLineEdit* m_description;
    QLineEdit* m_author;
    QLineEdit* m_version;
    QLineEdit* m_currency;
    QPlainTextEdit* m_manufacturerSummary;
    QPlainTextEdit* m_representativeSummary;
};
