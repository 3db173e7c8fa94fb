#pragma once
// Expected verb pages, put together in the tests from the page layout as the program's description
// gives it (the head's four font classes, the binyan rows, the translation rows, the conjugation
// grid row by row), independently of the program's own template strings. Comparing whole pages
// against these catches a wrong byte anywhere in a template.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quorix::test {

std::string expectedHead(const std::string& fontClass);

// One binyan row: `name` is what the row shows (a plain name or a link around it).
struct ExpectedBinyanRow {
  bool shaded = false;  // the verb's own binyan
  std::string name;
};
// `rows` holds binyans 1 to 7.
std::string expectedBinyanListing(const std::vector<ExpectedBinyanRow>& rows, const std::string& fontClass);
// "<a href="#command_T:V"><span class="CLASS">NAME</span></a>"
std::string expectedLink(std::uint32_t table, std::uint32_t verbId, const std::string& spanClass, const std::string& name);

std::string expectedTranslationHead(const std::string& fontClass);
// Hebrew-side row: first (no top margin), light or shaded.
enum class Stripe { First, Light, Shaded, Highlighted };
std::string expectedHebrewRow(Stripe stripe, const std::string& hebrewHtml, const std::string& otherHtml);
std::string expectedRussianHeading(const std::string& russianHtml);
std::string expectedRussianRow(Stripe stripe, int row, std::uint32_t verbId, const std::string& hebrewHtml,
                               const std::string& russianHtml);

// The conjugation section as the page shows it: `cells` maps a formCode (0 to 84) to its text as
// HTML; a base form without text keeps its placeholder, alternatives show with the red bar.
struct ExpectedConjugation {
  std::string fontClass = "ar";
  std::string tableNumber;
  std::string pattern;  // HTML
  std::string root;     // HTML
  std::map<int, std::string> cells;
  int highlightedCell = -1;
  std::vector<std::string> labels = {"Table", "Binyan", "Model", "Root", "Infinitive"};  // i_3 .. i_7
};
std::string expectedConjugation(const ExpectedConjugation& c);

inline constexpr const char* kExpectedTranslationTail = "</div></td></tr></table></td></tr></table>";
inline constexpr const char* kExpectedPageTail = "</td> </tr> </table> </body> </html>";

// The HTML of Hebrew letters given as code page 1255 bytes: "&#1488;" for 0xE0, and so on; ASCII
// bytes (no digit 0 or '=') stay as they are.
std::string hebrewRefs(const std::string& bytes);
// The same for Russian, code page 1251.
std::string russianRefs(const std::string& bytes);

}  // namespace quorix::test
