#include "core/base/app_paths.h"
#include "core/base/quintaro_error.h"
#include "core/settings/settings_store.h"
#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quintaro {
namespace {

constexpr const char* kConfig = "\\Software\\VELMORA\\QUINTARO\\CONFIGURATION";

class SettingsStoreTest : public ::testing::Test {
protected:
    std::filesystem::path File() const { return dir / "cfg" / "settings.reg"; }
    std::string Failure(const std::function<void()>& read) {
        try {
            read();
        } catch (const QuintaroError& e) {
            return e.what();
        }
        return "no failure";
    }
    test::TempDir dir;
};

TEST_F(SettingsStoreTest, ValuesOfEachTypeSurviveASaveAndReload) {
    const std::vector<std::uint8_t> date = {0, 0, 0, 0, 0, 0x2c, 0xe6, 0x40};
    const std::string odd = "l'\"été\" 100% \n\ttab";
    {
        SettingsStore store(File());
        EXPECT_TRUE(store.DamageNotice().empty());
        store.WriteInteger(kConfig, "modemaj", -1);
        store.WriteInteger(kConfig, "couleurtitre", static_cast<std::int32_t>(0xFF00000F));
        store.WriteBinary("\\Software\\VELMORA\\QUINTARO\\CALCUL", "DateDepart", date);
        store.WriteString(kConfig, odd, odd);
        store.Save();
    }
    SettingsStore store(File());
    EXPECT_EQ(store.ReadInteger(kConfig, "modemaj"), -1);
    EXPECT_EQ(store.ReadInteger(kConfig, "couleurtitre"), static_cast<std::int32_t>(0xFF00000F));
    EXPECT_EQ(store.ReadBinary("\\Software\\VELMORA\\QUINTARO\\CALCUL", "DateDepart"), date);
    EXPECT_EQ(store.ReadString(kConfig, odd), odd);
    // Key and value names are found without regard to case, with or without the separator.
    EXPECT_EQ(store.ReadInteger("software\\velmora\\quintaro\\configuration\\", "MODEMAJ"), -1);
    EXPECT_TRUE(store.KeyExists("\\Software\\VELMORA"));
}

TEST_F(SettingsStoreTest, ReadingMissingOrMistypedValuesFailsWithTheStoreTexts) {
    SettingsStore store(File());
    store.WriteString(kConfig, "menuAuto", "1");
    EXPECT_EQ(Failure([&] { store.ReadInteger(kConfig, "menuAuto"); }),
              "Type de données incorrect pour 'menuAuto'");
    EXPECT_EQ(Failure([&] { store.ReadBinary(kConfig, "menuAuto"); }),
              "Type de données incorrect pour 'menuAuto'");
    EXPECT_EQ(Failure([&] { store.ReadInteger(kConfig, "nb"); }),
              "Echec à l'obtention des données pour 'nb'");
    EXPECT_EQ(Failure([&] { store.ReadInteger("\\Software\\Nowhere", "nb"); }),
              "Echec à l'obtention des données pour 'nb'");
    EXPECT_EQ(store.TypeOf(kConfig, "menuAuto"), SettingsStore::Type::String);
}

TEST_F(SettingsStoreTest, DeletingAKeyDeletesItsSubkeys) {
    SettingsStore store(File());
    const std::string loto = "\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO";
    store.WriteInteger(loto, "nb", 2);
    store.WriteInteger(loto + "\\G0000", "B01", 5);
    store.WriteInteger(loto + "\\G0001", "B01", 7);
    store.WriteInteger(loto + "\\G0001\\deeper", "x", 1);
    store.WriteInteger("\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTOX", "nb", 1);
    EXPECT_EQ(store.SubKeyNames(loto), (std::vector<std::string>{"G0000", "G0001"}));

    EXPECT_TRUE(store.DeleteKey(loto));
    EXPECT_FALSE(store.DeleteKey(loto));
    EXPECT_FALSE(store.KeyExists(loto + "\\G0001\\deeper"));
    EXPECT_TRUE(store.KeyExists("\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTOX"));
    store.Save();
    EXPECT_FALSE(SettingsStore(File()).KeyExists(loto + "\\G0000"));
}

TEST_F(SettingsStoreTest, ASaveInterruptedBeforeItsRenameLeavesTheOldStore) {
    {
        SettingsStore store(File());
        store.WriteInteger(kConfig, "modemaj", 0);
        store.Save();
    }
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SettingsStore store(File());
        store.WriteInteger(kConfig, "modemaj", 1);
        auto pending = store.PrepareSave();
        _exit(0); // dies between the written file and its rename
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));

    SettingsStore store(File());
    EXPECT_TRUE(store.DamageNotice().empty());
    EXPECT_EQ(store.ReadInteger(kConfig, "modemaj"), 0);
    store.WriteInteger(kConfig, "menuAuto", 0);
    store.Save();
    EXPECT_EQ(SettingsStore(File()).ReadInteger(kConfig, "menuAuto"), 0);
}

// A save that fails anywhere before its rename (the lock, the new file, any of its bytes)
// reports the failure and leaves the store on disk as it was; the next save goes through.
TEST_F(SettingsStoreTest, AFailedSaveLeavesTheOldStoreWholeAndSaysSo) {
    const auto change = [](SettingsStore& store) {
        store.WriteInteger(kConfig, "modemaj", 1);
        for (int k = 0; k < 200; ++k)
            store.WriteInteger(
                "\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO\\G" + std::to_string(k), "B01", k);
    };
    {
        SettingsStore store(File());
        store.WriteInteger(kConfig, "modemaj", 0);
        store.Save();
    }
    const std::string old = test::ReadFile(File());
    // The size of the store once changed, from a copy changed and saved.
    const std::uint64_t size = [&] {
        test::TempDir copy;
        std::filesystem::copy_file(File(), copy / "settings.reg");
        SettingsStore store(copy / "settings.reg");
        change(store);
        store.Save();
        return std::filesystem::file_size(copy / "settings.reg");
    }();
    ASSERT_GT(size, 4000u);

    const std::string lock = File().string() + ".lock", temporary = File().string() + ".tmp";
    const std::string failure =
        "Impossible d'enregistrer les paramètres dans \"" + File().string() + "\" : ";
    struct Case {
        const char* what;
        std::string obstacle; // a folder in the way of a file the save makes
        std::optional<std::uint64_t> fileSizeLimit;
    };
    const Case cases[] = {
        {"the lock cannot be made", lock, std::nullopt},
        {"the new file cannot be made", temporary, std::nullopt},
        {"no byte of it can be written", "", 0},
        {"half of it is written", "", size / 2},
        {"all but its last byte are written", "", size - 1},
    };
    for (const Case& c : cases) {
        if (!c.obstacle.empty()) {
            std::filesystem::remove(c.obstacle);
            std::filesystem::create_directory(c.obstacle);
        }
        const std::optional<std::string> text = test::RunForked(
            [&]() -> std::string {
                SettingsStore store(File());
                change(store);
                try {
                    store.Save();
                } catch (const QuintaroError& e) {
                    return e.what();
                }
                return "saved";
            },
            c.fileSizeLimit);
        ASSERT_TRUE(text) << c.what;
        EXPECT_EQ(text->substr(0, failure.size()), failure) << c.what << ": " << *text;
        EXPECT_EQ(test::ReadFile(File()), old) << c.what;
        SettingsStore reread(File());
        EXPECT_TRUE(reread.DamageNotice().empty()) << c.what;
        EXPECT_EQ(reread.ReadInteger(kConfig, "modemaj"), 0) << c.what;
        // Nothing half-written stays beside the store.
        if (c.obstacle.empty())
            EXPECT_FALSE(std::filesystem::exists(temporary)) << c.what;
        else
            std::filesystem::remove(c.obstacle);
    }

    SettingsStore store(File());
    change(store);
    store.Save();
    EXPECT_EQ(std::filesystem::file_size(File()), size);
    EXPECT_EQ(SettingsStore(File()).ReadInteger(kConfig, "modemaj"), 1);
}

TEST_F(SettingsStoreTest, ADamagedFileIsSetAsideNotEmptied) {
    std::filesystem::create_directories(File().parent_path());
    const std::string damaged = "quintaro-settings 1\nkey \"\\Software\ntruncated";
    test::WriteFile(File(), damaged);

    SettingsStore store(File());
    EXPECT_NE(store.DamageNotice().find("mis de côté"), std::string::npos);
    EXPECT_FALSE(store.KeyExists("\\Software"));
    const auto aside = File().string() + ".endommage";
    EXPECT_EQ(test::ReadFile(aside), damaged);

    store.WriteInteger(kConfig, "modemaj", 1);
    store.Save();
    EXPECT_EQ(SettingsStore(File()).ReadInteger(kConfig, "modemaj"), 1);
    EXPECT_EQ(test::ReadFile(aside), damaged);

    // A second damaged file does not replace the first one set aside.
    test::WriteFile(File(), "garbage");
    SettingsStore again(File());
    EXPECT_EQ(test::ReadFile(aside), damaged);
    EXPECT_EQ(test::ReadFile(File().string() + ".endommage-2"), "garbage");
}

TEST_F(SettingsStoreTest, SavesOfTwoInstancesMerge) {
    SettingsStore first(File());
    SettingsStore second(File());
    first.WriteInteger(kConfig, "modemaj", 1);
    second.WriteInteger("\\Software\\VELMORA\\QUINTARO\\STAT", "TypeTirage", 3);
    first.Save();
    second.Save();
    SettingsStore merged(File());
    EXPECT_EQ(merged.ReadInteger(kConfig, "modemaj"), 1);
    EXPECT_EQ(merged.ReadInteger("\\Software\\VELMORA\\QUINTARO\\STAT", "TypeTirage"), 3);
}

TEST(SettingsFilePath, FollowsXdgConfigHome) {
    EXPECT_EQ(SettingsFilePath("/x/cfg", "/home/u"), "/x/cfg/quintaro/settings.reg");
    EXPECT_EQ(SettingsFilePath("", "/home/u"), "/home/u/.config/quintaro/settings.reg");
    EXPECT_EQ(SettingsFilePath(nullptr, "/home/u"), "/home/u/.config/quintaro/settings.reg");
}

} // namespace
} // namespace quintaro
