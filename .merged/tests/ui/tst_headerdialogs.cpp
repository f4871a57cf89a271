#include "ModalDialogDriver.h"

#include "model/Header.h"
#include "model/ModelwrightDoc.h"
#include "ui/HeaderDlg.h"
#include "ui/ManufacturerDlg.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kEmptySummary = "Name: \r\nStreet+nr: \r\nZIP: \r\nTown: \r\nCountry: \r\nPhone: \r\nFax: \r\nMail: \r\n";

// Types text into an edit as a user would, replacing what it held.
void Retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Schedules the address dialog that the next click opens: the town becomes town, then OK
// or Cancel.
void WhenAddressDialog(const QString& town, bool accept)
{
    WhenModal([town, accept](QDialog& dialog) {
        auto& address = static_cast<CManufacturerDlg&>(dialog);
        Retype(Find<QLineEdit>(address, "town"), town);
        if (accept)
            QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
}

}

class TestHeaderDialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<CModelwrightDoc> m_doc;

    CHeader& Header() { return *m_doc->Parts().m_pHeader; }

private slots:
    void init()
    {
        m_doc = std::make_unique<CModelwrightDoc>();
        m_doc->OnNewDocument();
    }

    void summaryHasEightLabelledLinesEndingInCrLf()
    {
        CManufacturer address;
        QCOMPARE(AddressSummary(address), kEmptySummary);
        address.m_companyName = "Tiny Trees Ltd";
        address.m_street = "Main Street 5";
        address.m_zipCode = "3511 AB";
        address.m_town = "Utrecht";
        address.m_country = "Netherlands";
        address.m_phone = "030 123";
        address.m_fax = "030 124";
        address.m_mail = "info@tinytrees.example";
        QCOMPARE(AddressSummary(address),
            QString("Name: Tiny Trees Ltd\r\nStreet+nr: Main Street 5\r\nZIP: 3511 AB\r\nTown: Utrecht\r\n"
                    "Country: Netherlands\r\nPhone: 030 123\r\nFax: 030 124\r\nMail: info@tinytrees.example\r\n"));
    }

    void newCatalogueHeaderShowsItsDefaults()
    {
        WhenModal([](QDialog& dialog) {
            auto& header = static_cast<CHeaderDlg&>(dialog);
            QCOMPARE(header.windowTitle(), QString("Edit header"));
            QCOMPARE(Find<QLineEdit>(header, "description")->text(), QString());
            QCOMPARE(Find<QLineEdit>(header, "version")->text(), QString("1"));
            QCOMPARE(Find<QPlainTextEdit>(header, "manufacturerSummary")->toPlainText(), QString(kEmptySummary).replace("\r\n", "\n"));
            QCOMPARE(Find<QPlainTextEdit>(header, "representativeSummary")->toPlainText(), QString(kEmptySummary).replace("\r\n", "\n"));
            QVERIFY(Find<QPlainTextEdit>(header, "manufacturerSummary")->isReadOnly());
            QVERIFY(!Find<QPlainTextEdit>(header, "manufacturerSummary")->isEnabled());
            SaveScreenshot(dialog, "header_dialog");
        });
        CHeaderDlg dialog;
        QVERIFY(!m_doc->Parts().EditHeader(dialog));
    }

    void okStoresTheHeadersOwnFields_data()
    {
        QTest::addColumn<QString>("typedVersion");
        QTest::addColumn<int>("version");
        QTest::newRow("digits") << "0042" << 42;
        QTest::newRow("letters are not taken") << "7x" << 7;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("too large stops at the range's end") << "99999999999" << 2147483647;
    }

    void okStoresTheHeadersOwnFields()
    {
        QFETCH(QString, typedVersion);
        QFETCH(int, version);
        WhenModal([typedVersion](QDialog& dialog) {
            auto& header = static_cast<CHeaderDlg&>(dialog);
            Retype(Find<QLineEdit>(header, "description"), "Summer catalogue");
            Retype(Find<QLineEdit>(header, "author"), "J. Smith");
            Retype(Find<QLineEdit>(header, "version"), typedVersion);
            Retype(Find<QLineEdit>(header, "currency"), "EUR");
            dialog.accept();
        });
        CHeaderDlg dialog;
        QVERIFY(m_doc->Parts().EditHeader(dialog));
        QCOMPARE(Header().m_name, std::string("Summer catalogue"));
        QCOMPARE(Header().m_author, std::string("J. Smith"));
        QCOMPARE(Header().m_version, version);
        QCOMPARE(Header().m_currency, std::string("EUR"));
    }

    void cancelKeepsTheHeadersOwnFields()
    {
        Header().m_name = "Spring";
        Header().m_version = -3;
        WhenModal([](QDialog& dialog) {
            auto& header = static_cast<CHeaderDlg&>(dialog);
            QCOMPARE(Find<QLineEdit>(header, "version")->text(), QString("-3"));
            Retype(Find<QLineEdit>(header, "description"), "Autumn");
        });
        CHeaderDlg dialog;
        QVERIFY(!m_doc->Parts().EditHeader(dialog));
        QCOMPARE(Header().m_name, std::string("Spring"));
        QCOMPARE(Header().m_version, -3);
    }

    void addressEditShowsInItsSummaryAndSurvivesACancelledHeader_data()
    {
        QTest::addColumn<bool>("manufacturer");
        QTest::newRow("manufacturer") << true;
        QTest::newRow("representative") << false;
    }

    void addressEditShowsInItsSummaryAndSurvivesACancelledHeader()
    {
        QFETCH(bool, manufacturer);
        QStringList summaryLines;
        WhenModal([manufacturer, &summaryLines](QDialog& dialog) {
            auto& header = static_cast<CHeaderDlg&>(dialog);
            WhenAddressDialog("Utrecht", true);
            QTest::mouseClick(manufacturer ? Find<QPushButton>(header, "editManufacturer") : Find<QPushButton>(header, "editRepresentative"), Qt::LeftButton);
            const QPlainTextEdit* summary = manufacturer ? Find<QPlainTextEdit>(header, "manufacturerSummary") : Find<QPlainTextEdit>(header, "representativeSummary");
            summaryLines = summary->toPlainText().split('\n');
        });
        CHeaderDlg dialog;
        int reported = 0;
        dialog.OnChanged([&reported] { ++reported; });
        QVERIFY(!m_doc->Parts().EditHeader(dialog));

        QCOMPARE(summaryLines.value(3), QString("Town: Utrecht"));
        const CManufacturer& edited = manufacturer ? *Header().m_pManufacturer : *Header().m_pRepresentative;
        const CManufacturer& other = manufacturer ? *Header().m_pRepresentative : *Header().m_pManufacturer;
        QCOMPARE(edited.m_town, std::string("Utrecht"));
        QCOMPARE(other.m_town, std::string());
        // The change is made at once, so the dialog reports it (the form makes it a step).
        QCOMPARE(reported, 1);
    }

    void cancelledAddressDialogKeepsTheRecord()
    {
        Header().m_pManufacturer->m_town = "Delft";
        QString summary;
        WhenModal([&summary](QDialog& dialog) {
            auto& header = static_cast<CHeaderDlg&>(dialog);
            WhenAddressDialog("Utrecht", false);
            QTest::mouseClick(Find<QPushButton>(header, "editManufacturer"), Qt::LeftButton);
            summary = Find<QPlainTextEdit>(header, "manufacturerSummary")->toPlainText();
            dialog.reject();
        });
        CHeaderDlg dialog;
        int reported = 0;
        dialog.OnChanged([&reported] { ++reported; });
        QVERIFY(!m_doc->Parts().EditHeader(dialog));
        QCOMPARE(reported, 0);
        QCOMPARE(Header().m_pManufacturer->m_town, std::string("Delft"));
        QVERIFY(summary.contains("Town: Delft\n"));
    }

    void addressDialogLoadsAndStoresEveryField()
    {
        CManufacturer address;
        address.m_companyName = "Tiny Trees Ltd";
        address.m_mail = "old@example.org";
        WhenModal([](QDialog& dialog) {
            auto& edit = static_cast<CManufacturerDlg&>(dialog);
            QCOMPARE(edit.windowTitle(), QString("Edit manufacturer"));
            QCOMPARE(Find<QLineEdit>(edit, "companyName")->text(), QString("Tiny Trees Ltd"));
            QCOMPARE(Find<QLineEdit>(edit, "mail")->text(), QString("old@example.org"));
            const std::pair<QLineEdit*, const char*> fields[] = {{Find<QLineEdit>(edit, "companyName"), "Big Trees"}, {Find<QLineEdit>(edit, "street"), "Dam 1"},
                {Find<QLineEdit>(edit, "zipCode"), "1012"}, {Find<QLineEdit>(edit, "town"), "Amsterdam"}, {Find<QLineEdit>(edit, "country"), "NL"},
                {Find<QLineEdit>(edit, "phone"), "020"}, {Find<QLineEdit>(edit, "fax"), "021"}, {Find<QLineEdit>(edit, "mail"), "new@example.org"}};
            for (const auto& [field, text] : fields)
                Retype(field, text);
            SaveScreenshot(dialog, "manufacturer_dialog");
            dialog.accept();
        });
        CManufacturerDlg dialog;
        QVERIFY(dialog.EditAddress(address));
        QCOMPARE(AddressSummary(address),
            QString("Name: Big Trees\r\nStreet+nr: Dam 1\r\nZIP: 1012\r\nTown: Amsterdam\r\nCountry: NL\r\n"
                    "Phone: 020\r\nFax: 021\r\nMail: new@example.org\r\n"));
    }
};

QTEST_MAIN(TestHeaderDialogs)
#include "tst_headerdialogs.moc"
