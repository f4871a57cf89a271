// The real program writing catalogue sheets with /pdf, without a display, checked with
// poppler's tools: pages and title, every part's name, catalogue number and price with the
// currency in the text, every font embedded, and pictures on the first page.
#include "ProgramOutput.h"

#include "bench/CatalogueGenerator.h"
#include "model/Header.h"
#include "model/ModelwrightDoc.h"
#include "model/PartKind.h"
#include "model/PartsManager.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct SRun {
    int exitCode = -1;
    QString errors;
};

// The program with no display at all and a home of its own.
SRun RunProgram(const QTemporaryDir& home, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_DATA_HOME", home.filePath("data"));
    environment.insert("XDG_RUNTIME_DIR", home.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(MW_BIN_DIR "/modelwright"), arguments);
    SRun run;
    if (!program.waitForFinished(300000) || program.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = program.exitCode();
    run.errors = WithNewlineEnds(QString::fromUtf8(program.readAllStandardError()));
    return run;
}

// What one of poppler's tools prints; a missing tool fails the test, saying so.
QString Poppler(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QStringLiteral("%1 is missing: install poppler-utils").arg(tool);
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString InfoField(const QString& info, const QString& field)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^%1:\\s*(.*)$").arg(field),
        QRegularExpression::MultilineOption).match(info);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

// The fonts pdffonts lists that are not embedded, by the column headed "emb".
QStringList FontsNotEmbedded(const QString& listing)
{
    const QStringList lines = listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() < 2)
        return {QStringLiteral("no font listing: ") + listing};
    const qsizetype column = lines.front().indexOf(QLatin1String("emb"));
    QStringList missing;
    for (const QString& line : lines.mid(2))
        if (line.mid(column, 3).trimmed() != QLatin1String("yes"))
            missing << line;
    return missing;
}

int ColoursOf(const QImage& page)
{
    QSet<QRgb> colours;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            colours.insert(page.pixel(x, y));
    return static_cast<int>(colours.size());
}

struct SPartText {
    QString name, number, price;
};

// What the text of the sheet must hold of the catalogue: its title and author, and for every
// part its name, catalogue number and price with the currency.
struct SCatalogueText {
    QString title, author;
    std::vector<SPartText> parts;
};

SCatalogueText TextOfCatalogue(const QString& path)
{
    CModelwrightDoc document;
    document.OpenDocumentFile(path.toStdString());
    SCatalogueText text;
    const CHeader& header = *document.Parts().m_pHeader;
    text.title = QString::fromStdString(header.m_name);
    text.author = QString::fromStdString(header.m_author);
    const QString currency = QString::fromStdString(header.m_currency);
    for (const auto& part : document.Parts().GetList())
        VisitPart(*part, [&](const auto& kind) {
            text.parts.push_back({QString::fromStdString(kind.m_name).simplified(), QString::fromStdString(kind.m_catalogNo).simplified(),
                (QString::fromStdString(kind.m_price) + QLatin1Char(' ') + currency).simplified()});
        });
    return text;
}

}

class TestCataloguePdf : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
#ifdef _WIN32
        QSKIP("poppler's tools check the PDF on Linux");
#endif
        QVERIFY(m_home.isValid());
        CModelwrightDoc generated;
        GenerateCatalogue(generated, 300);
        generated.SaveDocumentFile(m_home.filePath("generated-300.wo3").toStdString());
    }

    void sheetOfEveryCatalogue_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<QStringList>("switches");
        const QDir samples(QStringLiteral(MW_EXAMPLES_DIR));
        for (const QString& sample : samples.entryList({"*.wo3"}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(sample)) << samples.filePath(sample) << QStringList {};
        QTest::newRow("country-station at 1:87") << QStringLiteral(MW_EXAMPLES_DIR "/country-station.wo3")
                                                 << QStringList {"/scale", "1:87"};
        QTest::newRow("300 generated parts") << m_home.filePath("generated-300.wo3") << QStringList {};
    }

    void sheetOfEveryCatalogue()
    {
        QFETCH(QString, catalogue);
        QFETCH(QStringList, switches);
        const QString pdf = m_home.filePath(QFileInfo(catalogue).completeBaseName() + QString::number(switches.size()) + ".pdf");
        const SRun run = RunProgram(m_home, QStringList {"/pdf", catalogue, pdf} + switches);
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));

        const SCatalogueText expected = TextOfCatalogue(catalogue);
        const QString info = Poppler("pdfinfo", {pdf});
        QCOMPARE(InfoField(info, "Title"), expected.title);
        QCOMPARE(InfoField(info, "Author"), expected.author);
        const QString text = Poppler("pdftotext", {"-enc", "UTF-8", pdf, "-"}).simplified();
        const QString pages = InfoField(info, "Pages");
        QVERIFY2(pages.toInt() >= 1, qPrintable(info));
        // The footers count the pages the file has.
        QVERIFY2(text.contains(QStringLiteral("Page 1 of %1").arg(pages)), qPrintable(pages));
        QVERIFY(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
        QCOMPARE(text.contains("Index of catalogue numbers"), pages.toInt() > 1);
        QCOMPARE(text.contains("Real size at 1:87"), !switches.isEmpty());
        QVERIFY(!expected.parts.empty());
        for (const SPartText& part : expected.parts) {
            QVERIFY2(text.contains(part.name), qPrintable(part.name));
            QVERIFY2(text.contains("Catalogue number: " + part.number), qPrintable(part.number));
            QVERIFY2(text.contains("Price: " + part.price), qPrintable(part.price));
        }
        const QStringList notEmbedded = FontsNotEmbedded(Poppler("pdffonts", {pdf}));
        QVERIFY2(notEmbedded.isEmpty(), qPrintable(notEmbedded.join('\n')));
        Poppler("pdftoppm", {"-r", "40", "-f", "1", "-l", "1", "-singlefile", "-png", pdf, m_home.filePath("page")});
        const QImage page(m_home.filePath("page.png"));
        QVERIFY(!page.isNull());
        // A page of text alone has a few dozen shades of grey; pictures bring hundreds of colours.
        QVERIFY2(ColoursOf(page) > 500, qPrintable(QString::number(ColoursOf(page))));
        if (QByteArray(QTest::currentDataTag()) == "300 generated parts")
            for (const QString& shown : {QStringLiteral("2"), pages})
                Poppler("pdftoppm", {"-r", "60", "-f", shown, "-l", shown, "-singlefile", "-png", pdf,
                                        QStringLiteral(MW_SCREENSHOT_DIR "/catalogue_sheet_300_parts_page_%1").arg(shown)});
    }

    // The sheet speaks the program's language, numbers included; its pages land among the
    // screenshots.
    void sheetIsInTheProgramsLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("English") << 112 << "en" << QStringList {"Page 1 of 3", "Real size at 1:87: 21.92 × 8.18 × 9.57 m", "Index of catalogue numbers"};
        QTest::newRow("German") << 108 << "de" << QStringList {"Seite 1 von 3", "Wahre Größe bei 1:87: 21,92 × 8,18 × 9,57 m",
                                                       "Verzeichnis der Katalognummern", "Katalognummer: LB-101"};
    }

    void sheetIsInTheProgramsLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, suffix);
        QFETCH(QStringList, expected);
        QTemporaryDir home;
        QVERIFY(QDir().mkpath(home.filePath("config/" MW_COMPANY_FOLDER)));
        QFile settings(home.filePath("config/" MW_COMPANY_FOLDER "/Modelwright.conf"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(QStringLiteral("[General]\nLanguage=%1\n").arg(language).toLatin1());
        settings.close();
        const QString pdf = home.filePath("sheet.pdf");
        const SRun run = RunProgram(home, {"/pdf", QStringLiteral(MW_EXAMPLES_DIR "/country-station.wo3"), pdf, "/scale", "1:87"});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QString text = Poppler("pdftotext", {"-enc", "UTF-8", pdf, "-"}).simplified();
        for (const QString& line : expected)
            QVERIFY2(text.contains(line), qPrintable(line + "\n" + text));
        QDir().mkpath(QStringLiteral(MW_SCREENSHOT_DIR));
        Poppler("pdftoppm", {"-r", "80", "-png", pdf, QStringLiteral(MW_SCREENSHOT_DIR "/catalogue_sheet_%1").arg(suffix)});
    }

    // Each failure is one line on standard error and exit status 1, and an existing file stays.
    void failuresSayWhyAndKeepTheFile_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString sample = QStringLiteral(MW_EXAMPLES_DIR "/goods-yard.wo3");
        QTest::newRow("no catalogue") << QStringList {"/pdf", "absent.wo3", "kept.pdf"} << "absent.wo3";
        QTest::newRow("no PDF named") << QStringList {"/pdf", sample} << "the PDF file to write is missing";
        QTest::newRow("scale of zero") << QStringList {"/pdf", sample, "kept.pdf", "/scale", "1:0"}
                                       << "\"1:0\" is no model scale; write it as 1:87.";
        QTest::newRow("scale of words") << QStringList {"/scale", "large", "/pdf", sample, "kept.pdf"}
                                        << "\"large\" is no model scale; write it as 1:87.";
        QTest::newRow("not a catalogue") << QStringList {"/pdf", QStringLiteral(MW_EXAMPLES_DIR "/goods-yard.json"), "kept.pdf"}
                                         << "Unexpected file format.";
    }

    void failuresSayWhyAndKeepTheFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QFile kept(folder.filePath("kept.pdf"));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write("earlier") == 7);
        kept.close();
        for (QString& argument : arguments)
            if (argument.endsWith(".pdf") || argument == "absent.wo3")
                argument = folder.filePath(argument);
        const SRun run = RunProgram(m_home, arguments);
        QCOMPARE(run.exitCode, 1);
        const QStringList lines = run.errors.split('\n', Qt::SkipEmptyParts).filter(message);
        QVERIFY2(lines.size() == 1, qPrintable(run.errors));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("earlier"));
    }

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestCataloguePdf)
#include "tst_catalogue_pdf.moc"
