#include "commandline.h"

#include <charconv>
#include <filesystem>
#include <system_error>

namespace quorix {

bool parseNumber(std::string_view text, std::uint32_t max, std::uint32_t& value) {
  std::uint64_t parsed = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || parsed > max) return false;
  value = static_cast<std::uint32_t>(parsed);
  return true;
}

bool CommandLine::parse(int argc, const char* const* argv, std::string& error) {
  if (argc < 2) {
    error = "missing command";
    return false;
  }
  command_ = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg.size() > 2 && arg.substr(0, 2) == "--") {
      if (i + 1 >= argc) {
        error = "option " + std::string(arg) + " needs a value";
        return false;
      }
      options_[std::string(arg.substr(2))] = argv[++i];
    } else {
      positionals_.emplace_back(arg);
    }
  }
  return true;
}

std::optional<std::string> CommandLine::option(std::string_view name) const {
  const auto found = options_.find(name);
  if (found == options_.end()) return std::nullopt;
  return found->second;
}

bool CommandLine::onlyOptions(std::initializer_list<std::string_view> allowed, std::string& error) const {
  for (const auto& [name, value] : options_) {
    bool known = false;
    for (std::string_view a : allowed) known = known || a == name;
    if (!known) {
      error = "unknown option --" + name + " for '" + command_ + "'";
      return false;
    }
  }
  return true;
}

bool CommandLine::expectPositionals(std::size_t count, std::string_view usage, std::string& error) const {
  if (positionals_.size() == count) return true;
  error = "usage: quorix-cli " + std::string(usage);
  return false;
}

bool CommandLine::numberOption(std::string_view name, std::uint32_t fallback, std::uint32_t max,
                               std::uint32_t& value, std::string& error) const {
  const std::optional<std::string> text = option(name);
  if (!text) {
    value = fallback;
    return true;
  }
  if (parseNumber(*text, max, value)) return true;
  error = "--" + std::string(name) + " takes a whole number from 0 to " + std::to_string(max) + ", not '" + *text + "'";
  return false;
}

std::string CommandLine::databaseFolder() const {
  if (const std::optional<std::string> dir = option("db-dir")) return *dir;
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : self.parent_path().string();
}

}  // namespace quorix
