// The grading tool as a user runs it, on two files the fuzzer writes. Input
// fields (cut at NUL bytes): the target text's bytes, the typed text's bytes,
// the loss, the duration, and any further arguments. Whatever they are, the
// tool ends with a report (0) or a message (2) and nothing else: exit code 1
// here means an exception escaped the grading.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/grading.h"
#include "fuzz/fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using tymba::fuzz::fail;
  using tymba::fuzz::field;
  const std::vector<std::string_view> in = tymba::fuzz::fields(data, size);
  const std::filesystem::path folder = tymba::fuzz::scratchFolder();
  const std::string target = (folder / "zadani.txt").string();
  const std::string typed = (folder / "napsano.txt").string();
  tymba::fuzz::writeFile(target, field(in, 0));
  tymba::fuzz::writeFile(typed, field(in, 1));

  std::vector<std::string> arguments = {"tymba-vyhodnoceni", target, typed,
                                        std::string(field(in, 2, "4")),
                                        std::string(field(in, 3, "75"))};
  for (std::size_t n = 4; n < in.size(); ++n) arguments.emplace_back(in[n]);
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());

  std::ostringstream out;
  std::ostringstream err;
  const int code = tymba::runGrading(static_cast<int>(argv.size()), argv.data(), out, err);
  if (code == 0 && !err.str().empty()) fail("a message beside the report: " + err.str());
  if (code == 2 && (!out.str().empty() || err.str().empty())) fail("a refusal without a message");
  if (code != 0 && code != 2) fail("exit code " + std::to_string(code) + ": " + err.str());
  return 0;
}
