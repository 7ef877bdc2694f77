#include "workbench/ProposalComparison.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <algorithm>
#include <string>
#include <utility>

#include "design/calculators/candidate_report.h"
#include "design/analysis/design_assessment.h"
#include "workbench/ProposalComparisonModel.h"
#include "qt-support/platform.h"
#include "text/float_range.h"
#include "text/number_text.h"
#include "ui_ProposalComparison.h"

namespace qiro {
namespace {

// What a condition field holds: nothing, a number, or text that cannot be used.
struct Reading {
  bool empty = false;
  std::optional<double> value;
};

Reading Read(const QLineEdit* field) {
  const std::string text = field->text().trimmed().toStdString();
  if (text.empty()) return {true, std::nullopt};
  if (!IsNumberText(text)) return {};
  const double value = LeadingNumber(text);
  if (!FitsFloat32(value)) return {};
  return {false, value};
}

bool EmptyOrPositive(const Reading& r) { return r.empty || (r.value && *r.value > 0); }

QString Number(double value) { return QString::fromStdString(GeneralNumberText(value)); }

}  // namespace

ProposalComparison::ProposalComparison(QWidget* owner)
    : QWidget(owner, Qt::Window), ui_(std::make_unique<Ui::ProposalComparison>()) {
  ui_->setupUi(this);
  setObjectName(QStringLiteral("ProposalComparison"));
  setAttribute(Qt::WA_DeleteOnClose);
  // Closing the main window ends the program even while the comparison is open.
  setAttribute(Qt::WA_QuitOnClose, false);

  model_ = new ProposalComparisonModel(this);
  QTableView* table = ui_->tblCompare;
  table->setModel(model_);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setWordWrap(false);
  table->verticalHeader()->setVisible(false);
  // The list's own order until a header is clicked; a third click restores it.
  table->horizontalHeader()->setSortIndicatorClearable(true);
  table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->setSortingEnabled(true);
  table->setColumnHidden(ProposalComparisonModel::CoreLoss, true);
  table->installEventFilter(this);

  for (QLineEdit* field : {ui_->txtCompareFrequency, ui_->txtCompareRipple, ui_->txtCompareAmbient}) {
    // A cold-climate ambient starts with a minus sign.
    InstallKeyFilter(field, field == ui_->txtCompareAmbient ? KeyRule::SignedNumeric : KeyRule::Numeric);
    connect(field, &QLineEdit::textChanged, this,
            &ProposalComparison::txtCompareConditions_Change);
  }
  connect(ui_->cmdCopyTable, &QAbstractButton::clicked, this,
          &ProposalComparison::cmdCopyTable_Click);

  const QFontMetrics metrics = fontMetrics();
  for (QLineEdit* field : {ui_->txtCompareFrequency, ui_->txtCompareRipple, ui_->txtCompareAmbient})
    field->setMaximumWidth(10 * metrics.averageCharWidth() + 2 * metrics.height());
  resize(130 * metrics.averageCharWidth(), 30 * metrics.lineSpacing());
  Refill();
}

ProposalComparison::~ProposalComparison() = default;

void ProposalComparison::Follow(const std::vector<SelectionCandidate>& proposals) {
  proposals_ = proposals;
  evaluations_.clear();
  evaluations_.reserve(proposals_.size());
  for (const SelectionCandidate& candidate : proposals_) {
    auto evaluation = EvaluateCandidate(candidate);
    evaluations_.push_back(evaluation ? std::optional<InductorEvaluation>(std::move(*evaluation))
                                      : std::nullopt);
  }
  Refill();
}

bool ProposalComparison::ReadConditions() {
  const Reading frequency = Read(ui_->txtCompareFrequency);
  const Reading ripple = Read(ui_->txtCompareRipple);
  const Reading ambient = Read(ui_->txtCompareAmbient);
  if (!ambient.value || *ambient.value < kLowestAmbient || *ambient.value > kHighestAmbient)
    return false;
  if (!EmptyOrPositive(frequency) || !EmptyOrPositive(ripple)) return false;
  ambient_ = *ambient.value;
  // Core and AC copper loss need both; one of them alone leaves the proposals as they are.
  if (frequency.value && ripple.value) {
    frequencyKHz_ = frequency.value;
    rippleCurrent_ = ripple.value;
  } else {
    frequencyKHz_.reset();
    rippleCurrent_.reset();
  }
  return true;
}

void ProposalComparison::txtCompareConditions_Change() {
  if (ReadConditions()) Refill();
}

void ProposalComparison::Refill() {
  std::vector<ComparisonLine> lines;
  lines.reserve(proposals_.size());
  for (std::size_t i = 0; i < proposals_.size(); ++i) {
    const SelectionCandidate& candidate = proposals_[i];
    ComparisonLine line;
    line.ListIndex = static_cast<int>(i);
    if (evaluations_[i]) {
      auto row = MakeProposalComparisonRow(*evaluations_[i], ambient_, frequencyKHz_,
                                           rippleCurrent_);
      if (row) {
        line.Row = std::move(*row);
        line.Evaluated = true;
      }
    }
    if (!line.Evaluated) {
      line.Row.PartNumber = candidate.Core.PartNumber;
      line.Row.CoreCount = candidate.CoreCount;
      line.Row.Turns = candidate.Turns;
      line.Row.WireDiameter = candidate.WireDiameter;
      line.Row.StrandCount = candidate.StrandCount;
      line.Row.Refusal = AssessmentRefusal::InvalidInput;
    }
    lines.push_back(std::move(line));
  }
  const bool coreLoss = frequencyKHz_.has_value();
  model_->SetLines(std::move(lines), coreLoss);
  ui_->tblCompare->setColumnHidden(ProposalComparisonModel::CoreLoss, !coreLoss);
  ui_->tblCompare->resizeColumnsToContents();
  ui_->cmdCopyTable->setEnabled(!proposals_.empty());
  if (proposals_.empty()) {
    ui_->labCompareNote->setText(tr("尚无方案：请先在磁芯选型中选型。"));
  } else if (coreLoss) {
    ui_->labCompareNote->setText(
        tr("按频率 %1 kHz、纹波电流 %2 A（三角波，峰峰值）计入磁损和交流铜损，环境温度 %3 °C。")
            .arg(Number(*frequencyKHz_), Number(*rippleCurrent_), Number(ambient_)));
  } else {
    ui_->labCompareNote->setText(
        tr("选型方案不含纹波：铜损只计直流，磁损为零。填写频率和纹波电流可计入磁损和交流铜损。"
           "环境温度 %1 °C。")
            .arg(Number(ambient_)));
  }
}

void ProposalComparison::cmdCopyTable_Click() {
  if (proposals_.empty()) return;
  QApplication::clipboard()->setText(model_->TableText());
}

void ProposalComparison::CopySelectedRows() {
  if (proposals_.empty()) return;
  std::vector<int> rows;
  for (const QModelIndex& index : ui_->tblCompare->selectionModel()->selectedRows())
    rows.push_back(index.row());
  // The rows in the order shown, whatever order they were selected in.
  std::sort(rows.begin(), rows.end());
  QApplication::clipboard()->setText(model_->TableText(rows));
}

bool ProposalComparison::eventFilter(QObject* watched, QEvent* event) {
  // The view alone would copy the current cell; the rows with their header are wanted.
  if (watched == ui_->tblCompare && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
    CopySelectedRows();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qiro
