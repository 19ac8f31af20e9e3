// The keyboard guide: the fingers of the keys and characters, the pictures
// lit and darkened, and the keys by their place on the keyboard.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "core/fingermap.h"
#include "core/keycodes.h"
#include "tests/core/goldentable.h"

namespace tymba {
namespace {

std::vector<int> numbers(const std::string& list) {
  std::vector<int> all;
  std::istringstream items(list);
  for (int n = 0; items >> n;) all.push_back(n);
  return all;
}

TEST(FingerMap, EveryKeyOfTheKeyboardWindow) {
  std::map<int, std::string> expected;
  forEachRow("windowkeys.tsv", 3,
             [&](const GoldenRow& row) { expected[std::stoi(row[1])] = row[2]; });
  for (int key = -1; key < 300; ++key) {
    SCOPED_TRACE(key);
    const auto finger = windowFinger(key);
    EXPECT_EQ(finger ? toUtf8(fingerText(*finger, false)) : "-",
              expected.count(key) ? expected[key] : "-");
  }
}

TEST(FingerMap, EveryCharacterOfTheLessonGuide) {
  std::map<std::u16string, std::pair<int, std::string>> expected;
  forEachRow("guidekeys.tsv", 4, [&](const GoldenRow& row) {
    expected[u16(row[1])] = {std::stoi(row[2]), row[3]};
  });
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  for (const char16_t c : decodeCp1250(all) + u"ñ\u4E2D") {
    const std::u16string character(1, c);
    SCOPED_TRACE(toUtf8(character));
    const auto key = guideKey(c);
    const auto found = expected.find(character);
    ASSERT_EQ(key.has_value(), found != expected.end());
    if (key)
      EXPECT_EQ(std::pair(key->picture, toUtf8(fingerText(key->finger, false))), found->second);
  }
}

TEST(FingerMap, KeysPressedAndReleased) {
  forEachRow("keyevents.tsv", 6, [](const GoldenRow& row) {
    const int key = std::stoi(row[2]);
    const bool shift = row[3] == "1";
    if (row[1] == "window") {
      const WindowKeyDown down = keyboardWindowKeyDown(key, shift);
      EXPECT_EQ(down.shown, numbers(row[4]));
      EXPECT_EQ(toUtf8(down.text), row[5]);
    } else {
      EXPECT_EQ(row[1] == "pressed" ? pressedPictures(key, shift) : releasedPictures(key),
                numbers(row[4]));
    }
  });
}

TEST(FingerMap, MistakesCountOnTheKeysOfTheirCharacters) {
  // A letter in either case on its key, "_" (a blank) on Space, ň nowhere.
  const std::u16string characters[] = {u"a", u"A", u"_", u"ň", u"ř", u""};
  const int counts[] = {2, 1, 3, 5, 1, 4};
  EXPECT_EQ(mistakesPerKey(characters, counts), (std::map<int, int>{{32, 3}, {53, 1}, {65, 3}}));
}

TEST(KeyCodes, KeysByTheirPlace) {
  forEachRow("keycodes.tsv", 3, [](const GoldenRow& row) {
    EXPECT_EQ(keyCodeForX11(static_cast<unsigned>(std::stoi(row[1]))), std::stoi(row[2]));
  });
  // Every picture has its key, and no key gives a code without a picture.
  std::set<int> given;
  for (unsigned x11 = 0; x11 < 256; ++x11)
    if (const int key = keyCodeForX11(x11); key != 0) given.insert(key);
  EXPECT_EQ(given, std::set<int>(kKeyPictures.begin(), kKeyPictures.end()));
}

}  // namespace
}  // namespace tymba
