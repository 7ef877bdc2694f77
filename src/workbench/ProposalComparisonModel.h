#pragma once
#include <QAbstractTableModel>
#include <QString>
#include <optional>
#include <vector>

#include "design/analysis/design_assessment.h"

namespace qiro {

// One line of the selection list as the comparison shows it.
struct ComparisonLine {
  ProposalComparisonRow Row;  // PartNumber, Turns, WireDiameter and StrandCount always filled
  // False when the proposal could not be evaluated at all: everything past the wire is "—".
  bool Evaluated = false;
  int ListIndex = 0;  // its place in the selection list, the order before any sort
};

// The proposals side by side, one row each. Sorting happens here on the numbers themselves,
// so 9 comes before 10, and rows without a value go last whichever way the column sorts.
class ProposalComparisonModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column {
    PartNumber,
    Turns,
    Wire,
    InductanceAtZero,
    InductanceAtPeak,
    Retention,
    DcResistance,
    CopperLoss,
    CoreLoss,
    TemperatureRise,
    CopperWeight,
    CoreVolume,
    WoundSize,
    ColumnCount
  };
  // The value a column sorts by: a double, or the text for the part number; none for "—".
  static constexpr int SortRole = Qt::UserRole;

  explicit ProposalComparisonModel(QObject* parent = nullptr);

  // Replaces every row; the last sort chosen applies to the new rows too.
  void SetLines(std::vector<ComparisonLine> lines, bool coreLossShown);
  bool CoreLossShown() const { return coreLossShown_; }

  // Tab-separated, one header line and one line per row (all rows, or those given, in the
  // order shown), each ended by LF. The core-loss column only while it is shown.
  QString TableText(const std::vector<int>& rows = {}) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  // A column below 0 restores the list's order.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  QString Text(const ComparisonLine& line, int column) const;
  std::optional<double> Key(const ComparisonLine& line, int column) const;
  static bool Assessed(int column);
  void Arrange();

  std::vector<ComparisonLine> lines_;
  bool coreLossShown_ = false;
  int sortColumn_ = -1;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

}  // namespace qiro
