#include "ModalDialogDriver.h"

#include "model/ChoiceCodes.h"
#include "model/PartsManager.h"
#include "model/Platform.h"
#include "ui/ColorButton.h"
#include "ui/ColorPopup.h"
#include "ui/PlatformDlg.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace {

QWidget* Control(QDialog& dialog, const QString& name)
{
    return dialog.findChild<QWidget*>(name);
}

bool IsChecked(QDialog& dialog, const char* name)
{
    auto* button = qobject_cast<QRadioButton*>(Control(dialog, QString::fromLatin1(name)));
    return button && button->isChecked();
}

QPushButton* OkButton(QDialog& dialog)
{
    return DialogButton(dialog, QDialogButtonBox::Ok);
}

void FillSample(CPlatform& platform)
{
    platform.m_name = "Island platform";
    platform.m_catalogNo = "P-2";
    platform.m_price = "1250";
    platform.m_partsPerPackage = 2;
    platform.m_units = kUnitsInches;
    platform.m_length = 300;
    platform.m_width = 40;
    platform.m_height = 8;
    platform.m_poleHeight = 45;
    platform.m_roofHeight = 12;
    platform.m_edgeDistance = 6;
    platform.m_polesPerSide = 5;
    platform.m_poleDiameter = 3;
    platform.m_coverType = kCoverArched;
    platform.m_poleStyle = kPoleSquare;
    platform.m_topColor = RGB(1, 2, 3);
    platform.m_sideColor = kAutomaticColor;
    platform.m_roofColor = RGB(255, 0, 0);
    platform.m_poleColor = RGB(0, 0, 0);
    platform.m_freeText = "roofed";
}

bool SameFields(const CPlatform& a, const CPlatform& b)
{
    return a.m_name == b.m_name && a.m_catalogNo == b.m_catalogNo && a.m_price == b.m_price
        && a.m_partsPerPackage == b.m_partsPerPackage && a.m_units == b.m_units && a.m_length == b.m_length
        && a.m_width == b.m_width && a.m_height == b.m_height && a.m_poleHeight == b.m_poleHeight
        && a.m_roofHeight == b.m_roofHeight && a.m_edgeDistance == b.m_edgeDistance
        && a.m_polesPerSide == b.m_polesPerSide && a.m_poleDiameter == b.m_poleDiameter
        && a.m_coverType == b.m_coverType && a.m_poleStyle == b.m_poleStyle && a.m_topColor == b.m_topColor
        && a.m_sideColor == b.m_sideColor && a.m_roofColor == b.m_roofColor && a.m_poleColor == b.m_poleColor
        && a.m_freeText == b.m_freeText;
}

} // namespace

class TestPlatformDialog : public QObject {
    Q_OBJECT
private slots:
    void okRule_data();
    void okRule();
    void okFollowsEveryChange();
    void enterWhileOkIsDisabledKeepsTheDialogOpen();
    void loadedPlatformRoundTrips();
    void okStoresWhatWasTyped();
    void cancelTouchesNothing();

private:
    CPartsManager m_owner;
};

void TestPlatformDialog::okRule_data()
{
    QTest::addColumn<QString>("cover");
    QTest::addColumn<QString>("pole");
    QTest::addColumn<QStringList>("sizes"); // length, width, height, pole height, pole diameter
    QTest::addColumn<bool>("enabled");

    const QStringList floor{"10", "10", "10", "", ""};
    const QStringList all{"10", "10", "10", "5", "2"};
    QTest::newRow("new platform") << "" << "" << QStringList{"", "", "", "", ""} << false;
    QTest::newRow("sizes but no cover type") << "" << "poleRound" << all << false;
    QTest::newRow("no cover, floor set") << "coverNone" << "" << floor << true;
    QTest::newRow("no cover, width 0") << "coverNone" << "" << QStringList{"10", "0", "10", "", ""} << false;
    QTest::newRow("no cover, no height") << "coverNone" << "" << QStringList{"10", "10", "", "", ""} << false;
    QTest::newRow("no cover, pole fields ignored") << "coverNone" << "poleSquare" << floor << true;
    QTest::newRow("pitched, no pole style") << "coverPitched" << "" << all << false;
    QTest::newRow("pitched, no pole diameter") << "coverPitched" << "poleRound" << QStringList{"10", "10", "10", "5", ""} << false;
    QTest::newRow("arched, no pole height") << "coverArched" << "poleSquare" << QStringList{"10", "10", "10", "", "2"} << false;
    QTest::newRow("single pitch, no length") << "coverSinglePitch" << "poleRound" << QStringList{"", "10", "10", "5", "2"} << false;
    QTest::newRow("pitched, all set, roof height 0") << "coverPitched" << "poleRound" << all << true;
    QTest::newRow("V-shaped, all set") << "coverVShaped" << "poleSquare" << all << true;
}

void TestPlatformDialog::okRule()
{
    QFETCH(QString, cover);
    QFETCH(QString, pole);
    QFETCH(QStringList, sizes);
    QFETCH(bool, enabled);

    CPlatform platform;
    CPlatformDlg dialog;
    WhenModal([&](QDialog& shown) {
        QVERIFY(!OkButton(shown)->isEnabled());
        const char* edits[] = {"length", "width", "height", "poleHeight", "poleDiameter"};
        for (int index = 0; index < 5; ++index) {
            if (!sizes[index].isEmpty())
                Retype(Control(shown, QString::fromLatin1(edits[index])), sizes[index]);
        }
        if (!cover.isEmpty())
            QTest::mouseClick(Control(shown, cover), Qt::LeftButton);
        if (!pole.isEmpty())
            QTest::mouseClick(Control(shown, pole), Qt::LeftButton);
        QCOMPARE(OkButton(shown)->isEnabled(), enabled);
        QTest::keyClick(&shown, Qt::Key_Escape);
    });
    QVERIFY(!dialog.Edit(platform, m_owner));
}

void TestPlatformDialog::okFollowsEveryChange()
{
    CPlatform platform;
    CPlatformDlg dialog;
    WhenModal([](QDialog& shown) {
        QVERIFY(!IsChecked(shown, "coverNone"));
        QVERIFY(!IsChecked(shown, "poleRound") && !IsChecked(shown, "poleSquare"));
        for (const char* name : {"length", "width", "height"})
            Retype(Control(shown, QString::fromLatin1(name)), "10");
        QCOMPARE(OkHint(shown), QString("Choose a cover type"));
        QTest::mouseClick(Control(shown, "coverNone"), Qt::LeftButton);
        QVERIFY(OkButton(shown)->isEnabled());
        QCOMPARE(OkHint(shown), QString());
        Retype(Control(shown, "width"), "");
        QVERIFY(!OkButton(shown)->isEnabled());
        QCOMPARE(OkHint(shown), QString("Width must be more than 0"));
        QTest::keyClicks(Control(shown, "width"), "7");
        QVERIFY(OkButton(shown)->isEnabled());
        // A cover with poles asks for a pole style and pole sizes as well.
        QTest::mouseClick(Control(shown, "coverPitched"), Qt::LeftButton);
        QVERIFY(!OkButton(shown)->isEnabled());
        QCOMPARE(OkHint(shown), QString("Choose a pole style"));
        QTest::mouseClick(Control(shown, "poleRound"), Qt::LeftButton);
        QVERIFY(!OkButton(shown)->isEnabled());
        QCOMPARE(OkHint(shown), QString("Pole height must be more than 0"));
        Retype(Control(shown, "poleHeight"), "30");
        QVERIFY(!OkButton(shown)->isEnabled());
        QCOMPARE(OkHint(shown), QString("Pole diameter must be more than 0"));
        Retype(Control(shown, "poleDiameter"), "2");
        QVERIFY(OkButton(shown)->isEnabled());
        QCOMPARE(OkHint(shown), QString());
        Retype(Control(shown, "roofHeight"), "0");
        QVERIFY(OkButton(shown)->isEnabled());
        QTest::mouseClick(OkButton(shown), Qt::LeftButton);
    });
    QVERIFY(dialog.Edit(platform, m_owner));
    QCOMPARE(platform.m_coverType, kCoverPitched);
    QCOMPARE(platform.m_poleStyle, kPoleRound);
    QCOMPARE(platform.m_width, 7);
}

void TestPlatformDialog::enterWhileOkIsDisabledKeepsTheDialogOpen()
{
    CPlatform platform;
    CPlatformDlg dialog;
    bool stillOpen = false;
    WhenModal([&stillOpen](QDialog& shown) {
        QTest::keyClick(Control(shown, "description"), Qt::Key_Return);
        stillOpen = shown.isVisible();
    });
    QVERIFY(!dialog.Edit(platform, m_owner));
    QVERIFY(stillOpen);
}

void TestPlatformDialog::loadedPlatformRoundTrips()
{
    CPlatform original;
    FillSample(original);
    CPlatform platform;
    FillSample(platform);
    CPlatformDlg dialog;
    WhenModal([](QDialog& shown) {
        QCOMPARE(shown.windowTitle(), QStringLiteral("Platform edit dialog"));
        QVERIFY(IsChecked(shown, "coverArched"));
        QVERIFY(IsChecked(shown, "poleSquare"));
        QCOMPARE(qobject_cast<QLineEdit*>(Control(shown, "polesPerSide"))->text(), QStringLiteral("5"));
        QCOMPARE(qobject_cast<CColorButton*>(Control(shown, "sideColor"))->GetColor(), kAutomaticColor);
        QVERIFY(OkButton(shown)->isEnabled());
        QTest::mouseClick(OkButton(shown), Qt::LeftButton);
    });
    QVERIFY(dialog.Edit(platform, m_owner));
    QVERIFY(SameFields(platform, original));
}

void TestPlatformDialog::okStoresWhatWasTyped()
{
    CPlatform platform;
    CPlatformDlg dialog;
    WhenModal([](QDialog& shown) {
        Retype(Control(shown, "description"), "Halt");
        Retype(Control(shown, "catalogNo"), "");
        Retype(Control(shown, "price"), "");
        Retype(Control(shown, "partsPerPackage"), "4");
        QTest::keyClick(Control(shown, "units"), Qt::Key_Down);
        const std::pair<const char*, const char*> sizes[] = {{"length", "120"}, {"width", "-30"}, {"height", "6"},
            {"poleHeight", "40"}, {"roofHeight", "9"}, {"edgeDistance", "3"}, {"polesPerSide", "4"}, {"poleDiameter", "2"}};
        for (const auto& [name, text] : sizes)
            Retype(Control(shown, QString::fromLatin1(name)), QString::fromLatin1(text));
        QTest::mouseClick(Control(shown, "coverSinglePitch"), Qt::LeftButton);
        QTest::mouseClick(Control(shown, "poleSquare"), Qt::LeftButton);
        auto* roofColor = qobject_cast<CColorButton*>(Control(shown, "roofColor"));
        QTest::mouseClick(roofColor, Qt::LeftButton);
        QVERIFY(roofColor->Popup());
        QTest::keyClick(roofColor->Popup(), Qt::Key_Up);
        QTest::keyClick(roofColor->Popup(), Qt::Key_Return);
        auto* freeText = Control(shown, "freeText");
        freeText->setFocus();
        QTest::keyClicks(freeText, "a");
        QTest::keyClick(freeText, Qt::Key_Return);
        QTest::keyClicks(freeText, "b");
        QTest::mouseClick(OkButton(shown), Qt::LeftButton);
    });
    QVERIFY(dialog.Edit(platform, m_owner));
    QCOMPARE(platform.m_name, std::string("Halt"));
    QCOMPARE(platform.m_catalogNo, std::string(" "));
    QCOMPARE(platform.m_price, std::string("0"));
    QCOMPARE(platform.m_partsPerPackage, 4);
    QCOMPARE(platform.m_units, kUnitsInches);
    QCOMPARE(platform.m_length, 120);
    QCOMPARE(platform.m_width, 30); // digits only: the minus sign cannot be typed
    QCOMPARE(platform.m_height, 6);
    QCOMPARE(platform.m_poleHeight, 40);
    QCOMPARE(platform.m_roofHeight, 9);
    QCOMPARE(platform.m_edgeDistance, 3);
    QCOMPARE(platform.m_polesPerSide, 4);
    QCOMPARE(platform.m_poleDiameter, 2);
    QCOMPARE(platform.m_coverType, kCoverSinglePitch);
    QCOMPARE(platform.m_poleStyle, kPoleSquare);
    // The roof colour starts on "Dark red" (not a named colour: 127, 0, 0 is not 139, 0, 0),
    // so the popup opens on "More Colors..." and Up goes to the last cell, "White".
    QCOMPARE(platform.m_roofColor, RGB(255, 255, 255));
    QCOMPARE(platform.m_freeText, std::string("a\nb"));
}

void TestPlatformDialog::cancelTouchesNothing()
{
    CPlatform original;
    FillSample(original);
    CPlatform platform;
    FillSample(platform);
    CPlatformDlg dialog;
    WhenModal([](QDialog& shown) {
        Retype(Control(shown, "description"), "Other");
        Retype(Control(shown, "length"), "1");
        QTest::mouseClick(Control(shown, "coverNone"), Qt::LeftButton);
        QTest::mouseClick(Control(shown, "poleRound"), Qt::LeftButton);
        auto* topColor = qobject_cast<CColorButton*>(Control(shown, "topColor"));
        QTest::mouseClick(topColor, Qt::LeftButton);
        QVERIFY(topColor->Popup());
        QTest::keyClick(topColor->Popup(), Qt::Key_Down);
        QTest::keyClick(topColor->Popup(), Qt::Key_Return);
        QTest::mouseClick(DialogButton(shown, QDialogButtonBox::Cancel), Qt::LeftButton);
    });
    QVERIFY(!dialog.Edit(platform, m_owner));
    QVERIFY(SameFields(platform, original));
}

QTEST_MAIN(TestPlatformDialog)
#include "tst_platform_dialog.moc"
