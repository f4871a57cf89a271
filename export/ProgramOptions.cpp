#include "export/ProgramOptions.h"

#include "export/SettingsKey.h"

CProgramOptions* g_pOptions = nullptr;

bool CProgramOptions::LoadOptions(ISettingsKey& key)
{
    CRegistryKey settings(key);
    settings.ReadDwordNonNegative(kLanguageValue, m_language, kDefaultLanguage);
    settings.ReadDword(kHexahedronBugfixValue, m_hexahedronBugfix, m_hexahedronBugfix);
    settings.ReadDwordNonNegative(kWinrailVersionValue, m_winrailVersion, kDefaultWinrailVersion);
    if (std::optional<std::string> command = key.ReadText(kCompileCommandValue))
        m_compileCommand = std::move(*command);
    return true;
}

bool CProgramOptions::SaveOptions(ISettingsKey& key)
{
    CRegistryKey settings(key);
    settings.WriteDword(kLanguageValue, m_language);
    settings.WriteDword(kHexahedronBugfixValue, m_hexahedronBugfix);
    settings.WriteDword(kWinrailVersionValue, m_winrailVersion);
    key.WriteText(kCompileCommandValue, m_compileCommand);
    return true;
}
