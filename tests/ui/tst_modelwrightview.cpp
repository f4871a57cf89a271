#include "CommandHelpers.h"
#include "ModalDialogDriver.h"

#include "export/PartsFileWriter.h"
#include "settings/ProgramOptions.h"
#include "model/Building.h"
#include "model/ModelwrightDoc.h"
#include "model/PartSnapshot.h"
#include "model/Platform.h"
#include "model/Tree.h"
#include "ui/HeaderDlg.h"
#include "ui/ManufacturerDlg.h"
#include "ui/ObjectListBox.h"
#include "ui/ModelwrightView.h"
#include "ui/PartPreview.h"
#include "ui/PartsTable.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMimeDatabase>
#include <QSignalSpy>
#include <QPrinter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <functional>

namespace {

using EPartKind = CModelwrightView::EPartKind;

// An edit dialog whose user is a function: it gets the object and says OK or Cancel. It may
// first report a change made at once, as a building's element commands do.
class CScriptedEditor : public IObjectEditor {
public:
    CScriptedEditor(std::function<bool(CNamedObject&)> user, bool changesAtOnce)
        : m_user(std::move(user))
        , m_changesAtOnce(changesAtOnce)
    {
    }
    bool Edit(CNamedObject& object, CObjectManager&) override
    {
        if (m_changesAtOnce)
            ReportChanged();
        return m_user(object);
    }

private:
    std::function<bool(CNamedObject&)> m_user;
    bool m_changesAtOnce;
};

// The form with its part dialogs, its export file dialog and the desktop replaced.
class CTestView : public CModelwrightView {
public:
    using CModelwrightView::CModelwrightView;

    std::function<bool(CNamedObject&)> m_user = [](CNamedObject&) { return true; };
    bool m_changesAtOnce = false;
    bool m_realDialogs = false;
    QList<EPartKind> m_editorKinds;
    QString m_exportPath;
    int m_exportAsked = 0;
    QStringList m_opened;
    QStringList m_errors;
    QList<QStringList> m_started;
    QString m_fileType = QStringLiteral("text/plain");
    // Real programs stand in for the desktop's opener: one that finds a program, one that finds none.
    QString m_opener = StandInCommands().opens;

protected:
    std::unique_ptr<IObjectEditor> CreateEditor(EPartKind kind) override
    {
        m_editorKinds << kind;
        if (m_realDialogs)
            return CModelwrightView::CreateEditor(kind);
        return std::make_unique<CScriptedEditor>(m_user, m_changesAtOnce);
    }
    QString AskExportPath() override
    {
        ++m_exportAsked;
        return m_exportPath;
    }
    QString DesktopOpener() const override { return m_opener; }
    void StartProgram(QProcess& process, const QString& program, const QStringList& arguments) override
    {
        if (program != m_opener) {
            m_started << (QStringList {program} + arguments);
            CModelwrightView::StartProgram(process, program, arguments);
            return;
        }
        m_opened << arguments;
        QStringList opener = QProcess::splitCommand(m_opener);
        CModelwrightView::StartProgram(process, opener.takeFirst(), opener + arguments);
    }
    QMimeType FileTypeOf(const QString&) const override { return QMimeDatabase().mimeTypeForName(m_fileType); }
    void ReportError(const QString& message) override { m_errors << message; }
};

bool Rename(CNamedObject& object, const char* name)
{
    object.m_name = name;
    return true;
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

class TestModelwrightView : public QObject {
    Q_OBJECT

    std::unique_ptr<CModelwrightDoc> m_doc;
    CProgramOptions m_options;
    std::unique_ptr<CTestView> m_view;
    QTemporaryDir m_dir;

    CPartsManager& Parts() { return m_doc->Parts(); }

    QStringList Entries() const
    {
        QStringList texts;
        for (int row = 0; row < m_view->ObjectList()->count(); ++row)
            texts << m_view->ObjectList()->EntryText(row);
        return texts;
    }

    // Adds parts to the catalogue as a loaded file would have them, and shows them.
    void LoadParts(std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            auto tree = std::make_unique<CTree>();
            tree->m_name = name;
            Parts().Add(std::move(tree));
        }
        m_view->OnInitialUpdate();
    }

    void Select(const CNamedObject* part)
    {
        const int row = m_view->ObjectList()->FindObject(part);
        QVERIFY(row >= 0);
        CPartsTable& table = *m_view->ObjectList();
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(table.model()->index(row, 0)).center());
        QCOMPARE(m_view->Selected(), part);
    }

    std::string ShownName() const
    {
        const CPreviewCanvas& canvas = *m_view->Preview()->Canvas();
        return canvas.HasPart() ? canvas.Scene().m_name : std::string("(nothing)");
    }

    void CheckNothingSelected()
    {
        QCOMPARE(m_view->Selected(), nullptr);
        QCOMPARE(m_view->ObjectList()->GetSelectedObject(), nullptr);
        QVERIFY(!m_view->EditButton()->isEnabled());
        QVERIFY(!m_view->DeleteButton()->isEnabled());
    }

private slots:
    void init()
    {
        m_doc = std::make_unique<CModelwrightDoc>();
        m_doc->OnNewDocument();
        m_options = CProgramOptions();
        m_view = std::make_unique<CTestView>(*m_doc, m_options);
        m_view->resize(560, 360);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    }

    void cleanup()
    {
        m_view.reset();
        m_doc.reset();
    }

    void emptyCatalogueKeepsEveryCommandButEditAndDelete()
    {
        QVERIFY(Entries().isEmpty());
        CheckNothingSelected();
        for (QPushButton* button : {m_view->EditHeaderButton(), m_view->NewTreeButton(), m_view->NewBuildingButton(),
                 m_view->NewPlatformButton(), m_view->ExportButton(), m_view->ExportAndCompileButton()})
            QVERIFY2(button->isEnabled(), qPrintable(button->text()));
        SaveScreenshot(*m_view, "main_form_empty");
    }

    void newPart_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<EPartKind>("kind");
        QTest::addColumn<QString>("className");
        QTest::newRow("tree") << "newTree" << EPartKind::tree << "CTree";
        QTest::newRow("building") << "newBuilding" << EPartKind::building << "CBuilding";
        QTest::newRow("platform") << "newPlatform" << EPartKind::platform << "CPlatform";
    }

    void newPart()
    {
        QFETCH(EPartKind, kind);
        QFETCH(QString, className);
        QFETCH(QString, buttonName);
        LoadParts({"Zebra"});
        CNamedObject* edited = nullptr;
        m_view->m_user = [&edited](CNamedObject& object) {
            edited = &object;
            return true;
        };
        QTest::mouseClick(m_view->findChild<QPushButton*>(buttonName), Qt::LeftButton);

        QCOMPARE(m_view->m_editorKinds, QList<EPartKind> {kind});
        QVERIFY(edited);
        QCOMPARE(QString(edited->GetRuntimeClass()->m_className), className);
        QCOMPARE(Parts().GetCount(), size_t(2));
        QCOMPARE(Parts().GetList().back().get(), edited);
        const QString defaultName = QStringLiteral("%1 %2").arg(className).arg(edited->m_id);
        QCOMPARE(QString::fromStdString(edited->m_name), defaultName);
        QCOMPARE(Entries(), (QStringList {defaultName, "Zebra"}));
        QCOMPARE(m_view->Selected(), edited);
        QCOMPARE(m_view->ObjectList()->GetSelectedObject(), edited);
        QVERIFY(m_view->EditButton()->isEnabled());
        QVERIFY(m_view->DeleteButton()->isEnabled());
        QVERIFY(m_doc->IsModified());
    }

    void cancelledNewPartChangesNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("wasModified");
        for (const auto& [name, kind] : {std::pair {"tree", EPartKind::tree}, std::pair {"building", EPartKind::building},
                 std::pair {"platform", EPartKind::platform}}) {
            QTest::addRow("%s, unmodified", name) << int(kind) << false;
            QTest::addRow("%s, modified", name) << int(kind) << true;
        }
    }

    void cancelledNewPartChangesNothing()
    {
        QFETCH(int, kind);
        QFETCH(bool, wasModified);
        LoadParts({"Oak"});
        CNamedObject* oak = Parts().GetList().front().get();
        Select(oak);
        m_doc->SetModifiedFlag(wasModified);
        // A building's element commands change it while its dialog runs; given up, it is gone.
        m_view->m_changesAtOnce = true;
        m_view->m_user = [](CNamedObject& object) {
            object.m_name = "Given up";
            return false;
        };
        switch (EPartKind(kind)) {
        case EPartKind::tree:
            m_view->OnNewTree();
            break;
        case EPartKind::building:
            m_view->OnNewBuilding();
            break;
        case EPartKind::platform:
            m_view->OnNewPlatform();
            break;
        }
        QCOMPARE(Entries(), QStringList {"Oak"});
        QCOMPARE(Parts().GetCount(), size_t(1));
        QCOMPARE(m_doc->IsModified(), wasModified);
        QCOMPARE(m_view->Selected(), oak);
    }

    void editRunsTheDialogOfThePartsKind()
    {
        auto building = std::make_unique<CBuilding>();
        building->m_name = "Station";
        CNamedObject* station = building.get();
        Parts().Add(std::move(building));
        auto platform = std::make_unique<CPlatform>();
        platform->m_name = "Platform 1";
        CNamedObject* platformPart = platform.get();
        Parts().Add(std::move(platform));
        LoadParts({"Oak"});

        m_view->m_user = [](CNamedObject&) { return false; };
        for (const auto& [part, kind] : {std::pair {station, EPartKind::building}, std::pair {platformPart, EPartKind::platform},
                 std::pair {Parts().GetList().back().get(), EPartKind::tree}}) {
            Select(part);
            m_view->m_editorKinds.clear();
            QTest::mouseClick(m_view->EditButton(), Qt::LeftButton);
            QCOMPARE(m_view->m_editorKinds, QList<EPartKind> {kind});
        }
        QVERIFY(!m_doc->IsModified());
    }

    void renamingMovesTheEntryAndKeepsItSelected_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("row");
        QTest::newRow("to the front") << "Ash" << QStringList {"Ash", "birch", "Oak"} << 0;
        QTest::newRow("case ignored") << "apple" << QStringList {"apple", "birch", "Oak"} << 0;
        QTest::newRow("to the end") << "Yew" << QStringList {"birch", "Oak", "Yew"} << 2;
        QTest::newRow("cleared, no default name") << "" << QStringList {"", "birch", "Oak"} << 0;
    }

    void renamingMovesTheEntryAndKeepsItSelected()
    {
        QFETCH(QString, newName);
        QFETCH(QStringList, entries);
        QFETCH(int, row);
        LoadParts({"Pine", "birch", "Oak"});
        CNamedObject* pine = Parts().GetList().front().get();
        QCOMPARE(Entries(), (QStringList {"birch", "Oak", "Pine"}));
        Select(pine);
        const std::string name = newName.toStdString();
        m_view->m_user = [&name](CNamedObject& object) { return Rename(object, name.c_str()); };
        QTest::mouseClick(m_view->EditButton(), Qt::LeftButton);

        QCOMPARE(Entries(), entries);
        QCOMPARE(m_view->ObjectList()->GetSelectedIndex(), row);
        QCOMPARE(m_view->ObjectList()->GetSelectedObject(), pine);
        QCOMPARE(m_view->Selected(), pine);
        QCOMPARE(pine->m_name, name);
        QVERIFY(m_doc->IsModified());
        QVERIFY(m_view->EditButton()->isEnabled());
    }

    void cancelledEditKeepsListAndFlag()
    {
        LoadParts({"Oak", "Pine"});
        CNamedObject* oak = Parts().GetList().front().get();
        Select(oak);
        m_view->m_user = [](CNamedObject&) { return false; };
        m_view->OnEdit();
        QCOMPARE(Entries(), (QStringList {"Oak", "Pine"}));
        QCOMPARE(m_view->Selected(), oak);
        QVERIFY(!m_doc->IsModified());

        // Changes the dialog made at once stay, and they are changes.
        m_view->m_changesAtOnce = true;
        m_view->m_user = [](CNamedObject& part) {
            static_cast<CTree&>(part).m_topHeight = 99;
            return false;
        };
        m_view->OnEdit();
        QCOMPARE(m_view->Selected(), oak);
        QVERIFY(m_doc->IsModified());
    }

    // The building dialog given up with Cancel after its element buttons changed the building
    // leaves no step and no modified mark: the building is as it was.
    void cancelledBuildingDialogLeavesNoStep()
    {
        auto building = std::make_unique<CBuilding>();
        building->m_name = "Station";
        auto hall = std::make_unique<CBuildingElement>();
        hall->m_name = "Hall";
        building->Add(std::move(hall));
        CBuilding* station = building.get();
        Parts().Add(std::move(building));
        m_view->OnInitialUpdate();
        Select(station);
        m_view->m_realDialogs = true;
        WhenModal([](QDialog& dialog) {
            Find<CObjectListBox>(dialog, "elements")->SelectIndex(0);
            Find<QPushButton>(dialog, "deleteElement")->click();
            dialog.reject();
        });
        m_view->OnEdit();
        QCOMPARE(m_view->History()->count(), 0);
        QVERIFY(!m_doc->IsModified());
        QCOMPARE(Parts().GetList().front().get(), station);
        QCOMPARE(station->GetCount(), size_t(1));
        QCOMPARE(station->GetElement(0).m_name, "Hall");
    }

    void equalNamesAreToldApartByTheirPart()
    {
        LoadParts({"Oak", "Oak", "Oak"});
        CNamedObject* second = Parts().GetList()[1].get();
        Select(second);
        m_view->m_user = [](CNamedObject& object) { return Rename(object, "Beech"); };
        m_view->OnEdit();
        QCOMPARE(Parts().GetList()[0]->m_name, std::string("Oak"));
        QCOMPARE(second->m_name, std::string("Beech"));
        QCOMPARE(Parts().GetList()[2]->m_name, std::string("Oak"));

        m_view->m_user = [](CNamedObject& object) { return Rename(object, "Oak"); };
        m_view->OnEdit();
        QCOMPARE(Entries(), (QStringList {"Oak", "Oak", "Oak"}));
        QCOMPARE(m_view->Selected(), second);
        QTest::mouseClick(m_view->DeleteButton(), Qt::LeftButton);
        QCOMPARE(Parts().GetCount(), size_t(2));
        for (const auto& part : Parts().GetList())
            QVERIFY(part.get() != second);
        QCOMPARE(Entries(), (QStringList {"Oak", "Oak"}));
    }

    void deleteAsksNothingAndSelectsTheNextPart()
    {
        LoadParts({"Oak", "Pine", "Yew"});
        Select(Parts().GetList()[1].get());
        QTest::mouseClick(m_view->DeleteButton(), Qt::LeftButton);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(Entries(), (QStringList {"Oak", "Yew"}));
        QCOMPARE(Parts().GetCount(), size_t(2));
        QVERIFY(m_doc->IsModified());
        QCOMPARE(m_view->Selected(), Parts().GetList()[1].get());
        QCOMPARE(ShownName(), std::string("Yew"));
        // The last row gone, the one before it is selected; the last part gone, none is.
        m_view->OnDelete();
        QCOMPARE(Entries(), QStringList {"Oak"});
        QCOMPARE(m_view->Selected(), Parts().GetList()[0].get());
        m_view->OnDelete();
        CheckNothingSelected();

        // With nothing selected, Edit and Delete do nothing.
        LoadParts({"Oak", "Yew"});
        m_view->ObjectList()->SelectIndex(-1);
        m_view->OnSelChangeObjectList();
        m_doc->SetModifiedFlag(false);
        m_view->OnDelete();
        m_view->OnEdit();
        QCOMPARE(Parts().GetCount(), size_t(2));
        QVERIFY(m_view->m_editorKinds.isEmpty());
        QVERIFY(!m_doc->IsModified());
    }

    void initialUpdateShowsANewCatalogueSortedFromItsFirstPart()
    {
        LoadParts({"Oak"});
        Select(Parts().GetList().front().get());
        // A catalogue replaced by a loaded one: its parts show sorted, nothing selected.
        CModelwrightDoc loaded;
        loaded.OnNewDocument();
        for (const char* name : {"pine", "Ash", "oak"}) {
            auto tree = std::make_unique<CTree>();
            tree->m_name = name;
            loaded.Parts().Add(std::move(tree));
        }
        m_doc->LoadFromBytes(loaded.SaveToBytes());
        m_view->OnInitialUpdate();
        QCOMPARE(Entries(), (QStringList {"Ash", "oak", "pine"}));
        // The first part is selected and shown, and the keyboard starts in the table.
        QCOMPARE(m_view->Selected()->m_name, std::string("Ash"));
        QCOMPARE(ShownName(), std::string("Ash"));
        QVERIFY(m_view->EditButton()->isEnabled());
        QVERIFY(m_view->ObjectList()->hasFocus());
        // An empty catalogue has nothing to select.
        m_doc->OnNewDocument();
        m_view->OnInitialUpdate();
        CheckNothingSelected();
    }

    // The filter box and the table share the keyboard: Down goes from the box into the table,
    // Escape empties the box, Home and End reach the first and the last part.
    void theKeyboardMovesBetweenFilterAndTable()
    {
        LoadParts({"Oak", "Pine", "Cork oak", "Yew"});
        CPartsTable& table = *m_view->ObjectList();
        QTest::keyClick(&table, Qt::Key_End);
        QCOMPARE(m_view->Selected()->m_name, std::string("Yew"));
        QCOMPARE(ShownName(), std::string("Yew"));
        QTest::keyClick(&table, Qt::Key_Home);
        QCOMPARE(m_view->Selected()->m_name, std::string("Cork oak"));

        QTest::keySequence(&table, QKeySequence::Find);
        QTest::keyClicks(m_view->FilterEdit(), "o");
        QCOMPARE(Entries(), (QStringList {"Cork oak", "Oak"}));
        QTest::keyClick(m_view->FilterEdit(), Qt::Key_Down);
        QVERIFY(table.hasFocus());
        QTest::keyClick(&table, Qt::Key_End);
        QCOMPARE(m_view->Selected()->m_name, std::string("Oak"));

        QTest::keySequence(&table, QKeySequence::Find);
        QTest::keyClick(m_view->FilterEdit(), Qt::Key_Escape);
        QCOMPARE(m_view->FilterEdit()->text(), QString());
        QCOMPARE(Entries().size(), 4);
        QCOMPARE(m_view->Selected()->m_name, std::string("Oak"));
        // Down with nothing selected starts at the first part.
        table.SelectIndex(-1);
        QTest::keyClick(m_view->FilterEdit(), Qt::Key_Down);
        QCOMPARE(m_view->Selected()->m_name, std::string("Cork oak"));
    }

    void exportWritesTheCatalogueInItsOwnOrder_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("empty catalogue: header block only") << QStringList {};
        QTest::newRow("parts") << QStringList {"Zebra", "Alpha", "Middle"};
    }

    void exportWritesTheCatalogueInItsOwnOrder()
    {
        QFETCH(QStringList, names);
        for (const QString& name : names) {
            auto tree = std::make_unique<CTree>();
            tree->m_name = name.toStdString();
            Parts().Add(std::move(tree));
        }
        m_view->OnInitialUpdate();
        m_view->m_exportPath = m_dir.filePath("catalogue.bdf");
        QTest::mouseClick(m_view->ExportButton(), Qt::LeftButton);

        const QByteArray written = FileBytes(m_view->m_exportPath);
        QCOMPARE(written.toStdString(), ExportToText(Parts(), CProgramOptions()));
        qsizetype previous = -1;
        for (const QString& name : names) {
            const qsizetype at = written.indexOf(name.toUtf8());
            QVERIFY(at > previous);
            previous = at;
        }
        if (names.isEmpty())
            QVERIFY(!written.contains("Structure"));
        QVERIFY(!m_doc->IsModified());
        QVERIFY(m_view->m_opened.isEmpty());
        QVERIFY(m_view->m_errors.isEmpty());
    }

    void exportWritesFaultyFreeTextsAndListsTheirFaults()
    {
        auto tree = std::make_unique<CTree>();
        tree->m_name = "Oak";
        tree->m_freeText = "Line 0 0 1 1\nLien 0 0 1 1";
        Parts().Add(std::move(tree));
        auto building = std::make_unique<CBuilding>();
        building->m_name = "Station";
        auto hall = std::make_unique<CBuildingElement>();
        hall->m_name = "Hall %2";
        hall->m_freeText = "Circle 1 2 3 $12345g";
        building->Add(std::move(hall));
        const CNamedObject* station = building.get();
        Parts().Add(std::move(building));
        Parts().Add(std::make_unique<CPlatform>());
        m_view->OnInitialUpdate();
        m_view->m_exportPath = m_dir.filePath("faults.bdf");
        QSignalSpy exported(m_view.get(), &CModelwrightView::partsFileExported);
        m_view->OnExport();

        // The user's own lines go into the file as they are.
        QVERIFY(m_view->m_errors.isEmpty());
        QCOMPARE(FileBytes(m_view->m_exportPath).toStdString(), ExportToText(Parts(), CProgramOptions()));
        QCOMPARE(exported.size(), 1);
        QCOMPARE(exported.front().at(2).toInt(), 2);
        QListWidget* faults = m_view->Preview()->ExportFaults();
        QCOMPARE(faults->count(), 2);
        QVERIFY(faults->item(0)->text().startsWith("Oak, line 2:"));
        QVERIFY(faults->item(1)->text().startsWith("Station, element Hall %2, line 1:"));

        // They stay while the user goes through the parts.
        emit faults->itemClicked(faults->item(1));
        QCOMPARE(m_view->ObjectList()->GetSelectedObject(), station);
        QCOMPARE(faults->count(), 2);

        static_cast<CTree&>(*Parts().GetList().front()).m_freeText = "Line 0 0 1 1";
        ElementAs<CBuildingElement>(static_cast<const CBuilding&>(*station).GetList().front()).m_freeText.clear();
        m_view->OnExport();
        QCOMPARE(exported.back().at(2).toInt(), 0);
        QCOMPARE(faults->count(), 0);
        QVERIFY(faults->isHidden());
    }

    void exportAndCompileHandsOverOnlyAFinishedFile()
    {
        LoadParts({"Oak"});
        const QTemporaryDir dir;
        // Cancelled file dialog: no file, no hand-over.
        m_view->m_exportPath.clear();
        QTest::mouseClick(m_view->ExportAndCompileButton(), Qt::LeftButton);
        QCOMPARE(m_view->m_exportAsked, 1);
        QVERIFY(m_view->m_opened.isEmpty());
        QVERIFY(QDir(dir.path()).isEmpty());

        // A file that cannot be made: the error is shown, nothing is handed over.
        m_view->m_exportPath = dir.filePath("missing/folder/catalogue.bdf");
        m_view->OnExportAndCompile();
        QCOMPARE(m_view->m_errors.size(), 1);
        QVERIFY(m_view->m_errors.front().contains("catalogue.bdf"));
        QVERIFY(m_view->m_opened.isEmpty());

        // The failure leaves the writer ready for the next export.
        m_view->m_exportPath = dir.filePath("catalogue.bdf");
        m_view->OnExportAndCompile();
        QCOMPARE(m_view->m_opened, QStringList {m_view->m_exportPath});
        QTRY_VERIFY(m_view->findChildren<QProcess*>().isEmpty());
        QVERIFY(QFile::exists(m_view->m_exportPath));
        QVERIFY(!m_doc->IsModified());
    }

    void exportAndCompileSaysWhatItStartedOrWhyNot()
    {
        CProgramOptions& options = m_options;
        QSignalSpy notes(m_view.get(), &CModelwrightView::statusMessage);
        m_view->m_exportPath = m_dir.filePath("country station.bdf");
        const QString native = QDir::toNativeSeparators(m_view->m_exportPath);

        // The desktop takes *.bdf for a bitmap font: no font viewer is started.
        m_view->m_fileType = QStringLiteral("font/ttf");
        m_view->OnExportAndCompile();
        QVERIFY(m_view->m_opened.isEmpty());
        QCOMPARE(m_view->m_errors.size(), 1);
        QVERIFY(m_view->m_errors.takeFirst().contains("Options"));

        // The desktop's opener finds no program: that is said, not that the file was opened.
        m_view->m_fileType = QStringLiteral("text/plain");
        m_view->m_opener = StandInCommands().findsNoProgram;
        m_view->OnExportAndCompile();
        QTRY_COMPARE(m_view->m_errors.size(), 1);
        QVERIFY(m_view->m_errors.front().contains(native));
        QVERIFY(m_view->m_errors.takeFirst().startsWith("No program on this desktop opens"));
        QVERIFY(notes.isEmpty());
        m_view->m_opener = StandInCommands().opens;
        m_view->OnExportAndCompile();
        QTRY_COMPARE(notes.size(), 1);
        QCOMPARE(m_view->m_opened.size(), 2);
        QVERIFY(notes.takeFirst().constFirst().toString().startsWith("Opened " + native));

        // The user's command: quoted words keep their spaces, %f is the file, never a shell.
        options.m_compileCommand = R"("/opt/track planner/compile" --quiet "%f" ; rm)";
        m_view->OnExportAndCompile();
        QCOMPARE(m_view->m_started.takeFirst(),
            (QStringList {"/opt/track planner/compile", "--quiet", native, ";", "rm"}));
        QTRY_COMPARE(m_view->m_errors.size(), 1);
        QVERIFY(m_view->m_errors.takeFirst().startsWith("Could not start /opt/track planner/compile: "));
        QVERIFY(notes.isEmpty());
        QVERIFY(m_view->Preview()->CompileTitle()->isHidden());

        // Without %f the file is the last word, as the system writes it too.
        options.m_compileCommand = R"("/opt/track planner/compile" --quiet)";
        m_view->OnExportAndCompile();
        QCOMPARE(m_view->m_started.takeFirst(), (QStringList {"/opt/track planner/compile", "--quiet", native}));
        QTRY_COMPARE(m_view->m_errors.size(), 1);
    }

    // A command that fails is told in the status bar with its exit status, and its last lines
    // (standard output and error alike) show under the preview until the next export.
    void exportAndCompileShowsHowTheCommandEnded()
    {
        LoadParts({"Oak"});
        QSignalSpy notes(m_view.get(), &CModelwrightView::statusMessage);
        m_view->m_exportPath = m_dir.filePath("catalogue.bdf");
        m_options.m_compileCommand = StandInCommands().failsAfterFortyLines.toStdString();
        const QString program = QProcess::splitCommand(StandInCommands().failsAfterFortyLines).constFirst();
        m_view->OnExportAndCompile();
        QTRY_VERIFY(notes.size() == 2);
        QCOMPARE(notes[0].constFirst().toString(), QStringLiteral("Started %1 on %2.").arg(program, QDir::toNativeSeparators(m_view->m_exportPath)));
        QVERIFY(notes[1].constFirst().toString().startsWith(program + " on "));
        QVERIFY(notes[1].constFirst().toString().endsWith(" failed (exit 3)."));
        CPartPreview& preview = *m_view->Preview();
        QVERIFY(preview.CompileTitle()->isVisibleTo(m_view.get()));
        QVERIFY(preview.CompileTitle()->text().contains("exit 3"));
        const QStringList lines = preview.CompileOutput()->toPlainText().split('\n');
        QCOMPARE(lines.size(), 12);
        QCOMPARE(lines.front(), QStringLiteral("30"));
        QCOMPARE(lines.back(), "cannot read " + QDir::toNativeSeparators(m_view->m_exportPath));
        QVERIFY(m_view->m_errors.isEmpty());
        m_view->resize(1000, 600);
        SaveScreenshot(*m_view, "view_compile_failed");

        notes.clear();
        m_options.m_compileCommand = StandInCommands().printsOneLine.toStdString();
        m_view->OnExportAndCompile();
        QTRY_VERIFY(notes.size() == 2);
        QVERIFY(notes[1].constFirst().toString().endsWith(" finished (exit 0)."));
        QCOMPARE(preview.CompileOutput()->toPlainText(), QStringLiteral("1 part compiled"));

        // Letters beyond ASCII read as the system's console wrote them.
        notes.clear();
        m_options.m_compileCommand = StandInCommands().printsGroesse.toStdString();
        m_view->OnExportAndCompile();
        QTRY_VERIFY(notes.size() == 2);
        QCOMPARE(preview.CompileOutput()->toPlainText(), QStringLiteral("Größe übung"));

        // A plain export leaves no report of an earlier run behind.
        m_view->OnExport();
        QVERIFY(preview.CompileTitle()->isHidden());
        QVERIFY(preview.CompileOutput()->isHidden());

        // A command still running when the form closes is ended without a report to it.
        m_options.m_compileCommand = StandInCommands().runsLong.toStdString();
        m_view->OnExportAndCompile();
        QTRY_COMPARE(notes.size(), 3);
        m_view.reset();
    }

    void keysAndDoubleClickEditAndDeleteAndCtrlFFilters()
    {
        LoadParts({"Oak", "Pine", "Cork oak"});
        CNamedObject* pine = Parts().GetList()[1].get();
        Select(pine);
        m_view->m_user = [](CNamedObject& object) { return Rename(object, "Scots pine"); };
        QTest::keyClick(m_view->ObjectList(), Qt::Key_Return);
        QCOMPARE(Entries(), (QStringList {"Cork oak", "Oak", "Scots pine"}));
        QCOMPARE(m_view->Selected(), pine);

        CPartsTable& table = *m_view->ObjectList();
        m_view->m_user = [](CNamedObject& object) { return Rename(object, "Black pine"); };
        const QPoint scotsPine = table.visualRect(table.model()->index(2, 0)).center();
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, scotsPine);
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, scotsPine);
        QCOMPARE(m_view->m_editorKinds.size(), 2);
        QCOMPARE(Entries(), (QStringList {"Black pine", "Cork oak", "Oak"}));

        QTest::keyClick(&table, Qt::Key_Delete);
        QCOMPARE(Entries(), (QStringList {"Cork oak", "Oak"}));
        QCOMPARE(Parts().GetCount(), size_t(2));

        QTest::keySequence(&table, QKeySequence::Find);
        QVERIFY(m_view->FilterEdit()->hasFocus());
        QTest::keyClicks(m_view->FilterEdit(), "CORK");
        QCOMPARE(Entries(), QStringList {"Cork oak"});
        // A new part the filter would hide shows, and the box no longer claims a filter.
        m_view->m_user = [](CNamedObject& object) { return Rename(object, "Yew"); };
        m_view->OnNewTree();
        QCOMPARE(Entries(), (QStringList {"Cork oak", "Oak", "Yew"}));
        QCOMPARE(m_view->FilterEdit()->text(), QString());
        QCOMPARE(m_view->Selected(), Parts().GetList().back().get());
    }

    // Duplicate and Paste add a whole copy at the end of the catalogue, with a number of its
    // own, selected, as one step each; what the clipboard holds that is no part is refused.
    void duplicateCutCopyAndPasteCarryWholeParts()
    {
        auto platform = std::make_unique<CPlatform>();
        platform->m_name = "Halt";
        platform->m_freeText = "; lamp posts";
        platform->m_length = 420;
        Parts().Add(std::move(platform));
        m_view->OnInitialUpdate();
        const auto* halt = static_cast<const CPlatform*>(Parts().GetList()[0].get());
        const auto copyAt = [this](size_t index) { return static_cast<const CPlatform*>(Parts().GetList().at(index).get()); };

        QVERIFY(m_view->DuplicateAction()->isEnabled());
        QTest::keySequence(m_view->ObjectList(), QKeySequence(Qt::CTRL | Qt::Key_D));
        QCOMPARE(Parts().GetCount(), size_t(2));
        const CPlatform* duplicate = copyAt(1);
        QVERIFY(duplicate->m_id != halt->m_id);
        QCOMPARE(duplicate->m_name, std::string("Halt (2)"));
        QCOMPARE(duplicate->m_length, 420);
        QCOMPARE(duplicate->m_freeText, std::string("; lamp posts"));
        QCOMPARE(m_view->Selected(), duplicate);
        QCOMPARE(m_view->History()->count(), 1);
        QCOMPARE(m_view->History()->undoText(), QString("Duplicate \"Halt\""));
        // Undone behind a filter that hides the original, the original is shown selected again.
        m_view->FilterEdit()->setText("(2)");
        m_view->History()->undo();
        QCOMPARE(Parts().GetCount(), size_t(1));
        QVERIFY(!m_doc->IsModified());
        QCOMPARE(m_view->Selected(), halt);
        QCOMPARE(m_view->ObjectList()->GetSelectedObject(), halt);
        QCOMPARE(Entries(), QStringList {"Halt"});
        QVERIFY(m_view->EditButton()->isEnabled());
        m_view->History()->redo();
        QCOMPARE(m_view->Selected()->m_name, std::string("Halt (2)"));
        m_view->History()->undo();

        // The clipboard keeps the name; Cut takes the part away as one step.
        m_view->ObjectList()->SelectIndex(0);
        m_view->CopyAction()->trigger();
        QVERIFY(m_view->PasteAction()->isEnabled());
        m_view->PasteAction()->trigger();
        QCOMPARE(Parts().GetCount(), size_t(2));
        QCOMPARE(copyAt(1)->m_name, std::string("Halt (2)"));
        QVERIFY(copyAt(1)->m_id != halt->m_id);
        QCOMPARE(copyAt(1)->m_freeText, std::string("; lamp posts"));
        QCOMPARE(m_view->History()->undoText(), QString("Paste \"Halt\""));
        m_view->History()->undo();
        QCOMPARE(m_view->Selected(), halt);
        m_view->History()->redo();
        // A part cut and pasted again keeps its name, which is free once more.
        m_view->CutAction()->trigger();
        QCOMPARE(Parts().GetCount(), size_t(1));
        m_view->PasteAction()->trigger();
        QCOMPARE(Parts().GetCount(), size_t(2));
        QCOMPARE(copyAt(1)->m_name, std::string("Halt (2)"));
        QCOMPARE(m_view->History()->count(), 3);

        // Bytes under the type that are no whole part add nothing and say so.
        std::vector<uint8_t> carried = CPartSnapshot::Take(*Parts().GetList()[0]).ToBytes();
        for (const QByteArray& bytes : {QByteArray("no part"), QByteArray(reinterpret_cast<const char*>(carried.data()), qsizetype(carried.size()) - 3)}) {
            auto* data = new QMimeData;
            data->setData(QLatin1String(CModelwrightView::kPartMimeType), bytes);
            QApplication::clipboard()->setMimeData(data);
            m_view->PasteAction()->trigger();
        }
        QCOMPARE(Parts().GetCount(), size_t(2));
        QCOMPARE(m_view->m_errors.size(), 2);
        QApplication::clipboard()->setText(QStringLiteral("Halt"));
        QVERIFY(!m_view->PasteAction()->isEnabled());
    }

    // Undo and redo show the part they put back selected in the table, dropping a filter only
    // when it would hide that part; a step that takes a part away leaves nothing selected.
    void undoAndRedoSelectTheirPartEvenBehindAFilter()
    {
        LoadParts({"Oak", "Pine", "Cork oak"});
        QUndoStack& history = *m_view->History();
        const auto check = [this](const char* name, const QString& filter, const QStringList& entries) {
            QCOMPARE(m_view->FilterEdit()->text(), filter);
            QCOMPARE(m_view->ObjectList()->Model().Filter(), filter);
            QCOMPARE(Entries(), entries);
            QVERIFY(m_view->Selected());
            QCOMPARE(QString::fromStdString(m_view->Selected()->m_name), QString(name));
            QCOMPARE(m_view->ObjectList()->GetSelectedObject(), m_view->Selected());
            QVERIFY(m_view->EditButton()->isEnabled());
        };
        Select(Parts().GetList()[1].get());
        m_view->m_user = [](CNamedObject& object) { return Rename(object, "Scots pine"); };
        m_view->OnEdit();

        m_view->FilterEdit()->setText("oak");
        history.undo();
        check("Pine", "", {"Cork oak", "Oak", "Pine"});
        m_view->FilterEdit()->setText("pine");
        history.redo();
        check("Scots pine", "pine", {"Scots pine"});

        m_view->OnDelete();
        m_view->FilterEdit()->setText("cork");
        history.undo();
        check("Scots pine", "", {"Cork oak", "Oak", "Scots pine"});
        history.redo();
        QCOMPARE(Entries(), (QStringList {"Cork oak", "Oak"}));
        CheckNothingSelected();

        m_view->FilterEdit()->setText("oak");
        history.undo();
        check("Scots pine", "", {"Cork oak", "Oak", "Scots pine"});
        // Back to the start: the first part is the one put back.
        history.undo();
        check("Pine", "", {"Cork oak", "Oak", "Pine"});
        QCOMPARE(Parts().GetList()[1]->m_name, std::string("Pine"));
    }

    void tableGrowsWithTheForm()
    {
        LoadParts({"Oak"});
        const QSize small = m_view->ObjectList()->size();
        // The form shares the added width with the preview beside it.
        m_view->resize(1200, 800);
        QTRY_VERIFY(m_view->ObjectList()->width() > small.width() + 200);
        QVERIFY(m_view->ObjectList()->height() > small.height() + 300);
        // The buttons keep their places in two rows under the table, in their order.
        QVERIFY(m_view->EditHeaderButton()->y() > m_view->ObjectList()->geometry().bottom());
        QCOMPARE(m_view->NewPlatformButton()->y(), m_view->EditHeaderButton()->y());
        QVERIFY(m_view->NewPlatformButton()->x() > m_view->NewBuildingButton()->x());
        QVERIFY(m_view->EditButton()->y() > m_view->EditHeaderButton()->geometry().bottom());
        QCOMPARE(m_view->EditButton()->x(), m_view->EditHeaderButton()->x());
    }

    void editHeaderMarksTheDocumentOnlyOnOk()
    {
        WhenModal([](QDialog& dialog) {
            Find<QLineEdit>(dialog, "description")->clear();
            QTest::keyClicks(Find<QLineEdit>(dialog, "description"), "Summer catalogue");
        });
        QTest::mouseClick(m_view->EditHeaderButton(), Qt::LeftButton);
        QCOMPARE(Parts().m_pHeader->m_name, std::string(""));
        QVERIFY(!m_doc->IsModified());

        WhenModal([](QDialog& dialog) {
            QTest::keyClicks(Find<QLineEdit>(dialog, "description"), "Summer catalogue");
            dialog.accept();
        });
        QTest::mouseClick(m_view->EditHeaderButton(), Qt::LeftButton);
        QCOMPARE(Parts().m_pHeader->m_name, std::string("Summer catalogue"));
        QVERIFY(m_doc->IsModified());
        QVERIFY(Entries().isEmpty());
    }

    void anAddressChangedInACancelledHeaderDialogMarksTheDocument()
    {
        WhenModal([](QDialog& dialog) {
            WhenModal([](QDialog& address) {
                QTest::keyClicks(Find<QLineEdit>(address, "companyName"), "Kleinbahn");
                address.accept();
            });
            QTest::mouseClick(Find<QPushButton>(dialog, "editManufacturer"), Qt::LeftButton);
            dialog.reject();
        });
        QTest::mouseClick(m_view->EditHeaderButton(), Qt::LeftButton);
        QCOMPARE(Parts().m_pHeader->m_pManufacturer->m_companyName, std::string("Kleinbahn"));
        QVERIFY(m_doc->IsModified());
    }

    void eachCommandRunsItsKindsOwnDialog()
    {
        CModelwrightView view(*m_doc, m_options);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const std::pair<QPushButton*, const char*> commands[] = {{view.NewTreeButton(), "CTreeDlg"},
            {view.NewBuildingButton(), "CBuildingDlg"}, {view.NewPlatformButton(), "CPlatformDlg"}};
        for (const auto& [button, dialogClass] : commands) {
            QString shown;
            WhenModal([&shown](QDialog& dialog) {
                shown = dialog.metaObject()->className();
                SaveScreenshot(dialog, QString("new_part_") + dialog.metaObject()->className());
            });
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(shown, QString(dialogClass));
        }
        QVERIFY(Parts().GetList().empty());
        QVERIFY(!m_doc->IsModified());

        // OK in the tree dialog with an empty description: the tree takes its default name.
        WhenModal([](QDialog& dialog) { dialog.accept(); });
        QTest::mouseClick(view.NewTreeButton(), Qt::LeftButton);
        QCOMPARE(Parts().GetCount(), size_t(1));
        const CNamedObject& tree = *Parts().GetList().front();
        QCOMPARE(view.ObjectList()->EntryText(0), QString("CTree %1").arg(tree.m_id));
        QCOMPARE(view.Selected(), &tree);
        QVERIFY(m_doc->IsModified());

        QString edited;
        WhenModal([&edited](QDialog& dialog) { edited = dialog.metaObject()->className(); });
        QTest::mouseClick(view.EditButton(), Qt::LeftButton);
        QCOMPARE(edited, QString("CTreeDlg"));
    }

    // The sheet holds the catalogue's parts in its order, or on request those the table shows
    // in the table's order; the header comes along.
    void sheetHoldsThePartsInTheOrderAskedFor()
    {
        for (const char* name : {"Zebra oak", "Alpha platform", "Mid oak"}) {
            std::unique_ptr<CNamedObject> part = std::string(name).find("oak") != std::string::npos
                ? std::unique_ptr<CNamedObject>(std::make_unique<CTree>())
                : std::unique_ptr<CNamedObject>(std::make_unique<CPlatform>());
            part->m_name = name;
            Parts().Add(std::move(part));
        }
        m_view->OnInitialUpdate();
        m_view->FilterEdit()->setText("oak");

        const auto names = [](const SSheetContent& content) {
            QStringList names;
            for (const CNamedObject* part : content.m_parts)
                names << QString::fromStdString(part->m_name);
            return names;
        };
        const SSheetContent all = m_view->SheetContent(false);
        QCOMPARE(all.m_header, Parts().m_pHeader.get());
        QCOMPARE(names(all), (QStringList {"Zebra oak", "Alpha platform", "Mid oak"}));
        QCOMPARE(names(m_view->SheetContent(true)), (QStringList {"Mid oak", "Zebra oak"}));

        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_dir.filePath("sheet.pdf"));
        m_view->PrintCatalogue(printer);
        QVERIFY(FileBytes(printer.outputFileName()).startsWith("%PDF"));
    }
};

QTEST_MAIN(TestModelwrightView)
#include "tst_modelwrightview.moc"
