// The main window reads its options from the settings file when it loads and
// shows them: the bands behind the target lines, their colours, the text's
// colour and size.

#include <QApplication>
#include <QFile>
#include <QTest>

#include "tests/ui/support/mainwindowtest.h"
#include "ui/targettextlabel.h"

using namespace tymba;
using namespace tymba::testing;

class TestOptions : public MainWindowTest {
  Q_OBJECT

 private:
  // Opens the window on a settings file with these lines in "Moznosti".
  void openWithOptions(const QByteArray& lines) {
    fx = std::make_unique<WindowFixture>();
    const auto file = fx->settings.file();
    std::filesystem::create_directories(file.parent_path());
    QFile ini(QString::fromStdString(file.string()));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Moznosti]\nStav=OK\n" + lines);
    ini.close();
    window = std::make_unique<frmZaklad>(fx->context);
    window->resize(960, 700);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  QWidget* band(const char* name, int k) {
    return child<QWidget>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(k));
  }
  // The colour the band is drawn in.
  QColor shown(const char* name, int k) { return band(name, k)->grab().toImage().pixelColor(4, 4); }

 private slots:
  void cleanup() { closeWindow(); }

  void aFirstRunWritesTheDefaultsAndShowsTheBands() {
    openWindow();
    QCOMPARE(fx->settings.read("Moznosti", "Stav", ""), std::string("OK"));
    QCOMPARE(fx->settings.read("Moznosti", "Zastav", ""), std::string("6"));
    QCOMPARE(fx->settings.read("Uzivatele", "Hlavni", "missing"), std::string());
    QCOMPARE(fx->state.nastaveni.Zastav, 6);
    QVERIFY(fx->state.AktualniUzivatel == u"Hlavni");
    QVERIFY(std::filesystem::is_directory(fx->context.programFolder / "Uzivatele"));
    for (int k = 1; k <= 10; ++k) {
      QVERIFY(band("lblLinka", k)->isVisible());
      QVERIFY(band("lblLinka1", k)->isVisible());
    }
    // The first line's band has the face colour of buttons, the second's the
    // caption text colour.
    const QPalette palette = QApplication::palette();
    QCOMPARE(shown("lblLinka", 1), palette.color(QPalette::Button));
    QCOMPARE(shown("lblLinka1", 1), palette.color(QPalette::HighlightedText));
  }

  void plainBackgroundHidesTheBands() {
    openWithOptions("Pozadi=2\n");
    for (int k = 1; k <= 10; ++k) {
      QVERIFY(!band("lblLinka", k)->isVisible());
      QVERIFY(!band("lblLinka1", k)->isVisible());
    }
  }

  void coloursInEitherFormShowAlike() {
    openWithOptions("Barva=-2147483633\nBarva2=&HFF\nBarvaPisma=16711680\n");
    const QPalette palette = QApplication::palette();
    QCOMPARE(shown("lblLinka", 3), palette.color(QPalette::Button));
    QCOMPARE(shown("lblLinka1", 3), QColor(255, 0, 0));
    // 0x00FF0000 is blue: the numbers are blue, green, red from the top.
    QCOMPARE(child<TargetTextLabel>(QStringLiteral("lblZadani(1)"))
                 ->palette()
                 .color(QPalette::WindowText),
             QColor(0, 0, 255));
  }

  void theLargeFontMovesTheFirstLine() {
    openWithOptions("Pismo=3\n");
    QCOMPARE(fx->state.nastaveni.Pismo, 3);
    auto* first = child<TargetTextLabel>(QStringLiteral("lblZadani(1)"));
    QCOMPARE(first->font().pointSize(), 12);
    QCOMPARE(first->y(), 18);  // 270 twips
    QCOMPARE(band("lblLinka1", 1)->height(), 18);
  }

  void aSettingsFileThatIsNotTextIsSetAsideAndTheUserTold() {
    openWithOptions(QByteArray("Pismo=3\0", 8));
    QCOMPARE(fx->messages.said.size(), 1);
    QVERIFY(fx->messages.said[0].text.contains(QStringLiteral("\"Tymba.ini.poskozeny\"")));
    QCOMPARE(fx->state.nastaveni.Pismo, 1);
    QCOMPARE(fx->settings.read("Moznosti", "Stav", ""), std::string("OK"));
  }

  void aMissingLimitIsFilledAndAWrongStopIsLeftOut() {
    openWithOptions("Zastav=abc\n");
    QCOMPARE(fx->state.nastaveni.Zastav, 0);
    QCOMPARE(fx->state.nastaveni.LimitRychlost, 160);
    QCOMPARE(fx->settings.read("Moznosti", "LimitRychlost", ""), std::string("160"));
    QCOMPARE(fx->settings.read("Moznosti", "Zastav", ""), std::string("abc"));
  }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
