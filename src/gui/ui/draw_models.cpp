#include "gui/ui/draw_models.h"

#include "gui/ui/regional_format.h"

namespace quintaro {

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kRight = Qt::AlignRight;

QString Number(std::int32_t value) {
    return QString::number(value);
}

// A ball of the draw list; the seventh of New Loto and New Super Loto is shown empty.
template <int K> QString Ball(const DrawListRow& row) {
    return K == 6 && row.b7Empty ? QString() : Number(row.b[K]);
}
template <int K> bool BallLess(const DrawListRow& a, const DrawListRow& b) {
    return a.b[K] < b.b[K];
}
template <int K> OxColumn<DrawListRow> BallColumn() {
    const QString name = QStringLiteral("B%1").arg(K + 1);
    return {name, name, 2, kRight, Ball<K>, BallLess<K>};
}

std::vector<OxColumn<DrawListRow>> DrawListColumns() {
    using R = const DrawListRow&;
    return {
        {"libelle", "Type", 10, kLeft, [](R r) { return QString::fromStdString(r.libelle); },
         [](R a, R b) { return a.libelle < b.libelle; }},
        {"cldate", "Date", 10, kLeft, [](R r) { return ShortDateText(r.date); },
         [](R a, R b) { return a.date < b.date; }},
        NumberColumn<DrawListRow, &DrawListRow::n_sem>("n_sem", "N°", 3),
        NumberColumn<DrawListRow, &DrawListRow::n_tir>("n_tir", "Tir", 3),
        BallColumn<0>(),
        BallColumn<1>(),
        BallColumn<2>(),
        BallColumn<3>(),
        BallColumn<4>(),
        BallColumn<5>(),
        BallColumn<6>(),
        {"joker", "joker", 7, kLeft, [](R r) { return QString::fromStdString(r.joker); },
         [](R a, R b) { return a.joker < b.joker; }},
    };
}

// "# ### ##0.00": digits grouped by three with blanks, the user's decimal separator.
QString PrizeAmount(double value) {
    return AmountText(value, QStringLiteral(" "));
}

std::vector<OxColumn<PrizeRankRow>> PrizeRankColumns() {
    using R = const PrizeRankRow&;
    return {
        NumberColumn<PrizeRankRow, &PrizeRankRow::num>("num", "Rang", 2),
        // Rank order is the order of what the ranks pay for.
        {"combinaison", "Combinaison", 10, kLeft,
         [](R r) { return QString::fromStdString(r.combinaison); },
         [](R a, R b) { return a.num < b.num; }},
        {"gain", "Gain €", 15, kRight, [](R r) { return PrizeAmount(r.gain) + " €"; },
         [](R a, R b) { return a.gain < b.gain; }},
        // Computed from the gain: nothing of its own to sort by.
        {"gain F", "Gain F", 15, kRight, [](R r) { return PrizeAmount(r.gainF) + "F"; }, nullptr},
        NumberColumn<PrizeRankRow, &PrizeRankRow::nbgagnants>("nbgagnants", "NB F", 10),
        NumberColumn<PrizeRankRow, &PrizeRankRow::nbgagnantseuro>("nbgagnantseuro", "NB E", 10),
    };
}

} // namespace

DrawListModel::DrawListModel(QObject* parent)
    : OxRowModel(
          DrawListColumns(), [](const DrawListRow& r) -> std::int64_t { return r.reftirage; },
          parent) {}

void DrawListModel::SetBallHeadings(const std::pair<std::string, std::string>& headings) {
    SetHeading(kB6Column, QString::fromStdString(headings.first));
    SetHeading(kB7Column, QString::fromStdString(headings.second));
}

PrizeRankModel::PrizeRankModel(QObject* parent)
    : OxRowModel(
          PrizeRankColumns(), [](const PrizeRankRow& r) -> std::int64_t { return r.num; }, parent) {
}

} // namespace quintaro
