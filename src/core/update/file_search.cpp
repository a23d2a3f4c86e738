#include "core/update/file_search.h"

#include "core/base/quintaro_error.h"
#include "core/base/text_util.h"

#include <filesystem>

namespace quintaro {

namespace {

std::string TrimControls(const std::string& text) {
    std::size_t start = 0, end = text.size();
    while (start < end && static_cast<unsigned char>(text[start]) <= ' ')
        ++start;
    while (end > start && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return text.substr(start, end - start);
}

} // namespace

bool MatchesMask(const std::string& name, const std::string& mask) {
    const std::string n = AsciiLower(name), m = AsciiLower(mask);
    // known[i][j]: whether name from i matches mask from j, worked out once each.
    std::vector<signed char> known((n.size() + 1) * (m.size() + 1), -1);
    auto matches = [&](auto& self, std::size_t i, std::size_t j) -> bool {
        signed char& k = known[i * (m.size() + 1) + j];
        if (k >= 0)
            return k;
        bool result;
        if (m.compare(j, std::string::npos, "*") == 0)
            result = true;
        else if (i == n.size())
            result = j == m.size();
        else if (j == m.size())
            result = false;
        else if (m[j] == '*')
            result = self(self, i, j + 1) || self(self, i + 1, j);
        else if (m[j] == '?' || m[j] == n[i])
            result = self(self, i + 1, j + 1);
        else
            result = false;
        k = result;
        return result;
    };
    return matches(matches, 0, 0);
}

void Trecherche::SetRoot(const std::string& folder) {
    const std::string root = TrimControls(folder);
    std::error_code ec;
    if (!std::filesystem::is_directory(root, ec))
        throw QuintaroError("/!\\ \"" + root + "\" n'est pas un répertoire valide");
    root_ = root.back() == '/' ? root : root + "/";
}

void Trecherche::SetMask(const std::string& mask) {
    mask_ = TrimControls(mask);
}

void Trecherche::Run() {
    found_.clear();
    foundCount_ = foldersVisited_ = 0;
    Search(root_);
}

void Trecherche::Search(const std::string& folder) {
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        // Folders reached through a link are not entered, so a loop of links cannot trap it.
        if (recursive_ && it->is_directory(ec) && !it->is_symlink(ec)) {
            ++foldersVisited_;
            Search(folder + name + "/");
        }
        if (MatchesMask(name, mask_)) {
            found_.push_back({name, folder});
            ++foundCount_;
        }
    }
}

} // namespace quintaro
