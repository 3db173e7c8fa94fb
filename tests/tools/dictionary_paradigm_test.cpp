// Paradigm files, their variants and a verb's overrides, read from small files written here.

#include <gtest/gtest.h>

#include <fstream>

#include "conjugation.h"
#include "hebrewtext.h"
#include "overrideset.h"
#include "paradigm.h"
#include "support/tempfolder.h"

namespace quorix::dictionary {
namespace {

class ParadigmFiles : public ::testing::Test {
 protected:
  std::string write(const std::string& name, const std::string& text) {
    std::ofstream(folder.file(name), std::ios::binary) << text;
    return folder.file(name);
  }
  Paradigm load(const std::string& text) {
    Paradigm paradigm;
    std::string error;
    EXPECT_TRUE(paradigm.load(write("p.tsv", text), error)) << error;
    return paradigm;
  }
  static Root rootOf(const char* text) {
    Root root;
    std::string error;
    EXPECT_TRUE(Root::parse(text, root, error)) << error;
    return root;
  }
  static std::string form(const Conjugation& c, std::uint16_t code) {
    const ConjugatedForm* f = c.find(code);
    if (!f) return "(none)";
    return f->exists ? toUtf8(f->pointed) + "|" + toUtf8(f->unpointed) : "-";
  }
  test::TempFolder folder;
};

constexpr const char* kSmallParadigm =
    "# two cells and a past alternative\n"
    "4\t1*ָ2ַ3\t123\n"
    "14\tיִ1ְ2*ֹ3\tי12ו3\n"
    "31\t-\n"
    "@variant first-nun when 1=נ 2!=אהחער\n"
    "14\tיִ2ֹּ3\tיי2ו3\n"
    "@variant patah\n"
    "14\tיִ1ְ2*ַ3\tי123\n"
    "64\tנָ1ַ3\tנ13\n";

TEST_F(ParadigmFiles, VariantsApplyByTheirConditionsOrOnRequest) {
  const Paradigm paradigm = load(kSmallParadigm);
  const std::vector<std::uint16_t> required = {4, 14, 31};
  Conjugation c;
  std::string error;

  ASSERT_TRUE(conjugate(rootOf("כתב"), paradigm, nullptr, required, c, error)) << error;
  EXPECT_EQ(form(c, 14), "יִכְתֹּב|יכתוב");
  EXPECT_EQ(form(c, 31), "-");
  EXPECT_TRUE(c.variants.empty());

  ASSERT_TRUE(conjugate(rootOf("נפל"), paradigm, nullptr, required, c, error)) << error;
  EXPECT_EQ(form(c, 14), canonicalUtf8("יִפֹּל") + "|ייפול");
  EXPECT_EQ(c.variants, std::vector<std::string>{"first-nun"});

  // A guttural second radical keeps the nun: the condition fails.
  ASSERT_TRUE(conjugate(rootOf("נהג"), paradigm, nullptr, required, c, error)) << error;
  EXPECT_EQ(form(c, 14), canonicalUtf8("יִנְהֹג") + "|ינהוג");

  VerbOverrides overrides;
  overrides.variants = {"patah"};
  overrides.refusedVariants = {"first-nun"};
  ASSERT_TRUE(conjugate(rootOf("נשׁק"), paradigm, &overrides, required, c, error)) << error;
  EXPECT_EQ(form(c, 14), canonicalUtf8("יִנְשַׁק") + "|ינשק");
  EXPECT_EQ(form(c, 64), canonicalUtf8("נָנַק") + "|ננק");  // the variant adds an alternative
  ASSERT_EQ(c.forms.back().code, 64);                       // forms come in ascending code
}

TEST_F(ParadigmFiles, OverridesReplaceFormsAndFailuresAreNamed) {
  const Paradigm paradigm = load(kSmallParadigm);
  Conjugation c;
  std::string error;

  VerbOverrides own;
  ParadigmCell cell;
  ASSERT_TRUE(parseParadigmCell({"14", "יֵלֵךְ", "ילך"}, 0, cell, error)) << error;
  own.cells.push_back(cell);
  ASSERT_TRUE(conjugate(rootOf("הלכ"), paradigm, &own, {4, 14}, c, error)) << error;
  EXPECT_EQ(form(c, 14), canonicalUtf8("יֵלֵךְ") + "|ילך");
  EXPECT_EQ(form(c, 4), canonicalUtf8("הָלַךְ") + "|הלך");

  VerbOverrides unknown;
  unknown.variants = {"no-such"};
  EXPECT_FALSE(conjugate(rootOf("כתב"), paradigm, &unknown, {4}, c, error));
  EXPECT_NE(error.find("no variant 'no-such'"), std::string::npos) << error;

  EXPECT_FALSE(conjugate(rootOf("כתב"), paradigm, nullptr, {4, 21}, c, error));
  EXPECT_NE(error.find("form 21"), std::string::npos) << error;
}

TEST_F(ParadigmFiles, MalformedFilesAreRefusedWithTheirLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"4\t1*ָ2ַ3\n4\t1*ָ2ַ3\t123\n", ":1:"},            // unpointed template missing
      {"4\t1*ָ2ַ3\t123\n4\t1*ָ2ַ3\t123\n", "given twice"},
      {"85\t1\t1\n", "not 0 to 84"},
      {"@variant v when 5=א\n", "radical must be 1 to 4"},
      {"@variant v wenn 1=א\n", "when CONDITION"},
      {"@frobnicate\n", "unknown directive"},
      {"54\tnone\n", "belongs in a variant"},
      {"@variant v\n4\tnone\n", "only an alternative"},
  };
  for (const auto& [text, message] : cases) {
    Paradigm paradigm;
    std::string error;
    EXPECT_FALSE(paradigm.load(write("bad.tsv", text), error)) << text;
    EXPECT_NE(error.find(message), std::string::npos) << text << " -> " << error;
  }
}

TEST_F(ParadigmFiles, ConditionsOnLettersDotsAndSameness) {
  struct Case {
    const char* condition;
    const char* root;
    bool holds;
  };
  const Case cases[] = {
      {"1=ש", "שׂמח", true},   {"1=שׁ", "שׂמח", false}, {"1=שׂ", "שׂמח", true}, {"2=#3", "מדד", true},
      {"2=#3", "מדר", false},  {"size=4", "תרגמ", true}, {"3!=ה", "קנה", false}, {"2=וי|2=#3", "גננ", true},
      {"2=וי|2=#3", "קומ", true}, {"2=וי|2=#3", "כתב", false}, {"3=ן", "טענ", true},
  };
  for (const Case& c : cases) {
    RootCondition condition;
    std::string error;
    ASSERT_TRUE(parseRootCondition(c.condition, condition, error)) << error;
    EXPECT_EQ(condition.holds(rootOf(c.root)), c.holds) << c.condition << " on " << c.root;
  }
}

TEST_F(ParadigmFiles, OverrideEntriesForOneVerbOfARootWinOverThePlainOnes) {
  OverrideSet overrides;
  std::string error;
  ASSERT_TRUE(overrides.load(write("o.tsv",
                                   "# root binyan what value\n"
                                   "כונ\t3\tvariant\tplain\n"
                                   "כונ\t3@לְכוֹנֵן\tvariant\tpolel\n"
                                   "כונ\t3@לְכוֹנֵן\t4\tכּוֹנֵן\tכונן\n"),
                             error))
      << error;
  const Root root = rootOf("כונ");
  ASSERT_NE(overrides.find(root, 3, canonicalUtf8("לְכוֹנֵן")), nullptr);
  EXPECT_EQ(overrides.find(root, 3, canonicalUtf8("לְכוֹנֵן"))->variants, std::vector<std::string>{"polel"});
  EXPECT_EQ(overrides.find(root, 3, "לְכַוֵּן")->variants, std::vector<std::string>{"plain"});
  EXPECT_EQ(overrides.find(root, 7, ""), nullptr);

  for (const char* bad : {"כונ\t8\tvariant\tx\n", "כונ\t3@\tvariant\tx\n", "כונ\t3\tvariant\n", "שמר\t1\t4\tx\ty\n"}) {
    OverrideSet set;
    EXPECT_FALSE(set.load(write("bad.tsv", bad), error)) << bad;
  }
}

}  // namespace
}  // namespace quorix::dictionary
