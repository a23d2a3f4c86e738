#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace quintaro {

// A profile-string reader over an INI file, read once. Section and key names match
// without regard to letter case; a value is the text after "=" with its surrounding blanks
// (and one pair of enclosing quotes) removed; the first occurrence of a key wins. Lines
// without "=" and comment lines (";" or "#" first) are ignored. Bytes are kept as they are.
class IniFile {
public:
    // A missing or unreadable file reads as an empty one.
    static IniFile Load(const std::filesystem::path& path);

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;

private:
    friend int IniFileHandler(void*, const char*, const char*, const char*);
    std::map<std::string, std::map<std::string, std::string>> sections_;
};

} // namespace quintaro
