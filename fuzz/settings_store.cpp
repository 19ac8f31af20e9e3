// The settings store on a file of its own: the fuzzer chooses the file's first
// bytes and a row of operations. After each, the store reads what was written
// (the last value of a key, compared without regard to case), and a second
// store that reads the file afresh sees exactly what the first one does.
//
// Input fields (cut at NUL bytes): the file's bytes, then per operation a
// code (its first byte picks write, write all, remove or read section), a
// section, and then keys and values as the operation needs them.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzzinput.h"
#include "storage/inisettingsstore.h"
#include "storage/paths.h"

namespace {

using tymba::IniSettingsStore;
using tymba::SettingPair;
using tymba::fuzz::fail;

constexpr std::string_view kAbsent = "\x01(absent)";

// What a store must read for each pair: the last value given for the key.
void expectValues(const IniSettingsStore& store, std::string_view section,
                  const std::vector<SettingPair>& written) {
  for (std::size_t n = 0; n < written.size(); ++n) {
    bool overwritten = false;
    for (std::size_t later = n + 1; later < written.size(); ++later)
      overwritten |= tymba::sameNameIgnoringCase(written[n].key, written[later].key);
    if (!overwritten && store.read(section, written[n].key, kAbsent) != written[n].value)
      fail("a written value does not read back");
  }
}

bool samePairs(const std::vector<SettingPair>& a, const std::vector<SettingPair>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t n = 0; n < a.size(); ++n)
    if (a[n].key != b[n].key || a[n].value != b[n].value) return false;
  return true;
}

void apply(IniSettingsStore& store, const std::vector<std::string_view>& in, std::size_t& next) {
  const std::string_view code = tymba::fuzz::field(in, next++);
  const std::string_view section = tymba::fuzz::field(in, next++);
  const auto text = [&] { return std::string(tymba::fuzz::field(in, next++)); };
  switch (code.empty() ? 0 : static_cast<unsigned char>(code[0]) % 4) {
    case 0: {
      const SettingPair pair{text(), text()};
      store.write(section, pair.key, pair.value);
      expectValues(store, section, {pair});
      break;
    }
    case 1: {
      std::vector<SettingPair> pairs;
      for (int n = 0; n < 3; ++n) pairs.push_back({text(), text()});
      store.writeAll(section, pairs);
      expectValues(store, section, pairs);
      break;
    }
    case 2: {
      const std::string key = text();
      store.remove(section, key);
      if (store.read(section, key, kAbsent) != kAbsent) fail("a removed key still reads");
      break;
    }
    default:
      break;
  }
  const IniSettingsStore fresh(store.file());
  if (!samePairs(fresh.readSection(section), store.readSection(section)))
    fail("a store reading the file afresh sees another section");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> in = tymba::fuzz::fields(data, size);
  const std::filesystem::path file = tymba::fuzz::scratchFolder() / "Tymba.ini";
  tymba::fuzz::writeFile(file, in[0]);
  IniSettingsStore store(file);
  try {
    for (std::size_t next = 1; next < in.size();) apply(store, in, next);
  } catch (const tymba::SettingsError& error) {
    fail(std::string("a store on a writable file refused: ") + error.what());
  }
  return 0;
}
