#pragma once

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QDir>
#include <QImage>
#include <QLabel>
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

// Replaces the text of an edit by typing, as a user who selects everything first would.
inline void Retype(QWidget* edit, const QString& text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

inline QPushButton* DialogButton(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    return box ? box->button(which) : nullptr;
}

// The line beside the buttons that says why OK is unavailable; empty while it is available.
inline QString OkHint(QDialog& dialog)
{
    const auto* hint = dialog.findChild<QLabel*>(QStringLiteral("okHint"));
    return hint && hint->isVisible() ? hint->text() : QStringLiteral("<no hint shown>");
}

// The child of parent with that object name and type; a missing one ends the test run, since
// every later step would act on nothing.
template <class T = QWidget>
T* Find(const QObject& parent, const char* name)
{
    auto* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no %s named %s", qPrintable(parent.objectName()), T::staticMetaObject.className(), name);
    return found;
}
