#pragma once
// The program's own command-line options, read in plain C++ so that nothing
// here needs a display. main() asks twice: before the application object
// exists, where only --help and --version are answered (they must work on a
// text console, where Qt could not start), and once Qt has taken its own
// options (-platform, -style, ...) out of the list, where whatever is left is
// refused before any window opens.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace tymba {

// What the arguments ask for instead of starting: texts for the standard
// output and the error output, and the exit code.
struct CommandLineAnswer {
  int exitCode = 0;
  std::string out;
  std::string err;
};

// The arguments after the program name. While Qt's options may still be among
// them (qtOptionsLeft), an option the program does not know is passed over.
// No answer means: start the program.
std::optional<CommandLineAnswer> answerCommandLine(const std::vector<std::string>& arguments,
                                                   bool qtOptionsLeft);

// Writes the answer; its exit code, or 1 when the text cannot be written.
int giveAnswer(const CommandLineAnswer& answer, std::ostream& out, std::ostream& err);

}  // namespace tymba
