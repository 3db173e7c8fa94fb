#include "ankideck.h"

#include <gtest/gtest.h>

#include <sstream>

#include "databaseset.h"
#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

class AnkiDeckOfFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    // A pa'al verb with an infinitive and two glosses, a pu'al verb without infinitive whose
    // English gloss carries characters that HTML and Anki's columns must not see raw.
    test::FixtureVerb write{1,
                            10001,
                            "\xEB-\xFA-\xE1",
                            {{0, "\xEC\xEB\xFA\xE5\xE1"},
                             {1, "\xEB\xFA\xE1\xFA\xE9"},
                             {4, "\xEB\xFA\xE1"},
                             {51, "\xEB\xFA\xE1\xFA\xE9\xE9"},
                             {21, "\xEB\xE5\xFA\xE1"}},
                            {"to write", "\xEF\xE8\xF1\xE0\xF2\xFC"}};
    test::FixtureVerb pual{
        2, 40001, "\xF1-\xE3-\xF8", {{0, "-"}, {4, "\xF1\xE5\xE3\xF8"}}, {"to be \"<arranged>\" &\tset"}};
    test::writeVerbDatabase(folder.file("hebrew.db"), test::recordsOf({write, pual}));
    test::writeTranslationDatabase(folder.file("russian.db"), {});
    test::writeRussianSearchIndex(folder.file("rusearch.db"), {});
    std::string error;
    ASSERT_TRUE(databases.load(folder.path(), error)) << error;
  }

  test::TempFolder folder;
  DatabaseSet databases;
};

// The header lines that make Anki read the file as a deck, and one line per note with as many
// columns as the header names.
TEST_F(AnkiDeckOfFixture, HasAnkisHeaderAndOneNoteLinePerVerb) {
  const std::uint32_t verbs[] = {2, 1, 99};  // 99 has no records and is left out
  const AnkiDeck deck = ankiDeck(*databases.verbs, verbs, "Hebrew\tverbs");
  EXPECT_EQ(deck.notes, 2u);
  const std::vector<std::string> lines = split(deck.text, '\n');
  ASSERT_EQ(lines.size(), 9u) << deck.text;  // 6 header lines, 2 notes, the empty rest after the last line end
  EXPECT_EQ(lines[0], "#separator:tab");
  EXPECT_EQ(lines[1], "#html:true");
  EXPECT_EQ(lines[2], "#deck:Hebrew verbs");
  EXPECT_EQ(lines[3], "#guid column:1");
  EXPECT_EQ(lines[4], "#tags column:9");
  EXPECT_EQ(lines[5], "#columns:Id\tVerb\tEnglish\tRussian\tBinyan\tRoot\tTable\tConjugation\tTags");
  EXPECT_EQ(lines[8], "");
  const std::size_t columns = split(lines[5], '\t').size();
  for (const std::string& note : {lines[6], lines[7]}) {
    EXPECT_EQ(split(note, '\t').size(), columns) << note;
    EXPECT_NE(note[0], '"') << "a field starting with a quote would be read as quoted";
  }
  EXPECT_TRUE(lines[6].starts_with("quorix-verb-2\t")) << "notes keep the order of the verbs";
  EXPECT_TRUE(lines[7].starts_with("quorix-verb-1\t"));
}

TEST_F(AnkiDeckOfFixture, FieldsOfANote) {
  const std::vector<std::string> fields = split(ankiNote(VerbForms::read(*databases.verbs, 1)), '\t');
  ASSERT_EQ(fields.size(), 9u);
  EXPECT_EQ(fields[0], "quorix-verb-1");
  EXPECT_EQ(fields[1], "\xD7\x9C\xD7\x9B\xD7\xAA\xD7\x95\xD7\x91");  // לכתוב
  EXPECT_EQ(fields[2], "to write");
  EXPECT_EQ(fields[3], "\xD0\xBF\xD0\xB8\xD1\x81\xD0\xB0\xD1\x82\xD1\x8C");  // писать
  EXPECT_EQ(fields[4], "pa'al (\xD7\xA4\xD7\xA2\xD7\x9C)");
  EXPECT_EQ(fields[5], "\xD7\x9B-\xD7\xAA-\xD7\x91");
  EXPECT_EQ(fields[6], "10001");
  const std::string& grid = fields[7];
  EXPECT_TRUE(grid.starts_with("<table class=quorix-conjugation><tr><th colspan=2>present</th></tr>")) << grid;
  EXPECT_NE(grid.find("<tr><td>m. sg.</td><td dir=rtl>\xD7\x9B\xD7\x95\xD7\xAA\xD7\x91</td></tr>"), std::string::npos)
      << grid;
  // The past "I" with its alternative; persons without a form get no row.
  EXPECT_NE(grid.find("<tr><td>I</td><td dir=rtl>\xD7\x9B\xD7\xAA\xD7\x91\xD7\xAA\xD7\x99 (also "
                      "\xD7\x9B\xD7\xAA\xD7\x91\xD7\xAA\xD7\x99\xD7\x99)</td></tr>"),
            std::string::npos)
      << grid;
  EXPECT_EQ(grid.find("f. sg."), std::string::npos) << grid;
  EXPECT_EQ(grid.find("future"), std::string::npos) << "a tense without forms has no heading: " << grid;
  EXPECT_TRUE(grid.ends_with("<tr><td>he</td><td dir=rtl>\xD7\x9B\xD7\xAA\xD7\x91</td></tr></table>")) << grid;
  EXPECT_EQ(fields[8], "quorix table::10001 binyan::paal");
}

// A binyan without infinitive gives its past "he"; text is escaped for HTML and kept on one line.
TEST_F(AnkiDeckOfFixture, AVerbWithoutInfinitiveAndTextThatNeedsEscaping) {
  const std::vector<std::string> fields = split(ankiNote(VerbForms::read(*databases.verbs, 2)), '\t');
  ASSERT_EQ(fields.size(), 9u);
  EXPECT_EQ(fields[1], "\xD7\xA1\xD7\x95\xD7\x93\xD7\xA8");  // סודר
  EXPECT_EQ(fields[2], "to be &quot;&lt;arranged&gt;&quot; &amp; set");
  EXPECT_EQ(fields[3], "");
  EXPECT_EQ(fields[4], "pu'al (\xD7\xA4\xD7\x95\xD7\xA2\xD7\x9C)");
  EXPECT_EQ(fields[8], "quorix table::40001 binyan::pual");
}

TEST(AnkiFieldText, EscapesMarkupAndLineBreaks) {
  EXPECT_EQ(ankiFieldText("a<b>&\"c\"\td\ne\r"), "a&lt;b&gt;&amp;&quot;c&quot; d e ");
  EXPECT_EQ(ankiFieldText(""), "");
}

}  // namespace
}  // namespace quorix
