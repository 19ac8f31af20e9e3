#pragma once
// The detailed evaluation of the run just scored, opened from the result
// window: the run's values, its protocol, the speed chart and for lessons the
// error chart, and the tables of wrongly typed characters and of the pauses
// before each character. It reads the shared state the result window has
// filled; only negative net values are put right there, to 0.

#include <QDialog>
#include <array>

#include "core/evaluation.h"
#include "ui/resultvalues.h"

class QLabel;
class QPushButton;
class QScrollBar;
class QTabBar;

namespace tymba {

struct AppContext;
class EvaluationChartView;
class ProtocolPanel;

class frmVyhodnoceni : public QDialog {
  Q_OBJECT
 public:
  explicit frmVyhodnoceni(AppContext& context, QWidget* parent = nullptr);

  // Shows the shared state's run.
  void Form_Load();

  // The charts are designed this wide and high; the panel that shows a chart
  // is as wide as the chart at first.
  static constexpr int kDesignedChartTwips = 10500;
  static constexpr int kChartHeightTwips = 4200;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A chart's tab: the panel picGraf(item), the viewport picGraf1 or
  // picGraf2 the chart moves in, the scroll bar and the button under it.
  struct ChartPanel {
    QWidget* picGraf = nullptr;
    QWidget* view = nullptr;
    EvaluationChartView* chart = nullptr;
    QScrollBar* scroll = nullptr;
    QPushButton* zkratit = nullptr;
    int fullWidth = 0;  // pixels: the chart's width after loading
  };
  QWidget* buildChartPanel(ChartPanel& panel, int item, const char* chartName);
  QWidget* buildErrorOverview();
  void fillTables();
  void showCharts(const EvaluationLayout& layout);
  void fitChart(ChartPanel& panel);

  void TabStrip1_Click(int index);
  void cmdZkratit_Click(ChartPanel& panel);
  void hscScroll_Change(ChartPanel& panel, int value);
  void cmdUlozitPdf_Click();

  AppContext& context_;
  QLabel* Label11 = nullptr;
  ResultValueLabels values_{};
  QTabBar* TabStrip1 = nullptr;
  QWidget* picProtokol = nullptr;
  ProtocolPanel* protocol_ = nullptr;
  std::array<ChartPanel, 2> charts_{};  // speed, errors
  QWidget* picPrehledChyb = nullptr;
  QWidget* pauseTable_ = nullptr;
  // Items 0 and 1: the first and the second set of columns.
  std::array<QLabel*, 2> lblSeznamChyb{}, lblPomlcky{}, lblSeznamChyb1{};
  std::array<QLabel*, 2> lblSeznamProdlev{}, lblPomlckaProdlevy{}, lblProdleva{};
  QPushButton* cmdUlozitPdf = nullptr;
  QPushButton* cmdZavrit = nullptr;
};

}  // namespace tymba
