#pragma once
// The command-line grading of a text typed elsewhere: the arguments name a
// target text file, a typed text file, the loss per error and the duration;
// both files are decoded (Windows-1250 or UTF-8) into the core's text form,
// aligned and scored exactly as the result window scores an exercise run, and
// the six result values and the marked text are printed in Czech, whatever
// the locale of the environment.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

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
};

struct HelpWanted {};

// A Czech message for the user, without the usage hint.
struct ArgumentError {
  std::string message;
};

using ParsedArguments = std::variant<GradingRequest, HelpWanted, ArgumentError>;

// The arguments after the program name.
ParsedArguments parseArguments(const std::vector<std::string>& arguments);

// The report for a target text and a typed text as decodeInput gives them.
// The target is prepared as the program prepares a loaded exercise text.
std::string gradeReport(std::u16string_view target, std::u16string_view typed, int loss,
                        int seconds);

// An error percentage as the result window shows it in Czech: a decimal
// comma, at most four decimals, no trailing zeros, no percent sign.
std::string errorPercentText(std::int64_t ProcentoChyb);

// The whole program: the report goes to out, messages to err. Returns the
// exit code: 0 done (or help shown), 1 the report could not be written,
// 2 wrong arguments or an input file that cannot be read or decoded.
int runGrading(int argc, const char* const argv[], std::ostream& out, std::ostream& err);

}  // namespace tymba
