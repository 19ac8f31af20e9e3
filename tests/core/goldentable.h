#pragma once
// Tables of inputs and expected outputs kept as data in tests/core/golden/.
// One row a line, its fields separated by tabs, the first field the row's
// name; empty lines and lines starting with "#" are notes. In a field, \r \n
// \t \\ and \xHH stand for those bytes (a blank at the end of a line is
// written \x20, so that no editor drops it); the rest is UTF-8.

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/cp1250.h"

namespace tymba {

using GoldenRow = std::vector<std::string>;

// Runs `check` on each row of golden/`file`, which has `fields` fields,
// naming the row in failures.
template <typename Check>
void forEachRow(const std::string& file, std::size_t fields, Check check) {
  std::ifstream in(TYMBA_CORE_GOLDEN_DIR "/" + file);
  int rows = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    GoldenRow row(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (c == '\t') {
        row.emplace_back();
      } else if (c != '\\' || i + 1 == line.size()) {
        row.back() += c;
      } else if (const char e = line[++i]; e == 'x') {
        row.back() += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
        i += 2;
      } else {
        row.back() += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
      }
    }
    SCOPED_TRACE(file + ": " + row[0]);
    ASSERT_EQ(row.size(), fields);
    check(row);
    ++rows;
  }
  EXPECT_GT(rows, 0) << file << " has no rows";
}

inline std::u16string u16(const std::string& utf8) { return fromUtf8(utf8); }

// A field that may say "-": no value.
template <typename T>
std::optional<T> given(const std::string& field, T value) {
  return field == "-" ? std::nullopt : std::optional<T>(value);
}

// Entries of an error list: (position, character).
using Entries = std::vector<std::pair<int, std::u16string>>;

// An error list written "5 12_ 20-22": the typed character at 5, a blank at
// 12, the typed characters at 20 to 22; "none" for no entry. A position
// outside `typed` has "x".
inline Entries entriesOf(const std::string& list, std::u16string_view typed) {
  Entries entries;
  std::istringstream items(list == "none" ? "" : list);
  for (std::string item; items >> item;) {
    std::size_t used = 0;
    const int first = std::stoi(item, &used);
    const int last = item[used] == '-' ? std::stoi(item.substr(used + 1)) : first;
    for (int p = first; p <= last; ++p) {
      const bool inside = p >= 1 && p <= static_cast<int>(typed.size());
      entries.emplace_back(p, item.back() == '_' ? u" "
                              : inside           ? std::u16string(1, typed[p - 1])
                                                 : u"x");
    }
  }
  return entries;
}

}  // namespace tymba
