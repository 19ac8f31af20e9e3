#include "storage/resultrecord.h"

#include <algorithm>
#include <array>
#include <string>

namespace tymba {
namespace {

// Whole numbers in records are plain decimal digits in every locale.
std::u16string digits(long long value) {
  const std::string text = std::to_string(value);
  return std::u16string(text.begin(), text.end());
}

// The six result fields in the record's order; the errors are the scored ones.
std::array<std::u16string, 6> fieldsOf(const SharedState& state, int errors, int perMinute,
                                       const LocaleTexts& texts) {
  return {digits(state.HrubeUhozy), digits(errors),    state.DobaVysledku,
          digits(state.CisteUhozy), digits(perMinute), texts.percent};
}

}  // namespace

TestRecord historyRecord(const SharedState& state, const LocaleTexts& texts,
                         std::u16string_view typed, std::u16string_view markedCopy) {
  // The window shows a speed below 1 as 0.
  const int shownPerMinute = std::max(state.CisteUhozyMin, 0);
  return makeRecord(state.NazevTestu, texts.date, texts.time,
                    fieldsOf(state, state.ChybyVysledku, shownPerMinute, texts), typed, markedCopy);
}

TestRecord savedRecord(const SharedState& state, const LocaleTexts& texts,
                       std::u16string_view typedBox) {
  const bool lesson = state.DruhTestu == TestKind::Vyuka;
  return makeRecord(state.NazevTestu, texts.date, texts.time,
                    fieldsOf(state, state.PocetChyb, state.CisteUhozyMin, texts),
                    lesson ? std::u16string_view(state.ProtokolNapsany) : typedBox,
                    state.ProtokolOznaceny);
}

}  // namespace tymba
