#pragma once

#include "model/ObjectEditor.h"

#include <QDialog>

class CColorButton;
class CNumericEdit;
class CTree;
class CUnitsComboBox;
class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;

// "Edit tree": edits one tree in place; OK stores every control into the tree, Cancel
// leaves the tree untouched.
class CTreeDlg : public QDialog, public IObjectEditor {
    Q_OBJECT
public:
    explicit CTreeDlg(QWidget* parent = nullptr);

    // Runs the dialog modally on object, which must be a CTree; true for OK.
    bool Edit(CNamedObject& object, CObjectManager& owner) override;

    void accept() override;

private:
    QWidget* CreateGeneralGroup();
    QWidget* CreateTreeTypeGroup();
    QWidget* CreateTrunkGroup();
    QWidget* CreateTopGroup();
    void LoadTree();
    void StoreTree();

    CTree* m_pTree = nullptr;
    QLineEdit* m_description;
    QLineEdit* m_catalogNo;
    QLineEdit* m_price;
    CNumericEdit* m_partsPerPackage;
    CUnitsComboBox* m_units;
    QButtonGroup* m_treeType;
    CNumericEdit* m_trunkHeight;
    CNumericEdit* m_trunkRadius;
    CColorButton* m_trunkColor;
    CNumericEdit* m_topHeight;
    CNumericEdit* m_topRadius;
    CColorButton* m_topColor;
    QPlainTextEdit* m_freeText;
};
