#pragma once
// The arguments of one quorix-cli call: a subcommand, its positional arguments and its
// "--name value" options. Parsing never fails silently: every problem becomes one error line.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorix {

class CommandLine {
 public:
  // argv[1] is the subcommand. False, with `error` set, on a missing subcommand or an option
  // without a value.
  bool parse(int argc, const char* const* argv, std::string& error);

  const std::string& command() const { return command_; }
  const std::vector<std::string>& positionals() const { return positionals_; }
  std::optional<std::string> option(std::string_view name) const;

  // False with `error` naming the first option that is not in `allowed`.
  bool onlyOptions(std::initializer_list<std::string_view> allowed, std::string& error) const;
  // False with `error` unless exactly `count` positional arguments were given.
  bool expectPositionals(std::size_t count, std::string_view usage, std::string& error) const;

  // A whole decimal number in [0, max]; `fallback` when the option is absent.
  bool numberOption(std::string_view name, std::uint32_t fallback, std::uint32_t max, std::uint32_t& value,
                    std::string& error) const;
  // The --db-dir option, or the folder of the running executable.
  std::string databaseFolder() const;

 private:
  std::string command_;
  std::vector<std::string> positionals_;
  std::map<std::string, std::string, std::less<>> options_;
};

// Parses a whole decimal number in [0, max]: no sign, no blanks, no trailing characters.
bool parseNumber(std::string_view text, std::uint32_t max, std::uint32_t& value);

}  // namespace quorix
