// The model verb of every table against its conjugation written out by hand in data/golden/<table>.tsv
// (form code, pointed form or "-"): the generator must give exactly the codes of the file and, after
// canonical decomposition, exactly its forms.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "dictionarycompiler.h"
#include "dictionarysources.h"
#include "hebrewtext.h"
#include "tabfile.h"

namespace quorix::dictionary {
namespace {

using Forms = std::map<std::uint16_t, std::string>;  // code -> decomposed pointed form or "-"

Forms generatedForms(const Conjugation& conjugation) {
  Forms forms;
  for (const ConjugatedForm& f : conjugation.forms) {
    forms[f.code] = f.exists ? decomposedUtf8(toUtf8(f.pointed)) : "-";
  }
  return forms;
}

TEST(Golden, ModelVerbsConjugateAsWrittenByHand) {
  DictionarySources sources;
  std::string error;
  ASSERT_TRUE(sources.load(QUORIX_DATA_DIR, "", error)) << error;
  const CompiledDictionary dictionary = compileDictionary(sources);
  std::map<std::uint32_t, const CompiledVerb*> byId;
  for (const CompiledVerb& v : dictionary.verbs) byId[v.verb->verbId] = &v;

  for (const TableEntry& table : sources.catalogue().tables()) {
    SCOPED_TRACE("table " + std::to_string(table.tableNumber) + " " + table.modelLemma);
    const std::string path = std::string(QUORIX_DATA_DIR) + "/golden/" + std::to_string(table.tableNumber) + ".tsv";
    ASSERT_TRUE(std::filesystem::exists(path)) << "no golden file " << path;
    std::vector<TabLine> lines;
    ASSERT_TRUE(readTabFile(path, lines, error)) << error;
    Forms golden;
    for (const TabLine& line : lines) {
      ASSERT_EQ(line.fields.size(), 2u) << whereIs(path, line) << "expected: code, pointed form";
      const auto code = static_cast<std::uint16_t>(std::stoi(line.fields[0]));
      ASSERT_TRUE(golden.emplace(code, line.fields[1] == "-" ? "-" : decomposedUtf8(line.fields[1])).second)
          << whereIs(path, line) << "code given twice";
    }
    const auto model = dictionary.models.find(table.tableNumber);
    ASSERT_NE(model, dictionary.models.end());
    const Forms generated = generatedForms(byId.at(model->second)->conjugation);
    for (const auto& [code, form] : golden) {
      const auto ours = generated.find(code);
      if (ours == generated.end()) {
        ADD_FAILURE() << "code " << code << ": the generator gives no form, the golden file " << form;
      } else {
        EXPECT_EQ(ours->second, form) << "code " << code;
      }
    }
    for (const auto& [code, form] : generated) {
      EXPECT_TRUE(golden.contains(code)) << "code " << code << ": the generator gives " << form
                                         << ", the golden file nothing";
    }
  }
}

}  // namespace
}  // namespace quorix::dictionary
