#pragma once
#include <cstdint>

#include "core-data/core_record.h"
#include "magnetics/outcome.h"

namespace qiro {

// Every design quantity of one wound stack of identical cores.
struct InductorEvaluation {
  CoreRecord Core;
  CoreRecord SecondCore;
  float CoreCount = 0;
  float SecondCoreCount = 0;
  float CoreVolume = 0;            // cm³, whole stack
  float FrequencyKHz = 0;
  float AverageCurrent = 0;        // A
  float PeakCurrent = 0;           // A
  float RippleCurrent = 0;         // A, peak to peak
  float WireDiameter = 0;          // mm, one strand
  std::int16_t StrandCount = 0;
  float WindowFill = 0;            // % of the window area
  std::int16_t Turns = 0;
  float CurrentDensity = 0;        // A/mm² at the average current
  float DcResistance = 0;          // mΩ
  float FieldAtPeak = 0;           // Oe
  float FieldAtAverage = 0;        // Oe
  float PermeabilityAtPeak = 0;    // %
  float PermeabilityAtAverage = 0; // %
  float InductanceAtZero = 0;      // μH
  float InductanceAtPeak = 0;      // μH
  float InductanceAtAverage = 0;   // μH
  float FluxSwing = 0;             // gauss, peak to peak
  float CoreLossPerVolume = 0;     // mW/cm³
  float CoreLoss = 0;              // W
  float CopperLoss = 0;            // W
  float CopperWeight = 0;          // g
  float WireLength = 0;            // m, one strand
};

// The pieces of the evaluation that depend on the core, the stack, the turns and a current
// only (not on the wire, strands, frequency or ripple), exactly as EvaluateInductor computes
// them: searches over windings find their turns with these.
// Field (Oe) of Turns carrying Current.
float WindingField(const CoreRecord& Core, std::int16_t Turns, float Current);
// Inductance (μH) of Turns on CoreCount stacked cores at 0 A.
float StackInductanceAtZero(const CoreRecord& Core, float CoreCount, std::int16_t Turns);
// The inductance at 0 A scaled by the permeability left under bias (%).
float InductanceUnderBias(float InductanceAtZero, float PermeabilityPercent);

// Refuses (with the reason) turns, strands, core count or wire diameter that are not
// positive, a negative frequency, a second core type in the stack, non-finite inputs, and
// designs whose quantities leave the float range.
Outcome<InductorEvaluation> EvaluateInductor(const CoreRecord& Core, const CoreRecord& SecondCore,
                                             float CoreCount, float SecondCoreCount,
                                             float FrequencyKHz, float AverageCurrent,
                                             float PeakCurrent, float RippleCurrent,
                                             float WireDiameter, std::int16_t StrandCount,
                                             std::int16_t Turns);

}  // namespace qiro
