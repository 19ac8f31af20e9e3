#include "ui/application.h"

#include <QApplication>

#include "storage/programfolder.h"
#include "ui/fonts.h"
#include "ui/frmZaklad.h"

namespace tymba {

Application::Application()
    : settings_(IniSettingsStore::defaultLocation()), context_{state_,    clock_,
                                                               messages_, dialogs_,
                                                               settings_, programFolder()} {
  registerFontSubstitutes();
}

Application::~Application() = default;

int Application::run() {
  mainWindow_ = std::make_unique<frmZaklad>(context_);
  mainWindow_->show();
  return QApplication::exec();
}

}  // namespace tymba
