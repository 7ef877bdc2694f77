#include "workbench/DesignAdviser.h"

#include <QApplication>
#include <QCheckBox>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QLogValueAxis>
#include <QPlainTextEdit>
#include <QScatterSeries>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>
#include <string>
#include <utility>

#include "core-data/catalogue.h"
#include "design/analysis/converter_operation.h"
#include "design/analysis/design_assessment.h"
#include "design/calculators/toroid_report.h"
#include "qt-support/domain_text.h"
#include "qt-support/platform.h"
#include "qt-support/scrolled_screen.h"
#include "text/float_range.h"
#include "text/number_text.h"
#include "ui_DesignAdviser.h"
#include "workbench/AssessmentPanel.h"
#include "workbench/DesignAdviserModel.h"

namespace qiro {
namespace {

// One colour per series, told apart also in grey.
const QColor kSeriesColours[7] = {QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e),
                                  QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
                                  QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
                                  QColor(0xe3, 0x77, 0xc2)};

QString Number(double value) { return QString::fromStdString(GeneralNumberText(value)); }

bool SameDesign(const AdvisedDesign& a, const AdvisedDesign& b) {
  return a.Slot == b.Slot && a.CoreCount == b.CoreCount && a.WireIndex == b.WireIndex &&
         a.StrandCount == b.StrandCount && a.Turns == b.Turns;
}

}  // namespace

DesignAdviser::DesignAdviser(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::DesignAdviser>()) {
  SetUpScrolled(this, *ui_);
  setObjectName(QStringLiteral("DesignAdviser"));

  for (int i = 0; i < 7; ++i) {
    auto* box = findChild<QCheckBox*>(QStringLiteral("chkSeries%1").arg(i));
    box->setText(QString::fromLatin1(kSeriesCodes[static_cast<std::size_t>(i)].data(),
                                     static_cast<qsizetype>(kSeriesCodes[static_cast<std::size_t>(i)].size())));
  }
  for (QLineEdit* field : {ui_->txtInductance, ui_->txtTolerance, ui_->txtAverage, ui_->txtPeak,
                           ui_->txtRipple, ui_->txtFrequency, ui_->txtMaxRise, ui_->txtMaxDiameter,
                           ui_->txtMaxHeight, ui_->txtMinRetention}) {
    InstallKeyFilter(field, KeyRule::Numeric);
  }
  // Ambients below freezing are real: a minus is taken at the start of the field.
  InstallKeyFilter(ui_->txtAmbient, KeyRule::Numeric, [this](int key) {
    if (key != '-') return false;
    QLineEdit* field = ui_->txtAmbient;
    const bool atStart = field->cursorPosition() == 0 || field->selectionStart() == 0;
    const QString rest = field->hasSelectedText()
                             ? field->text().remove(field->selectionStart(), field->selectedText().size())
                             : field->text();
    if (atStart && !rest.startsWith(QLatin1Char('-'))) field->insert(QStringLiteral("-"));
    return true;
  });
  InstallKeyFilter(ui_->txtMaxCores, KeyRule::Integer);
  InstallKeyFilter(ui_->txtMaxStrands, KeyRule::Integer);
  const QFontMetrics metrics(font());
  for (QLineEdit* field : findChildren<QLineEdit*>()) {
    if (field->objectName().startsWith(QLatin1String("txt")))
      field->setMaximumWidth(12 * metrics.averageCharWidth() + 2 * metrics.height());
  }

  // Chart: every feasible design per series, the front as a step line, the picked design.
  // The view's own chart: a chart set in its place would leave the first one to leak.
  QChart* chart = ui_->chartDesigns->chart();
  chart->setTitle(tr("可行方案：绕后体积与总损耗"));
  chart->legend()->setAlignment(Qt::AlignRight);
  auto* xAxis = new QLogValueAxis;
  xAxis->setTitleText(tr("绕后体积(cm³)"));
  xAxis->setLabelFormat(QStringLiteral("%g"));
  xAxis->setBase(10);
  auto* yAxis = new QLogValueAxis;
  yAxis->setTitleText(tr("总损耗(W)"));
  yAxis->setLabelFormat(QStringLiteral("%g"));
  yAxis->setBase(10);
  chart->addAxis(xAxis, Qt::AlignBottom);
  chart->addAxis(yAxis, Qt::AlignLeft);
  for (int i = 0; i < 7; ++i) {
    auto* series = new QScatterSeries;
    series->setName(QString::fromLatin1(kSeriesCodes[static_cast<std::size_t>(i)].data(),
                                        static_cast<qsizetype>(kSeriesCodes[static_cast<std::size_t>(i)].size())));
    series->setMarkerSize(5);
    series->setColor(kSeriesColours[i]);
    series->setBorderColor(kSeriesColours[i]);
    chart->addSeries(series);
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
    connect(series, &QScatterSeries::clicked, this,
            [this, series](const QPointF& point) { ChartPointClicked(series, point); });
    scatter_.push_back(series);
  }
  auto* step = frontLine_ = new QLineSeries;
  step->setObjectName(QStringLiteral("frontLine"));
  step->setName(tr("最优前沿"));
  step->setPen(QPen(Qt::black, 2));
  chart->addSeries(step);
  step->attachAxis(xAxis);
  step->attachAxis(yAxis);
  frontPoints_ = new QScatterSeries;
  frontPoints_->setObjectName(QStringLiteral("frontPoints"));
  frontPoints_->setMarkerSize(8);
  frontPoints_->setColor(Qt::white);
  frontPoints_->setBorderColor(Qt::black);
  chart->addSeries(frontPoints_);
  frontPoints_->attachAxis(xAxis);
  frontPoints_->attachAxis(yAxis);
  connect(frontPoints_, &QScatterSeries::clicked, this,
          [this](const QPointF& point) { ChartPointClicked(frontPoints_, point); });
  picked_ = new QScatterSeries;
  picked_->setObjectName(QStringLiteral("pickedPoint"));
  picked_->setName(tr("所选方案"));
  picked_->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
  picked_->setMarkerSize(12);
  picked_->setColor(QColor(0xff, 0xd7, 0x00));
  picked_->setBorderColor(Qt::black);
  chart->addSeries(picked_);
  picked_->attachAxis(xAxis);
  picked_->attachAxis(yAxis);
  // The front's markers carry no entry of their own: the step line names the front.
  chart->legend()->markers(frontPoints_).first()->setVisible(false);
  ui_->chartDesigns->setRenderHint(QPainter::Antialiasing);
  ui_->chartDesigns->setMinimumSize(56 * metrics.averageCharWidth(), 20 * metrics.lineSpacing());

  // Table of the front, sortable by every column; a third click restores the front's order.
  model_ = new DesignAdviserModel(this);
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(DesignAdviserModel::SortRole);
  QTableView* table = ui_->tblFront;
  table->setModel(sorted_);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setWordWrap(false);
  table->verticalHeader()->setVisible(false);
  table->horizontalHeader()->setSortIndicatorClearable(true);
  table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->setSortingEnabled(true);
  table->setMinimumHeight(6 * metrics.lineSpacing());
  connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &DesignAdviser::tblFront_SelectionChanged);
  connect(ui_->lstBest, &QListWidget::itemSelectionChanged, this,
          &DesignAdviser::lstBest_SelectionChanged);
  ui_->lstBest->setMinimumHeight(14 * metrics.lineSpacing());
  // Room for the longest line a best design can have, without a scroll bar across.
  ui_->lstBest->setMinimumWidth(
      metrics.horizontalAdvance(tr("%1：%2×%3，%4 mm×%5，%6圈\n%7 cm³，%8 W")
                                    .section(QLatin1Char('\n'), 0, 0)
                                    .arg(QStringLiteral("KMC-L"), QStringLiteral("KMC-L130060"),
                                         QStringLiteral("6"), QStringLiteral("3.0"),
                                         QStringLiteral("100"), QStringLiteral("350"))) +
      ui_->lstBest->verticalScrollBar()->sizeHint().width() + 4 * metrics.averageCharWidth());
  ui_->lstBest->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  // The report: the calculator's seventeen lines, wide enough for its rule line.
  const QFontMetrics reportMetrics(ui_->txtReport->font());
  const int margin = static_cast<int>(ui_->txtReport->document()->documentMargin());
  ui_->txtReport->setMinimumHeight(17 * reportMetrics.lineSpacing() + 2 * margin +
                                   2 * ui_->txtReport->frameWidth() + 2);
  ui_->txtReport->setMinimumWidth(reportMetrics.horizontalAdvance(QString(48, QLatin1Char('='))) +
                                  ui_->txtReport->verticalScrollBar()->sizeHint().width() +
                                  2 * ui_->txtReport->frameWidth() + 2 * margin);
  assessment_ = new AssessmentPanel(this, false);
  // The operating condition handed over by a converter, and the way back to typed numbers.
  labCondition_ = new QLabel(this);
  labCondition_->setObjectName(QStringLiteral("labOperatingCondition"));
  labCondition_->setWordWrap(true);
  labCondition_->setVisible(false);
  cmdTypedRequirement_ = new QPushButton(tr("改为手动输入要求"), this);
  cmdTypedRequirement_->setObjectName(QStringLiteral("cmdTypedRequirement"));
  cmdTypedRequirement_->setVisible(false);
  ui_->gridRequirement->addWidget(labCondition_, ui_->gridRequirement->rowCount(), 0, 1, 2);
  ui_->gridRequirement->addWidget(cmdTypedRequirement_, ui_->gridRequirement->rowCount(), 0, 1, 2);
  connect(cmdTypedRequirement_, &QPushButton::clicked, this, [this] { SetConverter(std::nullopt); });
  ui_->layPicked->addWidget(assessment_);

  progressTimer_ = new QTimer(this);
  progressTimer_->setInterval(50);
  connect(progressTimer_, &QTimer::timeout, this, &DesignAdviser::ShowProgress);
  // Queued whatever thread emits it: the result is taken up on the GUI thread, and not at
  // all once the window is gone.
  connect(this, &DesignAdviser::runEnded, this, &DesignAdviser::OnRunEnded, Qt::QueuedConnection);
  connect(ui_->cmdStart, &QAbstractButton::clicked, this, &DesignAdviser::cmdStart_Click);
  connect(ui_->cmdStop, &QAbstractButton::clicked, this, &DesignAdviser::cmdStop_Click);
  connect(ui_->cmdCopyTable, &QAbstractButton::clicked, this, &DesignAdviser::cmdCopyTable_Click);
  connect(ui_->cmdOpenInCalculator, &QAbstractButton::clicked, this,
          &DesignAdviser::cmdOpenInCalculator_Click);
  ClearResults();
  ui_->labStatus->setText(tr("填写要求后按“开始优化”：逐一计算目录中每种磁芯、叠放数、线径和并绕根数的设计。"));
}

DesignAdviser::~DesignAdviser() {
  StopAll();
  // The workers end before any member they report to goes away.
  if (run_ && run_->Worker.joinable()) run_->Worker.join();
  for (auto& old : retired_) {
    if (old->Worker.joinable()) old->Worker.join();
  }
}

void DesignAdviser::closeEvent(QCloseEvent* event) {
  // The window goes at once; its search stops and the destructor waits for its last step.
  StopAll();
  QWidget::closeEvent(event);
}

void DesignAdviser::StopAll() {
  if (run_) run_->Stop.store(true);
  for (auto& old : retired_) old->Stop.store(true);
}

void DesignAdviser::SetConverter(const std::optional<Converter>& converter) {
  converter_ = converter;
  labCondition_->setText(converter ? tr("工作条件：%1").arg(TranslateDomainText(
                                         QString::fromStdString(ConverterSummary(*converter))))
                                   : QString());
  labCondition_->setVisible(converter.has_value());
  cmdTypedRequirement_->setVisible(converter.has_value());
  // The converter sets the currents, the frequency and where the inductance is met.
  for (QWidget* w : std::initializer_list<QWidget*>{ui_->optStatic, ui_->optAtCurrent, ui_->txtAverage,
                                                    ui_->txtPeak, ui_->txtRipple, ui_->txtFrequency})
    w->setEnabled(!converter);
}

void DesignAdviser::SetRequirement(double inductance, InductanceAt where, double averageCurrent,
                                   double peakCurrent, double rippleCurrent,
                                   double frequencyKHz) {
  ui_->txtInductance->setText(Number(inductance));
  (where == InductanceAt::Zero ? ui_->optStatic : ui_->optAtCurrent)->setChecked(true);
  ui_->txtAverage->setText(Number(averageCurrent));
  ui_->txtPeak->setText(Number(peakCurrent));
  ui_->txtRipple->setText(Number(rippleCurrent));
  ui_->txtFrequency->setText(Number(frequencyKHz));
}

// ---- Reading the requirement ---------------------------------------------------------

QString DesignAdviser::ArgumentMessage(AdviserArgument argument) {
  switch (argument) {
    case AdviserArgument::RequiredInductance: return tr("电感量必须大于0！");
    case AdviserArgument::InductanceTolerance: return tr("电感量公差必须在0到50%之间！");
    case AdviserArgument::AverageCurrent: return tr("平均电流必须大于或等于0！");
    case AdviserArgument::PeakCurrent: return tr("峰值电流必须大于0！");
    case AdviserArgument::RippleCurrent: return tr("纹波电流必须大于或等于0！");
    case AdviserArgument::FrequencyKHz: return tr("频率必须大于或等于0！单位为千赫兹");
    case AdviserArgument::AmbientTemperature: return tr("环境温度必须在-60到200 °C之间！");
    case AdviserArgument::MaxTemperatureRise: return tr("最高温升必须大于0！");
    case AdviserArgument::MaxWoundOuterDiameter:
      return tr("最大绕后外径必须大于或等于0！填0为不限");
    case AdviserArgument::MaxWoundHeight: return tr("最大绕后高度必须大于或等于0！填0为不限");
    case AdviserArgument::MinRetention: return tr("最低保持率必须在0到100%之间！");
    case AdviserArgument::MaxCoreCount: return tr("叠放磁芯数必须在1到6之间！");
    case AdviserArgument::MaxStrandCount: return tr("并绕根数必须在1到100之间！");
    case AdviserArgument::Series: return tr("至少选择一个磁芯系列！");
    case AdviserArgument::Converter:
      return tr("工作条件中的变换器无法运行：请在变换器窗口中检查其参数，或改为手动输入要求。");
    case AdviserArgument::None: break;
  }
  return {};
}

std::optional<QString> DesignAdviser::ReadRequest(AdviserRequest& request) const {
  const auto text = [](const QLineEdit* field) { return field->text().trimmed().toStdString(); };
  AdviserFieldTexts fields;
  fields.RequiredInductance = text(ui_->txtInductance);
  fields.InductanceTolerance = text(ui_->txtTolerance);
  fields.AverageCurrent = text(ui_->txtAverage);
  fields.PeakCurrent = text(ui_->txtPeak);
  fields.RippleCurrent = text(ui_->txtRipple);
  fields.FrequencyKHz = text(ui_->txtFrequency);
  fields.AmbientTemperature = text(ui_->txtAmbient);
  fields.MaxTemperatureRise = text(ui_->txtMaxRise);
  fields.MaxWoundOuterDiameter = text(ui_->txtMaxDiameter);
  fields.MaxWoundHeight = text(ui_->txtMaxHeight);
  fields.MinRetention = text(ui_->txtMinRetention);
  fields.MaxCoreCount = text(ui_->txtMaxCores);
  fields.MaxStrandCount = text(ui_->txtMaxStrands);
  fields.AtZero = ui_->optStatic->isChecked();
  for (int i = 0; i < 7; ++i) {
    fields.Series[static_cast<std::size_t>(i)] =
        findChild<QCheckBox*>(QStringLiteral("chkSeries%1").arg(i))->isChecked();
  }
  fields.InConverter = converter_;
  const auto read = ReadAdviserFields(fields);
  if (const auto* bad = std::get_if<AdviserArgument>(&read)) return ArgumentMessage(*bad);
  request = std::get<AdviserRequest>(read);
  return std::nullopt;
}

// ---- Running the search --------------------------------------------------------------

void DesignAdviser::cmdStart_Click() {
  AdviserRequest request;
  if (const auto message = ReadRequest(request)) {
    ShowMessage(this, *message, tr("错误提示(QIRO Magnetic)"), QMessageBox::Information);
    return;
  }
  // A new search replaces the one in progress, which stops and ends in the background.
  if (run_) {
    run_->Stop.store(true);
    retired_.push_back(std::move(run_));
  }
  ReapFinished();
  auto run = std::make_unique<Run>();
  run->Id = nextRun_++;
  run->Request = request;
  Run* state = run.get();
  run->Worker = std::jthread([this, state] {
    AdviserControl control;
    control.Stop = &state->Stop;
    control.Progress = [state](double done) { state->Progress.store(done); };
    state->Result = AdviseDesigns(state->Request, control);
    emit runEnded(state->Id);
  });
  run_ = std::move(run);
  ClearResults();
  ui_->prgSearch->setValue(0);
  ui_->cmdStop->setEnabled(true);
  ui_->labStatus->setText(tr("正在优化……"));
  progressTimer_->start();
}

void DesignAdviser::cmdStop_Click() {
  if (run_) run_->Stop.store(true);
}

void DesignAdviser::ReapFinished() {
  // A retired search has ended once its queued report arrived; join those only.
  std::erase_if(retired_, [](const std::unique_ptr<Run>& old) { return !old->Worker.joinable(); });
}

void DesignAdviser::OnRunEnded(quint64 id) {
  for (auto& old : retired_) {
    if (old->Id == id && old->Worker.joinable()) old->Worker.join();
  }
  ReapFinished();
  // A stale search: a newer one replaced it, its result is dropped.
  if (!run_ || run_->Id != id) return;
  run_->Worker.join();
  const std::unique_ptr<Run> ended = std::move(run_);
  progressTimer_->stop();
  ui_->cmdStop->setEnabled(false);
  Outcome<AdviserResult>& outcome = *ended->Result;
  if (!outcome) {
    ui_->prgSearch->setValue(0);
    ui_->labStatus->setText(tr("无法优化：%1").arg(QString::fromStdString(outcome.error())));
  } else if (outcome->Stopped) {
    ui_->labStatus->setText(tr("优化已停止，未得到结果。"));
  } else {
    ui_->prgSearch->setValue(ui_->prgSearch->maximum());
    ShowResult(ended->Request, std::move(*outcome));
  }
  emit searchFinished();
}

void DesignAdviser::ShowProgress() {
  if (!run_) return;
  ui_->prgSearch->setValue(static_cast<int>(
      std::lround(std::clamp(run_->Progress.load(), 0.0, 1.0) * ui_->prgSearch->maximum())));
}

// ---- Results -------------------------------------------------------------------------

void DesignAdviser::ClearResults() {
  shown_ = AdviserResult{};
  drawn_.assign(7, {});
  pickedDesign_.reset();
  report_.clear();
  model_->SetRows({});
  ui_->lstBest->clear();
  for (QScatterSeries* series : scatter_) series->clear();
  frontPoints_->clear();
  picked_->clear();
  frontLine_->clear();
  ui_->txtReport->clear();
  assessment_->Clear();
  ui_->labFront->clear();
  ui_->cmdCopyTable->setEnabled(false);
  ui_->cmdOpenInCalculator->setEnabled(false);
}

QString DesignAdviser::NoDesignText(const AdviserResult& result,
                                    const AdviserRequest& request) const {
  const AdviserRejections& r = result.Rejections;
  // Cores that never reach the inductance give no design at all: they are the reason only
  // when no design was there to be ruled out.
  const struct {
    std::int64_t count;
    QString all;   // every design was ruled out by it
    QString most;  // it ruled out the most
  } reasons[] = {
      {r.WindowFill, tr("所有方案窗口占用均超过44%（绕线困难）"),
       tr("多数方案窗口占用超过44%（绕线困难）")},
      {r.NotAssessable, tr("所有方案均无法评估（绕组放不进内孔或损耗超出模型范围）"),
       tr("多数方案无法评估（绕组放不进内孔或损耗超出模型范围）")},
      {r.TemperatureRise, tr("所有方案温升均超过%1 °C").arg(Number(request.MaxTemperatureRise)),
       tr("多数方案温升超过%1 °C").arg(Number(request.MaxTemperatureRise))},
      {r.WoundOuterDiameter,
       tr("所有方案绕后外径均超过%1 mm").arg(Number(request.MaxWoundOuterDiameter)),
       tr("多数方案绕后外径超过%1 mm").arg(Number(request.MaxWoundOuterDiameter))},
      {r.WoundHeight, tr("所有方案绕后高度均超过%1 mm").arg(Number(request.MaxWoundHeight)),
       tr("多数方案绕后高度超过%1 mm").arg(Number(request.MaxWoundHeight))},
      {r.Retention, tr("所有方案电感保持率均低于%1%").arg(Number(request.MinRetention)),
       tr("多数方案电感保持率低于%1%").arg(Number(request.MinRetention))},
  };
  std::int64_t total = 0;
  const auto* top = &reasons[0];
  for (const auto& reason : reasons) {
    total += reason.count;
    if (reason.count > top->count) top = &reason;
  }
  if (total == 0) {
    if (r.NoTurns > 0)
      return tr("没有满足要求的方案：所有磁芯在350圈以内都达不到所需电感量。");
    return tr("没有满足要求的方案。");
  }
  return tr("没有满足要求的方案：%1。").arg(top->count == total ? top->all : top->most);
}

void DesignAdviser::ShowResult(const AdviserRequest& request, AdviserResult result) {
  ClearResults();
  shownRequest_ = request;
  shown_ = std::move(result);
  // The panel assesses at the requirement's ambient, as the search did.
  assessment_->SetAmbientTemperature(request.AmbientTemperature);
  if (shown_.FeasibleCount == 0) {
    ui_->labStatus->setText(NoDesignText(shown_, request));
    return;
  }
  ui_->labStatus->setText(tr("共%1个可行方案，最优前沿%2个。")
                              .arg(shown_.FeasibleCount)
                              .arg(shown_.Front.size()));
  std::vector<AdviserRow> rows;
  rows.reserve(shown_.Front.size());
  for (std::size_t i = 0; i < shown_.Front.size(); ++i) {
    auto details = DescribeAdvisedDesign(request, shown_.Front[i]);
    if (!details) continue;  // cannot happen: the search evaluated it the same way
    rows.push_back(AdviserRow{static_cast<int>(i), std::move(*details)});
  }
  model_->SetRows(std::move(rows));
  ui_->tblFront->resizeColumnsToContents();
  ui_->cmdCopyTable->setEnabled(!shown_.Front.empty());
  FillChart();
  FillBestList();
}

void DesignAdviser::FillChart() {
  QChart* chart = ui_->chartDesigns->chart();
  const auto drawn = DesignsToDraw(shown_);
  if (!drawn) return;  // a log chart cannot show zero
  const bool thin = drawn->Thinned;
  const double lowVolume = drawn->LowVolume, highVolume = drawn->HighVolume;
  const double lowLoss = drawn->LowLoss, highLoss = drawn->HighLoss;
  for (std::size_t s = 0; s < 7; ++s) drawn_[s] = drawn->PerSeries[s];
  for (std::size_t s = 0; s < 7; ++s) {
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(drawn_[s].size()));
    for (std::size_t index : drawn_[s])
      points.append({shown_.Feasible[index].WoundVolume, shown_.Feasible[index].TotalLoss});
    scatter_[s]->replace(points);
  }
  // The front exactly: each design's loss holds until the next, larger one lowers it.
  QList<QPointF> steps;
  QList<QPointF> corners;
  for (std::size_t i = 0; i < shown_.Front.size(); ++i) {
    const AdvisedDesign& d = shown_.Front[i];
    if (i > 0) steps.append({d.WoundVolume, shown_.Front[i - 1].TotalLoss});
    steps.append({d.WoundVolume, d.TotalLoss});
    corners.append({d.WoundVolume, d.TotalLoss});
  }
  if (!shown_.Front.empty()) steps.append({highVolume, shown_.Front.back().TotalLoss});
  frontLine_->replace(steps);
  frontPoints_->replace(corners);
  const auto axes = chart->axes();
  for (QAbstractAxis* axis : axes) {
    auto* log = qobject_cast<QLogValueAxis*>(axis);
    if (!log) continue;
    const bool horizontal = axis->orientation() == Qt::Horizontal;
    const double low = horizontal ? lowVolume : lowLoss;
    const double high = horizontal ? highVolume : highLoss;
    // A little room around the cloud; whole decades would leave half the chart empty.
    log->setRange(low / 1.25, high * 1.25);
  }
  ui_->labFront->setText(
      thin ? tr("图中显示%1个方案中的%2个（按区域抽样），前沿完整。")
                 .arg(shown_.Feasible.size())
                 .arg(std::accumulate(drawn_.begin(), drawn_.end(), std::size_t{0},
                                      [](std::size_t n, const auto& v) { return n + v.size(); }))
           : QString());
}

void DesignAdviser::FillBestList() {
  for (std::size_t s = 0; s < 7; ++s) {
    const QString code = QString::fromLatin1(kSeriesCodes[s].data(),
                                             static_cast<qsizetype>(kSeriesCodes[s].size()));
    if (!shownRequest_.Series[s]) continue;
    const auto& best = shown_.BestPerSeries[s];
    auto* item = new QListWidgetItem;
    if (!best) {
      item->setText(tr("%1：无可行方案").arg(code));
      item->setFlags(Qt::NoItemFlags);
    } else {
      // Two lines, so the list stays narrow: the design, then its size and loss.
      item->setText(tr("%1：%2×%3，%4 mm×%5，%6圈\n%7 cm³，%8 W")
                        .arg(code, QString::fromStdString(CatalogueSlot(best->Slot).PartNumber))
                        .arg(best->CoreCount)
                        .arg(QString::fromStdString(PatternText(
                            static_cast<double>(AdviserWireDiameter(best->WireIndex)), "0.0")))
                        .arg(best->StrandCount)
                        .arg(best->Turns)
                        .arg(QString::fromStdString(PatternText(best->WoundVolume, "0.00")),
                             QString::fromStdString(PatternText(best->TotalLoss, "0.000"))));
      item->setData(Qt::UserRole, static_cast<int>(s));
    }
    ui_->lstBest->addItem(item);
  }
}

// ---- Picking -------------------------------------------------------------------------

void DesignAdviser::Pick(const AdvisedDesign& design) {
  const auto details = DescribeAdvisedDesign(shownRequest_, design);
  if (!details) return;
  picking_ = true;
  pickedDesign_ = design;
  report_ = TranslateDomainText(QString::fromStdString(ReportText(details->Evaluation)));
  ui_->txtReport->setPlainText(report_);
  assessment_->SetConverter(shownRequest_.InConverter, true);
  assessment_->Follow(details->Evaluation);
  picked_->replace(QList<QPointF>{{design.WoundVolume, design.TotalLoss}});
  // The table's row, when the design is on the front; otherwise no row.
  int frontRow = -1;
  for (std::size_t i = 0; i < model_->Rows().size(); ++i) {
    const int index = model_->Rows()[i].FrontIndex;
    if (SameDesign(shown_.Front[static_cast<std::size_t>(index)], design)) frontRow = static_cast<int>(i);
  }
  QTableView* table = ui_->tblFront;
  if (frontRow >= 0) {
    const QModelIndex row = sorted_->mapFromSource(model_->index(frontRow, 0));
    table->selectionModel()->select(
        row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table->selectionModel()->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
    table->scrollTo(row);
  } else {
    table->selectionModel()->clearSelection();
  }
  // The best list's line, when it is a series' best.
  ui_->lstBest->clearSelection();
  for (int i = 0; i < ui_->lstBest->count(); ++i) {
    QListWidgetItem* item = ui_->lstBest->item(i);
    const QVariant series = item->data(Qt::UserRole);
    if (!series.isValid()) continue;
    const auto& best = shown_.BestPerSeries[static_cast<std::size_t>(series.toInt())];
    if (best && SameDesign(*best, design)) item->setSelected(true);
  }
  ui_->cmdOpenInCalculator->setEnabled(true);
  picking_ = false;
}

void DesignAdviser::tblFront_SelectionChanged() {
  if (picking_) return;
  const QModelIndexList rows = ui_->tblFront->selectionModel()->selectedRows();
  if (rows.isEmpty()) return;
  const QModelIndex source = sorted_->mapToSource(rows.first());
  const int frontIndex = model_->Rows()[static_cast<std::size_t>(source.row())].FrontIndex;
  Pick(shown_.Front[static_cast<std::size_t>(frontIndex)]);
}

void DesignAdviser::lstBest_SelectionChanged() {
  if (picking_) return;
  const QList<QListWidgetItem*> items = ui_->lstBest->selectedItems();
  if (items.isEmpty()) return;
  const QVariant series = items.first()->data(Qt::UserRole);
  if (!series.isValid()) return;
  if (const auto& best = shown_.BestPerSeries[static_cast<std::size_t>(series.toInt())]) Pick(*best);
}

void DesignAdviser::ChartPointClicked(const QScatterSeries* series, const QPointF& point) {
  // The marker clicked is the drawn design nearest to the point Qt reports.
  const std::vector<const AdvisedDesign*> candidates = [&] {
    std::vector<const AdvisedDesign*> list;
    if (series == frontPoints_) {
      for (const AdvisedDesign& d : shown_.Front) list.push_back(&d);
    } else {
      for (std::size_t s = 0; s < scatter_.size(); ++s) {
        if (scatter_[s] != series) continue;
        for (std::size_t index : drawn_[s]) list.push_back(&shown_.Feasible[index]);
      }
    }
    return list;
  }();
  const AdvisedDesign* nearest = nullptr;
  double best = std::numeric_limits<double>::infinity();
  for (const AdvisedDesign* d : candidates) {
    // Distances on the log axes, as the eye sees them.
    const double dx = std::log(d->WoundVolume / point.x());
    const double dy = std::log(d->TotalLoss / point.y());
    const double distance = dx * dx + dy * dy;
    if (distance < best) {
      best = distance;
      nearest = d;
    }
  }
  if (nearest) Pick(*nearest);
}

// ---- Buttons -------------------------------------------------------------------------

void DesignAdviser::cmdCopyTable_Click() {
  if (model_->Rows().empty()) return;
  QStringList cells;
  for (int c = 0; c < DesignAdviserModel::ColumnCount; ++c)
    cells << model_->headerData(c, Qt::Horizontal).toString();
  QString text = cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  // The rows in the order shown.
  for (int row = 0; row < sorted_->rowCount(); ++row) {
    const QModelIndex source = sorted_->mapToSource(sorted_->index(row, 0));
    cells.clear();
    for (int c = 0; c < DesignAdviserModel::ColumnCount; ++c)
      cells << DesignAdviserModel::Text(model_->Rows()[static_cast<std::size_t>(source.row())], c);
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  QApplication::clipboard()->setText(text);
}

void DesignAdviser::cmdOpenInCalculator_Click() {
  if (!pickedDesign_) return;
  CalculatorDesign design;
  design.PartNumber = CatalogueSlot(pickedDesign_->Slot).PartNumber;
  design.CoreCount = pickedDesign_->CoreCount;
  design.WireDiameter = AdviserWireDiameter(pickedDesign_->WireIndex);
  design.StrandCount = pickedDesign_->StrandCount;
  design.Turns = pickedDesign_->Turns;
  design.AverageCurrent = shownRequest_.AverageCurrent;
  design.PeakCurrent = shownRequest_.PeakCurrent;
  design.RippleCurrent = shownRequest_.RippleCurrent;
  design.FrequencyKHz = shownRequest_.FrequencyKHz;
  if (shownRequest_.InConverter) {
    // The converter's numbers as its screen hands them over, and the converter with them.
    const auto op = OperateConverter(*shownRequest_.InConverter);
    if (!op) return;
    design.PeakCurrent = op->PeakCurrent;
    design.RippleCurrent = op->RippleCurrent;
    design.AverageCurrent = ToFloat32(op->PeakCurrent) - ToFloat32(op->RippleCurrent) / 2.0;
    design.FrequencyKHz = op->RippleFrequencyKHz;
    design.InConverter = shownRequest_.InConverter;
  }
  design.AmbientTemperature = shownRequest_.AmbientTemperature;
  emit OpenInCalculator(design);
}

}  // namespace qiro
