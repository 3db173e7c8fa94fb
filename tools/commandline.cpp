#include "commandline.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <system_error>

namespace quorix {

namespace {

// "-", "-3": values a person may pass where a number or a word is wanted, not options.
bool looksLikeValue(std::string_view arg) {
  return arg == "-" || (arg.size() > 1 && arg[0] == '-' && std::isdigit(static_cast<unsigned char>(arg[1])));
}

}  // namespace

bool parseNumber(std::string_view text, std::uint32_t max, std::uint32_t& value) {
  std::uint64_t parsed = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size() || parsed > max) return false;
  value = static_cast<std::uint32_t>(parsed);
  return true;
}

bool CommandLine::parse(int argc, const char* const* argv, std::initializer_list<std::string_view> flags,
                        std::string& error) {
  const auto isFlag = [&flags](std::string_view name) {
    return std::find(flags.begin(), flags.end(), name) != flags.end();
  };
  bool onlyPositionals = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::string name;
    std::optional<std::string> value;
    if (onlyPositionals || looksLikeValue(arg) || arg.empty() || arg[0] != '-') {
      if (command_.empty() && !onlyPositionals) {
        command_ = arg;
      } else {
        positionals_.emplace_back(arg);
      }
      continue;
    }
    if (arg == "--") {
      onlyPositionals = true;
      continue;
    }
    if (arg == "-h") {
      name = "help";
    } else if (arg.starts_with("--")) {
      const std::size_t equals = arg.find('=');
      name = arg.substr(2, equals == std::string_view::npos ? std::string_view::npos : equals - 2);
      if (equals != std::string_view::npos) value = std::string(arg.substr(equals + 1));
    } else {
      error = "unknown option " + std::string(arg);
      return false;
    }
    if (has(name)) {
      error = "option --" + name + " is given twice";
      return false;
    }
    if (isFlag(name)) {
      if (value) {
        error = "option --" + name + " takes no value";
        return false;
      }
      flags_.insert(name);
      continue;
    }
    if (!value) {
      if (i + 1 >= argc) {
        error = "option --" + name + " needs a value";
        return false;
      }
      value = argv[++i];
    }
    options_[name] = *value;
  }
  return true;
}

std::optional<std::string> CommandLine::option(std::string_view name) const {
  const auto found = options_.find(name);
  if (found == options_.end()) return std::nullopt;
  return found->second;
}

bool CommandLine::onlyOptions(std::span<const std::string_view> allowed, std::string& error) const {
  const auto refuse = [&](const std::string& name) {
    if (std::find(allowed.begin(), allowed.end(), name) != allowed.end()) return false;
    error = "unknown option --" + name + (command_.empty() ? "" : " for '" + command_ + "'");
    return true;
  };
  for (const auto& [name, value] : options_) {
    if (refuse(name)) return false;
  }
  for (const std::string& name : flags_) {
    if (refuse(name)) return false;
  }
  return true;
}

bool CommandLine::numberOption(std::string_view name, std::uint32_t fallback, std::uint32_t min, std::uint32_t max,
                               std::uint32_t& value, std::string& error) const {
  const std::optional<std::string> text = option(name);
  if (!text) {
    value = fallback;
    return true;
  }
  if (parseNumber(*text, max, value) && value >= min) return true;
  error = "--" + std::string(name) + " takes a whole number from " + std::to_string(min) + " to " +
          std::to_string(max) + ", not '" + *text + "'";
  return false;
}

std::string CommandLine::databaseFolder() const {
  if (const std::optional<std::string> dir = option("db-dir")) return *dir;
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : self.parent_path().string();
}

}  // namespace quorix
