// Which names an identity may have, and which name is the main identity's.
#include <gtest/gtest.h>

#include "core/identity.h"
#include "tests/core/goldentable.h"

namespace tymba {
namespace {

TEST(IdentityName, OnlyPlainFileNamesAreAccepted) {
  forEachRow("identitynames.tsv", 3, [](const GoldenRow& row) {
    EXPECT_EQ(isIdentityName(u16(row[1])), row[2] == "accepted");
  });
}

TEST(IdentityName, TheMainIdentityInAnyCase) {
  EXPECT_TRUE(isMainIdentity(u"hlavni") && isMainIdentity(u"HLAVNI"));
  EXPECT_FALSE(isMainIdentity(u"Hlavni2") || isMainIdentity(u"Hlavn") || isMainIdentity(u"Hlavní"));
}

}  // namespace
}  // namespace tymba
