#pragma once

#include "model/Color.h"
#include "model/ObjectEditor.h"

#include <QDialog>

class CBuildingElement;
class CColorButton;
class CDecoration;
class CDecorationPreview;
class CNumericEdit;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

// "Decorations edit dialog": one door or window of a building element, with a schematic
// preview that follows the shape and colour choices at once. OK stays disabled until a
// wall, a main type and a subtype are chosen and width and height are not zero.
class CDecorationDlg : public QDialog, public IObjectEditor {
    Q_OBJECT
public:
    explicit CDecorationDlg(QWidget* parent = nullptr);

    // Runs the dialog on a CDecoration; false for Cancel or another kind of object.
    bool Edit(CNamedObject& object, CObjectManager& owner) override;
    bool EditDecoration(CDecoration& decoration);

    // The colour of the wall the decoration sits in, handed on to the preview.
    void SetWallColor(COLORREF color) { m_wallColor = color; }
    // The element the decoration belongs to, as its dialog shows it: a preview beside the
    // dialog then shows the decoration on its wall, standing out among the element's others,
    // measured in inches when its building is.
    void SetElement(const CBuildingElement* element, bool inches = false);

private:
    QWidget* CreatePositionGroup();
    QWidget* CreateSizeGroup();
    QWidget* CreateWallGroup();
    QWidget* CreateColorsGroup();
    QWidget* CreateTypesFrame();

    void LoadDecoration();
    void StoreDecoration();
    int ChosenWindowCount() const;
    void UpdateOkButton();
    // What the decoration still needs before OK; empty when nothing.
    QString MissingForOk() const;
    void UpdatePreview();

    CDecoration* m_pDecoration = nullptr;
    const CBuildingElement* m_pElement = nullptr;
    bool m_inches = false;
    COLORREF m_wallColor = RGB(255, 255, 255);
    QLineEdit* m_description;
    CNumericEdit* m_x;
    CNumericEdit* m_z;
    CNumericEdit* m_width;
    CNumericEdit* m_height;
    QButtonGroup* m_wall;
    CColorButton* m_mainColor;
    CColorButton* m_innerColor;
    QButtonGroup* m_mainType;
    QButtonGroup* m_subtype;
    QButtonGroup* m_windowCount;
    CDecorationPreview* m_preview;
    QPushButton* m_okButton;
    QLabel* m_okHint;
};
