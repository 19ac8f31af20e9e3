// Typing in the main window: the keystrokes of both kinds of run.
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "core/exerciseengine.h"
#include "core/mainlayout.h"
#include "core/twips.h"
#include "ui/application.h"
#include "ui/dictationpanel.h"
#include "ui/frmZaklad.h"
#include "ui/targettextlabel.h"
#include "ui/textconvert.h"
#include "ui/typingbox.h"

namespace tymba {
namespace {

// Esc and F5 end a run from its input box.
bool isEndKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Escape || event->key() == Qt::Key_F5;
}

}  // namespace

// --- Exercise run ---

void frmZaklad::applyTiming(const KeystrokeTiming& timing) {
  if (timing.firstKeystroke) {
    tmrCasik->stop();
    lblZahajeni->setText(context_.clock.timeAndDateText());
    miZnovu->setEnabled(true);
  }
  if (timing.restartInactivity) tmrVypnuti->start();
  if (timing.startClock) tmrCas->start();
  if (timing.playClick) context_.sounds.playFromStart(SoundBuffer::Click);
}

void frmZaklad::txtVysledek_Change() {
  SharedState& stav = context_.stav;
  const ExerciseKeystrokeInput input{
      .textLength = txtVysledek->coreLength(),
      .now = context_.clock.secondsSinceMidnight(),
      .clockRunning = tmrCas->isActive(),
      .dictationVisible = dictationShown(),
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
  // In a dictation run only F1 is the box's own key: it drives the playback.
  // Esc and F5 end nothing there.
  if (dictationShown()) {
    if (event->key() == Qt::Key_F1) picDiktafon->keyF1();
    return event->key() == Qt::Key_F1 || isEndKey(event);
  }
  if (!isEndKey(event)) return false;
  if (txtVysledek->coreLength() > 0) endRun();
  return true;
}

void frmZaklad::tmrPosun1_Timer() {
  const bool lineDone = scrollStep(context_.stav);
  picPozadi->move(0, picPozadi->y() - 1);
  if (lineDone) tmrPosun1->stop();
}

// --- Lesson run ---

void frmZaklad::renderLessonDisplay() {
  for (int i = 0; i < 11; ++i) {
    QString line = toQString(lessonDisplay_.lblRadek[i]);
    // A line cut at a line break keeps its CR, which is not drawn.
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    lblRadek[i]->setText(line);
  }
  const int widthTwips = fontSizeLayout(context_.stav.nastaveni.Pismo).shape1Width;
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
  if (step.playErrorSound) context_.sounds.playFromStart(SoundBuffer::Error);
  if (step.errorRow) {
    const QString row = toQString(errorRowText(stav, *step.errorRow));
    if (step.errorRowAdded)
      lstSeznamChyb->addItem(row);
    else if (QListWidgetItem* item = lstSeznamChyb->item(*step.errorRow))
      item->setText(row);
  }
  renderLessonDisplay();
  if (step.updateNextKey) showNextKey();
  if (step.clearBox) txtVVysledek->clear();
  if (step.runFinished) {
    tmrLimit->stop();
    tmrCas->stop();
    tmrVypnuti->stop();
    showResult();
  }
}

bool frmZaklad::txtVVysledek_KeyDown(QKeyEvent* event) {
  lightPressedKey(event);
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
  // Keys released elsewhere would stay lit.
  darkenPressedKeys();
  // A lesson keeps the keyboard: clicking elsewhere in the window gives the
  // focus straight back. Another window (a message, a dialog) keeps it.
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  QTimer::singleShot(0, this, [this] {
    if (txtVVysledek->isVisible() && txtVVysledek->isEnabled() && isActiveWindow())
      txtVVysledek->setFocus(Qt::OtherFocusReason);
  });
}

}  // namespace tymba
