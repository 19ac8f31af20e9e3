#include "app/commandline.h"

#include <string_view>

namespace tymba {
namespace {

// The options and their descriptions are the same as in the manual page
// (packaging/tymba.1); the install test compares the two.
constexpr std::string_view kHelp =
    "Použití: tymba [VOLBY]\n"
    "\n"
    "Výuka psaní všemi deseti na české klávesnici a testy rychlosti a přesnosti\n"
    "psaní. Program otevře své okno; ovládá se z jeho nabídky.\n"
    "\n"
    "Volby:\n"
    "  -h, --help  vypíše tuto nápovědu a skončí\n"
    "  --version   vypíše verzi programu a skončí\n"
    "\n"
    "Program přijímá i volby knihovny Qt, například -platform xcb nebo -style fusion.\n";

constexpr std::string_view kHelpHint = "Nápověda: tymba --help\n";

}  // namespace

std::optional<CommandLineAnswer> answerCommandLine(const std::vector<std::string>& arguments,
                                                   bool qtOptionsLeft) {
  for (const std::string& argument : arguments) {
    if (argument == "--") break;
    if (argument == "--help" || argument == "-h")
      return CommandLineAnswer{0, std::string(kHelp), {}};
    if (argument == "--version") return CommandLineAnswer{0, "tymba " TYMBA_VERSION "\n", {}};
  }
  if (qtOptionsLeft || arguments.empty()) return std::nullopt;
  const std::string& first = arguments.front();
  const std::string message = first.starts_with('-') ? "Neznámá volba '" + first + "'."
                                                     : "Přebývá argument '" + first + "'.";
  return CommandLineAnswer{2, {}, message + "\n" + std::string(kHelpHint)};
}

int giveAnswer(const CommandLineAnswer& answer, std::ostream& out, std::ostream& err) {
  err << answer.err << std::flush;
  if (out << answer.out << std::flush) return answer.exitCode;
  err << "Nápovědu nelze zapsat.\n";
  return 1;
}

}  // namespace tymba
