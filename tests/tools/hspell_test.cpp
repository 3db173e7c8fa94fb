// Every full-spelling form of a verb that Hspell knows must be recognised by Hspell as a verb form
// of the same tense, person, gender and number. A verb is known when Hspell takes its third person
// masculine singular past for that form. Failures that are not defects of ours (a spelling Hspell
// does not accept, a verb Hspell holds in another sense) are listed in data/checks/hspell.tsv with
// their reason. An unrecognised form that is not listed, a listed exception that no longer fails, or
// a share of recognised forms below 99.5% fails the test.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "db/codepages.h"
#include "dictionarycompiler.h"
#include "dictionarysources.h"
#include "shippeddata.h"
#include "hebrewtext.h"
#include "support/tempfolder.h"
#include "tabfile.h"

namespace quorix::dictionary {
namespace {

struct Analysis {
  std::string prefix;    // "ל" for "ל+לכתוב", empty for a bare word
  std::string features;  // inside the parentheses, without the leading "פ," of a verb
  bool verb = false;
};

// hspell -l on a file of words, one a line; the answer maps each recognised word to its analyses.
// The words and the answer are in the ISO 8859-8 letters, which code page 1255 shares.
bool runHspell(const std::vector<std::string>& words, std::map<std::string, std::vector<Analysis>>& analyses,
               std::string& error) {
  test::TempFolder folder;
  {
    std::ofstream in(folder.file("words.txt"), std::ios::binary);
    for (const std::string& w : words) in << utf8ToCodePage(w, CodePage::Hebrew1255) << "\n";
  }
  const std::string command = std::string(QUORIX_HSPELL) + " -l < '" + folder.file("words.txt") + "' > '" +
                              folder.file("out.txt") + "' 2>&1";
  if (std::system(command.c_str()) == -1) {
    error = "cannot run " + command;
    return false;
  }
  std::ifstream out(folder.file("out.txt"), std::ios::binary);
  std::string line;
  std::string word;
  std::string prefix;
  const std::string valid = "מילה חוקית: ";
  const std::string combined = "צירוף חוקי: ";
  while (std::getline(out, line)) {
    line = codePageToUtf8(line, CodePage::Hebrew1255);
    if (line.rfind(valid, 0) == 0 || line.rfind(combined, 0) == 0) {
      const bool isCombined = line.rfind(combined, 0) == 0;
      const std::string text = line.substr(isCombined ? combined.size() : valid.size());
      const std::size_t plus = text.find('+');
      prefix = plus == std::string::npos ? std::string() : text.substr(0, plus);
      word = plus == std::string::npos ? text : text.substr(0, plus) + text.substr(plus + 1);
      analyses[word];
    } else if (!line.empty() && line[0] == '\t' && !word.empty()) {
      const std::size_t open = line.find('(');
      const std::size_t close = line.rfind(')');
      if (open == std::string::npos || close == std::string::npos || close < open) continue;
      Analysis a;
      a.prefix = prefix;
      a.features = line.substr(open + 1, close - open - 1);
      a.verb = a.features.rfind("פ,", 0) == 0;
      if (a.verb) a.features = a.features.substr(std::string("פ,").size());
      analyses[word].push_back(std::move(a));
    } else {
      word.clear();
    }
  }
  return true;
}

bool recognises(const std::vector<Analysis>& analyses, const FormCodeInfo& info) {
  for (const Analysis& a : analyses) {
    if (!a.verb) continue;
    for (const std::string& expected : info.hspell) {
      // The infinitive comes as the prefix ל and the bare form; every other form comes bare.
      const bool prefixFits = info.code == 0 ? a.prefix == "ל" : a.prefix.empty();
      if (prefixFits && a.features == expected) return true;
    }
  }
  return false;
}

TEST(Hspell, RecognisesTheFullSpellingOfEveryFormOfTheVerbsItKnows) {
  const ShippedData& shipped = shippedData();
  ASSERT_TRUE(shipped.error.empty()) << shipped.error;
  const DictionarySources& sources = shipped.sources;
  const CompiledDictionary& dictionary = shipped.compiled;
  std::string error;

  std::set<std::string> words;
  for (const CompiledVerb& v : dictionary.verbs) {
    for (const ConjugatedForm& f : v.conjugation.forms) {
      if (f.exists) words.insert(toUtf8(f.unpointed));
    }
  }
  std::map<std::string, std::vector<Analysis>> analyses;
  ASSERT_TRUE(runHspell({words.begin(), words.end()}, analyses, error)) << error;
  ASSERT_FALSE(analyses.empty()) << "hspell answered nothing; is it installed (scripts/install-deps.sh)?";

  std::vector<TabLine> lines;
  ASSERT_TRUE(readTabFile(std::string(QUORIX_DATA_DIR) + "/checks/hspell.tsv", lines, error)) << error;
  std::map<std::string, std::string> exceptions;  // "form/code" -> reason
  for (const TabLine& line : lines) {
    ASSERT_EQ(line.fields.size(), 3u) << "data/checks/hspell.tsv:" << line.number;
    exceptions[line.fields[0] + "/" + line.fields[1]] = line.fields[2];
  }

  const FormCodeInfo pastHe = *sources.formCodes().find(4);
  std::size_t knownVerbs = 0;
  std::size_t checked = 0;
  std::size_t recognised = 0;
  std::set<std::string> usedExceptions;
  std::string unexplained;
  for (const CompiledVerb& v : dictionary.verbs) {
    const ConjugatedForm* lemma = v.conjugation.find(4);
    if (!lemma || !lemma->exists || !recognises(analyses[toUtf8(lemma->unpointed)], pastHe)) continue;
    ++knownVerbs;
    for (const ConjugatedForm& f : v.conjugation.forms) {
      const auto info = sources.formCodes().find(f.code);
      if (!f.exists || !info || info->hspell.empty() || v.conjugation.spelledLikeItsBase(f)) {
        continue;  // its spelling is checked as the form it stands beside
      }
      ++checked;
      const std::string form = toUtf8(f.unpointed);
      if (recognises(analyses[form], *info)) {
        ++recognised;
        continue;
      }
      const std::string key = form + "/" + std::to_string(f.code);
      if (exceptions.contains(key)) {
        usedExceptions.insert(key);
      } else {
        unexplained += "  " + form + "\t" + std::to_string(f.code) + "\t(verb " + std::to_string(v.verb->verbId) +
                       " " + v.verb->rootText + ", table " + std::to_string(v.verb->tableNumber) + ")\n";
      }
    }
  }
  const double share = checked == 0 ? 0.0 : static_cast<double>(recognised) / static_cast<double>(checked);
  std::printf("Hspell: %zu of %zu verbs known; %zu of %zu forms recognised (%.2f%%), %zu listed exceptions\n",
              knownVerbs, dictionary.verbs.size(), recognised, checked, 100.0 * share, usedExceptions.size());
  EXPECT_GE(share, 0.995);
  EXPECT_GE(knownVerbs, dictionary.verbs.size() / 2) << "Hspell should know most of our verbs";
  EXPECT_TRUE(unexplained.empty()) << "forms Hspell does not recognise: fix the paradigm or list them in "
                                       "data/checks/hspell.tsv with the reason\n"
                                    << unexplained;
  for (const auto& [key, reason] : exceptions) {
    EXPECT_TRUE(usedExceptions.contains(key)) << "data/checks/hspell.tsv lists " << key << ", which now passes or is gone";
  }
}

}  // namespace
}  // namespace quorix::dictionary
