#include "pages/pagetemplates.h"

#include <gtest/gtest.h>

#include "pages/textreplace.h"

namespace quorix {
namespace {

std::size_t occurrences(std::string_view text, std::string_view what) {
  std::string copy(text);
  return replaceAll(copy, what, "");
}

TEST(Templates, NoTemplateHoldsALineBreak) {
  for (std::string_view t : {kPageHeadTemplate, kPageTail, kTranslationTail, kConjugationTemplate, kBinyanTemplate,
                             kTranslationHead}) {
    EXPECT_EQ(t.find('\n'), std::string_view::npos);
    EXPECT_EQ(t.find('\r'), std::string_view::npos);
  }
  EXPECT_EQ(occurrences(kPageHeadTemplate, "p_font"), 2u);
  EXPECT_EQ(occurrences(kPageHeadTemplate, "\t"), 38u);  // 8 per font class, 1 per span colour, 2 for the box
}

TEST(Templates, EachFormPlaceholderOccursOnceInTheConjugationTable) {
  // The forms that have a cell: 0 and the grid's; 7 and 18 have none.
  const int forms[] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 11, 12, 13, 14, 15, 16, 17, 19, 20, 21, 22, 23, 24, 31, 32, 33, 34};
  for (int n : forms) {
    const auto u = static_cast<unsigned>(n);
    EXPECT_EQ(occurrences(kConjugationTemplate, placeholder("p_", u, 3)), 1u) << n;
    EXPECT_EQ(occurrences(kConjugationTemplate, placeholder("p_", u + 50, 3)), 1u) << n;
    EXPECT_EQ(occurrences(kConjugationTemplate, placeholder("p_a", u + 50, 2)), 1u) << n;
    EXPECT_EQ(occurrences(kConjugationTemplate, placeholder("fparam_", u, 2)), 1u) << n;
  }
  for (int n : {7, 18}) EXPECT_EQ(occurrences(kConjugationTemplate, placeholder("p_", static_cast<unsigned>(n), 3)), 0u);
  EXPECT_EQ(occurrences(kConjugationTemplate, "fparam_07"), 1u);
  EXPECT_EQ(occurrences(kConjugationTemplate, "fparam_18"), 0u);
  EXPECT_EQ(occurrences(kConjugationTemplate, "fparam_"), 28u);
  EXPECT_EQ(occurrences(kConjugationTemplate, "p_font"), 3u);
  EXPECT_NE(kConjugationTemplate.find("<td align=\"right\" fparam_08 fparam_07>p_058p_008p_a58</td>"), std::string::npos);
}

TEST(Templates, EachBinyanNameSits84BytesAfterItsRowsTag) {
  for (int q = 1; q <= 7; ++q) {
    const std::size_t at = kBinyanTemplate.find("p_" + std::to_string(q));
    ASSERT_NE(at, std::string_view::npos);
    EXPECT_EQ(kBinyanTemplate.substr(at - 87, 3), "<tr") << q;
  }
}

TEST(PageLabels, ByDialogLanguage) {
  EXPECT_EQ(pageLabelHtml(uilanguage::kEnglish, 7), "Infinitive");
  EXPECT_EQ(pageLabelHtml(uilanguage::kRussian, 3), "&#1058;&#1072;&#1073;&#1083;&#1080;&#1094;&#1072;");
  EXPECT_EQ(pageLabelHtml(uilanguage::kHebrew, 7), "&#1513;&#1501; &#1508;&#1493;&#1506;&#1500;");
  EXPECT_EQ(pageLabelHtml(uilanguage::kHebrew, 0), "");
  EXPECT_EQ(pageLabelHtml(9, 3), "");
  EXPECT_EQ(pageLabelHtml(uilanguage::kEnglish, 8), "");
}

TEST(BinyanNames, OnlyBinyansOneToSeven) {
  EXPECT_EQ(binyanName(1), "&#1508;&#1506;&#1500;");
  EXPECT_EQ(binyanName(7), "&#1492;&#1514;&#1508;&#1506;&#1500;");
  EXPECT_EQ(binyanName(0), "");
  EXPECT_EQ(binyanName(8), "");
}

}  // namespace
}  // namespace quorix
