#include "core/base/quintaro_error.h"
#include "core/store/catalogue.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

using test::TempDir;
using test::WriteFile;

class CatalogueTest : public ::testing::Test {
protected:
    std::filesystem::path Ini(const std::string& content) {
        WriteFile(dir / "quintaro.INI", content);
        return dir / "quintaro.INI";
    }
    std::string LoadFailure(const std::string& content) {
        try {
            LoadSourceCatalogue(cat, Ini(content));
        } catch (const QuintaroError& e) {
            return e.what();
        }
        return "no failure";
    }
    TempDir dir;
    Catalogue cat;
};

TEST_F(CatalogueTest, ReadsCompleteEntriesWithPathsInTheIniDirectory) {
    LoadSourceCatalogue(cat, Ini("[fichier]\nnombre=2\n[adresse]\n"
                                 "url0=http://h/loto.zip\ndestination0=loto.zip\ncsv0=loto.csv\n"
                                 "lib0=Loto\n"
                                 "url1=http://h/eu.zip\ndestination1=eu.zip\ncsv1=eu.csv\n"
                                 "lib1=Euromillion\n"));
    const std::string d = dir.path().string();
    EXPECT_EQ(cat.CatalogueIniPath, d + "/quintaro.INI");
    EXPECT_EQ(cat.CatalogueDir, d);
    EXPECT_EQ(cat.CatalogueCount, 2);
    ASSERT_EQ(cat.SourceCatalogue.size(), 2u);
    EXPECT_EQ(cat.SourceCatalogue[0].url, "http://h/loto.zip");
    EXPECT_EQ(cat.SourceCatalogue[0].destination, d + "/loto.zip");
    EXPECT_EQ(cat.SourceCatalogue[0].csv, d + "/loto.csv");
    EXPECT_EQ(cat.SourceCatalogue[0].lib, "Loto");
    EXPECT_EQ(cat.SourceCatalogue[1].lib, "Euromillion");
    EXPECT_EQ(cat.FrancCurrencyCode, "fr");
    // One archive each, the entry's own.
    for (const TlistFiche& entry : cat.SourceCatalogue) {
        ASSERT_EQ(entry.archives.size(), 1u);
        EXPECT_EQ(entry.archives[0].url, entry.url);
        EXPECT_EQ(entry.archives[0].destination, entry.destination);
        EXPECT_EQ(entry.archives[0].csv, entry.csv);
    }
}

TEST_F(CatalogueTest, AnEntryMayListSeveralArchives) {
    LoadSourceCatalogue(cat, Ini("[fichier]\nnombre=1\n[adresse]\n"
                                 "url0=http://h/a.zip|http://h/b.zip|file:///c.zip\n"
                                 "destination0=a.zip|b.zip|c.zip\ncsv0=a.csv|b.csv|c.csv\n"
                                 "lib0=New Loto\n"));
    const std::string d = dir.path().string() + "/";
    const TlistFiche& entry = cat.SourceCatalogue.at(0);
    ASSERT_EQ(entry.archives.size(), 3u);
    EXPECT_EQ(entry.archives[1].url, "http://h/b.zip");
    EXPECT_EQ(entry.archives[1].destination, d + "b.zip");
    EXPECT_EQ(entry.archives[2].csv, d + "c.csv");
    EXPECT_EQ(entry.url, "http://h/a.zip");
    EXPECT_EQ(entry.csv, d + "a.csv");
    EXPECT_EQ(entry.lib, "New Loto");

    const std::string keys = "Fichier INI non conforme : url0, destination0 et csv0";
    EXPECT_EQ(LoadFailure("[fichier]\nnombre=1\n[adresse]\nurl0=u|v\ndestination0=a.zip\n"
                          "csv0=a.csv|b.csv\nlib0=Loto\n"),
              keys + " ne listent pas autant d'archives");
    EXPECT_EQ(LoadFailure("[fichier]\nnombre=1\n[adresse]\nurl0=u||w\ndestination0=a|b|c\n"
                          "csv0=a|b|c\nlib0=Loto\n"),
              keys + " : une archive sans adresse");
}

TEST_F(CatalogueTest, RejectsCatalogueWithoutOneCompleteSource) {
    const std::string entry0 = "url0=u\ndestination0=d\ncsv0=c\nlib0=Loto\n";
    struct Case {
        const char* what;
        std::string content;
        const char* message;
    };
    const Case cases[] = {
        {"no nombre", "[fichier]\n[adresse]\n" + entry0, kCatalogueMalformed},
        {"nombre 0", "[fichier]\nnombre=0\n[adresse]\n" + entry0, kCatalogueMalformed},
        {"nombre not an integer", "[fichier]\nnombre=deux\n[adresse]\n" + entry0,
         kCatalogueMalformed},
        {"negative nombre", "[fichier]\nnombre=-1\n[adresse]\n" + entry0, kRangeCheckError},
        {"entry without lib", "[fichier]\nnombre=1\n[adresse]\nurl0=u\ncsv0=c\n",
         kCatalogueMalformed},
        {"entry without url", "[fichier]\nnombre=1\n[adresse]\nlib0=Loto\n", kCatalogueMalformed},
        {"empty file", "", kCatalogueMalformed},
        {"binary file", std::string("\x00\xff\xfe[\x01=", 6), kCatalogueMalformed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadFailure(c.content), c.message) << c.what;
}

TEST_F(CatalogueTest, MissingFileIsMalformed) {
    EXPECT_THROW(LoadSourceCatalogue(cat, dir / "absent.INI"), QuintaroError);
    EXPECT_EQ(cat.CatalogueCount, 0);
}

TEST_F(CatalogueTest, EntriesBeforeTheIncompleteOneStayFilled) {
    EXPECT_EQ(LoadFailure("[fichier]\nnombre=3\n[adresse]\n"
                          "url0=u0\nlib0=Loto\nurl1=u1\nlib1=Super Loto\nurl2=u2\n"),
              kCatalogueMalformed);
    EXPECT_EQ(cat.CatalogueCount, 3);
    ASSERT_EQ(cat.SourceCatalogue.size(), 2u);
    EXPECT_EQ(cat.SourceCatalogue[1].lib, "Super Loto");
}

TEST_F(CatalogueTest, HugeCountWithoutEntriesFailsOnItsFirstMissingEntry) {
    EXPECT_EQ(LoadFailure("[fichier]\nnombre=2147483647\n"), kCatalogueMalformed);
    EXPECT_TRUE(cat.SourceCatalogue.empty());
}

TEST_F(CatalogueTest, EmptyCsvIsTheDirectoryAndSeparator) {
    LoadSourceCatalogue(cat, Ini("[fichier]\nnombre=1\n[adresse]\nurl0=u\ncsv0=\nlib0=Loto\n"));
    EXPECT_EQ(cat.SourceCatalogue[0].csv, dir.path().string() + "/");
    EXPECT_EQ(cat.SourceCatalogue[0].destination, dir.path().string() + "/");
}

TEST_F(CatalogueTest, NamesMatchWithoutRegardToCaseAndValuesAreTrimmed) {
    LoadSourceCatalogue(cat, Ini("; a comment\r\n[FICHIER]\r\nNombre = 1\r\n[Adresse]\r\n"
                                 "  URL0 =  http://h/x.zip  \r\n\tLIB0=\"New Loto\"\r\n"
                                 "lib0=second occurrence\r\n[Devise]\r\nFRANC=FRF\r\n"));
    EXPECT_EQ(cat.SourceCatalogue[0].url, "http://h/x.zip");
    EXPECT_EQ(cat.SourceCatalogue[0].lib, "New Loto");
    EXPECT_EQ(cat.FrancCurrencyCode, "FRF");
}

TEST_F(CatalogueTest, LongValuesAndSemicolonsAreKept) {
    const std::string url = "http://h/" + std::string(3000, 'a') + ";x=1";
    LoadSourceCatalogue(cat, Ini("[fichier]\nnombre=1\n[adresse]\nurl0=" + url + "\nlib0=L\n"));
    EXPECT_EQ(cat.SourceCatalogue[0].url, url);
}

TEST_F(CatalogueTest, PricesOfASimpleBetAreReadForEachEntry) {
    const std::string entries = "[fichier]\nnombre=3\n[adresse]\nurl0=u\nlib0=Loto\nurl1=u\n"
                                "lib1=Euromillion\nurl2=u\nlib2=New Loto\n";
    // Without the section every entry has no known price, and the rest reads as before.
    LoadSourceCatalogue(cat, Ini(entries));
    EXPECT_EQ(cat.SimpleBetPrices, std::vector<BetPrices>(3));
    EXPECT_EQ(cat.SourceCatalogue[2].lib, "New Loto");

    LoadSourceCatalogue(cat, Ini(entries + "[PRIX]\nprix0=01/01/2002 0,30\n"
                                           "prix2=06/10/2008 2,00; 04/11/2019 2,20\n"
                                           "prix7=01/01/2002 9\n"));
    ASSERT_EQ(cat.SimpleBetPrices.size(), 3u);
    EXPECT_EQ(cat.SimpleBetPrices[0], (BetPrices{{37257, 0.3}}));
    EXPECT_EQ(cat.SimpleBetPrices[1], BetPrices{});
    EXPECT_EQ(cat.SimpleBetPrices[2], (BetPrices{{39727, 2.0}, {43773, 2.2}}));
}

TEST_F(CatalogueTest, AMalformedPriceListStopsTheReadingWithItsKey) {
    EXPECT_EQ(LoadFailure("[fichier]\nnombre=2\n[adresse]\nurl0=u\nlib0=Loto\nurl1=u\n"
                          "lib1=Super Loto\n[prix]\nprix1=01/01/2002 0,30; 31/13/2003 1\n"),
              "Fichier INI non conforme : prix1 « 31/13/2003 1 » : date incorrecte");
}

} // namespace
} // namespace quintaro
