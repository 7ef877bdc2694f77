// Emscripten 3.1.6 writes its Node loader for CommonJS (require, __dirname). In the ES
// module it builds, they are made here under Node and left empty in a browser.
const require = typeof process == "object" && typeof process.versions?.node == "string"
  ? (await import("module")).createRequire(import.meta.url)
  : undefined;
const __dirname = require ? require("path").dirname(require("url").fileURLToPath(import.meta.url)) : "";
