#pragma once

#include "model/ObjectEditor.h"

#include <QDialog>

#include <cstdint>

class CColorButton;
class CNumericEdit;
class CPlatform;
class CUnitsComboBox;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Platform edit dialog": edits one platform in place. "OK" stays disabled until the
// platform can be built: a cover type is chosen and the sizes that cover needs are positive.
class CPlatformDlg : public QDialog, public IObjectEditor {
    Q_OBJECT
public:
    explicit CPlatformDlg(QWidget* parent = nullptr);

    // Runs the dialog modally on object, which must be a CPlatform; true for OK.
    bool Edit(CNamedObject& object, CObjectManager& owner) override;

    void accept() override;

private:
    QWidget* CreateHeaderGroup();
    QWidget* CreateFloorGroup();
    QWidget* CreateCoverTypeGroup();
    QWidget* CreateCoverPropertiesGroup();
    QWidget* CreatePoleStyleGroup();
    void LoadPlatform();
    void StorePlatform();
    // What the platform still needs before it can be built; empty when it can.
    QString MissingForOk() const;
    bool CanBeBuilt() const { return MissingForOk().isEmpty(); }
    void UpdateOkButton();

    int32_t m_poleStyle = 0;
    int32_t m_coverType = 0;
    CPlatform* m_pPlatform = nullptr;
    QLineEdit* m_description;
    QLineEdit* m_catalogNo;
    CUnitsComboBox* m_units;
    QLineEdit* m_price;
    CNumericEdit* m_partsPerPackage;
    CNumericEdit* m_length;
    CNumericEdit* m_width;
    CNumericEdit* m_height;
    CColorButton* m_topColor;
    CColorButton* m_sideColor;
    QButtonGroup* m_coverTypeButtons;
    CNumericEdit* m_poleHeight;
    CNumericEdit* m_roofHeight;
    CNumericEdit* m_edgeDistance;
    CNumericEdit* m_polesPerSide;
    CColorButton* m_roofColor;
    QButtonGroup* m_poleStyleButtons;
    CColorButton* m_poleColor;
    CNumericEdit* m_poleDiameter;
    QPlainTextEdit* m_freeText;
    QPushButton* m_okButton;
    QLabel* m_okHint;
};
