#include "core/store/draw_records.h"

#include "core/base/currency.h"
#include "core/base/day_count.h"
#include "core/store/games.h"
#include "core/store/schema.h"

#include <cmath>

namespace quintaro {

namespace {

constexpr const char* kDrawListColumns =
    "select libelle,reftirage,date,n_sem,n_tir,type,b1,b2,b3,b4,b5,b6,b7,joker from listetirage "
    "left join listetype on type = reftype ";

std::int64_t I(std::int32_t v) {
    return v;
}

constexpr const char* kDrawInsert =
    "insert into listetirage values "
    "(:reftirage,:date,:n_sem,:n_tir,:type,:b1,:b2,:b3,:b4,:b5,:b6,:b7)";
constexpr const char* kNumberInsert = "insert into listeboules values (:numb,:reftirage,:valeur)";
constexpr const char* kPrizeRankInsert =
    "insert into listegain values (:num,:reftirage,:gain,:nbgagnants,:nbgagnanteuro)";
constexpr const char* kJokerInsert = "insert into listejoker values (:reftirage,:joker,:nbgagnant)";
// Asked for every line of every results file: prepared once, the values bound.
constexpr const char* kDrawExists = "select count(reftirage) as nb from listetirage where date = "
                                    ":date and n_sem = :n_sem and n_tir = :n_tir and type  = :type";

// The type, date, n_sem and n_tir of a draw, in this order from the given column on.
DrawHeader HeaderAt(const SqlStatement& q, int first) {
    return {static_cast<std::int32_t>(q.Int(first)), q.Double(first + 1),
            static_cast<std::int32_t>(q.Int(first + 2)),
            static_cast<std::int32_t>(q.Int(first + 3))};
}

} // namespace

std::pair<std::string, std::string> BallColumnHeadings(const std::string& libelle) {
    if (libelle == "Euromillion" || libelle == "New Euromillion")
        return {"E1", "E2"};
    if (libelle == "New Loto" || libelle == "New Super Loto")
        return {"Ch", "  "};
    return {"B6", "BC"};
}

DrawRecords::DrawRecords(SqlConnection& cnx, const Catalogue& catalogue, std::string& lastError)
    : cnx_(cnx), catalogue_(catalogue), lastError_(lastError), drawInsert_(cnx, kDrawInsert),
      numberInsert_(cnx, kNumberInsert), prizeRankInsert_(cnx, kPrizeRankInsert),
      jokerInsert_(cnx, kJokerInsert), drawExists_(cnx, kDrawExists), periodDraws_(cnx) {}

void DrawRecords::LastDrawReference() {
    try {
        auto q = cnx_.Prepare("select max(reftirage) as maxi from listetirage");
        if (q.Next())
            lastReference_ = q.IsNull(0) ? 0 : static_cast<std::int32_t>(q.Int(0));
    } catch (const std::exception& e) {
        lastError_ = e.what();
    }
}

void DrawRecords::SetDrawInsertType(std::int32_t type) {
    drawInsert_.Get().Set("type", I(type));
}

void DrawRecords::AddDraw(std::int32_t n_sem, std::int32_t n_tir, double date,
                          const std::array<std::int32_t, 7>& balls) {
    ++lastReference_;
    SqlStatement& draw = drawInsert_.Get();
    draw.Set("reftirage", I(lastReference_));
    draw.Set("date", date);
    draw.Set("n_sem", I(n_sem));
    draw.Set("n_tir", I(n_tir));
    static const char* names[7] = {"b1", "b2", "b3", "b4", "b5", "b6", "b7"};
    for (int k = 0; k < 7; ++k)
        draw.Set(names[k], I(balls[k]));
    draw.Execute();

    SqlStatement& numbers = numberInsert_.Get();
    numbers.Set("reftirage", I(lastReference_));
    for (int k = 0; k < 7; ++k) {
        numbers.Set("numb", I(k + 1));
        numbers.Set("valeur", I(balls[k]));
        numbers.Execute();
    }
}

void DrawRecords::AddPrizeRanks(const TtabGain& ranks) {
    SqlStatement& insert = prizeRankInsert_.Get();
    insert.Set("reftirage", I(lastReference_));
    for (std::size_t k = 0; k < ranks.size(); ++k) {
        insert.Set("num", static_cast<std::int64_t>(k + 1));
        insert.Set("gain", ranks[k].gain);
        insert.Set("nbgagnants", I(ranks[k].nbgagnants));
        insert.Set("nbgagnanteuro", I(ranks[k].nbgagnantseuro));
        insert.Execute();
    }
}

void DrawRecords::AddJoker(const std::string& joker, std::int32_t nbgagnant) {
    SqlStatement& insert = jokerInsert_.Get();
    insert.Set("reftirage", I(lastReference_));
    insert.Set("joker", joker);
    insert.Set("nbgagnant", I(nbgagnant));
    insert.Execute();
}

bool DrawRecords::DrawExists(std::int32_t n_sem, std::int32_t n_tir, double date,
                             std::int32_t type) {
    try {
        SqlStatement& q = drawExists_.Get();
        q.Set("date", date);
        q.Set("n_sem", I(n_sem));
        q.Set("n_tir", I(n_tir));
        q.Set("type", I(type));
        const bool exists = q.Next() && q.Int(0) > 0;
        q.Rewind();
        return exists;
    } catch (const std::exception& e) {
        lastError_ = e.what();
        return false;
    }
}

DrawRecords::DrawKeys DrawRecords::DrawKeysFrom(std::int32_t type, double from) {
    // Only a number equals a day, as in the question for one draw.
    auto q = cnx_.Prepare("select date, n_sem, n_tir from listetirage where type = :type and "
                          "date >= :from and typeof(date) in ('integer', 'real')");
    q.Set("type", I(type));
    q.Set("from", from);
    DrawKeys keys;
    while (q.Next())
        keys.insert({q.Double(0), static_cast<std::int32_t>(q.Int(1)),
                     static_cast<std::int32_t>(q.Int(2))});
    return keys;
}

double DrawRecords::LastDrawDate(std::int32_t type) {
    try {
        auto q = cnx_.Prepare("select max(date) as maxi from listetirage where type = " +
                              std::to_string(type));
        return q.Next() && !q.IsNull(0) ? q.Double(0) : 0.0;
    } catch (const std::exception& e) {
        lastError_ = e.what();
        return -1.0;
    }
}

void DrawRecords::EnsureDrawLookupIndexes() {
    for (const LookupIndex& index : DrawLookupIndexes) {
        try {
            cnx_.Execute(std::string(index.create));
        } catch (const SqlError&) {
            // Only the speed of the queries depends on it.
        }
    }
}

void DrawRecords::DropViewLookupIndexes() {
    for (const LookupIndex& index : DrawLookupIndexes)
        if (!index.readByImport)
            cnx_.Execute("drop index if exists " + std::string(index.name));
}

void DrawRecords::OpenDrawList() {
    ReadDrawList(std::string(kDrawListColumns) + "left join listejoker on reftirage=fkreftirage");
}

void DrawRecords::FilterDrawList(std::int32_t index) {
    std::string query =
        std::string(kDrawListColumns) + " left join listejoker on reftirage=fkreftirage";
    if (index < catalogue_.CatalogueCount)
        query += " where type = " + std::to_string(index);
    ReadDrawList(query);
}

void DrawRecords::ReadDrawList(const std::string& query) {
    auto q = cnx_.Prepare(query);
    std::vector<DrawListRow> rows;
    while (q.Next()) {
        DrawListRow row;
        row.libelle = q.Text(0).substr(0, 15);
        row.reftirage = static_cast<std::int32_t>(q.Int(1));
        row.date = q.Double(2);
        row.n_sem = static_cast<std::int32_t>(q.Int(3));
        row.n_tir = static_cast<std::int32_t>(q.Int(4));
        row.type = static_cast<std::int32_t>(q.Int(5));
        for (int k = 0; k < 7; ++k)
            row.b[k] = static_cast<std::int32_t>(q.Int(6 + k));
        row.joker = q.Text(13).substr(0, 7);
        row.cldate = CalendarDate(row.date);
        row.b7Empty = IsGameType(row.type) && Game(row.type).seventhBallEmpty;
        rows.push_back(std::move(row));
    }
    drawList_ = std::move(rows);
}

std::vector<PrizeRankRow> DrawRecords::PrizeRankList(std::int32_t reference) {
    auto q = cnx_.Prepare("select * from listegain where reftirage=:ref");
    q.Set("ref", I(reference));
    std::vector<PrizeRankRow> rows;
    const int num = q.ColumnIndex("num"), ref = q.ColumnIndex("reftirage"),
              gain = q.ColumnIndex("gain"), nb = q.ColumnIndex("nbgagnants"),
              nbEuro = q.ColumnIndex("nbgagnantseuro");
    while (q.Next())
        rows.push_back({static_cast<std::int32_t>(q.Int(num)),
                        static_cast<std::int32_t>(q.Int(ref)),
                        q.Double(gain),
                        ToFrancs(q.Double(gain)),
                        static_cast<std::int32_t>(q.Int(nb)),
                        static_cast<std::int32_t>(q.Int(nbEuro)),
                        {}});
    return rows;
}

std::optional<DrawHeader> DrawRecords::FindDraw(std::int32_t reference) {
    auto q =
        cnx_.Prepare("select type, date, n_sem, n_tir from listetirage where reftirage = :ref");
    q.Set("ref", I(reference));
    if (!q.Next())
        return std::nullopt;
    return HeaderAt(q, 0);
}

std::vector<StoredDraw> DrawRecords::DrawsAfter(std::int32_t reference) {
    auto q = cnx_.Prepare("select reftirage, type, date, n_sem, n_tir from listetirage where "
                          "reftirage > :ref order by type, reftirage");
    q.Set("ref", I(reference));
    std::vector<StoredDraw> draws;
    while (q.Next())
        draws.push_back({static_cast<std::int32_t>(q.Int(0)), HeaderAt(q, 1)});
    return draws;
}

DrawBalls DrawRecords::Balls(std::int32_t reference) {
    DrawBalls balls{};
    auto q = cnx_.Prepare("select num , valeur from listeboules where reftirage = " +
                          std::to_string(reference));
    while (q.Next()) {
        const std::int64_t num = q.Int(0);
        if (num >= 1 && num <= 7)
            balls[static_cast<std::size_t>(num)] = static_cast<std::uint8_t>(q.Int(1));
    }
    return balls;
}

} // namespace quintaro
