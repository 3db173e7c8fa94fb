#pragma once
// The main window's menu bar: Options, Search, Verbs/Tables and Help, with the program's command
// ids, their initial check marks and the captions in the three dialog languages.
//
// Check marks are the program's, not Qt's: an item that is clicked does not change its own mark.
// The window decides (a command refused while a fill runs keeps every mark) and sets the marks with
// setMark. applyMenuLanguage relabels every item but the font names, lays the bar out from the
// right for Hebrew and from the left otherwise, and sets the enabled states afresh:
//  - Hebrew input enables the Hebrew-only items (Search 1 to 4, all of Verbs/Tables); Russian input
//    the Russian-only one (Search "Infinitive of Russian Verbs"), English input the English-only
//    one (Search "English Meaning"); each of these is grayed for the other inputs, and "All Forms"
//    is always enabled;
//  - Dialog Language: English always, Russian only on a Russian system (0x419), Hebrew only on a
//    Hebrew system (0x40D); the applied language carries the mark;
//  - Help: the English and the Russian guide and About are enabled.
//
// Lifetime: the menus are children of the bar given to the constructor.
// Threads: user-interface thread only.

#include <QObject>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <map>
#include <vector>

#include "lists/programstate.h"

class QAction;
class QMenu;
class QMenuBar;

namespace quorix {

namespace menuid {
inline constexpr int kHebrewInput = 134;
inline constexpr int kRussianInput = 174;
inline constexpr int kEnglishInput = 176;
inline constexpr int kFontArial = 137;
inline constexpr int kFontTimes = 138;
inline constexpr int kFontDavid = 139;
inline constexpr int kFontMiriam = 140;
inline constexpr int kEnglishDialog = 142;
inline constexpr int kRussianDialog = 143;
inline constexpr int kHebrewDialog = 144;
inline constexpr int kLeftAlignedList = 175;
inline constexpr int kExit = 131;
inline constexpr int kEnglishGuide = 156;
inline constexpr int kRussianGuide = 157;
inline constexpr int kHebrewGuide = 132;
inline constexpr int kCheckForUpdates = 32771;
inline constexpr int kAbout = 159;
}  // namespace menuid

class MainMenu : public QObject {
  Q_OBJECT

 public:
  // Builds the whole tree into `bar`, with the initial marks; the captions are set by the first
  // applyMenuLanguage.
  explicit MainMenu(QMenuBar* bar);

  void applyMenuLanguage(UiLanguage language, InputLanguage input, std::uint16_t systemLanguageId);

  // The item of a command id; null for an unknown id.
  QAction* action(int id) const;
  // The drop-downs of the bar, by position (0 Options .. 3 Help), and of Options (0 Input Language,
  // 1 Font, 2 Dialog Language); null outside.
  QMenu* dropDown(int position) const;
  QMenu* optionsDropDown(int position) const;

  bool mark(int id) const;
  void setMark(int id, bool on);
  // Marks `id` and clears the other ids of `group`.
  void markOnly(int id, std::initializer_list<int> group);

  // Runs the command of an item as a click would (for tests and the window's own use).
  void trigger(int id);

 signals:
  void command(int id);

 private:
  QMenuBar* bar_;
  std::map<int, QAction*> actions_;
  std::map<int, bool> marks_;
  std::vector<QMenu*> topMenus_;
  std::vector<QMenu*> optionsMenus_;
  // The relabelled items (drop-downs by their menu action), with their entry of the menu tree.
  std::vector<std::pair<QAction*, std::size_t>> labelled_;
};

// The Windows language id that the menus compare: 0x419 for a Russian system locale, 0x40D for
// Hebrew, 0x409 for anything else (only those two matter).
std::uint16_t systemLanguageIdOf(const QString& localeName);

}  // namespace quorix
