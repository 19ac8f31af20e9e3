// The three sizes of the text in the main window. A size is one layout in
// twips (core/mainlayout.h): the fonts, the bands behind the target lines, the
// three stacked target labels and the lesson's cursor mark all follow it.
#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <array>
#include <string>

#include "core/mainlayout.h"
#include "core/twips.h"
#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/frmZaklad.h"
#include "ui/messages.h"
#include "ui/targettextlabel.h"
#include "ui/typingbox.h"

namespace tymba {
namespace {

// The menu items by size: Pismo 1, 2, 3.
constexpr std::array<const char*, 3> kSizeItems{"miMale", "miStredni", "miVelke"};

}  // namespace

void frmZaklad::MalePismo() { switchFontSize(1); }
void frmZaklad::StredniPismo() { switchFontSize(2); }
void frmZaklad::VelkePismo() { switchFontSize(3); }

// The size is kept in the settings; when they cannot be written it still
// applies until the program ends, and the user is told so.
void frmZaklad::switchFontSize(int pismo) {
  int& current = context_.stav.nastaveni.Pismo;
  if (current == pismo) return;
  try {
    context_.settings.write("Moznosti", "Pismo", std::to_string(pismo));
  } catch (const SettingsError&) {
    context_.messages.show(QStringLiteral("Nastavení programu nelze uložit, proto zvolená "
                                          "velikost písma platí jen do ukončení programu."),
                           QStringLiteral("Přerušení"), MessageIcon::Exclamation);
  }
  current = pismo;
  applyFontSize();
  placeTargetLabels();
  resetLessonCursor();
}

// The cursor mark steps by the cell of the new size, so it starts again under
// the line's first character.
void frmZaklad::resetLessonCursor() {
  lessonDisplay_.shape1Left = fontSizeLayout(context_.stav.nastaveni.Pismo).shape1Left;
  renderLessonDisplay();
}

void frmZaklad::applyFontSize() {
  const int pismo = context_.stav.nastaveni.Pismo;
  for (int size = 1; size <= 3; ++size) menuItem(kSizeItems[size - 1])->setChecked(size == pismo);
  const QFont typing = typingFont(pismo);
  placeBands();
  txtVysledek->setFont(typing);
  for (TargetTextLabel* label : lblZadani) {
    label->setFont(typing);
    label->setLineHeight(lineHeightPixels());
  }
  lblVelikostPisma->setFont(typing);
  // One character cell: the font's advance, one target line high.
  const int cellWidth = QFontMetrics(typing).horizontalAdvance(QLatin1Char('W'));
  lblVelikostPisma->setFixedSize(cellWidth, lineHeightPixels());

  // The lesson lines follow every switch, whoever asks for it, so that the
  // cursor mark's step always matches their letters.
  const QFont lesson = lessonFont(pismo);
  for (QLabel* label : lblRadek) label->setFont(lesson);
  txtVVysledek->setFont(typing);
  txtVVysledek->setFixedHeight(QFontMetrics(typing).height() + 12);
  // Room for the eleven lesson lines below a free line, whatever the window.
  picVZadani->setMinimumHeight(12 * lineHeightPixels() + 4);
  layoutLessonPanel();
}

// Bands of the first lines and of the second lines in turn, as wide as the
// viewport; they stay in place while the text scrolls past them.
void frmZaklad::placeBands() {
  const FontSizeLayout layout = fontSizeLayout(context_.stav.nastaveni.Pismo);
  const int width = picZadani->width();
  const auto place = [width](QFrame* band, const Span& span) {
    band->setGeometry(0, twipsToPixels(span.top), width, twipsToPixels(span.height));
  };
  for (int k = 0; k < 10; ++k) {
    place(lblLinka[k], layout.lblLinka[k]);
    place(lblLinka1[k], layout.lblLinka1[k]);
  }
}

void frmZaklad::connectFontItems() {
  auto* sizes = new QActionGroup(this);
  for (const char* name : kSizeItems) {
    QAction* item = menuItem(name);
    item->setCheckable(true);
    sizes->addAction(item);
  }
  connect(menuItem("miVelke"), &QAction::triggered, this, &frmZaklad::miVelke_Click);
  connect(menuItem("miStredni"), &QAction::triggered, this, &frmZaklad::miStredni_Click);
  connect(menuItem("miMale"), &QAction::triggered, this, &frmZaklad::miMale_Click);
}

void frmZaklad::miVelke_Click() {
  VelkePismo();
  resetLessonCursor();
}

void frmZaklad::miStredni_Click() {
  StredniPismo();
  resetLessonCursor();
}

void frmZaklad::miMale_Click() {
  MalePismo();
  resetLessonCursor();
}

}  // namespace tymba
