#pragma once
// The adviser's table: the Pareto front, one row per design in volume order, every number
// of the design's full description. Sorting goes through a proxy on the numeric sort role.
#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "design/analysis/design_adviser.h"

namespace qiro {

struct AdviserRow {
  int FrontIndex = 0;  // where the design stands on the front
  AdvisedDesignDetails Details;
};

class DesignAdviserModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column {
    PartNumber,
    CoreCount,
    Wire,
    StrandCount,
    Turns,
    InductanceAtZero,
    InductanceAtAverage,
    InductanceAtPeak,
    WindowFill,
    WoundOuterDiameter,
    WoundHeight,
    WoundVolume,
    CoreLoss,
    CopperLossDc,
    CopperLossAc,
    TotalLoss,
    TemperatureRise,
    Retention,
    ColumnCount
  };
  // The value a column sorts by: the number itself, or the part number's text.
  static constexpr int SortRole = Qt::UserRole;

  explicit DesignAdviserModel(QObject* parent = nullptr);

  void SetRows(std::vector<AdviserRow> rows);
  const std::vector<AdviserRow>& Rows() const { return rows_; }

  // The text a cell shows.
  static QString Text(const AdviserRow& row, int column);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  std::vector<AdviserRow> rows_;
};

}  // namespace qiro
