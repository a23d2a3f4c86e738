#include "core/stats/stat_bars.h"
#include "gui/stats/stat_charts.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace quintaro {
namespace {

// 49 Loto numbers: number b came out b % 7 times in 14 draws, 2 times on average.
std::vector<StatRow> LotoRows() {
    std::vector<StatRow> rows;
    for (int b = 1; b <= 49; ++b)
        rows.push_back({b, b % 7, 0.0, 45000, 1, b % 5});
    return rows;
}

class StatChartsTest : public ::testing::Test {
protected:
    StatChartsTest() {
        charts.resize(600, 700);
        charts.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&charts));
    }
    void Show(int series, const std::vector<StatRow>& rows, std::int64_t draws) {
        charts.Show(FrequencyBars(series, rows, draws), GapBars(series, rows));
        QCoreApplication::processEvents();
    }
    QImage Picture(StatCharts::Chart chart) { return charts.ChartWidget(chart)->grab().toImage(); }
    // Whether a colour is drawn on a row of pixels around a point.
    bool Drawn(const QImage& image, QPoint at, const QColor& colour, int reach) {
        for (int dx = -reach; dx <= reach; ++dx)
            if (image.pixelColor(at + QPoint(dx, 0)) == colour)
                return true;
        return false;
    }

    StatCharts charts;
};

TEST_F(StatChartsTest, OneBarPerValueAndTheExpectedCountAsALineAtItsHeight) {
    Show(0, LotoRows(), 14);
    EXPECT_EQ(charts.Title(StatCharts::Frequency), "Sorties des numéros");
    EXPECT_EQ(charts.ValueAxisTitle(StatCharts::Frequency), "Numéro");
    EXPECT_EQ(charts.CountAxisTitle(StatCharts::Frequency), "Nombre de sorties");
    EXPECT_EQ(charts.Title(StatCharts::Gaps), "Écart actuel des numéros");
    for (StatCharts::Chart chart : {StatCharts::Frequency, StatCharts::Gaps}) {
        ASSERT_EQ(charts.BarCount(chart), 49);
        for (int bar = 0; bar < 49; ++bar)
            EXPECT_EQ(charts.BarHeight(chart, bar),
                      chart == StatCharts::Frequency ? (bar + 1) % 7 : (bar + 1) % 5);
    }
    ASSERT_TRUE(charts.ExpectedLevel());
    EXPECT_DOUBLE_EQ(*charts.ExpectedLevel(), 14.0 * 7 / 49);
    EXPECT_GE(charts.CountAxisMaximum(StatCharts::Frequency), 6);

    // The dashed line crosses the chart at that height, above the bar of 7, which never came
    // out, and is drawn over nothing at half that height.
    const QImage picture = Picture(StatCharts::Frequency);
    const QColor line(192, 0, 0);
    EXPECT_TRUE(Drawn(picture, charts.PointAt(StatCharts::Frequency, 6, 2.0), line, 6));
    EXPECT_FALSE(Drawn(picture, charts.PointAt(StatCharts::Frequency, 6, 1.0), line, 6));
}

TEST_F(StatChartsTest, AClickOnABarOrAboveItNamesItsValue) {
    Show(0, LotoRows(), 14);
    QSignalSpy clicked(&charts, &StatCharts::valueClicked);
    QWidget* frequency = charts.ChartWidget(StatCharts::Frequency);
    QTest::mouseClick(frequency, Qt::LeftButton, {},
                      charts.PointAt(StatCharts::Frequency, 16, 1.0)); // on the bar of 17
    QTest::mouseClick(frequency, Qt::LeftButton, {},
                      charts.PointAt(StatCharts::Frequency, 6, 4.0)); // above the empty bar of 7
    QTest::mouseClick(charts.ChartWidget(StatCharts::Gaps), Qt::LeftButton, {},
                      charts.PointAt(StatCharts::Gaps, 48, 0.5));
    QTest::mouseClick(frequency, Qt::LeftButton, {}, QPoint(2, 2)); // outside the plot
    ASSERT_EQ(clicked.count(), 3);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 17);
    EXPECT_EQ(clicked.at(1).at(0).toInt(), 7);
    EXPECT_EQ(clicked.at(2).at(0).toInt(), 49);
}

TEST_F(StatChartsTest, TheMarkedValueStandsOutInBothCharts) {
    Show(0, LotoRows(), 14);
    const QColor marked(255, 128, 64);
    const QPoint bar17 = charts.PointAt(StatCharts::Frequency, 16, 1.5);
    EXPECT_NE(Picture(StatCharts::Frequency).pixelColor(bar17), marked);
    charts.MarkValue(17);
    EXPECT_EQ(Picture(StatCharts::Frequency).pixelColor(bar17), marked);
    EXPECT_EQ(Picture(StatCharts::Gaps).pixelColor(charts.PointAt(StatCharts::Gaps, 16, 1.0)),
              marked);
    charts.MarkValue(std::nullopt);
    EXPECT_NE(Picture(StatCharts::Frequency).pixelColor(bar17), marked);
}

TEST_F(StatChartsTest, ASeriesWithoutDrawsGivesFlatBarsOnAValidScale) {
    std::vector<StatRow> rows;
    for (int d = 0; d <= 9; ++d)
        rows.push_back({d, 0, 0.0, -1.0, 0, -1});
    Show(20, rows, 0);
    EXPECT_EQ(charts.Title(StatCharts::Frequency), "Sorties des chiffres du Joker");
    for (StatCharts::Chart chart : {StatCharts::Frequency, StatCharts::Gaps}) {
        ASSERT_EQ(charts.BarCount(chart), 10);
        for (int bar = 0; bar < 10; ++bar)
            EXPECT_EQ(charts.BarHeight(chart, bar), 0.0);
        EXPECT_GT(charts.CountAxisMaximum(chart), 0.0);
    }
    EXPECT_EQ(charts.ExpectedLevel(), 0.0);

    // A table never computed: no bars, no line.
    Show(0, {}, 0);
    EXPECT_EQ(charts.BarCount(StatCharts::Frequency), 0);
    EXPECT_FALSE(charts.ExpectedLevel());
}

} // namespace
} // namespace quintaro
