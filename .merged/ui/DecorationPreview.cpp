#include "ui/DecorationPreview.h"

#include "model/ChoiceCodes.h"
#include "ui/ColorTable.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Rectangles as left, top, right, bottom; right and bottom lie just outside.
constexpr QRect Span(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// Fills the ellipse inside the rectangle row by row, each row as wide as the ellipse at
// the row's middle, so that the same pixels are painted on every device.
void FillEllipse(QPainter& painter, const QRect& bounds, const QColor& color)
{
    const double centerX = bounds.left() + bounds.width() / 2.0;
    const double centerY = bounds.top() + bounds.height() / 2.0;
    const double radiusX = bounds.width() / 2.0;
    const double radiusY = bounds.height() / 2.0;
    for (int y = bounds.top(); y <= bounds.bottom(); ++y) {
        const double rowOffset = (y + 0.5 - centerY) / radiusY;
        const double halfWidth = radiusX * std::sqrt(std::max(0.0, 1.0 - rowOffset * rowOffset));
        const int left = static_cast<int>(std::lround(centerX - halfWidth));
        const int right = static_cast<int>(std::lround(centerX + halfWidth));
        if (right > left)
            painter.fillRect(Span(left, y, right, y + 1), color);
    }
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

    painter.fillRect(Span(kBodyLeft, kBodyTop, kBodyRight, kBodyBottom), mainColor);
    if (arched)
        FillEllipse(painter, Span(kBodyLeft, kArchTop, kBodyRight, kArchBottom), mainColor);

    int glassBottom = 0;
    if (m_subtype == kDecorationDoorWithWindow)
        glassBottom = kDoorGlassBottom;
    else if (m_subtype == kDecorationWindow)
        glassBottom = kWindowGlassBottom;
    else
        return;

    int glassTop = kGlassTop;
    painter.fillRect(Span(kGlassLeft, kGlassTop, kGlassRight, glassBottom), innerColor);
    if (arched) {
        FillEllipse(painter, Span(kGlassLeft, kGlassArchTop, kGlassRight, kGlassArchBottom), innerColor);
        glassTop = kGlassArchTop;
    }

    if (m_windowCount <= 1)
        return;
    // A bar drawn at x (or y) is two pixels wide: x - 1 and x.
    const int middle = kGlassLeft + (kGlassRight - kGlassLeft) / 2;
    painter.fillRect(Span(middle - kBarWidth / 2, glassTop, middle + kBarWidth / 2, glassBottom), mainColor);
    for (const int y : HorizontalBars(m_windowCount, glassTop, glassBottom))
        painter.fillRect(Span(kGlassLeft, y - kBarWidth / 2, kGlassRight, y + kBarWidth / 2), mainColor);
}
