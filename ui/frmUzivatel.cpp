#include "ui/frmUzivatel.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <initializer_list>
#include <iterator>

#include "core/scoring.h"
#include "storage/textfile.h"
#include "ui/application.h"
#include "ui/protocolpanel.h"
#include "ui/resultvalues.h"
#include "ui/selectonfocus.h"
#include "ui/textconvert.h"

namespace tymba {
namespace {

const QString kVymazat = QStringLiteral("Vymazat");
const QString kVymazatVse = QStringLiteral("Vymazat vše");

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
  auto* made = new QPushButton(QString::fromUtf8(caption), parent);
  made->setObjectName(QString::fromLatin1(name));
  return made;
}

QString fileName(const std::filesystem::path& file) {
  return QString::fromStdString(file.string());
}

}  // namespace

frmUzivatel::frmUzivatel(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(QStringLiteral("frmUzivatel"));
  setWindowTitle(QStringLiteral("Uživatel ..."));
  setAttribute(Qt::WA_DeleteOnClose);

  Label11 = new QLabel(
      QStringLiteral(
          "Tady si můžete prohlédnout testy, které ste již napsali, a výpis celého testu "
          "i s napsanými chybami. Do historie uživatele se ukládají všechny testy, pokud "
          "ste byli přihlášeni jako uživatel. Je to jediné místo, kde můžete odstranit "
          "testy."),
      this);
  Label11->setObjectName(QStringLiteral("Label11"));
  Label11->setWordWrap(true);

  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("TabStrip1"));
  frame->setFrameShape(QFrame::StyledPanel);
  TabStrip1 = frame;
  auto* panels = new QVBoxLayout(TabStrip1);
  panels->addWidget(buildList());
  panels->addWidget(buildDetail());

  cmdZpet = button("cmdZpet", "Zpět", this);
  cmdZpet->hide();
  connect(cmdZpet, &QPushButton::clicked, this, &frmUzivatel::cmdZpet_Click);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label11);
  layout->addWidget(TabStrip1, 1);
  layout->addWidget(cmdZpet, 0, Qt::AlignRight);
  const std::initializer_list<QWidget*> keyed = {this,       lstTesty, cmdVybrat,
                                                 cmdVymazat, cmdZpet,  TabStrip1};
  for (QWidget* watched : keyed) watched->installEventFilter(this);
}

QWidget* frmUzivatel::buildList() {
  picSeznam = new QWidget(this);
  picSeznam->setObjectName(QStringLiteral("picSeznam"));
  lstTesty = new QListWidget(picSeznam);
  lstTesty->setObjectName(QStringLiteral("lstTesty"));
  QFont courier(QStringLiteral("Courier New"), 10);
  courier.setStyleHint(QFont::TypeWriter);
  lstTesty->setFont(courier);
  // Room for the three columns of a test's name, date and time.
  const QString columns(3 * static_cast<int>(kHeaderFieldWidth), QLatin1Char('0'));
  lstTesty->setMinimumSize(lstTesty->fontMetrics().horizontalAdvance(columns) + 40, 240);
  connect(lstTesty, &QListWidget::itemSelectionChanged, this, &frmUzivatel::lstTesty_Click);
  connect(lstTesty, &QListWidget::itemDoubleClicked, this, &frmUzivatel::cmdVybrat_Click);

  cmdVybrat = button("cmdVybrat", "Vybrat", picSeznam);
  cmdVybrat->setDefault(true);  // Enter on a chosen test shows it, and never closes the window
  cmdVymazat = button("cmdVymazat", "Vymazat", picSeznam);
  cmdZavrit = button("cmdZavrit", "Zavřít", picSeznam);
  connect(cmdVybrat, &QPushButton::clicked, this, &frmUzivatel::cmdVybrat_Click);
  connect(cmdVymazat, &QPushButton::clicked, this, &frmUzivatel::cmdVymazat_Click);
  connect(cmdZavrit, &QPushButton::clicked, this, &frmUzivatel::cmdZavrit_Click);

  auto* buttons = new QHBoxLayout();
  buttons->addWidget(cmdVybrat);
  buttons->addWidget(cmdVymazat);
  buttons->addStretch();
  buttons->addWidget(cmdZavrit);
  auto* layout = new QVBoxLayout(picSeznam);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lstTesty, 1);
  layout->addLayout(buttons);
  return picSeznam;
}

QWidget* frmUzivatel::buildDetail() {
  picProtokol = new QWidget(this);
  picProtokol->setObjectName(QStringLiteral("picProtokol"));
  picProtokol->hide();
  auto* grid = new QGridLayout();
  values_ = addResultValues(picProtokol, *grid);
  protocol_ = new ProtocolPanel(picProtokol);
  auto* layout = new QVBoxLayout(picProtokol);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(grid);
  layout->addWidget(protocol_, 1);
  return picProtokol;
}

// With no test file opened and nobody signed in there is nothing to show;
// the main window does not open the browser then.
std::filesystem::path frmUzivatel::shownFile() const {
  const SharedState& stav = context_.stav;
  if (!stav.OtevrenySoubor.empty() || stav.AktualniUzivatel == u"Hlavni")
    return std::filesystem::path(stav.OtevrenySoubor);
  return context_.folders.identityFile(stav.AktualniUzivatel);
}

bool frmUzivatel::readShownFile() {
  try {
    records_ = readRecords(file_);
    return true;
  } catch (const TextFileError&) {
    records_.clear();
    context_.messages.show(
        QStringLiteral("Soubor s testy '%1' nelze přečíst.").arg(fileName(file_)),
        QStringLiteral("Chyba"), MessageIcon::Critical);
    return false;
  }
}

bool frmUzivatel::rewrite(const std::vector<TestRecord>& records) {
  try {
    rewriteRecords(file_, records);
    return true;
  } catch (const TextFileError&) {
    context_.messages.show(
        QStringLiteral("Soubor s testy '%1' nelze přepsat, testy v něm zůstaly beze změny.")
            .arg(fileName(file_)),
        QStringLiteral("Chyba"), MessageIcon::Critical);
    return false;
  }
}

void frmUzivatel::Form_Load() {
  cmdVymazat->setEnabled(false);
  file_ = shownFile();
  cmdZpet->hide();
  readShownFile();
  for (const TestRecord& record : records_) {
    const auto fields = headerFields(record);
    lstTesty->addItem(toQString(fields[0] + fields[1] + fields[2]));
  }
  keepNoEntryCurrent(*lstTesty);
  cmdVybrat->setEnabled(selectedRow() >= 0);
}

int frmUzivatel::selectedRow() const {
  const QList<QListWidgetItem*> selected = lstTesty->selectedItems();
  return selected.isEmpty() ? -1 : lstTesty->row(selected.first());
}

void frmUzivatel::lstTesty_Click() {
  cmdVymazat->setEnabled(true);
  cmdVybrat->setEnabled(selectedRow() >= 0);
}

void frmUzivatel::cmdVybrat_Click() {
  const int row = selectedRow();
  if (row < 0 || row >= int(records_.size())) return;
  const TestRecord& record = records_[row];
  const auto header = headerFields(record);
  const auto results = resultFields(record);
  const std::u16string shown[] = {header[0],  header[1],  results[2] + u" min", results[0],
                                  results[1], results[3], results[4],           results[5]};
  for (std::size_t n = 0; n < values_.size(); ++n) values_[n]->setText(toQString(shown[n]));
  cmdZpet->show();
  std::u16string typed = record.typed;
  std::u16string marked = record.marked;
  replaceWrongLineBreaks(typed, marked);
  picSeznam->hide();
  picProtokol->show();
  protocol_->showProtocol(typed, marked);
}

void frmUzivatel::cmdZpet_Click() {
  picProtokol->hide();
  picSeznam->show();
  cmdZpet->hide();
}

void frmUzivatel::cmdVymazat_Click() {
  if (cmdVymazat->text() == kVymazatVse)
    deleteAll();
  else
    deleteSelected();
}

void frmUzivatel::deleteSelected() {
  if (context_.messages.show(QStringLiteral("Opravdu chcete smazat tento test?"),
                             QStringLiteral("Přerušení"), MessageIcon::NoIcon,
                             MessageButtons::YesNo) != MessageAnswer::Yes)
    return;
  cmdZpet->hide();
  // Read again, so that a test added since the listing is kept.
  if (!readShownFile()) return;
  const int row = selectedRow();
  if (row < 0) return;
  std::vector<TestRecord> kept = records_;
  if (row < int(kept.size())) kept.erase(kept.begin() + row);
  if (!rewrite(kept)) return;
  records_ = std::move(kept);
  delete lstTesty->takeItem(row);
  const int left = lstTesty->count();
  if (left == 0) {
    cmdVybrat->setEnabled(false);
    cmdVymazat->setEnabled(false);
    return;
  }
  // The test that took the deleted one's place, else the new last one.
  lstTesty->setCurrentRow(row < left ? row : left - 1);
}

void frmUzivatel::deleteAll() {
  if (!rewrite({})) return;
  records_.clear();
  lstTesty->clear();
  cmdVybrat->setEnabled(false);
  cmdVymazat->setEnabled(false);
}

void frmUzivatel::cmdZavrit_Click() {
  records_.clear();
  accept();
}

void frmUzivatel::keyDown(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held =
      event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  if (held == Qt::ShiftModifier && cmdVymazat->text() == kVymazat) cmdVymazat->setText(kVymazatVse);
}

void frmUzivatel::keyUp() {
  if (cmdVymazat->text() == kVymazatVse) cmdVymazat->setText(kVymazat);
}

bool frmUzivatel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) keyDown(*static_cast<QKeyEvent*>(event));
  if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
    keyUp();
  return QDialog::eventFilter(watched, event);
}

}  // namespace tymba
