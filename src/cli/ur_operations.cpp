// The UR-core reactor screen's pure rules.
#include "cli/batch.h"
#include "design/calculators/ur_core.h"

namespace qiro::batch {

void RegisterUrOperations(Batch& batch) {
  batch.Register("UrCoreDimensions", {"dimensions A, B, D, E (mm, as the screen writes them) of a UR core code",
                                      {{"code", ArgType::Text}},
                                      [](const Args& a, JsonWriter& w) {
                                        const auto d = UrCoreDimensions(a.text("code"));
                                        if (!d) throw Refusal{"argument \"code\" is not a UR core code with dimensions"};
                                        w.BeginObject().Key("A").String(d->A).Key("B").String(d->B)
                                            .Key("D").String(d->D).Key("E").String(d->E).EndObject();
                                      }});
  batch.Register("FlatWireSize", {"thickness and width (mm) of a flat-wire item \"thickness×width\"",
                                  {{"item", ArgType::Text}},
                                  [](const Args& a, JsonWriter& w) {
                                    const auto wire = FlatWireSize(a.text("item"));
                                    if (!wire) throw Refusal{"argument \"item\" is not a flat-wire size \"thickness×width\""};
                                    w.BeginObject().Key("thickness").Float64(wire->thickness)
                                        .Key("width").Float64(wire->width).EndObject();
                                  }});
  batch.Register("ParallelStructureAllowed", {"whether the upper/lower parallel structure suits a parallel-wire count",
                                              {{"wires", ArgType::Integer16}},
                                              [](const Args& a, JsonWriter& w) {
                                                w.Bool(ParallelStructureAllowed(a.i16("wires")));
                                              }});
}

}  // namespace qiro::batch
