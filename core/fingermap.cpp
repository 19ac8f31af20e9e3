#include "core/fingermap.h"

#include <algorithm>

#include "core/cp1250.h"

namespace tymba {
namespace {

struct KeyFinger {
  int key;
  Finger finger;
};

// The keys and their fingers. The keyboard window names these; the lesson
// guide lights the key whose code is the character's Windows-1250 code
// (after upper-casing) for the same entries, codes below 13 aside. P is the
// right little finger's in both.
// clang-format off
constexpr KeyFinger kKeyMap[] = {
    {49, Finger::LeftLittle}, {50, Finger::LeftLittle}, {65, Finger::LeftLittle},
    {81, Finger::LeftLittle}, {89, Finger::LeftLittle},
    {51, Finger::LeftRing}, {83, Finger::LeftRing}, {87, Finger::LeftRing},
    {88, Finger::LeftRing},
    {52, Finger::LeftMiddle}, {67, Finger::LeftMiddle}, {68, Finger::LeftMiddle},
    {69, Finger::LeftMiddle},
    {53, Finger::LeftIndex}, {54, Finger::LeftIndex}, {66, Finger::LeftIndex},
    {70, Finger::LeftIndex}, {71, Finger::LeftIndex}, {82, Finger::LeftIndex},
    {84, Finger::LeftIndex}, {86, Finger::LeftIndex},
    {55, Finger::RightIndex}, {56, Finger::RightIndex}, {72, Finger::RightIndex},
    {74, Finger::RightIndex}, {77, Finger::RightIndex}, {78, Finger::RightIndex},
    {85, Finger::RightIndex}, {90, Finger::RightIndex},
    {57, Finger::RightMiddle}, {73, Finger::RightMiddle}, {75, Finger::RightMiddle},
    {188, Finger::RightMiddle},
    {48, Finger::RightRing}, {76, Finger::RightRing}, {79, Finger::RightRing},
    {190, Finger::RightRing},
    {8, Finger::RightLittle}, {13, Finger::RightLittle}, {80, Finger::RightLittle},
    {186, Finger::RightLittle}, {187, Finger::RightLittle}, {189, Finger::RightLittle},
    {191, Finger::RightLittle}, {219, Finger::RightLittle}, {221, Finger::RightLittle},
    {222, Finger::RightLittle},
    {32, Finger::Thumbs},
    {kShiftKey, Finger::Shift},
};
// clang-format on

struct CharacterKey {
  char16_t character;  // upper case
  int key;
  Finger finger;
};

// Characters whose key is not their own code. "=" shares the key of "%" on
// the Czech keyboard. Ý (221 in Windows-1250) is here, so the key of the
// parentheses, also 221, is never lit for it.
constexpr CharacterKey kOtherCharacters[] = {
    {u'Ě', 50, Finger::LeftLittle},   {u'Š', 51, Finger::LeftRing},
    {u'Č', 52, Finger::LeftMiddle},   {u'Ř', 53, Finger::LeftIndex},
    {u'Ž', 54, Finger::LeftIndex},    {u'Ý', 55, Finger::RightIndex},
    {u'Á', 56, Finger::RightIndex},   {u'Í', 57, Finger::RightMiddle},
    {u'É', 48, Finger::RightRing},    {u',', 188, Finger::RightMiddle},
    {u'?', 188, Finger::RightMiddle}, {u'.', 190, Finger::RightRing},
    {u':', 190, Finger::RightRing},   {u'-', 191, Finger::RightLittle},
    {u'_', 191, Finger::RightLittle}, {u'Ú', 219, Finger::RightLittle},
    {u'/', 219, Finger::RightLittle}, {u'(', 221, Finger::RightLittle},
    {u')', 221, Finger::RightLittle}, {u'Ů', 186, Finger::RightLittle},
    {u'"', 186, Finger::RightLittle}, {u'!', 222, Finger::RightLittle},
    {u'§', 222, Finger::RightLittle}, {u'\'', 220, Finger::RightLittle},
    {u'%', 189, Finger::RightLittle}, {u'´', 187, Finger::RightLittle},
    {u'=', 189, Finger::RightLittle},
};

constexpr std::array<std::u16string_view, 8> kFingerTexts = {
    u"levým malíčkem",     u"levým prsteníčkem",     u"levým prostředníčkem", u"levým ukazováčkem",
    u"pravým ukazováčkem", u"pravým prostředníčkem", u"pravým prsteníčkem",   u"pravým malíčkem",
};

int asShift(int key) { return key == kLeftShiftKey || key == kRightShiftKey ? kShiftKey : key; }

void addPicture(std::vector<int>& pictures, int key) {
  if (hasKeyPicture(key)) pictures.push_back(key);
}

}  // namespace

bool hasKeyPicture(int key) {
  return std::find(kKeyPictures.begin(), kKeyPictures.end(), key) != kKeyPictures.end();
}

std::u16string_view fingerText(Finger finger, bool longText) {
  switch (finger) {
    case Finger::Thumbs:
      return longText ? u"levým nebo pravým palcem (poznáte to takto: sepněte si prsty do sebe a "
                        u"palec, který je na vrchu, tak tím budete pravděpodobně nejvíce psát)"
                      : u"levým nebo pravým palcem";
    case Finger::Shift:
      // The long text has never had its closing parenthesis.
      return longText ? u"Tuto klávesu stisknete levým nebo pravým malíčkem (jestli chcete použít "
                        u"klávesu SHIFT a chcete např. napsat velké P (pravou rukou) tak SHIFT "
                        u"piště levou a naopak"
                      : u"Tuto klávesu stisknete levým nebo pravým malíčkem";
    default:
      return kFingerTexts[static_cast<std::size_t>(finger)];
  }
}

std::optional<Finger> windowFinger(int key) {
  key = asShift(key);
  for (const KeyFinger& entry : kKeyMap)
    if (entry.key == key) return entry.finger;
  return std::nullopt;
}

WindowKeyDown keyboardWindowKeyDown(int key, bool shift) {
  key = asShift(key);
  const std::optional<Finger> finger = key < 8 || key > 222 ? std::nullopt : windowFinger(key);
  if (!finger) return {};
  // The Shift key itself is pressed with Shift held.
  if (key == kShiftKey)
    return {{kLeftShiftKey, kRightShiftKey}, std::u16string(fingerText(*finger, true))};
  WindowKeyDown result;
  if (shift) result.shown = {kLeftShiftKey, kRightShiftKey};
  result.shown.push_back(key);
  result.text = shift ? u"Tato klávesa se stiská " : u"Tuto klávesu stisknete ";
  result.text += fingerText(*finger, true);
  return result;
}

std::vector<int> releasedPictures(int key) {
  key = asShift(key);
  if (key == kShiftKey) return {kLeftShiftKey, kRightShiftKey};
  std::vector<int> pictures;
  addPicture(pictures, key);
  return pictures;
}

std::vector<int> pressedPictures(int key, bool shift) {
  key = asShift(key);
  std::vector<int> pictures;
  if (shift || key == kShiftKey) pictures = {kLeftShiftKey, kRightShiftKey};
  if (key != kShiftKey) addPicture(pictures, key);
  return pictures;
}

std::optional<GuideKey> guideKey(char16_t c) {
  const char16_t upper = toUpperCp1250(c);
  if (!isInCp1250(upper)) return std::nullopt;
  const int code = static_cast<unsigned char>(encodeCp1250(std::u16string_view(&upper, 1))[0]);
  if (code < 13 || code > 253) return std::nullopt;
  for (const CharacterKey& entry : kOtherCharacters)
    if (entry.character == upper) return GuideKey{entry.key, entry.finger};
  for (const KeyFinger& entry : kKeyMap)
    if (entry.key == code) return GuideKey{hasKeyPicture(code) ? code : 0, entry.finger};
  return std::nullopt;
}

std::map<int, int> mistakesPerKey(std::span<const std::u16string> characters,
                                  std::span<const int> counts) {
  std::map<int, int> perKey;
  for (std::size_t slot = 0; slot < characters.size() && slot < counts.size(); ++slot) {
    const std::u16string& shown = characters[slot];
    if (shown.empty() || counts[slot] <= 0) continue;
    const auto key = guideKey(shown == u"_" ? u' ' : shown[0]);
    if (key && key->picture != 0) perKey[key->picture] += counts[slot];
  }
  return perKey;
}

}  // namespace tymba
