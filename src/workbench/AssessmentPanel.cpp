#include "workbench/AssessmentPanel.h"
#include "qt-support/domain_text.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QGridLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "design/analysis/assessment_text.h"
#include "design/analysis/design_assessment.h"
#include "design/exchange/design_document.h"
#include "qt-support/platform.h"
#include "text/number_text.h"

namespace qiro {
namespace {

// Colours for the verdicts; each line also carries its verdict as a word.
QString ColourOf(int level) {
  switch (static_cast<AssessmentLevel>(level)) {
    case AssessmentLevel::Normal: return QStringLiteral("color: #1b7a34;");
    case AssessmentLevel::High: return QStringLiteral("color: #b35900;");
    case AssessmentLevel::TooHigh: return QStringLiteral("color: #c41e1e; font-weight: bold;");
    case AssessmentLevel::Plain: break;
  }
  return {};
}

}  // namespace

AssessmentPanel::AssessmentPanel(QWidget* parent, bool withoutRipple, int columns)
    : QGroupBox(tr("设计评估"), parent), withoutRipple_(withoutRipple) {
  setObjectName(QStringLiteral("fraAssessment"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  txtAmbient_ = new QLineEdit(QStringLiteral("25"), this);
  txtAmbient_->setObjectName(QStringLiteral("txtAmbient"));
  txtAmbient_->setMaximumWidth(10 * fontMetrics().averageCharWidth() + 12);
  auto* caption = new QLabel(tr("环境温度(°C)"), this);
  caption->setBuddy(txtAmbient_);
  form->addRow(caption, txtAmbient_);
  layout->addLayout(form);
  lines_ = new QGridLayout;
  lines_->setHorizontalSpacing(3 * fontMetrics().averageCharWidth());
  layout->addLayout(lines_);
  layout->addStretch(1);
  // A cold-climate ambient is typed with its minus sign.
  InstallKeyFilter(txtAmbient_, KeyRule::SignedNumeric);
  connect(txtAmbient_, &QLineEdit::textChanged, this, &AssessmentPanel::txtAmbient_Change);
  // Room for every line from the start, so the screen keeps its size when a design arrives.
  const int mostLines = withoutRipple_ ? 13 : 11;
  const int across = std::max(1, columns);
  rows_ = (mostLines + across - 1) / across;
  for (int i = 0; i < mostLines; ++i) AddLabel();
  Show({tr("尚无设计可评估")}, {0});
}

void AssessmentPanel::AddLabel() {
  auto* label = new QLabel(this);
  label->setObjectName(QStringLiteral("labAssessment%1").arg(labels_.size()));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  QSizePolicy keepRoom = label->sizePolicy();
  keepRoom.setRetainSizeWhenHidden(true);
  label->setSizePolicy(keepRoom);
  const auto index = static_cast<int>(labels_.size());
  lines_->addWidget(label, index % rows_, index / rows_);
  labels_ << label;
}

void AssessmentPanel::SetAmbientTemperature(double ambient) {
  if (!(ambient >= kLowestAmbient && ambient <= kHighestAmbient)) return;
  // Exactly the value handed over (a design file's ambient reads back as it was written).
  txtAmbient_->setText(QString::fromStdString(RoundTripText(ambient)));
}

void AssessmentPanel::txtAmbient_Change() {
  // Refused silently, as the report's fields are: the panel keeps the last ambient.
  const std::string text = txtAmbient_->text().toStdString();
  if (!IsNumberText(text)) return;
  const double ambient = LeadingNumber(text);
  if (!(ambient >= kLowestAmbient && ambient <= kHighestAmbient)) return;
  if (ambient == ambient_) return;
  ambient_ = ambient;
  Refresh();
  emit ambientTemperatureChanged(ambient_);
}

void AssessmentPanel::Follow(const InductorEvaluation& design) {
  design_ = design;
  Refresh();
}

void AssessmentPanel::SetConverter(const std::optional<Converter>& converter, bool alone) {
  converter_ = converter;
  converterAlone_ = alone;
  Refresh();
}

void AssessmentPanel::Clear() {
  design_.reset();
  Show({tr("尚无设计可评估")}, {0});
}

void AssessmentPanel::Refresh() {
  if (!design_) return;
  AssessmentRefusal refusal = AssessmentRefusal::None;
  const auto assessed = AssessDesign(*design_, ambient_, refusal);
  QStringList texts;
  QList<int> levels;
  if (!assessed) {
    texts << TranslateDomainText(QString::fromStdString(AssessmentRefusalText(refusal)));
    levels << static_cast<int>(AssessmentLevel::Plain);
  } else {
    for (const AssessmentLine& line : AssessmentText(*assessed, withoutRipple_)) {
      texts << TranslateDomainText(QString::fromStdString(line.Text));
      levels << static_cast<int>(line.Level);
    }
  }
  // Why a design cannot be assessed may be longer than the column is wide: it wraps rather
  // than being cut off. The lines of an assessment are short and stay on one line each.
  labels_.front()->setWordWrap(!assessed);
  int secondColumn = -1;
  if (converter_ && converterAlone_) {
    texts.clear();
    levels.clear();
  } else if (converter_) {
    texts.prepend(TranslateDomainText(QString::fromStdString(DirectCurrentHeading())));
    levels.prepend(static_cast<int>(AssessmentLevel::Plain));
    // The two assessments side by side, each in a column of its own.
    secondColumn = static_cast<int>(texts.size());
  }
  if (converter_) {
    const auto op = OperateConverter(*converter_);
    AssessmentRefusal inRefusal = AssessmentRefusal::InvalidInput;
    const auto in = op ? AssessInConverter(*op, design_->Core, design_->CoreCount,
                                           design_->WireDiameter, design_->StrandCount,
                                           design_->Turns, ambient_, inRefusal)
                       : Outcome<ConverterAssessment>::Fail(op.error());
    for (const AssessmentLine& line :
         ConverterAssessmentText(*converter_, in ? &in->Assessment : nullptr,
                                 in ? &in->Load : nullptr, inRefusal)) {
      texts << TranslateDomainText(QString::fromStdString(line.Text));
      levels << static_cast<int>(line.Level);
    }
  }
  Show(texts, levels, secondColumn);
}

void AssessmentPanel::Show(const QStringList& texts, const QList<int>& levels, int secondColumn) {
  while (labels_.size() < texts.size()) AddLabel();
  for (qsizetype i = 0; i < labels_.size(); ++i) {
    QLabel* label = labels_[i];
    const int index = static_cast<int>(i);
    if (secondColumn >= 0) {
      lines_->addWidget(label, index < secondColumn ? index : index - secondColumn,
                        index < secondColumn ? 0 : 1);
    } else {
      lines_->addWidget(label, index % rows_, index / rows_);
    }
    const bool used = i < texts.size();
    label->setVisible(used);
    // An unused line keeps the height of a line of text.
    label->setText(used ? texts[i] : QStringLiteral(" "));
    label->setStyleSheet(used ? ColourOf(levels[i]) : QString());
  }
}

QStringList AssessmentPanel::Lines() const {
  QStringList lines;
  for (const QLabel* label : labels_) {
    if (!label->isHidden()) lines << label->text();
  }
  return lines;
}

}  // namespace qiro
