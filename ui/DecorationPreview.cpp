#include "ui/DecorationPreview.h"

#include "model/ChoiceCodes.h"
#include "ui/ColorTable.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Rectangles as left, top, right, bottom; right and bottom lie just outside.
constexpr QRect Span(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

constexpr int kBodyLeft = 10;
constexpr int kBodyTop = 20;
constexpr int kBodyRight = 60;
constexpr int kBodyBottom = 110;
constexpr int kArchTop = 10;
constexpr int kArchBottom = 30;

constexpr int kGlassLeft = 13;
constexpr int kGlassTop = 23;
constexpr int kGlassRight = 57;
constexpr int kDoorGlassBottom = 81;
constexpr int kWindowGlassBottom = 107;
constexpr int kGlassArchTop = 13;
constexpr int kGlassArchBottom = 30;

constexpr int kBarWidth = 2;

// The rows where horizontal bars divide the glass into the panes of two columns.
QList<int> HorizontalBars(int windowCount, int top, int bottom)
{
    switch (windowCount) {
    case 4:
        return {bottom - (bottom - top) / 2};
    case 6:
        return {bottom + 2 * (top - bottom) / 3, bottom - (bottom - top) / 3};
    case 8:
        return {bottom + 3 * (top - bottom) / 4, bottom - (bottom - top) / 2, bottom - (bottom - top) / 4};
    default:
        return {};
    }
}

} // namespace

CDecorationPreview::CDecorationPreview(QWidget* parent)
    : QWidget(parent)
{
    setFixedSize(kWidth, kHeight);
}

QSize CDecorationPreview::sizeHint() const
{
    return {kWidth, kHeight};
}

void CDecorationPreview::RedrawNow()
{
    repaint();
}

QImage CDecorationPreview::Render() const
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Paint(painter);
    return image;
}

void CDecorationPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Paint(painter);
}

void CDecorationPreview::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void CDecorationPreview::Paint(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::white);
    painter.drawRect(Span(0, 0, kWidth, kHeight).adjusted(0, 0, -1, -1));

    const QColor mainColor = ToQColor(m_mainColor);
    const QColor innerColor = ToQColor(m_innerColor);
    const bool arched = m_mainType == kDecorationBaseB;

    painter.setPen(Qt::NoPen);
    painter.setBrush(mainColor);
    painter.drawRect(Span(kBodyLeft, kBodyTop, kBodyRight, kBodyBottom));
    if (arched)
        painter.drawEllipse(Span(kBodyLeft, kArchTop, kBodyRight, kArchBottom));

    int glassBottom = 0;
    if (m_subtype == kDecorationDoorWithWindow)
        glassBottom = kDoorGlassBottom;
    else if (m_subtype == kDecorationWindow)
        glassBottom = kWindowGlassBottom;
    else
        return;

    int glassTop = kGlassTop;
    painter.setBrush(innerColor);
    painter.drawRect(Span(kGlassLeft, kGlassTop, kGlassRight, glassBottom));
    if (arched) {
        painter.drawEllipse(Span(kGlassLeft, kGlassArchTop, kGlassRight, kGlassArchBottom));
        glassTop = kGlassArchTop;
    }

    if (m_windowCount <= 1)
        return;
    painter.setPen(QPen(mainColor, kBarWidth, Qt::SolidLine, Qt::FlatCap));
    const int middle = kGlassLeft + (kGlassRight - kGlassLeft) / 2;
    painter.drawLine(middle, glassTop, middle, glassBottom);
    for (const int y : HorizontalBars(m_windowCount, glassTop, glassBottom))
        painter.drawLine(kGlassLeft, y, kGlassRight, y);
}
