#pragma once
// Turns the dictionary sources into the records of the three databases and writes them.
//
// A verb's records, in stored order: the cells of its conjugation by ascending form code (form 0
// first, the alternatives 50 to 84 after the cells), the pattern record 98 (its table's pattern as
// list text), the root record 99 (the root with hyphens as form text, the root as typed as list
// text, with the hint "שׂ" behind the colour mark when it has a sin, so that shin and sin roots stay
// apart), an English row 100 and a Russian row 101 (the headword beside the glosses). A form's list
// text is its full spelling, followed for every form but the infinitive by the colour mark (0x01,
// blue 5) and, after two blanks, the headword in full spelling, so that a row of the all-forms list
// says which verb it belongs to. A form that does not exist is "-" in both texts; an alternative
// spelled like the form it stands beside (אִכָּנֵס, אֶכָּנֵס) has the list text "-", so that the lists
// show that spelling once. The headword is
// the infinitive, or the third person masculine singular past where the binyan has no infinitive.
//
// The Russian side: one group per Russian gloss, in the order of its code page 1251 bytes; group g
// has the head g*1000 with the word and rows g*1000+1... with the verbs that it translates, the
// verbs whose main translation it is first (marked), each group by ascending verbId; one search
// entry per group with key g*1000+1.
//
// Problems do not stop the compilation: a verb that cannot be conjugated (unknown table, a root that
// does not fit a template) is left out, every other problem (an infinitive that differs from the
// lexicon's, a root outside its table's class, text that the page would read as markup, a Russian
// word too long for the search index) is reported with the verb kept or the word left out.

#include <string>
#include <vector>

#include "conjugation.h"
#include "db/databasewriter.h"
#include "dictionarysources.h"

namespace quorix::dictionary {

struct CompiledVerb {
  const LexiconVerb* verb = nullptr;  // points into the sources' lexicon
  Conjugation conjugation;
  std::u32string headword;  // pointed
};

struct CompiledDictionary {
  std::vector<VerbRecordSource> verbRecords;
  ModelVerbs models;
  std::vector<TranslationRecordSource> translations;
  std::vector<SearchEntrySource> searchEntries;
  std::vector<CompiledVerb> verbs;  // the verbs that were compiled, ascending verbId
  std::vector<std::string> problems;
};

// The conjugation of `root` in a catalogued table with the overrides the sources hold for it (those
// written for `infinitive` first, when it is not empty); false with `error` when the table is unknown
// or conjugate() fails.
bool conjugateInTable(const DictionarySources& sources, const Root& root, std::uint32_t tableNumber,
                      const std::string& infinitive, Conjugation& conjugation, std::string& error);

// The compiled dictionary; the sources must outlive the result.
CompiledDictionary compileDictionary(const DictionarySources& sources);

// Bytes that the page would not show as text: the span markers 0xCE and 0xD0, and '0' and '='
// (a glyph and a right-to-left span), '<' and '>' (markup). Empty when the text is clean; else a
// description of the first offending byte.
std::string pageMarkupIn(const std::string& bytes);

// Writes hebrew.db, russian.db and rusearch.db into `folder`; false with `error` when the writer
// refuses a record or a file cannot be written.
bool writeDictionary(const CompiledDictionary& dictionary, const std::string& folder, std::string& error);

}  // namespace quorix::dictionary
