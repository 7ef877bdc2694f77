// The adviser's search in a Web Worker, on a module instance of its own: the page stays
// responsive, shows the module's progress, and stops a search by ending this worker.
import { loadModule, request } from "./qiro.js";

const ready = loadModule({ onAdviserProgress: (fraction) => postMessage({ progress: fraction }) });

onmessage = async (event) => {
  await ready;
  postMessage({ reply: request("AdviseDesigns", { ...event.data, ForScreen: true }) });
};
