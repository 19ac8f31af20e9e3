#pragma once
// The main window. It owns the current run's input boxes, the target-text
// displays and the timers; the engines in core/ decide what a keystroke
// means, and this window only shows their answers and forwards events.

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "core/lessonengine.h"

class QAction;
class QDialog;
class QFrame;
class QKeyEvent;
class QLabel;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QTimer;

namespace tymba {

struct AppContext;
class DictationPanel;
class KeyboardPicture;
class TargetTextLabel;
class TextHolder;
class TypingBox;

enum class LessonKind { Lesson, Practice };

class frmZaklad : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmZaklad(AppContext& context, QWidget* parent = nullptr);
  ~frmZaklad() override;

  // Resets the run; the loaded text stays.
  void Vymazat();

  // The start of an exercise-text run for the chosen entry (empty: nothing
  // chosen): a name in the exercise folder, or a full path when the state's
  // TextZeSouboru says so (the caller sets it). Returns false when the run
  // was not prepared; a text that cannot be read leaves everything as it was.
  bool startExerciseRun(const QString& entry, bool showRules = true);

  // Loads an exercise text into the target display (the three stacked
  // labels and the alignment copy, which keeps what it held). Returns false,
  // having said why, when the file cannot be read or is empty.
  bool ReadFiles(const std::u16string& FileCviceni);

  // Shows an exercise text in the three stacked target labels and appends
  // its copies to the alignment copy.
  void showTargetText(const std::u16string& text);

  // The common start of a lesson or practice run from its display lines
  // (index 0 empty). A lesson takes its fixed duration, loss and limits; a
  // practice run keeps those its settings dialog has put into the state.
  void startLessonRun(const QString& entry, std::vector<std::u16string> lines, LessonKind kind);
  // The same for the lesson or practice text of that name, read from its
  // folder and cut into lines. Returns false, having said why, when the file
  // cannot be read or is empty; the run is then as it was.
  bool startLessonFile(const QString& entry, LessonKind kind);

  // The keyboard window, centred and modal.
  void openKeyboardWindow();

  // Ends the run by the user (F5, Esc, the menu): timers stopped, the end
  // time taken, the result shown.
  void endRun();

  // Starts the same run again from its beginning, without a message.
  void restartRun();

  // Aligns the typed text with the target text into the error list.
  void Oprava();

  // Cancelling the list of texts leaves nothing to type.
  void disableExerciseBox();

  // The list of texts for the test the state describes.
  void openTextList();
  // A user-configured test of the text file in VybranyText, started at once
  // without the rules message; its kind and name stay as the opener set them.
  // Returns false, having said why, when the text cannot be started; the run
  // is then as it was.
  bool startFileTest();

  // --- What the result window does to the main window ---
  // The clock, the lesson's error list and the limit indicators back to rest.
  void resetLiveIndicators();
  // The run's typed text (line breaks as CR LF): the input box's text of an
  // exercise run, the recorded keystrokes of a lesson run.
  std::u16string typedText() const;
  // The marked copy into the hidden box; the typed text with its gaps marked
  // into the input box of an exercise run.
  void showScoredTexts(const std::u16string& markedCopy, const std::u16string& typedWithGaps);
  // The end of the evaluation: start time cleared, time bar back, saving
  // enabled.
  void finishEvaluation();
  // Closing the result: a lesson's display back to its first line, the run
  // reset, the focus in the run's input box, ready for the same text.
  void resultClosed();

  // --- Test files and the history browser (frmZakladRecords.cpp) ---
  // The test file to save the result to, from the save dialog (".tst" added
  // to a name without an extension); empty when cancelled.
  QString askTestFileToSave();
  // Writes the result as one record to the file, added to the tests in it or
  // in their place as the user answers. Returns false, having said why, when
  // the file cannot be written.
  bool Uloz(const QString& FileName);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void buildInfoPanel(QWidget* panel);
  QWidget* buildTimeBar(QWidget* parent);
  QWidget* buildLimitFrame(QWidget* parent);
  void buildExercisePanel();
  void buildLessonPanel();
  void buildInputPanel(QWidget* panel);
  void buildTimersAndActions();
  void buildMenus();
  QAction* menuItem(const char* name) const;
  void enableWhileIdle(std::initializer_list<const char*> names);
  // The loading of the window: the settings read (written on the first
  // run) and shown.
  void Form_Load();

  void layoutExercisePanel();
  void layoutLessonPanel();
  void placeTargetLabels();
  void fitTargetPanel();
  void renderLessonDisplay();
  void setStartCaptions();
  std::optional<std::u16string> readExerciseText(const std::u16string& FileCviceni);
  void showResult();
  void setClockTexts(const QString& minutes, const QString& seconds);
  void setBar(QFrame* bar, int widthTwips);
  TypingBox* runInputBox() const;
  // The clock and menu side of a keystroke, the same in both kinds of run.
  void applyTiming(const KeystrokeTiming& timing);
  int lineHeightPixels() const;

  // --- Font sizes and the window's size (frmZakladFonts.cpp, frmZakladLayout.cpp) ---
 public:
  // Switch to the small, medium or large text and keep the choice in the
  // settings; choosing the size in use changes nothing.
  void MalePismo();
  void StredniPismo();
  void VelkePismo();
  // Shows the options that the main window itself displays: the bands behind
  // the target lines and their colours, the colour and size of the text.
  void applyOptions();

 private:
  void switchFontSize(int pismo);
  // The fonts, bands and cursor mark of the size in use, its menu item checked.
  void applyFontSize();
  void placeBands();
  // The lesson's cursor mark back under the line's first character.
  void resetLessonCursor();
  void connectFontItems();
  void miVelke_Click();
  void miStredni_Click();
  void miMale_Click();
  int infoPanelHeight() const;
  void placeInfoPanel();
  void showLessonPanel(bool shown);
  void fitToScreen();
  QWidget* infoPanel_ = nullptr;
  QWidget* picVpravo = nullptr;

  // --- The keyboard guide (frmZakladKeyboard.cpp) ---
 public:
  // Lights the key of the next character of the lesson line (img2) and names
  // its finger; a character outside the map changes nothing.
  void Klavesnice();

 private:
  QWidget* buildKeyboardGuide(QWidget* parent);
  // Shown: the keys darkened, the first key lit.
  void showKeyboardGuide(bool shown);
  // The lit next key darkened, the new one lit.
  void showNextKey();
  void lightPressedKey(const QKeyEvent* event);
  void darkenPressedKeys();
  bool txtVVysledek_KeyUp(QKeyEvent* event);
  QWidget* picKlavesnice = nullptr;
  KeyboardPicture* imgKlavesnice = nullptr;
  QLabel* lblPopis = nullptr;

  // --- Identities (frmZakladIdentity.cpp) ---
 public:
  // Makes the identity current and shows it; the main one as "Hlavni".
  void switchIdentity(const std::u16string& name);

 private:
  void connectIdentityItems();
  void miPrepnoutIdentitu_Click();
  void miNovaIdentita_Click();
  void miSpravaIdentit_Click();
  void miOdhlasitIdentitu_Click();

  // --- The dictation test (frmZakladDictation.cpp) ---
 public:
  // A dictation run of the recording, to be typed as heard and aligned with
  // the transcript; the state holds its duration and loss. The transcript is
  // not shown. Returns false, having said why, when the recording cannot be
  // opened: the run is then as it was.
  bool startDictation(const std::filesystem::path& recording, const std::u16string& transcript,
                      const QString& title);
  bool dictationShown() const;

 private:
  void buildDictationPanel();
  void miDiktafon_Click();
  // The recording closed, the sounds back, the panel hidden, the run reset.
  void closeDictation();
  // Before another kind of run starts: the recording closed and the sounds back.
  void leaveDictation();
  DictationPanel* picDiktafon = nullptr;

  // --- The options window (frmZakladOptions.cpp) ---
 public:
  // Shows the options the options window has just saved: the bands and
  // colours, the keyboard guide of a lesson or practice run on screen, the
  // limits, the error list, the loss of a prepared test, and then the font
  // size of the window's list (1 small to 3 large).
  void showSavedOptions(int pismo);

 private:
  void miMoznosti_Click();

  // One handler per control event.
  void txtVysledek_Change();
  bool txtVysledek_KeyDown(QKeyEvent* event);
  void txtVVysledek_Change();
  bool txtVVysledek_KeyDown(QKeyEvent* event);
  bool txtVVysledek_KeyPress(QKeyEvent* event);
  void txtVVysledek_LostFocus(Qt::FocusReason reason);
  void tmrCasik_Timer();
  void tmrCas_Timer();
  void tmrLimit_Timer();
  void tmrVypnuti_Timer();
  void tmrPosun1_Timer();
  void miVyhodnoceniTestu_Click();
  void miZnovu_Click();
  void mnuSoubor_Click();
  void mnuTest_Click();
  void muZacatecnik_Click();
  void mnuZobrazit_Click();
  void mnuNastroji_Click();
  void mnuNapoveda_Click();
  void miAplikace_Click();
  void miUzivTest_Click();
  void miTestSoubor_Click();
  void miSlozka_Click();
  void miVyuka_Click();
  void miProcvicovani_Click();
  void miKlavesnice_Click();
  // The list of texts for an exercise test of this length and kind.
  void openTextList(int minutes, bool bezMazani);
  void miObsah_Click();
  void miKonec_Click();
  void connectRecordItems();
  void miOtevrit_Click();
  void miUlozit_Click();
  void miUzivatel_Click();
  void openHistoryBrowser();

  // The time bar's elapsed part at rest; a limit bar at rest (at the limit).
  static constexpr int kEmptyBarTwips = 15;
  static constexpr int kLimitBarRestTwips = 975;

  AppContext& context_;
  LessonDisplay lessonDisplay_;
  QPointer<QDialog> result_;

  // Information above the text.
  QLabel* Label4 = nullptr;
  std::array<QLabel*, 2> lblIdentita{};
  QLabel* Label5 = nullptr;
  QLabel* lblNazev = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* lblDoba = nullptr;
  QLabel* label9 = nullptr;
  QLabel* lblZtrata = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* lblZahajeni = nullptr;
  std::array<QLabel*, 2> lblMinuta{};
  QLabel* lblDvojtecka = nullptr;
  std::array<QLabel*, 2> lblSekunda{};
  QFrame* lblKonecna = nullptr;  // the time bar's frame
  QFrame* lblZacatek = nullptr;  // the elapsed part

  // Limits of a lesson run.
  QWidget* frmLimity = nullptr;
  QFrame* picLimitRychlosti = nullptr;
  QFrame* lblZRychlost = nullptr;
  QLabel* lblRychlost = nullptr;
  QLabel* lblProcentoRychlosti = nullptr;
  QFrame* picLimitChyby = nullptr;
  QFrame* lblCChyby = nullptr;
  QLabel* lblChyby = nullptr;
  QLabel* lblProcentoChyb = nullptr;

  // Exercise panel: the viewport, the scrolling panel, three copies.
  QWidget* picZadani = nullptr;
  QWidget* picPozadi = nullptr;
  // Coloured bands behind the target lines: first lines and second lines.
  std::array<QFrame*, 10> lblLinka{};           // lblLinka(1) to (10)
  std::array<QFrame*, 10> lblLinka1{};          // lblLinka1(1) to (10)
  std::array<TargetTextLabel*, 3> lblZadani{};  // lblZadani(1) to (3)
  QLabel* lblVelikostPisma = nullptr;
  TextHolder* rtbZadani = nullptr;

  // Lesson panel.
  QWidget* picVZadani = nullptr;
  std::array<QLabel*, 11> lblRadek{};
  QFrame* Shape1 = nullptr;
  QListWidget* lstSeznamChyb = nullptr;

  // Input.
  QWidget* Picture1 = nullptr;
  TypingBox* txtVysledek = nullptr;
  QPlainTextEdit* txtVysledek1 = nullptr;
  TypingBox* txtVVysledek = nullptr;

  QTimer* tmrCasik = nullptr;
  QTimer* tmrCas = nullptr;
  QTimer* tmrLimit = nullptr;
  QTimer* tmrVypnuti = nullptr;
  QTimer* tmrPosun1 = nullptr;

  QAction* miZnovu = nullptr;
  QAction* miUlozit = nullptr;
  QAction* miVyhodnoceniTestu = nullptr;
  QAction* miOdhlasitIdentitu = nullptr;
  QMenu* mnuSoubor = nullptr;
  QMenu* mnuTest = nullptr;
  QMenu* muZacatecnik = nullptr;
  QMenu* mnuZobrazit = nullptr;
  QMenu* mnuNastroji = nullptr;
  QMenu* mnuNapoveda = nullptr;
};

}  // namespace tymba
