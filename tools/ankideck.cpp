#include "ankideck.h"

#include "clinames.h"
#include "db/records.h"
#include "htmltree.h"
#include "pages/pagetemplates.h"

namespace quorix {

namespace {

// The note's fields, in column order after the id.
struct AnkiField {
  std::string_view name;
  std::string (*value)(const VerbForms&);
};

// The word a learner knows the verb by: the infinitive, or for a binyan without one (pu'al,
// huf'al) the past form "he", as the dictionary's headwords are.
std::string headword(const VerbForms& verb) {
  const std::string infinitive = verb.text(form::kInfinitive);
  return infinitive != "-" ? infinitive : verb.text(form::kListedPast);
}

std::string binyanField(const VerbForms& verb) {
  const int binyan = binyanOfTable(verb.tableNumber());
  const std::string_view latin = binyanLatinName(static_cast<std::uint32_t>(binyan));
  if (latin.empty()) return std::to_string(binyan);
  return std::string(latin) + " (" + decodeCharacterReferences(binyanName(binyan)) + ")";
}

constexpr AnkiField kFields[] = {
    {"Verb", [](const VerbForms& v) { return ankiFieldText(headword(v)); }},
    {"English", [](const VerbForms& v) { return ankiFieldText(v.englishGloss()); }},
    {"Russian", [](const VerbForms& v) { return ankiFieldText(v.russianGloss()); }},
    {"Binyan", [](const VerbForms& v) { return ankiFieldText(binyanField(v)); }},
    {"Root", [](const VerbForms& v) { return ankiFieldText(v.text(form::kRoot)); }},
    {"Table", [](const VerbForms& v) { return std::to_string(v.tableNumber()); }},
    {"Conjugation", conjugationTableHtml},
};

// Anki tags hold no blanks; "binyan::piel" nests under "binyan" in Anki's tag list.
std::string tagsOf(const VerbForms& verb) {
  std::string binyan(binyanLatinName(static_cast<std::uint32_t>(binyanOfTable(verb.tableNumber()))));
  std::erase(binyan, '\'');
  std::string tags = "quorix table::" + std::to_string(verb.tableNumber());
  if (!binyan.empty()) tags += " binyan::" + binyan;
  return tags;
}

}  // namespace

std::string ankiFieldText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\t':
      case '\n':
      case '\r':
        out += ' ';
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string conjugationTableHtml(const VerbForms& verb) {
  std::string html = "<table class=quorix-conjugation>";
  for (const Tense& tense : tenses()) {
    std::string rows;
    for (const Person& person : tense.persons) {
      const VerbRecord* base = verb.form(person.code);
      const VerbRecord* alternative = verb.form(static_cast<std::uint16_t>(person.code + form::kFirstAlternative));
      if (base == nullptr && alternative == nullptr) continue;
      std::string forms = base != nullptr ? hebrewText(base->formText) : std::string();
      if (alternative != nullptr) {
        forms += (base != nullptr ? " (also " : "(") + hebrewText(alternative->formText) + ")";
      }
      rows += "<tr><td>" + ankiFieldText(person.label) + "</td><td dir=rtl>" + ankiFieldText(forms) + "</td></tr>";
    }
    if (!rows.empty()) html += "<tr><th colspan=2>" + std::string(tense.title) + "</th></tr>" + rows;
  }
  return html + "</table>";
}

std::string ankiNote(const VerbForms& verb) {
  std::string line = "quorix-verb-" + std::to_string(verb.verbId);
  for (const AnkiField& field : kFields) line += "\t" + field.value(verb);
  return line + "\t" + tagsOf(verb);
}

AnkiDeck ankiDeck(const VerbDatabase& db, std::span<const std::uint32_t> verbIds, std::string_view deckName) {
  AnkiDeck deck;
  deck.text =
      "#separator:tab\n"
      "#html:true\n"
      "#deck:" +
      ankiFieldText(deckName) +
      "\n"
      "#guid column:1\n"
      "#tags column:" +
      std::to_string(std::size(kFields) + 2) +
      "\n"
      "#columns:Id";
  for (const AnkiField& field : kFields) deck.text += "\t" + std::string(field.name);
  deck.text += "\tTags\n";
  for (const std::uint32_t verbId : verbIds) {
    const VerbForms verb = VerbForms::read(db, verbId);
    if (verb.forms.empty() && verb.translations.empty()) continue;
    deck.text += ankiNote(verb) + '\n';
    ++deck.notes;
  }
  return deck;
}

}  // namespace quorix
