#include "screens/frmDiangan.h"
#include "qt-support/domain_text.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QScrollBar>
#include <algorithm>
#include <string>
#include <variant>

#include "core-data/catalogue.h"
#include "design/exchange/design_document.h"
#include "design/calculators/toroid_core_list.h"
#include "design/calculators/toroid_inputs.h"
#include "design/calculators/toroid_reading.h"
#include "design/calculators/toroid_report.h"
#include "magnetics/evaluate_inductor.h"
#include "screens/frmCurrentDensity.h"
#include "workbench/AssessmentPanel.h"
#include "workbench/design_export.h"
#include "qt-support/platform.h"
#include "workbench/report_copy.h"
#include "qt-support/scrolled_screen.h"
#include "text/float_range.h"
#include "text/key_rules.h"
#include "text/number_text.h"
#include "ui_frmDiangan.h"

namespace qiro {
namespace {

double Number(const QString& text) { return LeadingNumber(text.toStdString()); }

// A rule's result goes into the field only when it could be computed; otherwise the
// field keeps what it has.
void Write(QLineEdit* field, const std::optional<std::string>& text) {
  if (text) field->setText(QString::fromStdString(*text));
}

// Focus rules serve moves between this screen's own fields. Focus also leaves a field
// when a message box, a menu or another window takes over, or while the window closes;
// those moves must not rewrite what the user typed.
bool IsMoveWithin(const QWidget* screen, const QFocusEvent* event) {
  if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
    return false;
  if (event->type() == QEvent::FocusIn) return true;
  const QWidget* next = QApplication::focusWidget();
  return next && screen->isAncestorOf(next);
}

// The shortest text that reads back as the same 32-bit value: the calculator then stores
// exactly the value the sender evaluated with.
QString ExactText(double value) {
  return QString::fromStdString(RoundTripText(static_cast<float>(value)));
}

}  // namespace

frmDiangan::frmDiangan(QWidget* parent)
    : QWidget(parent),
      ui(std::make_unique<Ui::frmDiangan>()),
      curveSubject_(tr("尚未计算任何设计：请输入电流、频率和绕线圈数，并在列表中选择磁芯。")) {
  SetUpScrolled(this, *ui);
  setObjectName(QStringLiteral("frmDiangan"));

  // The warning appears and disappears with each refresh; keeping its room stops the
  // inputs above it from jumping.
  QSizePolicy keepRoom = ui->labMsg->sizePolicy();
  keepRoom.setRetainSizeWhenHidden(true);
  ui->labMsg->setSizePolicy(keepRoom);
  ui->labMsg->hide();

  assessment_ = new AssessmentPanel(this, false);
  ui->layLeft->addWidget(assessment_);
  ui->layReportButtons->addWidget(MakeExportButton(this, ShownDesign(curveSubject_, report_, *assessment_)));
  // The curves window's temperature chart uses the panel's ambient.
  connect(assessment_, &AssessmentPanel::ambientTemperatureChanged, this, [this](double ambient) {
    if (curves_) curves_->SetAmbientTemperature(ambient);
  });

  // Wide enough for the report's rule line and the core's dimension lines without wrapping.
  const QFontMetrics metrics(ui->txtShow->font());
  const int textWidth =
      std::max(metrics.horizontalAdvance(QString(48, QLatin1Char('='))),
               metrics.horizontalAdvance(
                   TranslateDomainText(QStringLiteral("涂层后尺寸：外径×内径×高度=102.87×55.75×17.78 mm"))));
  const int chrome = ui->txtShow->verticalScrollBar()->sizeHint().width() +
                     2 * ui->txtShow->frameWidth() + 2 * metrics.averageCharWidth();
  ui->txtShow->setMinimumWidth(textWidth + chrome);
  // Tall enough to show the core's seven lines and the report's seventeen at once.
  const auto heightFor = [&metrics](const QPlainTextEdit* box, int lines) {
    const int margin = static_cast<int>(box->document()->documentMargin());
    return lines * metrics.lineSpacing() + 2 * margin + 2 * box->frameWidth() + 2;
  };
  ui->txtShowCore->setMinimumHeight(heightFor(ui->txtShowCore, 7));
  ui->txtShow->setMinimumHeight(heightFor(ui->txtShow, 17));
  ui->txtTurns->setMaximumWidth(metrics.horizontalAdvance(QStringLiteral("0000")) +
                                2 * metrics.averageCharWidth());
  ui->cmdCurrentDensity->setMaximumWidth(ui->cmdCurrentDensity->sizeHint().height() * 3 / 2);

  InstallKeyFilter(ui->txtIrms, KeyRule::Numeric);
  InstallKeyFilter(ui->txtIpeak, KeyRule::Numeric);
  InstallKeyFilter(ui->txtdI, KeyRule::Numeric, [this](int key) { return txtdI_KeyPress(key); });
  InstallKeyFilter(ui->txtF, KeyRule::Numeric);
  InstallKeyFilter(ui->cmbCoreCount, KeyRule::Numeric);
  InstallKeyFilter(ui->txtCopperPcs, KeyRule::Integer);
  // The turns come from the scroll bar and the wire size from its list: neither takes
  // keys, and neither can be pasted into (the turns field is read-only, the wire list is
  // not editable), so a typed "0" can never reach a division.
  InstallKeyFilter(ui->txtTurns, KeyRule::None);
  InstallKeyFilter(ui->cmbWinding, KeyRule::None);
  ui->cmbCoreCount->setCompleter(nullptr);

  for (QLineEdit* field :
       {ui->txtIrms, ui->txtIpeak, ui->txtdI, ui->txtF, ui->txtCopperPcs, ui->txtTurns}) {
    field->installEventFilter(this);  // focus rules and double-clicks
  }
  new ReportCopy(ui->txtShow, [this] { return report_; });
  ConnectHandlers();
  Form_Load();
}

frmDiangan::~frmDiangan() {
  // Children are destroyed after this object's handlers are gone; none may reach them.
  for (QObject* child : findChildren<QObject*>()) {
    child->removeEventFilter(this);
    child->disconnect(this);
  }
}

void frmDiangan::ConnectHandlers() {
  connect(ui->txtIrms, &QLineEdit::textChanged, this, &frmDiangan::txtIrms_Change);
  connect(ui->txtIpeak, &QLineEdit::textChanged, this, &frmDiangan::txtIpeak_Change);
  connect(ui->txtdI, &QLineEdit::textChanged, this, &frmDiangan::txtdI_Change);
  connect(ui->txtF, &QLineEdit::textChanged, this, &frmDiangan::txtF_Change);
  connect(ui->cmbWinding, &QComboBox::activated, this, &frmDiangan::cmbWinding_Click);
  connect(ui->txtCopperPcs, &QLineEdit::textChanged, this, &frmDiangan::txtCopperPcs_Change);
  connect(ui->hcrollTurns, &QScrollBar::valueChanged, this, &frmDiangan::hcrollTurns_Change);
  connect(ui->txtTurns, &QLineEdit::textChanged, this, &frmDiangan::txtTurns_Change);
  connect(ui->cmbCoreCount, &QComboBox::activated, this, &frmDiangan::cmbCoreCount_Click);
  connect(ui->cmdCurrentDensity, &QPushButton::clicked, this,
          &frmDiangan::cmdCurrentDensity_Click);
  connect(ui->txtSearch, &QLineEdit::textChanged, this, &frmDiangan::txtSearch_Change);
  connect(ui->lstCoreList, &QListWidget::itemSelectionChanged, this,
          &frmDiangan::lstCoreList_Click);
  connect(ui->cmdJiSuan, &QPushButton::clicked, this, &frmDiangan::cmdJiSuan_Click);
  connect(ui->cmdCurves, &QPushButton::clicked, this, &frmDiangan::cmdCurves_Click);
  connect(ui->cmdCopyReport, &QPushButton::clicked, this, &frmDiangan::cmdCopyReport_Click);
}

void frmDiangan::Form_Load() {
  partNumbers_.reserve(CatalogueSize);
  for (int slot = 1; slot <= CatalogueSize; ++slot) {
    partNumbers_.append(QString::fromStdString(CatalogueSlot(slot).PartNumber));
  }
  ui->lstCoreList->clear();
  ui->lstCoreList->addItems(partNumbers_);
}

bool frmDiangan::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::MouseButtonDblClick) {
    if (watched == ui->txtIpeak) txtIpeak_DblClick();
    if (watched == ui->txtdI) txtdI_DblClick();
    return false;
  }
  if (type != QEvent::FocusIn && type != QEvent::FocusOut) return false;
  const auto* focus = static_cast<QFocusEvent*>(event);
  if (type == QEvent::FocusIn && focus->reason() == Qt::ActiveWindowFocusReason) {
    // The window came to the front (first shown, or back from another window): the field
    // keeps its text, but a placeholder "0" is selected so that typing replaces it.
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && !field->isReadOnly() && field->text() == QLatin1String("0")) field->selectAll();
    return false;
  }
  if (!IsMoveWithin(this, focus)) return false;
  if (type == QEvent::FocusIn) {
    if (watched == ui->txtIrms) txtIrms_GotFocus();
    if (watched == ui->txtIpeak) txtIpeak_GotFocus();
    if (watched == ui->txtdI) txtdI_GotFocus();
    if (watched == ui->txtF) txtF_GotFocus();
    if (watched == ui->txtCopperPcs) txtCopperPcs_GotFocus();
  } else {
    if (watched == ui->txtIrms) txtIrms_LostFocus();
    if (watched == ui->txtIpeak) txtIpeak_LostFocus();
    if (watched == ui->txtdI) txtdI_LostFocus();
    if (watched == ui->txtF) txtF_LostFocus();
    if (watched == ui->txtCopperPcs) txtCopperPcs_LostFocus();
    if (watched == ui->txtTurns) txtTurns_LostFocus();
  }
  return false;
}

// ---- Currents ------------------------------------------------------------------------

void frmDiangan::txtIrms_Change() {
  // Writing the peak also rewrites the ripple from it; the second write of the peak
  // leaves the same text and, as every write of unchanged text here, triggers nothing.
  const std::string average = ui->txtIrms->text().toStdString();
  Write(ui->txtIpeak, PeakFromAverage(average));
  Write(ui->txtdI, RippleFromAverage(average));
  Write(ui->txtIpeak, PeakFromAverage(average));
  RefreshCurrentDensity();
  RefreshReport();
}

void frmDiangan::txtIrms_GotFocus() {
  if (ui->txtIrms->text() == QLatin1String("0")) ui->txtIrms->clear();
}

void frmDiangan::txtIrms_LostFocus() {
  if (Number(ui->txtIrms->text()) == 0) ui->txtIrms->setText(QStringLiteral("0"));
}

void frmDiangan::txtIpeak_Change() {
  Write(ui->txtdI, RippleFromPeak(ui->txtIpeak->text().toStdString(), 0.2));
  RefreshReport();
}

void frmDiangan::txtIpeak_DblClick() {
  Write(ui->txtIpeak, PeakFromAverage(ui->txtIrms->text().toStdString()));
}

void frmDiangan::txtIpeak_GotFocus() {
  if (ui->txtIpeak->text() == QLatin1String("0")) ui->txtIpeak->clear();
}

void frmDiangan::txtIpeak_LostFocus() {
  const QString peak = ui->txtIpeak->text();
  const QString average = ui->txtIrms->text();
  if ((peak == QLatin1String("0") || peak.isEmpty()) && !average.isEmpty()) {
    Write(ui->txtIpeak, PeakFromAverage(average.toStdString()));
  }
  // The peak cannot be left at or below the average.
  if (Number(ui->txtIrms->text()) >= Number(ui->txtIpeak->text())) {
    Write(ui->txtIpeak, PeakFromAverage(ui->txtIrms->text().toStdString()));
  }
}

void frmDiangan::txtdI_Change() { RefreshReport(); }

void frmDiangan::txtdI_DblClick() {
  Write(ui->txtdI, RippleFromPeak(ui->txtIpeak->text().toStdString(), 0.2));
}

bool frmDiangan::txtdI_KeyPress(int key) {
  // Space and Enter are shortcuts for 15 % and 10 % of the peak; neither is typed.
  if (key == kKeySpace) {
    Write(ui->txtdI, RippleFromPeak(ui->txtIpeak->text().toStdString(), 0.15));
    return true;
  }
  if (key == kKeyEnter) {
    Write(ui->txtdI, RippleFromPeak(ui->txtIpeak->text().toStdString(), 0.1));
    return true;
  }
  return false;
}

void frmDiangan::txtdI_GotFocus() {
  if (Number(ui->txtdI->text()) == 0) ui->txtdI->clear();
}

void frmDiangan::txtdI_LostFocus() {
  if (Number(ui->txtdI->text()) == 0) {
    Write(ui->txtdI, RippleFromPeak(ui->txtIpeak->text().toStdString(), 0.2));
  }
}

void frmDiangan::txtF_Change() { RefreshReport(); }

void frmDiangan::txtF_GotFocus() {
  if (ui->txtF->text() == QLatin1String("0")) ui->txtF->clear();
}

void frmDiangan::txtF_LostFocus() {
  if (Number(ui->txtF->text()) == 0) ui->txtF->setText(QStringLiteral("0"));
}

// ---- Winding -------------------------------------------------------------------------

void frmDiangan::cmbWinding_Click() {
  RefreshCurrentDensity();
  RefreshReport();
}

void frmDiangan::txtCopperPcs_Change() {
  if (ui->txtCopperPcs->text().isEmpty()) return;
  RefreshCurrentDensity();
  RefreshReport();
}

void frmDiangan::txtCopperPcs_GotFocus() {
  if (ui->txtCopperPcs->text() == QLatin1String("0")) ui->txtCopperPcs->clear();
}

void frmDiangan::txtCopperPcs_LostFocus() {
  const QString text = ui->txtCopperPcs->text();
  if (Number(text) == 0 || text == QLatin1String("0")) {
    ui->txtCopperPcs->setText(QStringLiteral("1"));
  }
}

void frmDiangan::hcrollTurns_Change(int value) {
  ui->txtTurns->setText(QString::number(value));
}

void frmDiangan::txtTurns_Change() {
  const double turns = Number(ui->txtTurns->text());
  if (turns > 0 && !(turns > kMostTurns)) {
    const auto count = ToInteger16(turns);
    if (count && *count >= 1) ui->hcrollTurns->setValue(*count);
  }
  RefreshReport();
}

void frmDiangan::txtTurns_LostFocus() {
  const QString text = ui->txtTurns->text();
  if (Number(text) == 0 || text == QLatin1String("0")) ui->txtTurns->setText(QStringLiteral("1"));
  if (Number(ui->txtTurns->text()) > kMostTurns) ui->txtTurns->setText(QStringLiteral("400"));
}

void frmDiangan::cmbCoreCount_Click() { RefreshReport(); }

void frmDiangan::cmdCurrentDensity_Click() {
  if (!currentDensityDialog_) currentDensityDialog_ = new frmCurrentDensity(this);
  currentDensityDialog_->exec();
}

void frmDiangan::RefreshCurrentDensity() {
  const auto caption = CurrentDensityCaption(ui->txtIrms->text().toStdString(),
                                             ui->cmbWinding->currentText().toStdString(),
                                             ui->txtCopperPcs->text().toStdString());
  if (caption) ui->labCurrentDensity->setText(TranslateDomainText(QString::fromStdString(*caption)));
}

// ---- Core list -----------------------------------------------------------------------

void frmDiangan::txtSearch_Change() { FilterCoreList(ui->txtSearch->text()); }

void frmDiangan::FilterCoreList(const QString& searchText) {
  const std::vector<int> matching = SlotsMatching(searchText.toStdString());
  QStringList found;
  found.reserve(static_cast<qsizetype>(matching.size()));
  for (int slot : matching) found.append(partNumbers_.at(slot - 1));
  ui->lstCoreList->clear();
  ui->lstCoreList->addItems(found);
}

void frmDiangan::lstCoreList_Click() {
  const QString partNumber = SelectedPartNumber();
  if (partNumber.isEmpty()) return;  // the selection was cleared, nothing was picked
  const CoreRecord core = FindCoreByPartNumber(partNumber.toStdString());
  ui->txtShowCore->setPlainText(TranslateDomainText(QString::fromStdString(CoreInfoText(core))));
  RefreshReport();
}

QString frmDiangan::SelectedPartNumber() const {
  const QList<QListWidgetItem*> selected = ui->lstCoreList->selectedItems();
  return selected.isEmpty() ? QString() : selected.first()->text().trimmed();
}

// ---- A design handed over -------------------------------------------------------------

void frmDiangan::ApplyDesign(const CalculatorDesign& design) {
  // A design found for a converter is judged in it too, until another design is handed over;
  // set first, so the refreshes below carry it to the panel and the curves.
  assessment_->SetConverter(design.InConverter);
  // The core: picked in the list, which must show it (a search text that hides it goes).
  const QString partNumber = QString::fromStdString(design.PartNumber);
  if (FindSlotByPartNumber(design.PartNumber)) {
    auto found = ui->lstCoreList->findItems(partNumber, Qt::MatchExactly);
    if (found.isEmpty()) {
      ui->txtSearch->clear();
      found = ui->lstCoreList->findItems(partNumber, Qt::MatchExactly);
    }
    if (!found.isEmpty()) {
      ui->lstCoreList->setCurrentItem(found.first(), QItemSelectionModel::ClearAndSelect);
      ui->lstCoreList->scrollToItem(found.first());
    }
  }
  // Core count and wire: chosen in their lists, as a click would, then their rules run.
  const QString cores = QString::fromStdString(RoundTripText(design.CoreCount));
  const int coreIndex = ui->cmbCoreCount->findText(cores);
  if (coreIndex >= 0) {
    ui->cmbCoreCount->setCurrentIndex(coreIndex);
  } else {
    ui->cmbCoreCount->setEditText(cores);
  }
  cmbCoreCount_Click();
  const int wireIndex = ui->cmbWinding->findText(
      QString::fromStdString(PatternText(static_cast<double>(design.WireDiameter), "0.0")));
  if (wireIndex >= 0) {
    ui->cmbWinding->setCurrentIndex(wireIndex);
    cmbWinding_Click();
  }
  ui->txtCopperPcs->setText(QString::number(design.StrandCount));
  // The turns come from the scroll bar, whose change writes the turns field.
  if (design.Turns >= ui->hcrollTurns->minimum() && design.Turns <= ui->hcrollTurns->maximum()) {
    ui->hcrollTurns->setValue(design.Turns);
    ui->txtTurns->setText(QString::number(design.Turns));
  }
  // The average writes the peak and the ripple, the peak writes the ripple again: typed in
  // this order, each value ends as handed over.
  ui->txtIrms->setText(ExactText(design.AverageCurrent));
  ui->txtIpeak->setText(ExactText(design.PeakCurrent));
  if (design.RippleCurrent) ui->txtdI->setText(ExactText(*design.RippleCurrent));
  if (design.FrequencyKHz) ui->txtF->setText(ExactText(*design.FrequencyKHz));
  if (design.AmbientTemperature) assessment_->SetAmbientTemperature(*design.AmbientTemperature);
  // Fields that already held these texts raised no change: the report follows them anyway.
  RefreshCurrentDensity();
  RefreshReport();
}

ToroidInputTexts frmDiangan::InputTexts() const {
  ToroidInputTexts texts;
  texts.averageCurrent = ui->txtIrms->text().toStdString();
  texts.peakCurrent = ui->txtIpeak->text().toStdString();
  texts.rippleCurrent = ui->txtdI->text().toStdString();
  texts.frequency = ui->txtF->text().toStdString();
  texts.wireDiameter = ui->cmbWinding->currentText().toStdString();
  texts.strandCount = ui->txtCopperPcs->text().toStdString();
  texts.turns = ui->txtTurns->text().toStdString();
  texts.coreCount = ui->cmbCoreCount->currentText().toStdString();
  texts.coreSelected = !SelectedPartNumber().isEmpty();
  return texts;
}

std::variant<CalculatorDesign, QString> frmDiangan::HeldDesign() const {
  const QString partNumber = SelectedPartNumber();
  const ToroidInputTexts texts = InputTexts();
  const auto read = ReadToroidInputs(texts);
  if (const auto* fault = std::get_if<ToroidInputFault>(&read)) return FaultMessage(*fault);
  const ToroidInputs& in = std::get<ToroidInputs>(read);
  CalculatorDesign design;
  design.PartNumber = partNumber.toStdString();
  design.CoreCount = in.coreCount;
  design.WireDiameter = in.wireDiameter;
  design.StrandCount = in.strandCount;
  design.Turns = in.turns;
  design.AverageCurrent = in.averageCurrent;
  design.PeakCurrent = in.peakCurrent;
  design.RippleCurrent = in.rippleCurrent;
  design.FrequencyKHz = in.frequencyKHz;
  design.AmbientTemperature = assessment_->AmbientTemperature();
  design.InConverter = assessment_->InConverter();
  return design;
}

// ---- Report --------------------------------------------------------------------------

void frmDiangan::RefreshReport() { UpdateReport(); }

void frmDiangan::cmdJiSuan_Click() {
  if (const auto message = UpdateReport()) {
    ShowMessage(this, *message, tr("错误提示(QIRO Magnetic)"), QMessageBox::Information);
  }
}

std::optional<QString> frmDiangan::UpdateReport() {
  const QString partNumber = SelectedPartNumber();
  const ToroidInputTexts texts = InputTexts();

  // A refused input leaves the last report as it was; the warning belongs to a design
  // that can no longer be shown, so it goes.
  const auto read = ReadToroidInputs(texts);
  if (const auto* fault = std::get_if<ToroidInputFault>(&read)) {
    ui->labMsg->hide();
    const QString message = FaultMessage(*fault);
    FollowDesign(tr("当前输入无法计算：%1").arg(message));
    return message;
  }
  const ToroidInputs in = std::get<ToroidInputs>(read);
  // Writing the strand count runs that field's rule, which completes a report of its own;
  // this run then writes the same report again.
  if (in.strandCountReplaced) ui->txtCopperPcs->setText(QStringLiteral("1"));
  if (in.coreCountReplaced) ui->cmbCoreCount->setEditText(QStringLiteral("1"));

  const CoreRecord core = FindCoreByPartNumber(partNumber.toStdString());
  const auto evaluation =
      EvaluateInductor(core, core, in.coreCount, 0, in.frequencyKHz, in.averageCurrent,
                       in.peakCurrent, in.rippleCurrent, in.wireDiameter, in.strandCount,
                       in.turns);
  if (!evaluation) {
    ui->labMsg->hide();
    const QString message = tr("计算结果超出数值范围！请检查输入的数值");
    FollowDesign(tr("当前输入无法计算：%1").arg(message));
    return message;
  }
  ui->labMsg->setText(tr("注意：绕线困难！"));
  ui->labMsg->setVisible(!WindingWarning(*evaluation).empty());
  report_ = TranslateDomainText(QString::fromStdString(ReportText(*evaluation)));
  ui->txtShow->setPlainText(report_);
  ui->cmdCopyReport->setEnabled(true);
  assessment_->Follow(*evaluation);
  FollowDesign(CurveDesign{core, in.coreCount, in.frequencyKHz, in.averageCurrent,
                           in.peakCurrent, in.rippleCurrent, in.wireDiameter, in.strandCount,
                           in.turns, assessment_->InConverter()});
  return std::nullopt;
}

QString frmDiangan::FaultMessage(ToroidInputFault fault) {
  switch (fault) {
    case ToroidInputFault::AverageCurrent: return tr("请输入“平均”电流！单位为安培");
    case ToroidInputFault::PeakCurrent: return tr("请输入“峰值”电流！单位为安培");
    case ToroidInputFault::RippleCurrent: return tr("请输入“纹波”电流！单位为安培");
    case ToroidInputFault::Frequency: return tr("请输入“频率”，注意单位为千赫兹！");
    case ToroidInputFault::Turns: return tr("请输入绕线圈数！");
    case ToroidInputFault::NoCore: return tr("没有选择任何磁芯，请从列表中选择需要的磁芯！");
    case ToroidInputFault::StrandCount: return tr("铜线根数超出范围！最多为32767根");
    case ToroidInputFault::CoreCount: return tr("磁芯个数超出范围！请重新输入磁芯个数");
    case ToroidInputFault::WireDiameter: return tr("请在列表中选择线径！");
    case ToroidInputFault::AverageCurrentRange: return tr("平均电流超出数值范围！");
    case ToroidInputFault::PeakCurrentRange: return tr("峰值电流超出数值范围！");
    case ToroidInputFault::RippleCurrentRange: return tr("纹波电流超出数值范围！");
    case ToroidInputFault::FrequencyRange: return tr("频率超出数值范围！");
  }
  return {};
}

void frmDiangan::FollowDesign(const CurveSubject& subject) {
  curveSubject_ = subject;
  if (curves_) curves_->Follow(curveSubject_);
}

void frmDiangan::cmdCurves_Click() {
  if (!curves_) curves_ = new DesignCurves(this);
  curves_->SetAmbientTemperature(assessment_->AmbientTemperature());
  curves_->Follow(curveSubject_);
  curves_->show();
  curves_->raise();
  curves_->activateWindow();
}

void frmDiangan::cmdCopyReport_Click() { CopyReport(report_); }

}  // namespace qiro
