#include "ui/PartPreview.h"

#include "export/PartsFileWriter.h"
#include "model/Building.h"
#include "model/BuildingElement.h"
#include "model/ChoiceCodes.h"
#include "model/Decoration.h"
#include "model/DecorationManager.h"
#include "model/TextCodec.h"
#include "scene/PartsReader.h"

#include "settings/ProgramOptions.h"
#include "ui/ColorButton.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLineEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

namespace {

// Long enough to let a typist finish a number, short enough to feel live.
constexpr int kTypingPauseMs = 200;
constexpr double kDegreesPerPixel = 0.5;
constexpr double kZoomStep = 1.15;
// Shift and an arrow key move the picture by this share of its size.
constexpr double kPanStep = 0.1;
// A press and release closer than this is a click, not a drag.
constexpr int kClickSlack = 3;
// The most parts-file text a preview draws; a part needing more is named too large.
constexpr size_t kPreviewTextLimit = size_t(32) << 20;

struct SNamedView {
    EView view;
    const char* name;
};

constexpr SNamedView kViewNames[] = {
    {EView::Iso, "iso"}, {EView::Front, "front"}, {EView::Side, "side"}, {EView::Top, "top"}, {EView::Plan, "plan"}};

// Errors in red, warnings in brown.
QListWidgetItem& AddFault(QListWidget& list, const QString& text, ESeverity severity)
{
    auto* item = new QListWidgetItem(text, &list);
    item->setForeground(severity == ESeverity::Error ? QColor(0xB0, 0x00, 0x20) : QColor(0x80, 0x60, 0x00));
    return *item;
}

// Adds a scene's records to another, each keeping its own points.
void AppendScene(SScene& scene, const SScene& piece)
{
    const auto planOffset = static_cast<uint32_t>(scene.m_planPoints.size());
    const auto vertexOffset = static_cast<uint32_t>(scene.m_vertices.size());
    scene.m_planPoints.insert(scene.m_planPoints.end(), piece.m_planPoints.begin(), piece.m_planPoints.end());
    scene.m_vertices.insert(scene.m_vertices.end(), piece.m_vertices.begin(), piece.m_vertices.end());
    for (SPlanPrimitive primitive : piece.m_plan) {
        primitive.m_firstPoint += planOffset;
        scene.m_plan.push_back(primitive);
    }
    for (SVertexGroup group : piece.m_groups) {
        group.m_firstVertex += vertexOffset;
        scene.m_groups.push_back(group);
    }
    scene.m_solids.insert(scene.m_solids.end(), piece.m_solids.begin(), piece.m_solids.end());
}

// A length on the scale bar: 1, 2 or 5 times a power of ten, as near the room as fits in it.
double ScaleBarLength(double room)
{
    const double power = std::pow(10.0, std::floor(std::log10(room)));
    for (const double step : {5.0, 2.0, 1.0})
        if (step * power <= room)
            return step * power;
    return power;
}

QString LengthText(double length, bool inches)
{
    const QString number = QLocale().toString(length, 'g', 6);
    return inches ? CPreviewCanvas::tr("%1 in").arg(number) : CPreviewCanvas::tr("%1 mm").arg(number);
}

// The pieces of a building's picture: its elements in the building's own order, whatever
// order a list shows them in.
std::vector<const CBuildingElement*> ElementsInOrder(const CBuilding& building)
{
    std::vector<const CBuildingElement*> elements;
    for (const auto& object : building.GetList())
        if (const auto* element = DynamicDowncast<CBuildingElement>(object.get()))
            elements.push_back(element);
    return elements;
}

std::vector<const CDecoration*> DecorationsInOrder(const CBuildingElement& element)
{
    std::vector<const CDecoration*> decorations;
    if (element.m_decorations)
        for (const auto& object : element.m_decorations->GetList())
            if (const auto* decoration = DynamicDowncast<CDecoration>(object.get()))
                decorations.push_back(decoration);
    return decorations;
}

} // namespace

QString DiagnosticText(const SDiagnostic& diagnostic)
{
    const QString detail = QString::fromStdString(diagnostic.m_detail);
    switch (diagnostic.m_kind) {
    case EDiagnostic::UnknownKeyword:
        return CPartPreview::tr("Unknown keyword \"%1\".").arg(detail);
    case EDiagnostic::MissingNumbers:
        return CPartPreview::tr("Numbers are missing on this line.");
    case EDiagnostic::ExtraNumbers:
        return CPartPreview::tr("Text after the last number is ignored.");
    case EDiagnostic::NotANumber:
        return CPartPreview::tr("\"%1\" is not a whole number.").arg(detail);
    case EDiagnostic::NumberOutOfRange:
        return CPartPreview::tr("The number %1 is too large.").arg(detail);
    case EDiagnostic::BadColor:
        return CPartPreview::tr("\"%1\" is not a colour ($ and six hexadecimal digits).").arg(detail);
    case EDiagnostic::GroupWithoutEnd3D:
        return CPartPreview::tr("The 3D group has no End3D line.");
    case EDiagnostic::IncompleteGroup:
        return CPartPreview::tr("The group's points do not make whole shapes.");
    case EDiagnostic::UncoloredGroup:
        return CPartPreview::tr("The group's first point has no colour.");
    case EDiagnostic::SolidWithoutCenter:
        return CPartPreview::tr("The solid has no Center line and is not drawn.");
    case EDiagnostic::Misplaced:
        return CPartPreview::tr("This line does not belong here.");
    case EDiagnostic::BadStructureLine:
        return CPartPreview::tr("The part's line needs its number and name in double quotes.");
    case EDiagnostic::StructureWithoutEnd:
        return CPartPreview::tr("The part has no End line.");
    case EDiagnostic::TextOutsideStructure:
        return CPartPreview::tr("Text stands outside a part.");
    case EDiagnostic::HeaderWithoutEnd:
        return CPartPreview::tr("The header has no End line.");
    case EDiagnostic::ReadingStopped:
        return CPartPreview::tr("The text is too large to be read whole; reading stopped here.");
    }
    return QString::fromStdString(diagnostic.m_message);
}

CPreviewCanvas::CPreviewCanvas(QWidget* parent)
    : QWidget(parent)
    , m_scene(std::make_shared<const SScene>())
    , m_mesh(std::make_shared<const SMesh>())
{
    setObjectName("previewCanvas");
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(120, 90);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CPreviewCanvas::SetScene(SScene scene)
{
    auto mesh = std::make_shared<const SMesh>(BuildMesh(scene));
    m_scene = std::make_shared<const SScene>(std::move(scene));
    m_mesh = std::move(mesh);
    m_bounds = BoundsOf(*m_mesh);
    m_style.m_highlight = -1;
    m_hasPart = true;
    update();
}

void CPreviewCanvas::SetPieces(std::vector<SScene> pieces, int32_t highlighted, int32_t count, int32_t named, bool outlined)
{
    SScene all;
    SMesh mesh;
    for (size_t i = 0; i < pieces.size(); ++i) {
        AppendScene(all, pieces[i]);
        AppendPiece(mesh, BuildMesh(pieces[i]), static_cast<int32_t>(i));
    }
    if (!pieces.empty()) {
        const int32_t namer = named >= 0 ? named : highlighted;
        const SScene& source = namer >= 0 && size_t(namer) < pieces.size() ? pieces[namer] : pieces.front();
        all.m_name = source.m_name;
        all.m_catalogNo = source.m_catalogNo;
        all.m_inches = source.m_inches;
    }
    m_scene = std::make_shared<const SScene>(std::move(all));
    m_mesh = std::make_shared<const SMesh>(std::move(mesh));
    m_bounds = BoundsOf(*m_mesh);
    m_style.m_highlight = highlighted;
    m_style.m_highlightCount = count;
    m_style.m_outline = outlined ? SelectionInk() : 0;
    m_hasPart = true;
    update();
}

void CPreviewCanvas::SetSameScale(bool same)
{
    SCamera camera = m_camera;
    camera.m_scale = 0;
    if (same) {
        // The scale the picture has now, before zooming.
        const SPictureInputs now = CurrentInputs();
        const double pixelsPerUnit = m_shownInputs == now ? m_shown.m_pixelsPerUnit : Draw(now).m_pixelsPerUnit;
        // The camera counts pixels of the picture, the screen's at any scaling.
        camera.m_scale = pixelsPerUnit * now.m_ratio / camera.m_zoom;
    }
    SetCamera(camera);
}

void CPreviewCanvas::Pan(double dx, double dy)
{
    SCamera camera = m_camera;
    camera.m_panX += dx * devicePixelRatioF();
    camera.m_panY += dy * devicePixelRatioF();
    SetCamera(camera);
}

void CPreviewCanvas::Zoom(double factor)
{
    SCamera camera = m_camera;
    camera.m_zoom *= factor;
    SetCamera(camera);
}

QSize CPreviewCanvas::PictureSize() const
{
    const qreal ratio = devicePixelRatioF();
    return {std::max(1, static_cast<int>(width() * ratio)), std::max(1, static_cast<int>(height() * ratio))};
}

uint32_t CPreviewCanvas::SelectionInk() const
{
    const QColor color = palette().color(QPalette::Active, QPalette::Highlight);
    return SImage::Pack(static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()), static_cast<uint8_t>(color.blue()));
}

void CPreviewCanvas::SetHint(const QString& hint)
{
    m_hint = hint;
    m_hasPart = false;
    m_scene = std::make_shared<const SScene>();
    m_mesh = std::make_shared<const SMesh>();
    m_bounds = {};
    update();
}

void CPreviewCanvas::SetCamera(const SCamera& camera)
{
    m_camera = camera;
    m_camera.m_pitch = std::clamp(m_camera.m_pitch, -90.0, 90.0);
    m_camera.m_zoom = std::clamp(m_camera.m_zoom, 0.05, 50.0);
    update();
    emit CameraChanged();
}

void CPreviewCanvas::ShowView(EView view)
{
    SCamera camera = SCamera::Standard(view);
    camera.m_scale = m_camera.m_scale;
    SetCamera(camera);
}

void CPreviewCanvas::Fit()
{
    SCamera camera = m_camera;
    camera.m_zoom = 1;
    camera.m_panX = camera.m_panY = 0;
    SetCamera(camera);
}

void CPreviewCanvas::Orbit(double yaw, double pitch)
{
    SCamera camera = m_camera;
    if (camera.m_view == EView::Plan)
        return;
    camera.m_view = EView::Iso;
    camera.m_yaw = std::fmod(camera.m_yaw + yaw, 360.0);
    camera.m_pitch += pitch;
    SetCamera(camera);
}

bool CPreviewCanvas::SPictureInputs::operator==(const SPictureInputs& other) const
{
    const auto key = [](const SPictureInputs& inputs) {
        const SCamera& c = inputs.m_camera;
        const SRenderStyle& s = inputs.m_style;
        return std::make_tuple(inputs.m_mesh.get(), inputs.m_scene.get(), c.m_view, c.m_yaw, c.m_pitch, c.m_zoom, c.m_panX,
            c.m_panY, c.m_scale, s.m_grid, s.m_highlight, s.m_highlightCount, s.m_outline, s.m_outlineWidth, inputs.m_size.width(), inputs.m_size.height(),
            inputs.m_ratio);
    };
    return key(*this) == key(other);
}

CPreviewCanvas::SPictureInputs CPreviewCanvas::CurrentInputs() const
{
    SRenderStyle style = m_style;
    style.m_grid = true;
    // Three of the window's pixels, however many the screen has.
    style.m_outlineWidth = std::max(1, static_cast<int>(std::lround(3 * devicePixelRatioF())));
    return {m_mesh, m_scene, m_camera, style, PictureSize(), devicePixelRatioF()};
}

CPreviewCanvas::SPicture CPreviewCanvas::Draw(const SPictureInputs& inputs)
{
    const SImage image = RenderMesh(*inputs.m_mesh, *inputs.m_scene, inputs.m_camera, inputs.m_size.width(),
        inputs.m_size.height(), inputs.m_style);
    QImage picture(reinterpret_cast<const uchar*>(image.m_pixels.data()), image.m_width, image.m_height,
        image.m_width * 4, QImage::Format_RGBA8888);
    QImage owned = picture.copy();
    owned.setDevicePixelRatio(inputs.m_ratio);
    return {owned, image.m_pixelsPerUnit / inputs.m_ratio, image.m_incomplete};
}

QImage CPreviewCanvas::Picture() const
{
    return Draw(CurrentInputs()).m_image;
}

bool CPreviewCanvas::ShowsCurrentPicture() const
{
    return m_shownInputs == CurrentInputs();
}

void CPreviewCanvas::DrawInBackground()
{
    if (m_drawingUnderWay)
        return;
    m_drawingUnderWay = true;
    const SPictureInputs inputs = CurrentInputs();
    m_drawing = std::async(std::launch::async, [this, inputs] {
        const SPicture picture = Draw(inputs);
        // The canvas waits for this drawing before it goes, so it is there to take the call.
        QMetaObject::invokeMethod(this, [this, inputs, picture] { OnDrawn(inputs, picture); }, Qt::QueuedConnection);
    });
}

void CPreviewCanvas::OnDrawn(const SPictureInputs& inputs, const SPicture& picture)
{
    m_drawingUnderWay = false;
    m_shownInputs = inputs;
    m_shown = picture;
    update();
}

CPreviewCanvas::~CPreviewCanvas()
{
    if (m_drawing.valid())
        m_drawing.wait();
}

void CPreviewCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_hasPart) {
        painter.fillRect(rect(), QColor(0xF4, 0xF5, 0xF7));
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, m_hint);
        return;
    }
    const SPictureInputs inputs = CurrentInputs();
    if (!(m_shownInputs == inputs)) {
        if (m_mesh->m_triangles.size() + m_mesh->m_segments.size() + m_scene->m_plan.size() < kDrawnAtOnce) {
            m_shown = Draw(inputs);
            m_shownInputs = inputs;
        } else {
            DrawInBackground();
        }
    }
    painter.fillRect(rect(), QColor(0xF4, 0xF5, 0xF7));
    if (!m_shown.m_image.isNull())
        painter.drawImage(QRectF(QPointF(0, 0), QSizeF(m_shown.m_image.deviceIndependentSize())), m_shown.m_image);
    DrawScaleAndSize(painter, m_shown.m_pixelsPerUnit);
    if (m_shown.m_incomplete) {
        painter.setPen(QColor(0x80, 0x60, 0x00));
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignTop | Qt::AlignHCenter | Qt::TextWordWrap,
            tr("Too complex to draw whole: what lies furthest back is left out."));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CPreviewCanvas::DrawScaleAndSize(QPainter& painter, double pixelsPerUnit)
{
    if (!(pixelsPerUnit > 0) || !std::isfinite(pixelsPerUnit))
        return;
    const bool inches = m_scene->m_inches;
    const QFontMetrics metrics = painter.fontMetrics();
    const int margin = metrics.height() / 2;
    const QColor ink(0x40, 0x44, 0x4C);
    painter.setPen(QPen(ink, 1));

    const double length = ScaleBarLength(width() / 4.0 / pixelsPerUnit);
    const int barPixels = static_cast<int>(std::lround(length * pixelsPerUnit));
    const int barY = height() - margin - metrics.height() / 2;
    if (barPixels >= 4 && std::isfinite(length)) {
        const int left = margin;
        painter.drawLine(left, barY, left + barPixels, barY);
        painter.drawLine(left, barY - 3, left, barY + 3);
        painter.drawLine(left + barPixels, barY - 3, left + barPixels, barY + 3);
        painter.drawText(QPoint(left + barPixels + margin, barY + metrics.ascent() / 2 - 1), LengthText(length, inches));
        const double spacing = m_bounds.m_empty ? 0
            : GridSpacing(std::max(m_bounds.m_max.x - m_bounds.m_min.x, m_bounds.m_max.y - m_bounds.m_min.y),
                pixelsPerUnit * devicePixelRatioF());
        if (spacing > 0)
            painter.drawText(QPoint(left, barY - metrics.descent() - 5), tr("Grid %1").arg(LengthText(spacing, inches)));
    }
    if (!m_bounds.m_empty) {
        // Width along x, depth along y, height along z, as the dialogs name them.
        const auto size = [](double from, double to) { return QLocale().toString(to - from, 'g', 10); };
        const QString text = (inches ? tr("%1 × %2 × %3 in") : tr("%1 × %2 × %3 mm"))
                                 .arg(size(m_bounds.m_min.x, m_bounds.m_max.x), size(m_bounds.m_min.y, m_bounds.m_max.y),
                                     size(m_bounds.m_min.z, m_bounds.m_max.z));
        painter.drawText(QPoint(width() - margin - metrics.horizontalAdvance(text), barY + metrics.ascent() / 2 - 1), text);
    }
}

void CPreviewCanvas::mousePressEvent(QMouseEvent* event)
{
    m_dragStart = m_pressedAt = event->position().toPoint();
    m_panning = event->button() == Qt::MiddleButton
        || (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    m_dragged = false;
    setFocus(Qt::MouseFocusReason);
}

void CPreviewCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & (Qt::LeftButton | Qt::MiddleButton)))
        return;
    const QPoint now = event->position().toPoint();
    const QPoint moved = now - m_dragStart;
    m_dragStart = now;
    m_dragged = m_dragged || (now - m_pressedAt).manhattanLength() > kClickSlack;
    if (m_panning)
        Pan(moved.x(), moved.y());
    else if (event->buttons() & Qt::LeftButton)
        Orbit(-moved.x() * kDegreesPerPixel, moved.y() * kDegreesPerPixel);
}

void CPreviewCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool click = event->button() == Qt::LeftButton && !m_panning && !m_dragged
        && (at - m_pressedAt).manhattanLength() <= kClickSlack;
    m_panning = false;
    if (!click || !m_hasPart)
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize size = PictureSize();
    const int32_t piece = PieceAt(*m_mesh, m_camera, size.width(), size.height(), static_cast<int>(at.x() * ratio),
        static_cast<int>(at.y() * ratio));
    if (piece >= 0)
        emit pieceClicked(piece);
}

void CPreviewCanvas::mouseDoubleClickEvent(QMouseEvent*)
{
    Fit();
}

void CPreviewCanvas::wheelEvent(QWheelEvent* event)
{
    Zoom(std::pow(kZoomStep, event->angleDelta().y() / 120.0));
    event->accept();
}

void CPreviewCanvas::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & Qt::ShiftModifier) {
        const double dx = width() * kPanStep, dy = height() * kPanStep;
        switch (event->key()) {
        case Qt::Key_Left:
            Pan(-dx, 0);
            return event->accept();
        case Qt::Key_Right:
            Pan(dx, 0);
            return event->accept();
        case Qt::Key_Up:
            Pan(0, -dy);
            return event->accept();
        case Qt::Key_Down:
            Pan(0, dy);
            return event->accept();
        default:
            break;
        }
    }
    switch (event->key()) {
    case Qt::Key_3:
        ShowView(EView::Iso);
        break;
    case Qt::Key_P:
        ShowView(EView::Plan);
        break;
    case Qt::Key_F:
        ShowView(EView::Front);
        break;
    case Qt::Key_S:
        ShowView(EView::Side);
        break;
    case Qt::Key_T:
        ShowView(EView::Top);
        break;
    case Qt::Key_Home:
        Fit();
        break;
    case Qt::Key_Left:
        Orbit(15, 0);
        break;
    case Qt::Key_Right:
        Orbit(-15, 0);
        break;
    case Qt::Key_Up:
        Orbit(0, 10);
        break;
    case Qt::Key_Down:
        Orbit(0, -10);
        break;
    case Qt::Key_Plus:
        Zoom(kZoomStep);
        break;
    case Qt::Key_Minus:
        Zoom(1 / kZoomStep);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

CPartPreview::CPartPreview(QWidget* parent)
    : QWidget(parent)
    , m_canvas(new CPreviewCanvas(this))
    , m_diagnostics(new QListWidget(this))
    , m_exportFaultsTitle(new QLabel(this))
    , m_exportFaults(new QListWidget(this))
    , m_compileTitle(new QLabel(this))
    , m_compileOutput(new QPlainTextEdit(this))
    , m_timer(new QTimer(this))
{
    setObjectName("partPreview");
    const auto makeButton = [this](const char* name, EView view) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QToolButton::clicked, this, [this, view] { m_canvas->ShowView(view); });
        return button;
    };
    m_isoButton = makeButton("previewIso", EView::Iso);
    m_planButton = makeButton("previewPlan", EView::Plan);
    m_frontButton = makeButton("previewFront", EView::Front);
    m_sideButton = makeButton("previewSide", EView::Side);
    m_topButton = makeButton("previewTop", EView::Top);
    m_fitButton = new QToolButton(this);
    m_fitButton->setObjectName("previewFit");
    m_fitButton->setAutoRaise(true);
    m_fitButton->setFocusPolicy(Qt::TabFocus);
    connect(m_fitButton, &QToolButton::clicked, m_canvas, &CPreviewCanvas::Fit);
    // A setting that stays, not a command: a check box says so.
    m_sameScaleButton = new QCheckBox(this);
    m_sameScaleButton->setObjectName("previewSameScale");
    m_sameScaleButton->setFocusPolicy(Qt::TabFocus);
    connect(m_sameScaleButton, &QCheckBox::toggled, m_canvas, &CPreviewCanvas::SetSameScale);
    connect(m_canvas, &CPreviewCanvas::pieceClicked, this, &CPartPreview::pieceClicked);

    auto* buttons = m_buttonRow = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QToolButton* button : {m_isoButton, m_planButton, m_frontButton, m_sideButton, m_topButton})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(m_fitButton);
    // Under the picture, so that the row of views keeps its width.
    auto* options = new QHBoxLayout;
    options->addWidget(m_sameScaleButton);
    options->addStretch(1);

    m_diagnostics->setObjectName("previewDiagnostics");
    m_diagnostics->setMaximumHeight(fontMetrics().lineSpacing() * 5 + 8);
    m_diagnostics->setVisible(false);
    connect(m_diagnostics, &QListWidget::itemClicked, this, &CPartPreview::OnDiagnosticClicked);
    connect(m_diagnostics, &QListWidget::itemActivated, this, &CPartPreview::OnDiagnosticClicked);

    m_exportFaultsTitle->setObjectName("exportFaultsTitle");
    m_exportFaultsTitle->setVisible(false);
    m_exportFaults->setObjectName("exportFaults");
    m_exportFaults->setMaximumHeight(fontMetrics().lineSpacing() * 6 + 8);
    m_exportFaults->setVisible(false);
    const auto requestPart = [this](QListWidgetItem* item) {
        if (item)
            emit partRequested(item->data(Qt::UserRole).toInt());
    };
    connect(m_exportFaults, &QListWidget::itemClicked, this, requestPart);
    connect(m_exportFaults, &QListWidget::itemActivated, this, requestPart);

    m_compileTitle->setObjectName("compileTitle");
    m_compileTitle->setWordWrap(true);
    m_compileTitle->setVisible(false);
    m_compileOutput->setObjectName("compileOutput");
    m_compileOutput->setReadOnly(true);
    m_compileOutput->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_compileOutput->setMaximumHeight(m_compileOutput->fontMetrics().lineSpacing() * 6 + 8);
    m_compileOutput->setVisible(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(buttons);
    layout->addWidget(m_canvas, 1);
    layout->addLayout(options);
    layout->addWidget(m_diagnostics);
    layout->addWidget(m_exportFaultsTitle);
    layout->addWidget(m_exportFaults);
    layout->addWidget(m_compileTitle);
    layout->addWidget(m_compileOutput);

    m_timer->setSingleShot(true);
    m_timer->setInterval(kTypingPauseMs);
    connect(m_timer, &QTimer::timeout, this, &CPartPreview::UpdateNow);
    connect(m_canvas, &CPreviewCanvas::CameraChanged, this, &CPartPreview::UpdateViewButtons);

    retranslateUi();
    ShowNothing();
    UpdateViewButtons();
}

CPartPreview::~CPartPreview() = default;

int CPartPreview::ButtonRowWidth() const
{
    const QMargins margins = layout() ? layout()->contentsMargins() : QMargins();
    return m_buttonRow->sizeHint().width() + margins.left() + margins.right();
}

void CPartPreview::retranslateUi()
{
    m_isoButton->setText(tr("3D"));
    m_isoButton->setToolTip(tr("Three-dimensional view; drag to turn it (3)"));
    m_planButton->setText(tr("Plan"));
    m_planButton->setToolTip(tr("The part as the track plan shows it (P)"));
    m_frontButton->setText(tr("Front"));
    m_frontButton->setToolTip(tr("Seen from the front (F)"));
    m_sideButton->setText(tr("Side"));
    m_sideButton->setToolTip(tr("Seen from the right side (S)"));
    m_topButton->setText(tr("Top"));
    m_topButton->setToolTip(tr("Seen from above (T)"));
    m_fitButton->setText(tr("Fit"));
    m_fitButton->setToolTip(tr("Show the whole part (Home, or double-click the picture)"));
    m_sameScaleButton->setText(tr("Same scale for all parts"));
    m_sameScaleButton->setToolTip(tr("Show every part at the scale of this one, so that their sizes compare"));
    m_exportFaultsTitle->setText(tr("Faults in the free texts, found by the last export:"));
    m_exportFaults->setToolTip(tr("Click a fault to select its part"));
    if (m_showsHint)
        m_canvas->SetHint(tr("Select a part to see it here."));
}

void CPartPreview::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

void CPartPreview::UpdateViewButtons()
{
    const EView view = m_canvas->Camera().m_view;
    m_isoButton->setChecked(view == EView::Iso);
    m_planButton->setChecked(view == EView::Plan);
    m_frontButton->setChecked(view == EView::Front);
    m_sideButton->setChecked(view == EView::Side);
    m_topButton->setChecked(view == EView::Top);
}

void CPartPreview::ShowPartsText(const std::string& text)
{
    SPartsFile file = ReadPartsText(text);
    if (file.m_scenes.empty()) {
        ShowNothing();
        return;
    }
    m_showsHint = false;
    m_canvas->SetScene(std::move(file.m_scenes.front()));
    if (!m_freeTextBox) {
        m_diagnostics->clear();
        for (const SDiagnostic& diagnostic : file.m_diagnostics)
            m_diagnostics->addItem(tr("Line %1: %2").arg(diagnostic.m_line).arg(DiagnosticText(diagnostic)));
        m_diagnostics->setVisible(m_diagnostics->count() > 0);
    }
}

void CPartPreview::ShowPart(const CObject* part, const CProgramOptions& options)
{
    if (!part) {
        ShowNothing();
        return;
    }
    ShowExport([&] { return ExportPartToText(*part, options, kPreviewTextLimit); });
    // The lines of the part's text are the program's own but for the free texts, so their
    // faults are named by the free text's line, as its box in the dialog counts them.
    if (!m_freeTextBox)
        ListFaults(m_canvas->HasPart() ? CheckFreeTextsOf(*part) : std::vector<SFreeTextFault>());
}

void CPartPreview::ListFaults(const std::vector<SFreeTextFault>& faults)
{
    m_diagnostics->clear();
    for (const SFreeTextFault& fault : faults) {
        const QString text = fault.m_elementName.empty()
            ? tr("Free text, line %1: %2").arg(fault.m_diagnostic.m_line).arg(DiagnosticText(fault.m_diagnostic))
            : tr("Element %1, line %2: %3")
                  .arg(QString::fromStdString(fault.m_elementName), QString::number(fault.m_diagnostic.m_line),
                      DiagnosticText(fault.m_diagnostic));
        AddFault(*m_diagnostics, text, fault.m_diagnostic.m_severity);
    }
    m_diagnostics->setVisible(m_diagnostics->count() > 0);
}

void CPartPreview::ShowElement(const CBuildingElement& element, const CProgramOptions& options)
{
    ShowExport([&] { return ExportElementToText(element, options, kPreviewTextLimit); });
}

void CPartPreview::ShowBuilding(const CBuilding& building, const CBuildingElement* selected, const CProgramOptions& options)
{
    ShowPieceTexts([&](SHighlight& highlight) {
        std::vector<std::string> texts;
        size_t size = 0;
        const auto add = [&](std::string text) {
            // A building too large to export whole is too large to show, however small its pieces.
            size += text.size();
            if (size > kPreviewTextLimit)
                throw std::length_error("building too large to show");
            texts.push_back(std::move(text));
        };
        int32_t selectedPiece = -1;
        for (const CBuildingElement* element : ElementsInOrder(building)) {
            if (element == selected)
                selectedPiece = static_cast<int32_t>(texts.size());
            add(ExportElementToText(*element, options, kPreviewTextLimit));
        }
        // The building's own lines, its free text among them, come last as in its export and
        // are a piece that stands for no element.
        add(ExportBuildingOwnLinesToText(building, options, kPreviewTextLimit));
        highlight = {selectedPiece, 1, building.m_units != kUnitsMillimetres, static_cast<int32_t>(texts.size()) - 1, true};
        return texts;
    });
}

const CBuildingElement* BuildingElementAtPiece(const CBuilding& building, int32_t piece)
{
    const std::vector<const CBuildingElement*> elements = ElementsInOrder(building);
    return piece >= 0 && size_t(piece) < elements.size() ? elements[size_t(piece)] : nullptr;
}

const CDecoration* DecorationAtPiece(const CBuildingElement& element, int32_t piece)
{
    // Piece 0 is the block.
    const std::vector<const CDecoration*> decorations = DecorationsInOrder(element);
    return piece >= 1 && size_t(piece) <= decorations.size() ? decorations[size_t(piece) - 1] : nullptr;
}

void CPartPreview::ShowElementInBuilding(const CBuildingElement& shown, const CBuildingElement* edited,
    const CBuilding* building, const CProgramOptions& options)
{
    ShowPieceTexts([&](SHighlight& highlight) {
        std::vector<std::string> texts {ExportElementBlockToText(shown, options, kPreviewTextLimit)};
        for (const CDecoration* decoration : DecorationsInOrder(shown))
            texts.push_back(ExportDecorationToText(*decoration, shown, options, kPreviewTextLimit));
        highlight = {0, static_cast<int32_t>(texts.size()), building && building->m_units != kUnitsMillimetres};
        if (building)
            for (const auto& object : building->GetList())
                if (const auto* element = DynamicDowncast<CBuildingElement>(object.get()); element && element != edited)
                    texts.push_back(ExportElementToText(*element, options, kPreviewTextLimit));
        return texts;
    });
}

void CPartPreview::ShowDecorationOnElement(const CDecoration& shown, const CDecoration* edited,
    const CBuildingElement& element, bool inches, const CProgramOptions& options)
{
    ShowPieceTexts([&](SHighlight& highlight) {
        std::vector<std::string> texts {ExportElementBlockToText(element, options, kPreviewTextLimit)};
        if (element.m_decorations)
            for (const auto& object : element.m_decorations->GetList())
                if (const auto* decoration = DynamicDowncast<CDecoration>(object.get()); decoration && decoration != edited)
                    texts.push_back(ExportDecorationToText(*decoration, element, options, kPreviewTextLimit));
        texts.push_back(ExportDecorationToText(shown, element, options, kPreviewTextLimit));
        highlight = {static_cast<int32_t>(texts.size()) - 1, 1, inches};
        return texts;
    });
}

void CPartPreview::ShowPieceTexts(const std::function<std::vector<std::string>(SHighlight&)>& texts)
{
    std::vector<SScene> pieces;
    SHighlight highlight;
    try {
        for (const std::string& text : texts(highlight)) {
            SPartsFile file = ReadPartsText(text);
            pieces.push_back(file.m_scenes.empty() ? SScene() : std::move(file.m_scenes.front()));
            pieces.back().m_inches = highlight.m_inches;
        }
    } catch (const std::exception&) {
        ShowTooLarge();
        return;
    }
    if (pieces.empty()) {
        ShowNothing();
        return;
    }
    m_showsHint = false;
    m_canvas->SetPieces(std::move(pieces), highlight.m_first, highlight.m_count, highlight.m_named, highlight.m_outlined);
}

void CPartPreview::ShowExport(const std::function<std::string()>& exportText)
{
    std::string text;
    try {
        text = exportText();
    } catch (const std::exception&) {
        // A typing slip such as a thousand million poles must not hold up the dialog.
        ShowTooLarge();
        return;
    }
    if (text.empty())
        ShowNothing();
    else
        ShowPartsText(text);
}

void CPartPreview::ShowTooLarge()
{
    m_showsHint = false;
    m_canvas->SetHint(tr("This part is too large to show."));
}

void CPartPreview::ShowNothing()
{
    m_showsHint = true;
    m_canvas->SetHint(tr("Select a part to see it here."));
    if (!m_freeTextBox) {
        m_diagnostics->clear();
        m_diagnostics->setVisible(false);
    }
}

void CPartPreview::AttachFreeTextBox(QPlainTextEdit* box)
{
    m_freeTextBox = box;
    connect(box, &QPlainTextEdit::textChanged, this, [this] { m_timer->start(); });
    CheckFreeText();
}

void CPartPreview::CheckFreeText()
{
    if (!m_freeTextBox)
        return;
    std::string bytes;
    AppendCp1252Lossy(m_freeTextBox->toPlainText().toStdString(), bytes);
    const SPartsFile file = ReadStructureBody(bytes);
    m_diagnostics->clear();
    for (const SDiagnostic& diagnostic : file.m_diagnostics) {
        QListWidgetItem& item = AddFault(*m_diagnostics,
            tr("Free text, line %1: %2").arg(diagnostic.m_line).arg(DiagnosticText(diagnostic)), diagnostic.m_severity);
        item.setData(Qt::UserRole, diagnostic.m_line);
    }
    m_diagnostics->setVisible(m_diagnostics->count() > 0);
}

void CPartPreview::ShowExportFaults(const std::vector<SFreeTextFault>& faults, const std::vector<int32_t>& partIds)
{
    m_exportFaults->clear();
    for (size_t i = 0; i < faults.size() && i < partIds.size(); ++i) {
        const SFreeTextFault& fault = faults[i];
        const QString part = QString::fromStdString(fault.m_partName);
        // One arg() for all, so that a name holding "%2" stays as it is.
        const QString line = QString::number(fault.m_diagnostic.m_line);
        const QString text = fault.m_elementName.empty()
            ? tr("%1, line %2: %3").arg(part, line, DiagnosticText(fault.m_diagnostic))
            : tr("%1, element %2, line %3: %4")
                  .arg(part, QString::fromStdString(fault.m_elementName), line, DiagnosticText(fault.m_diagnostic));
        AddFault(*m_exportFaults, text, fault.m_diagnostic.m_severity).setData(Qt::UserRole, partIds[i]);
    }
    const bool any = m_exportFaults->count() > 0;
    m_exportFaultsTitle->setVisible(any);
    m_exportFaults->setVisible(any);
}

void CPartPreview::ShowCompileOutput(const QString& title, const QStringList& lines)
{
    m_compileTitle->setText(title);
    m_compileTitle->setVisible(!title.isEmpty());
    m_compileOutput->setPlainText(lines.join(u'\n'));
    m_compileOutput->setVisible(!title.isEmpty() && !lines.isEmpty());
    // The last line is the one that says most.
    m_compileOutput->moveCursor(QTextCursor::End);
}

void CPartPreview::OnDiagnosticClicked(QListWidgetItem* item)
{
    if (!m_freeTextBox || !item)
        return;
    const QTextBlock block = m_freeTextBox->document()->findBlockByNumber(item->data(Qt::UserRole).toInt() - 1);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    m_freeTextBox->setTextCursor(cursor);
    m_freeTextBox->setFocus(Qt::OtherFocusReason);
}

void CPartPreview::ScheduleUpdate(std::function<void()> update)
{
    m_pendingUpdate = std::move(update);
    m_timer->start();
}

void CPartPreview::UpdateNow()
{
    m_timer->stop();
    if (m_pendingUpdate)
        m_pendingUpdate();
    CheckFreeText();
}

QString CPartPreview::ViewName() const
{
    for (const SNamedView& named : kViewNames)
        if (named.view == m_canvas->Camera().m_view)
            return QString::fromLatin1(named.name);
    return QStringLiteral("iso");
}

void CPartPreview::SetViewName(const QString& name)
{
    for (const SNamedView& named : kViewNames)
        if (name == QLatin1String(named.name))
            m_canvas->ShowView(named.view);
}

namespace {

// Moves the items of a box layout into an inner box and sets the preview beside it.
void PlaceBeside(QBoxLayout& top, QWidget& preview)
{
    auto* inner = new QBoxLayout(top.direction());
    inner->setSpacing(top.spacing());
    while (top.count() > 0) {
        const int stretch = top.stretch(0);
        inner->addItem(top.takeAt(0));
        inner->setStretch(inner->count() - 1, stretch);
    }
    top.setDirection(QBoxLayout::LeftToRight);
    top.addLayout(inner, 0);
    top.addWidget(&preview, 1);
}

// Runs the preview's update when the dialog is shown or active again.
class CDialogWatcher : public QObject {
public:
    CDialogWatcher(QDialog& dialog, CPartPreview& preview) : QObject(&preview), m_preview(preview)
    {
        dialog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
            m_preview.UpdateNow();
        return false;
    }

private:
    CPartPreview& m_preview;
};

} // namespace

namespace {
const CProgramOptions* s_pExportOptions = nullptr;
}

const CProgramOptions& CurrentExportOptions()
{
    static const CProgramOptions defaults;
    return s_pExportOptions ? *s_pExportOptions : defaults;
}

void SetCurrentExportOptions(const CProgramOptions* options)
{
    s_pExportOptions = options;
}

CPartPreview* AttachDialogPreview(QDialog& dialog, QPlainTextEdit* freeText, std::function<void(CPartPreview&)> update)
{
    auto* preview = new CPartPreview(&dialog);
    // The view buttons keep their whole texts in every language.
    preview->setMinimumWidth(std::max(280, preview->ButtonRowWidth()));
    if (auto* box = qobject_cast<QBoxLayout*>(dialog.layout()))
        PlaceBeside(*box, *preview);
    else if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    const auto schedule = [preview, update] { preview->ScheduleUpdate([preview, update] { update(*preview); }); };
    preview->ScheduleUpdate([preview, update] { update(*preview); });
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        QObject::connect(edit, &QLineEdit::textChanged, preview, schedule);
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        QObject::connect(button, &QAbstractButton::toggled, preview, schedule);
    for (QComboBox* combo : dialog.findChildren<QComboBox*>())
        QObject::connect(combo, &QComboBox::currentIndexChanged, preview, schedule);
    for (CColorButton* button : dialog.findChildren<CColorButton*>())
        QObject::connect(button, &CColorButton::SelChange, preview, schedule);
    if (freeText)
        preview->AttachFreeTextBox(freeText);
    new CDialogWatcher(dialog, *preview);
    return preview;
}
