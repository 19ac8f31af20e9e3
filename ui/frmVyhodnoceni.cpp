#include "ui/frmVyhodnoceni.h"

#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/twips.h"
#include "ui/application.h"
#include "ui/centring.h"
#include "ui/evaluationchart.h"
#include "ui/evaluationpdf.h"
#include "ui/filedialogs.h"
#include "ui/localeformat.h"
#include "ui/messages.h"
#include "ui/protocolpanel.h"
#include "ui/textconvert.h"

namespace tymba {
namespace {

const QString kZkratit = QStringLiteral("Zkrátit");
const QString kRozsirit = QStringLiteral("Rozšířit");
// "Zkrátit" leaves this much of the panel beside the chart.
constexpr int kShortenedMarginTwips = 60;

const char* const kTabCaptions[] = {"Protokol", "Graf Rychlosti", "Graf chyb", "Přehled chyb"};

}  // namespace

frmVyhodnoceni::frmVyhodnoceni(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("frmVyhodnoceni"));
  setWindowTitle(QStringLiteral("Vyhodnocení"));
  setAttribute(Qt::WA_DeleteOnClose);

  Label11 = new QLabel(
      QStringLiteral(
          "Ve vyhodnocení si můžete podrobně prohlédnout stav a výsledek vašeho testu. Mezi "
          "hlavní položky zde patří Hrubé úhozy, Počet chyb, Čisté úhozy, Čisté úhozy za "
          "minutu a Procento chyb. Dále si můžete prohlédnout, kde všude ste udělali chybu, "
          "abyste se jich příště vyvarovali. A také poslouží graf Rychlosti úhozů."),
      this);
  Label11->setObjectName(QStringLiteral("Label11"));
  Label11->setWordWrap(true);
  auto* grid = new QGridLayout();
  values_ = addResultValues(this, *grid);

  TabStrip1 = new QTabBar(this);
  TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
  TabStrip1->setExpanding(false);
  for (const char* caption : kTabCaptions) TabStrip1->addTab(QString::fromUtf8(caption));

  picProtokol = new QWidget(this);
  picProtokol->setObjectName(QStringLiteral("picProtokol"));
  protocol_ = new ProtocolPanel(picProtokol);
  auto* protocolLayout = new QVBoxLayout(picProtokol);
  protocolLayout->setContentsMargins(0, 0, 0, 0);
  protocolLayout->addWidget(protocol_);

  auto* panels = new QVBoxLayout();
  panels->setContentsMargins(0, 0, 0, 0);
  panels->addWidget(picProtokol);
  panels->addWidget(buildChartPanel(charts_[0], 1, "mchGrafRychlosti"));
  panels->addWidget(buildChartPanel(charts_[1], 2, "mchGrafPresnosti"));
  panels->addWidget(buildErrorOverview());
  connect(TabStrip1, &QTabBar::currentChanged, this, &frmVyhodnoceni::TabStrip1_Click);

  cmdZavrit = new QPushButton(QStringLiteral("Zavřít"), this);
  cmdZavrit->setObjectName(QStringLiteral("cmdZavrit"));
  cmdZavrit->setDefault(true);
  connect(cmdZavrit, &QPushButton::clicked, this, &QDialog::accept);

  cmdUlozitPdf = new QPushButton(QStringLiteral("Uložit PDF..."), this);
  cmdUlozitPdf->setObjectName(QStringLiteral("cmdUlozitPdf"));
  connect(cmdUlozitPdf, &QPushButton::clicked, this, &frmVyhodnoceni::cmdUlozitPdf_Click);

  auto* buttons = new QHBoxLayout();
  buttons->addWidget(cmdUlozitPdf);
  buttons->addStretch();
  buttons->addWidget(cmdZavrit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label11);
  layout->addLayout(grid);
  layout->addWidget(TabStrip1);
  layout->addLayout(panels, 1);
  layout->addLayout(buttons);
}

void frmVyhodnoceni::Form_Load() {
  SharedState& stav = context_.stav;
  fillTables();
  clampNetValues(stav);
  const std::u16string shown[] = {stav.NazevTestu, stav.CasVysledku, stav.DobaVysledku + u" min"};
  for (int n = 0; n < 3; ++n) values_[n]->setText(toQString(shown[n]));
  values_[3]->setText(wholeNumberText(stav.HrubeUhozy));
  values_[4]->setText(wholeNumberText(stav.PocetChyb));
  values_[5]->setText(wholeNumberText(stav.CisteUhozy));
  values_[6]->setText(wholeNumberText(stav.CisteUhozyMin));
  values_[7]->setText(fixed4Text(stav.ProcentoChyb));
  protocol_->showProtocol(stav.ProtokolNapsany, stav.ProtokolOznaceny);
  pauseTable_->setVisible(stav.DruhTestu == TestKind::Vyuka);

  const EvaluationLayout layout =
      evaluationLayout(stav, kDesignedChartTwips, pixelsToTwips(charts_[0].view->minimumWidth()));
  // Backwards, so that each tab's index is still its place in the captions.
  for (int index = TabStrip1->count() - 1; index >= 0; --index) {
    if (std::find(layout.tabs.begin(), layout.tabs.end(), EvaluationTab(index)) ==
        layout.tabs.end())
      TabStrip1->removeTab(index);
  }
  showCharts(layout);
  // Every tab's panel as large as a chart's, so the window keeps its size.
  const QSize panelSize = charts_[0].picGraf->sizeHint();
  picProtokol->setMinimumSize(panelSize);
  picPrehledChyb->setMinimumSize(panelSize);
  TabStrip1->setCurrentIndex(0);
  TabStrip1_Click(0);
  adjustSize();
  centreOnScreen(*this);
}

void frmVyhodnoceni::fillTables() {
  const TwoColumnSets errors = errorTable(context_.stav);
  const QString decimal = QLocale().decimalPoint();
  const TwoColumnSets pauses =
      pauseTable(context_.stav, decimal.isEmpty() ? u'.' : decimal[0].unicode());
  for (int item = 0; item < 2; ++item) {
    lblSeznamChyb[item]->setText(toBox(errors[item].characters));
    lblPomlcky[item]->setText(toBox(errors[item].dashes));
    lblSeznamChyb1[item]->setText(toBox(errors[item].values));
    lblSeznamProdlev[item]->setText(toBox(pauses[item].characters));
    lblPomlckaProdlevy[item]->setText(toBox(pauses[item].dashes));
    lblProdleva[item]->setText(toBox(pauses[item].values));
  }
}

// The panel of the chosen tab shows; the others hide.
void frmVyhodnoceni::TabStrip1_Click(int index) {
  if (index < 0) return;
  const QString caption = TabStrip1->tabText(index);
  picProtokol->setVisible(caption == QString::fromUtf8(kTabCaptions[0]));
  charts_[0].picGraf->setVisible(caption == QString::fromUtf8(kTabCaptions[1]));
  charts_[1].picGraf->setVisible(caption == QString::fromUtf8(kTabCaptions[2]));
  picPrehledChyb->setVisible(caption == QString::fromUtf8(kTabCaptions[3]));
}

void frmVyhodnoceni::showCharts(const EvaluationLayout& layout) {
  const std::vector<ChartRow>* rows[] = {&layout.speed, &layout.errors};
  const QString titles[] = {speedAxisTitle(), errorAxisTitle()};
  for (int n = 0; n < 2; ++n) {
    ChartPanel& panel = charts_[n];
    panel.zkratit->setVisible(layout.wideCharts);
    panel.scroll->setVisible(layout.wideCharts);
    panel.fullWidth = twipsToPixels(layout.chartTwips);
    panel.chart->resize(panel.fullWidth, panel.view->minimumHeight());
    panel.chart->move(0, 0);
    if (!rows[n]->empty()) panel.chart->showRows(*rows[n], titles[n]);
    fitChart(panel);
  }
}

// The chart fills the viewport's height; shortened it also fills its width,
// and the scroll bar reaches as far as the chart is wider than the viewport.
void frmVyhodnoceni::fitChart(ChartPanel& panel) {
  const bool shortened = panel.zkratit->text() == kRozsirit;
  const int width =
      shortened ? panel.picGraf->width() - twipsToPixels(kShortenedMarginTwips) : panel.fullWidth;
  panel.chart->resize(width, panel.view->height());
  panel.scroll->setMaximum(std::max(0, panel.fullWidth - panel.view->width()));
  panel.scroll->setPageStep(panel.view->width());
}

void frmVyhodnoceni::cmdZkratit_Click(ChartPanel& panel) {
  if (panel.zkratit->text() == kZkratit) {
    panel.chart->move(0, 0);
    panel.scroll->setValue(0);
    panel.scroll->hide();
    panel.zkratit->setText(kRozsirit);
  } else {
    panel.scroll->show();
    panel.zkratit->setText(kZkratit);
  }
  fitChart(panel);
}

void frmVyhodnoceni::hscScroll_Change(ChartPanel& panel, int value) {
  panel.chart->move(-value, 0);
}

// The evaluation as a PDF in the user's folder unless the user goes
// elsewhere; a name without an extension gets ".pdf".
void frmVyhodnoceni::cmdUlozitPdf_Click() {
  QString path = context_.files.saveFileName(
      this, {QStringLiteral("Uložit PDF"), QString::fromStdString(context_.folders.user.string()),
             QStringLiteral("Dokument PDF (*.pdf)")});
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  const QString failure = writeEvaluationPdf(context_.stav, path);
  if (!failure.isEmpty())
    context_.messages.show(failure, QStringLiteral("Chyba"), MessageIcon::Critical);
}

bool frmVyhodnoceni::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    for (ChartPanel& panel : charts_)
      if (watched == panel.view) fitChart(panel);
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace tymba
