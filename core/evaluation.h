#pragma once
// What the detailed evaluation shows of the run just scored, decided here so
// that the window (and anything else that lays the evaluation out, such as a
// printed copy) only draws it: which tabs remain, the two chart tables and
// how wide the charts are, the table of wrongly typed characters and the
// lesson's table of pauses, each in two sets of columns, and the net values
// that the evaluation shows and keeps as 0 when they are negative.

#include <array>
#include <string>
#include <vector>

#include "core/sharedstate.h"

namespace tymba {

// The tabs of the evaluation, in their order.
enum class EvaluationTab { Protokol, GrafRychlosti, GrafChyb, PrehledChyb };

// The rows of a table of characters that stand in its first set of columns;
// the rest stand in the second set.
inline constexpr int kFirstColumnRows = 16;

// One set of columns: the characters, the dashes between, the values, each a
// text of lines ended by CR LF.
struct TableColumns {
  std::u16string characters;
  std::u16string dashes;
  std::u16string values;
};
using TwoColumnSets = std::array<TableColumns, 2>;

// The wrongly typed characters with their counts, up to the first free slot.
// A blank was stored as "_" and shows so.
TwoColumnSets errorTable(const SharedState& state);

// The characters typed in a lesson with the average pause before each, in
// seconds, as plain decimals with the given decimal point ("0,25"). An
// exercise run fills no slot, so its table is empty.
TwoColumnSets pauseTable(const SharedState& state, char16_t decimalPoint);

// A number as the user reads it: up to 15 significant digits, not rounded
// further, no trailing zeros, with the given decimal point.
std::u16string plainDecimal(double value, char16_t decimalPoint);

// Net keystrokes and net keystrokes per minute below 0 become 0, in the
// state as well, so the result window keeps what the evaluation showed.
void clampNetValues(SharedState& state);

struct ChartRow {
  std::u16string label;  // "5 sec", "10 sec", ...
  int value = 0;         // keystrokes, respectively errors, in those 5 seconds
};

// The tabs, the chart tables and the charts' sizes of a run, with the charts
// designed `designedTwips` wide in a panel `panelTwips` wide.
struct EvaluationLayout {
  std::vector<EvaluationTab> tabs;
  std::vector<ChartRow> speed;
  std::vector<ChartRow> errors;  // lesson runs only
  // A long run's charts are wider than their panels: the buttons "Zkrátit"
  // and the scroll bars are shown, which move the charts by up to
  // `scrollMaximumTwips`.
  bool wideCharts = false;
  int chartTwips = 0;
  int scrollMaximumTwips = 0;
};

// From 11 samples on, each sample beyond the eighth widens a chart by this.
inline constexpr int kWideningTwipsPerSample = 50;
inline constexpr int kSamplesOfWideCharts = 11;

EvaluationLayout evaluationLayout(const SharedState& state, int designedTwips, int panelTwips);

// A chart of `samples` points labels every n-th of them, n chosen from 1, 2,
// 3, 6, 12 (a minute), 24, 36, 60, 120, ... so that labels `labelPixels` wide
// do not run into each other over `plotPixels`.
int labelStep(int samples, int plotPixels, int labelPixels);

// A value axis from 0 to `top` with round ticks `step` apart, reaching at
// least `largest` and at least 5, in at most 6 steps.
struct ValueAxis {
  int top = 0;
  int step = 0;
};
ValueAxis valueAxis(int largest);

}  // namespace tymba
