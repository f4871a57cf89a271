#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QTextBrowser;
class QPushButton;

// The help books, one HTML file per language, kept in the help folder beside the program or
// in the installed data folder. The English book is the fall-back of every language.
class CHelpBooks {
public:
    static QStringList DefaultSearchFolders();

    explicit CHelpBooks(QStringList searchFolders = DefaultSearchFolders());

    // Chooses the language's book ("Default" by the locale), or the English one when that
    // book is missing. Returns the book's path; it may not exist when even English is missing.
    QString SelectHelpFile(int languageId);
    const QString& HelpFile() const { return m_helpFile; }
    bool HelpFileExists() const;

    // The book's file name: Modelwright, ModelwrightDEU, ModelwrightFRA, ModelwrightNLD.
    static QString BookName(int languageId);

private:
    QString FindBook(const QString& bookName) const;

    QStringList m_searchFolders;
    QString m_helpFile;
};

// The help window: one browser over a help book, opened at a topic (an anchor of the book:
// the class name of the window or dialog it describes).
class CHelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit CHelpWindow(QWidget* parent = nullptr);

    // An empty topic shows the book from its contents.
    void ShowTopic(const QString& helpFile, const QString& topic);
    QTextBrowser* Browser() const { return m_pBrowser; }
    // The topic shown now, empty at the contents.
    QString Topic() const;
    // The contents of the book shown now, in its own language.
    void ShowContents();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();

    QTextBrowser* m_pBrowser;
    QPushButton* m_pContents;
    QPushButton* m_pBack;
    QPushButton* m_pForward;
    QPushButton* m_pClose;
};

// Every help request of the program ends here: choose the book of the language in use, say
// so when it is missing, else show it at the topic.
class CHelpSystem : public QObject {
    Q_OBJECT
public:
    explicit CHelpSystem(CHelpBooks books = CHelpBooks(), QObject* parent = nullptr);
    ~CHelpSystem() override;

    void WinHelp(int languageId, const QString& topic);
    // An open help window changes to the language's book at the topic it shows.
    void FollowLanguage(int languageId);
    QString SelectHelpFile(int languageId) { return m_books.SelectHelpFile(languageId); }
    CHelpWindow* Window() const { return m_pWindow.get(); }
    const CHelpBooks& Books() const { return m_books; }

private:
    CHelpBooks m_books;
    std::unique_ptr<CHelpWindow> m_pWindow;
};
