// Writes a synthetic draw history of the six games into OUTDIR, one results file per game in
// the operator's layouts, for the demo installation to import. The generator is seeded and
// uses integer arithmetic only, so the files are the same byte for byte on every machine.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Day = std::chrono::sys_days;
using Cents = std::int64_t;

// splitmix64: tiny, and unlike the standard distributions its output is fixed by its own code.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::int64_t Below(std::int64_t n) {
        return static_cast<std::int64_t>(Next() % static_cast<std::uint64_t>(n));
    }
    std::int64_t Between(std::int64_t lo, std::int64_t hi) { return lo + Below(hi - lo + 1); }

private:
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    std::uint64_t state_;
};

// ---- Calendar ----

constexpr Day Date(int y, unsigned m, unsigned d) {
    return Day{std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d}};
}

std::chrono::year_month_day Civil(Day d) {
    return std::chrono::year_month_day{d};
}
int Year(Day d) {
    return static_cast<int>(Civil(d).year());
}
unsigned Month(Day d) {
    return static_cast<unsigned>(Civil(d).month());
}
unsigned DayOfMonth(Day d) {
    return static_cast<unsigned>(Civil(d).day());
}
unsigned WeekDay(Day d) {
    return std::chrono::weekday{d}.c_encoding();
} // 0 is Sunday

constexpr unsigned kMonday = 1, kTuesday = 2, kWednesday = 3, kFriday = 5, kSaturday = 6;

std::string DayName(Day d) {
    static constexpr std::array<const char*, 7> names{"DIMANCHE", "LUNDI",    "MARDI", "MERCREDI",
                                                      "JEUDI",    "VENDREDI", "SAMEDI"};
    return names[WeekDay(d)];
}

std::string Compact(Day d) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02u", Year(d), Month(d), DayOfMonth(d));
    return text;
}

std::string Slashed(Day d) {
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", DayOfMonth(d), Month(d), Year(d));
    return text;
}

template <typename IsDrawDay> std::vector<Day> DrawDays(Day first, Day last, IsDrawDay is_draw) {
    std::vector<Day> days;
    for (Day d = first; d <= last; d += std::chrono::days{1})
        if (is_draw(d))
            days.push_back(d);
    return days;
}

// Year followed by the day's three-digit number within the year, counted from 001.
class DrawNumbering {
public:
    std::string Next(Day d) {
        if (Year(d) != year_) {
            year_ = Year(d);
            count_ = 0;
        }
        char text[32];
        std::snprintf(text, sizeof text, "%04d%03d", year_, ++count_);
        return text;
    }

private:
    int year_ = 0;
    int count_ = 0;
};

// ---- Drawing ----

// `count` distinct balls out of 1..highest, in the order they come out.
std::vector<int> DrawBalls(Random& rng, int count, int highest) {
    std::vector<int> urn;
    for (int b = 1; b <= highest; ++b)
        urn.push_back(b);
    for (int i = 0; i < count; ++i)
        std::swap(urn[i], urn[i + rng.Below(highest - i)]);
    urn.resize(count);
    return urn;
}

std::string Joker(Random& rng, bool padded) {
    char text[32];
    std::snprintf(text, sizeof text, padded ? "%07lld" : "%lld",
                  static_cast<long long>(rng.Between(1, 9'999'999)));
    return text;
}

// ---- Prize ranks ----

// A rank wins `combos` of the game's simple combinations; `cents` is the jackpot for rank 1
// (shared by its winners) and the amount paid to one winner below; spread is in percent.
struct Rank {
    std::int64_t combos;
    Cents cents;
    std::int64_t spread;
};

struct Odds {
    std::int64_t total;
    std::vector<Rank> ranks;
};

struct Prize {
    std::int64_t winners = 0;
    Cents cents = 0;
    std::int64_t france = 0;
};

// Few expected winners follow a binomial law over 16 trials; many, a spread around the mean.
std::int64_t Winners(Random& rng, std::int64_t expected_milli) {
    if (expected_milli < 16'000) {
        std::int64_t winners = 0;
        for (int trial = 0; trial < 16; ++trial)
            if (rng.Below(16'000) < expected_milli)
                ++winners;
        return winners;
    }
    return expected_milli * rng.Between(900, 1100) / 1'000'000;
}

// Winner counts never fall and amounts fall with the rank, as on a real draw.
std::vector<Prize> Prizes(Random& rng, const Odds& odds, std::int64_t plays) {
    std::vector<Prize> prizes;
    Cents previous = 0;
    for (const Rank& rank : odds.ranks) {
        Prize prize;
        prize.winners = Winners(rng, plays * rank.combos * 1000 / odds.total);
        Cents cents = rank.cents * (100 - rank.spread + rng.Below(2 * rank.spread + 1)) / 100;
        if (prizes.empty()) {
            cents /= prize.winners > 0 ? prize.winners : 1;
        } else {
            prize.winners = std::max(prize.winners, prizes.back().winners);
            cents = std::min(cents, previous * 4 / 5);
        }
        previous = cents;
        prize.cents = prize.winners > 0 ? cents : 0;
        prizes.push_back(prize);
    }
    return prizes;
}

void Rescale(std::vector<Prize>& prizes, std::int64_t numerator, std::int64_t denominator) {
    for (Prize& prize : prizes)
        prize.cents = prize.cents * numerator / denominator;
}

// The share of a Europe-wide winner count won in France, about a quarter.
void SplitFrance(Random& rng, std::vector<Prize>& prizes) {
    std::int64_t previous = 0;
    for (Prize& prize : prizes) {
        if (prize.winners <= 200) {
            for (std::int64_t w = 0; w < prize.winners; ++w)
                if (rng.Below(100) < 26)
                    ++prize.france;
        } else {
            prize.france = prize.winners * rng.Between(22, 30) / 100;
        }
        prize.france = std::max(prize.france, previous);
        previous = prize.france;
    }
}

std::string Amount(const Prize& prize) {
    if (prize.winners == 0)
        return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%lld,%02lld", static_cast<long long>(prize.cents / 100),
                  static_cast<long long>(prize.cents % 100));
    return text;
}

// ---- Lines ----

class Line {
public:
    Line& operator<<(const std::string& field) {
        text_ += field;
        text_ += ';';
        return *this;
    }
    Line& operator<<(std::int64_t value) { return *this << std::to_string(value); }
    std::string Text() const { return text_ + "\r\n"; }

private:
    std::string text_;
};

// Header and draw lines, oldest draw first until written out.
struct ResultsFile {
    std::string header;
    std::vector<std::string> draws;
};

std::string Column(const std::string& prefix, int k, const std::string& suffix = "") {
    return prefix + std::to_string(k) + suffix;
}

// ---- Loto and Super Loto, until 2008 ----

constexpr std::int64_t kLotoTotal = 13'983'816; // 6 numbers out of 49

// Five ranks until 1989, six until 1994, then seven; the columns of the missing ranks hold 0.
Odds LotoOdds(int year, Rank jackpot) {
    if (year < 1990)
        return {kLotoTotal,
                {jackpot,
                 {6, 80'000'00, 40},
                 {252, 1'400'00, 30},
                 {13'545, 40'00, 20},
                 {246'820, 4'00, 15}}};
    if (year < 1995)
        return {kLotoTotal,
                {jackpot,
                 {6, 85'000'00, 40},
                 {252, 1'450'00, 30},
                 {13'545, 38'00, 20},
                 {17'220, 6'50, 20},
                 {229'600, 3'00, 15}}};
    return {kLotoTotal,
            {jackpot,
             {6, 90'000'00, 40},
             {252, 1'500'00, 30},
             {630, 70'00, 25},
             {12'915, 35'00, 20},
             {17'220, 6'00, 20},
             {229'600, 3'00, 15}}};
}

struct OldLotoGame {
    std::uint64_t seed;
    Day first;
    Day last;
    bool (*is_draw_day)(Day);
    int (*draws_on)(Day);
    Rank jackpot;
    std::int64_t min_plays;
    std::int64_t max_plays;
};

ResultsFile OldLotoFile(const OldLotoGame& game) {
    Line header;
    header << "annee_numero_de_tirage"
           << "jour_de_tirage"
           << "date_de_tirage"
           << "premier_ou_second_tirage";
    for (int b = 1; b <= 6; ++b)
        header << Column("boule_", b);
    header << "boule_complementaire";
    for (int k = 1; k <= 7; ++k)
        header << Column("nombre_de_gagnant_au_rang", k) << Column("rapport_du_rang", k);
    header << "numero_joker"
           << "devise";

    ResultsFile file{header.Text(), {}};
    Random rng(game.seed);
    DrawNumbering numbering;
    for (Day day : DrawDays(game.first, game.last, game.is_draw_day)) {
        const std::string number = numbering.Next(day);
        const int year = Year(day);
        const bool francs = day < Date(2002, 1, 1);
        const int draws = game.draws_on(day);
        for (int tir = 1; tir <= draws; ++tir) {
            Line line;
            line << number << DayName(day) << Compact(day) << tir;
            for (int ball : DrawBalls(rng, 7, 49))
                line << ball;

            std::vector<Prize> prizes = Prizes(rng, LotoOdds(year, game.jackpot),
                                               rng.Between(game.min_plays, game.max_plays));
            // Amounts grew over the years; before the euro they are in francs.
            if (year < 2000)
                Rescale(prizes, std::min(100, 50 + 2 * (year - 1976)), 100);
            if (francs)
                Rescale(prizes, 655'957, 100'000);
            for (const Prize& prize : prizes)
                line << prize.winners << Amount(prize);
            for (auto k = prizes.size(); k < 7; ++k)
                line << "0"
                     << "0";

            const bool has_joker = day >= Date(1994, 1, 1) && tir == draws;
            line << (has_joker ? Joker(rng, year != 1996 && year != 1997) : "");
            line << (francs ? "fr" : "eur");
            file.draws.push_back(line.Text());
        }
    }
    return file;
}

ResultsFile Loto() {
    return OldLotoFile({
        .seed = 0x4C4F544F31393736ULL,
        .first = Date(1976, 5, 19),
        .last = Date(2008, 10, 4),
        .is_draw_day = [](Day d) { return WeekDay(d) == kWednesday || WeekDay(d) == kSaturday; },
        .draws_on =
            [](Day d) {
                const bool twice = (WeekDay(d) == kSaturday && Year(d) >= 1995) ||
                                   (WeekDay(d) == kWednesday && Year(d) >= 1997);
                return twice ? 2 : 1;
            },
        .jackpot = {1, 2'000'000'00, 60},
        .min_plays = 10'000'000,
        .max_plays = 25'000'000,
    });
}

// The first Friday of every second month.
ResultsFile SuperLoto() {
    return OldLotoFile({
        .seed = 0x5355504552313939ULL,
        .first = Date(1996, 1, 1),
        .last = Date(2008, 10, 4),
        .is_draw_day =
            [](Day d) { return WeekDay(d) == kFriday && DayOfMonth(d) <= 7 && Month(d) % 2 == 1; },
        .draws_on = [](Day) { return 1; },
        .jackpot = {1, 13'000'000'00, 10},
        .min_plays = 25'000'000,
        .max_plays = 40'000'000,
    });
}

// ---- Euromillion and New Euromillion ----

struct EuromillionGame {
    std::uint64_t seed;
    Day first;
    Day last;
    bool (*is_draw_day)(Day);
    int stars;
    Odds odds;
    std::int64_t min_plays;
    std::int64_t max_plays;
};

ResultsFile EuromillionFile(const EuromillionGame& game) {
    Line header;
    header << "annee_numero_de_tirage"
           << "jour_de_tirage"
           << "date_de_tirage"
           << "date_de_forclusion";
    for (int b = 1; b <= 5; ++b)
        header << Column("boule_", b);
    header << "etoile_1"
           << "etoile_2";
    for (int k = 1; k <= static_cast<int>(game.odds.ranks.size()); ++k)
        header << Column("nombre_de_gagnant_au_rang", k, "_en_france")
               << Column("nombre_de_gagnant_au_rang", k, "_en_europe")
               << Column("rapport_du_rang", k);
    header << "numero_jokerplus"
           << "devise";

    ResultsFile file{header.Text(), {}};
    Random rng(game.seed);
    DrawNumbering numbering;
    for (Day day : DrawDays(game.first, game.last, game.is_draw_day)) {
        Line line;
        line << numbering.Next(day) << DayName(day) << Slashed(day)
             << Slashed(day + std::chrono::days{60});
        for (int ball : DrawBalls(rng, 5, 50))
            line << ball;
        for (int star : DrawBalls(rng, 2, game.stars))
            line << star;
        std::vector<Prize> prizes =
            Prizes(rng, game.odds, rng.Between(game.min_plays, game.max_plays));
        SplitFrance(rng, prizes);
        for (const Prize& prize : prizes)
            line << prize.france << prize.winners << Amount(prize);
        line << Joker(rng, true) << "eur";
        file.draws.push_back(line.Text());
    }
    return file;
}

ResultsFile Euromillion() {
    return EuromillionFile({
        .seed = 0x4555524F32303034ULL,
        .first = Date(2004, 2, 13),
        .last = Date(2011, 5, 6),
        .is_draw_day =
            [](Day d) {
                return WeekDay(d) == kFriday || (WeekDay(d) == kTuesday && d >= Date(2006, 9, 26));
            },
        .stars = 9,
        .odds = {2'118'760 * 36, // 5 numbers out of 50, 2 stars out of 9
                 {{1, 30'000'000'00, 80},
                  {14, 500'000'00, 40},
                  {21, 60'000'00, 40},
                  {225, 5'000'00, 30},
                  {3'150, 250'00, 25},
                  {4'725, 100'00, 25},
                  {9'900, 60'00, 25},
                  {138'600, 18'00, 20},
                  {141'900, 15'00, 20},
                  {207'900, 12'00, 20},
                  {744'975, 9'00, 20},
                  {1'986'600, 7'00, 20}}},
        .min_plays = 40'000'000,
        .max_plays = 90'000'000,
    });
}

ResultsFile NewEuromillion() {
    return EuromillionFile({
        .seed = 0x4E45574555523230ULL,
        .first = Date(2011, 5, 10),
        .last = Date(2026, 11, 27),
        .is_draw_day = [](Day d) { return WeekDay(d) == kTuesday || WeekDay(d) == kFriday; },
        .stars = 11,
        .odds = {2'118'760 * 55, // 5 numbers out of 50, 2 stars out of 11
                 {{1, 40'000'000'00, 80},
                  {18, 350'000'00, 40},
                  {36, 45'000'00, 40},
                  {225, 3'000'00, 30},
                  {4'050, 150'00, 25},
                  {8'100, 70'00, 25},
                  {9'900, 50'00, 25},
                  {141'900, 18'00, 20},
                  {178'200, 14'00, 20},
                  {356'400, 12'00, 20},
                  {744'975, 9'00, 20},
                  {2'554'200, 7'00, 20},
                  {5'108'400, 4'50, 10}}},
        .min_plays = 60'000'000,
        .max_plays = 140'000'000,
    });
}

// ---- New Loto and New Super Loto, from 2008 ----

Odds NewLotoOdds(Rank jackpot) {
    return {1'906'884 * 10, // 5 numbers out of 49, 1 chance number out of 10
            {jackpot,
             {9, 100'000'00, 40},
             {2'200, 1'000'00, 30},
             {94'600, 20'00, 20},
             {1'324'400, 5'00, 10},
             {1'764'763, 2'00, 0}}};
}

struct NewLotoGame {
    std::uint64_t seed;
    Day first;
    Day last;
    bool (*is_draw_day)(Day);
    Rank jackpot;
    std::int64_t min_plays;
    std::int64_t max_plays;
};

std::string Combination(std::vector<int> balls, int chance) {
    std::sort(balls.begin(), balls.end());
    std::string text;
    for (int ball : balls)
        text += (text.empty() ? "" : "-") + std::to_string(ball);
    return text + "+" + std::to_string(chance);
}

ResultsFile NewLotoFile(const NewLotoGame& game) {
    const Odds odds = NewLotoOdds(game.jackpot);
    Line header;
    header << "annee_numero_de_tirage"
           << "jour_de_tirage"
           << "date_de_tirage"
           << "date_de_forclusion";
    for (int b = 1; b <= 5; ++b)
        header << Column("boule_", b);
    header << "numero_chance"
           << "combinaison_gagnante_en_ordre_croissant";
    for (int k = 1; k <= static_cast<int>(odds.ranks.size()); ++k)
        header << Column("nombre_de_gagnant_au_rang", k) << Column("rapport_du_rang", k);
    header << "numero_jokerplus"
           << "devise";

    ResultsFile file{header.Text(), {}};
    Random rng(game.seed);
    DrawNumbering numbering;
    for (Day day : DrawDays(game.first, game.last, game.is_draw_day)) {
        Line line;
        line << numbering.Next(day) << DayName(day) << Slashed(day)
             << Slashed(day + std::chrono::days{60});
        const std::vector<int> balls = DrawBalls(rng, 5, 49);
        const int chance = static_cast<int>(rng.Between(1, 10));
        for (int ball : balls)
            line << ball;
        line << chance << Combination(balls, chance);
        for (const Prize& prize : Prizes(rng, odds, rng.Between(game.min_plays, game.max_plays)))
            line << prize.winners << Amount(prize);
        line << Joker(rng, true) << "eur";
        file.draws.push_back(line.Text());
    }
    return file;
}

ResultsFile NewLoto() {
    return NewLotoFile({
        .seed = 0x4E45574C4F544F32ULL,
        .first = Date(2008, 10, 6),
        .last = Date(2026, 11, 28),
        .is_draw_day =
            [](Day d) {
                const unsigned w = WeekDay(d);
                return w == kMonday || w == kWednesday || w == kSaturday;
            },
        .jackpot = {1, 5'000'000'00, 70},
        .min_plays = 8'000'000,
        .max_plays = 16'000'000,
    });
}

// The first Tuesday of February, April, June, September and November.
ResultsFile NewSuperLoto() {
    return NewLotoFile({
        .seed = 0x4E45575355504552ULL,
        .first = Date(2009, 1, 1),
        .last = Date(2026, 11, 28),
        .is_draw_day =
            [](Day d) {
                const unsigned m = Month(d);
                return WeekDay(d) == kTuesday && DayOfMonth(d) <= 7 &&
                       (m == 2 || m == 4 || m == 6 || m == 9 || m == 11);
            },
        .jackpot = {1, 12'000'000'00, 15},
        .min_plays = 15'000'000,
        .max_plays = 25'000'000,
    });
}

// ---- Output ----

bool Write(const std::filesystem::path& path, const ResultsFile& file) {
    std::ofstream out(path, std::ios::binary);
    out << file.header;
    for (auto draw = file.draws.rbegin(); draw != file.draws.rend(); ++draw)
        out << *draw;
    out.close();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: generate_results OUTDIR\n";
        return 1;
    }
    const std::filesystem::path dir = argv[1];
    const std::array<std::pair<const char*, ResultsFile (*)()>, 6> games{{
        {"loto.csv", Loto},
        {"superloto.csv", SuperLoto},
        {"euromillion.csv", Euromillion},
        {"nouveau_loto.csv", NewLoto},
        {"nouveau_superloto.csv", NewSuperLoto},
        {"nouvel_euromillion.csv", NewEuromillion},
    }};
    for (const auto& [name, generate] : games) {
        if (!Write(dir / name, generate())) {
            std::cerr << "generate_results: cannot write " << (dir / name).string() << '\n';
            return 1;
        }
    }
    return 0;
}
