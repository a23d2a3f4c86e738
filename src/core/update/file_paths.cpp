#include "core/update/file_paths.h"

#include <filesystem>

namespace quintaro {

namespace {

// The position of the extension's dot, or npos when the last dot is part of a folder name.
std::size_t ExtensionDot(const std::string& p) {
    const std::size_t dot = p.rfind('.');
    if (dot == std::string::npos || p.find('/', dot) != std::string::npos)
        return std::string::npos;
    return dot;
}

} // namespace

std::string ChangeExtension(const std::string& p, const std::string& e) {
    return p.substr(0, ExtensionDot(p)) + e;
}

std::string NamePart(const std::string& p) {
    const std::size_t slash = p.rfind('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string ExtensionPart(const std::string& p) {
    const std::size_t dot = ExtensionDot(p);
    return dot == std::string::npos ? std::string() : p.substr(dot);
}

bool FileExistsLongPath(const std::string& p) {
    std::error_code ec;
    const auto status = std::filesystem::status(p, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool DeleteLongPath(const std::string& p) {
    std::error_code ec;
    return !std::filesystem::is_directory(p, ec) && std::filesystem::remove(p, ec) && !ec;
}

} // namespace quintaro
