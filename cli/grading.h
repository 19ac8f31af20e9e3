#pragma once
// The command-line grading of a text typed elsewhere: the arguments name a
// target text file, a typed text file, the loss per error and the duration;
// both files are decoded (Windows-1250 or UTF-8) into the core's text form,
// aligned and scored exactly as the result window scores an exercise run, and
// the six result values and the marked text are printed in Czech, whatever
// the locale of the environment. On request the detailed evaluation is also
// written as a PDF, by a writer the program hands in (it needs the windows'
// drawing, which this library does not link).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/scoring.h"
#include "core/sharedstate.h"
#include "core/textdecoding.h"

namespace tymba {

inline constexpr int kMinLoss = 1;
inline constexpr int kMaxLoss = 500;
// The program's clock counts seconds since midnight, so a run is shorter than a day.
inline constexpr int kMaxSeconds = 86399;
// Bytes of one input file. A 30-minute test is about 20 KB; a larger file is
// refused before it is read whole (an endless device included).
inline constexpr std::size_t kMaxInputBytes = 10 * 1024 * 1024;

struct GradingRequest {
  Encoding encoding = Encoding::Detect;
  std::string targetFile;  // ZADANI, as written on the command line
  std::string typedFile;   // NAPSANO
  int loss = 0;            // ZTRATA: keystrokes lost per error
  int seconds = 0;         // SEKUNDY: duration of the run
  std::string pdfFile;     // --pdf SOUBOR; empty when no PDF is wanted
};

struct HelpWanted {};

// A Czech message for the user, without the usage hint.
struct ArgumentError {
  std::string message;
};

using ParsedArguments = std::variant<GradingRequest, HelpWanted, ArgumentError>;

// The arguments after the program name.
ParsedArguments parseArguments(const std::vector<std::string>& arguments);

// A run graded as the result window grades it: the state holds the six
// values (PocetChyb as the window leaves it), the protocol for the detailed
// evaluation, and as the test's name `testName`.
struct GradedRun {
  SharedState state;
  ScoredTexts texts;
};
GradedRun gradeRun(std::u16string_view target, std::u16string_view typed, int loss, int seconds,
                   std::u16string_view testName = {});

// The report for a target text and a typed text as decodeInput gives them.
// The target is prepared as the program prepares a loaded exercise text.
std::string gradeReport(std::u16string_view target, std::u16string_view typed, int loss,
                        int seconds);

// An error percentage as the result window shows it in Czech: a decimal
// comma, at most four decimals, no trailing zeros, no percent sign.
std::string errorPercentText(std::int64_t ProcentoChyb);

// Writes the detailed evaluation of a graded run to a file, whole or not at
// all; returns a Czech message on failure, else an empty string.
using PdfWriter = std::function<std::string(const SharedState& state, const std::string& file)>;

// The whole program: the report goes to out, messages to err, the PDF (when
// asked for) through writePdf. Returns the exit code: 0 done (or help shown),
// 1 the report or the PDF could not be written, 2 wrong arguments or an input
// file that cannot be read or decoded.
int runGrading(int argc, const char* const argv[], std::ostream& out, std::ostream& err,
               const PdfWriter& writePdf = {});

}  // namespace tymba
