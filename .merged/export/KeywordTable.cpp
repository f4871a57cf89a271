#include "export/KeywordTable.h"

#include "model/ChoiceCodes.h"
#include "settings/ProgramOptions.h"

SKeywordDialect DialectOf(const CProgramOptions& options)
{
    const int32_t versionBase = options.m_winrailVersion == kWinrail5 ? kColumnEnglish5 : kColumnEnglish6;
    int32_t languageOffset = 0;
    if (options.m_language == kLanguageGerman)
        languageOffset = kColumnGerman5 - kColumnEnglish5;
    else if (options.m_language == kLanguageDutch)
        languageOffset = kColumnDutch5 - kColumnEnglish5;
    return {versionBase + languageOffset, options.m_hexahedronBugfix == 1};
}
