#include "ui/resultvalues.h"

#include <QGridLayout>
#include <QLabel>
#include <iterator>

namespace tymba {

ResultValueLabels addResultValues(QWidget* parent, QGridLayout& grid) {
  const struct {
    const char* caption;
    const char* valueName;
  } rows[] = {
      {"Název testu:", "lblNazev"},
      {"Datum testu:", "lblDatum"},
      {"Doba testu:", "lblDoba"},
      {"Hrubé úhozy:", "lblHrubeUhozy"},
      {"Počet chyb:", "lblPocetChyb"},
      {"Čisté úhozy:", "lblCisteUhozy"},
      {"Čisté úhozy za minutu:", "lblCisteUhozyMin"},
      {"Procento chyb:", "lblProcentoChyb"},
  };
  ResultValueLabels values{};
  for (int n = 0; n < int(std::size(rows)); ++n) {
    auto* value = new QLabel(parent);
    value->setObjectName(QString::fromLatin1(rows[n].valueName));
    value->setTextFormat(Qt::PlainText);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    values[n] = value;
    const int row = n < 3 ? n : n - 3;
    const int column = n < 3 ? 0 : 2;
    grid.addWidget(new QLabel(QString::fromUtf8(rows[n].caption), parent), row, column);
    grid.addWidget(value, row, column + 1);
  }
  grid.setColumnStretch(1, 1);
  grid.setColumnStretch(3, 1);
  return values;
}

}  // namespace tymba
