#include "ui/frmZaklad.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/alignment.h"
#include "core/exerciseengine.h"
#include "core/targettext.h"
#include "core/twips.h"
#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/targettextlabel.h"
#include "ui/textconvert.h"
#include "ui/textholder.h"
#include "ui/typingbox.h"

namespace tymba {
namespace {

// The lesson lines and the target labels start this far from the left edge.
constexpr int kTextLeftTwips = 1080;
// The target labels leave this much of the viewport's width free.
constexpr int kTargetLabelSpareTwips = 2490;
// The lesson lines leave this much of the lesson panel's width free.
constexpr int kLessonLineSpareTwips = 2160;
// Smallest window: 9400 x 6500 twips.
constexpr int kMinimumWidthTwips = 9400;
constexpr int kMinimumHeightTwips = 6500;

template <typename T>
T* named(T* widget, const QString& name) {
  widget->setObjectName(name);
  return widget;
}

QLabel* namedLabel(const QString& name, const QString& caption, QWidget* parent) {
  auto* label = named(new QLabel(caption, parent), name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QString arrayName(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Numbers in the captions and the rules: plain decimal, no grouping.
QString wholeNumber(int value) { return QString::number(value); }

// Esc and F5 end a run from its input box.
bool isEndKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Escape || event->key() == Qt::Key_F5;
}

}  // namespace

frmZaklad::frmZaklad(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
  setObjectName(QStringLiteral("frmZaklad"));
  setWindowTitle(QStringLiteral("Tymba "));
  registerFontSubstitutes();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(8, 8, 8, 8);

  auto* infoPanel = new QWidget(central);
  buildInfoPanel(infoPanel);
  layout->addWidget(infoPanel);

  // The lesson panel lies over the exercise viewport; showing it hides the
  // viewport underneath.
  auto* textArea = new QWidget(central);
  auto* textLayout = new QGridLayout(textArea);
  textLayout->setContentsMargins(0, 0, 0, 0);
  picZadani = named(new QWidget(textArea), QStringLiteral("picZadani"));
  picVZadani = named(new QWidget(textArea), QStringLiteral("picVZadani"));
  textLayout->addWidget(picZadani, 0, 0);
  textLayout->addWidget(picVZadani, 0, 0);
  buildExercisePanel();
  buildLessonPanel();
  layout->addWidget(textArea, 3);

  Picture1 = named(new QWidget(central), QStringLiteral("Picture1"));
  buildInputPanel(Picture1);
  layout->addWidget(Picture1, 2);

  setCentralWidget(central);
  buildTimersAndActions();

  setMinimumSize(twipsToPixels(kMinimumWidthTwips), twipsToPixels(kMinimumHeightTwips));
  resize(960, 700);

  // Nothing is prepared at start: the window waits idle.
  picVZadani->hide();
  txtVysledek->hide();
  txtVVysledek->hide();
  applyFontSize();
  placeTargetLabels();
}

frmZaklad::~frmZaklad() = default;

void frmZaklad::buildInfoPanel(QWidget* panel) {
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  Label4 = namedLabel(QStringLiteral("Label4"), QStringLiteral("Identita uživatele"), panel);
  for (int i = 0; i < 2; ++i)
    lblIdentita[i] = namedLabel(arrayName("lblIdentita", i), QStringLiteral("Hlavní"), panel);
  Label5 = namedLabel(QStringLiteral("Label5"), QStringLiteral("Název testu:"), panel);
  lblNazev = namedLabel(QStringLiteral("lblNazev"), QString(), panel);
  Label10 = namedLabel(QStringLiteral("Label10"), QStringLiteral("Doba testu:"), panel);
  lblDoba = namedLabel(QStringLiteral("lblDoba"), QString(), panel);
  label9 = namedLabel(QStringLiteral("label9"), QStringLiteral("Ztráta úhozů za chybu:"), panel);
  lblZtrata = namedLabel(QStringLiteral("lblZtrata"), QString(), panel);
  Label6 = namedLabel(QStringLiteral("Label6"), QStringLiteral("Zahájení testu:"), panel);
  lblZahajeni = namedLabel(QStringLiteral("lblZahajeni"), QString(), panel);
  for (int i = 0; i < 2; ++i) {
    lblMinuta[i] = namedLabel(arrayName("lblMinuta", i), QStringLiteral("00"), panel);
    lblSekunda[i] = namedLabel(arrayName("lblSekunda", i), QStringLiteral("00"), panel);
  }
  lblDvojtecka = namedLabel(QStringLiteral("lblDvojtecka"), QStringLiteral(":"), panel);
  // The second items repeat the first ones for the lesson view's corner.
  lblIdentita[1]->hide();
  lblMinuta[1]->hide();
  lblSekunda[1]->hide();

  QFont clockFont = font();
  clockFont.setPointSize(clockFont.pointSize() + 8);
  clockFont.setBold(true);
  for (QLabel* label : {lblMinuta[0], lblDvojtecka, lblSekunda[0]}) label->setFont(clockFont);

  grid->addWidget(Label4, 0, 0);
  grid->addWidget(lblIdentita[0], 1, 0);
  grid->addWidget(Label5, 0, 1);
  grid->addWidget(lblNazev, 0, 2);
  grid->addWidget(Label10, 1, 1);
  grid->addWidget(lblDoba, 1, 2);
  grid->addWidget(label9, 0, 3);
  grid->addWidget(lblZtrata, 0, 4);
  grid->addWidget(Label6, 1, 3);
  grid->addWidget(lblZahajeni, 1, 4);
  auto* clock = new QHBoxLayout();
  clock->addWidget(lblMinuta[0]);
  clock->addWidget(lblDvojtecka);
  clock->addWidget(lblSekunda[0]);
  grid->addLayout(clock, 0, 5, 2, 1);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(4, 1);
}

void frmZaklad::buildExercisePanel() {
  picZadani->setAutoFillBackground(true);
  picZadani->setBackgroundRole(QPalette::Base);
  picZadani->installEventFilter(this);
  picPozadi = named(new QWidget(picZadani), QStringLiteral("picPozadi"));
  for (int i = 0; i < 3; ++i) {
    lblZadani[i] = named(new TargetTextLabel(picPozadi), arrayName("lblZadani", i + 1));
    lblZadani[i]->hide();
  }
  lblVelikostPisma = namedLabel(QStringLiteral("lblVelikostPisma"), QStringLiteral("W"), picZadani);
  lblVelikostPisma->hide();
  rtbZadani = named(new TextHolder(this), QStringLiteral("rtbZadani"));
}

void frmZaklad::buildLessonPanel() {
  picVZadani->setAutoFillBackground(true);
  picVZadani->installEventFilter(this);
  picVZadani->setBackgroundRole(QPalette::Base);
  for (int i = 0; i < 11; ++i) lblRadek[i] = namedLabel(arrayName("lblRadek", i), {}, picVZadani);
  Shape1 = named(new QFrame(picVZadani), QStringLiteral("Shape1"));
  Shape1->setAutoFillBackground(true);
  Shape1->setBackgroundRole(QPalette::Highlight);
  lstSeznamChyb = named(new QListWidget(picVZadani), QStringLiteral("lstSeznamChyb"));
  lstSeznamChyb->setFocusPolicy(Qt::ClickFocus);
}

void frmZaklad::buildInputPanel(QWidget* panel) {
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  txtVysledek = named(new TypingBox(panel), QStringLiteral("txtVysledek"));
  txtVysledek->setDeletingAllowed([this] { return !context_.stav.BezMazani; });
  txtVysledek->setKeyDownHandler([this](QKeyEvent* e) { return txtVysledek_KeyDown(e); });
  connect(txtVysledek, &TypingBox::changed, this, &frmZaklad::txtVysledek_Change);

  txtVVysledek = named(new TypingBox(panel), QStringLiteral("txtVVysledek"));
  txtVVysledek->setKeyDownHandler([this](QKeyEvent* e) { return txtVVysledek_KeyDown(e); });
  txtVVysledek->setKeyPressHandler([this](QKeyEvent* e) { return txtVVysledek_KeyPress(e); });
  txtVVysledek->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtVVysledek->setLineWrapMode(QPlainTextEdit::NoWrap);
  connect(txtVVysledek, &TypingBox::changed, this, &frmZaklad::txtVVysledek_Change);
  connect(txtVVysledek, &TypingBox::lostFocus, this, &frmZaklad::txtVVysledek_LostFocus);

  txtVysledek1 = named(new QPlainTextEdit(panel), QStringLiteral("txtVysledek1"));
  txtVysledek1->hide();

  layout->addWidget(txtVysledek, 1);
  layout->addWidget(txtVVysledek);
}

void frmZaklad::buildTimersAndActions() {
  const auto timer = [this](const char* name, int interval) {
    auto* t = named(new QTimer(this), QString::fromLatin1(name));
    t->setInterval(interval);
    return t;
  };
  tmrCasik = timer("tmrCasik", 980);
  tmrCas = timer("tmrCas", 1);
  tmrCas->setTimerType(Qt::PreciseTimer);
  tmrLimit = timer("tmrLimit", 50);
  tmrVypnuti = timer("tmrVypnuti", 1000);
  tmrPosun1 = timer("tmrPosun1", 50);
  connect(tmrCasik, &QTimer::timeout, this, &frmZaklad::tmrCasik_Timer);
  connect(tmrPosun1, &QTimer::timeout, this, &frmZaklad::tmrPosun1_Timer);

  miZnovu = named(new QAction(QStringLiteral("Začít &znovu"), this), QStringLiteral("miZnovu"));
  miZnovu->setEnabled(false);
  miUlozit =
      named(new QAction(QStringLiteral("Uložit &jako..."), this), QStringLiteral("miUlozit"));
  miUlozit->setEnabled(false);
}

int frmZaklad::lineHeightPixels() const {
  return twipsToPixels(lineHeightTwips(context_.stav.nastaveni.Pismo));
}

void frmZaklad::applyFontSize() {
  const int pismo = context_.stav.nastaveni.Pismo;
  const QFont typing = typingFont(pismo);
  txtVysledek->setFont(typing);
  for (TargetTextLabel* label : lblZadani) {
    label->setFont(typing);
    label->setLineHeight(lineHeightPixels());
  }
  lblVelikostPisma->setFont(typing);
  // One character cell: the font's advance, one target line high.
  const int cellWidth = QFontMetrics(typing).horizontalAdvance(QLatin1Char('W'));
  lblVelikostPisma->setFixedSize(cellWidth, lineHeightPixels());

  const QFont lesson = lessonFont(pismo);
  for (QLabel* label : lblRadek) label->setFont(lesson);
  txtVVysledek->setFont(typing);
  txtVVysledek->setFixedHeight(QFontMetrics(typing).height() + 12);
}

// Puts the three copies one below the other, the first a line from the top,
// each one line shorter than its text (the line its final break opens).
void frmZaklad::placeTargetLabels() {
  const int width = std::max(1, picZadani->width() - twipsToPixels(kTargetLabelSpareTwips));
  const int left = twipsToPixels(kTextLeftTwips);
  int top = lineHeightPixels();
  for (TargetTextLabel* label : lblZadani) {
    label->setGeometry(left, top, width, label->height());
    const int height = std::max(0, label->autoHeight() - lineHeightPixels());
    label->setGeometry(left, top, width, height);
    top += height;
  }
  fitTargetPanel();
}

void frmZaklad::fitTargetPanel() {
  int bottom = picZadani->height();
  for (const TargetTextLabel* label : lblZadani)
    bottom = std::max(bottom, label->geometry().bottom() + 1);
  picPozadi->resize(picZadani->width(), bottom);
}

bool frmZaklad::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize) {
    if (watched == picZadani) layoutExercisePanel();
    if (watched == picVZadani) layoutLessonPanel();
  }
  return QMainWindow::eventFilter(watched, event);
}

void frmZaklad::layoutLessonPanel() {
  constexpr int kListWidth = 140;
  const int panelWidth = picVZadani->width();
  const int left = twipsToPixels(kTextLeftTwips);
  const int listLeft = std::max(left, panelWidth - kListWidth - 8);
  const int lineWidth =
      std::max(1, std::min(panelWidth - twipsToPixels(kLessonLineSpareTwips), listLeft - left - 8));
  const int lineHeight = lineHeightPixels();
  for (int i = 0; i < 11; ++i)
    lblRadek[i]->setGeometry(left, lineHeight * (i + 1), lineWidth, lineHeight);
  lstSeznamChyb->setGeometry(listLeft, lineHeight, kListWidth,
                             std::max(40, picVZadani->height() - 2 * lineHeight));
  renderLessonDisplay();
}

// A new width wraps the target text anew; the copies keep their place.
void frmZaklad::layoutExercisePanel() {
  const int top = lblZadani[0]->y();
  placeTargetLabels();
  int y = top;
  for (TargetTextLabel* label : lblZadani) {
    label->move(label->x(), y);
    y += label->height();
  }
  fitTargetPanel();
}

// --- Reset and starts ---

void frmZaklad::Vymazat() {
  SharedState& stav = context_.stav;
  txtVysledek->show();
  picPozadi->move(0, 0);
  placeTargetLabels();
  miZnovu->setEnabled(false);
  miUlozit->setEnabled(false);
  // Emptying the boxes is the program's own reset, not a keystroke.
  txtVysledek->setTextQuietly(QString());
  stav.JeNapsano = false;
  txtVysledek1->clear();
  txtVysledek->setEnabled(true);
  for (QTimer* timer : {tmrLimit, tmrCas, tmrPosun1, tmrVypnuti}) timer->stop();
  tymba::Vymazat(stav);
  lstSeznamChyb->clear();
}

void frmZaklad::showTargetText(const std::u16string& text) {
  for (TargetTextLabel* label : lblZadani) {
    label->setText(QString());
    label->hide();
  }
  const std::u16string normalized = normalizeTextEnd(text);
  const QString shown = toBox(normalized);
  for (TargetTextLabel* label : lblZadani) label->setText(shown);
  placeTargetLabels();
  for (int copy = targetCopies(normalized.size()); copy > 0; --copy) rtbZadani->append(normalized);

  lblZadani[0]->show();
  if (pixelsToTwips(lblZadani[0]->height()) > kShortTextHeight) {
    lblZadani[1]->show();
    lblZadani[2]->show();
  }
}

void frmZaklad::setStartCaptions() {
  const SharedState& stav = context_.stav;
  lblNazev->setText(toQString(stav.NazevTestu));
  lblZtrata->setText(wholeNumber(stav.ZtrataUhozu));
  lblDoba->setText(wholeNumber(stav.DobaTestu) + QStringLiteral(" min"));
  lblZahajeni->setText(context_.clock.timeAndDateText());
  tmrCasik->start();
}

bool frmZaklad::startExerciseRun(const QString& entry, const std::u16string& targetText) {
  SharedState& stav = context_.stav;
  if (entry.isEmpty()) {
    context_.messages.show(QStringLiteral("Vyberte písemnost"), QStringLiteral("Chyba"),
                           MessageIcon::Exclamation);
    return false;
  }
  stav.TextZeSouboru = false;
  picVZadani->hide();
  txtVysledek->show();
  stav.VybranyText = fromQString(entry);
  Vymazat();
  rtbZadani->clear();
  showTargetText(targetText);
  stav.DruhTestu = TestKind::Cviceni;
  stav.NazevTestu = stav.VybranyText;
  setStartCaptions();
  QCoreApplication::processEvents();
  txtVVysledek->hide();
  txtVysledek->setFocus();
  setWindowTitle(QStringLiteral("Tymba - ") + entry);

  const QString name = toQString(stav.NazevTestu);
  const QString minutes = wholeNumber(stav.DobaTestu);
  const QString loss = wholeNumber(stav.ZtrataUhozu);
  const QString rules =
      stav.BezMazani
          ? QStringLiteral(
                "Snažte se co nejrychleji s co nejmenším počtem chyb na přesnost opsat tento text "
                "'%1' po dobu %2 munut při ztrátě %3 úhozů za chybu. Pomocí klávesy F5 můžete "
                "kdykoli ukončit test. Klávesou F2 spustíte tento test znovu. V tomto testu nemáte "
                "možnost mazat při testu text, proto doporučuji psát pomale a přesně. Kliknutím na "
                "OK spustíte test. Hodně štěstí!.")
          : QStringLiteral(
                "Snažte se co nejrychleji s co nejmenším počtem chyb opsat tento text '%1' po dobu "
                "%2 munut při ztrátě %3 úhozů za chybu. Pomocí klávesy F5 můžete kdykoli ukončit "
                "test. Klávesou F2 spustíte tento test znovu. Máte možnost mazat text. Kliknutím "
                "na OK spustíte test. Hodně štěstí!.");
  context_.messages.show(rules.arg(name, minutes, loss), QStringLiteral("Informace"),
                         MessageIcon::Information);
  return true;
}

void frmZaklad::startLessonRun(const QString& entry, std::vector<std::u16string> lines,
                               LessonKind kind) {
  SharedState& stav = context_.stav;
  stav.RadkyVyuky = std::move(lines);
  if (stav.RadkyVyuky.empty()) stav.RadkyVyuky.emplace_back();
  picVZadani->show();
  picVZadani->raise();
  txtVysledek->hide();
  stav.NazevTestu = fromQString(entry);
  if (kind == LessonKind::Lesson) {
    stav.ZtrataUhozu = 10;
    stav.DobaTestu = 30;
    stav.LimitRychlostiTestu = stav.nastaveni.LimitRychlost;
    stav.LimitChybTestu = stav.nastaveni.LimitChyba;
  }
  applyFontSize();
  showLessonStart(lessonDisplay_, stav.RadkyVyuky, stav.nastaveni.Pismo);
  renderLessonDisplay();
  setStartCaptions();
  setWindowTitle(QStringLiteral("Tymba - ") + entry);
  stav.DruhTestu = TestKind::Vyuka;
  QCoreApplication::processEvents();
  txtVVysledek->show();
  txtVVysledek->setFocus();
}

void frmZaklad::endRun() {
  SharedState& stav = context_.stav;
  tmrLimit->stop();
  tmrCas->stop();
  tmrVypnuti->stop();
  stav.CasUkonceni =
      static_cast<std::int32_t>(roundHalfEven(context_.clock.secondsSinceMidnight()));
  emit runEnded();
}

void frmZaklad::Oprava() {
  tymba::Oprava(context_.stav, rtbZadani->text(), toCore(txtVysledek->toPlainText()),
                [] { QCoreApplication::processEvents(); });
}

// --- Exercise run ---

void frmZaklad::applyTiming(const KeystrokeTiming& timing) {
  if (timing.firstKeystroke) {
    tmrCasik->stop();
    lblZahajeni->setText(context_.clock.timeAndDateText());
    miZnovu->setEnabled(true);
  }
  if (timing.restartInactivity) tmrVypnuti->start();
  if (timing.startClock) tmrCas->start();
}

void frmZaklad::txtVysledek_Change() {
  SharedState& stav = context_.stav;
  const ExerciseKeystrokeInput input{
      .textLength = txtVysledek->coreLength(),
      .now = context_.clock.secondsSinceMidnight(),
      .clockRunning = tmrCas->isActive(),
      .dictationVisible = false,
      .firstLabelHeight = pixelsToTwips(lblZadani[0]->height()),
  };
  const ExerciseKeystroke step = exerciseKeystroke(stav, input);
  if (step.ignored) return;
  applyTiming(step.timing);
  if (!step.scrolls) return;

  std::array<LabelSpan, 3> spans;
  for (int i = 0; i < 3; ++i)
    spans[i] = {pixelsToTwips(lblZadani[i]->y()), pixelsToTwips(lblZadani[i]->height())};
  if (const auto move = restackTargetLabels(spans, stav.nastaveni.Pismo)) {
    lblZadani[move->label]->move(lblZadani[move->label]->x(), twipsToPixels(move->newTop));
    fitTargetPanel();
  }

  const ScrollGeometry geometry{
      .viewHeight = pixelsToTwips(picZadani->height()),
      .labelWidth = pixelsToTwips(lblZadani[0]->width()),
      .cellWidth = pixelsToTwips(lblVelikostPisma->width()),
      .cellHeight = pixelsToTwips(lblVelikostPisma->height()),
  };
  const ScrollDecision scroll = exerciseScroll(stav, input.textLength, geometry);
  if (scroll.restackShift != 0) {
    for (TargetTextLabel* label : lblZadani) label->hide();
    picPozadi->move(0, 0);
    for (TargetTextLabel* label : lblZadani)
      label->move(label->x(), label->y() - twipsToPixels(scroll.restackShift));
    for (TargetTextLabel* label : lblZadani) label->show();
  }
  if (scroll.startScroll) tmrPosun1->start();
}

bool frmZaklad::txtVysledek_KeyDown(QKeyEvent* event) {
  if (!isEndKey(event)) return false;
  if (txtVysledek->coreLength() > 0) endRun();
  return true;
}

void frmZaklad::tmrPosun1_Timer() {
  const bool lineDone = scrollStep(context_.stav);
  picPozadi->move(0, picPozadi->y() - 1);
  if (lineDone) tmrPosun1->stop();
}

void frmZaklad::tmrCasik_Timer() { lblZahajeni->setText(context_.clock.timeAndDateText()); }

// --- Lesson run ---

void frmZaklad::renderLessonDisplay() {
  for (int i = 0; i < 11; ++i) {
    QString line = toQString(lessonDisplay_.lblRadek[i]);
    // A line cut at a line break keeps its CR, which is not drawn.
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    lblRadek[i]->setText(line);
  }
  const int pismo = context_.stav.nastaveni.Pismo;
  const int widthTwips = 135 + 15 * (pismo - 1);
  const QRect marks = lblRadek[1]->geometry();
  Shape1->setGeometry(twipsToPixels(lessonDisplay_.shape1Left), marks.bottom() - 1,
                      twipsToPixels(widthTwips), 2);
}

void frmZaklad::txtVVysledek_Change() {
  SharedState& stav = context_.stav;
  const std::u16string typed = toCore(txtVVysledek->toPlainText());
  const LessonKeystrokeInput input{
      .boxText = typed,
      .now = context_.clock.secondsSinceMidnight(),
      .limitTimerRunning = tmrLimit->isActive(),
      .clockRunning = tmrCas->isActive(),
      .dictationVisible = false,
  };
  const LessonKeystroke step = lessonKeystroke(stav, lessonDisplay_, input);
  if (step.emptyBox) return;
  if (step.startLimitTimer) tmrLimit->start();
  if (step.discarded) {
    txtVVysledek->clear();
    return;
  }
  applyTiming(step.timing);
  if (step.errorRow) {
    const QString row = toQString(errorRowText(stav, *step.errorRow));
    if (step.errorRowAdded)
      lstSeznamChyb->addItem(row);
    else if (QListWidgetItem* item = lstSeznamChyb->item(*step.errorRow))
      item->setText(row);
  }
  renderLessonDisplay();
  if (step.clearBox) txtVVysledek->clear();
  if (step.runFinished) {
    tmrLimit->stop();
    tmrCas->stop();
    tmrVypnuti->stop();
    emit runEnded();
  }
}

bool frmZaklad::txtVVysledek_KeyDown(QKeyEvent* event) {
  if (!isEndKey(event)) return false;
  if (!context_.stav.NapsanyText.empty() || txtVVysledek->coreLength() > 0) endRun();
  return true;
}

bool frmZaklad::txtVVysledek_KeyPress(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) return false;
  // Enter counts as the blank that closes a line; elsewhere it does nothing.
  if (enterCompletesLine(lessonDisplay_)) txtVVysledek->setPlainText(QStringLiteral(" "));
  return true;
}

void frmZaklad::txtVVysledek_LostFocus(Qt::FocusReason reason) {
  // A lesson keeps the keyboard: clicking elsewhere in the window gives the
  // focus straight back. Another window (a message, a dialog) keeps it.
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  QTimer::singleShot(0, this, [this] {
    if (txtVVysledek->isVisible() && txtVVysledek->isEnabled() && isActiveWindow())
      txtVVysledek->setFocus(Qt::OtherFocusReason);
  });
}

}  // namespace tymba
