#include "export/ProgramOptions.h"
#include "export/SettingsKey.h"

#include <gtest/gtest.h>

namespace {

void ExpectStoredInt(const CMemorySettingsKey& key, const char* name, int32_t value)
{
    const CMemorySettingsKey::Value* stored = key.Find(name);
    ASSERT_NE(stored, nullptr) << name;
    ASSERT_TRUE(std::holds_alternative<int32_t>(*stored)) << name;
    EXPECT_EQ(std::get<int32_t>(*stored), value) << name;
}

TEST(ProgramOptions, FirstStartWritesTheDefaults)
{
    CMemorySettingsKey key;
    CProgramOptions options;
    EXPECT_TRUE(options.LoadOptions(key));
    EXPECT_EQ(options.m_language, 112);
    EXPECT_EQ(options.m_hexahedronBugfix, 1);
    EXPECT_EQ(options.m_winrailVersion, 157);
    EXPECT_EQ(key.m_values.size(), 3u);
    ExpectStoredInt(key, "Language", 112);
    ExpectStoredInt(key, "HexahedronBugfix", 1);
    ExpectStoredInt(key, "WinrailVersion", 157);
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
        CMemorySettingsKey key;
        key.WriteInt32("Language", row.language);
        key.WriteInt32("HexahedronBugfix", row.hexahedron);
        key.WriteInt32("WinrailVersion", row.version);
        CProgramOptions options;
        options.LoadOptions(key);
        EXPECT_EQ(options.m_language, row.expectedLanguage);
        EXPECT_EQ(options.m_hexahedronBugfix, row.expectedHexahedron);
        EXPECT_EQ(options.m_winrailVersion, row.expectedVersion);
        // Reading never rewrites a stored integer, not even a negative one.
        ExpectStoredInt(key, "Language", row.language);
        ExpectStoredInt(key, "WinrailVersion", row.version);
    }
}

TEST(ProgramOptions, ValuesThatAreNoIntegersAreReplacedByTheDefault)
{
    CMemorySettingsKey key;
    key.SetText("Language", "108");
    key.SetText("HexahedronBugfix", "");
    key.WriteInt32("WinrailVersion", 156);
    CProgramOptions options;
    options.m_language = 154;
    options.m_hexahedronBugfix = 0;
    options.LoadOptions(key);
    // The language falls back to English; the switch keeps the value it had.
    EXPECT_EQ(options.m_language, 112);
    EXPECT_EQ(options.m_hexahedronBugfix, 0);
    EXPECT_EQ(options.m_winrailVersion, 156);
    ExpectStoredInt(key, "Language", 112);
    ExpectStoredInt(key, "HexahedronBugfix", 0);
}

TEST(ProgramOptions, SaveWritesAllThreeAndLoadGivesThemBack)
{
    CMemorySettingsKey key;
    CProgramOptions saved;
    saved.m_language = 108;
    saved.m_winrailVersion = 156;
    saved.m_hexahedronBugfix = 0;
    EXPECT_TRUE(saved.SaveOptions(key));
    ExpectStoredInt(key, "Language", 108);
    ExpectStoredInt(key, "HexahedronBugfix", 0);
    ExpectStoredInt(key, "WinrailVersion", 156);

    CProgramOptions loaded;
    loaded.LoadOptions(key);
    EXPECT_EQ(loaded.m_language, 108);
    EXPECT_EQ(loaded.m_hexahedronBugfix, 0);
    EXPECT_EQ(loaded.m_winrailVersion, 156);
}

TEST(ProgramOptions, AStoreThatRefusesWritesStillGivesTheDefaults)
{
    CMemorySettingsKey key;
    key.m_refuseWrites = true;
    key.SetText("Language", "x");
    CProgramOptions options;
    options.m_language = 154;
    EXPECT_TRUE(options.LoadOptions(key));
    EXPECT_EQ(options.m_language, 112);
    EXPECT_EQ(options.m_winrailVersion, 157);
    EXPECT_FALSE(key.m_values.contains("WinrailVersion"));
}

TEST(RegistryKey, ReadingRules)
{
    CMemorySettingsKey store;
    CRegistryKey key(store);
    int32_t value = 0;
    EXPECT_TRUE(key.ReadDword("Missing", value, 42));
    EXPECT_EQ(value, 42);
    ExpectStoredInt(store, "Missing", 42);

    store.WriteInt32("Negative", -5);
    EXPECT_TRUE(key.ReadDword("Negative", value, 1));
    EXPECT_EQ(value, -5);
    EXPECT_TRUE(key.ReadDwordNonNegative("Negative", value, 1));
    EXPECT_EQ(value, 0);

    store.m_refuseWrites = true;
    EXPECT_FALSE(key.ReadDword("Unwritable", value, 7));
    EXPECT_EQ(value, 7);
    EXPECT_FALSE(key.WriteDword("Unwritable", 8));
}

TEST(RegistryKey, AKeyThatIsNotOpenDoesNothing)
{
    CRegistryKey key;
    EXPECT_FALSE(key.IsOpen());
    int32_t value = 5;
    EXPECT_FALSE(key.ReadDword("Language", value, 112));
    EXPECT_FALSE(key.ReadDwordNonNegative("Language", value, 112));
    EXPECT_EQ(value, 5);
    EXPECT_FALSE(key.WriteDword("Language", 112));
    CRegistryValue stored(key, "Language");
    EXPECT_FALSE(stored.Read());
    EXPECT_FALSE(stored.SetDword(1));

    CMemorySettingsKey store;
    EXPECT_TRUE(key.Create(store));
    EXPECT_TRUE(key.WriteDword("Language", 108));
    ExpectStoredInt(store, "Language", 108);
}

} // namespace

TEST(ProgramOptions, CompileCommandIsKeptAsTextAndOnlyWhenStored)
{
    CMemorySettingsKey key;
    CProgramOptions options;
    options.LoadOptions(key);
    EXPECT_EQ(options.m_compileCommand, "");
    EXPECT_EQ(key.Find(CProgramOptions::kCompileCommandValue), nullptr);
    options.m_compileCommand = "\"/opt/track planner/compile\" %f";
    options.SaveOptions(key);
    CProgramOptions loaded;
    loaded.LoadOptions(key);
    EXPECT_EQ(loaded.m_compileCommand, options.m_compileCommand);
    // A number stored under the name is no command.
    key.WriteInt32(CProgramOptions::kCompileCommandValue, 5);
    CProgramOptions fromNumber;
    fromNumber.LoadOptions(key);
    EXPECT_EQ(fromNumber.m_compileCommand, "");
}
