#include "workbench/DesignCurves.h"
#include "qt-support/domain_text.h"

#include <QChart>
#include <QChartView>
#include <QColor>
#include <QLabel>
#include <QGraphicsLayout>
#include <QLegend>
#include <QMargins>
#include <QLineSeries>
#include <QList>
#include <QLogValueAxis>
#include <QPen>
#include <QPointF>
#include <QScreen>
#include <QScrollArea>
#include <QScatterSeries>
#include <QStackedWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "design/analysis/converter_operation.h"
#include "qt-support/scrolled_screen.h"
#include "text/number_text.h"
#include "ui_DesignCurves.h"

namespace qiro {
namespace {

QString General(float value) { return QString::fromStdString(GeneralNumberText(value)); }
QString Fixed(double value, const char* pattern) {
  return QString::fromStdString(PatternText(value, pattern));
}

const QColor kAtZero(0x6a, 0x51, 0xa3);
const QColor kAtAverage(0x2c, 0xa0, 0x2c);
const QColor kAtPeak(0xe3, 0x6c, 0x0a);

QList<QPointF> Points(const std::vector<CurvePoint>& points) {
  QList<QPointF> list;
  list.reserve(static_cast<qsizetype>(points.size()));
  for (const CurvePoint& p : points) list.append(QPointF(p.X, p.Y));
  return list;
}

// Whole decades around the values, so a logarithmic axis labels each power of ten.
std::pair<double, double> Decades(double low, double high) {
  const double from = std::pow(10.0, std::floor(std::log10(low) + 1e-9));
  double to = std::pow(10.0, std::ceil(std::log10(high) - 1e-9));
  if (!(to > from)) to = from * 10;
  return {from, to};
}

// Minor grid lines (2…9 within each decade) help reading between the powers of ten, but
// each costs about as much painting as a curve: only the frequency and field axes get them.
QLogValueAxis* LogAxis(const QString& title, bool minorGrid) {
  auto* axis = new QLogValueAxis;
  axis->setTitleText(title);
  axis->setBase(10);
  axis->setLabelFormat(QStringLiteral("%g"));
  axis->setMinorTickCount(minorGrid ? 8 : 0);
  QPen minor(QColor(0xe4, 0xe4, 0xe4), 1);
  minor.setCosmetic(true);
  axis->setMinorGridLinePen(minor);
  return axis;
}

QValueAxis* LinearAxis(const QString& title) {
  auto* axis = new QValueAxis;
  axis->setTitleText(title);
  axis->setLabelFormat(QStringLiteral("%g"));
  return axis;
}

}  // namespace

DesignCurves::DesignCurves(QWidget* owner)
    : QWidget(owner, Qt::Window), ui_(std::make_unique<Ui::DesignCurves>()) {
  // Four charts need more room than a small screen at 200 % has: they scroll there.
  SetUpScrolled(this, *ui_);
  setObjectName(QStringLiteral("DesignCurves"));
  setAttribute(Qt::WA_DeleteOnClose);
  // Closing the main window ends the program even while curves are open.
  setAttribute(Qt::WA_QuitOnClose, false);
  BuildCharts();
  // Room for the axis labels and a legend of four entries in the window's own font.
  const int line = fontMetrics().lineSpacing();
  for (QChartView* view : {ui_->chartInductance, ui_->chartPermeability, ui_->chartLoss,
                           ui_->chartTemperature}) {
    view->setMinimumSize(kChartWidthLines * line, kChartLeastHeightLines * line);
  }
}

void DesignCurves::showEvent(QShowEvent* event) {
  // Sized once, when first shown: only then do the hidden charts count in the layouts.
  if (!sized_) {
    sized_ = true;
    FitToScreen();
  }
  QWidget::showEvent(event);
}

void DesignCurves::FitToScreen() {
  // Opened with its two rows of charts at their comfortable height where the screen has
  // room for it, else as large as the screen allows (with room for the window's frame),
  // the charts scrolling inside.
  const int line = fontMetrics().lineSpacing();
  // The content's wish reaches the window's layout only through its scroll area.
  findChild<QScrollArea*>(QStringLiteral("screenScroll"))->updateGeometry();
  QSize size = sizeHint() +
               QSize(0, 2 * (kChartComfortableHeightLines - kChartLeastHeightLines) * line);
  if (const QScreen* shown = screen()) {
    size = size.boundedTo(shown->availableGeometry().size() - QSize(line, 3 * line));
  }
  resize(size);
}

DesignCurves::~DesignCurves() = default;

void DesignCurves::BuildCharts() {
  const auto make = [this](QStackedWidget* stack, QWidget* page, QChartView* view,
                           QLabel* points, QLabel* note, const QString& title) {
    Plot plot;
    plot.stack = stack;
    plot.page = page;
    plot.view = view;
    plot.points = points;
    plot.note = note;
    // The view's own chart: one set in its place would be released by the view, not deleted.
    plot.chart = view->chart();
    plot.chart->setTitle(title);
    QFont titleFont = font();
    titleFont.setBold(true);
    plot.chart->setTitleFont(titleFont);
    plot.chart->legend()->setAlignment(Qt::AlignBottom);
    // The plot, not the frame around it, gets the room.
    plot.chart->layout()->setContentsMargins(0, 0, 0, 0);
    plot.chart->setMargins(QMargins(6, 6, 6, 6));
    // A plain white ground painted by the view, edge to edge.
    plot.chart->setBackgroundVisible(false);
    view->setBackgroundBrush(Qt::white);
    view->setRenderHint(QPainter::Antialiasing);
    plot.curve = new QLineSeries;
    plot.curve->setPen(QPen(QColor(0x1f, 0x77, 0xb4), 2));
    plot.chart->addSeries(plot.curve);
    return plot;
  };
  // The same operating point has the same colour in every chart.
  const auto marker = [](Plot& plot, const char* name, QColor colour) {
    auto* series = new QScatterSeries;
    series->setObjectName(QLatin1String(name));
    series->setColor(colour);
    series->setBorderColor(colour.darker(130));
    series->setMarkerSize(11);
    plot.chart->addSeries(series);
    return series;
  };
  const auto attach = [](Plot& plot, QAbstractAxis* x, QAbstractAxis* y) {
    plot.chart->addAxis(x, Qt::AlignBottom);
    plot.chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : plot.chart->series()) {
      series->attachAxis(x);
      series->attachAxis(y);
    }
  };

  inductance_ = make(ui_->stkInductance, ui_->pageInductance, ui_->chartInductance,
                     ui_->labInductancePoints, ui_->labInductanceNote,
                     tr("电感量与直流电流"));
  inductance_.curve->setObjectName(QStringLiteral("seriesInductance"));
  inductance_.curve->setName(tr("电感量 L(I)"));
  inductanceAtZero_ = marker(inductance_, "seriesInductanceZero", kAtZero);
  inductanceAtZero_->setName(tr("L@0A"));
  inductance_.first = marker(inductance_, "seriesInductanceAverage", kAtAverage);
  inductance_.first->setName(tr("平均电流"));
  inductance_.second = marker(inductance_, "seriesInductancePeak", kAtPeak);
  inductance_.second->setName(tr("峰值电流"));
  currentAxis_ = LinearAxis(tr("直流电流 (A)"));
  inductanceAxis_ = LinearAxis(tr("电感量 (μH)"));
  attach(inductance_, currentAxis_, inductanceAxis_);

  permeability_ = make(ui_->stkPermeability, ui_->pagePermeability, ui_->chartPermeability,
                       ui_->labPermeabilityPoints, ui_->labPermeabilityNote, tr("直流偏置特性"));
  permeability_.curve->setObjectName(QStringLiteral("seriesPermeability"));
  permeability_.first = marker(permeability_, "seriesPermeabilityAverage", kAtAverage);
  permeability_.first->setName(tr("平均电流"));
  permeability_.second = marker(permeability_, "seriesPermeabilityPeak", kAtPeak);
  permeability_.second->setName(tr("峰值电流"));
  fieldAxis_ = LogAxis(tr("磁场强度 H (Oe)"), true);
  permeabilityAxis_ = LinearAxis(tr("剩余磁导率 (%)"));
  attach(permeability_, fieldAxis_, permeabilityAxis_);

  loss_ = make(ui_->stkLoss, ui_->pageLoss, ui_->chartLoss, ui_->labLossPoints,
                 ui_->labLossNote, tr("磁芯损耗与频率"));
  loss_.curve->setObjectName(QStringLiteral("seriesLoss"));
  loss_.curve->setName(tr("磁芯损耗"));
  loss_.first = marker(loss_, "seriesLossDesign", kAtAverage);
  loss_.first->setName(tr("工作频率"));
  frequencyAxis_ = LogAxis(tr("频率 (kHz)"), true);
  lossAxis_ = LogAxis(tr("磁芯损耗 (W)"), false);
  attach(loss_, frequencyAxis_, lossAxis_);

  temperature_ = make(ui_->stkTemperature, ui_->pageTemperature, ui_->chartTemperature,
                      ui_->labTemperaturePoints, ui_->labTemperatureNote,
                      tr("温升与平均直流电流"));
  temperature_.curve->setObjectName(QStringLiteral("seriesTemperature"));
  temperature_.curve->setName(tr("温升 ΔT(I)"));
  temperature_.first = marker(temperature_, "seriesTemperatureDesign", kAtAverage);
  temperature_.first->setName(tr("平均电流"));
  averageCurrentAxis_ = LinearAxis(tr("平均直流电流(A)"));
  riseAxis_ = LinearAxis(tr("温升(°C)"));
  attach(temperature_, averageCurrentAxis_, riseAxis_);
  BuildLineCycleChart();
}

void DesignCurves::BuildLineCycleChart() {
  lineCycle_ = new QWidget(this);
  lineCycle_->setObjectName(QStringLiteral("pageLineCycle"));
  auto* layout = new QVBoxLayout(lineCycle_);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* view = new QChartView(lineCycle_);
  view->setObjectName(QStringLiteral("chartLineCycle"));
  view->setBackgroundBrush(Qt::white);
  view->setRenderHint(QPainter::Antialiasing);
  const int line = fontMetrics().lineSpacing();
  view->setMinimumSize(kChartWidthLines * line, kChartLeastHeightLines * line);
  lineCycleChart_ = view->chart();
  lineCycleChart_->setTitle(tr("四分之一工频周期：损耗从何而来"));
  QFont titleFont = font();
  titleFont.setBold(true);
  lineCycleChart_->setTitleFont(titleFont);
  lineCycleChart_->setBackgroundVisible(false);
  lineCycleChart_->legend()->setAlignment(Qt::AlignBottom);
  lineCycleChart_->layout()->setContentsMargins(0, 0, 0, 0);
  angleAxis_ = LinearAxis(tr("工频相位角 θ (°)"));
  angleAxis_->setRange(0, 90);
  angleAxis_->setTickCount(7);
  shareAxis_ = LinearAxis(tr("占最大值 (%)"));
  shareAxis_->setRange(0, 100);
  lineCycleChart_->addAxis(angleAxis_, Qt::AlignBottom);
  lineCycleChart_->addAxis(shareAxis_, Qt::AlignLeft);
  const struct {
    const char* name;
    QColor colour;
  } series[] = {{"seriesCycleCurrent", kAtAverage},
                {"seriesCycleInductance", QColor(0x1f, 0x77, 0xb4)},
                {"seriesCycleRipple", kAtPeak},
                {"seriesCycleLoss", QColor(0xd6, 0x27, 0x28)}};
  for (const auto& s : series) {
    auto* curve = new QLineSeries;
    curve->setObjectName(QLatin1String(s.name));
    curve->setPen(QPen(s.colour, 2));
    lineCycleChart_->addSeries(curve);
    curve->attachAxis(angleAxis_);
    curve->attachAxis(shareAxis_);
  }
  layout->addWidget(view);
  lineCyclePoints_ = new QLabel(lineCycle_);
  lineCyclePoints_->setObjectName(QStringLiteral("labLineCyclePoints"));
  lineCyclePoints_->setWordWrap(true);
  layout->addWidget(lineCyclePoints_);
  ui_->layCharts->addWidget(lineCycle_, ui_->layCharts->rowCount(), 0, 1, 2);
  lineCycle_->hide();
}

void DesignCurves::DrawLineCycle(const CurveDesign& design) {
  std::vector<LineCyclePoint> curve;
  if (design.InConverter) {
    if (const auto op = OperateConverter(*design.InConverter))
      curve = LineCycleCurve(*op, design.Core, design.CoreCount, design.Turns);
  }
  lineCycle_->setVisible(!curve.empty());
  if (curve.empty()) return;
  // Each quantity as a share of its largest value, so the four read on one axis.
  double most[4] = {0, 0, 0, 0};
  for (const LineCyclePoint& p : curve) {
    most[0] = std::max(most[0], p.Current);
    most[1] = std::max(most[1], p.Inductance);
    most[2] = std::max(most[2], p.Ripple);
    most[3] = std::max(most[3], p.CoreLossDensity);
  }
  const QString names[4] = {
      tr("电流（最大 %1 A）").arg(Fixed(most[0], "0.000")),
      tr("电感量 L(i)（最大 %1 μH）").arg(Fixed(most[1], "0.0")),
      tr("纹波（最大 %1 A）").arg(Fixed(most[2], "0.000")),
      tr("磁损密度（最大 %1 mW/cm³）").arg(Fixed(most[3], "0.0"))};
  const auto series = lineCycleChart_->series();
  for (int k = 0; k < 4; ++k) {
    QList<QPointF> points;
    for (const LineCyclePoint& p : curve) {
      const double v[4] = {p.Current, p.Inductance, p.Ripple, p.CoreLossDensity};
      points.append(QPointF(p.Degrees, most[k] > 0 ? v[k] / most[k] * 100 : 0));
    }
    auto* line = static_cast<QLineSeries*>(series[k]);
    line->replace(points);
    line->setName(names[k]);
  }
  lineCyclePoints_->setText(
      tr("变换器：%1。磁损密度含iGSE系数（D随θ变化）；磁芯损耗取它在工频周期上的平均值。")
          .arg(TranslateDomainText(QString::fromStdString(ConverterSummary(*design.InConverter)))));
}

void DesignCurves::Follow(const CurveSubject& subject) {
  // The screens refresh several times for one keystroke; the same design is drawn once.
  if (shown_ && *shown_ == subject) return;
  shown_ = subject;
  if (const auto* design = std::get_if<CurveDesign>(&subject)) {
    ShowDesign(*design);
  } else {
    ShowNote(std::get<QString>(subject));
  }
}

bool DesignCurves::SetAmbientTemperature(double celsius) {
  if (!(celsius >= kLowestAmbient && celsius <= kHighestAmbient)) return false;
  if (celsius == ambient_) return true;
  ambient_ = celsius;
  if (evaluation_) DrawTemperature(*evaluation_);
  return true;
}

void DesignCurves::ShowNote(const QString& note) {
  evaluation_.reset();
  setWindowTitle(tr("设计曲线"));
  ui_->labDesign->setText(tr("没有可以绘制曲线的设计。"));
  ui_->labNote->setText(note);
  ui_->stkCurves->setCurrentWidget(ui_->pageNote);
}

void DesignCurves::ShowPlotNote(Plot& plot, const QString& note) {
  plot.note->setText(note);
  plot.stack->setCurrentWidget(plot.note);
}

QString DesignCurves::DesignText(const CurveDesign& d) const {
  return tr("磁芯 %1 ×%2，%3 圈，线径 %4mm×%5Pcs；平均电流 %6 A，峰值电流 %7 A，"
            "纹波电流 %8 A，频率 %9 kHz")
      .arg(QString::fromStdString(d.Core.PartNumber), General(d.CoreCount),
           QString::number(d.Turns), General(d.WireDiameter), QString::number(d.StrandCount),
           General(d.AverageCurrent), General(d.PeakCurrent), General(d.RippleCurrent),
           General(d.FrequencyKHz));
}

void DesignCurves::ShowDesign(const CurveDesign& design) {
  const auto set = MakeDesignCurves(design);
  if (!set) {
    ShowNote(tr("该设计无法计算：计算结果超出数值范围，请检查输入的数值。"));
    return;
  }
  setWindowTitle(tr("设计曲线 - %1").arg(QString::fromStdString(design.Core.PartNumber)));
  ui_->labDesign->setText(DesignText(design));
  DrawInductance(*set);
  DrawPermeability(*set);
  DrawLoss(*set);
  evaluation_ = set->Evaluation;
  DrawTemperature(*evaluation_);
  DrawLineCycle(design);
  ui_->stkCurves->setCurrentWidget(ui_->pageCharts);
}

void DesignCurves::DrawInductance(const DesignCurveSet& set) {
  const InductanceCurve& c = set.Inductance;
  if (c.Gap != CurveGap::None || c.Points.empty()) {
    ShowPlotNote(inductance_, tr("平均电流和峰值电流都不大于0，没有可绘制的电流范围。"));
    return;
  }
  inductance_.curve->replace(Points(c.Points));
  inductanceAtZero_->replace({QPointF(c.Zero.X, c.Zero.Y)});
  inductance_.first->replace({QPointF(c.Average.X, c.Average.Y)});
  inductance_.second->replace({QPointF(c.Peak.X, c.Peak.Y)});
  // In the report's own number forms, so the two can be read side by side.
  const InductorEvaluation& e = set.Evaluation;
  inductance_.points->setText(
      tr("L@0A：%1μH；平均电流 %2A：%3μH；峰值电流 %4A：%5μH")
          .arg(General(e.InductanceAtZero), Fixed(e.AverageCurrent, "0.00"),
               Fixed(e.InductanceAtAverage, "0.00"), Fixed(e.PeakCurrent, "0.00"),
               Fixed(e.InductanceAtPeak, "0.00")));
  const double right = std::max({c.Points.back().X, c.Average.X, c.Peak.X});
  double top = std::max({c.Zero.Y, c.Average.Y, c.Peak.Y});
  for (const CurvePoint& p : c.Points) top = std::max(top, p.Y);
  currentAxis_->setRange(0, right > 0 ? right : 1);
  currentAxis_->applyNiceNumbers();
  inductanceAxis_->setRange(0, top > 0 ? top * 1.1 : 1);
  inductanceAxis_->applyNiceNumbers();
  inductance_.stack->setCurrentWidget(inductance_.page);
}

void DesignCurves::DrawPermeability(const DesignCurveSet& set) {
  const PermeabilityCurve& c = set.Permeability;
  const CoreRecord& core = set.Evaluation.Core;
  const QString material =
      tr("%1 μ%2").arg(QString::fromStdString(core.Series)).arg(core.Permeability);
  if (c.Gap != CurveGap::None || c.Points.empty()) {
    ShowPlotNote(permeability_,
                 tr("%1 材料没有直流偏置模型，无法绘制磁导率曲线。").arg(material));
    return;
  }
  permeability_.curve->replace(Points(c.Points));
  permeability_.curve->setName(material);
  permeability_.first->replace({QPointF(c.Average.X, c.Average.Y)});
  permeability_.second->replace({QPointF(c.Peak.X, c.Peak.Y)});
  // The design's own fields, also where the marker sits at the end of the axis.
  const InductorEvaluation& e = set.Evaluation;
  permeability_.points->setText(
      tr("平均电流：H=%1Oe，剩余磁导率 %2%；峰值电流：H=%3Oe，剩余磁导率 %4%")
          .arg(Fixed(e.FieldAtAverage, "0.00"), Fixed(e.PermeabilityAtAverage, "0.0"),
               Fixed(e.FieldAtPeak, "0.00"), Fixed(e.PermeabilityAtPeak, "0.0")));
  const auto [from, to] = Decades(c.Points.front().X, c.Points.back().X);
  fieldAxis_->setRange(from, to);
  double top = 100;
  for (const CurvePoint& p : c.Points) top = std::max(top, p.Y);
  permeabilityAxis_->setRange(0, top * 1.05);
  permeabilityAxis_->applyNiceNumbers();
  permeability_.stack->setCurrentWidget(permeability_.page);
}

void DesignCurves::DrawLoss(const DesignCurveSet& set) {
  const LossCurve& c = set.Loss;
  if (c.Gap == CurveGap::NoFluxSwing) {
    ShowPlotNote(loss_, tr("该设计的磁通密度没有摆幅（纹波电流为0），磁芯没有交流损耗，"
                           "因此没有损耗曲线。"));
    return;
  }
  if (c.Gap != CurveGap::None || c.Points.empty()) {
    ShowPlotNote(loss_, tr("该材料的损耗模型在此频率范围内没有有效的损耗值，无法绘制损耗曲线。"));
    return;
  }
  loss_.curve->replace(Points(c.Points));
  double low = c.Points.front().Y;
  double high = low;
  for (const CurvePoint& p : c.Points) {
    low = std::min(low, p.Y);
    high = std::max(high, p.Y);
  }
  double left = c.Points.front().X;
  double right = c.Points.back().X;
  QString points = tr("磁通密度摆幅 ΔB=%1Gs").arg(Fixed(c.FluxSwing, "0.0"));
  if (c.Design) {
    loss_.first->replace({QPointF(c.Design->X, c.Design->Y)});
    loss_.first->setVisible(true);
    points += tr("；工作频率 %1kHz：磁损 %2W")
                  .arg(General(set.Evaluation.FrequencyKHz), General(set.Evaluation.CoreLoss));
    low = std::min(low, c.Design->Y);
    high = std::max(high, c.Design->Y);
    left = std::min(left, c.Design->X);
    right = std::max(right, c.Design->X);
  } else {
    // A design frequency the loss model does not cover has no point on the curve.
    loss_.first->clear();
    loss_.first->setVisible(false);
    points += tr("；工作频率 %1kHz 不在损耗模型范围内").arg(General(set.Evaluation.FrequencyKHz));
  }
  if (c.OutsideModel) points += tr("；损耗模型在部分频率下没有正值，这些频率未绘出");
  loss_.points->setText(points);
  const auto [xFrom, xTo] = Decades(left, right);
  frequencyAxis_->setRange(xFrom, xTo);
  const auto [yFrom, yTo] = Decades(low, high);
  lossAxis_->setRange(yFrom, yTo);
  loss_.stack->setCurrentWidget(loss_.page);
}

void DesignCurves::DrawTemperature(const InductorEvaluation& design) {
  const TemperatureCurve c = TemperatureRiseCurve(design, ambient_, kTemperaturePoints);
  // The design's own refusal holds for the whole curve: its winding and core stay the same.
  switch (c.DesignRefusal) {
    case AssessmentRefusal::None:
      break;
    case AssessmentRefusal::WindingDoesNotFit:
      ShowPlotNote(temperature_, tr("绕组放不进磁芯内孔，无法估算温升"));
      return;
    case AssessmentRefusal::LossOutsideModel:
      ShowPlotNote(temperature_, tr("磁损超出损耗模型范围，无法估算温升"));
      return;
    case AssessmentRefusal::NoSteadyTemperature:
      ShowPlotNote(temperature_, tr("绕组温度将超过500 °C，无稳定温度，无法估算温升"));
      return;
    case AssessmentRefusal::InvalidInput:
      ShowPlotNote(temperature_, tr("无法估算温升"));
      return;
  }
  if (!c.Design) {
    ShowPlotNote(temperature_, tr("无法估算温升"));
    return;
  }
  if (c.Gap != CurveGap::None || c.Points.empty()) {
    ShowPlotNote(temperature_, tr("平均电流和峰值电流都不大于0，没有可绘制的电流范围。"));
    return;
  }
  temperature_.curve->replace(Points(c.Points));
  temperature_.first->replace({QPointF(c.Design->X, c.Design->Y)});
  QString points;
  // Without a frequency or a ripple the core and the copper lose nothing to the ripple.
  if (!(design.FrequencyKHz > 0) && !(design.RippleCurrent > 0)) {
    points = tr("（方案不含频率和纹波：仅直流铜损）");
  } else if (!(design.FrequencyKHz > 0)) {
    points = tr("（频率为0：仅直流铜损）");
  } else if (!(design.RippleCurrent > 0)) {
    points = tr("（纹波电流为0：仅直流铜损）");
  }
  const double rise = c.Design->Y;
  points += tr("环境温度 %1°C；平均电流 %2A：温升 %3°C（%4），绕组温度 %5°C")
                .arg(QString::fromStdString(GeneralNumberText(ambient_)),
                     Fixed(c.Design->X, "0.00"), Fixed(rise, "0.0"),
                     TranslateDomainText(QString::fromUtf8(VerdictWord(RateTemperatureRise(rise)))),
                     Fixed(ambient_ + rise, "0.0"));
  if (c.RunawayFrom) {
    points += tr("；自平均电流 %1A 起，绕组温度将超过500 °C的电流未绘出")
                  .arg(Fixed(*c.RunawayFrom, "0.00"));
  }
  if (c.OtherGaps) points += tr("；部分电流下无法估算温升，这些电流未绘出");
  temperature_.points->setText(points);
  double right = c.Design->X;
  double top = c.Design->Y;
  for (const CurvePoint& p : c.Points) {
    right = std::max(right, p.X);
    top = std::max(top, p.Y);
  }
  averageCurrentAxis_->setRange(0, right > 0 ? right : 1);
  averageCurrentAxis_->applyNiceNumbers();
  riseAxis_->setRange(0, top > 0 ? top * 1.1 : 1);
  riseAxis_->applyNiceNumbers();
  temperature_.stack->setCurrentWidget(temperature_.page);
}

}  // namespace qiro
