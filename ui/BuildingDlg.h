#pragma once

#include "model/ObjectEditor.h"

#include <QDialog>

class CBuilding;
class CNumericEdit;
class CObjectListBox;
class CUnitsComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Building edit dialog": a building's catalogue fields and its list of elements. The
// element buttons change the building at once, so Cancel keeps what they did and only
// forgets the dialog's own fields.
class CBuildingDlg : public QDialog, public IObjectEditor {
    Q_OBJECT
public:
    explicit CBuildingDlg(QWidget* parent = nullptr);

    // Runs the dialog on a CBuilding; false for Cancel or another kind of object. Each change
    // to the elements (its own or one inside an element) is reported as it happens.
    bool Edit(CNamedObject& object, CObjectManager& owner) override;
    bool EditBuilding(CBuilding& building);

    QLineEdit* DescriptionEdit() const { return m_descriptionEdit; }
    QLineEdit* CatalogNoEdit() const { return m_catalogNoEdit; }
    CNumericEdit* PriceEdit() const { return m_priceEdit; }
    CNumericEdit* PartsPerPackageEdit() const { return m_partsPerPackageEdit; }
    CUnitsComboBox* UnitsCombo() const { return m_unitsCombo; }
    CObjectListBox* ElementList() const { return m_elementList; }
    QPushButton* NewButton() const { return m_newButton; }
    QPushButton* EditButton() const { return m_editButton; }
    QPushButton* DeleteButton() const { return m_deleteButton; }
    QPlainTextEdit* FreeTextEdit() const { return m_freeTextEdit; }
    QPushButton* OkButton() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    QGroupBox* CreateHeaderGroup();
    QGroupBox* CreateElementsGroup();
    void retranslateUi();

    void LoadBuilding(const CBuilding& building);
    void StoreBuilding(CBuilding& building) const;
    void UpdateControls();
    void OnNewElement();
    void OnEditElement();
    void OnDeleteElement();

    CBuilding* m_pBuilding = nullptr;

    QGroupBox* m_headerGroup;
    QLabel* m_descriptionLabel;
    QLabel* m_catalogNoLabel;
    QLabel* m_priceLabel;
    QLabel* m_partsPerPackageLabel;
    QLabel* m_unitsLabel;
    QLineEdit* m_descriptionEdit;
    QLineEdit* m_catalogNoEdit;
    CNumericEdit* m_priceEdit;
    CNumericEdit* m_partsPerPackageEdit;
    CUnitsComboBox* m_unitsCombo;
    QGroupBox* m_elementsGroup;
    CObjectListBox* m_elementList;
    QPushButton* m_newButton;
    QPushButton* m_editButton;
    QPushButton* m_deleteButton;
    QGroupBox* m_freeTextGroup;
    QPlainTextEdit* m_freeTextEdit;
    QDialogButtonBox* m_buttons;
};
