#include "ui/GeneralOptions.h"

#include "model/ChoiceCodes.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <utility>

namespace {

// Each entry of a combo box carries the number the options keep for it.
struct SChoice {
    int32_t number;
    const char* text;
};

// French has a user interface but is not offered here.
constexpr SChoice kLanguages[] = {
    {kLanguageDefault, QT_TRANSLATE_NOOP("CGeneralOptions", "Default")},
    {kLanguageEnglish, QT_TRANSLATE_NOOP("CGeneralOptions", "English")},
    {kLanguageGerman, QT_TRANSLATE_NOOP("CGeneralOptions", "German")},
    {kLanguageDutch, QT_TRANSLATE_NOOP("CGeneralOptions", "Dutch")},
};

constexpr SChoice kVersions[] = {
    {kWinrail5, QT_TRANSLATE_NOOP("CGeneralOptions", "5.x")},
    {kWinrail6, QT_TRANSLATE_NOOP("CGeneralOptions", "6.x")},
};

// Fills the combo box sorted in the current language and selects the entry of current
// (none when no entry carries it).
template <size_t N>
void FillSorted(QComboBox& combo, const SChoice (&choices)[N], int32_t current)
{
    std::vector<std::pair<QString, int32_t>> entries;
    for (const SChoice& choice : choices)
        entries.emplace_back(CGeneralOptions::tr(choice.text), choice.number);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(entries.begin(), entries.end(),
        [&collator](const auto& a, const auto& b) { return collator.compare(a.first, b.first) < 0; });
    combo.clear();
    for (const auto& [text, number] : entries)
        combo.addItem(text, number);
    combo.setCurrentIndex(combo.findData(current));
}

// The number of the selected entry, or fallback when nothing is selected.
int32_t SelectedNumber(const QComboBox& combo, int32_t fallback)
{
    return combo.currentIndex() < 0 ? fallback : combo.currentData().toInt();
}

}

CGeneralOptions::CGeneralOptions(QWidget* parent)
    : QWidget(parent)
    , m_winrailVersion(kWinrail6)
    , m_language(kLanguageEnglish)
{
    setObjectName("GeneralOptions");
    m_languageLabel = new QLabel(this);
    m_languageCombo = new QComboBox(this);
    m_languageCombo->setObjectName("language");
    m_versionLabel = new QLabel(this);
    m_versionCombo = new QComboBox(this);
    m_versionCombo->setObjectName("winrailVersion");
    m_hexahedronCheck = new QCheckBox(this);
    m_hexahedronCheck->setObjectName("hexahedron");
    m_languageLabel->setBuddy(m_languageCombo);
    m_versionLabel->setBuddy(m_versionCombo);
    m_compileCommandLabel = new QLabel(this);
    m_compileCommandEdit = new QLineEdit(this);
    m_compileCommandEdit->setObjectName("compileCommand");
    m_compileCommandEdit->setMinimumWidth(280);
    m_compileCommandLabel->setBuddy(m_compileCommandEdit);
    m_compileCommandHint = new QLabel(this);
    m_compileCommandHint->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(m_languageLabel, m_languageCombo);
    form->addRow(m_versionLabel, m_versionCombo);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_hexahedronCheck);
    auto* compileForm = new QFormLayout;
    compileForm->addRow(m_compileCommandLabel, m_compileCommandEdit);
    compileForm->addRow(QString(), m_compileCommandHint);
    layout->addLayout(compileForm);
    layout->addStretch();
    retranslateUi();
}

QString CGeneralOptions::Caption()
{
    return tr("General options");
}

void CGeneralOptions::retranslateUi()
{
    setWindowTitle(Caption());
    m_languageLabel->setText(tr("Select language"));
    m_versionLabel->setText(tr("Winrail version "));
    m_hexahedronCheck->setText(tr("Use hexahedron in stead of Hexaedron (bug fix)"));
    m_compileCommandLabel->setText(tr("Compile command"));
    m_compileCommandHint->setText(tr("Run by \"Export and compile\" on the parts file; %f stands for the file. "
                                     "Empty: the desktop's program for parts files."));
}

void CGeneralOptions::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void CGeneralOptions::OnInitDialog()
{
    FillSorted(*m_languageCombo, kLanguages, m_language);
    FillSorted(*m_versionCombo, kVersions, m_winrailVersion);
    m_hexahedronCheck->setChecked(m_hexahedronBugfix != 0);
    m_compileCommandEdit->setText(m_compileCommand);
}

void CGeneralOptions::OnOK()
{
    m_language = SelectedNumber(*m_languageCombo, m_language);
    m_winrailVersion = SelectedNumber(*m_versionCombo, m_winrailVersion);
    m_hexahedronBugfix = m_hexahedronCheck->isChecked() ? 1 : 0;
    m_compileCommand = m_compileCommandEdit->text().trimmed();
}
