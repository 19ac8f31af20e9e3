#include "cli/grading.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iterator>
#include <memory>
#include <sstream>
#include <utility>

#include "cli/output.h"
#include "core/alignment.h"
#include "core/clockmath.h"
#include "core/cp1250.h"
#include "core/scoring.h"
#include "core/sharedstate.h"
#include "core/targettext.h"

namespace tymba {
namespace {

constexpr std::string_view kUsage =
    "Použití: tymba-vyhodnoceni [--kodovani cp1250|utf-8] [--pdf SOUBOR] ZADANI NAPSANO ZTRATA "
    "SEKUNDY\n";
constexpr std::string_view kHelpHint = "Nápověda: tymba-vyhodnoceni --help\n";

constexpr std::string_view kHelp =
    "\n"
    "Vyhodnotí text napsaný mimo program Tymba stejně, jako okno Vyhodnocení\n"
    "vyhodnotí test z cvičného textu, a vypíše výsledky a napsaný text\n"
    "s označenými chybami.\n"
    "\n"
    "  ZADANI    soubor se zadaným textem\n"
    "  NAPSANO   soubor s napsaným textem\n"
    "  ZTRATA    ztráta úhozů za chybu, celé číslo od 1 do 500\n"
    "  SEKUNDY   doba testu v sekundách, celé číslo od 0 do 86399\n"
    "\n"
    "Volby:\n"
    "  --kodovani cp1250|utf-8  kódování obou souborů; bez volby se pozná samo:\n"
    "                           UTF-8 (s BOM, nebo platné UTF-8 s českými znaky),\n"
    "                           jinak Windows-1250\n"
    "  --pdf SOUBOR             zapíše také podrobné vyhodnocení do souboru PDF\n"
    "                           (název testu je název souboru ZADANI bez přípony)\n"
    "  --help                   vypíše tuto nápovědu\n"
    "\n"
    "Konce řádků LF, CR LF i CR platí stejně. Soubor smí mít nejvýše 10 MiB.\n"
    "Výsledek se vypíše v UTF-8.\n"
    "Návratový kód: 0 hotovo, 1 výsledek, PDF nebo nápovědu nelze zapsat,\n"
    "2 chybné argumenty, prázdné zadání nebo soubor, který nelze přečíst.\n";

// Larger than every limit, so that a long row of digits is simply out of range.
constexpr long long kNumberCap = 1'000'000'000;

// --- Arguments ---

ArgumentError argumentError(std::string message) { return ArgumentError{std::move(message)}; }

// "-5" is a negative number, not an option; "-" alone names a file.
bool looksLikeOption(const std::string& argument) {
  return argument.size() >= 2 && argument[0] == '-' &&
         std::isdigit(static_cast<unsigned char>(argument[1])) == 0;
}

std::string lowerAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::optional<Encoding> encodingNamed(const std::string& name) {
  const std::string lower = lowerAscii(name);
  if (lower == "cp1250" || lower == "windows-1250") return Encoding::Cp1250;
  if (lower == "utf-8" || lower == "utf8") return Encoding::Utf8;
  return std::nullopt;
}

// A whole number written with ASCII digits and an optional minus sign.
std::optional<long long> wholeNumber(const std::string& text) {
  std::size_t i = text.starts_with('-') ? 1 : 0;
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = std::min(value * 10 + (c - '0'), kNumberCap);
  }
  return text.starts_with('-') ? -value : value;
}

std::string missingArguments(std::size_t given) {
  static constexpr std::string_view kNames[] = {"ZADANI", "NAPSANO", "ZTRATA", "SEKUNDY"};
  std::string names;
  for (std::size_t n = given; n < std::size(kNames); ++n) {
    if (!names.empty()) names += ", ";
    names += kNames[n];
  }
  return (given == 3 ? "Chybí argument " : "Chybí argumenty ") + names + ".";
}

// --- Input ---

enum class ReadStatus { Read, Unreadable, TooLarge };

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Read in blocks, and never much beyond the limit, so that a huge file or an
// endless device is refused without being read whole. A folder opens but
// cannot be read, like /proc/self/mem: the read error tells.
ReadStatus readBytes(const std::string& name, std::string& bytes) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
  if (!file) return ReadStatus::Unreadable;
  std::array<char, 1 << 16> block{};
  while (const std::size_t got = std::fread(block.data(), 1, block.size(), file.get())) {
    if (bytes.size() + got > kMaxInputBytes) return ReadStatus::TooLarge;
    bytes.append(block.data(), got);
  }
  return std::ferror(file.get()) != 0 ? ReadStatus::Unreadable : ReadStatus::Read;
}

// --- Report ---

std::string number(long long value) { return std::to_string(value); }

// Line breaks as LF, and every line ended by one. A line break of which the
// scoring marked one half still ends its line, as the program's boxes show it.
std::string textLines(std::u16string_view text) {
  std::string lines;
  lines.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      lines += '\n';
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      lines += toUtf8(std::u16string_view(&text[i], 1));
    }
  }
  if (!lines.empty() && lines.back() != '\n') lines += '\n';
  return lines;
}

std::string reportOf(const GradedRun& run) {
  const SharedState& state = run.state;
  std::ostringstream report;
  report << "HrubeUhozy: " << number(state.HrubeUhozy) << '\n'
         << "PocetChyb: " << number(state.PocetChyb) << '\n'
         << "CisteUhozy: " << number(state.CisteUhozy) << '\n'
         << "CisteUhozyMin: " << (state.CisteUhozyMin > 0 ? number(state.CisteUhozyMin) : "0")
         << '\n'
         << "ProcentoChyb: " << errorPercentText(state.ProcentoChyb) << '\n'
         << "DobaTestu: " << toUtf8(state.DobaVysledku) << '\n'
         << "OznacenyText:\n"
         << textLines(run.texts.markedCopy);
  return report.str();
}

}  // namespace

ParsedArguments parseArguments(const std::vector<std::string>& arguments) {
  for (const std::string& argument : arguments) {
    if (argument == "--") break;
    if (argument == "--help" || argument == "-h") return HelpWanted{};
  }

  GradingRequest request;
  std::vector<std::string> positional;
  bool optionsEnded = false;
  for (std::size_t n = 0; n < arguments.size(); ++n) {
    const std::string& argument = arguments[n];
    if (optionsEnded || !looksLikeOption(argument)) {
      positional.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    // "--name value" or "--name=value".
    const auto isOption = [&](std::string_view name) {
      return argument == name || argument.starts_with(std::string(name) + "=");
    };
    // Its value; nothing when the option ends the command line.
    const auto optionValue = [&](std::string_view name) -> std::optional<std::string> {
      if (argument != name) return argument.substr(name.size() + 1);
      if (n + 1 >= arguments.size()) return std::nullopt;
      return arguments[++n];
    };
    if (isOption("--pdf")) {
      const std::optional<std::string> file = optionValue("--pdf");
      if (!file || file->empty()) return argumentError("Volba --pdf potřebuje název souboru.");
      request.pdfFile = *file;
      continue;
    }
    if (isOption("--kodovani")) {
      const std::optional<std::string> value = optionValue("--kodovani");
      if (!value) return argumentError("Volba --kodovani potřebuje hodnotu cp1250 nebo utf-8.");
      const std::optional<Encoding> encoding = encodingNamed(*value);
      if (!encoding)
        return argumentError("Neznámé kódování '" + *value + "'; zadejte cp1250 nebo utf-8.");
      request.encoding = *encoding;
      continue;
    }
    return argumentError("Neznámá volba '" + argument + "'.");
  }

  if (positional.size() < 4) return argumentError(missingArguments(positional.size()));
  if (positional.size() > 4) return argumentError("Přebývá argument '" + positional[4] + "'.");
  request.targetFile = positional[0];
  request.typedFile = positional[1];

  const std::string& lossText = positional[2];
  const std::optional<long long> loss = wholeNumber(lossText);
  if (!loss) return argumentError("Ztráta úhozů '" + lossText + "' není celé číslo.");
  if (*loss < kMinLoss || *loss > kMaxLoss)
    return argumentError("Ztráta úhozů musí být od 1 do 500, zadáno '" + lossText + "'.");
  request.loss = static_cast<int>(*loss);

  const std::string& secondsText = positional[3];
  const std::optional<long long> seconds = wholeNumber(secondsText);
  if (!seconds) return argumentError("Doba testu '" + secondsText + "' není celé číslo sekund.");
  if (*seconds < 0 || *seconds > kMaxSeconds)
    return argumentError("Doba testu musí být od 0 do 86399 sekund, zadáno '" + secondsText + "'.");
  request.seconds = static_cast<int>(*seconds);
  return request;
}

std::string errorPercentText(std::int64_t ProcentoChyb) {
  const bool negative = ProcentoChyb < 0;
  const std::int64_t magnitude = negative ? -ProcentoChyb : ProcentoChyb;
  std::string text = (negative ? "-" : "") + number(magnitude / kFixed4Scale);
  if (const std::int64_t fraction = magnitude % kFixed4Scale; fraction != 0) {
    std::string digits = number(fraction);
    digits.insert(0, 4 - digits.size(), '0');
    digits.erase(digits.find_last_not_of('0') + 1);
    text += "," + digits;
  }
  return text;
}

GradedRun gradeRun(std::u16string_view target, std::u16string_view typed, int loss, int seconds,
                   std::u16string_view testName) {
  // As a loaded exercise text: it ends with a line break and is repeated, so
  // that a typist who goes on past its end still meets text.
  const std::u16string once = normalizeTextEnd(target);
  std::u16string prepared;
  for (int copy = targetCopies(once.size()); copy > 0; --copy) prepared += once;

  GradedRun run;
  SharedState& state = run.state;
  state.DruhTestu = TestKind::Cviceni;
  state.NazevTestu = testName;
  state.ZtrataUhozu = loss;
  state.CasZahajeni = 0;
  state.CasUkonceni = seconds;
  Oprava(state, prepared, typed);
  run.texts = scoreRun(state, typed);
  state.PocetChyb = state.ChybyVysledku;
  return run;
}

std::string gradeReport(std::u16string_view target, std::u16string_view typed, int loss,
                        int seconds) {
  return reportOf(gradeRun(target, typed, loss, seconds));
}

int runGrading(int argc, const char* const argv[], std::ostream& out, std::ostream& err,
               const PdfWriter& writePdf) {
  try {
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    const ParsedArguments parsed = parseArguments(arguments);
    if (std::holds_alternative<HelpWanted>(parsed))
      return writeOut(out, err, std::string(kUsage) + std::string(kHelp), "Nápovědu nelze zapsat.");
    if (const auto* error = std::get_if<ArgumentError>(&parsed))
      return usageError(err, kUsage, kHelpHint, error->message);
    const auto& request = std::get<GradingRequest>(parsed);

    // A slip of the hand must not turn a text into a PDF.
    for (const std::string* input : {&request.targetFile, &request.typedFile}) {
      std::error_code unknown;
      if (!request.pdfFile.empty() && std::filesystem::equivalent(request.pdfFile, *input, unknown))
        return usageError(err, kUsage, kHelpHint,
                          "Soubor '" + request.pdfFile +
                              "' je zadaný nebo napsaný text, PDF do něj nelze zapsat.");
    }

    std::u16string texts[2];
    const std::string* names[2] = {&request.targetFile, &request.typedFile};
    for (int n = 0; n < 2; ++n) {
      std::string bytes;
      const ReadStatus status = readBytes(*names[n], bytes);
      if (status == ReadStatus::Unreadable)
        return usageError(err, kUsage, kHelpHint, "Soubor '" + *names[n] + "' nelze přečíst.");
      if (status == ReadStatus::TooLarge)
        return usageError(err, kUsage, kHelpHint,
                          "Soubor '" + *names[n] + "' je větší než 10 MiB (" +
                              std::to_string(kMaxInputBytes) +
                              " bajtů), tak dlouhý text nelze vyhodnotit.");
      std::optional<std::u16string> text = decodeText(bytes, request.encoding);
      if (!text)
        return usageError(err, kUsage, kHelpHint,
                          "Soubor '" + *names[n] + "' není platný text v kódování UTF-8.");
      // As the program refuses an empty exercise text: there is nothing to copy.
      if (n == 0 && text->empty())
        return usageError(err, kUsage, kHelpHint,
                          "Soubor '" + *names[n] +
                              "' se zadaným textem je prázdný, proto s ním nelze vyhodnotit "
                              "test.");
      texts[n] = std::move(*text);
    }

    const std::u16string testName =
        fromUtf8(std::filesystem::path(request.targetFile).stem().string());
    const GradedRun run = gradeRun(texts[0], texts[1], request.loss, request.seconds, testName);
    if (const int failed = writeOut(out, err, reportOf(run), "Výsledek nelze zapsat."))
      return failed;
    if (request.pdfFile.empty()) return 0;
    const std::string failure =
        writePdf ? writePdf(run.state, request.pdfFile) : "Tato verze programu neumí zapsat PDF.";
    if (failure.empty()) return 0;
    err << failure << '\n';
    return 1;
  } catch (const std::exception& failure) {
    err << "Vyhodnocení se nezdařilo: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace tymba
