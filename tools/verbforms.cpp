#include "verbforms.h"

#include <algorithm>

#include "db/codepages.h"
#include "db/recordwalks.h"

namespace quorix {

namespace {

constexpr Person kPresent[] = {{21, "m. sg."}, {22, "f. sg."}, {23, "m. pl."}, {24, "f. pl."}};
constexpr Person kPast[] = {{1, "I"},   {2, "you (m. sg.)"}, {3, "you (f. sg.)"}, {4, "he"},
                            {5, "she"}, {6, "we"},           {8, "you (pl.)"},    {9, "they"}};
constexpr Person kFuture[] = {{11, "I"},         {12, "you (m. sg.)"}, {13, "you (f. sg.)"},
                              {14, "he"},        {15, "she"},          {16, "we"},
                              {17, "you (pl.)"}, {19, "they"},         {20, "you/they (f. pl.)"}};
constexpr Person kImperative[] = {{31, "you (m. sg.)"}, {32, "you (f. sg.)"}, {33, "you (pl.)"}, {34, "you (f. pl.)"}};
constexpr Tense kTenses[] = {{"present", kPresent}, {"past", kPast}, {"future", kFuture}, {"imperative", kImperative}};

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::string joinGlosses(const std::vector<VerbRecord>& rows, bool english) {
  std::string joined;
  for (const VerbRecord& row : rows) {
    if (isAscii(row.translationText) != english || row.translationText.empty()) continue;
    if (!joined.empty()) joined += "; ";
    joined += codePageToUtf8(row.translationText, CodePage::Russian1251);
  }
  return joined;
}

}  // namespace

std::span<const Tense> tenses() { return kTenses; }

std::string hebrewText(std::string_view text) {
  std::string plain(text);
  std::erase_if(plain, [](char c) { return c == '\xCE' || c == '\xD0'; });
  return codePageToUtf8(plain, CodePage::Hebrew1255);
}

VerbForms VerbForms::read(const VerbDatabase& db, std::uint32_t verbId) {
  VerbForms verb;
  verb.verbId = verbId;
  forEachRecordOfVerb(db, verbId, [&verb](RecordOffset, const VerbRecord& record) {
    if (record.formCode >= form::kFirstTranslation) {
      verb.translations.push_back(record);
    } else {
      verb.forms.emplace(record.formCode, record);
    }
    return true;
  });
  return verb;
}

const VerbRecord* VerbForms::form(std::uint16_t code) const {
  const auto found = forms.find(code);
  return found == forms.end() ? nullptr : &found->second;
}

std::uint32_t VerbForms::tableNumber() const {
  if (const VerbRecord* root = form(form::kRoot)) return root->tableNumber;
  return forms.empty() ? 0 : forms.begin()->second.tableNumber;
}

std::string VerbForms::text(std::uint16_t code) const {
  const VerbRecord* record = form(code);
  return record == nullptr ? std::string("-") : hebrewText(record->formText);
}

std::string VerbForms::englishGloss() const { return joinGlosses(translations, true); }
std::string VerbForms::russianGloss() const { return joinGlosses(translations, false); }

}  // namespace quorix
