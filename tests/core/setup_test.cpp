// Setting up a run: the reset of the shared state, keeping the test's
// source while a dialog may be cancelled, the numbers and colours chosen.
#include <gtest/gtest.h>

#include <cstdio>

#include "core/colour.h"
#include "core/sharedstate.h"
#include "core/testsetup.h"
#include "tests/core/goldentable.h"

namespace tymba {
namespace {

TEST(Vymazat, ClearsTheRunButKeepsItsDefinition) {
  SharedState state;
  state.DruhTestu = TestKind::Vyuka;
  state.NazevTestu = u"Lekce 1";
  state.TestBezi = state.TestUkoncen = true;
  state.NapsanyText = u"a_df";
  appendError(state, 2, u"x");
  state.NejdelsiText = state.PocetVzorku = state.CasStartu = 7;
  state.VzorkyRychlosti = {3};
  state.ChybneZnaky.back() = state.NapsaneZnaky.back() = u"x";
  state.CetnostChyb.back() = state.CetnostZnaku.back() = state.ProdlevyZnaku.back() = 1;
  Vymazat(state);
  EXPECT_FALSE(state.TestBezi || state.TestUkoncen);
  EXPECT_EQ(state.NapsanyText + state.ChybneZnaky.back() + state.NapsaneZnaky.back(), u"");
  EXPECT_TRUE(state.PoziceChyb.empty() && state.ZnakyChyb.empty() && state.VzorkyRychlosti.empty());
  EXPECT_EQ(state.PocetChyb + state.NejdelsiText + state.PocetVzorku + state.CasStartu, 0);
  EXPECT_EQ(state.CetnostChyb.back() + state.CetnostZnaku.back() + state.ProdlevyZnaku.back(), 0);
  EXPECT_EQ(state.NazevTestu, u"Lekce 1");
  EXPECT_EQ(state.DruhTestu, TestKind::Vyuka);
}

TEST(TestSource, CancelRestoresWhatWasKept) {
  SharedState state;
  state.ZdrojTestu = u"Ze souboru";
  state.TextZeSouboru = state.BezMazani = true;
  state.DruhTestu = TestKind::Vyuka;
  state.NazevTestu = state.VybranyText = u"Lekce 1";
  keepTestSource(state);
  state.ZdrojTestu = state.NazevTestu = state.VybranyText = u"jiný";
  state.TextZeSouboru = state.BezMazani = false;
  state.DruhTestu = TestKind::Cviceni;
  restoreTestSource(state);
  EXPECT_EQ(state.ZdrojTestu + state.NazevTestu + state.VybranyText, u"Ze souboruLekce 1Lekce 1");
  EXPECT_TRUE(state.TextZeSouboru && state.BezMazani);
  EXPECT_EQ(state.DruhTestu, TestKind::Vyuka);
}

TEST(RoundedWithin, TheRangeAppliesToTheRoundedNumber) {
  forEachRow("roundedwithin.tsv", 3, [&](const GoldenRow& row) {
    EXPECT_EQ(roundedWithin(std::stod(row[1]), kTestMinutesMin, kTestMinutesMax),
              given(row[2], std::atoi(row[2].c_str())));
  });
  EXPECT_EQ(roundedWithin(500.5, kLossPerErrorMin, kLossPerErrorMax), 500);
}

TEST(ParseColour, HexadecimalOrSignedDecimalAndNothingElse) {
  forEachRow("colour.tsv", 3, [&](const GoldenRow& row) {
    char hex[9] = "-";
    if (const auto colour = parseColour(row[1])) std::snprintf(hex, sizeof hex, "%X", *colour);
    EXPECT_EQ(hex, row[2]);
  });
  // 0x00BBGGRR: red in the lowest byte, the top byte ignored.
  EXPECT_EQ(rgbOf(0xFF123456u), (Rgb{.red = 0x56, .green = 0x34, .blue = 0x12}));
}

}  // namespace
}  // namespace tymba
