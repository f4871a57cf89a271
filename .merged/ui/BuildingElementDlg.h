#pragma once

#include "model/ObjectEditor.h"

#include <QDialog>

class CBuilding;
class CBuildingElement;
class CColorButton;
class CDecorationDlg;
class CDecorationManager;
class CNumericEdit;
class CObjectListBox;
class CPartPreview;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

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

private:
    QWidget* CreateBlockGroup();
    QWidget* CreateRoofGroup();
    QWidget* CreatePositionGroup();
    QWidget* CreateDecorationsGroup();

    void LoadElement();
    void StoreElement();
    void UpdateControls();
    // What the element still needs before OK; empty when nothing.
    QString MissingForOk() const;
    void OnNewDecoration();
    void OnEditDecoration();
    void OnDeleteDecoration();
    // The element's decoration list; null for none.
    CDecorationManager* Decorations() const;
    // Runs the decoration dialog with the element as its fields say now, for its preview.
    template <class Run>
    bool RunDecorationDialog(CDecorationDlg& dialog, Run run);
    // A click on a decoration in the preview selects it in the list.
    void OnPieceClicked(int32_t piece);

    CBuildingElement* m_pElement = nullptr;
    const CBuilding* m_pBuilding = nullptr;

    QLineEdit* m_description;
    CNumericEdit* m_blockHeight;
    CNumericEdit* m_blockWidth;
    CNumericEdit* m_blockDepth;
    CColorButton* m_blockColor;
    CNumericEdit* m_roofHeight;
    CNumericEdit* m_roofAngle;
    CColorButton* m_roofColor;
    QButtonGroup* m_roofType;
    QButtonGroup* m_roofOrientation;
    CNumericEdit* m_x;
    CNumericEdit* m_y;
    CNumericEdit* m_z;
    CObjectListBox* m_decorations;
    QPushButton* m_newDecoration;
    QPushButton* m_editDecoration;
    QPushButton* m_deleteDecoration;
    QPlainTextEdit* m_freeText;
    CPartPreview* m_preview;
    QPushButton* m_okButton;
    QLabel* m_okHint;
};
