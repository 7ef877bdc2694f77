// The exported model run in the real ngspice: a current ramp through it gives L = v / (di/dt)
// at 0 A, the average and the peak current; a DC current gives the resistance.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "core-data/catalogue.h"
#include "design/exchange/spice_model.h"

namespace qiro {
namespace {

namespace fs = std::filesystem;

std::string FindNgspice() {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "");
  for (std::string dir; std::getline(dirs, dir, ':');) {
    const fs::path candidate = fs::path(dir) / "ngspice";
    if (!dir.empty() && ::access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return {};
}

std::string Number(double v) {
  std::ostringstream s;
  s.imbue(std::locale::classic());
  s.precision(17);
  s << v;
  return s.str();
}

// Runs ngspice in batch mode; the "name = value" lines of its output, names lower case.
std::map<std::string, double> RunNgspice(const std::string& ngspice, const fs::path& netlist,
                                         std::string& log) {
  const std::string command = "'" + ngspice + "' -b '" + netlist.string() + "' 2>&1";
  std::map<std::string, double> values;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return values;
  char buffer[4096];
  while (std::fgets(buffer, sizeof buffer, pipe)) {
    const std::string line = buffer;
    log += line;
    std::istringstream in(line);
    in.imbue(std::locale::classic());
    std::string name, equals;
    double value = 0;
    if (in >> name >> equals >> value && equals == "=") values[name] = value;
  }
  ::pclose(pipe);
  return values;
}

struct Design {
  const char* what;
  const char* partNumber;
  float coreCount;
  std::int16_t turns;
  float average;
  float peak;
};

class NgspiceTest : public ::testing::TestWithParam<Design> {
 protected:
  static void SetUpTestSuite() { InitCoreData(); }
};

TEST_P(NgspiceTest, SimulatedInductanceAndResistanceAreTheReports) {
  const std::string ngspice = FindNgspice();
  if (ngspice.empty()) GTEST_SKIP() << "ngspice is not installed (Debian package ngspice)";
  const Design& d = GetParam();
  const CoreRecord core = FindCoreByPartNumber(d.partNumber);
  const auto e = EvaluateInductor(core, core, d.coreCount, 0, 100, d.average, d.peak, 2.828f,
                                  1.0f, 1, d.turns);
  ASSERT_TRUE(e.ok()) << e.error();
  ASSERT_GE(e->FieldAtAverage, 3) << "below 3 Oe the model ramps while the report does not";
  const auto model = MakeSpiceModel(*e, "3.0.0");
  ASSERT_TRUE(model.ok()) << model.error();

  const fs::path dir = fs::path(::testing::TempDir()) / ("ngspice_" + model->SubcircuitName);
  fs::create_directories(dir);
  std::ofstream(dir / "model.lib") << model->Text;

  // A ramp from -X to +X in 1 μs; method=gear, because the corners of the piecewise-linear
  // λ make trapezoidal integration ring under a forced current (by a few percent).
  const double x = 1.5 * std::max(e->AverageCurrent, e->PeakCurrent);
  const double duration = 1e-6;
  const double slope = 2 * x / duration;  // A/s
  auto timeAt = [&](double current) { return Number((current + x) / slope); };
  const double dc = e->AverageCurrent;
  std::ofstream(dir / "run.cir")
      << "ramp and DC through " << model->SubcircuitName << "\n"
      << ".include model.lib\n"
      << "Iramp 0 a PWL(0 " << Number(-x) << " " << Number(duration) << " " << Number(x) << ")\n"
      << "Xramp a 0 " << model->SubcircuitName << "\n"
      << "Idc 0 b DC " << Number(dc) << "\n"
      << "Xdc b 0 " << model->SubcircuitName << "\n"
      << ".options method=gear\n"
      << ".tran 0.1n 1u 0 0.1n\n"
      << ".meas tran vzero FIND v(a) AT=" << timeAt(0) << "\n"
      << ".meas tran vaverage FIND v(a) AT=" << timeAt(e->AverageCurrent) << "\n"
      << ".meas tran vpeak FIND v(a) AT=" << timeAt(e->PeakCurrent) << "\n"
      << ".control\nop\nlet vdc = v(b)\nprint vdc\nrun\n.endc\n"
      << ".end\n";

  std::string log;
  const auto values = RunNgspice(ngspice, dir / "run.cir", log);
  for (const char* name : {"vzero", "vaverage", "vpeak", "vdc"})
    ASSERT_EQ(values.count(name), 1u) << name << " missing from ngspice's output:\n" << log;

  const double resistance = e->DcResistance / 1000.0;  // Ω
  // v = R i + L di/dt: the resistive part is known, what is left is the inductance.
  auto inductance = [&](const char* name, double current) {
    return (values.at(name) - resistance * current) / slope * 1e6;  // μH
  };
  const struct {
    const char* name;
    double measured;
    float report;
  } checks[] = {
      {"L@0A", inductance("vzero", 0), e->InductanceAtZero},
      {"L@average", inductance("vaverage", e->AverageCurrent), e->InductanceAtAverage},
      {"L@peak", inductance("vpeak", e->PeakCurrent), e->InductanceAtPeak},
  };
  for (const auto& c : checks) {
    const double error = c.measured / c.report - 1;
    std::printf("%s %s: simulated %.6g uH, report %.7g uH, %+.4f %%\n", d.what, c.name, c.measured,
                static_cast<double>(c.report), 100 * error);
    EXPECT_LE(std::fabs(error), 0.005) << c.name;
  }
  const double measuredResistance = values.at("vdc") / dc;
  const double resistanceError = measuredResistance / resistance - 1;
  std::printf("%s DC resistance: simulated %.9g Ohm, report %.9g Ohm, %+.6f %%\n", d.what,
              measuredResistance, resistance, 100 * resistanceError);
  EXPECT_LE(std::fabs(resistanceError), 0.001);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, NgspiceTest,
    ::testing::Values(Design{"stacked", "KMA157060", 2, 26, 10, 14.14f},
                      Design{"KME", "KME157060", 1, 37, 10, 14.14f},
                      Design{"near saturation", "KMA157060", 1, 37, 30, 40}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& c : name)
        if (c == ' ') c = '_';
      return name;
    });

}  // namespace
}  // namespace qiro
