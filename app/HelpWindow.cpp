#include "app/HelpWindow.h"

#include "app/LanguageResources.h"
#include "model/ChoiceCodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr const char* kBookExtension = ".html";

}

QStringList CHelpBooks::DefaultSearchFolders()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList folders{programFolder + "/help", QDir::cleanPath(programFolder + "/../share/modelwright/help")};
    for (const QString& dataFolder : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders.append(dataFolder + "/modelwright/help");
    folders.removeDuplicates();
    return folders;
}

CHelpBooks::CHelpBooks(QStringList searchFolders)
    : m_searchFolders(std::move(searchFolders))
{
}

QString CHelpBooks::BookName(int languageId)
{
    switch (languageId == kLanguageDefault ? CLanguageResources::LanguageFromLocale() : languageId) {
    case kLanguageGerman:
        return QStringLiteral("ModelwrightDEU");
    case kLanguageFrench:
        return QStringLiteral("ModelwrightFRA");
    case kLanguageDutch:
        return QStringLiteral("ModelwrightNLD");
    default:
        return QStringLiteral("Modelwright");
    }
}

QString CHelpBooks::SelectHelpFile(int languageId)
{
    m_helpFile = FindBook(BookName(languageId));
    if (m_helpFile.isEmpty())
        m_helpFile = FindBook(BookName(kLanguageEnglish));
    if (m_helpFile.isEmpty()) {
        const QString firstFolder = m_searchFolders.isEmpty() ? QDir::currentPath() : m_searchFolders.front();
        m_helpFile = firstFolder + '/' + BookName(kLanguageEnglish) + kBookExtension;
    }
    return m_helpFile;
}

bool CHelpBooks::HelpFileExists() const
{
    return QFileInfo(m_helpFile).isFile();
}

QString CHelpBooks::FindBook(const QString& bookName) const
{
    for (const QString& folder : m_searchFolders) {
        const QString path = folder + '/' + bookName + kBookExtension;
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

CHelpWindow::CHelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_pBrowser(new QTextBrowser(this))
    , m_pContents(new QPushButton(tr("&Contents"), this))
    , m_pBack(new QPushButton(tr("&Back"), this))
    , m_pForward(new QPushButton(tr("&Forward"), this))
{
    setWindowTitle(tr("Modelwright Help"));
    setObjectName(QStringLiteral("HelpWindow"));
    // The help may stay open while the program ends; it does not keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_pBrowser->setOpenExternalLinks(true);
    m_pBack->setEnabled(false);
    m_pForward->setEnabled(false);

    auto* pButtons = new QHBoxLayout;
    pButtons->addWidget(m_pContents);
    pButtons->addWidget(m_pBack);
    pButtons->addWidget(m_pForward);
    pButtons->addStretch();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pButtons);
    pLayout->addWidget(m_pBrowser);

    connect(m_pContents, &QPushButton::clicked, m_pBrowser, &QTextBrowser::home);
    connect(m_pBack, &QPushButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(m_pForward, &QPushButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, m_pBack, &QPushButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, m_pForward, &QPushButton::setEnabled);
    resize(760, 640);
}

void CHelpWindow::ShowTopic(const QString& helpFile, const QString& topic)
{
    show();
    raise();
    activateWindow();
    QUrl page = QUrl::fromLocalFile(helpFile);
    if (!topic.isEmpty())
        page.setFragment(topic);
    m_pBrowser->setSource(page);
    if (topic.isEmpty())
        m_pBrowser->verticalScrollBar()->setValue(0);
}

CHelpSystem::CHelpSystem(CHelpBooks books, QObject* parent)
    : QObject(parent)
    , m_books(std::move(books))
{
}

CHelpSystem::~CHelpSystem() = default;

void CHelpSystem::WinHelp(int languageId, const QString& topic)
{
    m_books.SelectHelpFile(languageId);
    if (!m_books.HelpFileExists()) {
        // Nothing to show: an empty help window would only add to the confusion.
        QMessageBox::warning(nullptr, tr("Modelwright"), tr("Cannot find the help file. Please reinstall."));
        return;
    }
    if (!m_pWindow)
        m_pWindow = std::make_unique<CHelpWindow>();
    m_pWindow->ShowTopic(m_books.HelpFile(), topic);
}
