#include "ui/frmDiktat.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/dictationcontrol.h"
#include "media/dictationplayer.h"
#include "storage/dictations.h"
#include "storage/textfile.h"
#include "ui/application.h"
#include "ui/frmZaklad.h"
#include "ui/settingsfields.h"
#include "ui/textconvert.h"

namespace tymba {
namespace {

QString pathText(const std::filesystem::path& file) {
  return QString::fromStdString(file.string());
}

// "2:05" for a length of 125 seconds and a little.
QString lengthText(std::int64_t milliseconds) {
  const std::int64_t seconds = milliseconds / 1000;
  return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

}  // namespace

frmDiktat::frmDiktat(AppContext& context, frmZaklad& zaklad)
    : QDialog(&zaklad), context_(context), zaklad_(zaklad) {
  setObjectName(QStringLiteral("frmDiktat"));
  setWindowTitle(QStringLiteral("Test s diktafonem"));
  setAttribute(Qt::WA_DeleteOnClose);

  Label1 = namedLabel("Label1",
                      QStringLiteral("Vyberte diktát. Nahrávku spustíte tlačítkem Spusť nebo "
                                     "klávesou F1 a píšete, co slyšíte."),
                      this);
  Label1->setWordWrap(true);
  lstDiktaty = new QListWidget(this);
  lstDiktaty->setObjectName(QStringLiteral("lstDiktaty"));
  Label2 = namedLabel("Label2", QStringLiteral("Text diktátu:"), this);
  txtNahled = new QPlainTextEdit(this);
  txtNahled->setObjectName(QStringLiteral("txtNahled"));
  txtNahled->setReadOnly(true);
  cmdVlastni = namedButton("cmdVlastni", QStringLiteral("Vlastní nahrávka..."), this);
  Label3 = namedLabel("Label3", QStringLiteral("Doba testu (minuty):"), this);
  txtDoba = numberBox("txtDoba", QStringLiteral("1"), 3, this);
  Label4 = namedLabel("Label4", QStringLiteral("Ztráta úhozů za chybu:"), this);
  txtChyba = numberBox("txtChyba", QString::number(context_.stav.nastaveni.Chyba), 3, this);
  cmdOK = namedButton("cmdOK", QStringLiteral("OK"), this);
  cmdOK->setDefault(true);
  cmdStorno = namedButton("cmdStorno", QStringLiteral("Storno"), this);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Label1, 0, 0, 1, 2);
  grid->addWidget(Label2, 1, 1);
  grid->addWidget(lstDiktaty, 2, 0);
  grid->addWidget(txtNahled, 2, 1);
  grid->addWidget(cmdVlastni, 3, 0, Qt::AlignLeft);
  auto* numbers = new QGridLayout;
  numbers->addWidget(Label3, 0, 0);
  numbers->addWidget(txtDoba, 0, 1);
  numbers->addWidget(Label4, 1, 0);
  numbers->addWidget(txtChyba, 1, 1);
  numbers->setColumnStretch(2, 1);
  grid->addLayout(numbers, 4, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdStorno);
  grid->addLayout(buttons, 5, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 2);
  resize(640, 400);

  connect(lstDiktaty, &QListWidget::itemSelectionChanged, this, &frmDiktat::lstDiktaty_Click);
  connect(lstDiktaty, &QListWidget::itemDoubleClicked, this, &frmDiktat::cmdOK_Click);
  connect(cmdVlastni, &QPushButton::clicked, this, &frmDiktat::cmdVlastni_Click);
  connect(cmdOK, &QPushButton::clicked, this, &frmDiktat::cmdOK_Click);
  connect(cmdStorno, &QPushButton::clicked, this, &frmDiktat::cmdStorno_Click);
  Form_Load();
}

void frmDiktat::Form_Load() {
  for (const Dictation& dictation : listDictations(context_.folders))
    addChoice({toQString(dictation.title), dictation.recording, dictation.transcript,
               dictation.lengthMs});
  if (lstDiktaty->count() > 0) lstDiktaty->setCurrentRow(0);
}

void frmDiktat::addChoice(Choice choice) {
  QString shown = choice.title;
  if (choice.lengthMs) shown += QStringLiteral("  (%1)").arg(lengthText(*choice.lengthMs));
  lstDiktaty->addItem(shown);
  choices_.push_back(std::move(choice));
}

frmDiktat::Choice* frmDiktat::chosen() {
  const int row = lstDiktaty->currentRow();
  if (row < 0 || row >= int(choices_.size()) || lstDiktaty->selectedItems().isEmpty())
    return nullptr;
  return &choices_[std::size_t(row)];
}

std::optional<std::u16string> frmDiktat::readTranscript(const Choice& choice) {
  const QString name = pathText(choice.transcript.filename());
  std::u16string text;
  try {
    text = readForeignText(choice.transcript);
  } catch (const TextFileError&) {
    context_.messages.show(
        QStringLiteral("Text diktátu '%1' nebyl nalezen nebo ho nelze přečíst.").arg(name),
        QStringLiteral("Přerušení"), MessageIcon::Critical);
    return std::nullopt;
  }
  if (text.empty()) {
    context_.messages.show(
        QStringLiteral("Text diktátu '%1' je prázdný, proto s ním nelze psát test.").arg(name),
        QStringLiteral("Přerušení"), MessageIcon::Exclamation);
    return std::nullopt;
  }
  return text;
}

// The preview and the duration follow the choice: the recording's length in
// whole minutes, rounded up, and one minute more.
void frmDiktat::lstDiktaty_Click() {
  Choice* choice = chosen();
  if (!choice) return;
  if (!choice->lengthMs) choice->lengthMs = context_.player.probe(choice->recording);
  try {
    txtNahled->setPlainText(toBox(readForeignText(choice->transcript)));
  } catch (const TextFileError&) {
    txtNahled->setPlainText(QStringLiteral("Text diktátu nelze přečíst."));
  }
  if (choice->lengthMs) txtDoba->setText(QString::number(dictationMinutes(*choice->lengthMs)));
}

void frmDiktat::cmdVlastni_Click() {
  const QString recording = context_.files.openFileName(
      this, {QStringLiteral("Vlastní nahrávka"), QDir::homePath(),
             QStringLiteral("Zvukové nahrávky (*.ogg *.oga *.wav *.flac *.mp3);;Všechny soubory "
                            "(*)")});
  if (recording.isEmpty()) return;
  const std::filesystem::path recordingFile(recording.toStdString());
  const std::optional<std::int64_t> length = context_.player.probe(recordingFile);
  if (!length) {
    context_.messages.show(
        QStringLiteral("Nahrávku '%1' nelze přehrát: soubor nelze přečíst nebo to není zvukový "
                       "záznam (WAV, OGG, FLAC, MP3).")
            .arg(pathText(recordingFile.filename())),
        QStringLiteral("Přerušení"), MessageIcon::Critical);
    return;
  }
  const QString transcript = context_.files.openFileName(
      this, {QStringLiteral("Text nahrávky"), pathText(recordingFile.parent_path()),
             QStringLiteral("Textové soubory (*.txt);;Všechny soubory (*)")});
  if (transcript.isEmpty()) return;
  Choice own{pathText(recordingFile.stem()), recordingFile,
             std::filesystem::path(transcript.toStdString()), length};
  if (!readTranscript(own)) return;
  addChoice(std::move(own));
  lstDiktaty->setCurrentRow(lstDiktaty->count() - 1);
}

// A dictation that cannot be started has been named in a message; the window
// stays open for another choice.
void frmDiktat::cmdOK_Click() {
  const Choice* choice = chosen();
  if (!choice) {
    context_.messages.show(QStringLiteral("Vyberte diktát"), QStringLiteral("Chyba"),
                           MessageIcon::Exclamation);
    return;
  }
  const auto settings = checkedOwnTestSettings(context_.messages, *txtDoba, *txtChyba);
  if (!settings) return;
  const std::optional<std::u16string> transcript = readTranscript(*choice);
  if (!transcript) return;
  SharedState& stav = context_.stav;
  const int previousDoba = stav.DobaTestu, previousZtrata = stav.ZtrataUhozu;
  stav.DobaTestu = settings->minutes;
  stav.ZtrataUhozu = settings->loss;
  if (zaklad_.startDictation(choice->recording, *transcript, choice->title)) {
    accept();
    return;
  }
  stav.DobaTestu = previousDoba;
  stav.ZtrataUhozu = previousZtrata;
}

void frmDiktat::cmdStorno_Click() { reject(); }

}  // namespace tymba
