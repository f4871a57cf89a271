#pragma once

#include <QWidget>

class CProgramOptions;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// The options sheet's one page: language, Winrail version, the hexahedron keyword form, how
// often unsaved changes are kept for recovery, whether a save keeps the previous version and
// the command "Export and compile" runs.
// A number the combo boxes do not offer shows no selection and survives OK.
class CGeneralOptions : public QWidget {
    Q_OBJECT
public:
    explicit CGeneralOptions(QWidget* parent = nullptr);

    // The page's caption, as its tab shows it.
    static QString Caption();

    void Load(const CProgramOptions& options);
    void Store(CProgramOptions& options) const;

private:
    QComboBox* m_language;
    QComboBox* m_winrailVersion;
    QCheckBox* m_hexahedron;
    QSpinBox* m_autosaveMinutes;
    QCheckBox* m_backupOnSave;
    QLineEdit* m_compileCommand;
};
