#include "core/store/ini_file.h"

#include "core/base/text_util.h"

#include <fstream>
#include <ini.h>

namespace quintaro {

namespace {

std::string StripEnclosingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return std::string(value.substr(1, value.size() - 2));
    return std::string(value);
}

// Lines are handed to inih without their leading blanks, so an indented key is a key and
// never the continuation of the previous value.
std::string WithoutIndentation(std::istream& in) {
    std::string text, line;
    while (std::getline(in, line)) {
        if (auto start = line.find_first_not_of(" \t"); start != std::string::npos)
            text.append(line, start);
        text += '\n';
    }
    return text;
}

void ConfigureParser() {
    // The library's options are process-wide; set the ones this reader relies on.
    ini_allow_multiline = false;
    ini_allow_inline_comments = false;
    ini_allow_no_value = false;
    ini_stop_on_first_error = false;
    ini_use_stack = false;
    ini_allow_realloc = true;
    ini_max_line = 1 << 20;
}

} // namespace

int IniFileHandler(void* user, const char* section, const char* name, const char* value) {
    auto& sections = static_cast<IniFile*>(user)->sections_;
    sections[AsciiLower(section)].try_emplace(AsciiLower(name), StripEnclosingQuotes(value));
    return 1;
}

IniFile IniFile::Load(const std::filesystem::path& path) {
    IniFile ini;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return ini;
    std::string text = WithoutIndentation(in);
    ConfigureParser();
    ini_parse_string(text.c_str(), IniFileHandler, &ini);
    return ini;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    auto s = sections_.find(AsciiLower(section));
    if (s == sections_.end())
        return std::string(fallback);
    auto k = s->second.find(AsciiLower(key));
    return k == s->second.end() ? std::string(fallback) : k->second;
}

} // namespace quintaro
