#include "root.h"

#include "hebrewtext.h"

namespace quorix::dictionary {

bool Root::parse(std::string_view utf8, Root& root, std::string& error) {
  const std::u32string text = toUtf32(utf8);
  std::vector<Radical> radicals;
  for (char32_t c : text) {
    if (isHebrewLetter(c)) {
      radicals.push_back({ordinaryForm(c), 0});
    } else if ((c == kShinDot || c == kSinDot) && !radicals.empty() && radicals.back().letter == U'ש' &&
               radicals.back().dot == 0) {
      radicals.back().dot = c;
    } else {
      error = "root '" + std::string(utf8) + "': only letters and shin/sin dots may appear";
      return false;
    }
  }
  if (radicals.size() < 3 || radicals.size() > 4) {
    error = "root '" + std::string(utf8) + "': a root has three or four letters";
    return false;
  }
  for (const Radical& r : radicals) {
    if (r.letter == U'ש' && r.dot == 0) {
      error = "root '" + std::string(utf8) + "': shin needs its dot (U+05C1 shin, U+05C2 sin)";
      return false;
    }
  }
  root.radicals_ = std::move(radicals);
  return true;
}

std::u32string Root::pointedLetter(std::size_t k) const {
  std::u32string out(1, radicals_[k - 1].letter);
  if (radicals_[k - 1].dot != 0) out.push_back(radicals_[k - 1].dot);
  return out;
}

bool Root::hasSin() const {
  for (const Radical& r : radicals_) {
    if (r.dot == kSinDot) return true;
  }
  return false;
}

std::u32string Root::typedKey() const {
  std::u32string out;
  for (const Radical& r : radicals_) out.push_back(r.letter);
  return withFinalLetters(out);
}

std::u32string Root::display() const {
  std::u32string out;
  for (std::size_t k = 1; k <= size(); ++k) {
    if (k > 1) out.push_back(U'-');
    std::u32string letter = pointedLetter(k);
    if (k == size()) letter[0] = finalForm(letter[0]);
    out += letter;
  }
  return out;
}

std::string Root::identity() const {
  std::u32string out;
  for (std::size_t k = 1; k <= size(); ++k) out += pointedLetter(k);
  return toUtf8(out);
}

}  // namespace quorix::dictionary
