// The pointed forms checked against UniMorph's Hebrew inflection tables (from Wiktionary): for every
// verb that both hold — matched on the pointed third person masculine singular past, UniMorph's
// lemma — every cell is compared after canonical decomposition. A verb whose whole table the
// reference spells with one error (data/checks/unimorph-lemmas.tsv: טִלְפֵן for טִלְפֵּן) counts as
// held, and its cells are not compared. A cell agrees when our form is one of the forms
// UniMorph gives for its features. The agreement and the share of UniMorph's verbs the dictionary
// holds are printed; the floors are 99% of compared cells and 97% of its verbs. Every difference must
// be listed with its reason in data/checks/unimorph.tsv (the reference's errors and our chosen
// conventions), and every listed difference must still occur.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "dictionarycompiler.h"
#include "dictionarysources.h"
#include "shippeddata.h"
#include "hebrewtext.h"
#include "tabfile.h"

namespace quorix::dictionary {
namespace {

// lemma -> features -> forms, all decomposed.
using ReferenceTables = std::map<std::string, std::map<std::string, std::set<std::string>>>;

ReferenceTables readReference(const std::string& path) {
  ReferenceTables tables;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string lemma;
    std::string form;
    std::string features;
    if (!std::getline(fields, lemma, '\t') || !std::getline(fields, form, '\t') || !std::getline(fields, features)) continue;
    if (features.rfind("V;", 0) != 0) continue;
    tables[decomposedUtf8(lemma)][features].insert(decomposedUtf8(form));
  }
  return tables;
}

TEST(UniMorph, PointedFormsAgreeWithTheReferenceTables) {
  const ReferenceTables reference = readReference(std::string(QUORIX_REFERENCE_DIR) + "/unimorph-heb/heb_voc");
  ASSERT_FALSE(reference.empty()) << "the reference tables are missing";
  const ShippedData& shipped = shippedData();
  ASSERT_TRUE(shipped.error.empty()) << shipped.error;
  const DictionarySources& sources = shipped.sources;
  const CompiledDictionary& dictionary = shipped.compiled;
  std::string error;

  std::vector<TabLine> lines;
  ASSERT_TRUE(readTabFile(std::string(QUORIX_DATA_DIR) + "/checks/unimorph.tsv", lines, error)) << error;
  std::set<std::string> listed;  // "lemma/code", lemma decomposed
  for (const TabLine& line : lines) {
    ASSERT_EQ(line.fields.size(), 3u) << "data/checks/unimorph.tsv:" << line.number;
    std::istringstream lemmas(line.fields[0]);
    std::string lemma;
    while (lemmas >> lemma) {
      std::istringstream codes(line.fields[1]);
      std::string code;
      while (codes >> code) listed.insert(decomposedUtf8(lemma) + "/" + code);
    }
  }

  std::map<std::string, std::string> referenceLemmaOf;  // ours -> the reference's, both decomposed
  ASSERT_TRUE(readTabFile(std::string(QUORIX_DATA_DIR) + "/checks/unimorph-lemmas.tsv", lines, error)) << error;
  for (const TabLine& line : lines) {
    ASSERT_EQ(line.fields.size(), 3u) << "data/checks/unimorph-lemmas.tsv:" << line.number;
    ASSERT_TRUE(reference.contains(decomposedUtf8(line.fields[0]))) << line.fields[0] << " is no lemma of the reference";
    referenceLemmaOf[decomposedUtf8(line.fields[1])] = decomposedUtf8(line.fields[0]);
  }

  std::set<std::string> found;  // the reference lemmas the dictionary holds
  std::size_t compared = 0;
  std::size_t agreed = 0;
  std::map<std::uint16_t, std::size_t> disagreementsByCode;
  std::set<std::string> usedListed;
  std::string unexplained;
  for (const CompiledVerb& v : dictionary.verbs) {
    const ConjugatedForm* lemma = v.conjugation.find(4);
    if (!lemma || !lemma->exists) continue;
    const std::string lemmaText = decomposedUtf8(toUtf8(lemma->pointed));
    if (const auto alias = referenceLemmaOf.find(lemmaText); alias != referenceLemmaOf.end()) {
      found.insert(alias->second);
      continue;
    }
    const auto table = reference.find(lemmaText);
    if (table == reference.end()) continue;
    found.insert(lemmaText);
    for (const ConjugatedForm& f : v.conjugation.forms) {
      const auto info = sources.formCodes().find(f.code);
      // A second form of a cell (an alternative the form code table does not list, such as אִכָּנֵס
      // beside אֶכָּנֵס) is the modern form we add; the reference gives one form a cell.
      if (!f.exists || !info || !sources.formCodes().lists(f.code)) continue;
      std::set<std::string> expected;
      for (const std::string& features : info->unimorph) {
        const auto cell = table->second.find(features);
        if (cell != table->second.end()) expected.insert(cell->second.begin(), cell->second.end());
      }
      if (expected.empty()) continue;
      ++compared;
      const std::string ours = decomposedUtf8(toUtf8(f.pointed));
      if (expected.contains(ours)) {
        ++agreed;
        continue;
      }
      ++disagreementsByCode[f.code];
      const std::string key = lemmaText + "/" + std::to_string(f.code);
      if (listed.contains(key)) {
        usedListed.insert(key);
      } else {
        unexplained += "  verb " + std::to_string(v.verb->verbId) + " " + toUtf8(lemma->pointed) + " table " +
                       std::to_string(v.verb->tableNumber) + " code " + std::to_string(f.code) + ": ours " +
                       toUtf8(f.pointed) + ", reference " + *expected.begin() + "\n";
      }
    }
  }
  const double coverage = static_cast<double>(found.size()) / static_cast<double>(reference.size());
  const double agreement = compared == 0 ? 0.0 : static_cast<double>(agreed) / static_cast<double>(compared);
  std::printf("UniMorph: %zu of its %zu verbs in the dictionary (%.1f%%); %zu of %zu cells agree (%.2f%%)\n", found.size(),
              reference.size(), 100.0 * coverage, agreed, compared, 100.0 * agreement);
  for (const auto& [code, count] : disagreementsByCode) std::printf("  form %u: %zu cells differ\n", code, count);
  EXPECT_GE(coverage, 0.97);
  EXPECT_GE(agreement, 0.99);
  EXPECT_TRUE(unexplained.empty()) << "cells that differ from the reference: fix the paradigm or list them in "
                                      "data/checks/unimorph.tsv with the reason\n"
                                   << unexplained;
  for (const std::string& key : listed) {
    EXPECT_TRUE(usedListed.contains(key)) << "data/checks/unimorph.tsv lists " << key << ", which no longer differs";
  }
}

}  // namespace
}  // namespace quorix::dictionary
