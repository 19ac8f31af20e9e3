#include "core/sharedstate.h"

#include <gtest/gtest.h>

namespace tymba {
namespace {

TEST(Vymazat, ClearsTheRunButKeepsItsDefinition) {
  SharedState state;
  state.DruhTestu = TestKind::Vyuka;
  state.NazevTestu = u"Lekce 1";
  state.DobaTestu = 30;
  state.BezMazani = true;
  state.RadkyVyuky = {u"", u"asdf "};
  state.TestBezi = state.TestUkoncen = state.BlokVstupu = true;
  state.NapsanyText = state.ProtokolNapsany = state.ProtokolOznaceny = u"a_df";
  appendError(state, 2, u"x");
  state.CasZahajeni = state.CasStartu = state.CasUkonceni = 3600;
  state.CasTiku = state.CasVzorku = 3600.5;
  state.UplynuleSekundy = state.PocetVzorku = state.DelkaPriVzorku = state.RadekVyuky =
      state.NejdelsiText = state.PosunuteRadky = state.PocetPosunu = state.HrubeUhozy =
          state.ChybyVysledku = state.CisteUhozy = state.CisteUhozyMin = state.KrokPosunu =
              state.DalsiKlavesa = 7;
  state.OsaRychlosti = state.OsaChyb = {u"5 sec"};
  state.VzorkyRychlosti = {3};
  state.VzorkyChyb = {1};
  state.ProcentoChyb = state.CasUhozu = toFixed4(25);
  state.DobaVysledku = u"00 : 12";
  for (int n = 0; n < kLessonTableSize; ++n) {
    state.ChybneZnaky[n] = state.NapsaneZnaky[n] = u"x";
    state.CetnostChyb[n] = state.CetnostZnaku[n] = 1;
    state.ProdlevyZnaku[n] = toFixed4(0.25);
  }
  Vymazat(state);

  EXPECT_FALSE(state.TestBezi || state.TestUkoncen);
  EXPECT_TRUE(state.NapsanyText.empty() && state.ProtokolNapsany.empty() &&
              state.ProtokolOznaceny.empty());
  EXPECT_TRUE(state.PoziceChyb.empty() && state.ZnakyChyb.empty() && state.OsaRychlosti.empty() &&
              state.OsaChyb.empty() && state.VzorkyRychlosti.empty() && state.VzorkyChyb.empty());
  EXPECT_EQ(state.DobaVysledku, u"0");
  EXPECT_EQ(state.CasTiku + state.CasVzorku, 0);
  const long long cleared[] = {state.PocetChyb,      state.CasZahajeni,     state.CasStartu,
                               state.CasUkonceni,    state.UplynuleSekundy, state.PocetVzorku,
                               state.DelkaPriVzorku, state.RadekVyuky,      state.NejdelsiText,
                               state.PosunuteRadky,  state.PocetPosunu,     state.HrubeUhozy,
                               state.ChybyVysledku,  state.CisteUhozy,      state.CisteUhozyMin,
                               state.ProcentoChyb,   state.CasUhozu};
  for (std::size_t n = 0; n < std::size(cleared); ++n) EXPECT_EQ(cleared[n], 0) << "value " << n;
  for (int n = 0; n < kLessonTableSize; ++n) {
    SCOPED_TRACE(n);
    EXPECT_TRUE(state.ChybneZnaky[n].empty() && state.NapsaneZnaky[n].empty());
    EXPECT_EQ(state.CetnostChyb[n] + state.CetnostZnaku[n] + state.ProdlevyZnaku[n], 0);
  }
  // What the run is, and the states the reset leaves alone.
  EXPECT_EQ(state.DruhTestu, TestKind::Vyuka);
  EXPECT_EQ(state.NazevTestu, u"Lekce 1");
  EXPECT_EQ(state.DobaTestu, 30);
  EXPECT_TRUE(state.BezMazani && state.BlokVstupu);
  EXPECT_EQ(state.RadkyVyuky.size(), 2u);
  EXPECT_EQ(state.KrokPosunu + state.DalsiKlavesa, 14);
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
  EXPECT_EQ(state.ZdrojTestu, u"Ze souboru");
  EXPECT_EQ(state.NazevTestu, u"Lekce 1");
  EXPECT_EQ(state.VybranyText, u"Lekce 1");
  EXPECT_TRUE(state.TextZeSouboru && state.BezMazani);
  EXPECT_EQ(state.DruhTestu, TestKind::Vyuka);
}

}  // namespace
}  // namespace tymba
