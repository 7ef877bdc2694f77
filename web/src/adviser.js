// "电感优化设计": the requirement, constraints and series as the program's window has them; the
// search in a worker (its progress, "停止" ending the worker), every feasible design on a chart
// of wound volume against total loss, the front as a sortable table, the best of each series,
// and the picked design opened in the calculator. The module reads the fields, searches,
// writes every text and hands the design over; this file routes events and draws.
import { applyDesign } from "./calculator.js";
import { ask } from "./qiro.js";
import { domainText, onLanguageChange, tr } from "./texts.js";
import { filterKeys, showMessage, showScreen } from "./ui.js";

const kContext = "qiro::DesignAdviser";
const $ = (id) => document.querySelector(`#DesignAdviser #${id}`);
const t = (source, ...args) => args.reduce((text, arg, i) => text.replace(`%${i + 1}`, arg), tr(kContext, source));

// The fields as AdviseDesigns names their numbers.
const kFields = {
  RequiredInductance: "txtInductance", InductanceTolerance: "txtTolerance", AverageCurrent: "txtAverage",
  PeakCurrent: "txtPeak", RippleCurrent: "txtRipple", FrequencyKHz: "txtFrequency", AmbientTemperature: "txtAmbient",
  MaxTemperatureRise: "txtMaxRise", MaxWoundOuterDiameter: "txtMaxDiameter", MaxWoundHeight: "txtMaxHeight",
  MinRetention: "txtMinRetention", MaxCoreCount: "txtMaxCores", MaxStrandCount: "txtMaxStrands",
};
const kOperatingPoint = ["optStatic", "optAtCurrent", "txtAverage", "txtPeak", "txtRipple", "txtFrequency"];
const kArgumentMessages = {
  RequiredInductance: "电感量必须大于0！",
  InductanceTolerance: "电感量公差必须在0到50%之间！",
  AverageCurrent: "平均电流必须大于或等于0！",
  PeakCurrent: "峰值电流必须大于0！",
  RippleCurrent: "纹波电流必须大于或等于0！",
  FrequencyKHz: "频率必须大于或等于0！单位为千赫兹",
  AmbientTemperature: "环境温度必须在-60到200 °C之间！",
  MaxTemperatureRise: "最高温升必须大于0！",
  MaxWoundOuterDiameter: "最大绕后外径必须大于或等于0！填0为不限",
  MaxWoundHeight: "最大绕后高度必须大于或等于0！填0为不限",
  MinRetention: "最低保持率必须在0到100%之间！",
  MaxCoreCount: "叠放磁芯数必须在1到6之间！",
  MaxStrandCount: "并绕根数必须在1到100之间！",
  Series: "至少选择一个磁芯系列！",
  Converter: "工作条件中的变换器无法运行：请在变换器窗口中检查其参数，或改为手动输入要求。",
};
// Why no design was found: [every design ruled out by it, most ruled out by it, its limit].
const kNoDesign = {
  WindowFill: ["所有方案窗口占用均超过44%（绕线困难）", "多数方案窗口占用超过44%（绕线困难）"],
  NotAssessable: ["所有方案均无法评估（绕组放不进内孔或损耗超出模型范围）", "多数方案无法评估（绕组放不进内孔或损耗超出模型范围）"],
  TemperatureRise: ["所有方案温升均超过%1 °C", "多数方案温升超过%1 °C", "MaxTemperatureRise"],
  WoundOuterDiameter: ["所有方案绕后外径均超过%1 mm", "多数方案绕后外径超过%1 mm", "MaxWoundOuterDiameter"],
  WoundHeight: ["所有方案绕后高度均超过%1 mm", "多数方案绕后高度超过%1 mm", "MaxWoundHeight"],
  Retention: ["所有方案电感保持率均低于%1%", "多数方案电感保持率低于%1%", "MinRetention"],
};
// The table's columns: header and the Front member it sorts by.
const kColumns = [["型号", "PartNumber"], ["磁芯数", "CoreCount"], ["线径(mm)", "WireDiameter"], ["根数", "StrandCount"],
  ["圈数", "Turns"], ["L@0A(μH)", "InductanceAtZero"], ["L@平均(μH)", "InductanceAtAverage"], ["L@峰值(μH)", "InductanceAtPeak"],
  ["窗口占用(%)", "WindowFill"], ["绕后外径(mm)", "WoundOuterDiameter"], ["绕后高度(mm)", "WoundHeight"],
  ["绕后体积(cm³)", "WoundVolume"], ["磁损(W)", "CoreLoss"], ["直流铜损(W)", "CopperLossDc"], ["交流铜损(W)", "CopperLossAc"],
  ["总损耗(W)", "TotalLoss"], ["温升(°C)", "TemperatureRise"], ["保持率(%)", "InductanceRetention"]];
// One colour per series, told apart also in grey (the program's).
const kColours = ["#1f77b4", "#ff7f0e", "#2ca02c", "#d62728", "#9467bd", "#8c564b", "#e377c2"];

let seriesCodes = [];
const state = {
  converter: null,    // {Converter, Summary} handed over by a converter screen
  request: null,      // the request of the shown result
  result: null,       // AdviseDesigns' reply (ForScreen)
  order: null,        // table sort: {column, descending} or null (the front's order)
  picked: null,       // the picked design
  pickedFields: null, // its hand-over to the calculator
  status: ["填写要求后按“开始优化”：逐一计算目录中每种磁芯、叠放数、线径和并绕根数的设计。"],
  chart: null,        // the drawn chart's scales, for finding a clicked point
};
let worker = null;
let running = false;

const sameDesign = (a, b) => a && b && a.PartNumber === b.PartNumber && a.CoreCount === b.CoreCount &&
  a.WireDiameter === b.WireDiameter && a.StrandCount === b.StrandCount && a.Turns === b.Turns;

function setStatus(source, ...args) {
  state.status = [source, ...args];
  $("labStatus").textContent = t(source, ...args);
}

// ---- The worker ----

function startWorker() {
  worker = new Worker(new URL("./adviser-worker.js", import.meta.url), { type: "module" });
  worker.onmessage = ({ data }) => {
    if ("progress" in data) {
      $("prgSearch").value = Math.round(Math.min(Math.max(data.progress, 0), 1) * 1000);
      return;
    }
    searchEnded(data.reply);
  };
}

function cmdStart() {
  const args = { InductanceAt: $("optStatic").checked ? "Zero" : "Average", Series: [] };
  for (const [name, id] of Object.entries(kFields)) {
    if (!(state.converter && kOperatingPoint.includes(id))) args[name] = $(id).value;
  }
  seriesCodes.forEach((code, i) => $(`chkSeries${i}`).checked && args.Series.push(code));
  if (state.converter) args.Converter = state.converter.Converter;
  const read = ask("ReadAdviserFields", args);
  if (read.Argument !== null) {
    showMessage(tr(kContext, kArgumentMessages[read.Argument]), kContext);
    return;
  }
  // A new search replaces the one in progress.
  if (running) restartWorker();
  clearResults();
  state.request = read.Request;
  running = true;
  $("prgSearch").value = 0;
  $("cmdStop").disabled = false;
  setStatus("正在优化……");
  worker.postMessage(read.Request);
}

function restartWorker() {
  worker.terminate();
  startWorker();
}

function cmdStop() {
  if (!running) return;
  restartWorker();
  running = false;
  $("cmdStop").disabled = true;
  setStatus("优化已停止，未得到结果。");
}

function searchEnded(reply) {
  running = false;
  $("cmdStop").disabled = true;
  if (!reply.ok) {
    $("prgSearch").value = 0;
    setStatus("无法优化：%1", reply.error);
    return;
  }
  $("prgSearch").value = 1000;
  state.result = reply.result;
  showResult();
}

// ---- Results ----

function clearResults() {
  Object.assign(state, { result: null, picked: null, pickedFields: null, order: null });
  $("lstBest").replaceChildren();
  $("tblFront").tBodies[0].replaceChildren();
  $("txtReport").value = "";
  $("labFront").textContent = "";
  $("cmdCopyTable").disabled = true;
  $("cmdOpenInCalculator").disabled = true;
  drawChart();
}

function showResult() {
  const result = state.result;
  if (!result) return;
  if (result.FeasibleCount === 0) {
    const { Reason, All } = result.NoDesign;
    if (Reason === "NoTurns") setStatus("没有满足要求的方案：所有磁芯在350圈以内都达不到所需电感量。");
    else if (Reason === "None") setStatus("没有满足要求的方案。");
    else {
      const [all, most, limit] = kNoDesign[Reason];
      const number = limit ? ask("GeneralNumberText", { value: state.request[limit], bits: 64 }) : "";
      state.status = ["没有满足要求的方案：%1。", [All ? all : most, number]];
      showStatus();
    }
  } else {
    setStatus("共%1个可行方案，最优前沿%2个。", String(result.FeasibleCount), String(result.Front.length));
  }
  $("cmdCopyTable").disabled = result.Front.length === 0;
  $("labFront").textContent = result.Thinned ? t("图中显示%1个方案中的%2个（按区域抽样），前沿完整。", String(result.FeasibleCount), String(result.Drawn.length)) : "";
  fillTable();
  fillBestList();
  drawChart();
}

// The status line, whose argument may itself be a text to translate.
function showStatus() {
  const [source, ...args] = state.status;
  const shown = args.map((arg) => (Array.isArray(arg) ? t(arg[0], arg[1]) : arg));
  $("labStatus").textContent = t(source, ...shown);
}

function rowOrder() {
  const front = state.result.Front.map((design, index) => index);
  if (!state.order) return front;
  const member = kColumns[state.order.column][1];
  const sign = state.order.descending ? -1 : 1;
  // Stable: equal values keep the front's order.
  return front.sort((a, b) => {
    const x = state.result.Front[a][member];
    const y = state.result.Front[b][member];
    return (x < y ? -1 : x > y ? 1 : 0) * sign;
  });
}

function fillTableHead() {
  const row = document.createElement("tr");
  kColumns.forEach(([caption], column) => {
    const cell = document.createElement("th");
    cell.scope = "col";
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = tr("qiro::DesignAdviserModel", caption);
    const sorted = state.order?.column === column;
    cell.setAttribute("aria-sort", sorted ? (state.order.descending ? "descending" : "ascending") : "none");
    if (sorted) button.textContent += state.order.descending ? " ▼" : " ▲";
    // Ascending, descending, then the front's order again.
    button.addEventListener("click", () => {
      if (!sorted) state.order = { column, descending: false };
      else if (!state.order.descending) state.order.descending = true;
      else state.order = null;
      fillTable();
    });
    cell.append(button);
    row.append(cell);
  });
  $("tblFront").tHead.replaceChildren(row);
}

function fillTable() {
  fillTableHead();
  const body = $("tblFront").tBodies[0];
  body.replaceChildren();
  if (!state.result) return;
  for (const index of rowOrder()) {
    const row = document.createElement("tr");
    row.tabIndex = 0;
    row.dataset.index = index;
    for (const text of state.result.Rows[index]) row.insertCell().textContent = text;
    const pick = () => pickDesign(state.result.Front[index]);
    row.addEventListener("click", pick);
    row.addEventListener("keydown", (event) => {
      if (event.key === "Enter" || event.key === " ") {
        event.preventDefault();
        pick();
      }
    });
    body.append(row);
  }
  markPicked();
}

function fillBestList() {
  const list = $("lstBest");
  list.replaceChildren();
  if (!state.result) return;
  for (const [code, texts] of Object.entries(state.result.BestTexts)) {
    const item = document.createElement("li");
    item.setAttribute("role", "option");
    item.dataset.series = code;
    if (texts === null) {
      item.textContent = t("%1：无可行方案", code);
      item.setAttribute("aria-disabled", "true");
    } else {
      item.textContent = t("%1：%2×%3，%4 mm×%5，%6圈\n%7 cm³，%8 W", code, ...texts);
      item.tabIndex = 0;
      const pick = () => pickDesign(state.result.BestPerSeries[code]);
      item.addEventListener("click", pick);
      item.addEventListener("keydown", (event) => {
        if (event.key === "Enter" || event.key === " ") {
          event.preventDefault();
          pick();
        }
      });
    }
    list.append(item);
  }
  markPicked();
}

// ---- Picking ----

function pickDesign(design) {
  state.pickedFields = ask("OpenAdvisedDesign", {
    ...state.request, Core: design.PartNumber, CoreCount: design.CoreCount, WireDiameter: design.WireDiameter,
    StrandCount: design.StrandCount, Turns: design.Turns,
  });
  state.picked = design;
  $("txtReport").value = domainText(state.pickedFields.Report);
  $("cmdOpenInCalculator").disabled = false;
  markPicked();
  drawChart();
}

function markPicked() {
  if (!state.result) return;
  for (const row of $("tblFront").tBodies[0].rows) {
    const on = sameDesign(state.result.Front[row.dataset.index], state.picked);
    row.setAttribute("aria-selected", String(on));
    if (on) row.scrollIntoView({ block: "nearest" });
  }
  for (const item of $("lstBest").children) {
    item.setAttribute("aria-selected", String(sameDesign(state.result.BestPerSeries[item.dataset.series], state.picked)));
  }
}

function cmdOpenInCalculator() {
  if (!state.pickedFields) return;
  const { Report, ...fields } = state.pickedFields;
  showScreen("frmDiangan");
  applyDesign(fields);
}

function cmdCopyTable() {
  if (!state.result) return;
  const lines = [kColumns.map(([caption]) => tr("qiro::DesignAdviserModel", caption)).join("\t")];
  for (const index of rowOrder()) lines.push(state.result.Rows[index].join("\t"));
  navigator.clipboard?.writeText(lines.join("\n") + "\n");
}

// ---- The chart: log axes, a little room around the cloud ----

function drawChart() {
  const canvas = $("chartDesigns");
  const g = canvas.getContext("2d");
  const width = canvas.width;
  const height = canvas.height;
  g.clearRect(0, 0, width, height);
  g.fillStyle = "#111";
  g.font = "15px sans-serif";
  g.textAlign = "center";
  g.fillText(t("可行方案：绕后体积与总损耗"), width / 2, 20);
  const plot = { left: 70, right: width - 110, top: 34, bottom: height - 46 };
  g.strokeStyle = "#999";
  g.strokeRect(plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top);
  g.font = "13px sans-serif";
  g.fillText(t("绕后体积(cm³)"), (plot.left + plot.right) / 2, height - 8);
  g.save();
  g.translate(16, (plot.top + plot.bottom) / 2);
  g.rotate(-Math.PI / 2);
  g.fillText(t("总损耗(W)"), 0, 0);
  g.restore();
  state.chart = null;
  const result = state.result;
  const points = result?.Drawn ?? [];
  if (!result || points.length === 0) return;
  let [lowV, highV, lowL, highL] = [Infinity, 0, Infinity, 0];
  for (const d of [...points, ...result.Front]) {
    lowV = Math.min(lowV, d.WoundVolume);
    highV = Math.max(highV, d.WoundVolume);
    lowL = Math.min(lowL, d.TotalLoss);
    highL = Math.max(highL, d.TotalLoss);
  }
  [lowV, highV, lowL, highL] = [lowV / 1.25, highV * 1.25, lowL / 1.25, highL * 1.25];
  const x = (v) => plot.left + (Math.log(v / lowV) / Math.log(highV / lowV)) * (plot.right - plot.left);
  const y = (l) => plot.bottom - (Math.log(l / lowL) / Math.log(highL / lowL)) * (plot.bottom - plot.top);
  state.chart = { x, y };
  // Decade ticks and the 2 and 5 between them when few decades show.
  g.fillStyle = "#333";
  g.font = "11px sans-serif";
  for (const [low, high, axis] of [[lowV, highV, "x"], [lowL, highL, "y"]]) {
    const decades = Math.log10(high / low);
    for (let e = Math.floor(Math.log10(low)); e <= Math.ceil(Math.log10(high)); ++e) {
      for (const m of decades < 2 ? [1, 2, 5] : [1]) {
        const value = m * 10 ** e;
        if (value < low || value > high) continue;
        const label = Number(value.toPrecision(1)).toString();
        g.strokeStyle = "#e4e4e4";
        g.beginPath();
        if (axis === "x") {
          g.moveTo(x(value), plot.top);
          g.lineTo(x(value), plot.bottom);
          g.stroke();
          g.textAlign = "center";
          g.fillText(label, x(value), plot.bottom + 14);
        } else {
          g.moveTo(plot.left, y(value));
          g.lineTo(plot.right, y(value));
          g.stroke();
          g.textAlign = "right";
          g.fillText(label, plot.left - 4, y(value) + 4);
        }
      }
    }
  }
  for (const d of points) {
    g.fillStyle = kColours[seriesCodes.indexOf(d.Series)];
    g.beginPath();
    g.arc(x(d.WoundVolume), y(d.TotalLoss), 2.5, 0, 2 * Math.PI);
    g.fill();
  }
  // The front exactly: each design's loss holds until the next, larger one lowers it.
  const front = result.Front;
  g.strokeStyle = "#000";
  g.lineWidth = 2;
  g.beginPath();
  front.forEach((d, i) => {
    if (i === 0) g.moveTo(x(d.WoundVolume), y(d.TotalLoss));
    else {
      g.lineTo(x(d.WoundVolume), y(front[i - 1].TotalLoss));
      g.lineTo(x(d.WoundVolume), y(d.TotalLoss));
    }
  });
  if (front.length) g.lineTo(x(highV / 1.25), y(front.at(-1).TotalLoss));
  g.stroke();
  g.lineWidth = 1;
  for (const d of front) {
    g.fillStyle = "#fff";
    g.beginPath();
    g.arc(x(d.WoundVolume), y(d.TotalLoss), 4, 0, 2 * Math.PI);
    g.fill();
    g.stroke();
  }
  if (state.picked) {
    g.fillStyle = "#ffd700";
    g.fillRect(x(state.picked.WoundVolume) - 6, y(state.picked.TotalLoss) - 6, 12, 12);
    g.strokeRect(x(state.picked.WoundVolume) - 6, y(state.picked.TotalLoss) - 6, 12, 12);
  }
  // Legend: the series drawn, the front, the picked design.
  g.textAlign = "left";
  g.font = "12px sans-serif";
  let row = plot.top + 8;
  const legend = [...new Set(points.map((d) => d.Series))].sort((a, b) => seriesCodes.indexOf(a) - seriesCodes.indexOf(b));
  for (const code of legend) {
    g.fillStyle = kColours[seriesCodes.indexOf(code)];
    g.fillRect(plot.right + 10, row - 8, 10, 10);
    g.fillStyle = "#111";
    g.fillText(code, plot.right + 26, row + 1);
    row += 18;
  }
  g.fillRect(plot.right + 10, row - 4, 12, 2);
  g.fillText(t("最优前沿"), plot.right + 26, row + 1);
  row += 18;
  g.fillStyle = "#ffd700";
  g.fillRect(plot.right + 10, row - 8, 10, 10);
  g.fillStyle = "#111";
  g.fillText(t("所选方案"), plot.right + 26, row + 1);
}

// A click picks the drawn design nearest to it on the chart.
function chartClicked(event) {
  if (!state.chart || !state.result) return;
  const canvas = $("chartDesigns");
  const box = canvas.getBoundingClientRect();
  const px = ((event.clientX - box.left) * canvas.width) / box.width;
  const py = ((event.clientY - box.top) * canvas.height) / box.height;
  let nearest = null;
  let best = 12 * 12;
  for (const d of [...state.result.Front, ...state.result.Drawn]) {
    const distance = (state.chart.x(d.WoundVolume) - px) ** 2 + (state.chart.y(d.TotalLoss) - py) ** 2;
    if (distance < best) {
      best = distance;
      nearest = d;
    }
  }
  if (nearest) pickDesign(nearest);
}

// ---- The operating condition handed over by a converter ----

function setConverter(converter) {
  state.converter = converter;
  const label = $("labOperatingCondition");
  label.hidden = !converter;
  label.textContent = converter ? t("工作条件：%1", domainText(converter.Summary)) : "";
  $("cmdTypedRequirement").hidden = !converter;
  for (const id of kOperatingPoint) $(id).disabled = converter !== null;
}

// "设计电感…" on a converter screen: the requirement, and the converter when it runs.
export function designInductorFor(handOver) {
  const number = (value) => ask("GeneralNumberText", { value, bits: 64 });
  $("txtInductance").value = number(handOver.InductanceAt);
  $("optAtCurrent").checked = true;
  $("txtAverage").value = number(handOver.AverageCurrent);
  $("txtPeak").value = number(handOver.PeakCurrent);
  $("txtRipple").value = number(handOver.RippleCurrent);
  $("txtFrequency").value = number(handOver.FrequencyKHz);
  setConverter(handOver.Converter ? { Converter: handOver.Converter, Summary: handOver.Summary } : null);
  showScreen("DesignAdviser");
}

export function setUpAdviser() {
  const catalogue = ask("InitCoreData");
  seriesCodes = [...new Set(catalogue.map((core) => core.Series))];
  const boxes = document.getElementById("seriesBoxes");
  seriesCodes.forEach((code, i) => {
    const label = document.createElement("label");
    const box = document.createElement("input");
    box.type = "checkbox";
    box.id = `chkSeries${i}`;
    box.checked = true;
    label.append(box, ` ${code}`);
    boxes.append(label);
  });
  for (const [name, id] of Object.entries(kFields)) {
    const rule = name === "MaxCoreCount" || name === "MaxStrandCount" ? "Integer" : "Numeric";
    filterKeys($(id), rule, name === "AmbientTemperature");
  }
  $("cmdStart").addEventListener("click", cmdStart);
  $("cmdStop").addEventListener("click", cmdStop);
  $("cmdCopyTable").addEventListener("click", cmdCopyTable);
  $("cmdOpenInCalculator").addEventListener("click", cmdOpenInCalculator);
  $("cmdTypedRequirement").addEventListener("click", () => setConverter(null));
  $("chartDesigns").addEventListener("click", chartClicked);
  onLanguageChange(() => {
    showStatus();
    if (state.converter) setConverter(state.converter);
    fillTable();
    fillBestList();
    if (state.pickedFields) $("txtReport").value = domainText(state.pickedFields.Report);
    if (state.result) showResultTexts();
    drawChart();
  });
  startWorker();
  showStatus();
  fillTableHead();
  drawChart();
}

function showResultTexts() {
  const result = state.result;
  $("labFront").textContent = result.Thinned ? t("图中显示%1个方案中的%2个（按区域抽样），前沿完整。", String(result.FeasibleCount), String(result.Drawn.length)) : "";
}
