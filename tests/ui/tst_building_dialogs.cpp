#include "ModalDialogDriver.h"

#include "model/Building.h"
#include "model/ChoiceCodes.h"
#include "model/Document.h"
#include "model/Header.h"
#include "model/PartSnapshot.h"
#include "model/Platform.h"
#include "model/Tree.h"
#include "ui/BuildingDlg.h"
#include "ui/BuildingElementDlg.h"
#include "ui/BuildingPictures.h"
#include "ui/ColorButton.h"
#include "ui/DecorationDlg.h"
#include "ui/DecorationPreview.h"
#include "ui/NumericEdit.h"
#include "ui/HeaderDlg.h"
#include "ui/ObjectListBox.h"
#include "ui/PlatformDlg.h"
#include "ui/TreeDlg.h"
#include "ui/UnitsComboBox.h"

#include <QButtonGroup>
#include <QLabel>
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

// The choice button for a stored code, found in the first of the named groups that has it.
QRadioButton* ChoiceIn(QDialog& dialog, std::initializer_list<const char*> groups, int code)
{
    for (const char* group : groups)
        if (auto* button = qobject_cast<QRadioButton*>(Find<QButtonGroup>(dialog, group)->button(code)))
            return button;
    qFatal("No choice button for %d", code);
}

QRadioButton* RoofButton(QDialog& element, int code)
{
    return ChoiceIn(element, {"roofType", "roofOrientation"}, code);
}

QRadioButton* ChoiceButton(QDialog& decoration, int code)
{
    return ChoiceIn(decoration, {"wall", "mainType", "subtype"}, code);
}

QRadioButton* WindowCountButton(QDialog& decoration, int windowCount)
{
    return ChoiceIn(decoration, {"windowCount"}, windowCount);
}

// The steps that give a new element what it needs for OK.
void ChooseRoof(CBuildingElementDlg& dialog, int roofType, int orientation)
{
    Click(RoofButton(dialog, roofType));
    Click(RoofButton(dialog, orientation));
}

void FillDecoration(CDecorationDlg& dialog, const QString& name, int subtype)
{
    TypeInto(Find<QLineEdit>(dialog, "description"), name);
    Click(ChoiceButton(dialog, kWallRear));
    Click(ChoiceButton(dialog, kDecorationBaseA));
    Click(ChoiceButton(dialog, subtype));
    TypeInto(Find<CNumericEdit>(dialog, "width"), "12");
    TypeInto(Find<CNumericEdit>(dialog, "height"), "20");
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
    void titlesAndButtonTexts();
    void roofAndDoorPicturesAreShown();
    void roofTypesStandInTheirOrderAndAreStored();

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
    void buildingCancelPutsTheBuildingBack();
    void everyPriceTakesOneDecimalSeparator();
    void equalNamesEditAndDeleteTheSelectedElement();

    void everyDialogOpensInItsDescription();
    void enterOnAListButtonPressesThatButton();
    void listKeysEditAndDeleteTheSelectedEntry();
    void tabEntersARadioGroupOnItsCheckedButton();

};

void TestBuildingDialogs::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestBuildingDialogs::titlesAndButtonTexts()
{
    CBuildingDlg building;
    CBuildingElementDlg element;
    CDecorationDlg decoration;
    QCOMPARE(building.windowTitle(), "Building edit dialog");
    QCOMPARE(element.windowTitle(), "Building element");
    QCOMPARE(decoration.windowTitle(), "Decorations edit dialog");
    QCOMPARE(Find<QPushButton>(element, "editDecoration")->text(), "&Edit  ...");
    QCOMPARE(WindowCountButton(decoration, 1)->text(), "&1 window");
    QCOMPARE(WindowCountButton(decoration, 6)->text(), "&6 windows");
}

void TestBuildingDialogs::roofAndDoorPicturesAreShown()
{
    for (const int roofType :
        {kRoofGable, kRoofHipped, kRoofHalfHipped, kRoofFlatTopped, kRoofFlatToppedHipped, kRoofLeanTo})
        QCOMPARE(RoofPicture(roofType).size(), QSize(13, 15));
    QVERIFY(RoofPicture(kRoofNone).isNull());
    for (const int mainType : {kDecorationBaseA, kDecorationBaseB})
        QCOMPARE(DoorIcon(mainType).size(), QSize(32, 32));
    CBuildingElementDlg element;
    QVERIFY(!RoofButton(element, kRoofLeanTo)->icon().isNull());
    CDecorationDlg decoration;
    QVERIFY(!Find<QLabel>(decoration, "archedTopPicture")->pixmap().isNull());
}

// The hipped kinds stand beside the roof each is made from; the codes are those stored.
void TestBuildingDialogs::roofTypesStandInTheirOrderAndAreStored()
{
    SBuildingInDocument fixture;
    CBuildingElement& element = fixture.AddElement("House");
    element.m_roofType = kRoofHalfHipped;
    element.m_roofOrientation = kRoofOrientation90;
    CBuildingElementDlg dialog;
    WhenModal([](QDialog& modal) {
        QVERIFY(QTest::qWaitForWindowExposed(&modal));
        QVERIFY(RoofButton(modal, kRoofHalfHipped)->isChecked());
        int above = -1;
        for (const int code : {kRoofGable, kRoofHipped, kRoofHalfHipped, kRoofFlatTopped, kRoofFlatToppedHipped,
                 kRoofLeanTo, kRoofNone}) {
            QRadioButton* button = RoofButton(modal, code);
            QVERIFY(!button->accessibleName().isEmpty() || !button->text().isEmpty());
            const int y = button->mapTo(&modal, QPoint(0, 0)).y();
            QVERIFY2(y > above, qPrintable(QString::number(code)));
            above = y;
        }
        Click(RoofButton(modal, kRoofFlatToppedHipped));
        DialogButton(modal, QDialogButtonBox::Ok)->click();
    });
    QVERIFY(dialog.Edit(element, fixture.building));
    QCOMPARE(element.m_roofType, kRoofFlatToppedHipped);
    QCOMPARE(element.m_roofOrientation, kRoofOrientation90);
}

void TestBuildingDialogs::newElementWaitsForRoofAndSizes()
{
    SBuildingInDocument fixture;
    CBuildingElement element;
    CBuildingElementDlg dialog;
    WhenModal([](QDialog& modal) {
        auto& dialog = As<CBuildingElementDlg>(modal);
        for (const int code : {kRoofGable, kRoofHipped, kRoofHalfHipped, kRoofFlatTopped, kRoofFlatToppedHipped,
                 kRoofLeanTo, kRoofNone, kRoofOrientation0, kRoofOrientation90, kRoofOrientation180,
                 kRoofOrientation270})
            QVERIFY(!RoofButton(dialog, code)->isChecked());
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        QVERIFY(Find<QPushButton>(dialog, "newDecoration")->isEnabled());
        QVERIFY(!Find<QPushButton>(dialog, "editDecoration")->isEnabled());
        QVERIFY(!Find<QPushButton>(dialog, "deleteDecoration")->isEnabled());
        QCOMPARE(OkHint(dialog), QString("Choose a roof type"));

        Click(RoofButton(dialog, kRoofLeanTo));
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(OkHint(dialog), QString("Choose a roof orientation"));
        Click(RoofButton(dialog, kRoofOrientation180));
        QVERIFY(DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(OkHint(dialog), QString());

        TypeInto(Find<CNumericEdit>(dialog, "blockHeight"), "");
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(OkHint(dialog), QString("Block height must not be 0"));
        QTest::keyClicks(Find<CNumericEdit>(dialog, "blockHeight"), "0");
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        TypeInto(Find<CNumericEdit>(dialog, "blockHeight"), "7");
        QVERIFY(DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        TypeInto(Find<CNumericEdit>(dialog, "blockDepth"), "x");
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        TypeInto(Find<CNumericEdit>(dialog, "blockDepth"), "3");
        QVERIFY(DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
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
    QTest::newRow("hipped") << kRoofHipped << false << true;
    QTest::newRow("half-hipped") << kRoofHalfHipped << false << true;
    QTest::newRow("flat-topped hipped") << kRoofFlatToppedHipped << true << true;
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
            Click(RoofButton(dialog, angleEnabled ? kRoofNone : kRoofFlatTopped));
            Click(RoofButton(dialog, roofType));
        }
        QCOMPARE(Find<CNumericEdit>(dialog, "roofAngle")->isEnabled(), angleEnabled);
        QCOMPARE(Find<CNumericEdit>(dialog, "roofHeight")->isEnabled(), heightEnabled);
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
        QVERIFY(RoofButton(dialog, kRoofFlatTopped)->isChecked());
        QVERIFY(RoofButton(dialog, kRoofOrientation90)->isChecked());
        QCOMPARE(Find<CNumericEdit>(dialog, "blockWidth")->text(), "100");
        TypeInto(Find<QLineEdit>(dialog, "description"), "Goods shed");
        TypeInto(Find<CNumericEdit>(dialog, "blockHeight"), "61");
        TypeInto(Find<CNumericEdit>(dialog, "blockWidth"), "102");
        TypeInto(Find<CNumericEdit>(dialog, "blockDepth"), "83");
        TypeInto(Find<CNumericEdit>(dialog, "roofAngle"), "30");
        TypeInto(Find<CNumericEdit>(dialog, "roofHeight"), "25");
        TypeInto(Find<CNumericEdit>(dialog, "x"), "5");
        TypeInto(Find<CNumericEdit>(dialog, "y"), "");
        TypeInto(Find<CNumericEdit>(dialog, "z"), "12");
        Find<QPlainTextEdit>(dialog, "freeText")->setPlainText("line one\nline two");
        Find<CColorButton>(dialog, "blockColor")->SetColor(RGB(1, 2, 3));
        Find<CColorButton>(dialog, "roofColor")->SetColor(kAutomaticColor);
        // Angle and height are kept from their edits even while disabled.
        ChooseRoof(dialog, kRoofNone, kRoofOrientation270);
        QVERIFY(!Find<CNumericEdit>(dialog, "roofAngle")->isEnabled());
        QVERIFY(!Find<CNumericEdit>(dialog, "roofHeight")->isEnabled());
        Click(DialogButton(dialog, QDialogButtonBox::Ok));
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
        Find<CColorButton>(dialog, "blockColor")->SetColor(RGB(9, 8, 7));
        TypeInto(Find<QLineEdit>(dialog, "description"), "Renamed but cancelled");
        WhenModal([](QDialog& modal) {
            auto& decoration = As<CDecorationDlg>(modal);
            QCOMPARE(Find<CDecorationPreview>(decoration, "preview")->m_backgroundColor, RGB(9, 8, 7));
            FillDecoration(decoration, "Back door", kDecorationDoor);
            Click(DialogButton(decoration, QDialogButtonBox::Ok));
        });
        Click(Find<QPushButton>(dialog, "newDecoration"));
        QCOMPARE(Texts(*Find<CObjectListBox>(dialog, "decorations")), QStringList({"Back door", "zz gate"}));
        QCOMPARE(Find<CObjectListBox>(dialog, "decorations")->GetSelectedIndex(), 0);
        QVERIFY(Find<QPushButton>(dialog, "editDecoration")->isEnabled());
        QVERIFY(Find<QPushButton>(dialog, "deleteDecoration")->isEnabled());
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
        CObjectListBox* list = Find<CObjectListBox>(dialog, "decorations");
        QCOMPARE(Texts(*list), QStringList({"Door", "Window"}));
        QVERIFY(!Find<QPushButton>(dialog, "editDecoration")->isEnabled());
        ClickEntry(list, 1);
        QVERIFY(Find<QPushButton>(dialog, "editDecoration")->isEnabled());

        // An emptied description gets the generated name and the entry moves to its place.
        WhenModal([](QDialog& modal) {
            auto& decoration = As<CDecorationDlg>(modal);
            TypeInto(Find<QLineEdit>(decoration, "description"), "");
            Click(DialogButton(decoration, QDialogButtonBox::Ok));
        });
        Click(Find<QPushButton>(dialog, "editDecoration"));
        const QString generated = QStringLiteral("CDecoration %1").arg(window.m_id);
        QCOMPARE(QString::fromStdString(window.m_name), generated);
        QCOMPARE(Texts(*list), QStringList({generated, "Door"}));
        QCOMPARE(list->GetSelectedObject(), &window);

        Click(Find<QPushButton>(dialog, "deleteDecoration"));
        QCOMPARE(Texts(*list), QStringList({"Door"}));
        QCOMPARE(list->GetSelectedObject(), nullptr);
        QVERIFY(!Find<QPushButton>(dialog, "editDecoration")->isEnabled());
        QVERIFY(!Find<QPushButton>(dialog, "deleteDecoration")->isEnabled());
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
        ClickEntry(Find<CObjectListBox>(dialog, "decorations"), 0);
        WhenModal([](QDialog& modal) {
            FillDecoration(As<CDecorationDlg>(modal), "Never", kDecorationWindow);
            modal.reject();
        });
        Click(Find<QPushButton>(dialog, "newDecoration"));
        QCOMPARE(Texts(*Find<CObjectListBox>(dialog, "decorations")), QStringList({"Door"}));
        QCOMPARE(Find<CObjectListBox>(dialog, "decorations")->GetSelectedObject(), nullptr);
        QVERIFY(!Find<QPushButton>(dialog, "editDecoration")->isEnabled());
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
        QVERIFY(!Find<QPushButton>(dialog, "newDecoration")->isEnabled());
        QCOMPARE(Find<CObjectListBox>(dialog, "decorations")->count(), 0);
        ChooseRoof(dialog, kRoofGable, kRoofOrientation0);
        Click(DialogButton(dialog, QDialogButtonBox::Ok));
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
            QVERIFY(!ChoiceButton(dialog, code)->isChecked());
        QVERIFY(WindowCountButton(dialog, 1)->isChecked());
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(OkHint(dialog), QString("Choose a wall"));

        TypeInto(Find<QLineEdit>(dialog, "description"), "Only a name");
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        Click(ChoiceButton(dialog, kWallLeft));
        Click(ChoiceButton(dialog, kDecorationBaseB));
        TypeInto(Find<CNumericEdit>(dialog, "width"), "9");
        TypeInto(Find<CNumericEdit>(dialog, "height"), "14");
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(OkHint(dialog), QString("Choose a subtype"));
        Click(ChoiceButton(dialog, kDecorationDoorWithWindow));
        QVERIFY(DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(OkHint(dialog), QString());
        TypeInto(Find<CNumericEdit>(dialog, "width"), "");
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(OkHint(dialog), QString("Width must not be 0"));
        TypeInto(Find<CNumericEdit>(dialog, "width"), "00");
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        TypeInto(Find<CNumericEdit>(dialog, "width"), "1");
        QVERIFY(DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        // Position may stay 0.
        TypeInto(Find<CNumericEdit>(dialog, "x"), "");
        QVERIFY(DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
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
        QCOMPARE(Find<CColorButton>(dialog, "mainColor")->GetColor(), RGB(127, 127, 127));
        QCOMPARE(Find<CColorButton>(dialog, "innerColor")->GetColor(), RGB(102, 102, 102));
        FillDecoration(dialog, "Shop window", kDecorationWindow);
        Click(ChoiceButton(dialog, kWallRight));
        Click(ChoiceButton(dialog, kDecorationBaseB));
        Click(WindowCountButton(dialog, 6));
        TypeInto(Find<CNumericEdit>(dialog, "x"), "31");
        TypeInto(Find<CNumericEdit>(dialog, "z"), "4");
        Find<CColorButton>(dialog, "mainColor")->SetColor(RGB(10, 20, 30));
        Find<CColorButton>(dialog, "innerColor")->SetColor(RGB(40, 50, 60));
        Click(DialogButton(dialog, QDialogButtonBox::Ok));
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
        QVERIFY(ChoiceButton(dialog, kDecorationWindow)->isChecked());
        for (const int code : {kWallFront, kWallRear, kWallLeft, kWallRight, kDecorationBaseA, kDecorationBaseB})
            QVERIFY(!ChoiceButton(dialog, code)->isChecked());
        // An unknown pane count is kept as one pane, and shown so.
        QVERIFY(WindowCountButton(dialog, 1)->isChecked());
        QVERIFY(!DialogButton(dialog, QDialogButtonBox::Ok)->isEnabled());
        Click(ChoiceButton(dialog, kWallFront));
        Click(ChoiceButton(dialog, kDecorationBaseA));
        Click(DialogButton(dialog, QDialogButtonBox::Ok));
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
        CDecorationPreview* preview = Find<CDecorationPreview>(dialog, "preview");
        QCOMPARE(preview->m_backgroundColor, RGB(0, 100, 0));
        QCOMPARE(preview->m_mainColor, RGB(127, 127, 127));
        QCOMPARE(preview->m_windowCount, 1);
        Click(ChoiceButton(dialog, kDecorationBaseB));
        Click(ChoiceButton(dialog, kDecorationWindow));
        Click(WindowCountButton(dialog, 8));
        QCOMPARE(preview->m_mainType, kDecorationBaseB);
        QCOMPARE(preview->m_subtype, kDecorationWindow);
        QCOMPARE(preview->m_windowCount, 8);

        // A colour picked on a button shows at once.
        Find<CColorButton>(dialog, "innerColor")->SetColor(RGB(0, 0, 255));
        emit Find<CColorButton>(dialog, "innerColor")->SelEndOk(RGB(0, 0, 255));
        QCOMPARE(preview->m_innerColor, RGB(0, 0, 255));
        const QImage shown = preview->grab().toImage();
        QCOMPARE(shown.pixelColor(20, 30), QColor(0, 0, 255));
        QCOMPARE(shown.pixelColor(20, 37), QColor(127, 127, 127));
        QCOMPARE(shown.pixelColor(70, 60), QColor(Qt::white));

        Click(ChoiceButton(dialog, kDecorationDoor));
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
        CObjectListBox* list = Find<CObjectListBox>(dialog, "elements");
        QCOMPARE(Texts(*list), QStringList({"Tower"}));
        QVERIFY(Find<QPushButton>(dialog, "newElement")->isEnabled());
        QVERIFY(!Find<QPushButton>(dialog, "editElement")->isEnabled());
        QVERIFY(!Find<QPushButton>(dialog, "deleteElement")->isEnabled());

        // New, cancelled: nothing is added.
        WhenModal([](QDialog& modal) { modal.reject(); });
        Click(Find<QPushButton>(dialog, "newElement"));
        QCOMPARE(list->count(), 1);

        // New with an empty description gets the generated name.
        WhenModal([&](QDialog& modal) {
            auto& element = As<CBuildingElementDlg>(modal);
            ChooseRoof(element, kRoofGable, kRoofOrientation0);
            Click(DialogButton(element, QDialogButtonBox::Ok));
        });
        Click(Find<QPushButton>(dialog, "newElement"));
        QCOMPARE(list->count(), 2);
        added = dynamic_cast<CBuildingElement*>(list->GetSelectedObject());
        QVERIFY(added);
        QCOMPARE(QString::fromStdString(added->m_name), QStringLiteral("CBuildingElement %1").arg(added->m_id));
        QVERIFY(Find<QPushButton>(dialog, "editElement")->isEnabled());

        // Edit renames it; the entry moves to its sorted place and stays selected.
        WhenModal([](QDialog& modal) {
            auto& element = As<CBuildingElementDlg>(modal);
            TypeInto(Find<QLineEdit>(element, "description"), "annex");
            Click(DialogButton(element, QDialogButtonBox::Ok));
        });
        Click(Find<QPushButton>(dialog, "editElement"));
        QCOMPARE(Texts(*list), QStringList({"annex", "Tower"}));
        QCOMPARE(list->GetSelectedObject(), added);

        // Delete the other one.
        ClickEntry(list, 1);
        Click(Find<QPushButton>(dialog, "deleteElement"));
        QCOMPARE(Texts(*list), QStringList({"annex"}));
        QVERIFY(!Find<QPushButton>(dialog, "editElement")->isEnabled());
        QVERIFY(!Find<QPushButton>(dialog, "deleteElement")->isEnabled());
        Click(DialogButton(dialog, QDialogButtonBox::Ok));
    });
    QVERIFY(dialog.Edit(fixture.building, fixture.parts));
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
        QCOMPARE(Find<CUnitsComboBox>(dialog, "units")->currentText(), "inch");
        QCOMPARE(Find<CNumericEdit>(dialog, "partsPerPackage")->text(), "1");
        TypeInto(Find<QLineEdit>(dialog, "description"), "Station building");
        TypeInto(Find<QLineEdit>(dialog, "catalogNo"), "");
        TypeInto(Find<QLineEdit>(dialog, "price"), "");
        TypeInto(Find<CNumericEdit>(dialog, "partsPerPackage"), "4");
        Find<CUnitsComboBox>(dialog, "units")->setCurrentIndex(0);
        Find<QPlainTextEdit>(dialog, "freeText")->setPlainText("after the last element");
        Click(DialogButton(dialog, QDialogButtonBox::Ok));
    });
    QVERIFY(dialog.Edit(fixture.building, fixture.parts));
    QCOMPARE(fixture.building.m_name, "Station building");
    QCOMPARE(fixture.building.m_catalogNo, " ");
    QCOMPARE(fixture.building.m_price, "0");
    QCOMPARE(fixture.building.m_partsPerPackage, 4);
    QCOMPARE(fixture.building.m_units, kUnitsMillimetres);
    QCOMPARE(fixture.building.m_freeText, "after the last element");
}

// Cancel undoes what the element buttons did while the dialog was open: the building, the
// same object, holds again exactly what it held.
void TestBuildingDialogs::buildingCancelPutsTheBuildingBack()
{
    SBuildingInDocument fixture;
    fixture.building.m_name = "Station";
    fixture.building.m_freeText = "; kept";
    CBuildingElement& hall = fixture.AddElement("Hall");
    hall.m_roofType = kRoofGable;
    hall.m_roofOrientation = kRoofOrientation0;
    AddDecoration(hall, "Door");
    fixture.AddElement("Tower");
    const CPartSnapshot opened = CPartSnapshot::Take(fixture.building);
    CBuildingDlg dialog;
    WhenModal([&](QDialog& modal) {
        auto& dialog = As<CBuildingDlg>(modal);
        CObjectListBox* list = Find<CObjectListBox>(dialog, "elements");
        ClickEntry(list, 0);
        WhenModal([](QDialog& modal) {
            auto& element = As<CBuildingElementDlg>(modal);
            TypeInto(Find<QLineEdit>(element, "description"), "Great hall");
            TypeInto(Find<CNumericEdit>(element, "blockHeight"), "95");
            ClickEntry(Find<CObjectListBox>(element, "decorations"), 0);
            Click(Find<QPushButton>(element, "deleteDecoration"));
            Click(DialogButton(element, QDialogButtonBox::Ok));
        });
        Click(Find<QPushButton>(dialog, "editElement"));
        ClickEntry(list, 1);
        Click(Find<QPushButton>(dialog, "deleteElement"));
        QCOMPARE(Texts(*list), QStringList({"Great hall"}));
        Find<QPlainTextEdit>(dialog, "freeText")->setPlainText("; changed");
        Click(DialogButton(dialog, QDialogButtonBox::Cancel));
    });
    QVERIFY(!dialog.Edit(fixture.building, fixture.parts));
    QVERIFY(CPartSnapshot::Take(fixture.building) == opened);
    QCOMPARE(fixture.building.GetElement(0).m_name, "Hall");
    QCOMPARE(fixture.building.GetElement(0).m_decorations->GetCount(), size_t(1));
    QCOMPARE(fixture.building.GetElement(1).m_name, "Tower");
}

// A price may have decimals: one point or comma, the comma stored as a point; a price typed
// without one is stored as typed.
void TestBuildingDialogs::everyPriceTakesOneDecimalSeparator()
{
    const struct {
        const char* typed;
        const char* stored;
    } prices[] = {{"4.25", "4.25"}, {"34,50", "34.50"}, {"1.2,3", "1.23"}, {"12a5", "125"}, {"425", "425"}};
    SBuildingInDocument fixture;
    for (const auto& price : prices) {
        const auto typePrice = [&price] {
            WhenModal([&price](QDialog& modal) {
                TypeInto(Find<QLineEdit>(modal, "price"), price.typed);
                Click(DialogButton(modal, QDialogButtonBox::Ok));
            });
        };
        CTree tree;
        typePrice();
        QVERIFY(CTreeDlg().Edit(tree, fixture.parts));
        QCOMPARE(tree.m_price, price.stored);
        CPlatform platform;
        platform.m_coverType = kCoverNone;
        platform.m_length = 400;
        platform.m_width = 60;
        platform.m_height = 10;
        typePrice();
        QVERIFY(CPlatformDlg().Edit(platform, fixture.parts));
        QCOMPARE(platform.m_price, price.stored);
        typePrice();
        QVERIFY(CBuildingDlg().Edit(fixture.building, fixture.parts));
        QCOMPARE(fixture.building.m_price, price.stored);
    }
}

void TestBuildingDialogs::equalNamesEditAndDeleteTheSelectedElement()
{
    SBuildingInDocument fixture;
    CBuildingElement& first = fixture.AddElement("Wing");
    CBuildingElement& second = fixture.AddElement("Wing");
    CBuildingDlg dialog;
    WhenModal([&](QDialog& modal) {
        auto& dialog = As<CBuildingDlg>(modal);
        CObjectListBox* list = Find<CObjectListBox>(dialog, "elements");
        const int secondRow = list->FindObject(&second);
        ClickEntry(list, secondRow);
        QCOMPARE(list->GetSelectedObject(), &second);

        WhenModal([](QDialog& modal) {
            auto& element = As<CBuildingElementDlg>(modal);
            ChooseRoof(element, kRoofLeanTo, kRoofOrientation90);
            TypeInto(Find<CNumericEdit>(element, "blockWidth"), "77");
            Click(DialogButton(element, QDialogButtonBox::Ok));
        });
        Click(Find<QPushButton>(dialog, "editElement"));
        QCOMPARE(second.m_blockWidth, 77);
        QCOMPARE(first.m_blockWidth, 100);

        ClickEntry(list, list->FindObject(&first));
        Click(Find<QPushButton>(dialog, "deleteElement"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->GetEntryObject(0), &second);
        Click(DialogButton(dialog, QDialogButtonBox::Ok));
    });
    QVERIFY(dialog.Edit(fixture.building, fixture.parts));
    QCOMPARE(fixture.building.GetCount(), size_t(1));
    QCOMPARE(&fixture.building.GetElement(0), &second);
}

void TestBuildingDialogs::everyDialogOpensInItsDescription()
{
    SBuildingInDocument fixture;
    CBuildingElement& element = fixture.AddElement("Hall");
    CDecoration& decoration = AddDecoration(element, "Door");
    CTree tree;
    CPlatform platform;
    CHeader header;
    const auto expectFocusInDescription = [] {
        WhenModal([](QDialog& modal) {
            QVERIFY(modal.focusWidget());
            QCOMPARE(modal.focusWidget()->objectName(), "description");
        });
    };
    expectFocusInDescription();
    CBuildingDlg().Edit(fixture.building, fixture.parts);
    expectFocusInDescription();
    CBuildingElementDlg().Edit(element, fixture.building);
    expectFocusInDescription();
    CDecorationDlg().EditDecoration(decoration);
    expectFocusInDescription();
    CTreeDlg().Edit(tree, fixture.parts);
    expectFocusInDescription();
    CPlatformDlg().Edit(platform, fixture.parts);
    expectFocusInDescription();
    CHeaderDlg().EditHeader(header);
}

void TestBuildingDialogs::enterOnAListButtonPressesThatButton()
{
    SBuildingInDocument fixture;
    fixture.AddElement("Tower");
    CBuildingDlg dialog;
    WhenModal([](QDialog& modal) {
        auto* list = Find<CObjectListBox>(modal, "elements");
        ClickEntry(list, 0);
        auto* newElement = Find<QPushButton>(modal, "newElement");
        bool elementDialogOpened = false;
        WhenModal([&](QDialog& element) {
            elementDialogOpened = qobject_cast<CBuildingElementDlg*>(&element) != nullptr;
            element.reject();
        });
        newElement->setFocus();
        QTest::keyClick(newElement, Qt::Key_Return);
        QVERIFY(elementDialogOpened);
        QVERIFY(modal.isVisible());
        // A cancelled New leaves nothing selected, as in the element dialog.
        QCOMPARE(list->GetSelectedObject(), nullptr);
        QVERIFY(!Find<QPushButton>(modal, "editElement")->isEnabled());
        QVERIFY(!Find<QPushButton>(modal, "deleteElement")->isEnabled());

        elementDialogOpened = false;
        WhenModal([&](QDialog& element) {
            elementDialogOpened = true;
            element.reject();
        });
        QTest::keyClick(newElement, Qt::Key_Space);
        QVERIFY(elementDialogOpened);
        QVERIFY(modal.isVisible());
        // Away from the list buttons Enter is OK again.
        Find<QLineEdit>(modal, "description")->setFocus();
        QTest::keyClick(Find<QLineEdit>(modal, "description"), Qt::Key_Return);
        QVERIFY(!modal.isVisible());
    });
    QVERIFY(dialog.Edit(fixture.building, fixture.parts));
}

void TestBuildingDialogs::listKeysEditAndDeleteTheSelectedEntry()
{
    SBuildingInDocument fixture;
    CBuildingElement& element = fixture.AddElement("Hall");
    AddDecoration(element, "Door");
    AddDecoration(element, "Window");
    CBuildingElementDlg dialog;
    WhenModal([](QDialog& modal) {
        auto* list = Find<CObjectListBox>(modal, "decorations");
        ClickEntry(list, 0);
        int edits = 0;
        const auto countEdit = [&edits] {
            WhenModal([&edits](QDialog& decoration) {
                edits += qobject_cast<CDecorationDlg*>(&decoration) != nullptr;
                decoration.reject();
            });
        };
        countEdit();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(edits, 1);
        QVERIFY(modal.isVisible());
        countEdit();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(edits, 2);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(Texts(*list), QStringList({"Window"}));
        QVERIFY(modal.isVisible());
    });
    dialog.Edit(element, fixture.building);
    QCOMPARE(element.m_decorations->GetCount(), size_t(1));
}

void TestBuildingDialogs::tabEntersARadioGroupOnItsCheckedButton()
{
    SBuildingInDocument fixture;
    CBuildingElement& element = fixture.AddElement("Hall");
    element.m_roofType = kRoofLeanTo;
    element.m_roofOrientation = kRoofOrientation180;
    CBuildingElementDlg dialog;
    WhenModal([](QDialog& modal) {
        modal.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&modal));
        Find<CColorButton>(modal, "roofColor")->setFocus();
        QTest::keyClick(modal.focusWidget(), Qt::Key_Tab);
        QCOMPARE(modal.focusWidget(), RoofButton(modal, kRoofLeanTo));
        QTest::keyClick(modal.focusWidget(), Qt::Key_Tab);
        QCOMPARE(modal.focusWidget(), RoofButton(modal, kRoofOrientation180));
        QTest::keyClick(modal.focusWidget(), Qt::Key_Tab);
        QCOMPARE(modal.focusWidget()->objectName(), "x");
        QTest::keyClick(modal.focusWidget(), Qt::Key_Backtab);
        QCOMPARE(modal.focusWidget(), RoofButton(modal, kRoofOrientation180));
        // An arrow checks the next button, and Tab comes back to that one.
        QTest::keyClick(modal.focusWidget(), Qt::Key_Down);
        QVERIFY(RoofButton(modal, kRoofOrientation270)->isChecked());
        QTest::keyClick(modal.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(modal.focusWidget(), Qt::Key_Backtab);
        QCOMPARE(modal.focusWidget(), RoofButton(modal, kRoofOrientation270));
    });
    dialog.Edit(element, fixture.building);
}

QTEST_MAIN(TestBuildingDialogs)
#include "tst_building_dialogs.moc"
