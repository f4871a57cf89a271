#include "ui/DecorationDlg.h"

#include "model/ChoiceCodes.h"
#include "model/Decoration.h"
#include "ui/BuildingPictures.h"
#include "ui/ColorButton.h"
#include "ui/DecorationPreview.h"
#include "ui/PartPreview.h"
#include "ui/DialogFields.h"
#include "ui/NumericEdit.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct SChoiceButton {
    int code;
    const char* objectName;
    const char* label;
};
constexpr SChoiceButton kWallButtons[] = {
    {kWallFront, "wallFront", QT_TRANSLATE_NOOP("CDecorationDlg", "&Front")},
    {kWallRear, "wallRear", QT_TRANSLATE_NOOP("CDecorationDlg", "&Rear")},
    {kWallLeft, "wallLeft", QT_TRANSLATE_NOOP("CDecorationDlg", "&Left side")},
    {kWallRight, "wallRight", QT_TRANSLATE_NOOP("CDecorationDlg", "Right &side")},
};
constexpr SChoiceButton kSubtypeButtons[] = {
    {kDecorationDoor, "door", QT_TRANSLATE_NOOP("CDecorationDlg", "&Door")},
    {kDecorationDoorWithWindow, "doorWithWindow", QT_TRANSLATE_NOOP("CDecorationDlg", "Door with wi&ndow")},
    {kDecorationWindow, "window", QT_TRANSLATE_NOOP("CDecorationDlg", "&Window")},
};
// The group's ids are the pane counts themselves.
constexpr SChoiceButton kWindowCountButtons[] = {
    {1, "windows1", QT_TRANSLATE_NOOP("CDecorationDlg", "&1 window")},
    {2, "windows2", QT_TRANSLATE_NOOP("CDecorationDlg", "&2 windows")},
    {4, "windows4", QT_TRANSLATE_NOOP("CDecorationDlg", "&4 windows")},
    {6, "windows6", QT_TRANSLATE_NOOP("CDecorationDlg", "&6 windows")},
    {8, "windows8", QT_TRANSLATE_NOOP("CDecorationDlg", "&8 windows")},
};
constexpr int kDefaultWindowCount = 1;

QRadioButton* AddRadio(QButtonGroup& group, const SChoiceButton& choice)
{
    auto* button = Named(new QRadioButton(CDecorationDlg::tr(choice.label)), choice.objectName);
    group.addButton(button, choice.code);
    return button;
}

QLabel* NewDoorPicture(int mainType, const char* name)
{
    auto* label = Named(new QLabel, name);
    label->setPixmap(DoorIcon(mainType));
    return label;
}

// What the colour button shows for its colour, which the preview shows too.
COLORREF ShownColor(const CColorButton& button)
{
    return button.GetColor() == kAutomaticColor ? button.GetDefaultColor() : button.GetColor();
}

} // namespace

CDecorationDlg::CDecorationDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("DecorationDlg");
    setWindowTitle(tr("Decorations edit dialog"));
    setWindowModality(Qt::WindowModal);

    m_description = Named(new QLineEdit, "description");
    auto* descriptionLabel = new QLabel(tr("D&escription"));
    descriptionLabel->setBuddy(m_description);

    auto* previewLabel = new QLabel(tr("Preview"));
    m_preview = Named(new CDecorationPreview, "preview");
    connect(m_preview, &CDecorationPreview::clicked, m_preview, &CDecorationPreview::RedrawNow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(descriptionLabel);
    descriptionRow->addWidget(m_description, 1);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(CreatePositionGroup());
    leftColumn->addWidget(CreateSizeGroup());

    auto* middleColumn = new QVBoxLayout;
    middleColumn->addWidget(CreateWallGroup());
    middleColumn->addWidget(CreateColorsGroup());

    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(previewLabel);
    previewColumn->addWidget(m_preview);
    previewColumn->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addLayout(descriptionRow, 0, 0, 1, 2);
    grid->addLayout(leftColumn, 1, 0);
    grid->addLayout(middleColumn, 1, 1);
    grid->addWidget(CreateTypesFrame(), 0, 2, 3, 1);
    grid->addLayout(previewColumn, 0, 3, 3, 1);
    m_okHint = NewOkHint();
    m_okHint->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(buttons);
    buttonRow->addWidget(m_okHint, 1);
    grid->addLayout(buttonRow, 2, 0, 1, 2, Qt::AlignBottom);

    connect(m_width, &QLineEdit::textChanged, this, &CDecorationDlg::UpdateOkButton);
    connect(m_height, &QLineEdit::textChanged, this, &CDecorationDlg::UpdateOkButton);
    for (QButtonGroup* group : {m_wall, m_mainType, m_subtype, m_windowCount})
        connect(group, &QButtonGroup::idClicked, this, [this] {
            UpdatePreview();
            UpdateOkButton();
        });
    for (CColorButton* button : {m_mainColor, m_innerColor}) {
        connect(button, &CColorButton::SelChange, this, &CDecorationDlg::UpdatePreview);
        connect(button, &CColorButton::SelEndOk, this, &CDecorationDlg::UpdatePreview);
        connect(button, &CColorButton::SelEndCancel, this, &CDecorationDlg::UpdatePreview);
    }

    SetTabChain({m_description, m_x, m_z, m_width, m_height, m_wall->button(kWallFront), m_mainColor, m_innerColor,
        m_mainType->button(kDecorationBaseA), m_subtype->button(kDecorationDoor),
        m_windowCount->button(kDefaultWindowCount), m_okButton, buttons->button(QDialogButtonBox::Cancel)});
    for (QButtonGroup* group : {m_wall, m_mainType, m_subtype, m_windowCount})
        TabToCheckedButton(*group);
    UpdateOkButton();
    FitToScreen(*this);
}

QWidget* CDecorationDlg::CreatePositionGroup()
{
    auto* group = new QGroupBox(tr("Position"));
    auto* positionText = new QLabel(tr("Position relative to lower left corner of the wall"));
    positionText->setWordWrap(true);
    m_x = NewDigitsEdit("x");
    m_z = NewDigitsEdit("z");
    auto* form = new QFormLayout(group);
    form->addRow(positionText);
    form->addRow(tr("&X:"), m_x);
    form->addRow(tr("&Z:"), m_z);
    return group;
}

QWidget* CDecorationDlg::CreateSizeGroup()
{
    auto* group = new QGroupBox(tr("Size"));
    m_width = NewDigitsEdit("width");
    m_height = NewDigitsEdit("height");
    auto* form = new QFormLayout(group);
    form->addRow(tr("Wid&th"), m_width);
    form->addRow(tr("&Height"), m_height);
    return group;
}

QWidget* CDecorationDlg::CreateWallGroup()
{
    auto* group = new QGroupBox(tr("Which wall?"));
    m_wall = Named(new QButtonGroup(this), "wall");
    auto* layout = new QVBoxLayout(group);
    for (const SChoiceButton& wall : kWallButtons)
        layout->addWidget(AddRadio(*m_wall, wall));
    return group;
}

QWidget* CDecorationDlg::CreateColorsGroup()
{
    auto* group = new QGroupBox(tr("Colors"));
    m_mainColor = Named(new CColorButton, "mainColor");
    m_innerColor = Named(new CColorButton, "innerColor");
    auto* form = new QFormLayout(group);
    form->addRow(tr("&Main color"), m_mainColor);
    form->addRow(tr("&Inner color"), m_innerColor);
    return group;
}

QWidget* CDecorationDlg::CreateTypesFrame()
{
    auto* frame = new QGroupBox(tr("Types"));

    auto* mainTypeBox = new QGroupBox(tr("Main type"));
    m_mainType = Named(new QButtonGroup(this), "mainType");
    auto* mainTypeLayout = new QGridLayout(mainTypeBox);
    mainTypeLayout->addWidget(AddRadio(*m_mainType, {kDecorationBaseA, "baseA", QT_TR_NOOP("&Base A")}), 0, 0);
    mainTypeLayout->addWidget(NewDoorPicture(kDecorationBaseA, "squareTopPicture"), 0, 1);
    mainTypeLayout->addWidget(AddRadio(*m_mainType, {kDecorationBaseB, "baseB", QT_TR_NOOP("B&ase B")}), 1, 0);
    mainTypeLayout->addWidget(NewDoorPicture(kDecorationBaseB, "archedTopPicture"), 1, 1);

    auto* subtypeBox = new QGroupBox(tr("Subtype"));
    m_subtype = Named(new QButtonGroup(this), "subtype");
    auto* subtypeLayout = new QVBoxLayout(subtypeBox);
    for (const SChoiceButton& subtype : kSubtypeButtons)
        subtypeLayout->addWidget(AddRadio(*m_subtype, subtype));

    auto* windowCountBox = new QGroupBox(tr("Window count"));
    m_windowCount = Named(new QButtonGroup(this), "windowCount");
    auto* windowCountLayout = new QVBoxLayout(windowCountBox);
    for (const SChoiceButton& count : kWindowCountButtons)
        windowCountLayout->addWidget(AddRadio(*m_windowCount, count));

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(mainTypeBox);
    layout->addWidget(subtypeBox);
    layout->addWidget(windowCountBox);
    layout->addStretch(1);
    return frame;
}

bool CDecorationDlg::Edit(CNamedObject& object, CObjectManager&)
{
    auto* decoration = DynamicDowncast<CDecoration>(&object);
    return decoration && EditDecoration(*decoration);
}

bool CDecorationDlg::EditDecoration(CDecoration& decoration)
{
    m_pDecoration = &decoration;
    LoadDecoration();
    const bool accepted = exec() == QDialog::Accepted;
    if (accepted)
        StoreDecoration();
    m_pDecoration = nullptr;
    return accepted;
}

void CDecorationDlg::LoadDecoration()
{
    const CDecoration& decoration = *m_pDecoration;
    m_mainColor->SetColor(decoration.m_mainColor);
    m_innerColor->SetColor(decoration.m_innerColor);
    m_description->setText(QString::fromStdString(decoration.m_name));
    m_x->SetValue(decoration.m_positionX);
    m_z->SetValue(decoration.m_positionZ);
    m_width->SetValue(decoration.m_width);
    m_height->SetValue(decoration.m_height);
    CheckButtonById(*m_mainType, decoration.m_mainType);
    CheckButtonById(*m_subtype, decoration.m_subtype);
    // A count that names no button is kept as one pane, and shown so.
    const bool knownCount = m_windowCount->button(decoration.m_windowCount) != nullptr;
    CheckButtonById(*m_windowCount, knownCount ? decoration.m_windowCount : kDefaultWindowCount);
    CheckButtonById(*m_wall, decoration.m_wall);
    m_description->setFocus();
    UpdateOkButton();
    UpdatePreview();
}

void CDecorationDlg::StoreDecoration()
{
    CDecoration& decoration = *m_pDecoration;
    decoration.m_name = m_description->text().toStdString();
    decoration.m_positionX = m_x->GetValue();
    decoration.m_positionZ = m_z->GetValue();
    decoration.m_width = m_width->GetValue();
    decoration.m_height = m_height->GetValue();
    decoration.m_wall = CheckedIdOrZero(*m_wall);
    decoration.m_mainType = CheckedIdOrZero(*m_mainType);
    decoration.m_subtype = CheckedIdOrZero(*m_subtype);
    decoration.m_windowCount = ChosenWindowCount();
    decoration.m_mainColor = m_mainColor->GetColor();
    decoration.m_innerColor = m_innerColor->GetColor();
}

int CDecorationDlg::ChosenWindowCount() const
{
    const int windowCount = m_windowCount->checkedId();
    return windowCount > 0 ? windowCount : kDefaultWindowCount;
}

QString CDecorationDlg::MissingForOk() const
{
    if (CheckedIdOrZero(*m_wall) == 0)
        return tr("Choose a wall");
    if (CheckedIdOrZero(*m_mainType) == 0)
        return tr("Choose a main type");
    if (CheckedIdOrZero(*m_subtype) == 0)
        return tr("Choose a subtype");
    if (m_width->GetValue() == 0)
        return tr("Width must not be 0");
    if (m_height->GetValue() == 0)
        return tr("Height must not be 0");
    return {};
}

void CDecorationDlg::UpdateOkButton()
{
    ShowOkState(*m_okButton, *m_okHint, MissingForOk());
}

void CDecorationDlg::SetElement(const CBuildingElement* element, bool inches)
{
    const bool attached = m_pElement != nullptr;
    m_pElement = element;
    m_inches = inches;
    if (attached || !element)
        return;
    AttachDialogPreview(*this, nullptr, [this](CPartPreview& preview) {
        if (!m_pDecoration || !m_pElement)
            return;
        CDecoration shown;
        CDecoration* const edited = std::exchange(m_pDecoration, &shown);
        StoreDecoration();
        m_pDecoration = edited;
        preview.ShowDecorationOnElement(shown, m_pDecoration, *m_pElement, m_inches, CurrentExportOptions());
    });
}

void CDecorationDlg::UpdatePreview()
{
    m_preview->m_mainColor = ShownColor(*m_mainColor);
    m_preview->m_innerColor = ShownColor(*m_innerColor);
    m_preview->m_windowCount = ChosenWindowCount();
    m_preview->m_mainType = CheckedIdOrZero(*m_mainType);
    m_preview->m_subtype = CheckedIdOrZero(*m_subtype);
    m_preview->m_backgroundColor = m_wallColor;
    m_preview->RedrawNow();
}
