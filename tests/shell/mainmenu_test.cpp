// The menu bar on the offscreen platform: captions in three languages, marks across relabels, the
// bar's direction, and the enabled states by input language, system language and Help.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "shell/mainmenu.h"

using namespace quorix;

namespace {

constexpr std::uint16_t kOtherSystem = 0x0409;

class MainMenuTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QMenuBar> bar_;
  MainMenu* menu_ = nullptr;

  QString caption(int id) { return menu_->action(id)->text(); }
  bool enabled(int id) { return menu_->action(id)->isEnabled(); }

 private slots:
  void init() {
    bar_ = std::make_unique<QMenuBar>();
    menu_ = new MainMenu(bar_.get());
    menu_->applyMenuLanguage(uilanguage::kEnglish, inputlanguage::kHebrew, kOtherSystem);
  }
  void cleanup() { bar_.reset(); }

  void startsWithTheInitialMarks() {
    for (int id : {134, 137, 142, 146, 149}) QVERIFY2(menu_->mark(id), qPrintable(QString::number(id)));
    for (int id : {174, 176, 138, 139, 140, 143, 144, 175, 145, 141, 147, 148, 172, 177, 150, 59397, 152, 164})
      QVERIFY2(!menu_->mark(id), qPrintable(QString::number(id)));
  }

  void captionsFollowTheDialogLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("options");
    QTest::addColumn<QString>("exit");
    QTest::addColumn<QString>("byRoot");
    QTest::addColumn<QString>("oneTable");
    QTest::addColumn<QString>("russianGuide");
    QTest::addColumn<QString>("englishInput");
    QTest::addColumn<QString>("byEnglishMeaning");
    QTest::newRow("English") << 1 << "Options" << "Exit\tAlt+F4" << "According to Root of Hebrew Verbs"
                             << "The Verbs Inside One Table" << "User's Guide (Russian)..." << "English"
                             << "According to English Meaning";
    QTest::newRow("Russian") << 2 << "Настройки" << "Выход\tAlt+F4" << "По корню ивритских глаголов"
                             << "Глаголы внутри одной таблицы" << "Руководство пользователя (Рус.)..." << "Английский"
                             << "По английскому значению";
    QTest::newRow("Hebrew") << 3 << "אפשרויות" << "יציאה\tAlt+F4" << "על פי שורש של מילה עברית"
                            << "פועל בתוך טבלה אחת" << "מדריך למשתמש (ru)..." << "אנגלית" << "על פי משמעות באנגלית";
  }
  void captionsFollowTheDialogLanguage() {
    QFETCH(int, language);
    QFETCH(QString, options);
    QFETCH(QString, exit);
    QFETCH(QString, byRoot);
    QFETCH(QString, oneTable);
    QFETCH(QString, russianGuide);
    QFETCH(QString, englishInput);
    QFETCH(QString, byEnglishMeaning);
    menu_->applyMenuLanguage(language, inputlanguage::kHebrew, kOtherSystem);
    QCOMPARE(menu_->dropDown(0)->title(), options);
    QCOMPARE(caption(menuid::kExit), exit);
    QCOMPARE(caption(145), byRoot);
    QCOMPARE(caption(152), oneTable);
    QCOMPARE(caption(menuid::kRussianGuide), russianGuide);
    QCOMPARE(caption(menuid::kEnglishInput), englishInput);
    QCOMPARE(caption(177), byEnglishMeaning);
    // The new items sit beside their kin: last under Input Language and last under Search.
    QCOMPARE(menu_->optionsDropDown(0)->actions().last(), menu_->action(menuid::kEnglishInput));
    QCOMPARE(menu_->dropDown(1)->actions().last(), menu_->action(177));
    // The font names are never relabelled.
    QCOMPARE(caption(menuid::kFontTimes), QStringLiteral("Times New Roman"));
    QCOMPARE(caption(menuid::kFontDavid), QStringLiteral("David"));
  }

  void hebrewLaysTheBarOutFromTheRightAndBack() {
    menu_->applyMenuLanguage(uilanguage::kHebrew, inputlanguage::kHebrew, 0x040D);
    QCOMPARE(bar_->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(menu_->dropDown(2)->layoutDirection(), Qt::RightToLeft);
    menu_->applyMenuLanguage(uilanguage::kRussian, inputlanguage::kHebrew, 0x040D);
    QCOMPARE(bar_->layoutDirection(), Qt::LeftToRight);
    QCOMPARE(menu_->dropDown(2)->layoutDirection(), Qt::LeftToRight);
  }

  void relabelKeepsEveryMark() {
    menu_->markOnly(174, {134, 174, 176});
    menu_->setMark(175, true);
    menu_->markOnly(147, {146, 145, 141, 147, 148, 172, 177});
    menu_->markOnly(164, {149, 150, 59397, 152, 164});
    menu_->markOnly(139, {137, 138, 139, 140});
    for (int language : {3, 2, 1}) {
      menu_->applyMenuLanguage(language, inputlanguage::kRussian, kOtherSystem);
      for (int id : {174, 175, 147, 164, 139}) QVERIFY(menu_->mark(id) && menu_->action(id)->isChecked());
      for (int id : {134, 176, 146, 177, 149, 137}) QVERIFY(!menu_->mark(id) && !menu_->action(id)->isChecked());
    }
    menu_->markOnly(176, {134, 174, 176});
    menu_->markOnly(177, {146, 145, 141, 147, 148, 172, 177});
    menu_->applyMenuLanguage(uilanguage::kHebrew, inputlanguage::kEnglish, kOtherSystem);
    QVERIFY(menu_->mark(176) && menu_->action(176)->isChecked() && menu_->mark(177) && menu_->action(177)->isChecked());
  }

  void inputLanguageSwitchesTheEnabledItems_data() {
    QTest::addColumn<int>("input");
    QTest::newRow("Hebrew") << int{inputlanguage::kHebrew};
    QTest::newRow("Russian") << int{inputlanguage::kRussian};
    QTest::newRow("English") << int{inputlanguage::kEnglish};
  }
  void inputLanguageSwitchesTheEnabledItems() {
    QFETCH(int, input);
    menu_->applyMenuLanguage(uilanguage::kEnglish, static_cast<InputLanguage>(input), kOtherSystem);
    for (int id : {145, 141, 147, 148, 149, 150, 59397, 152, 164}) {
      QCOMPARE(enabled(id), input == inputlanguage::kHebrew);
    }
    QCOMPARE(enabled(172), input == inputlanguage::kRussian);
    QCOMPARE(enabled(177), input == inputlanguage::kEnglish);
    QVERIFY(enabled(146));
    for (int id : {134, 174, 176}) QVERIFY(enabled(id));
  }

  void dialogLanguagesFollowTheSystemLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("russian");
    QTest::addColumn<bool>("hebrew");
    QTest::newRow("English system") << "en_US" << false << false;
    QTest::newRow("German system") << "de_DE" << false << false;
    QTest::newRow("Russian system") << "ru_RU" << true << false;
    QTest::newRow("Hebrew system") << "he_IL" << false << true;
  }
  void dialogLanguagesFollowTheSystemLanguage() {
    QFETCH(QString, locale);
    QFETCH(bool, russian);
    QFETCH(bool, hebrew);
    for (int language : {1, 2, 3}) {
      menu_->applyMenuLanguage(language, inputlanguage::kHebrew, systemLanguageIdOf(locale));
      QVERIFY(enabled(menuid::kEnglishDialog));
      QCOMPARE(enabled(menuid::kRussianDialog), russian);
      QCOMPARE(enabled(menuid::kHebrewDialog), hebrew);
      QCOMPARE(menu_->mark(menuid::kEnglishDialog), language == 1);
      QCOMPARE(menu_->mark(menuid::kRussianDialog), language == 2);
      QCOMPARE(menu_->mark(menuid::kHebrewDialog), language == 3);
    }
  }

  void helpOffersTheEnglishAndRussianGuidesAndAbout() {
    for (int language : {1, 2, 3}) {
      menu_->applyMenuLanguage(language, inputlanguage::kRussian, 0x0419);
      int enabledItems = 0;
      for (QAction* item : menu_->dropDown(3)->actions())
        if (!item->isSeparator() && item->isEnabled()) ++enabledItems;
      QCOMPARE(enabledItems, 3);
      QVERIFY(enabled(menuid::kEnglishGuide) && enabled(menuid::kRussianGuide) && enabled(menuid::kAbout));
    }
  }

  void aClickReportsTheCommandWithoutTouchingItsMark() {
    QSignalSpy commands(menu_, &MainMenu::command);
    menu_->trigger(175);
    menu_->trigger(148);
    QCOMPARE(commands.size(), 2);
    QCOMPARE(commands[0][0].toInt(), 175);
    QVERIFY(!menu_->action(175)->isChecked());
    QVERIFY(!menu_->action(148)->isChecked());
    QVERIFY(menu_->action(146)->isChecked());
  }

  void anUnknownLanguageChangesNoCaption() {
    menu_->applyMenuLanguage(7, inputlanguage::kHebrew, kOtherSystem);
    QCOMPARE(menu_->dropDown(0)->title(), QStringLiteral("Options"));
  }
};

}  // namespace

QTEST_MAIN(MainMenuTest)
#include "mainmenu_test.moc"
