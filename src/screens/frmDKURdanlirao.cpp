#include "screens/frmDKURdanlirao.h"
#include "qt-support/domain_text.h"

#include <QPixmap>
#include <QValidator>

#include "qt-support/platform.h"
#include "qt-support/svg_picture.h"
#include "qt-support/scrolled_screen.h"
#include "text/number_text.h"
#include "ui_frmDKURdanlirao.h"

namespace qiro {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStd(const QString& text) { return text.toUtf8().toStdString(); }

// Keeps out of the parallel-wire field any text that is not a 16-bit count, typed or
// pasted: "40000" is refused at its last digit instead of wrapping to a negative count.
class WindingPcsValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& /*pos*/) const override {
    return WindingPcsTextAccepted(ToStd(input)) ? Acceptable : Invalid;
  }
};

void FillCombo(QComboBox* box, std::span<const std::string_view> items, std::string_view prompt) {
  box->setCompleter(nullptr);
  for (std::string_view item : items) box->addItem(ToQString(item));
  // No item chosen: the prompt stands in the edit field, and any pick is a change.
  box->setCurrentIndex(-1);
  box->setEditText(TranslateDomainText(ToQString(prompt)));
}

// Shows the text in an editable combo, choosing the item of that text when there is one.
void SetComboText(QComboBox* box, std::string_view text) {
  const QString wanted = ToQString(text);
  box->setCurrentIndex(box->findText(wanted, Qt::MatchExactly));
  box->setEditText(wanted);
}

// The drawing fills the picture's room on a white ground.
void ShowDrawing(QLabel* picture, const QString& path) {
  const QPixmap drawing =
      RenderDrawing(path, picture->minimumSize(), picture->devicePixelRatioF(), Qt::white);
  if (!drawing.isNull()) picture->setPixmap(drawing);
}

void FillList(QListWidget* list, std::span<const std::string_view> items) {
  list->clear();
  for (std::string_view item : items) list->addItem(ToQString(item));
}

}  // namespace

frmDKURdanlirao::frmDKURdanlirao(QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::frmDKURdanlirao>()) {
  SetUpScrolled(this, *ui_);

  ShowDrawing(ui_->picCore, QStringLiteral(":/ur_core.svg"));
  ShowDrawing(ui_->picClass01, QStringLiteral(":/ur_parallel.svg"));
  ShowDrawing(ui_->Picture1, QStringLiteral(":/ur_series.svg"));

  FillCombo(ui_->cmbRMaterial, UrMaterials(), kUrMaterialPrompt);
  FillCombo(ui_->cmbHMaterail, UrMaterials(), kUrMaterialPrompt);
  FillCombo(ui_->cmbRmiu, UrPermeabilities(), kUrPermeabilityPrompt);
  FillCombo(ui_->cmbHmiu, UrPermeabilities(), kUrPermeabilityPrompt);
  FillCombo(ui_->cmdDC, UrEffectiveDcChoices(), kUrDcPrompt);
  ui_->chkKMA->setText(ToQString(UrMaterialPresetOf(UrPreset::KMA).caption));
  ui_->chkKMC->setText(ToQString(UrMaterialPresetOf(UrPreset::KMC).caption));

  ui_->hcrollTurns->setRange(kUrTurnsMinimum, kUrTurnsMaximum);
  ui_->hcrollTurns->setSingleStep(kUrTurnsSmallStep);
  ui_->hcrollTurns->setPageStep(kUrTurnsLargeStep);

  for (QLineEdit* field :
       {ui_->txtCore_A, ui_->txtCore_B, ui_->txtCore_C, ui_->txtCore_D, ui_->txtCore_E,
        ui_->txtILrms, ui_->txtILpk, ui_->txtdI, ui_->txtF, ui_->txtWireHeight,
        ui_->txtWireWidth}) {
    InstallKeyFilter(field, KeyRule::Numeric);
  }
  InstallKeyFilter(ui_->txtTurns, KeyRule::Integer);
  InstallKeyFilter(ui_->txtWindingPcs, KeyRule::Integer);
  ui_->txtWindingPcs->setValidator(new WindingPcsValidator(ui_->txtWindingPcs));

  connect(ui_->lstCore, &QListWidget::itemSelectionChanged, this,
          &frmDKURdanlirao::lstCore_Click);
  connect(ui_->lstWinding, &QListWidget::itemSelectionChanged, this,
          &frmDKURdanlirao::lstWinding_Click);
  // clicked, not toggled: unchecking the other box from a preset must not run its preset.
  connect(ui_->chkKMA, &QCheckBox::clicked, this, &frmDKURdanlirao::chkKMA_Click);
  connect(ui_->chkKMC, &QCheckBox::clicked, this, &frmDKURdanlirao::chkKMC_Click);
  connect(ui_->hcrollTurns, &QScrollBar::valueChanged, this,
          &frmDKURdanlirao::hcrollTurns_Change);
  connect(ui_->txtTurns, &QLineEdit::textChanged, this, &frmDKURdanlirao::txtTurns_Change);
  connect(ui_->txtWindingPcs, &QLineEdit::textChanged, this,
          &frmDKURdanlirao::txtWindingPcs_Change);
  connect(ui_->cmdCal, &QPushButton::clicked, this, &frmDKURdanlirao::cmdCal_Click);

  Form_Load();
}

frmDKURdanlirao::~frmDKURdanlirao() = default;

void frmDKURdanlirao::Form_Load() {
  FillList(ui_->lstCore, UrCoreCodes());
  FillList(ui_->lstWinding, FlatWireSizes());
}

void frmDKURdanlirao::lstCore_Click() {
  const QList<QListWidgetItem*> selected = ui_->lstCore->selectedItems();
  if (selected.isEmpty()) return;
  const auto dimensions = UrCoreDimensions(ToStd(selected.first()->text()));
  if (!dimensions) return;
  ui_->txtCore_A->setText(ToQString(dimensions->A));
  ui_->txtCore_B->setText(ToQString(dimensions->B));
  ui_->txtCore_D->setText(ToQString(dimensions->D));
  ui_->txtCore_E->setText(ToQString(dimensions->E));
}

void frmDKURdanlirao::lstWinding_Click() {
  const QList<QListWidgetItem*> selected = ui_->lstWinding->selectedItems();
  if (selected.isEmpty()) return;
  const auto wire = FlatWireSize(ToStd(selected.first()->text()));
  if (!wire) return;
  ui_->txtWireHeight->setText(QString::fromStdString(GeneralNumberText(wire->thickness)));
  ui_->txtWireWidth->setText(QString::fromStdString(GeneralNumberText(wire->width)));
}

void frmDKURdanlirao::chkKMA_Click() {
  ApplyMaterialPreset(ui_->chkKMA, ui_->chkKMC, UrPreset::KMA);
}

void frmDKURdanlirao::chkKMC_Click() {
  ApplyMaterialPreset(ui_->chkKMC, ui_->chkKMA, UrPreset::KMC);
}

void frmDKURdanlirao::ApplyMaterialPreset(QCheckBox* clicked, QCheckBox* other,
                                          UrPreset preset) {
  const UrMaterialPreset values = UrMaterialPresetOf(preset);
  other->setChecked(false);
  for (QComboBox* box : {ui_->cmbRMaterial, ui_->cmbHMaterail}) {
    SetComboText(box, values.material);
    box->setEnabled(false);
  }
  for (QComboBox* box : {ui_->cmbRmiu, ui_->cmbHmiu}) {
    SetComboText(box, values.permeability);
    box->setEnabled(false);
  }
  // Clearing the box frees the choice again but keeps the preset as a starting point.
  if (!clicked->isChecked()) {
    for (QComboBox* box : {ui_->cmbRmiu, ui_->cmbHmiu, ui_->cmbHMaterail, ui_->cmbRMaterial}) {
      box->setEnabled(true);
    }
  }
}

void frmDKURdanlirao::hcrollTurns_Change(int value) {
  ui_->txtTurns->setText(QString::number(value));
}

void frmDKURdanlirao::txtTurns_Change() {
  // Counts the scroll bar cannot show leave it where it is; the text stays as typed.
  const auto position = TurnsScrollPosition(ToStd(ui_->txtTurns->text()),
                                            ui_->hcrollTurns->maximum());
  if (position) ui_->hcrollTurns->setValue(*position);
}

void frmDKURdanlirao::txtWindingPcs_Change() {
  const auto wires = WindingPcsCount(ToStd(ui_->txtWindingPcs->text()));
  if (!wires) return;  // kept out by the validator; a program-side write decides nothing
  if (!ParallelStructureAllowed(*wires)) {
    ui_->optClass01->setChecked(true);
    ui_->optClass02->setEnabled(false);
  } else {
    ui_->optClass02->setEnabled(true);
  }
}

void frmDKURdanlirao::cmdCal_Click() { CalcResult(); }

void frmDKURdanlirao::CalcResult() {
  // The reactor calculation is not settled yet: only its inputs are read, and nothing
  // on the screen changes.
  struct {
    double A, B, C, D, E;
    QString rodMaterial, yokeMaterial;
  } inputs{LeadingNumber(ToStd(ui_->txtCore_A->text())),
           LeadingNumber(ToStd(ui_->txtCore_B->text())),
           LeadingNumber(ToStd(ui_->txtCore_C->text())),
           LeadingNumber(ToStd(ui_->txtCore_D->text())),
           LeadingNumber(ToStd(ui_->txtCore_E->text())),
           ui_->cmbRMaterial->currentText().trimmed(),
           ui_->cmbHMaterail->currentText().trimmed()};
  static_cast<void>(inputs);
}

}  // namespace qiro
