// The toroid calculator ("环形磁芯电感计算"): its fields, rules, core list, report and
// assessment. Every rule and text comes from the module; this file routes the events.
import { ask } from "./qiro.js";
import { domainText, onLanguageChange, tr } from "./texts.js";
import { filterKeys, showMessage, write } from "./ui.js";

const $ = (id) => document.getElementById(id);
const kScreen = "qiro::frmDiangan";
const kFaultMessages = {
  AverageCurrent: "请输入“平均”电流！单位为安培",
  PeakCurrent: "请输入“峰值”电流！单位为安培",
  RippleCurrent: "请输入“纹波”电流！单位为安培",
  Frequency: "请输入“频率”，注意单位为千赫兹！",
  Turns: "请输入绕线圈数！",
  NoCore: "没有选择任何磁芯，请从列表中选择需要的磁芯！",
  StrandCount: "铜线根数超出范围！最多为32767根",
  CoreCount: "磁芯个数超出范围！请重新输入磁芯个数",
  WireDiameter: "请在列表中选择线径！",
  AverageCurrentRange: "平均电流超出数值范围！",
  PeakCurrentRange: "峰值电流超出数值范围！",
  RippleCurrentRange: "纹波电流超出数值范围！",
  FrequencyRange: "频率超出数值范围！",
};
const kOutOfRange = "计算结果超出数值范围！请检查输入的数值";

// What the screen shows besides its field texts, kept so a change of language redraws it.
const state = {
  report: null,        // the report text as the module wrote it (CR LF)
  coreInfo: null,      // the picked core's data text
  density: null,       // the current density caption
  ambient: 25,
  converter: null,     // the converter a handed-over design was found for
  design: null,        // the evaluated inputs the assessment follows
};

export function faultMessage(fault) {
  return tr(kScreen, kFaultMessages[fault]);
}

function selectedPartNumber() {
  const list = $("lstCoreList");
  return list.selectedIndex >= 0 ? list.options[list.selectedIndex].text.trim() : "";
}

export function inputTexts() {
  return {
    AverageCurrent: $("txtIrms").value,
    PeakCurrent: $("txtIpeak").value,
    RippleCurrent: $("txtdI").value,
    FrequencyKHz: $("txtF").value,
    WireDiameter: $("cmbWinding").value,
    StrandCount: $("txtCopperPcs").value,
    Turns: $("txtTurns").value,
    CoreCount: $("cmbCoreCount").value,
    CoreSelected: selectedPartNumber() !== "",
  };
}

// The design the fields hold, as EvaluateInductor takes it, or the message why none.
export function heldDesign() {
  const read = ask("ReadToroidInputs", inputTexts());
  if (read.Fault) return { message: faultMessage(read.Fault) };
  const { Fault, StrandCountReplaced, CoreCountReplaced, ...design } = read;
  return { design: { Core: selectedPartNumber(), ...design }, read, ambient: state.ambient, converter: state.converter };
}

// Refreshes the report silently; returns the message "计算" shows when the inputs fail.
function refreshReport() {
  const held = heldDesign();
  if (held.message) {
    $("labMsg").hidden = true;
    return held.message;
  }
  const { read, design } = held;
  if (read.StrandCountReplaced) write($("txtCopperPcs"), "1", txtCopperPcsChanged);
  if (read.CoreCountReplaced) $("cmbCoreCount").value = "1";
  let report;
  try {
    report = ask("ReportText", design);
  } catch {
    $("labMsg").hidden = true;
    return tr(kScreen, kOutOfRange);
  }
  $("labMsg").hidden = report.WindingWarning === "";
  state.report = report.Text;
  state.design = design;
  $("cmdCopyReport").disabled = false;
  showReport();
  refreshAssessment();
  return null;
}

function showReport() {
  if (state.report !== null) $("txtShow").value = domainText(state.report);
  if (state.coreInfo !== null) $("txtShowCore").value = domainText(state.coreInfo);
  if (state.density !== null) $("labCurrentDensity").textContent = domainText(state.density);
  $("labMsg").textContent = tr(kScreen, "注意：绕线困难！");
}

function refreshAssessment() {
  const box = $("assessmentLines");
  box.replaceChildren();
  if (!state.design) {
    box.append(line({ Text: tr("qiro::AssessmentPanel", "尚无设计可评估"), Level: "Plain", Column: 0 }));
    return;
  }
  const args = { ...state.design, AmbientTemperature: state.ambient };
  if (state.converter) args.Converter = state.converter;
  const columns = [document.createElement("div"), document.createElement("div")];
  for (const item of ask("AssessmentLines", args)) columns[item.Column].append(line(item));
  box.append(...columns.filter((column) => column.childElementCount));
  box.classList.toggle("two", columns[1].childElementCount > 0);
}

function line(item) {
  const element = document.createElement("p");
  element.textContent = domainText(item.Text);
  element.className = `level-${item.Level}`;
  return element;
}

function refreshCurrentDensity() {
  const caption = ask("CurrentDensityCaption", {
    AverageText: $("txtIrms").value, WireText: $("cmbWinding").value, StrandText: $("txtCopperPcs").value,
  });
  if (caption !== null) {
    state.density = caption;
    $("labCurrentDensity").textContent = domainText(caption);
  }
}

// ---- Field rules ----

function txtIrmsChanged() {
  const average = $("txtIrms").value;
  write($("txtIpeak"), ask("PeakFromAverage", { AverageText: average }), txtIpeakChanged);
  write($("txtdI"), ask("RippleFromAverage", { AverageText: average }), refreshReport);
  write($("txtIpeak"), ask("PeakFromAverage", { AverageText: average }), txtIpeakChanged);
  refreshCurrentDensity();
  refreshReport();
}

function txtIpeakChanged() {
  write($("txtdI"), ask("RippleFromPeak", { PeakText: $("txtIpeak").value, Fraction: 0.2 }), refreshReport);
  refreshReport();
}

function txtCopperPcsChanged() {
  if ($("txtCopperPcs").value === "") return;
  refreshCurrentDensity();
  refreshReport();
}

function txtTurnsChanged() {
  const rule = ask("ToroidFieldRule", { Field: "txtTurns", Event: "Changed", Text: $("txtTurns").value });
  if (rule.ScrollValue !== null) $("hcrollTurns").value = String(rule.ScrollValue);
  refreshReport();
}

const changeRules = {
  txtIrms: txtIrmsChanged,
  txtIpeak: txtIpeakChanged,
  txtdI: refreshReport,
  txtF: refreshReport,
  txtCopperPcs: txtCopperPcsChanged,
  txtTurns: txtTurnsChanged,
};

function focusRule(id, event) {
  const field = $(id);
  const rule = ask("ToroidFieldRule", {
    Field: id, Event: event, Text: field.value, AverageText: $("txtIrms").value, PeakText: $("txtIpeak").value,
  });
  write(field, rule.Text, changeRules[id]);
}

function rippleShortcut(fraction) {
  write($("txtdI"), ask("RippleFromPeak", { PeakText: $("txtIpeak").value, Fraction: fraction }), refreshReport);
}

// ---- Core list ----

function fillCoreList(searchText) {
  const list = $("lstCoreList");
  const options = ask("CoreListMatching", { SearchText: searchText }).map((partNumber) => new Option(partNumber));
  list.replaceChildren(...options);
  list.selectedIndex = -1;
}

function lstCoreListPicked() {
  const partNumber = selectedPartNumber();
  if (!partNumber) return;
  state.coreInfo = ask("CoreInfoText", { Core: partNumber });
  $("txtShowCore").value = domainText(state.coreInfo);
  refreshReport();
}

// ---- A design handed over (from a file or the adviser): field texts as the module gives them ----

export function applyDesign(fields) {
  state.converter = fields.Converter ?? null;
  const list = $("lstCoreList");
  const find = () => [...list.options].findIndex((option) => option.text === fields.Core);
  let index = find();
  if (index < 0) {
    $("txtSearch").value = "";
    fillCoreList("");
    index = find();
  }
  if (index >= 0) {
    list.selectedIndex = index;
    list.options[index].scrollIntoView({ block: "nearest" });
    state.coreInfo = ask("CoreInfoText", { Core: fields.Core });
  }
  $("cmbCoreCount").value = fields.CoreCount;
  $("cmbWinding").value = fields.WireDiameter;
  write($("txtCopperPcs"), fields.StrandCount, txtCopperPcsChanged);
  $("hcrollTurns").value = fields.Turns;
  write($("txtTurns"), fields.Turns, txtTurnsChanged);
  write($("txtIrms"), fields.AverageCurrent, txtIrmsChanged);
  write($("txtIpeak"), fields.PeakCurrent, txtIpeakChanged);
  write($("txtdI"), fields.RippleCurrent, refreshReport);
  write($("txtF"), fields.FrequencyKHz, refreshReport);
  const ambient = ask("AmbientFromText", { Text: fields.AmbientTemperature });
  if (ambient !== null) {
    state.ambient = ambient;
    $("txtAmbient").value = fields.AmbientTemperature;
  }
  refreshCurrentDensity();
  refreshReport();
  showReport();
  refreshAssessment();
}

export function reportText() {
  return state.report === null ? null : domainText(state.report);
}

export function setUpCalculator() {
  const wires = $("cmbWinding");
  for (let tenths = 30; tenths >= 1; --tenths) {
    const text = tr("frmDiangan", (tenths / 10).toFixed(1));
    wires.append(new Option(text, text, tenths === 10, tenths === 10));
  }
  fillCoreList("");
  refreshAssessment();

  for (const id of ["txtIrms", "txtIpeak", "txtF", "cmbCoreCount", "txtdI", "txtAmbient"]) filterKeys($(id), "Numeric");
  filterKeys($("txtCopperPcs"), "Integer");
  filterKeys($("txtTurns"), "None");
  for (const [id, rule] of Object.entries(changeRules)) $(id).addEventListener("input", rule);
  for (const id of ["txtIrms", "txtIpeak", "txtdI", "txtF", "txtCopperPcs"]) {
    $(id).addEventListener("focus", () => focusRule(id, "GotFocus"));
  }
  for (const id of ["txtIrms", "txtIpeak", "txtdI", "txtF", "txtCopperPcs", "txtTurns"]) {
    $(id).addEventListener("blur", () => {
      if (document.hasFocus()) focusRule(id, "LostFocus");
    });
  }
  $("txtIpeak").addEventListener("dblclick", () =>
    write($("txtIpeak"), ask("PeakFromAverage", { AverageText: $("txtIrms").value }), txtIpeakChanged));
  $("txtdI").addEventListener("dblclick", () => rippleShortcut(0.2));
  $("txtdI").addEventListener("keydown", (event) => {
    if (event.key === " ") rippleShortcut(0.15);
    else if (event.key === "Enter") rippleShortcut(0.1);
    else return;
    event.preventDefault();
  });
  $("hcrollTurns").addEventListener("input", () => write($("txtTurns"), $("hcrollTurns").value, txtTurnsChanged));
  wires.addEventListener("change", () => {
    refreshCurrentDensity();
    refreshReport();
  });
  // A count picked from the list refreshes; one typed takes effect at the next refresh.
  $("cmbCoreCount").addEventListener("input", (event) => {
    if (event.inputType === "insertReplacementText" || event.inputType === undefined) refreshReport();
  });
  $("txtSearch").addEventListener("input", () => fillCoreList($("txtSearch").value));
  $("lstCoreList").addEventListener("change", lstCoreListPicked);
  $("cmdJiSuan").addEventListener("click", () => {
    const message = refreshReport();
    if (message) showMessage(message);
  });
  $("txtAmbient").addEventListener("input", () => {
    const ambient = ask("AmbientFromText", { Text: $("txtAmbient").value });
    if (ambient === null || ambient === state.ambient) return;
    state.ambient = ambient;
    refreshAssessment();
  });
  $("cmdCopyReport").addEventListener("click", () => navigator.clipboard?.writeText(reportText() ?? ""));
  onLanguageChange(() => {
    showReport();
    refreshAssessment();
  });
}
