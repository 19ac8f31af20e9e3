#pragma once
// The main window's measures, in twips: those that follow the font size
// (Pismo 1 small, 2 medium, 3 large) and those tied to the window's width.
// The window converts them to pixels and places its controls by them.
//
// A font size is a layout of its own, not a step from the previous one, so
// switching sizes back and forth never lets the bands drift. Between two
// sizes a and b the bands keep the fixed relations of a switch: band k moves
// by 30 x (k - 1) x (b - a), each second-line band grows by 15 x (b - a).

#include <array>

namespace tymba {

// Smallest window: 9400 x 6500 twips.
inline constexpr int kMinimumWindowWidth = 9400;
inline constexpr int kMinimumWindowHeight = 6500;

struct Span {
  int top = 0;
  int height = 0;
  bool operator==(const Span&) const = default;
};

struct FontSizeLayout {
  int fontPoints = 0;  // typing box, target labels, lesson lines: Pismo + 9
  int lineHeight = 0;  // one target line
  int targetTop = 0;   // lblZadani(1), one line below the viewport's top
  int shape1Left = 0;  // the cursor mark under a lesson line's first character
  int shape1Width = 0;
  std::array<Span, 10> lblLinka{};   // bands behind the first lines, in the viewport
  std::array<Span, 10> lblLinka1{};  // bands behind the second lines
  bool operator==(const FontSizeLayout&) const = default;
};

// Pismo outside 1 to 3 counts as 1.
FontSizeLayout fontSizeLayout(int pismo);

// What follows the window's inner width W.
struct WidthLayout {
  int picZadani = 0;     // the target viewport: W - 240
  int targetLabel = 0;   // each lblZadani: the viewport less 2490
  int infoValues = 0;    // lblZtrata and lblZahajeni start here: W / 2 + 1920
  int lblDvojtecka = 0;  // the clock's colon: W - 1065
  int lblMinuta = 0;     // 720 to its left
  int lblSekunda = 0;    // 240 to its right
};

WidthLayout widthLayout(int innerWidth);

// Each target label lblZadani is as wide as the viewport picZadani less 2490.
int targetLabelWidth(int viewportWidth);

// Each lesson line lblRadek is as wide as the lesson panel less 2160.
int lessonLineWidth(int lessonPanelWidth);

}  // namespace tymba
