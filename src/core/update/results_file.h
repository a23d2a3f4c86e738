#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

// The lines of a results file, read as single-byte text with every space deleted. Lines end
// with CR LF, CR or LF; a line end after the last line adds no empty line. The text is kept in
// one block, so memory stays proportional to the file.
class ResultsText {
public:
    // Fails with "Impossible d'ouvrir le fichier "%s"..." when the file cannot be read.
    static ResultsText Read(const std::filesystem::path& file);

    std::size_t LineCount() const { return lines_.size(); }
    std::string_view Line(std::size_t index) const;

private:
    std::string text_;
    std::vector<std::pair<std::size_t, std::size_t>> lines_; // start, length
};

// The cells of a line: ";" separates them; a cell that begins with a double quote runs to its
// closing quote (two quotes stand for one); outside quotes a control character ends a cell and
// is skipped with the control characters after it. An empty line has no cells.
std::vector<std::string> SplitCells(std::string_view line);
// The same into `cells`, whose strings are reused: a file's lines are split one after another.
void SplitCells(std::string_view line, std::vector<std::string>& cells);

// The draw number within a "num" cell: its last three characters for cells of 5, 7 and 8
// characters (a two-digit year, a four-digit year, or the year and its last digit again,
// followed by the number: "25045", "2008117", "20244089"), its characters 5 to 7 otherwise
// (empty below 5 characters).
std::string DrawNumberPart(std::string_view cell);

// `count` characters of `text` from the 1-based position `index`, fewer (or none) where the
// text is shorter.
std::string Copy(std::string_view text, std::size_t index, std::size_t count);

} // namespace quintaro
