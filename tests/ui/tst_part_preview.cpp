#include "ModalDialogDriver.h"

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

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
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

} // namespace

class TestPartPreview : public QObject {
    Q_OBJECT

private slots:
    void mainFormShowsTheSelectedPart();
    void viewsZoomAndFit();
    void freeTextFaultsSelectTheirLine();
    void layoutSurvivesSavingAndRestoring();
    void dialogsShowWhatIsTyped();
    void tooLargeAPartIsNamedSo();
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

QTEST_MAIN(TestPartPreview)
#include "tst_part_preview.moc"
