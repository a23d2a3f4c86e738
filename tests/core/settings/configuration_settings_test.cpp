#include "core/settings/configuration_settings.h"
#include "core/settings/view_choices.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class ConfigurationSettingsTest : public ::testing::Test {
protected:
    test::TempDir dir;
    SettingsStore store{dir / "settings.reg"};
};

TEST_F(ConfigurationSettingsTest, AFirstRunTakesTheDefaults) {
    const ConfigurationRead read = ReadConfiguration(store);
    EXPECT_FALSE(read.failure);
    const ConfigurationValues& v = read.values;
    EXPECT_TRUE(v.sauveBoule);
    EXPECT_TRUE(v.menuAuto);
    EXPECT_EQ(v.modemajItem, 0);
    EXPECT_EQ(v.couleurligne1, Rgb(216, 228, 248));
    EXPECT_EQ(v.couleurligne2, 0xFF000016u);
    EXPECT_EQ(v.couleurselection, 0xFF000015u);
    EXPECT_EQ(v.couleurtitre, 0xFF00000Fu);
    EXPECT_EQ(v.couleurtitretrie, Rgb(255, 251, 240));
}

TEST_F(ConfigurationSettingsTest, WrittenValuesReadBack) {
    ConfigurationValues v;
    v.sauveBoule = false;
    v.menuAuto = false;
    v.modemajItem = 1;
    v.couleurligne1 = Rgb(1, 2, 3);
    v.couleurtitre = 0xFF000008u;
    WriteConfiguration(store, v);
    for (const char* name : {"sauveBoule", "menuAuto", "modemaj", "couleurligne1", "couleurligne2",
                             "couleurselection", "couleurtitre", "couleurtitretrie"})
        EXPECT_EQ(store.TypeOf(kConfigurationKey, name), SettingsStore::Type::Dword) << name;
    EXPECT_EQ(store.ReadInteger(kConfigurationKey, "couleurtitre"), static_cast<std::int32_t>(0xFF000008));
    const ConfigurationValues back = ReadConfiguration(store).values;
    EXPECT_FALSE(back.sauveBoule);
    EXPECT_FALSE(back.menuAuto);
    EXPECT_EQ(back.modemajItem, 1);
    EXPECT_EQ(back.couleurligne1, Rgb(1, 2, 3));
    EXPECT_EQ(back.couleurtitre, 0xFF000008u);
}

TEST_F(ConfigurationSettingsTest, TheUpdateModeIsAnItemOfTwo) {
    const std::pair<std::int32_t, std::int32_t> cases[] = {{0, 0}, {1, 1}, {5, 1}, {-3, -1}};
    for (auto [stored, item] : cases) {
        store.WriteInteger(kConfigurationKey, "modemaj", stored);
        EXPECT_EQ(ReadConfiguration(store).values.modemajItem, item) << stored;
        EXPECT_EQ(ModeOfItem(item), std::max(item, 0));
    }
}

TEST_F(ConfigurationSettingsTest, AValueOfAnotherTypeStopsTheReadingThere) {
    store.WriteInteger(kConfigurationKey, "sauveBoule", 0);
    store.WriteString(kConfigurationKey, "menuAuto", "oui");
    store.WriteInteger(kConfigurationKey, "modemaj", 1);
    store.WriteInteger(kConfigurationKey, "couleurligne1", 5);
    const ConfigurationRead read = ReadConfiguration(store);
    EXPECT_EQ(read.failure, "Type de données incorrect pour 'menuAuto'");
    EXPECT_FALSE(read.values.sauveBoule);   // read before
    EXPECT_FALSE(read.values.menuAuto);     // as the view starts
    EXPECT_EQ(read.values.modemajItem, -1); // not reached
    EXPECT_EQ(read.values.couleurligne1, Rgb(216, 228, 248));
}

TEST_F(ConfigurationSettingsTest, ViewChoicesRestoreWhatTheirKeyHolds) {
    const std::string key = kCalculKey;
    EXPECT_FALSE(ReadViewChoice(store, key, true).typeTirage);

    WriteViewChoice(store, key, 2, PeriodDates{27760.0, 45000.5});
    const RestoredChoice all = ReadViewChoice(store, key, true);
    EXPECT_TRUE(all.complete);
    EXPECT_EQ(all.typeTirage, 2);
    EXPECT_EQ(all.dateDepart, 27760.0);
    EXPECT_EQ(all.dateFin, 45000.5);
    // 8 little-endian bytes.
    EXPECT_EQ(store.ReadBinary(key, "DateDepart"),
              (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0x1C, 0xDB, 0x40}));

    store.DeleteValue(key, "DateFin");
    const RestoredChoice partial = ReadViewChoice(store, key, true);
    EXPECT_EQ(partial.typeTirage, 2);
    EXPECT_EQ(partial.dateDepart, 27760.0);
    EXPECT_FALSE(partial.dateFin);
    EXPECT_FALSE(partial.complete);

    store.WriteString(kTirageKey, "TypeTirage", "6");
    EXPECT_FALSE(ReadViewChoice(store, kTirageKey, false).typeTirage);
    WriteViewChoice(store, kTirageKey, 6);
    EXPECT_EQ(ReadViewChoice(store, kTirageKey, false).typeTirage, 6);
    EXPECT_TRUE(ReadViewChoice(store, kTirageKey, false).complete);
    WriteViewChoice(store, kStatKey, -1);
    EXPECT_EQ(ReadViewChoice(store, kStatKey, false).typeTirage, -1);
}

} // namespace
} // namespace quintaro
