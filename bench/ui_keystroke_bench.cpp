// One keystroke of an exercise run against a 10,000-character target text,
// from the key event to the repainted window (offscreen); one keystroke of a
// lesson with its keyboard guide; the keyboard picture drawn full-screen wide.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTest>

#include "storage/textfile.h"
#include "tests/ui/support/windowfixture.h"
#include "ui/frmZaklad.h"
#include "ui/keyboardpicture.h"
#include "ui/typingbox.h"

namespace {

std::u16string targetText(std::size_t length) {
  const std::u16string sentence =
      u"Příliš žluťoučký kůň úpěl ďábelské ódy, když se v údolí stmívalo. ";
  std::u16string text;
  while (text.size() < length) {
    text += sentence;
    if (text.size() % 700 < sentence.size()) text += u"\r\n";
  }
  text.resize(length);
  return text;
}

void BM_ExerciseKeystroke(benchmark::State& state) {
  tymba::testing::WindowFixture fx;
  tymba::frmZaklad window(fx.context);
  window.resize(960, 700);
  window.show();
  QApplication::processEvents();
  const std::u16string target = targetText(10000);
  // A 30-minute run: the fake clock never reaches its end while typing.
  fx.state.DobaTestu = 30;
  std::filesystem::create_directories(fx.context.folders.shipped / "cviceni");
  tymba::writeText(fx.context.folders.shipped / "cviceni" / "Dlouhý text.txt", target);
  window.startExerciseRun(QStringLiteral("Dlouhý text"));
  auto* box = window.findChild<tymba::TypingBox*>(QStringLiteral("txtVysledek"));
  // The typist copies the target, pressing Enter at its line breaks.
  std::u16string copy;
  for (const char16_t c : target)
    if (c != u'\n') copy.push_back(c);
  std::size_t typed = 0;
  for (auto _ : state) {
    const char16_t c = copy[typed];
    if (c == u'\r')
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier);
    else
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(QChar(c)), Qt::NoModifier);
    QApplication::processEvents();
    fx.clock.advance(0.15);
    if (!box->isEnabled() || fx.dialogs.last<QDialog>()) {
      state.SkipWithError("the run ended while typing");
      break;
    }
    if (++typed == copy.size()) {  // the whole text typed; start it again
      state.PauseTiming();
      window.Vymazat();
      typed = 0;
      state.ResumeTiming();
    }
  }
}
BENCHMARK(BM_ExerciseKeystroke)->Unit(benchmark::kMicrosecond);

// A keystroke of a lesson: checked, marked, the next key looked up and lit,
// and the keyboard picture drawn again.
void BM_LessonKeystroke(benchmark::State& state) {
  tymba::testing::WindowFixture fx;
  tymba::frmZaklad window(fx.context);
  window.resize(960, 700);
  window.show();
  QApplication::processEvents();
  std::vector<std::u16string> lines{std::u16string()};
  for (int i = 0; i < 200; ++i) lines.push_back(u"asdf jklů ěščř žýáí éúů, Fjdk. ");
  const std::u16string line = lines[1];
  window.startLessonRun(QStringLiteral("Lekce"), lines, tymba::LessonKind::Lesson);
  auto* box = window.findChild<tymba::TypingBox*>(QStringLiteral("txtVVysledek"));
  auto* guide = window.findChild<tymba::KeyboardPicture*>(QStringLiteral("imgKlavesnice"));
  QImage image(guide->size(), QImage::Format_ARGB32_Premultiplied);
  std::size_t typed = 0;
  for (auto _ : state) {
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(QChar(line[typed])),
                        Qt::NoModifier);
    guide->render(&image);
    fx.clock.advance(0.15);
    if (fx.dialogs.last<QDialog>()) {
      state.SkipWithError("the run ended while typing");
      break;
    }
    typed = (typed + 1) % line.size();
  }
}
BENCHMARK(BM_LessonKeystroke)->Unit(benchmark::kMicrosecond);

void BM_KeyboardPicture1920(benchmark::State& state) {
  tymba::KeyboardPicture picture;
  picture.resize(1920, picture.heightForWidth(1920));
  picture.img1.show(65);
  picture.img2.show(74);
  QImage image(picture.size(), QImage::Format_ARGB32_Premultiplied);
  // Drawn whole each time: new mistakes leave nothing of the last drawing.
  for (auto _ : state) {
    picture.setMistakes({{65, 1}});
    picture.render(&image);
  }
}
BENCHMARK(BM_KeyboardPicture1920)->Unit(benchmark::kMicrosecond);

}  // namespace
