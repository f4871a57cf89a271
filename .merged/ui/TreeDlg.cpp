#include "ui/TreeDlg.h"

#include "model/ChoiceCodes.h"
#include "model/Tree.h"
#include "ui/ColorButton.h"
#include "ui/DialogFields.h"
#include "ui/NumericEdit.h"
#include "ui/PartPreview.h"
#include "ui/UnitsComboBox.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

CTreeDlg::CTreeDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("TreeDlg"); // also its help topic
    setWindowTitle(tr("Edit tree"));
    setWindowModality(Qt::WindowModal);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(CreateGeneralGroup());
    leftColumn->addWidget(CreateTreeTypeGroup());
    leftColumn->addStretch();
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(CreateTrunkGroup());
    rightColumn->addWidget(CreateTopGroup());
    rightColumn->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(leftColumn, 3);
    columns->addLayout(rightColumn, 2);

    m_freeText = Named(new QPlainTextEdit, "freeText");
    m_freeText->setTabChangesFocus(true);
    // A few lines to start with; the text grows with the dialog.
    m_freeText->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_freeText->setMinimumHeight(fontMetrics().lineSpacing() * 4);
    auto* freeTextLabel = new QLabel(tr("Additional &free text"));
    freeTextLabel->setBuddy(m_freeText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTreeDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTreeDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(freeTextLabel);
    layout->addWidget(m_freeText, 1);
    layout->addWidget(buttons);
    TabToCheckedButton(*m_treeType);
    FitToScreen(*this);
    AttachDialogPreview(*this, m_freeText, [this](CPartPreview& preview) {
        if (!m_pTree)
            return;
        CTree shown;
        shown.m_treeType = m_pTree->m_treeType;
        CTree* const edited = std::exchange(m_pTree, &shown);
        StoreTree();
        m_pTree = edited;
        preview.ShowPart(&shown, CurrentExportOptions());
    });
}

QWidget* CTreeDlg::CreateGeneralGroup()
{
    auto* group = new QGroupBox(tr("General"));
    auto* form = new QFormLayout(group);
    m_description = Named(new QLineEdit, "description");
    m_catalogNo = Named(new QLineEdit, "catalogNo");
    m_price = NewPriceEdit("price");
    m_partsPerPackage = Named(new CNumericEdit, "partsPerPackage");
    SetDigitsOnly(*m_partsPerPackage);
    m_units = Named(new CUnitsComboBox, "units");
    form->addRow(tr("&Description"), m_description);
    form->addRow(tr("Catalogue &no"), m_catalogNo);
    form->addRow(tr("Pr&ice"), m_price);
    form->addRow(tr("&Parts per package"), m_partsPerPackage);
    form->addRow(tr("&Units"), m_units);
    return group;
}

QWidget* CTreeDlg::CreateTreeTypeGroup()
{
    auto* group = new QGroupBox(tr("Tree type"));
    auto* column = new QVBoxLayout(group);
    m_treeType = new QButtonGroup(this);
    auto* needleLeaved = Named(new QRadioButton(tr("Needle &leaved tree")), "needleLeaved");
    auto* deciduous = Named(new QRadioButton(tr("D&eciduous tree")), "deciduous");
    m_treeType->addButton(needleLeaved, kTreeNeedleLeaved);
    m_treeType->addButton(deciduous, kTreeDeciduous);
    column->addWidget(needleLeaved);
    column->addWidget(deciduous);
    return group;
}

QWidget* CTreeDlg::CreateTrunkGroup()
{
    auto* group = new QGroupBox(tr("Trunk"));
    auto* form = new QFormLayout(group);
    m_trunkHeight = Named(new CNumericEdit, "trunkHeight");
    m_trunkRadius = Named(new CNumericEdit, "trunkRadius");
    m_trunkColor = Named(new CColorButton, "trunkColor");
    form->addRow(tr("&Height"), m_trunkHeight);
    form->addRow(tr("&Radius"), m_trunkRadius);
    form->addRow(tr("Trun&k color"), m_trunkColor);
    return group;
}

QWidget* CTreeDlg::CreateTopGroup()
{
    auto* group = new QGroupBox(tr("Top"));
    auto* form = new QFormLayout(group);
    m_topHeight = Named(new CNumericEdit, "topHeight");
    m_topRadius = Named(new CNumericEdit, "topRadius");
    m_topColor = Named(new CColorButton, "topColor");
    form->addRow(tr("Hei&ght"), m_topHeight);
    form->addRow(tr("R&adius"), m_topRadius);
    form->addRow(tr("&Top color"), m_topColor);
    return group;
}

bool CTreeDlg::Edit(CNamedObject& object, CObjectManager&)
{
    m_pTree = DynamicDowncast<CTree>(&object);
    if (!m_pTree)
        return false;
    LoadTree();
    return exec() == QDialog::Accepted;
}

void CTreeDlg::accept()
{
    StoreTree();
    QDialog::accept();
}

void CTreeDlg::LoadTree()
{
    const CTree& tree = *m_pTree;
    m_description->setText(QString::fromStdString(tree.m_name));
    m_catalogNo->setText(QString::fromStdString(tree.m_catalogNo));
    m_freeText->setPlainText(QString::fromStdString(tree.m_freeText));
    m_partsPerPackage->SetValue(tree.m_partsPerPackage);
    m_price->setText(QString::fromStdString(tree.m_price));
    m_topHeight->SetValue(tree.m_topHeight);
    m_topRadius->SetValue(tree.m_topRadius);
    m_trunkHeight->SetValue(tree.m_trunkHeight);
    m_trunkRadius->SetValue(tree.m_trunkRadius);
    m_topColor->SetColor(tree.m_topColor);
    m_trunkColor->SetColor(tree.m_trunkColor);
    m_units->Fill(tree.m_units);
    CheckButtonById(*m_treeType, tree.m_treeType);
    m_description->setFocus();
}

void CTreeDlg::StoreTree()
{
    CTree& tree = *m_pTree;
    tree.m_name = m_description->text().toStdString();
    tree.m_catalogNo = CatalogNoFromText(m_catalogNo->text());
    tree.m_freeText = m_freeText->toPlainText().toStdString();
    tree.m_partsPerPackage = m_partsPerPackage->GetValue();
    tree.m_price = PriceFromText(m_price->text());
    tree.m_topHeight = m_topHeight->GetValue();
    tree.m_topRadius = m_topRadius->GetValue();
    tree.m_trunkHeight = m_trunkHeight->GetValue();
    tree.m_trunkRadius = m_trunkRadius->GetValue();
    tree.m_topColor = m_topColor->GetColor();
    tree.m_trunkColor = m_trunkColor->GetColor();
    tree.m_units = m_units->GetUnits();
    // With neither type checked (an unknown stored type) the tree keeps the type it had.
    if (m_treeType->checkedId() != -1)
        tree.m_treeType = m_treeType->checkedId();
}
