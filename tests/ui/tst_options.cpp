// The options window, opened from the menu and answered as a user does: what
// OK refuses and what it saves, in which order and as how many changes, what
// the main window shows at once, and the ways out that change nothing.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include "tests/ui/support/mainwindowtest.h"
#include "ui/frmMoznosti.h"

using namespace tymba;
using namespace tymba::testing;

namespace {

// Notes each change made to the settings ("key=value ..."), then makes it.
struct RecordingStore final : SettingsStore {
  explicit RecordingStore(SettingsStore& real) : real(real) {}
  std::string read(std::string_view s, std::string_view k, std::string_view d) const override {
    return real.read(s, k, d);
  }
  void write(std::string_view s, std::string_view k, std::string_view v) override {
    writeAll(s, {{std::string(k), std::string(v)}});
  }
  void writeAll(std::string_view s, const std::vector<SettingPair>& pairs) override {
    QStringList made;
    for (const SettingPair& pair : pairs)
      made << QString::fromStdString(pair.key + "=" + pair.value);
    changes << made.join(' ');
    real.writeAll(s, pairs);
  }
  std::vector<SettingPair> readSection(std::string_view s) const override {
    return real.readSection(s);
  }
  void remove(std::string_view s, std::string_view k) override { real.remove(s, k); }
  SettingsStore& real;
  QStringList changes;
};

}  // namespace

class TestOptions : public MainWindowTest {
  Q_OBJECT

  frmMoznosti* openOptions() {
    child<QAction>(QStringLiteral("miMoznosti"))->trigger();
    auto* options = fx->dialogs.last<frmMoznosti>();
    if (options) QApplication::setActiveWindow(options);
    return options;
  }
  template <typename T = QLineEdit>
  T* in(QWidget* options, const char* name) {
    return child<T>(QString::fromLatin1(name), options);
  }
  void click(QWidget* options, const char* button) {
    QTest::mouseClick(in<QPushButton>(options, button), Qt::LeftButton);
  }
  QByteArray stored() {
    QFile file(QString::fromStdString(fx->settings.file().string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QString option(const char* key) {
    return QString::fromStdString(fx->settings.read("Moznosti", key, ""));
  }
  QColor bandColour(const char* band) {
    return child<QWidget>(QString::fromLatin1(band))->palette().color(QPalette::Window);
  }

 private slots:
  void okChecksWhatIsTypedInOrderBeforeSaving_data() {
    rowsFrom("options.txt", {"typed", "sounds", "outcome"});
  }

  void okChecksWhatIsTypedInOrderBeforeSaving() {
    QFETCH(QString, typed);
    QFETCH(QString, sounds);
    QFETCH(QString, outcome);
    auto* options = openOptions();
    const QStringList numbers = typed.split(QLatin1Char(';'));
    for (int i = 0; const char* box : {"txtChyba", "txtLimitChyba", "txtLimitRychlost"})
      in(options, box)->setText(numbers[i++]);
    const QString nowhere = fx->programDir.path() + QStringLiteral("/chyba.wav");
    if (sounds.startsWith("error sound missing")) in(options, "txtZvukChyba")->setText(nowhere);
    if (sounds.startsWith("end sound missing")) in(options, "txtZvukKonec")->setText(nowhere);
    if (sounds.endsWith(", off")) in<QCheckBox>(options, "chkChyba")->setChecked(false);
    const QByteArray before = stored();
    fx->sounds.heard.clear();
    const bool played = sounds.endsWith("Přehrát");
    click(options, played ? "cmdTestChyba" : "cmdOK");
    if (!fx->messages.said.isEmpty()) {
      auto* refused = qobject_cast<QLineEdit*>(options->focusWidget());
      auto* tabs = in<QTabBar>(options, "TabStrip1");
      QCOMPARE(refused->objectName() + " " + tabs->tabText(tabs->currentIndex()) + ": " +
                   fx->messages.said.join('\n'),
               outcome);
      QVERIFY(options->isVisible() && stored() == before);
      QCOMPARE(refused->selectedText(), refused->text());
      return;
    }
    if (played) {
      QCOMPARE(fx->sounds.heard.join(", "), outcome);
      return;
    }
    QVERIFY(!options->isVisible());
    QStringList saved;
    for (const char* key : {"Chyba", "LimitChyba", "LimitRychlost", "ZvukChybaB"})
      saved << option(key);
    QCOMPARE(saved.join(' ') + " " + QFileInfo(option("ZvukChyba")).fileName(), outcome);
    const Nastaveni& now = fx->state.nastaveni;
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(now.Chyba).arg(now.LimitChyba).arg(now.LimitRychlost),
             saved.mid(0, 3).join(' '));
    // The next exercise test is charged the new loss per error.
    std::filesystem::create_directories(fx->context.folders.shipped / "cviceni");
    child<QAction>(QStringLiteral("mi1Test"))->trigger();
    QCOMPARE(fx->state.ZtrataUhozu, now.Chyba);
  }

  void okWritesEveryOptionAsOneChangeAndShowsItAtOnce() {
    startLesson({u"", u"Lekce jedna. "});
    QCOMPARE(text(QStringLiteral("lblZtrata")), QStringLiteral("10"));
    RecordingStore store(fx->settings);
    AppContext context{fx->state, fx->clock,           fx->messages, fx->dialogs, fx->files,
                       store,     fx->context.folders, fx->sounds,   fx->player};
    auto* options = new frmMoznosti(context, *window);
    options->show();
    fx->files.colours << QColor(255, 0, 0) << QColor(0, 0, 0) << QColor();
    for (const char* button : {"cmdBarva", "cmdBarva2", "cmdBarvaPisma"}) click(options, button);
    in(options, "txtChyba")->setText(QStringLiteral("30"));
    in<QComboBox>(options, "cmbNecinnost")->setCurrentIndex(4);
    in<QComboBox>(options, "cmbVelikostPisma")->setCurrentIndex(2);
    in<QCheckBox>(options, "chkZobrazKlavesnici")->setChecked(false);
    in<QCheckBox>(options, "chkSeznamChyb")->setChecked(false);
    const QColor secondLine = bandColour("lblLinka1(1)");
    fx->sounds.heard.clear();
    click(options, "cmdOK");
    // Black from the dialog is no choice; it starts from the colour last chosen.
    QCOMPARE(fx->files.coloursFrom, (QList<QColor>{Qt::black, Qt::red, Qt::black}));
    const QString shipped = QString::fromStdString(fx->context.folders.shipped.string());
    QCOMPARE(store.changes.join('\n').replace(shipped, "…"),
             "Pozadi=1 Zastav=15 Posun=2 Klik=1 Chyba=30 Barva=255 Barva2=-2147483639 "
             "BarvaPisma=0 Pismo=3 LimitChyba=1 LimitRychlost=160 ZobrazKlavesnici=0 "
             "ZvukChyba=…/Zvuk2/zvuk01.wav ZvukKonec=…/Zvuk2/zvuk02.wav ZvukChybaB=1 "
             "ZvukKonecB=1 LimityVisible=1 SeznamChyb=0");
    QCOMPARE(fx->sounds.heard,
             (QStringList{"load Error zvuk01.wav", "load End zvuk02.wav", "load Click Klik1.wav"}));
    QCOMPARE(std::tuple(bandColour("lblLinka(1)"), bandColour("lblLinka1(1)")),
             std::tuple(QColor(Qt::red), secondLine));
    QCOMPARE(std::tuple(child<QWidget>(QStringLiteral("picKlavesnice"))->isVisible(),
                        child<QWidget>(QStringLiteral("lstSeznamChyb"))->isVisible(),
                        child<QWidget>(QStringLiteral("frmLimity"))->isVisible()),
             std::tuple(false, false, true));
    QCOMPARE(std::tuple(child<QAction>(QStringLiteral("miVelke"))->isChecked(), option("Pismo"),
                        text("lblZtrata")),
             std::tuple(true, QStringLiteral("3"), QStringLiteral("30")));
  }

  void everyWayOutButOkChangesNothing_data() {
    QTest::addColumn<QString>("way");
    for (const char* way : {"Storno", "Esc", "close box"}) QTest::newRow(way) << way;
  }

  void everyWayOutButOkChangesNothing() {
    QFETCH(QString, way);
    // Without sound the click is not read, so no click is offered to test.
    fx->state.ZvukPripraven = false;
    fx->state.nastaveni.Klik = 0;
    const QByteArray before = stored();
    const QColor firstLine = bandColour("lblLinka(1)");
    auto* options = openOptions();
    QCOMPARE(in<QComboBox>(options, "cmbZvukKlik")->currentIndex(), -1);
    QVERIFY(!in<QPushButton>(options, "cmdTest")->isEnabled());
    QVERIFY(!in<QPushButton>(options, "cmdTestChyba")->isEnabled());
    fx->files.colours << QColor(255, 0, 0);
    click(options, "cmdBarva");
    in(options, "txtChyba")->setText(QStringLiteral("30"));
    in<QCheckBox>(options, "chkSeznamChyb")->setChecked(false);
    if (way == "Storno") click(options, "cmdStorno");
    if (way == "Esc") QTest::keyClick(in(options, "txtChyba"), Qt::Key_Escape);
    if (way == "close box") options->close();
    QVERIFY(!fx->dialogs.last<QDialog>() && stored() == before);
    QCOMPARE(std::tuple(fx->state.nastaveni.Chyba, fx->state.nastaveni.SeznamChyb, firstLine),
             std::tuple(20, std::string("1"), bandColour("lblLinka(1)")));
  }

  // Kept with the pictures of the end-to-end run; nothing on a tab is cut off.
  void eachTabIsPictured() {
    auto* options = openOptions();
    auto* tabs = in<QTabBar>(options, "TabStrip1");
    for (int tab = 0; tab < tabs->count(); ++tab) {
      tabs->setCurrentIndex(tab);
      const QImage picture = options->grab().toImage();
      for (const QWidget* shown : options->findChildren<QWidget*>()) {
        if (!shown->isVisible() || qobject_cast<const QTabBar*>(shown->parentWidget())) continue;
        const QRect place(shown->mapTo(options, QPoint()), shown->size());
        QVERIFY2(
            options->rect().contains(place) && shown->width() >= shown->minimumSizeHint().width(),
            qPrintable(shown->objectName()));
      }
#ifdef TYMBA_PICTURES_DIR
      QVERIFY(QDir().mkpath(TYMBA_PICTURES_DIR));
      QVERIFY(picture.save(QStringLiteral(TYMBA_PICTURES_DIR "/options-%1.png").arg(tab + 1)));
#endif
    }
  }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
