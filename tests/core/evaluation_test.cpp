#include "core/evaluation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/core/goldentable.h"

namespace tymba {
namespace {

// The fields of a row written "a,,c": one item a comma, empty ones kept.
std::vector<std::string> items(const std::string& field) {
  std::vector<std::string> out;
  std::istringstream in(field);
  for (std::string item; std::getline(in, item, ',');) out.push_back(item);
  return out;
}

std::string shown(const TableColumns& set) {
  return toUtf8(set.characters + u"|" + set.dashes + u"|" + set.values);
}

TEST(EvaluationLayout, TabsChartsAndScrollBarsBySamples) {
  constexpr char kTabLetters[] = "PRCE";  // Protokol, Rychlost, Chyby, Prehled
  forEachRow("evaluationlayout.tsv", 6, [&](const GoldenRow& row) {
    SharedState state;
    state.DruhTestu = row[1] == "lesson" ? TestKind::Vyuka : TestKind::Cviceni;
    state.PocetVzorku = std::stoi(row[2]);
    for (int n = 1; n <= state.PocetVzorku; ++n) {
      state.OsaRychlosti.push_back(fromUtf8(std::to_string(5 * n) + " sec"));
      state.VzorkyRychlosti.push_back(n);
      state.OsaChyb.push_back(state.OsaRychlosti.back());
      if (row[1] == "lesson") state.VzorkyChyb.push_back(n % 2);
    }
    const EvaluationLayout layout = evaluationLayout(state, 9000, 8940);
    std::string tabs;
    for (const EvaluationTab tab : layout.tabs) tabs += kTabLetters[int(tab)];
    EXPECT_EQ(tabs, row[3]);
    std::ostringstream sizes;
    sizes << layout.wideCharts << ' ' << layout.chartTwips << ' ' << layout.scrollMaximumTwips;
    EXPECT_EQ(sizes.str(), row[4]);
    const std::size_t rows = tabs.find('R') == std::string::npos ? 0 : state.PocetVzorku;
    ASSERT_EQ(layout.speed.size(), rows);
    EXPECT_EQ(layout.errors.size(), tabs.find('C') == std::string::npos ? 0 : rows);
    if (rows > 0) {
      const ChartRow& last = layout.speed.back();
      EXPECT_EQ(toUtf8(last.label) + " " + std::to_string(last.value), row[5]);
    }
  });
}

TEST(EvaluationTables, TwoColumnSetsOfCharacters) {
  forEachRow("evaluationtables.tsv", 6, [&](const GoldenRow& row) {
    SharedState state;
    const auto characters = items(row[2]);
    const auto numbers = items(row[3]);
    for (std::size_t n = 0; n < characters.size(); ++n) {
      const std::string& number = numbers[n];  // a count, for pauses "count/seconds"
      if (row[1] == "errors") {
        state.ChybneZnaky[n] = fromUtf8(characters[n]);
        state.CetnostChyb[n] = std::stoi(number);
      } else {
        state.NapsaneZnaky[n] = fromUtf8(characters[n]);
        state.CetnostZnaku[n] = std::stoi(number);
        state.ProdlevyZnaku[n] = toFixed4(std::stod(number.substr(number.find('/') + 1)));
      }
    }
    const TwoColumnSets sets = row[1] == "pauses" ? pauseTable(state, u',') : errorTable(state);
    EXPECT_EQ(shown(sets[0]), row[4]);
    EXPECT_EQ(shown(sets[1]), row[5]);
  });
}

TEST(EvaluationValues, NegativeNetValuesBecomeZero) {
  SharedState state;
  state.CisteUhozy = -37;
  state.CisteUhozyMin = -222;
  clampNetValues(state);
  EXPECT_EQ(std::pair(state.CisteUhozy, state.CisteUhozyMin), std::pair(0, 0));
  state.CisteUhozy = 12;
  clampNetValues(state);
  EXPECT_EQ(state.CisteUhozy, 12);
}

TEST(EvaluationCharts, LabelStepsAndValueAxes) {
  forEachRow("evaluationaxes.tsv", 6, [&](const GoldenRow& row) {
    EXPECT_EQ(labelStep(std::stoi(row[1]), std::stoi(row[2]), 50), std::stoi(row[3]));
    const ValueAxis axis = valueAxis(std::stoi(row[4]));
    EXPECT_EQ(std::to_string(axis.top) + "/" + std::to_string(axis.step), row[5]);
  });
}

}  // namespace
}  // namespace tymba
