#pragma once
// The arguments of one quorix-cli call: a command, its positional arguments and its options.
//
// Options may stand before or after the command: "--name value" or "--name=value", or a flag alone
// ("--help", "--version", "--text"; "-h" is "--help"). The first argument that is no option is the
// command, the others are its positionals; after "--" every argument is a positional. "-" and a
// "-" followed by a digit are positionals too, so that a command can say why "-3" is no verb id
// rather than calling it an unknown option. Parsing never fails silently: every problem becomes
// one error line.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorix {

class CommandLine {
 public:
  // `flags` names the options that take no value. False, with `error` set, on an option without a
  // value, a flag with one, an option given twice or an unknown short option. No command is no
  // error here: "quorix-cli --help" has none.
  bool parse(int argc, const char* const* argv, std::initializer_list<std::string_view> flags, std::string& error);

  const std::string& command() const { return command_; }
  const std::vector<std::string>& positionals() const { return positionals_; }
  std::optional<std::string> option(std::string_view name) const;
  bool flag(std::string_view name) const { return flags_.contains(name); }
  bool has(std::string_view name) const { return flag(name) || options_.contains(name); }

  // False with `error` naming the first option or flag that is not in `allowed`.
  bool onlyOptions(std::span<const std::string_view> allowed, std::string& error) const;
  bool onlyOptions(std::initializer_list<std::string_view> allowed, std::string& error) const {
    return onlyOptions(std::span<const std::string_view>(allowed.begin(), allowed.size()), error);
  }

  // A whole decimal number in [min, max]; `fallback` when the option is absent.
  bool numberOption(std::string_view name, std::uint32_t fallback, std::uint32_t min, std::uint32_t max,
                    std::uint32_t& value, std::string& error) const;
  // The --db-dir option, or the folder of the running executable.
  std::string databaseFolder() const;

 private:
  std::string command_;
  std::vector<std::string> positionals_;
  std::map<std::string, std::string, std::less<>> options_;
  std::set<std::string, std::less<>> flags_;
};

// Parses a whole decimal number in [0, max]: no sign, no blanks, no trailing characters.
bool parseNumber(std::string_view text, std::uint32_t max, std::uint32_t& value);

}  // namespace quorix
