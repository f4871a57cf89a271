#include "app/LanguageResources.h"

#include "model/ChoiceCodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

namespace {

QLocale::Language QtLanguage(int languageId)
{
    switch (languageId) {
    case kLanguageGerman:
        return QLocale::German;
    case kLanguageFrench:
        return QLocale::French;
    case kLanguageDutch:
        return QLocale::Dutch;
    default:
        return QLocale::English;
    }
}

// Qt's own texts of the language: a package brings them beside the program's catalogue, a
// system keeps them in Qt's folder. Null where neither has them.
std::unique_ptr<QTranslator> LoadQtTexts(int languageId, const QString& catalogueFolder)
{
    auto pQtTexts = std::make_unique<QTranslator>();
    for (const QString& folder : {catalogueFolder, QLibraryInfo::path(QLibraryInfo::TranslationsPath)})
        if (pQtTexts->load(QLocale(QtLanguage(languageId)), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
            return pQtTexts;
    return nullptr;
}

}

QStringList CLanguageResources::DefaultSearchFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{programFolder, QDir::cleanPath(programFolder + "/../share/modelwright/translations")};
    for (const QString& dataFolder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.append(dataFolder + "/modelwright/translations");
    folders.removeDuplicates();
    return folders;
}

CLanguageResources::CLanguageResources(QStringList searchFolders)
    : m_searchFolders(std::move(searchFolders))
    , m_currentLanguage(kLanguageDefault)
{
}

CLanguageResources::~CLanguageResources()
{
    Install(nullptr);
}

int CLanguageResources::LoadLanguageDll(int languageId)
{
    m_currentLanguage = languageId == kLanguageDefault ? LanguageFromLocale() : languageId;
    if (SCatalogue* pCatalogue = FindCatalogue(m_currentLanguage)) {
        Install(pCatalogue);
        return 1;
    }
    Install(nullptr);
    m_currentLanguage = kLanguageEnglish;
    return 0;
}

int CLanguageResources::LanguageFromLocale(const QLocale& locale)
{
    switch (locale.language()) {
    case QLocale::German:
        return kLanguageGerman;
    case QLocale::French:
        return kLanguageFrench;
    case QLocale::Dutch:
        return kLanguageDutch;
    default:
        return kLanguageEnglish;
    }
}

QString CLanguageResources::CatalogueName(int languageId)
{
    switch (languageId) {
    case kLanguageGerman:
        return QStringLiteral("ModelwrightDEU");
    case kLanguageFrench:
        return QStringLiteral("ModelwrightFRA");
    case kLanguageDutch:
        return QStringLiteral("ModelwrightDutch");
    default:
        return QString();
    }
}

CLanguageResources::SCatalogue* CLanguageResources::FindCatalogue(int languageId)
{
    const QString name = CatalogueName(languageId);
    if (name.isEmpty())
        return nullptr;
    if (auto found = m_catalogues.find(languageId); found != m_catalogues.end())
        return &found->second;
    auto pProgramTexts = std::make_unique<QTranslator>();
    for (const QString& folder : m_searchFolders) {
        if (!pProgramTexts->load(name, folder, QString(), QStringLiteral(".qm")))
            continue;
        SCatalogue& catalogue = m_catalogues[languageId];
        catalogue.pProgramTexts = std::move(pProgramTexts);
        catalogue.pQtTexts = LoadQtTexts(languageId, folder);
        return &catalogue;
    }
    return nullptr;
}

void CLanguageResources::Install(SCatalogue* pCatalogue)
{
    if (pCatalogue == m_pInstalled)
        return;
    if (m_pInstalled) {
        QCoreApplication::removeTranslator(m_pInstalled->pProgramTexts.get());
        if (m_pInstalled->pQtTexts)
            QCoreApplication::removeTranslator(m_pInstalled->pQtTexts.get());
    }
    m_pInstalled = pCatalogue;
    if (m_pInstalled) {
        if (m_pInstalled->pQtTexts)
            QCoreApplication::installTranslator(m_pInstalled->pQtTexts.get());
        QCoreApplication::installTranslator(m_pInstalled->pProgramTexts.get());
    }
}
