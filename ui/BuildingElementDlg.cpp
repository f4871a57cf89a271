#include "ui/BuildingElementDlg.h"

#include "model/BuildingElement.h"
#include "ui/BuildingPictures.h"
#include "model/ChoiceCodes.h"
#include "ui/ColorButton.h"
#include "ui/PartPreview.h"
#include "ui/ControlIds.h"
#include "ui/DecorationDlg.h"
#include "ui/DialogFields.h"
#include "ui/NumericEdit.h"
#include "ui/ObjectListBox.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QEvent>
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

namespace {

constexpr int kBlockHeightId = 1037;
constexpr int kBlockWidthId = 1038;
constexpr int kBlockDepthId = 1039;
constexpr int kRoofColorId = 1040;
constexpr int kRoofHeightId = 1041;
constexpr int kRoofAngleId = 1042;
constexpr int kXId = 1048;
constexpr int kYId = 1049;
constexpr int kBlockColorId = 1050;
constexpr int kZId = 1056;
constexpr int kEditDecorationId = 1057;
constexpr int kDecorationListId = 1059;
constexpr int kDeleteDecorationId = 1085;
constexpr int kNewDecorationId = 1086;

struct SRoofPicture {
    int roofType;
    const char* name; // read out for the picture, which has no text
};
constexpr SRoofPicture kRoofPictures[] = {
    {kRoofGable, QT_TRANSLATE_NOOP("CBuildingElementDlg", "Ridge roof")},
    {kRoofFlatTopped, QT_TRANSLATE_NOOP("CBuildingElementDlg", "Roof with sloping sides and a flat top")},
    {kRoofLeanTo, QT_TRANSLATE_NOOP("CBuildingElementDlg", "Single-slope roof")},
};

struct SOrientationButton {
    int orientation;
    const char* label;
};
constexpr SOrientationButton kOrientationButtons[] = {
    {kRoofOrientation0, QT_TRANSLATE_NOOP("CBuildingElementDlg", "0 degr")},
    {kRoofOrientation90, QT_TRANSLATE_NOOP("CBuildingElementDlg", "90 degr")},
    {kRoofOrientation180, QT_TRANSLATE_NOOP("CBuildingElementDlg", "180 degr")},
    {kRoofOrientation270, QT_TRANSLATE_NOOP("CBuildingElementDlg", "270 degr")},
};

QRadioButton* AddRadio(QWidget* parent, QButtonGroup& group, int code)
{
    auto* button = new QRadioButton(parent);
    SetControlId(*button, code);
    group.addButton(button, code);
    return button;
}

} // namespace

CBuildingElementDlg::CBuildingElementDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("BuildingElementDlg");
    m_descriptionLabel = new QLabel(this);
    m_descriptionEdit = new QLineEdit(this);
    SetControlId(*m_descriptionEdit, kDescriptionId);
    m_descriptionLabel->setBuddy(m_descriptionEdit);

    m_freeTextGroup = new QGroupBox(this);
    m_freeTextEdit = new QPlainTextEdit(m_freeTextGroup);
    m_freeTextEdit->setTabChangesFocus(true);
    SetControlId(*m_freeTextEdit, kFreeTextId);
    auto* freeTextLayout = new QVBoxLayout(m_freeTextGroup);
    freeTextLayout->addWidget(m_freeTextEdit);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(m_descriptionLabel);
    descriptionRow->addWidget(m_descriptionEdit, 1);
    auto* roofColumn = new QVBoxLayout;
    roofColumn->addLayout(descriptionRow);
    roofColumn->addWidget(CreateRoofGroup(), 1);

    auto* grid = new QGridLayout(this);
    grid->addWidget(CreateBlockGroup(), 0, 0);
    grid->addLayout(roofColumn, 0, 1);
    grid->addWidget(CreatePositionGroup(), 0, 2);
    grid->addWidget(CreateDecorationsGroup(), 1, 0);
    grid->addWidget(m_freeTextGroup, 1, 1);
    grid->addWidget(m_buttons, 1, 2, Qt::AlignBottom);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);

    for (CNumericEdit* edit : {m_blockHeightEdit, m_blockWidthEdit, m_blockDepthEdit})
        connect(edit, &QLineEdit::textChanged, this, &CBuildingElementDlg::UpdateControls);
    connect(m_roofTypeGroup, &QButtonGroup::idClicked, this, &CBuildingElementDlg::UpdateControls);
    connect(m_orientationGroup, &QButtonGroup::idClicked, this, &CBuildingElementDlg::UpdateControls);
    connect(m_decorationList, &QListWidget::itemSelectionChanged, this, &CBuildingElementDlg::UpdateControls);
    connect(m_newButton, &QPushButton::clicked, this, &CBuildingElementDlg::OnNewDecoration);
    connect(m_editButton, &QPushButton::clicked, this, &CBuildingElementDlg::OnEditDecoration);
    connect(m_deleteButton, &QPushButton::clicked, this, &CBuildingElementDlg::OnDeleteDecoration);

    SetTabChain({m_descriptionEdit, m_blockHeightEdit, m_blockWidthEdit, m_blockDepthEdit, m_blockColorButton,
        m_roofHeightEdit, m_roofAngleEdit, m_roofColorButton, m_roofTypeGroup->button(kRoofGable),
        m_orientationGroup->button(kRoofOrientation0), m_xEdit, m_yEdit, m_zEdit, m_decorationList, m_newButton,
        m_editButton, m_deleteButton, m_freeTextEdit, OkButton(), m_buttons->button(QDialogButtonBox::Cancel)});
    retranslateUi();
    UpdateControls();
    // The element as the fields say, with the decorations it has.
    AttachDialogPreview(*this, m_freeTextEdit, [this](CPartPreview& preview) {
        if (!m_pElement)
            return;
        CBuildingElement shown;
        StoreElement(shown);
        std::swap(shown.m_decorations, m_pElement->m_decorations);
        preview.ShowElement(shown, CurrentExportOptions());
        std::swap(shown.m_decorations, m_pElement->m_decorations);
    });
}

QGroupBox* CBuildingElementDlg::CreateBlockGroup()
{
    m_blockGroup = new QGroupBox(this);
    m_blockHeightLabel = new QLabel(m_blockGroup);
    m_blockWidthLabel = new QLabel(m_blockGroup);
    m_blockDepthLabel = new QLabel(m_blockGroup);
    m_blockColorLabel = new QLabel(m_blockGroup);
    m_blockHeightEdit = NewDigitsEdit(m_blockGroup, kBlockHeightId);
    m_blockWidthEdit = NewDigitsEdit(m_blockGroup, kBlockWidthId);
    m_blockDepthEdit = NewDigitsEdit(m_blockGroup, kBlockDepthId);
    m_blockColorButton = new CColorButton(m_blockGroup);
    SetControlId(*m_blockColorButton, kBlockColorId);
    auto* layout = new QFormLayout(m_blockGroup);
    layout->addRow(m_blockHeightLabel, m_blockHeightEdit);
    layout->addRow(m_blockWidthLabel, m_blockWidthEdit);
    layout->addRow(m_blockDepthLabel, m_blockDepthEdit);
    layout->addRow(m_blockColorLabel, m_blockColorButton);
    m_blockHeightLabel->setBuddy(m_blockHeightEdit);
    m_blockWidthLabel->setBuddy(m_blockWidthEdit);
    m_blockDepthLabel->setBuddy(m_blockDepthEdit);
    m_blockColorLabel->setBuddy(m_blockColorButton);
    return m_blockGroup;
}

QGroupBox* CBuildingElementDlg::CreateRoofGroup()
{
    m_roofGroup = new QGroupBox(this);
    m_roofHeightLabel = new QLabel(m_roofGroup);
    m_roofAngleLabel = new QLabel(m_roofGroup);
    m_roofColorLabel = new QLabel(m_roofGroup);
    m_roofHeightEdit = NewDigitsEdit(m_roofGroup, kRoofHeightId);
    m_roofAngleEdit = NewDigitsEdit(m_roofGroup, kRoofAngleId);
    m_roofColorButton = new CColorButton(m_roofGroup);
    SetControlId(*m_roofColorButton, kRoofColorId);
    m_roofHeightLabel->setBuddy(m_roofHeightEdit);
    m_roofAngleLabel->setBuddy(m_roofAngleEdit);
    m_roofColorLabel->setBuddy(m_roofColorButton);
    auto* sizes = new QFormLayout;
    sizes->addRow(m_roofHeightLabel, m_roofHeightEdit);
    sizes->addRow(m_roofAngleLabel, m_roofAngleEdit);
    sizes->addRow(m_roofColorLabel, m_roofColorButton);

    m_roofTypeGroupBox = new QGroupBox(m_roofGroup);
    m_roofTypeGroup = new QButtonGroup(this);
    auto* roofTypeLayout = new QVBoxLayout(m_roofTypeGroupBox);
    for (const auto& picture : kRoofPictures) {
        QRadioButton* button = AddRadio(m_roofTypeGroupBox, *m_roofTypeGroup, picture.roofType);
        const QPixmap pixmap = RoofPicture(picture.roofType);
        button->setIcon(pixmap);
        button->setIconSize(pixmap.size());
        roofTypeLayout->addWidget(button);
    }
    roofTypeLayout->addWidget(AddRadio(m_roofTypeGroupBox, *m_roofTypeGroup, kRoofNone));

    m_orientationGroupBox = new QGroupBox(m_roofGroup);
    m_orientationGroup = new QButtonGroup(this);
    auto* orientationLayout = new QVBoxLayout(m_orientationGroupBox);
    for (const auto& orientation : kOrientationButtons)
        orientationLayout->addWidget(AddRadio(m_orientationGroupBox, *m_orientationGroup, orientation.orientation));

    auto* layout = new QHBoxLayout(m_roofGroup);
    layout->addLayout(sizes);
    layout->addWidget(m_roofTypeGroupBox);
    layout->addWidget(m_orientationGroupBox);
    return m_roofGroup;
}

QGroupBox* CBuildingElementDlg::CreatePositionGroup()
{
    m_positionGroup = new QGroupBox(this);
    m_positionText = new QLabel(m_positionGroup);
    m_positionText->setWordWrap(true);
    m_xLabel = new QLabel(m_positionGroup);
    m_yLabel = new QLabel(m_positionGroup);
    m_zLabel = new QLabel(m_positionGroup);
    m_xEdit = NewDigitsEdit(m_positionGroup, kXId);
    m_yEdit = NewDigitsEdit(m_positionGroup, kYId);
    m_zEdit = NewDigitsEdit(m_positionGroup, kZId);
    m_xLabel->setBuddy(m_xEdit);
    m_yLabel->setBuddy(m_yEdit);
    m_zLabel->setBuddy(m_zEdit);
    auto* layout = new QFormLayout(m_positionGroup);
    layout->addRow(m_positionText);
    layout->addRow(m_xLabel, m_xEdit);
    layout->addRow(m_yLabel, m_yEdit);
    layout->addRow(m_zLabel, m_zEdit);
    return m_positionGroup;
}

QGroupBox* CBuildingElementDlg::CreateDecorationsGroup()
{
    m_decorationsGroup = new QGroupBox(this);
    m_decorationList = new CObjectListBox(m_decorationsGroup);
    m_decorationList->setMinimumWidth(m_decorationList->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 12);
    SetControlId(*m_decorationList, kDecorationListId);
    m_newButton = NewListButton(m_decorationsGroup, kNewDecorationId);
    m_editButton = NewListButton(m_decorationsGroup, kEditDecorationId);
    m_deleteButton = NewListButton(m_decorationsGroup, kDeleteDecorationId);
    LayOutListWithButtons(*m_decorationsGroup, *m_decorationList, {m_newButton, m_editButton, m_deleteButton});
    return m_decorationsGroup;
}

void CBuildingElementDlg::retranslateUi()
{
    setWindowTitle(tr("Building element"));
    m_descriptionLabel->setText(tr("Description"));
    m_blockGroup->setTitle(tr("Block"));
    m_blockHeightLabel->setText(tr("Height"));
    m_blockWidthLabel->setText(tr("Width"));
    m_blockDepthLabel->setText(tr("Depth"));
    m_blockColorLabel->setText(tr("Block color"));
    m_roofGroup->setTitle(tr("Roof"));
    m_roofHeightLabel->setText(tr("Height"));
    m_roofAngleLabel->setText(tr("Angle"));
    m_roofColorLabel->setText(tr("Roof color"));
    m_roofTypeGroupBox->setTitle(tr("Rooftype"));
    for (const auto& picture : kRoofPictures)
        m_roofTypeGroup->button(picture.roofType)->setAccessibleName(tr(picture.name));
    m_roofTypeGroup->button(kRoofNone)->setText(tr("No roof"));
    m_orientationGroupBox->setTitle(tr("Roof orientation"));
    for (const auto& orientation : kOrientationButtons)
        m_orientationGroup->button(orientation.orientation)->setText(tr(orientation.label));
    m_positionGroup->setTitle(tr("Element position"));
    m_positionText->setText(tr("Lower left corner of block:"));
    m_xLabel->setText(tr("X"));
    m_yLabel->setText(tr("Y"));
    m_zLabel->setText(tr("Z:"));
    m_decorationsGroup->setTitle(tr("Decorations"));
    m_newButton->setText(tr("New ..."));
    m_editButton->setText(tr("Edit  ..."));
    m_deleteButton->setText(tr("Delete"));
    m_freeTextGroup->setTitle(tr("Free additional text"));
}

void CBuildingElementDlg::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QDialog::changeEvent(event);
}

QPushButton* CBuildingElementDlg::OkButton() const
{
    return m_buttons->button(QDialogButtonBox::Ok);
}

QRadioButton* CBuildingElementDlg::RoofButton(int code) const
{
    for (const QButtonGroup* group : {m_roofTypeGroup, m_orientationGroup})
        if (auto* button = qobject_cast<QRadioButton*>(group->button(code)))
            return button;
    return nullptr;
}

bool CBuildingElementDlg::Edit(CNamedObject& object, CObjectManager& owner)
{
    auto* element = dynamic_cast<CBuildingElement*>(&object);
    return element && EditElement(*element, owner.GetDocument());
}

bool CBuildingElementDlg::EditElement(CBuildingElement& element, CDocument* document)
{
    m_pElement = &element;
    m_pDocument = document;
    LoadElement(element);
    const bool accepted = exec() == QDialog::Accepted;
    if (accepted)
        StoreElement(element);
    m_decorationList->ClearEntries();
    m_pElement = nullptr;
    m_pDocument = nullptr;
    return accepted;
}

void CBuildingElementDlg::LoadElement(const CBuildingElement& element)
{
    CheckButtonById(*m_roofTypeGroup, element.m_roofType);
    CheckButtonById(*m_orientationGroup, element.m_roofOrientation);
    m_blockColorButton->SetColor(element.m_blockColor);
    m_descriptionEdit->setText(QString::fromStdString(element.m_name));
    m_xEdit->SetValue(element.m_positionX);
    m_yEdit->SetValue(element.m_positionY);
    m_zEdit->SetValue(element.m_positionZ);
    m_blockDepthEdit->SetValue(element.m_blockDepth);
    m_blockHeightEdit->SetValue(element.m_blockHeight);
    m_blockWidthEdit->SetValue(element.m_blockWidth);
    m_freeTextEdit->setPlainText(QString::fromStdString(element.m_freeText));
    m_roofAngleEdit->SetValue(element.m_roofAngle);
    m_roofColorButton->SetColor(element.m_roofColor);
    m_roofHeightEdit->SetValue(element.m_roofHeight);
    m_decorationList->ClearEntries();
    if (element.m_decorations)
        m_decorationList->FillFromList(*element.m_decorations);
    UpdateControls();
}

void CBuildingElementDlg::StoreElement(CBuildingElement& element) const
{
    element.m_blockColor = m_blockColorButton->GetColor();
    element.m_positionX = m_xEdit->GetValue();
    element.m_positionY = m_yEdit->GetValue();
    element.m_positionZ = m_zEdit->GetValue();
    element.m_blockDepth = m_blockDepthEdit->GetValue();
    element.m_blockHeight = m_blockHeightEdit->GetValue();
    element.m_blockWidth = m_blockWidthEdit->GetValue();
    element.m_freeText = m_freeTextEdit->toPlainText().toStdString();
    element.m_name = m_descriptionEdit->text().toStdString();
    // Angle and roof height are kept even while their edits are disabled.
    element.m_roofAngle = m_roofAngleEdit->GetValue();
    element.m_roofColor = m_roofColorButton->GetColor();
    element.m_roofHeight = m_roofHeightEdit->GetValue();
    element.m_roofType = CheckedIdOrZero(*m_roofTypeGroup);
    element.m_roofOrientation = CheckedIdOrZero(*m_orientationGroup);
}

void CBuildingElementDlg::UpdateControls()
{
    const bool decorationSelected = m_decorationList->GetSelectedObject() != nullptr;
    m_editButton->setEnabled(decorationSelected);
    m_deleteButton->setEnabled(decorationSelected);
    m_newButton->setEnabled(m_pElement && m_pElement->m_decorations);

    const int roofType = CheckedIdOrZero(*m_roofTypeGroup);
    const bool roofChosen = roofType != 0 && CheckedIdOrZero(*m_orientationGroup) != 0;
    const bool blockSized = m_blockHeightEdit->GetValue() != 0 && m_blockWidthEdit->GetValue() != 0
        && m_blockDepthEdit->GetValue() != 0;
    OkButton()->setEnabled(roofChosen && blockSized);
    m_roofAngleEdit->setEnabled(roofType == kRoofFlatTopped);
    m_roofHeightEdit->setEnabled(roofType != kRoofNone);
}

CDecorationManager* CBuildingElementDlg::DecorationsForChange()
{
    if (!m_pElement || !m_pElement->m_decorations)
        return nullptr;
    m_pElement->m_decorations->SetDocument(m_pDocument);
    return m_pElement->m_decorations.get();
}

void CBuildingElementDlg::OnNewDecoration()
{
    CDecorationManager* decorations = DecorationsForChange();
    if (!decorations)
        return;
    CDecorationDlg dialog(this);
    dialog.SetWallColor(m_blockColorButton->GetColor());
    std::unique_ptr<CNamedObject> decoration = std::make_unique<CDecoration>();
    CNamedObject* added = decoration.get();
    if (decorations->NewObject(decoration, &dialog))
        m_decorationList->AddAndSelect(added);
    else
        m_decorationList->SelectIndex(-1);
    UpdateControls();
}

void CBuildingElementDlg::OnEditDecoration()
{
    CDecorationManager* decorations = DecorationsForChange();
    CNamedObject* decoration = m_decorationList->GetSelectedObject();
    if (!decorations || !decoration)
        return;
    CDecorationDlg dialog(this);
    dialog.SetWallColor(m_blockColorButton->GetColor());
    if (decorations->EditObject(*decoration, &dialog)) {
        decoration->SetDefaultName();
        m_decorationList->RefreshSelected();
    }
    UpdateControls();
}

void CBuildingElementDlg::OnDeleteDecoration()
{
    CDecorationManager* decorations = DecorationsForChange();
    CNamedObject* decoration = m_decorationList->GetSelectedObject();
    if (!decorations || !decoration)
        return;
    m_decorationList->DeleteSelected();
    decorations->Delete(decoration);
    UpdateControls();
}
