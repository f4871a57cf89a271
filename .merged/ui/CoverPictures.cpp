#include "ui/CoverPictures.h"

#include "model/ChoiceCodes.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The pictures are drawn on a 64 x 40 grid and scaled to the size asked for.
constexpr QSizeF kGrid(64, 40);
constexpr qreal kFloorTop = 31;
constexpr qreal kLeftPole = 12;
constexpr qreal kRightPole = 52;
constexpr qreal kMiddle = 32;

const QColor kFloorColor(150, 150, 150);
const QColor kPoleColor(60, 60, 60);
const QColor kRoofColor(150, 40, 30);

void DrawFloor(QPainter& painter)
{
    painter.setPen(QPen(kPoleColor, 1));
    painter.setBrush(kFloorColor);
    painter.drawRect(QRectF(4, kFloorTop, 56, 6));
}

void DrawPole(QPainter& painter, qreal x, qreal top)
{
    painter.setPen(QPen(kPoleColor, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(x, top), QPointF(x, kFloorTop));
}

void DrawRoof(QPainter& painter, const QPainterPath& roof)
{
    painter.setPen(QPen(kRoofColor, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roof);
}

void DrawPitchedCover(QPainter& painter)
{
    DrawPole(painter, kLeftPole, 16);
    DrawPole(painter, kRightPole, 16);
    QPainterPath roof;
    roof.moveTo(6, 18);
    roof.lineTo(kMiddle, 5);
    roof.lineTo(58, 18);
    DrawRoof(painter, roof);
}

void DrawVShapedCover(QPainter& painter)
{
    DrawPole(painter, kMiddle, 17);
    QPainterPath roof;
    roof.moveTo(6, 7);
    roof.lineTo(kMiddle, 16);
    roof.lineTo(58, 7);
    DrawRoof(painter, roof);
}

void DrawArchedCover(QPainter& painter)
{
    DrawPole(painter, kLeftPole, 16);
    DrawPole(painter, kRightPole, 16);
    QPainterPath roof;
    roof.moveTo(6, 18);
    roof.cubicTo(QPointF(12, 2), QPointF(52, 2), QPointF(58, 18));
    DrawRoof(painter, roof);
}

void DrawSinglePitchCover(QPainter& painter)
{
    DrawPole(painter, kLeftPole, 8);
    DrawPole(painter, kRightPole, 17);
    QPainterPath roof;
    roof.moveTo(6, 6);
    roof.lineTo(58, 18);
    DrawRoof(painter, roof);
}

} // namespace

QPixmap DrawCoverPicture(int coverType, QSize size, qreal devicePixelRatio)
{
    QPixmap picture(size * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size.width() / kGrid.width(), size.height() / kGrid.height());
    switch (coverType) {
    case kCoverPitched:
        DrawPitchedCover(painter);
        break;
    case kCoverVShaped:
        DrawVShapedCover(painter);
        break;
    case kCoverArched:
        DrawArchedCover(painter);
        break;
    case kCoverSinglePitch:
        DrawSinglePitchCover(painter);
        break;
    default:
        break;
    }
    DrawFloor(painter);
    return picture;
}
