#include <gtest/gtest.h>

#include <climits>

#include "app/TextFormat.h"

TEST(TextFormat, LiteralsAreShiftJis) {
  EXPECT_EQ(std::string("\x83\x5C"), std::string("ソ"));
  EXPECT_EQ(std::string("\x81\x60"), std::string("～"));
}
