#include "core/sharedstate.h"

#include <utility>

namespace tymba {

void appendError(SharedState& state, int position, std::u16string character) {
  state.PoziceChyb.push_back(position);
  state.ZnakyChyb.push_back(std::move(character));
  ++state.PocetChyb;
}

void keepTestSource(SharedState& state) {
  state.ZdrojTestuZaloha = state.ZdrojTestu;
  state.TextZeSouboruZaloha = state.TextZeSouboru;
  state.BezMazaniZaloha = state.BezMazani;
  state.DruhTestuZaloha = state.DruhTestu;
  state.NazevTestuZaloha = state.NazevTestu;
  state.VybranyTextZaloha = state.VybranyText;
}

void restoreTestSource(SharedState& state) {
  state.ZdrojTestu = state.ZdrojTestuZaloha;
  state.TextZeSouboru = state.TextZeSouboruZaloha;
  state.BezMazani = state.BezMazaniZaloha;
  state.DruhTestu = state.DruhTestuZaloha;
  state.NazevTestu = state.NazevTestuZaloha;
  state.VybranyText = state.VybranyTextZaloha;
}

void Vymazat(SharedState& state) {
  state.NapsanyText.clear();
  state.UplynuleSekundy = 0;
  state.NejdelsiText = 0;
  state.RadekVyuky = 0;
  state.PosunuteRadky = 0;

  state.TestUkoncen = false;
  state.PocetPosunu = 0;
  state.TestBezi = false;
  state.PocetChyb = 0;
  state.PoziceChyb.clear();
  state.ZnakyChyb.clear();
  state.ChybyVysledku = 0;
  state.CasTiku = 0;
  state.CasVzorku = 0;
  state.ProtokolOznaceny.clear();
  state.ProtokolNapsany.clear();
  state.PocetVzorku = 0;
  state.OsaRychlosti.clear();
  state.VzorkyRychlosti.clear();
  state.OsaChyb.clear();
  state.VzorkyChyb.clear();
  state.DelkaPriVzorku = 0;
  state.HrubeUhozy = 0;
  state.CisteUhozy = 0;
  state.DobaVysledku = u"0";
  state.ProcentoChyb = 0;
  state.CisteUhozyMin = 0;
  state.CasZahajeni = 0;
  state.CasUkonceni = 0;
  state.CasStartu = 0;

  for (int n = 0; n < kLessonTableSize; ++n) {
    state.ChybneZnaky[n].clear();
    state.NapsaneZnaky[n].clear();
    state.CetnostChyb[n] = 0;
    state.CetnostZnaku[n] = 0;
    state.ProdlevyZnaku[n] = 0;
  }
  state.CasUhozu = 0;
}

}  // namespace tymba
