// The records a scored run leaves: the history record keeps what the result
// window shows, a saved test the values and the prepared protocol texts.

#include "storage/resultrecord.h"

#include <gtest/gtest.h>

namespace tymba {
namespace {

TEST(ResultRecord, EachKeepsItsOwnValuesAndTexts) {
  SharedState state;
  state.NazevTestu = u"Opis";
  state.HrubeUhozy = 31;
  state.ChybyVysledku = 2;
  state.PocetChyb = 3;  // not yet the scored count: the history is written before
  state.DobaVysledku = u"00 : 45";
  state.CisteUhozyMin = -53;
  state.ProtokolNapsany = u"ab cd";
  state.ProtokolOznaceny = u"a_ c_";
  const LocaleTexts texts{u"3.12.2026", u"23:39:39", u"6,6667"};
  const std::u16string header = u"Opis_3.12.2026_23:39:39_", saved = u"31_3_00 : 45_0_-53_6,6667_";
  EXPECT_EQ(historyRecord(state, texts, u"ab\r\ncd", u"a_\r\nc_"),
            (TestRecord{header, u"31_2_00 : 45_0_0_6,6667_", u"ab\r\ncd", u"a_\r\nc_"}));
  EXPECT_EQ(savedRecord(state, texts, u"ab\r\n_d"),
            (TestRecord{header, saved, u"ab\r\n_d", u"a_ c_"}));
  state.DruhTestu = TestKind::Vyuka;
  EXPECT_EQ(savedRecord(state, texts, u""), (TestRecord{header, saved, u"ab cd", u"a_ c_"}));
}

}  // namespace
}  // namespace tymba
