// The charts of the progress window, in a module of their own: Qt Charts
// (and the OpenGL libraries it brings) are loaded only when a learner first
// opens the window, not when the program starts. The module knows nothing
// of the program but the plain data of stats/ChartSpec.h.
#include <QDate>
#include <QPainter>
#include <QtCharts/QAreaSeries>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>
#include <cmath>

#include "stats/ChartSpec.h"

namespace {

using zq::ChartSpec;

constexpr qreal kDayMs = 86'400'000;

QDateTime StartOf(std::int32_t day) {
    return QDate(1970, 1, 1).addDays(day).startOfDay();
}

// The middle of a day on the time axis.
qreal DayToAxis(std::int32_t day) {
    return static_cast<qreal>(StartOf(day).toMSecsSinceEpoch()) + kDayMs / 2;
}

// Steps of whole days: the most ticks (up to nine) that divide the days
// evenly.
int TickCount(std::int32_t days) {
    for (int steps = 8; steps >= 2; --steps)
        if (days % steps == 0) return steps + 1;
    return 2;
}

// The value axis is labelled in whole numbers, so its ticks must fall on
// whole numbers too: a step of 1, 2 or 5 times a power of ten, at most five
// steps, from a multiple of the step at or below the smallest value to one
// at or above the largest (at least one step, even for a chart without data).
struct WholeNumberScale {
    double low = 0;
    double high = 1;
    int ticks = 2;
};

WholeNumberScale ScaleFor(double smallest, double largest) {
    constexpr double kMostSteps = 5;
    const double span = std::max(1.0, std::ceil(largest) - std::floor(smallest));
    double step = 1;
    for (double power = 1; span / step > kMostSteps; power *= 10)
        for (double factor : {1.0, 2.0, 5.0}) {
            step = factor * power;
            if (span / step <= kMostSteps) break;
        }
    WholeNumberScale scale;
    scale.low = std::floor(smallest / step) * step;
    scale.high = std::max(scale.low + step, std::ceil(largest / step) * step);
    scale.ticks = static_cast<int>(std::lround((scale.high - scale.low) / step)) + 1;
    return scale;
}

QValueAxis* ValueAxis(const ChartSpec& spec) {
    auto* axis = new QValueAxis;
    axis->setTitleText(QString::fromStdString(spec.valueAxisUtf8));
    const WholeNumberScale scale = ScaleFor(spec.smallestValue, spec.largestValue);
    axis->setRange(scale.low, scale.high);
    axis->setTickCount(scale.ticks);
    axis->setLabelFormat(QStringLiteral("%d"));
    return axis;
}

QDateTimeAxis* DayAxis(const ChartSpec& spec) {
    auto* axis = new QDateTimeAxis;
    axis->setFormat(QString::fromStdString(spec.dateFormatUtf8));
    axis->setTickCount(TickCount(spec.lastDay - spec.firstDay + 1));
    axis->setRange(StartOf(spec.firstDay), StartOf(spec.lastDay + 1));
    return axis;
}

QLineSeries* LineOf(const zq::ChartSeries& data) {
    auto* series = new QLineSeries;
    series->setName(QString::fromStdString(data.nameUtf8));
    for (const zq::ChartPoint& point : data.points) series->append(DayToAxis(point.day), point.value);
    series->setPointsVisible(true);
    return series;
}

// Bars on a time axis: an area whose outline rises to each day's value for
// most of the day and falls back to zero between days.
QAreaSeries* BarsOf(const zq::ChartSeries& data) {
    constexpr qreal kHalfBar = 0.4 * kDayMs;
    auto* outline = new QLineSeries;
    for (const zq::ChartPoint& point : data.points) {
        const qreal middle = DayToAxis(point.day);
        *outline << QPointF(middle - kHalfBar, 0) << QPointF(middle - kHalfBar, point.value)
                 << QPointF(middle + kHalfBar, point.value) << QPointF(middle + kHalfBar, 0);
    }
    auto* bars = new QAreaSeries(outline);
    bars->setName(QString::fromStdString(data.nameUtf8));
    return bars;
}

QChart* ChartOf(const ChartSpec& spec) {
    auto* chart = new QChart;
    chart->setTitle(QString::fromStdString(spec.titleUtf8));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QDateTimeAxis* days = DayAxis(spec);
    QValueAxis* values = ValueAxis(spec);
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (const zq::ChartSeries& data : spec.series) {
        QAbstractSeries* series = spec.bars ? static_cast<QAbstractSeries*>(BarsOf(data)) : LineOf(data);
        chart->addSeries(series);
        series->attachAxis(days);
        series->attachAxis(values);
    }
    chart->legend()->setVisible(spec.series.size() > 1);
    return chart;
}

}  // namespace

extern "C" Q_DECL_EXPORT void* ZqCreateProgressChart(const ChartSpec* spec, void* parent) {
    auto* view = new QChartView(ChartOf(*spec), static_cast<QWidget*>(parent));
    view->setRenderHint(QPainter::Antialiasing);
    // Screen readers find the drawing area inside the view: it is the chart.
    view->viewport()->setAccessibleName(QString::fromStdString(spec->titleUtf8));
    return view;
}
