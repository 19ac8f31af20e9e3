#pragma once
// "Složka": a small file browser. The folder tree starts at the file-system
// roots, the file list shows the chosen folder's files that match the
// pattern typed into txtPrikaz. It starts at the exercise texts, listing the
// shipped ones and the user's own together. Loaded without being shown, it
// also serves the lists of texts as their file lister.

#include <QDialog>
#include <QStringList>
#include <filesystem>
#include <string_view>
#include <vector>

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace tymba {

struct AppContext;

class frmSlozka : public QDialog {
  Q_OBJECT
 public:
  frmSlozka(AppContext& context, QWidget* parent);

  // The file list's folders (their files listed together, the first
  // folder's file of a name kept) and pattern, as a caller using it as a
  // lister sets them.
  void setFileFolders(std::vector<std::filesystem::path> folders);
  void setFilePattern(const QString& pattern);
  // The file list's entries (names with their extension) in its order.
  QStringList fileNames() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Form_Load();
  void Dir1_Change(const QModelIndex& current, const QModelIndex& previous);
  void txtPrikaz_KeyPress();
  void cmdZavrit_Click();
  void fillFileList();
  void buildFolderTree();
  // Opens the tree down to the file list's folder and brings it into view.
  void showCurrentFolder();

  AppContext& context_;
  std::vector<std::filesystem::path> fileFolders_;  // never empty; the tree shows the first
  QString filePattern_;
  QFileSystemModel* folderModel_ = nullptr;
  bool revealing_ = true;  // still opening the tree down to the starting folder

  QLabel* Label1 = nullptr;
  QLineEdit* txtPrikaz = nullptr;
  QTreeView* Dir1 = nullptr;
  QListWidget* File1 = nullptr;
  QLabel* lblCesta = nullptr;
  QPushButton* cmdZavrit = nullptr;
};

// The names of the texts of a data folder ("\\Procvicovani"), the shipped ones
// and the user's own, matching pattern ("*.vyu") and without their extension
// (the last four characters), in the order of the folder browser's file list.
QStringList listedTextNames(AppContext& context, QWidget* parent, std::string_view folder,
                            const QString& pattern);

}  // namespace tymba
