#pragma once
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace qiro {

class DesignAdviser;
class frmDiangan;
struct CalculatorDesign;

// The program's frame: the menu bar and the area that holds every screen.
class MDIMain final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MDIMain(QWidget* parent = nullptr);
  ~MDIMain() override;
  MDIMain(const MDIMain&) = delete;
  MDIMain& operator=(const MDIMain&) = delete;

  QMdiArea* mdiArea() const { return area_; }

  // The single window of a screen: created with its initial contents when missing,
  // otherwise only brought to the front. Returns the screen's widget.
  QWidget* OpenChild(const QString& screenName, const std::function<QWidget*()>& create);

  // The design adviser, opened (or raised) as one instance; its "在环形计算器中打开" opens the
  // toroid calculator with the picked design.
  DesignAdviser* OpenAdviser();
  // Opens (or raises) the toroid calculator and sets its inputs from a design handed over
  // by another window, as a user would (frmDiangan::ApplyDesign).
  frmDiangan* OpenCalculatorWith(const CalculatorDesign& design);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void FitIntoArea(QMdiSubWindow* sub) const;
  void BuildMenus();
  void MDIForm_Load();
  void menToroidalL_Click();
  void meuChoise_Click();
  void meuCoreChoise_Click();
  void menTest_Click();
  void menAdviser_Click();
  void menuURdanlirao_Click();
  void menuPFC_Click();
  void menuBoost_Click();
  void menuBuck_Click();
  void menuBuckBoost_Click();
  void menuNibianLC_Click();
  void menuQuanqiao_Click();
  void menuZhengji_Click();
  void menuTuiwan_Click();
  void meuAbout_Click();
  void meuExit_Click();
  void meuRequestSample_Click();
  void meuHelpMain_Click();

  QMdiArea* area_ = nullptr;
  std::map<QString, QPointer<QWidget>> children_;
};

}  // namespace qiro
