#include "commandline.h"

#include <gtest/gtest.h>

namespace quorix {
namespace {

TEST(ParseNumber, WholeNumbersInRangeOnly) {
  const struct {
    const char* text;
    std::uint32_t max;
    bool ok;
    std::uint32_t value;
  } cases[] = {{"0", 10, true, 0},        {"10", 10, true, 10},   {"11", 10, false, 0},
               {"-1", 10, false, 0},      {"+1", 10, false, 0},   {" 1", 10, false, 0},
               {"1 ", 10, false, 0},      {"1x", 10, false, 0},   {"", 10, false, 0},
               {"4294967295", 0xFFFFFFFFu, true, 0xFFFFFFFFu},    {"4294967296", 0xFFFFFFFFu, false, 0},
               {"99999999999999999999999", 0xFFFFFFFFu, false, 0}};
  for (const auto& c : cases) {
    std::uint32_t value = 0;
    EXPECT_EQ(parseNumber(c.text, c.max, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value);
    }
  }
}

TEST(CommandLine, SplitsCommandPositionalsAndOptions) {
  const char* argv[] = {"quorix-cli", "list", "3", "--binyan", "5", "extra"};
  CommandLine line;
  std::string error;
  ASSERT_TRUE(line.parse(6, argv, error));
  EXPECT_EQ(line.command(), "list");
  EXPECT_EQ(line.positionals(), (std::vector<std::string>{"3", "extra"}));
  EXPECT_EQ(line.option("binyan"), "5");
  EXPECT_FALSE(line.option("table"));
  EXPECT_FALSE(line.onlyOptions({"table"}, error));
  EXPECT_EQ(error, "unknown option --binyan for 'list'");
  std::uint32_t value = 0;
  EXPECT_TRUE(line.numberOption("table", 8, 100, value, error));
  EXPECT_EQ(value, 8u) << "absent options take the fallback";
  EXPECT_FALSE(line.numberOption("binyan", 0, 4, value, error));
}

TEST(CommandLine, RefusesAMissingCommandOrValue) {
  std::string error;
  CommandLine none;
  const char* bare[] = {"quorix-cli"};
  EXPECT_FALSE(none.parse(1, bare, error));
  CommandLine dangling;
  const char* argv[] = {"quorix-cli", "info", "--db-dir"};
  EXPECT_FALSE(dangling.parse(3, argv, error));
  EXPECT_EQ(error, "option --db-dir needs a value");
}

}  // namespace
}  // namespace quorix
