#pragma once
// The fixed text of the generated pages: the six templates, the row pieces of the two listings,
// the binyan names, the page labels in the three dialog languages and the empty-list page.
// Templates are filled by textual placeholder replacement (textreplace.h); their bytes are part of
// the page protocol (the row command finds rows by their exact tag text), so they are kept verbatim.
//
// Placeholders: "p_font" (the font class), "i_3" .. "i_7" (header labels), "p_%03d" (a form's
// text), "p_a%02d" (always emptied), "p_098" pattern, "p_099" root, "p_tnum" table number, "p_bin"
// binyan digit, "fparam_%02d" (cell markers: the highlighted one gets its colour), "p_1" .. "p_7"
// (binyan names).

#include <string>
#include <string_view>

#include "lists/programstate.h"

namespace quorix {

extern const std::string_view kPageHeadTemplate;     // head, styles, body and upper table up to the binyan cell
extern const std::string_view kPageTail;             // closes the lower table, the body and the page
extern const std::string_view kTranslationTail;      // closes the translation box and the upper table
extern const std::string_view kConjugationTemplate;  // the lower table: header row and the grid
extern const std::string_view kBinyanTemplate;       // the seven binyan rows
extern const std::string_view kTranslationHead;      // the translation cell and its scrolling box

// The pieces of the translation listing's rows.
namespace rowpiece {
extern const std::string_view kHebrewFirstRowStart;
extern const std::string_view kHebrewLightRowStart;
extern const std::string_view kHebrewShadedRowStart;
extern const std::string_view kHebrewMiddle;
extern const std::string_view kHebrewEnd;
extern const std::string_view kRussianHeadingStart;
extern const std::string_view kRussianHeadingEnd;
extern const std::string_view kRussianHighlightedRowStart;
extern const std::string_view kRussianShadedRowStart;
extern const std::string_view kRussianLightRowStart;
extern const std::string_view kRussianScriptStart;
extern const std::string_view kRussianScriptEnd;
extern const std::string_view kRussianMiddle;
extern const std::string_view kRussianEnd;
}  // namespace rowpiece

// After an alternative form, before its base form.
inline constexpr std::string_view kRedBar = " <font color='red'>|</font> ";
// The background of the highlighted cell and of the highlighted Russian row.
inline constexpr std::string_view kHighlightAttribute = "bgcolor='#ffd988'";

// The name of binyan 1 .. 7 as character references; empty for any other number.
std::string_view binyanName(int binyan);

// Page label 0 .. 7 of a dialog language, ready for the page (English as it is, Russian and Hebrew
// as character references); labels 0 to 2 are empty in Hebrew. Empty for an unknown language or label.
const std::string& pageLabelHtml(UiLanguage language, int label);
inline bool hasPageLabels(UiLanguage language) {
  return language == uilanguage::kEnglish || language == uilanguage::kRussian || language == uilanguage::kHebrew;
}

// The page shown when a fill found nothing, in the dialog language (English for any but Russian).
std::string noItemsPage(UiLanguage language);

}  // namespace quorix
