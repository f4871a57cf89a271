#include "app/HelpWindow.h"

#include "app/LanguageResources.h"
#include "model/ChoiceCodes.h"
#include "ui/BuildingPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr const char* kBookExtension = ".html";

// Puts the help window on the side of the dialog with more room on its screen, narrowed to
// that room, so that the dialog stays visible beside it.
void PlaceBeside(QWidget& help, const QWidget& dialog)
{
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect taken = dialog.frameGeometry();
    const QMargins frame(help.geometry().left() - help.frameGeometry().left(),
        help.geometry().top() - help.frameGeometry().top(), help.frameGeometry().right() - help.geometry().right(),
        help.frameGeometry().bottom() - help.geometry().bottom());
    const int roomRight = room.right() - taken.right();
    const int roomLeft = taken.left() - room.left();
    const int width = std::max(std::min(help.width(), std::max(roomRight, roomLeft) - frame.left() - frame.right()),
        help.minimumSizeHint().width());
    const int height = std::min(help.height(), room.height() - frame.top() - frame.bottom());
    help.resize(width, height);
    const int left = roomRight >= roomLeft ? taken.right() + 1 + frame.left() : taken.left() - frame.right() - width;
    help.move(left - frame.left(), std::max(room.top(), taken.top()));
}

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
    , m_pContents(new QPushButton(this))
    , m_pBack(new QPushButton(this))
    , m_pForward(new QPushButton(this))
    , m_pClose(new QPushButton(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowIcon(QIcon(QStringLiteral(":/app/modelwright.svg")));
    // The books picture the roof types with the element dialog's own drawings.
    RegisterBuildingPictures();
    m_pContents->setObjectName(QStringLiteral("contents"));
    m_pBack->setObjectName(QStringLiteral("back"));
    m_pForward->setObjectName(QStringLiteral("forward"));
    m_pClose->setObjectName(QStringLiteral("close"));
    retranslateUi();
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
    pButtons->addWidget(m_pClose);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pButtons);
    pLayout->addWidget(m_pBrowser);

    connect(m_pContents, &QPushButton::clicked, this, &CHelpWindow::ShowContents);
    connect(m_pBack, &QPushButton::clicked, m_pBrowser, &QTextBrowser::backward);
    connect(m_pForward, &QPushButton::clicked, m_pBrowser, &QTextBrowser::forward);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, m_pBack, &QPushButton::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, m_pForward, &QPushButton::setEnabled);
    connect(m_pClose, &QPushButton::clicked, this, &QWidget::close);
    // Closes as a dialog does, and as a document window does.
    auto* closeKeys = new QAction(this);
    QList<QKeySequence> keys {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Close))
        if (!keys.contains(key))
            keys << key;
    closeKeys->setShortcuts(keys);
    closeKeys->setShortcutContext(Qt::WindowShortcut);
    connect(closeKeys, &QAction::triggered, this, &QWidget::close);
    addAction(closeKeys);
    // A small screen gets a window it can hold.
    const QSize room = screen() ? screen()->availableSize() - QSize(16, 40) : QSize(760, 640);
    resize(QSize(760, 640).boundedTo(room));
}

void CHelpWindow::retranslateUi()
{
    setWindowTitle(tr("Modelwright Help"));
    m_pContents->setText(tr("&Contents"));
    m_pBack->setText(tr("&Back"));
    m_pForward->setText(tr("&Forward"));
    m_pClose->setText(tr("C&lose"));
}

void CHelpWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

QString CHelpWindow::Topic() const
{
    return m_pBrowser->source().fragment();
}

void CHelpWindow::ShowContents()
{
    // The browser's home is the first book it showed, which may be of another language.
    QUrl book = m_pBrowser->source();
    if (book.isEmpty())
        return;
    book.setFragment(QString());
    m_pBrowser->setSource(book);
    m_pBrowser->verticalScrollBar()->setValue(0);
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
    const bool firstShown = !m_pWindow || !m_pWindow->isVisible();
    if (!m_pWindow)
        m_pWindow = std::make_unique<CHelpWindow>();
    // Asked for from a dialog, the help stands beside it; the dialogs block only the windows
    // beneath them, so the help stays usable.
    if (const QWidget* dialog = QApplication::activeModalWidget(); dialog && firstShown)
        PlaceBeside(*m_pWindow, *dialog);
    m_pWindow->ShowTopic(m_books.HelpFile(), topic);
}

void CHelpSystem::FollowLanguage(int languageId)
{
    if (!m_pWindow || !m_pWindow->isVisible())
        return;
    m_books.SelectHelpFile(languageId);
    if (m_books.HelpFileExists())
        m_pWindow->ShowTopic(m_books.HelpFile(), m_pWindow->Topic());
}
