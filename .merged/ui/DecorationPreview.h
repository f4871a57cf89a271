#pragma once

#include "model/Color.h"

#include <QWidget>

#include <cstdint>

// A schematic picture of a door or window: a fixed 80 x 120 pixel drawing of the body in
// the main colour, the glass in the inner colour and the bars between the panes, whatever
// the decoration's real size. A click on it is reported through clicked().
class CDecorationPreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 80;
    static constexpr int kHeight = 120;

    explicit CDecorationPreview(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // The wall the decoration sits in; kept for the caller, the field stays white.
    COLORREF m_backgroundColor = RGB(255, 255, 255);
    COLORREF m_innerColor = RGB(255, 255, 255);
    COLORREF m_mainColor = RGB(0, 0, 0);
    int32_t m_subtype = 0;
    int32_t m_mainType = 0;
    int32_t m_windowCount = 1;

    // Paints the picture at once, not at the next event loop turn.
    void RedrawNow();
    // The picture as it is painted, for saving or comparing.
    QImage Render() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Paint(QPainter& painter) const;
};
