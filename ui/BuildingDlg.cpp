#include "ui/BuildingDlg.h"

#include "model/Building.h"
#include "ui/BuildingElementDlg.h"
#include "ui/PartPreview.h"
#include "ui/ControlIds.h"
#include "ui/DialogFields.h"
#include "ui/NumericEdit.h"
#include "ui/ObjectListBox.h"
#include "ui/UnitsComboBox.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kElementListId = 1141;
constexpr int kNewElementId = 1142;
constexpr int kEditElementId = 1143;
constexpr int kDeleteElementId = 1144;

} // namespace

CBuildingDlg::CBuildingDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("BuildingDlg");
    m_freeTextGroup = new QGroupBox(this);
    m_freeTextEdit = new QPlainTextEdit(m_freeTextGroup);
    m_freeTextEdit->setTabChangesFocus(true);
    SetControlId(*m_freeTextEdit, kFreeTextId);
    auto* freeTextLayout = new QVBoxLayout(m_freeTextGroup);
    freeTextLayout->addWidget(m_freeTextEdit);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(m_freeTextGroup, 1);
    bottomRow->addWidget(m_buttons, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateHeaderGroup());
    layout->addWidget(CreateElementsGroup(), 1);
    layout->addLayout(bottomRow);

    connect(m_elementList, &QListWidget::itemSelectionChanged, this, &CBuildingDlg::UpdateControls);
    connect(m_newButton, &QPushButton::clicked, this, &CBuildingDlg::OnNewElement);
    connect(m_editButton, &QPushButton::clicked, this, &CBuildingDlg::OnEditElement);
    connect(m_deleteButton, &QPushButton::clicked, this, &CBuildingDlg::OnDeleteElement);

    SetTabChain({m_descriptionEdit, m_catalogNoEdit, m_priceEdit, m_partsPerPackageEdit, m_unitsCombo, m_elementList,
        m_newButton, m_editButton, m_deleteButton, m_freeTextEdit, OkButton(),
        m_buttons->button(QDialogButtonBox::Cancel)});
    retranslateUi();
    UpdateControls();
    // The elements are edited in place, so the building itself is shown, with the free text typed.
    AttachDialogPreview(*this, m_freeTextEdit, [this](CPartPreview& preview) {
        if (!m_pBuilding)
            return;
        std::string freeText = m_freeTextEdit->toPlainText().toStdString();
        std::swap(m_pBuilding->m_freeText, freeText);
        preview.ShowPart(m_pBuilding, CurrentExportOptions());
        std::swap(m_pBuilding->m_freeText, freeText);
    });
}

QGroupBox* CBuildingDlg::CreateHeaderGroup()
{
    m_headerGroup = new QGroupBox(this);
    m_descriptionLabel = new QLabel(m_headerGroup);
    m_catalogNoLabel = new QLabel(m_headerGroup);
    m_priceLabel = new QLabel(m_headerGroup);
    m_partsPerPackageLabel = new QLabel(m_headerGroup);
    m_unitsLabel = new QLabel(m_headerGroup);
    m_descriptionEdit = new QLineEdit(m_headerGroup);
    SetControlId(*m_descriptionEdit, kDescriptionId);
    m_catalogNoEdit = new QLineEdit(m_headerGroup);
    SetControlId(*m_catalogNoEdit, kCatalogNoId);
    m_priceEdit = NewDigitsEdit(m_headerGroup, kPriceId);
    m_partsPerPackageEdit = NewDigitsEdit(m_headerGroup, kPartsPerPackageId);
    m_unitsCombo = new CUnitsComboBox(m_headerGroup);
    SetControlId(*m_unitsCombo, kUnitsId);
    m_descriptionLabel->setBuddy(m_descriptionEdit);
    m_catalogNoLabel->setBuddy(m_catalogNoEdit);
    m_priceLabel->setBuddy(m_priceEdit);
    m_partsPerPackageLabel->setBuddy(m_partsPerPackageEdit);
    m_unitsLabel->setBuddy(m_unitsCombo);

    auto* grid = new QGridLayout(m_headerGroup);
    grid->addWidget(m_descriptionLabel, 0, 0);
    grid->addWidget(m_descriptionEdit, 0, 1, 1, 4);
    grid->addWidget(m_catalogNoLabel, 1, 0);
    grid->addWidget(m_catalogNoEdit, 1, 1);
    grid->addWidget(m_priceLabel, 1, 3);
    grid->addWidget(m_priceEdit, 1, 4);
    grid->addWidget(m_unitsLabel, 2, 0);
    grid->addWidget(m_unitsCombo, 2, 1);
    grid->addWidget(m_partsPerPackageLabel, 2, 3);
    grid->addWidget(m_partsPerPackageEdit, 2, 4);
    grid->setColumnStretch(2, 1);
    return m_headerGroup;
}

QGroupBox* CBuildingDlg::CreateElementsGroup()
{
    m_elementsGroup = new QGroupBox(this);
    m_elementList = new CObjectListBox(m_elementsGroup);
    SetControlId(*m_elementList, kElementListId);
    m_newButton = NewListButton(m_elementsGroup, kNewElementId);
    m_editButton = NewListButton(m_elementsGroup, kEditElementId);
    m_deleteButton = NewListButton(m_elementsGroup, kDeleteElementId);
    LayOutListWithButtons(*m_elementsGroup, *m_elementList, {m_newButton, m_editButton, m_deleteButton});
    return m_elementsGroup;
}

void CBuildingDlg::retranslateUi()
{
    setWindowTitle(tr("Building edit dialog"));
    m_headerGroup->setTitle(tr("Header information"));
    m_descriptionLabel->setText(tr("Description"));
    m_catalogNoLabel->setText(tr("Catalog no"));
    m_priceLabel->setText(tr("Price"));
    m_partsPerPackageLabel->setText(tr("Parts per package"));
    m_unitsLabel->setText(tr("Units"));
    m_elementsGroup->setTitle(tr("Building elements"));
    m_newButton->setText(tr("New ..."));
    m_editButton->setText(tr("Edit ..."));
    m_deleteButton->setText(tr("Delete"));
    m_freeTextGroup->setTitle(tr("Free text after last element"));
}

void CBuildingDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

QPushButton* CBuildingDlg::OkButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

bool CBuildingDlg::Edit(CNamedObject& object, CObjectManager& owner)
{
    auto* building = dynamic_cast<CBuilding*>(&object);
    if (!building)
        return false;
    if (!building->GetDocument())
        building->SetDocument(owner.GetDocument());
    return EditBuilding(*building);
}

bool CBuildingDlg::EditBuilding(CBuilding& building)
{
    m_pBuilding = &building;
    LoadBuilding(building);
    const bool accepted = exec() == QDialog::Accepted;
    if (accepted)
        StoreBuilding(building);
    m_elementList->ClearEntries();
    m_pBuilding = nullptr;
    return accepted;
}

void CBuildingDlg::LoadBuilding(const CBuilding& building)
{
    m_elementList->FillFromList(building);
    m_descriptionEdit->setText(QString::fromStdString(building.m_name));
    m_catalogNoEdit->setText(QString::fromStdString(building.m_catalogNo));
    m_freeTextEdit->setPlainText(QString::fromStdString(building.m_freeText));
    m_partsPerPackageEdit->SetValue(building.m_partsPerPackage);
    m_priceEdit->setText(QString::fromStdString(building.m_price));
    m_unitsCombo->Fill(building.m_units);
    UpdateControls();
}

void CBuildingDlg::StoreBuilding(CBuilding& building) const
{
    building.m_name = m_descriptionEdit->text().toStdString();
    building.m_catalogNo = CatalogNoFromText(m_catalogNoEdit->text());
    building.m_freeText = m_freeTextEdit->toPlainText().toStdString();
    building.m_partsPerPackage = m_partsPerPackageEdit->GetValue();
    building.m_price = PriceFromText(m_priceEdit->text());
    building.m_units = m_unitsCombo->GetUnits();
}

void CBuildingDlg::UpdateControls()
{
    const bool elementSelected = m_elementList->GetSelectedObject() != nullptr;
    m_editButton->setEnabled(elementSelected);
    m_deleteButton->setEnabled(elementSelected);
    m_newButton->setEnabled(m_pBuilding != nullptr);
}

void CBuildingDlg::OnNewElement()
{
    if (!m_pBuilding)
        return;
    CBuildingElementDlg dialog(this);
    std::unique_ptr<CNamedObject> element = std::make_unique<CBuildingElement>();
    CNamedObject* added = element.get();
    if (m_pBuilding->NewObject(element, &dialog))
        m_elementList->AddAndSelect(added);
    UpdateControls();
}

void CBuildingDlg::OnEditElement()
{
    CNamedObject* element = m_elementList->GetSelectedObject();
    if (!m_pBuilding || !element)
        return;
    CBuildingElementDlg dialog(this);
    if (m_pBuilding->EditObject(*element, &dialog)) {
        element->SetDefaultName();
        m_elementList->RefreshSelected();
    }
    UpdateControls();
}

void CBuildingDlg::OnDeleteElement()
{
    CNamedObject* element = m_elementList->GetSelectedObject();
    if (!m_pBuilding || !element)
        return;
    m_elementList->DeleteSelected();
    m_pBuilding->Delete(element);
    UpdateControls();
}
