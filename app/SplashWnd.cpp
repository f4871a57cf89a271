#include "app/SplashWnd.h"

#include "app/OptionCommandLineInfo.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

#include <algorithm>

CSplashWnd* CSplashWnd::Start(const COptionCommandLineInfo& commandLine, const QString& picture, int timeout,
    int flags, MainWindowLookup mainWindow)
{
    if (!IsWanted(commandLine, flags))
        return nullptr;
    return CreateSplash(picture, timeout, flags, std::move(mainWindow));
}

bool CSplashWnd::IsWanted(const COptionCommandLineInfo& commandLine, int flags)
{
    if (!(flags & SPLASH_IGNORE_COMMAND_LINE)) {
        if (!commandLine.m_bShowSplash || commandLine.HasOption(QStringLiteral("nologo")))
            return false;
    }
    return commandLine.m_bUserControl;
}

CSplashWnd* CSplashWnd::CreateSplash(const QString& picture, int timeout, int flags, MainWindowLookup mainWindow)
{
    QPixmap pixmap(picture);
    if (pixmap.isNull())
        return nullptr;
    auto* pSplash = new CSplashWnd(std::move(pixmap), timeout, flags, std::move(mainWindow));
    pSplash->show();
    pSplash->repaint();
    pSplash->raise();
    pSplash->activateWindow();
    if (timeout != kNoTimeout)
        pSplash->m_timer.start(timeout, pSplash);
    return pSplash;
}

CSplashWnd::CSplashWnd(QPixmap picture, int timeout, int flags, MainWindowLookup mainWindow)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_picture(std::move(picture))
    , m_timeout(timeout)
    , m_flags(flags)
    , m_mainWindow(std::move(mainWindow))
{
    setObjectName(QStringLiteral("SplashWnd"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    if (const QScreen* pScreen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(pScreen->availableGeometry().center());
        move(frame.topLeft());
    }
}

QString CSplashWnd::Subtitle()
{
    return tr("Scenery objects for Winrail");
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
    PaintSubtitle(painter);
}

void CSplashWnd::PaintSubtitle(QPainter& painter)
{
    // The band of sky between the name and the roof, in the picture's own pixels.
    constexpr int kTop = 64;
    constexpr int kHeight = 22;
    constexpr int kMargin = 16;
    constexpr int kPixelSize = 15;
    const QString text = Subtitle();
    QFont font = painter.font();
    font.setPixelSize(kPixelSize);
    // A longer translation gets a smaller type rather than running off the picture.
    const int room = width() - 2 * kMargin;
    const int wide = QFontMetrics(font).horizontalAdvance(text);
    if (wide > room)
        font.setPixelSize(std::max(9, kPixelSize * room / wide));
    painter.setFont(font);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(0xF5, 0xF5, 0xFA));
    painter.drawText(QRect(kMargin, kTop, room, kHeight), Qt::AlignCenter | Qt::TextSingleLine, text);
}

void CSplashWnd::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    if ((m_flags & SPLASH_CLOSE_ON_TIMEOUT) || (m_mainWindow && m_mainWindow())) {
        m_timer.stop();
        close();
        return;
    }
    m_timer.start(kRecheckInterval, this);
}

void CSplashWnd::keyPressEvent(QKeyEvent* event)
{
    if (m_flags & SPLASH_CLOSE_ON_INPUT)
        CloseOnInput();
    else
        QWidget::keyPressEvent(event);
}

void CSplashWnd::mousePressEvent(QMouseEvent* event)
{
    if (m_flags & SPLASH_CLOSE_ON_INPUT)
        CloseOnInput();
    else
        QWidget::mousePressEvent(event);
}

void CSplashWnd::CloseOnInput()
{
    m_timer.stop();
    close();
}

void CSplashWnd::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (QWidget* pMainWindow = m_mainWindow ? m_mainWindow() : nullptr) {
        pMainWindow->raise();
        pMainWindow->activateWindow();
    }
}
