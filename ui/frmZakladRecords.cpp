// The main window's test files and history: saving the result to a test file
// ("Uložit jako...", and "Uložit" of the result window through Uloz), opening
// a test file, and the history browser.
#include <QAction>
#include <QDateTime>
#include <QFileInfo>

#include "storage/resultrecord.h"
#include "storage/textfile.h"
#include "ui/application.h"
#include "ui/centring.h"
#include "ui/frmUzivatel.h"
#include "ui/frmZaklad.h"
#include "ui/localeformat.h"
#include "ui/textconvert.h"
#include "ui/typingbox.h"

namespace tymba {
namespace {

// Test files are looked for and saved in the user's data folder first.
FileQuestion testFileQuestion(const AppContext& context, const QString& title) {
  return {title, QString::fromStdString(context.folders.user.string()),
          QStringLiteral("Test soubor (*.tst)")};
}

}  // namespace

void frmZaklad::connectRecordItems() {
  connect(menuItem("miOtevrit"), &QAction::triggered, this, &frmZaklad::miOtevrit_Click);
  connect(miUlozit, &QAction::triggered, this, &frmZaklad::miUlozit_Click);
  connect(menuItem("miUzivatel"), &QAction::triggered, this, &frmZaklad::miUzivatel_Click);
}

QString frmZaklad::askTestFileToSave() {
  QString path =
      context_.files.saveFileName(this, testFileQuestion(context_, QStringLiteral("Uložit jako")));
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".tst");
  return path;
}

bool frmZaklad::Uloz(const QString& FileName) {
  const SharedState& stav = context_.stav;
  const bool exists = QFileInfo::exists(FileName);
  const bool replace =
      exists && context_.messages.show(
                    QStringLiteral("Soubor již existuje. Chcete test přidat k existujícím testům?"),
                    QStringLiteral("Přerušení"), MessageIcon::NoIcon,
                    MessageButtons::YesNo) != MessageAnswer::Yes;
  const TestRecord record = savedRecord(stav, localeTexts(context_.clock.now(), stav.ProcentoChyb),
                                        toCore(txtVysledek->toPlainText()));
  const std::filesystem::path file(FileName.toStdString());
  try {
    if (replace)
      rewriteRecords(file, {record});
    else
      appendRecord(file, record);
    return true;
  } catch (const TextFileError&) {
    context_.messages.show(QStringLiteral("Test nelze uložit do souboru '%1'.").arg(FileName),
                           QStringLiteral("Chyba"), MessageIcon::Critical);
    return false;
  }
}

void frmZaklad::miUlozit_Click() {
  const QString path = askTestFileToSave();
  if (!path.isEmpty()) Uloz(path);
}

// A name that is not a file is told and the dialog asked again, until a file
// is chosen or the dialog cancelled.
void frmZaklad::miOtevrit_Click() {
  for (;;) {
    const QString path =
        context_.files.openFileName(this, testFileQuestion(context_, QStringLiteral("Otevřít")));
    if (path.isEmpty()) return;
    if (QFileInfo(path).isFile()) {
      context_.stav.OtevrenySoubor = fromQString(path);
      openHistoryBrowser();
      return;
    }
    context_.messages.show(QStringLiteral("Tento název souboru neexistuje"),
                           QStringLiteral("Přerušení"), MessageIcon::Exclamation);
  }
}

void frmZaklad::miUzivatel_Click() { openHistoryBrowser(); }

void frmZaklad::openHistoryBrowser() {
  auto* browser = new frmUzivatel(context_, this);
  browser->Form_Load();
  browser->adjustSize();  // centred at the size it shows
  centreOnScreen(*browser);
  context_.dialogs.run(*browser);
}

}  // namespace tymba
