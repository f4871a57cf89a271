// The catalogue sheet's layout and its PDF, read back with poppler's tools.
#include "ModalDialogDriver.h"

#include "bench/CatalogueGenerator.h"
#include "model/ChoiceCodes.h"
#include "model/ModelwrightDoc.h"
#include "model/Header.h"
#include "model/Platform.h"
#include "model/Tree.h"
#include "ui/CatalogueSheet.h"
#include "ui/ModelwrightView.h"
#include "ui/SheetCommands.h"
#include "ui/SheetPdf.h"

#include <QBuffer>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

// Under wine the tools of this machine cannot be started; elsewhere a missing tool fails.
#ifdef _WIN32
#define SKIP_WITHOUT_POPPLER() QSKIP("poppler's tools read the PDF on Linux")
#else
#define SKIP_WITHOUT_POPPLER()
#endif

namespace {

QString Poppler(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QStringLiteral("%1 is missing: install poppler-utils").arg(tool);
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString PageText(const QString& pdf, int page, bool layout = false)
{
    QStringList arguments {"-enc", "UTF-8", "-f", QString::number(page), "-l", QString::number(page)};
    if (layout)
        arguments << "-layout";
    return Poppler("pdftotext", arguments << pdf << "-");
}

QString InfoField(const QString& info, const QString& field)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^%1:\\s*(.*)$").arg(field),
        QRegularExpression::MultilineOption).match(info);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

const QPageLayout kA4Portrait(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);

// A catalogue of platforms with names, numbers and prices of their own, counted from 1.
struct SCatalogue {
    CHeader header;
    std::vector<std::unique_ptr<CPlatform>> parts;

    explicit SCatalogue(int count)
    {
        header.m_name = "Platforms";
        header.m_currency = "CHF";
        for (int number = 1; number <= count; ++number) {
            auto part = std::make_unique<CPlatform>();
            part->m_name = "Platform " + std::to_string(number);
            part->m_catalogNo = "N-" + std::to_string(number);
            part->m_price = std::to_string(number) + ".25";
            part->m_length = 87;
            part->m_width = 40;
            part->m_height = 10;
            parts.push_back(std::move(part));
        }
    }

    SSheetContent Content() const
    {
        SSheetContent content;
        content.m_name = "platforms.wo3";
        content.m_header = &header;
        for (const auto& part : parts)
            content.m_parts.push_back(part.get());
        // Smaller pictures draw faster; the layout is the same.
        content.m_pictureDpi = 60;
        return content;
    }
};

// The sheet's commands with the file the user would choose given in advance.
class CTestSheetCommands : public CSheetCommands {
public:
    using CSheetCommands::CSheetCommands;
    QString m_path;
    QStringList m_errors;

protected:
    QString AskPdfPath() override { return m_path; }
    void ReportError(const QString& message) override { m_errors << message; }
};

}

class TestCatalogueSheet : public QObject {
    Q_OBJECT

private slots:
    void modelScaleIsReadAsPeopleWriteIt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("denominator");
        QTest::addColumn<bool>("valid");
        QTest::newRow("1:87") << "1:87" << 87.0 << true;
        QTest::newRow("spaces") << " 1 : 120 " << 120.0 << true;
        QTest::newRow("denominator alone") << "160" << 160.0 << true;
        QTest::newRow("decimal comma") << "1:22,5" << 22.5 << true;
        QTest::newRow("empty is none") << "" << 0.0 << true;
        QTest::newRow("zero") << "1:0" << 0.0 << false;
        QTest::newRow("negative") << "1:-87" << 0.0 << false;
        QTest::newRow("words") << "H0" << 0.0 << false;
        QTest::newRow("upside down") << "87:1" << 0.0 << false;
    }

    void modelScaleIsReadAsPeopleWriteIt()
    {
        QFETCH(QString, text);
        QFETCH(double, denominator);
        QFETCH(bool, valid);
        const std::optional<double> scale = ParseModelScale(text);
        QCOMPARE(scale.has_value(), valid);
        if (valid)
            QCOMPARE(*scale, denominator);
    }

    // The author goes into the document information as an update appended to the bytes Qt
    // wrote, which stay as they were; text poppler cannot find its way in is left alone.
    void authorIsAppendedAsAnUpdate()
    {
        SKIP_WITHOUT_POPPLER();
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&bytes);
            writer.setTitle("Title «1»");
            QPainter painter(&writer);
            painter.drawText(100, 100, "text");
        }
        const QString author = QStringLiteral("Jörg Müller – 北京");
        const QByteArray updated = WithPdfAuthor(bytes.data(), author);
        QVERIFY(updated.startsWith(bytes.data()));
        QTemporaryDir folder;
        QFile file(folder.filePath("author.pdf"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(updated) == updated.size());
        file.close();
        const QString info = Poppler("pdfinfo", {file.fileName()});
        QCOMPARE(InfoField(info, "Author"), author);
        QCOMPARE(InfoField(info, "Title"), QStringLiteral("Title «1»"));
        QCOMPARE(InfoField(info, "Pages"), QStringLiteral("1"));
        QCOMPARE(WithPdfAuthor(bytes.data(), QString()), bytes.data());
        QCOMPARE(WithPdfAuthor("%PDF-1.4 no trailer", author), QByteArray("%PDF-1.4 no trailer"));
    }

    // A card's name and its texts stand on one page; the index lists the numbers as people
    // count them, each with the page of its card.
    void cardsStayWholeAndTheIndexFindsThem()
    {
        SKIP_WITHOUT_POPPLER();
        const SCatalogue catalogue(20);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("sheet.pdf");
        QVERIFY(WriteCatalogueSheetPdf(pdf.toStdString(), catalogue.Content(), kA4Portrait));
        const int pages = InfoField(Poppler("pdfinfo", {pdf}), "Pages").toInt();
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        std::vector<int> pageOfCard(21, 0);
        // The last page is the index's.
        for (int page = 1; page < pages; ++page) {
            const QString text = PageText(pdf, page).simplified();
            QVERIFY(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)));
            for (int number = 1; number <= 20; ++number) {
                const bool name = text.contains(QRegularExpression(QStringLiteral("\\bPlatform %1\\b").arg(number)));
                const bool price = text.contains(QStringLiteral("Price: %1.25 CHF").arg(number));
                const bool catalogueNumber = text.contains(QRegularExpression(QStringLiteral("Catalogue number: N-%1\\b").arg(number)));
                QCOMPARE(name, price);
                QCOMPARE(name, catalogueNumber);
                if (name)
                    pageOfCard[size_t(number)] = page;
            }
        }
        for (int number = 1; number <= 20; ++number)
            QVERIFY2(pageOfCard[size_t(number)] > 0, qPrintable(QString::number(number)));
        const QString index = PageText(pdf, pages, true);
        QVERIFY(index.contains("Index of catalogue numbers"));
        QVERIFY(index.indexOf("N-9 ") < index.indexOf("N-10 "));
        QVERIFY(index.indexOf("N-2 ") < index.indexOf("N-19 "));
        for (int number : {1, 20}) {
            const QRegularExpression line(QStringLiteral("N-%1\\s+Platform %1\\s+(\\d+)").arg(number));
            const QRegularExpressionMatch match = line.match(index);
            QVERIFY2(match.hasMatch(), qPrintable(index));
            QCOMPARE(match.captured(1).toInt(), pageOfCard[size_t(number)]);
        }
    }

    // A part without a number (kept as one blank) says so on its card and stays out of the index.
    void onePageNeedsNoIndex()
    {
        SKIP_WITHOUT_POPPLER();
        SCatalogue catalogue(2);
        catalogue.parts[1]->m_catalogNo = " ";
        QTemporaryDir folder;
        const QString pdf = folder.filePath("sheet.pdf");
        QVERIFY(WriteCatalogueSheetPdf(pdf.toStdString(), catalogue.Content(), kA4Portrait));
        QCOMPARE(InfoField(Poppler("pdfinfo", {pdf}), "Pages"), QStringLiteral("1"));
        QVERIFY(!PageText(pdf, 1).contains("Index"));
        QVERIFY(PageText(pdf, 1).simplified().contains(QStringLiteral("Catalogue number: \u2014")));
    }

    // The page set up decides the paper and how many cards a row holds.
    void landscapeLetterHoldsMoreCardsARow()
    {
        SKIP_WITHOUT_POPPLER();
        const SCatalogue catalogue(12);
        QTemporaryDir folder;
        const QString portrait = folder.filePath("portrait.pdf");
        const QString landscape = folder.filePath("landscape.pdf");
        QVERIFY(WriteCatalogueSheetPdf(portrait.toStdString(), catalogue.Content(), kA4Portrait));
        const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        QVERIFY(WriteCatalogueSheetPdf(landscape.toStdString(), catalogue.Content(), letter));
        const QString portraitInfo = Poppler("pdfinfo", {portrait});
        const QString landscapeInfo = Poppler("pdfinfo", {landscape});
        QVERIFY2(InfoField(portraitInfo, "Page size").startsWith("595 x 842"), qPrintable(portraitInfo));
        QVERIFY2(InfoField(landscapeInfo, "Page size").startsWith("792 x 612"), qPrintable(landscapeInfo));
        // Three cards a row in landscape: the first row ends with the third card, not the second.
        const QString firstPage = PageText(landscape, 1, true);
        const QString firstLine = firstPage.section('\n', 0, -1).split('\n').filter("Platform 1 ").value(0);
        QVERIFY2(firstLine.contains("Platform 3"), qPrintable(firstPage));
        QVERIFY(InfoField(landscapeInfo, "Pages").toInt() <= InfoField(portraitInfo, "Pages").toInt());
    }

    // Sizes in the part's own unit, and with a model scale its real size in metres.
    void sizesInThePartsUnitAndRealSizes()
    {
        SKIP_WITHOUT_POPPLER();
        SCatalogue catalogue(2);
        catalogue.parts[1]->m_units = kUnitsInches;
        catalogue.parts[1]->m_length = 12;
        catalogue.parts[1]->m_width = 4;
        catalogue.parts[1]->m_height = 1;
        SSheetContent content = catalogue.Content();
        content.m_modelScale = 87;
        QTemporaryDir folder;
        const QString pdf = folder.filePath("sheet.pdf");
        QVERIFY(WriteCatalogueSheetPdf(pdf.toStdString(), content, kA4Portrait));
        const QString text = PageText(pdf, 1).simplified();
        QVERIFY2(text.contains(QStringLiteral("Size (W × D × H): 87 × 40 × 10 mm")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Real size at 1:87: 7.57 × 3.48 × 0.87 m")));
        QVERIFY(text.contains(QStringLiteral("Size (W × D × H): 12.0 × 4.0 × 1.0 in")));
        QVERIFY(text.contains(QStringLiteral("Real size at 1:87: 26.52 × 8.84 × 2.21 m")));
        QVERIFY(text.contains("Model scale 1:87"));
    }

    // Only the address blocks that are filled in appear, without empty lines.
    void titleBlockShowsTheFilledAddresses()
    {
        SKIP_WITHOUT_POPPLER();
        SCatalogue catalogue(1);
        catalogue.header.m_author = "A. Maker";
        catalogue.header.m_version = 7;
        catalogue.header.m_pManufacturer->m_companyName = "Maker & Sons";
        catalogue.header.m_pManufacturer->m_town = "Utrecht";
        catalogue.header.m_pManufacturer->m_phone = "030 123";
        QTemporaryDir folder;
        const QString pdf = folder.filePath("sheet.pdf");
        QVERIFY(WriteCatalogueSheetPdf(pdf.toStdString(), catalogue.Content(), kA4Portrait));
        const QString text = PageText(pdf, 1).simplified();
        for (const char* expected : {"Platforms", "Version 7", "Author: A. Maker", "Prices in CHF", "Manufacturer",
                 "Maker & Sons Utrecht Phone: 030 123"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(!text.contains("Representative"));
        QVERIFY(!text.contains("Fax"));
    }

    // Cancel stops the drawing, and the file that was there stays as it was.
    void cancelledPdfWritesNothing()
    {
        const SCatalogue catalogue(8);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("sheet.pdf");
        QFile earlier(pdf);
        QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
        earlier.close();
        QList<int> told;
        const bool written = WriteCatalogueSheetPdf(pdf.toStdString(), catalogue.Content(), kA4Portrait, [&](int done, int total) {
            told << done;
            return total == 8 && done < 3;
        });
        QVERIFY(!written);
        QCOMPARE(told, (QList<int> {1, 2, 3}));
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    }

    // A long sheet shows its progress, and Cancel there stops it before any file is written.
    void longSheetShowsProgressAndCancelStopsIt()
    {
        CModelwrightDoc document;
        GenerateCatalogue(document, 300);
        const CProgramOptions options;
        QWidget window;
        auto* view = new CModelwrightView(document, options, &window);
        view->OnInitialUpdate();
        window.show();
        QTemporaryDir folder;
        CTestSheetCommands commands(*view, window);
        commands.m_path = folder.filePath("long.pdf");
        WhenModal([](QDialog& choices) { choices.accept(); });
        bool progressShown = false;
        QTimer watch;
        watch.setInterval(20);
        connect(&watch, &QTimer::timeout, [&] {
            auto* progress = window.findChild<QProgressDialog*>("sheetProgress");
            if (progress && progress->isVisible() && !progressShown) {
                progressShown = true;
                SaveScreenshot(*progress, "catalogue_sheet_progress");
                progress->cancel();
            }
        });
        watch.start();
        const QString written = commands.ExportPdf(kA4Portrait);
        watch.stop();
        QVERIFY(progressShown);
        QVERIFY(written.isEmpty());
        QVERIFY(!QFile::exists(commands.m_path));
        QVERIFY(commands.m_errors.isEmpty());
    }
};

QTEST_MAIN(TestCatalogueSheet)
#include "tst_catalogue_sheet.moc"
