#pragma once

#include <QBasicTimer>
#include <QPixmap>
#include <QWidget>

#include <functional>

class COptionCommandLineInfo;
class QPainter;

// The picture shown in the middle of the screen while the program starts. It runs on the
// main thread with timers: it closes at the time-out once the main window exists, looks
// again every 100 ms while it does not, and closes at once on a key press or a click on it.
// It deletes itself when closed; nobody keeps a reference to it.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    enum Flags {
        SPLASH_CLOSE_ON_INPUT = 1,
        SPLASH_IGNORE_COMMAND_LINE = 2,
        SPLASH_CLOSE_ON_TIMEOUT = 4,
    };
    static constexpr int kNoTimeout = -1;
    static constexpr int kRecheckInterval = 100;
    static constexpr const char* kSplashPicture = ":/app/splash.png";

    using MainWindowLookup = std::function<QWidget*()>;

    // Shows the splash unless the command line asks for none (see below). Returns the
    // window, or nullptr when none is shown.
    static CSplashWnd* Start(const COptionCommandLineInfo& commandLine, const QString& picture, int timeout,
        int flags, MainWindowLookup mainWindow);
    // The splash is wanted unless the command line says "nologo", was written by the desktop
    // to hand over files, or switched the splash off.
    static bool IsWanted(const COptionCommandLineInfo& commandLine, int flags);
    // Creates and shows the window, or returns nullptr when the picture cannot be loaded.
    static CSplashWnd* CreateSplash(const QString& picture, int timeout, int flags, MainWindowLookup mainWindow);

    // The line under the program's name, in the language chosen; the picture leaves room for it.
    static QString Subtitle();

    int Timeout() const { return m_timeout; }
    int Flags() const { return m_flags; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CSplashWnd(QPixmap picture, int timeout, int flags, MainWindowLookup mainWindow);
    void CloseOnInput();
    void PaintSubtitle(QPainter& painter);

    QPixmap m_picture;
    int m_timeout;
    int m_flags;
    MainWindowLookup m_mainWindow;
    QBasicTimer m_timer;
};
