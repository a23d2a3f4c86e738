#pragma once

#include "core/stats/stat_bars.h"

#include <QWidget>
#include <array>
#include <optional>

class QBarSet;
class QCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace quintaro {

// The two bar charts of a statistics list, one above the other: how often each value came out,
// with the count a fair draw gives as a line, and how many draws have passed since each value
// came out. A click on a bar, or in the room above it, names the bar's value. The only user of
// the chart library, so that the views know nothing of it.
class StatCharts : public QWidget {
    Q_OBJECT
public:
    enum Chart { Frequency, Gaps };

    explicit StatCharts(QWidget* parent = nullptr);

    void Show(const StatBars& frequency, const StatBars& gaps);
    // Marks a value's bar in both charts; nullopt, or a value not charted, marks none.
    void MarkValue(std::optional<std::int32_t> value);

    // What a chart shows, as drawn.
    QString Title(Chart chart) const;
    QString ValueAxisTitle(Chart chart) const;
    QString CountAxisTitle(Chart chart) const;
    int BarCount(Chart chart) const;
    double BarHeight(Chart chart, int bar) const;
    // The level of the frequency chart's line; nullopt when it has none.
    std::optional<double> ExpectedLevel() const;
    // The widget that shows a chart, and its point at a bar's place and a height.
    QWidget* ChartWidget(Chart chart) const;
    QPoint PointAt(Chart chart, int bar, double height) const;
    // The top of the count axis.
    double CountAxisMaximum(Chart chart) const;

signals:
    void valueClicked(std::int32_t value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Plot {
        QChartView* view = nullptr;
        QChart* chart = nullptr;
        QBarSet* bars = nullptr;
        QCategoryAxis* valueAxis = nullptr;
        QValueAxis* countAxis = nullptr;
        std::vector<std::int32_t> values;
    };

    void Build(Plot& plot, const QColor& colour);
    void Fill(Plot& plot, const StatBars& data);
    void Click(const Plot& plot, const QPoint& at);

    std::array<Plot, 2> plots_;
    QLineSeries* expected_ = nullptr;
};

} // namespace quintaro
