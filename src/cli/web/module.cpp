// The batch protocol as a WebAssembly module: qiro-batch's own request handling behind the
// C functions of qiro_module.h.
#include "cli/web/qiro_module.h"

#include <emscripten/emscripten.h>

#include <atomic>
#include <string>
#include <string_view>

#include "cli/batch.h"

namespace {

std::atomic<bool> stopRequested{false};

EM_JS(void, ReportAdviserProgress, (double fraction), {
  if (Module["onAdviserProgress"]) Module["onAdviserProgress"](fraction);
});

// Made at the first request and kept for the module's life. The adviser searches on the
// module's one thread, stoppable, reporting to the page.
const qiro::batch::Batch& TheBatch() {
  static const qiro::batch::Batch* const batch = [] {
    auto* made = new qiro::batch::Batch;
    qiro::AdviserControl control;
    control.Threads = 1;
    control.Stop = &stopRequested;
    control.Progress = [](double fraction) { ReportAdviserProgress(fraction); };
    made->SetAdviserControl(std::move(control));
    return made;
  }();
  return *batch;
}

std::string reply;
bool replyOk = false;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* qiro_reply(const char* line, std::size_t length) {
  stopRequested = false;
  reply = TheBatch().Reply(std::string_view(line, length), replyOk);
  return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE std::size_t qiro_reply_length() { return reply.size(); }

EMSCRIPTEN_KEEPALIVE int qiro_reply_ok() { return replyOk ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* qiro_help() {
  static const std::string help = TheBatch().Help();
  return help.c_str();
}

EMSCRIPTEN_KEEPALIVE void qiro_stop() { stopRequested = true; }

}
