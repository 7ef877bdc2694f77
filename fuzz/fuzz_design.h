#pragma once
// An arbitrary design from the fuzzer's bytes: a catalogue core and every argument of
// EvaluateInductor, taken in this order (the seed corpora are laid out so).
#include <cstdint>

#include "core-data/catalogue.h"
#include "fuzz/fuzz_check.h"
#include "magnetics/evaluate_inductor.h"

struct FuzzDesign {
  const qiro::CoreRecord* core;
  float count, frequency, average, peak, ripple, wire;
  std::int16_t strands, turns;

  // Reads one; the catalogue must be built.
  static FuzzDesign Take(Reader& in) {
    FuzzDesign d{};
    d.core = &qiro::CatalogueSlot(static_cast<int>(in.Take<std::uint16_t>() % qiro::CatalogueSize) + 1);
    d.count = in.Take<float>();
    d.frequency = in.Take<float>();
    d.average = in.Take<float>();
    d.peak = in.Take<float>();
    d.ripple = in.Take<float>();
    d.wire = in.Take<float>();
    d.strands = in.Take<std::int16_t>();
    d.turns = in.Take<std::int16_t>();
    return d;
  }

  qiro::Outcome<qiro::InductorEvaluation> Evaluate() const {
    return qiro::EvaluateInductor(*core, *core, count, 0, frequency, average, peak, ripple, wire,
                                  strands, turns);
  }
};
