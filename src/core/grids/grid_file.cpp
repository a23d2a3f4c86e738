#include "core/grids/grid_file.h"

#include "core/base/new_file.h"
#include "core/base/quintaro_error.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace quintaro {

namespace {

constexpr int kFileGames = 5; // the sections every reader knows

// Pairs of number and second-set value each grid of the game holds in the file; 0 for the
// games of one set, whose grids hold 10 numbers.
int FilePairs(int type) {
    return !HasSecondSet(type) ? 0 : type < kFileGames ? 10 : 11;
}
int FileGridSize(int type) {
    return FilePairs(type) ? 2 * FilePairs(type) : 10;
}

void AppendCount(std::string& bytes, std::size_t count) {
    const auto c = static_cast<std::uint32_t>(count);
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((c >> shift) & 0xFF);
}

// Reads the file's bytes in order; past the end every byte reads as 0.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return position_ >= bytes_.size(); }
    std::uint8_t Byte() { return AtEnd() ? 0 : static_cast<std::uint8_t>(bytes_[position_++]); }
    std::int32_t Count() {
        std::uint32_t c = 0;
        for (int shift = 0; shift < 32; shift += 8)
            c |= static_cast<std::uint32_t>(Byte()) << shift;
        return static_cast<std::int32_t>(c);
    }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

// One section; nullopt for a negative count. The grids past the end of the file are empty
// and are not kept.
std::optional<GridList> ReadSection(ByteReader& in, int type) {
    const std::int32_t count = in.Count();
    if (count < 0)
        return std::nullopt;
    GridList list;
    for (std::int32_t k = 0; k < count && !in.AtEnd(); ++k) {
        Grid grid;
        if (FilePairs(type) == 0) {
            for (int i = 0; i < 10; ++i)
                grid.main[static_cast<std::size_t>(i)] = in.Byte();
        } else {
            for (int i = 0; i < FilePairs(type); ++i) {
                grid.main[static_cast<std::size_t>(i)] = in.Byte();
                grid.second[static_cast<std::size_t>(i)] = in.Byte();
            }
        }
        if (grid != Grid{})
            list.push_back(grid);
    }
    return list;
}

[[noreturn]] void FailToWrite(const std::filesystem::path& file, int error) {
    throw QuintaroError("Impossible d'écrire le fichier \"" + file.string() + "\". " +
                        FileFailureReason(error));
}

} // namespace

std::string ExportedMessage(const std::filesystem::path& file) {
    return "Grilles exporté dans " + file.string();
}

std::string NotQuintaroMessage(const std::filesystem::path& file) {
    return "Le fichier " + file.string() + " n'est pas un fichier Quintaro valide";
}

std::string CorruptMessage(const std::filesystem::path& file) {
    return "Le fichier " + file.string() + " est corrompu";
}

std::string GridFileBytes(const std::array<GridList, kGameTypeCount>& grids) {
    std::string bytes(kGridFileMagic);
    for (int t = 0; t < kGameTypeCount; ++t) {
        const GridList& list = grids[static_cast<std::size_t>(t)];
        AppendCount(bytes, list.size());
        for (const Grid& grid : list) {
            if (FilePairs(t) == 0) {
                bytes.append(grid.main.begin(), grid.main.begin() + FileGridSize(t));
                continue;
            }
            for (int i = 0; i < FilePairs(t); ++i) {
                bytes += static_cast<char>(grid.main[static_cast<std::size_t>(i)]);
                bytes += static_cast<char>(grid.second[static_cast<std::size_t>(i)]);
            }
        }
    }
    return bytes;
}

void WriteGridFile(const std::filesystem::path& file,
                   const std::array<GridList, kGameTypeCount>& grids) {
    const std::string bytes = GridFileBytes(grids);
    auto [partial, out] = CreateFileBeside(file);
    if (!out)
        FailToWrite(file, errno);
    int error = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), out.get()) != bytes.size() ||
        std::fflush(out.get()) != 0 || ::fsync(::fileno(out.get())) != 0)
        error = errno;
    if (std::fclose(out.release()) != 0 && error == 0)
        error = errno;
    std::error_code ec;
    if (error == 0) {
        std::filesystem::rename(partial, file, ec);
        error = ec.value();
    }
    if (error != 0) {
        std::filesystem::remove(partial, ec);
        FailToWrite(file, error);
    }
}

GridFileRead ParseGridFile(std::string_view bytes) {
    GridFileRead read;
    if (bytes.substr(0, kGridFileMagic.size()) != kGridFileMagic) {
        read.outcome = GridFileRead::Outcome::NotQuintaro;
        return read;
    }
    ByteReader in(bytes.substr(kGridFileMagic.size()));
    for (int t = 0; t < kGameTypeCount; ++t) {
        // Files written before the New Euromillion section end after the fifth.
        if (t >= kFileGames && in.AtEnd())
            break;
        read.lists[static_cast<std::size_t>(t)] = ReadSection(in, t);
        if (!read.lists[static_cast<std::size_t>(t)]) {
            read.outcome = GridFileRead::Outcome::Corrupt;
            read.lists = {};
            return read;
        }
    }
    return read;
}

GridFileRead ReadGridFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::error_code ec;
    std::string bytes(kGridFileMagic.size(), '\0');
    // Any other file is left after its first bytes, however large it is.
    if (!in || std::filesystem::is_directory(file, ec) ||
        !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())) ||
        bytes != kGridFileMagic)
        return {GridFileRead::Outcome::NotQuintaro, {}};
    bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return {GridFileRead::Outcome::Corrupt, {}};
    return ParseGridFile(bytes);
}

} // namespace quintaro
