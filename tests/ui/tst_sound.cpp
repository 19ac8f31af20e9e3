// The real sound output on a private sound server whose null sink is recorded
// (tools/nullsink.sh; the ctest fixture starts it), and with no sound server
// at all.

#include <QElapsedTimer>
#include <QProcess>

#include "media/audiosinkcues.h"
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
