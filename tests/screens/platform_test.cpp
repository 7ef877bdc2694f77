#include "qt-support/platform.h"

#include <QLineEdit>
#include <QTest>

#include "screens/screen_test_support.h"
#include "text/web_site.h"

using namespace qiro;

class PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void numericFieldTakesDigitsPointAndBackspace() {
    QLineEdit field;
    InstallKeyFilter(&field, KeyRule::Numeric);
    QTest::keyClicks(&field, QStringLiteral("1a2-,3. 4"));
    QCOMPARE(field.text(), QStringLiteral("123.4"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QStringLiteral("123."));
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(field.text(), QStringLiteral("123."));
    QVERIFY(!field.testAttribute(Qt::WA_InputMethodEnabled));
  }

  void integerFieldRefusesThePoint() {
    QLineEdit field;
    InstallKeyFilter(&field, KeyRule::Integer);
    QTest::keyClicks(&field, QStringLiteral("1.5x"));
    QCOMPARE(field.text(), QStringLiteral("15"));
  }

  void navigationAndShortcutsPass() {
    QLineEdit field;
    InstallKeyFilter(&field, KeyRule::Numeric);
    QTest::keyClicks(&field, QStringLiteral("12"));
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClick(&field, Qt::Key_Delete);
    QCOMPARE(field.text(), QStringLiteral("1"));
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(field.selectedText(), QStringLiteral("1"));
  }

  void noKeysRuleAndFirstHook() {
    QLineEdit fixed;
    InstallKeyFilter(&fixed, KeyRule::None);
    QTest::keyClicks(&fixed, QStringLiteral("12.a"));
    QVERIFY(fixed.text().isEmpty());

    QLineEdit ripple;
    int spaces = 0;
    InstallKeyFilter(&ripple, KeyRule::Numeric, [&spaces](int key) {
      if (key != 32) return false;
      ++spaces;
      return true;
    });
    QTest::keyClicks(&ripple, QStringLiteral("1 2"));
    QCOMPARE(ripple.text(), QStringLiteral("12"));
    QCOMPARE(spaces, 1);
  }

  void messagesCarryTheApplicationTitleByDefault() {
    testing::Sinks sinks;
    ShowMessage(nullptr, QStringLiteral("x"));
    ShowMessage(nullptr, QStringLiteral("y"), QStringLiteral("错误提示(QIRO Magnetic)"),
                QMessageBox::NoIcon);
    QCOMPARE(sinks.messages.size(), 2);
    QCOMPARE(sinks.messages[0].title, QStringLiteral("QIROMagnetic"));
    QCOMPARE(sinks.messages[0].icon, QMessageBox::Information);
    QCOMPARE(sinks.messages[1].title, QStringLiteral("错误提示(QIRO Magnetic)"));
    QCOMPARE(sinks.messages[1].icon, QMessageBox::NoIcon);
  }

  void webPagesAreOpenedByPath() {
    testing::Sinks sinks;
    sinks.desktopAccepts = false;  // a failing desktop shows nothing
    OpenWebPage(nullptr, kSampleRequestCnPath);
    QCOMPARE(sinks.opened.size(), 1);
    QCOMPARE(sinks.opened[0].toString(),
             QString::fromLatin1(kWebSiteAddress.data(), kWebSiteAddress.size()) +
                 QStringLiteral("/cn/request-sample.asp"));
    QVERIFY(sinks.messages.isEmpty());
  }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
