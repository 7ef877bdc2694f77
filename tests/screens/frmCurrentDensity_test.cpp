// The current density dialog: a fixed modal window with two buttons that do nothing yet.
#include "screens/frmCurrentDensity.h"

#include <QPushButton>
#include <QtTest>

#include "screens/screen_test_support.h"

namespace qiro {

class FrmCurrentDensityTest : public QObject {
  Q_OBJECT

 private slots:
  void buttonsChangeNothingAndTheCloseBoxCloses() {
    testing::Sinks sinks;
    frmCurrentDensity dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("frmCurrentDensity"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("电流密度选择"));
    QVERIFY(dialog.isModal());
    auto* ok = testing::Find<QPushButton>(&dialog, "OKButton");
    auto* cancel = testing::Find<QPushButton>(&dialog, "CancelButton");
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(dialog.findChildren<QPushButton*>().size(), 2);

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize size = dialog.size();
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());  // fixed
    QTest::mouseClick(ok, Qt::LeftButton);
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.size(), size);
    QVERIFY(sinks.messages.isEmpty());
    QVERIFY(dialog.close());
    QVERIFY(!dialog.isVisible());
  }
};

}  // namespace qiro

QTEST_MAIN(qiro::FrmCurrentDensityTest)
#include "frmCurrentDensity_test.moc"
