#include "model/ObjectManager.h"
#include "ui/ObjectListBox.h"

#include <QLocale>
#include <QPaintEvent>
#include <QTest>

#include <memory>

namespace {

// A list of named objects with the given names, in that order.
struct SNamedList {
    CObjectManager list;
    std::vector<CNamedObject*> objects;

    explicit SNamedList(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            auto object = std::make_unique<CNamedObject>();
            object->m_name = name;
            objects.push_back(object.get());
            list.Add(std::move(object));
        }
    }
};

QStringList Texts(const QListWidget& listBox)
{
    QStringList texts;
    for (int row = 0; row < listBox.count(); ++row)
        texts << listBox.item(row)->text();
    return texts;
}

class CPaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

class TestObjectListBox : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sortsAlphabeticallyIgnoringCase();
    void fillSelectsOnlyAnObjectOfTheList_data();
    void fillSelectsOnlyAnObjectOfTheList();
    void equalNamesAreToldApartByTheirObjects();
    void refreshMovesARenamedEntryAndKeepsItSelected();
    void refreshingAnUnselectedEntryLeavesTheSelection();
    void deletingTheSelectedEntrySelectsNothing();
    void operationsWithoutSelectionChangeNothing();
    void entriesAreDrawnInThePaletteColoursAndRepaintAtOnce();
};

void TestObjectListBox::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestObjectListBox::sortsAlphabeticallyIgnoringCase()
{
    SNamedList named{"banana", "Zebra", "apple", "Cherry", "Apple"};
    CObjectListBox listBox;
    listBox.FillFromList(named.list);
    // Equal texts but for case keep the order in which they were added.
    QCOMPARE(Texts(listBox), QStringList({"apple", "Apple", "banana", "Cherry", "Zebra"}));
    QCOMPARE(listBox.GetEntryObject(0), named.objects[2]);
    QCOMPARE(listBox.GetEntryObject(1), named.objects[4]);
}

void TestObjectListBox::fillSelectsOnlyAnObjectOfTheList_data()
{
    QTest::addColumn<bool>("empty");
    QTest::addColumn<bool>("selectMember");
    QTest::newRow("empty list") << true << false;
    QTest::newRow("object of the list") << false << true;
    QTest::newRow("object from elsewhere") << false << false;
}

void TestObjectListBox::fillSelectsOnlyAnObjectOfTheList()
{
    QFETCH(bool, empty);
    QFETCH(bool, selectMember);
    SNamedList named = empty ? SNamedList{} : SNamedList{"Tower", "Hall"};
    CNamedObject stranger;
    stranger.m_name = "Tower";
    CObjectListBox listBox;
    listBox.AddAndSelect(&stranger);

    listBox.FillFromList(named.list, selectMember ? named.objects[0] : &stranger);
    QCOMPARE(listBox.count(), empty ? 0 : 2);
    QCOMPARE(listBox.GetSelectedObject(), selectMember ? named.objects[0] : nullptr);
    QCOMPARE(listBox.FindObject(&stranger), -1);
}

void TestObjectListBox::equalNamesAreToldApartByTheirObjects()
{
    SNamedList named{"Door", "Door", "Attic"};
    CObjectListBox listBox;
    listBox.FillFromList(named.list, named.objects[1]);
    QCOMPARE(Texts(listBox), QStringList({"Attic", "Door", "Door"}));
    QCOMPARE(listBox.GetSelectedObject(), named.objects[1]);

    QVERIFY(listBox.DeleteSelected());
    QCOMPARE(listBox.FindObject(named.objects[1]), -1);
    QCOMPARE(listBox.FindObject(named.objects[0]), 1);
    // The list box never destroys what its entries carry.
    QCOMPARE(named.list.GetCount(), size_t(3));

    QVERIFY(listBox.SelectObject(named.objects[0]));
    QCOMPARE(listBox.GetSelectedIndex(), 1);
}

void TestObjectListBox::refreshMovesARenamedEntryAndKeepsItSelected()
{
    SNamedList named{"A1", "B", "C"};
    CObjectListBox listBox;
    listBox.FillFromList(named.list, named.objects[1]);
    named.objects[1]->m_name = "A";

    QVERIFY(listBox.RefreshSelected());
    QCOMPARE(Texts(listBox), QStringList({"A", "A1", "C"}));
    QCOMPARE(listBox.GetSelectedIndex(), 0);
    QCOMPARE(listBox.GetSelectedObject(), named.objects[1]);
}

void TestObjectListBox::refreshingAnUnselectedEntryLeavesTheSelection()
{
    SNamedList named{"Shed", "Mill", "Barn"};
    CObjectListBox listBox;
    listBox.FillFromList(named.list, named.objects[0]);
    named.objects[2]->m_name = "Windmill";

    QVERIFY(listBox.RefreshObject(named.objects[2]));
    QCOMPARE(Texts(listBox), QStringList({"Mill", "Shed", "Windmill"}));
    QCOMPARE(listBox.GetSelectedObject(), named.objects[0]);
    QVERIFY(!listBox.RefreshObject(nullptr));
}

void TestObjectListBox::deletingTheSelectedEntrySelectsNothing()
{
    SNamedList named{"One", "Two", "Three"};
    CObjectListBox listBox;
    listBox.show();
    listBox.FillFromList(named.list, named.objects[1]);
    QVERIFY(listBox.DeleteObject(named.objects[1]));
    QCOMPARE(listBox.GetSelectedObject(), nullptr);
    QCOMPARE(listBox.count(), 2);
}

void TestObjectListBox::operationsWithoutSelectionChangeNothing()
{
    SNamedList named{"Church"};
    CObjectListBox listBox;
    listBox.FillFromList(named.list);
    QCOMPARE(listBox.GetSelectedObject(), nullptr);
    QVERIFY(!listBox.RefreshSelected());
    QVERIFY(!listBox.DeleteSelected());
    QVERIFY(!listBox.AddAndSelect(nullptr));
    QVERIFY(!listBox.DeleteEntry(5));
    QCOMPARE(listBox.count(), 1);
}

void TestObjectListBox::entriesAreDrawnInThePaletteColoursAndRepaintAtOnce()
{
    SNamedList named{"Station", "Goods shed"};
    CObjectListBox listBox;
    listBox.resize(200, 120);
    listBox.FillFromList(named.list, named.objects[0]);
    listBox.show();
    QVERIFY(QTest::qWaitForWindowExposed(&listBox));

    const QRect entry = listBox.visualItemRect(listBox.item(listBox.FindObject(named.objects[0])));
    QCOMPARE(entry.height(), listBox.TextHeight() + 6);
    const QPoint beyondText(entry.right() - 10, entry.center().y());

    QPalette palette = listBox.palette();
    palette.setColor(QPalette::Highlight, QColor(10, 120, 30));
    palette.setColor(QPalette::Base, QColor(250, 240, 200));
    listBox.setPalette(palette);
    QImage shown = listBox.viewport()->grab().toImage();
    QCOMPARE(shown.pixelColor(beyondText), QColor(10, 120, 30));
    const QRect other = listBox.visualItemRect(listBox.item(listBox.FindObject(named.objects[1])));
    QCOMPARE(shown.pixelColor(other.right() - 10, other.center().y()), QColor(250, 240, 200));

    CPaintCounter counter;
    listBox.viewport()->installEventFilter(&counter);
    palette.setColor(QPalette::Highlight, QColor(200, 0, 90));
    listBox.setPalette(palette);
    QVERIFY(counter.paints > 0);
}

QTEST_MAIN(TestObjectListBox)
#include "tst_object_list_box.moc"
