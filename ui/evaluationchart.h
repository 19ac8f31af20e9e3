#pragma once
// The charts of the evaluation: the keystrokes (or errors) of each 5 seconds
// of a run as one line over the run's time, on a value axis from 0 with round
// ticks, in the desktop's colours. The time axis names every sample while
// there is room and every n-th one (10 sec, 15 sec, 30 sec, a minute, ...)
// when the names would run into each other, so they stay readable at any
// width. One function builds the chart, so a printed copy draws the same one.

#include <QChartView>
#include <QString>
#include <vector>

#include "core/evaluation.h"

class QChart;
class QPalette;

namespace tymba {

// The value axes' titles, in the window and in the printed copy alike.
inline QString speedAxisTitle() { return QStringLiteral("Úhozy za 5 sekund"); }
inline QString errorAxisTitle() { return QStringLiteral("Chyby za 5 sekund"); }

// A new chart of `rows`, its value axis titled `valueTitle`.
QChart* buildEvaluationChart(const std::vector<ChartRow>& rows, const QString& valueTitle,
                             const QPalette& palette);

// Names the samples on the time axis of a chart `chartWidth` pixels wide.
void labelSamples(QChart& chart, const std::vector<ChartRow>& rows, int chartWidth);

class EvaluationChartView : public QChartView {
  Q_OBJECT
 public:
  explicit EvaluationChartView(QWidget* parent = nullptr);
  void showRows(const std::vector<ChartRow>& rows, const QString& valueTitle);

 protected:
  // A new width names more or fewer samples.
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::vector<ChartRow> rows_;
};

}  // namespace tymba
