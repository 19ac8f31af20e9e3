// The settings file's text: whatever the bytes, reading them never fails, and
// the sections read, written and read again stay the same, as do the bytes
// written from them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzzinput.h"
#include "storage/inisettingsstore.h"

namespace {

using tymba::SettingsSection;

bool sameSections(const std::vector<SettingsSection>& a, const std::vector<SettingsSection>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t s = 0; s < a.size(); ++s) {
    if (a[s].name != b[s].name || a[s].pairs.size() != b[s].pairs.size()) return false;
    for (std::size_t p = 0; p < a[s].pairs.size(); ++p) {
      if (a[s].pairs[p].key != b[s].pairs[p].key || a[s].pairs[p].value != b[s].pairs[p].value)
        return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<SettingsSection> sections = tymba::parseSettingsText(bytes);
  const std::string written = tymba::formatSettingsText(sections);
  const std::vector<SettingsSection> again = tymba::parseSettingsText(written);
  if (!sameSections(sections, again)) tymba::fuzz::fail("the written sections read differently");
  if (tymba::formatSettingsText(again) != written)
    tymba::fuzz::fail("the sections read back are written differently");
  return 0;
}
