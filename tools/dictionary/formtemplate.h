#pragma once
// Expansion of the form templates of a paradigm with a root.
//
// A pointed template is pointed Hebrew in which the digits 1 to 4 stand for the radicals; marks
// after a digit belong to that radical. After a radical, '*' asks for a dagesh lene (given only to
// ב ג ד כ פ ת), and a dagesh (U+05BC) asks for doubling, which the gutturals and resh refuse (an
// error: the root does not fit the table). A '+' marks the start of a suffix: when the radical before
// it is the same letter as the suffix's first (nun before נו/נה, tav before ת), the two merge into
// one letter with dagesh (נָתַנּוּ, כָּרַתִּי). The last letter takes its final shape; a final kaf
// without a vowel takes shva; a final ח or ע radical after a vowel other than patah and qamats takes
// the furtive patah (שׁוֹמֵעַ, לָשִׂיחַ), and before a word-final suffix תְּ the helping patah
// (שָׁמַעַתְּ). 'T' is the tav of hitpa'el after a sibilant first radical,
// which becomes ד after ז and ט after צ (הִשְׁתַּמֵּשׁ, הִזְדַּקֵּן, הִצְטַלֵּם); a dagesh written with it
// stays only on ת and ד. The result is in canonical order (NFC).
//
// An unpointed template is the full spelling with the same digits, '+' and 'T'; '%' after a radical
// doubles a consonantal vav or yod inside the word as full spelling does (כיוון, התיישב, לייסד), unless
// a vowel letter stands beside it (for a vav, a vowel letter vav: צווה; for a yod, a vav, a yod or
// the word-final he: קיים, מצוין, היה); at the start of a word it stays single (ויתר).
//
// Both return false with `error` on a malformed template, a radical beyond the root's length, a
// doubling the radical refuses, or a mark that code page 1255 cannot store.

#include <string>
#include <string_view>

#include "root.h"

namespace quorix::dictionary {

bool expandPointed(std::u32string_view pattern, const Root& root, std::u32string& form, std::string& error);
bool expandUnpointed(std::u32string_view pattern, const Root& root, std::u32string& form, std::string& error);

}  // namespace quorix::dictionary
