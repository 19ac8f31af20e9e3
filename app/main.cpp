// Answers the command line, builds the application object and opens the main
// window.
#include <QApplication>
#include <QLocale>
#include <iostream>
#include <string>
#include <vector>

#include "app/commandline.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  const auto answer = [&](bool qtOptionsLeft) {
    return tymba::answerCommandLine(std::vector<std::string>(argv + 1, argv + argc), qtOptionsLeft);
  };
  if (const auto early = answer(true)) return tymba::giveAnswer(*early, std::cout, std::cerr);
  // Recordings play through GStreamer, unless the environment asks for another back end.
  if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");
  QApplication qtApp(argc, argv);  // takes Qt's own options out of argc and argv
  if (const auto refused = answer(false)) return tymba::giveAnswer(*refused, std::cout, std::cerr);
  QApplication::setApplicationName(QStringLiteral("Tymba"));
  QApplication::setDesktopFileName(QStringLiteral("cz.tymba.Tymba"));
  // Without a locale of its own (LANG unset) the program speaks Czech.
  if (QLocale::system().language() == QLocale::C) QLocale::setDefault(QLocale(QLocale::Czech));
  tymba::Application app;
  return app.run();
}
