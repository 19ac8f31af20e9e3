#pragma once
// "Výuka": the choice of a lesson. The list offers the introduction first and
// then every lesson of the lesson folders (the shipped ones and the user's
// own) in alphabetical order, which is the order of the course. "Výuka"
// shows the introduction or starts the chosen lesson in the main window.

#include <QDialog>
#include <QStringList>
#include <string_view>

class QComboBox;
class QLabel;
class QPushButton;

namespace tymba {

struct AppContext;
class frmZaklad;

class frmVyuka : public QDialog {
  Q_OBJECT
 public:
  frmVyuka(AppContext& context, frmZaklad& zaklad);

 private:
  void Form_Load();
  void cmdVyuka_Click();
  void Command1_Click();
  void cmdStorno_Click();

  AppContext& context_;
  frmZaklad& zaklad_;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* cmbVyuka = nullptr;
  QPushButton* cmdVyuka = nullptr;  // "cmdVýuka"
  QPushButton* Command1 = nullptr;
  QPushButton* cmdStorno = nullptr;
};

// The names of the ".vyu" texts of a folder ("\Vyuka", "\Procvicovani"), the
// shipped ones and the user's own, without their extension, in the order of
// the folder browser's file list.
QStringList lessonTextNames(AppContext& context, std::string_view folder, QWidget* parent);

}  // namespace tymba
