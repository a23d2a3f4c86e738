#include "core/update/results_file.h"

#include "core/base/quintaro_error.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace quintaro {

namespace {

bool IsControl(char c) {
    return c >= 1 && c <= 31;
}

std::string OpenFailure(const std::filesystem::path& file, int error) {
    const char* reason = error == ENOENT   ? "Le fichier spécifié est introuvable"
                         : error == EACCES ? "Accès refusé"
                                           : std::strerror(error);
    return "Impossible d'ouvrir le fichier \"" + file.string() + "\". " + reason;
}

} // namespace

ResultsText ResultsText::Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::error_code ec;
    if (!in || std::filesystem::is_directory(file, ec))
        throw QuintaroError(OpenFailure(file, in ? EISDIR : errno));

    ResultsText result;
    std::string& text = result.text_;
    std::size_t lineStart = 0;
    bool afterCr = false;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize k = 0; k < in.gcount(); ++k) {
            const char c = buffer[k];
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            if (c == '\r' || c == '\n') {
                result.lines_.emplace_back(lineStart, text.size() - lineStart);
                lineStart = text.size();
            } else if (c != ' ') {
                text += c;
            }
        }
    }
    if (in.bad())
        throw QuintaroError(OpenFailure(file, errno));
    if (lineStart < text.size())
        result.lines_.emplace_back(lineStart, text.size() - lineStart);
    return result;
}

std::string_view ResultsText::Line(std::size_t index) const {
    const auto [start, length] = lines_[index];
    return std::string_view(text_).substr(start, length);
}

std::vector<std::string> SplitCells(std::string_view line) {
    std::vector<std::string> cells;
    SplitCells(line, cells);
    return cells;
}

void SplitCells(std::string_view line, std::vector<std::string>& cells) {
    // A NUL byte ends the text of a line.
    line = line.substr(0, line.find('\0'));
    std::size_t count = 0;
    // The cells of the line before keep their room for this one's.
    auto next = [&]() -> std::string& {
        if (count == cells.size())
            cells.emplace_back();
        std::string& cell = cells[count++];
        cell.clear();
        return cell;
    };
    std::size_t p = 0;
    auto skipControls = [&] {
        while (p < line.size() && IsControl(line[p]))
            ++p;
    };
    skipControls();
    while (p < line.size()) {
        std::string& cell = next();
        if (line[p] == '"') {
            for (++p; p < line.size(); ++p) {
                if (line[p] != '"') {
                    cell += line[p];
                } else if (p + 1 < line.size() && line[p + 1] == '"') {
                    cell += '"';
                    ++p;
                } else {
                    ++p;
                    break;
                }
            }
        } else {
            const std::size_t start = p;
            while (p < line.size() && !IsControl(line[p]) && line[p] != ';')
                ++p;
            cell.assign(line, start, p - start);
        }
        skipControls();
        if (p < line.size() && line[p] == ';') {
            if (p + 1 == line.size())
                next();
            ++p;
            skipControls();
        }
    }
    cells.resize(count);
}

std::string DrawNumberPart(std::string_view cell) {
    switch (cell.size()) {
    case 5:
    case 7:
    case 8:
        return std::string(cell.substr(cell.size() - 3));
    default:
        return Copy(cell, 5, 3);
    }
}

std::string Copy(std::string_view text, std::size_t index, std::size_t count) {
    if (index < 1 || index > text.size())
        return {};
    return std::string(text.substr(index - 1, count));
}

} // namespace quintaro
