#include "model/Building.h"
#include "model/PartsManager.h"
#include "model/Platform.h"
#include "model/Tree.h"
#include "ui/PartsTable.h"

#include <QCollator>
#include <QHeaderView>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>

#include <memory>

namespace {

template <class T>
T* AddPart(CPartsManager& parts, const char* name, const char* catalogNo = "", const char* price = "")
{
    auto part = std::make_unique<T>();
    part->m_name = name;
    part->m_catalogNo = catalogNo;
    part->m_price = price;
    T* added = part.get();
    parts.Add(std::move(part));
    return added;
}

QStringList Column(const CPartsTable& table, int column)
{
    QStringList texts;
    for (int row = 0; row < table.count(); ++row)
        texts << table.model()->index(row, column).data().toString();
    return texts;
}

void ClickHeader(CPartsTable& table, int column)
{
    QHeaderView* header = table.horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

} // namespace

class TestPartsTable : public QObject {
    Q_OBJECT

    std::unique_ptr<CPartsManager> m_parts;
    std::unique_ptr<CPartsTable> m_table;

private slots:
    void init()
    {
        m_parts = std::make_unique<CPartsManager>();
        m_table = std::make_unique<CPartsTable>();
        m_table->resize(600, 300);
        m_table->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_table.get()));
    }

    void cleanup()
    {
        m_table.reset();
        m_parts.reset();
    }

    void rowsShowKindNumberAndPriceWithFullTextsInTips()
    {
        const QString longName = QString("Goods shed with lean-to roof and loading dock, ").repeated(3);
        AddPart<CBuilding>(*m_parts, longName.toUtf8().constData(), "B-100", "24.95");
        AddPart<CTree>(*m_parts, "Oak", "T-1", "3.50");
        AddPart<CPlatform>(*m_parts, "Platform 1", "P-7", "");
        m_table->FillFromList(*m_parts);

        QCOMPARE(Column(*m_table, CPartsTableModel::description), (QStringList {longName, "Oak", "Platform 1"}));
        QCOMPARE(Column(*m_table, CPartsTableModel::kind), (QStringList {"Building", "Tree", "Platform"}));
        QCOMPARE(Column(*m_table, CPartsTableModel::catalogNo), (QStringList {"B-100", "T-1", "P-7"}));
        QCOMPARE(Column(*m_table, CPartsTableModel::price), (QStringList {"24.95", "3.50", ""}));
        const QAbstractItemModel& model = *m_table->model();
        QCOMPARE(model.index(0, 0).data(Qt::ToolTipRole).toString(), longName);
        for (int row = 0; row < 3; ++row)
            QVERIFY(!model.index(row, CPartsTableModel::kind).data(Qt::DecorationRole).value<QIcon>().pixmap(16).isNull());
        QCOMPARE(model.headerData(CPartsTableModel::catalogNo, Qt::Horizontal).toString(), QString("Catalogue no"));
        QCOMPARE(m_table->GetSelectedObject(), nullptr);
    }

    // However narrow the table and however long the names, Price is never pushed out of sight.
    void everyColumnFitsAndTheNameTakesTheRest()
    {
        AddPart<CBuilding>(*m_parts, std::string(200, 'W').c_str(), "B-100", "24.95");
        m_table->FillFromList(*m_parts);
        const QHeaderView* header = m_table->horizontalHeader();
        const QFontMetrics metrics = m_table->fontMetrics();
        for (const int width : {420, 600, 1400}) {
            m_table->resize(width, 300);
            QCoreApplication::processEvents();
            QVERIFY2(header->length() <= m_table->viewport()->width(), qPrintable(QString::number(width)));
            // Narrow, the name keeps room for 24 letters and the others give up what their
            // texts do not need.
            if (width < 600) {
                QVERIFY(header->sectionSize(CPartsTableModel::description) >= metrics.horizontalAdvance(QString(24, u'n')));
                QVERIFY(header->sectionSize(CPartsTableModel::price) >= metrics.horizontalAdvance(QStringLiteral("00000.00")));
                QVERIFY(header->sectionSize(CPartsTableModel::price) < 80);
            } else {
                QCOMPARE(header->sectionSize(CPartsTableModel::price), 80);
            }
        }
        const int wide = header->sectionSize(CPartsTableModel::description);
        QVERIFY(wide > 1000);

        // Widths saved by an earlier layout come back, and the name still takes the rest.
        const QByteArray saved = header->saveState();
        CPartsTable other;
        other.resize(1400, 300);
        other.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        other.RestoreColumns(saved);
        QCOMPARE(other.horizontalHeader()->sectionResizeMode(CPartsTableModel::description), QHeaderView::Stretch);
        QCOMPARE(other.horizontalHeader()->sectionSize(CPartsTableModel::price), 80);

        // The first start has nothing saved: a table squeezed before it was laid out still
        // gets its columns' widths once it is wide.
        CPartsTable first;
        first.resize(120, 300);
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        first.RestoreColumns(QByteArray());
        first.resize(600, 300);
        QCoreApplication::processEvents();
        QCOMPARE(first.horizontalHeader()->sectionSize(CPartsTableModel::kind), 100);
        QCOMPARE(first.horizontalHeader()->sectionSize(CPartsTableModel::catalogNo), 120);
        QCOMPARE(first.horizontalHeader()->sectionSize(CPartsTableModel::price), 80);
    }

    void headerClicksSortAndKeepTheSelectedPart()
    {
        AddPart<CTree>(*m_parts, "pine", "T-10", "12.00");
        CTree* oak = AddPart<CTree>(*m_parts, "Oak", "t-9", "9.50");
        AddPart<CBuilding>(*m_parts, "ash house", "T-100", "100");
        m_table->FillFromList(*m_parts);
        QCOMPARE(Column(*m_table, 0), (QStringList {"ash house", "Oak", "pine"}));
        QVERIFY(m_table->SelectObject(oak));

        ClickHeader(*m_table, CPartsTableModel::catalogNo);
        QCOMPARE(Column(*m_table, CPartsTableModel::catalogNo), (QStringList {"t-9", "T-10", "T-100"}));
        QCOMPARE(m_table->GetSelectedObject(), oak);
        ClickHeader(*m_table, CPartsTableModel::catalogNo);
        QCOMPARE(Column(*m_table, CPartsTableModel::catalogNo), (QStringList {"T-100", "T-10", "t-9"}));
        QCOMPARE(m_table->GetSelectedObject(), oak);
        ClickHeader(*m_table, CPartsTableModel::price);
        QCOMPARE(Column(*m_table, CPartsTableModel::price), (QStringList {"9.50", "12.00", "100"}));
        // Equal kinds fall back to the names.
        ClickHeader(*m_table, CPartsTableModel::kind);
        QCOMPARE(Column(*m_table, 0), (QStringList {"ash house", "Oak", "pine"}));
        QCOMPARE(m_table->GetSelectedObject(), oak);
    }

    void namesSortLikeTheCollatorIgnoringCase_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    }

    void namesSortLikeTheCollatorIgnoringCase()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
        m_table = std::make_unique<CPartsTable>();
        const QStringList syllables {"Bahn", "hof", "Über", "über", "ä", "Zaun", "eiche", "Éclair", "weg", "10", "9", ""};
        QStringList names;
        for (int index = 0; index < 400; ++index) {
            QString name;
            for (int part = 0; part < 3; ++part)
                name += syllables[QRandomGenerator::global()->bounded(int(syllables.size()))];
            names << name;
            AddPart<CTree>(*m_parts, name.toUtf8().constData());
        }
        m_table->FillFromList(*m_parts);
        QCollator collator(locale);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(names.begin(), names.end(), [&collator](const QString& left, const QString& right) {
            return collator.compare(left, right) < 0;
        });
        QCOMPARE(Column(*m_table, 0), names);
    }

    void filterNarrowsByNameOrNumberWhileRowsComeAndGo()
    {
        CTree* oak = AddPart<CTree>(*m_parts, "Oak", "T-1");
        CTree* pine = AddPart<CTree>(*m_parts, "Pine", "OAK-2");
        CBuilding* shed = AddPart<CBuilding>(*m_parts, "Shed", "B-1");
        CTree* cork = AddPart<CTree>(*m_parts, "Cork oak", "T-3");
        m_table->FillFromList(*m_parts);
        m_table->SelectObject(cork);

        m_table->SetFilter("oak");
        QCOMPARE(Column(*m_table, 0), (QStringList {"Cork oak", "Oak", "Pine"}));
        QCOMPARE(m_table->GetSelectedObject(), cork);
        QCOMPARE(m_table->FindObject(shed), -1);

        // Rows taken away and added behind the filter keep the shown rows right.
        QVERIFY(m_table->DeleteSelected());
        m_parts->Delete(cork);
        QCOMPARE(Column(*m_table, 0), (QStringList {"Oak", "Pine"}));
        CTree* acorn = AddPart<CTree>(*m_parts, "Acorn oak", "T-4");
        QVERIFY(m_table->AddAndSelect(acorn));
        QCOMPARE(Column(*m_table, 0), (QStringList {"Acorn oak", "Oak", "Pine"}));
        QCOMPARE(m_table->GetSelectedObject(), acorn);
        QCOMPARE(m_table->Model().PartAt(1), oak);
        QCOMPARE(m_table->Model().PartAt(2), pine);

        // A renamed part the filter no longer lets through stays in sight: the filter goes.
        acorn->m_name = "Beech";
        QVERIFY(m_table->RefreshSelected());
        QCOMPARE(m_table->Model().Filter(), QString());
        QCOMPARE(Column(*m_table, 0), (QStringList {"Beech", "Oak", "Pine", "Shed"}));
        QCOMPARE(m_table->GetSelectedObject(), acorn);

        // A new part the filter would hide is shown and selected.
        m_table->SetFilter("pine");
        CBuilding* hall = AddPart<CBuilding>(*m_parts, "Hall", "B-2");
        QVERIFY(m_table->AddAndSelect(hall));
        QCOMPARE(m_table->Model().Filter(), QString());
        QCOMPARE(m_table->GetSelectedObject(), hall);
        QCOMPARE(m_table->count(), 5);

        m_table->SetFilter("no such part");
        QCOMPARE(m_table->count(), 0);
        QCOMPARE(m_table->GetSelectedObject(), nullptr);
    }

    void equalNamesKeepTheirPlaceWhenRefreshed()
    {
        AddPart<CTree>(*m_parts, "Oak");
        CTree* second = AddPart<CTree>(*m_parts, "Oak");
        AddPart<CTree>(*m_parts, "Oak");
        m_table->FillFromList(*m_parts);
        m_table->SelectObject(second);
        QVERIFY(m_table->RefreshSelected());
        QCOMPARE(m_table->GetSelectedIndex(), 1);
        QCOMPARE(m_table->GetSelectedObject(), second);
    }
};

QTEST_MAIN(TestPartsTable)
#include "tst_parts_table.moc"
