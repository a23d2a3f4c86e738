// A settings file read as the program reads it at its start. A file that reads is saved and
// read again, and must come back the same; a file that does not is set aside, never lost.
#include "core/settings/settings_store.h"
#include "fuzz_support.h"

#include <fstream>
#include <sstream>

using namespace quintaro;

namespace {

std::string Content(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path folder = fuzz::Workspace() / "cfg";
    const std::filesystem::path file = folder / "settings.reg";
    fuzz::EmptyFolder(folder);
    fuzz::WriteInput(file, data, size);

    SettingsStore store(file);
    if (!store.DamageNotice().empty()) {
        const std::string input(reinterpret_cast<const char*>(data), size);
        fuzz::Require(!std::filesystem::exists(file) &&
                          Content(file.string() + ".endommage") == input,
                      "an unreadable file was not set aside as it was");
        return 0;
    }
    store.Save();
    const std::string saved = Content(file);
    SettingsStore again(file);
    fuzz::Require(again.DamageNotice().empty(), "a saved file does not read");
    again.Save();
    fuzz::Require(Content(file) == saved, "a saved file reads as another one");
    return 0;
}
