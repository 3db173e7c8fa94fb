#include "expectedpages.h"

namespace quorix::test {

namespace {

std::string fontBlock(const std::string& cssClass, const std::string& family) {
  return "." + cssClass +
         " { \tmargin-top: 0px; \tmargin-bottom: 0px; \tmargin-left: 0px; \tmargin-right: 0px; \tfont-family: " + family +
         "; \tfont-size: 15px; \ttext-decoration: none; \toverflow: hidden; } ";
}

std::string spanColour(const std::string& name, const std::string& colour) {
  return "span." + name + " { \tcolor: " + colour + "; } ";
}

std::string two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
std::string three(int n) { return (n < 100 ? "0" : "") + two(n); }

}  // namespace

std::string expectedHead(const std::string& f) {
  return "<html> <style> " + fontBlock("ar", "Arial") + fontBlock("dv", "David") + fontBlock("mr", "Miriam") +
         fontBlock("tm", "Times New Roman") + spanColour("mag", "magenta") + spanColour("yel", "yellow") +
         spanColour("red", "red") + spanColour("grn", "green") +
         "div.scrl { \theight: 145px; \toverflow-y: scroll; } </style> <script> </script> <body  bgcolor=\"#ffffff\" "
         "class=\"" + f + "\"><table width=\"100%\" height=\"30%\" cellspacing=0 cellpadding=0 class=\"" + f +
         "\"> <tr> <td valign=\"top\" width=\"14%\">";
}

std::string expectedBinyanListing(const std::vector<ExpectedBinyanRow>& rows, const std::string& f) {
  std::string out = "<img src=\"img/bin_e.png\" style=\"margin-left: 2px; margin-top: 4px;\"><table bgcolor=\"#FFFFFF\" "
                    "style=\"border: 1px solid #7f9db9; margin-left: 2px;\" width=\"98%\" cellspacing=0 class=\"" + f +
                    "\" cellpadding=1>";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const std::string border = i == 0 ? "0px" : "2px";
    out += std::string("<tr") + (rows[i].shaded ? " bgcolor=\"#e6e5e9\" " : "") + " bgcolor=\"#f7f7f9\">";
    out += "<td align=\"right\" height=21 style=\"border-top: " + border + " solid white;\">" + rows[i].name + "</td>";
    out += "<td align=\"right\" style=\"border-top: " + border + " solid white;\">" + std::to_string(i + 1) + "</td>";
  }
  return out + "</table></td>";
}

std::string expectedLink(std::uint32_t table, std::uint32_t verbId, const std::string& spanClass, const std::string& name) {
  return "<a href=\"#command_" + std::to_string(table) + ":" + std::to_string(verbId) + "\"><span class=\"" + spanClass +
         "\">" + name + "</span></a>";
}

std::string expectedTranslationHead(const std::string& f) {
  return "<td valign=\"top\"><img src=\"img/trn_e.png\" style=\"margin-left: 2px; margin-top: 5px;\"><table "
         "height=\"149\" bgcolor=\"#FFFFFF\" style=\"border: 1px solid #7f9db9; margin-left: 2px;\" width=\"99%\" "
         "cellspacing=0 class=\"" + f + "\"><tr><td style=\"padding-left: 3px; padding-right: 3px;\"><div "
         "class=\"scrl\" id=\"scrl_id\">";
}

std::string expectedHebrewRow(Stripe stripe, const std::string& hebrew, const std::string& other) {
  const std::string table = stripe == Stripe::Shaded ? "<table  " : "<table ";
  const std::string margin = stripe == Stripe::First ? "0px" : "2px";
  const std::string colour = stripe == Stripe::Shaded ? "#f7f7f9" : "#fdfcfd";
  return table + "width=\"100%\" cellspacing=0 style=\"margin-top: " + margin + ";\" dir=rtl><tr bgcolor=" + colour +
         "><td width=\"45%\"><div dir=rtl align=right><b>" + hebrew +
         "</b></div></td><td align=center><img src=\"img/sqr_s.gif\" style=\"margin-top: 0px;\"></td><td "
         "width=\"45%\"><div align=left dir=ltr>" + other + "</div></td></tr></table>";
}

std::string expectedRussianHeading(const std::string& russian) {
  return "<table width=\"100%\" cellspacing=0 style=\"margin-top: 0px;\"><tr bgcolor=#fdfcfd><td width=\"45%\"><div "
         "dir=rtl align=center>-</div></td><td align=center><img src=\"img/sqr_s.gif\" style=\"margin-top: "
         "0px;\"></td><td width=\"45%\"><div align=left dir=ltr><b><i>" + russian + "</i></b></div></td></tr></table>";
}

std::string expectedRussianRow(Stripe stripe, int row, std::uint32_t verbId, const std::string& hebrew,
                               const std::string& russian) {
  const std::string colour = stripe == Stripe::Highlighted ? "ffd988" : stripe == Stripe::Shaded ? "f7f7f9" : "fdfcfd";
  const std::string n = std::to_string(row);
  return "<table width=\"100%\" cellspacing=0 style=\"margin-top: 2px;\"><tr bgcolor=#" + colour + " id=\"tab_" + n +
         "\" OnMouseUp=\"javascript:{if(document.selection.createRange().text==''){window.location.href='#reloadtab_" +
         std::to_string(verbId) + ":" + n +
         "'+':'+document.getElementById('scrl_id').scrollTop;}}\" ><td width=\"45%\"><div dir=rtl align=right>" +
         hebrew +
         "</div></td><td align=center><img src=\"img/sqr_s.gif\" style=\"margin-top: 0px;\"></td><td "
         "width=\"45%\"><div align=left dir=ltr><b>" + russian + "</b></div></td></tr></table>";
}

std::string expectedConjugation(const ExpectedConjugation& c) {
  const auto marker = [&](int cell) {
    return cell == c.highlightedCell ? std::string("bgcolor='#ffd988'") : "fparam_" + two(cell);
  };
  // Alternative N + 50 with the red bar, then form N (or its placeholder when the verb lacks it).
  const auto forms = [&](int n) {
    std::string out;
    if (const auto alt = c.cells.find(n + 50); alt != c.cells.end()) out += alt->second + " <font color='red'>|</font> ";
    const auto base = c.cells.find(n);
    return out + (base != c.cells.end() ? base->second : "p_" + three(n));
  };
  const auto formCell = [&](int n) { return "<td align=\"right\" " + marker(n) + ">" + forms(n) + "</td>"; };
  const auto label = [](const std::string& text) { return "<td align=\"right\"><b>" + text + "</b></td>"; };
  const std::string f = c.fontClass;

  std::string out = "<table width=\"100%\" height=\"70%\" cellspacing=0 cellpadding=0 class=\"" + f + "\">";
  out += "<tr><td valign=\"top\"><img src=\"img/vcf_e.png\" style=\"margin-left: 2px; margin-top: 4px;\">";
  out += "<table style=\"margin-left: 2px; margin-bottom: 4px;\" width=\"99%\" cellspacing=1 bgcolor=\"#7f9db9\" class=\"" +
         f + "\" style='font-size: 16px;'>";
  out += "<tr><th bgcolor=\"#ffffff\" width=\"20%\">" + c.labels[0] + "</th>";
  for (int i = 1; i < 5; ++i) out += "<th bgcolor=\"#ffffff\" width=\"20%\">" + c.labels[static_cast<std::size_t>(i)] + "</td>";
  out += "</tr>";
  out += "<tr bgcolor=\"#e0dfe4\"><td align=\"center\">" + c.tableNumber + "</td><td  align=\"center\">" +
         c.tableNumber.substr(0, 1) + "</td><td  align=\"center\">" + c.pattern + "</td><td  align=\"center\" " +
         marker(99) + ">" + c.root + "</td><td  align=\"center\" " + marker(0) + ">" + forms(0) + "</td></tr></table>";
  out += "<table bgcolor=\"#7f9db9\" style=\"margin-left: 2px;\"  border=0 cellspacing=1 width=\"99%\" "
         "height=\"73.5%\" class=\"" + f + "\" style='font-size: 16px;'>";
  out += "<tr bgcolor=\"#f7f7f9\" ><th width=\"30%\">&#1492;&#1493;&#1493;&#1492;</td><th width=\"5%\">&nbsp;</td>"
         "<th width=\"30%\">&#1506;&#1514;&#1497;&#1491;</td><th width=\"30%\">&#1506;&#1489;&#1512;</td>"
         "<td align=\"right\" width=\"5%\">&nbsp;</td></tr>";
  // Rows of the grid: present or imperative, its label, future, past, person.
  struct GridRow {
    int present;
    const char* presentLabel;
    int future;
    int past;
    const char* person;
  };
  const GridRow grid[] = {
      {21, "&#1497;&#1495;&#1497;&#1491;", 11, 1, "&#1488;&#1504;&#1497;"},
      {22, "&#1497;&#1495;&#1497;&#1491;&#1492;", 12, 2, "&#1488;&#1514;&#1492;"},
      {23, "&#1512;&#1489;&#1497;&#1501;", 13, 3, "&#1488;&#1514;"},
      {24, "&#1512;&#1489;&#1493;&#1514;", 14, 4, "&#1492;&#1493;&#1488;"},
      {0, nullptr, 15, 5, "&#1492;&#1497;&#1488;"},
      {31, "&#1488;&#1514;&#1492;", 16, 6, "&#1488;&#1504;&#1495;&#1504;&#1493;"},
      {32, "&#1488;&#1514;", 17, 8, "&#1488;&#1514;&#1501;/&#1503;"},
      {33, "&#1488;&#1514;&#1501;/&#1503;", 19, 9, "&#1492;&#1501;/&#1503;"},
      {34, "&#1488;&#1514;&#1503;", 20, 0, "&#1488;&#1514;&#1503;/&#1492;&#1503;"},
  };
  for (const GridRow& row : grid) {
    out += "<tr bgcolor=\"#f7f7f9\">";
    if (row.presentLabel) {
      out += formCell(row.present) + label(row.presentLabel);
    } else {
      out += "<th>&#1510;&#1497;&#1493;&#1493;&#1497;</td><td align=\"right\">&nbsp;</td>";
    }
    out += formCell(row.future);
    if (row.past == 8) {
      // Form 7 has no cell of its own: it shares the marker of form 8's cell.
      out += "<td align=\"right\" " + marker(8) + " " + marker(7) + ">" + forms(8) + "</td>";
    } else if (row.past == 0) {
      out += "<td align=\"right\">-</td>";
    } else {
      out += formCell(row.past);
    }
    out += label(row.person) + "</tr>";
  }
  return out + "</table>";
}

std::string hebrewRefs(const std::string& bytes) {
  std::string out;
  for (unsigned char b : bytes) out += b < 0x80 ? std::string(1, static_cast<char>(b)) : "&#" + std::to_string(b + 1264) + ";";
  return out;
}

std::string russianRefs(const std::string& bytes) {
  std::string out;
  for (unsigned char b : bytes) {
    out += b < 0x80 ? std::string(1, static_cast<char>(b)) : "&#" + std::to_string(b == 0xB8 ? 1105 : b + 848) + ";";
  }
  return out;
}

}  // namespace quorix::test
