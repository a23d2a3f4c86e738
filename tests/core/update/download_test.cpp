#include "core/base/quintaro_error.h"
#include "core/settings/settings_store.h"
#include "support/http_server.h"
#include "support/temp_dir.h"
#include "support/zip_maker.h"
#include "core/update/download.h"
#include "core/update/file_paths.h"
#include "core/update/file_search.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

class DownloadTest : public ::testing::Test {
protected:
    bool Get(const std::string& path) {
        return DownloadFile(server.Url(path), Target(), "quintaro-test", limits);
    }
    std::string Target() const { return (dir / "loto.zip").string(); }

    test::HttpServer server;
    test::TempDir dir;
    DownloadLimits limits{5, 1};
};

TEST_F(DownloadTest, AnswersAreWrittenOrRefusedByTheirStatus) {
    const std::string zip = test::MakeZip({{"loto.csv", "a;b\n1;2\n"}});
    server.Route("/loto.zip", {200, zip, {}, false});
    server.Route("/moved.zip", {302, "", {"Location: /loto.zip"}, false});
    server.Route("/missing.zip", {404, "<html>absent</html>", {}, false});
    server.Route("/broken.zip", {500, "<html>erreur</html>", {}, false});
    server.Route("/empty.zip", {200, "", {}, false});
    server.Route("/page.zip", {200, "<html>not a zip</html>", {}, false});
    struct Case {
        const char* path;
        bool ok;
        std::string content; // what the target holds afterwards; "-" for no file
    };
    const Case cases[] = {
        {"/loto.zip", true, zip},     {"/moved.zip", true, zip},
        {"/missing.zip", false, "-"}, {"/broken.zip", false, "-"},
        {"/empty.zip", true, ""},     {"/page.zip", true, "<html>not a zip</html>"},
    };
    for (const Case& c : cases) {
        test::WriteFile(Target(), "an older and longer archive that must not stay in front");
        EXPECT_EQ(Get(c.path), c.ok) << c.path;
        if (c.content == "-")
            EXPECT_FALSE(std::filesystem::exists(Target())) << c.path;
        else
            EXPECT_EQ(test::ReadFile(Target()), c.content) << c.path;
    }
    const auto requests = server.Requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_NE(requests[0].find("User-Agent: quintaro-test"), std::string::npos);
}

TEST_F(DownloadTest, ALinkAtTheTargetIsReplacedNeverWrittenThrough) {
    server.Route("/loto.zip", {200, "body", {}, false});
    test::WriteFile(dir / "kept.txt", "kept");
    for (const char* pointee : {"nowhere.zip", "kept.txt"}) {
        std::filesystem::create_symlink(dir / pointee, Target());
        EXPECT_TRUE(Get("/loto.zip")) << pointee;
        EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(Target())))
            << pointee;
        EXPECT_EQ(test::ReadFile(Target()), "body") << pointee;
        std::filesystem::remove(Target());
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "nowhere.zip"));
    EXPECT_EQ(test::ReadFile(dir / "kept.txt"), "kept");
}

TEST_F(DownloadTest, UnreachableSilentOrTricklingServersFail) {
    std::string refused;
    {
        test::HttpServer gone;
        refused = gone.Url("/loto.zip"); // nobody listens there any more
    }
    EXPECT_FALSE(DownloadFile(refused, Target(), "quintaro-test", limits));

    server.Route("/stall.zip", {200, "", {}, true});
    EXPECT_FALSE(Get("/stall.zip"));
    EXPECT_FALSE(std::filesystem::exists(Target()));

    // Two bytes a second is far below the limit: the transfer fails within the stall time
    // instead of running until the last byte.
    server.Route("/trickle.zip", {200, "0123456789", {}, false, 2});
    EXPECT_FALSE(Get("/trickle.zip"));
    EXPECT_FALSE(std::filesystem::exists(Target()));
}

TEST_F(DownloadTest, FileAddressesWorkTheSameWay) {
    test::WriteFile(dir / "source.zip", "bytes");
    EXPECT_TRUE(DownloadFile("file://" + (dir / "source.zip").string(), Target(), "q", limits));
    EXPECT_EQ(test::ReadFile(Target()), "bytes");
    EXPECT_FALSE(DownloadFile("file://" + (dir / "absent.zip").string(), Target(), "q", limits));
}

TEST_F(DownloadTest, ATargetThatCannotBeCreatedIsAFailureText) {
    std::filesystem::create_directory(dir / "folder.zip");
    struct Case {
        std::string target;
        const char* reason;
    };
    const Case cases[] = {
        {(dir / "no" / "loto.zip").string(), "Le chemin d'accès spécifié est introuvable"},
        {(dir / "folder.zip").string(), "Un dossier porte déjà ce nom"},
    };
    for (const Case& c : cases) {
        try {
            DownloadFile(server.Url("/loto.zip"), c.target, "q", limits);
            ADD_FAILURE() << c.target;
        } catch (const QuintaroError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Impossible de créer le fichier \"" + c.target + "\". " + c.reason);
        }
    }
}

class WebCacheTest : public ::testing::Test {
protected:
    static constexpr const char* kKey =
        "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    test::TempDir cache, config;
    SettingsStore settings{config / "settings.reg"};
};

TEST_F(WebCacheTest, StaleCopiesOfTheArchiveAreRemovedFromTheWholeTree) {
    std::filesystem::create_directories(cache / "a" / "b");
    for (auto path :
         {cache / "loto.zip", cache / "a" / "loto[1].zip", cache / "a" / "b" / "LOTO[2].ZIP",
          cache / "lotos.txt", cache / "loto.zip.bak", cache / "euro.zip"})
        test::WriteFile(path, "x");
    settings.WriteString(kKey, "Cache", "  " + cache.path().string() + " ");
    PurgeWebCache("/somewhere/loto.zip", settings);
    EXPECT_FALSE(std::filesystem::exists(cache / "loto.zip"));
    EXPECT_FALSE(std::filesystem::exists(cache / "a" / "loto[1].zip"));
    EXPECT_FALSE(std::filesystem::exists(cache / "a" / "b" / "LOTO[2].ZIP"));
    for (auto kept : {cache / "lotos.txt", cache / "loto.zip.bak", cache / "euro.zip"})
        EXPECT_TRUE(std::filesystem::exists(kept)) << kept;

    Trecherche all;
    all.SetRoot(cache.path().string());
    all.SetMask("*");
    all.Run();
    EXPECT_EQ(all.FoundCount(), 5); // three files and the two folders
    EXPECT_EQ(all.FoldersVisited(), 2);
}

TEST_F(WebCacheTest, NoFolderMeansNothingAndAMissingOneIsAFailure) {
    EXPECT_NO_THROW(PurgeWebCache("/x/loto.zip", settings));
    settings.WriteString(kKey, "Cache", (cache / "gone").string());
    try {
        PurgeWebCache("/x/loto.zip", settings);
        ADD_FAILURE();
    } catch (const QuintaroError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "/!\\ \"" + (cache / "gone").string() + "\" n'est pas un répertoire valide");
    }
}

} // namespace
} // namespace quintaro
