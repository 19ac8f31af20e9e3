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

const fs::path kGolden = TYMBA_CLI_GOLDEN_DIR;
// The golden pair is graded with these.
const std::string kGoldenLoss = "4";
const std::string kGoldenSeconds = "75";

// The texts of the golden pair with LF line ends: the target has no final
// line break, the typed text has one wrong letter (c for č) and one swapped
// pair (žě for ěž).
constexpr std::string_view kTarget = "Malý kůň skáče přes plot,\nbílý pes běží za ním až domů.";
constexpr std::string_view kTyped = "Malý kůň skáce přes plot,\nbílý pes bžěí za ním až domů.\n";

constexpr std::string_view kUsageLine =
    "Použití: tymba-vyhodnoceni [--kodovani cp1250|utf-8] ZADANI NAPSANO ZTRATA SEKUNDY\n";

std::string readFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  EXPECT_TRUE(in) << file;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  ASSERT_TRUE(out) << file;
}

struct RunResult {
  int exitCode;
  std::string out;
  std::string err;
};

RunResult run(const std::vector<std::string>& arguments) {
  std::vector<const char*> argv{"tymba-vyhodnoceni"};
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  std::ostringstream out;
  std::ostringstream err;
  const int exitCode = runGrading(static_cast<int>(argv.size()), argv.data(), out, err);
  return {exitCode, out.str(), err.str()};
}

std::string goldenReport() { return readFile(kGolden / "vystup.txt"); }

TEST(Grading, GoldenPairGivesTheGoldenReport) {
  const RunResult result = run({(kGolden / "zadani.txt").string(),
                                (kGolden / "napsano.txt").string(), kGoldenLoss, kGoldenSeconds});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, goldenReport());
}

// --- Encodings and line ends of the input files ---

enum class Bytes { Cp1250, Utf8, Utf8WithBom };

std::string encoded(std::string_view utf8Text, Bytes bytes, std::string_view lineEnd) {
  std::string text;
  for (const char c : utf8Text) {
    if (c == '\n') {
      text += lineEnd;
    } else {
      text += c;
    }
  }
  switch (bytes) {
    case Bytes::Cp1250:
      return encodeCp1250(fromUtf8(text));
    case Bytes::Utf8:
      return text;
    case Bytes::Utf8WithBom:
      return "\xEF\xBB\xBF" + text;
  }
  return text;
}

struct InputFormCase {
  const char* name;
  Bytes targetBytes;
  std::string_view targetLineEnd;
  Bytes typedBytes;
  std::string_view typedLineEnd;
  std::vector<std::string> options;
};

class GradingFiles : public testing::TempFolderTest {
 protected:
  std::vector<std::string> filesWith(const std::string& targetBytes, const std::string& typedBytes,
                                     std::vector<std::string> options = {}) {
    writeFile(root_ / "zadani.txt", targetBytes);
    writeFile(root_ / "napsano.txt", typedBytes);
    options.push_back((root_ / "zadani.txt").string());
    options.push_back((root_ / "napsano.txt").string());
    options.push_back(kGoldenLoss);
    options.push_back(kGoldenSeconds);
    return options;
  }
};

TEST_F(GradingFiles, EveryEncodingAndLineEndGivesTheSameReport) {
  const InputFormCase cases[] = {
      {"cp1250 CR LF, utf-8 LF", Bytes::Cp1250, "\r\n", Bytes::Utf8, "\n", {}},
      {"utf-8 CR LF, cp1250 LF", Bytes::Utf8, "\r\n", Bytes::Cp1250, "\n", {}},
      {"both cp1250 CR", Bytes::Cp1250, "\r", Bytes::Cp1250, "\r", {}},
      {"utf-8 with BOM LF, cp1250 CR LF", Bytes::Utf8WithBom, "\n", Bytes::Cp1250, "\r\n", {}},
      {"both utf-8 CR LF", Bytes::Utf8, "\r\n", Bytes::Utf8, "\r\n", {}},
      {"forced cp1250", Bytes::Cp1250, "\n", Bytes::Cp1250, "\r\n", {"--kodovani", "cp1250"}},
      {"forced windows-1250 in capitals",
       Bytes::Cp1250,
       "\r\n",
       Bytes::Cp1250,
       "\n",
       {"--kodovani", "WINDOWS-1250"}},
      {"forced utf-8 with =", Bytes::Utf8, "\n", Bytes::Utf8, "\r\n", {"--kodovani=utf-8"}},
      {"forced utf8 with BOM", Bytes::Utf8WithBom, "\r\n", Bytes::Utf8, "\n", {"--kodovani=utf8"}},
  };
  for (const InputFormCase& row : cases) {
    SCOPED_TRACE(row.name);
    const RunResult result =
        run(filesWith(encoded(kTarget, row.targetBytes, row.targetLineEnd),
                      encoded(kTyped, row.typedBytes, row.typedLineEnd), row.options));
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, goldenReport());
  }
}

TEST_F(GradingFiles, ForcedEncodingAppliesToBothFiles) {
  // UTF-8 read as Windows-1250: each Czech letter becomes two characters
  // (ý is C3 BD, ů is C5 AF).
  const RunResult misread =
      run(filesWith(encoded(kTarget, Bytes::Utf8, "\n"), encoded(kTyped, Bytes::Utf8, "\n"),
                    {"--kodovani", "cp1250"}));
  EXPECT_EQ(misread.exitCode, 0);
  EXPECT_NE(misread.out, goldenReport());
  EXPECT_NE(misread.out.find("MalĂ˝ kĹŻ"), std::string::npos) << misread.out;

  const RunResult refused =
      run(filesWith(encoded(kTarget, Bytes::Utf8, "\n"), encoded(kTyped, Bytes::Cp1250, "\n"),
                    {"--kodovani", "utf-8"}));
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.out, "");
  EXPECT_TRUE(refused.err.starts_with("Soubor '" + (root_ / "napsano.txt").string() +
                                      "' není platný text v kódování UTF-8.\n"))
      << refused.err;
}

struct DecodeCase {
  const char* name;
  std::string bytes;
  Encoding encoding;
  std::optional<std::u16string> expected;
};

TEST(DecodeInput, DetectsOrTakesTheEncoding) {
  const std::string bom = "\xEF\xBB\xBF";
  const DecodeCase cases[] = {
      {"plain ASCII", "abc", Encoding::Detect, u"abc"},
      {"empty", "", Encoding::Detect, u""},
      {"valid utf-8 with Czech letters", "\xC5\xBElu\xC5\xA5", Encoding::Detect, u"žluť"},
      {"the same in cp1250", "\x9Elu\x9D", Encoding::Detect, u"žluť"},
      {"bom dropped", bom + "abc", Encoding::Detect, u"abc"},
      {"bom alone", bom, Encoding::Detect, u""},
      {"bom declares utf-8 however the rest reads", bom + "\x9E", Encoding::Detect, std::nullopt},
      {"bytes valid as both are taken as utf-8", "\xC3\xBC", Encoding::Detect, u"ü"},
      {"the same bytes forced to cp1250", "\xC3\xBC", Encoding::Cp1250, u"ĂĽ"},
      {"overlong form is not utf-8", "\xC0\xAF", Encoding::Detect, u"ŔŻ"},
      {"encoded surrogate is not utf-8", "\xED\xA0\x80", Encoding::Detect, u"í\u00A0€"},
      {"sequence cut at the end is not utf-8", "a\xC5", Encoding::Detect, u"aĹ"},
      {"continuation byte alone is not utf-8", "\x9D", Encoding::Detect, u"ť"},
      {"character beyond U+FFFF becomes one ?", "a\xF0\x9F\x98\x80z", Encoding::Detect, u"a?z"},
      {"forced utf-8 drops the bom", bom + "\xC5\xBE", Encoding::Utf8, u"ž"},
      {"forced utf-8 refuses cp1250", "\x9Elu\x9D", Encoding::Utf8, std::nullopt},
      {"forced utf-8 refuses beyond U+10FFFF", "\xF4\x90\x80\x80", Encoding::Utf8, std::nullopt},
      {"forced cp1250 keeps the bom bytes", bom + "a", Encoding::Cp1250, u"ď»ża"},
      {"forced cp1250 on ASCII", "abc", Encoding::Cp1250, u"abc"},
  };
  for (const DecodeCase& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(decodeInput(row.bytes, row.encoding), row.expected);
  }
}

TEST(DecodeInput, EveryLineEndBecomesCrLf) {
  const std::pair<const char*, std::u16string> cases[] = {
      {"a\nb", u"a\r\nb"},         {"a\r\nb", u"a\r\nb"},     {"a\rb", u"a\r\nb"},
      {"a\r\r\nb", u"a\r\n\r\nb"}, {"a\n\rb", u"a\r\n\r\nb"}, {"\n", u"\r\n"},
      {"a\n\n", u"a\r\n\r\n"},     {"\r\r", u"\r\n\r\n"},
  };
  for (const auto& [bytes, expected] : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::string(bytes)));
    EXPECT_EQ(decodeInput(bytes, Encoding::Detect), expected);
    EXPECT_EQ(decodeInput(bytes, Encoding::Utf8), expected);
    EXPECT_EQ(decodeInput(bytes, Encoding::Cp1250), expected);
  }
}

// --- The report ---

TEST(ErrorPercentText, DecimalCommaWithoutTrailingZeros) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {0, "0"},      {25641, "2,5641"}, {66667, "6,6667"}, {500000, "50"},      {25000, "2,5"},
      {10, "0,001"}, {5, "0,0005"},     {1000000, "100"},  {1234500, "123,45"}, {-25000, "-2,5"},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(errorPercentText(value), expected);
  }
}

struct ReportCase {
  const char* name;
  std::u16string target;
  std::u16string typed;
  int loss;
  int seconds;
  std::string expected;
};

TEST(GradeReport, ShowsTheValuesAsTheResultWindowDoes) {
  const ReportCase cases[] = {
      {"typed right: capital counts twice", u"Abc", u"Abc", 20, 10,
       "HrubeUhozy: 4\nPocetChyb: 0\nCisteUhozy: 3\nCisteUhozyMin: 18\nProcentoChyb: 0\n"
       "DobaTestu: 00 : 10\nOznacenyText:\nAbc\n"},
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
  for (const ReportCase& row : cases) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(gradeReport(row.target, row.typed, row.loss, row.seconds), row.expected);
  }
}

// --- Arguments ---

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

TEST(Grading, LimitsAndFormsOfTheNumbersAreAccepted) {
  const std::string target = (kGolden / "zadani.txt").string();
  const std::string typed = (kGolden / "napsano.txt").string();
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"loss 1", {target, typed, "1", "75"}},
      {"loss 500", {target, typed, "500", "75"}},
      {"no time", {target, typed, "4", "0"}},
      {"longest run", {target, typed, "4", "86399"}},
      {"leading zeros", {target, typed, "004", "0075"}},
      {"options ended by --", {"--", target, typed, "4", "75"}},
  };
  for (const auto& [name, arguments] : cases) {
    SCOPED_TRACE(name);
    const RunResult result = run(arguments);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(result.out.starts_with("HrubeUhozy: 76\nPocetChyb: 2\n")) << result.out;
  }
  EXPECT_EQ(run({"--", target, typed, "004", "0075"}).out, goldenReport());
}

struct RefusalCase {
  const char* name;
  std::vector<std::string> arguments;
  std::string message;
};

TEST_F(GradingFiles, WrongArgumentsAndFilesExitWithTwo) {
  const std::string target = (kGolden / "zadani.txt").string();
  const std::string typed = (kGolden / "napsano.txt").string();
  const std::string missing = (root_ / "chybi.txt").string();
  const std::string folder = root_.string();
  const RefusalCase cases[] = {
      {"no arguments", {}, "Chybí argumenty ZADANI, NAPSANO, ZTRATA, SEKUNDY."},
      {"one argument", {target}, "Chybí argumenty NAPSANO, ZTRATA, SEKUNDY."},
      {"three arguments", {target, typed, "4"}, "Chybí argument SEKUNDY."},
      {"five arguments", {target, typed, "4", "75", "navic"}, "Přebývá argument 'navic'."},
      {"loss not a number", {target, typed, "abc", "75"}, "Ztráta úhozů 'abc' není celé číslo."},
      {"loss with decimals", {target, typed, "1.5", "75"}, "Ztráta úhozů '1.5' není celé číslo."},
      {"loss with plus sign", {target, typed, "+4", "75"}, "Ztráta úhozů '+4' není celé číslo."},
      {"loss empty", {target, typed, "", "75"}, "Ztráta úhozů '' není celé číslo."},
      {"loss 0", {target, typed, "0", "75"}, "Ztráta úhozů musí být od 1 do 500, zadáno '0'."},
      {"loss 501",
       {target, typed, "501", "75"},
       "Ztráta úhozů musí být od 1 do 500, zadáno '501'."},
      {"loss negative",
       {target, typed, "-4", "75"},
       "Ztráta úhozů musí být od 1 do 500, zadáno '-4'."},
      {"seconds negative",
       {target, typed, "4", "-1"},
       "Doba testu musí být od 0 do 86399 sekund, zadáno '-1'."},
      {"seconds a day",
       {target, typed, "4", "86400"},
       "Doba testu musí být od 0 do 86399 sekund, zadáno '86400'."},
      {"seconds beyond every integer",
       {target, typed, "4", "99999999999999999999999"},
       "Doba testu musí být od 0 do 86399 sekund, zadáno '99999999999999999999999'."},
      {"seconds as minutes and seconds",
       {target, typed, "4", "1:15"},
       "Doba testu '1:15' není celé číslo sekund."},
      {"unknown option", {"--foo", target, typed, "4", "75"}, "Neznámá volba '--foo'."},
      {"unknown short option", {target, typed, "-x", "4", "75"}, "Neznámá volba '-x'."},
      {"unknown encoding",
       {"--kodovani", "latin2", target, typed, "4", "75"},
       "Neznámé kódování 'latin2'; zadejte cp1250 nebo utf-8."},
      {"empty encoding",
       {"--kodovani=", target, typed, "4", "75"},
       "Neznámé kódování ''; zadejte cp1250 nebo utf-8."},
      {"encoding without value",
       {target, typed, "4", "75", "--kodovani"},
       "Volba --kodovani potřebuje hodnotu cp1250 nebo utf-8."},
      {"missing target file",
       {missing, typed, "4", "75"},
       "Soubor '" + missing + "' nelze přečíst."},
      {"missing typed file",
       {target, missing, "4", "75"},
       "Soubor '" + missing + "' nelze přečíst."},
      {"folder as typed file",
       {target, folder, "4", "75"},
       "Soubor '" + folder + "' nelze přečíst."},
      {"cp1250 target under --kodovani utf-8",
       {"--kodovani", "utf-8", target, typed, "4", "75"},
       "Soubor '" + target + "' není platný text v kódování UTF-8."},
  };
  for (const RefusalCase& row : cases) {
    SCOPED_TRACE(row.name);
    const RunResult result = run(row.arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, row.message + "\n" + std::string(kUsageLine) +
                              "Nápověda: tymba-vyhodnoceni --help\n");
  }
}

TEST(Grading, ReportThatCannotBeWrittenExitsWithOne) {
  std::vector<const char*> argv{"tymba-vyhodnoceni"};
  const std::string target = (kGolden / "zadani.txt").string();
  const std::string typed = (kGolden / "napsano.txt").string();
  for (const std::string* argument : {&target, &typed, &kGoldenLoss, &kGoldenSeconds})
    argv.push_back(argument->c_str());
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  std::ostringstream err;
  EXPECT_EQ(runGrading(static_cast<int>(argv.size()), argv.data(), out, err), 1);
  EXPECT_EQ(err.str(), "Výsledek nelze zapsat.\n");
}

}  // namespace
}  // namespace tymba
