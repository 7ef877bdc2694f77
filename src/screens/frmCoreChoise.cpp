#include "screens/frmCoreChoise.h"
#include "qt-support/domain_text.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEvent>
#include <QFontMetrics>
#include <QStyle>
#include <QIcon>
#include <QPixmap>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <optional>

#include "design/calculators/candidate_report.h"
#include "workbench/AssessmentPanel.h"
#include "workbench/design_export.h"
#include "qt-support/platform.h"
#include "workbench/report_copy.h"
#include "qt-support/svg_picture.h"
#include "qt-support/scrolled_screen.h"
#include "text/web_site.h"
#include "ui_frmCoreChoise.h"

namespace qiro {
namespace {

// The wait cursor for as long as a search runs, restored however the search ends.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

frmCoreChoise::frmCoreChoise(QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::frmCoreChoise>()),
      curveSubject_(tr("尚未选择方案：请先选型，再在选型结果列表中点击一个方案。")) {
  SetUpScrolled(this, *ui_);
  ui_->labURL->setText(ui_->labURL->text() + QString::fromUtf8(kWebSiteAddress.data(),
                                                               static_cast<qsizetype>(kWebSiteAddress.size())));
  const qreal ratio = devicePixelRatioF();
  const QPixmap logo = RenderDrawing(QStringLiteral(":/core_selection_logo.svg"), {}, ratio);
  ui_->picLogo->setIcon(QIcon(logo));
  ui_->picLogo->setIconSize(logo.deviceIndependentSize().toSize());
  ui_->picLogo->setCursor(Qt::PointingHandCursor);
  ui_->Picture1->setPixmap(RenderDrawing(QStringLiteral(":/core_selection_toroid.svg"), {}, ratio));
  ui_->cmbCoreCount->setCompleter(nullptr);
  FitResultWidths();
  assessment_ = new AssessmentPanel(this, true, 3);
  ui_->gridFrame1->addWidget(assessment_, 3, 0, 1, 2);
  ui_->reportButtonRow->addWidget(MakeExportButton(this, ShownDesign(curveSubject_, report_, *assessment_)));
  // The curves window's temperature chart uses the panel's ambient.
  connect(assessment_, &AssessmentPanel::ambientTemperatureChanged, this, [this](double ambient) {
    if (curves_) curves_->SetAmbientTemperature(ambient);
  });
  // The details keep room for all the lines of a proposal (fourteen, and a blank one).
  const QFontMetrics lines(ui_->txtShow->font());
  ui_->txtShow->setMinimumHeight(16 * lines.lineSpacing() +
                                 2 * static_cast<int>(ui_->txtShow->document()->documentMargin()) +
                                 2 * ui_->txtShow->frameWidth() + 2);

  // txtDianliu_KeyPress, txtDianganliang_KeyPress: digits, point and backspace.
  InstallKeyFilter(ui_->txtDianliu, KeyRule::Numeric);
  InstallKeyFilter(ui_->txtDianganliang, KeyRule::Numeric);
  // cmbCoreCount_KeyPress lets every key through; cmbCurrentDensity_KeyPress none, so the
  // density is only ever picked from the list.
  InstallKeyFilter(ui_->cmbCurrentDensity, KeyRule::None);
  ui_->txtDianliu->installEventFilter(this);

  connect(ui_->cmdJiSuan, &QAbstractButton::clicked, this, &frmCoreChoise::cmdJiSuan_Click);
  connect(ui_->cmdGaoji, &QAbstractButton::clicked, this, &frmCoreChoise::cmdGaoji_Click);
  connect(ui_->cmdRequestSample, &QAbstractButton::clicked, this,
          &frmCoreChoise::cmdRequestSample_Click);
  connect(ui_->picLogo, &QAbstractButton::clicked, this, &frmCoreChoise::picLogo_Click);
  connect(ui_->lstResut, &QListWidget::itemSelectionChanged, this,
          &frmCoreChoise::lstResut_Click);
  connect(ui_->cmdCurves, &QAbstractButton::clicked, this, &frmCoreChoise::cmdCurves_Click);
  connect(ui_->cmdCopyReport, &QAbstractButton::clicked, this,
          &frmCoreChoise::cmdCopyReport_Click);
  connect(ui_->cmdCompare, &QAbstractButton::clicked, this, &frmCoreChoise::cmdCompare_Click);
  // Under the details' buttons (a row of its own keeps the screen's width): the shown
  // proposal into the toroid calculator.
  auto* toCalculator = new QPushButton(tr("在环形计算器中打开"), this);
  toCalculator->setObjectName(QStringLiteral("cmdOpenInCalculator"));
  toCalculator->setAutoDefault(false);
  toCalculator->setEnabled(false);
  auto* calculatorRow = new QHBoxLayout;
  calculatorRow->addStretch(1);
  calculatorRow->addWidget(toCalculator);
  ui_->gridFrame1->addLayout(calculatorRow, 2, 1);
  connect(toCalculator, &QAbstractButton::clicked, this, &frmCoreChoise::cmdOpenInCalculator_Click);
  new ReportCopy(ui_->txtShow, [this] { return report_; });
}

frmCoreChoise::~frmCoreChoise() = default;

void frmCoreChoise::FitResultWidths() {
  // Wide enough for a typical proposal line and the widest report line, so neither is
  // cut off at the screen's natural size.
  const int chrome = 2 * ui_->lstResut->frameWidth() + 2 * fontMetrics().averageCharWidth() +
                     style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const QFontMetrics list(ui_->lstResut->font());
  ui_->lstResut->setMinimumWidth(
      list.horizontalAdvance(TranslateDomainText(QStringLiteral("KMC130060-L  电流密度=3.25；线径=1.4；绕线根数=12；绕线圈数=100"))) +
      chrome);
  const QFontMetrics report(ui_->txtShow->font());
  ui_->txtShow->setMinimumWidth(
      report.horizontalAdvance(TranslateDomainText(QStringLiteral("磁芯尺寸：外径×内径×高度=102.87×55.75×17.78 mm"))) + chrome);
}

void frmCoreChoise::closeEvent(QCloseEvent* event) {
  // The main window closes its screens without waiting, so a running search is stopped
  // and its results dropped rather than the close refused.
  if (searching_) stopRequested_ = true;
  QWidget::closeEvent(event);
}

bool frmCoreChoise::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ui_->txtDianliu && event->type() == QEvent::FocusIn) txtDianliu_GotFocus();
  return QWidget::eventFilter(watched, event);
}

void frmCoreChoise::txtDianliu_GotFocus() {
  if (ui_->txtDianliu->text() == QLatin1String("0")) ui_->txtDianliu->clear();
}

bool frmCoreChoise::ShowError(const QString& text) {
  return ShowMessage(this, text, tr("错误"), QMessageBox::Information);
}

void frmCoreChoise::ShowInputProblem(GroupedInputProblem problem) {
  using P = GroupedInputProblem;
  switch (problem) {
    case P::None: return;
    case P::CoreCountOutOfRange: ShowError(tr("对不起，磁芯个数超出范围！")); return;
    case P::CurrentEmpty: ShowError(tr("对不起，请输入电流！")); return;
    case P::CurrentNotNumeric: ShowError(tr("对不起，电流大小为数字！")); return;
    case P::CurrentTooLarge:
      ShowError(tr("对不起，电流过大，超出磁环设计，请使用KMG系列磁芯！"));
      return;
    case P::InductanceEmpty: ShowError(tr("对不起，请输入电感量的大小！")); return;
    case P::InductanceNotNumeric: ShowError(tr("对不起，电感量大小为数字，请重新输入！")); return;
    case P::InductanceOutOfRange: ShowError(tr("对不起，请输入正确的电感值！")); return;
    case P::CurrentBeyondRange: ShowError(tr("电流超出数值范围！")); return;
    case P::InductanceBeyondRange: ShowError(tr("电感量超出数值范围！")); return;
  }
}

void frmCoreChoise::cmdJiSuan_Click() {
  if (searching_) return;
  ui_->lstResut->clear();
  ui_->cmdCompare->setEnabled(false);
  const GroupedInputs in = ReadGroupedInputs(ui_->txtDianliu->text().toStdString(),
                                             ui_->txtDianganliang->text().toStdString(),
                                             ui_->cmbCoreCount->currentText().toStdString(),
                                             ui_->cmbCurrentDensity->currentText().toStdString());
  // The low-current note does not stop the search; any later problem does.
  if (in.CurrentRaised && !ShowError(tr("对不起，电流比较小，将按0.1电流安计算！"))) return;
  if (in.Problem != GroupedInputProblem::None) {
    ShowInputProblem(in.Problem);
    return;
  }
  const GroupedSearchRequest request =
      MakeGroupedRequest(in.Current, ui_->optIpeak->isChecked(), ui_->optStatic->isChecked(),
                         in.Inductance, in.CoreCount, in.DensityChoice);

  // Events are processed while the search runs, and one of them may close this screen or
  // the main window: after each pass nothing of this object is touched unless it still
  // exists, and a close stops the search.
  QPointer<frmCoreChoise> alive(this);
  searching_ = true;
  stopRequested_ = false;
  Outcome<GroupedSearchResult> result = Outcome<GroupedSearchResult>::Fail("not run");
  {
    // Nothing reaches the screen before the first pass of the event loop, so the screen
    // is disabled under the wait cursor from then on: a quick search pays nothing for it.
    std::optional<BusyCursor> busy;
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    const auto interval = repaintInterval_.count();
    result = GroupedCoreSearch(request, [this, &alive, &busy, &sinceRepaint, interval] {
      if (sinceRepaint.elapsed() >= interval) {
        if (!busy) {
          setEnabled(false);
          busy.emplace();
        }
        QCoreApplication::processEvents();
        sinceRepaint.restart();
      }
      return alive && !alive->stopRequested_;
    });
  }
  if (!alive) return;
  searching_ = false;
  setEnabled(true);
  if (stopRequested_ || (result.ok() && result->Stopped)) return;

  SelectionResults = result.ok() ? result->Candidates : std::vector<SelectionCandidate>{};
  QStringList lines;
  for (const SelectionCandidate& candidate : SelectionResults)
    lines << TranslateDomainText(QString::fromStdString(GroupedResultLine(candidate)));
  ui_->lstResut->addItems(lines);
  ui_->cmdCompare->setEnabled(!SelectionResults.empty());
  if (compare_) compare_->Follow(SelectionResults);
  if (result.ok() && WindingMissesDensity(in.DensityChoice, result->Winding)) {
    if (!ShowMessage(this, tr("未找到满足您的电流密度常用铜线规格，您可以使用推荐线径或特殊规格铜线！"),
                     tr("警告"), QMessageBox::Information)) {
      return;
    }
  }
  if (ui_->lstResut->count() == 0) {
    ShowError(tr("对不起，没有满足您需求的磁芯，请改变您的电感设计条件或增加磁芯个数！"));
  }
}

void frmCoreChoise::lstResut_Click() {
  const QList<QListWidgetItem*> selected = ui_->lstResut->selectedItems();
  if (selected.isEmpty()) return;
  const int row = ui_->lstResut->row(selected.front());
  if (row < 0 || static_cast<std::size_t>(row) >= SelectionResults.size()) return;
  const SelectionCandidate& candidate = SelectionResults[static_cast<std::size_t>(row)];
  const auto evaluation = EvaluateCandidate(candidate);
  if (!evaluation) return;
  report_ = TranslateDomainText(QString::fromStdString(DescribeCandidate(*evaluation)));
  // The report's lines end in CR LF; the text field starts a paragraph on each of CR and LF.
  QString shown = report_;
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  ui_->txtShow->setPlainText(shown);
  ui_->cmdCopyReport->setEnabled(true);
  shown_ = candidate;
  findChild<QPushButton*>(QStringLiteral("cmdOpenInCalculator"))->setEnabled(true);
  assessment_->Follow(*evaluation);
  curveSubject_ = CurveDesign{candidate.Core,          candidate.CoreCount,
                              candidate.FrequencyKHz,  candidate.AverageCurrent,
                              candidate.PeakCurrent,   candidate.RippleCurrent,
                              candidate.WireDiameter,  candidate.StrandCount,
                              candidate.Turns,         std::nullopt};
  if (curves_) curves_->Follow(curveSubject_);
}

void frmCoreChoise::cmdCurves_Click() {
  if (!curves_) curves_ = new DesignCurves(this);
  curves_->SetAmbientTemperature(assessment_->AmbientTemperature());
  curves_->Follow(curveSubject_);
  curves_->show();
  curves_->raise();
  curves_->activateWindow();
}

void frmCoreChoise::cmdCopyReport_Click() { CopyReport(report_); }

void frmCoreChoise::cmdCompare_Click() {
  if (!compare_) compare_ = new ProposalComparison(this);
  compare_->Follow(SelectionResults);
  compare_->show();
  compare_->raise();
  compare_->activateWindow();
}

void frmCoreChoise::cmdGaoji_Click() {}

void frmCoreChoise::cmdRequestSample_Click() { OpenWebPage(this, kSampleRequestPath); }

void frmCoreChoise::picLogo_Click() { OpenWebPage(this, kHomePagePath); }

void frmCoreChoise::cmdOpenInCalculator_Click() {
  if (!shown_) return;
  // The proposals carry no frequency or ripple: the calculator keeps its frequency, and
  // its own rules give the ripple for the peak current.
  CalculatorDesign design;
  design.PartNumber = shown_->Core.PartNumber;
  design.CoreCount = shown_->CoreCount;
  design.WireDiameter = shown_->WireDiameter;
  design.StrandCount = shown_->StrandCount;
  design.Turns = shown_->Turns;
  design.AverageCurrent = shown_->AverageCurrent;
  design.PeakCurrent = shown_->PeakCurrent;
  emit OpenInCalculator(design);
}

}  // namespace qiro
