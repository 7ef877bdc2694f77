// Web page figures: the module's size compressed, opening the page to an interactive
// calculator, a keystroke to a redrawn report, and the adviser's default space in its worker. Usage: node bench/web_page.mjs
import { readFileSync } from "node:fs";
import { gzipSync } from "node:zlib";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const root = join(dirname(fileURLToPath(import.meta.url)), "..");
const { default: puppeteer } = await import(join(root, "web/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js"));
const { serve } = await import(join(root, "web/serve.mjs"));
const module = readFileSync(join(root, "build/web/site/src/qiro-module.mjs"));
console.log(`module: ${(module.length / 1024).toFixed(0)} KiB, gzip -9 ${(gzipSync(module, { level: 9 }).length / 1024).toFixed(0)} KiB`);
const server = await serve(0);
const browser = await puppeteer.launch({ executablePath: "/usr/bin/chromium", args: ["--no-sandbox"] });
const opens = [];
for (let i = 0; i < 5; ++i) {
  const page = await browser.newPage();
  const start = Date.now();
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.waitForSelector("body[data-ready]");
  opens.push(Date.now() - start);
  if (i < 4) await page.close();
}
console.log(`open to interactive calculator: median ${opens.sort((a, b) => a - b)[2]} ms (${opens.join(", ")})`);
const [page] = (await browser.pages()).slice(-1);
await page.type("#txtIrms", "10");
await page.type("#txtF", "100");
await page.select("#lstCoreList", "KMA157060");
// From the key's input event to the report written (the page's whole synchronous handling).
const times = await page.evaluate(() => {
  const field = document.getElementById("txtF");
  const out = [];
  for (let i = 0; i < 200; ++i) {
    field.value = String(100 + (i % 50));
    const start = performance.now();
    field.dispatchEvent(new InputEvent("input", { inputType: "insertText", data: "1" }));
    out.push(performance.now() - start);
  }
  return out.sort((a, b) => a - b);
});
console.log(`keystroke to redrawn report and assessment: median ${times[100].toFixed(2)} ms, 95th ${times[190].toFixed(2)} ms`);
// The adviser's default space: from "开始优化" to the result shown (search in the worker, the
// reply carried back, the table, best list and chart drawn).
await page.click("#tabAdviser");
const searches = [];
for (let i = 0; i < 3; ++i) {
  const start = Date.now();
  await page.click("#cmdStart");
  await page.waitForFunction(() => document.querySelector("#cmdStop").disabled && document.querySelector("#tblFront tbody tr"), { timeout: 120000, polling: 10 });
  searches.push(Date.now() - start);
}
console.log(`adviser default space in the worker: median ${searches.slice().sort((a, b) => a - b)[1]} ms (${searches.join(", ")})`);
await browser.close();
server.close();
