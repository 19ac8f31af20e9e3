// The alignment on any two texts (the input's fields before and after its
// first NUL, decoded from Windows-1250 with the line breaks made CR LF, as
// the core sees every text): it must end, within the pass guard of its
// tests, and keep the rules of the error list (every position once, none
// outside the typed text).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/textdecoding.h"
#include "fuzz/fuzzinput.h"
#include "tests/core/alignmentguard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> in = tymba::fuzz::fields(data, size);
  const auto text = [&](std::size_t index) {
    return tymba::decodeText(tymba::fuzz::field(in, index), tymba::Encoding::Cp1250).value();
  };
  const std::u16string target = text(0);
  const std::u16string typed = text(1);
  tymba::AlignmentErrors errors;
  try {
    errors = tymba::alignGuarded(target, typed);
  } catch (const tymba::AlignmentDoesNotEnd& error) {
    tymba::fuzz::fail(error.what());
  }
  if (const std::string broken = tymba::brokenListRule(errors, typed); !broken.empty())
    tymba::fuzz::fail(broken);
  return 0;
}
