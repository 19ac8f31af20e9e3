#pragma once
// "Možnosti": every option of the settings but the first-run marker, on three
// tabs. Opening reads the stored options again; the controls then hold the
// choices until OK checks them, writes them all as one change, and shows them
// in the main window at once. Storno, Esc and the close box leave everything
// as it was.

#include <QColor>
#include <QDialog>
#include <array>
#include <cstdint>

#include "core/optionschecks.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class QTabBar;
class QWidget;

namespace tymba {

struct AppContext;
struct Nastaveni;
class frmZaklad;

class frmMoznosti : public QDialog {
  Q_OBJECT
 public:
  frmMoznosti(AppContext& context, frmZaklad& zaklad);

 private:
  // --- The window and its opening (frmMoznosti.cpp) ---
  void Form_Load();
  void TabStrip1_Click(int tab);
  void cmdOK_Click();
  void cmdStorno_Click();
  // The options as the controls hold them, with the whole numbers checked.
  Nastaveni chosenOptions(const OptionsVerdict& verdict) const;
  // The refusal's message; its box's tab comes up, and the box gets the
  // focus with its whole text selected.
  void refuse(OptionsCheck check);

  // --- The panels (frmMoznostiPanels.cpp) ---
  QWidget* buildPozadi();
  QWidget* buildProstredi();
  QWidget* buildZvuk();
  void cmbTypPozadi_Click(int entry);
  void cmdBarva_Click();
  void cmdBarva2_Click();
  void cmdBarvaPisma_Click();
  void cmdStandard1_Click();
  void cmdStandard2_Click();
  void cmdStandardPisma_Click();
  void cmbZvukKlik_Click(int entry);
  void cmdTest_Click();
  void chkChyba_Click();
  void chkKonec_Click();
  void Command1_Click();
  void Command2_Click();
  void cmdTestChyba_Click();
  void cmdTestKonec_Click();
  // The colour dialog; false, changing nothing, when it gives 0 (cancelled or black).
  bool chooseColour(std::uint32_t& colour);
  // The swatches and the preview in the colours chosen.
  void showColours();
  void browseSound(QLineEdit* box);
  // Plays the box's file, or refuses it as OK would.
  void playSound(QLineEdit* box, OptionsCheck missing);
  // The sound buttons of a switch follow it; "Přehrát" only while sound is ready.
  void enableSoundRow(bool on, QLineEdit* box, QPushButton* browse, QPushButton* play);

  AppContext& context_;
  frmZaklad& zaklad_;
  // The colour numbers shown by the swatches (0x00BBGGRR or a system colour).
  std::uint32_t barva_ = 0;
  std::uint32_t barva2_ = 0;
  std::uint32_t barvaPisma_ = 0;
  // The colour dialog starts from the colour last chosen in it.
  QColor lastColour_{Qt::black};
  QStackedLayout* panels_ = nullptr;

  QLabel* Label2 = nullptr;
  QTabBar* TabStrip1 = nullptr;
  QWidget* picPozadi = nullptr;
  QWidget* picProstredi = nullptr;
  QWidget* picZvuk = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdStorno = nullptr;

  QLabel* Label8 = nullptr;
  QComboBox* cmbTypPozadi = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* lblBarva = nullptr;
  QPushButton* cmdBarva = nullptr;
  QPushButton* cmdStandard1 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* lblBarva2 = nullptr;
  QPushButton* cmdBarva2 = nullptr;
  QPushButton* cmdStandard2 = nullptr;
  QLabel* Label13 = nullptr;
  QLabel* lblBarvaPisma = nullptr;
  QPushButton* cmdBarvaPisma = nullptr;
  QPushButton* cmdStandardPisma = nullptr;
  std::array<QFrame*, 2> lblLinka{};   // lblLinka(1), (2): first-line stripes
  std::array<QFrame*, 2> lblLinka1{};  // lblLinka1(1), (2): second-line stripes
  QLabel* lblPismo = nullptr;

  QCheckBox* chkSeznamChyb = nullptr;
  QLabel* Label7 = nullptr;
  QComboBox* cmbNecinnost = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* txtChyba = nullptr;
  QCheckBox* chkZobrazKlavesnici = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* txtLimitRychlost = nullptr;
  QLabel* Label9 = nullptr;
  QLineEdit* txtLimitChyba = nullptr;
  QLabel* Label10 = nullptr;
  QComboBox* cmbVelikostPisma = nullptr;
  QCheckBox* chkLimityVisible = nullptr;

  QLabel* Label5 = nullptr;
  QComboBox* cmbZvukKlik = nullptr;
  QPushButton* cmdTest = nullptr;
  QLabel* Label4 = nullptr;
  QComboBox* cmbPosunDikt = nullptr;
  QCheckBox* chkChyba = nullptr;
  QLineEdit* txtZvukChyba = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* cmdTestChyba = nullptr;
  QCheckBox* chkKonec = nullptr;
  QLineEdit* txtZvukKonec = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* cmdTestKonec = nullptr;
};

}  // namespace tymba
