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
class TopologyFrame;
class frmDiangan;
struct CalculatorDesign;
struct InductorRequirement;

// The program's frame: the menu bar and the area that holds every screen.
class MDIMain final : public QMainWindow {
  Q_OBJECT

 public:
  explicit MDIMain(QWidget* parent = nullptr);
  ~MDIMain() override;
  MDIMain(const MDIMain&) = delete;
  MDIMain& operator=(const MDIMain&) = delete;

  QMdiArea* mdiArea() const { return area_; }

  // The program's own start: the frame takes its last place and size when they still fit
  // the display, otherwise fills the display's work area; from then on the frame's
  // geometry is kept for the next run when it closes. Call before the first show.
  void PlaceOnDisplay();

  // Opens a design file into the toroid calculator (raised first); a file that cannot be
  // opened is said in a message box and changes nothing. Returns whether it was opened.
  bool OpenDesignFile(const QString& path);

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
  // A converter screen, its "设计电感…" handing over to the adviser.
  void OpenConverter(const QString& screenName, const std::function<TopologyFrame*()>& create);
  void DesignInductorFor(const InductorRequirement& requirement);
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
  // Design files (MDIMain_files.cpp).
  void BuildDesignFileMenu();
  void meuOpenDesign_Click();
  void meuSaveDesign_Click();
  void RememberRecentDesign(const QString& path);
  void RefreshRecentDesigns();
  void OpenRecentDesign(const QString& path);

  QMdiArea* area_ = nullptr;
  std::map<QString, QPointer<QWidget>> children_;
  bool keepsGeometry_ = false;
  QMenu* recentMenu_ = nullptr;
  QString designNote_;    // the note of the design last opened or saved
  QString designFolder_;  // where the last design file was
};

}  // namespace qiro
