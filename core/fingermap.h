#pragma once
// Which finger presses which key of the Czech keyboard, for the keyboard
// window and for the lesson guide of the main window.
//
// Keys are numbered as Windows numbers them (letters and digits: the code of
// the upper-case character; 160 and 161 the left and right Shift, 16 Shift
// as such; 186 to 191 and 219 to 222 the punctuation keys). A window turns a
// key event into such a number (core/keycodes.h), asks here what to light and
// what to say, and lights the key pictures: one picture per key for exactly
// the 51 codes of kKeyPictures.

#include <array>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tymba {

inline constexpr int kShiftKey = 16;
inline constexpr int kLeftShiftKey = 160;
inline constexpr int kRightShiftKey = 161;

// clang-format off
inline constexpr std::array<int, 51> kKeyPictures = {
    8, 13, 32, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57,
    65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 84, 85, 86, 87,
    88, 89, 90, 160, 161, 186, 187, 188, 189, 190, 191, 219, 220, 221, 222};
// clang-format on

bool hasKeyPicture(int key);

enum class Finger {
  LeftLittle,
  LeftRing,
  LeftMiddle,
  LeftIndex,
  RightIndex,
  RightMiddle,
  RightRing,
  RightLittle,
  Thumbs,
  Shift,
};

// "levým malíčkem" and so on; the thumbs and Shift have a short text for the
// lesson guide and a long, explaining one for the keyboard window.
std::u16string_view fingerText(Finger finger, bool longText);

// --- The keyboard window ---

// The finger the keyboard window names for a key (Shift 160 and 161 count as
// 16); nothing for a key outside its map.
std::optional<Finger> windowFinger(int key);

struct WindowKeyDown {
  std::vector<int> shown;  // pictures of img1 to light
  std::u16string text;     // lblPopis
};

// A key pressed in the keyboard window, with Shift held or not. A key outside
// the map lights nothing and empties the text.
WindowKeyDown keyboardWindowKeyDown(int key, bool shift);

// --- Both windows ---

// The img1 pictures a released key darkens: both Shift keys for Shift, else
// the key's own picture, nothing for a key that has none.
std::vector<int> releasedPictures(int key);

// The img1 pictures a key pressed in the lesson input box lights: both Shift
// keys while Shift is held, and the key's own picture.
std::vector<int> pressedPictures(int key, bool shift);

// --- The lesson guide ---

struct GuideKey {
  int picture = 0;  // the img2 picture to light; 0 for none
  Finger finger = Finger::Thumbs;
};

// The key of the next character of a lesson line and its finger; nothing for
// a character outside the map (the guide then leaves everything as it was).
std::optional<GuideKey> guideKey(char16_t c);

// How often the characters of each key were mistyped, from a run's
// wrong-character table (a character per slot, "_" for a blank, and its
// count), through the lesson guide's map: key code -> mistakes. Characters
// the map does not know count nowhere.
std::map<int, int> mistakesPerKey(std::span<const std::u16string> characters,
                                  std::span<const int> counts);

}  // namespace tymba
