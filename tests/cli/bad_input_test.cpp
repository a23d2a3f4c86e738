// The bad inputs a user or a server can bring to the companion, in one table: catalogues,
// databases, combination tables, results files, archives, HTTP answers and settings files. Each
// ends with its message and exit status, and changes nothing but what it names.
#include "cli/companion.h"
#include "core/db/sqlite_db.h"
#include "core/settings/settings_store.h"
#include "support/http_server.h"
#include "support/zip_maker.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>

namespace quintaro {
namespace {

constexpr const char* kCatalogue = "[fichier]\nnombre=1\n[adresse]\nurl0={url}\n"
                                   "destination0=loto.zip\ncsv0=loto.csv\nlib0=Loto\n"
                                   "[fichier0]\ndate=d\nnum=n\nb1=b1\nb2=b2\nb3=b3\nb4=b4\n"
                                   "b5=b5\nb6=b6\nb7=b7\ng1=g1\nnf1=nf1\n";
constexpr const char* kHeader = "d;n;b1;b2;b3;b4;b5;b6;b7;g1;nf1\n";
const std::string kResults = std::string(kHeader) + "18/03/2023;2023022;1;2;3;4;5;6;7;10,5;1\n" +
                             "15/03/2023;2023021;8;9;10;11;12;13;14;3;2\n";
constexpr const char* kGrids = "\\Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO";

std::string Replaced(std::string text, const std::string& mark, const std::string& by) {
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at + by.size()))
        text.replace(at, mark.size(), by);
    return text;
}

// What a case lays before the run.
struct Scene {
    test::Companion& companion;
    const std::filesystem::path& picks; // the folder the user picks results files from
    test::HttpServer& server;

    void Catalogue(const std::string& url) {
        test::WriteFile(companion.app / "quintaro.INI", Replaced(kCatalogue, "{url}", url));
    }
    // The server's answer to the catalogue's address.
    void Answer(int status, const std::string& body, std::vector<std::string> headers = {}) {
        test::HttpServer::Response response;
        response.status = status;
        response.body = body;
        response.headers = std::move(headers);
        server.Route("/loto.zip", response);
    }
    void Archive(const std::string& bytes) { Answer(200, bytes); }
    void Settings(const std::function<void(SettingsStore&)>& change) {
        SettingsStore store(companion.SettingsFile());
        change(store);
        store.Save();
    }
    void OtherSchema() {
        SqlConnection db;
        db.Open(companion.DatabaseFile());
        db.Execute("drop table stat");
    }
    void Folder(const std::filesystem::path& file) {
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
    }
};

// The files that a case may change, as flags; everything else must stay as it was.
enum Change : unsigned {
    kNothing = 0,
    kDatabase = 1,
    kSettings = 2,
    kSettingsAside = 4,
    kResultsFile = 8,
};

enum class Command { Start, UpdateFromFiles, UpdateFromInternet, UpdateAsSet };
enum class Stream { Out, Err };

struct BadInput {
    const char* name;
    std::function<void(Scene&)> bring;
    Command command;
    int status;
    Stream stream;
    std::string line; // a whole line of that stream; {archive}, {settings} stand for their paths
    unsigned changes = kNothing;
    bool databaseHeld = false; // another program holds the database during the run
};

std::ostream& operator<<(std::ostream& out, const BadInput& input) {
    return out << input.name;
}

std::string StoredArchive(const std::string& name, const std::string& content) {
    return test::MakeZip({{name, content, true}});
}

const BadInput kBadInputs[] = {
    // The catalogue.
    {"CatalogueMissing",
     [](Scene& s) { std::filesystem::remove(s.companion.app / "quintaro.INI"); }, Command::Start, 1,
     Stream::Err, "Fichier INI non conforme"},
    {"CatalogueCountingNothing",
     [](Scene& s) { test::WriteFile(s.companion.app / "quintaro.INI", "[fichier]\nnombre=0\n"); },
     Command::Start, 1, Stream::Err, "Fichier INI non conforme"},
    {"CatalogueCountNegative",
     [](Scene& s) { test::WriteFile(s.companion.app / "quintaro.INI", "[fichier]\nnombre=-1\n"); },
     Command::Start, 1, Stream::Err, "Erreur de vérification d'étendue"},
    {"CatalogueCountInWords",
     [](Scene& s) { test::WriteFile(s.companion.app / "quintaro.INI", "[fichier]\nnombre=un\n"); },
     Command::Start, 1, Stream::Err, "Fichier INI non conforme"},
    {"CatalogueEntryWithoutLabel",
     [](Scene& s) {
         s.Catalogue("http://127.0.0.1/loto.zip");
         std::string ini = test::ReadFile(s.companion.app / "quintaro.INI");
         test::WriteFile(s.companion.app / "quintaro.INI",
                         Replaced(Replaced(ini, "nombre=1", "nombre=2"), "lib0=Loto",
                                  "lib0=Loto\nurl1=http://127.0.0.1/b.zip"));
     },
     Command::Start, 1, Stream::Err, "Fichier INI non conforme"},
    {"CatalogueIsAFolder", [](Scene& s) { s.Folder(s.companion.app / "quintaro.INI"); },
     Command::Start, 1, Stream::Err, "Fichier INI non conforme"},
    {"CatalogueOfBinaryBytes",
     [](Scene& s) {
         test::WriteFile(s.companion.app / "quintaro.INI", std::string("\0\xFF[\x01=\n\xFE", 7));
     },
     Command::Start, 1, Stream::Err, "Fichier INI non conforme"},

    // The database.
    {"DatabaseOfAnotherSchema", [](Scene& s) { s.OtherSchema(); }, Command::Start, 0, Stream::Out,
     "Base régénérée", kDatabase},
    {"DatabaseThatIsText",
     [](Scene& s) { test::WriteFile(s.companion.DatabaseFile(), "no database here\n"); },
     Command::Start, 0, Stream::Out, "Base régénérée", kDatabase},
    {"DatabaseEmptyFile", [](Scene& s) { test::WriteFile(s.companion.DatabaseFile(), ""); },
     Command::Start, 0, Stream::Out, "Base régénérée", kDatabase},
    {"DatabaseCutShort",
     [](Scene& s) {
         const std::string bytes = test::ReadFile(s.companion.DatabaseFile());
         test::WriteFile(s.companion.DatabaseFile(), bytes.substr(0, bytes.size() / 2));
     },
     Command::Start, 0, Stream::Out, "Base régénérée", kDatabase},
    {"DatabaseIsAFolder", [](Scene& s) { s.Folder(s.companion.DatabaseFile()); }, Command::Start, 1,
     Stream::Err, "/!\\ Erreur lors de la connexion au moteur de la base de donnée /!\\"},
    {"DatabaseHeldByAnotherProgram", [](Scene&) {}, Command::Start, 1, Stream::Err,
     "/!\\ Erreur lors de la lecture de la base /!\\", kNothing, true},

    // The combination tables.
    {"TablesMissing", [](Scene& s) { std::filesystem::remove(s.companion.app / "quintaro.dat"); },
     Command::Start, 1, Stream::Err, "Fichier introuvable"},
    {"TablesCutShort",
     [](Scene& s) {
         const std::string bytes = test::ReadFile(s.companion.app / "quintaro.dat");
         test::WriteFile(s.companion.app / "quintaro.dat", bytes.substr(0, 1000));
     },
     Command::Start, 1, Stream::Err, "Lecture au-delà de la fin de fichier"},
    {"TablesWithAByteChanged",
     [](Scene& s) {
         std::string bytes = test::ReadFile(s.companion.app / "quintaro.dat");
         bytes[bytes.size() / 2] ^= 1;
         test::WriteFile(s.companion.app / "quintaro.dat", bytes);
     },
     Command::Start, 1, Stream::Err, "Tables de calculs non conformes aux règles des gains"},
    {"TablesIsAFolder", [](Scene& s) { s.Folder(s.companion.app / "quintaro.dat"); },
     Command::Start, 1, Stream::Err, "/!\\ Erreur lors du chargement des tables de calculs /!\\"},

    // The results file the user picks.
    {"ResultsWithAWrongDate",
     [](Scene& s) {
         test::WriteFile(s.picks / "loto.csv", kResults + "31/02/2023;2023030;1;2;3;4;5;6;7;1;1\n");
     },
     Command::UpdateFromFiles, 3, Stream::Out, "'31/02/2023' n'est pas une date correcte",
     kResultsFile},
    {"ResultsWithoutTheDateColumn",
     [](Scene& s) { test::WriteFile(s.picks / "loto.csv", Replaced(kResults, "d;n", "jour;n")); },
     Command::UpdateFromFiles, 3, Stream::Out, "Indice de liste hors limites (-1)", kResultsFile},
    {"ResultsWithAShortLine",
     [](Scene& s) { test::WriteFile(s.picks / "loto.csv", kResults + "20/03/2023;2023031;1;2\n"); },
     Command::UpdateFromFiles, 3, Stream::Out, "Indice de liste hors limites (4)", kResultsFile},
    {"ResultsWithANumberTooLarge",
     [](Scene& s) {
         test::WriteFile(s.picks / "loto.csv",
                         kResults + "20/03/2023;2023031;2147483648;2;3;4;5;6;7;1;1\n");
     },
     Command::UpdateFromFiles, 3, Stream::Out, "'2147483648' n'est pas une valeur entière correcte",
     kResultsFile},
    {"ResultsWithAnAmountInWords",
     [](Scene& s) {
         test::WriteFile(s.picks / "loto.csv",
                         kResults + "20/03/2023;2023031;1;2;3;4;5;6;7;dix;1\n");
     },
     Command::UpdateFromFiles, 3, Stream::Out,
     "'dix' n'est pas une valeur en virgule flottante correcte", kResultsFile},
    {"ResultsOfBinaryBytes",
     [](Scene& s) {
         test::WriteFile(s.picks / "loto.csv", std::string("\x89PNG\r\n\x1A\n\0\0;\xFF\n", 14));
     },
     Command::UpdateFromFiles, 3, Stream::Out, "Indice de liste hors limites (-1)", kResultsFile},
    {"ResultsEmpty", [](Scene& s) { test::WriteFile(s.picks / "loto.csv", ""); },
     Command::UpdateFromFiles, 0, Stream::Out,
     " Mise à jour du Loto terminée ajout de 0 enregistrements", kResultsFile},
    {"ResultsIsAFolder", [](Scene& s) { s.Folder(s.picks / "loto.csv"); }, Command::UpdateFromFiles,
     3, Stream::Out, "/!\\ Annulation du chargement de loto.csv par l'utilisateur /!\\"},

    // The archive the server sends.
    {"ArchiveThatIsNoZip", [](Scene& s) { s.Archive("PK\x03\x04 but nothing more"); },
     Command::UpdateFromInternet, 3, Stream::Out,
     " /!\\ Erreur lors de la Décompression de {archive} /!\\"},
    {"ArchiveEmpty", [](Scene& s) { s.Archive(test::MakeZip({}, "vide")); },
     Command::UpdateFromInternet, 3, Stream::Out,
     " /!\\ Erreur lors de la Décompression de {archive} /!\\"},
    {"ArchiveWithoutTheResultsFile",
     [](Scene& s) { s.Archive(StoredArchive("autre.csv", kResults)); }, Command::UpdateFromInternet,
     3, Stream::Out, " Fichier ignoré dans l'archive : autre.csv"},
    {"ArchiveClimbingOutOfItsFolder",
     [](Scene& s) {
         s.Archive(test::MakeZip({{"../loto.csv", kResults}, {"/tmp/loto.csv", kResults}}));
     },
     Command::UpdateFromInternet, 3, Stream::Out, " Fichier ignoré dans l'archive : ../loto.csv"},
    {"ArchiveDamaged",
     [](Scene& s) {
         std::string zip = StoredArchive("loto.csv", kResults);
         zip[zip.find("18/03/2023")] = '2';
         s.Archive(zip);
     },
     Command::UpdateFromInternet, 3, Stream::Out,
     " /!\\ Erreur lors de la Décompression de {archive} /!\\"},
    {"ArchiveEncrypted",
     [](Scene& s) {
         s.Archive(test::MakeZip({{"loto.csv", kResults, false, "sesame"}}));
     },
     Command::UpdateFromInternet, 3, Stream::Out,
     " /!\\ Erreur lors de la Décompression de {archive} /!\\"},
    {"ArchiveHoldingMoreThanItSays",
     [](Scene& s) {
         std::string zip = test::MakeZip({{"loto.csv", std::string(2 << 20, '\n')}});
         const std::string declared("\xE8\x03\x00\x00", 4); // 1000 bytes
         for (std::size_t at : {zip.find("PK\x03\x04") + 22, zip.find("PK\x01\x02") + 24})
             zip.replace(at, 4, declared);
         s.Archive(zip);
     },
     Command::UpdateFromInternet, 3, Stream::Out,
     " /!\\ Erreur lors de la Décompression de {archive} /!\\"},
    {"ArchiveWithAWrongResultsFile",
     [](Scene& s) {
         s.Archive(StoredArchive("loto.csv", kResults + "31/02/2023;2023030;1;2;3;4;5;6;7;1;1\n"));
     },
     Command::UpdateFromInternet, 3, Stream::Out, "'31/02/2023' n'est pas une date correcte",
     kResultsFile},

    // The server's answer.
    {"HttpNotFound", [](Scene& s) { s.Answer(404, "introuvable"); }, Command::UpdateFromInternet, 3,
     Stream::Out, "/!\\ Erreur lors du téléchargement de {archive} /!\\"},
    {"HttpServerError", [](Scene& s) { s.Answer(500, "panne"); }, Command::UpdateFromInternet, 3,
     Stream::Out, "/!\\ Erreur lors du téléchargement de {archive} /!\\"},
    {"HttpRedirectingForEver", [](Scene& s) { s.Answer(302, "", {"Location: /loto.zip"}); },
     Command::UpdateFromInternet, 3, Stream::Out,
     "/!\\ Erreur lors du téléchargement de {archive} /!\\"},
    {"HttpNobodyListening", [](Scene& s) { s.Catalogue("http://127.0.0.1:1/loto.zip"); },
     Command::UpdateFromInternet, 3, Stream::Out,
     "/!\\ Erreur lors du téléchargement de {archive} /!\\"},
    {"HttpSchemeNotAllowed", [](Scene& s) { s.Catalogue("ftp://127.0.0.1/loto.zip"); },
     Command::UpdateFromInternet, 3, Stream::Out,
     "/!\\ Erreur lors du téléchargement de {archive} /!\\"},
    {"HttpWebPage",
     [](Scene& s) {
         s.Answer(200, "<html><body>Maintenance</body></html>", {"Content-Type: text/html"});
     },
     Command::UpdateFromInternet, 3, Stream::Out,
     " /!\\ Erreur lors de la Décompression de {archive} /!\\"},
    {"HttpEmptyAnswer", [](Scene& s) { s.Archive(""); }, Command::UpdateFromInternet, 3,
     Stream::Out, " /!\\ Erreur lors de la Décompression de {archive} /!\\"},

    // The settings file.
    {"SettingsUnreadable", [](Scene& s) { test::WriteFile(s.companion.SettingsFile(), "garbage"); },
     Command::Start, 0, Stream::Err,
     "Le fichier des paramètres \"{settings}\" était illisible : il a été mis de côté sous le "
     "nom \"{settings}.endommage\" et les paramètres par défaut s'appliquent.",
     kSettings | kSettingsAside},
    {"SettingsIsAFolder", [](Scene& s) { s.Folder(s.companion.SettingsFile()); }, Command::Start, 0,
     Stream::Err,
     "Le fichier des paramètres \"{settings}\" était illisible : il a été mis de côté sous le "
     "nom \"{settings}.endommage\" et les paramètres par défaut s'appliquent.",
     kSettings | kSettingsAside},
    {"SettingsModeOfAnotherType",
     [](Scene& s) {
         s.Settings([](SettingsStore& store) {
             store.WriteString("\\Software\\VELMORA\\QUINTARO\\CONFIGURATION", "modemaj", "1");
         });
     },
     Command::UpdateAsSet, 1, Stream::Err, "Type de données incorrect pour 'modemaj'"},
    {"SettingsModeUnknown",
     [](Scene& s) {
         s.Settings([](SettingsStore& store) {
             store.WriteInteger("\\Software\\VELMORA\\QUINTARO\\CONFIGURATION", "modemaj", 7);
         });
     },
     Command::UpdateAsSet, 0, Stream::Out,
     " Mise à jour du Loto terminée ajout de 0 enregistrements"},
    {"SettingsGridBackupMissingAGrid",
     [](Scene& s) {
         s.OtherSchema();
         s.Settings([](SettingsStore& store) { store.WriteInteger(kGrids, "nb", 2); });
     },
     Command::Start, 1, Stream::Err,
     "La grille \"Software\\VELMORA\\QUINTARO\\GRILLES\\LOTO\\G0001\" manque dans la "
     "sauvegarde des grilles du profil"},
    {"SettingsGridBackupOfAnotherType",
     [](Scene& s) {
         s.OtherSchema();
         s.Settings([](SettingsStore& store) {
             store.WriteString(std::string(kGrids) + "\\G0000", "B01", "7");
         });
     },
     Command::Start, 1, Stream::Err, "Type de données incorrect pour 'B01'"},
};

class BadInputTest : public ::testing::TestWithParam<BadInput> {
protected:
    void SetUp() override {
        test::WriteInstallation(companion.app.path());
        Scene scene = MakeScene();
        scene.Catalogue(server.Url("/loto.zip"));
        scene.Archive(StoredArchive("loto.csv", kResults));
        test::WriteFile(picks / "loto.csv", kResults);
        // The update mode of the files, and a backup of one grid, which the database made by
        // the first start takes in.
        std::filesystem::create_directories(companion.SettingsFile().parent_path());
        scene.Settings([](SettingsStore& store) {
            store.WriteInteger("\\Software\\VELMORA\\QUINTARO\\CONFIGURATION", "modemaj", 1);
            store.WriteInteger(kGrids, "nb", 1);
            for (int j = 1; j <= 10; ++j)
                store.WriteInteger(std::string(kGrids) + "\\G0000",
                                   (j < 10 ? "B0" : "B") + std::to_string(j), j <= 6 ? j * 7 : 0);
        });
        const test::ProcessResult update = Run(Command::UpdateFromFiles);
        ASSERT_EQ(update.status, 0) << update.out << update.err;
    }

    Scene MakeScene() { return Scene{companion, picks.path(), server}; }

    test::ProcessResult Run(Command command) {
        switch (command) {
        case Command::Start:
            return companion.Run({"demarrage"});
        case Command::UpdateFromFiles:
            return companion.Run({"maj", "--mode", "fichiers", "--dossier", picks.path().string()});
        case Command::UpdateFromInternet:
            return companion.Run({"maj", "--mode", "internet"});
        case Command::UpdateAsSet:
            return companion.Run({"maj", "--dossier", picks.path().string()});
        }
        return {};
    }

    std::string Key(const std::filesystem::path& file) const {
        for (const auto& [name, folder] : Places()) {
            const auto relative = file.lexically_relative(folder);
            if (!relative.empty() && *relative.begin() != "..")
                return name + "/" + relative.string();
        }
        return file.string();
    }
    std::set<std::string> Keys(unsigned changes) const {
        const std::pair<Change, std::filesystem::path> files[] = {
            {kDatabase, companion.DatabaseFile()},
            {kSettings, companion.SettingsFile()},
            {kSettingsAside, companion.SettingsFile().string() + ".endommage"},
            {kResultsFile, companion.DownloadedFile("loto.csv")},
        };
        std::set<std::string> keys;
        for (const auto& [change, file] : files)
            if (changes & change)
                keys.insert(Key(file));
        return keys;
    }
    std::vector<std::pair<std::string, std::filesystem::path>> Places() const {
        auto places = companion.Places();
        places.emplace_back("picks", picks.path());
        return places;
    }

    // Every file and folder of the places; a database by its schema and rows, anything else by
    // its bytes.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& [name, folder] : Places())
            for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
                files[Key(entry.path())] =
                    entry.is_directory() ? "<folder>" : Content(entry.path());
        return files;
    }
    static std::string Content(const std::filesystem::path& file) {
        const std::string bytes = test::ReadFile(file);
        if (bytes.rfind(std::string("SQLite format 3\0", 16), 0) != 0)
            return bytes;
        try {
            SqlConnection db;
            db.Open(file);
            std::string dump;
            auto tables = db.Prepare("select name, sql from sqlite_master order by name");
            while (tables.Next()) {
                dump += tables.Text(1) + "\n";
                if (tables.Text(1).rfind("CREATE TABLE", 0) != 0)
                    continue;
                std::vector<std::string> rows;
                auto q = db.Prepare("select * from " + tables.Text(0));
                while (q.Next()) {
                    std::string row;
                    for (int c = 0; c < q.ColumnCount(); ++c)
                        row += q.Text(c) + "|";
                    rows.push_back(row);
                }
                std::sort(rows.begin(), rows.end());
                for (const std::string& row : rows)
                    dump += row + "\n";
            }
            return dump;
        } catch (const SqlError&) {
            return bytes;
        }
    }

    test::Companion companion;
    test::TempDir picks;
    test::HttpServer server;
};

TEST_P(BadInputTest, EndsWithItsMessageAndStatusAndChangesNothingElse) {
    const BadInput& input = GetParam();
    Scene scene = MakeScene();
    input.bring(scene);
    const auto before = Snapshot();
    // Held only while the companion runs: closing any file of the database in this process
    // would drop the hold.
    std::optional<SqlConnection> holder;
    if (input.databaseHeld) {
        holder.emplace();
        holder->Open(companion.DatabaseFile());
        holder->Execute("begin exclusive transaction");
    }
    const test::ProcessResult result = Run(input.command);
    holder.reset();
    const auto after = Snapshot();

    EXPECT_EQ(result.status, input.status) << result.out << result.err;
    const std::string line =
        Replaced(Replaced(input.line, "{archive}", companion.DownloadedFile("loto.zip").string()),
                 "{settings}", companion.SettingsFile().string());
    const std::string& stream = input.stream == Stream::Out ? result.out : result.err;
    EXPECT_NE(("\n" + stream).find("\n" + line + "\n"), std::string::npos)
        << line << "\nis not a line of\n"
        << stream;

    std::set<std::string> changed;
    for (const auto& [file, content] : before)
        if (!after.contains(file) || after.at(file) != content)
            changed.insert(file);
    for (const auto& [file, content] : after)
        if (!before.contains(file))
            changed.insert(file);
    EXPECT_EQ(changed, Keys(input.changes));
}

INSTANTIATE_TEST_SUITE_P(Companion, BadInputTest, ::testing::ValuesIn(kBadInputs),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quintaro
