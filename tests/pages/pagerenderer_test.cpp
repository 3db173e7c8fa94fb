#include "pages/pagerenderer.h"

#include <gtest/gtest.h>

#include "db/recordwalks.h"
#include "support/expectedpages.h"
#include "support/fakehost.h"
#include "support/loadeddatabases.h"

namespace quorix {
namespace {

using test::ExpectedBinyanRow;
using test::hebrewRefs;
using test::russianRefs;
using test::Stripe;

VerbRecordSource form(std::uint32_t verb, std::uint16_t code, std::uint32_t table, std::string text,
                      std::string translation = "") {
  return {0, verb, code, table, text, text, std::move(translation)};
}
VerbRecordSource root(std::uint32_t verb, std::uint32_t table, std::string shown, std::string key) {
  return {0, verb, 99, table, std::move(shown), std::move(key), ""};
}
VerbRecordSource pattern(std::uint32_t verb, std::uint32_t table, std::string text) {
  return {0, verb, 98, table, "", std::move(text), ""};
}

// Verb 7 (table 30012, binyan 3) with alternatives of forms 1 and 21, the pattern "=00" and three
// translation rows; verbs 8 and 9 share its root in binyans 1 and 5; verb 10 has a root of its own.
const std::string kInfinitive = "\xEC\xE3\xE1\xF8";
const std::string kPast1 = "\xE3\xE9\xE1\xF8\xFA\xE9";
const std::string kPast4 = "\xE3\xE9\xE1\xF8";
const std::string kPresent21 = "\xEE\xE3\xE1\xF8";
const std::string kAlternative51 = "\xE3\xE9\xE1\xF8\xFA";
const std::string kAlternative71 = "\xEE\xE3\xE1\xF8\xE9";
const std::string kRootShown = "\xE3.\xE1.\xF8";
const std::string kRootKey = "\xE3\xE1\xF8";
const std::string kGovorit = "\xE3\xEE\xE2\xEE\xF0\xE8\xF2\xFC";
const std::string kSkazat = "\xF1\xEA\xE0\xE7\xE0\xF2\xFC";

std::vector<VerbRecordSource> pageVerbs() {
  return {
      form(7, 0, 30012, kInfinitive), form(7, 1, 30012, kPast1), form(7, 4, 30012, kPast4),
      form(7, 21, 30012, kPresent21), form(7, 51, 30012, kAlternative51), form(7, 71, 30012, kAlternative71),
      pattern(7, 30012, "=00"), root(7, 30012, kRootShown, kRootKey),
      form(7, 100, 30012, kInfinitive, kGovorit), form(7, 101, 30012, "\xEC\xF1\xF4\xF8", "to tell"),
      form(7, 102, 30012, "\xEC\xE4\xE2\xE9\xE3", kSkazat),
      form(8, 0, 10003, "\xEC\xE3\xE1\xE5\xF8"), root(8, 10003, "x", kRootKey),
      form(9, 0, 50001, "\xEC\xE4\xE3\xE1\xE9\xF8"), root(9, 50001, "y", kRootKey),
      form(10, 0, 20001, "\xEC\xF9\xEC\xEE"), root(10, 20001, "z", "\xF9\xEC\xEE"),
  };
}

RecordOffset offsetOf(const VerbDatabase& db, std::uint32_t verbId, std::uint16_t code) {
  RecordOffset found = 0xFFFFFFFFu;
  forEachRecordOfVerb(db, verbId, [&](RecordOffset offset, const VerbRecord& r) {
    if (r.formCode != code) return true;
    found = offset;
    return false;
  });
  return found;
}

const std::string kSymbolZero = "<span dir=rtl style='font-size: 14px;'><font face='Symbol'>&#143;</font></span>";

class VerbPage : public ::testing::Test {
 protected:
  test::LoadedDatabases dbs{pageVerbs(), {}, {}};
  ProgramState state;
  PageState page;
  test::FakeHost host;
  PageRenderer renderer{state, page, dbs.readers(), host};
};

TEST_F(VerbPage, HebrewVerbWithAlternativesPatternTranslationsAndOtherBinyans) {
  renderer.showVerbPage(offsetOf(*dbs.verbs, 7, 71));

  const std::vector<ExpectedBinyanRow> binyans = {
      {false, test::expectedLink(10003, 8, "gray", "&#1508;&#1506;&#1500;")},
      {false, "&#1504;&#1508;&#1506;&#1500;"},
      {true, test::expectedLink(30012, 7, "orange", "&#1508;&#1497;&#1506;&#1500;")},
      {false, "&#1508;&#1493;&#1506;&#1500;"},
      {false, test::expectedLink(50001, 9, "gray", "&#1492;&#1508;&#1506;&#1497;&#1500;")},
      {false, "&#1492;&#1493;&#1508;&#1506;&#1500;"},
      {false, "&#1492;&#1514;&#1508;&#1506;&#1500;"},
  };
  const std::string translations = test::expectedTranslationHead("ar") +
                                   test::expectedHebrewRow(Stripe::First, hebrewRefs(kInfinitive), russianRefs(kGovorit)) +
                                   test::expectedHebrewRow(Stripe::Shaded, hebrewRefs("\xEC\xF1\xF4\xF8"), "to tell") +
                                   test::expectedHebrewRow(Stripe::Light, hebrewRefs("\xEC\xE4\xE2\xE9\xE3"),
                                                           russianRefs(kSkazat));
  test::ExpectedConjugation conjugation;
  conjugation.tableNumber = "30012";
  // "=00" is shown reversed: zero, zero, then the equals sign.
  conjugation.pattern = kSymbolZero + kSymbolZero + "<span dir=rtl>=</span>";
  conjugation.root = "&#1491;.&#1489;.&#1512;";
  conjugation.cells = {{0, hebrewRefs(kInfinitive)},    {1, hebrewRefs(kPast1)},          {4, hebrewRefs(kPast4)},
                       {21, hebrewRefs(kPresent21)},    {51, hebrewRefs(kAlternative51)}, {71, hebrewRefs(kAlternative71)}};
  conjugation.highlightedCell = 21;  // the selected row holds the alternative of form 21

  const std::string expected = test::expectedHead("ar") + test::expectedBinyanListing(binyans, "ar") + translations +
                               test::kExpectedTranslationTail + test::expectedConjugation(conjugation) +
                               test::kExpectedPageTail;
  ASSERT_EQ(host.pages.size(), 1u);
  EXPECT_EQ(host.lastPage(), expected);
  EXPECT_EQ(state.currentBinyan, 3);
  EXPECT_EQ(state.currentTable, 30012u);
  EXPECT_EQ(page.stripeFlag, 1);
}

TEST_F(VerbPage, TheSelectedFormDecidesTheHighlightedCell) {
  const struct {
    std::uint16_t code;
    ListMode searchMode;
    const char* marker;  // the marker that the highlight replaces; none for a form without a cell
  } cases[] = {
      {21, 0, "fparam_21"}, {71, 0, "fparam_21"}, {51, 0, "fparam_01"}, {98, 0, nullptr},
      {99, 0, "fparam_99"}, {0, 0, "fparam_00"},  {21, 10, "fparam_04"},
  };
  for (const auto& c : cases) {
    state.searchMode = c.searchMode;
    renderer.showVerbPage(offsetOf(*dbs.verbs, 7, c.code));
    const std::string& html = host.lastPage();
    const bool highlighted = html.find("bgcolor='#ffd988'") != std::string::npos;
    EXPECT_EQ(highlighted, c.marker != nullptr) << "form " << c.code;
    if (c.marker) {
      EXPECT_EQ(html.find(std::string(c.marker) + ">"), std::string::npos) << "form " << c.code;
    }
  }
}

TEST_F(VerbPage, LabelsInTheDialogLanguage) {
  state.dialogLanguage = uilanguage::kRussian;
  renderer.showVerbPage(offsetOf(*dbs.verbs, 10, 0));
  EXPECT_NE(host.lastPage().find(">&#1058;&#1072;&#1073;&#1083;&#1080;&#1094;&#1072;</th>"), std::string::npos);
  state.dialogLanguage = uilanguage::kHebrew;
  renderer.showVerbPage(offsetOf(*dbs.verbs, 10, 0));
  EXPECT_NE(host.lastPage().find(">&#1496;&#1489;&#1500;&#1492;</th>"), std::string::npos);
  state.dialogLanguage = 7;
  renderer.showVerbPage(offsetOf(*dbs.verbs, 10, 0));
  EXPECT_NE(host.lastPage().find(">i_3</th>"), std::string::npos) << "an unknown language leaves the placeholders";
}

TEST_F(VerbPage, AVerbWithoutTranslationsAndWithMissingFormsKeepsTheirPlaceholders) {
  page.setFontClass("tm");
  renderer.showVerbPage(offsetOf(*dbs.verbs, 10, 0));
  const std::string& html = host.lastPage();
  // The translation tail follows the binyan listing directly.
  EXPECT_NE(html.find("</table></td></div></td></tr></table></td></tr></table><table"), std::string::npos);
  EXPECT_NE(html.find(">p_031</td>"), std::string::npos) << "a form the verb lacks leaves its placeholder";
  EXPECT_EQ(html.find("p_a"), std::string::npos) << "unfilled alternatives are cleared by the root record";
  EXPECT_EQ(html.find("p_font"), std::string::npos);
  EXPECT_NE(html.find("class=\"tm\""), std::string::npos);
}

TEST_F(VerbPage, AnEntryThatDoesNotDecodeShowsNothing) {
  renderer.showVerbPage(offsetOf(*dbs.verbs, 7, 0));
  const PageState before = page;
  renderer.showVerbPage(0xFFFFFF00u);
  state.inputLanguage = inputlanguage::kRussian;
  renderer.showVerbPage(480);
  EXPECT_EQ(host.pages.size(), 1u);
  EXPECT_EQ(page.translationSection, before.translationSection);
  EXPECT_EQ(page.conjugationSection, before.conjugationSection);
}

TEST_F(VerbPage, BinyanListingOnTheRussianSideHasNoLinks) {
  state.inputLanguage = inputlanguage::kRussian;
  VerbRecord rootRecord;
  ASSERT_TRUE(dbs.verbs->decode(offsetOf(*dbs.verbs, 7, 99), rootRecord));
  renderer.fillConjugationCell(rootRecord);
  const std::vector<ExpectedBinyanRow> binyans = {
      {false, "&#1508;&#1506;&#1500;"},           {false, "&#1504;&#1508;&#1506;&#1500;"},
      {true, "&#1508;&#1497;&#1506;&#1500;"},     {false, "&#1508;&#1493;&#1506;&#1500;"},
      {false, "&#1492;&#1508;&#1506;&#1497;&#1500;"}, {false, "&#1492;&#1493;&#1508;&#1506;&#1500;"},
      {false, "&#1492;&#1514;&#1508;&#1506;&#1500;"},
  };
  EXPECT_EQ(page.binyanSection, test::expectedBinyanListing(binyans, "p_font"));
}

}  // namespace
}  // namespace quorix
