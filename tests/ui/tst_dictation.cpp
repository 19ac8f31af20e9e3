// The dictation test: its set-up window, the panel's control of the player,
// and how a dictation run differs from the other runs.

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "storage/textfile.h"
#include "tests/ui/support/mainwindowtest.h"
#include "ui/frmDiktat.h"
#include "ui/targettextlabel.h"
#include "ui/textconvert.h"

using namespace tymba;
using namespace tymba::testing;
namespace fs = std::filesystem;

class TestDictation : public MainWindowTest {
  Q_OBJECT

  // A shipped dictation "Podzim": a Windows-1250 transcript beside a recording.
  fs::path addDictation(const std::string& recordingStart = "OggS") {
    const fs::path folder = fx->context.folders.shipped / "Diktaty";
    fs::create_directories(folder);
    writeText(folder / "Podzim.txt", u"Padá listí.\r\n");
    replaceFileContents(folder / "Podzim.ogg", recordingStart + std::string(40, 'x'));
    return folder;
  }
  frmDiktat* setup() { return fx->dialogs.last<frmDiktat>(); }
  void openSetup() { child<QAction>(QStringLiteral("miDiktafon"))->trigger(); }
  QPushButton* button(const char* name) { return child<QPushButton>(QString::fromLatin1(name)); }
  // The dictation started from the menu with its defaults.
  void startDictation() {
    addDictation();
    openSetup();
    QVERIFY(setup());
    button("cmdOK")->click();
    QVERIFY(!setup());
    fx->player.heard.clear();
  }
  QString heard() { return fx->player.heard.join(QStringLiteral(", ")); }

 private slots:
  void setupStartsADictationRun() {
    addDictation();
    openSetup();
    QVERIFY(setup());
    // The recording's length (90 s) rounded up and a minute more.
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtDoba"), setup())->text(), QStringLiteral("3"));
    QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtNahled"), setup())->toPlainText(),
             QStringLiteral("Padá listí.\n"));
    child<QLineEdit>(QStringLiteral("txtChyba"), setup())->setText(QStringLiteral("7"));
    child<QPushButton>(QStringLiteral("cmdOK"), setup())->click();

    QVERIFY(child<QWidget>(QStringLiteral("picDiktafon"))->isVisible());
    QVERIFY(fx->sounds.heard.contains(QStringLiteral("release")));
    QCOMPARE(fx->state.DobaTestu, 3);
    QCOMPARE(fx->state.ZtrataUhozu, 7);
    QCOMPARE(text(QStringLiteral("lblNazevZvuku")), QStringLiteral("Podzim"));
    QCOMPARE(text(QStringLiteral("lblMax")), QStringLiteral("90"));
    // The transcript is only aligned with, never shown.
    QVERIFY(alignmentCopy().starts_with(u"Padá listí.\r\nPadá listí.\r\n"));
    QCOMPARE(child<TargetTextLabel>(QStringLiteral("lblZadani(1)"))->text(), QString());
    QVERIFY(box()->hasFocus());
  }

  // A recording that is not audio, or is gone, is named; the list stays.
  void setupRefusesWhatCannotBePlayed_data() {
    QTest::addColumn<bool>("written");
    QTest::newRow("not audio") << true;
    QTest::newRow("missing") << false;
  }
  void setupRefusesWhatCannotBePlayed() {
    QFETCH(bool, written);
    const fs::path own = addDictation() / "moje.ogg";
    if (written) replaceFileContents(own, "Toto není zvuk.");
    openSetup();
    fx->files.answers << QString::fromStdString(own.string());
    child<QPushButton>(QStringLiteral("cmdVlastni"), setup())->click();
    QCOMPARE(child<QListWidget>(QStringLiteral("lstDiktaty"), setup())->count(), 1);
    QCOMPARE(fx->messages.said, QStringList{"Přerušení, Critical: Nahrávku 'moje.ogg' nelze "
                                            "přehrát: soubor nelze přečíst nebo to není zvukový "
                                            "záznam (WAV, OGG, FLAC, MP3)."});
  }

  // The own transcript may be UTF-8 or Windows-1250: the same text to align.
  void ownTranscriptInEitherEncoding_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("utf-8") << QByteArray("Kůň běží.\n");
    QTest::newRow("windows-1250") << QByteArray("K\xf9\xf2 b\xec\x9e\xed.\r\n");
  }
  void ownTranscriptInEitherEncoding() {
    QFETCH(QByteArray, bytes);
    const fs::path folder = addDictation();
    replaceFileContents(folder / "vlastni.wav", "RIFF" + std::string(40, 'x'));
    replaceFileContents(folder / "vlastni-text.txt", bytes.toStdString());
    openSetup();
    fx->files.answers << QString::fromStdString((folder / "vlastni.wav").string())
                      << QString::fromStdString((folder / "vlastni-text.txt").string());
    child<QPushButton>(QStringLiteral("cmdVlastni"), setup())->click();
    child<QPushButton>(QStringLiteral("cmdOK"), setup())->click();
    QVERIFY(alignmentCopy().starts_with(u"Kůň běží.\r\nKůň běží.\r\n"));
    QCOMPARE(text(QStringLiteral("lblNazevZvuku")), QStringLiteral("vlastni"));
  }

  void withoutSoundThereIsNoDictation() {
    closeWindow();
    fx = std::make_unique<WindowFixture>();
    fx->sounds.device = false;
    openWindow();
    fx->messages.said.clear();
    QVERIFY(!child<QAction>(QStringLiteral("miDiktafon"))->isEnabled());
    child<QAction>(QStringLiteral("miDiktafon"))->setEnabled(true);
    openSetup();
    QVERIFY(!setup());
    QCOMPARE(fx->messages.said,
             QStringList{"Přerušení, Critical: Zvuk nelze z inicializovat!.\r\nBuď zvuk ovládá "
                         "jiný program nebo nemáte správně nainstalovanou zvukovou kartu"});
  }

  // Each row: the position the player stands at, then a control; what the
  // player was told. Posun is 2 seconds.
  void controlsDriveThePlayer_data() {
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("told");
    QTest::newRow("F1 early resumes from the start") << "1500 F1"
                                                     << "Stop, From 0, Interval 0, Play";
    QTest::newRow("F1 twice stops, then resumes a step before")
        << "0 cmdPlay 9000 F1 F1"
        << "Play, Interval 50, Stop, Stop, From 7000, Interval 0, Play";
    QTest::newRow("rewind while stopped only plays") << "4000 cmdPosun"
                                                     << "Play";
    QTest::newRow("rewind while playing steps back, stopped")
        << "0 cmdPlay 9000 cmdPosun"
        << "Play, Interval 50, Stop, From 7000, Interval 0";
    QTest::newRow("to the start") << "0 cmdPlay 5000 cmdZacatek"
                                  << "Play, Interval 50, Stop, Prev, Interval 0";
    QTest::newRow("stop") << "0 cmdPlay 5000 cmdStop"
                          << "Play, Interval 50, Stop, Interval 0";
  }
  void controlsDriveThePlayer() {
    QFETCH(QString, actions);
    QFETCH(QString, told);
    startDictation();
    for (const QString& action : actions.split(' ')) {
      if (action == QLatin1String("F1")) {
        pressKey(box(), Qt::Key_F1);
      } else if (action.startsWith(QLatin1String("cmd"))) {
        button(qPrintable(action))->click();
        QVERIFY(box()->hasFocus());
      } else {
        fx->player.at = action.toLongLong();
      }
    }
    QCOMPARE(heard(), told);
    // F1 is the playback's key here, not the help.
    QVERIFY(fx->messages.said.isEmpty());
  }

  void aDictationRunIsTypedWithoutClickClockOrEndKeys() {
    startDictation();
    fx->sounds.heard.clear();
    typeText(box(), QStringLiteral("Padá"));
    QVERIFY(fx->state.TestBezi);
    QVERIFY(fx->sounds.plays().isEmpty());
    QCOMPARE(running(), QStringList{"tmrVypnuti"});
    pressKey(box(), Qt::Key_Escape);
    pressKey(box(), Qt::Key_F5);
    QVERIFY(!result());
    // Deleting is allowed; the recording, as it plays, keeps the time.
    pressKey(box(), Qt::Key_Backspace);
    QCOMPARE(box()->toPlainText(), QStringLiteral("Pad"));
    button("cmdPlay")->click();
    QVERIFY(running().contains(QStringLiteral("tmrCas")));
    fx->player.at = 2500;
    QMetaObject::invokeMethod(child<QTimer>(QStringLiteral("tmrUkazatel")), "timeout");
    QCOMPARE(text(QStringLiteral("lblPozice")), QStringLiteral("2,5"));
    // Listening is not idling: while the recording plays on, no inactivity stop.
    for (int second = 1; second <= 8; ++second) {
      fx->player.at += 1000;
      QMetaObject::invokeMethod(child<QTimer>(QStringLiteral("tmrUkazatel")), "timeout");
      tick("tmrVypnuti");
    }
    QVERIFY(!result());
    // The time is up: the run ends and the recording stops under the result.
    fx->clock.advance(3 * 60 + 1);
    tick("tmrCas");
    QVERIFY(result());
    QVERIFY(heard().endsWith(QLatin1String("Stop, Interval 0")));
  }

  void closingResetsTheRunAndBringsTheSoundsBack() {
    startDictation();
    typeText(box(), QStringLiteral("Pa"));
    // Again: the same transcript, the recording back at its start.
    child<QAction>(QStringLiteral("miZnovu"))->trigger();
    QVERIFY(box()->toPlainText().isEmpty() && alignmentCopy().starts_with(u"Padá listí."));
    QCOMPARE(heard(), QStringLiteral("Stop, Prev, Interval 0"));
    fx->player.heard.clear();
    fx->sounds.heard.clear();
    button("cmdZavrit")->click();
    QCOMPARE(heard(), QStringLiteral("Stop, Prev, Close, Interval 0"));
    QVERIFY(!child<QWidget>(QStringLiteral("picDiktafon"))->isVisible());
    QVERIFY(!box()->isVisible());
    QVERIFY(!fx->state.TestBezi);
    QCOMPARE(window->windowTitle() + text(QStringLiteral("lblNazev")), QStringLiteral("Tymba "));
    QCOMPARE(fx->sounds.heard.value(0), QStringLiteral("setUp"));
    QVERIFY(fx->sounds.heard.filter(QStringLiteral("load ")).size() >= 3);
  }

  void anotherTestClosesTheDictationFirst() {
    startDictation();
    startExercise(QStringLiteral("Opis"), u"Abc.");
    QCOMPARE(heard(), QStringLiteral("Stop, Prev, Close, Interval 0"));
    QVERIFY(!child<QWidget>(QStringLiteral("picDiktafon"))->isVisible());
    QCOMPARE(child<TargetTextLabel>(QStringLiteral("lblZadani(1)"))->text(),
             QStringLiteral("Abc.\n"));
  }
};

QTEST_MAIN(TestDictation)
#include "tst_dictation.moc"
