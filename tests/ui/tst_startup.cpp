// The start of the program: the font check, the splash window and the main
// window loaded behind it, timed by the fake clock; and the options the main
// window reads from the settings file and shows.

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <tuple>

#include "tests/ui/support/mainwindowtest.h"
#include "ui/fonts.h"
#include "ui/frmUvod.h"
#include "ui/qttexts.h"
#include "ui/startup.h"
#include "ui/targettextlabel.h"

using namespace tymba;
using namespace tymba::testing;

class TestStartUp : public MainWindowTest {
  Q_OBJECT

  QStringList fontsAskedFor;

  std::unique_ptr<StartUp> startUp(bool fontPresent) {
    return std::make_unique<StartUp>(fx->context, [this, fontPresent](const QString& family) {
      fontsAskedFor.append(family);
      return fontPresent;
    });
  }
  void tick(StartUp& start) {
    QMetaObject::invokeMethod(start.findChild<QTimer*>(QStringLiteral("tmrUvod")), "timeout");
  }
  // The colour the widget is drawn in.
  QColor shown(const QString& name) {
    return child<QWidget>(name)->grab().toImage().pixelColor(4, 4);
  }

 private slots:
  void init() {
    fx = std::make_unique<WindowFixture>();
    fontsAskedFor.clear();
  }

  void aMissingFontEndsTheProgramWithAMessage() {
    auto start = startUp(false);
    QVERIFY(!start->begin());
    QCOMPARE(fontsAskedFor, QStringList{"Courier New CE"});
    QCOMPARE(fx->messages.said, QStringList{"Přerušení, Critical: Typ písma 'Courier New CE' "
                                            "nebyl nalezen, proto nemohu pokračovat."});
    QVERIFY(!start->mainWindow());
    for (const QWidget* widget : QApplication::topLevelWidgets()) QVERIFY(!widget->isVisible());
  }

  void theSplashStaysThreeSecondsWhileTheMainWindowLoads_data() {
    QTest::addColumn<QTime>("startTime");
    QTest::newRow("in the morning") << QTime(10, 0, 0);
    QTest::newRow("just before midnight") << QTime(23, 59, 58, 500);
  }

  void theSplashStaysThreeSecondsWhileTheMainWindowLoads() {
    QFETCH(QTime, startTime);
    fx->clock.set(startTime);
    auto start = startUp(true);
    QVERIFY(start->begin());
    frmZaklad* main = start->mainWindow();
    QVERIFY(start->splash() && start->splash()->isVisible() && main && !main->isVisible());
    // Loaded already: the settings were read and written on this first run.
    QCOMPARE(fx->state.AktualniUzivatel, std::u16string(u"Hlavni"));
    QVERIFY(std::filesystem::exists(fx->settings.file()));
    fx->clock.advance(2.95);
    tick(*start);
    QVERIFY(start->splash() && start->splash()->isVisible() && !main->isVisible());
    fx->clock.advance(0.05);
    tick(*start);
    QVERIFY(!start->splash() && main->isVisible());
  }

  void theTypingFontCountsAsInstalledThroughItsSubstitutes() {
    registerFontSubstitutes();
    QVERIFY(isFontInstalled(QStringLiteral("Courier New CE")));
    QVERIFY(!isFontInstalled(QStringLiteral("Písmo, které nikde není")));
  }

  void qtsOwnDialogsSpeakCzech() {
    QVERIFY(installCzechQtTexts());
    QDialogButtonBox buttons(QDialogButtonBox::Open | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Zrušit"));
    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    QCOMPARE(files.findChild<QLabel*>(QStringLiteral("lookInLabel"))->text(),
             QStringLiteral("Hledat v:"));
  }

  void theOptionsShowInTheTargetDisplay_data() {
    QTest::addColumn<QByteArray>("options");  // lines of "Moznosti" after "Stav=OK"; null: no file
    QTest::addColumn<bool>("bands");
    QTest::addColumn<QColor>("band2");  // the first band has the buttons' face colour
    QTest::addColumn<QColor>("text");
    QTest::addColumn<int>("lineHeight");
    QTest::addColumn<QString>("told");
    const QColor highlighted = QApplication::palette().color(QPalette::HighlightedText);
    const QColor black(Qt::black);
    QTest::newRow("a first run") << QByteArray() << true << highlighted << black << 16 << "";
    QTest::newRow("a plain background")
        << QByteArray("Pozadi=2\n") << false << highlighted << black << 16 << "";
    // 0x00FF0000 is blue: the numbers are blue, green, red from the top.
    QTest::newRow("colours in either form")
        << QByteArray("Pozadi=1\nBarva=-2147483633\nBarva2=&HFF\nBarvaPisma=16711680\n") << true
        << QColor(255, 0, 0) << QColor(0, 0, 255) << 16 << "";
    QTest::newRow("the large font, 270 twips")
        << QByteArray("Pozadi=1\nPismo=3\n") << true << highlighted << black << 18 << "";
    QTest::newRow("a file that is not text is set aside")
        << QByteArray("Pismo=3\0", 8) << true << highlighted << black << 16
        << "\"Tymba.ini.poskozeny\"";
  }

  void theOptionsShowInTheTargetDisplay() {
    QFETCH(QByteArray, options);
    QFETCH(bool, bands);
    QFETCH(QColor, band2);
    QFETCH(QColor, text);
    QFETCH(int, lineHeight);
    QFETCH(QString, told);
    if (!options.isNull()) {
      std::filesystem::create_directories(fx->settings.file().parent_path());
      QFile ini(QString::fromStdString(fx->settings.file().string()));
      QVERIFY(ini.open(QIODevice::WriteOnly));
      ini.write("[Moznosti]\nStav=OK\n" + options);
    }
    openWindow();
    QCOMPARE(fx->messages.said.join(QString()).contains(told), true);
    QCOMPARE(fx->messages.said.size(), int(!told.isEmpty()));
    for (int k = 1; k <= 10; ++k) {
      QCOMPARE(child<QWidget>(QStringLiteral("lblLinka(%1)").arg(k))->isVisible(), bands);
      QCOMPARE(child<QWidget>(QStringLiteral("lblLinka1(%1)").arg(k))->isVisible(), bands);
    }
    QCOMPARE(shown(QStringLiteral("lblLinka(3)")), QApplication::palette().color(QPalette::Button));
    QCOMPARE(shown(QStringLiteral("lblLinka1(3)")), band2);
    auto* first = child<TargetTextLabel>(QStringLiteral("lblZadani(1)"));
    QCOMPARE(first->palette().color(QPalette::WindowText), text);
    QCOMPARE(std::tuple(first->y(), child<QWidget>(QStringLiteral("lblLinka1(1)"))->height()),
             std::tuple(lineHeight, lineHeight));
  }
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
