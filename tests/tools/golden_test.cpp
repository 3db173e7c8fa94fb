// Conjugations written out by hand from the grammars, against the generator: the model verb of every
// table (data/golden/<table>.tsv) and the verbs whose forms a table's rules do not settle by
// themselves (data/golden/verbs/<table>-<root>.tsv: a weak root class's variant, a verb with forms of
// its own). Each file holds form code and pointed form ("-" for a form not in use); the generator must
// give exactly the codes of the file and, after canonical decomposition, exactly its forms.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "dictionarycompiler.h"
#include "dictionarysources.h"
#include "hebrewtext.h"
#include "shippeddata.h"
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

void expectGoldenForms(const std::string& path, const Conjugation& conjugation) {
  std::vector<TabLine> lines;
  std::string error;
  ASSERT_TRUE(readTabFile(path, lines, error)) << error;
  Forms golden;
  for (const TabLine& line : lines) {
    ASSERT_EQ(line.fields.size(), 2u) << whereIs(path, line) << "expected: code, pointed form";
    const auto code = static_cast<std::uint16_t>(std::stoi(line.fields[0]));
    ASSERT_TRUE(golden.emplace(code, line.fields[1] == "-" ? "-" : decomposedUtf8(line.fields[1])).second)
        << whereIs(path, line) << "code given twice";
  }
  const Forms generated = generatedForms(conjugation);
  for (const auto& [code, form] : golden) {
    const auto ours = generated.find(code);
    if (ours == generated.end()) {
      ADD_FAILURE() << "code " << code << ": the generator gives no form, the golden file " << form;
    } else {
      EXPECT_EQ(ours->second, form) << "code " << code;
    }
  }
  for (const auto& [code, form] : generated) {
    EXPECT_TRUE(golden.contains(code)) << "code " << code << ": the generator gives " << form << ", the golden file nothing";
  }
}

class Golden : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(shipped_.error.empty()) << shipped_.error; }

  const ShippedData& shipped_ = shippedData();
  const DictionarySources& sources_ = shipped_.sources;
  const CompiledDictionary& dictionary_ = shipped_.compiled;
};

TEST_F(Golden, ModelVerbsConjugateAsWrittenByHand) {
  std::map<std::uint32_t, const CompiledVerb*> byId;
  for (const CompiledVerb& v : dictionary_.verbs) byId[v.verb->verbId] = &v;
  for (const TableEntry& table : sources_.catalogue().tables()) {
    SCOPED_TRACE("table " + std::to_string(table.tableNumber) + " " + table.modelLemma);
    const std::string path = std::string(QUORIX_DATA_DIR) + "/golden/" + std::to_string(table.tableNumber) + ".tsv";
    ASSERT_TRUE(std::filesystem::exists(path)) << "no golden file " << path;
    const auto model = dictionary_.models.find(table.tableNumber);
    ASSERT_NE(model, dictionary_.models.end());
    expectGoldenForms(path, byId.at(model->second)->conjugation);
  }
}

TEST_F(Golden, VerbsOfTheirOwnConjugateAsWrittenByHand) {
  std::map<std::string, const CompiledVerb*> byTableAndRoot;  // "30008-טלפנ"
  for (const CompiledVerb& v : dictionary_.verbs) {
    byTableAndRoot[std::to_string(v.verb->tableNumber) + "-" + v.verb->root.identity()] = &v;
  }
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(QUORIX_DATA_DIR) + "/golden/verbs")) {
    const std::string name = entry.path().stem().string();
    SCOPED_TRACE(name);
    const auto verb = byTableAndRoot.find(name);
    ASSERT_NE(verb, byTableAndRoot.end()) << "no verb of that table and root in the lexicon";
    expectGoldenForms(entry.path().string(), verb->second->conjugation);
    ++files;
  }
  EXPECT_GE(files, 5u);
}

}  // namespace
}  // namespace quorix::dictionary
