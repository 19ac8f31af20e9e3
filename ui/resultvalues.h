#pragma once
// The eight values of a test beside their captions, as the history browser
// and the detailed evaluation show them: the test's name, date and duration
// in the first pair of columns, the five results in the second.

#include <array>

class QGridLayout;
class QLabel;
class QWidget;

namespace tymba {

// lblNazev, lblDatum, lblDoba, lblHrubeUhozy, lblPocetChyb, lblCisteUhozy,
// lblCisteUhozyMin, lblProcentoChyb.
using ResultValueLabels = std::array<QLabel*, 8>;

// Makes the captions and the (bold) value labels on `parent` into `grid`.
ResultValueLabels addResultValues(QWidget* parent, QGridLayout& grid);

}  // namespace tymba
