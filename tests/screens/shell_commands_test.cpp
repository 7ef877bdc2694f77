// The About box, help, and the bias check screen.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "screens/Form1.h"
#include "screens/MDIMain.h"
#include "screens/frmAbout.h"
#include "qt-support/application_setup.h"
#include "qt-support/help.h"
#include "screens/screen_test_support.h"
#include "text/web_site.h"

using namespace qiro;
using qiro::testing::Find;

class ShellCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void aboutShowsContactLinesOncePerOpening() {
    for (int opening = 0; opening < 2; ++opening) {
      frmAbout about;
      QCOMPARE(about.windowTitle(), QStringLiteral("关于磁芯计算软件"));
      QCOMPARE(Find<QLabel>(&about, "lblTitle")->text(), QStringLiteral("关于磁芯选型计算工具"));
      const QString msg = Find<QLabel>(&about, "labMsg")->text();
      QVERIFY(msg.startsWith(QStringLiteral("如果您需要样品，联系我们：\n")));
      QCOMPARE(msg.count(QStringLiteral("邮箱：")), 1);
      QCOMPARE(msg.split(QLatin1Char('\n')).size(), 3);
      QCOMPARE(Find<QLabel>(&about, "lblDisclaimer")->text().count(QStringLiteral("技术支持")), 1);
      QVERIFY(Find<QLabel>(&about, "lblDescription")
                  ->text()
                  .endsWith(QString::fromLatin1(kWebSiteAddress.data(),
                                                static_cast<qsizetype>(kWebSiteAddress.size()))));
      QVERIFY(!Find<QPushButton>(&about, "cmdSysInfo")->isEnabled());
    }
  }

  void enterAndEscapeCloseTheAbout() {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
      frmAbout about;
      about.show();
      QVERIFY(QTest::qWaitForWindowExposed(&about));
      QTest::keyClick(&about, key);
      QVERIFY(!about.isVisible());
    }
  }

  void aboutFromTheMenuIsModal() {
    MDIMain window;
    window.show();
    bool sawModal = false;
    QTimer::singleShot(0, [&sawModal] {
      QWidget* modal = QApplication::activeModalWidget();
      sawModal = modal && modal->objectName() == QLatin1String("frmAbout");
      if (modal) QTest::keyClick(modal, Qt::Key_Escape);
    });
    window.findChild<QAction*>(QStringLiteral("meuAbout"))->trigger();
    QVERIFY(sawModal);
    QVERIFY(!QApplication::activeModalWidget());
  }

  void iconOpensTheHomePage() {
    testing::Sinks sinks;
    frmAbout about;
    QTest::mouseClick(Find<QToolButton>(&about, "picIcon"), Qt::LeftButton);
    QCOMPARE(sinks.opened.size(), 1);
    QCOMPARE(sinks.opened[0].toString(), QString::fromStdString(WebPageAddress(kHomePagePath)));
  }

  void helpFileMissingIsSaid() {
    testing::Sinks sinks;
    QTemporaryDir folder;
    ShowHelpFile(nullptr, folder.path());
    QVERIFY(sinks.opened.isEmpty());
    QCOMPARE(sinks.messages.size(), 1);
    QVERIFY(sinks.messages[0].text.startsWith(QStringLiteral("找不到帮助文件：")));
    QVERIFY(sinks.messages[0].text.contains(QStringLiteral("QIROHELP.HLP")));
  }

  void helpFilePresentGoesToTheDesktop() {
    testing::Sinks sinks;
    QTemporaryDir folder;
    QFile file(QDir(folder.path()).filePath(QStringLiteral("QIROHELP.HLP")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    ShowHelpFile(nullptr, folder.path());
    QCOMPARE(sinks.opened.size(), 1);
    QCOMPARE(sinks.opened[0], QUrl::fromLocalFile(file.fileName()));
    QVERIFY(sinks.messages.isEmpty());
    sinks.desktopAccepts = false;  // no viewer for the format
    ShowHelpFile(nullptr, folder.path());
    QCOMPARE(sinks.messages.size(), 1);
    QVERIFY(sinks.messages[0].text.startsWith(QStringLiteral("无法打开帮助文件：")));
  }

  // Without a help file beside the program the menu opens the program's own guide.
  void helpFromTheMenuReturnsNormally() {
    testing::Sinks sinks;
    MDIMain window;
    window.findChild<QAction*>(QStringLiteral("meuHelpMain"))->trigger();
    QCOMPARE(sinks.messages.size() + sinks.opened.size(), 0);
    QVERIFY(window.findChild<QWidget*>(QStringLiteral("UserGuide")));
  }

  // Standard buttons and context menus speak Chinese, like the screens.
  void qtOwnTextsAreChinese() {
    const QString file = QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                         QStringLiteral("/qtbase_zh_CN.qm");
    if (!QFile::exists(file)) QSKIP("qt6-translations-l10n is not installed");
    PrepareApplication(*qApp);
    QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("复制(&C)"));
    QCOMPARE(QApplication::desktopFileName(), QStringLiteral("org.qiromagnetics.QIROMagnetic"));
  }

  void testScreenShowsTheBiasValue() {
    Form1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(Find<QLabel>(&form, "labShowTime")->text(), QStringLiteral("shou time"));
    for (int press = 0; press < 2; ++press) {
      QTest::mouseClick(Find<QPushButton>(&form, "cmdTest"), Qt::LeftButton);
      QCOMPARE(Find<QLabel>(&form, "Label3")->text(), QStringLiteral("DC=41.0769729614258"));
      QVERIFY(Find<QLabel>(&form, "Label1")->text() != QStringLiteral("Label1"));
    }
    QCOMPARE(Find<QLabel>(&form, "Label2")->text(), QStringLiteral("Label2"));
  }
};

QTEST_MAIN(ShellCommandsTest)
#include "shell_commands_test.moc"
