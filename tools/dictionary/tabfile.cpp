#include "tabfile.h"

#include <fstream>

namespace quorix::dictionary {

namespace {

bool isValidUtf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    std::size_t extra = 0;
    if (byte < 0x80) extra = 0;
    else if ((byte & 0xE0) == 0xC0 && byte >= 0xC2) extra = 1;
    else if ((byte & 0xF0) == 0xE0) extra = 2;
    else if ((byte & 0xF8) == 0xF0 && byte <= 0xF4) extra = 3;
    else return false;
    if (i + extra >= text.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    }
    i += extra + 1;
  }
  return true;
}

}  // namespace

bool forEachLine(const std::string& path, const std::function<bool(int number, std::string& text)>& visit,
                 std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = path + ": cannot open";
    return false;
  }
  std::string text;
  int number = 0;
  while (std::getline(in, text)) {
    ++number;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (!visit(number, text)) return false;
  }
  if (in.bad()) {
    error = path + ": read error";
    return false;
  }
  return true;
}

bool readTabFile(const std::string& path, std::vector<TabLine>& lines, std::string& error) {
  lines.clear();
  return forEachLine(
      path,
      [&](int number, std::string& text) {
        if (!isValidUtf8(text)) {
          error = path + ":" + std::to_string(number) + ": not valid UTF-8";
          return false;
        }
        if (text.empty() || text[0] == '#') return true;
        TabLine line;
        line.number = number;
        std::size_t start = 0;
        while (true) {
          const std::size_t tab = text.find('\t', start);
          line.fields.push_back(text.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
          if (tab == std::string::npos) break;
          start = tab + 1;
        }
        lines.push_back(std::move(line));
        return true;
      },
      error);
}

std::string whereIs(const std::string& path, const TabLine& line) {
  return path + ":" + std::to_string(line.number) + ": ";
}

}  // namespace quorix::dictionary
