#include "cli/grading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/cp1250.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;
using GradingTest = testing::TempFolderTest;

const fs::path kGolden = TYMBA_CLI_GOLDEN_DIR;
const std::string kTarget = (kGolden / "zadani.txt").string();  // Windows-1250, CR LF
const std::string kTyped = (kGolden / "napsano.txt").string();  // UTF-8, LF
const std::string kUsageLine =
    "Použití: tymba-vyhodnoceni [--kodovani cp1250|utf-8] [--pdf SOUBOR] ZADANI NAPSANO ZTRATA "
    "SEKUNDY\n";

// The exit code, standard output and standard error.
std::tuple<int, std::string, std::string> run(const Arguments& arguments, bool outputFails = false,
                                              const PdfWriter& writePdf = {}) {
  std::vector<const char*> argv{"tymba-vyhodnoceni"};
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  std::ostringstream out, err;
  if (outputFails) out.setstate(std::ios::badbit);
  const int exitCode = runGrading(static_cast<int>(argv.size()), argv.data(), out, err, writePdf);
  return {exitCode, out.str(), err.str()};
}

TEST_F(GradingTest, AcceptedArgumentsGiveTheReport) {
  const std::string utf8Target = (kGolden / "zadani-utf8.txt").string();      // with BOM, LF
  const std::string cp1250Typed = (kGolden / "napsano-cp1250.txt").string();  // lone CR
  const std::string sameTexts = "HrubeUhozy: 76\nPocetChyb: 2\n";
  const std::pair<Arguments, std::string> rows[] = {
      // Loss 4 and 75 seconds in any encoding and line end: the golden report.
      {{kTarget, kTyped, "4", "75"}, ""},
      {{"--", kTarget, kTyped, "004", "0075"}, ""},
      {{utf8Target, cp1250Typed, "4", "75"}, ""},
      {{"--kodovani=utf8", utf8Target, kTyped, "4", "75"}, ""},
      {{"--kodovani", "WINDOWS-1250", kTarget, cp1250Typed, "4", "75"}, ""},
      {{kTarget, kTyped, "1", "0"}, sameTexts},
      {{kTarget, kTyped, "500", "86399"}, sameTexts},
      // ý is C3 BD, ů is C5 AF: forced cp1250 reads each as two characters.
      {{"--kodovani", "cp1250", kTyped, kTyped, "4", "75"}, "OznacenyText:\nMalĂ˝ kĹŻ"},
      {{"zadani.txt", "--help"}, kUsageLine},
      {{"-h"}, kUsageLine},
  };
  for (const auto& [arguments, part] : rows) {
    SCOPED_TRACE(::testing::PrintToString(arguments));
    const auto [exitCode, out, err] = run(arguments);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(err, "");
    EXPECT_NE(out.find(part.empty() ? readBytes(kGolden / "vystup.txt") : part), std::string::npos)
        << out;
  }
  EXPECT_EQ(run({kTarget, kTyped, "4", "75"}, true),
            std::tuple(1, std::string(), std::string("Výsledek nelze zapsat.\n")));
}

// The PDF is asked for after the report, with the run as the evaluation
// window would hold it, named after the target file.
TEST_F(GradingTest, PdfGetsTheGradedRunAfterTheReport) {
  std::vector<std::pair<SharedState, std::string>> calls;
  std::string failure;
  const PdfWriter writer = [&](const SharedState& state, const std::string& file) {
    calls.emplace_back(state, file);
    return failure;
  };
  const std::string pdf = (root_ / "vysledek.pdf").string();
  const std::string golden = readBytes(kGolden / "vystup.txt");
  EXPECT_EQ(run({"--pdf", pdf, kTarget, kTyped, "4", "75"}, false, writer),
            std::tuple(0, golden, std::string()));
  ASSERT_EQ(calls.size(), 1u);
  const auto& [state, file] = calls[0];
  EXPECT_EQ(file, pdf);
  EXPECT_EQ(state.NazevTestu, u"zadani");
  EXPECT_EQ(state.PocetChyb, 2);
  EXPECT_EQ(state.CisteUhozyMin, 33);
  EXPECT_EQ(state.ProtokolOznaceny,
            u"Malý kůň ská__ přes plot,\r\nbílý pes b__í za ním až domů.\r\n");

  failure = "Vyhodnocení nelze uložit.";
  EXPECT_EQ(run({"--pdf=" + pdf, kTarget, kTyped, "4", "75"}, false, writer),
            std::tuple(1, golden, failure + "\n"));
  EXPECT_EQ(std::get<0>(run({kTarget, kTyped, "4", "75"}, false, writer)), 0);
  EXPECT_EQ(calls.size(), 2u);
}

TEST(ErrorPercentText, DecimalCommaWithoutTrailingZeros) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0"}, {500000, "50"}, {25000, "2,5"}, {10, "0,001"}, {25641, "2,5641"}, {-25000, "-2,5"}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(errorPercentText(value), expected) << value;
}

// A part's lines joined by CR LF, as the program keeps texts.
std::u16string crLfText(std::string part) {
  if (!part.empty()) part.pop_back();
  std::u16string text;
  for (const char16_t c : fromUtf8(part)) text += c == u'\n' ? u"\r\n" : std::u16string(1, c);
  return text;
}

TEST(GradeReport, GoldenCasesShowTheValuesAsTheResultWindowDoes) {
  const auto cases = testing::goldenCases(kGolden / "hodnoceni.txt");
  ASSERT_EQ(cases.size(), 6u);
  for (const auto& [name, parts] : cases) {
    SCOPED_TRACE(name);
    int loss = 0, seconds = 0;
    std::istringstream(parts[2]) >> loss >> seconds;
    EXPECT_EQ(gradeReport(crLfText(parts[0]), crLfText(parts[1]), loss, seconds), parts[3]);
  }
}

TEST_F(GradingTest, WrongArgumentsAndFilesExitWithTwo) {
  writeBytes(root_ / "prazdny.txt", "\xEF\xBB\xBF");
  writeBytes(root_ / "velky.txt", "");
  fs::resize_file(root_ / "velky.txt", kMaxInputBytes + 1);  // sparse: nothing is written
  const auto cases = testing::goldenCases(kGolden / "chybne-argumenty.txt",
                                          {{"{zadani}", kTarget},
                                           {"{napsano}", kTyped},
                                           {"{chybi}", (root_ / "chybi.txt").string()},
                                           {"{slozka}", root_.string()},
                                           {"{prazdny}", (root_ / "prazdny.txt").string()},
                                           {"{velky}", (root_ / "velky.txt").string()}});
  ASSERT_EQ(cases.size(), 28u);
  for (const auto& [message, parts] : cases) {
    SCOPED_TRACE(message);
    Arguments arguments;
    std::istringstream lines(parts[0]);
    for (std::string argument; std::getline(lines, argument);) arguments.push_back(argument);
    EXPECT_EQ(run(arguments),
              std::tuple(2, std::string(),
                         message + "\n" + kUsageLine + "Nápověda: tymba-vyhodnoceni --help\n"));
  }
}

}  // namespace
}  // namespace tymba
