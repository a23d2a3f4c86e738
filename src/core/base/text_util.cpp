#include "core/base/text_util.h"

#include <algorithm>
#include <charconv>

namespace quintaro {

namespace {
char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
} // namespace

std::string AsciiLower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), LowerAscii);
    return out;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerAscii(x) == LowerAscii(y);
           });
}

std::optional<std::int32_t> TryParseInt32(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return std::nullopt;
    }
    if (text.empty())
        return std::nullopt;
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::string WithUnixLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
    }
    return out;
}

std::string FormatFixed(double value, int decimals) {
    char buffer[400]; // the widest double in fixed notation, with room for the decimals
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

std::string FormatMessage(std::string_view pattern, std::string_view argument) {
    std::string out(pattern);
    if (auto pos = out.find("%s"); pos != std::string::npos)
        out.replace(pos, 2, argument);
    return out;
}

} // namespace quintaro
