#pragma once
// The application object: owns the shared state, the clock, the message door
// and the main window, and hands them to every window it opens.

#include <memory>

#include "core/sharedstate.h"
#include "media/audiosinkcues.h"
#include "media/mediadictationplayer.h"
#include "storage/datafolders.h"
#include "storage/inisettingsstore.h"
#include "ui/clock.h"
#include "ui/dialogrunner.h"
#include "ui/filedialogs.h"
#include "ui/messages.h"

namespace tymba {

class StartUp;

// What every window receives: the shared state and the program's services.
struct AppContext {
  SharedState& stav;
  Clock& clock;
  Messages& messages;
  DialogRunner& dialogs;
  FileDialogs& files;
  SettingsStore& settings;
  DataFolders folders;  // what the program ships, and what it keeps for the user
  // --- Sound ---
  SoundCues& sounds;
  DictationPlayer& player;  // the dictation test's recording
};

class Application {
 public:
  Application();
  ~Application();
  int run();

 private:
  SharedState state_;
  SystemClock clock_;
  QtMessages messages_;
  ModalDialogRunner dialogs_;
  QtFileDialogs files_;
  IniSettingsStore settings_;
  AudioSinkCues sounds_;
  MediaDictationPlayer player_;
  AppContext context_;
  std::unique_ptr<StartUp> startUp_;
};

}  // namespace tymba
