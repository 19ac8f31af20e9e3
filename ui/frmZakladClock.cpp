// The clock of the main window: the timers' ticks, shown as the core
// computes them.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "core/runclock.h"
#include "core/twips.h"
#include "ui/application.h"
#include "ui/frmZaklad.h"
#include "ui/localeformat.h"
#include "ui/textconvert.h"
#include "ui/typingbox.h"

namespace tymba {
namespace {}  // namespace

void frmZaklad::tmrCasik_Timer() { lblZahajeni->setText(context_.clock.timeAndDateText()); }

void frmZaklad::setClockTexts(const QString& minutes, const QString& seconds) {
  for (QLabel* label : lblMinuta)
    if (!minutes.isNull()) label->setText(minutes);
  for (QLabel* label : lblSekunda) label->setText(seconds);
}

void frmZaklad::tmrCas_Timer() {
  // Nothing may be pasted into a running test.
  QGuiApplication::clipboard()->clear();
  SharedState& stav = context_.stav;
  const ClockTick tick = clockTick(stav, {.now = context_.clock.secondsSinceMidnight(),
                                          .typedLength = txtVysledek->coreLength(),
                                          .barFrameWidth = pixelsToTwips(lblKonecna->width())});
  if (tick.secondText)
    setClockTexts(tick.minuteText ? toQString(*tick.minuteText) : QString(),
                  toQString(*tick.secondText));
  if (tick.barWidth) setBar(lblZacatek, *tick.barWidth);
  if (tick.timeUp) {
    // The limit indicators stop with the run, or they would go on falling
    // under the result window and keep their last reading into the next run.
    tmrLimit->stop();
    tmrCas->stop();
    txtVysledek->setEnabled(false);
    tmrVypnuti->stop();
    showResult();
    return;
  }
  // Started, not restarted: the end sound is long and must not cut itself.
  if (tick.playEndWarning) context_.sounds.start(SoundBuffer::End);
}

void frmZaklad::tmrLimit_Timer() {
  const LimitTick tick =
      limitTick(context_.stav, {.now = context_.clock.secondsSinceMidnight(),
                                .speedFrameWidth = pixelsToTwips(picLimitRychlosti->width()),
                                .errorFrameWidth = pixelsToTwips(picLimitChyby->width())});
  if (tick.speedBarWidth) setBar(lblZRychlost, *tick.speedBarWidth);
  if (tick.speed) lblRychlost->setText(wholeNumberText(*tick.speed));
  if (tick.errorBarWidth) setBar(lblCChyby, *tick.errorBarWidth);
  if (tick.errorPercent) lblChyby->setText(fixed4Text(*tick.errorPercent));
  if (tick.speedAgainstLimit)
    lblProcentoRychlosti->setText(wholeNumberText(*tick.speedAgainstLimit) + QStringLiteral(" %"));
  if (tick.errorsAgainstLimit)
    lblProcentoChyb->setText(fixed4Text(*tick.errorsAgainstLimit) + QStringLiteral(" %"));
}

void frmZaklad::tmrVypnuti_Timer() {
  if (!inactivityTick(context_.stav, context_.clock.secondsSinceMidnight())) return;
  tmrLimit->stop();
  tmrCas->stop();
  showResult();
}

void frmZaklad::resetLiveIndicators() {
  setClockTexts(QStringLiteral("00"), QStringLiteral("00"));
  lstSeznamChyb->clear();
  tmrCasik->start();
  tmrVypnuti->stop();
  setBar(lblZRychlost, kLimitBarRestTwips);
  lblRychlost->setText(QStringLiteral("0"));
  lblProcentoRychlosti->setText(QStringLiteral("0 %"));
  setBar(lblCChyby, kLimitBarRestTwips);
  lblChyby->setText(QStringLiteral("0"));
  lblProcentoChyb->setText(QStringLiteral("0 %"));
}

void frmZaklad::finishEvaluation() {
  SharedState& stav = context_.stav;
  lblZahajeni->clear();
  stav.CasUkonceni = 0;
  stav.CasZahajeni = 0;
  setBar(lblZacatek, kEmptyBarTwips);
  miUlozit->setEnabled(true);
  // Kept for the keyboard window after the reset that follows.
  stav.lastRunErrors = SharedState::WrongCharacters{stav.ChybneZnaky, stav.CetnostChyb};
}

}  // namespace tymba
