#pragma once
#include <QMainWindow>

namespace tymba {
struct AppContext;
class frmZaklad : public QMainWindow {
  Q_OBJECT
 public:
  explicit frmZaklad(AppContext& context);

 private:
  AppContext& context_;
};
}  // namespace tymba
