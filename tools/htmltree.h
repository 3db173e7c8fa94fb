#pragma once
// A tree of the elements and texts of an HTML page, read the forgiving way browsers read the
// program's generated pages: a cell ends at the next cell, row or table end (the page's header
// cells open with <th> and close with </td>), a row ends at the next row, an end tag without an
// open element of its name is dropped, attributes may be quoted, unquoted or bare (the page's cell
// markers), and of two attributes with one name the first counts. Script and style contents are
// skipped. Text has its character references decoded to UTF-8. Not a general HTML parser: enough
// for pages made of tables, spans, fonts, divs and images.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorix {

struct HtmlNode {
  std::string tag;                                              // lower case; empty for a text node
  std::string text;                                             // a text node's text, UTF-8
  std::vector<std::pair<std::string, std::string>> attributes;  // in page order, names lower case
  std::vector<HtmlNode> children;

  bool isText() const { return tag.empty(); }
  // The value of the first attribute with that name; null when there is none. A bare attribute
  // has an empty value.
  const std::string* attribute(std::string_view name) const;
  // True when some node below this one has the tag.
  bool contains(std::string_view tagName) const;
};

// The root has the tag "#document".
HtmlNode parseHtml(std::string_view html);

// "&#1500;", "&#x5D0;", "&nbsp;", "&amp;", "&lt;", "&gt;", "&quot;", "&apos;" decoded to UTF-8;
// anything else that starts with '&' stays as it is.
std::string decodeCharacterReferences(std::string_view text);

}  // namespace quorix
