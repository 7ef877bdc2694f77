// Builds the static site into build/web/site/: the page's files, the module, and texts.json
// (the English texts and the domain's label list, both read from i18n/qiromagnetic_en.ts, the
// one source the desktop program translates from).
import { cpSync, mkdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const web = dirname(fileURLToPath(import.meta.url));
const root = join(web, "..");
const site = join(root, "build/web/site");

function unescapeXml(text) {
  return text
    .replace(/&#x([0-9a-fA-F]+);/g, (_, hex) => String.fromCodePoint(parseInt(hex, 16)))
    .replace(/&#([0-9]+);/g, (_, dec) => String.fromCodePoint(Number(dec)))
    .replace(/&lt;/g, "<").replace(/&gt;/g, ">").replace(/&quot;/g, '"').replace(/&apos;/g, "'")
    .replace(/&amp;/g, "&");
}

// {context: {source: translation}}, and the domain labels in the order the file lists them.
export function readTranslations(tsText) {
  const contexts = {};
  const domainLabels = [];
  for (const [, body] of tsText.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = unescapeXml(body.match(/<name>([\s\S]*?)<\/name>/)[1]);
    const messages = (contexts[name] ??= {});
    for (const [, message] of body.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = message.match(/<source>([\s\S]*?)<\/source>/);
      const translation = message.match(/<translation([^>]*)>([\s\S]*?)<\/translation>/);
      if (!source || !translation) continue;
      // Texts the program no longer uses, or not yet translated, are left out.
      if (/type="(vanished|obsolete|unfinished)"/.test(translation[1])) continue;
      const from = unescapeXml(source[1]);
      messages[from] = unescapeXml(translation[2]);
      if (name === "qiro::DomainText") domainLabels.push(from);
    }
  }
  return { contexts, domainLabels };
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  rmSync(site, { recursive: true, force: true });
  mkdirSync(site, { recursive: true });
  for (const file of ["index.html", "style.css", "src"]) cpSync(join(web, file), join(site, file), { recursive: true });
  cpSync(join(root, "build/web/qiro-module.mjs"), join(site, "src/qiro-module.mjs"));
  const texts = readTranslations(readFileSync(join(root, "i18n/qiromagnetic_en.ts"), "utf8"));
  writeFileSync(join(site, "texts.json"), JSON.stringify(texts));
  console.log(`The site is built in ${site}.`);
}
