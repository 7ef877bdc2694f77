// The page: loads the module and the texts, sets up the screens, the tabs and the language.
import { loadModule } from "./qiro.js";
import { initialEnglish, isEnglish, loadTexts, onLanguageChange, setEnglish, translateTree } from "./texts.js";
import { setUpCalculator } from "./calculator.js";
import { designInductorFor, setUpAdviser } from "./adviser.js";
import { onDesignInductor, setUpConverters } from "./converters.js";
import { setUpFiles } from "./files.js";
import { selectTab } from "./ui.js";

const $ = (id) => document.getElementById(id);

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
  setUpAdviser();
  onDesignInductor(designInductorFor);
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
