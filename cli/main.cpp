#include <QApplication>
#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <iostream>
#include <memory>

#include "cli/grading.h"
#include "ui/evaluationpdf.h"
#include "ui/localeformat.h"
#include "ui/textconvert.h"

// The PDF is drawn with the windows' charts, so it needs an application; it
// is made only when a PDF is asked for, and needs no display. Its numbers and
// date are Czech, as the rest of the output. Qt's own notes (a missing runtime
// folder and the like) are not for the teacher reading the output.
namespace {
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}
}  // namespace

int main(int argc, char* argv[]) {
  std::unique_ptr<QApplication> application;
  const tymba::PdfWriter writePdf = [&](const tymba::SharedState& graded, const std::string& file) {
    if (!application) {
      qInstallMessageHandler(quietQtNotes);
      qputenv("QT_QPA_PLATFORM", "offscreen");
      application = std::make_unique<QApplication>(argc, argv);
      QLocale::setDefault(QLocale(QLocale::Czech, QLocale::Czechia));
    }
    tymba::SharedState state = graded;
    const QDateTime now = QDateTime::currentDateTime();
    state.CasVysledku = tymba::fromQString(tymba::dateText(now.date()) + QStringLiteral("   ") +
                                           tymba::timeText(now.time()));
    return tymba::writeEvaluationPdf(state, QString::fromLocal8Bit(file)).toStdString();
  };
  return tymba::runGrading(argc, argv, std::cout, std::cerr, writePdf);
}
