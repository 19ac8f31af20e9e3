#pragma once
// The history browser. It lists the tests of a file of records (the test
// file last opened, else the signed-in identity's history), shows one of them
// with its values and its protocol, and deletes one test, or all of them when
// Shift is held. It is the only place where stored tests are removed; every
// deletion rewrites the file whole.

#include <QDialog>
#include <array>
#include <filesystem>
#include <vector>

#include "storage/testrecord.h"
#include "ui/resultvalues.h"

class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;

namespace tymba {

struct AppContext;
class ProtocolPanel;

class frmUzivatel : public QDialog {
  Q_OBJECT
 public:
  explicit frmUzivatel(AppContext& context, QWidget* parent = nullptr);

  // Reads the file and lists its tests.
  void Form_Load();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildList();
  QWidget* buildDetail();
  std::filesystem::path shownFile() const;
  // The records of the shown file into records_; false, having told the
  // user, when it cannot be read.
  bool readShownFile();
  bool rewrite(const std::vector<TestRecord>& records);
  int selectedRow() const;

  void lstTesty_Click();
  void cmdVybrat_Click();
  void cmdVymazat_Click();
  void cmdZavrit_Click();
  void cmdZpet_Click();
  void deleteSelected();
  void deleteAll();
  // The key events of the window and its list, buttons and frame: Shift alone
  // held down offers deleting all, any key let go takes the offer back.
  void keyDown(const QKeyEvent& event);
  void keyUp();

  AppContext& context_;
  std::filesystem::path file_;
  std::vector<TestRecord> records_;

  QLabel* Label11 = nullptr;
  QWidget* TabStrip1 = nullptr;
  QWidget* picSeznam = nullptr;
  QListWidget* lstTesty = nullptr;
  QPushButton* cmdVybrat = nullptr;
  QPushButton* cmdVymazat = nullptr;
  QPushButton* cmdZavrit = nullptr;
  QWidget* picProtokol = nullptr;
  ResultValueLabels values_{};
  ProtocolPanel* protocol_ = nullptr;
  QPushButton* cmdZpet = nullptr;
};

}  // namespace tymba
