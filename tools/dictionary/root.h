#pragma once
// The root of a verb: three or four radicals, each a Hebrew letter, shin and sin told apart by their
// dots ("שׁ" U+05E9 U+05C1, "שׂ" U+05E9 U+05C2). Final letter shapes in the source are read as the
// ordinary letters. A plain value.

#include <string>
#include <string_view>
#include <vector>

namespace quorix::dictionary {

class Root {
 public:
  // False with `error` when the text is not three or four letters, holds anything but letters and
  // shin/sin dots, or has a shin without its dot.
  static bool parse(std::string_view utf8, Root& root, std::string& error);

  std::size_t size() const { return radicals_.size(); }
  // Radical k, counted from 1, in ordinary shape without dot; k must be 1..size().
  char32_t letter(std::size_t k) const { return radicals_[k - 1].letter; }
  // The letter with its shin or sin dot when it has one.
  std::u32string pointedLetter(std::size_t k) const;
  bool hasSin() const;

  // The radicals as letters without dots, the last in final shape: how a reader types the root.
  std::u32string typedKey() const;
  // The radicals with their dots and hyphens between them ("שׁ-מ-ר"), the last in final shape.
  std::u32string display() const;
  // The radicals with their dots in ordinary shape: the identity used to key overrides.
  std::string identity() const;

  friend bool operator==(const Root&, const Root&) = default;

 private:
  struct Radical {
    char32_t letter = 0;
    char32_t dot = 0;
    friend bool operator==(const Radical&, const Radical&) = default;
  };
  std::vector<Radical> radicals_;
};

}  // namespace quorix::dictionary
