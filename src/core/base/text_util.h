#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quintaro {

// ASCII-only case folding: names of sections, keys, tables and values compare this way.
std::string AsciiLower(std::string_view text);
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// A decimal integer with an optional sign and nothing else; nullopt when the text is
// not one or does not fit.
std::optional<std::int32_t> TryParseInt32(std::string_view text);

// A message's line breaks (CR LF, or CR alone) as LF.
std::string WithUnixLineBreaks(std::string_view text);

// A number with a fixed count of decimals and "." as the separator, whatever the process's
// locale: FormatFixed(2.5, 2) is "2.50".
std::string FormatFixed(double value, int decimals);

// Replaces the first "%s" of a message pattern.
std::string FormatMessage(std::string_view pattern, std::string_view argument);

} // namespace quintaro
