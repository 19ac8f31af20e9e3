#pragma once
// Window measures of the rules are twips; the logical pixel is 15 twips.

namespace tymba {

inline constexpr int kTwipsPerPixel = 15;

constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
// Rounds to the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// Height of one target line for the font size 1 to 3.
constexpr int lineHeightTwips(int pismo) { return 240 + (pismo - 1) * 15; }

}  // namespace tymba
