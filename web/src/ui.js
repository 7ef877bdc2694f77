// What every screen of the page shares: the message box, key filters and program writes.
import { ask } from "./qiro.js";
import { tr } from "./texts.js";

const kMessageTitle = "错误提示(QIRO Magnetic)";

// The program's message box: one message, an OK button; resolves when it is closed.
export function showMessage(text, context = "qiro::frmDiangan") {
  const box = document.getElementById("messageBox");
  document.getElementById("messageTitle").textContent = tr(context, kMessageTitle);
  document.getElementById("messageText").textContent = text;
  const opener = document.activeElement;
  box.showModal();
  return new Promise((resolve) => {
    box.addEventListener("close", () => {
      opener?.focus?.({ preventScroll: true });
      resolve();
    }, { once: true });
  });
}

// A key filter (Numeric or Integer, as the module rules it) on typed characters; pasted
// text is read as typed text is, by its leading number. A field of temperatures also takes
// a minus at its start, as below freezing is real.
export function filterKeys(field, rule, minusAtStart = false) {
  field.addEventListener("beforeinput", (event) => {
    if (event.inputType !== "insertText" || event.data == null) return;
    if (minusAtStart && event.data === "-" && field.selectionStart === 0 &&
        !field.value.slice(field.selectionEnd).startsWith("-")) return;
    for (const char of event.data) {
      if (rule === "None" || !ask("KeyPasses", { Rule: rule, Key: keyCode(char) })) {
        event.preventDefault();
        return;
      }
    }
  });
}

// A text written by the program: runs the field's change rule like typing would, but only
// when the text changes (as a write of the same text triggers nothing).
export function write(field, text, changed) {
  if (text == null || field.value === text) return;
  field.value = text;
  changed?.();
}

// The character's code as the filters take it (one beyond their range passes none).
function keyCode(char) {
  const code = char.codePointAt(0);
  return code > 32767 ? -1 : code;
}

export function selectTab(tab) {
  for (const other of document.querySelectorAll('[role="tab"]')) {
    const selected = other === tab;
    other.setAttribute("aria-selected", String(selected));
    other.tabIndex = selected ? 0 : -1;
    document.getElementById(other.getAttribute("aria-controls")).hidden = !selected;
  }
}

// Shows one screen of the page (a tab panel) as its tab would.
export function showScreen(panelId) {
  selectTab(document.querySelector(`[aria-controls="${panelId}"]`));
}
