// Writes a synthetic draw history of the six games into OUTDIR, in the operator's layouts, for
// the demo installation to import: like the operator, one results file per formula of a game,
// the New Loto and New Super Loto split at their nine ranks of 06/03/2017, the New Euromillion
// at its twelve stars of 27/09/2016. The generator is seeded and uses integer arithmetic only,
// so the files are the same byte for byte on every machine.
//
// `generate_results OUTDIR [SCALE]`: with SCALE k > 1 each game's last formula runs on into
// later years, same draw days and rules, until the game has about k times its draws.
#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
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

int OneDraw(Day) {
    return 1;
}

// When a game draws: its days from `first` to `last`, and how many draws each day holds.
struct Calendar {
    Day first;
    Day last;
    bool (*is_draw_day)(Day);
    int (*draws_on)(Day) = OneDraw;
};

// The calendar's draw days; with scale k > 1 it runs on past its last day until the days hold
// k times the draws.
std::vector<Day> DrawDays(const Calendar& calendar, int scale) {
    std::vector<Day> days;
    std::int64_t draws = 0;
    auto take = [&](Day d) {
        if (calendar.is_draw_day(d)) {
            days.push_back(d);
            draws += calendar.draws_on(d);
        }
    };
    Day d = calendar.first;
    for (; d <= calendar.last; d += std::chrono::days{1})
        take(d);
    // `take` counts the draws.
    const std::int64_t wanted = draws * scale;
    while (draws < wanted) {
        take(d);
        d += std::chrono::days{1};
    }
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

// A results file: its name, header and draw lines, oldest draw first until written out.
struct ResultsFile {
    std::string name;
    std::string header;
    std::vector<std::string> draws;
};

std::string Column(const std::string& prefix, int k, const std::string& suffix = "") {
    return prefix + std::to_string(k) + suffix;
}

// A formula of a game, from its first day on, with its own results file.
struct Period {
    const char* file;
    Day from;
    int second_max; // stars or chance numbers drawn out of 1..second_max
    Odds odds;
};

// The files of a game's periods, each with its header; the periods are in date order.
std::vector<ResultsFile> PeriodFiles(const std::vector<Period>& periods,
                                     std::string (*header)(const Period&)) {
    std::vector<ResultsFile> files;
    for (const Period& period : periods)
        files.push_back({period.file, header(period), {}});
    return files;
}

std::size_t PeriodOf(const std::vector<Period>& periods, Day day) {
    std::size_t p = 0;
    while (p + 1 < periods.size() && day >= periods[p + 1].from)
        ++p;
    return p;
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
    const char* file;
    std::uint64_t seed;
    Calendar calendar;
    Rank jackpot;
    std::int64_t min_plays;
    std::int64_t max_plays;
};

std::vector<ResultsFile> OldLotoFile(const OldLotoGame& game, int scale) {
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

    ResultsFile file{game.file, header.Text(), {}};
    Random rng(game.seed);
    DrawNumbering numbering;
    for (Day day : DrawDays(game.calendar, scale)) {
        const std::string number = numbering.Next(day);
        const int year = Year(day);
        const bool francs = day < Date(2002, 1, 1);
        const int draws = game.calendar.draws_on(day);
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
    return {file};
}

std::vector<ResultsFile> Loto(int scale) {
    return OldLotoFile(
        {
            .file = "loto.csv",
            .seed = 0x4C4F544F31393736ULL,
            .calendar = {
                .first = Date(1976, 5, 19),
                .last = Date(2008, 10, 4),
                .is_draw_day =
                    [](Day d) { return WeekDay(d) == kWednesday || WeekDay(d) == kSaturday; },
                .draws_on =
                    [](Day d) {
                        const bool twice = (WeekDay(d) == kSaturday && Year(d) >= 1995) ||
                                           (WeekDay(d) == kWednesday && Year(d) >= 1997);
                        return twice ? 2 : 1;
                    },
            },
            .jackpot = {1, 2'000'000'00, 60},
            .min_plays = 10'000'000,
            .max_plays = 25'000'000,
        },
        scale);
}

// The first Friday of every second month.
std::vector<ResultsFile> SuperLoto(int scale) {
    return OldLotoFile({.file = "superloto.csv",
                        .seed = 0x5355504552313939ULL,
                        .calendar = {.first = Date(1996, 1, 1),
                                     .last = Date(2008, 10, 4),
                                     .is_draw_day =
                                         [](Day d) {
                                             return WeekDay(d) == kFriday && DayOfMonth(d) <= 7 &&
                                                    Month(d) % 2 == 1;
                                         }},
                        .jackpot = {1, 13'000'000'00, 10},
                        .min_plays = 25'000'000,
                        .max_plays = 40'000'000},
                       scale);
}

// ---- Euromillion and New Euromillion ----

struct EuromillionGame {
    std::uint64_t seed;
    Calendar calendar;
    std::vector<Period> periods;
    std::int64_t min_plays;
    std::int64_t max_plays;
};

std::string EuromillionHeader(const Period& period) {
    Line header;
    header << "annee_numero_de_tirage"
           << "jour_de_tirage"
           << "date_de_tirage"
           << "date_de_forclusion";
    for (int b = 1; b <= 5; ++b)
        header << Column("boule_", b);
    header << "etoile_1"
           << "etoile_2";
    for (int k = 1; k <= static_cast<int>(period.odds.ranks.size()); ++k)
        header << Column("nombre_de_gagnant_au_rang", k, "_en_france")
               << Column("nombre_de_gagnant_au_rang", k, "_en_europe")
               << Column("rapport_du_rang", k);
    header << "numero_jokerplus"
           << "devise";
    return header.Text();
}

std::vector<ResultsFile> EuromillionFiles(const EuromillionGame& game, int scale) {
    std::vector<ResultsFile> files = PeriodFiles(game.periods, EuromillionHeader);
    Random rng(game.seed);
    DrawNumbering numbering;
    for (Day day : DrawDays(game.calendar, scale)) {
        const std::size_t p = PeriodOf(game.periods, day);
        const Period& period = game.periods[p];
        Line line;
        line << numbering.Next(day) << DayName(day) << Slashed(day)
             << Slashed(day + std::chrono::days{60});
        for (int ball : DrawBalls(rng, 5, 50))
            line << ball;
        for (int star : DrawBalls(rng, 2, period.second_max))
            line << star;
        std::vector<Prize> prizes =
            Prizes(rng, period.odds, rng.Between(game.min_plays, game.max_plays));
        SplitFrance(rng, prizes);
        for (const Prize& prize : prizes)
            line << prize.france << prize.winners << Amount(prize);
        line << Joker(rng, true) << "eur";
        files[p].draws.push_back(line.Text());
    }
    return files;
}

std::vector<ResultsFile> Euromillion(int scale) {
    return EuromillionFiles(
        {
            .seed = 0x4555524F32303034ULL,
            .calendar = {.first = Date(2004, 2, 13),
                         .last = Date(2011, 5, 6),
                         .is_draw_day =
                             [](Day d) {
                                 return WeekDay(d) == kFriday ||
                                        (WeekDay(d) == kTuesday && d >= Date(2006, 9, 26));
                             }},
            .periods = {{"euromillion.csv",
                         Date(2004, 2, 13),
                         9,
                         {2'118'760 * 36, // 5 numbers out of 50, 2 stars out of 9
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
                           {1'986'600, 7'00, 20}}}}},
            .min_plays = 40'000'000,
            .max_plays = 90'000'000,
        },
        scale);
}

// Eleven stars, then from 27/09/2016 twelve, and 3 numbers and 2 stars (rank 7 before) paying
// rank 6 above 4 numbers and no star.
std::vector<ResultsFile> NewEuromillion(int scale) {
    return EuromillionFiles(
        {
            .seed = 0x4E45574555523230ULL,
            .calendar = {.first = Date(2011, 5, 10),
                         .last = Date(2026, 11, 27),
                         .is_draw_day =
                             [](Day d) { return WeekDay(d) == kTuesday || WeekDay(d) == kFriday; }},
            .periods = {{"nouvel_euromillion.csv",
                         Date(2011, 5, 10),
                         11,
                         {2'118'760 * 55, // 5 numbers out of 50, 2 stars out of 11
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
                           {5'108'400, 4'50, 10}}}},
                        {"nouvel_euromillion_2016.csv",
                         Date(2016, 9, 27),
                         12,
                         {2'118'760 * 66,             // 5 numbers out of 50, 2 stars out of 12
                          {{1, 50'000'000'00, 80},    // 5+2
                           {20, 300'000'00, 40},      // 5+1
                           {45, 30'000'00, 40},       // 5+0
                           {225, 2'000'00, 30},       // 4+2
                           {4'500, 130'00, 25},       // 4+1
                           {9'900, 80'00, 25},        // 3+2
                           {10'125, 50'00, 25},       // 4+0
                           {141'900, 17'00, 20},      // 2+2
                           {198'000, 13'00, 20},      // 3+1
                           {445'500, 11'00, 20},      // 3+0
                           {744'975, 8'50, 20},       // 1+2
                           {2'838'000, 6'50, 20},     // 2+1
                           {6'385'500, 4'20, 10}}}}}, // 2+0
            .min_plays = 60'000'000,
            .max_plays = 140'000'000,
        },
        scale);
}

// ---- New Loto and New Super Loto, from 2008 ----

constexpr std::int64_t kNewLotoTotal = 1'906'884 * 10; // 5 numbers out of 49, 1 chance out of 10

// Six ranks until 05/03/2017: the chance number counts only with all five numbers or fewer than
// two.
Odds SixRanks(Rank jackpot) {
    return {kNewLotoTotal,
            {jackpot,
             {9, 100'000'00, 40},
             {2'200, 1'000'00, 30},
             {94'600, 20'00, 20},
             {1'324'400, 5'00, 10},
             {1'764'763, 2'00, 0}}};
}

// Nine from 06/03/2017: with and without the chance number from 4 numbers down to 2.
Odds NineRanks(Rank jackpot) {
    return {kNewLotoTotal,
            {jackpot,
             {9, 100'000'00, 40},    // 5
             {220, 1'000'00, 30},    // 4+C
             {1'980, 500'00, 25},    // 4
             {9'460, 50'00, 20},     // 3+C
             {85'140, 20'00, 20},    // 3
             {132'440, 10'00, 15},   // 2+C
             {1'191'960, 5'00, 10},  // 2
             {1'764'763, 2'20, 0}}}; // 1+C or 0+C
}

struct NewLotoGame {
    std::uint64_t seed;
    Calendar calendar;
    const char* files[2]; // six ranks, then nine
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

std::string NewLotoHeader(const Period& period) {
    Line header;
    header << "annee_numero_de_tirage"
           << "jour_de_tirage"
           << "date_de_tirage"
           << "date_de_forclusion";
    for (int b = 1; b <= 5; ++b)
        header << Column("boule_", b);
    header << "numero_chance"
           << "combinaison_gagnante_en_ordre_croissant";
    for (int k = 1; k <= static_cast<int>(period.odds.ranks.size()); ++k)
        header << Column("nombre_de_gagnant_au_rang", k) << Column("rapport_du_rang", k);
    header << "numero_jokerplus"
           << "devise";
    return header.Text();
}

std::vector<ResultsFile> NewLotoFiles(const NewLotoGame& game, int scale) {
    const std::vector<Period> periods = {
        {game.files[0], game.calendar.first, 10, SixRanks(game.jackpot)},
        {game.files[1], Date(2017, 3, 6), 10, NineRanks(game.jackpot)}};
    std::vector<ResultsFile> files = PeriodFiles(periods, NewLotoHeader);
    Random rng(game.seed);
    DrawNumbering numbering;
    for (Day day : DrawDays(game.calendar, scale)) {
        const std::size_t p = PeriodOf(periods, day);
        Line line;
        line << numbering.Next(day) << DayName(day) << Slashed(day)
             << Slashed(day + std::chrono::days{60});
        const std::vector<int> balls = DrawBalls(rng, 5, 49);
        const int chance = static_cast<int>(rng.Between(1, periods[p].second_max));
        for (int ball : balls)
            line << ball;
        line << chance << Combination(balls, chance);
        for (const Prize& prize :
             Prizes(rng, periods[p].odds, rng.Between(game.min_plays, game.max_plays)))
            line << prize.winners << Amount(prize);
        line << Joker(rng, true) << "eur";
        files[p].draws.push_back(line.Text());
    }
    return files;
}

std::vector<ResultsFile> NewLoto(int scale) {
    return NewLotoFiles(
        {
            .seed = 0x4E45574C4F544F32ULL,
            .calendar = {.first = Date(2008, 10, 6),
                         .last = Date(2026, 11, 28),
                         .is_draw_day =
                             [](Day d) {
                                 const unsigned w = WeekDay(d);
                                 return w == kMonday || w == kWednesday || w == kSaturday;
                             }},
            .files = {"nouveau_loto.csv", "nouveau_loto_2017.csv"},
            .jackpot = {1, 5'000'000'00, 70},
            .min_plays = 8'000'000,
            .max_plays = 16'000'000,
        },
        scale);
}

// The first Tuesday of February, April, June, September and November.
std::vector<ResultsFile> NewSuperLoto(int scale) {
    return NewLotoFiles(
        {
            .seed = 0x4E45575355504552ULL,
            .calendar = {.first = Date(2009, 1, 1),
                         .last = Date(2026, 11, 28),
                         .is_draw_day =
                             [](Day d) {
                                 const unsigned m = Month(d);
                                 return WeekDay(d) == kTuesday && DayOfMonth(d) <= 7 &&
                                        (m == 2 || m == 4 || m == 6 || m == 9 || m == 11);
                             }},
            .files = {"nouveau_superloto.csv", "nouveau_superloto_2017.csv"},
            .jackpot = {1, 12'000'000'00, 15},
            .min_plays = 15'000'000,
            .max_plays = 25'000'000,
        },
        scale);
}

// ---- Output ----

bool Write(const std::filesystem::path& dir, const ResultsFile& file) {
    std::ofstream out(dir / file.name, std::ios::binary);
    out << file.header;
    for (auto draw = file.draws.rbegin(); draw != file.draws.rend(); ++draw)
        out << *draw;
    out.close();
    return static_cast<bool>(out);
}

// A whole number from 1 on.
std::optional<int> Scale(std::string_view text) {
    int scale = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
    if (error != std::errc{} || end != text.data() + text.size() || scale < 1)
        return std::nullopt;
    return scale;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<int> scale = argc == 2 ? 1 : argc == 3 ? Scale(argv[2]) : std::nullopt;
    if (!scale) {
        std::cerr << "usage: generate_results OUTDIR [SCALE]\n";
        return 1;
    }
    const std::filesystem::path dir = argv[1];
    for (auto generate : {Loto, SuperLoto, Euromillion, NewLoto, NewSuperLoto, NewEuromillion}) {
        for (const ResultsFile& file : generate(*scale)) {
            if (!Write(dir, file)) {
                std::cerr << "generate_results: cannot write " << (dir / file.name).string()
                          << '\n';
                return 1;
            }
        }
    }
    return 0;
}
