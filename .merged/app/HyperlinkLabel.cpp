#include "app/HyperlinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

CHyperlinkLabel::CHyperlinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
    , m_textColor(palette().color(QPalette::WindowText))
{
    setTextFormat(Qt::PlainText);
    setCursor(Qt::ArrowCursor);
}

void CHyperlinkLabel::SetUnderline(bool underline)
{
    QFont labelFont = font();
    labelFont.setUnderline(underline);
    setFont(labelFont);
    update();
}

void CHyperlinkLabel::SetLabelColor(const QColor& color)
{
    m_textColor = color;
    QPalette labelPalette = palette();
    labelPalette.setColor(QPalette::WindowText, color);
    setPalette(labelPalette);
    update();
}

void CHyperlinkLabel::SetLink(bool enabled, const QString& target)
{
    m_linkEnabled = enabled;
    m_linkTarget = target.isEmpty() ? text() : target;
}

void CHyperlinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (m_linkEnabled && event->button() == Qt::LeftButton) {
        // A desktop that cannot open the address is not worth a message.
        const bool opened = QDesktopServices::openUrl(QUrl(m_linkTarget));
        emit linkOpened(m_linkTarget, opened);
    }
    QLabel::mousePressEvent(event);
}
