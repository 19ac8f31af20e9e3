// The real sound output on a private sound server whose null sink is recorded
// (tools/nullsink.sh; the ctest fixture starts it), and, in a run of its own,
// with no sound server at all.

#include <QElapsedTimer>

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
  AppContext context{fx.state, fx.clock,    fx.messages,        fx.dialogs,
                     fx.files, fx.settings, fx.context.folders, cues};
  std::filesystem::path click(const char* name) { return fx.folder("shipped") / "Zvuk" / name; }
  static bool serverless() { return qEnvironmentVariableIsSet("TYMBA_NO_SOUND_SERVER"); }

 private slots:
  void init() {
    if (serverless() != (QTest::currentTestFunction() == QByteArray("noServerMeansSilence")))
      QSKIP("for a run with the other set-up");
  }

  void aKeystrokeIsHeardAsAClick() {
    QVERIFY(cues.setUp());
    fx.state.ZvukInicializovan = true;
    auto* test = new frmTestKlik(context, 1, nullptr);  // the beep
    SinkMonitor monitor;
    QTest::qWait(100);
    QVERIFY(monitor.onsets().empty());
    const std::size_t before = monitor.samples.size();
    typeText(test->findChild<TypingBox*>(QStringLiteral("txtTest")), QStringLiteral("a"));
    QTest::qWait(200);
    QCOMPARE(monitor.onsets(before).size(), std::size_t(1));
    delete test;
  }

  void fifteenClicksASecondAreEachHeard_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("played");
    QTest::addColumn<int>("heard");
    QTest::newRow("beep, for 5 s") << "prc.wav" << 75 << 75;
    QTest::newRow("no sound, for 1 s") << "nic.wav" << 15 << 0;
  }
  void fifteenClicksASecondAreEachHeard() {
    QFETCH(QString, file);
    QFETCH(int, played);
    QFETCH(int, heard);
    QVERIFY(cues.setUp() && cues.load(SoundBuffer::Click, click(qPrintable(file))));
    SinkMonitor monitor;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < played; ++i) {
      cues.playFromStart(SoundBuffer::Click);
      QTest::qWait(int((i + 1) * 1000 / 15 - clock.elapsed()));
    }
    QTest::qWait(150);
    QCOMPARE(int(monitor.onsets().size()), heard);
  }

  // Run alone, without a sound server: one message, then silence.
  void noServerMeansSilence() {
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
