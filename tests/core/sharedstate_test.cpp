#include "core/sharedstate.h"

#include <gtest/gtest.h>

namespace tymba {
namespace {

SharedState stateOfAFinishedLessonRun() {
  SharedState state;
  state.DruhTestu = TestKind::Vyuka;
  state.NazevTestu = u"Lekce 1";
  state.VybranyText = u"Lekce 1";
  state.DobaTestu = 30;
  state.ZtrataUhozu = 10;
  state.BezMazani = true;
  state.RadkyVyuky = {u"", u"asdf ", u"jklů\r"};
  state.TestBezi = true;
  state.TestUkoncen = true;
  state.NapsanyText = u"asdf";
  appendError(state, 2, u"x");
  state.CasZahajeni = state.CasStartu = state.CasUkonceni = 3600;
  state.CasTiku = state.CasVzorku = 3600.5;
  state.UplynuleSekundy = 12;
  state.PocetVzorku = 2;
  state.OsaRychlosti = {u"5 sec", u"10 sec"};
  state.VzorkyRychlosti = {3, 4};
  state.VzorkyChyb = {1, 0};
  state.DelkaPriVzorku = 7;
  state.ChybneZnaky[0] = u"x";
  state.CetnostChyb[0] = 1;
  state.NapsaneZnaky[0] = u"a";
  state.CetnostZnaku[0] = 1;
  state.ProdlevyZnaku[0] = toFixed4(0.25);
  state.CasUhozu = toFixed4(3601.5);
  state.RadekVyuky = 1;
  state.NejdelsiText = 40;
  state.PosunuteRadky = 2;
  state.PocetPosunu = 1;
  state.HrubeUhozy = 5;
  state.ChybyVysledku = 1;
  state.DobaVysledku = u"00 : 12";
  state.CisteUhozy = 3;
  state.CisteUhozyMin = 15;
  state.ProcentoChyb = toFixed4(25);
  state.ProtokolNapsany = u"asdf";
  state.ProtokolOznaceny = u"a_df";
  state.BlokVstupu = true;
  state.KrokPosunu = 3;
  state.DalsiKlavesa = 7;
  return state;
}

TEST(Vymazat, ClearsTheRunButKeepsItsDefinition) {
  SharedState state = stateOfAFinishedLessonRun();
  Vymazat(state);

  EXPECT_FALSE(state.TestBezi);
  EXPECT_FALSE(state.TestUkoncen);
  EXPECT_TRUE(state.NapsanyText.empty());
  EXPECT_EQ(state.PocetChyb, 0);
  EXPECT_TRUE(state.PoziceChyb.empty());
  EXPECT_TRUE(state.ZnakyChyb.empty());
  EXPECT_EQ(state.CasZahajeni, 0);
  EXPECT_EQ(state.CasStartu, 0);
  EXPECT_EQ(state.CasUkonceni, 0);
  EXPECT_EQ(state.CasTiku, 0);
  EXPECT_EQ(state.CasVzorku, 0);
  EXPECT_EQ(state.UplynuleSekundy, 0);
  EXPECT_EQ(state.PocetVzorku, 0);
  EXPECT_TRUE(state.VzorkyRychlosti.empty());
  EXPECT_TRUE(state.VzorkyChyb.empty());
  EXPECT_EQ(state.DelkaPriVzorku, 0);
  EXPECT_TRUE(state.ChybneZnaky[0].empty());
  EXPECT_EQ(state.CetnostChyb[0], 0);
  EXPECT_TRUE(state.NapsaneZnaky[0].empty());
  EXPECT_EQ(state.CetnostZnaku[0], 0);
  EXPECT_EQ(state.ProdlevyZnaku[0], 0);
  EXPECT_EQ(state.CasUhozu, 0);
  EXPECT_EQ(state.RadekVyuky, 0);
  EXPECT_EQ(state.NejdelsiText, 0);
  EXPECT_EQ(state.PosunuteRadky, 0);
  EXPECT_EQ(state.PocetPosunu, 0);
  EXPECT_EQ(state.HrubeUhozy, 0);
  EXPECT_EQ(state.ChybyVysledku, 0);
  EXPECT_EQ(state.DobaVysledku, u"0");
  EXPECT_EQ(state.CisteUhozy, 0);
  EXPECT_EQ(state.CisteUhozyMin, 0);
  EXPECT_EQ(state.ProcentoChyb, 0);
  EXPECT_TRUE(state.ProtokolNapsany.empty());
  EXPECT_TRUE(state.ProtokolOznaceny.empty());

  // What the run is, and the states the reset leaves alone.
  EXPECT_EQ(state.DruhTestu, TestKind::Vyuka);
  EXPECT_EQ(state.NazevTestu, u"Lekce 1");
  EXPECT_EQ(state.DobaTestu, 30);
  EXPECT_EQ(state.ZtrataUhozu, 10);
  EXPECT_TRUE(state.BezMazani);
  EXPECT_EQ(state.RadkyVyuky.size(), 3u);
  EXPECT_TRUE(state.BlokVstupu);
  EXPECT_EQ(state.KrokPosunu, 3);
  EXPECT_EQ(state.DalsiKlavesa, 7);
}

TEST(AppendError, KeepsCountAndListsTogether) {
  SharedState state;
  appendError(state, 4, u" ");
  appendError(state, 9, u"ř");
  EXPECT_EQ(state.PocetChyb, 2);
  EXPECT_EQ(state.PoziceChyb, (std::vector<int>{4, 9}));
  EXPECT_EQ(state.ZnakyChyb, (std::vector<std::u16string>{u" ", u"ř"}));
}

TEST(ClockMath, RoundsHalvesToEvenAndWrapsAtMidnight) {
  EXPECT_EQ(roundHalfEven(0.5), 0);
  EXPECT_EQ(roundHalfEven(1.5), 2);
  EXPECT_EQ(roundHalfEven(2.5), 2);
  EXPECT_EQ(roundHalfEven(2.5001), 3);
  EXPECT_EQ(roundHalfEven(-0.5), 0);
  EXPECT_EQ(roundHalfEven(-1.5), -2);
  EXPECT_DOUBLE_EQ(secondsSince(10.0, 86395.0), 15.0);
  EXPECT_DOUBLE_EQ(secondsSince(86395.0, 10.0), 86385.0);
  EXPECT_EQ(toFixed4(2.56405), 25640);  // fourth decimal rounded to even
  EXPECT_EQ(toFixed4(6.666666), 66667);
}

}  // namespace
}  // namespace tymba
