#include "workbench/ProposalComparisonModel.h"
#include "qt-support/domain_text.h"

#include <QBrush>
#include <QColor>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include "text/number_text.h"

namespace qiro {
namespace {

const QString kMissing = QStringLiteral("—");

QString Fixed(double value, const char* pattern) {
  if (!std::isfinite(value)) return kMissing;
  return QString::fromStdString(PatternText(value, pattern));
}

QString Fixed(const std::optional<double>& value, const char* pattern) {
  return value ? Fixed(*value, pattern) : kMissing;
}

QString Word(std::string_view word) {
  return TranslateDomainText(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
}

// The same three colours for both verdicts, dark enough to read on white.
QColor VerdictColour(int severity) {
  switch (severity) {
    case 0: return QColor(0x1a, 0x7f, 0x37);
    case 1: return QColor(0xb3, 0x5c, 0x00);
    default: return QColor(0xc0, 0x1c, 0x1c);
  }
}

QString RefusalText(AssessmentRefusal refusal) {
  switch (refusal) {
    case AssessmentRefusal::WindingDoesNotFit: return QObject::tr("绕组放不进磁芯内孔");
    case AssessmentRefusal::LossOutsideModel: return QObject::tr("超出损耗模型范围");
    case AssessmentRefusal::NoSteadyTemperature: return QObject::tr("绕组温度将超过500 °C，无稳定温度");
    default: return QObject::tr("无法评估");
  }
}

}  // namespace

ProposalComparisonModel::ProposalComparisonModel(QObject* parent) : QAbstractTableModel(parent) {}

void ProposalComparisonModel::SetLines(std::vector<ComparisonLine> lines, bool coreLossShown) {
  beginResetModel();
  lines_ = std::move(lines);
  coreLossShown_ = coreLossShown;
  Arrange();
  endResetModel();
}

int ProposalComparisonModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

int ProposalComparisonModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

bool ProposalComparisonModel::Assessed(int column) {
  return column == CopperLoss || column == CoreLoss || column == TemperatureRise ||
         column == WoundSize;
}

QString ProposalComparisonModel::Text(const ComparisonLine& line, int column) const {
  const ProposalComparisonRow& r = line.Row;
  switch (column) {
    case PartNumber: return QString::fromStdString(r.PartNumber);
    case Turns: return QString::number(r.Turns);
    case Wire:
      return QString::fromStdString(GeneralNumberText(static_cast<float>(r.WireDiameter))) +
             QStringLiteral("×") + QString::number(r.StrandCount);
    default: break;
  }
  if (!line.Evaluated) return kMissing;
  switch (column) {
    case InductanceAtZero: return Fixed(r.InductanceAtZero, "0.00");
    case InductanceAtPeak: return Fixed(r.InductanceAtPeak, "0.00");
    case Retention:
      if (!std::isfinite(r.InductanceRetention)) return kMissing;
      return Fixed(r.InductanceRetention, "0.0") + QLatin1Char(' ') +
             Word(VerdictWord(r.RetentionVerdict));
    case DcResistance: return Fixed(r.DcResistance, "0.00");
    case CopperLoss: return Fixed(r.CopperLoss, "0.000");
    case CoreLoss: return Fixed(r.CoreLoss, "0.000");
    case TemperatureRise:
      if (!r.TemperatureRise || !r.ThermalVerdict || !std::isfinite(*r.TemperatureRise))
        return kMissing;
      return Fixed(*r.TemperatureRise, "0.0") + QLatin1Char(' ') +
             Word(VerdictWord(*r.ThermalVerdict));
    case CopperWeight: return Fixed(r.CopperWeight, "0.0");
    case CoreVolume: return Fixed(r.CoreVolume, "0.00");
    case WoundSize:
      if (!r.WoundOuterDiameter || !r.WoundHeight) return kMissing;
      return Fixed(*r.WoundOuterDiameter, "0.0") + QStringLiteral("×") +
             Fixed(*r.WoundHeight, "0.0");
    default: return {};
  }
}

std::optional<double> ProposalComparisonModel::Key(const ComparisonLine& line, int column) const {
  const ProposalComparisonRow& r = line.Row;
  std::optional<double> key;
  switch (column) {
    case Turns: key = r.Turns; break;
    // Wire by its copper cross-section, so 0.9 × 3 ranks above 1.4 × 1.
    case Wire: key = r.WireDiameter * r.WireDiameter * r.StrandCount; break;
    default: break;
  }
  if (column == Turns || column == Wire) return key && std::isfinite(*key) ? key : std::nullopt;
  if (!line.Evaluated) return std::nullopt;
  switch (column) {
    case InductanceAtZero: key = r.InductanceAtZero; break;
    case InductanceAtPeak: key = r.InductanceAtPeak; break;
    case Retention: key = r.InductanceRetention; break;
    case DcResistance: key = r.DcResistance; break;
    case CopperLoss: key = r.CopperLoss; break;
    case CoreLoss: key = r.CoreLoss; break;
    case TemperatureRise: key = r.TemperatureRise; break;
    case CopperWeight: key = r.CopperWeight; break;
    case CoreVolume: key = r.CoreVolume; break;
    // The wound part by its outer diameter, what decides whether it fits the board.
    case WoundSize: key = r.WoundOuterDiameter; break;
    default: break;
  }
  return key && std::isfinite(*key) ? key : std::nullopt;
}

QVariant ProposalComparisonModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount) return {};
  const ComparisonLine& line = lines_[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole: return Text(line, column);
    case SortRole:
      if (column == PartNumber) return QString::fromStdString(line.Row.PartNumber);
      if (const auto key = Key(line, column)) return *key;
      return {};
    case Qt::ToolTipRole:
      if (column > Wire && !line.Evaluated) return RefusalText(AssessmentRefusal::InvalidInput);
      if (Assessed(column) && line.Row.Refusal != AssessmentRefusal::None)
        return RefusalText(line.Row.Refusal);
      return {};
    case Qt::TextAlignmentRole:
      return column == PartNumber ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                  : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
      if (!line.Evaluated) return {};
      if (column == Retention) return QBrush(VerdictColour(static_cast<int>(line.Row.RetentionVerdict)));
      if (column == TemperatureRise && line.Row.ThermalVerdict)
        return QBrush(VerdictColour(static_cast<int>(*line.Row.ThermalVerdict)));
      return {};
    default: return {};
  }
}

QVariant ProposalComparisonModel::headerData(int section, Qt::Orientation orientation,
                                             int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  switch (section) {
    case PartNumber: return tr("型号");
    case Turns: return tr("圈数");
    case Wire: return tr("线径×根数");
    case InductanceAtZero: return tr("L@0A(μH)");
    case InductanceAtPeak: return tr("L@峰值(μH)");
    case Retention: return tr("保持率(%)");
    case DcResistance: return tr("直流电阻(mΩ)");
    case CopperLoss: return tr("铜损(W)");
    case CoreLoss: return tr("磁损(W)");
    case TemperatureRise: return tr("温升(°C)");
    case CopperWeight: return tr("铜重(g)");
    case CoreVolume: return tr("磁芯体积(cm³)");
    case WoundSize: return tr("绕后尺寸(mm)");
    default: return {};
  }
}

void ProposalComparisonModel::sort(int column, Qt::SortOrder order) {
  sortColumn_ = column >= 0 && column < ColumnCount ? column : -1;
  sortOrder_ = order;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<int> listIndexBefore;
  listIndexBefore.reserve(static_cast<std::size_t>(before.size()));
  for (const QModelIndex& index : before)
    listIndexBefore.push_back(lines_[static_cast<std::size_t>(index.row())].ListIndex);
  Arrange();
  // Selections and the current cell stay on the same proposal.
  std::vector<int> rowOf(lines_.size());
  for (std::size_t row = 0; row < lines_.size(); ++row) {
    const auto listIndex = static_cast<std::size_t>(lines_[row].ListIndex);
    if (listIndex < rowOf.size()) rowOf[listIndex] = static_cast<int>(row);
  }
  QModelIndexList after;
  after.reserve(before.size());
  for (qsizetype i = 0; i < before.size(); ++i) {
    after.append(index(rowOf[static_cast<std::size_t>(listIndexBefore[static_cast<std::size_t>(i)])],
                       before[i].column()));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ProposalComparisonModel::Arrange() {
  const auto byList = [](const ComparisonLine& a, const ComparisonLine& b) {
    return a.ListIndex < b.ListIndex;
  };
  if (sortColumn_ < 0) {
    std::sort(lines_.begin(), lines_.end(), byList);
    return;
  }
  const int column = sortColumn_;
  const bool descending = sortOrder_ == Qt::DescendingOrder;
  if (column == PartNumber) {
    std::sort(lines_.begin(), lines_.end(), [&](const ComparisonLine& a, const ComparisonLine& b) {
      const int c = a.Row.PartNumber.compare(b.Row.PartNumber);
      if (c != 0) return descending ? c > 0 : c < 0;
      return byList(a, b);
    });
    return;
  }
  std::vector<std::pair<std::optional<double>, ComparisonLine>> keyed;
  keyed.reserve(lines_.size());
  for (ComparisonLine& line : lines_) {
    auto key = Key(line, column);
    keyed.emplace_back(key, std::move(line));
  }
  // Equal values keep the list's order; rows without a value go last either way.
  std::sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
    if (a.first.has_value() != b.first.has_value()) return a.first.has_value();
    if (a.first && *a.first != *b.first) return descending ? *a.first > *b.first : *a.first < *b.first;
    return byList(a.second, b.second);
  });
  for (std::size_t i = 0; i < keyed.size(); ++i) lines_[i] = std::move(keyed[i].second);
}

QString ProposalComparisonModel::TableText(const std::vector<int>& rows) const {
  std::vector<int> columns;
  for (int c = 0; c < ColumnCount; ++c) {
    if (c != CoreLoss || coreLossShown_) columns.push_back(c);
  }
  std::vector<int> shown = rows;
  if (shown.empty()) {
    shown.resize(lines_.size());
    std::iota(shown.begin(), shown.end(), 0);
  }
  QString text;
  QStringList cells;
  for (int c : columns) cells << headerData(c, Qt::Horizontal).toString();
  text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  for (int row : shown) {
    if (row < 0 || row >= rowCount()) continue;
    cells.clear();
    for (int c : columns) cells << Text(lines_[static_cast<std::size_t>(row)], c);
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text;
}

}  // namespace qiro
