#pragma once

#include "model/ObjectEditor.h"

#include <QDialog>

class CBuilding;
class CNumericEdit;
class CObjectListBox;
class CPartPreview;
class CPartSnapshot;
class CUnitsComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Building edit dialog": a building's catalogue fields and its list of elements. The
// element buttons change the building at once, and Cancel puts it back as it was when the
// dialog opened.
class CBuildingDlg : public QDialog, public IObjectEditor {
    Q_OBJECT
public:
    explicit CBuildingDlg(QWidget* parent = nullptr);

    // Runs the dialog on a CBuilding; false for Cancel or another kind of object. Each change
    // to the elements (its own or one inside an element) is reported as it happens.
    bool Edit(CNamedObject& object, CObjectManager& owner) override;
    bool EditBuilding(CBuilding& building);

private:
    QWidget* CreateHeaderGroup();
    QWidget* CreateElementsGroup();
    void LoadBuilding();
    static void PutBackElements(CBuilding& building, const CPartSnapshot& opened);
    void StoreBuilding();
    void UpdateControls();
    void OnNewElement();
    void OnEditElement();
    void OnDeleteElement();
    void OnPieceClicked(int32_t piece);

    CBuilding* m_pBuilding = nullptr;
    QLineEdit* m_description;
    QLineEdit* m_catalogNo;
    QLineEdit* m_price;
    CNumericEdit* m_partsPerPackage;
    CUnitsComboBox* m_units;
    CObjectListBox* m_elements;
    QPushButton* m_newElement;
    QPushButton* m_editElement;
    QPushButton* m_deleteElement;
    QPlainTextEdit* m_freeText;
    CPartPreview* m_preview;
};
