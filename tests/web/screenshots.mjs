// Screenshots of the web page for docs/screenshots/web/: the worked example in Chinese and in
// English at desktop width, and at phone width (360 px); the PFC worked example on its converter
// page, and handed over to the adviser with a design picked. Usage: node tests/web/screenshots.mjs
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const root = join(dirname(fileURLToPath(import.meta.url)), "../..");
const { default: puppeteer } = await import(join(root, "web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js"));
const { serve } = await import(join(root, "web/serve.mjs"));
const server = await serve(0);
const browser = await puppeteer.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });
for (const [name, language, width, height] of [["calculator-zh", "zh", 1280, 900], ["calculator-en", "en", 1280, 900], ["calculator-phone-zh", "zh", 360, 1800]]) {
  const page = await browser.newPage();
  await page.setViewport({ width, height });
  await page.evaluateOnNewDocument((chosen) => localStorage.setItem("qiro-language", chosen), language);
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.waitForSelector("body[data-ready]");
  await page.type("#txtIrms", "10");
  await page.type("#txtF", "100");
  await page.type("#txtSearch", "kma157");
  await page.select("#lstCoreList", "KMA157060");
  await page.focus("#hcrollTurns");
  for (let i = 1; i < 10; ++i) await page.keyboard.press("ArrowRight");
  await page.screenshot({ path: join(root, `docs/screenshots/web/${name}.png`), fullPage: width > 400 ? false : true });
  await page.close();
}
const page = await browser.newPage();
await page.setViewport({ width: 1280, height: 900 });
await page.evaluateOnNewDocument(() => localStorage.setItem("qiro-language", "zh"));
await page.goto(`http://127.0.0.1:${server.address().port}/`);
await page.waitForSelector("body[data-ready]");
await page.click("#tabConverters");
await page.select("#cmbTopology", "frmTOPPFC");
for (const [selector, keys] of [["#frmTOPPFC #txtP", "500"], ["#frmTOPPFC #txtVin", "220"], ["#frmTOPPFC #txtVout", "400"], ["#frmTOPPFC #txtF", "65"]]) await page.type(selector, keys);
await page.screenshot({ path: join(root, "docs/screenshots/web/converter-pfc-zh.png") });
await page.click("#cmdDesignInductor");
await page.click("#cmdStart");
await page.waitForFunction(() => document.querySelector("#cmdStop").disabled && document.querySelector("#tblFront tbody tr"), { timeout: 120000 });
await page.click("#tblFront tbody tr:nth-child(4)");
await page.screenshot({ path: join(root, "docs/screenshots/web/adviser-pfc-zh.png"), fullPage: true });
await browser.close();
server.close();
