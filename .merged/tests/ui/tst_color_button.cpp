#include "ModalDialogDriver.h"

#include "ui/ColorButton.h"
#include "ui/ColorPopup.h"
#include "ui/ColorTable.h"

#include <QColorDialog>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QVBoxLayout>

namespace {

constexpr int kAuto = CColorPopup::kAutomaticCell;
constexpr int kMore = CColorPopup::kCustomCell;
constexpr COLORREF kRed = RGB(255, 0, 0);          // cell 16
constexpr COLORREF kOffTable = RGB(1, 2, 3);

// A window holding one colour button, placed where the test wants it on the screen.
struct SButtonWindow {
    QWidget window;
    CColorButton* button;

    explicit SButtonWindow(QPoint position = QPoint(100, 100))
    {
        auto* layout = new QVBoxLayout(&window);
        button = new CColorButton;
        layout->addWidget(button);
        window.move(position);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    CColorPopup* Open()
    {
        QTest::mouseClick(button, Qt::LeftButton);
        CColorPopup* popup = button->Popup();
        return popup && QTest::qWaitForWindowExposed(popup) ? popup : nullptr;
    }
};

void Hover(CColorPopup& popup, int cell)
{
    // A move to where the mouse already is sends nothing, so step onto the border first
    // (a null point would mean the centre).
    QTest::mouseMove(&popup, QPoint(1, 1));
    QTest::mouseMove(&popup, popup.CellRect(cell).center());
    QTRY_COMPARE(popup.CurrentCell(), cell);
}

// The button's signals by name, in the order they came.
class CSignalLog : public QObject {
public:
    explicit CSignalLog(CColorButton& button)
    {
        connect(&button, &CColorButton::DropDown, this, [this](COLORREF) { names << "DropDown"; });
        connect(&button, &CColorButton::CloseUp, this, [this](COLORREF) { names << "CloseUp"; });
        connect(&button, &CColorButton::SelEndOk, this, [this](COLORREF) { names << "SelEndOk"; });
        connect(&button, &CColorButton::SelEndCancel, this, [this](COLORREF) { names << "SelEndCancel"; });
        connect(&button, &CColorButton::SelChange, this, [this](COLORREF) { names << "SelChange"; });
    }

    QStringList names;
};

} // namespace

class TestColorButton : public QObject {
    Q_OBJECT
private slots:
    void init();
    void namedColorTable();
    void arrowKeys_data();
    void arrowKeys();
    void chosenCellOnOpening_data();
    void chosenCellOnOpening();
    void automaticGivesTheDefaultMarker();
    void enterTakesTheHighlightedColor();
    void escapeRestoresTheInitialColor();
    void clickOutsideCancels();
    void releaseOnTheBorderKeepsTheHighlight();
    void hotAndChosenCellsCarryAFrameOfTheirOwnColour();
    void moreColorsTakesTheDialogsColor();
    void moreColorsFromAutomaticStartsFromTheDefaultColor();
    void cancellingTheColorDialogCancelsTheSelection();
    void deactivatingTheApplicationCancels();
    void popupStaysOnTheScreen();
    void cellsShowTheirNamesAsToolTips();
};

void TestColorButton::init()
{
    QLocale::setDefault(QLocale::c());
}

void TestColorButton::namedColorTable()
{
    QCOMPARE(kNamedColors.size(), size_t(40));
    QCOMPARE(NamedColorName(1), QStringLiteral("Brown"));
    QCOMPARE(kNamedColors[1].color, RGB(165, 42, 0));
    QCOMPARE(FindNamedColor(RGB(255, 255, 255)), 39);
    QCOMPARE(FindNamedColor(kOffTable), -1);
    QCOMPARE(FindNamedColor(kAutomaticColor), -1);
    QCOMPARE(ToColorRef(ToQColor(RGB(10, 20, 30))), RGB(10, 20, 30));
}

void TestColorButton::arrowKeys_data()
{
    QTest::addColumn<bool>("automaticBox");
    QTest::addColumn<bool>("moreBox");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");

    const int down = Qt::Key_Down, up = Qt::Key_Up, right = Qt::Key_Right, left = Qt::Key_Left;
    QTest::newRow("automatic down") << true << true << kAuto << down << 0;
    QTest::newRow("automatic up") << true << true << kAuto << up << kMore;
    QTest::newRow("automatic right") << true << true << kAuto << right << 0;
    QTest::newRow("automatic left") << true << true << kAuto << left << kMore;
    QTest::newRow("more down") << true << true << kMore << down << kAuto;
    QTest::newRow("more up") << true << true << kMore << up << 39;
    QTest::newRow("more right") << true << true << kMore << right << kAuto;
    QTest::newRow("more left") << true << true << kMore << left << 39;
    QTest::newRow("inside down") << true << true << 12 << down << 20;
    QTest::newRow("inside up") << true << true << 12 << up << 4;
    QTest::newRow("end of row right") << true << true << 7 << right << 8;
    QTest::newRow("start of row left") << true << true << 8 << left << 7;
    QTest::newRow("top row up") << true << true << 3 << up << kAuto;
    QTest::newRow("first cell left") << true << true << 0 << left << kAuto;
    QTest::newRow("bottom row down") << true << true << 35 << down << kMore;
    QTest::newRow("last cell right") << true << true << 39 << right << kMore;
    QTest::newRow("no boxes: top row up") << false << false << 3 << up << 39;
    QTest::newRow("no boxes: bottom row down") << false << false << 35 << down << 0;
    QTest::newRow("no boxes: last cell right") << false << false << 39 << right << 0;
    QTest::newRow("no boxes: first cell left") << false << false << 0 << left << 39;
    QTest::newRow("more only: top row up") << false << true << 3 << up << kMore;
    QTest::newRow("more only: more down") << false << true << kMore << down << 0;
    QTest::newRow("more only: more right") << false << true << kMore << right << 0;
    QTest::newRow("automatic only: bottom row down") << true << false << 35 << down << kAuto;
    QTest::newRow("automatic only: automatic up") << true << false << kAuto << up << 39;
}

void TestColorButton::arrowKeys()
{
    QFETCH(bool, automaticBox);
    QFETCH(bool, moreBox);
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, expected);

    SButtonWindow window;
    if (!automaticBox)
        window.button->SetDefaultText(QString());
    if (!moreBox)
        window.button->SetCustomText(QString());
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    Hover(*popup, from);
    QSignalSpy highlights(window.button, &CColorButton::SelChange);
    QTest::keyClick(popup, static_cast<Qt::Key>(key));
    QCOMPARE(popup->CurrentCell(), expected);
    QCOMPARE(highlights.count(), 1);
    QTest::keyClick(popup, Qt::Key_Escape);
}

void TestColorButton::chosenCellOnOpening_data()
{
    QTest::addColumn<COLORREF>("color");
    QTest::addColumn<bool>("moreBox");
    QTest::addColumn<int>("chosen");
    QTest::newRow("automatic") << kAutomaticColor << true << kAuto;
    QTest::newRow("named colour") << kRed << true << 16;
    QTest::newRow("colour off the table") << kOffTable << true << kMore;
    QTest::newRow("off the table, no more box") << kOffTable << false << int(CColorPopup::kNoCell);
}

void TestColorButton::chosenCellOnOpening()
{
    QFETCH(COLORREF, color);
    QFETCH(bool, moreBox);
    QFETCH(int, chosen);
    SButtonWindow window;
    window.button->SetColor(color);
    if (!moreBox)
        window.button->SetCustomText(QString());
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    QCOMPARE(popup->ChosenCell(), chosen);
    QCOMPARE(popup->CurrentCell(), int(CColorPopup::kNoCell));
    QVERIFY(window.button->IsPopupActive());
    QTest::keyClick(popup, Qt::Key_Escape);
}

void TestColorButton::automaticGivesTheDefaultMarker()
{
    SButtonWindow window;
    window.button->SetColor(kRed);
    window.button->SetDefaultColor(RGB(0, 0, 255));
    CSignalLog log(*window.button);
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    QCOMPARE(log.names, QStringList{"DropDown"});
    Hover(*popup, kAuto);
    log.names.clear();
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->CellRect(kAuto).center());

    QCOMPARE(window.button->GetColor(), COLORREF(0xFF000000));
    QVERIFY(!window.button->IsPopupActive());
    QCOMPARE(log.names, (QStringList{"CloseUp", "SelEndOk", "SelChange"}));
    // The swatch shows the default colour while the colour is "Automatic".
    const QImage look = window.button->grab().toImage();
    QCOMPARE(look.pixelColor(look.width() / 3, look.height() / 2), QColor(0, 0, 255));
    QTRY_VERIFY(!window.button->Popup());
}

void TestColorButton::enterTakesTheHighlightedColor()
{
    SButtonWindow window;
    window.button->SetColor(kRed);
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    QTest::keyClick(popup, Qt::Key_Right);
    QCOMPARE(popup->CurrentCell(), 17);
    QCOMPARE(window.button->GetColor(), kRed);
    QTest::keyClick(popup, Qt::Key_Return);
    QCOMPARE(window.button->GetColor(), kNamedColors[17].color);

    popup = window.Open();
    QVERIFY(popup);
    QSignalSpy ends(window.button, &CColorButton::SelEndOk);
    QSignalSpy changes(window.button, &CColorButton::SelChange);
    QTest::keyClick(popup, Qt::Key_Space);
    QCOMPARE(ends.count(), 1);
    QCOMPARE(changes.count(), 0);
    QCOMPARE(window.button->GetColor(), kNamedColors[17].color);
}

void TestColorButton::escapeRestoresTheInitialColor()
{
    SButtonWindow window;
    window.button->SetColor(kRed);
    window.button->SetTrackSelection(true);
    CSignalLog log(*window.button);
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Down);
    QCOMPARE(window.button->GetColor(), kNamedColors[32].color);
    QSignalSpy cancels(window.button, &CColorButton::SelEndCancel);
    QTest::keyClick(popup, Qt::Key_Escape);
    QCOMPARE(window.button->GetColor(), kRed);
    QCOMPARE(cancels.count(), 1);
    QCOMPARE(cancels.first().first().value<COLORREF>(), kRed);
    QCOMPARE(log.names.mid(3), (QStringList{"CloseUp", "SelEndCancel"}));
}

void TestColorButton::clickOutsideCancels()
{
    SButtonWindow window;
    window.button->SetColor(kRed);
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    Hover(*popup, 5);
    QSignalSpy cancels(window.button, &CColorButton::SelEndCancel);
    QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(-20, popup->height() + 20));
    QCOMPARE(cancels.count(), 1);
    QCOMPARE(window.button->GetColor(), kRed);
    QVERIFY(!window.button->IsPopupActive());
}

void TestColorButton::releaseOnTheBorderKeepsTheHighlight()
{
    SButtonWindow window;
    window.button->SetColor(kRed);
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    Hover(*popup, 5);
    QTest::mouseClick(popup, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(window.button->GetColor(), kNamedColors[5].color);
}

void TestColorButton::hotAndChosenCellsCarryAFrameOfTheirOwnColour()
{
    SButtonWindow window;
    window.button->SetColor(kRed);
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    Hover(*popup, 5);
    const int chosen = popup->ChosenCell();
    QVERIFY(chosen >= 0 && chosen != 5);
    const QImage look = popup->grab().toImage();
    const auto frameColour = [&look, popup](int cell) {
        const QRect cellRect = popup->CellRect(cell);
        // One pixel inside the cell's edge, halfway down its left side.
        return look.pixelColor(cellRect.left() + 1, cellRect.center().y());
    };
    QCOMPARE(frameColour(5), popup->palette().color(QPalette::Highlight));
    QCOMPARE(frameColour(chosen), popup->palette().color(QPalette::Text));
    QVERIFY(frameColour(6) != popup->palette().color(QPalette::Highlight));
    SaveScreenshot(*popup, "colour_popup_hot_and_chosen");
}

void TestColorButton::moreColorsTakesTheDialogsColor()
{
    SButtonWindow window;
    window.button->SetColor(kOffTable);
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    Hover(*popup, kMore);
    QColor started;
    WhenModal([&started](QDialog& dialog) {
        auto* colors = qobject_cast<QColorDialog*>(&dialog);
        QVERIFY(colors);
        started = colors->currentColor();
        colors->setCurrentColor(QColor(10, 20, 30));
        QTest::keyClick(colors, Qt::Key_Return);
    });
    QSignalSpy ends(window.button, &CColorButton::SelEndOk);
    QTest::keyClick(popup, Qt::Key_Return);
    QCOMPARE(started, QColor(1, 2, 3));
    QCOMPARE(ends.count(), 1);
    QCOMPARE(window.button->GetColor(), RGB(10, 20, 30));
    QTRY_VERIFY(!window.button->Popup());
}

void TestColorButton::moreColorsFromAutomaticStartsFromTheDefaultColor()
{
    SButtonWindow window;
    window.button->SetDefaultColor(RGB(30, 60, 90));
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    Hover(*popup, kMore);
    QColor started;
    WhenModal([&started](QDialog& dialog) {
        started = qobject_cast<QColorDialog*>(&dialog)->currentColor();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QTest::keyClick(popup, Qt::Key_Space);
    QCOMPARE(started, QColor(30, 60, 90));
    QCOMPARE(window.button->GetColor(), kAutomaticColor);
}

void TestColorButton::cancellingTheColorDialogCancelsTheSelection()
{
    SButtonWindow window;
    window.button->SetColor(kRed);
    window.button->SetTrackSelection(true);
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    Hover(*popup, 5);
    Hover(*popup, kMore);
    WhenModal([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QSignalSpy cancels(window.button, &CColorButton::SelEndCancel);
    QSignalSpy ends(window.button, &CColorButton::SelEndOk);
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->CellRect(kMore).center());
    QCOMPARE(cancels.count(), 1);
    QCOMPARE(ends.count(), 0);
    QCOMPARE(window.button->GetColor(), kRed);
}

void TestColorButton::deactivatingTheApplicationCancels()
{
    SButtonWindow window;
    window.button->SetColor(kRed);
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    Hover(*popup, 5);
    QSignalSpy cancels(window.button, &CColorButton::SelEndCancel);
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    QCOMPARE(cancels.count(), 1);
    QCOMPARE(window.button->GetColor(), kRed);
    QTRY_VERIFY(!window.button->Popup());
}

void TestColorButton::popupStaysOnTheScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    SButtonWindow window(QPoint(screen.right() - 40, screen.bottom() - 60));
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    const QRect button(window.button->mapToGlobal(QPoint(0, 0)), window.button->size());
    QVERIFY(popup->geometry().right() <= screen.right());
    QCOMPARE(popup->geometry().bottom(), button.top() - 1);
    QTest::keyClick(popup, Qt::Key_Escape);
}

void TestColorButton::cellsShowTheirNamesAsToolTips()
{
    SButtonWindow window;
    CColorPopup* popup = window.Open();
    QVERIFY(popup);
    Hover(*popup, 1);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Brown"));
    Hover(*popup, 39);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("White"));
    QTest::keyClick(popup, Qt::Key_Escape);
}

QTEST_MAIN(TestColorButton)
#include "tst_color_button.moc"
