#include "workbench/DesignAdviserModel.h"

#include <string_view>
#include <utility>

#include "text/number_text.h"

namespace qiro {
namespace {

QString Fixed(double value, std::string_view pattern) {
  return QString::fromStdString(PatternText(value, pattern));
}

double Value(const AdviserRow& row, int column) {
  const AdvisedDesignDetails& d = row.Details;
  const InductorEvaluation& e = d.Evaluation;
  const DesignAssessment& a = d.Assessment;
  switch (column) {
    case DesignAdviserModel::CoreCount: return d.CoreCount;
    case DesignAdviserModel::Wire: return static_cast<double>(d.WireDiameter);
    case DesignAdviserModel::StrandCount: return d.StrandCount;
    case DesignAdviserModel::Turns: return d.Turns;
    case DesignAdviserModel::InductanceAtZero: return static_cast<double>(e.InductanceAtZero);
    case DesignAdviserModel::InductanceAtAverage: return static_cast<double>(e.InductanceAtAverage);
    case DesignAdviserModel::InductanceAtPeak: return static_cast<double>(e.InductanceAtPeak);
    case DesignAdviserModel::WindowFill: return static_cast<double>(e.WindowFill);
    case DesignAdviserModel::WoundOuterDiameter: return a.WoundOuterDiameter;
    case DesignAdviserModel::WoundHeight: return a.WoundHeight;
    case DesignAdviserModel::WoundVolume: return d.WoundVolume;
    case DesignAdviserModel::CoreLoss: return a.CoreLoss;
    case DesignAdviserModel::CopperLossDc: return a.CopperLossDc;
    case DesignAdviserModel::CopperLossAc: return a.CopperLossAc;
    case DesignAdviserModel::TotalLoss: return a.TotalLoss;
    case DesignAdviserModel::TemperatureRise: return a.TemperatureRise;
    case DesignAdviserModel::Retention: return a.InductanceRetention;
    default: return 0;
  }
}

}  // namespace

DesignAdviserModel::DesignAdviserModel(QObject* parent) : QAbstractTableModel(parent) {}

void DesignAdviserModel::SetRows(std::vector<AdviserRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

QString DesignAdviserModel::Text(const AdviserRow& row, int column) {
  switch (column) {
    case PartNumber: return QString::fromStdString(row.Details.PartNumber);
    case CoreCount:
    case StrandCount:
    case Turns: return QString::number(static_cast<int>(Value(row, column)));
    case Wire: return Fixed(Value(row, column), "0.0");
    case InductanceAtZero:
    case InductanceAtAverage:
    case InductanceAtPeak:
    case WindowFill:
    case TemperatureRise:
    case Retention: return Fixed(Value(row, column), "0.0");
    case WoundOuterDiameter:
    case WoundHeight:
    case WoundVolume: return Fixed(Value(row, column), "0.00");
    case CoreLoss:
    case CopperLossDc:
    case CopperLossAc:
    case TotalLoss: return Fixed(Value(row, column), "0.000");
    default: return {};
  }
}

int DesignAdviserModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int DesignAdviserModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant DesignAdviserModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const AdviserRow& row = rows_[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole: return Text(row, column);
    case SortRole:
      // The proxy sorts stably: equal numbers keep the front's order.
      if (column == PartNumber) return Text(row, column);
      return Value(row, column);
    case Qt::TextAlignmentRole:
      return column == PartNumber ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                  : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return {};
  }
}

QVariant DesignAdviserModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  switch (section) {
    case PartNumber: return tr("型号");
    case CoreCount: return tr("磁芯数");
    case Wire: return tr("线径(mm)");
    case StrandCount: return tr("根数");
    case Turns: return tr("圈数");
    case InductanceAtZero: return tr("L@0A(μH)");
    case InductanceAtAverage: return tr("L@平均(μH)");
    case InductanceAtPeak: return tr("L@峰值(μH)");
    case WindowFill: return tr("窗口占用(%)");
    case WoundOuterDiameter: return tr("绕后外径(mm)");
    case WoundHeight: return tr("绕后高度(mm)");
    case WoundVolume: return tr("绕后体积(cm³)");
    case CoreLoss: return tr("磁损(W)");
    case CopperLossDc: return tr("直流铜损(W)");
    case CopperLossAc: return tr("交流铜损(W)");
    case TotalLoss: return tr("总损耗(W)");
    case TemperatureRise: return tr("温升(°C)");
    case Retention: return tr("保持率(%)");
    default: return {};
  }
}

}  // namespace qiro
