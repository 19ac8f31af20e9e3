#pragma once
// What the options window checks before it saves anything: the three numbers
// typed, in this order, then the two sound files whose sounds are switched
// on. The first failing check is the answer; the window says it and leaves
// everything as it was.

#include <optional>

namespace tymba {

enum class OptionsCheck {
  Taken,
  ChybaNoNumber,            // empty or not a number
  ChybaOutOfRange,          // not above 0 or above 500, as typed
  LimitChybaNoNumber,       //
  LimitChybaOutOfRange,     // rounded, not from 1 to 10
  LimitRychlostNoNumber,    //
  LimitRychlostOutOfRange,  // rounded, not from 1 to 500
  ErrorSoundMissing,        // switched on, and its file is not there
  EndSoundMissing,
};

// The numbers as the user's locale reads them (nothing: empty or no number),
// and whether each sound is switched on with its file missing.
struct OptionsTyped {
  std::optional<double> Chyba;
  std::optional<double> LimitChyba;
  std::optional<double> LimitRychlost;
  bool errorSoundMissing = false;
  bool endSoundMissing = false;
};

// The whole numbers the options take: each typed number rounded, halves to
// the even one. The loss per error is checked as typed, so 500,5 is refused
// while 0,4 is taken (and rounds to 0, no loss).
struct OptionsVerdict {
  OptionsCheck check = OptionsCheck::Taken;
  int Chyba = 0;
  int LimitChyba = 0;
  int LimitRychlost = 0;
};

OptionsVerdict checkOptions(const OptionsTyped& typed);

}  // namespace tymba
