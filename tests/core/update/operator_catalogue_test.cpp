// The installed catalogue of the operator's archives, on small files of its own making laid out
// as each archive's file is: every layout imports, with its draw numbers, balls, prize ranks and
// Joker numbers, archive after archive, and today's grids are paid today's ranks.
#include "core/base/currency.h"
#include "core/update/network_fetcher.h"
#include "core/update/update_driver.h"
#include "support/recording_update.h"
#include "support/store_fixture.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

std::string Join(const std::vector<std::string>& cells) {
    std::string line;
    for (const std::string& cell : cells)
        line += (line.empty() ? "" : ";") + cell;
    return line;
}

// Header cells of k = 1..count ranks: "nombre_de_gagnant_au_rangk" + suffix (with the France and
// Europe counts when `europe`) then "rapport_du_rangk" + suffix.
std::vector<std::string> RankHeadings(int count, const std::string& suffix, bool europe) {
    std::vector<std::string> cells;
    for (int k = 1; k <= count; ++k) {
        const std::string winners = "nombre_de_gagnant_au_rang" + std::to_string(k) + suffix;
        if (europe) {
            cells.push_back(winners + "_en_france");
            cells.push_back(winners + "_en_europe");
        } else {
            cells.push_back(winners);
        }
        cells.push_back("rapport_du_rang" + std::to_string(k) + suffix);
    }
    return cells;
}

// Rank cells: rank k has k winners (10 k in Europe) and the k-th amount.
std::vector<std::string> RankCells(const std::vector<std::string>& amounts, bool europe) {
    std::vector<std::string> cells;
    for (std::size_t k = 1; k <= amounts.size(); ++k) {
        cells.push_back(std::to_string(k));
        if (europe)
            cells.push_back(std::to_string(10 * k));
        cells.push_back(amounts[k - 1]);
    }
    return cells;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<std::string> kBalls6 = {"boule_1", "boule_2", "boule_3",
                                          "boule_4", "boule_5", "boule_6"};
const std::vector<std::string> kBalls5 = {"boule_1", "boule_2", "boule_3", "boule_4", "boule_5"};
const std::vector<std::string> kDraw = {"annee_numero_de_tirage", "jour_de_tirage",
                                        "date_de_tirage", "date_de_forclusion"};
const std::vector<std::string> kStars = {"etoile_1", "etoile_2",
                                         "boules_gagnantes_en_ordre_croissant",
                                         "etoiles_gagnantes_en_ordre_croissant"};
const std::vector<std::string> kCodes = {"nombre_de_codes_gagnants", "rapport_codes_gagnants",
                                         "codes_gagnants"};

// Nine amounts of today's Loto, six of the New Loto before it.
const std::vector<std::string> kNine = {"2000000", "100000", "1000", "500", "50",
                                        "20",      "10",     "5",    "2,2"};
const std::vector<std::string> kSix = {"0", "98145,6", "1213,4", "31,8", "5", "2"};

std::string NewLotoLine(const std::string& num, const std::string& date, const std::string& balls,
                        const std::vector<std::string>& ranks, const std::string& joker,
                        const std::vector<std::string>& between = {}) {
    return Join(std::vector<std::string>{num, "SAMEDI  ", date, "01/01/2030", balls, "x"} +
                RankCells(ranks, false) + between + std::vector<std::string>{joker, "eur", ""});
}

// Today's Loto file: nine ranks, the winning codes, the second draw of 2019 on.
std::string TodaysLotoFile(const std::vector<std::string>& lines) {
    std::vector<std::string> header =
        kDraw + kBalls5 +
        std::vector<std::string>{"numero_chance", "combinaison_gagnante_en_"
                                                  "ordre_croissant"} +
        RankHeadings(9, "", false) + kCodes;
    for (int k = 1; k <= 5; ++k)
        header.push_back("boule_" + std::to_string(k) + "_second_tirage");
    header.push_back("promotion_second_tirage");
    header.push_back("combinaison_gagnant_second_tirage_en_ordre_croissant");
    for (int k = 1; k <= 4; ++k) {
        header.push_back("nombre_de_gagnant_au_rang_" + std::to_string(k) + "_second_tirage");
        header.push_back("rapport_du_rang" + std::to_string(k) + "_second_tirage");
    }
    std::string text = Join(header + std::vector<std::string>{"numero_jokerplus", "devise", ""});
    for (const std::string& line : lines)
        text += "\n" + line;
    return text + "\n";
}

// The cells of the second draw: its five balls, the promotion, the combination, four ranks.
const std::vector<std::string> kSecondDraw = {
    "13",  "15",  "19",    "43",   "45",     "", "13-15-19-43-45", "0", "0",
    "288", "494", "12379", "29,5", "184289", "3"};

// The EuroMillions of 2016 on: cells named "..._Euro_Millions", the Etoile+ ranks, My Million.
std::string EuroMillionsFile(const std::string& cycle, const std::string& lastHeading,
                             const std::vector<std::string>& lines) {
    std::vector<std::string> header =
        std::vector<std::string>{"annee_numero_de_tirage", "jour_de_tirage", "date_de_tirage",
                                 cycle, "date_de_forclusion"} +
        kBalls5 + kStars + RankHeadings(13, "_Euro_Millions", true);
    for (int k = 1; k <= 10; ++k) {
        header.push_back("nombre_de_gagnant_au_rang" + std::to_string(k) + "_Etoile+");
        header.push_back("rapport_du_rang" + std::to_string(k) + "_Etoile+");
    }
    std::string text = Join(header + std::vector<std::string>{"numero_My_Million", lastHeading});
    for (const std::string& line : lines)
        text += "\n" + line;
    return text + "\n";
}

// Thirteen amounts, rank 6 paying 68,30 and rank 7 46,00.
const std::vector<std::string> kThirteen = {"2737810,60", "23054,20", "1305,60", "134,90", "68,30",
                                            "68,30",      "46,00",    "16,50",   "11,90",  "9,80",
                                            "7,80",       "5,40",     "3,90"};

std::string EuroMillionsLine(const std::string& num, const std::string& date,
                             const std::string& cycle, const std::string& balls) {
    std::vector<std::string> etoilePlus;
    for (int k = 1; k <= 10; ++k)
        etoilePlus.push_back(std::to_string(k) + ";" + std::to_string(k) + ",5");
    return Join(
        std::vector<std::string>{num, "VENDREDI", date, cycle, "01/01/2030", balls, "x", "y"} +
        RankCells(kThirteen, true) + etoilePlus + std::vector<std::string>{"TZ 666 3065", "", ""});
}

class OperatorCatalogueTest : public test::StoreFixture {
protected:
    OperatorCatalogueTest() {
        std::filesystem::copy_file(QUINTARO_OPERATOR_CATALOGUE, app / "quintaro.INI",
                                   std::filesystem::copy_options::overwrite_existing);
        catalogue = Catalogue();
        LoadSourceCatalogue(catalogue, app / "quintaro.INI");
        WriteFiles();
    }

    void Write(const std::string& name, const std::string& content) {
        test::WriteFile(app / name, content);
    }

    void WriteFiles() {
        const std::vector<std::string> lotoHeader =
            std::vector<std::string>{"annee_numero_de_tirage", "1er_ou_2eme_tirage",
                                     "jour_de_tirage", "date_de_tirage", "date_de_forclusion"} +
            kBalls6 +
            std::vector<std::string>{"boule_complementaire",
                                     "combinaison_gagnante_en_ordre_croissant", "numero_joker"} +
            RankHeadings(7, "", false) + std::vector<std::string>{"numero_jokerplus", "devise", ""};
        const std::vector<std::string> seven = {"904940", "10953,9", "1400,3", "61,6",
                                                "30,8",   "5,4",     "2,7"};
        const std::vector<std::string> oldRanks = {"5240113,00", "81240,00", "9120,50", "150,00",
                                                   "15,00",      "0",        "0"};
        auto loto = [&](const std::string& head, const std::vector<std::string>& ranks,
                        const std::string& tail) {
            return head + ";" + Join(RankCells(ranks, false)) + ";" + tail + ";";
        };
        Write("loto.csv",
              Join(lotoHeader) + "\n" +
                  loto("2008080;2;SA;20081004;20081204;33;32;42;16;15;49;37;x;", seven,
                       "7 523 262;eur") +
                  "\n" +
                  loto("2008079;1;SA;20081004;20081204;3;2;4;1;5;9;7;x;", seven, "7 523 262;eur") +
                  "\n" +
                  loto("1998050;2;ME;19980624;19980824;1;2;3;4;5;6;7;x;612345", seven, ";frf") +
                  "\n" + loto("1985042;1;ME;19850522;;5;11;19;27;36;48;2;x;", oldRanks, ";frf") +
                  "\n");

        Write("sloto.csv",
              Join(kDraw + kBalls6 +
                   std::vector<std::string>{"boule_complementaire",
                                            "combinaison_gagnante_en_ordre_croissant"} +
                   RankHeadings(7, "", false) +
                   std::vector<std::string>{"numero_jokerplus", "devise", ""}) +
                  "\n2008002;VE;20080613;20080813;34;25;37;42;15;36;49;x;" +
                  Join(RankCells(seven, false)) + ";8 651 700;eur;\n");

        std::vector<std::string> twelve(kThirteen.begin(), kThirteen.end() - 1);
        Write("euromillions.csv", Join(kDraw + kBalls5 + kStars + RankHeadings(12, "", true) +
                                       std::vector<std::string>{"numero_jokerplus", "devise", ""}) +
                                      "\n2011018;VE;20110506;20110706;28;16;20;22;11;4;9;x;y;" +
                                      Join(RankCells(twelve, true)) + ";1 037 960;eur;\n");

        const std::vector<std::string> newLoto =
            kDraw + kBalls5 +
            std::vector<std::string>{"numero_chance", "combinaison_gagnante_en_ordre_croissant"};
        const std::string sixRanks =
            Join(newLoto + RankHeadings(6, "", false) +
                 std::vector<std::string>{"numero_jokerplus", "devise", ""});
        Write(
            "nouveau_loto.csv",
            sixRanks + "\n" +
                NewLotoLine("2017027", "04/03/2017", "28;14;37;32;4;4", kSix, "6 036 389") + "\n" +
                NewLotoLine("2008081", "06/10/2008", "19;33;41;24;27;9", kSix, "4 674 648") + "\n");
        Write("nouveau_superloto.csv",
              sixRanks + "\n" +
                  NewLotoLine("2017001", "13/01/2017", "10;12;30;24;6;2", kSix, "5 163 249") +
                  "\n");
        const std::string nineRanks =
            Join(newLoto + RankHeadings(9, "", false) + kCodes +
                 std::vector<std::string>{"numero_jokerplus", "devise", ""});
        const std::vector<std::string> codes = {"10", "20000", "R 3329 7084,J 3818 3823"};
        Write(
            "loto2017.csv",
            nineRanks + "\n" +
                NewLotoLine("2019024", "25/02/2019", "7;44;37;48;38;7", kNine, "5 031 606", codes) +
                "\n" +
                NewLotoLine("2017028", "06/03/2017", "1;2;3;4;5;6", kNine, "1 111 111", codes) +
                "\n");
        Write("loto_201902.csv", nineRanks + "\n" +
                                     NewLotoLine("2019131", "02/11/2019", "41;1;18;16;13;3", kNine,
                                                 "4 731 738", codes) +
                                     "\n");
        Write("loto_201911.csv",
              TodaysLotoFile({NewLotoLine("20244089", "24/07/2024", "40;11;18;8;47;2", kNine,
                                          "Jokerplus indisponible", codes + kSecondDraw),
                              NewLotoLine("2023117", "30/09/2023", "1;2;3;4;5;6", kNine,
                                          "2 222 222", codes + kSecondDraw),
                              NewLotoLine("20200050", "25/04/2020", "9;8;7;6;5;4", kNine,
                                          "3 333 333", codes + kSecondDraw)}));
        Write("superloto2017.csv", nineRanks + "\n" +
                                       NewLotoLine("2018003", "14/09/2018", "22;45;19;4;30;7",
                                                   kNine, "8 888 888", codes) +
                                       "\n");
        Write("superloto_201907.csv",
              TodaysLotoFile({NewLotoLine("2019001", "19/07/2019", "1;2;3;4;5;6", kNine,
                                          "9 999 999", codes + kSecondDraw)}));

        // New Euromillion: 2011-2014 and 2014-2016 with the headers of the first Euromillion.
        const std::string elevenStars = Join(kDraw + kBalls5 + kStars);
        auto oldEuro = [&](const std::string& last) {
            return elevenStars + ";" + Join(RankHeadings(13, "", true)) + ";" + last + ";devise;\n";
        };
        auto oldEuroLine = [&](const std::string& head, const std::string& joker) {
            return head + ";x;y;" + Join(RankCells(kThirteen, true)) + ";" + joker + ";eur;\n";
        };
        Write(
            "euromillions_2.csv",
            oldEuro("numero_jokerplus") +
                oldEuroLine("2014009;VENDREDI;31/01/2014;02/04/2014;10;15;31;8;16;8;9",
                            "5 107 482") +
                oldEuroLine("2011019;MARDI;10/05/2011;10/07/2011;28;3;45;10;15;7;5", "6 798 970"));
        Write(
            "euromillions_3.csv",
            oldEuro("numero_My_Million") +
                oldEuroLine("2016077;VENDREDI;23/09/16;23/11/16;14;39;42;49;16;9;3", "PQ5913073") +
                oldEuroLine("2014010;MARDI;04/02/2014;06/04/2014;37;1;33;21;38;8;4", "MW1931385"));
        // Oldest draw first, a Latin-1 heading, a cycle cell of words.
        Write("euromillions_4.csv",
              EuroMillionsFile(
                  "num\xE9ro_de_tirage_dans_le_cycle", "numero_Tirage_Exceptionnel_Euro_Millions",
                  {EuroMillionsLine("2016078", "27/09/2016", "1", "41;6;13;39;9;2;12"),
                   EuroMillionsLine("2016079", "30/09/2016", "Super Jackpot et tirages suivants",
                                    "35;44;17;37;43;10;2")}));
        Write("euromillions_201902.csv",
              EuroMillionsFile(
                  "num\xE9ro_de_tirage_dans_le_cycle", "numero_Tirage_Exceptionnel_Euro_Million;",
                  {EuroMillionsLine("2019018", "01/03/2019", "3", "9;19;26;31;6;12;11")}));
        // A UTF-8 heading, draw numbers of eight and five characters, an amount with a point.
        std::string today = EuroMillionsFile(
            "num\xC3\xA9ro_de_tirage_dans_le_cycle", "numero_Tirage_Exceptionnel_Euro_Million;",
            {EuroMillionsLine("25045", "06/06/2025", "18", "30;29;21;20;35;2;12"),
             EuroMillionsLine("20200011", "07/02/2020", "", "17;15;9;25;40;9;3")});
        today.replace(today.rfind("9,80"), 4, "9.80");
        Write("euromillions_202002.csv", today);
    }

    // Date, draw number, n_tir and seventh ball of each draw of a game, in reference order.
    struct Stored {
        double date;
        std::int64_t n_sem, n_tir, b7, ranks;
        std::string joker;
        bool operator==(const Stored&) const = default;
    };
    std::vector<Stored> DrawsOf(int type) {
        auto q = md->Connection().Prepare(
            "select t.date, t.n_sem, t.n_tir, t.b7, (select count(*) from listegain g where "
            "g.reftirage = t.reftirage), coalesce(j.joker, '-') from listetirage t left join "
            "listejoker j on j.fkreftirage = t.reftirage where t.type = :t order by t.reftirage");
        q.Set("t", std::int64_t{type});
        std::vector<Stored> draws;
        while (q.Next())
            draws.push_back({q.Double(0), q.Int(1), q.Int(2), q.Int(3), q.Int(4), q.Text(5)});
        return draws;
    }
    std::int32_t ReferenceOn(int type, double date) {
        auto q = md->Connection().Prepare(
            "select reftirage from listetirage where type = :t and date = :d");
        q.Set("t", std::int64_t{type});
        q.Set("d", date);
        return q.Next() ? static_cast<std::int32_t>(q.Int(0)) : 0;
    }
    double Gain(std::int32_t reference, int rank) { return md->Amounts().Amount(reference, rank); }

    test::RecordingUpdate host;
    ExtractionObserver quiet;
    NetworkFetcher offline{settings, "quintaro-test", quiet};
};

TEST_F(OperatorCatalogueTest, EveryArchiveOfEveryGameImportsOldestFirst) {
    ASSERT_EQ(catalogue.SourceCatalogue.size(), 6u);
    const std::size_t archives[] = {1, 1, 1, 4, 3, 5};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(catalogue.SourceCatalogue[i].archives.size(), archives[i]) << i;
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(7); // the results files that lie there
    for (const std::string& line : host.lines)
        EXPECT_EQ(line.find("/!\\"), std::string::npos) << line;
    EXPECT_TRUE(driver.EveryStepSucceeded());

    const double loto2008 = DayNumber(2008, 10, 4);
    EXPECT_EQ(DrawsOf(0), (std::vector<Stored>{{DayNumber(1985, 5, 22), 42, 1, 2, 7, "-"},
                                               {DayNumber(1998, 6, 24), 50, 2, 7, 7, "0612345"},
                                               {loto2008, 79, 1, 7, 7, "-"},
                                               {loto2008, 80, 2, 37, 7, "7523262"}}));
    // Francs before 2002; the older draw's ranks moved down to today's numbering.
    const std::int32_t old = ReferenceOn(0, DayNumber(1985, 5, 22));
    EXPECT_EQ(Gain(old, 1), static_cast<double>(5240113.0L / kFrancsPerEuro));
    EXPECT_EQ(Gain(old, 7), static_cast<double>(15.0L / kFrancsPerEuro));
    EXPECT_EQ(Gain(old, 4), 0.0);
    EXPECT_EQ(Gain(ReferenceOn(0, loto2008), 7), 2.7);

    EXPECT_EQ(DrawsOf(1), (std::vector<Stored>{{DayNumber(2008, 6, 13), 2, 1, 49, 7, "8651700"}}));
    EXPECT_EQ(DrawsOf(2), (std::vector<Stored>{{DayNumber(2011, 5, 6), 18, 1, 9, 12, "1037960"}}));

    EXPECT_EQ(DrawsOf(3), (std::vector<Stored>{{DayNumber(2008, 10, 6), 81, 1, 0, 6, "4674648"},
                                               {DayNumber(2017, 3, 4), 27, 1, 0, 6, "6036389"},
                                               {DayNumber(2017, 3, 6), 28, 1, 0, 9, "1111111"},
                                               {DayNumber(2019, 2, 25), 24, 1, 0, 9, "5031606"},
                                               {DayNumber(2019, 11, 2), 131, 1, 0, 9, "4731738"},
                                               {DayNumber(2020, 4, 25), 50, 1, 0, 9, "3333333"},
                                               {DayNumber(2023, 9, 30), 117, 1, 0, 9, "2222222"},
                                               {DayNumber(2024, 7, 24), 89, 1, 0, 9, "-"}}));
    EXPECT_EQ(Gain(ReferenceOn(3, DayNumber(2019, 11, 2)), 9), 2.2);
    EXPECT_EQ(DrawsOf(4), (std::vector<Stored>{{DayNumber(2017, 1, 13), 1, 1, 0, 6, "5163249"},
                                               {DayNumber(2018, 9, 14), 3, 1, 0, 9, "8888888"},
                                               {DayNumber(2019, 7, 19), 1, 1, 0, 9, "9999999"}}));

    // My Million codes are no Joker numbers; the draws of euromillions_4.csv, listed oldest
    // first, come in bottom-up.
    EXPECT_EQ(DrawsOf(5), (std::vector<Stored>{{DayNumber(2011, 5, 10), 19, 1, 5, 13, "6798970"},
                                               {DayNumber(2014, 1, 31), 9, 1, 9, 13, "5107482"},
                                               {DayNumber(2014, 2, 4), 10, 1, 4, 13, "-"},
                                               {DayNumber(2016, 9, 23), 77, 1, 3, 13, "-"},
                                               {DayNumber(2016, 9, 30), 79, 1, 2, 13, "-"},
                                               {DayNumber(2016, 9, 27), 78, 1, 12, 13, "-"},
                                               {DayNumber(2019, 3, 1), 18, 1, 11, 13, "-"},
                                               {DayNumber(2020, 2, 7), 11, 1, 3, 13, "-"},
                                               {DayNumber(2025, 6, 6), 45, 1, 12, 13, "-"}}));
    EXPECT_EQ(Gain(ReferenceOn(5, DayNumber(2020, 2, 7)), 10), 9.8);
    // Star 12 is counted.
    ASSERT_EQ(md->Stats().Rows(15).size(), 12u);
    EXPECT_EQ(md->Stats().Rows(15)[11].nbSortie, 3);

    // A second update finds nothing new in any archive.
    const std::int64_t draws = Count("listetirage");
    driver.Update(7);
    EXPECT_EQ(Count("listetirage"), draws);
}

// A grid that won 3 numbers and 2 stars on 06/06/2025 is paid rank 6, 68,30 €, not the 46,00 €
// of rank 7 (4 numbers and no star).
TEST_F(OperatorCatalogueTest, TodaysEuroMillionsWinIsPaidTodaysRank) {
    AddGrid(5, {20, 21, 29, 1, 2}, {2, 12});
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(7);
    const std::int32_t reference = ReferenceOn(5, DayNumber(2025, 6, 6));
    md->LoadGrids();
    const TgrilleGagnante winners = md->MatchGridsForDraw(reference, 5);
    ASSERT_EQ(winners.size(), 1u);
    EXPECT_EQ(winners[0].matched, 3);
    EXPECT_EQ(winners[0].secondMatched, 2);
    EXPECT_EQ(winners[0].prize, 68.3);
}

} // namespace
} // namespace quintaro
