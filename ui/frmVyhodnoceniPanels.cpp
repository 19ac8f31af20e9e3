// The panels of the evaluation's tabs: the two charts and the overview of
// errors and pauses.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/twips.h"
#include "ui/evaluationchart.h"
#include "ui/frmVyhodnoceni.h"
#include "ui/named.h"

namespace tymba {
namespace {

QString itemName(const char* name, int item) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(item);
}

QLabel* columnLabel(const QString& name, QWidget* parent, Qt::Alignment alignment) {
  auto* label = named(new QLabel(parent), name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment | Qt::AlignTop);
  return label;
}

// One table of characters with its caption: two sets of three columns.
QGroupBox* characterTable(const QString& name, const QString& caption, const char* const names[3],
                          const char* const secondDash, std::array<QLabel*, 2>* columns[3]) {
  auto* box = named(new QGroupBox(caption), name);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(8);
  for (int item = 0; item < 2; ++item) {
    for (int c = 0; c < 3; ++c) {
      const QString label = c == 1
                                ? (item == 0 ? QLatin1String(names[1]) : QLatin1String(secondDash))
                                : itemName(names[c], item);
      (*columns[c])[item] = columnLabel(label, box, c == 2 ? Qt::AlignRight : Qt::AlignHCenter);
      grid->addWidget((*columns[c])[item], 0, item * 4 + c);
    }
  }
  grid->setColumnMinimumWidth(3, 40);
  grid->setColumnStretch(7, 1);
  return box;
}

}  // namespace

QWidget* frmVyhodnoceni::buildChartPanel(ChartPanel& panel, int item, const char* chartName) {
  panel.picGraf = named(new QWidget(this), itemName("picGraf", item));
  panel.view = named(new QWidget(panel.picGraf), QStringLiteral("picGraf%1").arg(item));
  panel.view->setMinimumSize(twipsToPixels(kDesignedChartTwips), twipsToPixels(kChartHeightTwips));
  panel.view->setBackgroundRole(QPalette::Base);
  panel.view->setAutoFillBackground(true);
  panel.view->installEventFilter(this);
  panel.chart = named(new EvaluationChartView(panel.view), QString::fromLatin1(chartName));
  panel.scroll =
      named(new QScrollBar(Qt::Horizontal, panel.picGraf), QStringLiteral("hscScroll%1").arg(item));
  panel.scroll->setSingleStep(twipsToPixels(kWideningTwipsPerSample) * 2);
  panel.zkratit = named(new QPushButton(QStringLiteral("Zkrátit"), panel.picGraf),
                        QLatin1String(item == 1 ? "cmdZkratitRychlost" : "cmdZkratitPresnost"));
  connect(panel.scroll, &QScrollBar::valueChanged, this,
          [this, &panel](int value) { hscScroll_Change(panel, value); });
  connect(panel.zkratit, &QPushButton::clicked, this, [this, &panel] { cmdZkratit_Click(panel); });
  auto* layout = new QVBoxLayout(panel.picGraf);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(panel.view, 1);
  layout->addWidget(panel.scroll);
  layout->addWidget(panel.zkratit, 0, Qt::AlignLeft);
  panel.picGraf->hide();
  return panel.picGraf;
}

QWidget* frmVyhodnoceni::buildErrorOverview() {
  picPrehledChyb = named(new QScrollArea(this), QStringLiteral("picPrehledChyb"));
  auto* scroll = static_cast<QScrollArea*>(picPrehledChyb);
  scroll->setWidgetResizable(true);
  auto* inside = new QWidget();
  const char* const errorNames[3] = {"lblSeznamChyb", "lblPomlcka", "lblSeznamChyb1"};
  std::array<QLabel*, 2>* errorColumns[3] = {&lblSeznamChyb, &lblPomlcky, &lblSeznamChyb1};
  const char* const pauseNames[3] = {"lblSeznamProdlev", "lblPomlckaProdlevy", "lblProdleva"};
  std::array<QLabel*, 2>* pauseColumns[3] = {&lblSeznamProdlev, &lblPomlckaProdlevy, &lblProdleva};
  auto* errors = characterTable(QStringLiteral("fraSeznamChyb"),
                                QStringLiteral("Seznam chyb, které ste během testu napsali:"),
                                errorNames, "lblPomlcka1", errorColumns);
  pauseTable_ = characterTable(QStringLiteral("fraProdlevy"),
                               QStringLiteral("Časové pomlky mezi jednotlivými písmeny"),
                               pauseNames, "lblPomlckaProdlevy(1)", pauseColumns);
  // The dash columns of the pauses are an array too.
  lblPomlckaProdlevy[0]->setObjectName(itemName("lblPomlckaProdlevy", 0));
  auto* layout = new QHBoxLayout(inside);
  layout->addWidget(errors, 0, Qt::AlignTop);
  layout->addWidget(pauseTable_, 0, Qt::AlignTop);
  layout->addStretch();
  scroll->setWidget(inside);
  picPrehledChyb->hide();
  return picPrehledChyb;
}

}  // namespace tymba
