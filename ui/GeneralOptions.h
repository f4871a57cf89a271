#pragma once

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The options sheet's one page: language, Winrail version, the hexahedron keyword form and
// the command "Export and compile" runs.
// The fields hold the numbers of the chosen texts; a number the combo boxes do not offer
// shows no selection and survives OK.
class CGeneralOptions : public QWidget {
    Q_OBJECT
public:
    explicit CGeneralOptions(QWidget* parent = nullptr);

    // The page's caption, as its tab shows it.
    static QString Caption();

    // Fills the controls from the fields.
    void OnInitDialog();
    // Takes the controls back into the fields.
    void OnOK();

    QComboBox* LanguageCombo() const { return m_languageCombo; }
    QComboBox* VersionCombo() const { return m_versionCombo; }
    QCheckBox* HexahedronCheck() const { return m_hexahedronCheck; }
    QLineEdit* CompileCommandEdit() const { return m_compileCommandEdit; }

    int32_t m_hexahedronBugfix = 0;
    int32_t m_winrailVersion;
    int32_t m_language;
    QString m_compileCommand;

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QLabel* m_languageLabel;
    QComboBox* m_languageCombo;
    QLabel* m_versionLabel;
    QComboBox* m_versionCombo;
    QCheckBox* m_hexahedronCheck;
    QLabel* m_compileCommandLabel;
    QLineEdit* m_compileCommandEdit;
    QLabel* m_compileCommandHint;
};
