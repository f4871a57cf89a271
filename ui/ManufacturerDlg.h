#pragma once

#include "model/ObjectEditor.h"

#include <QDialog>

class CManufacturer;
class QLabel;
class QLineEdit;

// "Edit manufacturer": the eight one-line fields of an address record. OK writes them back;
// Cancel leaves the record as it was.
class CManufacturerDlg : public QDialog, public IObjectEditor {
    Q_OBJECT
public:
    explicit CManufacturerDlg(QWidget* parent = nullptr);

    // Runs the dialog on a CManufacturer; false for Cancel or another kind of object.
    bool Edit(CNamedObject& object, CObjectManager& owner) override;
    bool EditAddress(CManufacturer& address);

    QLineEdit* NameEdit() const { return m_companyNameEdit; }
    QLineEdit* StreetEdit() const { return m_streetEdit; }
    QLineEdit* ZipCodeEdit() const { return m_zipCodeEdit; }
    QLineEdit* TownEdit() const { return m_townEdit; }
    QLineEdit* CountryEdit() const { return m_countryEdit; }
    QLineEdit* PhoneEdit() const { return m_phoneEdit; }
    QLineEdit* FaxEdit() const { return m_faxEdit; }
    QLineEdit* MailEdit() const { return m_mailEdit; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void LoadAddress(const CManufacturer& address);
    void StoreAddress(CManufacturer& address) const;

    QLabel* m_companyNameLabel;
    QLabel* m_streetLabel;
    QLabel* m_zipCodeLabel;
    QLabel* m_townLabel;
    QLabel* m_countryLabel;
    QLabel* m_phoneLabel;
    QLabel* m_faxLabel;
    QLabel* m_mailLabel;
    QLineEdit* m_companyNameEdit;
    QLineEdit* m_streetEdit;
    QLineEdit* m_zipCodeEdit;
    QLineEdit* m_townEdit;
    QLineEdit* m_countryEdit;
    QLineEdit* m_phoneEdit;
    QLineEdit* m_faxEdit;
    QLineEdit* m_mailEdit;
};
