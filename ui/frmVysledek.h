#pragma once
// The result window. Opening it is the moment of scoring: an exercise run is
// aligned first, then the run is scored and its six values shown. However it
// is closed, the main window's run is reset for the same text.

#include <QDialog>
#include <optional>
#include <string>

class QLabel;
class QPushButton;

namespace tymba {

struct AppContext;
class frmZaklad;

class frmVysledek : public QDialog {
  Q_OBJECT
 public:
  frmVysledek(AppContext& context, frmZaklad& zaklad);

  // Scores the ended run and shows the values.
  void Form_Load();

 public slots:
  // OK, Esc and the close box all end here.
  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The typist may still be typing when a run ends. Keys reaching this
  // window are swallowed until a second has passed without one, counted
  // from its opening, so that no key typed on presses OK or closes the
  // window and throws the result away; the mouse and the close box work at
  // once.
  static constexpr double kKeyGuardSeconds = 1.0;
  bool swallowsKey(const QObject* receiver, const QEvent* event);

  // Room beside the caption for the window manager's icon and buttons.
  static constexpr int kCaptionMargin = 140;
  void fitCaption();

  void cmdOK_Click();
  void cmdPodrobne_Click();
  void cmdUloz_Click();
  // The result at the end of the signed-in identity's history.
  void appendHistoryRecord(const std::u16string& typed, const std::u16string& markedCopy);
  // What every way of closing does, once.
  void unload();

  AppContext& context_;
  frmZaklad& zaklad_;
  bool unloaded_ = false;
  std::optional<double> lastKeyAt_;  // seconds since midnight: the opening, then each key swallowed

  QLabel* lblHrubeUhozy = nullptr;
  QLabel* lblPocetChyb = nullptr;
  QLabel* lblCisteUhozy = nullptr;
  QLabel* lblProcentoChyb = nullptr;
  QLabel* lblDobaTestu = nullptr;
  QLabel* lblCisteUhozyMin = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdPodrobne = nullptr;
  QPushButton* cmdUloz = nullptr;
};

}  // namespace tymba
