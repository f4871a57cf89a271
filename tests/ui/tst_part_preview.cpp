#include "ModalDialogDriver.h"

#include "export/PartsFileWriter.h"
#include "scene/PartsReader.h"
#include "settings/ProgramOptions.h"
#include "model/Platform.h"
#include "ui/BuildingDlg.h"
#include "ui/BuildingElementDlg.h"
#include "ui/PlatformDlg.h"
#include "ui/TreeDlg.h"
#include "model/Building.h"
#include "model/BuildingElement.h"
#include "model/ChoiceCodes.h"
#include "model/Decoration.h"
#include "model/DecorationManager.h"
#include "model/ModelwrightDoc.h"
#include "model/PartsManager.h"
#include "model/Tree.h"
#include "ui/ModelwrightView.h"
#include "ui/ObjectListBox.h"
#include "ui/PartPreview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTest>
#include <QToolButton>

namespace {

CBuilding& AddStation(CPartsManager& parts)
{
    auto building = std::make_unique<CBuilding>();
    building->m_name = "Station";
    CBuilding& station = *building;
    for (int i = 0; i < 2; ++i) {
        auto element = std::make_unique<CBuildingElement>();
        element->m_name = i == 0 ? "Hall" : "Shed";
        element->m_positionX = i * 120;
        element->m_blockWidth = i == 0 ? 120 : 60;
        element->m_blockDepth = 60;
        element->m_blockHeight = i == 0 ? 60 : 40;
        element->m_roofType = i == 0 ? kRoofGable : kRoofLeanTo;
        element->m_roofOrientation = kRoofOrientation0;
        element->m_roofHeight = 30;
        element->m_blockColor = RGB(210, 180, 140);
        element->m_roofColor = RGB(150, 40, 30);
        auto door = std::make_unique<CDecoration>();
        door->m_wall = kWallFront;
        door->m_mainType = kDecorationBaseB;
        door->m_subtype = kDecorationDoorWithWindow;
        door->m_positionX = 20;
        door->m_width = 20;
        door->m_height = 40;
        door->m_mainColor = RGB(120, 40, 0);
        door->m_innerColor = RGB(175, 238, 238);
        element->m_decorations->Add(std::move(door));
        building->Add(std::move(element));
    }
    parts.Add(std::move(building));
    return station;
}

// The preview of the dialog that is open: its part's name once the picture is up to date.
std::string ShownName(QDialog& dialog)
{
    auto* preview = dialog.findChild<CPartPreview*>();
    if (!preview)
        return "(no preview)";
    preview->UpdateNow();
    return preview->Canvas()->HasPart() ? preview->Canvas()->Scene().m_name : std::string("(nothing)");
}

size_t ShownTriangles(QDialog& dialog)
{
    return BuildMesh(dialog.findChild<CPartPreview*>()->Canvas()->Scene()).m_triangles.size();
}

// A point of the canvas where the piece shows, found as a click would find it.
QPoint WherePieceShows(CPreviewCanvas& canvas, int32_t piece)
{
    const int width = canvas.width(), height = canvas.height();
    const std::vector<int32_t> seen = PiecesSeen(canvas.Mesh(), canvas.Camera(), width, height);
    for (int y = 1; y + 1 < height; ++y)
        for (int x = 1; x + 1 < width; ++x)
            if (seen[y * width + x] == piece && seen[(y + 1) * width + x + 1] == piece && seen[(y - 1) * width + x - 1] == piece)
                return {x, y};
    return {-1, -1};
}

// The middle of what the picture shows, in its pixels.
QPointF DrawnCentre(const QImage& picture)
{
    double x = 0, y = 0, count = 0;
    for (int py = 0; py < picture.height(); ++py)
        for (int px = 0; px < picture.width(); ++px)
            if (picture.pixelColor(px, py) != QColor(0xF4, 0xF5, 0xF7) && picture.pixelColor(px, py) != QColor(0xD4, 0xD7, 0xDD))
                x += px, y += py, ++count;
    return count ? QPointF(x / count, y / count) : QPointF();
}

} // namespace

class TestPartPreview : public QObject {
    Q_OBJECT

private slots:
    void mainFormShowsTheSelectedPart();
    void viewsZoomAndFit();
    void freeTextFaultsSelectTheirLine();
    void layoutSurvivesSavingAndRestoring();
    void dialogsShowWhatIsTyped();
    void dialogsShowWhatTheirNestedDialogsDidAtOnce();
    void tooLargeAPartIsNamedSo();
    void panMovesAndHomeFits();
    void sameScaleKeepsSizesComparable();
    void elementAndDecorationStandOutInTheirBuilding();
    void buildingPreviewPicksItsElements();
    void piecesAreFoundByTheirObjectNotByTheListRow();
    void largePartsAreDrawnInTheBackground();
};

void TestPartPreview::mainFormShowsTheSelectedPart()
{
    CModelwrightDoc document;
    document.OnNewDocument();
    AddStation(*document.m_pPartsManager);
    auto tree = std::make_unique<CTree>();
    tree->m_name = "Oak";
    tree->m_freeText = "Line 0 0 1 1\nLien 0 0 1 1";
    document.m_pPartsManager->Add(std::move(tree));
    CProgramOptions options;
    CModelwrightView view(document, options);
    view.resize(1400, 420);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    CPreviewCanvas* canvas = view.Preview()->Canvas();
    view.ObjectList()->SelectIndex(-1);
    view.OnSelChangeObjectList();
    QVERIFY(!canvas->HasPart());
    SaveScreenshot(view, "preview_main_nothing_selected");

    view.ObjectList()->SelectIndex(0);
    view.OnSelChangeObjectList();
    QVERIFY(canvas->HasPart());
    QCOMPARE(QString::fromStdString(canvas->Scene().m_name), QStringLiteral("Oak"));
    // Faults are named by the line of the free text, not of the whole part's text.
    QListWidget* faults = view.Preview()->Diagnostics();
    QCOMPARE(faults->count(), 1);
    QVERIFY(faults->item(0)->text().startsWith("Free text, line 2:"));
    view.ObjectList()->SelectIndex(1);
    view.OnSelChangeObjectList();
    QCOMPARE(QString::fromStdString(canvas->Scene().m_name), QStringLiteral("Station"));
    QVERIFY(faults->isHidden());
    QVERIFY(canvas->width() > 400);
    // Something other than the background fills the middle of the picture.
    const QImage picture = canvas->Picture();
    int drawn = 0;
    for (int x = 0; x < picture.width(); x += 4)
        drawn += picture.pixelColor(x, picture.height() / 2) != QColor(0xF4, 0xF5, 0xF7) ? 1 : 0;
    QVERIFY(drawn > picture.width() / 16);
    SaveScreenshot(view, "preview_main");

    // The part that takes the deleted one's place is shown; with none left, nothing is.
    view.OnDelete();
    QCOMPARE(QString::fromStdString(canvas->Scene().m_name), QStringLiteral("Oak"));
    view.OnDelete();
    QVERIFY(!canvas->HasPart());
}

void TestPartPreview::viewsZoomAndFit()
{
    CPartPreview preview;
    preview.resize(300, 240);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    CModelwrightDoc document;
    document.OnNewDocument();
    preview.ShowPart(&AddStation(*document.m_pPartsManager), CProgramOptions());
    CPreviewCanvas* canvas = preview.Canvas();

    QTest::keyClick(canvas, Qt::Key_P);
    QCOMPARE(canvas->Camera().m_view, EView::Plan);
    QVERIFY(preview.findChild<QToolButton*>("previewPlan")->isChecked());
    QCOMPARE(preview.ViewName(), QStringLiteral("plan"));
    preview.findChild<QToolButton*>("previewFront")->click();
    QCOMPARE(canvas->Camera().m_view, EView::Front);

    QTest::keyClick(canvas, Qt::Key_3);
    const double yaw = canvas->Camera().m_yaw;
    QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(140, 90), canvas->mapToGlobal(QPointF(140, 90)), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(140, 90));
    QVERIFY(canvas->Camera().m_yaw != yaw);
    QVERIFY(canvas->Camera().m_pitch < 30); // dragging up lowers the eye

    QWheelEvent wheel(QPointF(50, 50), canvas->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, 240), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    QVERIFY(canvas->Camera().m_zoom > 1.2);
    QTest::mouseDClick(canvas, Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(canvas->Camera().m_zoom, 1.0);
}

void TestPartPreview::freeTextFaultsSelectTheirLine()
{
    QPlainTextEdit freeText;
    CPartPreview preview;
    preview.AttachFreeTextBox(&freeText);
    freeText.setPlainText("; a fine roof\n3DQuads 1 1\n0 0 0 $0000ff\nEnd3D\nLien 0 0 5 5");
    preview.UpdateNow();
    QListWidget* list = preview.Diagnostics();
    QCOMPARE(list->count(), 2);
    QVERIFY(list->item(1)->text().contains("5"));
    QVERIFY(list->item(1)->text().contains("Lien"));
    emit list->itemClicked(list->item(1));
    QCOMPARE(freeText.textCursor().selectedText(), QStringLiteral("Lien 0 0 5 5"));

    int updates = 0;
    preview.ScheduleUpdate([&] { ++updates; });
    preview.ScheduleUpdate([&] { updates += 10; });
    QCOMPARE(updates, 0);
    QTRY_COMPARE(updates, 10);
    freeText.setPlainText("Line 0 0 5 5");
    QTRY_COMPARE(list->count(), 0);
}

void TestPartPreview::layoutSurvivesSavingAndRestoring()
{
    CModelwrightDoc document;
    document.OnNewDocument();
    CProgramOptions options;
    QByteArray saved;
    QList<int> sizes;
    {
        CModelwrightView view(document, options);
        view.resize(900, 400);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        auto* splitter = view.findChild<QSplitter*>("previewSplitter");
        splitter->setSizes({500, 380});
        sizes = splitter->sizes();
        view.Preview()->SetViewName("top");
        saved = view.PreviewLayout();
    }
    CModelwrightView view(document, options);
    view.resize(900, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.RestorePreviewLayout(saved);
    QCOMPARE(view.findChild<QSplitter*>("previewSplitter")->sizes(), sizes);
    QCOMPARE(view.Preview()->ViewName(), QStringLiteral("top"));
    view.RestorePreviewLayout("garbage");
    view.RestorePreviewLayout(QByteArray());
    QCOMPARE(view.Preview()->ViewName(), QStringLiteral("top"));
}

void TestPartPreview::dialogsShowWhatIsTyped()
{
    CModelwrightDoc document;
    document.OnNewDocument();
    CPartsManager& parts = *document.m_pPartsManager;

    CTree tree;
    tree.m_name = "Oak";
    CTreeDlg treeDialog;
    WhenModal([](QDialog& dialog) {
        QCOMPARE(ShownName(dialog), std::string("Oak"));
        Retype(dialog.findChild<QLineEdit*>("description"), "Birch");
        QCOMPARE(ShownName(dialog), std::string("Birch"));
        QTest::keyClicks(dialog.findChild<QPlainTextEdit*>("freeText"), "Lien 1 2 3 4");
        QTRY_COMPARE(dialog.findChild<QListWidget*>("previewDiagnostics")->count(), 1);
        dialog.resize(900, dialog.height());
        QVERIFY(SaveScreenshot(dialog, "preview_tree_dialog"));
    });
    QVERIFY(!treeDialog.Edit(tree, parts));
    QCOMPARE(tree.m_name, std::string("Oak")); // the preview leaves the part alone

    CPlatform platform;
    platform.m_name = "Quay";
    platform.m_length = 300;
    platform.m_width = 40;
    platform.m_height = 5;
    platform.m_coverType = kCoverPitched;
    platform.m_poleStyle = kPoleRound;
    platform.m_poleDiameter = 4;
    platform.m_poleHeight = 40;
    platform.m_roofHeight = 10;
    CPlatformDlg platformDialog;
    WhenModal([](QDialog& dialog) {
        QCOMPARE(ShownName(dialog), std::string("Quay"));
        const size_t before = ShownTriangles(dialog);
        Retype(dialog.findChild<QLineEdit*>("polesPerSide"), "5");
        QCOMPARE(ShownName(dialog), std::string("Quay"));
        QVERIFY(ShownTriangles(dialog) > before);
        QVERIFY(SaveScreenshot(dialog, "preview_platform_dialog"));
    });
    QVERIFY(!platformDialog.Edit(platform, parts));
    QCOMPARE(platform.m_polesPerSide, 2);

    CBuilding& station = AddStation(parts);
    CBuildingDlg buildingDialog;
    WhenModal([](QDialog& dialog) {
        QCOMPARE(ShownName(dialog), std::string("Station"));
        QVERIFY(SaveScreenshot(dialog, "preview_building_dialog"));
    });
    QVERIFY(!buildingDialog.Edit(station, parts));

    CBuildingElement& hall = static_cast<CBuildingElement&>(*station.GetList().front());
    CBuildingElementDlg elementDialog;
    WhenModal([](QDialog& dialog) {
        QCOMPARE(ShownName(dialog), std::string("Hall"));
        const size_t withDoor = ShownTriangles(dialog);
        QVERIFY(withDoor > 12);
        QVERIFY(SaveScreenshot(dialog, "preview_element_dialog"));
    });
    QVERIFY(!elementDialog.Edit(hall, station));
    QVERIFY(hall.m_decorations && hall.m_decorations->GetList().size() == 1); // they stay with the element
}

// OK in the element or decoration dialog changes the picture of the dialog below at once, not
// only when the next field changes.
void TestPartPreview::dialogsShowWhatTheirNestedDialogsDidAtOnce()
{
    CObjectManager parts;
    CBuilding building;
    building.m_name = "Shed";
    size_t withElement = 0;
    size_t withDoor = 0;
    WhenModal([&](QDialog& buildingDialog) {
        QCOMPARE(ShownTriangles(buildingDialog), size_t(0));
        WhenModal([](QDialog& element) {
            Find<QButtonGroup>(element, "roofType")->button(kRoofGable)->click();
            Find<QButtonGroup>(element, "roofOrientation")->button(kRoofOrientation0)->click();
            DialogButton(element, QDialogButtonBox::Ok)->click();
        });
        Find<QPushButton>(buildingDialog, "newElement")->click();
        withElement = ShownTriangles(buildingDialog);

        WhenModal([&](QDialog& element) {
            WhenModal([](QDialog& decoration) {
                Find<QButtonGroup>(decoration, "wall")->button(kWallFront)->click();
                Find<QButtonGroup>(decoration, "mainType")->button(kDecorationBaseB)->click();
                Find<QButtonGroup>(decoration, "subtype")->button(kDecorationDoorWithWindow)->click();
                Retype(Find(decoration, "width"), "20");
                Retype(Find(decoration, "height"), "40");
                DialogButton(decoration, QDialogButtonBox::Ok)->click();
            });
            const size_t before = ShownTriangles(element);
            Find<QPushButton>(element, "newDecoration")->click();
            withDoor = ShownTriangles(element) - before;
            DialogButton(element, QDialogButtonBox::Ok)->click();
        });
        Find<QPushButton>(buildingDialog, "editElement")->click();
        DialogButton(buildingDialog, QDialogButtonBox::Ok)->click();
    });
    QVERIFY(CBuildingDlg().Edit(building, parts));
    QCOMPARE(building.GetCount(), size_t(1));
    QVERIFY(withElement > 0);
    QVERIFY(withDoor > 0);
}

void TestPartPreview::tooLargeAPartIsNamedSo()
{
    CPlatform platform;
    platform.m_length = 100;
    platform.m_width = 10;
    platform.m_height = 5;
    platform.m_coverType = kCoverPitched;
    platform.m_poleStyle = kPoleSquare;
    platform.m_polesPerSide = 2000000000;
    CPartPreview preview;
    preview.ShowPart(&platform, CProgramOptions());
    QVERIFY(!preview.Canvas()->HasPart());
}


void TestPartPreview::panMovesAndHomeFits()
{
    CPartPreview preview;
    preview.resize(320, 260);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    CModelwrightDoc document;
    document.OnNewDocument();
    preview.ShowPart(&AddStation(*document.m_pPartsManager), CProgramOptions());
    CPreviewCanvas* canvas = preview.Canvas();
    const QPointF centre = DrawnCentre(canvas->Picture());

    // Shift with a drag, and the middle button, move the picture with the mouse; the view stays.
    const double yaw = canvas->Camera().m_yaw;
    QTest::mousePress(canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 100));
    QMouseEvent shiftMove(QEvent::MouseMove, QPointF(130, 110), canvas->mapToGlobal(QPointF(130, 110)), Qt::NoButton,
        Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(canvas, &shiftMove);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::ShiftModifier, QPoint(130, 110));
    QCOMPARE(canvas->Camera().m_yaw, yaw);
    // The camera and the picture count pixels of the screen, the mouse those of the layout.
    const double ratio = canvas->devicePixelRatioF();
    const QPointF moved = (DrawnCentre(canvas->Picture()) - centre) / ratio;
    QVERIFY2(std::abs(moved.x() - 30) < 2 && std::abs(moved.y() - 10) < 2,
        qPrintable(QString("moved by %1, %2").arg(moved.x()).arg(moved.y())));
    QTest::mousePress(canvas, Qt::MiddleButton, {}, QPoint(100, 100));
    QMouseEvent middleMove(QEvent::MouseMove, QPointF(90, 100), canvas->mapToGlobal(QPointF(90, 100)), Qt::NoButton,
        Qt::MiddleButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &middleMove);
    QTest::mouseRelease(canvas, Qt::MiddleButton, {}, QPoint(90, 100));
    QCOMPARE(canvas->Camera().m_panX, 20.0 * ratio);

    // Shift and an arrow key move it by a tenth; without Shift the arrows still turn it.
    QTest::keyClick(canvas, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(canvas->Camera().m_panY, (10.0 - canvas->height() * 0.1) * ratio);
    QCOMPARE(canvas->Camera().m_yaw, yaw);
    QTest::keyClick(canvas, Qt::Key_Left);
    QVERIFY(canvas->Camera().m_yaw != yaw);

    QTest::keyClick(canvas, Qt::Key_Plus);
    QTest::keyClick(canvas, Qt::Key_Home);
    QCOMPARE(canvas->Camera().m_panX, 0.0);
    QCOMPARE(canvas->Camera().m_panY, 0.0);
    QCOMPARE(canvas->Camera().m_zoom, 1.0);
}

void TestPartPreview::sameScaleKeepsSizesComparable()
{
    CPartPreview preview;
    preview.resize(320, 260);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    CTree big, small;
    big.m_trunkHeight = 100, big.m_topHeight = 300, big.m_topRadius = 80, big.m_trunkRadius = 10;
    small.m_trunkHeight = 20, small.m_topHeight = 60, small.m_topRadius = 16, small.m_trunkRadius = 2;
    CPreviewCanvas* canvas = preview.Canvas();
    const auto drawnHeight = [canvas] {
        const QImage picture = canvas->Picture();
        int top = picture.height(), bottom = -1;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor pixel = picture.pixelColor(x, y);
                if (pixel != QColor(0xF4, 0xF5, 0xF7) && pixel != QColor(0xD4, 0xD7, 0xDD))
                    top = std::min(top, y), bottom = std::max(bottom, y);
            }
        return bottom - top;
    };
    preview.ShowPart(&big, CProgramOptions());
    const int bigHeight = drawnHeight();
    preview.ShowPart(&small, CProgramOptions());
    QVERIFY2(std::abs(drawnHeight() - bigHeight) < bigHeight / 10, "each part fitted");

    preview.ShowPart(&big, CProgramOptions());
    drawnHeight();
    // A lasting setting, shown as a check box.
    auto* sameScale = preview.findChild<QCheckBox*>("previewSameScale");
    QVERIFY(sameScale);
    sameScale->click();
    QVERIFY(sameScale->isChecked());
    QVERIFY(canvas->SameScale());
    preview.ShowPart(&small, CProgramOptions());
    QVERIFY2(std::abs(drawnHeight() * 5 - bigHeight) < bigHeight / 5, "the small tree a fifth of the big one");
    canvas->ShowView(EView::Front);
    QVERIFY2(canvas->SameScale(), "the views keep it");
    sameScale->click();
    QVERIFY(!canvas->SameScale());
    QVERIFY(std::abs(drawnHeight() - bigHeight) < bigHeight / 5);
    preview.grab().save(QDir(MW_SCREENSHOT_DIR).filePath("preview_same_scale.png"));
}

void TestPartPreview::elementAndDecorationStandOutInTheirBuilding()
{
    CModelwrightDoc document;
    document.OnNewDocument();
    CBuilding& station = AddStation(*document.m_pPartsManager);
    CBuildingElement& hall = static_cast<CBuildingElement&>(*station.GetList().front());
    auto window = std::make_unique<CDecoration>();
    window->m_wall = kWallRight;
    window->m_mainType = kDecorationBaseB;
    window->m_subtype = kDecorationDoorWithWindow;
    window->m_positionX = 10;
    window->m_width = 20;
    window->m_height = 30;
    hall.m_decorations->Add(std::move(window));
    station.m_units = 1; // inches, which the pieces exported alone do not say

    CBuildingElementDlg elementDialog;
    bool decorationShown = false;
    WhenModal([&decorationShown](QDialog& dialog) {
        dialog.resize(1100, 560);
        QCOMPARE(ShownName(dialog), std::string("Hall"));
        CPreviewCanvas* canvas = dialog.findChild<CPartPreview*>()->Canvas();
        // The block and its two decorations stand out; the shed beside is dimmed.
        QCOMPARE(canvas->Style().m_highlight, 0);
        QCOMPARE(canvas->Style().m_highlightCount, 3);
        QVERIFY(canvas->Scene().m_inches);
        QVERIFY(WherePieceShows(*canvas, 3).x() >= 0);
        QVERIFY(SaveScreenshot(dialog, "preview_element_in_building"));

        // A click on the door selects it in the list.
        auto* decorations = dialog.findChild<CObjectListBox*>("decorations");
        decorations->SelectIndex(-1);
        const QPoint door = WherePieceShows(*canvas, 1);
        QVERIFY(door.x() >= 0);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, door);
        QCOMPARE(decorations->currentRow(), 0);
        // A click on the shed selects nothing.
        QTest::mouseClick(canvas, Qt::LeftButton, {}, WherePieceShows(*canvas, 3));
        QCOMPARE(decorations->currentRow(), 0);

        WhenModal([&decorationShown](QDialog& decorationDialog) {
            decorationDialog.resize(1200, 520);
            auto* preview = decorationDialog.findChild<CPartPreview*>();
            QVERIFY(preview);
            preview->UpdateNow();
            CPreviewCanvas* decorationCanvas = preview->Canvas();
            // The block, the other decoration, and the one edited last, standing out.
            QCOMPARE(decorationCanvas->Style().m_highlight, 2);
            QCOMPARE(decorationCanvas->Style().m_highlightCount, 1);
            QVERIFY(decorationCanvas->Scene().m_inches);
            const QPoint edited = WherePieceShows(*decorationCanvas, 2);
            QVERIFY(edited.x() >= 0);
            const size_t before = decorationCanvas->Mesh().m_triangles.size();
            Retype(decorationDialog.findChild<QLineEdit*>("width"), "40");
            preview->UpdateNow();
            QCOMPARE(decorationCanvas->Mesh().m_triangles.size(), before);
            QVERIFY(SaveScreenshot(decorationDialog, "preview_decoration_on_wall"));
            decorationShown = true;
        });
        dialog.findChild<QPushButton*>("editDecoration")->click();
    });
    QVERIFY(!elementDialog.Edit(hall, station));
    QVERIFY(decorationShown);
    QCOMPARE(hall.m_decorations->GetList().size(), size_t(2));
}

void TestPartPreview::buildingPreviewPicksItsElements()
{
    CModelwrightDoc document;
    document.OnNewDocument();
    CBuilding& station = AddStation(*document.m_pPartsManager);
    // A wall of the free text's own beside the shed.
    station.m_freeText = "3DQuads 1 1\n200 0 0 $4080c0\n260 0 0\n260 0 50\n200 0 50\nEnd3D";
    station.m_units = 1;
    const SScene exported = ReadPartsText(ExportPartToText(station, CurrentExportOptions())).m_scenes.front();

    CBuildingDlg dialog;
    bool shown = false;
    WhenModal([&](QDialog& buildingDialog) {
        buildingDialog.resize(1100, 620);
        auto* preview = buildingDialog.findChild<CPartPreview*>();
        auto* elements = Find<CObjectListBox>(buildingDialog, "elements");
        CPreviewCanvas* canvas = preview->Canvas();
        elements->SelectIndex(-1);
        preview->UpdateNow();
        QCOMPARE(canvas->Style().m_highlight, -1);
        QCOMPARE(canvas->Scene().m_name, std::string("Station"));
        QVERIFY(canvas->Scene().m_inches);
        // With nothing selected the pieces draw the building's export pixel for pixel, free text
        // included, in the views with depth and in the plan.
        for (const EView view : {EView::Iso, EView::Front, EView::Top, EView::Plan}) {
            const SCamera camera = SCamera::Standard(view);
            const SImage pieces = RenderMesh(canvas->Mesh(), canvas->Scene(), camera, 400, 300);
            const SImage whole = RenderScene(exported, camera, 400, 300);
            QVERIFY2(pieces.m_pixels == whole.m_pixels, qPrintable(QString("view %1").arg(int(view))));
        }
        QVERIFY(SaveScreenshot(buildingDialog, "preview_building_nothing_selected"));

        // A click on the shed selects it, and it stands out.
        const QPoint shed = WherePieceShows(*canvas, 1);
        QVERIFY(shed.x() >= 0);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, shed);
        QCOMPARE(elements->GetSelectedIndex(), 1);
        QCOMPARE(canvas->Style().m_highlight, 1);
        QCOMPARE(canvas->Style().m_highlightCount, 1);
        QVERIFY(SaveScreenshot(buildingDialog, "preview_building_shed_selected"));
        // The free text's wall is no element and selects nothing.
        const QPoint freeText = WherePieceShows(*canvas, 2);
        QVERIFY(freeText.x() >= 0);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, freeText);
        QCOMPARE(elements->GetSelectedIndex(), 1);
        // Selecting in the list picks the piece too.
        elements->SelectIndex(0);
        QCOMPARE(canvas->Style().m_highlight, 0);
        shown = true;
    });
    QVERIFY(!dialog.Edit(station, *document.m_pPartsManager));
    QVERIFY(shown);
}

// The lists are sorted by name, the pieces follow the building's and the element's own order:
// here the two differ, so a row taken for a piece's number picks the other entry.
void TestPartPreview::piecesAreFoundByTheirObjectNotByTheListRow()
{
    CModelwrightDoc document;
    document.OnNewDocument();
    CBuilding& station = AddStation(*document.m_pPartsManager);
    auto& mainHall = static_cast<CBuildingElement&>(*station.GetList()[0]);
    auto& goodsRoom = static_cast<CBuildingElement&>(*station.GetList()[1]);
    mainHall.m_name = "Main hall";
    goodsRoom.m_name = "Goods room";
    CNamedObject& window = *mainHall.m_decorations->GetList()[0];
    window.m_name = "Window";
    auto door = std::make_unique<CDecoration>();
    door->m_name = "Door";
    door->m_wall = kWallFront;
    door->m_mainType = kDecorationBaseB;
    door->m_subtype = kDecorationDoorWithWindow;
    door->m_positionX = 70;
    door->m_width = 20;
    door->m_height = 40;
    const CDecoration& doorAdded = *door;
    mainHall.m_decorations->Add(std::move(door));

    CBuildingDlg dialog;
    bool shown = false;
    WhenModal([&](QDialog& buildingDialog) {
        buildingDialog.resize(1100, 620);
        auto* preview = buildingDialog.findChild<CPartPreview*>();
        auto* elements = Find<CObjectListBox>(buildingDialog, "elements");
        CPreviewCanvas* canvas = preview->Canvas();
        QCOMPARE(elements->GetEntryObject(0), &goodsRoom);
        QVERIFY(elements->SelectObject(&goodsRoom));
        preview->UpdateNow();
        QCOMPARE(canvas->Style().m_highlight, 1);
        // The selected element is outlined in the selection colour, the others keep theirs.
        QVERIFY(canvas->Style().Outlines());
        QVERIFY(!canvas->Style().Dims(0));
        QVERIFY(SaveScreenshot(buildingDialog, "preview_building_goods_room_selected"));
        const QPoint hall = WherePieceShows(*canvas, 0);
        QVERIFY(hall.x() >= 0);
        QTest::mouseClick(canvas, Qt::LeftButton, {}, hall);
        QCOMPARE(elements->GetSelectedObject(), &mainHall);
        QCOMPARE(canvas->Style().m_highlight, 0);

        // In the element's dialog the block is piece 0 and the decorations follow in the
        // element's order: the window, then the door.
        WhenModal([&](QDialog& elementDialog) {
            elementDialog.resize(1100, 560);
            auto* elementPreview = elementDialog.findChild<CPartPreview*>();
            elementPreview->UpdateNow();
            CPreviewCanvas* elementCanvas = elementPreview->Canvas();
            // Here the element edited stands out from the building's others, which fade.
            QVERIFY(!elementCanvas->Style().Outlines());
            QVERIFY(elementCanvas->Style().Dims(3));
            auto* decorations = Find<CObjectListBox>(elementDialog, "decorations");
            QCOMPARE(decorations->GetEntryObject(0), &doorAdded);
            const QPoint windowPlace = WherePieceShows(*elementCanvas, 1);
            QVERIFY(windowPlace.x() >= 0);
            QTest::mouseClick(elementCanvas, Qt::LeftButton, {}, windowPlace);
            QCOMPARE(decorations->GetSelectedObject(), &window);
            QTest::mouseClick(elementCanvas, Qt::LeftButton, {}, WherePieceShows(*elementCanvas, 2));
            QCOMPARE(decorations->GetSelectedObject(), &doorAdded);
            elementDialog.reject();
        });
        buildingDialog.findChild<QPushButton*>("editElement")->click();
        shown = true;
    });
    QVERIFY(!dialog.Edit(station, *document.m_pPartsManager));
    QVERIFY(shown);
}

void TestPartPreview::largePartsAreDrawnInTheBackground()
{
    CPartPreview preview;
    preview.resize(400, 300);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    std::string text = "Structure \"\" \"Stack\"\n3DQuads 1 1\n";
    for (size_t i = 0; i < CPreviewCanvas::kDrawnAtOnce; ++i)
        text += "0 " + std::to_string(i) + " 0 $4080c0\n100 " + std::to_string(i) + " 0\n100 " + std::to_string(i) + " 80\n0 "
            + std::to_string(i) + " 80\n";
    preview.ShowPartsText(text + "End3D\nEndStructure\n");
    CPreviewCanvas* canvas = preview.Canvas();
    // The window goes on while the picture is drawn; turning it meanwhile drops the pictures
    // out of date, and the last one comes.
    canvas->repaint();
    QVERIFY(!canvas->ShowsCurrentPicture());
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(canvas, Qt::Key_Left);
        canvas->repaint();
    }
    QTRY_VERIFY_WITH_TIMEOUT(canvas->ShowsCurrentPicture(), 20000);
    const QImage shown = canvas->grab().toImage();
    QVERIFY(DrawnCentre(shown) != QPointF());
}

QTEST_MAIN(TestPartPreview)
#include "tst_part_preview.moc"
