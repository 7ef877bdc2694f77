#include "screens/frmChoise.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <memory>

#include "core-data/catalogue.h"
#include "screen_test_support.h"
#include "text/web_site.h"

using namespace qiro;
using namespace qiro::testing;

class frmChoiseTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<frmChoise> screen;
  std::unique_ptr<Sinks> sinks;

  QLineEdit* current() { return Find<QLineEdit>(screen.get(), "txtDianliu"); }
  QLineEdit* inductance() { return Find<QLineEdit>(screen.get(), "txtDianganliang"); }
  QComboBox* coreCount() { return Find<QComboBox>(screen.get(), "cmbCoreCount"); }
  QListWidget* list() { return Find<QListWidget>(screen.get(), "lstResut"); }
  void Search() { QTest::mouseClick(Find<QPushButton>(screen.get(), "cmdJiSuan"), Qt::LeftButton); }


 private slots:
  void initTestCase() { InitCoreData(); }

  void init() {
    sinks = std::make_unique<Sinks>();
    screen = std::make_unique<frmChoise>();
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.get()));
  }

  void cleanup() {
    screen.reset();
    sinks.reset();
  }

  void opensWithItsInitialContents() {
    QCOMPARE(screen->objectName(), QStringLiteral("frmChoise"));
    QCOMPARE(screen->windowTitle(), QStringLiteral("环形磁芯选型"));
    QCOMPARE(coreCount()->currentText(), QStringLiteral("1"));
    QCOMPARE(coreCount()->count(), 6);
    QVERIFY(current()->text().isEmpty());
    QVERIFY(inductance()->text().isEmpty());
    QCOMPARE(Find<QPushButton>(screen.get(), "cmdJiSuan")->text(), QStringLiteral("磁芯选型"));
    QStringList headings;
    for (const char* name : {"Label12", "Label13", "Label14", "Label15", "Label16", "Label17"})
      headings << Find<QLabel>(screen.get(), name)->text();
    QCOMPARE(headings, (QStringList{"可选磁芯", "磁芯外径(mm)", "磁芯内径(mm)", "磁芯高度(mm)",
                                    "绕线圈数", "线径(mm)"}));
    QCOMPARE(Find<QLabel>(screen.get(), "labURL")->text(),
             QStringLiteral("更多磁芯资料请登陆 ") + QString::fromLatin1(kWebSiteAddress.data()));
    QCOMPARE(Find<QLabel>(screen.get(), "labDianliu")->buddy(), current());
  }

  void listsEveryFittingCore() {
    Retype(current(), QStringLiteral("5"));
    Retype(inductance(), QStringLiteral("100"));
    Search();
    QVERIFY(sinks->messages.isEmpty());
    QCOMPARE(list()->count(), 595);
    QCOMPARE(list()->item(0)->text(),
             QStringLiteral("KMA065090\t\t17.4\t\t9.53\t\t7.11\t\t56\t\t>0.89"));
    // Two stacked cores halve the target per core.
    coreCount()->setCurrentIndex(1);
    Retype(inductance(), QStringLiteral("200"));
    Search();
    QCOMPARE(list()->count(), 595);
    QCOMPARE(list()->item(0)->text(),
             QStringLiteral("KMA065090\t\t17.4\t\t9.53\t\t7.11\t\t56\t\t>0.89"));
  }

  void thickWireIsMarked() {
    Retype(current(), QStringLiteral("30"));
    Retype(inductance(), QStringLiteral("5"));
    Search();
    QVERIFY(list()->count() > 0);
    for (int i = 0; i < list()->count(); ++i)
      QVERIFY(list()->item(i)->text().endsWith(QStringLiteral(" 建议多股线")));
  }

  void messages_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    const QString error = QStringLiteral("错误提示");
    QTest::newRow("no count") << "" << "5" << "100" << "对不起，请选择磁芯个数！" << error;
    QTest::newRow("count 0") << "0" << "5" << "100" << "对不起，请选择磁芯个数！" << error;
    QTest::newRow("count beyond 16 bits") << "70000" << "5" << "100" << "对不起，磁芯个数超出范围！"
                                          << error;
    QTest::newRow("current empty") << "1" << "" << "100" << "对不起，请输入电流！" << error;
    QTest::newRow("current pasted letters") << "1" << "abc" << "100" << "对不起，电流大小为数字！"
                                            << error;
    QTest::newRow("current 0") << "1" << "0" << "100" << "对不起，请输入电流大小！" << error;
    QTest::newRow("current beyond float") << "1" << "1E39" << "100" << "电流超出数值范围！"
                                          << error;
    QTest::newRow("inductance empty") << "1" << "5" << "" << "对不起，请输入电感量的大小！" << error;
    QTest::newRow("inductance pasted letters")
        << "1" << "5" << "a" << "对不起，电感量大小为数字，请重新输入！" << error;
    QTest::newRow("inductance 0") << "1" << "5" << "0" << "对不起，请输入电感量大小！" << error;
    QTest::newRow("current stored as 0") << "1" << "1e-50" << "100" << "电流超出数值范围！" << error;
    QTest::newRow("negative current beyond float") << "1" << "-1E39" << "100"
                                                   << "对不起，请输入电流大小！" << error;
    QTest::newRow("inductance beyond float") << "1" << "5" << "1E39" << "电感量超出数值范围！"
                                             << error;
    QTest::newRow("nothing fits")
        << "1" << "40" << "50000"
        << "没有计算出能到达您的感量的磁芯，请考虑增加磁芯或减少电感量，如果有疑问请联系我们。"
        << "QIROMagnetic";
  }

  void messages() {
    QFETCH(QString, count);
    QFETCH(QString, current);
    QFETCH(QString, inductance);
    QFETCH(QString, message);
    QFETCH(QString, title);
    Retype(this->current(), QStringLiteral("1"));
    Retype(this->inductance(), QStringLiteral("1"));
    Search();
    QCOMPARE(list()->count(), 754);

    coreCount()->setEditText(count);
    this->current()->setText(current);
    this->inductance()->setText(inductance);
    Search();
    QCOMPARE(sinks->messages.size(), 1);
    QCOMPARE(sinks->messages[0].text, message);
    QCOMPARE(sinks->messages[0].title, title);
    QCOMPARE(sinks->messages[0].icon, QMessageBox::NoIcon);
    QCOMPARE(list()->count(), 0);
    // The fields keep what the user typed.
    QCOMPARE(this->current()->text(), current);
  }

  void keysTheFieldsRefuse() {
    coreCount()->setFocus();
    coreCount()->lineEdit()->selectAll();
    QTest::keyClicks(coreCount(), QStringLiteral("2.5x"));
    QCOMPARE(coreCount()->currentText(), QStringLiteral("25"));
    QTest::keyClicks(current(), QStringLiteral("-1,2.5a"));
    QCOMPARE(current()->text(), QStringLiteral("12.5"));
    QTest::keyClicks(inductance(), QStringLiteral("1..5"));
    QCOMPARE(inductance()->text(), QStringLiteral("1..5"));
    Search();
    QCOMPARE(sinks->messages.size(), 1);
    QCOMPARE(sinks->messages[0].text, QStringLiteral("对不起，电感量大小为数字，请重新输入！"));
  }

  void zeroCurrentIsClearedOnEntry() {
    current()->setText(QStringLiteral("0"));
    QTest::mouseClick(current(), Qt::LeftButton);
    QCOMPARE(current()->text(), QString());
  }

  void linksOpenTheMakersPages() {
    QTest::mouseClick(Find<QPushButton>(screen.get(), "cmdRequestSample"), Qt::LeftButton);
    QTest::mouseClick(Find<QLabel>(screen.get(), "labURL"), Qt::LeftButton);
    const QString site = QString::fromLatin1(kWebSiteAddress.data());
    QCOMPARE(sinks->opened.size(), 2);
    QCOMPARE(sinks->opened[0].toString(), site + QStringLiteral("/cn/request-sample.asp"));
    QCOMPARE(sinks->opened[1].toString(), site + QStringLiteral("/"));
  }
};

QTEST_MAIN(frmChoiseTest)
#include "frmChoise_test.moc"
