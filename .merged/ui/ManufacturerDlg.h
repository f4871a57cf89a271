#pragma once

#include "model/ObjectEditor.h"

#include <QDialog>

class CManufacturer;
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

private:
    void LoadAddress();
    void StoreAddress();

    CManufacturer* m_pAddress = nullptr;
    QLineEdit* m_companyName;
    QLineEdit* m_street;
    QLineEdit* m_zipCode;
    QLineEdit* m_town;
    QLineEdit* m_country;
    QLineEdit* m_phone;
    QLineEdit* m_fax;
    QLineEdit* m_mail;
};
