// The start of the program: the font check, the splash window and the main
// window loaded behind it, timed by the fake clock.

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "tests/ui/support/windowfixture.h"
#include "ui/fonts.h"
#include "ui/frmUvod.h"
#include "ui/frmZaklad.h"
#include "ui/qttexts.h"
#include "ui/startup.h"

using namespace tymba;
using namespace tymba::testing;

class TestStartUp : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowFixture> fx;
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
  static bool anyWindowVisible() {
    for (const QWidget* widget : QApplication::topLevelWidgets())
      if (widget->isVisible()) return true;
    return false;
  }

 private slots:
  void init() {
    fx = std::make_unique<WindowFixture>();
    fontsAskedFor.clear();
  }
  void cleanup() { fx.reset(); }

  void aMissingFontEndsTheProgramWithAMessage() {
    auto start = startUp(false);
    QVERIFY(!start->begin());
    QCOMPARE(fontsAskedFor, QStringList{"Courier New CE"});
    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(fx->messages.said[0].text,
             QStringLiteral("Typ písma 'Courier New CE' nebyl nalezen, proto nemohu pokračovat."));
    QCOMPARE(fx->messages.said[0].title, QStringLiteral("Přerušení"));
    QCOMPARE(fx->messages.said[0].icon, MessageIcon::Critical);
    QVERIFY(!start->mainWindow());
    QVERIFY(!anyWindowVisible());
  }

  void theSplashStaysThreeSecondsWhileTheMainWindowLoads_data() {
    QTest::addColumn<QTime>("startTime");
    QTest::newRow("in the morning") << QTime(10, 0, 0);
    QTest::newRow("just before midnight") << QTime(23, 59, 58, 500);
  }

  void theSplashStaysThreeSecondsWhileTheMainWindowLoads() {
    QFETCH(QTime, startTime);
    fx->clock.set(QDateTime(QDate(2026, 12, 31), startTime));
    auto start = startUp(true);
    QVERIFY(start->begin());
    QVERIFY(start->splash() && start->splash()->isVisible());
    QVERIFY(start->splash()->windowTitle().isEmpty());
    frmZaklad* main = start->mainWindow();
    QVERIFY(main && !main->isVisible());
    // Loaded already: the settings were read and written on this first run.
    QCOMPARE(fx->state.AktualniUzivatel, std::u16string(u"Hlavni"));
    QVERIFY(std::filesystem::exists(fx->settings.file()));

    fx->clock.advance(2.95);
    tick(*start);
    QVERIFY(start->splash() && start->splash()->isVisible());
    QVERIFY(!main->isVisible());

    fx->clock.advance(0.05);
    tick(*start);
    QVERIFY(!start->splash());
    QVERIFY(main->isVisible());
    QCOMPARE(main->windowTitle(), QStringLiteral("Tymba "));
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
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
