#include "verbfrequency.h"

#include <algorithm>
#include <unordered_map>

#include "dictionarycompiler.h"
#include "hebrewtext.h"

namespace quorix::dictionary {

namespace {

struct Maker {
  std::size_t verb = 0;
  std::uint16_t code = 0;  // the base code: an alternative counts as the form it stands beside
};

std::uint16_t baseCode(std::uint16_t code) { return code >= 50 && code <= 84 ? static_cast<std::uint16_t>(code - 50) : code; }

// In a corpus of prose the spellings counted as imperatives are nearly all other words (חבר "friend",
// לך "to you", שנה "year", מכן of "after that"), and real imperatives are too few to move a verb's rank.
bool countedAsImperative(const CountedForm& counted) { return counted.code && *counted.code >= 31 && *counted.code <= 34; }

}  // namespace

std::vector<double> measureFrequencies(const std::vector<const Conjugation*>& verbs, const CorpusCounts& counts) {
  std::unordered_map<std::string, std::vector<Maker>> makers;  // unpointed form -> who makes it where
  for (std::size_t v = 0; v < verbs.size(); ++v) {
    for (const ConjugatedForm& form : verbs[v]->forms) {
      if (form.exists) makers[toUtf8(form.unpointed)].push_back({v, baseCode(form.code)});
    }
  }
  std::vector<double> frequency(verbs.size(), 0.0);
  std::vector<std::size_t> sharers;
  for (const CountedForm& counted : counts.forms()) {
    if (countedAsImperative(counted)) continue;
    const auto found = makers.find(counted.form);
    if (found == makers.end()) continue;
    sharers.clear();
    if (counted.code) {
      for (const Maker& m : found->second) {
        if (m.code == *counted.code) sharers.push_back(m.verb);
      }
    }
    if (sharers.empty()) {
      for (const Maker& m : found->second) sharers.push_back(m.verb);
    }
    std::sort(sharers.begin(), sharers.end());
    sharers.erase(std::unique(sharers.begin(), sharers.end()), sharers.end());
    const double share = static_cast<double>(counted.count) / static_cast<double>(sharers.size());
    for (std::size_t v : sharers) frequency[v] += share;
  }
  return frequency;
}

bool rankByFrequency(const DictionarySources& sources, const LeftOutVerbs& leftOut, const CorpusCounts& counts,
                     std::vector<RankedVerb>& ranked, std::string& error) {
  std::vector<const LexiconVerb*> held;
  for (const LexiconVerb& verb : sources.lexicon().verbs()) held.push_back(&verb);
  std::sort(held.begin(), held.end(), [](const LexiconVerb* a, const LexiconVerb* b) { return a->verbId < b->verbId; });

  ranked.clear();
  std::vector<Conjugation> conjugations;
  conjugations.reserve(held.size() + leftOut.verbs().size());
  for (const LexiconVerb* verb : held) {
    conjugations.emplace_back();
    const std::string infinitive = verb->infinitive == "-" ? std::string() : verb->infinitive;
    if (!conjugateInTable(sources, verb->root, verb->tableNumber, infinitive, conjugations.back(), error)) {
      error = "verb " + std::to_string(verb->verbId) + " (" + verb->rootText + "): " + error;
      return false;
    }
    ranked.push_back({verb, nullptr, 0.0});
  }
  for (const LeftOutVerb& verb : leftOut.verbs()) {
    if (!verb.root) continue;
    conjugations.emplace_back();
    if (!conjugateInTable(sources, *verb.root, verb.tableNumber, std::string(), conjugations.back(), error)) {
      error = "left-out verb " + verb.indexForm + " (line " + std::to_string(verb.line) + "): " + error;
      return false;
    }
    ranked.push_back({nullptr, &verb, 0.0});
  }
  std::vector<const Conjugation*> measured;
  for (const Conjugation& c : conjugations) measured.push_back(&c);
  const std::vector<double> frequency = measureFrequencies(measured, counts);
  for (std::size_t i = 0; i < ranked.size(); ++i) ranked[i].frequency = frequency[i];
  // The list is in lexicon order, then file order: a stable sort keeps that order among equals.
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const RankedVerb& a, const RankedVerb& b) { return a.frequency > b.frequency; });
  return true;
}

}  // namespace quorix::dictionary
