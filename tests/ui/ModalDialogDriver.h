#pragma once

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <functional>

// Runs steps on the dialog that becomes modal next, once its event loop runs. Whatever the
// steps leave open is rejected, so a failed check cannot leave a test waiting forever.
inline void WhenModal(std::function<void(QDialog&)> steps)
{
    QTimer::singleShot(0, [steps = std::move(steps)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        steps(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Saves what widget shows as a PNG file under the build's screenshot folder.
inline bool SaveScreenshot(QWidget& widget, const QString& name)
{
    QDir().mkpath(QStringLiteral(MW_SCREENSHOT_DIR));
    return widget.grab().save(QStringLiteral(MW_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
}
