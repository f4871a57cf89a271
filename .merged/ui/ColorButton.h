#pragma once

#include "model/Color.h"

#include <QPointer>
#include <QPushButton>

class CColorPopup;

// A push button showing a colour swatch with a drop-down arrow. A click opens a CColorPopup
// below the button; what the user does there reaches the parent through the signals below.
// The colour may be kAutomaticColor ("Automatic"); the swatch then shows the default colour.
class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(QWidget* parent = nullptr);
    ~CColorButton() override;

    COLORREF GetColor() const { return m_color; }
    void SetColor(COLORREF color);

    COLORREF GetDefaultColor() const { return m_defaultColor; }
    void SetDefaultColor(COLORREF color) { m_defaultColor = color; update(); }

    QString GetDefaultText() const { return m_defaultText; }
    void SetDefaultText(const QString& text) { m_defaultText = text; }
    QString GetCustomText() const { return m_customText; }
    void SetCustomText(const QString& text) { m_customText = text; }

    // When on, the button takes every colour the popup's highlight passes over.
    bool GetTrackSelection() const { return m_trackSelection; }
    void SetTrackSelection(bool track) { m_trackSelection = track; }

    bool IsPopupActive() const { return m_popupActive; }
    // The open popup, or nullptr when none is open.
    CColorPopup* Popup() const;

    QSize sizeHint() const override;

signals:
    // The highlighted colour changed in the popup, or the selected colour changed.
    void SelChange(COLORREF color);
    // The popup was opened.
    void DropDown(COLORREF color);
    // The popup was closed (sent before SelEndOk or SelEndCancel).
    void CloseUp(COLORREF color);
    // A colour was selected.
    void SelEndOk(COLORREF color);
    // The selection was cancelled; color is the colour the button had before.
    void SelEndCancel(COLORREF color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OpenPopup();
    void OnPopupSelEndOk(COLORREF color);
    void OnPopupSelEndCancel(COLORREF color);
    void OnPopupSelChange(COLORREF color);
    QColor SwatchColor() const;

    COLORREF m_color = kAutomaticColor;
    COLORREF m_defaultColor;
    QString m_defaultText;
    QString m_customText;
    bool m_popupActive = false;
    bool m_trackSelection = false;
    QPointer<CColorPopup> m_popup;
};
