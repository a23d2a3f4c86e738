#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quintaro {

// One entry found by a file search.
struct tFichieritem {
    std::string name;
    std::string folder; // ends with "/"
};
using tfichiers = std::vector<tFichieritem>;

// Whether a file name matches a mask: "*" any run of characters, "?" any one; letters A to Z
// without regard to case.
bool MatchesMask(const std::string& name, const std::string& mask);

// Searches a folder tree for the names that match a mask.
class Trecherche {
public:
    void SetRecursive(bool recursive) { recursive_ = recursive; }
    // Fails with "/!\ "<folder>" n'est pas un répertoire valide" when no such folder exists.
    void SetRoot(const std::string& folder);
    void SetMask(const std::string& mask);
    void Run();

    const tfichiers& Found() const { return found_; }
    std::int32_t FoundCount() const { return foundCount_; }
    std::int32_t FoldersVisited() const { return foldersVisited_; }

private:
    void Search(const std::string& folder);

    std::string root_;
    std::string mask_;
    bool recursive_ = true;
    tfichiers found_;
    std::int32_t foundCount_ = 0;
    std::int32_t foldersVisited_ = 0;
};

} // namespace quintaro
