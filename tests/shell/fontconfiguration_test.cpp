// Which font configuration the program points fontconfig at before it starts.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "shell/fontconfiguration.h"

using namespace quorix;

class FontConfigurationTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { qunsetenv("FONTCONFIG_FILE"); }
  void cleanup() { qunsetenv("FONTCONFIG_FILE"); }

  void pointsAtTheProgramFoldersFile() {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(useProgramFontConfiguration(folder.path() + QLatin1Char('/')));
    QCOMPARE(qEnvironmentVariable("FONTCONFIG_FILE"), folder.filePath(QStringLiteral("fonts.conf")));
  }

  void leavesTheVariableAloneWithoutTheFile() {
    QTemporaryDir folder;
    QVERIFY(!useProgramFontConfiguration(folder.path()));
    QVERIFY(!qEnvironmentVariableIsSet("FONTCONFIG_FILE"));
  }

  void aConfigurationTheUserSetWins() {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("FONTCONFIG_FILE", "/home/user/fonts.conf");
    QVERIFY(!useProgramFontConfiguration(folder.path()));
    QCOMPARE(qEnvironmentVariable("FONTCONFIG_FILE"), QStringLiteral("/home/user/fonts.conf"));
  }

  void findsTheFolderOfTheRunningProgram() {
    const QString folder = runningProgramFolder();
    QVERIFY(folder.endsWith(QLatin1Char('/')));
    QVERIFY(QFile::exists(folder + QStringLiteral("quorix_font_configuration_test")));
  }
};

QTEST_GUILESS_MAIN(FontConfigurationTest)
#include "fontconfiguration_test.moc"
