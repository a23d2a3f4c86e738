#include "core/store/draw_records.h"

#include "core/base/currency.h"
#include "core/base/day_count.h"
#include "core/datastore/tmd.h"

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

} // namespace

std::pair<std::string, std::string> BallColumnHeadings(const std::string& libelle) {
    if (libelle == "Euromillion" || libelle == "New Euromillion")
        return {"E1", "E2"};
    if (libelle == "New Loto" || libelle == "New Super Loto")
        return {"Ch", "  "};
    return {"B6", "BC"};
}

void Tmd::LastDrawReference() {
    try {
        auto q = cnx.Prepare("select max(reftirage) as maxi from listetirage");
        if (q.Next())
            lastReference = q.IsNull(0) ? 0 : static_cast<std::int32_t>(q.Int(0));
    } catch (const std::exception& e) {
        lastErrorText = e.what();
    }
}

void Tmd::SetDrawInsertType(std::int32_t type) {
    Statement(reqAjouteTirages, kDrawInsert).Set("type", I(type));
}

void Tmd::AddDraw(std::int32_t n_sem, std::int32_t n_tir, double date, std::int32_t b1,
                  std::int32_t b2, std::int32_t b3, std::int32_t b4, std::int32_t b5,
                  std::int32_t b6, std::int32_t b7) {
    ++lastReference;
    SqlStatement& draw = Statement(reqAjouteTirages, kDrawInsert);
    const std::int32_t balls[7] = {b1, b2, b3, b4, b5, b6, b7};
    draw.Set("reftirage", I(lastReference));
    draw.Set("date", date);
    draw.Set("n_sem", I(n_sem));
    draw.Set("n_tir", I(n_tir));
    static const char* names[7] = {"b1", "b2", "b3", "b4", "b5", "b6", "b7"};
    for (int k = 0; k < 7; ++k)
        draw.Set(names[k], I(balls[k]));
    draw.Execute();

    SqlStatement& numbers = Statement(reqAjouteBoules, kNumberInsert);
    numbers.Set("reftirage", I(lastReference));
    for (int k = 0; k < 7; ++k) {
        numbers.Set("numb", I(k + 1));
        numbers.Set("valeur", I(balls[k]));
        numbers.Execute();
    }
}

void Tmd::AddPrizeRanks(const TtabGain& ranks) {
    SqlStatement& insert = Statement(reqAjouteGains, kPrizeRankInsert);
    insert.Set("reftirage", I(lastReference));
    for (std::size_t k = 0; k < ranks.size(); ++k) {
        insert.Set("num", static_cast<std::int64_t>(k + 1));
        insert.Set("gain", ranks[k].gain);
        insert.Set("nbgagnants", I(ranks[k].nbgagnants));
        insert.Set("nbgagnanteuro", I(ranks[k].nbgagnantseuro));
        insert.Execute();
    }
}

void Tmd::AddJoker(const std::string& joker, std::int32_t nbgagnant) {
    SqlStatement& insert = Statement(reqAjouteJokers, kJokerInsert);
    insert.Set("reftirage", I(lastReference));
    insert.Set("joker", joker);
    insert.Set("nbgagnant", I(nbgagnant));
    insert.Execute();
}

bool Tmd::DrawExists(std::int32_t n_sem, std::int32_t n_tir, double date, std::int32_t type) {
    try {
        // Asked for every line of every results file: prepared once, the values bound.
        SqlStatement& q = Statement(
            reqTirageExiste, "select count(reftirage) as nb from listetirage where date = "
                             ":date and n_sem = :n_sem and n_tir = :n_tir and type  = :type");
        q.Set("date", date);
        q.Set("n_sem", I(n_sem));
        q.Set("n_tir", I(n_tir));
        q.Set("type", I(type));
        const bool exists = q.Next() && q.Int(0) > 0;
        q.Rewind();
        return exists;
    } catch (const std::exception& e) {
        lastErrorText = e.what();
        return false;
    }
}

double Tmd::LastDrawDate(std::int32_t type) {
    try {
        auto q = cnx.Prepare("select max(date) as maxi from listetirage where type = " +
                             std::to_string(type));
        return q.Next() && !q.IsNull(0) ? q.Double(0) : 0.0;
    } catch (const std::exception& e) {
        lastErrorText = e.what();
        return -1.0;
    }
}

void Tmd::EnsureDrawLookupIndex() {
    try {
        cnx.Execute("create index if not exists listetirage_type_date on listetirage (type, date)");
    } catch (const SqlError&) {
        // Only the speed of the queries depends on it.
    }
}

void Tmd::OpenDrawList() {
    ReadDrawList(std::string(kDrawListColumns) + "left join listejoker on reftirage=fkreftirage");
}

void Tmd::FilterDrawList(std::int32_t index) {
    std::string query =
        std::string(kDrawListColumns) + " left join listejoker on reftirage=fkreftirage";
    if (index < catalogue.CatalogueCount)
        query += " where type = " + std::to_string(index);
    ReadDrawList(query);
}

void Tmd::ReadDrawList(const std::string& query) {
    auto q = cnx.Prepare(query);
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
        row.b7Empty = row.type == 3 || row.type == 4;
        rows.push_back(std::move(row));
    }
    drawList = std::move(rows);
}

std::vector<PrizeRankRow> Tmd::PrizeRankList(std::int32_t reference) {
    auto q = cnx.Prepare("select * from listegain where reftirage=:ref");
    q.Set("ref", I(reference));
    std::vector<PrizeRankRow> rows;
    const int num = q.ColumnIndex("num"), ref = q.ColumnIndex("reftirage"),
              gain = q.ColumnIndex("gain"), nb = q.ColumnIndex("nbgagnants"),
              nbEuro = q.ColumnIndex("nbgagnantseuro");
    while (q.Next())
        rows.push_back({static_cast<std::int32_t>(q.Int(num)),
                        static_cast<std::int32_t>(q.Int(ref)), q.Double(gain),
                        ToFrancs(q.Double(gain)), static_cast<std::int32_t>(q.Int(nb)),
                        static_cast<std::int32_t>(q.Int(nbEuro))});
    return rows;
}

ttabTirrage Tmd::SelectDrawsInPeriod(std::int32_t type, double from, double to) {
    auto whole = [](double d) { return std::to_string(static_cast<long long>(std::trunc(d))); };
    auto q = cnx.Prepare("select * from listetirage where ((type=" + std::to_string(type) +
                         " ) and (date >= " + whole(from) + " ) and (date <= " + whole(to) +
                         " )) order by date , n_tir");
    const int ref = q.ColumnIndex("reftirage"), date = q.ColumnIndex("date"),
              n_tir = q.ColumnIndex("n_tir"), n_sem = q.ColumnIndex("n_sem"),
              b1 = q.ColumnIndex("b1");
    ttabTirrage draws;
    while (q.Next()) {
        auto ball = [&](int k) { return static_cast<std::uint8_t>(q.Int(b1 + k)); };
        draws.push_back(
            {static_cast<std::int32_t>(q.Int(ref)), std::round(q.Double(date) * 10000.0) / 10000.0,
             static_cast<std::int32_t>(q.Int(n_tir)), static_cast<std::int32_t>(q.Int(n_sem)),
             ball(0), ball(1), ball(2), ball(3), ball(4), ball(5), ball(6)});
    }
    return draws;
}

} // namespace quintaro
