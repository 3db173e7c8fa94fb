#pragma once
// The form codes of a conjugation (data/formcodes.tsv): which page cell each fills and which tense,
// person, gender and number it is, with the feature names of the two references that check the
// forms. An alternative code (50 to 84) that the file does not list is a second form of code - 50
// and shares its description.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorix::dictionary {

struct FormCodeInfo {
  std::uint16_t code = 0;
  std::uint16_t cell = 0;
  std::string tense;  // infinitive, past, future, present, imperative
  std::string person;
  std::string gender;
  std::string number;
  bool required = false;
  std::vector<std::string> unimorph;  // feature strings such as "V;1;SG;PST"
  std::vector<std::string> hspell;    // analyses such as "ז,3,יחיד,עבר"
};

class FormCodeTable {
 public:
  // False with `error` (file and line) when the file cannot be read or a row is malformed.
  bool load(const std::string& path, std::string& error);

  // The description of a code, or nothing for a code that is neither listed nor an alternative of
  // a listed one.
  std::optional<FormCodeInfo> find(std::uint16_t code) const;
  const std::vector<FormCodeInfo>& listed() const { return codes_; }
  // Whether the file lists the code itself (58 is listed; 61, a second form of 11, is not).
  bool lists(std::uint16_t code) const;
  std::vector<std::uint16_t> requiredCodes() const;

 private:
  std::vector<FormCodeInfo> codes_;
};

}  // namespace quorix::dictionary
