// Builds the application object and opens the main window.
#include <QApplication>

#include "ui/application.h"

int main(int argc, char** argv) {
  QApplication qtApp(argc, argv);
  tymba::Application app;
  return app.run();
}
