#include "pagetemplates.h"

#include <array>
#include <optional>

#include "db/codepages.h"
#include "htmltext.h"

namespace quorix {

// The six templates, verbatim; "\t" is one tab. None holds a line break.
const std::string_view kPageHeadTemplate =
    "<html> <style> .ar { \tmargin-top: 0px; \tmargin-bottom: 0px; \tmargin-left: 0px; \tmargin-right: 0px; \tfont-family: Arial; \tfont-size: 15px; \ttext-decoration: none; \toverflow: hidden; } "
    ".dv { \tmargin-top: 0px; \tmargin-bottom: 0px; \tmargin-left: 0px; \tmargin-right: 0px; \tfont-family: David; \tfont-size: 15px; \ttext-decoration: none; \toverflow: hidden; } "
    ".mr { \tmargin-top: 0px; \tmargin-bottom: 0px; \tmargin-left: 0px; \tmargin-right: 0px; \tfont-family: Miriam; \tfont-size: 15px; \ttext-decoration: none; \toverflow: hidden; } "
    ".tm { \tmargin-top: 0px; \tmargin-bottom: 0px; \tmargin-left: 0px; \tmargin-right: 0px; \tfont-family: Times New Roman; \tfont-size: 15px; \ttext-decoration: none; \toverflow: hidden; } "
    "span.mag { \tcolor: magenta; } "
    "span.yel { \tcolor: yellow; } "
    "span.red { \tcolor: red; } "
    "span.grn { \tcolor: green; } "
    "div.scrl { \theight: 145px; \toverflow-y: scroll; } "
    "</style> <script> </script> <body  bgcolor=\"#ffffff\" class=\"p_font\"><table width=\"100%\" height=\"30%\" cellspacing=0 cellpadding=0 class=\"p_font\"> <tr> <td valign=\"top\" width=\"14%\">";
const std::string_view kPageTail = "</td> </tr> </table> </body> </html>";
const std::string_view kTranslationTail = "</div></td></tr></table></td></tr></table>";
const std::string_view kConjugationTemplate =
    "<table width=\"100%\" height=\"70%\" cellspacing=0 cellpadding=0 class=\"p_font\">"
    "<tr><td valign=\"top\"><img src=\"img/vcf_e.png\" style=\"margin-left: 2px; margin-top: 4px;\">"
    "<table style=\"margin-left: 2px; margin-bottom: 4px;\" width=\"99%\" cellspacing=1 bgcolor=\"#7f9db9\" class=\"p_font\" style='font-size: 16px;'>"
    "<tr><th bgcolor=\"#ffffff\" width=\"20%\">i_3</th><th bgcolor=\"#ffffff\" width=\"20%\">i_4</td><th bgcolor=\"#ffffff\" width=\"20%\">i_5</td><th bgcolor=\"#ffffff\" width=\"20%\">i_6</td><th bgcolor=\"#ffffff\" width=\"20%\">i_7</td></tr>"
    "<tr bgcolor=\"#e0dfe4\"><td align=\"center\">p_tnum</td><td  align=\"center\">p_bin</td><td  align=\"center\">p_098</td><td  align=\"center\" fparam_99>p_099</td><td  align=\"center\" fparam_00>p_050p_000p_a50</td></tr></table>"
    "<table bgcolor=\"#7f9db9\" style=\"margin-left: 2px;\"  border=0 cellspacing=1 width=\"99%\" height=\"73.5%\" class=\"p_font\" style='font-size: 16px;'>"
    "<tr bgcolor=\"#f7f7f9\" ><th width=\"30%\">&#1492;&#1493;&#1493;&#1492;</td><th width=\"5%\">&nbsp;</td><th width=\"30%\">&#1506;&#1514;&#1497;&#1491;</td><th width=\"30%\">&#1506;&#1489;&#1512;</td><td align=\"right\" width=\"5%\">&nbsp;</td></tr>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" fparam_21>p_071p_021p_a71</td><td align=\"right\"><b>&#1497;&#1495;&#1497;&#1491;</b></td><td align=\"right\" fparam_11>p_061p_011p_a61</td><td align=\"right\" fparam_01>p_051p_001p_a51</td><td align=\"right\"><b>&#1488;&#1504;&#1497;</b></td></tr>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" fparam_22>p_072p_022p_a72</td><td align=\"right\"><b>&#1497;&#1495;&#1497;&#1491;&#1492;</b></td><td align=\"right\" fparam_12>p_062p_012p_a62</td><td align=\"right\" fparam_02>p_052p_002p_a52</td><td align=\"right\"><b>&#1488;&#1514;&#1492;</b></td></tr>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" fparam_23>p_073p_023p_a73</td><td align=\"right\"><b>&#1512;&#1489;&#1497;&#1501;</b></td><td align=\"right\" fparam_13>p_063p_013p_a63</td><td align=\"right\" fparam_03>p_053p_003p_a53</td><td align=\"right\"><b>&#1488;&#1514;</b></td></tr>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" fparam_24>p_074p_024p_a74</td><td align=\"right\"><b>&#1512;&#1489;&#1493;&#1514;</b></td><td align=\"right\" fparam_14>p_064p_014p_a64</td><td align=\"right\" fparam_04>p_054p_004p_a54</td><td align=\"right\"><b>&#1492;&#1493;&#1488;</b></td></tr>"
    "<tr bgcolor=\"#f7f7f9\"><th>&#1510;&#1497;&#1493;&#1493;&#1497;</td><td align=\"right\">&nbsp;</td><td align=\"right\" fparam_15>p_065p_015p_a65</td><td align=\"right\" fparam_05>p_055p_005p_a55</td><td align=\"right\"><b>&#1492;&#1497;&#1488;</b></td></tr>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" fparam_31>p_081p_031p_a81</td><td align=\"right\"><b>&#1488;&#1514;&#1492;</b></td><td align=\"right\" fparam_16>p_066p_016p_a66</td><td align=\"right\" fparam_06>p_056p_006p_a56</td><td align=\"right\"><b>&#1488;&#1504;&#1495;&#1504;&#1493;</b></td></tr>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" fparam_32>p_082p_032p_a82</td><td align=\"right\"><b>&#1488;&#1514;</b></td><td align=\"right\" fparam_17>p_067p_017p_a67</td><td align=\"right\" fparam_08 fparam_07>p_058p_008p_a58</td><td align=\"right\"><b>&#1488;&#1514;&#1501;/&#1503;</b></td></tr>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" fparam_33>p_083p_033p_a83</td><td align=\"right\"><b>&#1488;&#1514;&#1501;/&#1503;</b></td><td align=\"right\" fparam_19>p_069p_019p_a69</td><td align=\"right\" fparam_09>p_059p_009p_a59</td><td align=\"right\"><b>&#1492;&#1501;/&#1503;</b></td></tr>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" fparam_34>p_084p_034p_a84</td><td align=\"right\"><b>&#1488;&#1514;&#1503;</b></td><td align=\"right\" fparam_20>p_070p_020p_a70</td><td align=\"right\">-</td><td align=\"right\"><b>&#1488;&#1514;&#1503;/&#1492;&#1503;</b></td></tr>"
    "</table>";

const std::string_view kBinyanTemplate =
    "<img src=\"img/bin_e.png\" style=\"margin-left: 2px; margin-top: 4px;\"><table bgcolor=\"#FFFFFF\" style=\"border: 1px solid #7f9db9; margin-left: 2px;\" width=\"98%\" cellspacing=0 class=\"p_font\" cellpadding=1>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" height=21 style=\"border-top: 0px solid white;\">p_1</td><td align=\"right\" style=\"border-top: 0px solid white;\">1</td>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" height=21 style=\"border-top: 2px solid white;\">p_2</td><td align=\"right\" style=\"border-top: 2px solid white;\">2</td>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" height=21 style=\"border-top: 2px solid white;\">p_3</td><td align=\"right\" style=\"border-top: 2px solid white;\">3</td>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" height=21 style=\"border-top: 2px solid white;\">p_4</td><td align=\"right\" style=\"border-top: 2px solid white;\">4</td>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" height=21 style=\"border-top: 2px solid white;\">p_5</td><td align=\"right\" style=\"border-top: 2px solid white;\">5</td>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" height=21 style=\"border-top: 2px solid white;\">p_6</td><td align=\"right\" style=\"border-top: 2px solid white;\">6</td>"
    "<tr bgcolor=\"#f7f7f9\"><td align=\"right\" height=21 style=\"border-top: 2px solid white;\">p_7</td><td align=\"right\" style=\"border-top: 2px solid white;\">7</td>"
    "</table></td>";
const std::string_view kTranslationHead = "<td valign=\"top\"><img src=\"img/trn_e.png\" style=\"margin-left: 2px; margin-top: 5px;\"><table height=\"149\" bgcolor=\"#FFFFFF\" style=\"border: 1px solid #7f9db9; margin-left: 2px;\" width=\"99%\" cellspacing=0 class=\"p_font\"><tr><td style=\"padding-left: 3px; padding-right: 3px;\"><div class=\"scrl\" id=\"scrl_id\">";

namespace rowpiece {
const std::string_view kHebrewFirstRowStart = "<table width=\"100%\" cellspacing=0 style=\"margin-top: 0px;\" dir=rtl><tr bgcolor=#fdfcfd><td width=\"45%\"><div dir=rtl align=right><b>";
const std::string_view kHebrewLightRowStart = "<table width=\"100%\" cellspacing=0 style=\"margin-top: 2px;\" dir=rtl><tr bgcolor=#fdfcfd><td width=\"45%\"><div dir=rtl align=right><b>";
const std::string_view kHebrewShadedRowStart = "<table  width=\"100%\" cellspacing=0 style=\"margin-top: 2px;\" dir=rtl><tr bgcolor=#f7f7f9><td width=\"45%\"><div dir=rtl align=right><b>";
const std::string_view kHebrewMiddle = "</b></div></td><td align=center><img src=\"img/sqr_s.gif\" style=\"margin-top: 0px;\"></td><td width=\"45%\"><div align=left dir=ltr>";
const std::string_view kHebrewEnd = "</div></td></tr></table>";
const std::string_view kRussianHeadingStart = "<table width=\"100%\" cellspacing=0 style=\"margin-top: 0px;\"><tr bgcolor=#fdfcfd><td width=\"45%\"><div dir=rtl align=center>-</div></td><td align=center><img src=\"img/sqr_s.gif\" style=\"margin-top: 0px;\"></td><td width=\"45%\"><div align=left dir=ltr><b><i>";
const std::string_view kRussianHeadingEnd = "</i></b></div></td></tr></table>";
const std::string_view kRussianHighlightedRowStart = "<table width=\"100%\" cellspacing=0 style=\"margin-top: 2px;\"><tr bgcolor=#ffd988 id=\"tab_";
const std::string_view kRussianShadedRowStart = "<table width=\"100%\" cellspacing=0 style=\"margin-top: 2px;\"><tr bgcolor=#f7f7f9 id=\"tab_";
const std::string_view kRussianLightRowStart = "<table width=\"100%\" cellspacing=0 style=\"margin-top: 2px;\"><tr bgcolor=#fdfcfd id=\"tab_";
const std::string_view kRussianScriptStart = "\" OnMouseUp=\"javascript:{if(document.selection.createRange().text==''){window.location.href='#";
const std::string_view kRussianScriptEnd = "'+':'+document.getElementById('scrl_id').scrollTop;}}\" ><td width=\"45%\"><div dir=rtl align=right>";
const std::string_view kRussianMiddle = "</div></td><td align=center><img src=\"img/sqr_s.gif\" style=\"margin-top: 0px;\"></td><td width=\"45%\"><div align=left dir=ltr><b>";
const std::string_view kRussianEnd = "</b></div></td></tr></table>";
}  // namespace rowpiece

namespace {

constexpr std::array<std::string_view, 7> kBinyanNames = {
    "&#1508;&#1506;&#1500;",                // pa'al
    "&#1504;&#1508;&#1506;&#1500;",         // nif'al
    "&#1508;&#1497;&#1506;&#1500;",         // pi'el
    "&#1508;&#1493;&#1506;&#1500;",         // pu'al
    "&#1492;&#1508;&#1506;&#1497;&#1500;",  // hif'il
    "&#1492;&#1493;&#1508;&#1506;&#1500;",  // huf'al
    "&#1492;&#1514;&#1508;&#1506;&#1500;",  // hitpa'el
};

constexpr std::array<std::string_view, 8> kEnglishLabels = {
    "Binyans:", "Translation:", "Verb Conjugation Forms:", "Table", "Binyan", "Model", "Root", "Infinitive"};
// UTF-8 here; the pages get them through the 8-bit code pages, as all their text.
constexpr std::array<std::string_view, 8> kRussianLabels = {
    "Биньяны:", "Перевод:", "Формы спряжения глагола:", "Таблица", "Биньян", "Модель", "Корень", "Инфинитив"};
constexpr std::array<std::string_view, 8> kHebrewLabels = {"", "", "", "טבלה", "בניין", "תבנית", "שורש", "שם פועל"};

using LabelSet = std::array<std::string, 8>;

// English labels go into the page as they are; the others through their code page.
LabelSet labelsForPage(const std::array<std::string_view, 8>& labels, std::optional<CodePage> codePage) {
  LabelSet set;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    set[i] = codePage ? encodeHtmlText(utf8ToCodePage(labels[i], *codePage), static_cast<int>(*codePage))
                      : std::string(labels[i]);
  }
  return set;
}

}  // namespace

std::string_view binyanName(int binyan) {
  return binyan >= 1 && binyan <= 7 ? kBinyanNames[static_cast<std::size_t>(binyan - 1)] : std::string_view();
}

const std::string& pageLabelHtml(UiLanguage language, int label) {
  static const LabelSet english = labelsForPage(kEnglishLabels, std::nullopt);
  static const LabelSet russian = labelsForPage(kRussianLabels, CodePage::Russian1251);
  static const LabelSet hebrew = labelsForPage(kHebrewLabels, CodePage::Hebrew1255);
  static const std::string none;
  if (label < 0 || label > 7) return none;
  const auto i = static_cast<std::size_t>(label);
  switch (language) {
    case uilanguage::kEnglish: return english[i];
    case uilanguage::kRussian: return russian[i];
    case uilanguage::kHebrew: return hebrew[i];
    default: return none;
  }
}

std::string noItemsPage(UiLanguage language) {
  static constexpr std::string_view kStart = "<body><br><br><br><center><b>";
  static constexpr std::string_view kEnd = "</b></center></body>";
  if (language == uilanguage::kEnglish) {
    return std::string(kStart) + "No items found by your request" + std::string(kEnd);
  }
  const std::string text = language == uilanguage::kRussian
                               ? encodeHtmlText(utf8ToCodePage("По вашему запросу ничего не найдено", CodePage::Russian1251), 1251)
                               : encodeHtmlText("No items found by your request", 1255);
  return std::string(kStart) + text + std::string(kEnd);
}

}  // namespace quorix
