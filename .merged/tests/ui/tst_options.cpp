#include "ModalDialogDriver.h"

#include "settings/ProgramOptions.h"
#include "ui/OptionsPropertySheet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QLineEdit>
#include <QTest>

namespace {

QStringList Items(const QComboBox& combo)
{
    QStringList texts;
    for (int index = 0; index < combo.count(); ++index)
        texts << combo.itemText(index);
    return texts;
}

void ClickOk(QDialog& dialog)
{
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// Picks an entry of a combo box with the keyboard, as a user would.
void Choose(QComboBox* combo, const QString& text)
{
    const int target = combo->findText(text);
    QVERIFY(target >= 0);
    combo->setFocus();
    while (combo->currentIndex() != target)
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
}

}

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English));
    }

    void pageShowsTheOptionsAndOkTakesThemBack_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("hexahedron");
        QTest::addColumn<QString>("languageShown");
        QTest::addColumn<QString>("versionShown");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("hexahedronStored");
        QTest::newRow("defaults") << 112 << 157 << 1 << "English" << "6.x" << true << 1;
        QTest::newRow("German, 5.x, off") << 108 << 156 << 0 << "German" << "5.x" << false << 0;
        QTest::newRow("Default language") << 106 << 157 << 0 << "Default" << "6.x" << false << 0;
        QTest::newRow("Dutch") << 154 << 157 << 1 << "Dutch" << "6.x" << true << 1;
        QTest::newRow("French") << 110 << 157 << 1 << "French" << "6.x" << true << 1;
        QTest::newRow("unknown version") << 112 << 0 << 1 << "English" << "" << true << 1;
        QTest::newRow("switch 2 shows ticked, stores 1") << 112 << 157 << 2 << "English" << "6.x" << true << 1;
        QTest::newRow("negative switch") << 112 << 157 << -1 << "English" << "6.x" << true << 1;
    }

    void pageShowsTheOptionsAndOkTakesThemBack()
    {
        QFETCH(int, language);
        QFETCH(int, version);
        QFETCH(int, hexahedron);
        QFETCH(QString, languageShown);
        QFETCH(QString, versionShown);
        QFETCH(bool, ticked);
        QFETCH(int, hexahedronStored);
        CProgramOptions options;
        options.m_language = language;
        options.m_winrailVersion = version;
        options.m_hexahedronBugfix = hexahedron;
        WhenModal([&](QDialog& dialog) {
            QCOMPARE(Find<QComboBox>(dialog, "language")->currentText(), languageShown);
            QCOMPARE(Find<QComboBox>(dialog, "language")->currentIndex() < 0, languageShown.isEmpty());
            QCOMPARE(Find<QComboBox>(dialog, "winrailVersion")->currentText(), versionShown);
            QCOMPARE(Find<QCheckBox>(dialog, "hexahedron")->isChecked(), ticked);
            ClickOk(dialog);
        });
        QVERIFY(EditOptions(options));
        QCOMPARE(options.m_language, language);
        QCOMPARE(options.m_winrailVersion, version);
        QCOMPARE(options.m_hexahedronBugfix, hexahedronStored);
    }

    void sheetHasOnePageWithSortedChoices()
    {
        CProgramOptions options;
        WhenModal([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Options"));
            QCOMPARE(Find<QTabWidget>(dialog, "pages")->count(), 1);
            QCOMPARE(Find<QTabWidget>(dialog, "pages")->tabText(0), QString("General options"));
            QCOMPARE(Items(*Find<QComboBox>(dialog, "language")), (QStringList {"Default", "Dutch", "English", "French", "German"}));
            QCOMPARE(Items(*Find<QComboBox>(dialog, "winrailVersion")), (QStringList {"5.x", "6.x"}));
            QCOMPARE(Find<QCheckBox>(dialog, "hexahedron")->text(), QString("&Use hexahedron instead of Hexaedron (bug fix)"));
            SaveScreenshot(dialog, "options_sheet");
        });
        EditOptions(options);
    }

    void choicesMadeOnThePageAreTakenOnOk()
    {
        CProgramOptions options;
        WhenModal([](QDialog& dialog) {
            Choose(Find<QComboBox>(dialog, "language"), "Dutch");
            Choose(Find<QComboBox>(dialog, "winrailVersion"), "5.x");
            QTest::mouseClick(Find<QCheckBox>(dialog, "hexahedron"), Qt::LeftButton);
            QTest::keyClicks(Find<QLineEdit>(dialog, "compileCommand"), "  wrcompile --quiet %f ");
            ClickOk(dialog);
        });
        QVERIFY(EditOptions(options));
        QCOMPARE(options.m_language, 154);
        QCOMPARE(options.m_winrailVersion, 156);
        QCOMPARE(options.m_hexahedronBugfix, 0);
        QCOMPARE(options.m_compileCommand, std::string("wrcompile --quiet %f"));
    }

    void cancelChangesNothing()
    {
        CProgramOptions options;
        options.m_language = 110;
        options.m_winrailVersion = 157;
        options.m_hexahedronBugfix = 2;
        options.m_compileCommand = "wrcompile %f";
        WhenModal([](QDialog& dialog) {
            QCOMPARE(Find<QLineEdit>(dialog, "compileCommand")->text(), QString("wrcompile %f"));
            Find<QLineEdit>(dialog, "compileCommand")->clear();
            Choose(Find<QComboBox>(dialog, "language"), "German");
            Choose(Find<QComboBox>(dialog, "winrailVersion"), "5.x");
            QTest::mouseClick(Find<QCheckBox>(dialog, "hexahedron"), Qt::LeftButton);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QVERIFY(!EditOptions(options));
        QCOMPARE(options.m_language, 110);
        QCOMPARE(options.m_winrailVersion, 157);
        QCOMPARE(options.m_hexahedronBugfix, 2);
        QCOMPARE(options.m_compileCommand, std::string("wrcompile %f"));
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
