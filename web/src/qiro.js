// The page's one way to the domain: batch requests to the WebAssembly module, one at a time.
import createQiroModule from "./qiro-module.mjs";

let module = null;
const encoder = new TextEncoder();

export async function loadModule(options = {}) {
  module = await createQiroModule(options);
  return module;
}

// Sends one request and returns the reply object ({ok, result} or {ok: false, error}).
export function request(op, args = {}) {
  const bytes = encoder.encode(JSON.stringify({ op, args }));
  const pointer = module._malloc(bytes.length);
  module.HEAPU8.set(bytes, pointer);
  try {
    return JSON.parse(module.UTF8ToString(module._qiro_reply(pointer, bytes.length)));
  } finally {
    module._free(pointer);
  }
}

// The result, or throws the refusal's message.
export function ask(op, args = {}) {
  const reply = request(op, args);
  if (!reply.ok) throw new Error(reply.error);
  return reply.result;
}

export function stop() {
  module?._qiro_stop();
}
