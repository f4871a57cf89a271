#include "ModalDialogDriver.h"

#include "model/ChoiceCodes.h"
#include "model/PartsManager.h"
#include "model/Tree.h"
#include "ui/ColorButton.h"
#include "ui/ColorPopup.h"
#include "ui/ColorTable.h"
#include "ui/TreeDlg.h"
#include "ui/UnitsComboBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

QWidget* Control(QDialog& dialog, const char* name)
{
    return dialog.findChild<QWidget*>(QString::fromLatin1(name));
}

QString Text(QDialog& dialog, const char* name)
{
    auto* edit = qobject_cast<QLineEdit*>(Control(dialog, name));
    return edit ? edit->text() : QStringLiteral("<no edit %1>").arg(QString::fromLatin1(name));
}

void FillSample(CTree& tree)
{
    tree.m_name = "Oak";
    tree.m_catalogNo = "T-17";
    tree.m_price = "350";
    tree.m_partsPerPackage = 3;
    tree.m_units = kUnitsInches;
    tree.m_treeType = kTreeNeedleLeaved;
    tree.m_trunkHeight = 12;
    tree.m_trunkRadius = 2;
    tree.m_topHeight = 30;
    tree.m_topRadius = 9;
    tree.m_trunkColor = RGB(1, 2, 3);
    tree.m_topColor = RGB(0, 147, 0);
    tree.m_freeText = "line one\nline two";
}

bool SameFields(const CTree& a, const CTree& b)
{
    return a.m_name == b.m_name && a.m_catalogNo == b.m_catalogNo && a.m_price == b.m_price
        && a.m_partsPerPackage == b.m_partsPerPackage && a.m_units == b.m_units && a.m_treeType == b.m_treeType
        && a.m_trunkHeight == b.m_trunkHeight && a.m_trunkRadius == b.m_trunkRadius && a.m_topHeight == b.m_topHeight
        && a.m_topRadius == b.m_topRadius && a.m_trunkColor == b.m_trunkColor && a.m_topColor == b.m_topColor
        && a.m_freeText == b.m_freeText;
}

} // namespace

class TestTreeDialog : public QObject {
    Q_OBJECT
private slots:
    void newTreeOpensWithItsDefaults();
    void okStoresWhatWasTyped();
    void emptyAndNonNumericEntries();
    void loadedTreeRoundTrips();
    void cancelTouchesNothing();
    void unknownTreeTypeIsKept();
    void notATreeIsRefused();
    void tabFollowsTheControlOrder();

private:
    CPartsManager m_owner;
};

void TestTreeDialog::newTreeOpensWithItsDefaults()
{
    CTree tree;
    CTreeDlg dialog;
    WhenModal([](QDialog& shown) {
        QCOMPARE(shown.windowTitle(), QStringLiteral("Edit tree"));
        QVERIFY(qobject_cast<QRadioButton*>(Control(shown, "deciduous"))->isChecked());
        QVERIFY(!qobject_cast<QRadioButton*>(Control(shown, "needleLeaved"))->isChecked());
        QCOMPARE(Text(shown, "partsPerPackage"), QStringLiteral("1"));
        QCOMPARE(Text(shown, "trunkHeight"), QStringLiteral("10"));
        QCOMPARE(Text(shown, "trunkRadius"), QStringLiteral("5"));
        QCOMPARE(Text(shown, "topHeight"), QStringLiteral("20"));
        QCOMPARE(Text(shown, "topRadius"), QStringLiteral("40"));
        QCOMPARE(qobject_cast<CUnitsComboBox*>(Control(shown, "units"))->currentText(), QStringLiteral("mm"));
        QCOMPARE(qobject_cast<CColorButton*>(Control(shown, "trunkColor"))->GetColor(), RGB(80, 80, 0));
        QCOMPARE(qobject_cast<CColorButton*>(Control(shown, "topColor"))->GetColor(), RGB(0, 80, 80));
        QTest::mouseClick(DialogButton(shown, QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QVERIFY(!dialog.Edit(tree, m_owner));
}

void TestTreeDialog::okStoresWhatWasTyped()
{
    CTree tree;
    CTreeDlg dialog;
    WhenModal([](QDialog& shown) {
        Retype(Control(shown, "description"), "Spruce");
        Retype(Control(shown, "catalogNo"), "S-1");
        Retype(Control(shown, "price"), "12a5");
        Retype(Control(shown, "partsPerPackage"), "-4");
        Retype(Control(shown, "trunkHeight"), "-8");
        Retype(Control(shown, "trunkRadius"), "3");
        Retype(Control(shown, "topHeight"), "45");
        Retype(Control(shown, "topRadius"), " 15");
        QTest::mouseClick(Control(shown, "needleLeaved"), Qt::LeftButton);
        auto* units = Control(shown, "units");
        QTest::keyClick(units, Qt::Key_Down);
        auto* freeText = Control(shown, "freeText");
        freeText->setFocus();
        QTest::keyClicks(freeText, "first");
        QTest::keyClick(freeText, Qt::Key_Return);
        QTest::keyClicks(freeText, "second");
        // The default top colour is none of the named ones, so the popup opens on
        // "More Colors..."; Right moves on to "Automatic".
        auto* topColor = qobject_cast<CColorButton*>(Control(shown, "topColor"));
        QTest::mouseClick(topColor, Qt::LeftButton);
        QVERIFY(topColor->Popup());
        QTest::keyClick(topColor->Popup(), Qt::Key_Right);
        QTest::keyClick(topColor->Popup(), Qt::Key_Return);
        QVERIFY(shown.isVisible());
        QTest::mouseClick(DialogButton(shown, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QVERIFY(dialog.Edit(tree, m_owner));
    QCOMPARE(tree.m_name, std::string("Spruce"));
    QCOMPARE(tree.m_catalogNo, std::string("S-1"));
    QCOMPARE(tree.m_price, std::string("125"));
    QCOMPARE(tree.m_partsPerPackage, 4);
    QCOMPARE(tree.m_trunkHeight, -8);
    QCOMPARE(tree.m_trunkRadius, 3);
    QCOMPARE(tree.m_topHeight, 45);
    QCOMPARE(tree.m_topRadius, 15);
    QCOMPARE(tree.m_treeType, kTreeNeedleLeaved);
    QCOMPARE(tree.m_units, kUnitsInches);
    QCOMPARE(tree.m_freeText, std::string("first\nsecond"));
    QCOMPARE(tree.m_topColor, COLORREF(0xFF000000));
}

void TestTreeDialog::emptyAndNonNumericEntries()
{
    CTree tree;
    FillSample(tree);
    CTreeDlg dialog;
    WhenModal([](QDialog& shown) {
        Retype(Control(shown, "catalogNo"), "");
        Retype(Control(shown, "price"), "");
        Retype(Control(shown, "partsPerPackage"), "");
        Retype(Control(shown, "trunkHeight"), "high");
        Retype(Control(shown, "topRadius"), "");
        Retype(Control(shown, "units"), "feet");
        QTest::mouseClick(DialogButton(shown, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QVERIFY(dialog.Edit(tree, m_owner));
    QCOMPARE(tree.m_catalogNo, std::string(" "));
    QCOMPARE(tree.m_price, std::string("0"));
    QCOMPARE(tree.m_partsPerPackage, 0);
    QCOMPARE(tree.m_trunkHeight, 0);
    QCOMPARE(tree.m_topRadius, 0);
    QCOMPARE(tree.m_units, kUnitsMillimetres);
}

void TestTreeDialog::loadedTreeRoundTrips()
{
    CTree original;
    FillSample(original);
    CTree tree;
    FillSample(tree);
    CTreeDlg dialog;
    WhenModal([](QDialog& shown) {
        QCOMPARE(qobject_cast<QPlainTextEdit*>(Control(shown, "freeText"))->toPlainText(), QStringLiteral("line one\nline two"));
        QCOMPARE(Text(shown, "price"), QStringLiteral("350"));
        QTest::keyClick(Control(shown, "description"), Qt::Key_Return);
    });
    QVERIFY(dialog.Edit(tree, m_owner));
    QVERIFY(SameFields(tree, original));
}

void TestTreeDialog::cancelTouchesNothing()
{
    CTree original;
    FillSample(original);
    CTree tree;
    FillSample(tree);
    CTreeDlg dialog;
    WhenModal([](QDialog& shown) {
        Retype(Control(shown, "description"), "Changed");
        Retype(Control(shown, "trunkHeight"), "99");
        QTest::mouseClick(Control(shown, "deciduous"), Qt::LeftButton);
        auto* trunkColor = qobject_cast<CColorButton*>(Control(shown, "trunkColor"));
        QTest::mouseClick(trunkColor, Qt::LeftButton);
        QVERIFY(trunkColor->Popup());
        QTest::keyClick(trunkColor->Popup(), Qt::Key_Down);
        QTest::keyClick(trunkColor->Popup(), Qt::Key_Return);
        QVERIFY(trunkColor->GetColor() != RGB(1, 2, 3));
        QTest::keyClick(Control(shown, "description"), Qt::Key_Escape);
    });
    QVERIFY(!dialog.Edit(tree, m_owner));
    QVERIFY(SameFields(tree, original));
}

void TestTreeDialog::unknownTreeTypeIsKept()
{
    CTree tree;
    tree.m_treeType = 0;
    CTreeDlg dialog;
    WhenModal([](QDialog& shown) {
        QVERIFY(!qobject_cast<QRadioButton*>(Control(shown, "deciduous"))->isChecked());
        QVERIFY(!qobject_cast<QRadioButton*>(Control(shown, "needleLeaved"))->isChecked());
        QTest::mouseClick(DialogButton(shown, QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QVERIFY(dialog.Edit(tree, m_owner));
    QCOMPARE(tree.m_treeType, 0);
}

void TestTreeDialog::notATreeIsRefused()
{
    CNamedObject other;
    CTreeDlg dialog;
    QVERIFY(!dialog.Edit(other, m_owner));
}

void TestTreeDialog::tabFollowsTheControlOrder()
{
    CTree tree;
    CTreeDlg dialog;
    QStringList visited;
    WhenModal([&visited](QDialog& shown) {
        QVERIFY(QTest::qWaitForWindowActive(&shown));
        Control(shown, "description")->setFocus();
        for (int step = 0; step < 14; ++step) {
            QWidget* focused = QApplication::focusWidget();
            visited << (focused ? focused->objectName() : QString());
            QTest::keyClick(focused, Qt::Key_Tab);
        }
    });
    dialog.Edit(tree, m_owner);
    // Tab enters the tree type group at its checked button and leaves it from there.
    QCOMPARE(visited, (QStringList{"description", "catalogNo", "price", "partsPerPackage", "units", "deciduous",
                          "trunkHeight", "trunkRadius", "trunkColor", "topHeight", "topRadius", "topColor", "freeText"}
                          << QString()));
}

QTEST_MAIN(TestTreeDialog)
#include "tst_tree_dialog.moc"
