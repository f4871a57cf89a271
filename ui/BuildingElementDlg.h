#pragma once

#include "model/ObjectEditor.h"

#include <QDialog>

class CBuildingElement;
class CColorButton;
class CDecorationManager;
class CNumericEdit;
class CObjectListBox;
class QButtonGroup;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// "Building element": one block of a building with its roof, its position and its doors
// and windows. The decoration buttons change the element's decoration list at once, so
// Cancel keeps what they did and only forgets the dialog's own fields. OK stays disabled
// until a roof type and an orientation are chosen and height, width and depth are not zero.
class CBuildingElementDlg : public QDialog, public IObjectEditor {
    Q_OBJECT
public:
    explicit CBuildingElementDlg(QWidget* parent = nullptr);

    // Runs the dialog on a CBuildingElement of the building owner; false for Cancel or
    // another kind of object.
    bool Edit(CNamedObject& object, CObjectManager& owner) override;
    // Each change to the decorations is reported as it happens.
    bool EditElement(CBuildingElement& element);

    QLineEdit* DescriptionEdit() const { return m_descriptionEdit; }
    CNumericEdit* BlockHeightEdit() const { return m_blockHeightEdit; }
    CNumericEdit* BlockWidthEdit() const { return m_blockWidthEdit; }
    CNumericEdit* BlockDepthEdit() const { return m_blockDepthEdit; }
    CColorButton* BlockColorButton() const { return m_blockColorButton; }
    CNumericEdit* RoofHeightEdit() const { return m_roofHeightEdit; }
    CNumericEdit* RoofAngleEdit() const { return m_roofAngleEdit; }
    CColorButton* RoofColorButton() const { return m_roofColorButton; }
    CNumericEdit* XEdit() const { return m_xEdit; }
    CNumericEdit* YEdit() const { return m_yEdit; }
    CNumericEdit* ZEdit() const { return m_zEdit; }
    QPlainTextEdit* FreeTextEdit() const { return m_freeTextEdit; }
    CObjectListBox* DecorationList() const { return m_decorationList; }
    QPushButton* NewButton() const { return m_newButton; }
    QPushButton* EditButton() const { return m_editButton; }
    QPushButton* DeleteButton() const { return m_deleteButton; }
    QPushButton* OkButton() const;
    // The roof type button for its code (1043..1046) or the orientation button (1051..1054).
    QRadioButton* RoofButton(int code) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    QGroupBox* CreateBlockGroup();
    QGroupBox* CreateRoofGroup();
    QGroupBox* CreatePositionGroup();
    QGroupBox* CreateDecorationsGroup();
    void retranslateUi();

    void LoadElement(const CBuildingElement& element);
    void StoreElement(CBuildingElement& element) const;
    void UpdateControls();
    void OnNewDecoration();
    void OnEditDecoration();
    void OnDeleteDecoration();
    // The element's decoration list; null for none.
    CDecorationManager* Decorations() const;

    CBuildingElement* m_pElement = nullptr;

    QLabel* m_descriptionLabel;
    QLineEdit* m_descriptionEdit;
    QGroupBox* m_blockGroup;
    QLabel* m_blockHeightLabel;
    QLabel* m_blockWidthLabel;
    QLabel* m_blockDepthLabel;
    QLabel* m_blockColorLabel;
    CNumericEdit* m_blockHeightEdit;
    CNumericEdit* m_blockWidthEdit;
    CNumericEdit* m_blockDepthEdit;
    CColorButton* m_blockColorButton;
    QGroupBox* m_roofGroup;
    QLabel* m_roofHeightLabel;
    QLabel* m_roofAngleLabel;
    QLabel* m_roofColorLabel;
    CNumericEdit* m_roofHeightEdit;
    CNumericEdit* m_roofAngleEdit;
    CColorButton* m_roofColorButton;
    QGroupBox* m_roofTypeGroupBox;
    QButtonGroup* m_roofTypeGroup;
    QGroupBox* m_orientationGroupBox;
    QButtonGroup* m_orientationGroup;
    QGroupBox* m_positionGroup;
    QLabel* m_positionText;
    QLabel* m_xLabel;
    QLabel* m_yLabel;
    QLabel* m_zLabel;
    CNumericEdit* m_xEdit;
    CNumericEdit* m_yEdit;
    CNumericEdit* m_zEdit;
    QGroupBox* m_decorationsGroup;
    CObjectListBox* m_decorationList;
    QPushButton* m_newButton;
    QPushButton* m_editButton;
    QPushButton* m_deleteButton;
    QGroupBox* m_freeTextGroup;
    QPlainTextEdit* m_freeTextEdit;
    QDialogButtonBox* m_buttons;
};
