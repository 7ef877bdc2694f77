// The web page in a real browser: Debian's chromium, headless, driven through puppeteer-core
// against the built site on a 127.0.0.1 server, typed into key by key. Numbers and texts are
// compared with the native qiro-batch's replies.
// Usage: node tests/web/page.mjs <qiro-batch>   (exit 77: skipped, something is not installed)
import { execFileSync } from "node:child_process";
import { existsSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const root = join(dirname(fileURLToPath(import.meta.url)), "../..");
const chromium = "/usr/bin/chromium";
const qiroBatch = process.argv[2];
for (const [path, what] of [[join(root, "build/web/site/index.html"), "the site (scripts/web)"],
  [chromium, "chromium (scripts/setup test)"], [join(root, "web/node_modules/puppeteer-core"), "puppeteer-core (npm ci in web/)"]]) {
  if (!existsSync(path)) {
    console.log(`skipped: ${what} is missing`);
    process.exit(77);
  }
}
const { default: puppeteer } = await import(join(root, "web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js"));
const { serve } = await import(join(root, "web/serve.mjs"));

function native(op, args) {
  const reply = JSON.parse(execFileSync(qiroBatch, { input: JSON.stringify({ op, args }) + "\n" }).toString());
  if (!reply.ok) throw new Error(`${op}: ${reply.error}`);
  return reply.result;
}

const failures = [];
function check(what, actual, expected) {
  if (JSON.stringify(actual) !== JSON.stringify(expected)) {
    failures.push(what);
    console.error(`FAIL ${what}\n  actual:   ${JSON.stringify(actual)}\n  expected: ${JSON.stringify(expected)}`);
  }
}

const server = await serve(0);
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await puppeteer.launch({ executablePath: chromium, headless: true, args: ["--no-sandbox", "--lang=zh-CN"] });

// A fresh page in the given language, ready once the module is loaded.
async function open({ language = "zh", width = 1280, height = 900 } = {}) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  page.on("pageerror", (error) => failures.push(`page error: ${error.message}`));
  await page.evaluateOnNewDocument((chosen) => localStorage.setItem("qiro-language", chosen), language);
  await page.goto(url);
  await page.waitForSelector("body[data-ready]");
  return page;
}
const selector = (id) => (id.includes("#") ? id : `#${id}`);
const value = (page, id) => page.$eval(selector(id), (e) => e.value);
const text = (page, selector) => page.$eval(selector, (e) => e.innerText);
async function type(page, id, keys) {
  await page.click(selector(id));
  await page.keyboard.type(keys);
}
async function turnsTo(page, turns) {
  await page.focus("#hcrollTurns");
  for (let now = Number(await value(page, "hcrollTurns")); now < turns; ++now) await page.keyboard.press("ArrowRight");
}
// Every visible text of the page: no number may show as NaN, Infinity or undefined.
async function checkNoBadWords(page, what) {
  const shown = await page.evaluate(() => document.body.innerText + [...document.querySelectorAll("input, textarea")].map((e) => e.value).join(" "));
  check(`${what}: no NaN, Infinity or undefined`, /NaN|Infinity|undefined/.test(shown), false);
}

const cases = {
  async "the worked example, typed key by key, reports and assesses as the native program"() {
    const page = await open();
    await type(page, "txtIrms", "10");
    check("peak from the average", await value(page, "txtIpeak"), "14.14");
    check("ripple from the peak", await value(page, "txtdI"), "2.828");
    check("current density", await text(page, "#labCurrentDensity"), "电流密度=12.73");
    await type(page, "txtF", "100");
    await page.select("#lstCoreList", "KMA157060");
    await turnsTo(page, 10);
    check("turns from the scroll bar", await value(page, "txtTurns"), "10");
    const design = { Core: "KMA157060", CoreCount: 1, FrequencyKHz: 100, AverageCurrent: 10, PeakCurrent: 14.14,
      RippleCurrent: 2.828, WireDiameter: 1, StrandCount: 1, Turns: 10 };
    const report = native("ReportText", design);
    check("report", await value(page, "txtShow"), report.Text.replaceAll("\r\n", "\n"));
    check("core data", await value(page, "txtShowCore"), native("CoreInfoText", { Core: "KMA157060" }).replaceAll("\r\n", "\n"));
    const lines = native("AssessmentLines", { ...design, AmbientTemperature: 25 });
    check("assessment", await page.$$eval("#assessmentLines p", (ps) => ps.map((p) => [p.textContent, p.className])),
      lines.map((l) => [l.Text, `level-${l.Level}`]));
    check("no winding warning", await page.$eval("#labMsg", (e) => e.hidden), true);
    // A thick wire fills the window: the warning shows, and goes with a thinner one.
    await page.select("#cmbWinding", "3.0");
    await turnsTo(page, 30);
    check("winding warning", await page.$eval("#labMsg", (e) => !e.hidden && e.textContent), "注意：绕线困难！");
    await page.select("#cmbWinding", "1.0");
    check("warning gone", await page.$eval("#labMsg", (e) => e.hidden), true);
    // Space and Enter in the ripple field are shortcuts, letters are not typed.
    await page.click("#txtdI", { clickCount: 3 });
    await page.keyboard.press("Space");
    check("space: 15 % of the peak", await value(page, "txtdI"), "2.121");
    await page.keyboard.press("Enter");
    check("Enter: 10 % of the peak", await value(page, "txtdI"), "1.414");
    await page.keyboard.type("x-");
    check("letters and minus are discarded", await value(page, "txtdI"), "1.414");
    // Leaving the peak below the average puts it back.
    await page.click("#txtIpeak", { clickCount: 3 });
    await page.keyboard.type("5");
    await page.click("#txtF");
    check("peak left below the average", await value(page, "txtIpeak"), "14.14");
    await checkNoBadWords(page, "worked example");
    await page.close();
  },

  async "the core search filters the list, and a search matching nothing keeps the report"() {
    const page = await open();
    const options = () => page.$$eval("#lstCoreList option", (os) => os.map((o) => o.text));
    const all = await options();
    check("whole catalogue", [all.length, all[0], all.at(-1)], [754, "KMA038026", "KME401125"]);
    await type(page, "txtSearch", "kma157");
    check("kma157", await options(), ["KMA157026", "KMA157040", "KMA157060", "KMA157075", "KMA157090", "KMA157060C"]);
    await page.select("#lstCoreList", "KMA157060");
    const core = await value(page, "txtShowCore");
    await type(page, "txtSearch", "zzz");
    check("nothing found", (await options()).length, 0);
    check("core text kept", await value(page, "txtShowCore"), core);
    await page.click("#txtSearch", { clickCount: 3 });
    await page.keyboard.type("-L");
    check("-L", (await options()).length, 29);
    await page.close();
  },

  async "计算 names the first input that fails, in the program's words"() {
    const page = await open();
    await page.click("#cmdJiSuan");
    await page.waitForSelector("#messageBox[open]");
    check("message", await text(page, "#messageText"), "请输入“平均”电流！单位为安培");
    check("title", await text(page, "#messageTitle"), "错误提示(QIRO Magnetic)");
    await page.click("#messageOk");
    await type(page, "txtIrms", "10");
    await page.click("#cmdJiSuan");
    await page.waitForSelector("#messageBox[open]");
    check("then the frequency", await text(page, "#messageText"), "请输入“频率”，注意单位为千赫兹！");
    await page.keyboard.press("Enter");
    check("typed text kept", await value(page, "txtIrms"), "10");
    await page.close();
  },

  async "the language switch translates the screen and the report, and keeps what was typed"() {
    const page = await open();
    await type(page, "txtIrms", "10");
    await type(page, "txtF", "100");
    await page.select("#lstCoreList", "KMA157060");
    const chinese = await value(page, "txtShow");
    await page.click("#cmdLanguage");
    check("label", await text(page, "#Label2"), "Average current (A)");
    check("html lang", await page.$eval("html", (e) => e.lang), "en");
    const english = await value(page, "txtShow");
    check("report translated", english.startsWith("Core: KMA157060") && english !== chinese, true);
    check("typed kept", [await value(page, "txtIrms"), await value(page, "txtF")], ["10", "100"]);
    await page.click("#cmdLanguage");
    check("back in Chinese", await value(page, "txtShow"), chinese);
    await checkNoBadWords(page, "language switch");
    await page.close();
  },

  async "a converter calculator follows the typing and names its first failing input"() {
    const page = await open();
    await page.click("#tabConverters");
    await page.select("#cmbTopology", "frmTOPBUCK");
    check("ripple ratio default", await value(page, "txtWenbolv"), "0.2");
    await page.click("#cmdCal");
    await page.waitForSelector("#messageBox[open]");
    check("first message", await text(page, "#messageText"), "请输入“输出电流Iout”！单位为安培（A）");
    await page.click("#messageOk");
    for (const [id, keys] of [["txtIout", "5"], ["txtVin", "12"], ["txtVout", "5"], ["#frmTOPBUCK #txtF", "1a00"]]) await type(page, id, keys);
    const results = await page.$$eval("#frmTOPBUCK #Frame3 input", (fields) => fields.map((f) => [f.id, f.value]));
    check("worked example", results, [["txtL", "29.16667"], ["txtILpk", "5.5"], ["txtP", "25"], ["txtdI", "1"], ["txtD", "0.4166667"]]);
    const native5 = native("CalcBuck", { Iout: 5, Vin: 12, Vout: 5, f: 100, gamma: 0.2 });
    check("inductance as the native tool", Number(await value(page, "txtL")).toPrecision(7), native5.L.toPrecision(7));
    // A deleted ripple ratio keeps the results; "计算" then asks for it; a double-click restores it.
    await page.click("#txtWenbolv", { clickCount: 3 });
    await page.keyboard.press("Backspace");
    check("results kept", await value(page, "txtL"), "29.16667");
    await page.click("#cmdCal");
    await page.waitForSelector("#messageBox[open]");
    check("ripple message", await text(page, "#messageText"), "请输入“纹波率”！");
    await page.click("#messageOk");
    await page.click("#txtWenbolv", { clickCount: 2 });
    check("default restored", await value(page, "txtWenbolv"), "0.2");
    // Another screen and back: the texts stay, as in an open window.
    await page.select("#cmbTopology", "frmTOPPFC");
    check("PFC efficiency default", await value(page, "txtXiaolv"), "0.98");
    await page.select("#cmbTopology", "frmTOPBUCK");
    check("BUCK kept", await value(page, "txtVin"), "12");
    await checkNoBadWords(page, "converter");
    await page.close();
  },

  async "a bad design file is refused with the program's message, then a good one opens"() {
    const page = await open();
    const picker = await page.$("#fileDesign");
    const bad = "/tmp/qiro-web-bad.qiro";
    writeFileSync(bad, '{"format": "something else"}');
    await picker.uploadFile(bad);
    await page.waitForSelector("#messageBox[open]");
    const refusal = native("OpenDesignFile", { Text: '{"format": "something else"}' }).Message;
    check("refusal", await text(page, "#messageText"), refusal);
    await page.click("#messageOk");
    const design = { Core: "KMA157060", CoreCount: 2, FrequencyKHz: 100, AverageCurrent: 10, PeakCurrent: 14.14,
      RippleCurrent: 2.828, WireDiameter: 1.2, StrandCount: 2, Turns: 12, AmbientTemperature: 40 };
    const good = "/tmp/qiro-web-good.qiro";
    writeFileSync(good, native("WriteDesignFile", design));
    await picker.uploadFile(good);
    await page.waitForFunction(() => document.getElementById("txtTurns").value === "12");
    check("fields", await Promise.all(["txtIrms", "txtIpeak", "txtdI", "txtF", "cmbWinding", "txtCopperPcs", "txtTurns", "cmbCoreCount", "txtAmbient", "lstCoreList"].map((id) => value(page, id))),
      ["10", "14.14", "2.828", "100", "1.2", "2", "12", "2", "40", "KMA157060"]);
    const { AmbientTemperature, ...evaluated } = design;
    check("report", await value(page, "txtShow"), native("ReportText", evaluated).Text.replaceAll("\r\n", "\n"));
    await page.close();
  },

  async "an adviser run shows its designs, a stop ends a run, and a new run after it completes"() {
    const page = await open();
    await page.click("#tabAdviser");
    const field = (id) => `#DesignAdviser #${id}`;
    const retype = async (id, keys) => {
      await page.click(field(id), { clickCount: 3 });
      await page.keyboard.type(keys);
    };
    const status = () => text(page, "#labStatus");
    const ended = () => page.waitForFunction(() => document.querySelector("#cmdStop").disabled, { timeout: 60000 });
    // A field out of its range: the program's message, and nothing searched.
    for (const [id, keys, message] of [["txtTolerance", "60", "电感量公差必须在0到50%之间！"], ["txtMaxCores", "7", "叠放磁芯数必须在1到6之间！"]]) {
      const before = await page.$eval(field(id), (e) => e.value);
      await retype(id, keys);
      await page.click("#cmdStart");
      await page.waitForSelector("#messageBox[open]");
      check(`${id} message`, await text(page, "#messageText"), message);
      await page.click("#messageOk");
      await retype(id, before);
    }
    // The whole default space, stopped once under way; the page stays responsive.
    await page.click("#cmdStart");
    await page.waitForFunction(() => document.querySelector("#prgSearch").value > 0, { timeout: 30000 });
    await page.click("#cmdStop");
    check("stopped", [await status(), await page.$eval("#cmdStop", (e) => e.disabled)], ["优化已停止，未得到结果。", true]);
    // A small space after the stop: one series, one core, two strands.
    for (let i = 1; i < 7; ++i) await page.click(`#chkSeries${i}`);
    await retype("txtMaxCores", "1");
    await retype("txtMaxStrands", "2");
    await page.click("#cmdStart");
    await ended();
    const request = { RequiredInductance: 100, InductanceAt: "Average", InductanceTolerance: 0, AverageCurrent: 10, PeakCurrent: 11.5,
      RippleCurrent: 3, FrequencyKHz: 100, AmbientTemperature: 25, MaxTemperatureRise: 40, MaxWoundOuterDiameter: 0, MaxWoundHeight: 0,
      MinRetention: 0, MaxCoreCount: 1, MaxStrandCount: 2, Series: ["KMA"], ForScreen: true };
    const result = native("AdviseDesigns", request);
    check("status", await status(), `共${result.FeasibleCount}个可行方案，最优前沿${result.Front.length}个。`);
    const rows = () => page.$$eval("#tblFront tbody tr", (trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));
    check("front table", await rows(), result.Rows);
    check("best per series", await text(page, "#lstBest"), `KMA：${result.BestTexts.KMA[0]}×1，${result.BestTexts.KMA[2]} mm×${result.BestTexts.KMA[3]}，${result.BestTexts.KMA[4]}圈\n${result.BestTexts.KMA[5]} cm³，${result.BestTexts.KMA[6]} W`);
    check("progress full", await page.$eval("#prgSearch", (e) => e.value), 1000);
    // Sorted by total loss (the 16th column), then copied as shown, tab-separated.
    await page.click("#tblFront th:nth-child(16) button");
    const byLoss = result.Front.map((d, i) => [d.TotalLoss, i]).sort((a, b) => a[0] - b[0]).map(([, i]) => result.Rows[i]);
    check("sorted by loss", await rows(), byLoss);
    await page.evaluate(() => { navigator.clipboard.writeText = async (copied) => { window.copied = copied; }; });
    await page.click("#cmdCopyTable");
    const copied = (await page.evaluate(() => window.copied)).split("\n");
    check("copied", [copied[0].split("\t")[15], copied[1]], ["总损耗(W)", byLoss[0].join("\t")]);
    // A design picked on the chart: its report.
    const picked = await page.evaluate(() => {
      const canvas = document.querySelector("#chartDesigns");
      const box = canvas.getBoundingClientRect();
      return [box.left + box.width * 0.5, box.top + box.height * 0.5];
    });
    await page.mouse.click(...picked);
    check("picked on the chart", (await value(page, "txtReport")).startsWith("磁芯型号：KMA"), true);
    await checkNoBadWords(page, "adviser");
    await page.close();
  },

  async "a converter's design goes to the adviser and, picked, to the calculator, assessed in the converter"() {
    const page = await open();
    await page.click("#tabConverters");
    await page.select("#cmbTopology", "frmTOPPFC");
    for (const [id, keys] of [["#frmTOPPFC #txtP", "500"], ["txtVin", "220"], ["txtVout", "400"], ["#frmTOPPFC #txtF", "65"]]) await type(page, id, keys);
    await page.click("#cmdDesignInductor");
    check("condition", await text(page, "#labOperatingCondition"), "工作条件：PFC，500 W，220 V → 400 V，65 kHz");
    check("operating point disabled", await page.$$eval("#DesignAdviser #txtAverage, #DesignAdviser #txtFrequency, #optStatic", (es) => es.map((e) => e.disabled)), [true, true, true]);
    for (let i = 0; i < 6; ++i) await page.click(`#chkSeries${i}`);  // KME only
    for (const [id, keys] of [["txtMaxCores", "1"], ["txtMaxStrands", "2"]]) {
      await page.click(`#DesignAdviser #${id}`, { clickCount: 3 });
      await page.keyboard.type(keys);
    }
    await page.click("#cmdStart");
    await page.waitForFunction(() => document.querySelector("#cmdStop").disabled && document.querySelector("#tblFront tbody tr"), { timeout: 60000 });
    await page.click("#tblFront tbody tr");
    await page.click("#cmdOpenInCalculator");
    check("calculator shown", await page.$eval("#frmDiangan", (e) => e.hidden), false);
    const design = { Core: await value(page, "lstCoreList"), CoreCount: Number(await value(page, "cmbCoreCount")), WireDiameter: Number(await value(page, "cmbWinding")),
      StrandCount: Number(await value(page, "txtCopperPcs")), Turns: Number(await value(page, "txtTurns")), AmbientTemperature: 25,
      Converter: { Topology: "Pfc", P: 500, Vin: 220, Vout: 400, f: 65, eta: 0.98, gamma: 0.2 } };
    const assessed = native("AssessInConverter", design);
    const lines = await page.$$eval("#assessmentLines > div:nth-child(2) p", (ps) => ps.map((p) => p.textContent));
    const fixed = (value, pattern) => native("PatternText", { value, pattern });
    for (const line of [`总损耗：${fixed(assessed.TotalLoss, "0.000")} W（磁损${fixed(assessed.CoreLoss, "0.000")} W）`,
      `温升：${fixed(assessed.TemperatureRise, "0.0")} °C（${assessed.ThermalVerdict}）`,
      `最大电流：${fixed(assessed.HighestCurrent, "0.000")} A；最大纹波：${fixed(assessed.LargestRipple, "0.000")} A`]) {
      check(`in the converter: ${line}`, lines.includes(line), true);
    }
    // Back to a typed requirement: the fields are the user's again.
    await page.click("#tabAdviser");
    await page.click("#cmdTypedRequirement");
    check("typed requirement", [await page.$eval("#labOperatingCondition", (e) => e.hidden), await page.$eval("#DesignAdviser #txtAverage", (e) => e.disabled)], [true, false]);
    await page.close();
  },

  async "at 360 px the page has no horizontal scroll and every control has a label"() {
    const page = await open({ width: 360, height: 740 });
    check("no horizontal scroll", await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth), true);
    const unlabelled = await page.$$eval("input:not([type=file]), select, textarea", (controls) =>
      controls.filter((c) => !c.hidden && !(c.labels?.length || c.getAttribute("aria-label") || c.getAttribute("aria-labelledby"))).map((c) => c.id));
    check("unlabelled controls", unlabelled, []);
    await type(page, "txtIrms", "10");
    check("usable", await value(page, "txtIpeak"), "14.14");
    await page.close();
  },
};

const only = process.env.QIRO_WEB_CASE;
for (const [name, run] of Object.entries(cases)) {
  if (only && !name.includes(only)) continue;
  const before = failures.length;
  try {
    await run();
  } catch (error) {
    failures.push(name);
    console.error(`FAIL ${name}: ${error.stack}`);
  }
  console.log(`${failures.length === before ? "ok  " : "FAIL"} ${name}`);
}
await browser.close();
server.close();
if (failures.length) {
  console.error(`${failures.length} failures`);
  process.exit(1);
}
