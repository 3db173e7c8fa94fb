#include "corpuscounts.h"

#include <string_view>

#include "tabfile.h"

namespace quorix::dictionary {

namespace {

// One row per form code: the features that name it. "*" accepts any value; "A|B" either.
struct FeatureRow {
  std::string_view tense;
  std::string_view genders;
  std::string_view persons;
  std::string_view number;
  std::uint16_t code;
};

constexpr FeatureRow kFeatureRows[] = {
    {"INFINITIVE", "*", "*", "*", 0},
    {"PAST", "*", "ONE", "S", 1},          {"PAST", "M", "TWO", "S", 2},         {"PAST", "F", "TWO", "S", 3},
    {"PAST", "M", "THREE", "S", 4},        {"PAST", "F", "THREE", "S", 5},       {"PAST", "*", "ONE", "P", 6},
    {"PAST", "M|MF", "TWO", "P", 8},       {"PAST", "F", "TWO", "P", 58},        {"PAST", "*", "THREE", "P", 9},
    {"FUTURE", "*", "ONE", "S", 11},       {"FUTURE", "M", "TWO", "S", 12},      {"FUTURE", "F", "TWO", "S", 13},
    {"FUTURE", "M", "THREE", "S", 14},     {"FUTURE", "F", "THREE", "S", 15},    {"FUTURE", "*", "ONE", "P", 16},
    {"FUTURE", "M|MF", "TWO", "P", 17},    {"FUTURE", "M|MF", "THREE", "P", 19}, {"FUTURE", "F", "TWO|THREE", "P", 20},
    {"BEINONI", "M|MF", "*", "S", 21},     {"BEINONI", "F", "*", "S", 22},       {"BEINONI", "M|MF", "*", "P", 23},
    {"BEINONI", "F", "*", "P", 24},        {"IMPERATIVE", "M", "*", "S", 31},    {"IMPERATIVE", "F", "*", "S", 32},
    {"IMPERATIVE", "M|MF", "*", "P", 33},  {"IMPERATIVE", "F", "*", "P", 34},
};

bool accepts(std::string_view choices, std::string_view value) {
  if (choices == "*") return true;
  while (true) {
    const std::size_t bar = choices.find('|');
    if (choices.substr(0, bar) == value) return true;
    if (bar == std::string_view::npos) return false;
    choices.remove_prefix(bar + 1);
  }
}

}  // namespace

std::optional<std::uint16_t> formCodeOfFeatures(const std::string& tense, const std::string& gender,
                                                const std::string& person, const std::string& number) {
  for (const FeatureRow& row : kFeatureRows) {
    if (row.tense == tense && accepts(row.genders, gender) && accepts(row.persons, person) &&
        accepts(row.number, number)) {
      return row.code;
    }
  }
  return std::nullopt;
}

bool CorpusCounts::load(const std::string& path, std::string& error) {
  forms_.clear();
  return forEachLine(
      path,
      [&](int number, std::string& text) {
        if (text.empty()) return true;
        auto malformed = [&] {
          error = path + ":" + std::to_string(number) + ": expected form,TENSE,GENDER,PERSON,NUMBER:count";
          return false;
        };
        const std::size_t colon = text.rfind(':');
        if (colon == std::string::npos) return malformed();
        std::vector<std::string> fields;
        std::size_t start = 0;
        while (true) {
          const std::size_t comma = text.find(',', start);
          if (comma == std::string::npos || comma > colon) {
            fields.push_back(text.substr(start, colon - start));
            break;
          }
          fields.push_back(text.substr(start, comma - start));
          start = comma + 1;
        }
        CountedForm form;
        if (fields.size() != 5 || fields[0].empty() ||
            !parseWholeNumber(std::string_view(text).substr(colon + 1), form.count)) {
          return malformed();
        }
        form.form = fields[0];
        form.code = formCodeOfFeatures(fields[1], fields[2], fields[3], fields[4]);
        forms_.push_back(std::move(form));
        return true;
      },
      error);
}

}  // namespace quorix::dictionary
