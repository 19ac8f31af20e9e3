#include "ui/evaluationchart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetrics>
#include <QLineSeries>
#include <QPalette>
#include <QValueAxis>
#include <algorithm>

#include "ui/textconvert.h"

namespace tymba {
namespace {

// Room the value axis, its title and the chart's margins take from the width.
constexpr int kValueAxisRoom = 90;
// Points are marked while they are this far apart at least.
constexpr int kPointMarkSpacing = 12;

QCategoryAxis* timeAxis(const QChart& chart) {
  const auto axes = chart.axes(Qt::Horizontal);
  return axes.isEmpty() ? nullptr : qobject_cast<QCategoryAxis*>(axes.first());
}

void paintAxis(QAbstractAxis& axis, const QPalette& palette, const QString& title) {
  axis.setTitleText(title);
  axis.setTitleBrush(palette.windowText());
  axis.setLabelsBrush(palette.windowText());
  axis.setLinePen(QPen(palette.color(QPalette::Dark)));
  axis.setGridLinePen(QPen(palette.color(QPalette::Midlight)));
}

}  // namespace

QChart* buildEvaluationChart(const std::vector<ChartRow>& rows, const QString& valueTitle,
                             const QPalette& palette) {
  auto* chart = new QChart();
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->legend()->hide();
  chart->setBackgroundBrush(palette.base());
  chart->setBackgroundRoundness(0);

  auto* series = new QLineSeries(chart);
  int largest = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    series->append(double(r + 1), rows[r].value);
    largest = std::max(largest, rows[r].value);
  }
  series->setPen(QPen(palette.color(QPalette::Highlight), 2));
  chart->addSeries(series);

  auto* time = new QCategoryAxis(chart);
  time->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  time->setRange(0.5, double(rows.size()) + 0.5);
  paintAxis(*time, palette, QStringLiteral("Čas od začátku testu"));
  chart->addAxis(time, Qt::AlignBottom);
  series->attachAxis(time);

  const ValueAxis scale = valueAxis(largest);
  auto* values = new QValueAxis(chart);
  values->setRange(0, scale.top);
  values->setTickType(QValueAxis::TicksDynamic);
  values->setTickAnchor(0);
  values->setTickInterval(scale.step);
  values->setLabelFormat(QStringLiteral("%d"));
  paintAxis(*values, palette, valueTitle);
  chart->addAxis(values, Qt::AlignLeft);
  series->attachAxis(values);
  return chart;
}

void labelSamples(QChart& chart, const std::vector<ChartRow>& rows, int chartWidth) {
  QCategoryAxis* time = timeAxis(chart);
  if (!time || rows.empty()) return;
  const QFontMetrics metrics(time->labelsFont());
  // The longest name is the last one; an em apart from the next.
  const int labelWidth =
      metrics.horizontalAdvance(toQString(rows.back().label)) + metrics.horizontalAdvance('M');
  const int plotWidth = std::max(1, chartWidth - kValueAxisRoom);
  const int step = labelStep(int(rows.size()), plotWidth, labelWidth);
  // The last name may stand at the right edge of the plot: half of it beyond.
  chart.setMargins(QMargins(4, 4, labelWidth / 2, 4));
  for (const QString& old : time->categoriesLabels()) time->remove(old);
  for (std::size_t r = step; r <= rows.size(); r += step)
    time->append(toQString(rows[r - 1].label), double(r));
  const auto series = chart.series();
  if (auto* line = series.isEmpty() ? nullptr : qobject_cast<QLineSeries*>(series.first()))
    line->setPointsVisible(plotWidth >= kPointMarkSpacing * int(rows.size()));
}

EvaluationChartView::EvaluationChartView(QWidget* parent) : QChartView(parent) {
  setRenderHint(QPainter::Antialiasing);
  setFrameShape(QFrame::NoFrame);
}

void EvaluationChartView::showRows(const std::vector<ChartRow>& rows, const QString& valueTitle) {
  rows_ = rows;
  QChart* old = chart();
  setChart(buildEvaluationChart(rows_, valueTitle, palette()));
  delete old;
  labelSamples(*chart(), rows_, width());
}

void EvaluationChartView::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  if (!rows_.empty()) labelSamples(*chart(), rows_, width());
}

}  // namespace tymba
