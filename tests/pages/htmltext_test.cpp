#include "pages/htmltext.h"

#include <gtest/gtest.h>

namespace quorix {
namespace {

const std::string kZeroGlyph = "<span dir=rtl style='font-size: 14px;'><font face='Symbol'>&#143;</font></span>";

TEST(EncodeHtmlText, ByteRules) {
  const struct {
    std::string input;
    int codePage;
    std::string output;
  } cases[] = {
      {"\xE0\xE1", 1255, "&#1488;&#1489;"},
      {"\xE0\xE1", 1251, "&#1072;&#1073;"},
      {"\xE0\xE1", 0, "&#1488;&#1489;"},  // any code page but 1251 reads as Hebrew
      {"\xB8", 1251, "&#1105;"},
      {"\xB8", 1255, "&#1448;"},
      {"\xC0\xD3\xFA\xFF", 1255, "&#1456;&#1475;&#1514;&#1519;"},
      {"\xC0\xFF", 1251, "&#1040;&#1103;"},
      {"\x80", 1251, "&#976;"},
      {"\xD0x\xD0", 1255, "<span class='gray'>x</span>"},
      {"\xCEtext", 1255, "<span class='orange'><b>text"},
      {"\xCE" "a\xCE\xCE" "b\xCE", 1251, "<span class='orange'><b>a</b></span><span class='orange'><b>b</b></span>"},
      {"\xD0\xCE\xD0\xCE", 1251, "<span class='gray'><span class='orange'><b></span></b></span>"},
      {"a=0", 1255, "a<span dir=rtl>=</span>" + kZeroGlyph},
      {"123456789", 1255, "123456789"},
      {"<b>x & 'y'</b>", 1255, "<b>x & 'y'</b>"},
      {"", 1255, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(encodeHtmlText(c.input, c.codePage), c.output) << c.input;
}

TEST(EncodeHtmlText, SpansDoNotCarryOverBetweenCalls) {
  EXPECT_EQ(encodeHtmlText("\xD0", 1255), "<span class='gray'>");
  EXPECT_EQ(encodeHtmlText("\xD0", 1255), "<span class='gray'>");
}

TEST(EncodeHtmlText, OutputIsPureAscii) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  for (int cp : {1251, 1255}) {
    for (const char c : encodeHtmlText(all, cp)) EXPECT_LT(static_cast<unsigned char>(c), 0x80);
  }
}

}  // namespace
}  // namespace quorix
