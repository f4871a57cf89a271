#include "ModalDialogDriver.h"

#include "model/ChoiceCodes.h"
#include "model/ModelwrightDoc.h"
#include "model/PartKind.h"
#include "ui/BuildingDlg.h"
#include "ui/BuildingElementDlg.h"
#include "ui/ColorButton.h"
#include "ui/ColorPopup.h"
#include "ui/ColorTable.h"
#include "ui/DecorationDlg.h"
#include "ui/ObjectListBox.h"
#include "ui/PlatformDlg.h"
#include "ui/TreeDlg.h"

#include <QVBoxLayout>

// Pictures of the dialogs with the parts of the country station sample, for the README and
// for looking at the program without running it; the behaviour is tested elsewhere.
class TestScreenshots : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void partDialogs();
    void buildingDialogs();
    void hippedRoofs();
    void colorButton();

private:
    template <class T>
    T& Part(const std::string& name)
    {
        for (const auto& part : m_doc.Parts().GetList())
            if (part->m_name == name && DynamicDowncast<T>(part.get()))
                return static_cast<T&>(*part);
        qFatal("the sample has no part named %s", name.c_str());
    }
    static void Click(CObjectListBox& list, const CNamedObject& object)
    {
        const int row = list.FindObject(&object);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
    }

    CModelwrightDoc m_doc;
};

void TestScreenshots::initTestCase()
{
    m_doc.OpenDocumentFile(MW_EXAMPLES_DIR "/country-station.wo3");
}

void TestScreenshots::partDialogs()
{
    CTree& tree = Part<CTree>("Linden tree");
    tree.m_topColor = kAutomaticColor;
    CTreeDlg treeDialog;
    WhenModal([](QDialog& shown) {
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        QVERIFY(SaveScreenshot(shown, QStringLiteral("tree_dialog")));
    });
    treeDialog.Edit(tree, m_doc.Parts());

    CPlatformDlg platformDialog;
    WhenModal([](QDialog& shown) {
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        QVERIFY(SaveScreenshot(shown, QStringLiteral("platform_dialog")));
    });
    platformDialog.Edit(Part<CPlatform>("Platform 1, covered"), m_doc.Parts());
}

void TestScreenshots::buildingDialogs()
{
    CBuilding& station = Part<CBuilding>("Station building Lindenau");
    CBuildingElement& hall = station.GetElement(0);
    const CDecoration& entrance = hall.m_decorations->GetDecoration(0);
    CBuildingDlg dialog;
    WhenModal([&](QDialog& building) {
        Click(*Find<CObjectListBox>(building, "elements"), hall);
        QVERIFY(SaveScreenshot(building, "building-dialog"));
        WhenModal([&](QDialog& element) {
            Click(*Find<CObjectListBox>(element, "decorations"), entrance);
            QVERIFY(SaveScreenshot(element, "building-element-dialog"));
            WhenModal([](QDialog& decoration) { QVERIFY(SaveScreenshot(decoration, "decoration-dialog")); });
            QTest::mouseClick(Find<QPushButton>(element, "editDecoration"), Qt::LeftButton);
        });
        QTest::mouseClick(Find<QPushButton>(building, "editElement"), Qt::LeftButton);
    });
    dialog.Edit(station, m_doc.Parts());
}

// The element dialog with each of the hipped roofs of the signal box sample, named by the
// screen's density, as the build runs this once more at double size.
void TestScreenshots::hippedRoofs()
{
    CModelwrightDoc sample;
    sample.OpenDocumentFile(MW_EXAMPLES_DIR "/signal-box-and-house.wo3");
    const QString density = qApp->devicePixelRatio() > 1 ? QStringLiteral("-at-200-percent") : QString();
    const std::pair<const char*, const char*> elements[] = {
        {"Operating room", "hipped"}, {"House", "half-hipped"}, {"Wash house", "flat-topped-hipped"}};
    for (const auto& [elementName, roof] : elements) {
        for (const auto& part : sample.Parts().GetList()) {
            auto* building = DynamicDowncast<CBuilding>(part.get());
            if (!building)
                continue;
            for (const auto& object : building->GetList()) {
                auto* element = DynamicDowncast<CBuildingElement>(object.get());
                if (!element || element->m_name != elementName)
                    continue;
                CBuildingElementDlg dialog;
                const QString name = QStringLiteral("building-element-dialog-") + QLatin1String(roof) + density;
                WhenModal([&](QDialog& shown) {
                    // Wide enough for the roof types and the preview side by side.
                    shown.resize(1100, 560);
                    QVERIFY(QTest::qWaitForWindowExposed(&shown));
                    QVERIFY(SaveScreenshot(shown, name));
                });
                dialog.Edit(*element, *building);
            }
        }
    }
}

void TestScreenshots::colorButton()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* button = new CColorButton;
    layout->addWidget(button);
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    button->SetColor(kNamedColors[25].color);
    QVERIFY(SaveScreenshot(window, QStringLiteral("color_button")));

    QTest::mouseClick(button, Qt::LeftButton);
    CColorPopup* popup = button->Popup();
    QVERIFY(popup && QTest::qWaitForWindowExposed(popup));
    // A move to where the mouse already is sends nothing, so step onto the border first.
    QTest::mouseMove(popup, QPoint(1, 1));
    QTest::mouseMove(popup, popup->CellRect(12).center());
    QTRY_COMPARE(popup->CurrentCell(), 12);
    QVERIFY(SaveScreenshot(window, QStringLiteral("color_button_open")));
    QVERIFY(SaveScreenshot(*popup, QStringLiteral("color_popup")));
    QTest::keyClick(popup, Qt::Key_Escape);
}

QTEST_MAIN(TestScreenshots)
#include "tst_screenshots.moc"
