#pragma once
// A deck for Anki's text import: a UTF-8 file whose header lines tell Anki the separator (tab),
// that fields hold HTML, the deck, the column names and which columns are the note's id and tags;
// then one line per verb. Importing it into a note type with the fields Verb, English, Russian,
// Binyan, Root, Table and Conjugation fills them all; into Anki's Basic type, Verb becomes the
// front and English the back. The id column ("quorix-verb-" and the verb id) lets a second import
// of the same verbs update their notes instead of adding copies.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "db/verbdatabase.h"
#include "verbforms.h"

namespace quorix {

struct AnkiDeck {
  std::string text;  // the header lines, then one note line per verb
  std::uint32_t notes = 0;
};

// The notes of the verbs in the given order; verbs without records are left out.
AnkiDeck ankiDeck(const VerbDatabase& db, std::span<const std::uint32_t> verbIds, std::string_view deckName);

// One note line (no line end): the id, the fields and the tags, separated by tabs.
std::string ankiNote(const VerbForms& verb);

// The conjugation as an HTML table: for each tense with forms a heading row, then a row per person
// that has a form.
std::string conjugationTableHtml(const VerbForms& verb);

// Text for an HTML field on one line: &, <, > and " as character references, tabs and line ends
// as blanks.
std::string ankiFieldText(std::string_view text);

}  // namespace quorix
