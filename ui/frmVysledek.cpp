#include "ui/frmVysledek.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "core/clockmath.h"
#include "core/scoring.h"
#include "storage/resultrecord.h"
#include "storage/textfile.h"
#include "ui/application.h"
#include "ui/centring.h"
#include "ui/frmVyhodnoceni.h"
#include "ui/frmZaklad.h"
#include "ui/localeformat.h"
#include "ui/textconvert.h"

namespace tymba {
namespace {

QLabel* valueLabel(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label->setMinimumWidth(90);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

}  // namespace

frmVysledek::frmVysledek(AppContext& context, frmZaklad& zaklad)
    : QDialog(&zaklad), context_(context), zaklad_(zaklad) {
  setObjectName(QStringLiteral("frmVysledek"));
  setWindowTitle(QStringLiteral("Vyhodnocení"));
  setAttribute(Qt::WA_DeleteOnClose);

  auto* grid = new QGridLayout();
  const struct {
    const char* staticName;
    const char* caption;
    QLabel** value;
    const char* valueName;
  } rows[] = {
      {"Label1", "Hubé úhozy:", &lblHrubeUhozy, "lblHrubeUhozy"},
      {"Label2", "Počet chyb:", &lblPocetChyb, "lblPocetChyb"},
      {"Label3", "Čisté úhozy:", &lblCisteUhozy, "lblCisteUhozy"},
      {"Label4", "Procento chyb:", &lblProcentoChyb, "lblProcentoChyb"},
      {"Label5", "Doba testu:", &lblDobaTestu, "lblDobaTestu"},
      {"Label6", "Čisté úhozy za minutu:", &lblCisteUhozyMin, "lblCisteUhozyMin"},
  };
  int row = 0;
  for (const auto& r : rows) {
    auto* caption = new QLabel(QString::fromUtf8(r.caption), this);
    caption->setObjectName(QString::fromLatin1(r.staticName));
    *r.value = valueLabel(r.valueName, this);
    grid->addWidget(caption, row, 0);
    grid->addWidget(*r.value, row, 1);
    ++row;
  }

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &frmVysledek::cmdOK_Click);
  cmdPodrobne = new QPushButton(QStringLiteral("Podrobně..."), this);
  cmdPodrobne->setObjectName(QStringLiteral("cmdPodrobne"));
  connect(cmdPodrobne, &QPushButton::clicked, this, &frmVysledek::cmdPodrobne_Click);
  cmdUloz = new QPushButton(QStringLiteral("Uložit"), this);
  cmdUloz->setObjectName(QStringLiteral("cmdUloz"));
  cmdUloz->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));  // as "Uložit jako..." in the menu
  connect(cmdUloz, &QPushButton::clicked, this, &frmVysledek::cmdUloz_Click);

  auto* buttons = new QHBoxLayout();
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdPodrobne);
  buttons->addWidget(cmdUloz);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  // Watches the keys of every child as well, those added later included.
  qApp->installEventFilter(this);
}

void frmVysledek::showEvent(QShowEvent* event) {
  if (!lastKeyAt_) lastKeyAt_ = context_.clock.secondsSinceMidnight();
  QDialog::showEvent(event);
}

bool frmVysledek::swallowsKey(const QObject* receiver, const QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
    return false;
  const auto* widget = qobject_cast<const QWidget*>(receiver);
  if (!widget || (widget != this && !isAncestorOf(widget))) return false;
  const double now = context_.clock.secondsSinceMidnight();
  if (lastKeyAt_ && secondsSince(now, *lastKeyAt_) >= kKeyGuardSeconds) return false;
  // A typist still typing keeps the window closed to keys.
  if (type == QEvent::KeyPress) lastKeyAt_ = now;
  return true;
}

bool frmVysledek::eventFilter(QObject* watched, QEvent* event) {
  if (!swallowsKey(watched, event)) return QDialog::eventFilter(watched, event);
  // Accepted, a key goes no further: not to a parent, not to a shortcut.
  event->accept();
  return true;
}

// Wide enough for its caption with the test's name, which a narrow window
// manager title would cut short, within half the screen.
void frmVysledek::fitCaption() {
  QFont bold = font();
  bold.setBold(true);
  const int caption = QFontMetrics(bold).horizontalAdvance(windowTitle()) + kCaptionMargin;
  const QScreen* shown = screen();
  const int limit = shown ? shown->availableGeometry().width() / 2 : caption;
  setMinimumWidth(std::max(minimumSizeHint().width(), std::min(caption, limit)));
}

void frmVysledek::Form_Load() {
  SharedState& stav = context_.stav;
  setWindowTitle(QStringLiteral("Vyhodnocení") + QStringLiteral("- ") + toQString(stav.NazevTestu));
  zaklad_.resetLiveIndicators();
  QCoreApplication::processEvents();
  if (stav.DruhTestu == TestKind::Cviceni) zaklad_.Oprava();
  stav.TestUkoncen = true;

  fitCaption();
  adjustSize();
  centreOnScreen(*this);

  const std::u16string typed = zaklad_.typedText();
  const ScoredTexts texts = scoreRun(stav, typed);
  lblHrubeUhozy->setText(wholeNumberText(stav.HrubeUhozy));
  lblDobaTestu->setText(toQString(stav.DobaVysledku));
  lblCisteUhozy->setText(wholeNumberText(stav.CisteUhozy));
  lblCisteUhozyMin->setText(stav.CisteUhozyMin > 0 ? wholeNumberText(stav.CisteUhozyMin)
                                                   : QStringLiteral("0"));
  lblProcentoChyb->setText(fixed4Text(stav.ProcentoChyb));
  stav.CasVysledku = fromQString(context_.clock.dateAndTimeText());
  if (stav.AktualniUzivatel != u"Hlavni") appendHistoryRecord(typed, texts.markedCopy);

  zaklad_.showScoredTexts(texts.markedCopy, texts.typedWithGaps);
  zaklad_.finishEvaluation();
  stav.PocetChyb = stav.ChybyVysledku;
  lblPocetChyb->setText(wholeNumberText(stav.PocetChyb));
}

void frmVysledek::cmdOK_Click() { accept(); }

// Modal over this window; it may put negative net values right to 0.
void frmVysledek::cmdPodrobne_Click() {
  auto* window = new frmVyhodnoceni(context_, this);
  window->Form_Load();
  context_.dialogs.run(*window);
}

// A result that could not be saved stays, to be saved elsewhere.
void frmVysledek::cmdUloz_Click() {
  const QString file = zaklad_.askTestFileToSave();
  if (!file.isEmpty() && zaklad_.Uloz(file)) accept();
}

// The identity's user file is made with the identity. A missing one is told,
// not made anew here, so that a history that has gone astray is noticed.
void frmVysledek::appendHistoryRecord(const std::u16string& typed,
                                      const std::u16string& markedCopy) {
  const SharedState& stav = context_.stav;
  const std::filesystem::path file = context_.folders.identityFile(stav.AktualniUzivatel);
  std::error_code error;
  if (std::filesystem::is_regular_file(file, error)) {
    try {
      appendRecord(file, historyRecord(stav, localeTexts(context_.clock.now(), stav.ProcentoChyb),
                                       typed, markedCopy));
      return;
    } catch (const TextFileError&) {
      // told below, as a missing file is
    }
  }
  context_.messages.show(
      QStringLiteral("Test nelze přidat do historie uživatele '%1': soubor "
                     "'%2' neexistuje nebo do něj nelze zapisovat.")
          .arg(toQString(stav.AktualniUzivatel), QString::fromStdString(file.string())),
      QStringLiteral("Chyba"), MessageIcon::Critical);
}

void frmVysledek::done(int result) {
  unload();
  QDialog::done(result);
  deleteLater();  // the window is loaded anew for every result
}

void frmVysledek::unload() {
  if (unloaded_) return;
  unloaded_ = true;
  zaklad_.resultClosed();
}

}  // namespace tymba
