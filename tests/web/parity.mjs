// The WebAssembly module against the native tool: the same corpus of requests through
// qiro-batch and through its Node twin must give the same replies. Texts, integers, flags,
// messages and 32-bit results must be identical; only the 64-bit results of the program's
// own physics (assessment, adviser, converter) may differ, in their last bits (relative
// 1e-12), because the two C libraries round pow and the like differently in the last bit.
// Also checked: the exit statuses, --help, and the module's progress hook and stop flag.
//   node tests/web/parity.mjs <qiro-batch> <build/web/qiro-batch.mjs>
// Exits 77 (skipped) when the twin has not been built (scripts/web builds it).
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const [nativeTool, twin] = process.argv.slice(2);
if (!nativeTool || !twin) {
  console.error("usage: parity.mjs <qiro-batch> <qiro-batch.mjs>");
  process.exit(2);
}
if (!fs.existsSync(twin)) {
  console.log(`skipped: ${twin} is missing; scripts/web builds it`);
  process.exit(77);
}
const here = path.dirname(fileURLToPath(import.meta.url));
const failures = [];
const fail = (message) => {
  failures.push(message);
  if (failures.length <= 20) console.error(`FAIL ${message}`);
};

function run(command, args, input) {
  const result = spawnSync(command, args, { input, maxBuffer: 1 << 30 });
  if (result.error) throw result.error;
  return { out: result.stdout, status: result.status };
}
const native = (input, args = []) => run(nativeTool, args, input);
const twinRun = (input, args = []) => run(process.execPath, [twin, ...args], input);

// ---- The corpus ----------------------------------------------------------------------

// A fixed seed: every run asks the same questions (mulberry32).
let seed = 27;
function random() {
  seed = (seed + 0x6d2b79f5) | 0;
  let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
  t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
  return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const pick = (list) => list[Math.floor(random() * list.length)];
const between = (low, high) => low + (high - low) * random();
const whole = (low, high) => Math.floor(between(low, high + 1));
// Mostly the values designers type (few digits), sometimes any double of the range.
const typed = (low, high) => (random() < 0.7 ? Number(between(low, high).toPrecision(whole(1, 4))) : between(low, high));

// The operations and their argument types, as the tool itself lists them.
function operations(help) {
  const list = [];
  for (const line of help.split("\n")) {
    const m = /^  ([A-Za-z][A-Za-z0-9_]*)\((.*)\)$/.exec(line);
    if (!m) continue;
    const args = m[2] === "" ? [] : m[2].split(", ").map((arg) => {
      const a = /^([A-Za-z][A-Za-z0-9_]*)(\??): (.+)$/.exec(arg);
      return { name: a[1], optional: a[2] === "?", type: a[3] };
    });
    list.push({ name: m[1], args });
  }
  return list;
}

const help = native("", ["--help"]).out.toString();
const ops = operations(help);
const catalogue = JSON.parse(native('{"id":0,"op":"InitCoreData"}\n').out.toString()).result;
const partNumbers = catalogue.map((core) => core.PartNumber);
const seriesCodes = [...new Set(catalogue.map((core) => core.Series))];
const permeabilities = [...new Set(catalogue.map((core) => core.Permeability))];
const calcArgs = Object.fromEntries(ops.filter((op) => op.name.startsWith("Calc")).map((op) => [op.name.slice(4), op.args]));
const topologies = ["Buck", "Boost", "BuckBoost", "Pfc", "InverterLc", "Forward", "PushPull", "FullBridge"];
const calcNames = { Buck: "Buck", Boost: "Boost", BuckBoost: "BuckBoost", Pfc: "Pfc", InverterLc: "InverterLc", Forward: "Forward", PushPull: "PushPull", FullBridge: "FullBridge" };
const fieldTexts = ["", "0", "10", "14.14", "2.828", "100", " 5 ", "1e39", "1e-50", "abc", "12.5.3", "-3", "0.4", "401", "1,5", "32768", "1e400", ".", "7."];
const numberText = () => (random() < 0.2 ? pick(fieldTexts) : String(typed(0, 50)));

// A plausible value for an argument: by its name where the name says what it is.
function converterValue() {
  const topology = pick(topologies);
  const value = { Topology: topology };
  for (const arg of calcArgs[calcNames[topology]] ?? []) value[arg.name] = calcValue(arg.name);
  return value;
}
function calcValue(name) {
  switch (name) {
    case "P": return typed(50, 3000);
    case "Vin": case "Vdc": return typed(12, 400);
    case "Vout": return typed(3.3, 400);
    case "f": return typed(20, 200);
    case "gamma": return typed(0.1, 0.5);
    case "eta": return typed(0.85, 0.98);
    case "Iout": return typed(1, 40);
    case "D": return typed(0.1, 0.9);
    default: return typed(0, 100);
  }
}
function value(op, arg) {
  const n = arg.name;
  switch (arg.type) {
    case "part number": return pick(partNumbers);
    case "bool": return random() < 0.5;
    case "converter": return converterValue();
    case "string array": return seriesCodes.filter(() => random() < 0.4).concat([pick(seriesCodes)]);
    default: break;
  }
  if (op.name.startsWith("Calc")) return calcValue(n);
  if (op.name === "ReadToroidInputs") return numberText();
  if (arg.type === "string") {
    switch (n) {
      case "Series": return pick(seriesCodes);
      case "InductanceAt": return pick(["Zero", "Average"]);
      case "pattern": return pick(["0.0", "0.00", "0.000"]);
      case "text": case "AverageText": case "PeakText": case "WireText": case "StrandText": return numberText();
      case "item": return pick(["1.0×5.0", "0.8×3.0", "2×10", "1x5", ""]);
      case "code": return pick(["UR4019", "UR5933", "UR7040", "UR64", "x"]);
      case "Text": return designFile();
      default: return pick(fieldTexts);
    }
  }
  switch (n) {
    case "Permeability": return pick(permeabilities);
    case "Turns": return whole(1, 120);
    case "StrandCount": return whole(1, 12);
    case "CoreCount": case "coreCount": return arg.type === "int16" ? whole(1, 4) : pick([1, 1, 2, 3, 0.5, 1.5]);
    case "SecondCoreCount": return pick([0, 0, 1, 2]);
    case "WireDiameter": return whole(1, 30) / 10;
    case "FrequencyKHz": return typed(5, 300);
    case "AverageCurrent": case "Current": case "current": return typed(0.1, 40);
    case "PeakCurrent": return typed(0.2, 50);
    case "RippleCurrent": return typed(0, 10);
    case "AmbientTemperature": return typed(-40, 120);
    case "FieldOe": return typed(1, 900);
    case "FluxSwing": return typed(10, 3000);
    case "TargetDensity": return typed(2, 12);
    case "Inductance": case "inductance": case "RequiredInductance": return typed(5, 500);
    case "InductanceTolerance": return pick([0, 0, 5, 10]);
    case "MaxTemperatureRise": return typed(20, 80);
    case "MaxWoundOuterDiameter": case "MaxWoundHeight": return pick([0, 0, typed(20, 80)]);
    case "MinRetention": return pick([0, 0, 50, 80]);
    case "MaxCoreCount": return whole(1, 2);
    case "MaxStrandCount": return whole(1, 3);
    case "DensityChoice": return whole(0, 3);
    case "bits": return pick([16, 32, 64, 8]);
    case "value": return random() < 0.1 ? "0x402C47AE147AE148" : typed(-1e5, 1e5);
    case "wires": return whole(0, 12);
    case "Fraction": return pick([0.2, 0.15, 0.1]);
    default: break;
  }
  switch (arg.type) {
    case "int16": return whole(-10, 400);
    default: return typed(0, 100);
  }
}
function designFile() {
  const design = {
    Core: pick(partNumbers), CoreCount: pick([1, 2]), FrequencyKHz: typed(10, 200),
    AverageCurrent: typed(1, 20), PeakCurrent: typed(2, 30), RippleCurrent: typed(0.1, 5),
    WireDiameter: whole(1, 30) / 10, StrandCount: whole(1, 5), Turns: whole(1, 80),
    AmbientTemperature: typed(-20, 60),
  };
  if (random() < 0.2) design.Turns = pick([0, 401, "37"]);
  return JSON.stringify({ format: "qiromagnetic-design", version: 1, design, note: pick(["", "两片", "x\ny"]) }, null, 2);
}

// Every way of getting a request wrong, each once in a while.
function spoil(request, op) {
  const args = request.args;
  const names = Object.keys(args);
  switch (whole(0, 6)) {
    case 0: if (names.length) delete args[pick(names)]; break;
    case 1: args.Unexpected = 1; break;
    case 2: if (names.length) args[pick(names)] = "wrong"; break;
    case 3: if (names.length) args[pick(names)] = 1e39; break;
    case 4: if (names.length) args[pick(names)] = 40000; break;
    case 5: if (names.length) args[pick(names)] = null; break;
    default: request.op = op.name + "X"; break;
  }
}

// How often each operation is asked: the adviser searches, so its space is kept small.
const weight = (name) => ({ AdviseDesigns: 12, InitCoreData: 4, GroupedCoreSearch: 40, CatalogueFitSearch: 40 })[name] ?? 200;

// The batch tests' requests as they are (bytes: some are not UTF-8), then generated ones.
const requests = [];
const golden = fs.readFileSync(path.join(here, "..", "data", "batch_requests.jsonl"));
for (let start = 0, end; (end = golden.indexOf(0x0a, start)) >= 0; start = end + 1) requests.push(golden.subarray(start, end));
const operationOf = new Map();  // id -> operation, for the generated requests
let id = 1000;
for (const op of ops) {
  for (let i = 0; i < weight(op.name); ++i) {
    const args = {};
    for (const arg of op.args) {
      if (arg.optional && random() < 0.5) continue;
      args[arg.name] = value(op, arg);
    }
    if (op.name === "AdviseDesigns" && !("Converter" in args) && !("InductanceAt" in args)) {
      Object.assign(args, { RequiredInductance: typed(20, 300), InductanceAt: "Zero", AverageCurrent: typed(1, 10), PeakCurrent: typed(10, 15), RippleCurrent: typed(0, 3), FrequencyKHz: typed(20, 200) });
    }
    if (op.name === "AdviseDesigns") args.Series = [pick(seriesCodes)];
    const request = { id: ++id, op: op.name, args };
    if (random() < 0.12) spoil(request, op);
    operationOf.set(id, op.name);
    requests.push(Buffer.from(JSON.stringify(request)));
  }
}
// Every series at once, on a space a debug build under the sanitizers still searches in
// seconds (bench/web_twin.sh compares the whole default space).
operationOf.set(++id, "AdviseDesigns");
requests.push(Buffer.from(JSON.stringify({ id, op: "AdviseDesigns", args: { RequiredInductance: 100, InductanceAt: "Zero", InductanceTolerance: 0, AverageCurrent: 10, PeakCurrent: 11.5, RippleCurrent: 3, FrequencyKHz: 100, AmbientTemperature: 25, MaxTemperatureRise: 40, MaxWoundOuterDiameter: 0, MaxWoundHeight: 0, MinRetention: 0, MaxCoreCount: 2, MaxStrandCount: 4, Series: seriesCodes } })));
// Lines that are not requests at all, broken UTF-8, blank lines and a CR LF.
requests.push(...["not json", "[1]", '{"id":1}', '{"op":"IsNumberText","args":{"text":"5"},"x":1}', "   ", "\t",
  '{"id":2,"op":"IsNumberText","args":{"text":"5"}}\r'].map((line) => Buffer.from(line)),
  Buffer.from([0x7b, 0x22, 0x6f, 0x70, 0x22, 0x3a, 0x22, 0xd8, 0xff, 0x22, 0x7d]), Buffer.from([0xff, 0xfe]));

// ---- Comparing -----------------------------------------------------------------------

const physicsOperations = new Set(["AssessDesign", "AssessInConverter", "AdviseDesigns"]);
const physicsMembers = new Set(["BuildThickness", "WoundOuterDiameter", "WoundHeight", "SurfaceArea", "DowellFactor", "CopperLossDc", "CopperLossAc", "CoreLoss", "TotalLoss", "TemperatureRise", "WindingTemperature", "InductanceRetention", "WoundVolume", "HighestCurrent", "LargestRipple"]);
let largest = 0;
let within = 0;

// Same shape, same texts, numbers equal except a physics double within 1e-12.
function same(a, b, key, physics) {
  if (typeof a === "number" && typeof b === "number") {
    if (a === b) return true;
    if (!physics || !physicsMembers.has(key)) return false;
    const relative = Math.abs(a - b) / Math.max(Math.abs(a), Math.abs(b));
    largest = Math.max(largest, relative);
    return relative <= 1e-12;
  }
  if (a === null || b === null || typeof a !== "object" || typeof b !== "object") return a === b;
  if (Array.isArray(a) !== Array.isArray(b)) return false;
  const ka = Object.keys(a);
  const kb = Object.keys(b);
  if (ka.length !== kb.length || ka.some((k, i) => k !== kb[i])) return false;
  return ka.every((k) => same(a[k], b[k], Array.isArray(a) ? key : k, physics));
}

const corpus = Buffer.concat(requests.flatMap((line) => [line, Buffer.of(0x0a)]));
const lines = (buffer) => buffer.toString("latin1").split("\n").slice(0, -1);
const parse = (line) => JSON.parse(Buffer.from(line, "latin1").toString());
const started = Date.now();
const expected = native(corpus);
const nativeTime = Date.now() - started;
const got = twinRun(corpus);
const twinTime = Date.now() - started - nativeTime;
const want = lines(expected.out);
const have = lines(got.out);
if (got.status !== expected.status) fail(`exit status ${got.status}, native ${expected.status}`);
if (have.length !== want.length) fail(`${have.length} replies, native ${want.length}`);
let identical = 0;
for (let i = 0; i < Math.min(have.length, want.length); ++i) {
  if (have[i] === want[i]) {
    ++identical;
    continue;
  }
  const a = parse(want[i]);
  const operation = operationOf.get(a.id) ?? "";
  if (same(a, parse(have[i]), "", physicsOperations.has(operation))) {
    ++within;
  } else {
    fail(`reply ${i + 1} (${operation}) differs:\n  native ${want[i].slice(0, 400)}\n  twin   ${have[i].slice(0, 400)}`);
  }
}
const covered = new Set(operationOf.values());
for (const op of ops) if (!covered.has(op.name)) fail(`no request for ${op.name}`);
if (requests.length < 5000) fail(`only ${requests.length} requests`);

// Exit statuses and --help.
const good = '{"id":1,"op":"IsNumberText","args":{"text":"5"}}\n';
for (const [input, args, what] of [[good, [], "all succeeded"], ["", ["--help"], "--help"], ["", ["--nope"], "unknown option"]]) {
  const a = native(input, args);
  const b = twinRun(input, args);
  if (a.status !== b.status || !a.out.equals(b.out)) fail(`${what}: status ${b.status}, native ${a.status}, or different output`);
}
const folder = spawnSync(process.execPath, [twin], { stdio: [fs.openSync("/", "r"), "pipe", "pipe"] });
if (folder.status !== 2) fail(`a folder as input: status ${folder.status}, not 2`);

// The progress hook and the stop flag, as a page in a Web Worker uses them.
const { default: createQiroModule } = await import(pathToFileURL(path.join(path.dirname(twin), "qiro-module.mjs")));
const fractions = [];
let stopAt = Infinity;
const module = await createQiroModule({
  onAdviserProgress: (fraction) => {
    fractions.push(fraction);
    if (fractions.length >= stopAt) module._qiro_stop();
  },
});
const ask = (line) => {
  const bytes = Buffer.from(line);
  const address = module._malloc(bytes.length);
  module.HEAPU8.set(bytes, address);
  const reply = module.UTF8ToString(module._qiro_reply(address, bytes.length));
  module._free(address);
  return JSON.parse(reply);
};
const search = JSON.stringify({ id: 1, op: "AdviseDesigns", args: { RequiredInductance: 100, InductanceAt: "Zero", InductanceTolerance: 0, AverageCurrent: 10, PeakCurrent: 11.5, RippleCurrent: 3, FrequencyKHz: 100, AmbientTemperature: 25, MaxTemperatureRise: 40, MaxWoundOuterDiameter: 0, MaxWoundHeight: 0, MinRetention: 0, MaxCoreCount: 2, MaxStrandCount: 3, Series: ["KMA", "KMB"] } });
const whole1 = ask(search);
if (!whole1.ok || fractions.length < 2 || fractions.some((f, i) => f < 0 || f > 1 || (i && f < fractions[i - 1])) || fractions.at(-1) !== 1)
  fail(`progress: ok ${whole1.ok}, fractions ${fractions.slice(0, 5).join(", ")} … ${fractions.at(-1)}`);
fractions.length = 0;
stopAt = 2;
const stopped = ask(search);
if (stopped.ok || stopped.error !== "the search was stopped") fail(`stop: ${JSON.stringify(stopped).slice(0, 200)}`);
stopAt = Infinity;
if (JSON.stringify(ask(search)) !== JSON.stringify(whole1)) fail("the next search after a stop differs");

console.log(`${requests.length} requests over ${covered.size} operations: ${identical} replies identical, ` +
  `${within} within 1e-12 in physics doubles (largest relative difference ${largest.toExponential(2)}); ` +
  `native ${nativeTime} ms, twin ${twinTime} ms`);
if (failures.length) {
  console.error(`${failures.length} failures`);
  process.exit(1);
}
