// The eight converter calculators on one frame: inputs, "计算" with its checks, results that
// follow the typing, and "设计电感…". The screens' fields and captions are the desktop's (the
// program's Chinese source texts, translated through texts.json); which input fails, the
// results and their texts, and the hand-over come from the module.
import { ask } from "./qiro.js";
import { tr, translateTree } from "./texts.js";
import { filterKeys, showMessage, write } from "./ui.js";

const kContext = "qiro::TopologyFrame";
const $ = (id) => document.getElementById(id);

// Inputs: [id, caption, default, message, range message]; results: [id, caption, quantity].
const P = ["txtP", "功率P (W)", "", "请输入“功率”！单位为瓦特（W）", "功率超出数值范围！"];
const IoutBuck = ["txtIout", "输出电流Iout (A)", "", "请输入“输出电流Iout”！单位为安培（A）", "输出电流超出数值范围！"];
const IoutRated = ["txtIout", "输出额定电流Iout(A)", "", "请输入“输出电流Iout”！单位为安培（A）", "输出电流超出数值范围！"];
const IoutBridge = ["txtIout", "输出额定电流Iout(A)", "", "请输入“输出电电流Iout”！单位为安培（A）", "输出电流超出数值范围！"];
const Vin = ["txtVin", "输入电压Vin (V)", "", "请输入“输入电压Vin”！单位为伏特（V）", "输入电压超出数值范围！"];
const VinSine = ["txtVin", "正弦输入电压Vin (V)", "", "请输入“正弦输入电压Vin”！单位为伏特（V）", "正弦输入电压超出数值范围！"];
const Vdc = ["txtVin", "输入电压Vdc (V)", "", "请输入“输入电压Vdc”！单位为伏特（V）", "输入电压超出数值范围！"];
const Vout = ["txtVout", "输出电压Vout (V)", "", "请输入“输出电压Vout”！单位为伏特（V）", "输出电压超出数值范围！"];
const F = ["txtF", "开关频率f (kHz)", "", "请输入“开关频率”！单位为千赫兹（kHz）", "开关频率超出数值范围！"];
const Gamma = ["txtWenbolv", "纹波率γ", "0.2", "请输入“纹波率”！", "纹波率超出数值范围！"];
const D = ["txtD", "占空比D", "0.4", "请重新输入“占空比D”！", "占空比超出数值范围！"];
const Eta = ["txtXiaolv", "转换效率η", "0.98", "请重新输入“转化效率”！转化效率大于0小于1", "转换效率超出数值范围！"];
const L_IL = ["txtL", "电感量L@IL (uH)", "Inductance"];
const L_Ipk = ["txtL", "电感量L@Ipk (uH)", "Inductance"];
const ILpk = ["txtILpk", "电感电流ILpk (A)", "PeakCurrent"];
const ILpkCrest = ["txtILpk", "电感峰值电流ILpk (A)", "PeakCurrent"];
const ILpkSpike = ["txtILpk", "电感尖峰电流ILpk (A)", "PeakCurrent"];
const Po = ["txtP", "功率Po(W)", "Power"];
const dI = ["txtdI", "纹波电流ΔI (A)", "Ripple"];
const Dout = ["txtD", "占空比D", "DutyCycle"];
const BoostIin = ["txtILrms", "输入电流Iin (A)", "InductorCurrent"];
const Iin = ["txtIin", "输入电流Iin (A)", "InductorCurrent"];
const BoostIo = ["txtIo", "额定输出电流Iout (A)", "OutputCurrent"];
const IoutOut = ["txtIout", "额定输出电流Iout (A)", "OutputCurrent"];
const ILrms = ["txtILrms", "电感有效电流ILrms (A)", "InductorRmsCurrent"];
const Io = ["txtIo", "额定输出电流Io (A)", "OutputCurrent"];
const IL = ["txtIL", "电感峰值电流IL (A)", "InductorCurrent"];

export const screens = [
  { name: "frmTOPPFC", topology: "Pfc", captions: ["PFC感量计算", "PFC电路参数输入", "PFC电路参数计算结果"], inputs: [P, VinSine, Vout, F, Eta, Gamma], results: [L_Ipk, ILpkCrest, ILrms, Dout, dI, Io] },
  { name: "frmTOPBOOST", topology: "Boost", captions: ["BOOST感量计算", "BOOST电路参数输入", "BOOST电路参数计算结果"], inputs: [P, Vin, Vout, F, Gamma], results: [L_IL, ILpk, BoostIin, BoostIo, dI, Dout] },
  { name: "frmTOPBUCK", topology: "Buck", captions: ["BUCK感量计算", "BUCK电路参数输入", "BUCK电路参数计算结果"], inputs: [IoutBuck, Vin, Vout, F, Gamma], results: [L_IL, ILpk, Po, dI, Dout] },
  { name: "frmTOPBUCKBOOST", topology: "BuckBoost", captions: ["BUCK-BOOST感量计算", "BUCK-BOOST电路参数输入", "BUCK-BOOST电路参数计算结果"], inputs: [P, Vin, Vout, F, Gamma], results: [L_IL, ILpk, Iin, IoutOut, dI, Dout] },
  { name: "frmTOPNibianLC", topology: "InverterLc", captions: ["逆变电感感量计算", "逆变电路参数输入", "逆变电路参数计算结果"], inputs: [P, Vdc, Vout, F, Gamma], results: [L_IL, ILpkSpike, IL, IoutOut, dI, Dout] },
  { name: "frmTOPQuanqiao", topology: "FullBridge", captions: ["全桥电感感量计算", "电路参数输入", "电路参数计算结果"], inputs: [Vout, F, IoutBridge, D, Gamma], results: [L_Ipk, ILpkCrest, dI] },
  { name: "frmTOPZhengji", topology: "Forward", captions: ["正激电感感量计算", "电路参数输入", "电路参数计算结果"], inputs: [Vout, F, IoutRated, D, Gamma], results: [L_Ipk, ILpkCrest, dI] },
  { name: "frmTOPTuiwan", topology: "PushPull", captions: ["推挽电感感量计算", "电路参数输入", "电路参数计算结果"], inputs: [Vout, F, IoutBridge, D, Gamma], results: [L_Ipk, ILpkCrest, dI] },
];

let shown = null;  // {screen, inputs: [elements], results: [elements]}
// Each screen keeps its texts while another is shown, as an open window does.
const kept = new Map();

// The caption and its field in one label: the calculator's fields have the same ids, so a
// label here cannot name its field by id.
function labelled(field, context, source) {
  const element = document.createElement("label");
  element.className = "pair";
  const caption = document.createElement("span");
  caption.dataset.tr = `${context}|${source}`;
  caption.textContent = tr(context, source);
  element.append(caption, field);
  return element;
}

function calcResult() {
  const reply = ask("ConverterScreen", { Topology: shown.screen.topology, Inputs: shown.inputs.map((f) => f.value) });
  if (reply.Results) writeResults(reply.Results);
}

function writeResults(results) {
  for (const { Quantity, Text } of results) {
    shown.screen.results.forEach(([, , quantity], i) => {
      if (quantity === Quantity) shown.results[i].value = Text;
    });
  }
}

function cmdCal() {
  const reply = ask("ConverterScreen", { Topology: shown.screen.topology, Inputs: shown.inputs.map((f) => f.value) });
  if (reply.Failed !== null) {
    const [, , , message, rangeMessage] = shown.screen.inputs[reply.Failed];
    showMessage(tr(kContext, reply.BeyondRange ? rangeMessage : message), kContext);
    return;
  }
  if (!reply.Results) {
    showMessage(tr(kContext, "计算结果超出数值范围，请检查输入参数！"), kContext);
    return;
  }
  writeResults(reply.Results);
}

// Set when the page has an adviser to hand the converter to; without it the button is hidden.
let designInductor = null;
export function onDesignInductor(handler) {
  designInductor = handler;
}

function cmdDesignInductor() {
  const field = (id) => shown.results.find((f) => f.id === id) ?? shown.inputs.find((f) => f.id === id);
  const reply = ask("ConverterHandOver", {
    Topology: shown.screen.topology, Inputs: shown.inputs.map((f) => f.value),
    Inductance: field("txtL").value, PeakCurrent: field("txtILpk").value,
    RippleCurrent: field("txtdI").value, FrequencyKHz: field("txtF").value,
  });
  const messages = {
    NoResults: "还没有计算结果：请先输入参数并点击“计算”，再设计电感。",
    Inductance: "计算出的电感量不大于0，无法设计电感：请检查输入参数（如占空比）。",
    Currents: "计算出的电感电流无法用于设计电感：请检查输入参数。",
  };
  if (reply.Refusal) {
    showMessage(tr(kContext, messages[reply.Refusal]), kContext);
    return;
  }
  designInductor(reply);
}

export function showConverter(name) {
  const screen = screens.find((s) => s.name === name);
  if (shown) kept.set(shown.screen.name, shown);
  const host = $("converterScreen");
  if (kept.has(name)) {
    shown = kept.get(name);
    host.replaceChildren(shown.root);
    translateTree(shown.root);
    return;
  }
  const root = document.createElement("div");
  root.id = screen.name;
  root.className = "converter";
  const inputs = document.createElement("fieldset");
  inputs.id = "Frame2";
  const legend = document.createElement("legend");
  legend.dataset.tr = `${kContext}|${screen.captions[1]}`;
  legend.textContent = tr(kContext, screen.captions[1]);
  const form = document.createElement("div");
  form.className = "form";
  inputs.append(legend, form);
  const state = { screen, root, inputs: [], results: [] };
  for (const [id, caption, defaultText] of screen.inputs) {
    const field = document.createElement("input");
    field.id = id;
    field.value = defaultText;
    field.inputMode = "decimal";
    field.autocomplete = "off";
    filterKeys(field, "Numeric");
    field.addEventListener("input", calcResult);
    if (defaultText) field.addEventListener("dblclick", () => write(field, defaultText, calcResult));
    form.append(labelled(field, kContext, caption));
    state.inputs.push(field);
  }
  const buttons = document.createElement("div");
  buttons.className = "buttons";
  const cal = document.createElement("button");
  cal.id = "cmdCal";
  cal.type = "button";
  cal.dataset.tr = `${kContext}|计算`;
  cal.textContent = tr(kContext, "计算");
  cal.addEventListener("click", cmdCal);
  const design = document.createElement("button");
  design.id = "cmdDesignInductor";
  design.type = "button";
  design.dataset.tr = `${kContext}|设计电感…`;
  design.textContent = tr(kContext, "设计电感…");
  design.addEventListener("click", cmdDesignInductor);
  design.hidden = designInductor === null;
  buttons.append(cal, design);
  inputs.append(buttons);
  const results = document.createElement("fieldset");
  results.id = "Frame3";
  const resultLegend = document.createElement("legend");
  resultLegend.dataset.tr = `${kContext}|${screen.captions[2]}`;
  resultLegend.textContent = tr(kContext, screen.captions[2]);
  const resultForm = document.createElement("div");
  resultForm.className = "form";
  results.append(resultLegend, resultForm);
  for (const [id, caption] of screen.results) {
    // The result fields are ids of their own screen; inputs of the same name come first.
    const field = document.createElement("input");
    field.id = state.inputs.some((f) => f.id === id) ? `${id}Result` : id;
    field.autocomplete = "off";
    resultForm.append(labelled(field, kContext, caption));
    state.results.push(field);
  }
  root.append(inputs, results);
  host.replaceChildren(root);
  shown = state;
}

export function setUpConverters() {
  const choice = $("cmbTopology");
  for (const screen of screens) {
    const option = new Option(tr(kContext, screen.captions[0]), screen.name);
    option.dataset.tr = `${kContext}|${screen.captions[0]}`;
    choice.append(option);
  }
  choice.addEventListener("change", () => showConverter(choice.value));
  showConverter(screens[0].name);
}
