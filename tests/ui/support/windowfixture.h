#pragma once
// Everything a window test needs: the shared state, a fake clock, recorded
// message boxes and a temporary program folder, handed over as the
// application hands them to its windows.

#include <QLocale>
#include <QTemporaryDir>
#include <memory>

#include "core/sharedstate.h"
#include "storage/inisettingsstore.h"
#include "tests/ui/support/answeringfiledialogs.h"
#include "tests/ui/support/fakeclock.h"
#include "tests/ui/support/nonblockingdialogs.h"
#include "tests/ui/support/recordingmessages.h"
#include "ui/application.h"

namespace tymba::testing {

struct WindowFixture {
  WindowFixture()
      : settings(std::filesystem::path(programDir.path().toStdString()) / "config" / "Tymba.ini"),
        context{state, clock, messages, dialogs, files, settings, programDir.path().toStdString()} {
    QLocale::setDefault(QLocale(QLocale::Czech));
  }

  QTemporaryDir programDir;
  SharedState state;
  FakeClock clock;
  RecordingMessages messages;
  NonBlockingDialogs dialogs;
  AnsweringFileDialogs files;
  IniSettingsStore settings;
  AppContext context;
};

}  // namespace tymba::testing
