// A static server of the built site on 127.0.0.1 (no dependency): node web/serve.mjs [port]
// Port 0 (the default) lets the system choose; the address is printed on the first line.
import { createServer } from "node:http";
import { readFile, stat } from "node:fs/promises";
import { dirname, extname, join, normalize, sep } from "node:path";
import { fileURLToPath } from "node:url";

const site = join(dirname(fileURLToPath(import.meta.url)), "../build/web/site");
const types = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8", ".css": "text/css; charset=utf-8",
  ".json": "application/json; charset=utf-8", ".svg": "image/svg+xml", ".png": "image/png",
};

export function serve(port = 0) {
  const server = createServer(async (request, response) => {
    try {
      let path = decodeURIComponent(new URL(request.url, "http://localhost").pathname);
      if (path.endsWith("/")) path += "index.html";
      const file = normalize(join(site, path));
      if (!file.startsWith(site + sep)) throw new Error("outside the site");
      if (!(await stat(file)).isFile()) throw new Error("not a file");
      response.writeHead(200, { "Content-Type": types[extname(file)] ?? "application/octet-stream" });
      response.end(await readFile(file));
    } catch {
      response.writeHead(404, { "Content-Type": "text/plain" });
      response.end("not found");
    }
  });
  return new Promise((resolve) => server.listen(port, "127.0.0.1", () => resolve(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const server = await serve(Number(process.argv[2] ?? 0));
  console.log(`http://127.0.0.1:${server.address().port}/`);
}
