#include "htmltree.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorix {
namespace {

// The texts of the cells of each row of the first table, read the way the pages need.
std::vector<std::vector<std::string>> cellTexts(const HtmlNode& node) {
  std::vector<std::vector<std::string>> rows;
  std::function<std::string(const HtmlNode&)> textOf = [&](const HtmlNode& n) {
    std::string text = n.text;
    for (const HtmlNode& child : n.children) text += textOf(child);
    return text;
  };
  std::function<const HtmlNode*(const HtmlNode&)> firstTable = [&](const HtmlNode& n) -> const HtmlNode* {
    for (const HtmlNode& child : n.children) {
      if (child.tag == "table") return &child;
      if (const HtmlNode* found = firstTable(child)) return found;
    }
    return nullptr;
  };
  const HtmlNode* table = firstTable(node);
  if (table == nullptr) return rows;
  for (const HtmlNode& row : table->children) {
    if (row.tag != "tr") continue;
    rows.emplace_back();
    for (const HtmlNode& cell : row.children) {
      if (cell.tag == "td" || cell.tag == "th") rows.back().push_back(textOf(cell));
    }
  }
  return rows;
}

using Rows = std::vector<std::vector<std::string>>;

// The endings browsers supply and the pages rely on.
TEST(HtmlTree, CellsAndRowsEndWhereBrowsersEndThem) {
  const struct {
    const char* html;
    Rows rows;
  } cases[] = {
      // Header cells opened with <th> and closed with </td>.
      {"<table><tr><th>a</td><th>b</td></tr></table>", {{"a", "b"}}},
      // Rows without </tr>, cells without </td>.
      {"<table><tr><td>a<td>b<tr><td>c</table>", {{"a", "b"}, {"c"}}},
      // A table inside a cell: its cells do not end the outer one.
      {"<table><tr><td>x<table><tr><td>in</td></tr></table>y</td><td>z</td></tr></table>", {{"xiny", "z"}}},
      // A stray end tag is dropped, an unclosed span ends with its cell.
      {"<table><tr><td>a</span>b</td><td><span>c</td><td>d</td></tr></table>", {{"ab", "c", "d"}}},
      {"<table><tr><td>&#1500;&nbsp;&amp;</td></tr></table>", {{"\xD7\x9C\xC2\xA0&"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(cellTexts(parseHtml(c.html)), c.rows) << c.html;
}

TEST(HtmlTree, AttributesQuotedUnquotedAndBare) {
  const HtmlNode root = parseHtml(
      "<tr bgcolor=\"#e6e5e9\"  bgcolor=\"#f7f7f9\"><td align=\"right\" fparam_21 bgcolor='#ffd988' id=tab_0 "
      "OnMouseUp=\"javascript:{x='#'}\">v</td></tr>");
  ASSERT_EQ(root.children.size(), 1u);
  const HtmlNode& row = root.children[0];
  EXPECT_EQ(*row.attribute("bgcolor"), "#e6e5e9") << "of two attributes with one name the first counts";
  ASSERT_EQ(row.children.size(), 1u);
  const HtmlNode& cell = row.children[0];
  ASSERT_NE(cell.attribute("fparam_21"), nullptr);
  EXPECT_EQ(*cell.attribute("fparam_21"), "");
  EXPECT_EQ(*cell.attribute("bgcolor"), "#ffd988");
  EXPECT_EQ(*cell.attribute("id"), "tab_0");
  EXPECT_EQ(*cell.attribute("onmouseup"), "javascript:{x='#'}");
  EXPECT_EQ(cell.attribute("class"), nullptr);
}

TEST(HtmlTree, SkipsScriptsStylesAndComments) {
  const HtmlNode root =
      parseHtml("<html> <style> td { x: '<b>'; } </style><script>if (a < b) {}</script><!-- <p>no --><b>yes</b>");
  std::string text;
  std::function<void(const HtmlNode&)> collect = [&](const HtmlNode& n) {
    text += n.text;
    for (const HtmlNode& child : n.children) collect(child);
  };
  collect(root);
  EXPECT_EQ(text, " yes");
  EXPECT_TRUE(root.contains("style"));
  EXPECT_FALSE(root.contains("p"));
}

TEST(CharacterReferences, DecodesWhatThePagesWriteAndKeepsTheRest) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"&#1500;&#1499;", "\xD7\x9C\xD7\x9B"},
      {"&#x5D0;", "\xD7\x90"},
      {"&#143;", "\xC2\x8F"},
      {"a&nbsp;b",
       "a\xC2\xA0"
       "b"},
      {"&lt;&gt;&quot;&apos;&amp;", "<>\"'&"},
      {"&amp;lt;", "&lt;"},  // decoded once
      {"&bogus; & &#; &#0; &#55296; &#99999999;", "&bogus; & &#; &#0; &#55296; &#99999999;"},
      {"&#1500", "&#1500"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(decodeCharacterReferences(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace quorix
