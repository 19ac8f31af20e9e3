#include "core/mainlayout.h"

#include <algorithm>

#include "core/lessonengine.h"
#include "core/twips.h"

namespace tymba {
namespace {

// The bands line up with the target lines at the medium size; the other two
// sizes keep the fixed relations to it, which leaves them 15 to 30 twips off.
constexpr int kFirstBandTop = 255;
constexpr int kFirstBandHeight = 255;
constexpr int kSecondBandTop = 510;
constexpr int kSecondBandSmallHeight = 240;

}  // namespace

FontSizeLayout fontSizeLayout(int pismo) {
  if (pismo < 1 || pismo > 3) pismo = 1;
  const int step = pismo - 1;
  FontSizeLayout layout;
  layout.fontPoints = pismo + 9;
  layout.lineHeight = lineHeightTwips(pismo);
  layout.targetTop = lineHeightTwips(pismo);
  layout.shape1Left = shape1StartLeft(pismo);
  layout.shape1Width = 135 + 15 * step;
  // One pair of bands covers two target lines.
  const int pair = 480 + 30 * step;
  for (int k = 0; k < 10; ++k) {
    layout.lblLinka[k] = {kFirstBandTop + k * pair, kFirstBandHeight};
    layout.lblLinka1[k] = {kSecondBandTop + k * pair, kSecondBandSmallHeight + 15 * step};
  }
  return layout;
}

WidthLayout widthLayout(int innerWidth) {
  WidthLayout layout;
  layout.picZadani = std::max(0, innerWidth - 240);
  layout.targetLabel = targetLabelWidth(layout.picZadani);
  layout.infoValues = innerWidth / 2 + 1920;
  layout.lblDvojtecka = innerWidth - 1065;
  layout.lblMinuta = layout.lblDvojtecka - 720;
  layout.lblSekunda = layout.lblDvojtecka + 240;
  return layout;
}

int targetLabelWidth(int viewportWidth) { return std::max(15, viewportWidth - 2490); }

int lessonLineWidth(int lessonPanelWidth) { return std::max(15, lessonPanelWidth - 2160); }

}  // namespace tymba
