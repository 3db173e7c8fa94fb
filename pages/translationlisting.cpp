#include "translationlisting.h"

#include <string>

#include "htmltext.h"
#include "pagetemplates.h"

namespace quorix {

namespace {

void invertStripe(PageState& page) { page.stripeFlag = page.stripeFlag == 0 ? 1 : 0; }

}  // namespace

void addTranslationRow(PageState& page, const VerbRecord& record) {
  std::string& section = page.translationSection;
  if (section.empty()) {
    section += kTranslationHead;
    section += rowpiece::kHebrewFirstRowStart;
  } else {
    section += page.stripeFlag != 0 ? rowpiece::kHebrewLightRowStart : rowpiece::kHebrewShadedRowStart;
  }
  section += encodeHtmlText(record.formText, 1255);
  section += rowpiece::kHebrewMiddle;
  section += encodeHtmlText(record.translationText, 1251);
  section += rowpiece::kHebrewEnd;
  invertStripe(page);
}

void addRussianRow(PageState& page, const TranslationRecord& record) {
  std::string& section = page.translationSection;
  if (section.empty()) {
    section += kTranslationHead;
    section += rowpiece::kRussianHeadingStart;
    section += encodeHtmlText(record.russianText, 1251);
    section += rowpiece::kRussianHeadingEnd;
    invertStripe(page);
    page.translationRowCount = 0;
    return;
  }
  const std::uint16_t row = page.translationRowCount++;
  if (page.stripeFlag != 0) {
    section += rowpiece::kRussianLightRowStart;
  } else {
    section += row == 0 ? rowpiece::kRussianHighlightedRowStart : rowpiece::kRussianShadedRowStart;
  }
  section += std::to_string(row);
  section += rowpiece::kRussianScriptStart;
  section += "reloadtab_" + std::to_string(record.verbId) + ":" + std::to_string(row);
  section += rowpiece::kRussianScriptEnd;
  section += encodeHtmlText(record.hebrewText, 1255);
  section += rowpiece::kRussianMiddle;
  section += encodeHtmlText(record.russianText, 1251);
  section += rowpiece::kRussianEnd;
  invertStripe(page);
}

}  // namespace quorix
