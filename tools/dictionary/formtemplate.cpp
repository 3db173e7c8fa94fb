#include "formtemplate.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "hebrewtext.h"

namespace quorix::dictionary {

namespace {

struct Unit {
  char32_t letter = 0;
  std::u32string marks;
  std::size_t radical = 0;  // 0 for a letter written in the template
  bool lene = false;
  bool doubled = false;
  bool fullSpellingDouble = false;
  bool suffixStart = false;
  bool prefixTav = false;  // 'T': the tav of hitpa'el after a sibilant first radical
};

bool hasVowel(const Unit& unit) {
  for (char32_t c : unit.marks) {
    if (isVowelPoint(c)) return true;
  }
  return false;
}

bool hasMark(const Unit& unit, char32_t mark) { return unit.marks.find(mark) != std::u32string::npos; }

std::string radicalText(std::size_t k) { return std::to_string(k); }

bool parse(std::u32string_view pattern, bool pointed, const Root& root, std::vector<Unit>& units, std::string& error) {
  bool suffixPending = false;
  for (char32_t c : pattern) {
    if (c >= U'1' && c <= U'4') {
      const std::size_t k = static_cast<std::size_t>(c - U'0');
      if (k > root.size()) {
        error = "radical " + radicalText(k) + " used with a root of " + std::to_string(root.size()) + " letters";
        return false;
      }
      Unit unit;
      unit.radical = k;
      unit.letter = root.letter(k);
      if (pointed) unit.marks = root.pointedLetter(k).substr(1);
      unit.suffixStart = suffixPending;
      suffixPending = false;
      units.push_back(std::move(unit));
    } else if (isHebrewLetter(c)) {
      Unit unit;
      unit.letter = ordinaryForm(c);
      unit.suffixStart = suffixPending;
      suffixPending = false;
      units.push_back(std::move(unit));
    } else if (c == U'T') {
      // The tav of hitpa'el that changed place with a sibilant: voiced after ז, emphatic after צ.
      Unit unit;
      unit.letter = root.letter(1) == U'ז' ? U'ד' : root.letter(1) == U'צ' ? U'ט' : U'ת';
      unit.prefixTav = true;
      units.push_back(std::move(unit));
    } else if (c == U'+') {
      suffixPending = true;
    } else if (units.empty()) {
      error = "template starts with a mark";
      return false;
    } else if (c == U'*' && pointed && units.back().radical != 0) {
      units.back().lene = true;
    } else if (c == U'%' && !pointed && units.back().radical != 0) {
      units.back().fullSpellingDouble = true;
    } else if (pointed && isHebrewMark(c)) {
      if (!isStorablePoint(c)) {
        char code[8];
        std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
        error = std::string("mark U+") + code + " cannot be stored in code page 1255";
        return false;
      }
      if (c == kDagesh && units.back().radical != 0) {
        units.back().doubled = true;
      } else {
        units.back().marks.push_back(c);
      }
    } else {
      error = "unexpected character '" + toUtf8(std::u32string(1, c)) + "' in template";
      return false;
    }
  }
  if (suffixPending) {
    error = "'+' at the end of a template";
    return false;
  }
  return true;
}

// A radical and an identical first letter of the suffix after it become one letter.
void mergeAtSuffix(std::vector<Unit>& units, bool pointed) {
  for (std::size_t i = 1; i < units.size(); ++i) {
    Unit& suffix = units[i];
    const Unit& radical = units[i - 1];
    if (!suffix.suffixStart || radical.radical == 0 || radical.letter != suffix.letter) continue;
    if (pointed && !hasMark(suffix, kDagesh)) suffix.marks.push_back(kDagesh);
    units.erase(units.begin() + static_cast<std::ptrdiff_t>(i - 1));
    --i;
  }
}

bool applyDagesh(std::vector<Unit>& units, std::string& error) {
  for (Unit& unit : units) {
    if (unit.prefixTav && !isBegadkefat(unit.letter)) std::erase(unit.marks, kDagesh);
    if (unit.doubled) {
      if (refusesDoubling(unit.letter)) {
        error = "radical " + radicalText(unit.radical) + " (" + toUtf8(std::u32string(1, unit.letter)) +
                ") cannot be doubled";
        return false;
      }
      unit.marks.push_back(kDagesh);
    } else if (unit.lene && isBegadkefat(unit.letter) && !hasMark(unit, kDagesh)) {
      unit.marks.push_back(kDagesh);
    }
  }
  return true;
}

// Whether the vowel heard before the last letter is one that a final guttural follows with a
// furtive patah: anything but patah and qamats, looking through a vowel letter yod.
bool needsFurtivePatah(const std::vector<Unit>& units) {
  if (units.size() < 2) return false;
  const Unit& last = units.back();
  if (last.radical == 0 || (last.letter != U'ח' && last.letter != U'ע') || hasVowel(last)) return false;
  const Unit* before = &units[units.size() - 2];
  if (before->letter == U'ו' && hasMark(*before, kDagesh) && !hasVowel(*before)) return true;  // shuruq
  if (before->letter == U'י' && !hasVowel(*before) && units.size() >= 3) before = &units[units.size() - 3];
  for (char32_t c : before->marks) {
    if (c == kHiriq || c == kTsere || c == kHolam || c == kQubuts || c == kSegol) return true;
  }
  return false;
}

// A final ח or ע radical cannot close the cluster before the word-final suffix תְּ: its shva becomes
// the helping patah (שָׁמַעַתְּ, הִצְלַחַתְּ).
void addHelpingPatah(std::vector<Unit>& units) {
  if (units.size() < 2) return;
  const Unit& tav = units.back();
  Unit& guttural = units[units.size() - 2];
  if (!tav.suffixStart || tav.letter != U'ת' || !hasMark(tav, kShva)) return;
  if (guttural.radical == 0 || (guttural.letter != U'ח' && guttural.letter != U'ע')) return;
  std::replace(guttural.marks.begin(), guttural.marks.end(), kShva, kPatah);
}

std::u32string joined(const std::vector<Unit>& units) {
  std::u32string out;
  for (const Unit& unit : units) {
    out.push_back(unit.letter);
    out += unit.marks;
  }
  return out;
}

}  // namespace

bool expandPointed(std::u32string_view pattern, const Root& root, std::u32string& form, std::string& error) {
  std::vector<Unit> units;
  if (!parse(pattern, true, root, units, error)) return false;
  if (units.empty()) {
    error = "empty template";
    return false;
  }
  mergeAtSuffix(units, true);
  if (!applyDagesh(units, error)) return false;
  units.back().letter = finalForm(units.back().letter);
  if (units.back().letter == U'ך' && !hasVowel(units.back())) units.back().marks.push_back(kShva);
  if (needsFurtivePatah(units)) units.back().marks.push_back(kPatah);
  addHelpingPatah(units);
  form = canonical(joined(units));
  return true;
}

bool expandUnpointed(std::u32string_view pattern, const Root& root, std::u32string& form, std::string& error) {
  std::vector<Unit> units;
  if (!parse(pattern, false, root, units, error)) return false;
  if (units.empty()) {
    error = "empty template";
    return false;
  }
  mergeAtSuffix(units, false);
  std::u32string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const Unit& unit = units[i];
    out.push_back(unit.letter);
    if (!unit.fullSpellingDouble || (unit.letter != U'ו' && unit.letter != U'י')) continue;
    // A vowel letter beside it keeps it single: vav beside vav (צווה); yod beside a vav, a yod or the
    // word-final he, which is always a vowel letter here (קיים, מצוין, היה, יהיה).
    const auto isVowelLetterBeside = [&](std::size_t j) {
      if (unit.letter == U'י' && j + 1 == units.size() && units[j].letter == U'ה') return true;
      return units[j].radical == 0 && (units[j].letter == unit.letter || (unit.letter == U'י' && units[j].letter == U'ו'));
    };
    const bool besideVowelLetter = (i > 0 && isVowelLetterBeside(i - 1)) || (i + 1 < units.size() && isVowelLetterBeside(i + 1));
    // Full spelling writes a consonantal letter single at the start of a word (ויתר, יחד).
    if (i > 0 && !besideVowelLetter) out.push_back(unit.letter);
  }
  form = withFinalLetters(out);
  return true;
}

}  // namespace quorix::dictionary
