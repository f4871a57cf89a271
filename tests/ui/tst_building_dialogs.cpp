#include "ModalDialogDriver.h"

#include "model/Building.h"
#include "model/ChoiceCodes.h"
#include "model/Document.h"
#include "ui/BuildingDlg.h"
#include "ui/BuildingElementDlg.h"
#include "ui/BuildingPictures.h"
#include "ui/ColorButton.h"
#include "ui/ControlIds.h"
#include "ui/DecorationDlg.h"
#include "ui/DecorationPreview.h"
#include "ui/NumericEdit.h"
#include "ui/ObjectListBox.h"
#include "ui/UnitsComboBox.h"

#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

namespace {

// A building in a parts list, as the form hands it to its dialog, counting the changes a
// dialog reports while it runs.
struct SBuildingInDocument {
    CObjectManager parts;
    CBuilding building;
    int changes = 0;

    void Watch(IObjectEditor& dialog)
    {
        dialog.OnChanged([this] { ++changes; });
    }

    CBuildingElement& AddElement(const char* name)
    {
        auto element = std::make_unique<CBuildingElement>();
        element->m_name = name;
        CBuildingElement& added = *element;
        building.Add(std::move(element));
        return added;
    }
};

CDecoration& AddDecoration(CBuildingElement& element, const char* name)
{
    auto decoration = std::make_unique<CDecoration>();
    decoration->m_name = name;
    CDecoration& added = *decoration;
    element.m_decorations->Add(std::move(decoration));
    return added;
}

template <class T>
T& As(QDialog& dialog)
{
    auto* typed = qobject_cast<T*>(&dialog);
    if (!typed)
        qFatal("The modal dialog is a %s", dialog.metaObject()->className());
    return *typed;
}

// Clicks a push button in its middle and a radio button on its indicator, since a radio
// button stretched by its layout takes clicks only on its indicator, picture and text.
void Click(QAbstractButton* button)
{
    QPoint point = button->rect().center();
    if (qobject_cast<QRadioButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        point = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button).center();
    }
    QTest::mouseClick(button, Qt::LeftButton, {}, point);
}

void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
}

void ClickEntry(CObjectListBox* listBox, int row)
{
    QTest::mouseClick(listBox->viewport(), Qt::LeftButton, {}, listBox->visualItemRect(listBox->item(row)).center());
}

// The steps that give a new element what it needs for OK.
void ChooseRoof(CBuildingElementDlg& dialog, int roofType, int orientation)
{
    Click(dialog.RoofButton(roofType));
    Click(dialog.RoofButton(orientation));
}

void FillDecoration(CDecorationDlg& dialog, const QString& name, int subtype)
{
    TypeInto(dialog.DescriptionEdit(), name);
    Click(dialog.ChoiceButton(kWallRear));
    Click(dialog.ChoiceButton(kDecorationBaseA));
    Click(dialog.ChoiceButton(subtype));
    TypeInto(dialog.WidthEdit(), "12");
    TypeInto(dialog.HeightEdit(), "20");
}

QStringList Texts(const QListWidget& listBox)
{
    QStringList texts;
    for (int row = 0; row < listBox.count(); ++row)
        texts << listBox.item(row)->text();
    return texts;
}

} // namespace

class TestBuildingDialogs : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void controlsCarryTheirNumbers();
    void roofAndDoorPicturesAreShown();

    void newElementWaitsForRoofAndSizes();
    void roofTypeEnablesAngleAndHeight_data();
    void roofTypeEnablesAngleAndHeight();
    void elementOkStoresEveryField();
    void elementCancelKeepsDecorationsAddedMeanwhile();
    void elementDecorationEditAndDelete();
    void newDecorationCancelledAddsNothing();
    void elementWithoutDecorationListOffersNoNew();

    void newDecorationWaitsForChoicesAndSizes();
    void decorationOkStoresEveryField();
    void storedCodesThatNameNoButtonAreShownUnset();
    void previewFollowsShapesAndColours();

    void buildingListActionsActAtOnce();
    void buildingOkStoresFieldsWithBlanksReplaced();
    void equalNamesEditAndDeleteTheSelectedElement();

    void screenshots();
};

void TestBuildingDialogs::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestBuildingDialogs::controlsCarryTheirNumbers()
{
    CBuildingDlg building;
    CBuildingElementDlg element;
    CDecorationDlg decoration;
    QCOMPARE(FindControl(building, 1141), building.ElementList());
    QCOMPARE(FindControl(building, 1143), building.EditButton());
    QCOMPARE(FindControl(element, 1041), element.RoofHeightEdit());
    QCOMPARE(FindControl(element, 1085), element.DeleteButton());
    QCOMPARE(FindControl(decoration, 1083), decoration.WindowCountButton(8));
    QCOMPARE(FindControl(decoration, 1084), decoration.Preview());
    QCOMPARE(building.windowTitle(), "Building edit dialog");
    QCOMPARE(element.windowTitle(), "Building element");
    QCOMPARE(decoration.windowTitle(), "Decorations edit dialog");
    QCOMPARE(element.EditButton()->text(), "Edit  ...");
    QCOMPARE(decoration.WindowCountButton(1)->text(), "1 window");
    QCOMPARE(decoration.WindowCountButton(6)->text(), "6 windows");
}

void TestBuildingDialogs::roofAndDoorPicturesAreShown()
{
    for (const int roofType : {kRoofGable, kRoofFlatTopped, kRoofLeanTo})
        QCOMPARE(RoofPicture(roofType).size(), QSize(13, 15));
    QVERIFY(RoofPicture(kRoofNone).isNull());
    for (const int mainType : {kDecorationBaseA, kDecorationBaseB})
        QCOMPARE(DoorIcon(mainType).size(), QSize(32, 32));
    CBuildingElementDlg element;
    QVERIFY(!element.RoofButton(kRoofLeanTo)->icon().isNull());
    CDecorationDlg decoration;
    QVERIFY(!FindControl(decoration, 1075)->grab().toImage().isNull());
}

void TestBuildingDialogs::newElementWaitsForRoofAndSizes()
{
    SBuildingInDocument fixture;
    CBuildingElement element;
    CBuildingElementDlg dialog;
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CBuildingElementDlg>(modal);
        for (const int code : {kRoofGable, kRoofFlatTopped, kRoofLeanTo, kRoofNone, kRoofOrientation0,
                 kRoofOrientation90, kRoofOrientation180, kRoofOrientation270})
            QVERIFY(!dialog.RoofButton(code)->isChecked());
        QVERIFY(!dialog.OkButton()->isEnabled());
        QVERIFY(dialog.NewButton()->isEnabled());
        QVERIFY(!dialog.EditButton()->isEnabled());
        QVERIFY(!dialog.DeleteButton()->isEnabled());

        Click(dialog.RoofButton(kRoofLeanTo));
        QVERIFY(!dialog.OkButton()->isEnabled());
        Click(dialog.RoofButton(kRoofOrientation180));
        QVERIFY(dialog.OkButton()->isEnabled());

        TypeInto(dialog.BlockHeightEdit(), "");
        QVERIFY(!dialog.OkButton()->isEnabled());
        QTest::keyClicks(dialog.BlockHeightEdit(), "0");
        QVERIFY(!dialog.OkButton()->isEnabled());
        TypeInto(dialog.BlockHeightEdit(), "7");
        QVERIFY(dialog.OkButton()->isEnabled());
        TypeInto(dialog.BlockDepthEdit(), "x");
        QVERIFY(!dialog.OkButton()->isEnabled());
        TypeInto(dialog.BlockDepthEdit(), "3");
        QVERIFY(dialog.OkButton()->isEnabled());
        // Enter in the description would press OK; Cancel leaves the element alone.
        Click(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel));
    });
    QVERIFY(!dialog.Edit(element, fixture.building));
    QCOMPARE(element.m_roofType, 0);
    QCOMPARE(element.m_roofOrientation, 0);
    QCOMPARE(element.m_blockHeight, 50);
}

void TestBuildingDialogs::roofTypeEnablesAngleAndHeight_data()
{
    QTest::addColumn<int>("roofType");
    QTest::addColumn<bool>("angleEnabled");
    QTest::addColumn<bool>("heightEnabled");
    QTest::newRow("none chosen") << 0 << false << true;
    QTest::newRow("ridge") << kRoofGable << false << true;
    QTest::newRow("flat top") << kRoofFlatTopped << true << true;
    QTest::newRow("single slope") << kRoofLeanTo << false << true;
    QTest::newRow("no roof") << kRoofNone << false << false;
}

void TestBuildingDialogs::roofTypeEnablesAngleAndHeight()
{
    QFETCH(int, roofType);
    QFETCH(bool, angleEnabled);
    QFETCH(bool, heightEnabled);
    SBuildingInDocument fixture;
    CBuildingElement element;
    CBuildingElementDlg dialog;
    WhenModal([&](QDialog& modal) {
        auto& dialog = As<CBuildingElementDlg>(modal);
        if (roofType != 0) {
            // From the opposite state, so that the last click must change both edits.
            Click(dialog.RoofButton(roofType == kRoofFlatTopped ? kRoofNone : kRoofFlatTopped));
            Click(dialog.RoofButton(roofType));
        }
        QCOMPARE(dialog.RoofAngleEdit()->isEnabled(), angleEnabled);
        QCOMPARE(dialog.RoofHeightEdit()->isEnabled(), heightEnabled);
    });
    QVERIFY(!dialog.Edit(element, fixture.building));
}

void TestBuildingDialogs::elementOkStoresEveryField()
{
    SBuildingInDocument fixture;
    CBuildingElement& element = fixture.AddElement("Old");
    element.m_roofType = kRoofFlatTopped;
    element.m_roofOrientation = kRoofOrientation90;
    CBuildingElementDlg dialog;
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CBuildingElementDlg>(modal);
        QVERIFY(dialog.RoofButton(kRoofFlatTopped)->isChecked());
        QVERIFY(dialog.RoofButton(kRoofOrientation90)->isChecked());
        QCOMPARE(dialog.BlockWidthEdit()->text(), "100");
        TypeInto(dialog.DescriptionEdit(), "Goods shed");
        TypeInto(dialog.BlockHeightEdit(), "61");
        TypeInto(dialog.BlockWidthEdit(), "102");
        TypeInto(dialog.BlockDepthEdit(), "83");
        TypeInto(dialog.RoofAngleEdit(), "30");
        TypeInto(dialog.RoofHeightEdit(), "25");
        TypeInto(dialog.XEdit(), "5");
        TypeInto(dialog.YEdit(), "");
        TypeInto(dialog.ZEdit(), "12");
        dialog.FreeTextEdit()->setPlainText("line one\nline two");
        dialog.BlockColorButton()->SetColor(RGB(1, 2, 3));
        dialog.RoofColorButton()->SetColor(kAutomaticColor);
        // Angle and height are kept from their edits even while disabled.
        ChooseRoof(dialog, kRoofNone, kRoofOrientation270);
        QVERIFY(!dialog.RoofAngleEdit()->isEnabled());
        QVERIFY(!dialog.RoofHeightEdit()->isEnabled());
        Click(dialog.OkButton());
    });
    QVERIFY(dialog.Edit(element, fixture.building));
    QCOMPARE(element.m_name, "Goods shed");
    QCOMPARE(element.m_blockHeight, 61);
    QCOMPARE(element.m_blockWidth, 102);
    QCOMPARE(element.m_blockDepth, 83);
    QCOMPARE(element.m_roofAngle, 30);
    QCOMPARE(element.m_roofHeight, 25);
    QCOMPARE(element.m_positionX, 5);
    QCOMPARE(element.m_positionY, 0);
    QCOMPARE(element.m_positionZ, 12);
    QCOMPARE(element.m_freeText, "line one\nline two");
    QCOMPARE(element.m_blockColor, RGB(1, 2, 3));
    QCOMPARE(element.m_roofColor, kAutomaticColor);
    QCOMPARE(element.m_roofType, kRoofNone);
    QCOMPARE(element.m_roofOrientation, kRoofOrientation270);
}

void TestBuildingDialogs::elementCancelKeepsDecorationsAddedMeanwhile()
{
    SBuildingInDocument fixture;
    CBuildingElement& element = fixture.AddElement("Hall");
    AddDecoration(element, "zz gate");
    CBuildingElementDlg dialog;
    fixture.Watch(dialog);
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CBuildingElementDlg>(modal);
        dialog.BlockColorButton()->SetColor(RGB(9, 8, 7));
        TypeInto(dialog.DescriptionEdit(), "Renamed but cancelled");
        WhenModal([](QDialog& modal) {
            auto& decoration = As<CDecorationDlg>(modal);
            QCOMPARE(decoration.GetWallColor(), RGB(9, 8, 7));
            FillDecoration(decoration, "Back door", kDecorationDoor);
            Click(decoration.OkButton());
        });
        Click(dialog.NewButton());
        QCOMPARE(Texts(*dialog.DecorationList()), QStringList({"Back door", "zz gate"}));
        QCOMPARE(dialog.DecorationList()->GetSelectedIndex(), 0);
        QVERIFY(dialog.EditButton()->isEnabled());
        QVERIFY(dialog.DeleteButton()->isEnabled());
    });
    QVERIFY(!dialog.Edit(element, fixture.building));
    QCOMPARE(element.m_name, "Hall");
    QCOMPARE(element.m_blockColor, RGB(192, 192, 192));
    QCOMPARE(element.m_decorations->GetCount(), size_t(2));
    const CDecoration& added = element.m_decorations->GetDecoration(1);
    QCOMPARE(added.m_name, "Back door");
    QCOMPARE(added.m_wall, kWallRear);
    QCOMPARE(added.m_subtype, kDecorationDoor);
    QCOMPARE(fixture.changes, 1);
}

void TestBuildingDialogs::elementDecorationEditAndDelete()
{
    SBuildingInDocument fixture;
    CBuildingElement& element = fixture.AddElement("Hall");
    CDecoration& window = AddDecoration(element, "Window");
    window.m_wall = kWallFront;
    window.m_mainType = kDecorationBaseA;
    window.m_subtype = kDecorationWindow;
    window.m_width = 10;
    window.m_height = 10;
    AddDecoration(element, "Door");
    CBuildingElementDlg dialog;
    fixture.Watch(dialog);
    WhenModal([&](QDialog& modal) {
        auto& dialog = As<CBuildingElementDlg>(modal);
        CObjectListBox* list = dialog.DecorationList();
        QCOMPARE(Texts(*list), QStringList({"Door", "Window"}));
        QVERIFY(!dialog.EditButton()->isEnabled());
        ClickEntry(list, 1);
        QVERIFY(dialog.EditButton()->isEnabled());

        // An emptied description gets the generated name and the entry moves to its place.
        WhenModal([](QDialog& modal) {
            auto& decoration = As<CDecorationDlg>(modal);
            TypeInto(decoration.DescriptionEdit(), "");
            Click(decoration.OkButton());
        });
        Click(dialog.EditButton());
        const QString generated = QStringLiteral("CDecoration %1").arg(window.m_id);
        QCOMPARE(QString::fromStdString(window.m_name), generated);
        QCOMPARE(Texts(*list), QStringList({generated, "Door"}));
        QCOMPARE(list->GetSelectedObject(), &window);

        Click(dialog.DeleteButton());
        QCOMPARE(Texts(*list), QStringList({"Door"}));
        QCOMPARE(list->GetSelectedObject(), nullptr);
        QVERIFY(!dialog.EditButton()->isEnabled());
        QVERIFY(!dialog.DeleteButton()->isEnabled());
    });
    dialog.Edit(element, fixture.building);
    QCOMPARE(element.m_decorations->GetCount(), size_t(1));
    QCOMPARE(element.m_decorations->GetDecoration(0).m_name, "Door");
    QCOMPARE(fixture.changes, 2);
}

void TestBuildingDialogs::newDecorationCancelledAddsNothing()
{
    SBuildingInDocument fixture;
    CBuildingElement& element = fixture.AddElement("Hall");
    AddDecoration(element, "Door");
    CBuildingElementDlg dialog;
    fixture.Watch(dialog);
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CBuildingElementDlg>(modal);
        ClickEntry(dialog.DecorationList(), 0);
        WhenModal([](QDialog& modal) {
            FillDecoration(As<CDecorationDlg>(modal), "Never", kDecorationWindow);
            modal.reject();
        });
        Click(dialog.NewButton());
        QCOMPARE(Texts(*dialog.DecorationList()), QStringList({"Door"}));
        QCOMPARE(dialog.DecorationList()->GetSelectedObject(), nullptr);
        QVERIFY(!dialog.EditButton()->isEnabled());
    });
    dialog.Edit(element, fixture.building);
    QCOMPARE(element.m_decorations->GetCount(), size_t(1));
    QCOMPARE(fixture.changes, 0);
}

void TestBuildingDialogs::elementWithoutDecorationListOffersNoNew()
{
    SBuildingInDocument fixture;
    CBuildingElement& element = fixture.AddElement("Hall");
    element.m_decorations.reset();
    CBuildingElementDlg dialog;
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CBuildingElementDlg>(modal);
        QVERIFY(!dialog.NewButton()->isEnabled());
        QCOMPARE(dialog.DecorationList()->count(), 0);
        ChooseRoof(dialog, kRoofGable, kRoofOrientation0);
        Click(dialog.OkButton());
    });
    QVERIFY(dialog.Edit(element, fixture.building));
    QCOMPARE(element.m_roofType, kRoofGable);
}

void TestBuildingDialogs::newDecorationWaitsForChoicesAndSizes()
{
    CDecorationManager decorations;
    CDecoration decoration;
    CDecorationDlg dialog;
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CDecorationDlg>(modal);
        for (const int code : {kWallFront, kWallRear, kWallLeft, kWallRight, kDecorationBaseA, kDecorationBaseB,
                 kDecorationDoor, kDecorationDoorWithWindow, kDecorationWindow})
            QVERIFY(!dialog.ChoiceButton(code)->isChecked());
        QVERIFY(dialog.WindowCountButton(1)->isChecked());
        QVERIFY(!dialog.OkButton()->isEnabled());

        TypeInto(dialog.DescriptionEdit(), "Only a name");
        QVERIFY(!dialog.OkButton()->isEnabled());
        Click(dialog.ChoiceButton(kWallLeft));
        Click(dialog.ChoiceButton(kDecorationBaseB));
        TypeInto(dialog.WidthEdit(), "9");
        TypeInto(dialog.HeightEdit(), "14");
        QVERIFY(!dialog.OkButton()->isEnabled());
        Click(dialog.ChoiceButton(kDecorationDoorWithWindow));
        QVERIFY(dialog.OkButton()->isEnabled());
        TypeInto(dialog.WidthEdit(), "");
        QVERIFY(!dialog.OkButton()->isEnabled());
        TypeInto(dialog.WidthEdit(), "00");
        QVERIFY(!dialog.OkButton()->isEnabled());
        TypeInto(dialog.WidthEdit(), "1");
        QVERIFY(dialog.OkButton()->isEnabled());
        // Position may stay 0.
        TypeInto(dialog.XEdit(), "");
        QVERIFY(dialog.OkButton()->isEnabled());
    });
    QVERIFY(!dialog.Edit(decoration, decorations));
    QCOMPARE(decoration.m_wall, 0);
    QCOMPARE(decoration.m_name, "");
}

void TestBuildingDialogs::decorationOkStoresEveryField()
{
    CDecorationManager decorations;
    CDecoration decoration;
    CDecorationDlg dialog;
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CDecorationDlg>(modal);
        QCOMPARE(dialog.MainColorButton()->GetColor(), RGB(127, 127, 127));
        QCOMPARE(dialog.InnerColorButton()->GetColor(), RGB(102, 102, 102));
        FillDecoration(dialog, "Shop window", kDecorationWindow);
        Click(dialog.ChoiceButton(kWallRight));
        Click(dialog.ChoiceButton(kDecorationBaseB));
        Click(dialog.WindowCountButton(6));
        TypeInto(dialog.XEdit(), "31");
        TypeInto(dialog.ZEdit(), "4");
        dialog.MainColorButton()->SetColor(RGB(10, 20, 30));
        dialog.InnerColorButton()->SetColor(RGB(40, 50, 60));
        Click(dialog.OkButton());
    });
    QVERIFY(dialog.Edit(decoration, decorations));
    QCOMPARE(decoration.m_name, "Shop window");
    QCOMPARE(decoration.m_positionX, 31);
    QCOMPARE(decoration.m_positionZ, 4);
    QCOMPARE(decoration.m_width, 12);
    QCOMPARE(decoration.m_height, 20);
    QCOMPARE(decoration.m_wall, kWallRight);
    QCOMPARE(decoration.m_mainType, kDecorationBaseB);
    QCOMPARE(decoration.m_subtype, kDecorationWindow);
    QCOMPARE(decoration.m_windowCount, 6);
    QCOMPARE(decoration.m_mainColor, RGB(10, 20, 30));
    QCOMPARE(decoration.m_innerColor, RGB(40, 50, 60));
}

void TestBuildingDialogs::storedCodesThatNameNoButtonAreShownUnset()
{
    CDecorationManager decorations;
    CDecoration decoration;
    decoration.m_wall = kDecorationDoor;
    decoration.m_mainType = 7;
    decoration.m_subtype = kDecorationWindow;
    decoration.m_windowCount = 3;
    decoration.m_width = 5;
    decoration.m_height = 5;
    CDecorationDlg dialog;
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CDecorationDlg>(modal);
        QVERIFY(dialog.ChoiceButton(kDecorationWindow)->isChecked());
        for (const int code : {kWallFront, kWallRear, kWallLeft, kWallRight, kDecorationBaseA, kDecorationBaseB})
            QVERIFY(!dialog.ChoiceButton(code)->isChecked());
        // An unknown pane count is kept as one pane, and shown so.
        QVERIFY(dialog.WindowCountButton(1)->isChecked());
        QVERIFY(!dialog.OkButton()->isEnabled());
        Click(dialog.ChoiceButton(kWallFront));
        Click(dialog.ChoiceButton(kDecorationBaseA));
        Click(dialog.OkButton());
    });
    QVERIFY(dialog.Edit(decoration, decorations));
    QCOMPARE(decoration.m_wall, kWallFront);
    QCOMPARE(decoration.m_windowCount, 1);
}

void TestBuildingDialogs::previewFollowsShapesAndColours()
{
    CDecorationManager decorations;
    CDecoration decoration;
    CDecorationDlg dialog;
    dialog.SetWallColor(RGB(0, 100, 0));
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CDecorationDlg>(modal);
        CDecorationPreview* preview = dialog.Preview();
        QCOMPARE(preview->m_backgroundColor, RGB(0, 100, 0));
        QCOMPARE(preview->m_mainColor, RGB(127, 127, 127));
        QCOMPARE(preview->m_windowCount, 1);
        Click(dialog.ChoiceButton(kDecorationBaseB));
        Click(dialog.ChoiceButton(kDecorationWindow));
        Click(dialog.WindowCountButton(8));
        QCOMPARE(preview->m_mainType, kDecorationBaseB);
        QCOMPARE(preview->m_subtype, kDecorationWindow);
        QCOMPARE(preview->m_windowCount, 8);

        // A colour picked on a button shows at once.
        dialog.InnerColorButton()->SetColor(RGB(0, 0, 255));
        emit dialog.InnerColorButton()->SelEndOk(RGB(0, 0, 255));
        QCOMPARE(preview->m_innerColor, RGB(0, 0, 255));
        const QImage shown = preview->grab().toImage();
        QCOMPARE(shown.pixelColor(20, 30), QColor(0, 0, 255));
        QCOMPARE(shown.pixelColor(20, 37), QColor(127, 127, 127));
        QCOMPARE(shown.pixelColor(70, 60), QColor(Qt::white));

        Click(dialog.ChoiceButton(kDecorationDoor));
        QCOMPARE(preview->grab().toImage().pixelColor(20, 30), QColor(127, 127, 127));
    });
    QVERIFY(!dialog.Edit(decoration, decorations));
    QCOMPARE(decoration.m_innerColor, RGB(102, 102, 102));
}

void TestBuildingDialogs::buildingListActionsActAtOnce()
{
    SBuildingInDocument fixture;
    fixture.AddElement("Tower");
    CBuildingDlg dialog;
    fixture.Watch(dialog);
    CBuildingElement* added = nullptr;
    WhenModal([&](QDialog& modal) {
        auto& dialog = As<CBuildingDlg>(modal);
        CObjectListBox* list = dialog.ElementList();
        QCOMPARE(Texts(*list), QStringList({"Tower"}));
        QVERIFY(dialog.NewButton()->isEnabled());
        QVERIFY(!dialog.EditButton()->isEnabled());
        QVERIFY(!dialog.DeleteButton()->isEnabled());

        // New, cancelled: nothing is added.
        WhenModal([](QDialog& modal) { modal.reject(); });
        Click(dialog.NewButton());
        QCOMPARE(list->count(), 1);

        // New with an empty description gets the generated name.
        WhenModal([&](QDialog& modal) {
            auto& element = As<CBuildingElementDlg>(modal);
            ChooseRoof(element, kRoofGable, kRoofOrientation0);
            Click(element.OkButton());
        });
        Click(dialog.NewButton());
        QCOMPARE(list->count(), 2);
        added = dynamic_cast<CBuildingElement*>(list->GetSelectedObject());
        QVERIFY(added);
        QCOMPARE(QString::fromStdString(added->m_name), QStringLiteral("CBuildingElement %1").arg(added->m_id));
        QVERIFY(dialog.EditButton()->isEnabled());

        // Edit renames it; the entry moves to its sorted place and stays selected.
        WhenModal([](QDialog& modal) {
            auto& element = As<CBuildingElementDlg>(modal);
            TypeInto(element.DescriptionEdit(), "annex");
            Click(element.OkButton());
        });
        Click(dialog.EditButton());
        QCOMPARE(Texts(*list), QStringList({"annex", "Tower"}));
        QCOMPARE(list->GetSelectedObject(), added);

        // Delete the other one.
        ClickEntry(list, 1);
        Click(dialog.DeleteButton());
        QCOMPARE(Texts(*list), QStringList({"annex"}));
        QVERIFY(!dialog.EditButton()->isEnabled());
        QVERIFY(!dialog.DeleteButton()->isEnabled());
        modal.reject();
    });
    QVERIFY(!dialog.Edit(fixture.building, fixture.parts));
    QCOMPARE(fixture.building.GetCount(), size_t(1));
    QCOMPARE(&fixture.building.GetElement(0), added);
    QCOMPARE(added->m_name, "annex");
    QCOMPARE(added->m_roofType, kRoofGable);
    QCOMPARE(fixture.changes, 3);
}

void TestBuildingDialogs::buildingOkStoresFieldsWithBlanksReplaced()
{
    SBuildingInDocument fixture;
    fixture.building.m_catalogNo = "B-1";
    fixture.building.m_price = "12";
    fixture.building.m_units = kUnitsInches;
    CBuildingDlg dialog;
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CBuildingDlg>(modal);
        QCOMPARE(dialog.UnitsCombo()->currentText(), "inch");
        QCOMPARE(dialog.PartsPerPackageEdit()->text(), "1");
        TypeInto(dialog.DescriptionEdit(), "Station building");
        TypeInto(dialog.CatalogNoEdit(), "");
        TypeInto(dialog.PriceEdit(), "");
        TypeInto(dialog.PartsPerPackageEdit(), "4");
        dialog.UnitsCombo()->setCurrentIndex(0);
        dialog.FreeTextEdit()->setPlainText("after the last element");
        Click(dialog.OkButton());
    });
    QVERIFY(dialog.Edit(fixture.building, fixture.parts));
    QCOMPARE(fixture.building.m_name, "Station building");
    QCOMPARE(fixture.building.m_catalogNo, " ");
    QCOMPARE(fixture.building.m_price, "0");
    QCOMPARE(fixture.building.m_partsPerPackage, 4);
    QCOMPARE(fixture.building.m_units, kUnitsMillimetres);
    QCOMPARE(fixture.building.m_freeText, "after the last element");
}

void TestBuildingDialogs::equalNamesEditAndDeleteTheSelectedElement()
{
    SBuildingInDocument fixture;
    CBuildingElement& first = fixture.AddElement("Wing");
    CBuildingElement& second = fixture.AddElement("Wing");
    CBuildingDlg dialog;
    WhenModal([&](QDialog& modal) {
        auto& dialog = As<CBuildingDlg>(modal);
        CObjectListBox* list = dialog.ElementList();
        const int secondRow = list->FindObject(&second);
        ClickEntry(list, secondRow);
        QCOMPARE(list->GetSelectedObject(), &second);

        WhenModal([](QDialog& modal) {
            auto& element = As<CBuildingElementDlg>(modal);
            ChooseRoof(element, kRoofLeanTo, kRoofOrientation90);
            TypeInto(element.BlockWidthEdit(), "77");
            Click(element.OkButton());
        });
        Click(dialog.EditButton());
        QCOMPARE(second.m_blockWidth, 77);
        QCOMPARE(first.m_blockWidth, 100);

        ClickEntry(list, list->FindObject(&first));
        Click(dialog.DeleteButton());
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->GetEntryObject(0), &second);
    });
    dialog.Edit(fixture.building, fixture.parts);
    QCOMPARE(fixture.building.GetCount(), size_t(1));
    QCOMPARE(&fixture.building.GetElement(0), &second);
}

void TestBuildingDialogs::screenshots()
{
    SBuildingInDocument fixture;
    fixture.building.m_name = "Country station";
    fixture.building.m_catalogNo = "ST-12";
    fixture.building.m_price = "45";
    fixture.building.m_freeText = "Platform side faces the track.";
    CBuildingElement& hall = fixture.AddElement("Main hall");
    hall.m_roofType = kRoofGable;
    hall.m_roofOrientation = kRoofOrientation90;
    hall.m_blockColor = RGB(210, 180, 140);
    hall.m_freeText = "Waiting room and ticket office";
    fixture.AddElement("Goods shed").m_roofType = kRoofLeanTo;
    fixture.AddElement("annex").m_roofType = kRoofNone;
    CDecoration& door = AddDecoration(hall, "Entrance");
    door.m_wall = kWallFront;
    door.m_mainType = kDecorationBaseB;
    door.m_subtype = kDecorationDoorWithWindow;
    door.m_windowCount = 6;
    door.m_width = 12;
    door.m_height = 24;
    door.m_positionX = 40;
    door.m_mainColor = RGB(165, 42, 0);
    door.m_innerColor = RGB(175, 238, 238);
    AddDecoration(hall, "Ticket window");
    AddDecoration(hall, "Back door");

    CBuildingDlg dialog;
    WhenModal([&](QDialog& modal) {
        auto& building = As<CBuildingDlg>(modal);
        ClickEntry(building.ElementList(), building.ElementList()->FindObject(&hall));
        QVERIFY(SaveScreenshot(building, "building-dialog"));
        WhenModal([&](QDialog& modal) {
            auto& element = As<CBuildingElementDlg>(modal);
            ClickEntry(element.DecorationList(), element.DecorationList()->FindObject(&door));
            QVERIFY(SaveScreenshot(element, "building-element-dialog"));
            WhenModal([](QDialog& modal) {
                auto& decoration = As<CDecorationDlg>(modal);
                QVERIFY(decoration.OkButton()->isEnabled());
                QVERIFY(SaveScreenshot(decoration, "decoration-dialog"));
            });
            Click(element.EditButton());
        });
        Click(building.EditButton());
    });
    dialog.Edit(fixture.building, fixture.parts);
}

QTEST_MAIN(TestBuildingDialogs)
#include "tst_building_dialogs.moc"
