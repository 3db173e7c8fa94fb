// Expansion of paradigm templates: the spelling rules that every one of the 43 tables relies on.

#include <gtest/gtest.h>

#include "formtemplate.h"
#include "hebrewtext.h"
#include "root.h"

namespace quorix::dictionary {
namespace {

Root rootOf(const char* text) {
  Root root;
  std::string error;
  EXPECT_TRUE(Root::parse(text, root, error)) << error;
  return root;
}

std::string pointed(const char* pattern, const char* root) {
  std::u32string form;
  std::string error;
  EXPECT_TRUE(expandPointed(toUtf32(pattern), rootOf(root), form, error)) << pattern << ": " << error;
  return toUtf8(form);
}

std::string unpointed(const char* pattern, const char* root) {
  std::u32string form;
  std::string error;
  EXPECT_TRUE(expandUnpointed(toUtf32(pattern), rootOf(root), form, error)) << pattern << ": " << error;
  return toUtf8(form);
}

struct PointedCase {
  const char* pattern;
  const char* root;
  const char* expected;
  const char* what;
};

TEST(DictionaryTemplate, PointedSpellingRules) {
  const PointedCase cases[] = {
      {"לִ1ְ2*ֹ3", "כתב", "לִכְתֹּב", "dagesh lene after a silent shva, not at a plain radical"},
      {"1*ָ2ַ3", "כתב", "כָּתַב", "dagesh lene at the start of the word"},
      {"לִ1ְ2*ֹ3", "שׁמר", "לִשְׁמֹר", "lene asked of a letter that takes none"},
      {"1*ִ2ֵּ3", "דבר", "דִּבֵּר", "doubling dagesh"},
      {"1*ָ2ַ3", "שׁמנ", "שָׁמַן", "final nun"},
      {"1*ָ2ַ3", "הלכ", "הָלַךְ", "final kaf takes shva"},
      {"1*ָ2ַ3ְ+נוּ", "נתנ", "נָתַנּוּ", "final nun merges with the suffix nun"},
      {"1*ָ2ַ3ְ+תִּי", "כרת", "כָּרַתִּי", "final tav merges with the suffix tav"},
      {"1*וֹ2ֶ3ֶת", "כרת", "כּוֹרֶתֶת", "no merge without a suffix boundary"},
      {"1*וֹ2ֵ3", "שׁמע", "שׁוֹמֵעַ", "furtive patah after tsere"},
      {"לָ1ִי3", "שׂיח", "לָשִׂיחַ", "furtive patah after hiriq and a vowel letter"},
      {"1*ָ2ַ3", "שׁמע", "שָׁמַע", "no furtive patah after patah"},
      {"1*ָ2ַ3ְ+תְּ", "שׁמע", "שָׁמַעַתְּ", "helping patah before the final suffix tav"},
      {"1*ָ2ַ3ְ+תְּ", "כתב", "כָּתַבְתְּ", "no helping patah after other letters"},
      {"1*ְ2ַ3ְ+תֶּם", "שׁמע", "שְׁמַעְתֶּם", "no helping patah when a vowel follows the tav"},
      {"1*ָ3", "שׂימ", "שָׂם", "sin dot kept, final mem"},
      {"הִ1ְTַּ2ֵּ3", "שׁמשׁ", "הִשְׁתַּמֵּשׁ", "metathesis tav"},
      {"הִ1ְTַּ2ֵּ3", "צלמ", "הִצְטַלֵּם", "tav becomes tet after tsadi, losing the dagesh"},
      {"הִ1ְTַּ2ֵּ3", "זקנ", "הִזְדַּקֵּן", "tav becomes dalet after zayin"},
  };
  for (const PointedCase& c : cases) {
    EXPECT_EQ(pointed(c.pattern, c.root), canonicalUtf8(c.expected)) << c.what;
  }
}

TEST(DictionaryTemplate, ResultIsCanonicalWhateverTheOrderOfMarks) {
  // Dagesh before or after the vowel, shin dot from the root: one stored spelling.
  EXPECT_EQ(pointed("1*ִ2ֵּ3", "שׁלמ"), pointed("1*ִ2ֵּ3", "שׁלמ"));
  EXPECT_EQ(pointed("1*ִ2ֵּ3", "שׁלמ"), canonicalUtf8("שִׁלֵּם"));
}

TEST(DictionaryTemplate, FullSpellingRules) {
  const PointedCase cases[] = {
      {"1י2%3", "דבר", "דיבר", "plain radical"},
      {"1י2%3", "כונ", "כיוון", "consonantal vav doubled"},
      {"1י2%3", "קימ", "קיים", "consonantal yod beside the vowel letter yod is not doubled again"},
      {"1ו2%ה", "צוה", "צווה", "vav beside the vowel letter vav is not doubled"},
      {"מ1ו2%3", "צינ", "מצוין", "yod beside the vowel letter vav is not doubled"},
      {"ה12%י3", "רוח", "הרוויח", "vav beside the vowel letter yod is doubled"},
      {"י12%ה", "היה", "יהיה", "yod before the final he is not doubled"},
      {"12%תה", "היה", "הייתה", "yod before a consonant is doubled"},
      {"י12%ה", "שׁוה", "ישווה", "vav before the final he is doubled"},
      {"הת1%2%3", "ישׁב", "התיישב", "doubled first yod of hitpa'el"},
      {"ל1%2%3", "יסד", "לייסד", "consonantal yod doubled after a prefix"},
      {"1%2%3", "ותר", "ותר", "a consonantal letter at the start of a word stays single"},
      {"123+נו", "טענ", "טענו", "nun merges"},
      {"123+תי", "כרת", "כרתי", "tav merges"},
      {"1ו23ת", "כרת", "כורתת", "no merge without the boundary"},
      {"ה1T2%3", "צלמ", "הצטלם", "metathesis tav after tsadi"},
      {"12ו3", "כתב", "כתוב", "unpointed final letter unchanged"},
      {"123", "שׁמנ", "שמן", "final nun, no shin dot"},
  };
  for (const PointedCase& c : cases) {
    EXPECT_EQ(unpointed(c.pattern, c.root), c.expected) << c.what;
  }
}

TEST(DictionaryTemplate, RootsThatDoNotFitAreRefused) {
  struct Bad {
    const char* pattern;
    const char* root;
    const char* message;
  };
  const Bad cases[] = {
      {"1*ִ2ֵּ3", "ברכ", "cannot be doubled"},     // resh takes no doubling: the root belongs elsewhere
      {"1*ִ2ֵּ3", "נהג", "cannot be doubled"},     // nor does a guttural
      {"1234", "כתב", "radical 4"},                 // a four-letter template with a three-letter root
      {"1x2", "כתב", "unexpected character"},      // not template notation
      {"ּ12", "כתב", "starts with a mark"},
      {"12+", "כתב", "'+' at the end"},
      {"1\u05BA23", "כתב", "cannot be stored"},     // holam for vav has no byte in code page 1255
      {"1\u05BE23", "כתב", "unexpected character"}, // maqaf would open an orange span on the page
  };
  for (const Bad& c : cases) {
    std::u32string form;
    std::string error;
    EXPECT_FALSE(expandPointed(toUtf32(c.pattern), rootOf(c.root), form, error)) << c.pattern;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.pattern << ": " << error;
  }
}

TEST(DictionaryRoot, ParsesAndNamesRoots) {
  const Root sin = rootOf("שׂמח");
  EXPECT_TRUE(sin.hasSin());
  EXPECT_EQ(toUtf8(sin.typedKey()), "שמח");
  EXPECT_EQ(toUtf8(sin.display()), "שׂ-מ-ח");
  const Root finals = rootOf("טען");  // a final letter in the source reads as the ordinary one
  EXPECT_EQ(finals, rootOf("טענ"));
  EXPECT_EQ(toUtf8(finals.typedKey()), "טען");
  EXPECT_NE(rootOf("שׁכר"), rootOf("שׂכר"));

  for (const char* bad : {"שמר", "כת", "כתבכתב", "כ1ב", ""}) {
    Root root;
    std::string error;
    EXPECT_FALSE(Root::parse(bad, root, error)) << bad;
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace quorix::dictionary
