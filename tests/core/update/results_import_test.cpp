#include "core/base/quintaro_error.h"
#include "core/update/results_import.h"
#include "support/recording_update.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

// A Loto-like mapping: the file's header texts are the standard names in capitals, with a
// prefix, so that the renaming is exercised.
const std::string kMapping = "[fichier0]\n"
                             "date=F_DATE\nnum=F_NUM\ntir=F_TIR\n"
                             "b1=F_B1\nb2=F_B2\nb3=F_B3\nb4=F_B4\nb5=F_B5\nb6=F_B6\nb7=F_B7\n"
                             "nf1=F_NF1\ng1=F_G1\nnf2=F_NF2\ng2=F_G2\nne2=F_NE2\n"
                             "joker=F_JOKER\njoker+=F_JOKERPLUS\ndevise=F_DEV\n";
const std::string kHeader =
    "f_date;f_num;f_tir;f_b1;f_b2;f_b3;f_b4;f_b5;f_b6;f_b7;f_nf1;f_g1;f_nf2;f_g2;f_ne2;"
    "f_joker;f_jokerplus;f_dev;\n";

class ResultsImportTest : public test::StoreFixture {
protected:
    ResultsImportTest() : import(*md, catalogue, host, host) {}

    // Writes the mapping (after the six-game catalogue) and the results file of entry i, then
    // imports it as the update does.
    void Import(const std::string& content, int i = 0, const std::string& mapping = kMapping) {
        test::WriteFile(app / "quintaro.INI", test::SixGameCatalogue() + mapping);
        test::WriteFile(catalogue.SourceCatalogue[static_cast<std::size_t>(i)].csv, content);
        host.lines.clear();
        md->LastDrawReference();
        import.SetLastStoredDate(md->LastDrawDate(i));
        import.LoadResultsFile(i);
        import.ImportNewDraws(i);
    }

    struct Draw {
        std::int64_t ref, n_sem, n_tir, type;
        double date;
        std::vector<std::int64_t> balls;
        bool operator==(const Draw&) const = default;
    };
    std::vector<Draw> Draws() {
        std::vector<Draw> draws;
        auto q = md->Connection().Prepare(
            "select reftirage, n_sem, n_tir, type, date, b1, b2, b3, b4, b5, b6, b7 from "
            "listetirage order by reftirage");
        while (q.Next()) {
            Draw d{q.Int(0), q.Int(1), q.Int(2), q.Int(3), q.Double(4), {}};
            for (int k = 5; k < 12; ++k)
                d.balls.push_back(q.Int(k));
            draws.push_back(d);
        }
        return draws;
    }
    std::vector<GainRank> Ranks(std::int64_t ref) {
        std::vector<GainRank> ranks;
        auto q = md->Connection().Prepare("select gain, nbgagnants, nbgagnantseuro from listegain "
                                          "where reftirage = :r order by num");
        q.Set("r", ref);
        while (q.Next())
            ranks.push_back({q.Double(0), static_cast<std::int32_t>(q.Int(1)),
                             static_cast<std::int32_t>(q.Int(2))});
        return ranks;
    }
    std::string Joker(std::int64_t ref) {
        auto q = md->Connection().Prepare("select joker from listejoker where fkreftirage = :r");
        q.Set("r", ref);
        return q.Next() ? q.Text(0) : "<none>";
    }

    test::RecordingUpdate host;
    ResultsImport import;
};

TEST_F(ResultsImportTest, LinesAreAddedBottomUpWithTheirBallsRanksAndJoker) {
    Import(kHeader + "18/03/2023;2023022;2;11;12;13;14;15;16;17;0;0;3;12,5;4;1234567;;eur;\r\n"
                     "20230315;2023021;1;1;2;3;4;5;6;7;1;1000000;5;2500,75;9;;;eur;\r\n");
    EXPECT_EQ(host.lines,
              (std::vector<std::string>{
                  " Traitement de " + (app / "r0.csv").string(), " Il y a 3 enregistrements",
                  " Ajout terminé", " Mise à jour du Loto terminée ajout de 2 enregistrements"}));
    EXPECT_EQ(host.progress, (std::vector<std::string>{"start 3", "finish"}));
    EXPECT_EQ(host.steps, 2);
    EXPECT_EQ(Draws(), (std::vector<Draw>{{1, 21, 1, 0, 45000, {1, 2, 3, 4, 5, 6, 7}},
                                          {2, 22, 2, 0, 45003, {11, 12, 13, 14, 15, 16, 17}}}));
    const auto ranks = Ranks(1);
    ASSERT_EQ(ranks.size(), 2u);
    EXPECT_EQ(ranks[0].gain, 1000000.0);
    EXPECT_EQ(ranks[0].nbgagnants, 1);
    EXPECT_EQ(ranks[1].gain, 2500.75);
    EXPECT_EQ(ranks[1].nbgagnants, 5);
    EXPECT_EQ(ranks[1].nbgagnantseuro, 9);
    EXPECT_EQ(Ranks(2)[1].gain, 12.5);
    // A Loto draw keeps its Joker only with the second draw of the day.
    EXPECT_EQ(Joker(1), "<none>");
    EXPECT_EQ(Joker(2), "1234567");
}

TEST_F(ResultsImportTest, DuplicatesAndTheLastStoredDate) {
    AddDraw(0, 45003, {1, 2, 3, 4, 5, 6, 7});
    const std::string line = ";2023021;1;1;2;3;4;5;6;7;1;1;1;1;1;;;eur;\n";
    Import(kHeader + "18/03/2023" + line + "18/03/2023" + line + "17/03/2023;2023020" +
           line.substr(8) + "18/03/2023;2023005;1;1;2;3;4;5;6;7;1;1;1;1;1;;;eur;\n");
    // The draw before the last stored date is never added; on that date, what is not stored
    // yet is, once.
    const auto draws = Draws();
    ASSERT_EQ(draws.size(), 3u) << host.lines.back();
    EXPECT_EQ(draws[1].n_sem, 5);
    EXPECT_EQ(draws[2].n_sem, 21);
    EXPECT_EQ(host.lines.back(), " Mise à jour du Loto terminée ajout de 2 enregistrements");
}

TEST_F(ResultsImportTest, PrizeRankShiftOfOlderDraws) {
    const std::string mapping = "[fichier0]\ndate=d\nnum=n\nb1=b1\nb2=b2\nb3=b3\nb4=b4\nb5=b5\n"
                                "b6=b6\nb7=b7\n"
                                "g1=g1\nnf1=nf1\ng2=g2\nnf2=nf2\ng3=g3\nnf3=nf3\ng4=g4\nnf4=nf4\n"
                                "g5=g5\nnf5=nf5\ng6=g6\nnf6=nf6\ng7=g7\nnf7=nf7\n";
    const std::string header = "d;n;b1;b2;b3;b4;b5;b6;b7;g1;nf1;g2;nf2;g3;nf3;g4;nf4;g5;nf5;g6;nf6;"
                               "g7;nf7\n";
    struct Case {
        const char* what;
        std::string ranks; // g1;nf1 ... g7;nf7
        std::vector<std::pair<double, int>> stored;
    };
    const Case cases[] = {
        {"five ranks",
         "1;1;2;2;3;3;4;4;5;5;0;0;0;0",
         {{1, 1}, {2, 2}, {3, 3}, {0, 0}, {4, 4}, {0, 0}, {5, 5}}},
        {"six ranks",
         "1;1;2;2;3;3;4;4;5;5;6;6;0;0",
         {{1, 1}, {2, 2}, {3, 3}, {0, 0}, {4, 4}, {5, 5}, {6, 6}}},
        {"seven ranks",
         "1;1;2;2;3;3;4;4;5;5;6;6;7;7",
         {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}}},
        {"a rank 7 of 0,00 is no marker",
         "1;1;2;2;3;3;4;4;5;5;6;6;0,00;0",
         {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {0, 0}}},
    };
    for (const Case& c : cases) {
        md->ClearDrawTables();
        Import(header + "15/03/2023;2023001;1;2;3;4;5;6;7;" + c.ranks + "\n", 0, mapping);
        const auto ranks = Ranks(md->LastReference());
        ASSERT_EQ(ranks.size(), c.stored.size()) << c.what << ": " << host.lines.back();
        for (std::size_t k = 0; k < ranks.size(); ++k) {
            EXPECT_EQ(ranks[k].gain, c.stored[k].first) << c.what << " rank " << k + 1;
            EXPECT_EQ(ranks[k].nbgagnants, c.stored[k].second) << c.what << " rank " << k + 1;
        }
    }
}

TEST_F(ResultsImportTest, FrancAmountsAreConvertedAndRanksStopAtTheFirstMissingOne) {
    const std::string mapping = "[fichier0]\ndate=d\nnum=n\nb1=b1\nb2=b2\nb3=b3\nb4=b4\nb5=b5\n"
                                "b6=b6\ng1=g1\nnf1=nf1\ng2=g2\nnf2=nf2\ng4=g4\nnf4=nf4\ndevise=c\n";
    Import("d;n;b1;b2;b3;b4;b5;b6;g1;nf1;g2;nf2;g4;nf4;c\n"
           "15/03/2023;2023001;1;2;3;4;5;6;655,957;1;12,5;2;9;9;fr\n"
           "16/03/2023;2023002;1;2;3;4;5;6;655,957;1;12,5;2;9;9;FR\n",
           0, mapping);
    const auto francs = Ranks(2); // bottom line first
    ASSERT_EQ(francs.size(), 2u);
    EXPECT_EQ(francs[0].gain, static_cast<double>(655.957L / 6.55957L));
    EXPECT_EQ(francs[1].gain, static_cast<double>(12.5L / 6.55957L));
    EXPECT_EQ(francs[0].nbgagnantseuro, 0);
    EXPECT_EQ(Ranks(1)[0].gain, 655.957); // "FR" is not the franc code
    EXPECT_EQ(Draws()[0].balls[6], 0);    // no seventh ball column
}

TEST_F(ResultsImportTest, JokerRules) {
    struct Case {
        int type;
        const char* tir;
        const char* joker;
        const char* jokerPlus;
        const char* stored;
    };
    const Case cases[] = {
        {0, "2", "123456", "", "0123456"},
        {0, "2", "0000000", "", "<none>"},
        {0, "2", "", "", "<none>"},
        {0, "2", "0", "", "0000000"},
        {0, "2", "1111111", "2222222", "1111111"},
        {0, "2", "", "2222222", "2222222"},
        {0, "2", "123456789", "", "123456789"},
        {0, "1", "1234567", "", "<none>"},
        {3, "1", "1234567", "", "1234567"},
        // Cells that are no Joker number: none is stored, and the other column is tried.
        {3, "1", "", "Jokerplus indisponible", "<none>"},
        {5, "1", "TZ 666 3065", "", "<none>"},
        {0, "2", "12345A", "2222222", "2222222"},
        {0, "2", "-123456", "", "<none>"},
    };
    for (const Case& c : cases) {
        md->ClearDrawTables();
        std::string mapping = kMapping;
        mapping.replace(0, 10, "[fichier" + std::to_string(c.type) + "]");
        Import(kHeader + "15/03/2023;2023001;" + c.tir + ";1;2;3;4;5;6;7;1;1;1;1;1;" + c.joker +
                   ";" + c.jokerPlus + ";eur\n",
               c.type, mapping);
        EXPECT_EQ(Joker(md->LastReference()), c.stored)
            << "type " << c.type << " joker " << c.joker << ": " << host.lines.back();
    }
}

// The newest line of the operator's Loto file of 2019-2024 has no Joker: importing it used to
// store its text, and every statistics run after it failed.
TEST_F(ResultsImportTest, AnUnavailableJokerLeavesTheStatisticsRunnable) {
    std::string mapping = kMapping;
    mapping.replace(0, 10, "[fichier3]");
    Import(kHeader + "24/07/2024;20244089;1;8;11;18;40;47;2;0;1;1;1;1;1;;Jokerplus indisponible;"
                     "eur\n"
                     "22/07/2024;20244088;1;1;2;3;4;5;6;0;1;1;1;1;1;;1234567;eur\n",
           3, mapping);
    ASSERT_EQ(Draws().size(), 2u) << host.lines.back();
    EXPECT_EQ(Joker(2), "<none>");
    EXPECT_EQ(Joker(1), "1234567");
    EXPECT_TRUE(md->ComputeStatistics()) << md->LastError();
    EXPECT_TRUE(messages.empty());
}

TEST_F(ResultsImportTest, SpacesQuotesAndEightDigitDatesAreNormalised) {
    Import(kHeader + " 2023 03 15 ; \"2023 117\" ;1;1;2;3;4;5;6;7;1;\"1 234,50\";2;3;4;;;eur\n");
    const auto draws = Draws();
    ASSERT_EQ(draws.size(), 1u) << host.lines.back();
    EXPECT_EQ(draws[0].date, 45000.0);
    EXPECT_EQ(draws[0].n_sem, 117);
    EXPECT_EQ(Ranks(1)[0].gain, 1234.5);
}

TEST_F(ResultsImportTest, DrawNumbersOfTodaysEightAndFiveCharacterCells) {
    Import(kHeader + "15/03/2024;20244089;1;1;2;3;4;5;6;7;1;1;1;1;1;;;eur\n"
                     "16/03/2025;25045;1;1;2;3;4;5;6;7;1;1;1;1;1;;;eur\n");
    const auto draws = Draws();
    ASSERT_EQ(draws.size(), 2u) << host.lines.back();
    EXPECT_EQ(draws[0].n_sem, 45);
    EXPECT_EQ(draws[1].n_sem, 89);
}

TEST_F(ResultsImportTest, HeaderCellsAreRenamedByTheFirstMatchingMapping) {
    // Both DATE and date name the date column: the last cell is the key column for the date.
    const std::string mapping = "[fichier0]\ndate=jour\nnum=n\ntir=t\nb1=x1\nb2=x2\nb3=x3\nb4=x4\n"
                                "b5=x5\nb6=x6\nb7=x7\ng1=\xE9t\xE9\nnf1=gagnants\n";
    Import("JOUR;n;t;x1;x2;x3;x4;x5;x6;x7;\xC9T\xC9;gagnants;jour;extra\n"
           "01/01/2020;2023005;1;1;2;3;4;5;6;7;5;1;15/03/2023;zz\n",
           0, mapping);
    const auto draws = Draws();
    ASSERT_EQ(draws.size(), 1u) << host.lines.back();
    EXPECT_EQ(draws[0].date, 45000.0);
    // Letter case is ignored for A to Z only: the Latin-1 header does not match.
    EXPECT_TRUE(Ranks(1).empty());
}

// A mapping value may list the names that several archives give one column: the first name
// of the list that the header holds wins, whatever their order in the header.
TEST_F(ResultsImportTest, AMappingValueListsSeveralHeaderNames) {
    const std::string mapping =
        "[fichier0]\ndate=jour|date_de_tirage|DATE\nnum=n|numero\n"
        "b1=x1\nb2=x2\nb3=x3\nb4=x4\nb5=x5\nb6=x6\nb7=x7\n"
        "g1=rapport_du_rang1|rapport_du_rang1_Euro_Millions\nnf1=gagnants\n";
    const std::string balls = "1;2;3;4;5;6;7;4,5;1";
    // "date_de_tirage" is listed before "DATE": its column is the date, "DATE" plays no part.
    Import("DATE;numero;x1;x2;x3;x4;x5;x6;x7;rapport_du_rang1_Euro_Millions;gagnants;"
           "date_de_tirage\n01/01/2020;2023005;" +
               balls + ";15/03/2023\n",
           0, mapping);
    const auto draws = Draws();
    ASSERT_EQ(draws.size(), 1u) << host.lines.back();
    EXPECT_EQ(draws[0].date, 45000.0);
    EXPECT_EQ(draws[0].n_sem, 5);
    EXPECT_EQ(Ranks(1)[0].gain, 4.5);
    // A list none of whose names the header holds leaves the column out, as a single name does.
    md->ClearDrawTables();
    Import("quand;numero;x1;x2;x3;x4;x5;x6;x7;rapport;gagnants\n15/03/2023;2023005;" + balls + "\n",
           0, mapping);
    EXPECT_EQ(host.lines.back(), "Indice de liste hors limites (-1)");
}

TEST_F(ResultsImportTest, FailuresLogTheirTextAndKeepNothingOfTheFile) {
    AddDraw(0, 40000, {1, 2, 3, 4, 5, 6, 7});
    const std::string good = "15/03/2023;2023021;1;1;2;3;4;5;6;7;1;1;1;1;1;;;eur\n";
    struct Case {
        std::string content;
        std::string mapping;
        std::string failure;
    };
    const Case cases[] = {
        {kHeader + "15/03/2023;2023021;x;1;2;3;4;5;6;7;1;1;1;1;1;;;eur\n" + good, kMapping,
         "'x' n'est pas une valeur entière correcte"},
        {kHeader + "31/02/2023;2023021;1;1;2;3;4;5;6;7;1;1;1;1;1;;;eur\n" + good, kMapping,
         "'31/02/2023' n'est pas une date correcte"},
        {kHeader + "15/03/2023;2023022;1;1;2;3;4;5;6;7;1;1,234,5;1;1;1;;;eur\n" + good, kMapping,
         "'1.234,5' n'est pas une valeur en virgule flottante correcte"},
        {kHeader + "15/03/2023;2023022;1;1;2;3;4;5;6;7;1;1;1;1;1;;;eur\n\n" + good, kMapping,
         "Indice de liste hors limites (0)"},
        {kHeader + "15/03/2023;2023022;1;1;2;3\n" + good, kMapping,
         "Indice de liste hors limites (6)"},
        {"f_num;f_b1\n2023001;1\n", kMapping, "Indice de liste hors limites (-1)"},
    };
    for (const Case& c : cases) {
        Import(c.content, 0, c.mapping);
        EXPECT_EQ(host.lines.back(), c.failure);
        EXPECT_EQ(host.lines[2], " Ajout des nouveaux tirages en cours ...");
        EXPECT_EQ(Count("listetirage"), 1) << c.failure;
        EXPECT_EQ(host.progress.back(), "finish");
        md->LastDrawReference();
        EXPECT_EQ(md->LastReference(), 1);
    }
    // References handed out to rolled-back draws are not given again within the update.
    Import(kHeader + "15/03/2023;2023022;1;1;2;3;4;5;6;7;1;1;1;1;1;;;eur\n" +
           "15/03/2023;2023021;1;1;2;3;4;5;6;7;1;x;1;1;1;;;eur\n");
    md->SetDrawInsertType(0);
    md->AddDraw(9, 1, 45010, 1, 2, 3, 4, 5, 6, 7);
    EXPECT_EQ(md->LastReference(), 3);
}

TEST_F(ResultsImportTest, EmptyHeaderOnlyBinaryAndMissingFiles) {
    Import(kHeader);
    EXPECT_EQ(host.lines[1], " Il y a 1 enregistrements");
    EXPECT_EQ(host.lines.back(), " Mise à jour du Loto terminée ajout de 0 enregistrements");
    Import("");
    EXPECT_EQ(host.lines[1], " Il y a 0 enregistrements");
    EXPECT_EQ(host.lines.back(), " Mise à jour du Loto terminée ajout de 0 enregistrements");
    Import(std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 17) + kHeader);
    EXPECT_EQ(Count("listetirage"), 0);

    std::filesystem::remove(catalogue.SourceCatalogue[0].csv);
    try {
        import.LoadResultsFile(0);
        ADD_FAILURE();
    } catch (const QuintaroError& e) {
        EXPECT_EQ(std::string(e.what()), "Impossible d'ouvrir le fichier \"" +
                                             catalogue.SourceCatalogue[0].csv +
                                             "\". Le fichier spécifié est introuvable");
    }
}

} // namespace
} // namespace quintaro
