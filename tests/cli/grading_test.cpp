#include "cli/grading.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/cp1250.h"
#include "tests/storage/tempfolder.h"

namespace tymba {
namespace {

namespace fs = std::filesystem;
using Arguments = std::vector<std::string>;

const fs::path kGolden = TYMBA_CLI_GOLDEN_DIR;
const std::string kTargetFile = (kGolden / "zadani.txt").string();  // Windows-1250, CR LF
const std::string kTypedFile = (kGolden / "napsano.txt").string();  // UTF-8, LF

struct RunResult {
  int exitCode;
  std::string out;
  std::string err;
};

RunResult run(const Arguments& arguments, bool outputFails = false) {
  std::vector<const char*> argv{"tymba-vyhodnoceni"};
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  std::ostringstream out;
  std::ostringstream err;
  if (outputFails) out.setstate(std::ios::badbit);
  const int exitCode = runGrading(static_cast<int>(argv.size()), argv.data(), out, err);
  return {exitCode, out.str(), err.str()};
}

std::string goldenReport() {
  std::ifstream in(kGolden / "vystup.txt", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using GradingTest = testing::TempFolderTest;

TEST_F(GradingTest, AcceptedArgumentsGiveTheReport) {
  const std::string sameTexts = "HrubeUhozy: 76\nPocetChyb: 2\n";
  const std::pair<Arguments, std::string> rows[] = {
      // Loss 4 and 75 seconds: the golden report.
      {{kTargetFile, kTypedFile, "4", "75"}, ""},
      {{"--", kTargetFile, kTypedFile, "004", "0075"}, ""},
      {{kTargetFile, kTypedFile, "1", "0"}, sameTexts},
      {{kTargetFile, kTypedFile, "500", "86399"}, sameTexts},
      // ý is C3 BD, ů is C5 AF: forced cp1250 reads each as two characters.
      {{"--kodovani", "cp1250", kTypedFile, kTypedFile, "4", "75"}, "OznacenyText:\nMalĂ˝ kĹŻ"},
  };
  for (const auto& [arguments, part] : rows) {
    SCOPED_TRACE(::testing::PrintToString(arguments));
    const RunResult result = run(arguments);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    if (part.empty()) {
      EXPECT_EQ(result.out, goldenReport());
    } else {
      EXPECT_NE(result.out.find(part), std::string::npos) << result.out;
    }
  }
}

TEST_F(GradingTest, EveryEncodingAndLineEndGivesTheSameReport) {
  // The golden pair's texts: the target without a final line break.
  const std::string target = "Malý kůň skáče přes plot,\nbílý pes běží za ním až domů.";
  const std::string typed = "Malý kůň skáce přes plot,\nbílý pes bžěí za ním až domů.\n";
  enum Form { Cp1250, Utf8, Utf8WithBom };
  const auto encoded = [](std::string text, Form form, const std::string& lineEnd) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += lineEnd.size())
      text.replace(at, 1, lineEnd);
    if (form == Cp1250) return encodeCp1250(fromUtf8(text));
    return form == Utf8WithBom ? "\xEF\xBB\xBF" + text : text;
  };
  struct Row {
    const char* name;
    Form targetForm;
    std::string targetLineEnd;
    Form typedForm;
    std::string typedLineEnd;
    Arguments options;
  };
  const Row rows[] = {
      {"cp1250 CR LF, utf-8 LF", Cp1250, "\r\n", Utf8, "\n", {}},
      {"utf-8 CR LF, cp1250 LF", Utf8, "\r\n", Cp1250, "\n", {}},
      {"both cp1250 CR", Cp1250, "\r", Cp1250, "\r", {}},
      {"utf-8 with BOM LF, cp1250 CR LF", Utf8WithBom, "\n", Cp1250, "\r\n", {}},
      {"forced WINDOWS-1250", Cp1250, "\r\n", Cp1250, "\n", {"--kodovani", "WINDOWS-1250"}},
      {"forced utf8 with =, BOM", Utf8WithBom, "\r\n", Utf8, "\n", {"--kodovani=utf8"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    writeBytes(root_ / "zadani.txt", encoded(target, row.targetForm, row.targetLineEnd));
    writeBytes(root_ / "napsano.txt", encoded(typed, row.typedForm, row.typedLineEnd));
    Arguments arguments = row.options;
    arguments.insert(arguments.end(), {(root_ / "zadani.txt").string(),
                                       (root_ / "napsano.txt").string(), "4", "75"});
    const RunResult result = run(arguments);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, goldenReport());
  }
}

TEST(ErrorPercentText, DecimalCommaWithoutTrailingZeros) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0"}, {500000, "50"}, {25000, "2,5"}, {10, "0,001"}, {25641, "2,5641"}, {-25000, "-2,5"}};
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(errorPercentText(value), expected);
  }
}

TEST(GradeReport, ShowsTheValuesAsTheResultWindowDoes) {
  struct Row {
    const char* name;
    std::u16string target;
    std::u16string typed;
    int loss;
    int seconds;
    std::string expected;
  };
  const Row rows[] = {
      {"no time gives 0 per minute", u"Abc", u"Abc", 20, 0,
       "HrubeUhozy: 4\nPocetChyb: 0\nCisteUhozy: 3\nCisteUhozyMin: 0\nProcentoChyb: 0\n"
       "DobaTestu: 00 : 00\nOznacenyText:\nAbc\n"},
      // The swap leaves two marks side by side: one scored error, but 2 x 20
      // keystrokes lost from 30, so the net and its rate show 0.
      {"swapped pair: net below one shows 0", u"Pes a kočka spí doma na gauči.",
       u"Pes a kočka spí dmoa na gauči.", 20, 60,
       "HrubeUhozy: 38\nPocetChyb: 1\nCisteUhozy: 0\nCisteUhozyMin: 0\nProcentoChyb: 6,6667\n"
       "DobaTestu: 1 : 00\nOznacenyText:\nPes a kočka spí d__a na gauči.\n"},
      {"nothing typed", u"Abc", u"", 20, 10,
       "HrubeUhozy: 0\nPocetChyb: 0\nCisteUhozy: 0\nCisteUhozyMin: 0\nProcentoChyb: 0\n"
       "DobaTestu: 00 : 10\nOznacenyText:\n"},
      // A final line break ends the last line like the missing one would.
      {"lines as LF, final line break typed", u"Ab\r\ncd", u"Ab\r\ncd\r\n", 1, 750,
       "HrubeUhozy: 13\nPocetChyb: 0\nCisteUhozy: 8\nCisteUhozyMin: 0\nProcentoChyb: 0\n"
       "DobaTestu: 12 : 30\nOznacenyText:\nAb\ncd\n"},
      // The wrong letter is entered with a blank entry for the left-out č,
      // which lands on the CR after "e"; its LF still ends the line.
      {"mark on the CR of a line break", u"Malý kůň skáče\r\npřes plot.",
       u"Malý kůň skáce\r\npřes plot.", 1, 60,
       "HrubeUhozy: 34\nPocetChyb: 2\nCisteUhozy: 24\nCisteUhozyMin: 24\nProcentoChyb: 7,6923\n"
       "DobaTestu: 1 : 00\nOznacenyText:\nMalý kůň ská_e_\npřes plot.\n"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(gradeReport(row.target, row.typed, row.loss, row.seconds), row.expected);
  }
}

constexpr std::string_view kUsageLine =
    "Použití: tymba-vyhodnoceni [--kodovani cp1250|utf-8] ZADANI NAPSANO ZTRATA SEKUNDY\n";

TEST(Grading, HelpGoesToStandardOutput) {
  for (const char* option : {"--help", "-h"}) {
    SCOPED_TRACE(option);
    const RunResult result = run({"zadani.txt", option});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.starts_with(kUsageLine)) << result.out;
    EXPECT_NE(result.out.find("--kodovani"), std::string::npos);
    EXPECT_EQ(result.err, "");
  }
}

TEST_F(GradingTest, WrongArgumentsAndFilesExitWithTwo) {
  const std::string& target = kTargetFile;
  const std::string& typed = kTypedFile;
  const std::string missing = (root_ / "chybi.txt").string();
  const std::string folder = root_.string();
  const std::string empty = (root_ / "prazdny.txt").string();
  writeBytes(empty, "\xEF\xBB\xBF");  // no character but the byte-order mark
  const std::string large = (root_ / "velky.txt").string();
  writeBytes(large, "");
  fs::resize_file(large, kMaxInputBytes + 1);  // sparse: nothing is written
  const std::string tooLarge =
      "' je větší než 10 MiB (10485760 bajtů), tak dlouhý text nelze vyhodnotit.";
  const std::pair<Arguments, std::string> rows[] = {
      {{}, "Chybí argumenty ZADANI, NAPSANO, ZTRATA, SEKUNDY."},
      {{target, typed, "4"}, "Chybí argument SEKUNDY."},
      {{target, typed, "4", "75", "navic"}, "Přebývá argument 'navic'."},
      {{target, typed, "1.5", "75"}, "Ztráta úhozů '1.5' není celé číslo."},
      {{target, typed, "+4", "75"}, "Ztráta úhozů '+4' není celé číslo."},
      {{target, typed, "", "75"}, "Ztráta úhozů '' není celé číslo."},
      {{target, typed, "0", "75"}, "Ztráta úhozů musí být od 1 do 500, zadáno '0'."},
      {{target, typed, "501", "75"}, "Ztráta úhozů musí být od 1 do 500, zadáno '501'."},
      {{target, typed, "4", "-1"}, "Doba testu musí být od 0 do 86399 sekund, zadáno '-1'."},
      {{target, typed, "4", "86400"}, "Doba testu musí být od 0 do 86399 sekund, zadáno '86400'."},
      {{target, typed, "4", "99999999999999999999999"},
       "Doba testu musí být od 0 do 86399 sekund, zadáno '99999999999999999999999'."},
      {{target, typed, "4", "1:15"}, "Doba testu '1:15' není celé číslo sekund."},
      {{"--foo", target, typed, "4", "75"}, "Neznámá volba '--foo'."},
      {{target, typed, "-x", "4", "75"}, "Neznámá volba '-x'."},
      {{"--kodovani", "latin2", target, typed, "4", "75"},
       "Neznámé kódování 'latin2'; zadejte cp1250 nebo utf-8."},
      {{"--kodovani=", target, typed, "4", "75"},
       "Neznámé kódování ''; zadejte cp1250 nebo utf-8."},
      {{target, typed, "4", "75", "--kodovani"},
       "Volba --kodovani potřebuje hodnotu cp1250 nebo utf-8."},
      {{missing, typed, "4", "75"}, "Soubor '" + missing + "' nelze přečíst."},
      {{target, folder, "4", "75"}, "Soubor '" + folder + "' nelze přečíst."},
      // Opens, but cannot be read.
      {{"/proc/self/mem", typed, "4", "75"}, "Soubor '/proc/self/mem' nelze přečíst."},
      {{large, typed, "4", "75"}, "Soubor '" + large + tooLarge},
      {{target, "/dev/zero", "4", "75"}, "Soubor '/dev/zero" + tooLarge},
      {{empty, typed, "4", "75"},
       "Soubor '" + empty + "' se zadaným textem je prázdný, proto s ním nelze vyhodnotit test."},
      // The typed file is UTF-8, the target not: both are read as forced.
      {{"--kodovani", "utf-8", typed, target, "4", "75"},
       "Soubor '" + target + "' není platný text v kódování UTF-8."},
  };
  for (const auto& [arguments, message] : rows) {
    SCOPED_TRACE(message);
    const RunResult result = run(arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err,
              message + "\n" + std::string(kUsageLine) + "Nápověda: tymba-vyhodnoceni --help\n");
  }
}

TEST(Grading, ReportThatCannotBeWrittenExitsWithOne) {
  const RunResult result = run({kTargetFile, kTypedFile, "4", "75"}, true);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "Výsledek nelze zapsat.\n");
}

}  // namespace
}  // namespace tymba
