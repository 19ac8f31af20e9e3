#include "ui/application.h"

#include <QApplication>

#include "ui/fonts.h"
#include "ui/qttexts.h"
#include "ui/startup.h"

namespace tymba {

Application::Application()
    : settings_(IniSettingsStore::defaultLocation()),
      context_{state_,
               clock_,
               messages_,
               dialogs_,
               files_,
               settings_,
               locateDataFolders(TYMBA_INSTALLED_DATA),
               sounds_,
               player_} {
  registerFontSubstitutes();
  installCzechQtTexts();
}

Application::~Application() = default;

int Application::run() {
  startUp_ = std::make_unique<StartUp>(context_, isFontInstalled);
  if (!startUp_->begin()) return 1;
  return QApplication::exec();
}

}  // namespace tymba
