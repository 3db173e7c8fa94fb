#include "db/meaningorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace quorix {
namespace {

TEST(MeaningOrder, LettersCompareWithoutCaseAndTiesByBytes) {
  const struct {
    const char* a;
    const char* b;
    bool less;
  } cases[] = {
      {"hide", "hide (oneself)", true},  // a word before the longer words it begins
      {"Hide", "hold", true},            // case does not decide between different letters
      {"hold", "Hide", false},
      {"Zip", "apply", false},           // byte order would put every capital first
      {"Hide", "hide", true},            // words equal but for case: by their bytes
      {"hide", "Hide", false},
      {"hide", "hide", false},
      {"", "a", true},
      {"a b", "ab", true},               // a blank sorts before letters
      {"_", "B", true},                  // after the capitals in bytes, before the letters folded small
      {"a\xE9", "az", false},            // bytes above ASCII after every letter
  };
  for (const auto& c : cases) EXPECT_EQ(meaningLess(c.a, c.b), c.less) << c.a << " < " << c.b;
}

TEST(MeaningOrder, TheOrderIsTotalSoASortIsTheSameEverywhere) {
  std::vector<std::string> words = {"look", "Look", "look after", "LOOK", "be able", "Be", "be", "a"};
  std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) { return meaningLess(a, b); });
  const std::vector<std::string> expected = {"a", "Be", "be", "be able", "LOOK", "Look", "look", "look after"};
  EXPECT_EQ(words, expected);
}

TEST(MeaningOrder, ABeginningMatchesWithoutRegardToCase) {
  const struct {
    const char* text;
    const char* prefix;
    bool matches;
  } cases[] = {
      {"jump", "JU", true}, {"Jump", "jump", true}, {"jump", "", true},    {"jump", "jumps", false},
      {"jump", "ump", false}, {"a[b", "A{", false},  {"hide (oneself)", "HIDE (", true},
  };
  for (const auto& c : cases) EXPECT_EQ(meaningStartsWith(c.text, c.prefix), c.matches) << c.text << " / " << c.prefix;
  EXPECT_TRUE(meaningEquals("Be Able", "be able"));
  EXPECT_FALSE(meaningEquals("be", "be able"));
  EXPECT_FALSE(meaningEquals("be able", "be"));
}

}  // namespace
}  // namespace quorix
