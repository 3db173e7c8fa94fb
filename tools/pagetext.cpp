#include "pagetext.h"

#include <algorithm>
#include <vector>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "htmltree.h"
#include "pages/pagetemplates.h"

namespace quorix {

namespace {

// The page writes the placeholder as U+008F in the font Symbol, which the pane draws as a circle.
constexpr std::string_view kPlaceholder = "\xC2\x8F";
constexpr std::string_view kCircle = "\xE2\x97\x8B";
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

bool isHighlight(const std::string* colour) {
  if (colour == nullptr) return false;
  std::string value = *colour;
  std::transform(value.begin(), value.end(), value.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return value == "#ffd988" || value == "#e6e5e9";
}

std::string replaceAllOf(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// Runs of blanks become one blank; no blank at either end.
std::string collapseBlanks(std::string_view text) {
  std::string out;
  bool blank = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

class PageTextWriter {
 public:
  explicit PageTextWriter(UiLanguage labels) : labels_(labels) {}

  void block(const HtmlNode& node) {
    std::vector<const HtmlNode*> rowTables;
    const auto flushRowTables = [&] {
      if (!rowTables.empty()) grid(rowTables);
      rowTables.clear();
    };
    for (const HtmlNode& child : node.children) {
      if (child.tag == "table" && !isLayoutTable(child) && rowsOf(child).size() == 1) {
        flushParagraph();
        rowTables.push_back(&child);
        continue;
      }
      flushRowTables();
      if (child.tag == "table") {
        flushParagraph();
        if (isLayoutTable(child)) {
          for (const HtmlNode* row : rowsOf(child)) {
            for (const HtmlNode* cell : cellsOf(*row)) block(*cell);
          }
        } else {
          grid({&child});
        }
      } else if (child.tag == "img" && !sectionTitle(child).empty()) {
        flushParagraph();
        if (!lines_.empty()) lines_.emplace_back();
        lines_.push_back(sectionTitle(child));
      } else if (child.tag == "br" || child.tag == "div" || child.tag == "p" || child.tag == "body" ||
                 child.tag == "html" || child.tag == "td" || child.tag == "th") {
        flushParagraph();
        block(child);
        flushParagraph();
      } else {
        paragraph_ += inlineText(child);
      }
    }
    flushRowTables();
  }

  std::string finish() {
    flushParagraph();
    std::string text;
    for (const std::string& line : lines_) {
      std::string trimmed = line;
      while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
      text += trimmed + '\n';
    }
    if (marked_ || linked_) {
      text += "\n(";
      if (marked_) text += "*: highlighted";
      if (marked_ && linked_) text += "; ";
      if (linked_) text += "[ ]: a verb of the same root";
      text += ")\n";
    }
    return text;
  }

 private:
  static std::vector<const HtmlNode*> childrenTagged(const HtmlNode& node,
                                                     std::initializer_list<std::string_view> tags) {
    std::vector<const HtmlNode*> found;
    for (const HtmlNode& child : node.children) {
      if (std::find(tags.begin(), tags.end(), child.tag) != tags.end()) found.push_back(&child);
      // Rows may stand in a tbody, which browsers add and pages may write.
      if (child.tag == "tbody" || child.tag == "thead") {
        for (const HtmlNode* inner : childrenTagged(child, tags)) found.push_back(inner);
      }
    }
    return found;
  }
  static std::vector<const HtmlNode*> rowsOf(const HtmlNode& table) { return childrenTagged(table, {"tr"}); }
  static std::vector<const HtmlNode*> cellsOf(const HtmlNode& row) { return childrenTagged(row, {"td", "th"}); }

  static bool isLayoutTable(const HtmlNode& table) { return table.contains("table"); }

  std::string sectionTitle(const HtmlNode& image) const {
    const std::string* source = image.attribute("src");
    if (source == nullptr) return {};
    static constexpr std::pair<std::string_view, int> kTitles[] = {
        {"img/bin_e.png", 0}, {"img/trn_e.png", 1}, {"img/vcf_e.png", 2}};
    for (const auto& [picture, label] : kTitles) {
      if (*source != picture) continue;
      const std::string& title = pageLabelHtml(labels_, label);
      return decodeCharacterReferences(title.empty() ? pageLabelHtml(uilanguage::kEnglish, label) : title);
    }
    return {};
  }

  std::string inlineText(const HtmlNode& node) {
    if (node.isText()) return node.text;
    if (node.tag == "img") {
      const std::string* source = node.attribute("src");
      return source != nullptr && source->ends_with("sqr_s.gif") ? " \xC2\xB7 " : "";
    }
    std::string text;
    for (const HtmlNode& child : node.children) text += inlineText(child);
    if (node.tag == "a" && node.attribute("href") != nullptr) {
      linked_ = true;
      return "[" + collapseBlanks(text) + "]";
    }
    return text;
  }

  std::string cellText(const HtmlNode& cell) {
    std::string text =
        collapseBlanks(replaceAllOf(replaceAllOf(inlineText(cell), kNoBreakSpace, " "), kPlaceholder, kCircle));
    if (isHighlight(cell.attribute("bgcolor")) && !text.empty()) {
      marked_ = true;
      text = "*" + text + "*";
    }
    return text;
  }

  void grid(const std::vector<const HtmlNode*>& tables) {
    std::vector<std::vector<std::string>> rows;
    std::vector<bool> rowMarks;
    for (const HtmlNode* table : tables) {
      for (const HtmlNode* row : rowsOf(*table)) {
        std::vector<std::string> cells;
        for (const HtmlNode* cell : cellsOf(*row)) cells.push_back(cellText(*cell));
        if (std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); })) continue;
        rows.push_back(std::move(cells));
        rowMarks.push_back(isHighlight(row->attribute("bgcolor")));
      }
    }
    const bool anyMark = std::find(rowMarks.begin(), rowMarks.end(), true) != rowMarks.end();
    marked_ = marked_ || anyMark;
    std::vector<std::size_t> widths;
    for (const auto& cells : rows) {
      widths.resize(std::max(widths.size(), cells.size()), 0);
      for (std::size_t c = 0; c < cells.size(); ++c) widths[c] = std::max(widths[c], displayWidth(cells[c]));
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
      std::string line = anyMark ? (rowMarks[r] ? "* " : "  ") : "";
      line += "  ";
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        if (c > 0) line += "  ";
        line += rows[r][c];
        line.append(widths[c] - displayWidth(rows[r][c]), ' ');
      }
      lines_.push_back(std::move(line));
    }
  }

  void flushParagraph() {
    std::string text = collapseBlanks(replaceAllOf(paragraph_, kNoBreakSpace, " "));
    paragraph_.clear();
    if (!text.empty()) lines_.push_back(std::move(text));
  }

  UiLanguage labels_;
  std::vector<std::string> lines_;
  std::string paragraph_;
  bool marked_ = false;
  bool linked_ = false;
};

}  // namespace

std::size_t displayWidth(std::string_view utf8) {
  std::size_t width = 0;
  std::int32_t i = 0;
  const auto length = static_cast<std::int32_t>(utf8.size());
  while (i < length) {
    UChar32 c = 0;
    U8_NEXT(reinterpret_cast<const std::uint8_t*>(utf8.data()), i, length, c);
    const std::int8_t type = u_charType(c);
    if (type != U_NON_SPACING_MARK && type != U_ENCLOSING_MARK && type != U_FORMAT_CHAR) ++width;
  }
  return width;
}

std::string pageText(std::string_view html, UiLanguage labels) {
  PageTextWriter writer(labels);
  writer.block(parseHtml(html));
  return writer.finish();
}

}  // namespace quorix
