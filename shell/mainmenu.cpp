#include "mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <array>
#include <vector>

namespace quorix {

namespace {

// One entry of the menu tree. `id` is the command id; kDropDown opens a drop-down (the following
// entries one level deeper belong to it), kSeparator is a separator. Captions in English, Russian
// and Hebrew; an entry without captions keeps its own text in every language (the font names).
constexpr int kDropDown = 0;
constexpr int kSeparator = -1;

struct ItemDef {
  int depth;
  int id;
  bool checkable;
  bool initialMark;
  const char* text;  // the item's own text, shown until the first relabel (fonts: always)
  std::array<const char*, 3> captions;
};

// clang-format off
const ItemDef kTree[] = {
  {0, kDropDown, false, false, "Options", {"Options", "Настройки", "אפשרויות"}},
  {1, kDropDown, false, false, "Input Language", {"Input Language", "Язык ввода", "שפת קלט"}},
  {2, menuid::kHebrewInput, true, true, "Hebrew", {"Hebrew", "Иврит", "עברית"}},
  {2, menuid::kRussianInput, true, false, "Russian", {"Russian", "Русский", "רוסי"}},
  {2, menuid::kEnglishInput, true, false, "English", {"English", "Английский", "אנגלית"}},
  {1, kDropDown, false, false, "Font", {"Font", "Шрифт", "גופן"}},
  {2, menuid::kFontArial, true, true, "Arial", {nullptr, nullptr, nullptr}},
  {2, menuid::kFontTimes, true, false, "Times New Roman", {nullptr, nullptr, nullptr}},
  {2, menuid::kFontDavid, true, false, "David", {nullptr, nullptr, nullptr}},
  {2, menuid::kFontMiriam, true, false, "Miriam", {nullptr, nullptr, nullptr}},
  {1, kDropDown, false, false, "Dialog Language", {"Dialog Language", "Язык интерфейса", "שפת דיאלוג"}},
  {2, menuid::kEnglishDialog, true, true, "English", {"English", "Английский", "אנגלית"}},
  {2, menuid::kRussianDialog, true, false, "Russian", {"Russian", "Русский", "רוסי"}},
  {2, menuid::kHebrewDialog, true, false, "Hebrew", {"Hebrew", "Иврит", "עברית"}},
  {1, menuid::kLeftAlignedList, true, false, "Left Aligned List",
   {"Left Aligned List", "Список по левому краю", "רשימה מסודרת משמאל"}},
  {1, menuid::kExit, false, false, "Exit\tAlt+F4", {"Exit\tAlt+F4", "Выход\tAlt+F4", "יציאה\tAlt+F4"}},
  {0, kDropDown, false, false, "Search", {"Search", "Поиск", "חיפוש"}},
  {1, 146, true, true, "All Forms", {"All Forms", "По всем формам", "כל הטפסים"}},
  {1, 145, true, false, "Root of Hebrew verbs",
   {"According to Root of Hebrew Verbs", "По корню ивритских глаголов", "על פי שורש של מילה עברית"}},
  {1, 141, true, false, "Infinitive of Hebrew verbs",
   {"According to Infinitive of Hebrew Verbs", "По инфинитиву ивритских глаголов", "על פי שם פועל של מילה עברית"}},
  {1, 147, true, false, "Present tense of Hebrew verbs",
   {"According to Present Tense of Hebrew Verbs", "По настоящему времени ивритских глаголов",
    "על פי זמן הווה של מילה עברית"}},
  {1, 148, true, false, "Past tense of Hebrew verbs",
   {"According to Past Tense of Hebrew Verbs", "По прошедшему времени ивритских глаголов",
    "על פי זמן עבר של מילה עברית"}},
  {1, 172, true, false, "Infinitive of Russian verbs",
   {"According to Infinitive of Russian Verbs", "По инфинитиву русских глаголов", "על פי שם פועל של מילה רוסית"}},
  {1, 177, true, false, "English meaning",
   {"According to English Meaning", "По английскому значению", "על פי משמעות באנגלית"}},
  {0, kDropDown, false, false, "Verbs/Tables", {"Verbs/Tables", "Глаголы/Таблицы", "פועלים/טבלאות"}},
  {1, 149, true, true, "Verbs in alphabetical order",
   {"Verbs In An Alphabetical Order", "Глаголы в алфавитном порядке", "פועלים בסדר אלפביתי"}},
  {1, 150, true, false, "Tables of the current binyan",
   {"Tables of Current Binyan", "Таблицы одного биньяна", "טבלאות של הבניין הנוכחי"}},
  {1, 59397, true, false, "Tables by number", {"Tables According to Number", "Таблицы по номерам", "טבלאות על פי מספר"}},
  {1, 152, true, false, "Verbs inside one table",
   {"The Verbs Inside One Table", "Глаголы внутри одной таблицы", "פועל בתוך טבלה אחת"}},
  {1, 164, true, false, "Verbs inside one binyan",
   {"The Verbs Inside One Binyan", "Глаголы внутри одного биньяна", "פועל בתוך בניין אחד"}},
  {0, kDropDown, false, false, "Help", {"Help", "Помощь", "עזרה"}},
  {1, menuid::kEnglishGuide, false, false, "User's guide (English)",
   {"User's Guide (English)...", "Руководство пользователя (Англ.)...", "מדריך למשתמש (en)..."}},
  {1, menuid::kRussianGuide, false, false, "User's guide (Russian)",
   {"User's Guide (Russian)...", "Руководство пользователя (Рус.)...", "מדריך למשתמש (ru)..."}},
  {1, menuid::kHebrewGuide, false, false, "User's guide (Hebrew)",
   {"User's Guide (Hebrew)...", "Руководство пользователя (Ивр.)...", "מדריך למשתמש (he)..."}},
  {1, kSeparator, false, false, nullptr, {nullptr, nullptr, nullptr}},
  {1, menuid::kCheckForUpdates, false, false, "Check for updates",
   {"Check for updates...", "Проверить апдейты...", "בדוק עדכונים..."}},
  {1, kSeparator, false, false, nullptr, {nullptr, nullptr, nullptr}},
  {1, menuid::kAbout, false, false, "About", {"About...", "О программе...", "אודות..."}},
};
// clang-format on

constexpr std::array<int, 4> kHebrewOnlySearch = {145, 141, 147, 148};
constexpr std::array<int, 5> kVerbsTables = {149, 150, 59397, 152, 164};
constexpr int kRussianOnlySearch = 172;
constexpr int kEnglishOnlySearch = 177;

}  // namespace

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar), bar_(bar) {
  // The open drop-down at each depth while the tree is read.
  std::array<QMenu*, 3> open{};
  for (std::size_t i = 0; i < std::size(kTree); ++i) {
    const ItemDef& def = kTree[i];
    QMenu* parent = def.depth == 0 ? nullptr : open[static_cast<std::size_t>(def.depth - 1)];
    if (def.id == kSeparator) {
      parent->addSeparator();
      continue;
    }
    if (def.id == kDropDown) {
      QMenu* menu = parent ? parent->addMenu(QString::fromUtf8(def.text)) : bar_->addMenu(QString::fromUtf8(def.text));
      open[static_cast<std::size_t>(def.depth)] = menu;
      if (def.depth == 0) topMenus_.push_back(menu);
      if (def.depth == 1 && topMenus_.size() == 1) optionsMenus_.push_back(menu);
      labelled_.push_back({menu->menuAction(), i});
      continue;
    }
    QAction* item = parent->addAction(QString::fromUtf8(def.text));
    item->setCheckable(def.checkable);
    item->setChecked(def.initialMark);
    actions_[def.id] = item;
    marks_[def.id] = def.initialMark;
    if (def.captions[0] != nullptr) labelled_.push_back({item, i});
    const int id = def.id;
    connect(item, &QAction::triggered, this, [this, id] {
      // Qt has flipped the mark already; the program's mark stands until the command sets it.
      actions_[id]->setChecked(marks_[id]);
      emit command(id);
    });
  }
}

void MainMenu::applyMenuLanguage(UiLanguage language, InputLanguage input, std::uint16_t systemLanguageId) {
  if (language < uilanguage::kEnglish || language > uilanguage::kHebrew) {
    bar_->update();
    return;
  }
  const auto column = static_cast<std::size_t>(language - 1);
  for (const auto& [item, index] : labelled_) item->setText(QString::fromUtf8(kTree[index].captions[column]));

  // Hebrew lays the bar out from the right and opens the drop-downs right to left.
  const Qt::LayoutDirection direction = language == uilanguage::kHebrew ? Qt::RightToLeft : Qt::LeftToRight;
  bar_->setLayoutDirection(direction);
  for (QMenu* menu : bar_->findChildren<QMenu*>()) menu->setLayoutDirection(direction);

  const bool hebrewInput = input == inputlanguage::kHebrew;
  for (int id : kHebrewOnlySearch) actions_[id]->setEnabled(hebrewInput);
  for (int id : kVerbsTables) actions_[id]->setEnabled(hebrewInput);
  actions_[kRussianOnlySearch]->setEnabled(input == inputlanguage::kRussian);
  actions_[kEnglishOnlySearch]->setEnabled(input == inputlanguage::kEnglish);
  actions_[146]->setEnabled(true);

  markOnly(language == uilanguage::kEnglish   ? menuid::kEnglishDialog
           : language == uilanguage::kRussian ? menuid::kRussianDialog
                                              : menuid::kHebrewDialog,
           {menuid::kEnglishDialog, menuid::kRussianDialog, menuid::kHebrewDialog});
  actions_[menuid::kEnglishDialog]->setEnabled(true);
  actions_[menuid::kRussianDialog]->setEnabled(systemLanguageId == 0x0419);
  actions_[menuid::kHebrewDialog]->setEnabled(systemLanguageId == 0x040D);

  actions_[menuid::kEnglishGuide]->setEnabled(true);
  actions_[menuid::kHebrewGuide]->setEnabled(false);
  actions_[menuid::kCheckForUpdates]->setEnabled(false);
  actions_[menuid::kRussianGuide]->setEnabled(true);
  actions_[menuid::kAbout]->setEnabled(true);
  bar_->update();
}

QAction* MainMenu::action(int id) const {
  const auto found = actions_.find(id);
  return found == actions_.end() ? nullptr : found->second;
}

QMenu* MainMenu::dropDown(int position) const {
  return position >= 0 && position < static_cast<int>(topMenus_.size()) ? topMenus_[static_cast<std::size_t>(position)]
                                                                         : nullptr;
}

QMenu* MainMenu::optionsDropDown(int position) const {
  return position >= 0 && position < static_cast<int>(optionsMenus_.size())
             ? optionsMenus_[static_cast<std::size_t>(position)]
             : nullptr;
}

bool MainMenu::mark(int id) const {
  const auto found = marks_.find(id);
  return found != marks_.end() && found->second;
}

void MainMenu::setMark(int id, bool on) {
  QAction* item = action(id);
  if (item == nullptr || !item->isCheckable()) return;
  marks_[id] = on;
  item->setChecked(on);
}

void MainMenu::markOnly(int id, std::initializer_list<int> group) {
  for (int other : group) setMark(other, other == id);
}

void MainMenu::trigger(int id) {
  if (QAction* item = action(id)) item->trigger();
}

std::uint16_t systemLanguageIdOf(const QString& localeName) {
  if (localeName.startsWith(QLatin1String("ru"))) return 0x0419;
  if (localeName.startsWith(QLatin1String("he")) || localeName.startsWith(QLatin1String("iw"))) return 0x040D;
  return 0x0409;
}

}  // namespace quorix
