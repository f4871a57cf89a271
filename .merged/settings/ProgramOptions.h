#pragma once

#include <cstdint>
#include <string>

class ISettingsStore;

// The program options: how parts files are written and which language the user interface
// speaks. The window program owns the one record and hands it to whoever needs it.
class CProgramOptions {
public:
    static constexpr int32_t kDefaultHexahedronBugfix = 1;
    static constexpr int32_t kDefaultWinrailVersion = 157;
    static constexpr int32_t kDefaultLanguage = 112;
    static constexpr int32_t kDefaultAutosaveMinutes = 5;
    static constexpr int32_t kDefaultBackupOnSave = 1;

    // 1 writes the English 6.x hexahedron keyword in its correct spelling.
    int32_t m_hexahedronBugfix = kDefaultHexahedronBugfix;
    // 156 chooses the Winrail 5.x keywords; anything else 6.x.
    int32_t m_winrailVersion = kDefaultWinrailVersion;
    // Number of the language's name: 106 Default, 108 German, 110 French, 112 English, 154 Dutch.
    int32_t m_language = kDefaultLanguage;
    // Unsaved changes are kept for recovery every so many minutes; 0 (or less) never.
    int32_t m_autosaveMinutes = kDefaultAutosaveMinutes;
    // 1 keeps the previous version of a file saved over as FILE.bak.
    int32_t m_backupOnSave = kDefaultBackupOnSave;
    // The command "Export and compile" runs on the parts file; "%f" stands for the file, which
    // is added at the end when the command names no place for it. Empty: the desktop's
    // program for parts files.
    std::string m_compileCommand;
};

// Reads every option. A missing or malformed value takes its default, which is written back
// at once so that every setting exists after the first start; a negative language or Winrail
// version reads as 0 and stays as stored. The compile command is text and stays empty when
// the store holds no text under its name.
CProgramOptions LoadOptions(ISettingsStore& store);
// Writes every option; a store that refuses a value keeps what it had.
void SaveOptions(const CProgramOptions& options, ISettingsStore& store);
