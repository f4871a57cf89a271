#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QTranslator;

// The interface language: the program's own English texts, or one of the translation
// catalogues kept beside the program or in the installed data folder. A catalogue, once
// loaded, stays loaded, so switching back to it costs nothing.
class CLanguageResources {
public:
    // Beside the program first, then the installed data folders.
    static QStringList DefaultSearchFolders();

    explicit CLanguageResources(QStringList searchFolders = DefaultSearchFolders());
    ~CLanguageResources();
    CLanguageResources(const CLanguageResources&) = delete;
    CLanguageResources& operator=(const CLanguageResources&) = delete;

    // Makes the language's catalogue the one in use; "Default" goes by the locale. Returns 1
    // when a catalogue is in use afterwards, 0 when the program's own English texts are
    // (also when the catalogue is missing: the choice is tried again on the next call).
    int LoadLanguageDll(int languageId);
    int CurrentLanguage() const { return m_currentLanguage; }

    // German, French and Dutch locales give their language, every other gives English.
    static int LanguageFromLocale(const QLocale& locale = QLocale());
    // File name of the language's catalogue without extension; empty for English.
    static QString CatalogueName(int languageId);

private:
    // The program's texts of one language, with Qt's own (standard buttons and dialogs)
    // where Qt ships them.
    struct SCatalogue {
        std::unique_ptr<QTranslator> pProgramTexts;
        std::unique_ptr<QTranslator> pQtTexts;
    };

    SCatalogue* FindCatalogue(int languageId);
    void Install(SCatalogue* pCatalogue);

    QStringList m_searchFolders;
    int m_currentLanguage;
    std::map<int, SCatalogue> m_catalogues;
    SCatalogue* m_pInstalled = nullptr;
};
