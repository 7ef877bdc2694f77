// Chinese and English. The page's texts are the program's Chinese source texts; in English
// each is looked up in texts.json, built from the program's translation file. The domain's
// reports are translated label by label, longest first, as the desktop program does.
let contexts = {};
let domainLabels = [];
let english = false;
const listeners = [];

export async function loadTexts(url = "texts.json") {
  const texts = await (await fetch(url)).json();
  contexts = texts.contexts;
  // A stable sort keeps the file's order among labels of one length.
  domainLabels = texts.domainLabels.slice().sort((a, b) => b.length - a.length);
}

export function isEnglish() {
  return english;
}

export function setEnglish(on) {
  english = on;
  document.documentElement.lang = on ? "en" : "zh-CN";
  localStorage.setItem("qiro-language", on ? "en" : "zh");
  for (const listener of listeners) listener();
}

export function onLanguageChange(listener) {
  listeners.push(listener);
}

// The language the page starts in: the one chosen last, else the browser's.
export function initialEnglish() {
  const chosen = localStorage.getItem("qiro-language");
  if (chosen) return chosen === "en";
  return !(navigator.language || "zh").toLowerCase().startsWith("zh");
}

export function tr(context, source) {
  if (!english) return source;
  return contexts[context]?.[source] ?? source;
}

// A text of the domain library (report, core data, assessment line) in the page's language.
export function domainText(text) {
  if (!english) return text;
  const labels = contexts["qiro::DomainText"] ?? {};
  for (const label of domainLabels) text = text.split(label).join(labels[label]);
  return text;
}

// Elements carrying data-tr="context|source" (text) or data-tr-attr="attribute|context|source".
export function translateTree(root = document) {
  for (const element of root.querySelectorAll("[data-tr]")) {
    const [context, source] = splitOnce(element.dataset.tr);
    element.textContent = withoutAccelerator(tr(context, source));
  }
  for (const element of root.querySelectorAll("[data-tr-attr]")) {
    for (const entry of element.dataset.trAttr.split(";")) {
      const [attribute, rest] = splitOnce(entry);
      const [context, source] = splitOnce(rest);
      element.setAttribute(attribute, tr(context, source));
    }
  }
}

function splitOnce(text) {
  const at = text.indexOf("|");
  return [text.slice(0, at), text.slice(at + 1)];
}

// Menu texts carry a keyboard accelerator ("(&T)", "&File") that a page does not use.
function withoutAccelerator(text) {
  return text.replace(/\(&\w\)/, "").replace(/&(\w)/, "$1");
}
