// The lexicon against the reference verb index and its corpus counts: every verb of the index is held
// or left out with a reason (data/left-out.tsv), the lexicon's ids follow the measured corpus
// frequency, and the dictionary holds nearly all of the most frequent verbs. The figures are printed.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>

#include "corpuscounts.h"
#include "dictionarycompiler.h"
#include "dictionarysources.h"
#include "hebrewtext.h"
#include "leftoutverbs.h"
#include "verbfrequency.h"

namespace quorix::dictionary {
namespace {

const std::string kIndexFolder = std::string(QUORIX_REFERENCE_DIR) + "/verbinflector";

// A verb as the index names it: the binyan and the letters of the unpointed third person masculine
// singular past in defective spelling, "2 נכנס". The index's mark of a sin ("ש'") is dropped: it is
// missing on some of its verbs (חפש for חִפֵּשׂ).
std::string indexKey(int binyan, std::string_view letters) {
  std::string key = std::to_string(binyan) + " ";
  for (char c : letters) {
    if (c != '\'') key += c;
  }
  return key;
}

// binyan letters of the index: A pa'al, B nif'al, C pi'el, D pu'al, E hitpa'el, F hif'il, G huf'al.
int binyanOfIndexLetter(char letter) {
  switch (letter) {
    case 'A': return 1;
    case 'B': return 2;
    case 'C': return 3;
    case 'D': return 4;
    case 'E': return 7;
    case 'F': return 5;
    case 'G': return 6;
    default: return 0;
  }
}

std::vector<std::string> readIndexKeys() {
  std::vector<std::string> keys;
  std::ifstream in(kIndexFolder + "/verb-index.csv");
  for (std::string line; std::getline(in, line);) {
    const std::size_t comma = line.find(',');
    if (comma == std::string::npos || comma + 1 >= line.size()) continue;
    keys.push_back(indexKey(binyanOfIndexLetter(line[comma + 1]), std::string_view(line).substr(0, comma)));
  }
  return keys;
}

class LexiconCoverage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    ASSERT_TRUE(sources_.load(QUORIX_DATA_DIR, "", error)) << error;
    ASSERT_TRUE(leftOut_.load(std::string(QUORIX_DATA_DIR) + "/left-out.tsv", error)) << error;
    ASSERT_TRUE(counts_.load(kIndexFolder + "/verb-counts-from-corpora.txt", error)) << error;
    ASSERT_TRUE(rankByFrequency(sources_, leftOut_, counts_, ranked_, error)) << error;
  }

  static inline DictionarySources sources_;
  static inline LeftOutVerbs leftOut_;
  static inline CorpusCounts counts_;
  static inline std::vector<RankedVerb> ranked_;
};

// The index may name two verbs alike (הֵנִיחַ and הִנִּיחַ are both הניח): each of its entries needs a
// verb of the lexicon or a left-out line of its own, and no key is left out more often than the
// verbs of the lexicon leave room for.
TEST_F(LexiconCoverage, EveryVerbOfTheIndexIsHeldOrLeftOutWithItsReason) {
  const std::vector<std::string> index = readIndexKeys();
  ASSERT_GT(index.size(), 4000u) << "the verb index is missing";
  std::map<std::string, std::size_t> indexed;
  for (const std::string& key : index) ++indexed[key];
  std::map<std::string, std::size_t> held;
  for (const LexiconVerb& verb : sources_.lexicon().verbs()) {
    Conjugation conjugation;
    std::string error;
    ASSERT_TRUE(conjugateInTable(sources_, verb.root, verb.tableNumber, verb.infinitive == "-" ? "" : verb.infinitive,
                                 conjugation, error))
        << error;
    const ConjugatedForm* lemma = conjugation.find(4);
    ASSERT_TRUE(lemma && lemma->exists) << "verb " << verb.verbId;
    ++held[indexKey(verb.binyan, toUtf8(withoutMarks(lemma->pointed)))];
  }
  std::map<std::string, std::size_t> leftOut;
  for (const LeftOutVerb& verb : leftOut_.verbs()) ++leftOut[indexKey(verb.binyan, verb.indexForm)];

  std::size_t heldFromIndex = 0;
  for (const auto& [key, count] : indexed) {
    const std::size_t heldHere = std::min(held[key], count);
    heldFromIndex += heldHere;
    EXPECT_GE(heldHere + leftOut[key], count) << key << " is neither held nor in data/left-out.tsv";
    EXPECT_LE(leftOut[key], count - heldHere) << "data/left-out.tsv leaves out " << key << ", which the lexicon holds";
  }
  for (const auto& [key, count] : leftOut) {
    EXPECT_TRUE(indexed.contains(key)) << "data/left-out.tsv names " << key << ", which is not a verb of the index";
  }
  std::printf("Index: %zu of %zu verbs held, %zu left out\n", heldFromIndex, index.size(), leftOut_.verbs().size());
}

TEST_F(LexiconCoverage, IdsFollowTheMeasuredFrequency) {
  std::uint32_t expected = 0;
  for (const RankedVerb& r : ranked_) {
    if (!r.held) continue;
    ++expected;
    ASSERT_EQ(r.held->verbId, expected) << "the lexicon is not numbered by frequency (" << r.held->rootText
                                        << "); run quorix-rank --renumber";
  }
}

TEST_F(LexiconCoverage, HoldsNearlyAllOfTheMostFrequentVerbs) {
  std::map<std::size_t, std::size_t> heldAmong{{300, 0}, {1000, 0}, {3000, 0}};
  for (std::size_t i = 0; i < ranked_.size(); ++i) {
    for (auto& [top, held] : heldAmong) {
      if (i < top && ranked_[i].held) ++held;
    }
  }
  for (const auto& [top, held] : heldAmong) {
    std::printf("Coverage: %zu of the %zu most frequent verbs held (%.1f%%)\n", held, top, 100.0 * static_cast<double>(held) / static_cast<double>(top));
  }
  EXPECT_GE(heldAmong[1000], 970u);
  EXPECT_GE(heldAmong[3000], 2760u);
}

}  // namespace
}  // namespace quorix::dictionary
