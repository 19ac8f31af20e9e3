// The main window's size and the places that follow its width: the clock at
// the right edge, the loss and start time from the middle on, the names at
// the left. The panels below are Qt layouts and grow with the window.
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <algorithm>

#include "core/mainlayout.h"
#include "core/twips.h"
#include "ui/frmZaklad.h"

namespace tymba {
namespace {

// A window that fits the lesson view with its keyboard picture, unless the
// screen's free area is smaller.
constexpr QSize kPreferredSize(1000, 720);
// Room for the frame and the title bar the window manager adds.
constexpr QSize kFrameAllowance(16, 48);
constexpr int kGap = 6;

void put(QWidget* widget, int left, int top, int width) {
  widget->setGeometry(left, top, std::max(0, width), widget->sizeHint().height());
}

int widest(std::initializer_list<const QWidget*> widgets) {
  int width = 0;
  for (const QWidget* widget : widgets) width = std::max(width, widget->sizeHint().width());
  return width;
}

}  // namespace

// Two rows of labels beside the clock, the time bar beneath them.
int frmZaklad::infoPanelHeight() const {
  const int rows = 2 * (fontMetrics().height() + kGap);
  return std::max(rows, lblMinuta[0]->sizeHint().height()) + lblKonecna->height() + 2;
}

void frmZaklad::placeInfoPanel() {
  const WidthLayout layout = widthLayout(pixelsToTwips(width()));
  const int offset = infoPanel_->mapTo(this, QPoint()).x();
  const auto x = [offset](int twips) { return twipsToPixels(twips) - offset; };
  const int row = fontMetrics().height() + kGap;

  const int minutes = x(layout.lblMinuta);
  const int colon = x(layout.lblDvojtecka);
  put(lblMinuta[0], minutes, 0, colon - minutes);
  put(lblDvojtecka, colon, 0, x(layout.lblSekunda) - colon);
  put(lblSekunda[0], x(layout.lblSekunda), 0, lblSekunda[0]->sizeHint().width());
  lblKonecna->move(infoPanel_->width() - lblKonecna->width(), 2 * row);

  const int values = x(layout.infoValues);
  const int valueWidth = minutes - kGap - values;
  put(lblZtrata, values, 0, valueWidth);
  put(lblZahajeni, values, row, valueWidth);
  const int captionWidth = widest({label9, Label6});
  const int captions = values - kGap - captionWidth;
  put(label9, captions, 0, captionWidth);
  put(Label6, captions, row, captionWidth);

  const int identityWidth = widest({Label4, lblIdentita[0]});
  put(Label4, 0, 0, identityWidth);
  put(lblIdentita[0], 0, row, identityWidth);
  const int nameCaptions = identityWidth + 2 * kGap;
  const int nameCaptionWidth = widest({Label5, Label10});
  put(Label5, nameCaptions, 0, nameCaptionWidth);
  put(Label10, nameCaptions, row, nameCaptionWidth);
  const int names = nameCaptions + nameCaptionWidth + kGap;
  put(lblNazev, names, 0, captions - kGap - names);
  put(lblDoba, names, row, captions - kGap - names);
}

// The lesson's lines with its limits and error list, or the exercise text.
void frmZaklad::showLessonPanel(bool shown) {
  picVZadani->setVisible(shown);
  picVpravo->setVisible(shown);
  if (shown) picVZadani->raise();
}

// Centred in the screen's free area.
void frmZaklad::fitToScreen() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  resize(kPreferredSize.boundedTo(area.size() - kFrameAllowance).expandedTo(minimumSize()));
  const QSize outer = size() + kFrameAllowance;
  move(area.x() + std::max(0, (area.width() - outer.width()) / 2),
       area.y() + std::max(0, (area.height() - outer.height()) / 2));
}

}  // namespace tymba
