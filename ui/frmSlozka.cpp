#include "ui/frmSlozka.h"

#include <QCollator>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "storage/datafolders.h"
#include "ui/application.h"
#include "ui/centring.h"
#include "ui/selectonfocus.h"
#include "ui/textconvert.h"

namespace tymba {
namespace {

QString pathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

// The folders at that path whose files a list shows; the shipped one, to be
// named, when none exists.
std::vector<std::filesystem::path> foldersToList(const DataFolders& data, std::string_view folder) {
  auto folders = data.existingFolders(folder);
  if (folders.empty()) folders.push_back(data.find(folder));
  return folders;
}

}  // namespace

QStringList listedTextNames(AppContext& context, QWidget* parent, std::string_view folder,
                            const QString& pattern) {
  frmSlozka lister(context, parent);  // loaded for its file list, never shown
  lister.setFileFolders(foldersToList(context.folders, folder));
  lister.setFilePattern(pattern);
  QStringList names;
  for (const QString& file : lister.fileNames()) names.append(file.chopped(4));
  return names;
}

frmSlozka::frmSlozka(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("frmSlozka"));
  setWindowTitle(QStringLiteral("Složka"));
  setAttribute(Qt::WA_DeleteOnClose);

  Label1 = new QLabel(QStringLiteral("Průzkumník:"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  txtPrikaz = new QLineEdit(QStringLiteral("*.*"), this);
  txtPrikaz->setObjectName(QStringLiteral("txtPrikaz"));
  selectAllOnFocus(*txtPrikaz);
  Dir1 = new QTreeView(this);
  Dir1->setObjectName(QStringLiteral("Dir1"));
  Dir1->setHeaderHidden(true);
  File1 = new QListWidget(this);
  File1->setObjectName(QStringLiteral("File1"));
  lblCesta = new QLabel(this);
  lblCesta->setObjectName(QStringLiteral("lblCesta"));
  lblCesta->setTextInteractionFlags(Qt::TextSelectableByMouse);
  cmdZavrit = new QPushButton(QStringLiteral("Zavřít"), this);
  cmdZavrit->setObjectName(QStringLiteral("cmdZavrit"));
  // Enter belongs to the pattern box; it must not close the window.
  cmdZavrit->setAutoDefault(false);

  auto* lists = new QGridLayout();
  lists->addWidget(txtPrikaz, 0, 0);
  lists->addWidget(Dir1, 1, 0);
  lists->addWidget(File1, 0, 1, 2, 1);
  lists->setColumnStretch(0, 3);
  lists->setColumnStretch(1, 2);
  auto* bottom = new QHBoxLayout();
  bottom->addWidget(lblCesta, 1);
  bottom->addWidget(cmdZavrit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addLayout(lists);
  layout->addLayout(bottom);
  resize(640, 420);

  connect(txtPrikaz, &QLineEdit::returnPressed, this, &frmSlozka::txtPrikaz_KeyPress);
  connect(cmdZavrit, &QPushButton::clicked, this, &frmSlozka::cmdZavrit_Click);
  Form_Load();
}

void frmSlozka::Form_Load() {
  centreOnScreen(*this);
  filePattern_ = txtPrikaz->text();
  setFileFolders(foldersToList(context_.folders, "\\cviceni"));
}

// The tree watches the file system, so it is built only when the window is
// shown; a lister loaded for its file list never pays for it.
void frmSlozka::showEvent(QShowEvent* event) {
  if (!folderModel_) buildFolderTree();
  QDialog::showEvent(event);
}

void frmSlozka::buildFolderTree() {
  folderModel_ = new QFileSystemModel(this);
  // Without QDir::Hidden, folders whose names start with "." stay out of the
  // tree, as hidden files stay out of the file list.
  folderModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folderModel_->setRootPath(QString());
  Dir1->setModel(folderModel_);
  for (int column = 1; column < folderModel_->columnCount(); ++column) Dir1->hideColumn(column);
  connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &frmSlozka::Dir1_Change);
  // The model reads folders in the background, so the way down to the
  // starting folder is opened again as each folder on it is read, until the
  // folder holding it has been read; later the user's own opening rules.
  connect(folderModel_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
    if (!revealing_) return;
    showCurrentFolder();
    const std::filesystem::path& shown = fileFolders_.front();
    if (loaded == pathText(shown.parent_path()) || loaded == pathText(shown)) revealing_ = false;
  });
  showCurrentFolder();
}

void frmSlozka::showCurrentFolder() {
  const QModelIndex current = folderModel_->index(pathText(fileFolders_.front()));
  if (!current.isValid()) return;
  for (QModelIndex above = current.parent(); above.isValid(); above = above.parent())
    Dir1->expand(above);
  if (Dir1->currentIndex() != current) {
    const QSignalBlocker quiet(Dir1->selectionModel());  // the folder is already shown
    Dir1->setCurrentIndex(current);
  }
  // After the view has laid out the rows just read (and the model sorted them).
  QTimer::singleShot(0, Dir1, [this] {
    Dir1->scrollTo(Dir1->currentIndex(), QAbstractItemView::PositionAtCenter);
  });
}

void frmSlozka::Dir1_Change(const QModelIndex& current, const QModelIndex& previous) {
  const QString folder = folderModel_->filePath(current);
  if (!QDir(folder).isReadable()) {
    context_.messages.show(QStringLiteral("Složku „%1“ nelze otevřít.").arg(folder),
                           QStringLiteral("Přerušení"), MessageIcon::Critical);
    const QSignalBlocker quiet(Dir1->selectionModel());
    Dir1->setCurrentIndex(previous);
    return;
  }
  setFileFolders({folder.toStdString()});
}

void frmSlozka::txtPrikaz_KeyPress() { setFilePattern(txtPrikaz->text()); }

void frmSlozka::cmdZavrit_Click() { close(); }

void frmSlozka::setFileFolders(std::vector<std::filesystem::path> folders) {
  fileFolders_ = std::move(folders);
  QStringList shown;
  for (const auto& folder : fileFolders_) shown.append(pathText(folder));
  lblCesta->setText(shown.join(QStringLiteral("; ")));
  fillFileList();
}

void frmSlozka::setFilePattern(const QString& pattern) {
  filePattern_ = pattern;
  fillFileList();
}

QStringList frmSlozka::fileNames() const {
  QStringList names;
  for (int row = 0; row < File1->count(); ++row) names.append(File1->item(row)->text());
  return names;
}

// In Czech alphabetical order: Č after C, Ch after H.
void frmSlozka::fillFileList() {
  QStringList names;
  for (const auto& file : listFilesMatching(fileFolders_, fromQString(filePattern_)))
    names.append(pathText(file.filename()));
  QCollator collator{QLocale(QLocale::Czech)};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  std::sort(names.begin(), names.end(), collator);
  File1->clear();
  File1->addItems(names);
}

}  // namespace tymba
