#pragma once
// One verb's records gathered for showing it outside the page (conjugate, export-anki): its forms
// by form code, its translation rows, and the persons of each tense in the order of the page's grid.

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "db/verbdatabase.h"

namespace quorix {

struct Person {
  std::uint16_t code;  // the form code; its alternative is code + 50
  std::string_view label;
};

struct Tense {
  std::string_view title;
  std::span<const Person> persons;
};

// Present, past, future and imperative, with the persons the page's labels name.
std::span<const Tense> tenses();

struct VerbForms {
  std::uint32_t verbId = 0;
  std::map<std::uint16_t, VerbRecord> forms;  // form codes below 100; the views borrow the database's blob
  std::vector<VerbRecord> translations;       // form codes 100 and above, in stored order

  // Walks the verb's records; a verb without records gives no forms.
  static VerbForms read(const VerbDatabase& db, std::uint32_t verbId);

  const VerbRecord* form(std::uint16_t code) const;
  // The table of the root record, else of any form; 0 without forms.
  std::uint32_t tableNumber() const;
  // A form's text in UTF-8 without the page's colour markers, or "-" when the verb lacks the form.
  std::string text(std::uint16_t code) const;
  // The glosses of the translation rows: English rows are plain ASCII, Russian rows code page 1251.
  // Several rows of a language are joined by "; ".
  std::string englishGloss() const;
  std::string russianGloss() const;
};

// Page text of code page 1255 in UTF-8, without the two span markers (0xCE, 0xD0) that only pages colour.
std::string hebrewText(std::string_view text);

}  // namespace quorix
