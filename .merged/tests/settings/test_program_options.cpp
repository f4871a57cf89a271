#include "settings/ProgramOptions.h"
#include "support/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace {

void ExpectStoredInt(const CMemorySettingsStore& store, const char* name, int32_t value)
{
    const CMemorySettingsStore::Value* stored = store.Find(name);
    ASSERT_NE(stored, nullptr) << name;
    ASSERT_TRUE(std::holds_alternative<int32_t>(*stored)) << name;
    EXPECT_EQ(std::get<int32_t>(*stored), value) << name;
}

TEST(ProgramOptions, FirstStartWritesTheDefaults)
{
    CMemorySettingsStore store;
    const CProgramOptions options = LoadOptions(store);
    EXPECT_EQ(options.m_language, 112);
    EXPECT_EQ(options.m_hexahedronBugfix, 1);
    EXPECT_EQ(options.m_winrailVersion, 157);
    EXPECT_EQ(options.m_autosaveMinutes, 5);
    EXPECT_EQ(options.m_backupOnSave, 1);
    EXPECT_EQ(store.m_values.size(), 5u);
    ExpectStoredInt(store, "Language", 112);
    ExpectStoredInt(store, "HexahedronBugfix", 1);
    ExpectStoredInt(store, "WinrailVersion", 157);
    ExpectStoredInt(store, "AutosaveMinutes", 5);
    ExpectStoredInt(store, "BackupOnSave", 1);
}

TEST(ProgramOptions, StoredValuesAreTakenWithNegativeChoicesAsZero)
{
    struct Row {
        int32_t language, hexahedron, version;
        int32_t expectedLanguage, expectedHexahedron, expectedVersion;
    };
    const Row rows[] = {
        {154, 0, 156, 154, 0, 156},
        {110, 2, 0, 110, 2, 0},
        {-5, -7, -1, 0, -7, 0},
        {2147483647, 1, 12345, 2147483647, 1, 12345},
    };
    for (const Row& row : rows) {
        CMemorySettingsStore store;
        store.WriteInt32("Language", row.language);
        store.WriteInt32("HexahedronBugfix", row.hexahedron);
        store.WriteInt32("WinrailVersion", row.version);
        const CProgramOptions options = LoadOptions(store);
        EXPECT_EQ(options.m_language, row.expectedLanguage);
        EXPECT_EQ(options.m_hexahedronBugfix, row.expectedHexahedron);
        EXPECT_EQ(options.m_winrailVersion, row.expectedVersion);
        // Reading never rewrites a stored integer, not even a negative one.
        ExpectStoredInt(store, "Language", row.language);
        ExpectStoredInt(store, "HexahedronBugfix", row.hexahedron);
        ExpectStoredInt(store, "WinrailVersion", row.version);
    }
}

TEST(ProgramOptions, ValuesThatAreNoIntegersAreReplacedByTheDefault)
{
    CMemorySettingsStore store;
    store.SetText("Language", "108");
    store.SetText("HexahedronBugfix", "");
    store.WriteInt32("WinrailVersion", 156);
    const CProgramOptions options = LoadOptions(store);
    EXPECT_EQ(options.m_language, 112);
    EXPECT_EQ(options.m_hexahedronBugfix, 1);
    EXPECT_EQ(options.m_winrailVersion, 156);
    ExpectStoredInt(store, "Language", 112);
    ExpectStoredInt(store, "HexahedronBugfix", 1);
}

TEST(ProgramOptions, SaveWritesAllThreeAndLoadGivesThemBack)
{
    CMemorySettingsStore store;
    CProgramOptions saved;
    saved.m_language = 108;
    saved.m_winrailVersion = 156;
    saved.m_hexahedronBugfix = 0;
    SaveOptions(saved, store);
    ExpectStoredInt(store, "Language", 108);
    ExpectStoredInt(store, "HexahedronBugfix", 0);
    ExpectStoredInt(store, "WinrailVersion", 156);

    const CProgramOptions loaded = LoadOptions(store);
    EXPECT_EQ(loaded.m_language, 108);
    EXPECT_EQ(loaded.m_hexahedronBugfix, 0);
    EXPECT_EQ(loaded.m_winrailVersion, 156);
}

TEST(ProgramOptions, AStoreThatRefusesWritesStillGivesTheDefaults)
{
    CMemorySettingsStore store;
    store.m_refuseWrites = true;
    store.SetText("Language", "x");
    const CProgramOptions options = LoadOptions(store);
    EXPECT_EQ(options.m_language, 112);
    EXPECT_EQ(options.m_winrailVersion, 157);
    EXPECT_FALSE(store.m_values.contains("WinrailVersion"));

    CProgramOptions changed;
    changed.m_language = 108;
    SaveOptions(changed, store);
    EXPECT_FALSE(store.m_values.contains("HexahedronBugfix"));
}

TEST(ProgramOptions, CompileCommandIsKeptAsTextAndOnlyWhenStored)
{
    CMemorySettingsStore store;
    EXPECT_EQ(LoadOptions(store).m_compileCommand, "");
    EXPECT_EQ(store.Find("CompileCommand"), nullptr);
    CProgramOptions saved;
    saved.m_compileCommand = "\"/opt/track planner/compile\" %f";
    SaveOptions(saved, store);
    EXPECT_EQ(LoadOptions(store).m_compileCommand, saved.m_compileCommand);
    // A number stored under the name is no command.
    store.WriteInt32("CompileCommand", 5);
    EXPECT_EQ(LoadOptions(store).m_compileCommand, "");
}

} // namespace
