// Loading exercise texts into the main window's target display.

#include "tests/ui/support/mainwindowtest.h"
#include "tests/ui/support/typing.h"
#include "ui/targettextlabel.h"
#include "ui/textconvert.h"
#include "ui/textholder.h"

using namespace tymba;
using namespace tymba::testing;

namespace {

// A text of exactly `length` characters ending with a line break.
QString textOfLength(int length) {
  std::u16string text;
  const std::u16string word = u"slovo ";
  while (text.size() + 2 < static_cast<std::size_t>(length)) text += word[text.size() % 6];
  return toQString(text + u"\r\n");
}

std::u16string repeated(const std::u16string& text, int times) {
  std::u16string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
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

  void theTextEndsWithOneLineBreakAndIsCopiedByLength_data() {
    QTest::addColumn<QString>("inFile");
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<int>("copies");
    QTest::newRow("a final blank becomes a line break") << "Jaro. "
                                                        << "Jaro.\r\n"
                                                        << 5;
    QTest::newRow("a final line break stays") << "Jaro.\r\n"
                                              << "Jaro.\r\n"
                                              << 5;
    QTest::newRow("anything else gets one") << "Jaro."
                                            << "Jaro.\r\n"
                                            << 5;
    const std::pair<int, int> byLength[] = {{4999, 5}, {5000, 1}, {5001, 3}, {9999, 3}, {10000, 1}};
    for (const auto& [length, copies] : byLength)
      QTest::addRow("%d characters", length)
          << textOfLength(length) << textOfLength(length) << copies;
  }

  void theTextEndsWithOneLineBreakAndIsCopiedByLength() {
    QFETCH(QString, inFile);
    QFETCH(QString, loaded);
    QFETCH(int, copies);
    startExercise(QStringLiteral("Jaro"), fromQString(inFile));
    QVERIFY(alignmentCopy() == repeated(fromQString(loaded), copies));
  }

  void aTallTextIsShownThreeTimesWithoutGaps_data() {
    QTest::addColumn<int>("lines");  // 0: one paragraph of 6000 characters, wrapped
    QTest::addColumn<int>("shown");
    QTest::newRow("two lines") << 2 << 1;
    QTest::newRow("ten lines, 2400 twips") << 10 << 1;
    QTest::newRow("eleven lines") << 11 << 3;
    QTest::newRow("a wrapped paragraph") << 0 << 3;
  }

  void aTallTextIsShownThreeTimesWithoutGaps() {
    QFETCH(int, lines);
    QFETCH(int, shown);
    startExercise(QStringLiteral("Řádky"), lines > 0 ? repeated(u"Krátký řádek.\r\n", lines)
                                                     : fromQString(textOfLength(6000)));
    // Lines of 16 pixels from the second line of the view; the line the
    // final break opens is not counted.
    QCOMPARE(copy(1)->y(), 16);
    if (lines > 0) QCOMPARE(copy(1)->height(), lines * 16);
    for (int n = 1; n <= 3; ++n) QCOMPARE(copy(n)->isVisible(), n <= shown);
    QCOMPARE(copy(2)->y(), copy(1)->y() + copy(1)->height());
    QCOMPARE(copy(3)->y(), copy(2)->y() + copy(2)->height());
  }

  void theTextIsFoundByNameWhateverTheCaseOrByItsPath() {
    const auto folder = fx->context.programFolder / "CVICENI";
    std::filesystem::create_directories(folder);
    writeText(folder / "Jaro.TXT", u"Jaro.\r\n");
    QVERIFY(window->startExerciseRun(QStringLiteral("Jaro")));
    QVERIFY(alignmentCopy().starts_with(u"Jaro.\r\n"));

    const auto file = fx->context.programFolder / "jinde" / "můj text.txt";
    std::filesystem::create_directories(file.parent_path());
    writeText(file, u"Vlastní text.");
    fx->state.TextZeSouboru = true;
    QVERIFY(window->startExerciseRun(QString::fromStdString(file.string())));
    QVERIFY(alignmentCopy().starts_with(u"Vlastní text.\r\n"));
  }

  void aTextThatCannotBeStartedLeavesTheRunAsItWas_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("fileBytes");  // -1: no file
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::addColumn<MessageIcon>("icon");
    QTest::newRow("nothing chosen") << "" << -1 << "Vyberte písemnost"
                                    << "Chyba" << MessageIcon::Exclamation;
    QTest::newRow("removed since it was listed")
        << "Zmizelá" << -1 << "Písemnost 'Zmizelá' nebyla nalezena nebo ji nelze přečíst."
        << "Přerušení" << MessageIcon::Critical;
    QTest::newRow("empty file") << "Zmizelá" << 0
                                << "Písemnost 'Zmizelá' je prázdná, proto s ní nelze psát test."
                                << "Přerušení" << MessageIcon::Exclamation;
    QTest::newRow("over 1 MiB")
        << "Velká" << int(kMaxTextFileBytes + 1)
        << "Písemnost 'Velká' je příliš velká (více než 1 MB), proto s ní nelze psát test."
        << "Přerušení" << MessageIcon::Exclamation;
  }

  void aTextThatCannotBeStartedLeavesTheRunAsItWas() {
    QFETCH(QString, entry);
    QFETCH(int, fileBytes);
    QFETCH(QString, message);
    QFETCH(QString, title);
    QFETCH(MessageIcon, icon);
    startExercise(QStringLiteral("Jaro"), u"Jaro.");
    if (fileBytes >= 0) addExerciseText(entry, std::u16string(fileBytes, u'a'));

    QVERIFY(!window->startExerciseRun(entry));

    QCOMPARE(fx->messages.said.size(), 1);
    QCOMPARE(fx->messages.said[0].text, message);
    QCOMPARE(fx->messages.said[0].title, title);
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
