#pragma once
// How often the verbs of the dictionary occur in a corpus, measured on the unpointed forms their
// conjugations make (see data/verbs-README.md for the method and its limits).

#include <string>
#include <vector>

#include "conjugation.h"
#include "corpuscounts.h"
#include "dictionarysources.h"
#include "leftoutverbs.h"

namespace quorix::dictionary {

// The frequency of each verb, in the order given. The forms counted as imperatives are left out (in
// prose those spellings are nearly always other words). Every other counted form is shared out equally among the
// verbs that make it under the form code it was counted as (an alternative 50-84 counts as its base
// form); a form that no verb makes under that code goes to the verbs that make it under any code; a
// form that no verb makes counts for none. A verb that makes one spelling in several cells takes one
// share of it.
std::vector<double> measureFrequencies(const std::vector<const Conjugation*>& verbs, const CorpusCounts& counts);

struct RankedVerb {
  const LexiconVerb* held = nullptr;     // the lexicon's verb, or null for a left-out one
  const LeftOutVerb* leftOut = nullptr;  // the left-out verb, or null
  double frequency = 0;
};

// The lexicon's verbs and the left-out verbs that a table can conjugate, measured together, most
// frequent first. Equal frequencies keep the lexicon's order (ascending verbId) and put the lexicon's
// verbs before the left-out ones, which keep their file order. False with `error` naming the verb
// when one cannot be conjugated.
bool rankByFrequency(const DictionarySources& sources, const LeftOutVerbs& leftOut, const CorpusCounts& counts,
                     std::vector<RankedVerb>& ranked, std::string& error);

}  // namespace quorix::dictionary
