// Packs each results file of the demo into a zip archive of the same stem, as the games'
// operator publishes them: `make_archives INDIR OUTDIR name.csv...`.
#include <filesystem>
#include <iostream>
#include <zip.h>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: make_archives INDIR OUTDIR FILE...\n";
        return 2;
    }
    const std::filesystem::path in = argv[1], out = argv[2];
    std::filesystem::create_directories(out);
    for (int i = 3; i < argc; ++i) {
        const std::filesystem::path csv = argv[i];
        const std::string archive = (out / csv.stem()).string() + ".zip";
        std::filesystem::remove(archive);
        int error = 0;
        zip_t* zip = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        zip_source_t* source =
            zip ? zip_source_file(zip, (in / csv).c_str(), 0, -1) : nullptr;
        if (!source || zip_file_add(zip, csv.filename().c_str(), source, ZIP_FL_ENC_GUESS) < 0 ||
            zip_close(zip) != 0) {
            std::cerr << "make_archives: cannot write " << archive << '\n';
            return 1;
        }
    }
    return 0;
}
