// The records a scored run leaves: the history record keeps what the result
// window shows, the saved one the values and the prepared protocol texts.

#include "storage/resultrecord.h"

#include <gtest/gtest.h>

namespace tymba {
namespace {

TEST(ResultRecord, EachKeepsItsOwnValuesAndTexts) {
  SharedState state;
  state.NazevTestu = u"Hájovna";
  state.HrubeUhozy = 31;
  state.ChybyVysledku = 2;
  state.PocetChyb = 3;
  state.DobaVysledku = u"00 : 45";
  state.CisteUhozyMin = -53;
  state.ProtokolNapsany = u"ab cd";
  state.ProtokolOznaceny = u"a_ c_";
  const LocaleTexts texts{u"3.12.2026", u"23:39:39", u"6,6667"};
  const struct {
    const char* name;
    TestKind kind;
    bool saved;
    TestRecord expected;
  } cases[] = {
      {"history",
       TestKind::Cviceni,
       false,
       {u"", u"31_2_00 : 45_0_0_6,6667_", u"ab\r\ncd", u"a_\r\nc_"}},
      {"saved exercise",
       TestKind::Cviceni,
       true,
       {u"", u"31_3_00 : 45_0_-53_6,6667_", u"ab\r\n_d", u"a_ c_"}},
      {"saved lesson",
       TestKind::Vyuka,
       true,
       {u"", u"31_3_00 : 45_0_-53_6,6667_", u"ab cd", u"a_ c_"}},
  };
  for (auto c : cases) {
    SCOPED_TRACE(c.name);
    state.DruhTestu = c.kind;
    c.expected.header = u"Hájovna_3.12.2026_23:39:39_";
    EXPECT_EQ(c.saved ? savedRecord(state, texts, u"ab\r\n_d")
                      : historyRecord(state, texts, u"ab\r\ncd", u"a_\r\nc_"),
              c.expected);
  }
}

}  // namespace
}  // namespace tymba
