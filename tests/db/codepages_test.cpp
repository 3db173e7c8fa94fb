#include "db/codepages.h"

#include <gtest/gtest.h>

namespace quorix {
namespace {

struct Sample {
  const char* utf8;
  const char* bytes;
  CodePage codePage;
};

// Letters, every vowel point the dictionary writes, the two marker bytes and Russian with ё.
const Sample kSamples[] = {
    {"אבגדהוזחטיךכלםמןנסעףפץצקרשת", "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9\xFA",
     CodePage::Hebrew1255},
    // sheva, hataf segol, hataf patah, hataf qamats, hiriq, tsere, segol, patah, qamats, holam
    {"\u05B0\u05B1\u05B2\u05B3\u05B4\u05B5\u05B6\u05B7\u05B8\u05B9", "\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9",
     CodePage::Hebrew1255},
    // qubuts, dagesh, meteg, maqaf, rafe, paseq, shin dot, sin dot, sof pasuq
    {"\u05BB\u05BC\u05BD\u05BE\u05BF\u05C0\u05C1\u05C2\u05C3", "\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3",
     CodePage::Hebrew1255},
    {"\u05DB\u05BC\u05B8\u05EA\u05B7\u05D1", "\xEB\xCC\xC8\xFA\xC7\xE1", CodePage::Hebrew1255},
    {"писать ёлку", "\xEF\xE8\xF1\xE0\xF2\xFC \xB8\xEB\xEA\xF3", CodePage::Russian1251},
    {"Таблица", "\xD2\xE0\xE1\xEB\xE8\xF6\xE0", CodePage::Russian1251},
    {"to write", "to write", CodePage::Russian1251},
    {"", "", CodePage::Hebrew1255},
};

TEST(CodePages, ConvertsBothWays) {
  for (const Sample& s : kSamples) {
    EXPECT_EQ(utf8ToCodePage(s.utf8, s.codePage), s.bytes) << s.utf8;
    EXPECT_EQ(codePageToUtf8(s.bytes, s.codePage), s.utf8) << s.utf8;
  }
}

TEST(CodePages, Utf16KeepsOneBytePerUnit) {
  const std::u16string word = u"שָׁלוֹם";
  const std::string bytes = utf16ToCodePage(word, CodePage::Hebrew1255);
  EXPECT_EQ(bytes.size(), word.size());
  EXPECT_EQ(codePageToUtf16(bytes, CodePage::Hebrew1255), word);
}

TEST(CodePages, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCodePage("aЖb", CodePage::Hebrew1255), "a?b");
  EXPECT_EQ(utf8ToCodePage("xשy", CodePage::Russian1251), "x?y");
  EXPECT_EQ(utf8ToCodePage("\U0001F600", CodePage::Russian1251), "?");
}

}  // namespace
}  // namespace quorix
