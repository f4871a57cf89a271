#pragma once

#include "model/Color.h"

#include <QFont>
#include <QRect>
#include <QWidget>

class CColorButton;

// The borderless window a CColorButton opens: an "Automatic" box, a grid of the named colours
// and a "More Colors..." box that opens the colour dialog. It grabs mouse and keyboard while
// open, reports every highlight change and deletes itself when the selection ends.
class CColorPopup : public QWidget {
    Q_OBJECT
public:
    // Cells are numbered 0 to 39 in table order; these stand for the two text boxes and none.
    static constexpr int kAutomaticCell = -3;
    static constexpr int kCustomCell = -2;
    static constexpr int kNoCell = -1;

    // Opens at screenPos (the button's lower left corner); opens above the button, of
    // buttonHeight, when there is no room below.
    CColorPopup(const QPoint& screenPos, int buttonHeight, COLORREF initialColor, CColorButton* button,
        const QString& defaultText, const QString& customText);

    int CurrentCell() const { return m_currentCell; }
    int ChosenCell() const { return m_chosenCell; }
    COLORREF ColorToReport() const { return m_colorToReport; }
    // The rectangle of a cell or of one of the two text boxes, in the popup's coordinates.
    QRect CellRect(int cell) const;
    bool IsColorDialogOpen() const { return m_colorDialogOpen; }

signals:
    void SelChange(COLORREF color);
    void SelEndOk(COLORREF color);
    void SelEndCancel(COLORREF color);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class EEnd { Ok, Cancel };

    bool HasDefaultBox() const { return !m_defaultText.isEmpty(); }
    bool HasCustomBox() const { return !m_customText.isEmpty(); }
    int LastCell() const { return m_colorCount - 1; }
    void SetWindowSize();
    void KeepOnScreen(QPoint topLeft, int buttonHeight);
    int FindChosenCell() const;
    int CellAt(QPoint point) const;
    int CellBelow(int cell) const;
    int CellAbove(int cell) const;
    int CellRight(int cell) const;
    int CellLeft(int cell) const;
    void ChangeHighlight(int cell);
    void EndSelection(EEnd end);
    bool RunColorDialog();
    void DrawColorCell(QPainter& painter, int cell) const;
    void DrawTextBox(QPainter& painter, int cell) const;
    QColor CellBackground(int cell) const;
    void DrawCellEdge(QPainter& painter, const QRect& rect, int cell) const;

    int m_colorCount;
    int m_columns = 8;
    int m_rows;
    int m_boxSize = 18;
    int m_margin = 2;
    int m_currentCell = kNoCell;
    int m_chosenCell = kNoCell;
    QString m_defaultText;
    QString m_customText;
    QRect m_customTextRect;
    QRect m_defaultTextRect;
    QFont m_font;
    COLORREF m_initialColor;
    COLORREF m_colorToReport;
    CColorButton* m_pButton;
    bool m_colorDialogOpen = false;
    bool m_ending = false;
};
