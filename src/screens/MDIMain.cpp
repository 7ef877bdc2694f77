#include "screens/MDIMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>

#include "core-data/catalogue.h"
#include "design/calculators/calculator_design.h"
#include "design/analysis/design_adviser.h"
#include <QApplication>

#include "screens/Form1.h"
#include "screens/frmAbout.h"
#include "screens/frmChoise.h"
#include "screens/frmCoreChoise.h"
#include "screens/frmDKURdanlirao.h"
#include "screens/frmDiangan.h"
#include "screens/frmTOPBOOST.h"
#include "screens/frmTOPBUCK.h"
#include "screens/frmTOPBUCKBOOST.h"
#include "screens/frmTOPNibianLC.h"
#include "screens/frmTOPPFC.h"
#include "screens/frmTOPQuanqiao.h"
#include "screens/frmTOPTuiwan.h"
#include "screens/frmTOPZhengji.h"
#include "screens/topology_frame.h"
#include "workbench/DesignAdviser.h"
#include "qt-support/help.h"
#include "qt-support/platform.h"
#include "text/web_site.h"

namespace qiro {
namespace {

struct MenuEntry {
  int level;  // 1: a menu of the bar, 2: an entry of the last menu
  const char* name;
  const char* caption;  // "-" is a separator
  void (MDIMain::*handler)();
  bool available;
};

}  // namespace

MDIMain::MDIMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MDIMain"));
  setWindowTitle(tr("QIRO功率电感设计工具3.0内部版"));
  setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
  area_ = new QMdiArea(this);
  area_->setObjectName(QStringLiteral("mdiArea"));
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(area_);
  // The usual size, within the display's work area (less room for the window's frame).
  QSize size(1280, 820);
  if (const QScreen* display = screen()) {
    const QSize work = display->availableGeometry().size() - QSize(16, 48);
    if (work.isValid()) size = size.boundedTo(work);
  }
  resize(size);
  BuildMenus();
  BuildDesignFileMenu();
  MDIForm_Load();
}

MDIMain::~MDIMain() = default;

void MDIMain::BuildMenus() {
  // clang-format off
  static const MenuEntry kMenus[] = {
    {1, "meuFile", QT_TRANSLATE_NOOP("qiro::MDIMain", "文件(&F)"), nullptr, true},
    {2, "meuRequestSample", QT_TRANSLATE_NOOP("qiro::MDIMain", "样品申请(&S)"), &MDIMain::meuRequestSample_Click, true},
    {2, "meuExit", QT_TRANSLATE_NOOP("qiro::MDIMain", "退出(&X)"), &MDIMain::meuExit_Click, true},
    {1, "meuTools", QT_TRANSLATE_NOOP("qiro::MDIMain", "电感计算工具(&D)"), nullptr, true},
    {2, "menToroidalL", QT_TRANSLATE_NOOP("qiro::MDIMain", "电感综合计算(&L)"), &MDIMain::menToroidalL_Click, true},
    {2, "meuChoise", QT_TRANSLATE_NOOP("qiro::MDIMain", "磁芯简单选型(&C)"), &MDIMain::meuChoise_Click, true},
    {2, "menAdviser", QT_TRANSLATE_NOOP("qiro::MDIMain", "电感优化设计(&O)"), &MDIMain::menAdviser_Click, true},
    {2, "meuCoreChoise", QT_TRANSLATE_NOOP("qiro::MDIMain", "磁芯高级选型(&G)"), &MDIMain::meuCoreChoise_Click, false},
    {2, "menTest", QT_TRANSLATE_NOOP("qiro::MDIMain", "测试"), &MDIMain::menTest_Click, false},
    {1, "menuDiankang", QT_TRANSLATE_NOOP("qiro::MDIMain", "电抗器辅助设计(&I)"), nullptr, false},
    {2, "menuURdanlirao", QT_TRANSLATE_NOOP("qiro::MDIMain", "双R棒单层立绕UR(&S)"), &MDIMain::menuURdanlirao_Click, false},
    {2, "menuURshuanglirao", QT_TRANSLATE_NOOP("qiro::MDIMain", "双R棒内外包立绕UR(&D)"), nullptr, false},
    {2, "menuERdanlirao", QT_TRANSLATE_NOOP("qiro::MDIMain", "单R棒单层立绕ER(&E)"), nullptr, false},
    {2, "space_01", QT_TRANSLATE_NOOP("qiro::MDIMain", "-"), nullptr, false},
    {2, "menuUIshuangpingrao", QT_TRANSLATE_NOOP("qiro::MDIMain", "双方心柱漆包线平绕UI(&F)"), nullptr, false},
    {2, "menuEIdanpingrao", QT_TRANSLATE_NOOP("qiro::MDIMain", "单方心柱漆包线平绕EI(&G)"), nullptr, false},
    {2, "space_02", QT_TRANSLATE_NOOP("qiro::MDIMain", "-"), nullptr, false},
    {2, "menuUIshuanglirao", QT_TRANSLATE_NOOP("qiro::MDIMain", "双方心柱单层立绕UI(&H)"), nullptr, false},
    {2, "menuEIdanlirao", QT_TRANSLATE_NOOP("qiro::MDIMain", "单方心柱单层立绕EI(&I)"), nullptr, false},
    {2, "space_03", QT_TRANSLATE_NOOP("qiro::MDIMain", "-"), nullptr, false},
    {2, "menuUIshuangborao", QT_TRANSLATE_NOOP("qiro::MDIMain", "双方心柱箔绕UI(&J)"), nullptr, false},
    {2, "menuEIdanborao", QT_TRANSLATE_NOOP("qiro::MDIMain", "单方心柱箔绕EI(&K)"), nullptr, false},
    {1, "menuTop", QT_TRANSLATE_NOOP("qiro::MDIMain", "电路拓扑电感量计算(&T)"), nullptr, true},
    {2, "menuPFC", QT_TRANSLATE_NOOP("qiro::MDIMain", "PFC电感感量计算(&P)"), &MDIMain::menuPFC_Click, true},
    {2, "menuBoost", QT_TRANSLATE_NOOP("qiro::MDIMain", "BOOST电感感量计算(&B)"), &MDIMain::menuBoost_Click, true},
    {2, "menuBuck", QT_TRANSLATE_NOOP("qiro::MDIMain", "BUCK电感感量计算(&U)"), &MDIMain::menuBuck_Click, true},
    {2, "menuBuckBoost", QT_TRANSLATE_NOOP("qiro::MDIMain", "BUCK-BOOST电感感量计算(&K)"), &MDIMain::menuBuckBoost_Click, true},
    {2, "menuNibianLC", QT_TRANSLATE_NOOP("qiro::MDIMain", "逆变LC电感感量计算(&N)"), &MDIMain::menuNibianLC_Click, true},
    {2, "menuQuanqiao", QT_TRANSLATE_NOOP("qiro::MDIMain", "全桥电感感量计算(&H)"), &MDIMain::menuQuanqiao_Click, true},
    {2, "menuZhengji", QT_TRANSLATE_NOOP("qiro::MDIMain", "正激电感感量计算&(J)"), &MDIMain::menuZhengji_Click, true},
    {2, "menuTuiwan", QT_TRANSLATE_NOOP("qiro::MDIMain", "推挽电感感量计算(&W)"), &MDIMain::menuTuiwan_Click, true},
    {1, "meuHelp", QT_TRANSLATE_NOOP("qiro::MDIMain", "帮助(&H)"), nullptr, true},
    {2, "meuHelpMain", QT_TRANSLATE_NOOP("qiro::MDIMain", "帮助主题(&M)"), &MDIMain::meuHelpMain_Click, true},
    {2, "meuAbout", QT_TRANSLATE_NOOP("qiro::MDIMain", "关于(&A)"), &MDIMain::meuAbout_Click, true},
  };
  // clang-format on
  QMenu* current = nullptr;
  for (const MenuEntry& entry : kMenus) {
    const QString name = QString::fromUtf8(entry.name);
    const QString caption = tr(entry.caption);
    if (entry.level == 1) {
      current = menuBar()->addMenu(caption);
      current->setObjectName(name);
      current->menuAction()->setObjectName(name);
      current->menuAction()->setEnabled(entry.available);
      current->setEnabled(entry.available);
      continue;
    }
    QAction* action = nullptr;
    if (caption == QLatin1String("-")) {
      action = current->addSeparator();
    } else {
      action = current->addAction(caption);
      if (entry.handler) connect(action, &QAction::triggered, this, entry.handler);
    }
    action->setObjectName(name);
    action->setEnabled(entry.available);
  }
}

QWidget* MDIMain::OpenChild(const QString& screenName,
                            const std::function<QWidget*()>& create) {
  QPointer<QWidget>& slot = children_[screenName];
  if (!slot) {
    QWidget* screen = create();
    screen->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = area_->addSubWindow(screen);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    slot = screen;
    screen->show();
    FitIntoArea(sub);
    return screen;
  }
  if (auto* sub = qobject_cast<QMdiSubWindow*>(slot->parentWidget())) {
    if (sub->isMinimized()) sub->showNormal();
    area_->setActiveSubWindow(sub);
  }
  slot->raise();
  return slot;
}

namespace {
const QString kGeometryKey = QStringLiteral("MainWindow/geometry");
const QString kStateKey = QStringLiteral("MainWindow/state");
}  // namespace

void MDIMain::PlaceOnDisplay() {
  keepsGeometry_ = true;
  QSettings settings;
  const QByteArray saved = settings.value(kGeometryKey).toByteArray();
  if (!saved.isEmpty() && restoreGeometry(saved)) {
    restoreState(settings.value(kStateKey).toByteArray());
    // A display that became smaller (or is gone) would leave the frame hanging out of it.
    const QScreen* display = QGuiApplication::screenAt(geometry().center());
    if (display && (isMaximized() || display->availableGeometry().contains(geometry()))) return;
    setWindowState(windowState() & ~Qt::WindowMaximized);
  }
  // First start (or a place that no longer fits): the whole work area of the display.
  if (const QScreen* display = screen()) {
    const QRect work = display->availableGeometry();
    move(work.topLeft());
    resize(work.size() - QSize(16, 48));
  }
  setWindowState(windowState() | Qt::WindowMaximized);
}

void MDIMain::closeEvent(QCloseEvent* event) {
  if (keepsGeometry_) {
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kStateKey, saveState());
  }
  // The area does not close its windows by itself; each screen gets its own close.
  area_->closeAllSubWindows();
  // A box still open (the About box, or one reached past its modality by assistive
  // technology) would keep the program running behind a closed main window.
  for (const QPointer<QDialog> dialog : findChildren<QDialog*>()) {
    if (dialog && dialog->isVisible()) dialog->close();
  }
  event->accept();
  // Closing the frame ends the program. Qt's own "last window closed" quit misses the case
  // where the frame closes under a box that is then deleted with its screen (never closed),
  // and a nested loop of a search or a box would otherwise run on with no window. quit()
  // does nothing unless the application's loop is running (as in the tests).
  QCoreApplication::quit();
}

void MDIMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The first screen opened before the window had its size.
  for (QMdiSubWindow* sub : area_->subWindowList()) FitIntoArea(sub);
}

// A window larger than the area would hang out of it, partly under the area's scroll bars;
// it is made to fit, and its contents scroll inside it instead. A window that fits is moved
// wholly into the area, over the others if it must.
void MDIMain::FitIntoArea(QMdiSubWindow* sub) const {
  // Before the first show the area has no size yet; showEvent fits the windows then.
  if (!isVisible()) return;
  const QSize room = area_->viewport()->size();
  if (room.isEmpty()) return;
  QSize size = sub->size();
  // Contents that scroll one way lose a scroll bar's breadth the other way: a window at its
  // natural breadth gets it back where there is room, or it would scroll both ways.
  const QSize natural = sub->sizeHint();
  const int bar = sub->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sub);
  if (natural.height() > room.height() && size.width() == natural.width()) size.rwidth() += bar;
  if (natural.width() > room.width() && size.height() == natural.height()) size.rheight() += bar;
  size = size.boundedTo(room).expandedTo(sub->minimumSizeHint().boundedTo(room));
  if (size != sub->size()) sub->resize(size);
  const int x = std::clamp(sub->x(), 0, std::max(0, room.width() - size.width()));
  const int y = std::clamp(sub->y(), 0, std::max(0, room.height() - size.height()));
  if (QPoint(x, y) != sub->pos()) sub->move(x, y);
}

void MDIMain::MDIForm_Load() {
  InitCoreData();
  menToroidalL_Click();
}

void MDIMain::menToroidalL_Click() {
  OpenChild(QStringLiteral("frmDiangan"), [] { return new frmDiangan; });
}
void MDIMain::meuChoise_Click() {
  OpenChild(QStringLiteral("frmCoreChoise"), [this] {
    auto* selection = new frmCoreChoise;
    connect(selection, &frmCoreChoise::OpenInCalculator, this, &MDIMain::OpenCalculatorWith);
    return selection;
  });
}
void MDIMain::meuCoreChoise_Click() {
  OpenChild(QStringLiteral("frmChoise"), [] { return new frmChoise; });
}
void MDIMain::menTest_Click() {
  OpenChild(QStringLiteral("Form1"), [] { return new Form1; });
}
void MDIMain::menAdviser_Click() { OpenAdviser(); }

DesignAdviser* MDIMain::OpenAdviser() {
  return static_cast<DesignAdviser*>(OpenChild(QStringLiteral("DesignAdviser"), [this] {
    auto* adviser = new DesignAdviser;
    connect(adviser, &DesignAdviser::OpenInCalculator, this, &MDIMain::OpenCalculatorWith);
    return adviser;
  }));
}

void MDIMain::OpenConverter(const QString& screenName, const std::function<TopologyFrame*()>& create) {
  OpenChild(screenName, [this, &create] {
    TopologyFrame* converter = create();
    connect(converter, &TopologyFrame::DesignInductor, this, &MDIMain::DesignInductorFor);
    return converter;
  });
}

void MDIMain::DesignInductorFor(const InductorRequirement& requirement) {
  DesignAdviser* adviser = OpenAdviser();
  adviser->SetRequirement(requirement.Inductance, InductanceAt::Average,
                          requirement.AverageCurrent, requirement.PeakCurrent,
                          requirement.RippleCurrent, requirement.FrequencyKHz);
  adviser->SetConverter(requirement.InConverter);
}

frmDiangan* MDIMain::OpenCalculatorWith(const CalculatorDesign& design) {
  auto* calculator = static_cast<frmDiangan*>(
      OpenChild(QStringLiteral("frmDiangan"), [] { return new frmDiangan; }));
  calculator->ApplyDesign(design);
  return calculator;
}

void MDIMain::menuURdanlirao_Click() {
  OpenChild(QStringLiteral("frmDKURdanlirao"), [] { return new frmDKURdanlirao; });
}
void MDIMain::menuPFC_Click() {
  OpenConverter(QStringLiteral("frmTOPPFC"), [] { return new frmTOPPFC; });
}
void MDIMain::menuBoost_Click() {
  OpenConverter(QStringLiteral("frmTOPBOOST"), [] { return new frmTOPBOOST; });
}
void MDIMain::menuBuck_Click() {
  OpenConverter(QStringLiteral("frmTOPBUCK"), [] { return new frmTOPBUCK; });
}
void MDIMain::menuBuckBoost_Click() {
  OpenConverter(QStringLiteral("frmTOPBUCKBOOST"), [] { return new frmTOPBUCKBOOST; });
}
void MDIMain::menuNibianLC_Click() {
  OpenConverter(QStringLiteral("frmTOPNibianLC"), [] { return new frmTOPNibianLC; });
}
void MDIMain::menuQuanqiao_Click() {
  OpenConverter(QStringLiteral("frmTOPQuanqiao"), [] { return new frmTOPQuanqiao; });
}
void MDIMain::menuZhengji_Click() {
  OpenConverter(QStringLiteral("frmTOPZhengji"), [] { return new frmTOPZhengji; });
}
void MDIMain::menuTuiwan_Click() {
  OpenConverter(QStringLiteral("frmTOPTuiwan"), [] { return new frmTOPTuiwan; });
}

void MDIMain::meuAbout_Click() {
  RunModal(this, new frmAbout(this));
}

void MDIMain::meuHelpMain_Click() {
  // The help file beside the program is shown as it always was; an installed program has
  // none, and its own guide is the answer then.
  const QString folder = QApplication::applicationDirPath();
  if (HelpFileExists(folder)) {
    ShowHelpFile(this, folder);
    return;
  }
  OpenChild(QStringLiteral("UserGuide"), [] { return new UserGuide; });
}

void MDIMain::meuExit_Click() { close(); }

void MDIMain::meuRequestSample_Click() { OpenWebPage(this, kApplyPath); }

}  // namespace qiro
