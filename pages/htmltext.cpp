#include "htmltext.h"

namespace quorix {

std::string encodeHtmlText(std::string_view text, int codePage) {
  std::string out;
  out.reserve(text.size() * 7);
  bool grayOpen = false;
  bool orangeOpen = false;
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0xD0) {
      out += grayOpen ? "</span>" : "<span class='gray'>";
      grayOpen = !grayOpen;
    } else if (b == 0xCE) {
      out += orangeOpen ? "</b></span>" : "<span class='orange'><b>";
      orangeOpen = !orangeOpen;
    } else if (b >= 0x80) {
      const int value = codePage == 1251 ? (b == 0xB8 ? 1105 : b + 848) : b + 1264;
      out += "&#";
      out += std::to_string(value);
      out += ';';
    } else if (c == '0') {
      out += "<span dir=rtl style='font-size: 14px;'><font face='Symbol'>&#143;</font></span>";
    } else if (c == '=') {
      out += "<span dir=rtl>=</span>";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace quorix
