#include "ui/frmMoznosti.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/colour.h"
#include "storage/optionvalues.h"
#include "ui/application.h"
#include "ui/frmZaklad.h"
#include "ui/localeformat.h"
#include "ui/settingsfields.h"
#include "ui/soundsetup.h"

namespace tymba {
namespace {

enum Tab { kPozadiTab, kProstrediTab, kZvukTab };

std::uint32_t colourOrDefault(const std::string& stored, std::string_view key) {
  return parseColour(stored).value_or(*parseColour(optionEntry(key).firstRunValue));
}

std::string switchText(const QCheckBox* box) { return box->isChecked() ? "1" : "0"; }

}  // namespace

frmMoznosti::frmMoznosti(AppContext& context, frmZaklad& zaklad)
    : QDialog(&zaklad), context_(context), zaklad_(zaklad) {
  setObjectName(QStringLiteral("frmMoznosti"));
  setWindowTitle(QStringLiteral("Možnosti"));
  setAttribute(Qt::WA_DeleteOnClose);

  Label2 =
      namedLabel("Label2",
                 QStringLiteral("Nyní si můžete nastavit konfigurace pozadí za textem, zvukové "
                                "nastavené jako např. převinutí zvukového textu o určitou "
                                "pozici dozadu, výchozí nastavení parametrů, zobrazení,..."),
                 this);
  Label2->setWordWrap(true);
  TabStrip1 = new QTabBar(this);
  TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
  TabStrip1->setExpanding(false);
  for (const char* tab : {"Pozadí", "Prostředí", "Zvuk"}) TabStrip1->addTab(QString::fromUtf8(tab));
  auto* page = new QFrame(this);
  page->setFrameShape(QFrame::StyledPanel);
  panels_ = new QStackedLayout(page);
  picPozadi = buildPozadi();
  picProstredi = buildProstredi();
  picZvuk = buildZvuk();
  for (QWidget* panel : {picPozadi, picProstredi, picZvuk}) panels_->addWidget(panel);
  cmdOK = namedButton("cmdOK", QStringLiteral("OK"), this);
  cmdOK->setDefault(true);
  cmdStorno = namedButton("cmdStorno", QStringLiteral("Storno"), this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label2);
  layout->addSpacing(6);
  layout->addWidget(TabStrip1);
  layout->setSpacing(0);
  layout->addWidget(page, 1);
  auto* buttons = new QHBoxLayout();
  buttons->setContentsMargins(0, 10, 0, 0);
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdStorno);
  layout->addLayout(buttons);

  connect(TabStrip1, &QTabBar::currentChanged, this, &frmMoznosti::TabStrip1_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmMoznosti::cmdOK_Click);
  connect(cmdStorno, &QPushButton::clicked, this, &frmMoznosti::cmdStorno_Click);
  Form_Load();
  // The caption wraps within the width the panels need.
  Label2->setMinimumWidth(page->sizeHint().width());
  adjustSize();
}

// Each opening starts from what is stored, so that nothing left from an
// earlier opening or from the font menu shows a choice that is not saved.
void frmMoznosti::Form_Load() {
  SharedState& stav = context_.stav;
  Nastaveni& options = stav.nastaveni;
  rereadOptions(context_.settings, options, stav.ZvukPripraven);
  cmbTypPozadi->setCurrentIndex(options.Pozadi == 1 ? 0 : 1);
  cmbTypPozadi_Click(cmbTypPozadi->currentIndex());
  // An option with no usable stored value chooses no entry.
  cmbNecinnost->setCurrentIndex(options.Zastav / 3 - 1);
  txtChyba->setText(wholeNumberText(options.Chyba));
  txtLimitRychlost->setText(wholeNumberText(options.LimitRychlost));
  txtLimitChyba->setText(wholeNumberText(options.LimitChyba));
  cmbVelikostPisma->setCurrentIndex(options.Pismo - 1);
  cmbZvukKlik->setCurrentIndex(options.Klik - 1);
  cmbZvukKlik_Click(cmbZvukKlik->currentIndex());
  cmbPosunDikt->setCurrentIndex(options.Posun - 1);
  chkSeznamChyb->setChecked(options.SeznamChyb == "1");
  chkZobrazKlavesnici->setChecked(options.ZobrazKlavesnici == "1");
  chkLimityVisible->setChecked(options.LimityVisible == "1");
  chkChyba->setChecked(options.ZvukChybaB == "1");
  chkKonec->setChecked(options.ZvukKonecB == "1");
  txtZvukChyba->setText(QString::fromStdString(options.ZvukChyba));
  txtZvukKonec->setText(QString::fromStdString(options.ZvukKonec));
  chkChyba_Click();
  chkKonec_Click();
  barva_ = colourOrDefault(options.Barva, "Barva");
  barva2_ = colourOrDefault(options.Barva2, "Barva2");
  barvaPisma_ = colourOrDefault(options.BarvaPisma, "BarvaPisma");
  showColours();
  TabStrip1->setCurrentIndex(kPozadiTab);
  TabStrip1_Click(kPozadiTab);
}

// The tab's panel shows; the stack hides the other two.
void frmMoznosti::TabStrip1_Click(int tab) { panels_->setCurrentIndex(tab); }

Nastaveni frmMoznosti::chosenOptions(const OptionsVerdict& verdict) const {
  Nastaveni options = context_.stav.nastaveni;
  options.Pozadi = cmbTypPozadi->currentIndex() == 0 ? 1 : 2;
  options.Zastav = 3 * (cmbNecinnost->currentIndex() + 1);
  options.Posun = cmbPosunDikt->currentIndex() + 1;
  options.Klik = cmbZvukKlik->currentIndex() + 1;
  options.Chyba = verdict.Chyba;
  options.Barva = colourText(barva_);
  options.Barva2 = colourText(barva2_);
  options.BarvaPisma = colourText(barvaPisma_);
  options.Pismo = cmbVelikostPisma->currentIndex() + 1;
  options.LimitChyba = verdict.LimitChyba;
  options.LimitRychlost = verdict.LimitRychlost;
  options.ZobrazKlavesnici = switchText(chkZobrazKlavesnici);
  options.ZvukChyba = txtZvukChyba->text().toStdString();
  options.ZvukKonec = txtZvukKonec->text().toStdString();
  options.ZvukChybaB = switchText(chkChyba);
  options.ZvukKonecB = switchText(chkKonec);
  options.LimityVisible = switchText(chkLimityVisible);
  options.SeznamChyb = switchText(chkSeznamChyb);
  return options;
}

// Nothing is written or shown before every check has passed, and then all
// of it is written as one change: a store that cannot be written keeps the
// window open with nothing changed.
void frmMoznosti::cmdOK_Click() {
  const auto missing = [](const QCheckBox* on, const QLineEdit* box) {
    return on->isChecked() && !QFileInfo(box->text()).isFile();
  };
  const OptionsVerdict verdict =
      checkOptions({numberIn(*txtChyba), numberIn(*txtLimitChyba), numberIn(*txtLimitRychlost),
                    missing(chkChyba, txtZvukChyba), missing(chkKonec, txtZvukKonec)});
  if (verdict.check != OptionsCheck::Taken) {
    refuse(verdict.check);
    return;
  }
  SharedState& stav = context_.stav;
  Nastaveni chosen = chosenOptions(verdict);
  try {
    context_.settings.writeAll(kOptionsSection, optionsWindowPairs(chosen));
  } catch (const SettingsError&) {
    context_.messages.show(
        QStringLiteral("Možnosti nelze uložit, protože nastavení programu nelze zapsat."),
        QStringLiteral("Chyba"), MessageIcon::Critical);
    return;
  }
  // The font size is the font procedure's to set: it does nothing when the
  // size is the one in memory already.
  const int pismo = chosen.Pismo;
  chosen.Pismo = stav.nastaveni.Pismo;
  stav.nastaveni = std::move(chosen);
  if (stav.ZvukPripraven) reloadSoundsAfterOptions(context_);
  zaklad_.showSavedOptions(pismo);
  accept();
}

void frmMoznosti::refuse(OptionsCheck check) {
  struct Refusal {
    OptionsCheck check;
    const char* text;
    const char* title;
    MessageIcon icon;
    QLineEdit* frmMoznosti::*box;
  };
  constexpr auto kExclamation = MessageIcon::Exclamation;
  static constexpr Refusal kRefusals[] = {
      {OptionsCheck::ChybaNoNumber,
       "Pole 'Ztráta úhozů' můžete znázornit pouze numerickou hodnotou", "Přerušení", kExclamation,
       &frmMoznosti::txtChyba},
      {OptionsCheck::ChybaOutOfRange, "Pole 'Ztráta úhozů' neobsahuje číselný údaj od 1 do 500",
       "Přerušené", kExclamation, &frmMoznosti::txtChyba},
      {OptionsCheck::LimitChybaNoNumber,
       "pole 'Limit chyb' můžete znázornit pouze numerickou hodnotou", "Přerušení", kExclamation,
       &frmMoznosti::txtLimitChyba},
      {OptionsCheck::LimitChybaOutOfRange, "Pole 'Limit chyb' neobsahuje číselný údaj od 1 do 10",
       "Přerušení", kExclamation, &frmMoznosti::txtLimitChyba},
      {OptionsCheck::LimitRychlostNoNumber,
       "Pole 'Limit rychlosti' můžete znázornit pouze numerickou hodnotou", "Přerušení",
       kExclamation, &frmMoznosti::txtLimitRychlost},
      {OptionsCheck::LimitRychlostOutOfRange,
       "Pole 'Limit rychlosti' neobsahuje číselný údaj od 1 do 500", "Přerušení", kExclamation,
       &frmMoznosti::txtLimitRychlost},
      {OptionsCheck::ErrorSoundMissing,
       "Vybraný soubor pro zvuk chyby neexistuje. Zadejte jinou cestu", "Přerušení",
       MessageIcon::Critical, &frmMoznosti::txtZvukChyba},
      {OptionsCheck::EndSoundMissing,
       "Vbraný soubor pro zvuk konce testu neexistuje. Zadejte jinou cestu", "Přerušení",
       MessageIcon::Critical, &frmMoznosti::txtZvukKonec},
  };
  for (const Refusal& refusal : kRefusals) {
    if (refusal.check != check) continue;
    QLineEdit* box = this->*refusal.box;
    // The box's tab comes up first, so that the message is read beside it.
    TabStrip1->setCurrentIndex(picZvuk->isAncestorOf(box) ? kZvukTab : kProstrediTab);
    context_.messages.show(QString::fromUtf8(refusal.text), QString::fromUtf8(refusal.title),
                           refusal.icon);
    box->setFocus();
    box->selectAll();
  }
}

void frmMoznosti::cmdStorno_Click() { reject(); }

}  // namespace tymba
