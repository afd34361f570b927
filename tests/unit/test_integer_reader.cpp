#include <gtest/gtest.h>

#include "settings/Parametres.h"

namespace {

TEST(LlegirEnter, ReadsDecimalWithOptionalSignAfterLeadingBlanks) {
  EXPECT_EQ(LlegirEnter("0"), 0);
  EXPECT_EQ(LlegirEnter("  7"), 7);
  EXPECT_EQ(LlegirEnter("+15"), 15);
  EXPECT_EQ(LlegirEnter("-15"), -15);
  EXPECT_EQ(LlegirEnter("007"), 7);
  EXPECT_EQ(LlegirEnter("16711680"), 16711680);
}

TEST(LlegirEnter, ReadsHexadecimalAfterDollarAsA32BitPattern) {
  EXPECT_EQ(LlegirEnter("$1E"), 30);
  EXPECT_EQ(LlegirEnter("$0a"), 10);
  EXPECT_EQ(LlegirEnter(" $FF0000"), 0xFF0000);
  EXPECT_EQ(LlegirEnter("$FFFFFFFF"), -1);
  EXPECT_EQ(LlegirEnter("$80000000"), INT32_MIN);
  EXPECT_EQ(LlegirEnter("$000000000001"), 1);  // leading zeros never overflow
}

TEST(LlegirEnter, RejectsOverflowAtBothEnds) {
  EXPECT_EQ(LlegirEnter("2147483647"), INT32_MAX);
  EXPECT_EQ(LlegirEnter("2147483648"), std::nullopt);
  EXPECT_EQ(LlegirEnter("-2147483648"), INT32_MIN);
  EXPECT_EQ(LlegirEnter("-2147483649"), std::nullopt);
  EXPECT_EQ(LlegirEnter("21474836470"), std::nullopt);
  EXPECT_EQ(LlegirEnter("99999999999999999999"), std::nullopt);
  EXPECT_EQ(LlegirEnter("$100000000"), std::nullopt);
  EXPECT_EQ(LlegirEnter("$FFFFFFFFF"), std::nullopt);
}

TEST(LlegirEnter, RejectsBlanksJunkAndMissingDigits) {
  for (const char* text : {"", "   ", "-", "+", "$", "7 ", "7a", "a7", "+$1E", "$-1", "-$1", "1.5",
                           "1,5", "$1G", "\t7", "--7", "+-7", "1 2"})
    EXPECT_EQ(LlegirEnter(text), std::nullopt) << "'" << text << "'";
}

}  // namespace
