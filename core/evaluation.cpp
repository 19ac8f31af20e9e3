#include "core/evaluation.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

namespace tymba {
namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr std::u16string_view kDash = u"-";
constexpr int kSignificantDigits = 15;

bool isFreeSlot(const std::u16string& slot) {
  return slot.find_first_not_of(u' ') == std::u16string::npos;
}

std::u16string asciiText(std::string_view ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

// Fills the two column sets from the slots of `characters` up to the first
// free one; `valueOf(n)` is the text of slot n's value.
template <typename ValueOf>
TwoColumnSets twoColumnSets(const std::array<std::u16string, kLessonTableSize>& characters,
                            ValueOf valueOf) {
  TwoColumnSets sets;
  for (int n = 0; n < kLessonTableSize && !isFreeSlot(characters[n]); ++n) {
    TableColumns& set = sets[n < kFirstColumnRows ? 0 : 1];
    set.characters.append(characters[n]).append(kLineEnd);
    set.dashes.append(kDash).append(kLineEnd);
    set.values.append(valueOf(n)).append(kLineEnd);
  }
  return sets;
}

// A sample the clock has not taken reads as empty.
template <typename T>
T entry(const std::vector<T>& values, std::size_t r) {
  return r < values.size() ? values[r] : T{};
}

}  // namespace

TwoColumnSets errorTable(const SharedState& state) {
  return twoColumnSets(state.ChybneZnaky,
                       [&](int n) { return asciiText(std::to_string(state.CetnostChyb[n])); });
}

TwoColumnSets pauseTable(const SharedState& state, char16_t decimalPoint) {
  return twoColumnSets(state.NapsaneZnaky, [&](int n) {
    const int count = state.CetnostZnaku[n];
    const double average = count == 0 ? 0.0 : fromFixed4(state.ProdlevyZnaku[n]) / count;
    return plainDecimal(average, decimalPoint);
  });
}

std::u16string plainDecimal(double value, char16_t decimalPoint) {
  char buffer[32];
  const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                     std::chars_format::general, kSignificantDigits);
  std::u16string text = asciiText(std::string_view(buffer, written.ptr - buffer));
  std::replace(text.begin(), text.end(), u'.', decimalPoint);
  return text;
}

void clampNetValues(SharedState& state) {
  state.CisteUhozy = std::max(state.CisteUhozy, 0);
  state.CisteUhozyMin = std::max(state.CisteUhozyMin, 0);
}

EvaluationLayout evaluationLayout(const SharedState& state, int designedTwips, int panelTwips) {
  EvaluationLayout layout;
  const bool lesson = state.DruhTestu == TestKind::Vyuka;
  const int samples = state.PocetVzorku;
  layout.tabs = {EvaluationTab::Protokol, EvaluationTab::GrafRychlosti, EvaluationTab::GrafChyb,
                 EvaluationTab::PrehledChyb};
  // An exercise run counts no errors per interval; a run of fewer than two
  // samples has no course to chart.
  if (!lesson) std::erase(layout.tabs, EvaluationTab::GrafChyb);
  layout.chartTwips = designedTwips;
  if (samples < 2) {
    std::erase(layout.tabs, EvaluationTab::GrafRychlosti);
    std::erase(layout.tabs, EvaluationTab::GrafChyb);
    return layout;
  }
  const auto rows = static_cast<std::size_t>(samples);
  for (std::size_t r = 0; r < rows; ++r) {
    layout.speed.push_back({entry(state.OsaRychlosti, r), entry(state.VzorkyRychlosti, r)});
    if (lesson)
      layout.errors.push_back({entry(state.OsaChyb, r), entry(state.VzorkyChyb, r).value_or(0)});
  }
  if (samples >= kSamplesOfWideCharts) {
    layout.wideCharts = true;
    layout.chartTwips = designedTwips + (samples - 8) * kWideningTwipsPerSample;
    layout.scrollMaximumTwips = std::max(0, layout.chartTwips - panelTwips);
  }
  return layout;
}

int labelStep(int samples, int plotPixels, int labelPixels) {
  // In samples of 5 seconds: 5, 10, 15, 30 seconds, 1, 2, 3, 5, 10, 15, 30, 60 minutes.
  static constexpr int kSteps[] = {1, 2, 3, 6, 12, 24, 36, 60, 120, 180, 360, 720};
  for (const int step : kSteps) {
    const int labels = samples / step;
    if (static_cast<long long>(labels) * labelPixels <= plotPixels) return step;
  }
  int step = kSteps[std::size(kSteps) - 1];
  while (static_cast<long long>(samples / step) * labelPixels > plotPixels) step *= 2;
  return step;
}

ValueAxis valueAxis(int largest) {
  constexpr int kMostSteps = 6;
  constexpr int kLeastTop = 5;
  const int reach = std::max(largest, kLeastTop);
  for (int magnitude = 1; magnitude < std::numeric_limits<int>::max() / 10; magnitude *= 10) {
    for (const int mantissa : {1, 2, 5}) {
      const int step = mantissa * magnitude;
      const int steps = (reach + step - 1) / step;
      if (steps <= kMostSteps) return {steps * step, step};
    }
  }
  return {reach, reach};
}

}  // namespace tymba
