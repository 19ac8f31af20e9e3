#include "ui/evaluationpdf.h"

#include <QBuffer>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QScreen>
#include <algorithm>
#include <filesystem>

#include "core/evaluation.h"
#include "storage/textfile.h"
#include "ui/evaluationchart.h"
#include "ui/localeformat.h"
#include "ui/resultcaptions.h"
#include "ui/textconvert.h"

namespace tymba {
namespace {

// The page's units are the pixels the charts lay out their text in (the
// screen's logical resolution, by which fonts are measured off any device),
// so what they measure is what is drawn.
int layoutDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? qRound(screen->logicalDotsPerInchY()) : 96;
}

constexpr double kMarginMillimetres = 15;
constexpr double kChartHeight = 220;  // in the page's units, its screen pixels
constexpr double kGap = 12;
const QColor kErrorColour(0xc0, 0x00, 0x00);

// Fonts that hold every Czech letter (fonts-liberation2), embedded by Qt.
QFont pageFont(double points, bool bold = false) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont protocolFont() {
  QFont font(QStringLiteral("Liberation Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(9);
  return font;
}

// Paper colours, whatever the desktop's theme.
QPalette printPalette() {
  QPalette palette(Qt::black, Qt::white);
  palette.setColor(QPalette::Highlight, QColor(0x1f, 0x4e, 0xa8));
  palette.setColor(QPalette::Dark, Qt::darkGray);
  palette.setColor(QPalette::Midlight, QColor(0xdd, 0xdd, 0xdd));
  return palette;
}

// One piece of a wrapped protocol line: its first character in the typed
// text and its length; `markedBreak` when the line break after it is an error.
struct Piece {
  std::size_t start = 0;
  std::size_t length = 0;
  bool markedBreak = false;
};

bool isBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

// The typed text cut at its line breaks and, within a line, after the last
// blank that lets a piece fit `columns`, else at `columns`.
std::vector<Piece> wrapProtocol(std::u16string_view typed, std::u16string_view marked,
                                std::size_t columns) {
  std::vector<Piece> pieces;
  std::size_t i = 0;
  while (i <= typed.size()) {
    std::size_t end = i;
    while (end < typed.size() && !isBreak(typed[end])) ++end;
    for (std::size_t start = i; start < end || start == i;) {
      std::size_t cut = std::min(end, start + columns);
      if (cut < end) {
        const std::size_t blank = typed.substr(start, cut - start).find_last_of(u' ');
        if (blank != std::u16string_view::npos && blank > 0) cut = start + blank + 1;
      }
      pieces.push_back({start, cut - start, false});
      if (cut >= end) break;
      start = cut;
    }
    if (end >= typed.size()) break;
    pieces.back().markedBreak = end < marked.size() && marked[end] == u'_';
    i = end + (typed[end] == u'\r' && end + 1 < typed.size() && typed[end + 1] == u'\n' ? 2 : 1);
  }
  return pieces;
}

class PageWriter {
 public:
  explicit PageWriter(QPdfWriter& writer)
      : writer_(writer), painter_(&writer), width_(writer.width()), height_(writer.height()) {}

  // Starts a new page unless `height` still fits on this one.
  void reserve(double height) {
    if (y_ + height <= height_ || y_ == 0) return;
    writer_.newPage();
    y_ = 0;
  }

  void heading(const QString& text, double points = 13) {
    const QFont font = pageFont(points, true);
    const double lineHeight = metrics(font).lineSpacing();
    reserve(lineHeight * 3);  // never alone at a page's foot
    y_ += y_ == 0 ? 0 : kGap;
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QPointF(0, y_ + metrics(font).ascent()), text);
    y_ += lineHeight + kGap / 2;
  }

  void values(const SharedState& stav) {
    const QString shown[8] = {toQString(stav.NazevTestu),
                              toQString(stav.CasVysledku),
                              toQString(stav.DobaVysledku) + QStringLiteral(" min"),
                              wholeNumberText(stav.HrubeUhozy),
                              wholeNumberText(stav.PocetChyb),
                              wholeNumberText(std::max(0, stav.CisteUhozy)),
                              wholeNumberText(std::max(0, stav.CisteUhozyMin)),
                              fixed4Text(stav.ProcentoChyb)};
    const QFont font = pageFont(10), bold = pageFont(10, true);
    const QFontMetricsF measured = metrics(font);
    for (int n = 0; n < 8; ++n) {
      painter_.setFont(font);
      painter_.drawText(QPointF(0, y_ + measured.ascent()), QString::fromUtf8(kResultCaptions[n]));
      painter_.setFont(bold);
      painter_.drawText(QPointF(width_ * 0.35, y_ + measured.ascent()), shown[n]);
      y_ += measured.lineSpacing();
    }
  }

  // The typed text; every error position red and underlined. The runs of
  // a line stand where the page's own font metrics put them, so the line
  // reads (and copies) as it was typed.
  void protocol(std::u16string_view typed, std::u16string_view marked) {
    const QFont font = protocolFont();
    const QFontMetricsF measured = metrics(font);
    const double advance = measured.horizontalAdvance(QLatin1Char('M'));
    const double lineHeight = measured.lineSpacing();
    painter_.setFont(font);
    const auto isError = [&](std::size_t i) { return i < marked.size() && marked[i] == u'_'; };
    for (const Piece& piece :
         wrapProtocol(typed, marked, std::max<std::size_t>(1, std::size_t(width_ / advance)))) {
      reserve(lineHeight);
      const double baseline = y_ + measured.ascent();
      const auto x = [&](std::size_t i) {
        return measured.horizontalAdvance(toQString(typed.substr(piece.start, i - piece.start)));
      };
      std::size_t run = piece.start;
      const std::size_t end = piece.start + piece.length;
      while (run < end) {
        const bool error = isError(run);
        std::size_t next = run + 1;
        while (next < end && isError(next) == error) ++next;
        painter_.setPen(error ? kErrorColour : QColor(Qt::black));
        painter_.drawText(QPointF(x(run), baseline), toQString(typed.substr(run, next - run)));
        if (error) underline(x(run), baseline, x(next) - x(run), measured);
        run = next;
      }
      if (piece.markedBreak) underline(x(end), baseline, advance, measured);
      y_ += lineHeight;
    }
    painter_.setPen(Qt::black);
  }

  // A chart as vector graphics, drawn by the window's own chart builder.
  void chart(const std::vector<ChartRow>& rows, const QString& valueTitle) {
    reserve(kChartHeight);
    QGraphicsScene scene;
    QChart* chart = buildEvaluationChart(rows, valueTitle, printPalette());
    scene.addItem(chart);  // the scene deletes it
    chart->setGeometry(QRectF(0, 0, width_, kChartHeight));
    labelSamples(*chart, rows, int(width_));
    chart->layout()->activate();  // the axes are placed now, not on the next event loop turn
    scene.render(&painter_, QRectF(0, y_, width_, kChartHeight),
                 QRectF(0, 0, width_, kChartHeight));
    y_ += kChartHeight;
  }

  // The two sets of columns side by side: character, dash, count; without
  // errors the line "Bez chyb.".
  void table(const TwoColumnSets& sets) {
    const QFont font = pageFont(10);
    const QFontMetricsF measured = metrics(font);
    painter_.setFont(font);
    if (sets[0].characters.empty()) {  // a heading over nothing would look cut off
      painter_.drawText(QPointF(0, y_ + measured.ascent()), QStringLiteral("Bez chyb."));
      y_ += measured.lineSpacing();
      return;
    }
    std::vector<QStringList> columns;
    for (const TableColumns& set : sets)
      for (const std::u16string* text : {&set.characters, &set.dashes, &set.values})
        columns.push_back(toBox(*text).split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    const qsizetype rows = std::max(columns[0].size(), columns[3].size());
    for (qsizetype row = 0; row < rows; ++row) {
      reserve(measured.lineSpacing());
      for (std::size_t c = 0; c < columns.size(); ++c) {
        if (row >= columns[c].size()) continue;
        const double x = double(c / 3) * 150 + double(c % 3) * 30;
        painter_.drawText(QPointF(x, y_ + measured.ascent()), columns[c][row]);
      }
      y_ += measured.lineSpacing();
    }
  }

 private:
  // Measured on the page itself: another device rounds and scales otherwise.
  QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &writer_); }

  void underline(double x, double baseline, double width, const QFontMetricsF& metrics) {
    painter_.fillRect(QRectF(x, baseline + metrics.underlinePos(), width, metrics.lineWidth()),
                      kErrorColour);
  }

  QPdfWriter& writer_;
  QPainter painter_;
  double width_;
  double height_;
  double y_ = 0;
};

}  // namespace

QByteArray evaluationPdf(const SharedState& state) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(layoutDpi());
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
    writer.setTitle(QStringLiteral("Vyhodnocení: %1").arg(toQString(state.NazevTestu)));
    writer.setCreator(QStringLiteral("Tymba"));
    PageWriter page(writer);
    page.heading(QStringLiteral("Vyhodnocení testu"), 16);
    page.values(state);
    page.heading(QStringLiteral("Protokol"));
    page.protocol(state.ProtokolNapsany, state.ProtokolOznaceny);
    // The charts as wide as the page; their size does not matter here.
    const EvaluationLayout layout = evaluationLayout(state, 1, 1);
    const auto has = [&](EvaluationTab tab) {
      return std::find(layout.tabs.begin(), layout.tabs.end(), tab) != layout.tabs.end();
    };
    if (has(EvaluationTab::GrafRychlosti)) {
      page.heading(QStringLiteral("Graf rychlosti"));
      page.chart(layout.speed, speedAxisTitle());
    }
    if (has(EvaluationTab::GrafChyb)) {
      page.heading(QStringLiteral("Graf chyb"));
      page.chart(layout.errors, errorAxisTitle());
    }
    page.heading(QStringLiteral("Přehled chyb"));
    page.table(errorTable(state));
  }
  return bytes;
}

QString writeEvaluationPdf(const SharedState& state, const QString& fileName) {
  const QByteArray bytes = evaluationPdf(state);
  try {
    replaceFileContents(std::filesystem::path(fileName.toStdString()),
                        std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return {};
  } catch (const TextFileError&) {
    return QStringLiteral("Vyhodnocení nelze uložit do souboru '%1'.").arg(fileName);
  }
}

}  // namespace tymba
