#include "ui/ColorButton.h"

#include "ui/ColorPopup.h"
#include "ui/ColorTable.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

CColorButton::CColorButton(QWidget* parent)
    : QPushButton(parent)
    , m_defaultColor(ToColorRef(QApplication::palette().color(QPalette::Mid)))
    , m_defaultText(tr("Automatic"))
    , m_customText(tr("More Colors..."))
{
    connect(this, &QPushButton::clicked, this, &CColorButton::OpenPopup);
}

CColorButton::~CColorButton() = default;

void CColorButton::SetColor(COLORREF color)
{
    m_color = color;
    repaint();
}

CColorPopup* CColorButton::Popup() const
{
    return m_popup;
}

QSize CColorButton::sizeHint() const
{
    const QSize base = QPushButton::sizeHint();
    return {std::max(base.width(), 64), base.height()};
}

QColor CColorButton::SwatchColor() const
{
    return ToQColor(m_color == kAutomaticColor ? m_defaultColor : m_color);
}

void CColorButton::OpenPopup()
{
    m_popupActive = true;
    m_popup = new CColorPopup(mapToGlobal(QPoint(0, height())), height(), m_color, this, m_defaultText, m_customText);
    connect(m_popup, &CColorPopup::SelEndOk, this, &CColorButton::OnPopupSelEndOk);
    connect(m_popup, &CColorPopup::SelEndCancel, this, &CColorButton::OnPopupSelEndCancel);
    connect(m_popup, &CColorPopup::SelChange, this, &CColorButton::OnPopupSelChange);
    m_popup->show();
    update();
    emit DropDown(m_color);
}

void CColorButton::OnPopupSelEndOk(COLORREF color)
{
    m_popupActive = false;
    const COLORREF old = m_color;
    SetColor(color);
    emit CloseUp(color);
    emit SelEndOk(color);
    if (color != old)
        emit SelChange(color);
}

void CColorButton::OnPopupSelEndCancel(COLORREF color)
{
    m_popupActive = false;
    SetColor(color);
    emit CloseUp(color);
    emit SelEndCancel(color);
}

void CColorButton::OnPopupSelChange(COLORREF color)
{
    if (m_trackSelection)
        SetColor(color);
    emit SelChange(color);
}

void CColorButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    // While the popup is open the button looks pressed.
    if (m_popupActive)
        option.state |= QStyle::State_Sunken | QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (option.state & QStyle::State_Sunken)
        content.translate(1, 1);
    const int edge = 2;
    content.adjust(edge, edge, -edge, -edge);

    const bool enabled = isEnabled();
    const int arrowWidth = 7;
    const int arrowHeight = 4;
    const int arrowRight = content.right() - edge / 2;
    const int arrowTop = content.center().y() - arrowHeight / 2;
    QPolygon arrow;
    arrow << QPoint(arrowRight - arrowWidth + 1, arrowTop) << QPoint(arrowRight, arrowTop)
          << QPoint(arrowRight - arrowWidth / 2, arrowTop + arrowHeight - 1);
    const QColor arrowColor = enabled ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::Text);
    painter.setPen(arrowColor);
    painter.setBrush(arrowColor);
    painter.drawPolygon(arrow);

    const int separatorX = arrowRight - arrowWidth - edge / 2 - 2;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(separatorX, content.top(), separatorX, content.bottom());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(separatorX + 1, content.top(), separatorX + 1, content.bottom());
    content.setRight(separatorX - 2 * edge - 1);

    if (!enabled)
        return;
    painter.fillRect(content, SwatchColor());
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(content.adjusted(0, 0, -1, -1));
}
