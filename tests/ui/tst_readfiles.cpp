// Loading exercise texts into the main window's target display.

#include <QApplication>
#include <QTest>

#include "storage/textfile.h"
#include "tests/ui/support/mainwindowtest.h"
#include "tests/ui/support/typing.h"
#include "ui/targettextlabel.h"
#include "ui/textconvert.h"
#include "ui/textholder.h"

using namespace tymba;
using namespace tymba::testing;

namespace {

// A text of exactly `length` characters ending with a line break.
std::u16string textOfLength(std::size_t length) {
  std::u16string text;
  const std::u16string word = u"slovo ";
  while (text.size() + 2 < length) text += word[text.size() % word.size()];
  return text + u"\r\n";
}

}  // namespace

class TestReadFiles : public MainWindowTest {
  Q_OBJECT

 private:
  const std::u16string& alignmentCopy() {
    return child<TextHolder>(QStringLiteral("rtbZadani"))->text();
  }
  TargetTextLabel* copy(int n) {
    return child<TargetTextLabel>(QStringLiteral("lblZadani(%1)").arg(n));
  }

 private slots:
  void init() { openWindow(); }
  void cleanup() { closeWindow(); }

  void theTextEndsWithOneLineBreak_data() {
    QTest::addColumn<QString>("inFile");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("a final blank becomes a line break") << "Jaro. "
                                                        << "Jaro.\r\n";
    QTest::newRow("a final line break stays") << "Jaro.\r\n"
                                              << "Jaro.\r\n";
    QTest::newRow("anything else gets one") << "Jaro."
                                            << "Jaro.\r\n";
  }

  void theTextEndsWithOneLineBreak() {
    QFETCH(QString, inFile);
    QFETCH(QString, loaded);
    startExercise(QStringLiteral("Jaro"), fromQString(inFile));
    std::u16string fiveCopies;
    for (int i = 0; i < 5; ++i) fiveCopies += fromQString(loaded);
    QVERIFY(alignmentCopy() == fiveCopies);
  }

  void copiesFollowTheLength_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("copies");
    QTest::newRow("4999") << 4999 << 5;
    QTest::newRow("5000") << 5000 << 1;
    QTest::newRow("5001") << 5001 << 3;
    QTest::newRow("9999") << 9999 << 3;
    QTest::newRow("10000") << 10000 << 1;
  }

  void copiesFollowTheLength() {
    QFETCH(int, length);
    QFETCH(int, copies);
    startExercise(QStringLiteral("Slova"), textOfLength(static_cast<std::size_t>(length)));
    QCOMPARE(alignmentCopy().size(), static_cast<std::size_t>(length * copies));
  }

  void aShortTextIsShownOnce() {
    startExercise(QStringLiteral("Dva řádky"), u"První řádek.\r\nDruhý řádek.\r\n");
    QVERIFY(copy(1)->isVisible());
    QVERIFY(!copy(2)->isVisible());
    QVERIFY(!copy(3)->isVisible());
    // Two lines of 16 pixels; the line the final break opens is not counted.
    QCOMPARE(copy(1)->height(), 2 * 16);
    QCOMPARE(copy(1)->y(), 16);
  }

  void aLongTextIsStackedThreeTimesWithoutGaps() {
    startExercise(QStringLiteral("Slova"), textOfLength(6000));
    for (int n = 1; n <= 3; ++n) QVERIFY(copy(n)->isVisible());
    QVERIFY(copy(1)->height() * 15 > 2400);
    QCOMPARE(copy(2)->y(), copy(1)->y() + copy(1)->height());
    QCOMPARE(copy(3)->y(), copy(2)->y() + copy(2)->height());
  }

  void theFolderIsFoundWhateverItsCase() {
    const auto folder = fx->context.programFolder / "CVICENI";
    std::filesystem::create_directories(folder);
    writeText(folder / "Jaro.TXT", u"Jaro.\r\n");
    QVERIFY(window->startExerciseRun(QStringLiteral("Jaro")));
    QVERIFY(alignmentCopy().starts_with(u"Jaro.\r\n"));
  }

  void aTextFromAnyFileIsOpenedByItsPath() {
    const auto file = fx->context.programFolder / "jinde" / "můj text.txt";
    std::filesystem::create_directories(file.parent_path());
    writeText(file, u"Vlastní text.");
    fx->state.TextZeSouboru = true;
    QVERIFY(window->startExerciseRun(QString::fromStdString(file.string())));
    QVERIFY(alignmentCopy().starts_with(u"Vlastní text.\r\n"));
  }

  void aMissingOrEmptyTextLeavesTheRunAsItWas_data() {
    QTest::addColumn<bool>("emptyFile");
    QTest::addColumn<QString>("message");
    QTest::addColumn<MessageIcon>("icon");
    QTest::newRow("removed since it was listed")
        << false << "Písemnost 'Zmizelá' nebyla nalezena nebo ji nelze přečíst."
        << MessageIcon::Critical;
    QTest::newRow("empty file") << true
                                << "Písemnost 'Zmizelá' je prázdná, proto s ní nelze psát test."
                                << MessageIcon::Exclamation;
  }

  void aMissingOrEmptyTextLeavesTheRunAsItWas() {
    QFETCH(bool, emptyFile);
    QFETCH(QString, message);
    QFETCH(MessageIcon, icon);
    startExercise(QStringLiteral("Jaro"), u"Jaro.");
    if (emptyFile) addExerciseText(QStringLiteral("Zmizelá"), u"");

    QVERIFY(!window->startExerciseRun(QStringLiteral("Zmizelá")));

    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(fx->messages.said[0].text, message);
    QCOMPARE(fx->messages.said[0].title, QStringLiteral("Přerušení"));
    QCOMPARE(fx->messages.said[0].icon, icon);
    QCOMPARE(window->windowTitle(), QStringLiteral("Tymba - Jaro"));
    QVERIFY(fx->state.VybranyText == u"Jaro");
    QCOMPARE(copy(1)->text(), QStringLiteral("Jaro.\n"));
  }

  void aRestartAfterTheTextVanishedKeepsItShown() {
    startExercise(QStringLiteral("Jaro"), u"Jaro.");
    std::filesystem::remove(fx->context.programFolder / "cviceni" / "Jaro.txt");
    typeText(box(), QStringLiteral("Ja"));
    pressKey(box(), Qt::Key_F2);
    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(copy(1)->text(), QStringLiteral("Jaro.\n"));
    QVERIFY(box()->toPlainText().isEmpty());
  }
};

QTEST_MAIN(TestReadFiles)
#include "tst_readfiles.moc"
