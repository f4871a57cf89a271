#include "model/ChoiceCodes.h"
#include "ui/NumericEdit.h"
#include "ui/UnitsComboBox.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <climits>

class TestPartControls : public QObject {
    Q_OBJECT
private slots:
    void leadingInteger_data();
    void leadingInteger();
    void setValueFormatsAndKeepsEqualText();
    void digitsOnlyRefusesOtherKeys();
    void unitsEntriesAndSelection_data();
    void unitsEntriesAndSelection();
    void typedUnitsGiveMillimetres();
};

void TestPartControls::leadingInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("plain") << "42" << 42;
    QTest::newRow("leading blanks") << "  \t17" << 17;
    QTest::newRow("minus") << "-12" << -12;
    QTest::newRow("plus") << "+5" << 5;
    QTest::newRow("sign only") << "-" << 0;
    QTest::newRow("digits then letters") << "12mm" << 12;
    QTest::newRow("blank inside") << "1 2" << 1;
    QTest::newRow("too large") << "99999999999" << INT_MAX;
    QTest::newRow("too small") << "-99999999999" << INT_MIN;
    QTest::newRow("smallest int") << "-2147483648" << INT_MIN;
}

void TestPartControls::leadingInteger()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    CNumericEdit edit;
    edit.setText(text);
    QCOMPARE(edit.GetValue(), value);
}

void TestPartControls::setValueFormatsAndKeepsEqualText()
{
    CNumericEdit edit;
    edit.SetValue(-7);
    QCOMPARE(edit.text(), QStringLiteral("-7"));
    edit.SetValue(2147483647);
    QCOMPARE(edit.text(), QStringLiteral("2147483647"));
    edit.setCursorPosition(1);
    QSignalSpy changes(&edit, &QLineEdit::textChanged);
    edit.SetValue(2147483647);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(edit.cursorPosition(), 1);
}

void TestPartControls::digitsOnlyRefusesOtherKeys()
{
    CNumericEdit edit;
    SetDigitsOnly(edit);
    QTest::keyClicks(&edit, "-1a2 3");
    QCOMPARE(edit.text(), QStringLiteral("123"));
    QCOMPARE(edit.GetValue(), 123);
}

void TestPartControls::unitsEntriesAndSelection_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("units");
    QTest::newRow("millimetres") << 0 << "mm" << 0;
    QTest::newRow("inches") << 1 << "inch" << 1;
    QTest::newRow("none") << -1 << "" << 0;
    QTest::newRow("unknown") << 7 << "" << 0;
}

void TestPartControls::unitsEntriesAndSelection()
{
    QFETCH(int, index);
    QFETCH(QString, shown);
    QFETCH(int, units);
    CUnitsComboBox box;
    box.Fill(index);
    box.Fill(index);
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.itemData(0).toInt(), kTextMm);
    QCOMPARE(box.itemData(1).toInt(), kTextInch);
    QCOMPARE(box.currentText(), shown);
    QCOMPARE(box.GetUnits(), units);
}

void TestPartControls::typedUnitsGiveMillimetres()
{
    CUnitsComboBox box;
    box.Fill(kUnitsInches);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, "cm");
    QCOMPARE(box.currentText(), QStringLiteral("cm"));
    QCOMPARE(box.GetUnits(), kUnitsMillimetres);
    QTest::keyClick(&box, Qt::Key_Up);
    QTest::keyClick(&box, Qt::Key_Down);
    QCOMPARE(box.GetUnits(), kUnitsInches);
}

QTEST_MAIN(TestPartControls)
#include "tst_part_controls.moc"
