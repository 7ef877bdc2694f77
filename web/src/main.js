// The page: loads the module and the texts, sets up the screens, the tabs and the language.
import { loadModule } from "./qiro.js";
import { initialEnglish, isEnglish, loadTexts, onLanguageChange, setEnglish, translateTree } from "./texts.js";
import { setUpCalculator } from "./calculator.js";
import { setUpConverters } from "./converters.js";
import { setUpFiles } from "./files.js";

const $ = (id) => document.getElementById(id);

function selectTab(tab) {
  for (const other of document.querySelectorAll('[role="tab"]')) {
    const selected = other === tab;
    other.setAttribute("aria-selected", String(selected));
    other.tabIndex = selected ? 0 : -1;
    $(other.getAttribute("aria-controls")).hidden = !selected;
  }
}

export function showScreen(panelId) {
  selectTab(document.querySelector(`[aria-controls="${panelId}"]`));
}

async function start() {
  await Promise.all([loadModule(), loadTexts()]);
  const tabs = [...document.querySelectorAll('[role="tab"]')];
  for (const tab of tabs) {
    tab.addEventListener("click", () => selectTab(tab));
    tab.addEventListener("keydown", (event) => {
      const step = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
      if (!step) return;
      const next = tabs[(tabs.indexOf(tab) + step + tabs.length) % tabs.length];
      selectTab(next);
      next.focus();
    });
  }
  setUpCalculator();
  setUpConverters();
  setUpFiles();
  const language = $("cmdLanguage");
  onLanguageChange(() => {
    translateTree();
    language.textContent = isEnglish() ? "中文" : "English";
  });
  language.addEventListener("click", () => setEnglish(!isEnglish()));
  setEnglish(initialEnglish());
  document.body.dataset.ready = "true";
}

start();
