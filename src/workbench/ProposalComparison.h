#pragma once
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "design/calculators/grouped_core_search.h"
#include "magnetics/evaluate_inductor.h"

namespace Ui {
class ProposalComparison;
}

namespace qiro {

class ProposalComparisonModel;

// The proposals of the last core selection side by side: one sortable row each, with the
// assessment of every proposal at an optional frequency and ripple. The selection screen
// owns the window and hands it each new list of proposals.
class ProposalComparison final : public QWidget {
  Q_OBJECT

 public:
  // A top-level window owned by `owner`: deleted when closed, or with its owner.
  explicit ProposalComparison(QWidget* owner);
  ~ProposalComparison() override;
  ProposalComparison(const ProposalComparison&) = delete;
  ProposalComparison& operator=(const ProposalComparison&) = delete;

  // One row per proposal, in the list's order until the user sorts.
  void Follow(const std::vector<SelectionCandidate>& proposals);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void txtCompareConditions_Change();
  void cmdCopyTable_Click();
  void CopySelectedRows();

  // Takes the fields' values when they can be used; false (nothing taken) otherwise.
  bool ReadConditions();
  void Refill();

  std::unique_ptr<Ui::ProposalComparison> ui_;
  ProposalComparisonModel* model_ = nullptr;
  std::vector<SelectionCandidate> proposals_;
  std::vector<std::optional<InductorEvaluation>> evaluations_;  // one per proposal
  // The conditions the table shows: the last valid ones the fields held.
  double ambient_ = 25;
  std::optional<double> frequencyKHz_;
  std::optional<double> rippleCurrent_;
};

}  // namespace qiro
