// Builds the application object and opens the main window.
#include <QApplication>
#include <QLocale>

#include "ui/application.h"

int main(int argc, char** argv) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tymba"));
  // Without a locale of its own (LANG unset) the program speaks Czech.
  if (QLocale::system().language() == QLocale::C) QLocale::setDefault(QLocale(QLocale::Czech));
  tymba::Application app;
  return app.run();
}
