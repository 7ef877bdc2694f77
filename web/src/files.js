// Design files: opened from the file picker or dropped on the page, saved as a download. The
// module reads and writes them with the program's checks and messages.
import { applyDesign, heldDesign } from "./calculator.js";
import { ask } from "./qiro.js";
import { isEnglish, tr } from "./texts.js";
import { showMessage } from "./ui.js";

const $ = (id) => document.getElementById(id);

export async function openDesignFile(file) {
  const reply = ask("OpenDesignFile", { Text: await file.text(), English: isEnglish() });
  if (reply.Message) {
    await showMessage(reply.Message, "qiro::MDIMain");
    return;
  }
  document.getElementById("tabCalculator").click();
  applyDesign(reply);
}

function saveDesignFile() {
  const held = heldDesign();
  if (held.message) {
    showMessage(tr("qiro::MDIMain", "无法保存设计：%1").replace("%1", held.message), "qiro::MDIMain");
    return;
  }
  const args = { ...held.design, AmbientTemperature: held.ambient };
  if (held.converter) args.Converter = held.converter;
  let text;
  try {
    text = ask("WriteDesignFile", args);
  } catch (error) {
    showMessage(tr("qiro::MDIMain", "无法保存设计：%1").replace("%1", error.message), "qiro::MDIMain");
    return;
  }
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: "application/json" }));
  link.download = `${held.design.Core}.qiro`;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

export function setUpFiles() {
  const picker = $("fileDesign");
  $("cmdOpenDesign").addEventListener("click", () => picker.click());
  picker.addEventListener("change", () => {
    if (picker.files[0]) openDesignFile(picker.files[0]);
    picker.value = "";
  });
  $("cmdSaveDesign").addEventListener("click", saveDesignFile);
  document.addEventListener("dragover", (event) => event.preventDefault());
  document.addEventListener("drop", (event) => {
    event.preventDefault();
    const file = event.dataTransfer?.files[0];
    if (file) openDesignFile(file);
  });
}
