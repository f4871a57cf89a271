#include "ui/BuildingElementDlg.h"

#include "model/Building.h"
#include "model/BuildingElement.h"
#include "model/ChoiceCodes.h"
#include "ui/BuildingPictures.h"
#include "ui/ColorButton.h"
#include "ui/PartPreview.h"
#include "ui/DecorationDlg.h"
#include "ui/DialogFields.h"
#include "ui/NumericEdit.h"
#include "ui/ObjectListBox.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace {

struct SRoofPicture {
    int roofType;
    const char* objectName;
    const char* description; // read out for the picture, which has no text
};
constexpr SRoofPicture kRoofPictures[] = {
    {kRoofGable, "roofGable", QT_TRANSLATE_NOOP("CBuildingElementDlg", "Ridge roof")},
    {kRoofHipped, "roofHipped", QT_TRANSLATE_NOOP("CBuildingElementDlg", "Hipped roof")},
    {kRoofHalfHipped, "roofHalfHipped", QT_TRANSLATE_NOOP("CBuildingElementDlg", "Half-hipped roof")},
    {kRoofFlatTopped, "roofFlatTopped", QT_TRANSLATE_NOOP("CBuildingElementDlg", "Roof with sloping sides and a flat top")},
    {kRoofFlatToppedHipped, "roofFlatToppedHipped",
        QT_TRANSLATE_NOOP("CBuildingElementDlg", "Hipped roof with a flat top")},
    {kRoofLeanTo, "roofLeanTo", QT_TRANSLATE_NOOP("CBuildingElementDlg", "Single-slope roof")},
};

struct SOrientationButton {
    int orientation;
    const char* objectName;
    const char* label;
};
constexpr SOrientationButton kOrientationButtons[] = {
    {kRoofOrientation0, "orientation0", QT_TRANSLATE_NOOP("CBuildingElementDlg", "&0°")},
    {kRoofOrientation90, "orientation90", QT_TRANSLATE_NOOP("CBuildingElementDlg", "&90°")},
    {kRoofOrientation180, "orientation180", QT_TRANSLATE_NOOP("CBuildingElementDlg", "&180°")},
    {kRoofOrientation270, "orientation270", QT_TRANSLATE_NOOP("CBuildingElementDlg", "&270°")},
};

QRadioButton* AddRadio(QButtonGroup& group, int code, const QString& text, const char* name)
{
    auto* button = Named(new QRadioButton(text), name);
    group.addButton(button, code);
    return button;
}

} // namespace

CBuildingElementDlg::CBuildingElementDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("BuildingElementDlg");
    setWindowTitle(tr("Building element"));
    setWindowModality(Qt::WindowModal);

    m_description = Named(new QLineEdit, "description");
    auto* descriptionLabel = new QLabel(tr("&Description"));
    descriptionLabel->setBuddy(m_description);

    auto* freeTextGroup = new QGroupBox(tr("Free additional &text"));
    m_freeText = Named(new QPlainTextEdit, "freeText");
    m_freeText->setTabChangesFocus(true);
    auto* freeTextLayout = new QVBoxLayout(freeTextGroup);
    freeTextLayout->addWidget(m_freeText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(descriptionLabel);
    descriptionRow->addWidget(m_description, 1);
    auto* roofColumn = new QVBoxLayout;
    roofColumn->addLayout(descriptionRow);
    roofColumn->addWidget(CreateRoofGroup(), 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(CreateBlockGroup(), 0, 0);
    grid->addLayout(roofColumn, 0, 1);
    grid->addWidget(CreatePositionGroup(), 0, 2);
    grid->addWidget(CreateDecorationsGroup(), 1, 0);
    grid->addWidget(freeTextGroup, 1, 1);
    m_okHint = NewOkHint();
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addStretch(1);
    buttonColumn->addWidget(m_okHint);
    buttonColumn->addWidget(buttons);
    grid->addLayout(buttonColumn, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);

    for (CNumericEdit* edit : {m_blockHeight, m_blockWidth, m_blockDepth})
        connect(edit, &QLineEdit::textChanged, this, &CBuildingElementDlg::UpdateControls);
    connect(m_roofType, &QButtonGroup::idClicked, this, &CBuildingElementDlg::UpdateControls);
    connect(m_roofOrientation, &QButtonGroup::idClicked, this, &CBuildingElementDlg::UpdateControls);
    connect(m_decorations, &QListWidget::itemSelectionChanged, this, &CBuildingElementDlg::UpdateControls);
    connect(m_newDecoration, &QPushButton::clicked, this, &CBuildingElementDlg::OnNewDecoration);
    connect(m_editDecoration, &QPushButton::clicked, this, &CBuildingElementDlg::OnEditDecoration);
    connect(m_deleteDecoration, &QPushButton::clicked, this, &CBuildingElementDlg::OnDeleteDecoration);

    SetTabChain({m_description, m_blockHeight, m_blockWidth, m_blockDepth, m_blockColor, m_roofHeight, m_roofAngle,
        m_roofColor, m_roofType->button(kRoofGable), m_roofOrientation->button(kRoofOrientation0), m_x, m_y, m_z,
        m_decorations, m_newDecoration, m_editDecoration, m_deleteDecoration, m_freeText, m_okButton,
        buttons->button(QDialogButtonBox::Cancel)});
    TabToCheckedButton(*m_roofType);
    TabToCheckedButton(*m_roofOrientation);
    ConnectListKeys(*m_decorations, [this] { OnEditDecoration(); }, [this] { OnDeleteDecoration(); });
    UpdateControls();
    // The element as the fields say, with the decorations it has, among the building's others.
    FitToScreen(*this);
    m_preview = AttachDialogPreview(*this, m_freeText, [this](CPartPreview& preview) {
        if (!m_pElement)
            return;
        CBuildingElement shown;
        CBuildingElement* const edited = std::exchange(m_pElement, &shown);
        StoreElement();
        m_pElement = edited;
        std::swap(shown.m_decorations, m_pElement->m_decorations);
        preview.ShowElementInBuilding(shown, m_pElement, m_pBuilding, CurrentExportOptions());
        std::swap(shown.m_decorations, m_pElement->m_decorations);
    });
    connect(m_preview, &CPartPreview::pieceClicked, this, &CBuildingElementDlg::OnPieceClicked);
}

void CBuildingElementDlg::OnPieceClicked(int32_t piece)
{
    // The decorations shown are the element's own, swapped into the element shown.
    if (m_pElement)
        if (const CDecoration* decoration = DecorationAtPiece(*m_pElement, piece))
            m_decorations->SelectObject(decoration);
}

template <class Run>
bool CBuildingElementDlg::RunDecorationDialog(CDecorationDlg& dialog, Run run)
{
    dialog.SetWallColor(m_blockColor->GetColor());
    CBuildingElement shown;
    CBuildingElement* const edited = std::exchange(m_pElement, &shown);
    StoreElement();
    m_pElement = edited;
    std::swap(shown.m_decorations, m_pElement->m_decorations);
    dialog.SetElement(&shown, m_pBuilding && m_pBuilding->m_units != kUnitsMillimetres);
    const bool done = run();
    std::swap(shown.m_decorations, m_pElement->m_decorations);
    return done;
}

QWidget* CBuildingElementDlg::CreateBlockGroup()
{
    auto* group = new QGroupBox(tr("Block"));
    m_blockHeight = NewDigitsEdit("blockHeight");
    m_blockWidth = NewDigitsEdit("blockWidth");
    m_blockDepth = NewDigitsEdit("blockDepth");
    m_blockColor = Named(new CColorButton, "blockColor");
    auto* form = new QFormLayout(group);
    form->addRow(tr("&Height"), m_blockHeight);
    form->addRow(tr("&Width"), m_blockWidth);
    form->addRow(tr("De&pth"), m_blockDepth);
    form->addRow(tr("&Block color"), m_blockColor);
    return group;
}

QWidget* CBuildingElementDlg::CreateRoofGroup()
{
    auto* group = new QGroupBox(tr("Roof"));
    m_roofHeight = NewDigitsEdit("roofHeight");
    m_roofAngle = NewDigitsEdit("roofAngle");
    m_roofColor = Named(new CColorButton, "roofColor");
    auto* sizes = new QFormLayout;
    sizes->addRow(tr("He&ight"), m_roofHeight);
    sizes->addRow(tr("&Angle"), m_roofAngle);
    sizes->addRow(tr("&Roof color"), m_roofColor);

    auto* roofTypeBox = new QGroupBox(tr("Roof type"));
    m_roofType = Named(new QButtonGroup(this), "roofType");
    auto* roofTypeLayout = new QVBoxLayout(roofTypeBox);
    for (const auto& picture : kRoofPictures) {
        QRadioButton* button = AddRadio(*m_roofType, picture.roofType, QString(), picture.objectName);
        const QPixmap pixmap = RoofPicture(picture.roofType);
        button->setIcon(pixmap);
        button->setIconSize(pixmap.deviceIndependentSize().toSize());
        button->setAccessibleName(tr(picture.description));
        roofTypeLayout->addWidget(button);
    }
    roofTypeLayout->addWidget(AddRadio(*m_roofType, kRoofNone, tr("No roo&f"), "roofNone"));

    auto* orientationBox = new QGroupBox(tr("Roof orientation"));
    m_roofOrientation = Named(new QButtonGroup(this), "roofOrientation");
    auto* orientationLayout = new QVBoxLayout(orientationBox);
    for (const auto& orientation : kOrientationButtons)
        orientationLayout->addWidget(
            AddRadio(*m_roofOrientation, orientation.orientation, tr(orientation.label), orientation.objectName));

    auto* layout = new QHBoxLayout(group);
    layout->addLayout(sizes);
    layout->addWidget(roofTypeBox);
    layout->addWidget(orientationBox);
    return group;
}

QWidget* CBuildingElementDlg::CreatePositionGroup()
{
    auto* group = new QGroupBox(tr("Element position"));
    auto* positionText = new QLabel(tr("Lower left corner of block:"));
    positionText->setWordWrap(true);
    m_x = NewDigitsEdit("x");
    m_y = NewDigitsEdit("y");
    m_z = NewDigitsEdit("z");
    auto* form = new QFormLayout(group);
    form->addRow(positionText);
    form->addRow(tr("&X"), m_x);
    form->addRow(tr("&Y"), m_y);
    form->addRow(tr("&Z:"), m_z);
    return group;
}

QWidget* CBuildingElementDlg::CreateDecorationsGroup()
{
    auto* group = new QGroupBox(tr("Decoration&s"));
    m_decorations = Named(new CObjectListBox, "decorations");
    m_decorations->setMinimumWidth(m_decorations->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12);
    m_newDecoration = NewListButton(tr("&New ..."), "newDecoration");
    m_editDecoration = NewListButton(tr("&Edit  ..."), "editDecoration");
    m_deleteDecoration = NewListButton(tr("De&lete"), "deleteDecoration");
    LayOutListWithButtons(*group, *m_decorations, {m_newDecoration, m_editDecoration, m_deleteDecoration});
    return group;
}

bool CBuildingElementDlg::Edit(CNamedObject& object, CObjectManager& owner)
{
    auto* element = DynamicDowncast<CBuildingElement>(&object);
    m_pBuilding = dynamic_cast<const CBuilding*>(&owner);
    const bool accepted = element && EditElement(*element);
    m_pBuilding = nullptr;
    return accepted;
}

bool CBuildingElementDlg::EditElement(CBuildingElement& element)
{
    m_pElement = &element;
    LoadElement();
    const bool accepted = exec() == QDialog::Accepted;
    if (accepted)
        StoreElement();
    m_decorations->ClearEntries();
    m_pElement = nullptr;
    return accepted;
}

void CBuildingElementDlg::LoadElement()
{
    const CBuildingElement& element = *m_pElement;
    CheckButtonById(*m_roofType, element.m_roofType);
    CheckButtonById(*m_roofOrientation, element.m_roofOrientation);
    m_blockColor->SetColor(element.m_blockColor);
    m_description->setText(QString::fromStdString(element.m_name));
    m_x->SetValue(element.m_positionX);
    m_y->SetValue(element.m_positionY);
    m_z->SetValue(element.m_positionZ);
    m_blockDepth->SetValue(element.m_blockDepth);
    m_blockHeight->SetValue(element.m_blockHeight);
    m_blockWidth->SetValue(element.m_blockWidth);
    m_freeText->setPlainText(QString::fromStdString(element.m_freeText));
    m_roofAngle->SetValue(element.m_roofAngle);
    m_roofColor->SetColor(element.m_roofColor);
    m_roofHeight->SetValue(element.m_roofHeight);
    m_decorations->ClearEntries();
    if (element.m_decorations)
        m_decorations->FillFromList(*element.m_decorations);
    m_description->setFocus();
    UpdateControls();
}

void CBuildingElementDlg::StoreElement()
{
    CBuildingElement& element = *m_pElement;
    element.m_blockColor = m_blockColor->GetColor();
    element.m_positionX = m_x->GetValue();
    element.m_positionY = m_y->GetValue();
    element.m_positionZ = m_z->GetValue();
    element.m_blockDepth = m_blockDepth->GetValue();
    element.m_blockHeight = m_blockHeight->GetValue();
    element.m_blockWidth = m_blockWidth->GetValue();
    element.m_freeText = m_freeText->toPlainText().toStdString();
    element.m_name = m_description->text().toStdString();
    // Angle and roof height are kept even while their edits are disabled.
    element.m_roofAngle = m_roofAngle->GetValue();
    element.m_roofColor = m_roofColor->GetColor();
    element.m_roofHeight = m_roofHeight->GetValue();
    element.m_roofType = CheckedIdOrZero(*m_roofType);
    element.m_roofOrientation = CheckedIdOrZero(*m_roofOrientation);
}

void CBuildingElementDlg::UpdateControls()
{
    const bool decorationSelected = m_decorations->GetSelectedObject() != nullptr;
    m_editDecoration->setEnabled(decorationSelected);
    m_deleteDecoration->setEnabled(decorationSelected);
    m_newDecoration->setEnabled(m_pElement && m_pElement->m_decorations);

    const int roofType = CheckedIdOrZero(*m_roofType);
    ShowOkState(*m_okButton, *m_okHint, MissingForOk());
    // Only the roofs with a flat top take their slope from the angle.
    m_roofAngle->setEnabled(roofType == kRoofFlatTopped || roofType == kRoofFlatToppedHipped);
    m_roofHeight->setEnabled(roofType != kRoofNone);
}

QString CBuildingElementDlg::MissingForOk() const
{
    if (CheckedIdOrZero(*m_roofType) == 0)
        return tr("Choose a roof type");
    if (CheckedIdOrZero(*m_roofOrientation) == 0)
        return tr("Choose a roof orientation");
    const std::pair<const CNumericEdit*, QString> block[] = {{m_blockHeight, tr("Block height must not be 0")},
        {m_blockWidth, tr("Block width must not be 0")}, {m_blockDepth, tr("Block depth must not be 0")}};
    for (const auto& [size, missing] : block)
        if (size->GetValue() == 0)
            return missing;
    return {};
}

CDecorationManager* CBuildingElementDlg::Decorations() const
{
    return m_pElement ? m_pElement->m_decorations.get() : nullptr;
}

void CBuildingElementDlg::OnNewDecoration()
{
    CDecorationManager* decorations = Decorations();
    if (!decorations)
        return;
    CDecorationDlg dialog(this);
    std::unique_ptr<CNamedObject> decoration = std::make_unique<CDecoration>();
    CNamedObject* added = decoration.get();
    if (RunDecorationDialog(dialog, [&] { return decorations->NewObject(decoration, dialog); })) {
        m_decorations->AddAndSelect(added);
        ReportChanged();
    } else
        m_decorations->SelectIndex(-1);
    UpdateControls();
    m_preview->UpdateNow();
}

void CBuildingElementDlg::OnEditDecoration()
{
    CDecorationManager* decorations = Decorations();
    CNamedObject* decoration = m_decorations->GetSelectedObject();
    if (!decorations || !decoration)
        return;
    CDecorationDlg dialog(this);
    if (RunDecorationDialog(dialog, [&] { return decorations->EditObject(*decoration, dialog); })) {
        decoration->SetDefaultName();
        m_decorations->RefreshSelected();
        ReportChanged();
    }
    UpdateControls();
    m_preview->UpdateNow();
}

void CBuildingElementDlg::OnDeleteDecoration()
{
    CDecorationManager* decorations = Decorations();
    CNamedObject* decoration = m_decorations->GetSelectedObject();
    if (!decorations || !decoration)
        return;
    m_decorations->DeleteSelected();
    decorations->Delete(decoration);
    ReportChanged();
    UpdateControls();
    m_preview->UpdateNow();
}
