#pragma once

#include "scene/FreeTextCheck.h"
#include "scene/Renderer.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <future>
#include <memory>
#include <string>

class CBuilding;
class CBuildingElement;
class CDecoration;
class CObject;
class CProgramOptions;
class QDialog;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QTimer;
class QHBoxLayout;
class QCheckBox;
class QToolButton;

// The picture of one part, drawn from its parts-file text over a ground grid, with a scale bar
// and the part's size in a corner. Drag turns it, the middle button or Shift with a drag moves
// it (as do Shift and the arrow keys), the wheel zooms, a double click or Home fits it; the
// buttons (and the keys 3, P, F, S, T) choose the view.
class CPreviewCanvas : public QWidget {
    Q_OBJECT
public:
    explicit CPreviewCanvas(QWidget* parent = nullptr);
    ~CPreviewCanvas() override;

    void SetScene(SScene scene);
    // Several pieces in one picture: from highlighted on, count of them standing out (none
    // highlighted shows all alike), outlined in the selection colour with the others as they are,
    // or else in full colour with the others dimmed. The picture takes its name from the piece
    // named, without one from the highlighted or first. A click on a piece names it.
    void SetPieces(std::vector<SScene> pieces, int32_t highlighted, int32_t count = 1, int32_t named = -1,
        bool outlined = false);
    const SMesh& Mesh() const { return *m_mesh; }
    const SRenderStyle& Style() const { return m_style; }
    // Keeps the scale of the picture as it is now for every part shown after, so that sizes
    // compare; off fits each part again.
    void SetSameScale(bool same);
    bool SameScale() const { return m_camera.m_scale > 0; }
    // Moves the picture by that many pixels right and down.
    void Pan(double dx, double dy);
    void SetHint(const QString& hint);
    bool HasPart() const { return m_hasPart; }
    const SScene& Scene() const { return *m_scene; }

    const SCamera& Camera() const { return m_camera; }
    void SetCamera(const SCamera& camera);
    void ShowView(EView view);
    void Fit();
    // The picture as it is on the screen, drawn now.
    QImage Picture() const;
    // A large part is drawn in the background, so that the window never waits for it: the
    // picture on the screen is then one drawn a moment ago until the new one is done.
    bool ShowsCurrentPicture() const;
    static constexpr size_t kDrawnAtOnce = 20000;

    QSize sizeHint() const override { return {320, 240}; }

signals:
    void CameraChanged();
    void pieceClicked(int32_t piece);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Orbit(double yaw, double pitch);
    void Zoom(double factor);
    QSize PictureSize() const;
    // The outline of a selected piece: the window's selection colour.
    uint32_t SelectionInk() const;
    // The scale bar at the lower left, the grid's spacing over it, the part's size at the right.
    void DrawScaleAndSize(QPainter& painter, double pixelsPerUnit);

    // What a picture is drawn from; a picture drawn from other inputs is out of date.
    struct SPictureInputs {
        std::shared_ptr<const SMesh> m_mesh;
        std::shared_ptr<const SScene> m_scene;
        SCamera m_camera;
        SRenderStyle m_style;
        QSize m_size;
        qreal m_ratio = 1;

        bool operator==(const SPictureInputs& other) const;
    };
    struct SPicture {
        QImage m_image;
        double m_pixelsPerUnit = 0;
        bool m_incomplete = false;
    };
    SPictureInputs CurrentInputs() const;
    static SPicture Draw(const SPictureInputs& inputs);
    // Starts drawing the current picture in the background unless a drawing is under way; a
    // drawing done goes on screen and starts the next if the inputs changed meanwhile.
    void DrawInBackground();
    void OnDrawn(const SPictureInputs& inputs, const SPicture& picture);

    std::shared_ptr<const SScene> m_scene;
    std::shared_ptr<const SMesh> m_mesh;
    SPictureInputs m_shownInputs;
    SPicture m_shown;
    std::future<void> m_drawing;
    bool m_drawingUnderWay = false;
    SBounds m_bounds;
    SCamera m_camera;
    SRenderStyle m_style;
    bool m_hasPart = false;
    QString m_hint;
    QPoint m_dragStart;
    QPoint m_pressedAt;
    bool m_panning = false;
    bool m_dragged = false;
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
    // The building's elements in its own order as piece 0, 1, ..., the one selected (if any)
    // standing out; its own lines and free text are the piece after the last element.
    void ShowBuilding(const CBuilding& building, const CBuildingElement* selected, const CProgramOptions& options);
    // The element being edited, as shown, among the other elements of its building (if given),
    // dimmed; its block is piece 0 and its decorations pieces 1, 2, ...
    void ShowElementInBuilding(const CBuildingElement& shown, const CBuildingElement* edited, const CBuilding* building,
        const CProgramOptions& options);
    // The decoration being edited, as shown, on its element's wall among the element's other
    // decorations, standing out; inches when the building is measured in them.
    void ShowDecorationOnElement(const CDecoration& shown, const CDecoration* edited, const CBuildingElement& element,
        bool inches, const CProgramOptions& options);
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
    void pieceClicked(int32_t piece);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslateUi();
    void ShowExport(const std::function<std::string()>& exportText);
    // Shows the pieces the texts make, the ones the texts' maker names standing out, or names
    // the part too large when a text cannot be made.
    struct SHighlight {
        int32_t m_first = -1;
        int32_t m_count = 1;
        // A piece exported alone is measured in millimetres; its building may say inches.
        bool m_inches = false;
        // The piece the picture is named after; none names it after the highlighted one.
        int32_t m_named = -1;
        // A selected piece is outlined; pieces being edited stand out from their dimmed context.
        bool m_outlined = false;
    };
    void ShowPieceTexts(const std::function<std::vector<std::string>(SHighlight&)>& texts);
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
    QCheckBox* m_sameScaleButton;
    QHBoxLayout* m_buttonRow;
    QPlainTextEdit* m_freeTextBox = nullptr;
    QTimer* m_timer;
    std::function<void()> m_pendingUpdate;
    bool m_showsHint = true;
};

// The element a piece of ShowBuilding's picture draws; null for the building's own lines.
const CBuildingElement* BuildingElementAtPiece(const CBuilding& building, int32_t piece);
// The decoration a piece of ShowElementInBuilding's picture draws; null for the block and for
// the building's other elements.
const CDecoration* DecorationAtPiece(const CBuildingElement& element, int32_t piece);

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
