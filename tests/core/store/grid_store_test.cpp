#include "core/base/quintaro_error.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

constexpr const char* kGrilles = "\\Software\\VELMORA\\QUINTARO\\GRILLES\\";

class GridStoreTest : public test::StoreFixture {
protected:
    std::string Key(const char* game) { return kGrilles + std::string(game); }
    // B01 to B10 of a mirrored one-set grid.
    void WriteLotoGrid(const std::string& subKey, const std::function<int(int)>& value) {
        for (int j = 1; j <= 10; ++j)
            settings.WriteInteger(subKey, (j < 10 ? "B0" : "B") + std::to_string(j), value(j));
    }
    void Restore() {
        md->Connection().Execute("delete from listegrille");
        md->ImportGridsFromSettings();
        md->LoadGrids();
    }
};

TEST_F(GridStoreTest, GridsLoadInAscendingOrderWithTheSecondSetApart) {
    md->LoadGrids();
    for (int t = 0; t < kGameTypeCount; ++t)
        EXPECT_EQ(md->GridCount(t), 0);

    AddGrid(2, {49, 5, 34, 17, 23}, {9, 2});
    AddGrid(0, {12, 3, 45, 7, 30, 1});
    md->LoadGrids();
    ASSERT_EQ(md->GridCount(2), 1);
    EXPECT_EQ(md->Grids(2)[0].main, (GridSet{5, 17, 23, 34, 49}));
    EXPECT_EQ(md->Grids(2)[0].second, (GridSet{2, 9}));
    EXPECT_EQ(md->Grids(0)[0].main, (GridSet{1, 3, 7, 12, 30, 45}));
    EXPECT_EQ(md->Grids(0)[0].second, GridSet{});
}

TEST_F(GridStoreTest, ASetOfMoreThanElevenNumbersFillsItsElevenSlots) {
    AddGrid(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    AddGrid(5, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    md->LoadGrids();
    EXPECT_EQ(md->Grids(0)[0].main, (GridSet{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(md->Grids(5)[0].second, (GridSet{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(GridStoreTest, FetchedGridsAreIndependentCopies) {
    AddGrid(1, {1, 2, 3, 4, 5, 6});
    auto copy = md->FetchGrids();
    AddGrid(1, {7, 8, 9, 10, 11, 12});
    md->LoadGrids();
    EXPECT_EQ(copy[1].size(), 1u);
    EXPECT_EQ(md->GridCount(1), 2);
}

TEST_F(GridStoreTest, MirrorKeepsTenNumbersPerSetAndElevenNewEuromillionStars) {
    AddGrid(2, {5, 17, 23, 34, 49}, {2, 9});
    AddGrid(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    AddGrid(0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    AddGrid(3, {1, 2, 3, 4, 5}, {10});
    AddGrid(5, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    md->LoadGrids();
    const auto saved = md->FetchGrids();
    md->SaveGridsToSettings();

    SettingsStore reread(settings.FilePath());
    const std::string euro = Key("EUROMILLION") + "\\G0000";
    EXPECT_EQ(reread.ReadInteger(Key("EUROMILLION"), "nb"), 1);
    EXPECT_EQ(reread.ReadInteger(euro, "B05"), 49);
    EXPECT_EQ(reread.ReadInteger(euro, "B06"), 0);
    EXPECT_EQ(reread.ReadInteger(euro, "E02"), 9);
    EXPECT_EQ(reread.ReadInteger(euro, "E10"), 0);
    EXPECT_FALSE(reread.ValueExists(euro, "E11"));
    EXPECT_EQ(reread.ReadInteger(Key("NEUROMILLION") + "\\G0000", "E11"), 11);
    EXPECT_EQ(reread.ReadInteger(Key("NSLOTO"), "nb"), 0);

    Restore();
    auto restored = md->FetchGrids();
    auto expected = saved;
    expected[0][0].main[10] = 0; // an eleventh number is not mirrored
    EXPECT_EQ(restored, expected);
}

TEST_F(GridStoreTest, SavingReplacesTheWholeMirror) {
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    AddGrid(0, {7, 8, 9, 10, 11, 12});
    md->LoadGrids();
    md->SaveGridsToSettings();
    md->Connection().Execute("delete from listegrille where numgrille = 2");
    md->LoadGrids();
    md->SaveGridsToSettings();
    EXPECT_EQ(settings.ReadInteger(Key("LOTO"), "nb"), 1);
    EXPECT_FALSE(settings.KeyExists(Key("LOTO") + "\\G0001"));

    Tmd fresh(work.path(), app.path(), catalogue, settings, {});
    fresh.SaveGridsToSettings(); // before any load: every game holds no grid
    for (const char* game : {"LOTO", "SLOTO", "EUROMILLION", "NLOTO", "NSLOTO", "NEUROMILLION"})
        EXPECT_EQ(settings.ReadInteger(Key(game), "nb"), 0) << game;
}

TEST_F(GridStoreTest, ImportDeletesTheGamesThatHaveAKeyAndSkipsZeros) {
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    AddGrid(1, {1, 2, 3, 4, 5, 6});
    settings.WriteInteger(Key("LOTO"), "nb", 0);
    md->ImportGridsFromSettings();
    md->LoadGrids();
    EXPECT_EQ(md->GridCount(0), 0);
    EXPECT_EQ(md->GridCount(1), 1); // no SLOTO key: untouched
}

TEST_F(GridStoreTest, ImportFailuresCarryClearTexts) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::string message;
    };
    const std::string loto = Key("LOTO");
    const Case cases[] = {
        {"missing nb", [&] { settings.CreateKey(loto); },
         "Echec à l'obtention des données pour 'nb'"},
        {"nb of another type", [&] { settings.WriteString(loto, "nb", "1"); },
         "Type de données incorrect pour 'nb'"},
        {"missing grid subkey",
         [&] {
             settings.WriteInteger(loto, "nb", 2);
             WriteLotoGrid(loto + "\\G0000", [](int j) { return j; });
         },
         "La grille \"Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO\\G0001\" manque dans la "
         "sauvegarde des grilles du profil"},
        {"missing value",
         [&] {
             settings.WriteInteger(loto, "nb", 1);
             settings.WriteInteger(loto + "\\G0000", "B01", 3);
         },
         "Echec à l'obtention des données pour 'B02'"},
        {"a number twice",
         [&] {
             settings.WriteInteger(loto, "nb", 1);
             WriteLotoGrid(loto + "\\G0000", [](int) { return 5; });
         },
         "UNIQUE constraint failed: listegrille.numgrille, listegrille.boulle, listegrille.type"},
    };
    for (const Case& c : cases) {
        settings.DeleteKey(kGrilles);
        c.prepare();
        try {
            md->ImportGridsFromSettings();
            ADD_FAILURE() << c.what;
        } catch (const std::exception& e) {
            EXPECT_EQ(e.what(), c.message) << c.what;
        }
        // Nothing of the failed game stays, and no transaction is left open.
        EXPECT_EQ(Count("listegrille"), 0) << c.what;
        EXPECT_NO_THROW(md->Connection().Execute("begin transaction; commit transaction"));
    }
}

} // namespace
} // namespace quintaro
