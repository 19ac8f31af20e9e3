#pragma once
// Everything a window test hands to the windows, as the application hands its
// services: a clock that stands still until the test moves it, message boxes
// and file dialogs recorded and answered from queues, dialogs shown without
// waiting, temporary data folders and settings file.

#include <QDialog>
#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QQueue>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include "core/sharedstate.h"
#include "storage/inisettingsstore.h"
#include "storage/wavfile.h"
#include "ui/application.h"

namespace tymba::testing {

class FakeClock final : public Clock {
 public:
  QDateTime now() const override { return now_; }
  void advance(double seconds) { now_ = now_.addMSecs(static_cast<qint64>(seconds * 1000.0)); }
  void set(QTime time) { now_.setTime(time); }

 private:
  QDateTime now_{QDate(2026, 12, 3), QTime(10, 0, 0)};
};

// Records each box as one line "title, icon: text" and answers OK, or a
// question with the next queued answer, else "Yes".
class RecordingMessages final : public Messages {
 public:
  MessageAnswer show(const QString& text, const QString& title, MessageIcon icon,
                     MessageButtons buttons) override {
    const char* icons[] = {"Information", "Exclamation", "Critical", "Question", "NoIcon"};
    said << QStringLiteral("%1, %2: %3").arg(title, icons[int(icon)], text);
    if (buttons != MessageButtons::YesNo) return MessageAnswer::Ok;
    return answers.isEmpty() ? MessageAnswer::Yes : answers.dequeue();
  }
  QStringList said;
  QQueue<MessageAnswer> answers;
};

class NonBlockingDialogs final : public DialogRunner {
 public:
  void run(QDialog& dialog) override {
    opened.append(&dialog);
    dialog.setModal(true);
    dialog.show();
  }
  // The last dialog of this kind opened that is still open, or nullptr.
  template <typename T>
  T* last() const {
    for (auto it = opened.rbegin(); it != opened.rend(); ++it)
      if (auto* dialog = qobject_cast<T*>(it->data()); dialog && dialog->isVisible()) return dialog;
    return nullptr;
  }
  QList<QPointer<QDialog>> opened;
};

// Answers open and save dialogs alike with the queued paths, then cancels.
class AnsweringFileDialogs final : public FileDialogs {
 public:
  // Answers with the queued colours, then cancels; notes where each started.
  QColor chooseColour(QWidget*, const QColor& initial) override {
    coloursFrom.append(initial);
    return colours.isEmpty() ? QColor() : colours.dequeue();
  }
  QQueue<QColor> colours;
  QList<QColor> coloursFrom;

  QString openFileName(QWidget*, const FileQuestion& question) override {
    asked.append(question);
    return answers.isEmpty() ? QString() : answers.dequeue();
  }
  QString saveFileName(QWidget* parent, const FileQuestion& question) override {
    return openFileName(parent, question);
  }
  QQueue<QString> answers;
  QList<FileQuestion> asked;
};

// --- Sound ---
// Records "setUp", "load Click klik1.wav", "play Click", "start End" as they
// happen; setUp answers `device`, load whether the file decodes.
class RecordingSounds final : public SoundCues {
 public:
  bool setUp() override { return note(QStringLiteral("setUp"), device); }
  bool load(SoundBuffer buffer, const std::filesystem::path& file) override {
    return note(QStringLiteral("load %1 %2").arg(name(buffer), file.filename().c_str()),
                readWavFile(file, kMinSoundRate, 1).ok());
  }
  void playFromStart(SoundBuffer buffer) override { note(QStringLiteral("play ") + name(buffer)); }
  void start(SoundBuffer buffer) override { note(QStringLiteral("start ") + name(buffer)); }
  void release() override { note(QStringLiteral("release")); }
  // The plays heard so far ("play Click", "start End"), without set-up and loads.
  QStringList plays() const { return heard.filter(QRegularExpression("^(play|start) ")); }
  bool device = true;
  QStringList heard;

 private:
  static QString name(SoundBuffer buffer) {
    return QStringList{"Click", "Error", "End", "Test"}[int(buffer)];
  }
  bool note(const QString& what, bool answer = true) { return heard << what, answer; }
};

// --- Dictation ---
// Records "probe NAME", "open NAME", "Play", "From 3000", "Interval 50" as they
// happen; a file opens with `length` when it starts as an Ogg or WAV file
// does. The position is `at`, which the test moves as the recording would.
class RecordingPlayer final : public DictationPlayer {
 public:
  std::optional<std::int64_t> probe(const std::filesystem::path& file) override {
    return load(QStringLiteral("probe "), file);
  }
  std::optional<std::int64_t> open(const std::filesystem::path& file) override {
    return load(QStringLiteral("open "), file);
  }
  void command(PlayerCommand command) override {
    heard << QStringList{"None", "Play", "Stop", "Prev", "Close"}[int(command)];
    last = command;
    if (command == PlayerCommand::Prev) at = 0;
  }
  PlayerCommand lastCommand() const override { return last; }
  std::int64_t position() const override { return at; }
  void setStartPosition(std::int64_t ms) override {
    heard << QStringLiteral("From %1").arg(at = ms);
  }
  void setStatusInterval(int ms) override { heard << QStringLiteral("Interval %1").arg(ms); }
  std::int64_t length = 90000;
  std::int64_t at = 0;
  PlayerCommand last = PlayerCommand::None;
  QStringList heard;

 private:
  std::optional<std::int64_t> load(const QString& what, const std::filesystem::path& file) {
    heard << what + file.filename().c_str();
    QFile bytes(QString::fromStdString(file.string()));
    const QByteArray magic = bytes.open(QIODevice::ReadOnly) ? bytes.read(4) : QByteArray();
    if (magic != "OggS" && magic != "RIFF") return std::nullopt;
    return length;
  }
};

struct WindowFixture {
  // The shipped sounds are there, as installed; a test takes one away to see
  // what a missing one does.
  WindowFixture() {
    QLocale::setDefault(QLocale(QLocale::Czech));
    std::filesystem::create_directories(folder("shipped"));
    for (const char* sub : {"Zvuk", "Zvuk2"})
      std::filesystem::copy(std::filesystem::path(TYMBA_UI_DATA_DIR) / sub, folder("shipped") / sub,
                            std::filesystem::copy_options::recursive);
  }

  QTemporaryDir programDir;
  std::filesystem::path folder(const char* name) const {
    return std::filesystem::path(programDir.path().toStdString()) / name;
  }
  SharedState state;
  FakeClock clock;
  RecordingMessages messages;
  NonBlockingDialogs dialogs;
  AnsweringFileDialogs files;
  RecordingSounds sounds;
  RecordingPlayer player;
  IniSettingsStore settings{std::filesystem::path(programDir.path().toStdString()) / "config" /
                            "Tymba.ini"};
  AppContext context{state,
                     clock,
                     messages,
                     dialogs,
                     files,
                     settings,
                     {folder("shipped"), folder("user") / "Tymba"},
                     sounds,
                     player};
};

}  // namespace tymba::testing
