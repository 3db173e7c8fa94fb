#pragma once
// How a list row's text is drawn: a row text may change colour part-way through. The byte 0x01
// followed by a colour code byte marks the change; the part before the mark is drawn in the row's
// normal colour at the aligned edge, the rest in the code's colour next to it (to its left when the
// row is right-aligned). The two mark bytes are never drawn.

#include <cstdint>
#include <optional>
#include <string_view>

#include "programstate.h"

namespace quorix {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct RowTextParts {
  std::string_view first;  // up to the first 0x01, or the whole text
  bool hasMark = false;
  std::uint8_t colourCode = 0;  // the byte after the 0x01; 0 when the text ends at the 0x01
  std::string_view rest;        // after the colour code; empty without a mark
};

// Views into `text`.
RowTextParts splitRowText(std::string_view text);

// The colour of the rest for a code: 2 black, 3 green, 4 red, 5 yellow on a selected row and blue
// otherwise; none (keep the current colour) for any other code.
std::optional<Rgb> markColour(std::uint8_t colourCode, bool selected);

// How a row is laid out: Russian rows drawn from the database read left to right from the left
// edge; every other row (Hebrew rows, and the table list's own strings) reads right to left, from
// the left edge when the list is left-aligned and from the right edge otherwise.
struct RowLayout {
  bool alignLeft = false;
  bool rightToLeft = true;
  bool operator==(const RowLayout&) const = default;
};
RowLayout rowLayout(bool leftAlignedList, InputLanguage language, bool tableListOpen);

// Where the two parts of a row with a colour mark stand: the x of each part's left edge from the
// row's left edge, given the row's width and each part's width (the rest's width counts its
// leading blanks). The two parts make one line at the aligned edge. In a right-to-left line the
// first part comes first, at the line's right end, and the rest to its left, its leading blanks
// between the two; so a left-aligned row reads like a right-aligned one, gap included. In a
// left-to-right line the rest follows the first part on its right. A line wider than the row
// overflows on the side away from its edge (the caller clips).
struct RowPartPositions {
  int first = 0;
  int rest = 0;
  bool operator==(const RowPartPositions&) const = default;
};
RowPartPositions rowPartPositions(int rowWidth, int firstWidth, int restWidth, RowLayout layout);

// The orange of the focus frame around the row with the keyboard focus.
inline constexpr Rgb kFocusFrameColour{255, 174, 0};

}  // namespace quorix
