#include "htmltree.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace quorix {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool isVoid(std::string_view tag) {
  return tag == "img" || tag == "br" || tag == "meta" || tag == "hr" || tag == "input";
}
bool isCell(std::string_view tag) { return tag == "td" || tag == "th"; }

// Builds the tree from the tags and texts in page order, with the ending rules of the header.
class TreeBuilder {
 public:
  TreeBuilder() { root_.tag = "#document"; }

  void text(std::string_view raw) {
    if (raw.empty()) return;
    HtmlNode node;
    node.text = decodeCharacterReferences(raw);
    current().children.push_back(std::move(node));
  }

  void start(HtmlNode element) {
    const std::string tag = element.tag;
    if (isCell(tag)) closeWithinTable([](const std::string& t) { return isCell(t); }, false);
    if (tag == "tr") closeWithinTable([](const std::string& t) { return t == "tr"; }, false);
    HtmlNode& parent = current();
    parent.children.push_back(std::move(element));
    if (!isVoid(tag)) open_.push_back(&parent.children.back());
  }

  void end(const std::string& tag) {
    if (isCell(tag)) {
      closeWithinTable([](const std::string& t) { return isCell(t); }, true);
    } else if (tag == "tr") {
      closeWithinTable([](const std::string& t) { return t == "tr"; }, true);
    } else {
      // An unmatched end tag (a stray </span>) is dropped; one inside a table cell only closes
      // what is open inside that cell.
      for (std::size_t i = open_.size(); i-- > 0;) {
        if (open_[i]->tag == tag) {
          open_.resize(i);
          return;
        }
        if (tag != "table" && (isCell(open_[i]->tag) || open_[i]->tag == "table")) return;
      }
    }
  }

  HtmlNode finish() { return std::move(root_); }

 private:
  HtmlNode& current() { return open_.empty() ? root_ : *open_.back(); }

  // Closes the innermost open element that `matches`, and everything inside it, unless a table
  // lies in between (a cell of an inner table never closes the cell that holds the table). Before
  // a new cell or row (`explicitEnd` false) an open row or cell of the same table is closed too.
  template <typename Match>
  void closeWithinTable(Match matches, bool explicitEnd) {
    for (std::size_t i = open_.size(); i-- > 0;) {
      const std::string& tag = open_[i]->tag;
      if (matches(tag)) {
        open_.resize(i);
        return;
      }
      if (tag == "table") return;
      if (!explicitEnd && tag == "tr" && !matches(std::string("tr"))) return;
    }
  }

  HtmlNode root_;
  // Pointers into the tree; only the last child of each is ever appended to, and children are
  // appended to the innermost open element only, so no pointer is invalidated while it is open.
  std::vector<HtmlNode*> open_;
};

}  // namespace

const std::string* HtmlNode::attribute(std::string_view name) const {
  for (const auto& [key, value] : attributes) {
    if (key == name) return &value;
  }
  return nullptr;
}

bool HtmlNode::contains(std::string_view tagName) const {
  return std::any_of(children.begin(), children.end(),
                     [tagName](const HtmlNode& child) { return child.tag == tagName || child.contains(tagName); });
}

std::string decodeCharacterReferences(std::string_view text) {
  static constexpr std::pair<std::string_view, char32_t> kNamed[] = {{"nbsp", 0xA0}, {"amp", '&'},  {"lt", '<'},
                                                                     {"gt", '>'},    {"quot", '"'}, {"apos", '\''}};
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
    if (semicolon == std::string_view::npos || semicolon - i > 10) {
      out += text[i++];
      continue;
    }
    const std::string_view name = text.substr(i + 1, semicolon - i - 1);
    char32_t value = 0;
    bool known = false;
    if (name.size() > 1 && name[0] == '#') {
      const bool hex = name[1] == 'x' || name[1] == 'X';
      const std::string_view digits = name.substr(hex ? 2 : 1);
      std::uint32_t number = 0;
      const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number, hex ? 16 : 10);
      known = !digits.empty() && ec == std::errc() && end == digits.data() + digits.size() && number > 0 &&
              number <= 0x10FFFF && (number < 0xD800 || number > 0xDFFF);
      value = number;
    } else {
      for (const auto& [entity, character] : kNamed) {
        if (entity == name) {
          known = true;
          value = character;
        }
      }
    }
    if (!known) {
      out += text[i++];
      continue;
    }
    appendUtf8(out, value);
    i = semicolon + 1;
  }
  return out;
}

HtmlNode parseHtml(std::string_view html) {
  TreeBuilder tree;
  std::size_t i = 0;
  const std::size_t n = html.size();
  while (i < n) {
    const std::size_t lt = html.find('<', i);
    if (lt == std::string_view::npos) {
      tree.text(html.substr(i));
      break;
    }
    tree.text(html.substr(i, lt - i));
    i = lt;
    if (html.substr(i, 4) == "<!--") {
      const std::size_t close = html.find("-->", i + 4);
      i = close == std::string_view::npos ? n : close + 3;
      continue;
    }
    const bool endTag = i + 1 < n && html[i + 1] == '/';
    const std::size_t nameStart = i + (endTag ? 2 : 1);
    if (nameStart >= n || !std::isalpha(static_cast<unsigned char>(html[nameStart]))) {
      if (nameStart < n && html[nameStart] == '!') {  // a doctype
        const std::size_t close = html.find('>', i);
        i = close == std::string_view::npos ? n : close + 1;
      } else {
        tree.text(html.substr(i, 1));
        ++i;
      }
      continue;
    }
    std::size_t p = nameStart;
    while (p < n && !isSpace(html[p]) && html[p] != '>' && html[p] != '/') ++p;
    HtmlNode element;
    element.tag = lowerCase(html.substr(nameStart, p - nameStart));
    // Attributes: name, name=value, name="value", name='value'.
    while (p < n && html[p] != '>') {
      if (isSpace(html[p]) || html[p] == '/') {
        ++p;
        continue;
      }
      const std::size_t keyStart = p;
      while (p < n && !isSpace(html[p]) && html[p] != '=' && html[p] != '>') ++p;
      std::string key = lowerCase(html.substr(keyStart, p - keyStart));
      std::string value;
      if (p < n && html[p] == '=') {
        ++p;
        if (p < n && (html[p] == '"' || html[p] == '\'')) {
          const char quote = html[p];
          const std::size_t close = html.find(quote, p + 1);
          const std::size_t valueEnd = close == std::string_view::npos ? n : close;
          value = decodeCharacterReferences(html.substr(p + 1, valueEnd - p - 1));
          p = valueEnd == n ? n : valueEnd + 1;
        } else {
          const std::size_t valueStart = p;
          while (p < n && !isSpace(html[p]) && html[p] != '>') ++p;
          value = decodeCharacterReferences(html.substr(valueStart, p - valueStart));
        }
      }
      if (!endTag) element.attributes.emplace_back(std::move(key), std::move(value));
    }
    i = p < n ? p + 1 : n;
    if (endTag) {
      tree.end(element.tag);
      continue;
    }
    const std::string tag = element.tag;
    tree.start(std::move(element));
    if (tag == "script" || tag == "style") {
      // Raw text up to the element's end tag, which closes it.
      std::size_t close = i;
      while (close < n && lowerCase(html.substr(close, tag.size() + 2)) != "</" + tag) {
        close = html.find('<', close + 1);
        if (close == std::string_view::npos) close = n;
      }
      i = close;
    }
  }
  return tree.finish();
}

}  // namespace quorix
