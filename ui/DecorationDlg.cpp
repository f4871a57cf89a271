#include "ui/DecorationDlg.h"

#include "model/ChoiceCodes.h"
#include "model/Decoration.h"
#include "ui/BuildingPictures.h"
#include "ui/ColorButton.h"
#include "ui/ControlIds.h"
#include "ui/DecorationPreview.h"
#include "ui/DialogFields.h"
#include "ui/NumericEdit.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QEvent>
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

constexpr int kXId = 1048;
constexpr int kZId = 1056;
constexpr int kWidthId = 1063;
constexpr int kHeightId = 1064;
constexpr int kMainColorId = 1069;
constexpr int kInnerColorId = 1070;
constexpr int kSquareTopIconId = 1074;
constexpr int kArchedTopIconId = 1075;
constexpr int kPreviewId = 1084;

struct SWindowCountButton {
    int id;
    int windowCount;
    const char* label;
};
constexpr SWindowCountButton kWindowCountButtons[] = {
    {1079, 1, QT_TRANSLATE_NOOP("CDecorationDlg", "1 window")},
    {1080, 2, QT_TRANSLATE_NOOP("CDecorationDlg", "2 windows")},
    {1081, 4, QT_TRANSLATE_NOOP("CDecorationDlg", "4 windows")},
    {1082, 6, QT_TRANSLATE_NOOP("CDecorationDlg", "6 windows")},
    {1083, 8, QT_TRANSLATE_NOOP("CDecorationDlg", "8 windows")},
};
constexpr int kDefaultWindowCount = 1;

QLabel* NewIconLabel(QWidget* parent, int mainType, int id)
{
    auto* label = new QLabel(parent);
    label->setPixmap(DoorIcon(mainType));
    SetControlId(*label, id);
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
    m_descriptionLabel = new QLabel(this);
    m_descriptionEdit = new QLineEdit(this);
    SetControlId(*m_descriptionEdit, kDescriptionId);
    m_descriptionLabel->setBuddy(m_descriptionEdit);

    m_previewLabel = new QLabel(this);
    m_preview = new CDecorationPreview(this);
    SetControlId(*m_preview, kPreviewId);
    connect(m_preview, &CDecorationPreview::clicked, m_preview, &CDecorationPreview::RedrawNow);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(m_descriptionLabel);
    descriptionRow->addWidget(m_descriptionEdit, 1);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(CreatePositionGroup());
    leftColumn->addWidget(CreateSizeGroup());

    auto* middleColumn = new QVBoxLayout;
    middleColumn->addWidget(CreateWallGroup());
    middleColumn->addWidget(CreateColorsGroup());

    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(m_previewLabel);
    previewColumn->addWidget(m_preview);
    previewColumn->addStretch(1);

    auto* grid = new QGridLayout(this);
    grid->addLayout(descriptionRow, 0, 0, 1, 2);
    grid->addLayout(leftColumn, 1, 0);
    grid->addLayout(middleColumn, 1, 1);
    grid->addWidget(CreateTypesFrame(), 0, 2, 3, 1);
    grid->addLayout(previewColumn, 0, 3, 3, 1);
    grid->addWidget(m_buttons, 2, 0, 1, 2, Qt::AlignLeft | Qt::AlignBottom);

    connect(m_widthEdit, &QLineEdit::textChanged, this, &CDecorationDlg::UpdateOkButton);
    connect(m_heightEdit, &QLineEdit::textChanged, this, &CDecorationDlg::UpdateOkButton);
    for (QButtonGroup* group : {m_wallGroup, m_mainTypeGroup, m_subtypeGroup, m_windowCountGroup})
        connect(group, &QButtonGroup::idClicked, this, [this] {
            UpdatePreview();
            UpdateOkButton();
        });
    for (CColorButton* button : {m_mainColorButton, m_innerColorButton}) {
        connect(button, &CColorButton::SelChange, this, &CDecorationDlg::UpdatePreview);
        connect(button, &CColorButton::SelEndOk, this, &CDecorationDlg::UpdatePreview);
        connect(button, &CColorButton::SelEndCancel, this, &CDecorationDlg::UpdatePreview);
    }

    SetTabChain({m_descriptionEdit, m_xEdit, m_zEdit, m_widthEdit, m_heightEdit, m_wallGroup->button(kWallFront),
        m_mainColorButton, m_innerColorButton, m_mainTypeGroup->button(kDecorationBaseA),
        m_subtypeGroup->button(kDecorationDoor), m_windowCountGroup->button(kDefaultWindowCount), OkButton(),
        m_buttons->button(QDialogButtonBox::Cancel)});
    retranslateUi();
    UpdateOkButton();
}

QGroupBox* CDecorationDlg::CreatePositionGroup()
{
    m_positionGroup = new QGroupBox(this);
    m_positionText = new QLabel(m_positionGroup);
    m_positionText->setWordWrap(true);
    m_xLabel = new QLabel(m_positionGroup);
    m_zLabel = new QLabel(m_positionGroup);
    m_xEdit = NewDigitsEdit(m_positionGroup, kXId);
    m_zEdit = NewDigitsEdit(m_positionGroup, kZId);
    m_xLabel->setBuddy(m_xEdit);
    m_zLabel->setBuddy(m_zEdit);
    auto* layout = new QFormLayout(m_positionGroup);
    layout->addRow(m_positionText);
    layout->addRow(m_xLabel, m_xEdit);
    layout->addRow(m_zLabel, m_zEdit);
    return m_positionGroup;
}

QGroupBox* CDecorationDlg::CreateSizeGroup()
{
    m_sizeGroup = new QGroupBox(this);
    m_widthLabel = new QLabel(m_sizeGroup);
    m_heightLabel = new QLabel(m_sizeGroup);
    m_widthEdit = NewDigitsEdit(m_sizeGroup, kWidthId);
    m_heightEdit = NewDigitsEdit(m_sizeGroup, kHeightId);
    m_widthLabel->setBuddy(m_widthEdit);
    m_heightLabel->setBuddy(m_heightEdit);
    auto* layout = new QFormLayout(m_sizeGroup);
    layout->addRow(m_widthLabel, m_widthEdit);
    layout->addRow(m_heightLabel, m_heightEdit);
    return m_sizeGroup;
}

QRadioButton* CDecorationDlg::AddRadio(QButtonGroup& group, int id, int code)
{
    auto* button = new QRadioButton(this);
    SetControlId(*button, id);
    group.addButton(button, code);
    return button;
}

QGroupBox* CDecorationDlg::CreateWallGroup()
{
    m_wallGroupBox = new QGroupBox(this);
    m_wallGroup = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(m_wallGroupBox);
    for (const int wall : {kWallFront, kWallRear, kWallLeft, kWallRight})
        layout->addWidget(AddRadio(*m_wallGroup, wall, wall));
    return m_wallGroupBox;
}

QGroupBox* CDecorationDlg::CreateColorsGroup()
{
    m_colorsGroup = new QGroupBox(this);
    m_mainColorLabel = new QLabel(m_colorsGroup);
    m_innerColorLabel = new QLabel(m_colorsGroup);
    m_mainColorButton = new CColorButton(m_colorsGroup);
    m_innerColorButton = new CColorButton(m_colorsGroup);
    SetControlId(*m_mainColorButton, kMainColorId);
    SetControlId(*m_innerColorButton, kInnerColorId);
    m_mainColorLabel->setBuddy(m_mainColorButton);
    m_innerColorLabel->setBuddy(m_innerColorButton);
    auto* layout = new QFormLayout(m_colorsGroup);
    layout->addRow(m_mainColorLabel, m_mainColorButton);
    layout->addRow(m_innerColorLabel, m_innerColorButton);
    return m_colorsGroup;
}

QGroupBox* CDecorationDlg::CreateTypesFrame()
{
    m_typesFrame = new QGroupBox(this);

    m_mainTypeGroupBox = new QGroupBox(m_typesFrame);
    m_mainTypeGroup = new QButtonGroup(this);
    auto* mainTypeLayout = new QGridLayout(m_mainTypeGroupBox);
    mainTypeLayout->addWidget(AddRadio(*m_mainTypeGroup, kDecorationBaseA, kDecorationBaseA), 0, 0);
    mainTypeLayout->addWidget(NewIconLabel(m_mainTypeGroupBox, kDecorationBaseA, kSquareTopIconId), 0, 1);
    mainTypeLayout->addWidget(AddRadio(*m_mainTypeGroup, kDecorationBaseB, kDecorationBaseB), 1, 0);
    mainTypeLayout->addWidget(NewIconLabel(m_mainTypeGroupBox, kDecorationBaseB, kArchedTopIconId), 1, 1);

    m_subtypeGroupBox = new QGroupBox(m_typesFrame);
    m_subtypeGroup = new QButtonGroup(this);
    auto* subtypeLayout = new QVBoxLayout(m_subtypeGroupBox);
    for (const int subtype : {kDecorationDoor, kDecorationDoorWithWindow, kDecorationWindow})
        subtypeLayout->addWidget(AddRadio(*m_subtypeGroup, subtype, subtype));

    m_windowCountGroupBox = new QGroupBox(m_typesFrame);
    m_windowCountGroup = new QButtonGroup(this);
    auto* windowCountLayout = new QVBoxLayout(m_windowCountGroupBox);
    for (const auto& [id, windowCount, label] : kWindowCountButtons)
        windowCountLayout->addWidget(AddRadio(*m_windowCountGroup, id, windowCount));

    auto* layout = new QVBoxLayout(m_typesFrame);
    layout->addWidget(m_mainTypeGroupBox);
    layout->addWidget(m_subtypeGroupBox);
    layout->addWidget(m_windowCountGroupBox);
    layout->addStretch(1);
    return m_typesFrame;
}

void CDecorationDlg::retranslateUi()
{
    setWindowTitle(tr("Decorations edit dialog"));
    m_descriptionLabel->setText(tr("Description"));
    m_positionGroup->setTitle(tr("Position"));
    m_positionText->setText(tr("Position relative to lower left corner of the wall"));
    m_xLabel->setText(tr("X:"));
    m_zLabel->setText(tr("Z:"));
    m_sizeGroup->setTitle(tr("Size"));
    m_widthLabel->setText(tr("Width"));
    m_heightLabel->setText(tr("Height"));
    m_wallGroupBox->setTitle(tr("Which wall?"));
    m_wallGroup->button(kWallFront)->setText(tr("Front"));
    m_wallGroup->button(kWallRear)->setText(tr("Rear"));
    m_wallGroup->button(kWallLeft)->setText(tr("Left side"));
    m_wallGroup->button(kWallRight)->setText(tr("Right side"));
    m_colorsGroup->setTitle(tr("Colors"));
    m_mainColorLabel->setText(tr("Main color"));
    m_innerColorLabel->setText(tr("Inner color"));
    m_typesFrame->setTitle(tr("Types"));
    m_mainTypeGroupBox->setTitle(tr("Main type"));
    m_mainTypeGroup->button(kDecorationBaseA)->setText(tr("Base A"));
    m_mainTypeGroup->button(kDecorationBaseB)->setText(tr("Base B"));
    m_subtypeGroupBox->setTitle(tr("Subtype"));
    m_subtypeGroup->button(kDecorationDoor)->setText(tr("Door"));
    m_subtypeGroup->button(kDecorationDoorWithWindow)->setText(tr("Door with window"));
    m_subtypeGroup->button(kDecorationWindow)->setText(tr("Window"));
    m_windowCountGroupBox->setTitle(tr("Window count"));
    for (const auto& [id, windowCount, label] : kWindowCountButtons)
        m_windowCountGroup->button(windowCount)->setText(tr(label));
    m_previewLabel->setText(tr("Preview"));
}

void CDecorationDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

QPushButton* CDecorationDlg::OkButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

QRadioButton* CDecorationDlg::ChoiceButton(int code) const
{
    for (const QButtonGroup* group : {m_wallGroup, m_mainTypeGroup, m_subtypeGroup})
        if (auto* button = qobject_cast<QRadioButton*>(group->button(code)))
            return button;
    return nullptr;
}

QRadioButton* CDecorationDlg::WindowCountButton(int windowCount) const
{
    return qobject_cast<QRadioButton*>(m_windowCountGroup->button(windowCount));
}

bool CDecorationDlg::Edit(CNamedObject& object, CObjectManager&)
{
    auto* decoration = dynamic_cast<CDecoration*>(&object);
    return decoration && EditDecoration(*decoration);
}

bool CDecorationDlg::EditDecoration(CDecoration& decoration)
{
    LoadDecoration(decoration);
    const bool accepted = exec() == QDialog::Accepted;
    if (accepted)
        StoreDecoration(decoration);
    return accepted;
}

void CDecorationDlg::LoadDecoration(const CDecoration& decoration)
{
    m_mainColorButton->SetColor(decoration.m_mainColor);
    m_innerColorButton->SetColor(decoration.m_innerColor);
    m_descriptionEdit->setText(QString::fromStdString(decoration.m_name));
    m_xEdit->SetValue(decoration.m_positionX);
    m_zEdit->SetValue(decoration.m_positionZ);
    m_widthEdit->SetValue(decoration.m_width);
    m_heightEdit->SetValue(decoration.m_height);
    CheckButtonById(*m_mainTypeGroup, decoration.m_mainType);
    CheckButtonById(*m_subtypeGroup, decoration.m_subtype);
    // A count that names no button is kept as one pane, and shown so.
    const bool knownCount = m_windowCountGroup->button(decoration.m_windowCount) != nullptr;
    CheckButtonById(*m_windowCountGroup, knownCount ? decoration.m_windowCount : kDefaultWindowCount);
    CheckButtonById(*m_wallGroup, decoration.m_wall);
    UpdateOkButton();
    UpdatePreview();
}

void CDecorationDlg::StoreDecoration(CDecoration& decoration) const
{
    decoration.m_name = m_descriptionEdit->text().toStdString();
    decoration.m_positionX = m_xEdit->GetValue();
    decoration.m_positionZ = m_zEdit->GetValue();
    decoration.m_width = m_widthEdit->GetValue();
    decoration.m_height = m_heightEdit->GetValue();
    decoration.m_wall = CheckedIdOrZero(*m_wallGroup);
    decoration.m_mainType = CheckedIdOrZero(*m_mainTypeGroup);
    decoration.m_subtype = CheckedIdOrZero(*m_subtypeGroup);
    decoration.m_windowCount = ChosenWindowCount();
    decoration.m_mainColor = m_mainColorButton->GetColor();
    decoration.m_innerColor = m_innerColorButton->GetColor();
}

int CDecorationDlg::ChosenWindowCount() const
{
    const int windowCount = m_windowCountGroup->checkedId();
    return windowCount > 0 ? windowCount : kDefaultWindowCount;
}

void CDecorationDlg::UpdateOkButton()
{
    const bool choicesMade = CheckedIdOrZero(*m_wallGroup) != 0 && CheckedIdOrZero(*m_subtypeGroup) != 0
        && CheckedIdOrZero(*m_mainTypeGroup) != 0;
    OkButton()->setEnabled(choicesMade && m_widthEdit->GetValue() != 0 && m_heightEdit->GetValue() != 0);
}

void CDecorationDlg::UpdatePreview()
{
    m_preview->m_mainColor = ShownColor(*m_mainColorButton);
    m_preview->m_innerColor = ShownColor(*m_innerColorButton);
    m_preview->m_windowCount = ChosenWindowCount();
    m_preview->m_mainType = CheckedIdOrZero(*m_mainTypeGroup);
    m_preview->m_subtype = CheckedIdOrZero(*m_subtypeGroup);
    m_preview->m_backgroundColor = m_wallColor;
    m_preview->RedrawNow();
}
