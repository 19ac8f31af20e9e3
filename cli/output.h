#pragma once
// What the command-line tools share in writing: a refused command line ends
// with exit code 2 after one message and the usage lines; output that cannot
// be written (a full disk) ends with exit code 1 and a message.

#include <ostream>
#include <string_view>

namespace tymba {

inline int usageError(std::ostream& err, std::string_view usage, std::string_view helpHint,
                      std::string_view message) {
  err << message << '\n' << usage << helpHint;
  return 2;
}

inline int writeOut(std::ostream& out, std::ostream& err, std::string_view text,
                    std::string_view failure) {
  out << text << std::flush;
  if (out) return 0;
  err << failure << '\n';
  return 1;
}

}  // namespace tymba
