// The batch tool's line handling: any bytes give exactly one JSON reply object.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <nlohmann/json.hpp>

#include "cli/batch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const qiro::batch::Batch batch;
  bool ok = false;
  const std::string reply =
      batch.Reply(std::string_view(reinterpret_cast<const char*>(data), size), ok);
  const auto parsed = nlohmann::json::parse(reply, nullptr, false);
  if (parsed.is_discarded() || !parsed.is_object() || !parsed.contains("id") ||
      parsed["ok"].get<bool>() != ok || reply.find('\n') != std::string::npos) {
    std::fprintf(stderr, "bad reply: %s\n", reply.c_str());
    std::abort();
  }
  return 0;
}
