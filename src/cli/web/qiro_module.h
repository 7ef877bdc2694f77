#pragma once
// The WebAssembly module's interface (scripts/web builds it into build/web/qiro-module.mjs):
// the batch protocol of qiro-batch, one request line in, one reply line out, computed by
// the same code. A page loads it with
//   import createQiroModule from "./qiro-module.mjs";
//   const module = await createQiroModule({onAdviserProgress: (fraction) => {...}});
// and calls the functions below as module._qiro_reply(…) and so on (strings are bytes in
// the module's memory: module._malloc, module.HEAPU8, module.UTF8ToString).
//
// The module has no threads: AdviseDesigns runs on the calling thread (a page runs the
// module in a Web Worker) and calls module.onAdviserProgress(fraction), fraction 0…1, now
// and then if it is set. To stop the search, call _qiro_stop() from that callback; the
// request then replies {"ok":false,"error":"the search was stopped"}.
#include <cstddef>

extern "C" {

// Answers one request line of `length` bytes (UTF-8, without its line feed) and returns
// the reply line, NUL-terminated and without a line feed. The reply stays valid until the
// next call. Lines that qiro-batch skips (empty or blank) must not be passed.
const char* qiro_reply(const char* line, std::size_t length);

// Bytes of the last reply (without the NUL), and whether it was a success ("ok": true):
// qiro-batch exits with 1 when any reply was not.
std::size_t qiro_reply_length();
int qiro_reply_ok();

// qiro-batch's --help text: the protocol and every operation with its arguments.
const char* qiro_help();

// Stops the AdviseDesigns request in progress; cleared when the next request begins.
void qiro_stop();

}
