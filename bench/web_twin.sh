#!/usr/bin/env bash
# The WebAssembly module's figures (after scripts/web): its size as served compressed
# (gzip -9), the adviser's default space in the Node twin on its one thread (and that the
# reply equals the native tool's, byte for byte), and 100 000 EvaluateInductor requests
# through the twin and through the native tool (bench/batch_throughput.sh).
# Usage: bench/web_twin.sh [native qiro-batch, default build/release/src/cli/qiro-batch]
set -euo pipefail
cd "$(dirname "$0")/.."
native=${1:-build/release/src/cli/qiro-batch}
twin=build/web/qiro-batch.mjs
module=build/web/qiro-module.mjs
printf 'module: %d bytes, %d bytes gzip -9\n' "$(stat -c %s "$module")" "$(gzip -9c "$module" | wc -c)"

request='{"id":1,"op":"AdviseDesigns","args":{"RequiredInductance":100,"InductanceAt":"Zero","InductanceTolerance":0,"AverageCurrent":10,"PeakCurrent":11.5,"RippleCurrent":3,"FrequencyKHz":100,"AmbientTemperature":25,"MaxTemperatureRise":40,"MaxWoundOuterDiameter":0,"MaxWoundHeight":0,"MinRetention":0,"MaxCoreCount":4,"MaxStrandCount":10,"Series":["KMA","KMB","KMC","KMAC","KMC-L","KMD","KME"]}}'
# Timed inside the module, best of three, after a first search (start-up and warm-up apart).
node --input-type=module - "$PWD/$module" "$request" <<'JS'
const [modulePath, request] = process.argv.slice(2);
const { default: createQiroModule } = await import(modulePath);
const module = await createQiroModule();
const line = Buffer.from(request);
const address = module._malloc(line.length);
module.HEAPU8.set(line, address);
module._qiro_reply(address, line.length);
// Wall time, and the process's CPU time (what a busy, shared machine distorts least).
let best = Infinity;
let bestCpu = Infinity;
for (let run = 0; run < 3; ++run) {
  const start = performance.now();
  const cpu = process.cpuUsage();
  module._qiro_reply(address, line.length);
  const used = process.cpuUsage(cpu);
  best = Math.min(best, performance.now() - start);
  bestCpu = Math.min(bestCpu, (used.user + used.system) / 1000);
}
const feasible = JSON.parse(module.UTF8ToString(module._qiro_reply(address, line.length))).result.FeasibleCount;
console.log(`adviser, default space, one thread in the twin: best of 3 runs ${(best / 1000).toFixed(3)} s, ` +
            `CPU ${(bestCpu / 1000).toFixed(3)} s (${feasible} feasible)`);
JS
if cmp -s <(echo "$request" | "$native") <(echo "$request" | node "$twin"); then
  echo "adviser reply: identical to the native tool's"
else
  echo "adviser reply: DIFFERS from the native tool's"
fi
echo -n "twin:   "; bench/batch_throughput.sh "$twin"
echo -n "native: "; bench/batch_throughput.sh "$native"
