#include "commandline.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorix {
namespace {

TEST(ParseNumber, WholeNumbersInRangeOnly) {
  const struct {
    const char* text;
    std::uint32_t max;
    bool ok;
    std::uint32_t value;
  } cases[] = {{"0", 10, true, 0},
               {"10", 10, true, 10},
               {"11", 10, false, 0},
               {"-1", 10, false, 0},
               {"+1", 10, false, 0},
               {" 1", 10, false, 0},
               {"1 ", 10, false, 0},
               {"1x", 10, false, 0},
               {"", 10, false, 0},
               {"4294967295", 0xFFFFFFFFu, true, 0xFFFFFFFFu},
               {"4294967296", 0xFFFFFFFFu, false, 0},
               {"99999999999999999999999", 0xFFFFFFFFu, false, 0}};
  for (const auto& c : cases) {
    std::uint32_t value = 0;
    EXPECT_EQ(parseNumber(c.text, c.max, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value);
    }
  }
}

struct ParseCase {
  std::vector<const char*> args;  // after the program name
  std::string command;
  std::vector<std::string> positionals;
  std::vector<std::pair<std::string, std::string>> options;
  std::vector<std::string> flags;
};

// Options stand anywhere; the first other argument is the command.
TEST(CommandLine, OptionsBeforeOrAfterTheCommand) {
  const ParseCase cases[] = {
      {{"--db-dir", "D", "info"}, "info", {}, {{"db-dir", "D"}}, {}},
      {{"info", "--db-dir", "D"}, "info", {}, {{"db-dir", "D"}}, {}},
      {{"list", "3", "--binyan", "5", "extra"}, "list", {"3", "extra"}, {{"binyan", "5"}}, {}},
      {{"list", "--binyan=5", "3"}, "list", {"3"}, {{"binyan", "5"}}, {}},
      {{"--table=", "list"}, "list", {}, {{"table", ""}}, {}},
      {{"-h"}, "", {}, {}, {"help"}},
      {{"list", "--help"}, "list", {}, {}, {"help"}},
      {{"--version"}, "", {}, {}, {"version"}},
      {{"page", "7", "--text", "--side", "ru"}, "page", {"7"}, {{"side", "ru"}}, {"text"}},
      // A value that merely starts with a hyphen: a negative number, standard output.
      {{"dump-verb", "-3"}, "dump-verb", {"-3"}, {}, {}},
      {{"export-anki", "-"}, "export-anki", {"-"}, {}, {}},
      // After "--" every argument is a positional, even one that looks like an option.
      {{"find", "--", "--help"}, "find", {"--help"}, {}, {}},
      {{}, "", {}, {}, {}},
  };
  for (const ParseCase& c : cases) {
    std::vector<const char*> argv = {"quorix-cli"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    CommandLine line;
    std::string error;
    ASSERT_TRUE(line.parse(static_cast<int>(argv.size()), argv.data(), {"help", "version", "text"}, error)) << error;
    EXPECT_EQ(line.command(), c.command);
    EXPECT_EQ(line.positionals(), c.positionals);
    for (const auto& [name, value] : c.options) EXPECT_EQ(line.option(name), value) << name;
    for (const std::string& flag : c.flags) EXPECT_TRUE(line.flag(flag)) << flag;
    for (const char* flag : {"help", "version", "text"}) {
      EXPECT_EQ(line.flag(flag), std::find(c.flags.begin(), c.flags.end(), flag) != c.flags.end()) << flag;
    }
  }
}

TEST(CommandLine, RefusesWhatItCannotRead) {
  const struct {
    std::vector<const char*> args;
    const char* error;
  } cases[] = {
      {{"info", "--db-dir"}, "option --db-dir needs a value"},
      {{"list", "0", "--binyan", "1", "--binyan", "2"}, "option --binyan is given twice"},
      {{"page", "1", "--text=yes"}, "option --text takes no value"},
      {{"-x", "info"}, "unknown option -x"},
      {{"-h", "--help"}, "option --help is given twice"},
  };
  for (const auto& c : cases) {
    std::vector<const char*> argv = {"quorix-cli"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    CommandLine line;
    std::string error;
    EXPECT_FALSE(line.parse(static_cast<int>(argv.size()), argv.data(), {"help", "version", "text"}, error));
    EXPECT_EQ(error, c.error);
  }
}

TEST(CommandLine, ChecksOptionsAndNumbers) {
  const char* argv[] = {"quorix-cli", "list", "3", "--binyan", "5", "--text"};
  CommandLine line;
  std::string error;
  ASSERT_TRUE(line.parse(6, argv, {"text"}, error));
  EXPECT_FALSE(line.onlyOptions({"table", "text"}, error));
  EXPECT_EQ(error, "unknown option --binyan for 'list'");
  EXPECT_FALSE(line.onlyOptions({"binyan"}, error));
  EXPECT_EQ(error, "unknown option --text for 'list'");
  EXPECT_TRUE(line.onlyOptions({"binyan", "text"}, error));
  EXPECT_TRUE(line.has("binyan"));
  EXPECT_TRUE(line.has("text"));
  EXPECT_FALSE(line.has("table"));

  std::uint32_t value = 0;
  EXPECT_TRUE(line.numberOption("table", 8, 0, 100, value, error));
  EXPECT_EQ(value, 8u) << "absent options take the fallback";
  EXPECT_TRUE(line.numberOption("binyan", 0, 1, 7, value, error));
  EXPECT_EQ(value, 5u);
  EXPECT_FALSE(line.numberOption("binyan", 0, 6, 7, value, error));
  EXPECT_EQ(error, "--binyan takes a whole number from 6 to 7, not '5'");
  EXPECT_FALSE(line.numberOption("binyan", 0, 0, 4, value, error));
}

}  // namespace
}  // namespace quorix
