#include "settings/ProgramOptions.h"

#include "settings/SettingsStore.h"

namespace {

// One stored option: its name in the store, where it lives in the record, its default.
struct SIntegerOption {
    const char* m_name;
    int32_t CProgramOptions::*m_member;
    int32_t m_default;
    bool m_negativeReadsAsZero;
};

// In the order they are read and written.
constexpr SIntegerOption kIntegerOptions[] = {
    {"Language", &CProgramOptions::m_language, CProgramOptions::kDefaultLanguage, true},
    {"HexahedronBugfix", &CProgramOptions::m_hexahedronBugfix, CProgramOptions::kDefaultHexahedronBugfix, false},
    {"WinrailVersion", &CProgramOptions::m_winrailVersion, CProgramOptions::kDefaultWinrailVersion, true},
    {"AutosaveMinutes", &CProgramOptions::m_autosaveMinutes, CProgramOptions::kDefaultAutosaveMinutes, true},
    {"BackupOnSave", &CProgramOptions::m_backupOnSave, CProgramOptions::kDefaultBackupOnSave, false},
};

int32_t ReadOption(ISettingsStore& store, const SIntegerOption& option)
{
    const std::optional<int32_t> stored = store.ReadInt32(option.m_name);
    if (!stored) {
        store.WriteInt32(option.m_name, option.m_default);
        return option.m_default;
    }
    return option.m_negativeReadsAsZero && *stored < 0 ? 0 : *stored;
}

constexpr const char* kCompileCommandName = "CompileCommand";

} // namespace

CProgramOptions LoadOptions(ISettingsStore& store)
{
    CProgramOptions options;
    for (const SIntegerOption& option : kIntegerOptions)
        options.*option.m_member = ReadOption(store, option);
    if (std::optional<std::string> command = store.ReadText(kCompileCommandName))
        options.m_compileCommand = std::move(*command);
    return options;
}

void SaveOptions(const CProgramOptions& options, ISettingsStore& store)
{
    for (const SIntegerOption& option : kIntegerOptions)
        store.WriteInt32(option.m_name, options.*option.m_member);
    store.WriteText(kCompileCommandName, options.m_compileCommand);
    store.Flush();
}
