// The dictation test of the main window: its panel, its start and its end.
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "core/keystroketiming.h"
#include "core/targettext.h"
#include "media/dictationplayer.h"
#include "ui/application.h"
#include "ui/centring.h"
#include "ui/dictationpanel.h"
#include "ui/frmDiktat.h"
#include "ui/frmZaklad.h"
#include "ui/soundsetup.h"
#include "ui/targettextlabel.h"
#include "ui/textconvert.h"
#include "ui/textholder.h"
#include "ui/typingbox.h"

namespace tymba {

void frmZaklad::buildDictationPanel() {
  picDiktafon = new DictationPanel(context_.player, context_.stav, this);
  picDiktafon->hide();
  picDiktafon->focusInput = [this] { txtVysledek->setFocus(); };
  // Handling the player is not being idle: the inactivity stop counts again.
  picDiktafon->activity = [this] {
    if (context_.stav.TestBezi) context_.stav.NecinnostTiku = 0;
  };
  picDiktafon->closed = [this] { closeDictation(); };
  // The recording keeps the time of the run: its clock starts as it first
  // plays, not at a keystroke.
  picDiktafon->played = [this] {
    SharedState& stav = context_.stav;
    if (tmrCas->isActive() || stav.TestUkoncen) return;
    startRunClock(stav, context_.clock.secondsSinceMidnight());
    tmrCas->start();
  };
  // F1 controls the playback from the box, not the help; F5, next to it,
  // does not end a dictation run from the box.
  txtVysledek->setClaimedKeys([this](const QKeyEvent& key) {
    return dictationShown() && (key.key() == Qt::Key_F1 || key.key() == Qt::Key_F5);
  });
}

bool frmZaklad::dictationShown() const { return picDiktafon->isVisible(); }

void frmZaklad::miDiktafon_Click() {
  if (tmrCas->isActive()) return;
  if (!context_.stav.ZvukPripraven) {
    context_.messages.show(
        QStringLiteral("Zvuk nelze z inicializovat!.\r\nBuď zvuk ovládá jiný program nebo nemáte "
                       "správně nainstalovanou zvukovou kartu"),
        QStringLiteral("Přerušení"), MessageIcon::Critical);
    return;
  }
  auto* setup = new frmDiktat(context_, *this);
  centreOnScreen(*setup);
  context_.dialogs.run(*setup);
}

bool frmZaklad::startDictation(const std::filesystem::path& recording,
                               const std::u16string& transcript, const QString& title) {
  const std::optional<std::int64_t> length = context_.player.open(recording);
  if (!length) {
    context_.messages.show(QStringLiteral("Nahrávku '%1' nelze otevřít ani přehrát.")
                               .arg(QString::fromStdString(recording.filename().string())),
                           QStringLiteral("Přerušení"), MessageIcon::Critical);
    return false;
  }
  // The recording has the sound device now; the cues come back with "Zavřít".
  context_.sounds.release();
  SharedState& stav = context_.stav;
  showLessonPanel(false);
  showKeyboardGuide(false);
  frmLimity->hide();
  stav.DruhTestu = TestKind::Cviceni;
  stav.NazevTestu = fromQString(title);
  stav.VybranyText = stav.NazevTestu;
  stav.BezMazani = false;
  Vymazat();
  // The text is heard, not read: it is only what the typing is aligned with.
  rtbZadani->clear();
  for (TargetTextLabel* label : lblZadani) label->setText(QString());
  const std::u16string normalized = normalizeTextEnd(transcript);
  for (int copy = targetCopies(normalized.size()); copy > 0; --copy) rtbZadani->append(normalized);
  setStartCaptions();
  setWindowTitle(QStringLiteral("Tymba - ") + title);
  picDiktafon->showRecording(title, *length);
  picDiktafon->show();
  txtVVysledek->hide();
  txtVysledek->show();
  txtVysledek->setFocus();
  return true;
}

void frmZaklad::leaveDictation() {
  if (!dictationShown()) return;
  picDiktafon->closeRecording();
  picDiktafon->hide();
  if (context_.stav.ZvukPripraven) reloadSoundsAfterDictation(context_);
}

void frmZaklad::closeDictation() {
  leaveDictation();
  Vymazat();
  context_.stav.TestUkoncen = false;
  txtVysledek->hide();
  for (TargetTextLabel* label : lblZadani) label->setText(QString());
  // Nothing is prepared any more: the window looks as it did at the start.
  tmrCasik->stop();
  for (QLabel* caption : {lblNazev, lblDoba, lblZtrata, lblZahajeni}) caption->clear();
  setWindowTitle(QStringLiteral("Tymba "));
}

}  // namespace tymba
