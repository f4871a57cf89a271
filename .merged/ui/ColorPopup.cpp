#include "ui/ColorPopup.h"

#include "ui/ColorButton.h"
#include "ui/ColorTable.h"

#include <QApplication>
#include <QColorDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>
#include <qdrawutil.h>

#include <algorithm>

CColorPopup::CColorPopup(const QPoint& screenPos, int buttonHeight, COLORREF initialColor, CColorButton* button,
    const QString& defaultText, const QString& customText)
    : QWidget(button, Qt::Popup | Qt::FramelessWindowHint)
    , m_colorCount(std::min(kNamedColorCount, 100))
    , m_rows((m_colorCount + m_columns - 1) / m_columns)
    , m_defaultText(defaultText)
    , m_customText(customText)
    , m_font(QApplication::font("QMessageBox"))
    , m_initialColor(initialColor)
    , m_colorToReport(initialColor)
    , m_pButton(button)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFont(m_font);
    if (m_boxSize - 2 * m_margin - 2 < 5)
        m_boxSize = 2 * m_margin + 7;
    SetWindowSize();
    KeepOnScreen(screenPos, buttonHeight);
    m_chosenCell = FindChosenCell();
    // Clicking into another program ends the selection as if the user had pressed Escape.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive && !m_colorDialogOpen)
            EndSelection(EEnd::Cancel);
    });
}

void CColorPopup::SetWindowSize()
{
    const QFontMetrics metrics(m_font);
    QSize text(0, 0);
    for (const QString& label : {m_defaultText, m_customText}) {
        if (!label.isEmpty())
            text = text.expandedTo(QSize(metrics.horizontalAdvance(label), metrics.height()));
    }
    int textWidth = text.width() + 2 * m_margin;
    const int textHeight = text.height() + 2 * m_margin + 2 * m_margin + 2;

    int width = m_columns * m_boxSize + 2 * m_margin;
    int height = m_rows * m_boxSize + 2 * m_margin;
    if (HasDefaultBox()) {
        width = std::max(width, textWidth);
        textWidth = width - 2 * m_margin;
        m_defaultTextRect = QRect(m_margin, m_margin, textWidth, textHeight + m_margin);
        height += m_defaultTextRect.height() + 2 * m_margin;
    }
    if (HasCustomBox()) {
        width = std::max(width, textWidth);
        textWidth = width - 2 * m_margin;
        m_customTextRect = QRect(m_margin, height, textWidth, m_margin + textHeight);
        height += m_customTextRect.height() + 2 * m_margin;
    }
    setFixedSize(width, height);
}

void CColorPopup::KeepOnScreen(QPoint topLeft, int buttonHeight)
{
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen->availableGeometry();
    if (topLeft.x() + width() > area.right() + 1)
        topLeft.rx() = area.right() + 1 - width();
    if (topLeft.x() < area.left())
        topLeft.rx() = area.left();
    if (topLeft.y() + height() > area.bottom() + 1)
        topLeft.ry() -= buttonHeight + height();
    move(topLeft);
}

int CColorPopup::FindChosenCell() const
{
    if (m_initialColor == kAutomaticColor && HasDefaultBox())
        return kAutomaticCell;
    const int named = FindNamedColor(m_initialColor);
    if (named >= 0 && named < m_colorCount)
        return named;
    return HasCustomBox() ? kCustomCell : kNoCell;
}

QRect CColorPopup::CellRect(int cell) const
{
    if (cell == kAutomaticCell)
        return m_defaultTextRect;
    if (cell == kCustomCell)
        return m_customTextRect;
    if (cell < 0 || cell >= m_colorCount)
        return {};
    const int top = m_margin + (HasDefaultBox() ? m_defaultTextRect.height() : 0);
    return QRect((cell % m_columns) * m_boxSize + m_margin, (cell / m_columns) * m_boxSize + top, m_boxSize, m_boxSize);
}

int CColorPopup::CellAt(QPoint point) const
{
    if (HasCustomBox() && m_customTextRect.contains(point))
        return kCustomCell;
    if (HasDefaultBox() && m_defaultTextRect.contains(point))
        return kAutomaticCell;
    point -= QPoint(m_margin, m_margin + (HasDefaultBox() ? m_defaultTextRect.height() : 0));
    if (point.x() < 0 || point.y() < 0)
        return kNoCell;
    const int row = point.y() / m_boxSize;
    const int column = point.x() / m_boxSize;
    if (row >= m_rows || column >= m_columns)
        return kNoCell;
    const int cell = row * m_columns + column;
    return cell < m_colorCount ? cell : kNoCell;
}

// Keyboard moves. The two text boxes count as rows of their own above and below the grid.

int CColorPopup::CellBelow(int cell) const
{
    if (cell == kAutomaticCell)
        return 0;
    if (cell == kCustomCell)
        return HasDefaultBox() ? kAutomaticCell : 0;
    if (cell + m_columns < m_colorCount)
        return cell + m_columns;
    return HasCustomBox() ? kCustomCell : HasDefaultBox() ? kAutomaticCell : 0;
}

int CColorPopup::CellAbove(int cell) const
{
    if (cell == kAutomaticCell)
        return HasCustomBox() ? kCustomCell : LastCell();
    if (cell == kCustomCell)
        return LastCell();
    if (cell - m_columns >= 0)
        return cell - m_columns;
    return HasDefaultBox() ? kAutomaticCell : HasCustomBox() ? kCustomCell : LastCell();
}

int CColorPopup::CellRight(int cell) const
{
    if (cell == kAutomaticCell)
        return 0;
    if (cell == kCustomCell)
        return HasDefaultBox() ? kAutomaticCell : 0;
    if (cell + 1 < m_colorCount)
        return cell + 1;
    return HasCustomBox() ? kCustomCell : HasDefaultBox() ? kAutomaticCell : 0;
}

int CColorPopup::CellLeft(int cell) const
{
    if (cell == kAutomaticCell)
        return HasCustomBox() ? kCustomCell : LastCell();
    if (cell == kCustomCell)
        return LastCell();
    if (cell - 1 >= 0)
        return cell - 1;
    return HasDefaultBox() ? kAutomaticCell : HasCustomBox() ? kCustomCell : LastCell();
}

void CColorPopup::ChangeHighlight(int cell)
{
    if (cell >= m_colorCount)
        cell = kCustomCell;
    const int previous = m_currentCell;
    m_currentCell = cell;
    update(CellRect(previous));
    update(CellRect(cell));
    if (cell == kCustomCell) {
        emit SelChange(m_initialColor);
        return;
    }
    if (cell == kAutomaticCell)
        m_colorToReport = kAutomaticColor;
    else if (cell >= 0)
        m_colorToReport = kNamedColors[static_cast<size_t>(cell)].color;
    else
        return;
    emit SelChange(m_colorToReport);
}

void CColorPopup::mousePressEvent(QMouseEvent* event)
{
    // The selection ends when the button is released, inside or outside the popup.
    event->accept();
}

void CColorPopup::mouseMoveEvent(QMouseEvent* event)
{
    const int cell = CellAt(event->position().toPoint());
    if (cell != kNoCell && cell != m_currentCell)
        ChangeHighlight(cell);
}

void CColorPopup::mouseReleaseEvent(QMouseEvent* event)
{
    const bool inside = rect().contains(event->position().toPoint());
    EndSelection(inside ? EEnd::Ok : EEnd::Cancel);
}

void CColorPopup::keyPressEvent(QKeyEvent* event)
{
    // With nothing highlighted yet, the arrows start from the chosen cell.
    const int from = m_currentCell != kNoCell ? m_currentCell : m_chosenCell;
    switch (event->key()) {
    case Qt::Key_Down:
        ChangeHighlight(from == kNoCell ? 0 : CellBelow(from));
        break;
    case Qt::Key_Up:
        ChangeHighlight(from == kNoCell ? 0 : CellAbove(from));
        break;
    case Qt::Key_Right:
        ChangeHighlight(from == kNoCell ? 0 : CellRight(from));
        break;
    case Qt::Key_Left:
        ChangeHighlight(from == kNoCell ? 0 : CellLeft(from));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        EndSelection(EEnd::Ok);
        break;
    case Qt::Key_Escape:
        m_colorToReport = m_initialColor;
        EndSelection(EEnd::Cancel);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CColorPopup::closeEvent(QCloseEvent* event)
{
    // Closed from outside (by the window system or the application): a cancelled selection.
    if (!m_ending)
        EndSelection(EEnd::Cancel);
    QWidget::closeEvent(event);
}

void CColorPopup::EndSelection(EEnd end)
{
    if (m_ending)
        return;
    m_ending = true;
    if (end == EEnd::Ok && m_currentCell == kCustomCell && !RunColorDialog())
        end = EEnd::Cancel;
    if (end == EEnd::Cancel)
        m_colorToReport = m_initialColor;
    if (end == EEnd::Ok)
        emit SelEndOk(m_colorToReport);
    else
        emit SelEndCancel(m_colorToReport);
    close();
}

bool CColorPopup::RunColorDialog()
{
    // The popup lets go of mouse and keyboard while the colour dialog runs.
    m_colorDialogOpen = true;
    hide();
    // "Automatic" has no colour of its own; the dialog starts from what the button shows for it.
    const COLORREF start = m_initialColor == kAutomaticColor ? m_pButton->GetDefaultColor() : m_initialColor;
    QColorDialog dialog(ToQColor(start), m_pButton);
    dialog.setObjectName(QStringLiteral("moreColorsDialog"));
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (accepted)
        m_colorToReport = ToColorRef(dialog.selectedColor());
    m_colorDialogOpen = false;
    return accepted;
}

bool CColorPopup::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int cell = CellAt(help->pos());
        if (cell >= 0)
            QToolTip::showText(help->globalPos(), NamedColorName(cell), this, CellRect(cell));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CColorPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(m_font);
    if (HasDefaultBox())
        DrawTextBox(painter, kAutomaticCell);
    for (int cell = 0; cell < m_colorCount; ++cell)
        DrawColorCell(painter, cell);
    if (HasCustomBox())
        DrawTextBox(painter, kCustomCell);
    qDrawWinPanel(&painter, rect(), palette(), false);
}

void CColorPopup::DrawCellEdge(QPainter& painter, const QRect& rect, int cell) const
{
    // Two pixels wide, so that the hot cell (highlight colour) and the chosen one (text colour)
    // stand out on any swatch and at any screen density.
    if (cell != m_currentCell && cell != m_chosenCell)
        return;
    painter.save();
    painter.setPen(QPen(palette().color(cell == m_currentCell ? QPalette::Highlight : QPalette::Text), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(1, 1, -1, -1));
    painter.restore();
}

QColor CColorPopup::CellBackground(int cell) const
{
    if (cell == m_currentCell) {
        QColor hot = palette().color(QPalette::Highlight);
        hot.setAlpha(70);
        return hot;
    }
    return palette().color(cell == m_chosenCell ? QPalette::Light : QPalette::Button);
}

void CColorPopup::DrawColorCell(QPainter& painter, int cell) const
{
    const QRect rect = CellRect(cell);
    painter.fillRect(rect, palette().button());
    painter.fillRect(rect, CellBackground(cell));
    DrawCellEdge(painter, rect, cell);
    const int inset = m_margin + 1;
    const QRect swatch = rect.adjusted(inset, inset, -inset, -inset);
    painter.fillRect(swatch, ToQColor(kNamedColors[static_cast<size_t>(cell)].color));
    painter.setPen(palette().color(QPalette::Dark));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

void CColorPopup::DrawTextBox(QPainter& painter, int cell) const
{
    QRect rect = CellRect(cell);
    if (cell == kCustomCell) {
        // A two-tone separator above "More Colors...", the box itself below it.
        const int lineY = rect.top() + m_margin;
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(rect.left() + 2 * m_margin, lineY, rect.right() - 2 * m_margin, lineY);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(rect.left() + 2 * m_margin, lineY + 1, rect.right() - 2 * m_margin, lineY + 1);
        rect.setTop(rect.top() + 2 * m_margin);
    }
    painter.fillRect(rect, palette().button());
    painter.fillRect(rect.adjusted(1, 1, -1, -1), CellBackground(cell));
    if (cell == kAutomaticCell) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.setBrush(Qt::NoBrush);
        const int inset = 2 * m_margin;
        painter.drawRect(rect.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
    DrawCellEdge(painter, rect, cell);
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, cell == kCustomCell ? m_customText : m_defaultText);
}
