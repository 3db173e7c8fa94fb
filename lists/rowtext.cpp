#include "rowtext.h"

namespace quorix {

RowTextParts splitRowText(std::string_view text) {
  const std::size_t mark = text.find('\x01');
  if (mark == std::string_view::npos) return {text, false, 0, {}};
  RowTextParts parts{text.substr(0, mark), true, 0, {}};
  // A mark at the very end has no code byte: nothing follows it to colour.
  if (mark + 1 < text.size()) {
    parts.colourCode = static_cast<std::uint8_t>(text[mark + 1]);
    parts.rest = text.substr(mark + 2);
  }
  return parts;
}

std::optional<Rgb> markColour(std::uint8_t colourCode, bool selected) {
  switch (colourCode) {
    case 2: return Rgb{0, 0, 0};
    case 3: return Rgb{0, 255, 0};
    case 4: return Rgb{255, 0, 0};
    case 5: return selected ? Rgb{255, 255, 0} : Rgb{0, 0, 255};
    default: return std::nullopt;
  }
}

RowLayout rowLayout(bool leftAlignedList, InputLanguage language, bool tableListOpen) {
  if (language == inputlanguage::kRussian && !tableListOpen) return {true, false};
  return {leftAlignedList, true};
}

RowPartPositions rowPartPositions(int rowWidth, int firstWidth, int restWidth, RowLayout layout) {
  const int lineLeft = layout.alignLeft ? 0 : rowWidth - firstWidth - restWidth;
  if (layout.rightToLeft) return {lineLeft + restWidth, lineLeft};
  return {lineLeft, lineLeft + firstWidth};
}

}  // namespace quorix
