#include "ui/BuildingDlg.h"

#include "model/Building.h"
#include "model/PartSnapshot.h"
#include "ui/BuildingElementDlg.h"
#include "ui/PartPreview.h"
#include "ui/DialogFields.h"
#include "ui/NumericEdit.h"
#include "ui/ObjectListBox.h"
#include "ui/UnitsComboBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

CBuildingDlg::CBuildingDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("BuildingDlg");
    setWindowTitle(tr("Building edit dialog"));
    setWindowModality(Qt::WindowModal);

    auto* freeTextGroup = new QGroupBox(tr("&Free text after last element"));
    m_freeText = Named(new QPlainTextEdit, "freeText");
    m_freeText->setTabChangesFocus(true);
    auto* freeTextLayout = new QVBoxLayout(freeTextGroup);
    freeTextLayout->addWidget(m_freeText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(freeTextGroup, 1);
    bottomRow->addWidget(buttons, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CreateHeaderGroup());
    layout->addWidget(CreateElementsGroup(), 1);
    layout->addLayout(bottomRow);

    connect(m_elements, &QListWidget::itemSelectionChanged, this, &CBuildingDlg::UpdateControls);
    connect(m_newElement, &QPushButton::clicked, this, &CBuildingDlg::OnNewElement);
    connect(m_editElement, &QPushButton::clicked, this, &CBuildingDlg::OnEditElement);
    connect(m_deleteElement, &QPushButton::clicked, this, &CBuildingDlg::OnDeleteElement);

    ConnectListKeys(*m_elements, [this] { OnEditElement(); }, [this] { OnDeleteElement(); });

    SetTabChain({m_description, m_catalogNo, m_partsPerPackage, m_price, m_units, m_elements, m_newElement,
        m_editElement, m_deleteElement, m_freeText, buttons->button(QDialogButtonBox::Ok),
        buttons->button(QDialogButtonBox::Cancel)});
    UpdateControls();
    // The elements are edited in place, so the building itself is shown, with the free text typed
    // and the selected element standing out.
    FitToScreen(*this);
    m_preview = AttachDialogPreview(*this, m_freeText, [this](CPartPreview& preview) {
        if (!m_pBuilding)
            return;
        std::string freeText = m_freeText->toPlainText().toStdString();
        std::swap(m_pBuilding->m_freeText, freeText);
        preview.ShowBuilding(
            *m_pBuilding, DynamicDowncast<CBuildingElement>(m_elements->GetSelectedObject()), CurrentExportOptions());
        std::swap(m_pBuilding->m_freeText, freeText);
    });
    connect(m_elements, &QListWidget::itemSelectionChanged, m_preview, &CPartPreview::UpdateNow);
    connect(m_preview, &CPartPreview::pieceClicked, this, &CBuildingDlg::OnPieceClicked);
}

void CBuildingDlg::OnPieceClicked(int32_t piece)
{
    // The building's own lines come after the elements and select nothing.
    if (m_pBuilding)
        if (const CBuildingElement* element = BuildingElementAtPiece(*m_pBuilding, piece))
            m_elements->SelectObject(element);
}

QWidget* CBuildingDlg::CreateHeaderGroup()
{
    auto* group = new QGroupBox(tr("Header information"));
    m_description = Named(new QLineEdit, "description");
    m_catalogNo = Named(new QLineEdit, "catalogNo");
    m_price = NewPriceEdit("price");
    m_partsPerPackage = NewDigitsEdit("partsPerPackage");
    m_units = Named(new CUnitsComboBox, "units");

    auto* grid = new QGridLayout(group);
    const auto addField = [grid](const QString& text, QWidget* field, int row, int column, int span = 1) {
        auto* label = new QLabel(text);
        label->setBuddy(field);
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1, 1, span);
    };
    addField(tr("&Description"), m_description, 0, 0, 4);
    addField(tr("C&atalogue no"), m_catalogNo, 1, 0);
    addField(tr("&Parts per package"), m_partsPerPackage, 1, 3);
    addField(tr("P&rice"), m_price, 2, 0);
    addField(tr("&Units"), m_units, 2, 3);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* CBuildingDlg::CreateElementsGroup()
{
    auto* group = new QGroupBox(tr("&Building elements"));
    m_elements = Named(new CObjectListBox, "elements");
    m_newElement = NewListButton(tr("&New ..."), "newElement");
    m_editElement = NewListButton(tr("&Edit ..."), "editElement");
    m_deleteElement = NewListButton(tr("De&lete"), "deleteElement");
    LayOutListWithButtons(*group, *m_elements, {m_newElement, m_editElement, m_deleteElement});
    return group;
}

bool CBuildingDlg::Edit(CNamedObject& object, CObjectManager&)
{
    auto* building = DynamicDowncast<CBuilding>(&object);
    return building && EditBuilding(*building);
}

bool CBuildingDlg::EditBuilding(CBuilding& building)
{
    m_pBuilding = &building;
    const CPartSnapshot opened = CPartSnapshot::Take(building);
    LoadBuilding();
    const bool accepted = exec() == QDialog::Accepted;
    m_elements->ClearEntries();
    if (accepted)
        StoreBuilding();
    else if (!(CPartSnapshot::Take(building) == opened))
        PutBackElements(building, opened);
    m_pBuilding = nullptr;
    return accepted;
}

void CBuildingDlg::PutBackElements(CBuilding& building, const CPartSnapshot& opened)
{
    // The building stays the same object, so whoever holds it still holds it; its elements are
    // made anew.
    std::unique_ptr<CBuilding> kept = opened.Restore<CBuilding>();
    while (building.GetCount() > 0)
        building.TakeAt(building.GetCount() - 1);
    while (kept->GetCount() > 0)
        building.InsertAt(building.GetCount(), kept->TakeAt(0));
}

void CBuildingDlg::LoadBuilding()
{
    const CBuilding& building = *m_pBuilding;
    m_elements->FillFromList(building);
    m_description->setText(QString::fromStdString(building.m_name));
    m_catalogNo->setText(QString::fromStdString(building.m_catalogNo));
    m_freeText->setPlainText(QString::fromStdString(building.m_freeText));
    m_partsPerPackage->SetValue(building.m_partsPerPackage);
    m_price->setText(QString::fromStdString(building.m_price));
    m_units->Fill(building.m_units);
    m_description->setFocus();
    UpdateControls();
}

void CBuildingDlg::StoreBuilding()
{
    CBuilding& building = *m_pBuilding;
    building.m_name = m_description->text().toStdString();
    building.m_catalogNo = CatalogNoFromText(m_catalogNo->text());
    building.m_freeText = m_freeText->toPlainText().toStdString();
    building.m_partsPerPackage = m_partsPerPackage->GetValue();
    building.m_price = PriceFromText(m_price->text());
    building.m_units = m_units->GetUnits();
}

void CBuildingDlg::UpdateControls()
{
    const bool elementSelected = m_elements->GetSelectedObject() != nullptr;
    m_editElement->setEnabled(elementSelected);
    m_deleteElement->setEnabled(elementSelected);
    m_newElement->setEnabled(m_pBuilding != nullptr);
}

void CBuildingDlg::OnNewElement()
{
    if (!m_pBuilding)
        return;
    CBuildingElementDlg dialog(this);
    dialog.OnChanged([this] { ReportChanged(); });
    std::unique_ptr<CNamedObject> element = std::make_unique<CBuildingElement>();
    CNamedObject* added = element.get();
    if (m_pBuilding->NewObject(element, dialog)) {
        m_elements->AddAndSelect(added);
        ReportChanged();
    } else
        m_elements->SelectIndex(-1);
    UpdateControls();
    m_preview->UpdateNow();
}

void CBuildingDlg::OnEditElement()
{
    CNamedObject* element = m_elements->GetSelectedObject();
    if (!m_pBuilding || !element)
        return;
    CBuildingElementDlg dialog(this);
    dialog.OnChanged([this] { ReportChanged(); });
    if (m_pBuilding->EditObject(*element, dialog)) {
        element->SetDefaultName();
        m_elements->RefreshSelected();
        ReportChanged();
    }
    UpdateControls();
    m_preview->UpdateNow();
}

void CBuildingDlg::OnDeleteElement()
{
    CNamedObject* element = m_elements->GetSelectedObject();
    if (!m_pBuilding || !element)
        return;
    m_elements->DeleteSelected();
    m_pBuilding->Delete(element);
    ReportChanged();
    UpdateControls();
    m_preview->UpdateNow();
}
