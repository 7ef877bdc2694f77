#pragma once
// "设计评估": layers, wound size, copper losses, temperature rise and retention of the design
// a screen shows, at an ambient temperature the user may change. It follows the screen's
// report: a design that cannot be evaluated leaves it as it was.
#include <QGroupBox>
#include <QList>
#include <QStringList>
#include <optional>

#include "design/calculators/converter.h"
#include "magnetics/evaluate_inductor.h"

class QLabel;
class QLineEdit;
class QGridLayout;

namespace qiro {

class AssessmentPanel final : public QGroupBox {
  Q_OBJECT

 public:
  // `withoutRipple`: the designs carry no frequency or ripple (selection proposals).
  // `columns`: the lines run down that many columns (a wide, low panel).
  AssessmentPanel(QWidget* parent, bool withoutRipple, int columns = 1);

  void Follow(const InductorEvaluation& design);
  // With a converter the design is judged in it too, below the assessment at the report's
  // currents, each headed by what it is; none goes back to the one assessment.
  // `alone`: the converter's assessment only (the adviser, which judges designs by it alone).
  void SetConverter(const std::optional<Converter>& converter, bool alone = false);
  const std::optional<Converter>& InConverter() const { return converter_; }
  // Back to "尚无设计可评估": the design it followed is no longer shown.
  void Clear();
  double AmbientTemperature() const { return ambient_; }
  // Writes the ambient into its field, as typed (refused silently outside −60…200 °C).
  void SetAmbientTemperature(double ambient);
  // The lines as shown, each with its verdict word where it has one.
  QStringList Lines() const;

 signals:
  void ambientTemperatureChanged(double ambient);

 private:
  void txtAmbient_Change();
  void Refresh();
  void AddLabel();
  // From `secondColumn` on, the lines stand in a second column of their own.
  void Show(const QStringList& texts, const QList<int>& levels, int secondColumn = -1);

  bool withoutRipple_;
  double ambient_ = 25;
  std::optional<InductorEvaluation> design_;
  std::optional<Converter> converter_;
  bool converterAlone_ = false;
  QLineEdit* txtAmbient_ = nullptr;
  QGridLayout* lines_ = nullptr;
  int rows_ = 1;
  QList<QLabel*> labels_;
};

}  // namespace qiro
