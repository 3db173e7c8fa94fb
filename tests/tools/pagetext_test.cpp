#include "pagetext.h"

#include <gtest/gtest.h>

#include <sstream>

#include "coresession.h"
#include "db/recordwalks.h"
#include "support/fixturedatabases.h"
#include "support/tempfolder.h"

namespace quorix {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Where each line's cell `text` starts, in terminal columns; npos when the line lacks it.
std::size_t columnOf(const std::string& line, const std::string& text) {
  const std::size_t at = line.find(text);
  return at == std::string::npos ? at : displayWidth(line.substr(0, at));
}

TEST(DisplayWidth, PointsAndMarksTakeNoColumn) {
  EXPECT_EQ(displayWidth(""), 0u);
  EXPECT_EQ(displayWidth("abc"), 3u);
  EXPECT_EQ(displayWidth("\xD7\x9B\xD7\xAA\xD7\x91"), 3u);                          // כתב
  EXPECT_EQ(displayWidth("\xD7\x9B\xD6\xBC\xD6\xB8\xD7\xAA\xD6\xB7\xD7\x91"), 3u);  // כָּתַב
  EXPECT_EQ(displayWidth("\xE2\x80\x8F"
                         "a"),
            1u);                                    // a right-to-left mark
  EXPECT_EQ(displayWidth("\xD0\xBF\xD0\xB8"), 2u);  // пи
}

// Grids are aligned by what the terminal shows: a pointed word is as wide as its letters.
TEST(PageText, AlignsColumnsOfPointedHebrew) {
  const std::string text = pageText(
      "<table><tr><td>&#1499;&#1468;&#1464;&#1514;&#1463;&#1489;</td><td>x</td></tr>"
      "<tr><td>ab</td><td>y</td></tr></table>",
      uilanguage::kEnglish);
  const std::vector<std::string> lines = linesOf(text);
  ASSERT_EQ(lines.size(), 2u) << text;
  EXPECT_EQ(columnOf(lines[0], "x"), columnOf(lines[1], "y")) << text;
}

// The page of a fixture verb, as the program builds it, read as text.
class VerbPageText : public ::testing::Test {
 protected:
  void SetUp() override {
    // כתב in table 10001: infinitive לכתוב, past "I" כתבתי with an alternative, past "he" כתב.
    test::FixtureVerb verb{1,
                           10001,
                           "\xEB-\xFA-\xE1",
                           {{0, "\xEC\xEB\xFA\xE5\xE1"},
                            {1, "\xEB\xFA\xE1\xFA\xE9"},
                            {4, "\xEB\xFA\xE1"},
                            {51, "\xEB\xFA\xE1\xFA\xE9\xE9"}},
                           {"to write", "\xEF\xE8\xF1\xE0\xF2\xFC"}};
    test::FixtureVerb sameRoot{2, 20001, "\xEB-\xFA-\xE1", {{0, "\xEC\xE4\xE9\xEB\xFA\xE1"}}, {"to be written"}};
    test::writeVerbDatabase(folder.file("hebrew.db"), test::recordsOf({verb, sameRoot}));
    test::writeTranslationDatabase(folder.file("russian.db"), {});
    test::writeRussianSearchIndex(folder.file("rusearch.db"), {});
    const char* argv[] = {"quorix-cli", "page", "--db-dir", folder.path().c_str()};
    std::string error;
    ASSERT_TRUE(commandLine.parse(4, argv, {}, error)) << error;
    ASSERT_TRUE(session.open(commandLine, error)) << error;
  }

  // The text of the page of verb 1 shown for its record of `formCode`.
  std::string pageOfForm(std::uint16_t formCode, UiLanguage labels) {
    RecordOffset entry = 0;
    forEachRecordOfVerb(*session.databases().verbs, 1, [&](RecordOffset at, const VerbRecord& record) {
      if (record.formCode == formCode) entry = at;
      return true;
    });
    session.core().state().dialogLanguage = labels;
    session.core().showVerbPage(entry);
    return pageText(session.lastPage(), labels);
  }

  test::TempFolder folder;
  CommandLine commandLine;
  CoreSession session;
};

TEST_F(VerbPageText, ShowsTheSectionsOfThePage) {
  const std::string text = pageOfForm(4, uilanguage::kEnglish);
  const std::vector<std::string> lines = linesOf(text);
  for (const char* expected : {"Binyans:", "Translation:", "Verb Conjugation Forms:"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), expected), lines.end()) << expected << "\n" << text;
  }
  // The verb's own binyan is shaded and links to itself; the other binyan of the root is a link.
  EXPECT_NE(text.find("*   [\xD7\xA4\xD7\xA2\xD7\x9C]"), std::string::npos) << text;      // [פעל]
  EXPECT_NE(text.find("[\xD7\xA0\xD7\xA4\xD7\xA2\xD7\x9C]"), std::string::npos) << text;  // [נפעל]
  EXPECT_NE(text.find("\xC2\xB7  to write"), std::string::npos) << text;
  EXPECT_NE(text.find("\xC2\xB7  \xD0\xBF\xD0\xB8\xD1\x81\xD0\xB0\xD1\x82\xD1\x8C"), std::string::npos)
      << text;  // писать
  // The header: labels over values, the pattern's placeholders as circles.
  EXPECT_NE(text.find("Table  Binyan  Model  Root   Infinitive"), std::string::npos) << text;
  EXPECT_NE(text.find("10001  1       \xE2\x97\x8B\xE2\x97\x8B\xE2\x97\x8B    \xD7\x9B-\xD7\xAA-\xD7\x91"),
            std::string::npos)
      << text;
  // The form the page was opened for is highlighted; the alternative stands before the red bar.
  EXPECT_NE(text.find("*\xD7\x9B\xD7\xAA\xD7\x91*"), std::string::npos) << text;  // *כתב*
  EXPECT_NE(text.find("\xD7\x9B\xD7\xAA\xD7\x91\xD7\xAA\xD7\x99\xD7\x99 | \xD7\x9B\xD7\xAA\xD7\x91\xD7\xAA\xD7\x99"),
            std::string::npos)
      << text;
  // A form the verb lacks shows what the page shows: its placeholder.
  EXPECT_NE(text.find("p_031"), std::string::npos) << text;
  EXPECT_NE(text.find("(*: highlighted; [ ]: a verb of the same root)"), std::string::npos) << text;
}

TEST_F(VerbPageText, TheGridsColumnsLineUp) {
  const std::vector<std::string> lines = linesOf(pageOfForm(4, uilanguage::kEnglish));
  // The person labels of the last column: I (אני) and he (הוא) stand in one column.
  std::size_t i = std::string::npos;
  std::size_t he = std::string::npos;
  for (const std::string& line : lines) {
    if (columnOf(line, "\xD7\x90\xD7\xA0\xD7\x99") != std::string::npos && i == std::string::npos) {
      i = columnOf(line, "\xD7\x90\xD7\xA0\xD7\x99");
    }
    if (line.ends_with("\xD7\x94\xD7\x95\xD7\x90")) he = columnOf(line, "\xD7\x94\xD7\x95\xD7\x90");
  }
  ASSERT_NE(i, std::string::npos);
  EXPECT_EQ(i, he);
}

TEST_F(VerbPageText, SectionTitlesFollowTheLabelLanguage) {
  const std::string russian = pageOfForm(0, uilanguage::kRussian);
  EXPECT_NE(russian.find("\xD0\x91\xD0\xB8\xD0\xBD\xD1\x8C\xD1\x8F\xD0\xBD\xD1\x8B:"), std::string::npos)
      << russian;  // Биньяны:
  // Hebrew has no section labels; the English ones stand in.
  const std::string hebrew = pageOfForm(0, uilanguage::kHebrew);
  EXPECT_NE(hebrew.find("Binyans:"), std::string::npos) << hebrew;
  EXPECT_NE(hebrew.find("\xD7\x98\xD7\x91\xD7\x9C\xD7\x94"), std::string::npos) << hebrew;  // טבלה
}

}  // namespace
}  // namespace quorix
