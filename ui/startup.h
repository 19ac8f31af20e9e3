#pragma once
// The start of the program: the splash window is shown while the main
// window loads behind it, for at least three seconds, then the main window
// takes its place. Without the typing font the program cannot lay out its
// texts and ends with a message instead.

#include <QObject>
#include <functional>
#include <memory>

class QTimer;

namespace tymba {

struct AppContext;
class frmUvod;
class frmZaklad;

class StartUp : public QObject {
  Q_OBJECT
 public:
  using FontCheck = std::function<bool(const QString& family)>;

  StartUp(AppContext& context, FontCheck fontInstalled);
  ~StartUp() override;

  // The splash shown and the main window loaded. False when the program
  // must end; the user has been told why.
  bool begin();

  frmUvod* splash() const { return splash_.get(); }
  frmZaklad* mainWindow() const { return main_.get(); }

 private:
  void tmrUvod_Timer();
  void trace(const char* moment) const;

  // The splash stays up at least this long from its start.
  static constexpr double kSplashSeconds = 3.0;

  AppContext& context_;
  FontCheck fontInstalled_;
  std::unique_ptr<frmUvod> splash_;
  std::unique_ptr<frmZaklad> main_;
  QTimer* tmrUvod = nullptr;
  double t0_ = 0;
  bool traced_ = false;
};

}  // namespace tymba
