#include "app/QtSettingsStore.h"
#include "settings/ProgramOptions.h"

#include <QTemporaryDir>
#include <QTest>

#include <limits>

class TestSettingsStore : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    int m_fileNumber = 0;
    QString m_path;

    // A new, empty settings file for each test, read through a new handle each time as a
    // new run of the program would.
    std::unique_ptr<QSettings> Open() const { return std::make_unique<QSettings>(m_path, QSettings::IniFormat); }

    void Store(const char* name, const QVariant& value) const
    {
        auto settings = Open();
        settings->setValue(name, value);
    }

private slots:
    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("settings%1.ini").arg(++m_fileNumber));
    }

    void programSettingsLiveUnderTheCompanyName()
    {
        const auto settings = CQtSettingsStore::OpenProgramSettings();
        QCOMPARE(settings->organizationName(), QString(MW_COMPANY_NAME));
        QCOMPARE(settings->applicationName(), QString("Modelwright"));
    }

    void storedValueCountsOnlyAsA32BitInteger_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("isInteger");
        QTest::addColumn<int>("value");
        QTest::newRow("integer") << QVariant(157) << true << 157;
        QTest::newRow("negative") << QVariant(-5) << true << -5;
        QTest::newRow("smallest") << QVariant(std::numeric_limits<int32_t>::min()) << true << std::numeric_limits<int32_t>::min();
        QTest::newRow("digits as text") << QVariant("112") << true << 112;
        QTest::newRow("large integer in range") << QVariant(qlonglong(2147483647)) << true << 2147483647;
        QTest::newRow("one past the range") << QVariant(qlonglong(2147483648LL)) << false << 0;
        QTest::newRow("past the range as text") << QVariant("2147483648") << false << 0;
        QTest::newRow("far past the range") << QVariant(qlonglong(5000000000LL)) << false << 0;
        QTest::newRow("unsigned past the range") << QVariant(4294967295U) << false << 0;
        QTest::newRow("text") << QVariant("English") << false << 0;
        QTest::newRow("empty text") << QVariant("") << false << 0;
        QTest::newRow("fraction") << QVariant(1.5) << false << 0;
        QTest::newRow("truth value") << QVariant(true) << false << 0;
        QTest::newRow("list") << QVariant(QStringList {"1", "2"}) << false << 0;
    }

    void storedValueCountsOnlyAsA32BitInteger()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, isInteger);
        QFETCH(int, value);
        const std::optional<int32_t> direct = Int32FromSetting(stored);
        QCOMPARE(direct.has_value(), isInteger);
        if (isInteger)
            QCOMPARE(*direct, value);

        // The same through a settings file, where every value comes back as text.
        Store("Value", stored);
        CQtSettingsStore store(Open());
        const std::optional<int32_t> read = store.ReadInt32("Value");
        QCOMPARE(read.has_value(), isInteger);
        if (isInteger)
            QCOMPARE(*read, value);
    }

    void missingValuesAreWrittenBackWithTheirDefaults()
    {
        CQtSettingsStore store(Open());
        const CProgramOptions options = LoadOptions(store);
        QCOMPARE(options.m_language, 112);
        QCOMPARE(options.m_hexahedronBugfix, 1);
        QCOMPARE(options.m_winrailVersion, 157);

        const auto settings = Open();
        QCOMPARE(settings->value("Language").toString(), QString("112"));
        QCOMPARE(settings->value("HexahedronBugfix").toString(), QString("1"));
        QCOMPARE(settings->value("WinrailVersion").toString(), QString("157"));
    }

    void malformedValuesAreReplacedAndNegativesReadAsZero()
    {
        Store("Language", "-5");
        Store("HexahedronBugfix", "on");
        Store("WinrailVersion", "4294967452");
        CQtSettingsStore store(Open());
        const CProgramOptions options = LoadOptions(store);
        QCOMPARE(options.m_language, 0);
        QCOMPARE(options.m_hexahedronBugfix, 1);
        QCOMPARE(options.m_winrailVersion, 157);

        const auto settings = Open();
        // A negative number is an integer: it stays as stored and only reads as 0.
        QCOMPARE(settings->value("Language").toString(), QString("-5"));
        QCOMPARE(settings->value("HexahedronBugfix").toString(), QString("1"));
        QCOMPARE(settings->value("WinrailVersion").toString(), QString("157"));
    }

    void savedOptionsComeBackInTheNextRun()
    {
        {
            CQtSettingsStore store(Open());
            CProgramOptions options;
            options.m_language = 154;
            options.m_hexahedronBugfix = 2;
            options.m_winrailVersion = 156;
            SaveOptions(options, store);
        }
        CQtSettingsStore store(Open());
        const CProgramOptions options = LoadOptions(store);
        QCOMPARE(options.m_language, 154);
        QCOMPARE(options.m_hexahedronBugfix, 2);
        QCOMPARE(options.m_winrailVersion, 156);
    }

    void aStoreThatCannotBeWrittenReportsIt()
    {
        // A folder where the settings file should be cannot be written as a file.
        QVERIFY(QDir().mkpath(m_path));
        CQtSettingsStore store(Open());
        QVERIFY(!store.WriteInt32("Language", 112));
    }
};

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
