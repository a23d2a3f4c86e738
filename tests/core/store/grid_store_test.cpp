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

// The editor's changes, on a store whose grids are read back from listegrille.
class GridChangeTest : public GridStoreTest {
protected:
    GridStore& Store() { return md->PlayerGrids(); }
    GridList Stored(int type) { return md->FetchGrids()[static_cast<std::size_t>(type)]; }
    static Grid G(std::vector<int> numbers, std::vector<int> second = {}) {
        Grid grid;
        FillSet(grid.main, std::move(numbers));
        FillSet(grid.second, std::move(second));
        return grid;
    }
    // A statement on listegrille that the database refuses from now on.
    void Refuse(const std::string& when) {
        md->Connection().Execute("create trigger refus before " + when +
                                 " begin select raise(abort, 'refusé'); end");
    }
};

TEST_F(GridChangeTest, AnAddedGridTakesTheNextNumberOfItsGame) {
    EXPECT_EQ(Store().AddGrid(2, G({5, 17, 22, 38, 44}, {2, 9})), 1);
    EXPECT_EQ(Store().AddGrid(0, G({1, 2, 3, 4, 5, 6})), 1);
    EXPECT_EQ(Store().AddGrid(0, G({7, 8, 9, 10, 11, 12})), 2);
    EXPECT_EQ(Stored(0), (GridList{G({1, 2, 3, 4, 5, 6}), G({7, 8, 9, 10, 11, 12})}));
    EXPECT_EQ(Stored(2), GridList{G({5, 17, 22, 38, 44}, {2, 9})});
}

TEST_F(GridChangeTest, DeletingAGridMovesTheFollowingOnesDown) {
    for (int k = 1; k <= 4; ++k)
        Store().AddGrid(2, G({k, 10 + k, 20 + k, 30 + k, 40 + k}, {k, k + 1}));
    Store().AddGrid(0, G({1, 2, 3, 4, 5, 6}));
    Store().DeleteGrid(2, 2);
    EXPECT_EQ(Stored(2), (GridList{G({1, 11, 21, 31, 41}, {1, 2}), G({3, 13, 23, 33, 43}, {3, 4}),
                                   G({4, 14, 24, 34, 44}, {4, 5})}));
    EXPECT_EQ(Stored(0).size(), 1u);
    Store().DeleteGrid(2, 3);
    Store().DeleteGrid(2, 1);
    EXPECT_EQ(Stored(2), GridList{G({3, 13, 23, 33, 43}, {3, 4})});
}

TEST_F(GridChangeTest, AModifiedGridKeepsItsNumber) {
    Store().AddGrid(5, G({1, 2, 3, 4, 5}, {1, 2}));
    Store().AddGrid(5, G({6, 7, 8, 9, 10}, {3, 4}));
    Store().ReplaceGrid(5, 1, G({11, 12, 13, 14, 15, 16}, {11}));
    EXPECT_EQ(Stored(5),
              (GridList{G({11, 12, 13, 14, 15, 16}, {11}), G({6, 7, 8, 9, 10}, {3, 4})}));
}

TEST_F(GridChangeTest, AChangeTheDatabaseRefusesChangesNothing) {
    for (int k = 1; k <= 4; ++k)
        Store().AddGrid(3, G({k, k + 10, k + 20, k + 30, k + 40}, {k}));
    const GridList before = Stored(3);
    struct Case {
        const char* what;
        std::string refused;
        std::function<void()> change;
    };
    const Case cases[] = {
        {"modify", "insert on listegrille when new.boulle = 13",
         [&] {
             Store().ReplaceGrid(3, 2, G({1, 2, 3, 4, 13}, {1}));
         }},
        {"add", "insert on listegrille when new.boulle = 13",
         [&] {
             Store().AddGrid(3, G({1, 2, 3, 4, 13}, {1}));
         }},
        {"delete", "update on listegrille when new.numgrille = 3",
         [&] { Store().DeleteGrid(3, 2); }},
        {"import", "insert on listegrille when new.type = 13",
         [&] {
             GridReplacement lists;
             lists.fill(GridList{});
             lists[3] = GridList{G({1, 2, 3, 4, 5}, {6})};
             Store().ReplaceGrids(lists);
         }},
    };
    for (const Case& c : cases) {
        Refuse(c.refused);
        EXPECT_THROW(c.change(), SqlError) << c.what;
        md->Connection().Execute("drop trigger refus");
        EXPECT_EQ(Stored(3), before) << c.what;
        EXPECT_NO_THROW(md->Connection().Execute("begin transaction; commit transaction"));
    }
}

TEST_F(GridChangeTest, AGridThatDoesNotExistIsNamed) {
    Store().AddGrid(0, G({1, 2, 3, 4, 5, 6}));
    struct Case {
        int type;
        std::int32_t number;
        const char* message;
    };
    const Case cases[] = {
        {0, 2, "La grille 2 n'existe pas : ce jeu a une grille"},
        {0, 0, "La grille 0 n'existe pas : ce jeu a une grille"},
        {1, 1, "La grille 1 n'existe pas : ce jeu n'a aucune grille"},
    };
    for (const Case& c : cases) {
        try {
            Store().DeleteGrid(c.type, c.number);
            ADD_FAILURE() << c.message;
        } catch (const QuintaroError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_THROW(Store().ReplaceGrid(c.type, c.number, G({1, 2, 3, 4, 5, 7})), QuintaroError);
    }
    EXPECT_EQ(Stored(0), GridList{G({1, 2, 3, 4, 5, 6})});
}

TEST_F(GridChangeTest, ReplacingTheGridsKeepsTheGamesWithoutAList) {
    Store().AddGrid(0, G({1, 2, 3, 4, 5, 6}));
    Store().AddGrid(1, G({1, 2, 3, 4, 5, 6}));
    Store().AddGrid(5, G({1, 2, 3, 4, 5}, {1, 11}));
    GridReplacement lists;
    for (int t = 0; t < 5; ++t)
        lists[static_cast<std::size_t>(t)] = GridList{};
    lists[2] = GridList{G({5, 17, 22, 38, 44}, {2, 9}), G({1, 2, 3, 4, 5}, {1, 2})};
    Store().ReplaceGrids(lists);
    const auto stored = md->FetchGrids();
    EXPECT_TRUE(stored[0].empty());
    EXPECT_TRUE(stored[1].empty());
    EXPECT_EQ(stored[2], *lists[2]);
    EXPECT_EQ(stored[5], GridList{G({1, 2, 3, 4, 5}, {1, 11})});

    lists[5] = GridList{};
    Store().ReplaceGrids(lists);
    EXPECT_TRUE(Stored(5).empty());
}

} // namespace
} // namespace quintaro
