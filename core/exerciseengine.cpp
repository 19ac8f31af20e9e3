#include "core/exerciseengine.h"

#include "core/twips.h"

namespace tymba {

ExerciseKeystroke exerciseKeystroke(SharedState& state, const ExerciseKeystrokeInput& input) {
  ExerciseKeystroke result;
  state.JeNapsano = input.textLength > 0;
  if (state.TestUkoncen) {
    result.ignored = true;
    return result;
  }
  result.timing = timeKeystroke(state, input.now, input.clockRunning, input.dictationVisible);
  if (input.dictationVisible) return result;
  result.scrolls = input.firstLabelHeight > kShortTextHeight;
  return result;
}

std::optional<LabelMove> restackTargetLabels(const std::array<LabelSpan, 3>& labels, int pismo) {
  const int margin = lineHeightTwips(pismo);
  if (labels[0].bottom() - margin < 0) return LabelMove{0, labels[2].bottom()};
  if (labels[1].bottom() - margin < 0) return LabelMove{1, labels[0].bottom()};
  if (labels[2].bottom() - margin < 0) return LabelMove{2, labels[1].bottom()};
  return std::nullopt;
}

ScrollDecision exerciseScroll(SharedState& state, int textLength, const ScrollGeometry& geometry) {
  ScrollDecision decision;
  if (geometry.cellWidth <= 0 || geometry.cellHeight <= 0) return decision;

  const double rows = static_cast<double>(geometry.viewHeight) / geometry.cellHeight;
  const double columns = static_cast<double>(geometry.labelWidth) / geometry.cellWidth;
  state.TretinaOkna = static_cast<int>(roundHalfEven(rows * columns / 3));
  state.ZnakuNaRadek = static_cast<int>(roundHalfEven(columns));
  state.PosledniSloupec = state.ZnakuNaRadek - 1;

  // Only growth past the longest text so far counts, so deleting and typing
  // again never scrolls twice. A change can add several characters at once
  // (a line break adds two), so every mark passed is taken, not only a mark
  // hit exactly: otherwise one skipped mark would stop the scrolling for good.
  const int before = state.NejdelsiText;
  if (textLength <= before || state.ZnakuNaRadek < 1) return decision;
  state.NejdelsiText = textLength;
  const auto passed = [&](int mark) { return before < mark && mark <= textLength; };

  for (;;) {
    const int scrollStart = state.PosunuteRadky * state.ZnakuNaRadek + state.TretinaOkna - 5;
    if (passed(scrollStart)) {
      if (state.PocetPosunu == 2) {
        state.PocetPosunu = 0;
        decision.restackShift += 2 * lineHeightTwips(state.nastaveni.Pismo);
      }
      decision.startScroll = true;
    }
    if (!passed(scrollStart + state.PosledniSloupec)) break;
    ++state.PosunuteRadky;
    ++state.PocetPosunu;
  }
  return decision;
}

bool scrollStep(SharedState& state) {
  ++state.KrokPosunu;
  if (state.KrokPosunu == state.nastaveni.Pismo + 14) {
    state.KrokPosunu = 0;
    return true;
  }
  return false;
}

}  // namespace tymba
