#pragma once

#include "model/Color.h"
#include "model/ObjectEditor.h"

#include <QDialog>

class CColorButton;
class CDecoration;
class CDecorationPreview;
class CNumericEdit;
class QButtonGroup;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

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
    COLORREF GetWallColor() const { return m_wallColor; }

    QLineEdit* DescriptionEdit() const { return m_descriptionEdit; }
    CNumericEdit* XEdit() const { return m_xEdit; }
    CNumericEdit* ZEdit() const { return m_zEdit; }
    CNumericEdit* WidthEdit() const { return m_widthEdit; }
    CNumericEdit* HeightEdit() const { return m_heightEdit; }
    CColorButton* MainColorButton() const { return m_mainColorButton; }
    CColorButton* InnerColorButton() const { return m_innerColorButton; }
    CDecorationPreview* Preview() const { return m_preview; }
    QPushButton* OkButton() const;
    // The radio button that makes the choice with that number (wall, main type, subtype),
    // or the window count button for 1, 2, 4, 6 or 8 panes.
    QRadioButton* ChoiceButton(int code) const;
    QRadioButton* WindowCountButton(int windowCount) const;

protected:
    void changeEvent(QEvent* event) override;

private:
    QGroupBox* CreatePositionGroup();
    QGroupBox* CreateSizeGroup();
    QGroupBox* CreateWallGroup();
    QGroupBox* CreateColorsGroup();
    QGroupBox* CreateTypesFrame();
    QRadioButton* AddRadio(QButtonGroup& group, int id, int code);
    void retranslateUi();

    void LoadDecoration(const CDecoration& decoration);
    void StoreDecoration(CDecoration& decoration) const;
    int ChosenWindowCount() const;
    void UpdateOkButton();
    void UpdatePreview();

    COLORREF m_wallColor = RGB(255, 255, 255);

    QLabel* m_descriptionLabel;
    QLineEdit* m_descriptionEdit;
    QGroupBox* m_positionGroup;
    QLabel* m_positionText;
    QLabel* m_xLabel;
    QLabel* m_zLabel;
    CNumericEdit* m_xEdit;
    CNumericEdit* m_zEdit;
    QGroupBox* m_sizeGroup;
    QLabel* m_widthLabel;
    QLabel* m_heightLabel;
    CNumericEdit* m_widthEdit;
    CNumericEdit* m_heightEdit;
    QGroupBox* m_wallGroupBox;
    QButtonGroup* m_wallGroup;
    QGroupBox* m_colorsGroup;
    QLabel* m_mainColorLabel;
    QLabel* m_innerColorLabel;
    CColorButton* m_mainColorButton;
    CColorButton* m_innerColorButton;
    QGroupBox* m_typesFrame;
    QGroupBox* m_mainTypeGroupBox;
    QButtonGroup* m_mainTypeGroup;
    QGroupBox* m_subtypeGroupBox;
    QButtonGroup* m_subtypeGroup;
    QGroupBox* m_windowCountGroupBox;
    QButtonGroup* m_windowCountGroup;
    QLabel* m_previewLabel;
    CDecorationPreview* m_preview;
    QDialogButtonBox* m_buttons;
};
