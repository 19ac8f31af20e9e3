// The detailed evaluation: which tabs, buttons and scroll bars a run of each
// kind and length shows, how wide its charts are and how they shorten and
// scroll, and pictures of each tab after a real lesson run.

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTabBar>

#include "core/twips.h"
#include "tests/ui/support/longrun.h"
#include "tests/ui/support/mainwindowtest.h"
#include "ui/frmVyhodnoceni.h"

using namespace tymba;
using namespace tymba::testing;

class TestVyhodnoceni : public MainWindowTest {
  Q_OBJECT

  // The evaluation of a scored run of `samples` samples of 7 keystrokes.
  frmVyhodnoceni* open(TestKind kind, int samples) {
    SharedState& stav = fx->state;
    stav.DruhTestu = kind;
    for (stav.PocetVzorku = 0; stav.PocetVzorku < samples; ++stav.PocetVzorku) {
      stav.OsaRychlosti.push_back(u"5 sec");
      stav.VzorkyRychlosti.push_back(7);
    }
    stav.OsaChyb = stav.OsaRychlosti;
    stav.VzorkyChyb.assign(samples, 1);
    auto* evaluation = new frmVyhodnoceni(fx->context, window.get());
    evaluation->Form_Load();
    fx->dialogs.run(*evaluation);
    return evaluation;
  }
  QWidget* widget(const char* name, QWidget* parent) {
    return child<QWidget>(QString::fromLatin1(name), parent);
  }

 private slots:
  void tabsButtonsAndWidthBySamples_data() {
    QTest::addColumn<bool>("lesson");
    QTest::addColumn<int>("samples");
    QTest::addColumn<QString>("tabs");
    QTest::addColumn<bool>("wide");
    QTest::addRow("exercise, 1") << false << 1 << "Protokol|Přehled chyb" << false;
    QTest::addRow("exercise, 2") << false << 2 << "Protokol|Graf Rychlosti|Přehled chyb" << false;
    QTest::addRow("exercise, 10") << false << 10 << "Protokol|Graf Rychlosti|Přehled chyb" << false;
    QTest::addRow("exercise, 11") << false << 11 << "Protokol|Graf Rychlosti|Přehled chyb" << true;
    QTest::addRow("lesson, 1") << true << 1 << "Protokol|Přehled chyb" << false;
    QTest::addRow("lesson, 2") << true << 2 << "Protokol|Graf Rychlosti|Graf chyb|Přehled chyb"
                               << false;
    QTest::addRow("lesson, 10") << true << 10 << "Protokol|Graf Rychlosti|Graf chyb|Přehled chyb"
                                << false;
    QTest::addRow("lesson, 11") << true << 11 << "Protokol|Graf Rychlosti|Graf chyb|Přehled chyb"
                                << true;
  }
  void tabsButtonsAndWidthBySamples() {
    QFETCH(bool, lesson);
    QFETCH(int, samples);
    QFETCH(QString, tabs);
    QFETCH(bool, wide);
    fx->state.CisteUhozyMin = -40;  // more lost to errors than typed
    frmVyhodnoceni* evaluation = open(lesson ? TestKind::Vyuka : TestKind::Cviceni, samples);
    auto* strip = child<QTabBar>(QStringLiteral("TabStrip1"), evaluation);
    QStringList shown;
    for (int n = 0; n < strip->count(); ++n) shown << strip->tabText(n);
    QCOMPARE(shown.join('|'), tabs);
    QVERIFY(widget("picProtokol", evaluation)->isVisible());
    const int designed = frmVyhodnoceni::kDesignedChartTwips;
    for (const char* name :
         {"cmdZkratitRychlost", "cmdZkratitPresnost", "hscScroll1", "hscScroll2"})
      QCOMPARE(!widget(name, evaluation)->isHidden(), wide);
    QCOMPARE(widget("mchGrafRychlosti", evaluation)->width(),
             twipsToPixels(designed + (wide ? 150 : 0)));
    QCOMPARE(text(QStringLiteral("lblCisteUhozyMin"), evaluation), QStringLiteral("0"));
    QCOMPARE(fx->state.CisteUhozyMin, 0);
  }

  void wideChartShortensWidensAndScrolls() {
    frmVyhodnoceni* evaluation = open(TestKind::Vyuka, 40);
    child<QTabBar>(QStringLiteral("TabStrip1"), evaluation)->setCurrentIndex(2);
    QWidget* chart = widget("mchGrafPresnosti", evaluation);
    auto* scroll = child<QScrollBar>(QStringLiteral("hscScroll2"), evaluation);
    auto* button = child<QPushButton>(QStringLiteral("cmdZkratitPresnost"), evaluation);
    const int full = chart->width();
    QCOMPARE(full, twipsToPixels(frmVyhodnoceni::kDesignedChartTwips + 32 * 50));
    scroll->setValue(30);
    QCOMPARE(chart->x(), -30);
    button->click();
    QCOMPARE(std::tuple(chart->x(), chart->width(), scroll->isVisible(), button->text()),
             std::tuple(0, widget("picGraf(2)", evaluation)->width() - 4, false,
                        QStringLiteral("Rozšířit")));
    button->click();
    QCOMPARE(std::tuple(chart->width(), scroll->isVisible(), button->text()),
             std::tuple(full, true, QStringLiteral("Zkrátit")));
  }

  // The saved PDF of a lesson run and of a 30-minute exercise run is a valid
  // A4 file whose text holds the Czech name and the six values, the protocol
  // line as typed (its error drawn apart, in red, must not split it), the
  // charts' axis texts whole and, for a run without errors, "Bez chyb."; the
  // long protocol runs over several pages. A folder that is not there is told.
  void savesPdf_data() {
    QTest::addColumn<bool>("lesson");
    QTest::addColumn<QString>("values");
    QTest::addColumn<int>("pages");
    QTest::addRow("lesson")
        << true << "Lekce ďábelská|3|41|2|37|35|4,878|asdf jxlů|Bez chyb.|Úhozy za 5 sekund" << 1;
    QTest::addRow("30 minutes") << false << "Hájovna|30 min|15120|155|13570|452|1,0344|1800 sec"
                                << 4;
  }
  void savesPdf() {
    QFETCH(bool, lesson);
    QFETCH(QString, values);
    QFETCH(int, pages);
    SharedState& stav = fx->state;
    stav.HrubeUhozy = 41, stav.PocetChyb = 2, stav.CisteUhozy = 37, stav.CisteUhozyMin = 35;
    stav.NazevTestu = u"Lekce ďábelská", stav.DobaVysledku = u"3", stav.ProcentoChyb = 48780;
    stav.ProtokolNapsany = u"asdf jxlů", stav.ProtokolOznaceny = u"asdf j_lů";
    frmVyhodnoceni* evaluation = open(lesson ? TestKind::Vyuka : TestKind::Cviceni, 11);
    if (!lesson) fillLongExerciseRun(stav);  // what the PDF reads when it is written
    const QString path = fx->programDir.filePath(QStringLiteral("vyhodnoceni"));
    fx->files.answers << path << path + QStringLiteral("/missing/x.pdf");
    for (int n = 0; n < 2; ++n)
      child<QPushButton>(QStringLiteral("cmdUlozitPdf"), evaluation)->click();
    QCOMPARE(fx->messages.said,
             QStringList("Chyba, Critical: Vyhodnocení nelze uložit do souboru '" + path +
                         "/missing/x.pdf'."));
    QProcess info, text;
    info.start(QStringLiteral("pdfinfo"), {path + ".pdf"});
    text.start(QStringLiteral("pdftotext"), {path + ".pdf", QStringLiteral("-")});
    QVERIFY(info.waitForFinished() && text.waitForFinished());
    const QString infoText = QString::fromUtf8(info.readAll()),
                  words = QString::fromUtf8(text.readAll());
    QVERIFY2(info.exitCode() == 0 && infoText.contains(QStringLiteral("(A4)")),
             qPrintable(infoText));
    QVERIFY(
        QRegularExpression(QStringLiteral("Pages: +(\\d+)")).match(infoText).captured(1).toInt() >=
        pages);
    for (const QString& value : values.split('|'))
      QVERIFY2(words.contains(value), qPrintable(value));
  }

  // A lesson typed with errors (a wrong blank among them) for a minute and
  // a half, evaluated from its result window; a picture of each tab is kept.
  void realLessonRunInEveryTab() {
    startLesson({u"", u"asdf jklů asdf ", u"fjfj dkdk slsl ", u"ffjj ddkk ssll "});
    for (const QChar key : QStringLiteral("asdf jxlů as f fjfj dkdk sxsl ffjj ddk")) {
      typeText(lessonBox(), key);
      for (int n = 0; n < 50; ++n) fx->clock.advance(0.05), tick("tmrCas");
    }
    pressKey(lessonBox(), Qt::Key_F5);
    child<QPushButton>(QStringLiteral("cmdPodrobne"), result())->click();
    auto* evaluation = fx->dialogs.last<frmVyhodnoceni>();
    QVERIFY(evaluation);
    QCOMPARE(text(QStringLiteral("lblSeznamChyb(0)"), evaluation), QStringLiteral("x\n_\n"));
    QCOMPARE(text(QStringLiteral("lblSeznamChyb(1)"), evaluation), QString());
    auto* strip = child<QTabBar>(QStringLiteral("TabStrip1"), evaluation);
    QCOMPARE(strip->count(), 4);
    for (int tab = 0; tab < strip->count(); ++tab) {
      strip->setCurrentIndex(tab);
      QCoreApplication::processEvents();  // the charts lay themselves out
#ifdef TYMBA_PICTURES_DIR
      QVERIFY(QDir().mkpath(TYMBA_PICTURES_DIR));
      QVERIFY(evaluation->grab().save(
          QStringLiteral(TYMBA_PICTURES_DIR "/evaluation-%1.png").arg(tab + 1)));
#endif
    }
  }
};

QTEST_MAIN(TestVyhodnoceni)
#include "tst_vyhodnoceni.moc"
