#include "core/base/quintaro_error.h"
#include "core/update/network_fetcher.h"
#include "core/update/update_driver.h"
#include "support/http_server.h"
#include "support/recording_update.h"
#include "support/store_fixture.h"
#include "support/zip_maker.h"

#include <cstring>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

using Lines = std::vector<std::string>;

// Two entries, Loto and Super Loto, with one header layout.
class UpdateDriverTest : public test::StoreFixture {
protected:
    UpdateDriverTest() {
        std::string ini =
            "[fichier]\nnombre=2\n[adresse]\n"
            "url0=http://127.0.0.1:9/loto.zip\ndestination0=loto.zip\ncsv0=loto.csv\nlib0=Loto\n"
            "url1=http://127.0.0.1:9/sloto.zip\ndestination1=sloto.zip\ncsv1=sloto.csv\nlib1=Super "
            "Loto\n";
        for (int i = 0; i < 2; ++i)
            ini += "[fichier" + std::to_string(i) +
                   "]\ndate=d\nnum=n\nb1=b1\nb2=b2\nb3=b3\nb4=b4\nb5=b5\nb6=b6\nb7=b7\n"
                   "g1=g1\nnf1=nf1\n";
        test::WriteFile(app / "quintaro.INI", ini);
        catalogue = Catalogue();
        LoadSourceCatalogue(catalogue, app / "quintaro.INI");
    }
    static std::string File(const std::vector<std::string>& dates) {
        std::string text = "d;n;b1;b2;b3;b4;b5;b6;b7;g1;nf1\n";
        // The draw number is the day of the month.
        for (const std::string& date : dates)
            text += date + ";20230" + date.substr(0, 2) + ";1;2;3;4;5;6;7;10,5;1\n";
        return text;
    }
    std::string Csv(int i) { return catalogue.SourceCatalogue[static_cast<std::size_t>(i)].csv; }
    std::string Dest(int i) {
        return catalogue.SourceCatalogue[static_cast<std::size_t>(i)].destination;
    }
    Lines Import(int i, int added, int lines) {
        return {" Traitement de " + Csv(i), " Il y a " + std::to_string(lines) + " enregistrements",
                " Ajout terminé",
                " Mise à jour du " + std::string(i == 0 ? "Loto" : "Super Loto") +
                    " terminée ajout de " + std::to_string(added) + " enregistrements"};
    }
    // Points both entries' addresses at the server.
    void ServeFrom(const test::HttpServer& server) {
        std::string ini = test::ReadFile(app / "quintaro.INI");
        for (const char* name : {"/loto.zip", "/sloto.zip"})
            ini.replace(ini.find("http://127.0.0.1:9" + std::string(name)),
                        std::string("http://127.0.0.1:9").size() + std::strlen(name),
                        server.Url(name));
        test::WriteFile(app / "quintaro.INI", ini);
        catalogue = Catalogue();
        LoadSourceCatalogue(catalogue, app / "quintaro.INI");
    }
    static Lines Closing() {
        return {"Calcule des statistiques OK", "Chargement des données OK", "Mise à jour terminée"};
    }
    static Lines Join(std::initializer_list<Lines> parts) {
        Lines all;
        for (const Lines& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    }

    // A results file of the fixture's layout, its lines written out: date;num;b1..b7;g1;nf1.
    static std::string FileOf(const std::vector<std::string>& lines) {
        std::string text = "d;n;b1;b2;b3;b4;b5;b6;b7;g1;nf1\n";
        for (const std::string& line : lines)
            text += line + "\n";
        return text;
    }
    std::vector<std::int32_t> References(const std::vector<StoredDraw>& draws) {
        std::vector<std::int32_t> references;
        for (const StoredDraw& draw : draws)
            references.push_back(draw.reftirage);
        return references;
    }

    test::RecordingUpdate host;
    ExtractionObserver quiet;
    NetworkFetcher offline{settings, "quintaro-test", quiet};
};

TEST_F(UpdateDriverTest, LocalFilesAreImportedThenStatisticsAndAmountsRebuilt) {
    test::WriteFile(Csv(0), File({"16/03/2023", "15/03/2023"}));
    test::WriteFile(Csv(1), File({"17/03/2023"}));
    test::WriteFile(Dest(0), "an archive left over");
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(7);
    EXPECT_EQ(host.lines, Join({Import(0, 2, 3), Import(1, 1, 2), Closing()}));
    EXPECT_EQ(Count("listetirage"), 3);
    EXPECT_EQ(Count("stat"), 397);
    EXPECT_EQ(md->Amounts().Amount(3, 1), 10.5);
    EXPECT_FALSE(std::filesystem::exists(Dest(0)));

    // Nothing new, then only the newer lines.
    host.lines.clear();
    driver.Update(7);
    EXPECT_EQ(host.lines, Join({Import(0, 0, 3), Import(1, 0, 2), Closing()}));
    test::WriteFile(Csv(0), File({"18/03/2023", "16/03/2023", "15/03/2023"}));
    host.lines.clear();
    driver.Update(7);
    EXPECT_EQ(host.lines[3], " Mise à jour du Loto terminée ajout de 1 enregistrements");
    EXPECT_EQ(Count("listetirage"), 4);
}

TEST_F(UpdateDriverTest, AFailingEntryDoesNotStopTheNextOne) {
    test::WriteFile(Csv(0), File({"16/03/2023"}) + "bad;line\n");
    test::WriteFile(Csv(1), File({"17/03/2023"}));
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(7);
    EXPECT_EQ(host.lines, Join({{" Traitement de " + Csv(0), " Il y a 3 enregistrements",
                                 " Ajout des nouveaux tirages en cours ...",
                                 "'//bad' n'est pas une date correcte"},
                                Import(1, 1, 2),
                                Closing()}));
    EXPECT_EQ(Count("listetirage"), 1);
}

// The operator splits a game's history into archives whose files name the same columns
// differently: one entry lists them all, oldest first, and its mapping lists every name.
TEST_F(UpdateDriverTest, AnEntryOfThreeArchivesImportsThemOldestFirstOnce) {
    test::HttpServer server;
    const std::vector<std::pair<std::string, std::string>> files = {
        {"a.csv", "d;n;b1;b2;b3;b4;b5;b6;b7;g1;nf1\n"
                  "08/10/2008;2008081;1;2;3;4;5;6;7;1,5;1\n"
                  "04/10/2008;2008080;1;2;3;4;5;6;8;1,4;1\n"},
        {"b.csv", "date_de_tirage;annee_numero;boule_1;boule_2;boule_3;boule_4;boule_5;boule_6;"
                  "boule_7;rapport_du_rang1;gagnants_rang1;\n"
                  "08/03/2017;2017028;1;2;3;4;5;6;9;2,5;1;\n"
                  "06/03/2017;2017027;1;2;3;4;5;6;10;2,4;1;\n"},
        // Columns in another order, and the last draw of b.csv again.
        {"c.csv", "RANG1;NUMERO;DATE;B1;B2;B3;B4;B5;B6;B7;GAGNANTS1\n"
                  "3,5;20200050;07/02/2020;1;2;3;4;5;6;11;1\n"
                  "2,5;2017028;08/03/2017;1;2;3;4;5;6;9;1\n"}};
    std::string urls, destinations, csvs;
    for (const auto& [csv, content] : files) {
        const std::string zip = csv.substr(0, 1) + ".zip";
        server.Route("/" + zip, {200, test::MakeZip({{csv, content}}), {}, false});
        const std::string bar = urls.empty() ? "" : "|";
        urls += bar + server.Url("/" + zip);
        destinations += bar + zip;
        csvs += bar + csv;
    }
    std::string ini = "[fichier]\nnombre=1\n[adresse]\nurl0=" + urls +
                      "\ndestination0=" + destinations + "\ncsv0=" + csvs +
                      "\nlib0=New Loto\n[fichier0]\n" +
                      "date=d|date_de_tirage|DATE\nnum=n|annee_numero|NUMERO\n" +
                      "g1=g1|rapport_du_rang1|RANG1\nnf1=nf1|gagnants_rang1|GAGNANTS1\n";
    for (int k = 1; k <= 7; ++k) {
        const std::string b = std::to_string(k);
        ini += "b" + b + "=b" + b + "|boule_" + b + "|B" + b + "\n";
    }
    test::WriteFile(app / "quintaro.INI", ini);
    catalogue = Catalogue();
    LoadSourceCatalogue(catalogue, app / "quintaro.INI");
    const std::vector<ResultsArchive>& archives = catalogue.SourceCatalogue.at(0).archives;
    ASSERT_EQ(archives.size(), 3u);

    // Each archive is logged as a whole entry was.
    auto log = [&](const std::vector<int>& added) {
        Lines lines;
        for (std::size_t k = 0; k < archives.size(); ++k)
            lines.insert(lines.end(), {"Téléchargement de " + archives[k].destination + " OK",
                                       " Décompression de " + archives[k].destination + " OK",
                                       " Traitement de " + archives[k].csv,
                                       " Il y a 3 enregistrements", " Ajout terminé",
                                       " Mise à jour du New Loto terminée ajout de " +
                                           std::to_string(added[k]) + " enregistrements"});
        return Join({lines, Closing()});
    };
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(kModeInternet);
    EXPECT_EQ(host.lines, log({2, 2, 1}));
    EXPECT_TRUE(driver.EveryStepSucceeded());
    // Oldest first: the references follow the dates.
    std::vector<std::pair<double, std::int64_t>> stored; // date, seventh ball
    auto q = md->Connection().Prepare("select date, b7 from listetirage order by reftirage");
    while (q.Next())
        stored.emplace_back(q.Double(0), q.Int(1));
    EXPECT_EQ(stored, (std::vector<std::pair<double, std::int64_t>>{{DayNumber(2008, 10, 4), 8},
                                                                    {DayNumber(2008, 10, 8), 7},
                                                                    {DayNumber(2017, 3, 6), 10},
                                                                    {DayNumber(2017, 3, 8), 9},
                                                                    {DayNumber(2020, 2, 7), 11}}));
    EXPECT_EQ(md->Amounts().Amount(5, 1), 3.5);

    host.lines.clear();
    driver.Update(kModeInternet);
    EXPECT_EQ(host.lines, log({0, 0, 0}));
    EXPECT_EQ(Count("listetirage"), 5);
}

TEST_F(UpdateDriverTest, InternetModeWithAServerThatRefusesLogsTheFailure) {
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(kModeInternet);
    EXPECT_EQ(host.lines, Join({{"Téléchargement de " + Dest(0) + " ...",
                                 "/!\\ Erreur lors du téléchargement de " + Dest(0) + " /!\\",
                                 "Téléchargement de " + Dest(1) + " ...",
                                 "/!\\ Erreur lors du téléchargement de " + Dest(1) + " /!\\"},
                                Closing()}));
}

TEST_F(UpdateDriverTest, InternetModeDownloadsUnpacksAndImportsEachEntry) {
    test::HttpServer server;
    server.Route("/sloto.zip",
                 {200, test::MakeZip({{"sloto.csv", File({"17/03/2023"})}}), {}, false});
    ServeFrom(server);
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(kModeInternet);
    EXPECT_EQ(host.lines, Join({{"Téléchargement de " + Dest(0) + " ...",
                                 "/!\\ Erreur lors du téléchargement de " + Dest(0) + " /!\\",
                                 "Téléchargement de " + Dest(1) + " OK",
                                 " Décompression de " + Dest(1) + " OK"},
                                Import(1, 1, 2),
                                Closing()}));
    EXPECT_FALSE(std::filesystem::exists(Dest(0)));
    EXPECT_FALSE(std::filesystem::exists(Dest(1)));
    EXPECT_EQ(Count("listetirage"), 1);

    // An answer that is no archive fails the extraction.
    server.Route("/sloto.zip", {200, "<html>maintenance</html>", {}, false});
    host.lines.clear();
    driver.Update(kModeInternet);
    EXPECT_EQ(host.lines[4], " /!\\ Erreur lors de la Décompression de " + Dest(1) + " /!\\");
    EXPECT_FALSE(std::filesystem::exists(Dest(1)));
}

TEST_F(UpdateDriverTest, AnArchiveBringsOnlyItsResultsFileIntoTheInstallation) {
    test::HttpServer server;
    server.Route("/sloto.zip", {200,
                                test::MakeZip({{"quintaro.INI", "[fichier]\nnombre=0\n"},
                                               {"sloto.csv", File({"17/03/2023"})},
                                               {"quintaro.dat", "not the tables"}}),
                                {},
                                false});
    ServeFrom(server);
    const std::string ini = test::ReadFile(app / "quintaro.INI");
    const std::string tables = test::ReadFile(app / "quintaro.dat");
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(kModeInternet);
    EXPECT_EQ(test::ReadFile(app / "quintaro.INI"), ini);
    EXPECT_TRUE(test::ReadFile(app / "quintaro.dat") == tables) << "the tables were replaced";
    EXPECT_EQ(host.lines,
              Join({{"Téléchargement de " + Dest(0) + " ...",
                     "/!\\ Erreur lors du téléchargement de " + Dest(0) + " /!\\",
                     "Téléchargement de " + Dest(1) + " OK", " Décompression de " + Dest(1) + " OK",
                     " Fichier ignoré dans l'archive : quintaro.INI",
                     " Fichier ignoré dans l'archive : quintaro.dat"},
                    Import(1, 1, 2),
                    Closing()}));
    EXPECT_EQ(Count("listetirage"), 1);
}

TEST_F(UpdateDriverTest, ADamagedResultsFileInTheArchiveLeavesTheOldOne) {
    test::HttpServer server;
    std::string zip = test::MakeZip({{"sloto.csv", File({"18/03/2023"}), true}});
    zip[zip.find("18/03/2023")] = '2';
    server.Route("/sloto.zip", {200, zip, {}, false});
    ServeFrom(server);
    test::WriteFile(Csv(1), File({"17/03/2023"}));
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(kModeInternet);
    EXPECT_EQ(host.lines, Join({{"Téléchargement de " + Dest(0) + " ...",
                                 "/!\\ Erreur lors du téléchargement de " + Dest(0) + " /!\\",
                                 "Téléchargement de " + Dest(1) + " OK",
                                 " Décompression de " + Dest(1) + " ...",
                                 " /!\\ Erreur lors de la Décompression de " + Dest(1) + " /!\\"},
                                Closing()}));
    EXPECT_EQ(test::ReadFile(Csv(1)), File({"17/03/2023"}));
    EXPECT_EQ(Count("listetirage"), 0);
}

TEST_F(UpdateDriverTest, FichiersModeChecksCopiesOrCancelsEachEntry) {
    test::TempDir elsewhere;
    test::WriteFile(elsewhere / "LOTO.CSV", File({"16/03/2023"}));
    test::WriteFile(elsewhere / "other.csv", File({"16/03/2023"}));
    UpdateDriver driver(*md, catalogue, host, offline);

    host.picks = {(elsewhere / "LOTO.CSV").string(), std::nullopt};
    driver.Update(kModeFichiers);
    EXPECT_EQ(host.offered, (Lines{"loto.csv", "sloto.csv"}));
    EXPECT_EQ(test::ReadFile(Csv(0)), File({"16/03/2023"}));
    EXPECT_EQ(host.lines,
              Join({Import(0, 1, 2),
                    {"/!\\ Annulation du chargement de sloto.csv par l'utilisateur /!\\"},
                    Closing()}));

    host.lines.clear();
    test::WriteFile(Csv(1), File({"17/03/2023"}));
    host.picks = {(elsewhere / "other.csv").string(), Csv(1)};
    driver.Update(kModeFichiers);
    EXPECT_EQ(host.lines, Join({{"/!\\ Fichier différent /!\\"}, Import(1, 1, 2), Closing()}));

    host.lines.clear();
    std::filesystem::create_directory(elsewhere / "sloto.csv");
    host.picks = {std::nullopt, (elsewhere / "sloto.csv").string()};
    driver.Update(kModeFichiers);
    EXPECT_EQ(host.lines[1],
              "/!\\ Erreur lors de la copie de " + (elsewhere / "sloto.csv").string() + " /!\\");
}

TEST_F(UpdateDriverTest, AResultsFileThatCannotBeOpenedStopsTheUpdate) {
    test::WriteFile(Csv(1), File({"17/03/2023"}));
    UpdateDriver driver(*md, catalogue, host, offline);
    try {
        driver.Update(7);
        ADD_FAILURE();
    } catch (const QuintaroError& e) {
        EXPECT_NE(std::string(e.what()).find("Impossible d'ouvrir le fichier"), std::string::npos);
    }
    EXPECT_EQ(host.lines, Lines{" Traitement de " + Csv(0)});
    EXPECT_EQ(Count("listetirage"), 0);
}

TEST_F(UpdateDriverTest, FullResetAsksThenStartsTheReferencesAgain) {
    test::WriteFile(Csv(0), File({"16/03/2023", "15/03/2023"}));
    test::WriteFile(Csv(1), File({"17/03/2023"}));
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(7);
    ASSERT_EQ(Count("listetirage"), 3);
    md->Connection().Execute("delete from listetirage where reftirage = 1");

    host.lines.clear();
    host.confirm = false;
    EXPECT_FALSE(driver.FullReset(7));
    EXPECT_TRUE(host.lines.empty());
    EXPECT_EQ(host.questions,
              Lines{"Etes vous sur de vouloir vider toutes les données des tirages"});
    EXPECT_EQ(Count("listetirage"), 2);

    host.confirm = true;
    EXPECT_TRUE(driver.FullReset(7));
    EXPECT_EQ(host.lines,
              Join({{"/!\\ Effacement des tables"}, Import(0, 2, 3), Import(1, 1, 2), Closing()}));
    auto q = md->Connection().Prepare("select min(reftirage), max(reftirage) from listetirage");
    q.Next();
    EXPECT_EQ(q.Int(0), 1);
    EXPECT_EQ(q.Int(1), 3);
    EXPECT_EQ(Count("listegrille"), 6);
    EXPECT_EQ(host.pumps, 1);
    // The lookup indexes are all there again.
    auto indexes = md->Connection().Prepare(
        "select count(*) from sqlite_master where type = 'index' and name in "
        "('listetirage_type_date', 'listegain_reftirage', 'listeboules_reftirage')");
    indexes.Next();
    EXPECT_EQ(indexes.Int(0), 3);
}

// Six numbers win rank 1, whose amount is the file's g1.
TEST_F(UpdateDriverTest, ThreeAddedDrawsOfWhichOneWinsForTwoGrids) {
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    AddGrid(0, {1, 2, 3, 4, 5, 6, 8});
    AddGrid(0, {20, 21, 22, 23, 24, 25});
    test::WriteFile(Csv(0), FileOf({"16/03/2023;2023032;1;2;3;4;5;6;7;10,5;1",
                                    "15/03/2023;2023031;30;31;32;33;34;35;36;99;1",
                                    "14/03/2023;2023030;40;41;42;43;44;45;46;99;1"}));
    test::WriteFile(Csv(1), FileOf({}));
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(7);
    // The update's own log is the same as without grids.
    EXPECT_EQ(host.lines, Join({Import(0, 3, 4), Import(1, 0, 1), Closing()}));

    // The file is read from its last line up.
    ASSERT_EQ(References(driver.AddedDraws()), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(driver.AddedDraws()[2].draw.n_sem, 32);
    const NewDrawWinnings& winnings = driver.NewWinnings();
    EXPECT_EQ(winnings.drawsChecked, 3u);
    ASSERT_EQ(winnings.draws.size(), 1u);
    EXPECT_EQ(winnings.draws[0].stored.reftirage, 3);
    ASSERT_EQ(winnings.draws[0].winners.size(), 2u);
    EXPECT_EQ(winnings.draws[0].winners[0].number, 1);
    EXPECT_EQ(winnings.draws[0].winners[1].number, 2);
    // The amounts of the draws just added: the ones the draws view shows.
    EXPECT_EQ(winnings.draws[0].winners[1].prize, 10.5);
    EXPECT_EQ(winnings.total, 21.0);
    EXPECT_EQ(winnings.LatestWin(), &winnings.draws[0]);
}

TEST_F(UpdateDriverTest, NothingIsReportedWithoutANewDrawOfAGameWithGrids) {
    AddGrid(1, {1, 2, 3, 4, 5, 6});
    test::WriteFile(Csv(0), File({"16/03/2023", "15/03/2023"}));
    test::WriteFile(Csv(1), FileOf({}));
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(7);
    EXPECT_EQ(driver.AddedDraws().size(), 2u);
    EXPECT_FALSE(driver.NewWinnings().Reported());

    // A Super Loto draw that wins nothing is checked, and says so.
    test::WriteFile(Csv(1), FileOf({"17/03/2023;2023017;30;31;32;33;34;35;36;99;1"}));
    driver.Update(7);
    EXPECT_EQ(References(driver.AddedDraws()), std::vector<std::int32_t>{3});
    EXPECT_TRUE(driver.NewWinnings().Reported());
    EXPECT_FALSE(driver.NewWinnings().Won());

    // Nothing added.
    driver.Update(7);
    EXPECT_TRUE(driver.AddedDraws().empty());
    EXPECT_FALSE(driver.NewWinnings().Reported());
}

TEST_F(UpdateDriverTest, TheDrawsOfAFileRolledBackAreNotReportedAsAdded) {
    AddGrid(1, {1, 2, 3, 4, 5, 6});
    test::WriteFile(Csv(0), File({"16/03/2023", "15/03/2023"}));
    test::WriteFile(Csv(1), FileOf({"17/03/2023;2023017;1;2;3;4;5;6;7;99;1",
                                    "16/03/2023;2023016;1;2;x;4;5;6;7;99;1"}));
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(7);
    EXPECT_EQ(Count("listetirage"), 2);
    ASSERT_EQ(driver.AddedDraws().size(), 2u);
    EXPECT_EQ(driver.AddedDraws()[0].draw.type, 0);
    EXPECT_EQ(driver.AddedDraws()[1].draw.type, 0);
    EXPECT_FALSE(driver.NewWinnings().Reported());
}

TEST_F(UpdateDriverTest, AFullResetReportsOnlyTheDrawsThatWereNotStoredBefore) {
    AddGrid(0, {1, 2, 3, 4, 5, 6});
    AddGrid(1, {1, 2, 3, 4, 5, 6});
    test::WriteFile(Csv(0), File({"16/03/2023", "15/03/2023"}));
    test::WriteFile(Csv(1), File({"17/03/2023"}));
    UpdateDriver driver(*md, catalogue, host, offline);
    driver.Update(7);
    ASSERT_EQ(driver.NewWinnings().draws.size(), 3u);

    // The history again, with a new draw, and one of the same day under another number.
    test::WriteFile(Csv(0), File({"18/03/2023", "16/03/2023", "15/03/2023"}) +
                                "16/03/2023;2023099;1;2;3;4;5;6;7;10,5;1\n");
    host.confirm = true;
    ASSERT_TRUE(driver.FullReset(7));
    EXPECT_EQ(host.lines.back(), "Mise à jour terminée");
    // The references start again, the file read from its last line up.
    EXPECT_EQ(References(driver.AddedDraws()), (std::vector<std::int32_t>{1, 4}));
    ASSERT_EQ(driver.AddedDraws().size(), 2u);
    EXPECT_EQ(driver.AddedDraws()[0].draw.n_sem, 99);
    EXPECT_EQ(driver.AddedDraws()[1].draw.n_sem, 18);
    const NewDrawWinnings& winnings = driver.NewWinnings();
    EXPECT_EQ(winnings.drawsChecked, 2u);
    ASSERT_EQ(winnings.draws.size(), 2u);
    EXPECT_EQ(winnings.total, 21.0);
    EXPECT_EQ(winnings.LatestWin()->stored.draw.n_sem, 18);
}

} // namespace
} // namespace quintaro
