#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the next modal window that opens: hands it to the callback, which closes it.
inline void AnswerNextModal(std::function<void(QWidget&)> answer)
{
    auto* pPoll = new QTimer;
    pPoll->setInterval(20);
    QObject::connect(pPoll, &QTimer::timeout, pPoll, [pPoll, answer] {
        if (QWidget* pModal = QApplication::activeModalWidget()) {
            pPoll->stop();
            pPoll->deleteLater();
            answer(*pModal);
        }
    });
    pPoll->start();
}

// The text of the next message box, which is closed.
inline void RecordNextMessage(QString& text)
{
    AnswerNextModal([&text](QWidget& modal) {
        if (auto* pBox = qobject_cast<QMessageBox*>(&modal))
            text = pBox->text();
        modal.close();
    });
}
