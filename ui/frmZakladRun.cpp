// The run of the main window: its reset, its starts, its end and restart.
#include "ui/frmZaklad.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "core/alignment.h"
#include "core/cp1250.h"
#include "core/exerciseengine.h"
#include "core/lessonlines.h"
#include "core/targettext.h"
#include "core/twips.h"
#include "storage/textfile.h"
#include "ui/application.h"
#include "ui/dictationpanel.h"
#include "ui/frmVysledek.h"
#include "ui/targettextlabel.h"
#include "ui/textconvert.h"
#include "ui/textholder.h"
#include "ui/typingbox.h"

namespace tymba {
namespace {

// Numbers in the captions and the rules: plain decimal, no grouping.
QString wholeNumber(int value) { return QString::number(value); }

}  // namespace

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
  setBar(lblZacatek, kEmptyBarTwips);
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

std::optional<std::u16string> frmZaklad::readExerciseText(const std::u16string& FileCviceni) {
  const std::filesystem::path file =
      context_.stav.TextZeSouboru
          ? std::filesystem::path(toQString(FileCviceni).toStdString())
          : context_.folders.find("\\cviceni\\" + toUtf8(FileCviceni) + ".txt");
  const QString name = toQString(FileCviceni);
  std::u16string text;
  try {
    // A file of the user's own may come from any editor; the exercise
    // texts are the program's own Windows-1250 files.
    text = context_.stav.TextZeSouboru ? readForeignText(file) : readWholeText(file);
  } catch (const TextFileError& error) {
    // Far beyond any test (a 30-minute test types about 20 KB); reading and
    // showing it would freeze the window.
    if (error.code() == std::errc::file_too_large) {
      context_.messages.show(QStringLiteral("Písemnost '%1' je příliš velká (více než 1 MB), proto "
                                            "s ní nelze psát test.")
                                 .arg(name),
                             QStringLiteral("Přerušení"), MessageIcon::Exclamation);
      return std::nullopt;
    }
    // The list offered it a moment ago, or it was loaded before: it has
    // been removed or renamed since, or cannot be read.
    context_.messages.show(
        QStringLiteral("Písemnost '%1' nebyla nalezena nebo ji nelze přečíst.").arg(name),
        QStringLiteral("Přerušení"), MessageIcon::Critical);
    return std::nullopt;
  }
  if (text.empty()) {
    context_.messages.show(
        QStringLiteral("Písemnost '%1' je prázdná, proto s ní nelze psát test.").arg(name),
        QStringLiteral("Přerušení"), MessageIcon::Exclamation);
    return std::nullopt;
  }
  return text;
}

bool frmZaklad::ReadFiles(const std::u16string& FileCviceni) {
  const auto text = readExerciseText(FileCviceni);
  if (!text) return false;
  showTargetText(*text);
  return true;
}

bool frmZaklad::startExerciseRun(const QString& entry, bool showRules) {
  SharedState& stav = context_.stav;
  if (entry.isEmpty()) {
    context_.messages.show(QStringLiteral("Vyberte písemnost"), QStringLiteral("Chyba"),
                           MessageIcon::Exclamation);
    return false;
  }
  // Read first: a text that cannot be loaded leaves the run as it was.
  const auto text = readExerciseText(fromQString(entry));
  if (!text) return false;
  leaveDictation();
  showLessonPanel(false);
  txtVysledek->show();
  stav.VybranyText = fromQString(entry);
  Vymazat();
  rtbZadani->clear();
  showKeyboardGuide(false);
  frmLimity->hide();
  showTargetText(*text);
  stav.DruhTestu = TestKind::Cviceni;
  stav.NazevTestu = stav.VybranyText;
  setStartCaptions();
  QCoreApplication::processEvents();
  txtVVysledek->hide();
  txtVysledek->setFocus();
  setWindowTitle(QStringLiteral("Tymba - ") + entry);
  if (!showRules) return true;

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
  leaveDictation();
  stav.RadkyVyuky = std::move(lines);
  if (stav.RadkyVyuky.empty()) stav.RadkyVyuky.emplace_back();
  showLessonPanel(true);
  txtVysledek->hide();
  stav.NazevTestu = fromQString(entry);
  // A lesson takes the limits of the options only when it shows them; hidden
  // limits stay as they were.
  const bool limits = stav.nastaveni.LimityVisible == "1";
  if (kind == LessonKind::Lesson) {
    stav.ZtrataUhozu = 10;
    stav.DobaTestu = 30;
    if (limits) {
      stav.LimitRychlostiTestu = stav.nastaveni.LimitRychlost;
      stav.LimitChybTestu = stav.nastaveni.LimitChyba;
    }
  }
  frmLimity->setVisible(limits);
  applyFontSize();
  showLessonStart(lessonDisplay_, stav.RadkyVyuky, stav.nastaveni.Pismo);
  renderLessonDisplay();
  setStartCaptions();
  setWindowTitle(QStringLiteral("Tymba - ") + entry);
  stav.DruhTestu = TestKind::Vyuka;
  // A practice run shows the guide unless the options say otherwise.
  showKeyboardGuide(kind == LessonKind::Lesson || stav.nastaveni.ZobrazKlavesnici != "0");
  QCoreApplication::processEvents();
  txtVVysledek->show();
  txtVVysledek->setFocus();
}

bool frmZaklad::startLessonFile(const QString& entry, LessonKind kind) {
  const bool lesson = kind == LessonKind::Lesson;
  const std::string folder = lesson ? "\\Vyuka\\" : "\\Procvicovani\\";
  const auto file = context_.folders.find(folder + entry.toStdString() + ".vyu");
  const QString what = lesson ? QStringLiteral("Lekce") : QStringLiteral("Písemnost");
  std::u16string text;
  try {
    text = readWholeText(file);
  } catch (const TextFileError& error) {
    const QString why = error.code() == std::errc::file_too_large
                            ? QStringLiteral("%1 '%2' je příliš velká (více než 1 MB).")
                            : QStringLiteral("%1 '%2' nebyla nalezena nebo ji nelze přečíst.");
    context_.messages.show(why.arg(what, entry), QStringLiteral("Přerušení"),
                           MessageIcon::Critical);
    return false;
  }
  if (text.empty()) {
    context_.messages.show(
        QStringLiteral("%1 '%2' je prázdná, proto ji nelze psát.").arg(what, entry),
        QStringLiteral("Přerušení"), MessageIcon::Exclamation);
    return false;
  }
  startLessonRun(entry, cutLessonLines(text), kind);
  return true;
}

void frmZaklad::endRun() {
  SharedState& stav = context_.stav;
  tmrLimit->stop();
  tmrCas->stop();
  tmrVypnuti->stop();
  stav.CasUkonceni =
      static_cast<std::int32_t>(roundHalfEven(context_.clock.secondsSinceMidnight()));
  showResult();
}

void frmZaklad::miVyhodnoceniTestu_Click() {
  if (context_.stav.TestBezi) endRun();
}

void frmZaklad::miZnovu_Click() { restartRun(); }

void frmZaklad::restartRun() {
  SharedState& stav = context_.stav;
  tmrCas->stop();
  tmrVypnuti->stop();
  stav.CasUkonceni =
      static_cast<std::int32_t>(roundHalfEven(context_.clock.secondsSinceMidnight()));
  setClockTexts(QStringLiteral("00"), QStringLiteral("00"));
  tmrCasik->start();
  setBar(lblZRychlost, kLimitBarRestTwips);
  setBar(lblCChyby, kLimitBarRestTwips);
  lblRychlost->setText(QStringLiteral("0"));
  lblChyby->setText(QStringLiteral("0"));
  lblProcentoRychlosti->setText(QStringLiteral("0 %"));
  lblProcentoChyb->setText(QStringLiteral("0 %"));
  const bool lesson = stav.DruhTestu == TestKind::Vyuka;
  if (lesson) {
    showLessonStart(lessonDisplay_, stav.RadkyVyuky, stav.nastaveni.Pismo);
    renderLessonDisplay();
    showNextKey();
  }
  Vymazat();
  if (lesson) {
    showLessonPanel(true);
    txtVysledek->hide();
    setStartCaptions();
    txtVVysledek->show();
    txtVVysledek->setFocus();
  } else if (dictationShown()) {
    // The transcript stays as it is; the recording goes back to its start.
    picDiktafon->restartRecording();
    setStartCaptions();
    txtVysledek->setFocus();
  } else {
    showLessonPanel(false);
    txtVysledek->show();
    // The text is loaded again; its copies join those already held.
    ReadFiles(stav.VybranyText);
    stav.DruhTestu = TestKind::Cviceni;
    // A test from a file keeps the file's name; its path is in the title.
    if (!stav.TextZeSouboru) stav.NazevTestu = stav.VybranyText;
    setStartCaptions();
    txtVVysledek->hide();
    txtVysledek->setFocus();
  }
}

void frmZaklad::disableExerciseBox() { txtVysledek->setEnabled(false); }

bool frmZaklad::startFileTest() {
  SharedState& stav = context_.stav;
  const TestKind kind = stav.DruhTestu;
  const std::u16string name = stav.NazevTestu;
  stav.TextZeSouboru = true;
  if (!startExerciseRun(toQString(stav.VybranyText), false)) return false;
  stav.DruhTestu = kind;
  stav.NazevTestu = name;
  lblNazev->setText(toQString(name));
  return true;
}

void frmZaklad::showResult() {
  if (result_ && result_->isVisible()) return;  // one result window at a time
  // The run is over: the recording need not go on under the result.
  if (dictationShown()) picDiktafon->stopPlayback();
  // Keys still pending from the typing must not change the run being scored.
  runInputBox()->setEnabled(false);
  auto* window = new frmVysledek(context_, *this);
  result_ = window;
  window->Form_Load();
  context_.dialogs.run(*window);
}

TypingBox* frmZaklad::runInputBox() const {
  return context_.stav.DruhTestu == TestKind::Vyuka ? txtVVysledek : txtVysledek;
}

std::u16string frmZaklad::typedText() const {
  if (context_.stav.DruhTestu == TestKind::Vyuka) return context_.stav.NapsanyText;
  return toCore(txtVysledek->toPlainText());
}

void frmZaklad::showScoredTexts(const std::u16string& markedCopy,
                                const std::u16string& typedWithGaps) {
  txtVysledek1->setPlainText(toBox(markedCopy));
  if (context_.stav.DruhTestu == TestKind::Cviceni)
    txtVysledek->setTextQuietly(toBox(typedWithGaps));
}

void frmZaklad::resultClosed() {
  const bool lesson = context_.stav.DruhTestu == TestKind::Vyuka;
  if (lesson) {
    showLessonStart(lessonDisplay_, context_.stav.RadkyVyuky, context_.stav.nastaveni.Pismo);
    renderLessonDisplay();
    showNextKey();
  }
  Vymazat();
  // The reset shows the exercise box; a lesson keeps only its own.
  txtVysledek->setVisible(!lesson);
  runInputBox()->setEnabled(true);
  runInputBox()->setFocus();
}

void frmZaklad::Oprava() {
  tymba::Oprava(context_.stav, rtbZadani->text(), toCore(txtVysledek->toPlainText()),
                [] { QCoreApplication::processEvents(); });
}

}  // namespace tymba
