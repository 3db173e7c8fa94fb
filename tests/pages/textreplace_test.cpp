#include "pages/textreplace.h"

#include <gtest/gtest.h>

namespace quorix {
namespace {

TEST(ReplaceAll, EveryOccurrenceInOnePassWithoutRescanningInsertedText) {
  const struct {
    std::string text;
    std::string from;
    std::string to;
    std::string expected;
    std::size_t count;
  } cases[] = {
      {"p_1 and p_1", "p_1", "x", "x and x", 2},
      {"aaa", "a", "aa", "aaaaaa", 3},
      {"p_0p_0", "p_0", "p_", "p_p_", 2},  // "p_p_0" would come from a second look
      {"abc", "z", "y", "abc", 0},
      {"abab", "aba", "", "b", 1},
      {"", "x", "y", "", 0},
      {"keep", "", "y", "keep", 0},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    EXPECT_EQ(replaceAll(text, c.from, c.to), c.count) << c.text;
    EXPECT_EQ(text, c.expected) << c.text;
  }
}

TEST(DisplayedPattern, OnlyPatternsWithTheMarkerAreReversed) {
  EXPECT_EQ(displayedPattern("=00"), "00=");
  EXPECT_EQ(displayedPattern("\xE7" "0="), "\xE7" "0=");
  EXPECT_EQ(displayedPattern("a=00b"), "b00=a");
  EXPECT_EQ(displayedPattern("000"), "000");
  EXPECT_EQ(displayedPattern(""), "");
}

}  // namespace
}  // namespace quorix
