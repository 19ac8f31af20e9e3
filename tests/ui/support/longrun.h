#pragma once
// A 30-minute exercise run as the result window leaves it: 360 samples, a
// protocol of 15,000 characters with an error every 97 characters, 20 wrongly
// typed characters.
#include <string>

#include "core/sharedstate.h"

namespace tymba::testing {

inline void fillLongExerciseRun(SharedState& stav) {
  stav.DruhTestu = TestKind::Cviceni;
  stav.NazevTestu = u"Hájovna";
  stav.ProtokolNapsany.clear(), stav.OsaRychlosti.clear(), stav.VzorkyRychlosti.clear();
  const std::u16string line = u"Příliš žluťoučký kůň úpěl ďábelské ódy, hájovna stojí u lesa.\r\n";
  while (stav.ProtokolNapsany.size() < 15000) stav.ProtokolNapsany += line;
  stav.ProtokolOznaceny = stav.ProtokolNapsany;
  for (std::size_t i = 7; i < stav.ProtokolOznaceny.size(); i += 97)
    stav.ProtokolOznaceny[i] = u'_';
  for (int n = 1; n <= 360; ++n) {
    const std::string label = std::to_string(5 * n) + " sec";
    stav.OsaRychlosti.emplace_back(label.begin(), label.end());
    stav.VzorkyRychlosti.push_back(30 + n % 17);
  }
  stav.PocetVzorku = 360;
  const char16_t* wrong = u"abcdefghijklmnopqrstu";
  for (int n = 0; n < 20; ++n)
    stav.ChybneZnaky[n] = std::u16string(1, wrong[n]), stav.CetnostChyb[n] = n + 1;
  stav.DobaVysledku = u"30";
  stav.HrubeUhozy = 15120, stav.PocetChyb = 155, stav.CisteUhozy = 13570;
  stav.CisteUhozyMin = 452, stav.ProcentoChyb = 10344;  // 1,0344 %
}

}  // namespace tymba::testing
