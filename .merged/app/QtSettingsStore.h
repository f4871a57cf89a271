#pragma once

#include "settings/SettingsStore.h"

#include <QSettings>

#include <memory>

// The program's settings kept in the desktop's settings store (the registry on Windows, a
// settings file elsewhere), under the company name and "Modelwright".
// A stored value counts as a 4-byte integer only when it is a whole number in the 32-bit
// range; text, larger numbers and values of other types read as malformed.
class CQtSettingsStore : public ISettingsStore {
public:
    static constexpr const char* kApplicationName = "Modelwright";

    // The store of the program's own settings.
    CQtSettingsStore();
    // Another store, for example a settings file of a test.
    explicit CQtSettingsStore(std::unique_ptr<QSettings> settings);

    // A new handle on the program's own settings store.
    static std::unique_ptr<QSettings> OpenProgramSettings();

    std::optional<int32_t> ReadInt32(std::string_view name) override;
    bool WriteInt32(std::string_view name, int32_t value) override;
    std::optional<std::string> ReadText(std::string_view name) override;
    bool WriteText(std::string_view name, std::string_view text) override;
    void Flush() override;

    QSettings& Settings() { return *m_pSettings; }

private:
    std::unique_ptr<QSettings> m_pSettings;
};

// The 32-bit whole number a stored value holds, or nothing when it holds anything else.
std::optional<int32_t> Int32FromSetting(const QVariant& value);
