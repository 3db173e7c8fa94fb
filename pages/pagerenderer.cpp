#include "pagerenderer.h"

#include <string>

#include "binyanlisting.h"
#include "db/recordwalks.h"
#include "htmltext.h"
#include "pagetemplates.h"
#include "textreplace.h"
#include "translationlisting.h"

namespace quorix {

PageRenderer::PageRenderer(ProgramState& state, PageState& page, const DatabaseReaders& readers, PageHost& pane)
    : state_(state), page_(page), readers_(readers), pane_(pane) {}

void PageRenderer::showVerbPage(ListEntry entry) {
  std::uint16_t selectedForm = 0;
  if (state_.inputLanguage == inputlanguage::kHebrew) {
    VerbRecord selected;
    // A stale or damaged entry must not build a page from a record that was never decoded.
    if (!readers_.verbs.decode(entry, selected)) return;
    selectedForm = selected.formCode;
    page_.translationSection.clear();
    forEachRecordOfVerb(readers_.verbs, selected.verbId, [&](RecordOffset, const VerbRecord& record) {
      if (record.formCode < form::kFirstTranslation) {
        fillConjugationCell(record);
      } else {
        addTranslationRow(page_, record);
      }
      return true;
    });
  } else {
    RussianSearchEntry searched;
    if (!readers_.russianIndex.entryAt(entry, searched)) return;
    selectedForm = searched.highlightCell;
    page_.translationSection.clear();
    fillRussianSide(searched);
  }
  // An alternative highlights the cell of its base form; the Russian infinitive list always the
  // past form of "he" (cell 4).
  std::uint16_t cell = selectedForm;
  if (cell >= form::kFirstAlternative && cell < form::kPattern) cell = static_cast<std::uint16_t>(cell - 50);
  if (state_.searchMode == listmode::kRussianInfinitives) cell = form::kListedPast;
  assemblePage(cell, PageScroll::Top);
}

void PageRenderer::fillRussianSide(const RussianSearchEntry& entry) {
  page_.keptHighlightCell =
      state_.searchMode == listmode::kRussianInfinitives ? form::kListedPast : entry.highlightCell;
  std::uint32_t verbToShow = 0;
  forEachRowOfGroup(readers_.translations, entry.key,
                    [&](RecordOffset, const TranslationRecord& record, bool isHead) {
                      if (!isHead && entry.markedOnly != 0 && record.marked == 0) return true;
                      addRussianRow(page_, record);
                      if (!isHead && verbToShow == 0) verbToShow = record.verbId;
                      return true;
                    });
  // With no visible row the walk of verb 0 finds nothing and the table stays as it was.
  forEachRecordOfVerb(readers_.verbs, verbToShow, [&](RecordOffset, const VerbRecord& record) {
    if (record.formCode < form::kFirstTranslation) fillConjugationCell(record);
    return true;
  });
}

void PageRenderer::fillConjugationCell(const VerbRecord& record) {
  const std::uint16_t code = record.formCode;
  std::string& section = page_.conjugationSection;
  const std::string name = placeholder("p_", code, 3);
  if (code == form::kInfinitive) {
    section = kConjugationTemplate;
    replaceAll(section, name, encodeHtmlText(record.formText, 1255));
  } else if (code < form::kFirstAlternative) {
    replaceAll(section, name, encodeHtmlText(record.formText, 1255));
  } else if (code < form::kPattern) {
    replaceAll(section, name, encodeHtmlText(record.formText, 1255) + std::string(kRedBar));
    replaceAll(section, placeholder("p_a", code, 2), "");
  } else if (code == form::kPattern) {
    replaceAll(section, name, encodeHtmlText(displayedPattern(record.listText), 1255));
  } else if (code == form::kRoot) {
    replaceAll(section, name, encodeHtmlText(record.formText, 1255));
    const std::string table = std::to_string(record.tableNumber);
    replaceAll(section, "p_bin", table.substr(0, 1));
    replaceAll(section, "p_tnum", table);
    for (unsigned i = form::kFirstAlternative; i <= form::kLastAlternative; ++i) {
      replaceAll(section, placeholder("p_", i, 3), "");
      replaceAll(section, placeholder("p_a", i, 2), "");
    }
    buildBinyanListing(readers_.verbs, record, state_, page_);
  }
}

void PageRenderer::assemblePage(std::uint16_t cell, PageScroll scroll) {
  replaceAll(page_.binyanSection, "p_font", page_.fontClass);
  replaceAll(page_.translationSection, "p_font", page_.fontClass);
  replaceAll(page_.conjugationSection, "p_font", page_.fontClass);
  std::string html = page_.pageHead + page_.binyanSection + page_.translationSection;
  replaceAll(page_.conjugationSection, placeholder("fparam_", cell, 2), kHighlightAttribute);
  html += kTranslationTail;
  html += page_.conjugationSection;
  html += kPageTail;
  if (hasPageLabels(state_.dialogLanguage)) {
    for (unsigned i = 0; i < 8; ++i) {
      replaceAll(html, placeholder("i_", i, 1), pageLabelHtml(state_.dialogLanguage, static_cast<int>(i)));
    }
  }
  showPage(pane_, html, scroll);
  page_.stripeFlag = 1;
}

}  // namespace quorix
