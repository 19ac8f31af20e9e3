#include "storage/settingstext.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "storage/paths.h"

namespace tymba {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The position of c outside escape sequences, from position from on.
std::size_t findUnescaped(std::string_view text, char c, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == '\\') {
      ++i;
    } else if (text[i] == c) {
      return i;
    }
  }
  return std::string_view::npos;
}

// Characters that escape as themselves.
constexpr std::string_view kEscapedAsThemselves = "\\=[];#";

// The length of the valid UTF-8 sequence that text starts with (1 for an
// ASCII character), or 0 when its first byte starts none: a stray byte, an
// overlong form, a surrogate, or a sequence cut short.
std::size_t utf8SequenceLength(std::string_view text) {
  const auto byte = [text](std::size_t n) { return static_cast<unsigned char>(text[n]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t n = 2; n < length; ++n)
    if (byte(n) < 0x80 || byte(n) > 0xBF) return 0;
  return length;
}

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// Every character that would end a line, start a header or a comment, split
// a pair or start an escape is escaped anywhere in a name or value; a space
// only at either end, where reading trims unescaped blanks. A NUL byte and
// bytes that are not UTF-8 are written as \xHH, so that the file the store
// writes is always text, which a later reading takes as it is.
std::string escape(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const std::size_t length = c == '\0' ? 0 : utf8SequenceLength(text.substr(i));
    if (length == 0) {
      const auto byte = static_cast<unsigned char>(c);
      result += {'\\', 'x', kHexDigits[byte >> 4], kHexDigits[byte & 0xF]};
    } else if (length > 1) {
      result += text.substr(i, length);
      i += length - 1;
    } else if (kEscapedAsThemselves.find(c) != std::string_view::npos) {
      result += {'\\', c};
    } else if (c == '\n') {
      result += "\\n";
    } else if (c == '\r') {
      result += "\\r";
    } else if (c == '\t') {
      result += "\\t";
    } else if (c == ' ' && (i == 0 || i + 1 == text.size())) {
      result += "\\s";
    } else {
      result += c;
    }
  }
  return result;
}

// The character the escape "\c" stands for; nothing for an unknown escape.
std::optional<char> escapedCharacter(char c) {
  if (kEscapedAsThemselves.find(c) != std::string_view::npos) return c;
  if (c == 'n') return '\n';
  if (c == 'r') return '\r';
  if (c == 't') return '\t';
  if (c == 's') return ' ';
  return std::nullopt;
}

// The byte that "\xHH" at the start of text stands for (two hexadecimal
// digits of either case), or nothing.
std::optional<char> escapedByte(std::string_view text) {
  if (text.size() < 4 || text[1] != 'x') return std::nullopt;
  int value = 0;
  for (const char c : text.substr(2, 2)) {
    const auto digit = kHexDigits.find(static_cast<char>(c >= 'a' && c <= 'f' ? c - 32 : c));
    if (digit == std::string_view::npos) return std::nullopt;
    value = value * 16 + static_cast<int>(digit);
  }
  return static_cast<char>(value);
}

// A backslash before any other character, or at the end, is kept as it is,
// so that a hand-written path such as C:\Zvuk2 reads as written.
std::string unescape(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      result += text[i];
    } else if (const auto byte = escapedByte(text.substr(i))) {
      result += *byte;
      i += 3;
    } else if (const auto meant = escapedCharacter(text[i + 1])) {
      result += *meant;
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace

SettingsSections SettingsSections::parse(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  SettingsSections result;
  // Pairs go to this section; none before the first header and after a
  // broken one, so that they never land in a section they were not meant for.
  constexpr std::size_t kNoSection = std::string_view::npos;
  std::size_t current = kNoSection;
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    const std::string_view line = trimBlanks(bytes.substr(0, end));
    const bool crLf = end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n';
    bytes.remove_prefix(std::min(bytes.size(), end + (crLf ? 2 : 1)));

    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    if (line.front() == '[') {
      const std::size_t close = findUnescaped(line, ']', 1);
      if (close == std::string_view::npos) {
        current = kNoSection;
      } else {
        current = result.sectionAt(unescape(trimBlanks(line.substr(1, close - 1))));
      }
      continue;
    }
    const std::size_t equals = findUnescaped(line, '=', 0);
    if (equals == std::string_view::npos || current == kNoSection) continue;
    result.add(current, unescape(trimBlanks(line.substr(0, equals))),
               unescape(trimBlanks(line.substr(equals + 1))));
  }
  return result;
}

std::vector<SettingsSection> parseSettingsText(std::string_view bytes) {
  SettingsSections parsed = SettingsSections::parse(bytes);
  return std::move(parsed.sections_);
}

std::string formatSettingsText(const std::vector<SettingsSection>& sections) {
  std::string text;
  for (const SettingsSection& section : sections) {
    if (!text.empty()) text += '\n';
    text += '[' + escape(section.name) + "]\n";
    for (const SettingPair& pair : section.pairs) {
      text += escape(pair.key) + '=' + escape(pair.value) + '\n';
    }
  }
  return text;
}

bool isSettingsText(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = bytes[i] == '\0' ? 0 : utf8SequenceLength(bytes.substr(i));
    if (length == 0) return false;
    i += length;
  }
  return true;
}

const SettingsSection* SettingsSections::find(std::string_view section) const {
  const auto found = sectionIndex_.find(foldedName(section));
  return found != sectionIndex_.end() ? &sections_[found->second] : nullptr;
}

const SettingPair* SettingsSections::find(std::string_view section, std::string_view key) const {
  const SettingsSection* found = find(section);
  if (found == nullptr) return nullptr;
  const Index& keys = keyIndex_[static_cast<std::size_t>(found - sections_.data())];
  const auto pair = keys.find(foldedName(key));
  return pair != keys.end() ? &found->pairs[pair->second] : nullptr;
}

std::size_t SettingsSections::sectionAt(std::string_view section) {
  const auto [found, added] = sectionIndex_.try_emplace(foldedName(section), sections_.size());
  if (added) {
    sections_.push_back({std::string(section), {}});
    keyIndex_.emplace_back();
  }
  return found->second;
}

void SettingsSections::add(std::size_t section, std::string key, std::string value) {
  std::vector<SettingPair>& pairs = sections_[section].pairs;
  if (keyIndex_[section].try_emplace(foldedName(key), pairs.size()).second) {
    pairs.push_back({std::move(key), std::move(value)});
  }
}

bool SettingsSections::set(std::string_view section, std::string_view key, std::string_view value) {
  const std::size_t at = sectionAt(section);
  std::vector<SettingPair>& pairs = sections_[at].pairs;
  const auto [found, added] = keyIndex_[at].try_emplace(foldedName(key), pairs.size());
  if (added) {
    pairs.push_back({std::string(key), std::string(value)});
    return true;
  }
  std::string& stored = pairs[found->second].value;
  if (stored == value) return false;
  stored = value;
  return true;
}

bool SettingsSections::remove(std::string_view section, std::string_view key) {
  const auto found = sectionIndex_.find(foldedName(section));
  if (found == sectionIndex_.end()) return false;
  Index& keys = keyIndex_[found->second];
  const auto pair = keys.find(foldedName(key));
  if (pair == keys.end()) return false;
  std::vector<SettingPair>& pairs = sections_[found->second].pairs;
  const std::size_t removed = pair->second;
  pairs.erase(pairs.begin() + static_cast<std::ptrdiff_t>(removed));
  keys.erase(pair);
  // The keys after it have moved up by one.
  for (auto& [folded, position] : keys) {
    if (position > removed) --position;
  }
  return true;
}

}  // namespace tymba
