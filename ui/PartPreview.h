#pragma once

#include "scene/FreeTextCheck.h"
#include "scene/Renderer.h"

#include <QWidget>

#include <functional>
#include <string>

class CBuildingElement;
class CObject;
class CProgramOptions;
class QDialog;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QTimer;
class QHBoxLayout;
class QToolButton;

// The picture of one part, drawn from its parts-file text. Drag turns it, the wheel zooms,
// a double click fits it; the buttons (and the keys 3, P, F, S, T, Home) choose the view.
class CPreviewCanvas : public QWidget {
    Q_OBJECT
public:
    explicit CPreviewCanvas(QWidget* parent = nullptr);

    void SetScene(SScene scene);
    void SetHint(const QString& hint);
    bool HasPart() const { return m_hasPart; }
    const SScene& Scene() const { return m_scene; }

    const SCamera& Camera() const { return m_camera; }
    void SetCamera(const SCamera& camera);
    void ShowView(EView view);
    void Fit();
    // The picture as it is on the screen.
    QImage Picture() const;

    QSize sizeHint() const override { return {320, 240}; }

signals:
    void CameraChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Orbit(double yaw, double pitch);

    SScene m_scene;
    SMesh m_mesh;
    SCamera m_camera;
    bool m_hasPart = false;
    QString m_hint;
    QPoint m_dragStart;
};

// The preview pane: view buttons, the picture and, when there are any, the faults of the
// part's free text. A click on a fault selects its line in the free-text box.
class CPartPreview : public QWidget {
    Q_OBJECT
public:
    explicit CPartPreview(QWidget* parent = nullptr);
    ~CPartPreview() override;

    // Shows the part (tree, building or platform) exported alone with the options; nothing
    // selected shows the hint.
    void ShowPart(const CObject* part, const CProgramOptions& options);
    void ShowElement(const CBuildingElement& element, const CProgramOptions& options);
    void ShowPartsText(const std::string& text);
    void ShowNothing();

    // The free-text box whose text is checked; its faults are listed under the picture.
    void AttachFreeTextBox(QPlainTextEdit* box);
    // Runs the update a moment after the last call, so that typing is never held up.
    void ScheduleUpdate(std::function<void()> update);
    void UpdateNow();

    // The view as a word for the settings ("iso", "front", "side", "top", "plan").
    QString ViewName() const;
    void SetViewName(const QString& name);

    CPreviewCanvas* Canvas() const { return m_canvas; }
    // The width the row of view buttons needs in the current language.
    int ButtonRowWidth() const;
    QListWidget* Diagnostics() const { return m_diagnostics; }

    // The faults an export found in the free texts of the whole catalogue, kept under the
    // picture until the next export; partIds holds each fault's part's id. None hides the list.
    void ShowExportFaults(const std::vector<SFreeTextFault>& faults, const std::vector<int32_t>& partIds);
    QListWidget* ExportFaults() const { return m_exportFaults; }
    // How the program run on the last exported file ended, with its last lines, kept under
    // the picture until the next export; no title hides it.
    void ShowCompileOutput(const QString& title, const QStringList& lines);
    QLabel* CompileTitle() const { return m_compileTitle; }
    QPlainTextEdit* CompileOutput() const { return m_compileOutput; }

signals:
    // A click on an export fault asks for its part.
    void partRequested(int32_t partId);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void ShowExport(const std::function<std::string()>& exportText);
    void ShowTooLarge();
    void CheckFreeText();
    void ListFaults(const std::vector<SFreeTextFault>& faults);
    void OnDiagnosticClicked(QListWidgetItem* item);
    void UpdateViewButtons();

    CPreviewCanvas* m_canvas;
    QListWidget* m_diagnostics;
    QLabel* m_exportFaultsTitle;
    QListWidget* m_exportFaults;
    QLabel* m_compileTitle;
    QPlainTextEdit* m_compileOutput;
    QToolButton* m_isoButton;
    QToolButton* m_planButton;
    QToolButton* m_frontButton;
    QToolButton* m_sideButton;
    QToolButton* m_topButton;
    QToolButton* m_fitButton;
    QHBoxLayout* m_buttonRow;
    QPlainTextEdit* m_freeTextBox = nullptr;
    QTimer* m_timer;
    std::function<void()> m_pendingUpdate;
    bool m_showsHint = true;
};

// Puts a preview beside the dialog's own controls. update draws the part as the controls say
// now; it runs when the dialog is shown and a moment after any field, choice, colour or the
// free text changes, and again when the dialog comes back from a dialog of its own.
CPartPreview* AttachDialogPreview(QDialog& dialog, QPlainTextEdit* freeText, std::function<void(CPartPreview&)> update);

// The options the dialogs' previews export with: those the main form was given, the defaults
// without one.
const CProgramOptions& CurrentExportOptions();
void SetCurrentExportOptions(const CProgramOptions* options);

// A fault of a parts-file line in the user's language.
QString DiagnosticText(const SDiagnostic& diagnostic);
