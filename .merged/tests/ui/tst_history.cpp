#include "model/Building.h"
#include "model/ObjectEditor.h"
#include "model/ModelwrightDoc.h"
#include "model/PartKind.h"
#include "model/PartSnapshot.h"
#include "model/Platform.h"
#include "model/Tree.h"
#include "settings/ProgramOptions.h"
#include "ui/ModelwrightView.h"
#include "ui/ObjectListBox.h"

#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include <functional>
#include <optional>
#include <random>

namespace {

using EPartKind = CModelwrightView::EPartKind;

// What a user does to a part or the header in one dialog session, as data, so that the same
// change can be made again directly on another catalogue. Numbers come from the test, not
// from the running counter, so both catalogues name their objects alike.
struct SChange {
    enum class EKind { newPart, editPart, cancelledBuildingEdit, deletePart, editHeader, editAddress } kind;
    EPartKind partKind = EPartKind::tree;
    size_t index = 0;
    int32_t seed = 0;
};

void FillBuilding(CBuilding& building, int32_t seed)
{
    while (building.GetCount() > 0)
        building.Delete(building.GetList().back().get());
    for (int32_t k = 0; k < seed % 3; ++k) {
        auto element = std::make_unique<CBuildingElement>();
        element->m_id = seed * 10 + k;
        element->m_blockHeight = seed + k;
        element->m_freeText = "block " + std::to_string(k);
        auto decoration = std::make_unique<CDecoration>();
        decoration->m_id = seed * 10 + 5 + k;
        element->m_decorations->Add(std::move(decoration));
        building.Add(std::move(element));
    }
}

// Changes a part's fields the way its dialog would (a building's elements included).
void Fill(CNamedObject& part, int32_t seed)
{
    part.m_name = seed % 4 == 0 ? std::string() : "Part " + std::to_string(seed);
    if (auto* tree = DynamicDowncast<CTree>(&part)) {
        tree->m_topHeight = seed;
        tree->m_freeText = "tree text " + std::to_string(seed);
    } else if (auto* building = DynamicDowncast<CBuilding>(&part)) {
        building->m_freeText = "after the last element " + std::to_string(seed);
        building->m_price = std::to_string(seed);
        FillBuilding(*building, seed);
    } else if (auto* platform = DynamicDowncast<CPlatform>(&part)) {
        platform->m_length = seed;
        platform->m_freeText = "platform text " + std::to_string(seed);
    }
}

// The change made directly on a catalogue, without any history.
void MakeDirectly(CPartsManager& parts, const SChange& change)
{
    switch (change.kind) {
    case SChange::EKind::newPart: {
        std::unique_ptr<CNamedObject> part = MakePart(change.partKind);
        part->m_id = change.seed;
        Fill(*part, change.seed);
        part->SetDefaultName();
        parts.Add(std::move(part));
        break;
    }
    case SChange::EKind::editPart:
        Fill(*parts.GetList()[change.index], change.seed);
        break;
    case SChange::EKind::cancelledBuildingEdit:
        FillBuilding(static_cast<CBuilding&>(*parts.GetList()[change.index]), change.seed);
        break;
    case SChange::EKind::deletePart:
        parts.Delete(parts.GetList()[change.index].get());
        break;
    case SChange::EKind::editHeader:
        parts.m_pHeader->m_name = "Catalogue " + std::to_string(change.seed);
        parts.m_pHeader->m_version = change.seed;
        break;
    case SChange::EKind::editAddress:
        parts.m_pHeader->m_pManufacturer->m_companyName = "Works " + std::to_string(change.seed);
        break;
    }
}

// A dialog that makes the change it is told: OK, or Cancel after a change made at once.
class CChangingEditor : public IObjectEditor {
public:
    explicit CChangingEditor(const SChange& change) : m_change(change) {}
    bool Edit(CNamedObject& object, CObjectManager&) override
    {
        switch (m_change.kind) {
        case SChange::EKind::newPart:
            object.m_id = m_change.seed;
            Fill(object, m_change.seed);
            return true;
        case SChange::EKind::editPart:
            Fill(object, m_change.seed);
            return true;
        case SChange::EKind::cancelledBuildingEdit:
            FillBuilding(static_cast<CBuilding&>(object), m_change.seed);
            ReportChanged();
            return false;
        case SChange::EKind::editHeader:
            static_cast<CHeader&>(object).m_name = "Catalogue " + std::to_string(m_change.seed);
            static_cast<CHeader&>(object).m_version = m_change.seed;
            return true;
        case SChange::EKind::editAddress:
            static_cast<CHeader&>(object).m_pManufacturer->m_companyName = "Works " + std::to_string(m_change.seed);
            ReportChanged();
            return false;
        case SChange::EKind::deletePart:
            break;
        }
        return false;
    }

private:
    SChange m_change;
};

class CHistoryView : public CModelwrightView {
public:
    using CModelwrightView::CModelwrightView;
    SChange m_change;

protected:
    std::unique_ptr<IObjectEditor> CreateEditor(EPartKind) override { return std::make_unique<CChangingEditor>(m_change); }
    std::unique_ptr<IObjectEditor> CreateHeaderEditor() override { return std::make_unique<CChangingEditor>(m_change); }
};

std::vector<CPartSnapshot> SnapshotsOf(const CPartsManager& parts)
{
    std::vector<CPartSnapshot> snapshots;
    for (const auto& part : parts.GetList())
        snapshots.push_back(CPartSnapshot::Take(*part));
    snapshots.push_back(CPartSnapshot::Take(*parts.m_pHeader));
    return snapshots;
}

}

class TestHistory : public QObject {
    Q_OBJECT

    CProgramOptions m_options;
    std::unique_ptr<CModelwrightDoc> m_doc;
    std::unique_ptr<CHistoryView> m_view;

    CPartsManager& Parts() { return m_doc->Parts(); }
    QUndoStack& History() { return *m_view->History(); }

    void Make(const SChange& change)
    {
        m_view->m_change = change;
        switch (change.kind) {
        case SChange::EKind::newPart:
            change.partKind == EPartKind::tree           ? m_view->OnNewTree()
                : change.partKind == EPartKind::building ? m_view->OnNewBuilding()
                                                         : m_view->OnNewPlatform();
            break;
        case SChange::EKind::editPart:
        case SChange::EKind::cancelledBuildingEdit:
            QVERIFY(m_view->ObjectList()->SelectObject(Parts().GetList()[change.index].get()));
            m_view->OnEdit();
            break;
        case SChange::EKind::deletePart:
            QVERIFY(m_view->ObjectList()->SelectObject(Parts().GetList()[change.index].get()));
            m_view->OnDelete();
            break;
        case SChange::EKind::editHeader:
        case SChange::EKind::editAddress:
            m_view->OnEditHeader();
            break;
        }
    }

private slots:
    void init()
    {
        m_doc = std::make_unique<CModelwrightDoc>();
        m_doc->OnNewDocument();
        m_view = std::make_unique<CHistoryView>(*m_doc, m_options);
        // As the main window does: saving or loading makes the history's state the clean one.
        m_doc->m_onModifiedChanged = [this](bool modified) { m_view->FollowModifiedFlag(modified); };
        m_doc->m_onUpdateAllViews = [this] { m_view->OnInitialUpdate(); };
    }

    void cleanup()
    {
        m_doc->m_onModifiedChanged = nullptr;
        m_doc->m_onAboutToChange = nullptr;
        m_doc->m_onUpdateAllViews = nullptr;
        m_view.reset();
        m_doc.reset();
    }

    void randomEditsUndoneAndRedoneSaveLikeDirectEdits_data()
    {
        QTest::addColumn<unsigned>("seed");
        for (unsigned seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomEditsUndoneAndRedoneSaveLikeDirectEdits()
    {
        QFETCH(unsigned, seed);
        std::mt19937 random(seed);
        const auto below = [&random](size_t n) { return static_cast<size_t>(random() % n); };
        // The changes the history holds; those below its index are the ones in effect.
        std::vector<SChange> made;
        int32_t nextSeed = 100000 * static_cast<int32_t>(seed);
        // The header and its address records keep their numbers through every step.
        const CPartSnapshot firstHeader = CPartSnapshot::Take(*Parts().m_pHeader);
        // Every change says so before it touches the catalogue (an autosave may be reading it).
        std::optional<std::vector<uint8_t>> toldBefore;
        m_doc->m_onAboutToChange = [&] {
            if (!toldBefore)
                toldBefore = m_doc->SaveToBytes();
        };
        for (int round = 0; round < 120; ++round) {
            const std::vector<uint8_t> before = m_doc->SaveToBytes();
            toldBefore.reset();
            const size_t choice = below(10);
            if (choice == 0 && History().canUndo()) {
                History().undo();
            } else if (choice == 1 && History().canRedo()) {
                History().redo();
            } else {
                const size_t count = Parts().GetCount();
                SChange change;
                change.seed = ++nextSeed;
                change.partKind = EPartKind(below(3));
                const size_t what = count == 0 ? 0 : below(6);
                change.kind = what == 0 ? SChange::EKind::newPart
                    : what == 1         ? SChange::EKind::editPart
                    : what == 2         ? SChange::EKind::deletePart
                    : what == 3         ? SChange::EKind::editHeader
                    : what == 4         ? SChange::EKind::editAddress
                                        : SChange::EKind::cancelledBuildingEdit;
                change.index = count == 0 ? 0 : below(count);
                if (change.kind == SChange::EKind::cancelledBuildingEdit
                    && !DynamicDowncast<CBuilding>(Parts().GetList()[change.index].get()))
                    change.kind = SChange::EKind::editPart;
                // A cancelled dialog that changed nothing is no step.
                const int index = History().index();
                Make(change);
                if (History().index() != index) {
                    QCOMPARE(History().index(), index + 1);
                    made.resize(static_cast<size_t>(index));
                    made.push_back(change);
                }
            }
            if (m_doc->SaveToBytes() != before) {
                QVERIFY(toldBefore);
                QCOMPARE(*toldBefore, before);
            }
            CModelwrightDoc direct;
            direct.OnNewDocument();
            direct.Parts().m_pHeader = firstHeader.Restore<CHeader>();
            for (int step = 0; step < History().index(); ++step)
                MakeDirectly(direct.Parts(), made[static_cast<size_t>(step)]);
            QCOMPARE(m_doc->SaveToBytes(), direct.SaveToBytes());
            QVERIFY(SnapshotsOf(Parts()) == SnapshotsOf(direct.Parts()));
            QCOMPARE(m_view->ObjectList()->count(), int(Parts().GetCount()));
        }
    }

    void undoBackToTheSavePointClearsTheModifiedMark()
    {
        Make({SChange::EKind::newPart, EPartKind::tree, 0, 1});
        Make({SChange::EKind::newPart, EPartKind::building, 0, 2});
        QVERIFY(m_doc->IsModified());
        m_doc->SetModifiedFlag(false); // saved
        QVERIFY(History().isClean());
        Make({SChange::EKind::editPart, EPartKind::tree, 0, 3});
        QVERIFY(m_doc->IsModified());
        History().undo();
        QVERIFY(!m_doc->IsModified());
        History().undo();
        QVERIFY(m_doc->IsModified());
        History().redo();
        QVERIFY(!m_doc->IsModified());
        History().redo();
        QVERIFY(m_doc->IsModified());

        // A new catalogue starts a new history.
        m_doc->OnNewDocument();
        QCOMPARE(History().count(), 0);
        QVERIFY(!m_doc->IsModified());
    }

    void aDocumentModifiedWithoutStepsStaysModifiedThroughUndo()
    {
        // As recovered unsaved changes are: modified, with nothing to undo back to a saved state.
        m_doc->SetModifiedFlag(true);
        Make({SChange::EKind::newPart, EPartKind::platform, 0, 7});
        History().undo();
        QVERIFY(m_doc->IsModified());
    }

    void stepsAreNamedForWhatTheyDid()
    {
        Make({SChange::EKind::newPart, EPartKind::building, 0, 5});
        QCOMPARE(History().undoText(), QString("New building \"Part 5\""));
        Make({SChange::EKind::editPart, EPartKind::building, 0, 6});
        QCOMPARE(History().undoText(), QString("Edit building \"Part 6\""));
        Make({SChange::EKind::editAddress, EPartKind::tree, 0, 7});
        QCOMPARE(History().undoText(), QString("Edit address"));
        Make({SChange::EKind::editHeader, EPartKind::tree, 0, 8});
        QCOMPARE(History().undoText(), QString("Edit header"));
        Make({SChange::EKind::deletePart, EPartKind::tree, 0, 9});
        QCOMPARE(History().undoText(), QString("Delete building \"Part 6\""));
        History().undo();
        // The part comes back selected.
        QCOMPARE(m_view->Selected(), Parts().GetList().front().get());
        QVERIFY(m_view->EditButton()->isEnabled());
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
