#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

// A label that opens its target (a web or "mailto:" address) through the desktop when
// clicked. The pointer stays the arrow over it.
class CHyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit CHyperlinkLabel(const QString& text = QString(), QWidget* parent = nullptr);

    void SetUnderline(bool underline);
    void SetLabelColor(const QColor& color);
    // An empty target makes the label's own text the target.
    void SetLink(bool enabled, const QString& target);

    bool IsLinkEnabled() const { return m_linkEnabled; }
    const QString& LinkTarget() const { return m_linkTarget; }
    const QColor& LabelColor() const { return m_textColor; }

signals:
    // After the target was handed to the desktop; opened tells whether it took it.
    void linkOpened(const QString& target, bool opened);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_textColor;
    bool m_linkEnabled = true;
    QString m_linkTarget;
};
