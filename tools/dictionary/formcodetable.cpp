#include "formcodetable.h"

#include <algorithm>
#include <charconv>

#include "tabfile.h"

namespace quorix::dictionary {

namespace {

std::vector<std::string> splitAlternatives(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t bar = text.find('|', start);
    const std::string part = text.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    if (!part.empty() && part != "-") out.push_back(part);
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  return out;
}

bool parseCode(const std::string& text, std::uint16_t& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

bool FormCodeTable::load(const std::string& path, std::string& error) {
  std::vector<TabLine> lines;
  if (!readTabFile(path, lines, error)) return false;
  codes_.clear();
  for (const TabLine& line : lines) {
    if (line.fields.size() != 9) {
      error = whereIs(path, line) + "expected 9 fields, found " + std::to_string(line.fields.size());
      return false;
    }
    FormCodeInfo info;
    if (!parseCode(line.fields[0], info.code) || !parseCode(line.fields[1], info.cell) || info.code >= 98) {
      error = whereIs(path, line) + "code and cell must be numbers below 98";
      return false;
    }
    info.tense = line.fields[2];
    info.person = line.fields[3];
    info.gender = line.fields[4];
    info.number = line.fields[5];
    info.required = line.fields[6] == "yes";
    info.unimorph = splitAlternatives(line.fields[7]);
    info.hspell = splitAlternatives(line.fields[8]);
    if (std::any_of(codes_.begin(), codes_.end(), [&](const FormCodeInfo& c) { return c.code == info.code; })) {
      error = whereIs(path, line) + "code " + line.fields[0] + " listed twice";
      return false;
    }
    codes_.push_back(std::move(info));
  }
  return true;
}

bool FormCodeTable::lists(std::uint16_t code) const {
  for (const FormCodeInfo& info : codes_) {
    if (info.code == code) return true;
  }
  return false;
}

std::optional<FormCodeInfo> FormCodeTable::find(std::uint16_t code) const {
  for (const FormCodeInfo& info : codes_) {
    if (info.code == code) return info;
  }
  if (code >= 50 && code <= 84) {
    for (const FormCodeInfo& info : codes_) {
      if (info.code == code - 50) {
        FormCodeInfo alternative = info;
        alternative.code = code;
        alternative.required = false;
        return alternative;
      }
    }
  }
  return std::nullopt;
}

std::vector<std::uint16_t> FormCodeTable::requiredCodes() const {
  std::vector<std::uint16_t> out;
  for (const FormCodeInfo& info : codes_) {
    if (info.required) out.push_back(info.code);
  }
  return out;
}

}  // namespace quorix::dictionary
