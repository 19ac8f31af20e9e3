// The real sound output on a private sound server whose null sink is recorded
// (tools/nullsink.sh; the ctest fixture starts it), and with no sound server
// at all.

#include <QElapsedTimer>
#include <QProcess>

#include "media/audiosinkcues.h"
#include "media/mediadictationplayer.h"
#include "storage/dictations.h"
#include "tests/ui/support/mainwindowtest.h"
#include "tests/ui/support/sinkmonitor.h"
#include "ui/frmTestKlik.h"

using namespace tymba;
using namespace tymba::testing;

class TestSound : public QObject {
  Q_OBJECT

  WindowFixture fx;
  AudioSinkCues cues;
  AppContext context{fx.state,    fx.clock,           fx.messages, fx.dialogs, fx.files,
                     fx.settings, fx.context.folders, cues,        fx.player};
  static bool serverless() { return qEnvironmentVariableIsSet("TYMBA_NO_SOUND_SERVER"); }
 private slots:
  void init() {
    if (serverless() && QTest::currentTestFunction() != QByteArray("noServerMeansSilence"))
      QSKIP("needs the sound server");
  }

  // Keys typed 15 a second into the click test, each heard as a click of its own.
  void fifteenKeysASecondAreFifteenClicks_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("typed");
    QTest::addColumn<int>("heard");
    QTest::newRow("typewriter, for 5 s") << 0 << 75 << 75;
    QTest::newRow("no sound, for 1 s") << 3 << 15 << 0;
  }
  void fifteenKeysASecondAreFifteenClicks() {
    QFETCH(int, entry);
    QFETCH(int, typed);
    QFETCH(int, heard);
    QVERIFY(cues.setUp());
    fx.state.ZvukInicializovan = true;
    frmTestKlik test(context, entry, nullptr);
    SinkMonitor monitor;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < typed; ++i) {
      typeText(test.findChild<TypingBox*>(QStringLiteral("txtTest")), QStringLiteral("a"));
      QTest::qWait(int((i + 1) * 1000 / 15 - clock.elapsed()));
    }
    QTest::qWait(150);
    QCOMPARE(int(monitor.onsets().size()), heard);
  }

  // A recording on the real player: its length, heard on the sink, Stop keeps
  // the position (as long as what was heard), heard again from Prev and from a
  // start position; a file that
  // is no recording, or none, gives nothing and changes nothing.
  void dictationPlaysOnTheSink_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<qint64>("length");
    const std::filesystem::path tone = fx.folder("tone.wav");
    QTest::newRow("WAV, 2.5 s of 440 Hz") << QString::fromStdString(tone) << writeTone(tone, 2500);
    // Its length as the Ogg pages give it, read without the player.
    QFile shipped(QStringLiteral(TYMBA_UI_DATA_DIR "/Diktaty/Ranní autobus.ogg"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QTest::newRow("shipped dictation")
        << shipped.fileName()
        << qint64(oggVorbisLengthMs(shipped.readAll().toStdString()).value_or(-1000));
  }
  void dictationPlaysOnTheSink() {
    QFETCH(QString, file);
    QFETCH(qint64, length);
    const std::filesystem::path recording = file.toStdString();
    QFile text(QString::fromStdString(fx.folder("text.ogg").string()));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("Toto není nahrávka.\r\n") > 0);
    text.close();
    MediaDictationPlayer player;
    const auto opened = player.open(recording);
    QVERIFY(opened && std::abs(*opened - length) <= 100);
    QCOMPARE(player.probe(recording), opened);
    for (const char* bad : {"text.ogg", "missing.wav"})
      QVERIFY(!player.probe(fx.folder(bad)) && !player.open(fx.folder(bad)));
    SinkMonitor monitor;
    player.command(PlayerCommand::Play);
    QVERIFY(QTest::qWaitFor([&] { return player.position() > 500 && !monitor.onsets().empty(); }));
    player.command(PlayerCommand::Stop);
    const std::int64_t stopped = player.position();
    QTest::qWait(200);
    QVERIFY(stopped > 500 && player.position() == stopped);
    const auto heard = std::count_if(monitor.samples.begin(), monitor.samples.end(),
                                     [](std::int16_t sample) { return std::abs(sample) > 100; });
    // A tone sounds throughout: what was heard is how far it played.
    if (file.endsWith(QLatin1String(".wav")))
      QVERIFY(std::abs(stopped - heard * 1000 / SinkMonitor::kRate) < 100);
    for (const std::int64_t from : {0, 1000}) {  // Prev, then a start position
      from ? player.setStartPosition(from) : player.command(PlayerCommand::Prev);
      QCOMPARE(player.position(), from);
      const std::size_t before = monitor.samples.size();
      player.command(PlayerCommand::Play);
      QVERIFY(QTest::qWaitFor(
          [&] { return !monitor.onsets(before).empty() && player.position() > from; }, 1000));
      player.command(PlayerCommand::Stop);
    }
    player.command(PlayerCommand::Close);
  }

  // Without a sound server (the test runs itself so): one message, then silence.
  void noServerMeansSilence() {
    if (!serverless()) {
      QProcess self;
      QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
      environment.insert("TYMBA_NO_SOUND_SERVER", "1");
      environment.insert("PULSE_SERVER", "unix:/nonexistent/pulse/native");
      self.setProcessEnvironment(environment);
      self.start(QCoreApplication::applicationFilePath(), {"noServerMeansSilence"});
      QVERIFY(self.waitForFinished(60000));
      QCOMPARE(self.exitCode(), 0);
      return;
    }
    frmZaklad window(context);
    QCOMPARE(fx.messages.said.size(), 1);
    QVERIFY(fx.messages.said[0].startsWith("Přerušení, Information: Nelze z inicializovat zvuk."));
    QVERIFY(!fx.state.ZvukPripraven && !fx.state.ZvukInicializovan);
    cues.playFromStart(SoundBuffer::Click);
    cues.release();
  }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
