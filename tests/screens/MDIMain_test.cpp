#include "screens/MDIMain.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

#include "core-data/catalogue.h"
#include "screens/screen_test_support.h"
#include "text/web_site.h"

using namespace qiro;

class MDIMainTest : public QObject {
  Q_OBJECT

 private slots:
  void titleAndCatalogue() {
    MDIMain window;
    QCOMPARE(window.windowTitle(), QStringLiteral("QIRO功率电感设计工具3.0内部版"));
    QCOMPARE(CatalogueSize, std::int16_t{754});
    QCOMPARE(QString::fromStdString(CatalogueSlot(754).PartNumber), QStringLiteral("KME401125"));
  }

  void menuTreeInDisplayOrder() {
    MDIMain window;
    // name, caption, enabled; "-" marks a separator. Level-1 menus start a new group.
    const struct {
      const char* name;
      const char* caption;
      bool enabled;
    } bar[] = {{"meuFile", "文件(&F)", true},
               {"meuTools", "电感计算工具(&D)", true},
               {"menuDiankang", "电抗器辅助设计(&I)", false},
               {"menuTop", "电路拓扑电感量计算(&T)", true},
               {"meuHelp", "帮助(&H)", true}};
    const QList<QAction*> top = window.menuBar()->actions();
    QCOMPARE(top.size(), 5);
    for (int i = 0; i < 5; ++i) {
      QCOMPARE(top[i]->objectName(), QString::fromLatin1(bar[i].name));
      QCOMPARE(top[i]->text(), QString::fromUtf8(bar[i].caption));
      QCOMPARE(top[i]->isEnabled(), bar[i].enabled);
    }
    const struct {
      const char* menu;
      QList<QStringList> entries;  // name, caption, "1"/"0" enabled
    } menus[] = {
        // The design files come first (their shortcut is the fourth column); the recent
        // designs are available only when there are some ("?").
        {"meuFile",
         {{"meuOpenDesign", "打开设计…", "1", "Ctrl+O"},
          {"meuSaveDesign", "保存设计…", "1", "Ctrl+S"},
          {"meuRecentDesigns", "最近的设计", "?"},
          {"space_files", "-", "1"},
          {"meuRequestSample", "样品申请(&S)", "1"},
          {"meuExit", "退出(&X)", "1"}}},
        {"meuTools",
         {{"menToroidalL", "电感综合计算(&L)", "1"},
          {"meuChoise", "磁芯简单选型(&C)", "1"},
          {"menAdviser", "电感优化设计(&O)", "1"},
          {"meuCoreChoise", "磁芯高级选型(&G)", "0"},
          {"menTest", "测试", "0"}}},
        {"menuDiankang",
         {{"menuURdanlirao", "双R棒单层立绕UR(&S)", "0"},
          {"menuURshuanglirao", "双R棒内外包立绕UR(&D)", "0"},
          {"menuERdanlirao", "单R棒单层立绕ER(&E)", "0"},
          {"space_01", "-", "0"},
          {"menuUIshuangpingrao", "双方心柱漆包线平绕UI(&F)", "0"},
          {"menuEIdanpingrao", "单方心柱漆包线平绕EI(&G)", "0"},
          {"space_02", "-", "0"},
          {"menuUIshuanglirao", "双方心柱单层立绕UI(&H)", "0"},
          {"menuEIdanlirao", "单方心柱单层立绕EI(&I)", "0"},
          {"space_03", "-", "0"},
          {"menuUIshuangborao", "双方心柱箔绕UI(&J)", "0"},
          {"menuEIdanborao", "单方心柱箔绕EI(&K)", "0"}}},
        {"menuTop",
         {{"menuPFC", "PFC电感感量计算(&P)", "1"},
          {"menuBoost", "BOOST电感感量计算(&B)", "1"},
          {"menuBuck", "BUCK电感感量计算(&U)", "1"},
          {"menuBuckBoost", "BUCK-BOOST电感感量计算(&K)", "1"},
          {"menuNibianLC", "逆变LC电感感量计算(&N)", "1"},
          {"menuQuanqiao", "全桥电感感量计算(&H)", "1"},
          {"menuZhengji", "正激电感感量计算&(J)", "1"},
          {"menuTuiwan", "推挽电感感量计算(&W)", "1"}}},
        {"meuHelp", {{"meuHelpMain", "帮助主题(&M)", "1"}, {"meuAbout", "关于(&A)", "1"}}},
    };
    for (const auto& m : menus) {
      auto* menu = window.findChild<QMenu*>(QString::fromLatin1(m.menu));
      QVERIFY2(menu, m.menu);
      const QList<QAction*> actions = menu->actions();
      QCOMPARE(actions.size(), m.entries.size());
      for (int i = 0; i < actions.size(); ++i) {
        const QStringList& e = m.entries[i];
        QCOMPARE(actions[i]->objectName(), e[0]);
        if (e[1] == QLatin1String("-")) {
          QVERIFY(actions[i]->isSeparator());
        } else {
          QCOMPARE(actions[i]->text(), e[1]);
          QCOMPARE(actions[i]->shortcut().toString(QKeySequence::PortableText),
                   e.size() > 3 ? e[3] : QString());
          QVERIFY(!actions[i]->isCheckable());
        }
        if (e[2] != QLatin1String("?")) QCOMPARE(actions[i]->isEnabled(), e[2] == QLatin1String("1"));
      }
    }
  }

  void mnemonicsOpenMenus() {
    MDIMain window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* tools = window.findChild<QMenu*>(QStringLiteral("meuTools"));
    QTest::keyClick(&window, Qt::Key_D, Qt::AltModifier);
    QTRY_VERIFY(tools->isVisible());
    tools->close();
  }

  void sampleRequestOpensTheApplyPage() {
    testing::Sinks sinks;
    MDIMain window;
    window.findChild<QAction*>(QStringLiteral("meuRequestSample"))->trigger();
    QCOMPARE(sinks.opened.size(), 1);
    QCOMPARE(sinks.opened[0].toString(), QString::fromStdString(WebPageAddress(kApplyPath)));
  }

  void oneWindowPerScreen() {
    MDIMain window;
    const int before = window.mdiArea()->subWindowList().size();
    int created = 0;
    auto make = [&created] {
      ++created;
      auto* w = new QWidget;
      w->setObjectName(QStringLiteral("screenUnderTest"));
      return w;
    };
    QPointer<QWidget> first = window.OpenChild(QStringLiteral("screenUnderTest"), make);
    QPointer<QWidget> again = window.OpenChild(QStringLiteral("screenUnderTest"), make);
    QCOMPARE(first.data(), again.data());
    QCOMPARE(created, 1);
    QCOMPARE(window.mdiArea()->subWindowList().size(), before + 1);
    // Closed: the next opening creates it afresh.
    first->parentWidget()->close();
    QTRY_VERIFY(first.isNull());
    QPointer<QWidget> fresh = window.OpenChild(QStringLiteral("screenUnderTest"), make);
    QCOMPARE(created, 2);
    QVERIFY(fresh);
  }

  // Each entry opens its own screen, once; choosing it again only brings it to the front.
  void entriesOpenTheirScreens() {
    MDIMain window;
    // Start-up opens the calculator, with the catalogue already in its list.
    QCOMPARE(window.mdiArea()->subWindowList().size(), 1);
    QPointer<QWidget> calculator = window.mdiArea()->subWindowList().first()->widget();
    QCOMPARE(calculator->objectName(), QStringLiteral("frmDiangan"));
    QCOMPARE(calculator->findChild<QListWidget*>(QStringLiteral("lstCoreList"))->count(), 754);
    window.mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(calculator.isNull());
    const struct {
      const char* action;
      const char* screen;
    } entries[] = {
        {"menuPFC", "frmTOPPFC"},         {"menuBoost", "frmTOPBOOST"},
        {"menuBuck", "frmTOPBUCK"},       {"menuBuckBoost", "frmTOPBUCKBOOST"},
        {"menuNibianLC", "frmTOPNibianLC"}, {"menuQuanqiao", "frmTOPQuanqiao"},
        {"menuZhengji", "frmTOPZhengji"}, {"menuTuiwan", "frmTOPTuiwan"},
        {"menToroidalL", "frmDiangan"},   {"meuChoise", "frmCoreChoise"},
        {"menAdviser", "DesignAdviser"},
        {"meuCoreChoise", "frmChoise"},   {"menTest", "Form1"},             {"menuURdanlirao", "frmDKURdanlirao"},
    };
    for (const auto& e : entries) {
      auto* action = window.findChild<QAction*>(QString::fromLatin1(e.action));
      const int before = window.mdiArea()->subWindowList().size();
      action->setEnabled(true);  // entries created unavailable still have their handler
      action->trigger();
      action->trigger();
      QCOMPARE(window.mdiArea()->subWindowList().size(), before + 1);
      QMdiSubWindow* active = window.mdiArea()->activeSubWindow();
      QVERIFY2(active && active->widget()->objectName() == QLatin1String(e.screen), e.screen);
    }
  }

  void exitClosesEveryScreen() {
    auto* window = new MDIMain;
    window->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> a = window->OpenChild(QStringLiteral("a"), [] { return new QWidget; });
    QPointer<QWidget> b = window->OpenChild(QStringLiteral("b"), [] { return new QWidget; });
    QPointer<MDIMain> guard = window;
    window->findChild<QAction*>(QStringLiteral("meuExit"))->trigger();
    QTRY_VERIFY(a.isNull() && b.isNull() && guard.isNull());
  }
};

QTEST_MAIN(MDIMainTest)
#include "MDIMain_test.moc"
