// The three panels of the options window and what their controls do before
// OK: colours chosen into the swatches and the preview, sound files browsed
// for and played, the buttons that follow their switches.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/colour.h"
#include "core/optiontable.h"
#include "media/soundcues.h"
#include "ui/application.h"
#include "ui/centring.h"
#include "ui/colours.h"
#include "ui/frmMoznosti.h"
#include "ui/frmTestKlik.h"
#include "ui/named.h"
#include "ui/settingsfields.h"

namespace tymba {
namespace {

// A swatch or a stripe is this high, and a swatch this wide.
constexpr int kSwatchWidth = 48;
constexpr int kStripeLines = 4;
// The preview's text is wrapped at about this many characters.
constexpr int kPreviewChars = 48;

QComboBox* namedList(const char* name, std::initializer_list<const char*> entries,
                     QWidget* parent) {
  auto* list = named(new QComboBox(parent), QString::fromLatin1(name));
  for (const char* entry : entries) list->addItem(QString::fromUtf8(entry));
  return list;
}

QCheckBox* namedCheck(const char* name, const char* caption, QWidget* parent) {
  return named(new QCheckBox(QString::fromUtf8(caption), parent), QString::fromLatin1(name));
}

QLabel* swatch(const char* name, QWidget* parent) {
  auto* label = namedLabel(name, QString(), parent);
  label->setFrameShape(QFrame::Box);
  label->setAutoFillBackground(true);
  label->setFixedWidth(kSwatchWidth);
  return label;
}

void paint(QWidget* widget, QPalette::ColorRole role, std::uint32_t colour) {
  const QColor shown = colourFromSetting(colourText(colour), QApplication::palette());
  QPalette own = widget->palette();
  own.setColor(role, shown);
  widget->setPalette(own);
}

std::uint32_t firstRunColour(std::string_view key) {
  return *parseColour(optionEntry(key).firstRunValue);
}

}  // namespace

QWidget* frmMoznosti::buildPozadi() {
  auto* panel = named(new QWidget(this), QStringLiteral("picPozadi"));
  Label8 = namedLabel("Label8", QStringLiteral("Pozadí s barevným rozlišením:"), panel);
  cmbTypPozadi = namedList("cmbTypPozadi", {"Ano", "Ne"}, panel);
  Label6 = namedLabel("Label6", QStringLiteral("Barva pozadí prvního řádku:"), panel);
  lblBarva = swatch("lblBarva", panel);
  cmdBarva = namedButton("cmdBarva", QStringLiteral("Vybrat barvu"), panel);
  cmdStandard1 = namedButton("cmdStandard1", QStringLiteral("Standard"), panel);
  Label12 = namedLabel("Label12", QStringLiteral("Barva pozadí druhého řádku:"), panel);
  lblBarva2 = swatch("lblBarva2", panel);
  cmdBarva2 = namedButton("cmdBarva2", QStringLiteral("Vybrat barvu"), panel);
  cmdStandard2 = namedButton("cmdStandard2", QStringLiteral("Standard"), panel);
  Label13 = namedLabel("Label13", QStringLiteral("Barva písma:"), panel);
  lblBarvaPisma = swatch("lblBarvaPisma", panel);
  cmdBarvaPisma = namedButton("cmdBarvaPisma", QStringLiteral("Vybrat barvu"), panel);
  cmdStandardPisma = namedButton("cmdStandardPisma", QStringLiteral("Standard"), panel);

  // The preview: first-line and second-line stripes in turn, the text over
  // them, one line of it on each stripe.
  auto* preview = named(new QFrame(panel), QStringLiteral("picUkazka"));
  preview->setFrameShape(QFrame::StyledPanel);
  auto* stripes = new QGridLayout(preview);
  stripes->setSpacing(0);
  lblPismo = namedLabel(
      "lblPismo",
      QStringLiteral("Zde je zobrazen výsledek vaší volby  první a druhého řádku a také barva "
                     "písma. "),
      preview);
  lblPismo->setFont(QFont(QStringLiteral("Courier New"), 10));
  const int lineHeight = QFontMetrics(lblPismo->font()).lineSpacing();
  for (int k = 0; k < kStripeLines; ++k) {
    auto& band = k % 2 == 0 ? lblLinka[k / 2] : lblLinka1[k / 2];
    band =
        named(new QFrame(preview),
              QStringLiteral("%1(%2)").arg(k % 2 == 0 ? "lblLinka" : "lblLinka1").arg(k / 2 + 1));
    band->setAutoFillBackground(true);
    band->setFixedHeight(lineHeight);
    stripes->addWidget(band, k, 0);
  }
  lblPismo->setWordWrap(true);
  lblPismo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblPismo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
  stripes->addWidget(lblPismo, 0, 0, kStripeLines, 1);
  lblPismo->raise();
  // Narrow enough for the text to take a first and a second line.
  const int margins = stripes->contentsMargins().left() + stripes->contentsMargins().right();
  preview->setFixedWidth(
      QFontMetrics(lblPismo->font()).horizontalAdvance(QString(kPreviewChars, 'W')) + margins);

  auto* grid = new QGridLayout(panel);
  grid->addWidget(Label8, 0, 0);
  grid->addWidget(cmbTypPozadi, 0, 1, 1, 2, Qt::AlignLeft);
  int row = 1;
  for (auto [caption, colour, choose, standard] :
       {std::tuple(Label6, lblBarva, cmdBarva, cmdStandard1),
        std::tuple(Label12, lblBarva2, cmdBarva2, cmdStandard2),
        std::tuple(Label13, lblBarvaPisma, cmdBarvaPisma, cmdStandardPisma)}) {
    grid->addWidget(caption, row, 0);
    grid->addWidget(colour, row, 1);
    grid->addWidget(choose, row, 2);
    grid->addWidget(standard, row++, 3);
  }
  grid->addWidget(preview, row, 0, 1, 5, Qt::AlignLeft);
  grid->setRowStretch(row + 1, 1);
  grid->setColumnStretch(4, 1);

  connect(cmbTypPozadi, &QComboBox::currentIndexChanged, this, &frmMoznosti::cmbTypPozadi_Click);
  connect(cmdBarva, &QPushButton::clicked, this, &frmMoznosti::cmdBarva_Click);
  connect(cmdBarva2, &QPushButton::clicked, this, &frmMoznosti::cmdBarva2_Click);
  connect(cmdBarvaPisma, &QPushButton::clicked, this, &frmMoznosti::cmdBarvaPisma_Click);
  connect(cmdStandard1, &QPushButton::clicked, this, &frmMoznosti::cmdStandard1_Click);
  connect(cmdStandard2, &QPushButton::clicked, this, &frmMoznosti::cmdStandard2_Click);
  connect(cmdStandardPisma, &QPushButton::clicked, this, &frmMoznosti::cmdStandardPisma_Click);
  return panel;
}

QWidget* frmMoznosti::buildProstredi() {
  auto* panel = named(new QWidget(this), QStringLiteral("picProstredi"));
  auto* display =
      named(new QGroupBox(QStringLiteral("Zobrazení"), panel), QStringLiteral("fraZobrazeni"));
  chkSeznamChyb = namedCheck("chkSeznamChyb",
                             "Zobrazit seznam chyb? (při zobrazení menší jak 1024x768 nebude toto "
                             "okno zcela zobrazeno)",
                             display);
  chkZobrazKlavesnici =
      namedCheck("chkZobrazKlavesnici", "Zobrazit klávesnici při procvičování?", display);
  chkLimityVisible = namedCheck("chkLimityVisible",
                                "Zobrazit limity rychlosti a chyb? (při zobrazení menší jak "
                                "1024x768 nebude toto okno zcela zobrazeno)",
                                display);
  Label10 = namedLabel("Label10", QStringLiteral("Výchozí nastavení velikosti písma:"), display);
  cmbVelikostPisma = namedList("cmbVelikostPisma", {"Malé", "Střední", "Velké"}, display);
  auto* shown = new QGridLayout(display);
  shown->addWidget(chkSeznamChyb, 0, 0, 1, 3);
  shown->addWidget(chkZobrazKlavesnici, 1, 0, 1, 3);
  shown->addWidget(chkLimityVisible, 2, 0, 1, 3);
  shown->addWidget(Label10, 3, 0);
  shown->addWidget(cmbVelikostPisma, 3, 1);
  shown->setColumnStretch(2, 1);

  auto* editing = named(new QGroupBox(QStringLiteral("Možnosti úprav"), panel),
                        QStringLiteral("fraMoznostiUprav"));
  Label7 = namedLabel("Label7", QStringLiteral("Zastav při nečinnosti:"), editing);
  cmbNecinnost = namedList("cmbNecinnost",
                           {"3 sekund", "6 sekund", "9 sekund", "12 sekund", "15 sekund"}, editing);
  Label3 =
      namedLabel("Label3", QStringLiteral("Výchozí nastavení ztráty úhozů za chybu:"), editing);
  txtChyba = numberBox("txtChyba", QString(), 0, editing);
  Label1 = namedLabel("Label1", QStringLiteral("Výchozí nastavení limitu rychlosti:"), editing);
  txtLimitRychlost = numberBox("txtLimitRychlost", QString(), 0, editing);
  Label9 = namedLabel("Label9", QStringLiteral("Výchozí nastavení limitu procenta chyb:"), editing);
  txtLimitChyba = numberBox("txtLimitChyba", QString(), 0, editing);
  auto* fields = new QGridLayout(editing);
  int row = 0;
  for (auto [caption, field] : {std::pair<QWidget*, QWidget*>(Label7, cmbNecinnost),
                                {Label3, txtChyba},
                                {Label1, txtLimitRychlost},
                                {Label9, txtLimitChyba}}) {
    fields->addWidget(caption, row, 0);
    fields->addWidget(field, row++, 1);
  }
  fields->setColumnStretch(2, 1);

  auto* layout = new QVBoxLayout(panel);
  layout->addWidget(display);
  layout->addWidget(editing);
  layout->addStretch();
  return panel;
}

QWidget* frmMoznosti::buildZvuk() {
  auto* panel = named(new QWidget(this), QStringLiteral("picZvuk"));
  Label5 = namedLabel("Label5", QStringLiteral("Typ zvuku při kliknutí:"), panel);
  cmbZvukKlik = namedList("cmbZvukKlik", {"Stroj", "Pípnutí", "Klávesnice", "Bez zvuku"}, panel);
  cmdTest = namedButton("cmdTest", QStringLiteral("Test"), panel);
  Label4 = namedLabel("Label4", QStringLiteral("Posun pozice diktafonu zpět o :"), panel);
  cmbPosunDikt = namedList("cmbPosunDikt",
                           {"1 sekunda", "2 sekundy", "3 sekundy", "4 sekundy", "5 sekund"}, panel);
  chkChyba = namedCheck("chkChyba", "Typ zvuku po dvou chybách:", panel);
  txtZvukChyba = named(new QLineEdit(panel), QStringLiteral("txtZvukChyba"));
  Command1 = namedButton("Command1", QStringLiteral("Procházet"), panel);
  cmdTestChyba = namedButton("cmdTestChyba", QStringLiteral("Přehrát"), panel);
  chkKonec = namedCheck("chkKonec", "typ zvuku pro oznámení konce:", panel);
  txtZvukKonec = named(new QLineEdit(panel), QStringLiteral("txtZvukKonec"));
  Command2 = namedButton("Command2", QStringLiteral("Procházet"), panel);
  cmdTestKonec = namedButton("cmdTestKonec", QStringLiteral("Přehrát"), panel);

  auto* grid = new QGridLayout(panel);
  grid->addWidget(Label5, 0, 0);
  grid->addWidget(cmbZvukKlik, 0, 1);
  grid->addWidget(cmdTest, 0, 2);
  grid->addWidget(Label4, 1, 0);
  grid->addWidget(cmbPosunDikt, 1, 1);
  int row = 2;
  for (auto [on, path, browse, play] :
       {std::tuple(chkChyba, txtZvukChyba, Command1, cmdTestChyba),
        std::tuple(chkKonec, txtZvukKonec, Command2, cmdTestKonec)}) {
    grid->addWidget(on, row++, 0, 1, 4);
    grid->addWidget(path, row, 0, 1, 4);
    grid->addWidget(browse, row, 4);
    grid->addWidget(play, row++, 5);
  }
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(3, 1);

  connect(cmbZvukKlik, &QComboBox::currentIndexChanged, this, &frmMoznosti::cmbZvukKlik_Click);
  connect(cmdTest, &QPushButton::clicked, this, &frmMoznosti::cmdTest_Click);
  connect(chkChyba, &QCheckBox::toggled, this, &frmMoznosti::chkChyba_Click);
  connect(chkKonec, &QCheckBox::toggled, this, &frmMoznosti::chkKonec_Click);
  connect(Command1, &QPushButton::clicked, this, &frmMoznosti::Command1_Click);
  connect(Command2, &QPushButton::clicked, this, &frmMoznosti::Command2_Click);
  connect(cmdTestChyba, &QPushButton::clicked, this, &frmMoznosti::cmdTestChyba_Click);
  connect(cmdTestKonec, &QPushButton::clicked, this, &frmMoznosti::cmdTestKonec_Click);
  return panel;
}

void frmMoznosti::cmbTypPozadi_Click(int entry) {
  for (QFrame* band : lblLinka) band->setVisible(entry == 0);
  for (QFrame* band : lblLinka1) band->setVisible(entry == 0);
}

// The dialog gives 0 when cancelled, so a chosen black counts as nothing
// chosen as well: black is the text colour's "Standard".
bool frmMoznosti::chooseColour(std::uint32_t& colour) {
  const QColor chosen = context_.files.chooseColour(this, lastColour_);
  if (!chosen.isValid()) return false;
  lastColour_ = chosen;
  const std::uint32_t number = colourNumber({static_cast<std::uint8_t>(chosen.red()),
                                             static_cast<std::uint8_t>(chosen.green()),
                                             static_cast<std::uint8_t>(chosen.blue())});
  if (number == 0) return false;
  colour = number;
  return true;
}

void frmMoznosti::showColours() {
  paint(lblBarva, QPalette::Window, barva_);
  paint(lblBarva2, QPalette::Window, barva2_);
  paint(lblBarvaPisma, QPalette::Window, barvaPisma_);
  for (QFrame* band : lblLinka) paint(band, QPalette::Window, barva_);
  for (QFrame* band : lblLinka1) paint(band, QPalette::Window, barva2_);
  paint(lblPismo, QPalette::WindowText, barvaPisma_);
}

void frmMoznosti::cmdBarva_Click() {
  if (chooseColour(barva_)) showColours();
}

void frmMoznosti::cmdBarva2_Click() {
  if (chooseColour(barva2_)) showColours();
}

void frmMoznosti::cmdBarvaPisma_Click() {
  if (chooseColour(barvaPisma_)) showColours();
}

void frmMoznosti::cmdStandard1_Click() {
  barva_ = firstRunColour("Barva");
  showColours();
}

void frmMoznosti::cmdStandard2_Click() {
  barva2_ = firstRunColour("Barva2");
  showColours();
}

void frmMoznosti::cmdStandardPisma_Click() {
  barvaPisma_ = firstRunColour("BarvaPisma");
  showColours();
}

// Without a click chosen, or with "Bez zvuku", there is nothing to test.
void frmMoznosti::cmbZvukKlik_Click(int entry) { cmdTest->setEnabled(entry >= 0 && entry < 3); }

void frmMoznosti::cmdTest_Click() {
  auto* test = new frmTestKlik(context_, cmbZvukKlik->currentIndex(), this);
  centreOnScreen(*test);
  context_.dialogs.run(*test);
}

void frmMoznosti::enableSoundRow(bool on, QLineEdit* box, QPushButton* browse, QPushButton* play) {
  box->setEnabled(on);
  browse->setEnabled(on);
  play->setEnabled(on && context_.stav.ZvukPripraven);
}

void frmMoznosti::chkChyba_Click() {
  enableSoundRow(chkChyba->isChecked(), txtZvukChyba, Command1, cmdTestChyba);
}

void frmMoznosti::chkKonec_Click() {
  enableSoundRow(chkKonec->isChecked(), txtZvukKonec, Command2, cmdTestKonec);
}

void frmMoznosti::browseSound(QLineEdit* box) {
  const QString path = context_.files.openFileName(
      this, {QStringLiteral("Procházet"),
             QString::fromStdString(context_.folders.find("\\zvuk2").string()),
             QStringLiteral("Zvukový soubor (*.wav)")});
  if (!path.isEmpty()) box->setText(path);
}

void frmMoznosti::Command1_Click() { browseSound(txtZvukChyba); }

void frmMoznosti::Command2_Click() { browseSound(txtZvukKonec); }

// A file that cannot be decoded is as good as missing.
void frmMoznosti::playSound(QLineEdit* box, OptionsCheck missing) {
  if (!context_.stav.ZvukPripraven) return;
  const QString file = box->text();
  if (!QFileInfo(file).isFile() ||
      !context_.sounds.load(SoundBuffer::Test, std::filesystem::path(file.toStdString()))) {
    refuse(missing);
    return;
  }
  context_.sounds.playFromStart(SoundBuffer::Test);
}

void frmMoznosti::cmdTestChyba_Click() { playSound(txtZvukChyba, OptionsCheck::ErrorSoundMissing); }

void frmMoznosti::cmdTestKonec_Click() { playSound(txtZvukKonec, OptionsCheck::EndSoundMissing); }

}  // namespace tymba
