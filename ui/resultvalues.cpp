#include "ui/resultvalues.h"

#include <QGridLayout>
#include <QLabel>
#include <iterator>

#include "ui/resultcaptions.h"

namespace tymba {

ResultValueLabels addResultValues(QWidget* parent, QGridLayout& grid) {
  static constexpr const char* kValueNames[8] = {
      "lblNazev",     "lblDatum",      "lblDoba",          "lblHrubeUhozy",
      "lblPocetChyb", "lblCisteUhozy", "lblCisteUhozyMin", "lblProcentoChyb"};
  ResultValueLabels values{};
  for (int n = 0; n < int(std::size(kValueNames)); ++n) {
    auto* value = new QLabel(parent);
    value->setObjectName(QString::fromLatin1(kValueNames[n]));
    value->setTextFormat(Qt::PlainText);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    values[n] = value;
    const int row = n < 3 ? n : n - 3;
    const int column = n < 3 ? 0 : 2;
    grid.addWidget(new QLabel(QString::fromUtf8(kResultCaptions[n]), parent), row, column);
    grid.addWidget(value, row, column + 1);
  }
  grid.setColumnStretch(1, 1);
  grid.setColumnStretch(3, 1);
  return values;
}

}  // namespace tymba
