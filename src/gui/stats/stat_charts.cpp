#include "gui/stats/stat_charts.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QLineSeries>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace quintaro {

namespace {

const QColor kFrequencyColour(58, 110, 165);
const QColor kGapColour(181, 101, 29);
const QColor kExpectedColour(192, 0, 0);
const QColor kMarkedColour(255, 128, 64);
// Up to this many values every one is labelled; beyond, the first and every fifth.
constexpr int kAllLabels = 12;

QFont ChartFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A step of 1, 2 or 5 times a power of ten that cuts `top` into about five whole steps.
double CountStep(double top) {
    const double rough = std::max(1.0, top / 5.0);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10.0 * power;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

StatCharts::StatCharts(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    Build(plots_[Frequency], kFrequencyColour);
    Build(plots_[Gaps], kGapColour);

    QChart* chart = plots_[Frequency].chart;
    expected_ = new QLineSeries(chart);
    QPen pen(kExpectedColour);
    pen.setWidth(2);
    pen.setStyle(Qt::DashLine);
    expected_->setPen(pen);
    chart->addSeries(expected_);
    for (QAbstractAxis* axis : chart->axes())
        expected_->attachAxis(axis);
    // Only the frequency chart has two things to tell apart.
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(ChartFont(10));
    for (const Plot& plot : plots_)
        layout->addWidget(plot.view, 1);
}

void StatCharts::Build(Plot& plot, const QColor& colour) {
    plot.chart = new QChart;
    plot.chart->setAnimationOptions(QChart::NoAnimation);
    plot.chart->setBackgroundRoundness(0);
    plot.chart->setMargins(QMargins(2, 2, 2, 2));
    plot.chart->setTitleFont(ChartFont(12, true));
    plot.chart->legend()->setVisible(false);

    plot.bars = new QBarSet(QStringLiteral("Sorties"));
    plot.bars->setColor(colour);
    plot.bars->setBorderColor(colour.darker(130));
    plot.bars->setSelectedColor(kMarkedColour);
    auto* series = new QBarSeries;
    series->append(plot.bars);
    series->setBarWidth(0.8);
    plot.chart->addSeries(series);

    // Bars stand at 0, 1, 2 ... on a value axis, which labels only some of them.
    plot.valueAxis = new QCategoryAxis;
    plot.valueAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    plot.valueAxis->setGridLineVisible(false);
    plot.countAxis = new QValueAxis;
    plot.countAxis->setTickType(QValueAxis::TicksDynamic);
    plot.countAxis->setTickAnchor(0);
    plot.countAxis->setLabelFormat(QStringLiteral("%.0f"));
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(plot.valueAxis),
                                static_cast<QAbstractAxis*>(plot.countAxis)}) {
        axis->setLabelsFont(ChartFont(10));
        axis->setTitleFont(ChartFont(10));
    }
    plot.chart->addAxis(plot.valueAxis, Qt::AlignBottom);
    plot.chart->addAxis(plot.countAxis, Qt::AlignLeft);
    series->attachAxis(plot.valueAxis);
    series->attachAxis(plot.countAxis);

    plot.view = new QChartView(plot.chart, this);
    plot.view->setRenderHint(QPainter::Antialiasing);
    plot.view->setMinimumSize(200, 150);
    plot.view->viewport()->installEventFilter(this);
    plot.view->viewport()->setCursor(Qt::PointingHandCursor);
}

void StatCharts::Show(const StatBars& frequency, const StatBars& gaps) {
    Fill(plots_[Frequency], frequency);
    Fill(plots_[Gaps], gaps);
    const int count = static_cast<int>(frequency.values.size());
    QList<QPointF> line;
    if (frequency.expected && count > 0)
        line = {{-0.5, *frequency.expected}, {count - 0.5, *frequency.expected}};
    expected_->replace(line);
    expected_->setName(Text(frequency.expectedName));
}

void StatCharts::Fill(Plot& plot, const StatBars& data) {
    plot.chart->setTitle(Text(data.title));
    plot.valueAxis->setTitleText(Text(data.valueAxis));
    plot.countAxis->setTitleText(Text(data.countAxis));
    plot.values = data.values;
    plot.bars->deselectAllBars();
    plot.bars->remove(0, plot.bars->count());
    QList<qreal> heights(data.heights.begin(), data.heights.end());
    plot.bars->append(heights);

    const int count = static_cast<int>(data.values.size());
    for (const QString& label : plot.valueAxis->categoriesLabels())
        plot.valueAxis->remove(label);
    for (int bar = 0; bar < count; ++bar) {
        const std::int32_t value = data.values[static_cast<std::size_t>(bar)];
        if (count <= kAllLabels || bar == 0 || value % 5 == 0)
            plot.valueAxis->append(QString::number(value), bar);
    }
    plot.valueAxis->setStartValue(-0.5);
    plot.valueAxis->setRange(-0.5, std::max(count, 1) - 0.5);
    // A list without rows has no values to label: its axis title would float in a corner.
    plot.valueAxis->setVisible(count > 0);

    // The line of the expected count stays inside the chart too.
    double top = data.expected.value_or(0.0);
    for (double height : data.heights)
        top = std::max(top, height);
    const double step = CountStep(top);
    plot.countAxis->setTickInterval(step);
    plot.countAxis->setRange(0, std::max(step, std::ceil(top / step) * step));
}

void StatCharts::MarkValue(std::optional<std::int32_t> value) {
    for (Plot& plot : plots_) {
        plot.bars->deselectAllBars();
        if (!value)
            continue;
        const auto at = std::find(plot.values.begin(), plot.values.end(), *value);
        if (at != plot.values.end())
            plot.bars->selectBar(static_cast<int>(at - plot.values.begin()));
    }
}

QString StatCharts::Title(Chart chart) const {
    return plots_[chart].chart->title();
}

QString StatCharts::ValueAxisTitle(Chart chart) const {
    return plots_[chart].valueAxis->titleText();
}

QString StatCharts::CountAxisTitle(Chart chart) const {
    return plots_[chart].countAxis->titleText();
}

int StatCharts::BarCount(Chart chart) const {
    return plots_[chart].bars->count();
}

double StatCharts::BarHeight(Chart chart, int bar) const {
    return plots_[chart].bars->at(bar);
}

std::optional<double> StatCharts::ExpectedLevel() const {
    if (expected_->count() == 0)
        return std::nullopt;
    return expected_->at(0).y();
}

QWidget* StatCharts::ChartWidget(Chart chart) const {
    return plots_[chart].view->viewport();
}

QPoint StatCharts::PointAt(Chart chart, int bar, double height) const {
    const Plot& plot = plots_[chart];
    const QPointF inChart =
        plot.chart->mapToPosition(QPointF(bar, height), plot.chart->series().first());
    return plot.view->mapFromScene(plot.chart->mapToScene(inChart));
}

double StatCharts::CountAxisMaximum(Chart chart) const {
    return plots_[chart].countAxis->max();
}

bool StatCharts::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        for (const Plot& plot : plots_)
            if (watched == plot.view->viewport() && mouse->button() == Qt::LeftButton)
                Click(plot, mouse->position().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

void StatCharts::Click(const Plot& plot, const QPoint& at) {
    // Anywhere in the plot above a bar's place counts, so that a short bar is easy to hit.
    const QPointF inChart = plot.chart->mapFromScene(plot.view->mapToScene(at));
    if (!plot.chart->plotArea().contains(inChart))
        return;
    const QPointF value = plot.chart->mapToValue(inChart, plot.chart->series().first());
    const long bar = std::lround(value.x());
    if (bar >= 0 && bar < static_cast<long>(plot.values.size()))
        emit valueClicked(plot.values[static_cast<std::size_t>(bar)]);
}

} // namespace quintaro
