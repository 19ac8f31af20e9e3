#pragma once
// "Test s diktafonem": the choice of a dictation (a shipped one, or a
// recording of one's own with its transcript), the preview of its
// transcript, the test's duration and loss per error. OK opens the recording
// and starts the dictation run in the main window.

#include <QDialog>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tymba {

struct AppContext;
class frmZaklad;

class frmDiktat : public QDialog {
  Q_OBJECT
 public:
  frmDiktat(AppContext& context, frmZaklad& zaklad);

 private:
  struct Choice {
    QString title;
    std::filesystem::path recording;
    std::filesystem::path transcript;
    std::optional<std::int64_t> lengthMs;
  };

  void Form_Load();
  void addChoice(Choice choice);
  // The chosen entry, or nothing.
  Choice* chosen();
  // The transcript of a dictation, or nothing after saying why.
  std::optional<std::u16string> readTranscript(const Choice& choice);
  void lstDiktaty_Click();
  void cmdVlastni_Click();
  void cmdOK_Click();
  void cmdStorno_Click();

  AppContext& context_;
  frmZaklad& zaklad_;
  std::vector<Choice> choices_;
  QLabel* Label1 = nullptr;
  QListWidget* lstDiktaty = nullptr;
  QLabel* Label2 = nullptr;
  QPlainTextEdit* txtNahled = nullptr;
  QPushButton* cmdVlastni = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* txtDoba = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* txtChyba = nullptr;
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdStorno = nullptr;
};

}  // namespace tymba
