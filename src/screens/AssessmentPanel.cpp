#include "screens/AssessmentPanel.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "design/assessment_text.h"
#include "design/design_assessment.h"
#include "screens/platform.h"
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

AssessmentPanel::AssessmentPanel(QWidget* parent, bool withoutRipple)
    : QGroupBox(tr("设计评估"), parent), withoutRipple_(withoutRipple) {
  setObjectName(QStringLiteral("fraAssessment"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  txtAmbient_ = new QLineEdit(QStringLiteral("25"), this);
  txtAmbient_->setObjectName(QStringLiteral("txtAmbient"));
  auto* caption = new QLabel(tr("环境温度(°C)"), this);
  caption->setBuddy(txtAmbient_);
  form->addRow(caption, txtAmbient_);
  layout->addLayout(form);
  lines_ = new QVBoxLayout;
  layout->addLayout(lines_);
  layout->addStretch(1);
  InstallKeyFilter(txtAmbient_, KeyRule::Numeric);
  connect(txtAmbient_, &QLineEdit::textChanged, this, &AssessmentPanel::txtAmbient_Change);
  Show({tr("尚无设计可评估")}, {0});
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

void AssessmentPanel::Refresh() {
  if (!design_) return;
  AssessmentRefusal refusal = AssessmentRefusal::None;
  const auto assessed = AssessDesign(*design_, ambient_, refusal);
  QStringList texts;
  QList<int> levels;
  if (!assessed) {
    texts << QString::fromStdString(AssessmentRefusalText(refusal));
    levels << static_cast<int>(AssessmentLevel::Plain);
  } else {
    for (const AssessmentLine& line : AssessmentText(*assessed, withoutRipple_)) {
      texts << QString::fromStdString(line.Text);
      levels << static_cast<int>(line.Level);
    }
  }
  Show(texts, levels);
}

void AssessmentPanel::Show(const QStringList& texts, const QList<int>& levels) {
  while (labels_.size() < texts.size()) {
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("labAssessment%1").arg(labels_.size()));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lines_->addWidget(label);
    labels_ << label;
  }
  for (qsizetype i = 0; i < labels_.size(); ++i) {
    QLabel* label = labels_[i];
    const bool used = i < texts.size();
    label->setVisible(used);
    label->setText(used ? texts[i] : QString());
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
