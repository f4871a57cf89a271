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
        Retype(address.TownEdit(), town);
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
            QCOMPARE(header.DescriptionEdit()->text(), QString());
            QCOMPARE(header.VersionEdit()->text(), QString("1"));
            QCOMPARE(header.ManufacturerSummary()->toPlainText(), QString(kEmptySummary).replace("\r\n", "\n"));
            QCOMPARE(header.RepresentativeSummary()->toPlainText(), QString(kEmptySummary).replace("\r\n", "\n"));
            QVERIFY(header.ManufacturerSummary()->isReadOnly());
            QVERIFY(!header.ManufacturerSummary()->isEnabled());
            SaveScreenshot(dialog, "header_dialog");
        });
        CHeaderDlg dialog;
        QVERIFY(!m_doc->Parts().EditHeader(dialog));
        QVERIFY(!m_doc->IsModified());
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
            Retype(header.DescriptionEdit(), "Summer catalogue");
            Retype(header.AuthorEdit(), "J. Smith");
            Retype(header.VersionEdit(), typedVersion);
            Retype(header.CurrencyEdit(), "EUR");
            dialog.accept();
        });
        CHeaderDlg dialog;
        QVERIFY(m_doc->Parts().EditHeader(dialog));
        QCOMPARE(Header().m_name, std::string("Summer catalogue"));
        QCOMPARE(Header().m_author, std::string("J. Smith"));
        QCOMPARE(Header().m_version, version);
        QCOMPARE(Header().m_currency, std::string("EUR"));
        QVERIFY(m_doc->IsModified());
    }

    void cancelKeepsTheHeadersOwnFields()
    {
        Header().m_name = "Spring";
        Header().m_version = -3;
        WhenModal([](QDialog& dialog) {
            auto& header = static_cast<CHeaderDlg&>(dialog);
            QCOMPARE(header.VersionEdit()->text(), QString("-3"));
            Retype(header.DescriptionEdit(), "Autumn");
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
            QTest::mouseClick(manufacturer ? header.ManufacturerButton() : header.RepresentativeButton(), Qt::LeftButton);
            const QPlainTextEdit* summary = manufacturer ? header.ManufacturerSummary() : header.RepresentativeSummary();
            summaryLines = summary->toPlainText().split('\n');
        });
        CHeaderDlg dialog;
        // The header dialog was cancelled, but the address change stays: the catalogue changed.
        QVERIFY(m_doc->Parts().EditHeader(dialog));
        QVERIFY(m_doc->IsModified());

        QCOMPARE(summaryLines.value(3), QString("Town: Utrecht"));
        const CManufacturer& edited = manufacturer ? *Header().m_pManufacturer : *Header().m_pRepresentative;
        const CManufacturer& other = manufacturer ? *Header().m_pRepresentative : *Header().m_pManufacturer;
        QCOMPARE(edited.m_town, std::string("Utrecht"));
        QCOMPARE(other.m_town, std::string());
    }

    void cancelledAddressDialogKeepsTheRecord()
    {
        Header().m_pManufacturer->m_town = "Delft";
        QString summary;
        WhenModal([&summary](QDialog& dialog) {
            auto& header = static_cast<CHeaderDlg&>(dialog);
            WhenAddressDialog("Utrecht", false);
            QTest::mouseClick(header.ManufacturerButton(), Qt::LeftButton);
            summary = header.ManufacturerSummary()->toPlainText();
            dialog.reject();
        });
        CHeaderDlg dialog;
        QVERIFY(!m_doc->Parts().EditHeader(dialog));
        QVERIFY(!m_doc->IsModified());
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
            QCOMPARE(edit.NameEdit()->text(), QString("Tiny Trees Ltd"));
            QCOMPARE(edit.MailEdit()->text(), QString("old@example.org"));
            const std::pair<QLineEdit*, const char*> fields[] = {{edit.NameEdit(), "Big Trees"}, {edit.StreetEdit(), "Dam 1"},
                {edit.ZipCodeEdit(), "1012"}, {edit.TownEdit(), "Amsterdam"}, {edit.CountryEdit(), "NL"},
                {edit.PhoneEdit(), "020"}, {edit.FaxEdit(), "021"}, {edit.MailEdit(), "new@example.org"}};
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
