#pragma once
// The records a scored run leaves. The result window appends the history
// record to the signed-in identity's user file as it opens; "Uložit" and
// "Uložit jako..." write the saved record to a test file. The two keep
// different things: the history record what the window shows (a speed below
// 1 as 0) with the text as it was typed and its marked copy; the saved record
// the values themselves with the texts as the protocol has prepared them (an
// exercise's typed text with "_" where text was left out).

#include <string>
#include <string_view>

#include "core/sharedstate.h"
#include "storage/testrecord.h"

namespace tymba {

// What the user's locale writes, which the windows format.
struct LocaleTexts {
  std::u16string date;     // 3.12.2026
  std::u16string time;     // 23:39:39
  std::u16string percent;  // the error percentage: 2,5641
};

// typed: the run's text as typed (line breaks as CR LF); markedCopy: the same
// with "_" at every error.
TestRecord historyRecord(const SharedState& state, const LocaleTexts& texts,
                         std::u16string_view typed, std::u16string_view markedCopy);

// typedBox: the exercise input box's text after scoring; a lesson's typed
// text is its prepared protocol text.
TestRecord savedRecord(const SharedState& state, const LocaleTexts& texts,
                       std::u16string_view typedBox);

}  // namespace tymba
