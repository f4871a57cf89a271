#include "model/ChoiceCodes.h"
#include "ui/DecorationPreview.h"

#include <QImage>
#include <QTest>

namespace {

const QColor kMain(200, 30, 30);
const QColor kInner(40, 90, 220);
const QColor kWhite(Qt::white);
const QColor kBlack(Qt::black);

// Columns inside the glass away from the middle bar and from the arched corners.
constexpr int kGlassColumn = 20;
constexpr int kMiddleBar = 35;

QImage Paint(int mainType, int subtype, int windowCount)
{
    CDecorationPreview preview;
    preview.m_mainColor = RGB(200, 30, 30);
    preview.m_innerColor = RGB(40, 90, 220);
    preview.m_backgroundColor = RGB(0, 128, 0);
    preview.m_mainType = mainType;
    preview.m_subtype = subtype;
    preview.m_windowCount = windowCount;
    return preview.Render();
}

// The rows of main colour crossing the glass at x, as the last row of each run: a two pixel
// bar drawn at y covers rows y - 1 and y.
QList<int> BarRows(const QImage& image, int x, int top, int bottom)
{
    QList<int> rows;
    for (int y = top; y < bottom; ++y)
        if (image.pixelColor(x, y) == kMain && image.pixelColor(x, y + 1) != kMain)
            rows << y;
    return rows;
}

} // namespace

class TestDecorationPreview : public QObject {
    Q_OBJECT
private slots:
    void fieldIsWhiteInABlackFrame();
    void bodyHasASquareOrArchedTop();
    void doorShowsNoGlassWhateverTheCount();
    void glassFillsTheDoorWindowOrTheWindow_data();
    void glassFillsTheDoorWindowOrTheWindow();
    void barsDivideTheGlassIntoPanes_data();
    void barsDivideTheGlassIntoPanes();
    void reportsClicks();
};

void TestDecorationPreview::fieldIsWhiteInABlackFrame()
{
    const QImage image = Paint(0, 0, 1);
    QCOMPARE(image.size(), QSize(80, 120));
    for (const QPoint corner : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 119), QPoint(79, 119), QPoint(40, 119)})
        QCOMPARE(image.pixelColor(corner), kBlack);
    for (const QPoint inside : {QPoint(1, 1), QPoint(78, 118), QPoint(70, 60), QPoint(5, 60)})
        QCOMPARE(image.pixelColor(inside), kWhite);
}

void TestDecorationPreview::bodyHasASquareOrArchedTop()
{
    const QImage square = Paint(kDecorationBaseA, 0, 1);
    QCOMPARE(square.pixelColor(10, 20), kMain);
    QCOMPARE(square.pixelColor(59, 109), kMain);
    QCOMPARE(square.pixelColor(9, 60), kWhite);
    QCOMPARE(square.pixelColor(60, 60), kWhite);
    QCOMPARE(square.pixelColor(35, 110), kWhite);
    QCOMPARE(square.pixelColor(35, 12), kWhite);

    const QImage arched = Paint(kDecorationBaseB, 0, 1);
    QCOMPARE(arched.pixelColor(35, 11), kMain);
    QCOMPARE(arched.pixelColor(11, 11), kWhite);
    QCOMPARE(arched.pixelColor(58, 11), kWhite);
    QCOMPARE(arched.pixelColor(35, 9), kWhite);
}

void TestDecorationPreview::doorShowsNoGlassWhateverTheCount()
{
    for (const int count : {1, 8}) {
        const QImage door = Paint(kDecorationBaseB, kDecorationDoor, count);
        QCOMPARE(door.pixelColor(kGlassColumn, 60), kMain);
        QCOMPARE(door.pixelColor(kMiddleBar, 60), kMain);
        QCOMPARE(door.pixelColor(35, 15), kMain);
    }
}

void TestDecorationPreview::glassFillsTheDoorWindowOrTheWindow_data()
{
    QTest::addColumn<int>("mainType");
    QTest::addColumn<int>("subtype");
    QTest::addColumn<int>("glassTop");
    QTest::addColumn<int>("glassBottom");
    QTest::newRow("door with window") << kDecorationBaseA << kDecorationDoorWithWindow << 23 << 81;
    QTest::newRow("window") << kDecorationBaseA << kDecorationWindow << 23 << 107;
    QTest::newRow("arched door with window") << kDecorationBaseB << kDecorationDoorWithWindow << 13 << 81;
    QTest::newRow("arched window") << kDecorationBaseB << kDecorationWindow << 13 << 107;
}

void TestDecorationPreview::glassFillsTheDoorWindowOrTheWindow()
{
    QFETCH(int, mainType);
    QFETCH(int, subtype);
    QFETCH(int, glassTop);
    QFETCH(int, glassBottom);
    const QImage image = Paint(mainType, subtype, 1);
    QCOMPARE(image.pixelColor(13, 23), kInner);
    QCOMPARE(image.pixelColor(56, glassBottom - 1), kInner);
    QCOMPARE(image.pixelColor(56, glassBottom), kMain);
    QCOMPARE(image.pixelColor(12, 50), kMain);
    QCOMPARE(image.pixelColor(57, 50), kMain);
    // The top of the glass, in the middle where an arch reaches highest.
    QCOMPARE(image.pixelColor(kMiddleBar, glassTop), kInner);
    QCOMPARE(image.pixelColor(kMiddleBar, glassTop - 1), kMain);
    // One pane: no bars.
    QCOMPARE(image.pixelColor(kMiddleBar, 60), kInner);
}

void TestDecorationPreview::barsDivideTheGlassIntoPanes_data()
{
    QTest::addColumn<int>("mainType");
    QTest::addColumn<int>("subtype");
    QTest::addColumn<int>("windowCount");
    QTest::addColumn<QList<int>>("rows");
    const int square = kDecorationBaseA;
    const int arched = kDecorationBaseB;
    const int window = kDecorationWindow;
    const int door = kDecorationDoorWithWindow;
    QTest::newRow("window 2") << square << window << 2 << QList<int>{};
    QTest::newRow("window 4") << square << window << 4 << QList<int>{65};
    QTest::newRow("window 6") << square << window << 6 << QList<int>{51, 79};
    QTest::newRow("window 8") << square << window << 8 << QList<int>{44, 65, 86};
    QTest::newRow("arched window 4") << arched << window << 4 << QList<int>{60};
    QTest::newRow("arched window 6") << arched << window << 6 << QList<int>{45, 76};
    QTest::newRow("arched window 8") << arched << window << 8 << QList<int>{37, 60, 84};
    QTest::newRow("door with window 6") << square << door << 6 << QList<int>{43, 62};
    QTest::newRow("door with window 8") << square << door << 8 << QList<int>{38, 52, 67};
}

void TestDecorationPreview::barsDivideTheGlassIntoPanes()
{
    QFETCH(int, mainType);
    QFETCH(int, subtype);
    QFETCH(int, windowCount);
    QFETCH(QList<int>, rows);
    const QImage image = Paint(mainType, subtype, windowCount);
    const int glassBottom = subtype == kDecorationWindow ? 107 : 81;
    QCOMPARE(BarRows(image, kGlassColumn, 24, glassBottom - 1), rows);
    for (const int y : rows) {
        QCOMPARE(image.pixelColor(kGlassColumn, y - 1), kMain);
        QCOMPARE(image.pixelColor(kGlassColumn, y - 2), kInner);
        QCOMPARE(image.pixelColor(13, y), kMain);
        QCOMPARE(image.pixelColor(56, y), kMain);
    }
    // The middle bar, two pixels wide, from top to bottom of the glass.
    for (const int y : {30, glassBottom - 2}) {
        QCOMPARE(image.pixelColor(kMiddleBar - 1, y), kMain);
        QCOMPARE(image.pixelColor(kMiddleBar, y), kMain);
        QCOMPARE(image.pixelColor(kMiddleBar - 2, y), kInner);
        QCOMPARE(image.pixelColor(kMiddleBar + 1, y), kInner);
    }
}

void TestDecorationPreview::reportsClicks()
{
    CDecorationPreview preview;
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    int clicks = 0;
    connect(&preview, &CDecorationPreview::clicked, this, [&clicks] { ++clicks; });
    QTest::mouseClick(&preview, Qt::LeftButton, {}, QPoint(40, 60));
    QCOMPARE(clicks, 1);
}

QTEST_MAIN(TestDecorationPreview)
#include "tst_decoration_preview.moc"
