#pragma once

#include "model/ObjectEditor.h"

#include <QDialog>

class CHeader;
class CManufacturer;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

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

    QLineEdit* DescriptionEdit() const { return m_descriptionEdit; }
    QLineEdit* AuthorEdit() const { return m_authorEdit; }
    QLineEdit* VersionEdit() const { return m_versionEdit; }
    QLineEdit* CurrencyEdit() const { return m_currencyEdit; }
    QPushButton* ManufacturerButton() const { return m_manufacturerButton; }
    QPushButton* RepresentativeButton() const { return m_representativeButton; }
    QPlainTextEdit* ManufacturerSummary() const { return m_manufacturerSummary; }
    QPlainTextEdit* RepresentativeSummary() const { return m_representativeSummary; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void LoadHeader(const CHeader& header);
    void StoreHeader(CHeader& header) const;
    void OnEditManufacturer();
    void OnEditRepresentative();
    void EditAddress(CManufacturer* address, QPlainTextEdit* summary);
    static void ShowSummary(const CManufacturer* address, QPlainTextEdit* summary);

    CHeader* m_pHeader = nullptr;
    bool m_addressChanged = false;
    QLabel* m_descriptionLabel;
    QLabel* m_authorLabel;
    QLabel* m_versionLabel;
    QLabel* m_currencyLabel;
    QLineEdit* m_descriptionEdit;
    QLineEdit* m_authorEdit;
    QLineEdit* m_versionEdit;
    QLineEdit* m_currencyEdit;
    QPushButton* m_manufacturerButton;
    QPushButton* m_representativeButton;
    QPlainTextEdit* m_manufacturerSummary;
    QPlainTextEdit* m_representativeSummary;
};
