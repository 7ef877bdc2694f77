#include "screens/topology_frame.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "design/analysis/converter_operation.h"
#include "qt-support/platform.h"
#include "qt-support/scrolled_screen.h"
#include "text/number_text.h"
#include "ui_TopologyFrame.h"

namespace qiro {
namespace {

const char* const kMessageTitle = QT_TRANSLATE_NOOP("qiro::TopologyFrame", "错误提示(QIRO Magnetic)");

// Every input passed its check, yet a result would leave the number range (a duty cycle
// stored as exactly 1, a ripple too small to store): refused rather than shown as inf.
const char* const kOutOfRangeMessage =
    QT_TRANSLATE_NOOP("qiro::TopologyFrame", "计算结果超出数值范围，请检查输入参数！");

std::string Utf8(const QString& text) { return text.toStdString(); }

}  // namespace

TopologyFrame::TopologyFrame(QWidget* parent, TopologyScreen screen)
    : QWidget(parent), ui_(std::make_unique<Ui::TopologyFrame>()), screen_(std::move(screen)) {
  SetUpScrolled(this, *ui_);
  setObjectName(QString::fromLatin1(screen_.name));
  setWindowTitle(tr(screen_.captions.window));
  ui_->Frame2->setTitle(tr(screen_.captions.inputPanel));
  ui_->Frame3->setTitle(tr(screen_.captions.resultPanel));
  ui_->Frame1->setTitle(tr(screen_.captions.diagramPanel));
  ui_->picLogo->load(QStringLiteral(":/") + QString::fromLatin1(screen_.picture));
  ui_->picLogo->setAccessibleName(tr(screen_.captions.diagramPanel));
  BuildFields();
  connect(ui_->cmdCal, &QPushButton::clicked, this, &TopologyFrame::cmdCal_Click);
  // Under the result panel, right-aligned, so that "计算" keeps its place between the panels:
  // hands the results to the inductor design.
  auto* design = new QPushButton(tr("设计电感…"), this);
  design->setObjectName(QStringLiteral("cmdDesignInductor"));
  design->setAutoDefault(false);
  ui_->frameLayout->addWidget(design, 1, 2, Qt::AlignRight);
  setTabOrder(results_.empty() ? static_cast<QWidget*>(ui_->cmdCal) : results_.back(), design);
  connect(design, &QPushButton::clicked, this, &TopologyFrame::cmdDesignInductor_Click);
}

TopologyFrame::~TopologyFrame() = default;

void TopologyFrame::BuildFields() {
  QWidget* previous = nullptr;
  for (const TopologyInputField& input : screen_.inputs) {
    auto* field = new QLineEdit(ui_->Frame2);
    field->setObjectName(QString::fromLatin1(input.name));
    // The defaults are in place before any handler listens: opening calculates nothing.
    field->setText(QString::fromUtf8(input.defaultText));
    InstallKeyFilter(field, KeyRule::Numeric);
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &TopologyFrame::Input_Change);
    auto* label = new QLabel(tr(input.caption), ui_->Frame2);
    label->setBuddy(field);
    ui_->inputLayout->addRow(label, field);
    if (previous) setTabOrder(previous, field);
    previous = field;
    inputs_.push_back(field);
  }
  if (previous) setTabOrder(previous, ui_->cmdCal);
  previous = ui_->cmdCal;
  for (const TopologyResultField& result : screen_.results) {
    auto* field = new QLineEdit(ui_->Frame3);
    field->setObjectName(QString::fromLatin1(result.name));
    auto* label = new QLabel(tr(result.caption), ui_->Frame3);
    label->setBuddy(field);
    ui_->resultLayout->addRow(label, field);
    setTabOrder(previous, field);
    previous = field;
    results_.push_back(field);
  }
}

bool TopologyFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
      if (watched == inputs_[i] && *screen_.inputs[i].defaultText != '\0') {
        Input_DblClick(i);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TopologyFrame::Input_DblClick(std::size_t input) {
  // A changed text recalculates through the change handler.
  inputs_[input]->setText(QString::fromUtf8(screen_.inputs[input].defaultText));
}

void TopologyFrame::Input_Change() { CalcResult(); }

std::optional<std::size_t> TopologyFrame::ValInputData() const {
  for (std::size_t i = 0; i < inputs_.size(); ++i) {
    if (!PassesTopologyTest(screen_.inputs[i].check.test, Utf8(inputs_[i]->text()))) return i;
  }
  return std::nullopt;
}

std::vector<float> TopologyFrame::InputValues() const {
  std::vector<float> values;
  for (const QLineEdit* field : inputs_) values.push_back(TopologyInputValue(Utf8(field->text())));
  return values;
}

// Live recalculation: silent, and a refused input leaves the results as they were.
void TopologyFrame::CalcResult() {
  if (ValInputData()) return;
  const auto outcome = CalcTopology(screen_.topology, InputValues());
  if (outcome) WriteResults(*outcome);
}

void TopologyFrame::cmdCal_Click() {
  if (const auto failed = ValInputData()) {
    const TopologyInputCheck& check = screen_.inputs[*failed].check;
    const bool beyond = BeyondTopologyRange(check.test, Utf8(inputs_[*failed]->text()));
    ShowMessage(this, tr(beyond ? check.rangeMessage : check.message), tr(kMessageTitle),
                QMessageBox::Information);
    return;
  }
  const auto outcome = CalcTopology(screen_.topology, InputValues());
  if (!outcome) {
    ShowMessage(this, tr(kOutOfRangeMessage), tr(kMessageTitle), QMessageBox::Information);
    return;
  }
  WriteResults(*outcome);
}

QLineEdit* TopologyFrame::FieldNamed(const char* name) const {
  for (QLineEdit* field : results_) {
    if (field->objectName() == QLatin1String(name)) return field;
  }
  for (QLineEdit* field : inputs_) {
    if (field->objectName() == QLatin1String(name)) return field;
  }
  return nullptr;
}

void TopologyFrame::cmdDesignInductor_Click() {
  QLineEdit* inductance = FieldNamed("txtL");
  QLineEdit* peak = FieldNamed("txtILpk");
  QLineEdit* ripple = FieldNamed("txtdI");
  QLineEdit* frequency = FieldNamed("txtF");
  if (!inductance || !peak || !ripple || !frequency) return;
  if (inductance->text().trimmed().isEmpty()) {
    ShowMessage(this, tr("还没有计算结果：请先输入参数并点击“计算”，再设计电感。"), tr(kMessageTitle),
                QMessageBox::Information);
    return;
  }
  InductorRequirement requirement;
  requirement.Inductance = LeadingNumber(Utf8(inductance->text()));
  requirement.PeakCurrent = LeadingNumber(Utf8(peak->text()));
  requirement.RippleCurrent = LeadingNumber(Utf8(ripple->text()));
  requirement.AverageCurrent = requirement.PeakCurrent - requirement.RippleCurrent / 2;
  // The output inductor of a push-pull or full bridge sees twice the switching frequency,
  // as their inductance formulas already assume.
  const bool doubled =
      screen_.topology == Topology::PushPull || screen_.topology == Topology::FullBridge;
  requirement.FrequencyKHz = LeadingNumber(Utf8(frequency->text())) * (doubled ? 2 : 1);
  if (!(requirement.Inductance > 0) || !std::isfinite(requirement.Inductance)) {
    ShowMessage(this, tr("计算出的电感量不大于0，无法设计电感：请检查输入参数（如占空比）。"),
                tr(kMessageTitle), QMessageBox::Information);
    return;
  }
  if (!(requirement.PeakCurrent > 0) || !(requirement.AverageCurrent >= 0) ||
      !(requirement.RippleCurrent >= 0) || !std::isfinite(requirement.FrequencyKHz)) {
    ShowMessage(this, tr("计算出的电感电流无法用于设计电感：请检查输入参数。"), tr(kMessageTitle),
                QMessageBox::Information);
    return;
  }
  // The results follow the inputs whenever these are valid: then the converter goes along.
  if (!ValInputData()) {
    Converter converter;
    converter.Kind = screen_.topology;
    const auto values = InputValues();
    std::copy(values.begin(), values.end(), converter.Inputs.begin());
    if (OperateConverter(converter)) requirement.InConverter = converter;
  }
  emit DesignInductor(requirement);
}

void TopologyFrame::WriteResults(const std::vector<TopologyValue>& values) {
  for (const TopologyValue& value : values) {
    for (std::size_t i = 0; i < results_.size(); ++i) {
      if (screen_.results[i].quantity == value.quantity) {
        results_[i]->setText(QString::fromStdString(TopologyValueText(value)));
      }
    }
  }
}

}  // namespace qiro
