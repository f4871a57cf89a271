#pragma once

#include <cstdint>
#include <string>

class ISettingsKey;

// The three program options: how parts files are written and which language the user
// interface speaks. The application owns the one record; g_pOptions points to it.
class CProgramOptions {
public:
    static constexpr int32_t kDefaultHexahedronBugfix = 1;
    static constexpr int32_t kDefaultWinrailVersion = 157;
    static constexpr int32_t kDefaultLanguage = 112;

    static constexpr const char* kLanguageValue = "Language";
    static constexpr const char* kHexahedronBugfixValue = "HexahedronBugfix";
    static constexpr const char* kWinrailVersionValue = "WinrailVersion";
    static constexpr const char* kCompileCommandValue = "CompileCommand";

    virtual ~CProgramOptions() = default;

    // Reads the three numbers; a missing or malformed one is written back with its default.
    // The compile command is text and stays empty when the store holds none.
    bool LoadOptions(ISettingsKey& key);
    bool SaveOptions(ISettingsKey& key);

    // 1 writes the English 6.x hexahedron keyword in its correct spelling.
    int32_t m_hexahedronBugfix = kDefaultHexahedronBugfix;
    // 156 chooses the Winrail 5.x keywords; anything else 6.x.
    int32_t m_winrailVersion = kDefaultWinrailVersion;
    // Number of the language's name: 106 Default, 108 German, 110 French, 112 English, 154 Dutch.
    int32_t m_language = kDefaultLanguage;
    // The command "Export and compile" runs on the parts file; "%f" stands for the file, which
    // is added at the end when the command names no place for it. Empty: the desktop's
    // program for parts files.
    std::string m_compileCommand;
};

// Null until the application has made its options.
extern CProgramOptions* g_pOptions;
