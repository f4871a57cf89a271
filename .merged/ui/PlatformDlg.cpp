#include "ui/PlatformDlg.h"

#include "model/ChoiceCodes.h"
#include "model/Platform.h"
#include "ui/ColorButton.h"
#include "ui/CoverPictures.h"
#include "ui/DialogFields.h"
#include "ui/NumericEdit.h"
#include "ui/PartPreview.h"
#include "ui/UnitsComboBox.h"

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

#include <array>

namespace {

CNumericEdit* DigitsOnlyEdit(const char* name)
{
    auto* edit = Named(new CNumericEdit, name);
    SetDigitsOnly(*edit);
    return edit;
}

} // namespace

CPlatformDlg::CPlatformDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("PlatformDlg"); // also its help topic
    setWindowTitle(tr("Platform edit dialog"));
    setWindowModality(Qt::WindowModal);

    auto* leftColumn = new QVBoxLayout;
    leftColumn->addWidget(CreateHeaderGroup());
    leftColumn->addWidget(CreateFloorGroup());
    leftColumn->addStretch();
    auto* rightColumn = new QVBoxLayout;
    rightColumn->addWidget(CreateCoverTypeGroup());
    rightColumn->addWidget(CreateCoverPropertiesGroup());
    rightColumn->addWidget(CreatePoleStyleGroup());
    rightColumn->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(leftColumn, 1);
    columns->addLayout(rightColumn, 1);

    m_freeText = Named(new QPlainTextEdit, "freeText");
    m_freeText->setTabChangesFocus(true);
    // A few lines to start with; the text grows with the dialog.
    m_freeText->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_freeText->setMinimumHeight(fontMetrics().lineSpacing() * 4);
    auto* freeTextLabel = new QLabel(tr("Additional free te&xt"));
    freeTextLabel->setBuddy(m_freeText);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_okButton = Named(buttons->button(QDialogButtonBox::Ok), "ok");
    connect(buttons, &QDialogButtonBox::accepted, this, &CPlatformDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPlatformDlg::reject);

    m_okHint = NewOkHint();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_okHint, 1);
    buttonRow->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(freeTextLabel);
    layout->addWidget(m_freeText, 1);
    layout->addLayout(buttonRow);

    // Only the sizes the OK rule looks at update the button as they are typed.
    for (CNumericEdit* edit : {m_length, m_width, m_height, m_poleHeight, m_poleDiameter})
        connect(edit, &QLineEdit::textChanged, this, &CPlatformDlg::UpdateOkButton);
    TabToCheckedButton(*m_coverTypeButtons);
    TabToCheckedButton(*m_poleStyleButtons);
    FitToScreen(*this);
    AttachDialogPreview(*this, m_freeText, [this](CPartPreview& preview) {
        if (!m_pPlatform)
            return;
        CPlatform shown;
        CPlatform* const edited = std::exchange(m_pPlatform, &shown);
        StorePlatform();
        m_pPlatform = edited;
        preview.ShowPart(&shown, CurrentExportOptions());
    });
}

QWidget* CPlatformDlg::CreateHeaderGroup()
{
    auto* group = new QGroupBox(tr("Header information"));
    auto* form = new QFormLayout(group);
    m_description = Named(new QLineEdit, "description");
    m_catalogNo = Named(new QLineEdit, "catalogNo");
    m_units = Named(new CUnitsComboBox, "units");
    m_price = NewPriceEdit("price");
    m_partsPerPackage = DigitsOnlyEdit("partsPerPackage");
    form->addRow(tr("&Description"), m_description);
    form->addRow(tr("C&atalogue no"), m_catalogNo);
    form->addRow(tr("&Units"), m_units);
    form->addRow(tr("Pr&ice"), m_price);
    form->addRow(tr("Parts per pac&kage"), m_partsPerPackage);
    return group;
}

QWidget* CPlatformDlg::CreateFloorGroup()
{
    auto* group = new QGroupBox(tr("Floor part"));
    auto* form = new QFormLayout(group);
    m_length = DigitsOnlyEdit("length");
    m_width = DigitsOnlyEdit("width");
    m_height = DigitsOnlyEdit("height");
    m_topColor = Named(new CColorButton, "topColor");
    m_sideColor = Named(new CColorButton, "sideColor");
    form->addRow(tr("&Length"), m_length);
    form->addRow(tr("&Width"), m_width);
    form->addRow(tr("&Height"), m_height);
    form->addRow(tr("&Top color"), m_topColor);
    form->addRow(tr("&Side color"), m_sideColor);
    return group;
}

QWidget* CPlatformDlg::CreateCoverTypeGroup()
{
    struct SCoverChoice {
        int32_t id;
        const char* objectName;
        const char* description;
    };
    static const std::array<SCoverChoice, 4> kPictureCovers = {{
        {kCoverPitched, "coverPitched", QT_TR_NOOP("Pitched roof on poles along both edges")},
        {kCoverVShaped, "coverVShaped", QT_TR_NOOP("V-shaped roof on one middle row of poles")},
        {kCoverArched, "coverArched", QT_TR_NOOP("Arched roof on poles along both edges")},
        {kCoverSinglePitch, "coverSinglePitch", QT_TR_NOOP("Single-pitch roof on poles along both edges")},
    }};

    auto* group = new QGroupBox(tr("Cover type"));
    auto* grid = new QGridLayout(group);
    m_coverTypeButtons = new QButtonGroup(this);
    auto* noCover = Named(new QRadioButton(tr("No co&ver")), "coverNone");
    m_coverTypeButtons->addButton(noCover, kCoverNone);
    grid->addWidget(noCover, 0, 0, 1, 2, Qt::AlignLeft);
    const QSize pictureSize(64, 40);
    for (size_t index = 0; index < kPictureCovers.size(); ++index) {
        const SCoverChoice& cover = kPictureCovers[index];
        auto* button = Named(new QRadioButton, cover.objectName);
        button->setIcon(DrawCoverPicture(cover.id, pictureSize, devicePixelRatio()));
        button->setIconSize(pictureSize);
        button->setToolTip(tr(cover.description));
        button->setAccessibleName(tr(cover.description));
        m_coverTypeButtons->addButton(button, cover.id);
        grid->addWidget(button, 1 + static_cast<int>(index) / 2, static_cast<int>(index) % 2);
    }
    connect(m_coverTypeButtons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            m_coverType = id;
            UpdateOkButton();
        }
    });
    return group;
}

QWidget* CPlatformDlg::CreateCoverPropertiesGroup()
{
    auto* group = new QGroupBox(tr("Cover properties"));
    auto* form = new QFormLayout(group);
    m_poleHeight = DigitsOnlyEdit("poleHeight");
    m_roofHeight = DigitsOnlyEdit("roofHeight");
    m_edgeDistance = DigitsOnlyEdit("edgeDistance");
    m_polesPerSide = DigitsOnlyEdit("polesPerSide");
    m_roofColor = Named(new CColorButton, "roofColor");
    form->addRow(tr("Pole hei&ght"), m_poleHeight);
    form->addRow(tr("&Roof height"), m_roofHeight);
    form->addRow(tr("&Edge distance"), m_edgeDistance);
    form->addRow(tr("Num&ber of poles (one side)"), m_polesPerSide);
    form->addRow(tr("Roo&f color"), m_roofColor);
    return group;
}

QWidget* CPlatformDlg::CreatePoleStyleGroup()
{
    auto* group = new QGroupBox(tr("Pole style"));
    auto* form = new QFormLayout(group);
    m_poleStyleButtons = new QButtonGroup(this);
    auto* round = Named(new QRadioButton(tr("Rou&nd pole")), "poleRound");
    auto* square = Named(new QRadioButton(tr("S&quare pole")), "poleSquare");
    m_poleStyleButtons->addButton(round, kPoleRound);
    m_poleStyleButtons->addButton(square, kPoleSquare);
    auto* styles = new QHBoxLayout;
    styles->addWidget(round);
    styles->addWidget(square);
    styles->addStretch();
    m_poleColor = Named(new CColorButton, "poleColor");
    m_poleDiameter = DigitsOnlyEdit("poleDiameter");
    form->addRow(styles);
    form->addRow(tr("&Pole color"), m_poleColor);
    form->addRow(tr("Pole dia&meter"), m_poleDiameter);
    connect(m_poleStyleButtons, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) {
            m_poleStyle = id;
            UpdateOkButton();
        }
    });
    return group;
}

bool CPlatformDlg::Edit(CNamedObject& object, CObjectManager&)
{
    m_pPlatform = DynamicDowncast<CPlatform>(&object);
    if (!m_pPlatform)
        return false;
    LoadPlatform();
    return exec() == QDialog::Accepted;
}

void CPlatformDlg::accept()
{
    // Enter in an edit presses the default button even while the rule says no.
    if (!CanBeBuilt())
        return;
    StorePlatform();
    QDialog::accept();
}

void CPlatformDlg::LoadPlatform()
{
    const CPlatform& platform = *m_pPlatform;
    m_catalogNo->setText(QString::fromStdString(platform.m_catalogNo));
    m_description->setText(QString::fromStdString(platform.m_name));
    m_freeText->setPlainText(QString::fromStdString(platform.m_freeText));
    m_price->setText(QString::fromStdString(platform.m_price));
    m_partsPerPackage->SetValue(platform.m_partsPerPackage);
    m_height->SetValue(platform.m_height);
    m_length->SetValue(platform.m_length);
    m_poleHeight->SetValue(platform.m_poleHeight);
    m_roofHeight->SetValue(platform.m_roofHeight);
    m_width->SetValue(platform.m_width);
    m_poleDiameter->SetValue(platform.m_poleDiameter);
    m_edgeDistance->SetValue(platform.m_edgeDistance);
    m_polesPerSide->SetValue(platform.m_polesPerSide);
    m_units->Fill(platform.m_units);
    m_topColor->SetColor(platform.m_topColor);
    m_sideColor->SetColor(platform.m_sideColor);
    m_roofColor->SetColor(platform.m_roofColor);
    m_poleColor->SetColor(platform.m_poleColor);

    m_coverType = platform.m_coverType;
    m_poleStyle = platform.m_poleStyle;
    CheckButtonById(*m_coverTypeButtons, m_coverType);
    CheckButtonById(*m_poleStyleButtons, m_poleStyle);
    m_description->setFocus();
    UpdateOkButton();
}

void CPlatformDlg::StorePlatform()
{
    CPlatform& platform = *m_pPlatform;
    platform.m_name = m_description->text().toStdString();
    platform.m_catalogNo = CatalogNoFromText(m_catalogNo->text());
    platform.m_freeText = m_freeText->toPlainText().toStdString();
    platform.m_partsPerPackage = m_partsPerPackage->GetValue();
    platform.m_price = PriceFromText(m_price->text());
    platform.m_units = m_units->GetUnits();
    platform.m_height = m_height->GetValue();
    platform.m_length = m_length->GetValue();
    platform.m_poleHeight = m_poleHeight->GetValue();
    platform.m_roofHeight = m_roofHeight->GetValue();
    platform.m_width = m_width->GetValue();
    platform.m_poleDiameter = m_poleDiameter->GetValue();
    platform.m_edgeDistance = m_edgeDistance->GetValue();
    platform.m_polesPerSide = m_polesPerSide->GetValue();
    platform.m_topColor = m_topColor->GetColor();
    platform.m_sideColor = m_sideColor->GetColor();
    platform.m_roofColor = m_roofColor->GetColor();
    platform.m_poleColor = m_poleColor->GetColor();
    platform.m_coverType = m_coverType;
    platform.m_poleStyle = m_poleStyle;
}

QString CPlatformDlg::MissingForOk() const
{
    if (m_coverType == 0)
        return tr("Choose a cover type");
    const std::pair<const CNumericEdit*, QString> floor[] = {{m_length, tr("Length must be more than 0")},
        {m_width, tr("Width must be more than 0")}, {m_height, tr("Height must be more than 0")}};
    for (const auto& [size, missing] : floor)
        if (size->GetValue() <= 0)
            return missing;
    if (m_coverType == kCoverNone)
        return {};
    if (m_poleStyle == 0)
        return tr("Choose a pole style");
    if (m_poleHeight->GetValue() <= 0)
        return tr("Pole height must be more than 0");
    if (m_poleDiameter->GetValue() <= 0)
        return tr("Pole diameter must be more than 0");
    return {};
}

void CPlatformDlg::UpdateOkButton()
{
    ShowOkState(*m_okButton, *m_okHint, MissingForOk());
}
