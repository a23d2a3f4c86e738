#include "core/update/results_import.h"

#include "core/base/currency.h"
#include "core/base/quintaro_error.h"
#include "core/base/text_util.h"
#include "core/base/value_reading.h"
#include "core/store/ini_file.h"

#include <algorithm>

namespace quintaro {

namespace {

std::array<std::string, 54> MakeStandardColumns() {
    std::array<std::string, 54> names;
    std::size_t n = 0;
    for (const char* name : {"na", "date", "num", "tir", "type"})
        names[n++] = name;
    for (int k = 1; k <= 7; ++k)
        names[n++] = "b" + std::to_string(k);
    for (int k = 1; k <= 13; ++k)
        for (const char* prefix : {"nf", "ne", "g"})
            names[n++] = prefix + std::to_string(k);
    for (const char* name : {"joker", "joker+", "devise"})
        names[n++] = name;
    return names;
}

// The header text of a mapping value that lists several, separated by "|": the first of them
// that the header holds; a value that lists one, or none found, is kept as it is.
std::string HeaderTextOf(const std::string& value, const std::vector<std::string>& header) {
    if (value.find('|') == std::string::npos)
        return value;
    for (std::size_t start = 0; start <= value.size();) {
        const std::size_t bar = std::min(value.find('|', start), value.size());
        const std::string_view name = std::string_view(value).substr(start, bar - start);
        for (const std::string& cell : header)
            if (!name.empty() && EqualsIgnoringAsciiCase(cell, name))
                return std::string(name);
        start = bar + 1;
    }
    return value;
}

// A cell of a line by its position; a position the line does not have is the list index error.
std::string& Cell(std::vector<std::string>& row, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= row.size())
        throw QuintaroError("Indice de liste hors limites (" + std::to_string(position) + ")");
    return row[static_cast<std::size_t>(position)];
}

} // namespace

const std::array<std::string, 54> StandardColumns = MakeStandardColumns();

ResultsImport::ResultsImport(Tmd& md, const Catalogue& catalogue, UpdateLog& log,
                             ImportProgress& progress)
    : md_(md), catalogue_(catalogue), log_(log), progress_(progress) {}

int ResultsImport::Column(std::string_view name) const {
    for (std::size_t p = 0; p < header_.size(); ++p)
        if (EqualsIgnoringAsciiCase(header_[p], name))
            return static_cast<int>(p);
    return -1;
}

void ResultsImport::ClearRows() {
    text_ = ResultsText();
    header_.clear();
}

void ResultsImport::LoadResultsFile(int i, std::size_t archive) {
    const std::string& csv =
        catalogue_.SourceCatalogue[static_cast<std::size_t>(i)].archives.at(archive).csv;
    log_.Append(" Traitement de " + csv);

    ClearRows();
    text_ = ResultsText::Read(csv);
    if (text_.LineCount() > 0)
        header_ = SplitCells(text_.Line(0));

    const IniFile ini = IniFile::Load(catalogue_.CatalogueIniPath);
    const std::string section = "fichier" + std::to_string(i);
    for (std::size_t n = 1; n < StandardColumns.size(); ++n)
        mapping_[n] = HeaderTextOf(ini.ReadString(section, StandardColumns[n], "na"), header_);

    deviseColumn_ = dateColumn_ = numColumn_ = tirColumn_ = -1;
    ballColumns_.fill(-1);
    log_.Append(" Il y a " + std::to_string(text_.LineCount()) + " enregistrements");

    for (std::size_t p = 0; p < header_.size(); ++p) {
        std::size_t n = 0;
        for (std::size_t m = 1; m < mapping_.size() && n == 0; ++m)
            if (EqualsIgnoringAsciiCase(header_[p], mapping_[m]))
                n = m;
        std::string& cell = header_[p];
        cell = StandardColumns[n];
        // When two cells take the same name, the last one is the key column.
        const int position = static_cast<int>(p);
        if (cell == "devise")
            deviseColumn_ = position;
        else if (cell == "num")
            numColumn_ = position;
        else if (cell == "tir")
            tirColumn_ = position;
        else if (cell == "date")
            dateColumn_ = position;
        else if (cell.size() == 2 && cell[0] == 'b' && cell[1] >= '1' && cell[1] <= '7')
            ballColumns_[static_cast<std::size_t>(cell[1] - '1')] = position;
    }
    for (int k = 1; k <= 13; ++k) {
        gColumns_[k] = Column("g" + std::to_string(k));
        nfColumns_[k] = Column("nf" + std::to_string(k));
        neColumns_[k] = Column("ne" + std::to_string(k));
    }
    jokerColumn_ = Column("joker");
    jokerPlusColumn_ = Column("joker+");
}

bool ResultsImport::ImportNewDraws(int i) {
    const TlistFiche& entry = catalogue_.SourceCatalogue[static_cast<std::size_t>(i)];
    added_ = 0;
    progress_.Start(static_cast<int>(text_.LineCount()));
    bool imported = false;
    try {
        md_.SetDrawInsertType(i);
        SqlTransaction transaction(md_.Connection());
        const std::size_t progressLine = log_.Append(" Ajout des nouveaux tirages en cours ...");
        knownDraws_ = md_.Draws().DrawKeysFrom(i, lastStoredDate_);
        fileDraws_.clear();
        Row row;
        for (std::size_t r = text_.LineCount(); r-- > 1;) {
            progress_.Step(1);
            SplitCells(text_.Line(r), row);
            ImportLine(i, row);
        }
        // Committed before the log says so: a commit that fails (a full disk) is a failure
        // of the file like any other, with no line of success before its text.
        transaction.Commit();
        addedDraws_.insert(addedDraws_.end(), fileDraws_.begin(), fileDraws_.end());
        log_.Replace(progressLine, " Ajout terminé");
        log_.Append(" Mise à jour du " + entry.lib + " terminée ajout de " +
                    std::to_string(added_) + " enregistrements");
        imported = true;
    } catch (const std::exception& e) {
        log_.Append(e.what());
    }
    progress_.Finish();
    return imported;
}

void ResultsImport::ImportLine(int i, Row& row) {
    std::string& date = Cell(row, dateColumn_);
    if (date.find('/') == std::string::npos)
        date = Copy(date, 7, 2) + "/" + Copy(date, 5, 2) + "/" + Copy(date, 1, 4);
    std::string& num = Cell(row, numColumn_);
    num = DrawNumberPart(num);

    // Older draws had fewer ranks: their amounts move down to the ranks of today's numbering.
    const int g7 = gColumns_[7];
    if (g7 >= 0 && Cell(row, g7) == "0" && gColumns_[12] < 0) {
        auto move = [&](const char* to, const char* from) {
            Cell(row, Column(to)) = Cell(row, Column(from));
        };
        if (Cell(row, Column("g6")) == "0") {
            move("g7", "g5");
            move("nf7", "nf5");
            move("g5", "g4");
            move("nf5", "nf4");
        } else {
            move("g7", "g6");
            move("nf7", "nf6");
            move("g6", "g5");
            move("nf6", "nf5");
            move("g5", "g4");
            move("nf5", "nf4");
        }
        Cell(row, Column("g4")) = "0";
        Cell(row, Column("nf4")) = "0";
    }

    const std::int32_t tir = tirColumn_ < 0 ? 1 : ReadInteger(Cell(row, tirColumn_));
    const double day = ReadDate(date);
    if (day < lastStoredDate_)
        return;
    const std::int32_t drawNumber = ReadInteger(num);
    if (!knownDraws_.insert({day, drawNumber, tir}).second)
        return;
    ++added_;
    std::array<std::int32_t, 7> balls{};
    for (std::size_t k = 0; k < 7; ++k)
        if (k < 6 || ballColumns_[6] >= 0)
            balls[k] = ReadInteger(Cell(row, ballColumns_[k]));
    md_.AddDraw(drawNumber, tir, day, balls[0], balls[1], balls[2], balls[3], balls[4], balls[5],
                balls[6]);
    fileDraws_.push_back({md_.LastReference(), {i, day, drawNumber, tir}});
    ImportPrizeRanks(row);
    // A Loto draw records the Joker only with its second draw of the day.
    if (i > 0 || tir == 2)
        ImportJoker(row);
}

void ResultsImport::ImportPrizeRanks(Row& row) {
    TtabGain ranks;
    for (int k = 1; k <= 13 && gColumns_[k] >= 0; ++k) {
        GainRank& rank = ranks.emplace_back();
        std::string& amount = Cell(row, gColumns_[k]);
        if (auto comma = amount.find(','); comma != std::string::npos)
            amount[comma] = '.';
        const long double value = ReadDecimal(amount);
        const bool francs =
            deviseColumn_ >= 0 && Cell(row, deviseColumn_) == catalogue_.FrancCurrencyCode;
        rank.gain = static_cast<double>(francs ? value / kFrancsPerEuro : value);
        rank.nbgagnants = ReadInteger(Cell(row, nfColumns_[k]));
        rank.nbgagnantseuro = neColumns_[k] >= 0 ? ReadInteger(Cell(row, neColumns_[k])) : 0;
    }
    if (!ranks.empty())
        md_.AddPrizeRanks(ranks);
}

void ResultsImport::ImportJoker(Row& row) {
    bool stored = false;
    for (int column : {jokerColumn_, jokerPlusColumn_}) {
        if (column < 0 || stored)
            continue;
        std::string& joker = Cell(row, column);
        if (joker.empty() || joker == "0000000")
            continue;
        if (joker.size() < 7)
            joker.insert(0, 7 - joker.size(), '0');
        // "Jokerplus indisponible", a My Million code: no Joker number was drawn.
        if (!std::all_of(joker.begin(), joker.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        md_.AddJoker(joker, 0);
        stored = true;
    }
}

} // namespace quintaro
