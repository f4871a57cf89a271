#include "ui/GeneralOptions.h"

#include "settings/ProgramOptions.h"
#include "model/ChoiceCodes.h"
#include "ui/DialogFields.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

namespace {

// Each entry of a combo box carries the number the options keep for it.
struct SChoice {
    int32_t number;
    const char* text;
};

// French, like English and "Default", writes English keywords.
constexpr SChoice kLanguages[] = {
    {kLanguageDefault, QT_TRANSLATE_NOOP("CGeneralOptions", "Default")},
    {kLanguageEnglish, QT_TRANSLATE_NOOP("CGeneralOptions", "English")},
    {kLanguageGerman, QT_TRANSLATE_NOOP("CGeneralOptions", "German")},
    {kLanguageFrench, QT_TRANSLATE_NOOP("CGeneralOptions", "French")},
    {kLanguageDutch, QT_TRANSLATE_NOOP("CGeneralOptions", "Dutch")},
};

constexpr SChoice kVersions[] = {
    {kWinrail5, QT_TRANSLATE_NOOP("CGeneralOptions", "5.x")},
    {kWinrail6, QT_TRANSLATE_NOOP("CGeneralOptions", "6.x")},
};

// Fills the combo box sorted in the current language and selects the entry of current
// (none when no entry carries it).
void FillSorted(QComboBox& combo, std::span<const SChoice> choices, int32_t current)
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
{
    setObjectName("GeneralOptions");
    setWindowTitle(Caption());
    m_language = Named(new QComboBox, "language");
    m_winrailVersion = Named(new QComboBox, "winrailVersion");
    m_hexahedron = Named(new QCheckBox(tr("&Use hexahedron instead of Hexaedron (bug fix)")), "hexahedron");
    m_autosaveMinutes = Named(new QSpinBox, "autosaveMinutes");
    m_autosaveMinutes->setRange(0, 999);
    m_autosaveMinutes->setSuffix(tr(" min"));
    m_autosaveMinutes->setSpecialValueText(tr("Never"));
    m_backupOnSave = Named(new QCheckBox(tr("Keep the previous version as a &backup (.bak) when saving")), "backupOnSave");
    m_compileCommand = Named(new QLineEdit, "compileCommand");
    m_compileCommand->setMinimumWidth(280);
    auto* compileHint = new QLabel(tr("Run by \"Export and compile\" on the parts file; %f stands for the file. "
                                      "Empty: the desktop's program for parts files."));
    compileHint->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&Select language"), m_language);
    form->addRow(tr("&Winrail version "), m_winrailVersion);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_hexahedron);
    auto* safety = new QFormLayout;
    safety->addRow(tr("&Keep unsaved changes for recovery every"), m_autosaveMinutes);
    layout->addLayout(safety);
    layout->addWidget(m_backupOnSave);
    auto* compileForm = new QFormLayout;
    compileForm->addRow(tr("Co&mpile command"), m_compileCommand);
    compileForm->addRow(QString(), compileHint);
    layout->addLayout(compileForm);
    layout->addStretch();
}

QString CGeneralOptions::Caption()
{
    return tr("General options");
}

void CGeneralOptions::Load(const CProgramOptions& options)
{
    FillSorted(*m_language, kLanguages, options.m_language);
    FillSorted(*m_winrailVersion, kVersions, options.m_winrailVersion);
    m_hexahedron->setChecked(options.m_hexahedronBugfix != 0);
    m_autosaveMinutes->setValue(std::max(options.m_autosaveMinutes, 0));
    m_backupOnSave->setChecked(options.m_backupOnSave != 0);
    m_compileCommand->setText(QString::fromStdString(options.m_compileCommand));
}

void CGeneralOptions::Store(CProgramOptions& options) const
{
    options.m_language = SelectedNumber(*m_language, options.m_language);
    options.m_winrailVersion = SelectedNumber(*m_winrailVersion, options.m_winrailVersion);
    options.m_hexahedronBugfix = m_hexahedron->isChecked() ? 1 : 0;
    options.m_autosaveMinutes = m_autosaveMinutes->value();
    options.m_backupOnSave = m_backupOnSave->isChecked() ? 1 : 0;
    options.m_compileCommand = m_compileCommand->text().trimmed().toStdString();
}
