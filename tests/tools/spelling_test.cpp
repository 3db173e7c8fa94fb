// Spelling rules that hold for every form of every verb, checked over the whole dictionary: what a
// table's templates cannot show by themselves because they hold only where certain letters meet.

#include <gtest/gtest.h>

#include "dictionarycompiler.h"
#include "dictionarysources.h"
#include "hebrewtext.h"
#include "shippeddata.h"

namespace quorix::dictionary {
namespace {

class Spelling : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(shipped_.error.empty()) << shipped_.error; }

  const ShippedData& shipped_ = shippedData();
  const DictionarySources& sources_ = shipped_.sources;
  const CompiledDictionary& dictionary_ = shipped_.compiled;
};

// A pointed form as letters, each with its marks.
struct PointedLetter {
  char32_t letter = 0;
  std::u32string marks;
  bool has(char32_t mark) const { return marks.find(mark) != std::u32string::npos; }
};

std::vector<PointedLetter> lettersOf(std::u32string_view form) {
  std::vector<PointedLetter> out;
  for (char32_t c : form) {
    if (isHebrewLetter(c)) {
      out.push_back({c, {}});
    } else if (!out.empty()) {
      out.back().marks += c;
    }
  }
  return out;
}

// In a four-letter root the second radical closes its syllable (תִּרְגֵּם, הִתְבַּלְבֵּל), so a begadkefat
// third radical after it takes dagesh lene, loanwords as well (לְטַלְפֵּן, מְקַטְלֵג).
TEST_F(Spelling, ABegadkefatThirdRadicalOfAFourLetterRootTakesDageshLene) {
  std::string faults;
  for (const CompiledVerb& v : dictionary_.verbs) {
    const Root& root = v.verb->root;
    if (root.size() != 4 || !isBegadkefat(root.letter(3))) continue;
    for (const ConjugatedForm& f : v.conjugation.forms) {
      if (!f.exists) continue;
      const std::vector<PointedLetter> letters = lettersOf(f.pointed);
      // The first run of the first three radicals in a row (a prefix letter may repeat a radical).
      for (std::size_t i = 2; i < letters.size(); ++i) {
        if (ordinaryForm(letters[i - 2].letter) != root.letter(1) || ordinaryForm(letters[i - 1].letter) != root.letter(2) ||
            ordinaryForm(letters[i].letter) != root.letter(3) || !letters[i - 1].has(kShva)) {
          continue;
        }
        if (!letters[i].has(kDagesh)) {
          faults += "  verb " + std::to_string(v.verb->verbId) + " form " + std::to_string(f.code) + ": " +
                    toUtf8(f.pointed) + "\n";
        }
        break;
      }
    }
  }
  EXPECT_TRUE(faults.empty()) << "a third radical without dagesh lene:\n" << faults;
}

// A first ח of hif'il and huf'al closes its syllable with a silent shva (הֶחְזִיק, יַחְלִיט, הֻחְלַט),
// never a hataf: one convention for the whole dictionary.
TEST_F(Spelling, FirstHetOfHifilAndHufalTakesASilentShva) {
  std::string faults;
  for (const CompiledVerb& v : dictionary_.verbs) {
    if ((v.verb->binyan != 5 && v.verb->binyan != 6) || v.verb->root.letter(1) != U'ח') continue;
    for (const ConjugatedForm& f : v.conjugation.forms) {
      if (!f.exists) continue;
      const std::vector<PointedLetter> letters = lettersOf(f.pointed);
      for (std::size_t i = 1; i < letters.size(); ++i) {
        if (letters[i].letter != U'ח') continue;
        // The first ח of the form is the first radical; it closes the prefix syllable only after the
        // prefix's short vowel (not after the shuruq of a hollow root's הוּחֲשָׁה).
        const PointedLetter& prefix = letters[i - 1];
        const bool closesPrefix = prefix.has(kPatah) || prefix.has(kSegol) || prefix.has(kQubuts);
        if (closesPrefix && (letters[i].has(kHatafPatah) || letters[i].has(kHatafSegol))) {
          faults += "  verb " + std::to_string(v.verb->verbId) + " form " + std::to_string(f.code) + ": " +
                    toUtf8(f.pointed) + "\n";
        }
        break;
      }
    }
  }
  EXPECT_TRUE(faults.empty()) << "a first ח with hataf in hif'il or huf'al:\n" << faults;
}

}  // namespace
}  // namespace quorix::dictionary
