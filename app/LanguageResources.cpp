#include "app/LanguageResources.h"

#include "model/ChoiceCodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTranslator>

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
    if (QTranslator* pCatalogue = FindCatalogue(m_currentLanguage)) {
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

QTranslator* CLanguageResources::FindCatalogue(int languageId)
{
    const QString name = CatalogueName(languageId);
    if (name.isEmpty())
        return nullptr;
    if (auto found = m_catalogues.find(languageId); found != m_catalogues.end())
        return found->second.get();
    auto pCatalogue = std::make_unique<QTranslator>();
    for (const QString& folder : m_searchFolders) {
        if (pCatalogue->load(name, folder, QString(), QStringLiteral(".qm")))
            return m_catalogues.emplace(languageId, std::move(pCatalogue)).first->second.get();
    }
    return nullptr;
}

void CLanguageResources::Install(QTranslator* pCatalogue)
{
    if (pCatalogue == m_pInstalled)
        return;
    if (m_pInstalled)
        QCoreApplication::removeTranslator(m_pInstalled);
    m_pInstalled = pCatalogue;
    if (m_pInstalled)
        QCoreApplication::installTranslator(m_pInstalled);
}
