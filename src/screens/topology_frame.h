#pragma once
// The frame every converter calculator is built on: input panel, result panel, "计算",
// circuit diagram, live recalculation and the check sequence. A screen is a descriptor
// naming its captions, fields, calculation and picture.
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "design/calculators/converter.h"
#include "design/calculators/topology_calculators.h"

class QEvent;
class QLineEdit;

namespace Ui {
class TopologyFrame;
}

namespace qiro {

// What an input must satisfy, the message "计算" shows when it does not, and the one it
// shows for a number beyond what the calculation can hold.
struct TopologyInputCheck {
  TopologyTest test;
  const char* message;
  const char* rangeMessage;
};

// An input field. A field with a default text restores it on double-click.
struct TopologyInputField {
  const char* name;
  const char* caption;
  const char* defaultText;
  TopologyInputCheck check;
};

struct TopologyResultField {
  const char* name;
  const char* caption;
  TopologyQuantity quantity;
};

struct TopologyCaptions {
  const char* window;
  const char* inputPanel;
  const char* resultPanel;
  const char* diagramPanel;
};

// One calculator screen. Inputs are listed top to bottom, which is also the order of the
// checks and of the calculation's arguments; results top to bottom.
struct TopologyScreen {
  const char* name;
  Topology topology;
  const char* picture;
  TopologyCaptions captions;
  std::vector<TopologyInputField> inputs;
  std::vector<TopologyResultField> results;
};

// What a converter hands to the inductor design: the inductance it needs (at the average
// current), the inductor's currents and the frequency its ripple runs at.
struct InductorRequirement {
  double Inductance = 0;      // μH
  double AverageCurrent = 0;  // A, ILpk − ΔI/2
  double PeakCurrent = 0;     // A
  double RippleCurrent = 0;   // A, peak to peak
  double FrequencyKHz = 0;    // kHz
  // The converter itself, when its inputs on screen run it: the design is then judged in it.
  std::optional<Converter> InConverter;
};

class TopologyFrame : public QWidget {
  Q_OBJECT

 public:
  TopologyFrame(QWidget* parent, TopologyScreen screen);
  ~TopologyFrame() override;
  TopologyFrame(const TopologyFrame&) = delete;
  TopologyFrame& operator=(const TopologyFrame&) = delete;

 signals:
  // "设计电感…" with results on screen: the main window opens the adviser with them.
  void DesignInductor(const qiro::InductorRequirement& requirement);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildFields();
  void cmdDesignInductor_Click();
  QLineEdit* FieldNamed(const char* name) const;
  void cmdCal_Click();
  void Input_Change();
  void Input_DblClick(std::size_t input);
  // The first input whose check fails, if any.
  std::optional<std::size_t> ValInputData() const;
  // The inputs as the calculation stores them, in field order.
  std::vector<float> InputValues() const;
  void CalcResult();
  void WriteResults(const std::vector<TopologyValue>& values);

  std::unique_ptr<Ui::TopologyFrame> ui_;
  TopologyScreen screen_;
  std::vector<QLineEdit*> inputs_;
  std::vector<QLineEdit*> results_;
};

}  // namespace qiro
