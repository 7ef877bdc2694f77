// The design file reader: any bytes give a document or a refusal, never a crash; a document
// it accepts passes the checks, is written again, and reads back to the same values and the
// same bytes.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core-data/catalogue.h"
#include "design/exchange/design_document.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool ready = [] {
    qiro::InitCoreData();
    return true;
  }();
  (void)ready;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto read = qiro::ReadDesignDocument(text);
  if (const auto* refusal = std::get_if<qiro::DesignFileRefusal>(&read)) {
    Check(!qiro::DesignFileReasonChinese(*refusal).empty(), "a refusal has a Chinese reason");
    Check(!qiro::DesignFileReasonEnglish(*refusal).empty(), "a refusal has an English reason");
    return 0;
  }
  const qiro::DesignDocument& document = std::get<qiro::DesignDocument>(read);
  Check(!qiro::CheckDesignDocument(document), "an accepted document passes the checks");
  const std::string written = qiro::WriteDesignDocument(document);
  const auto again = qiro::ReadDesignDocument(written);
  Check(std::holds_alternative<qiro::DesignDocument>(again), "a written document reads back");
  Check(std::get<qiro::DesignDocument>(again) == document, "it reads back to the same values");
  Check(qiro::WriteDesignDocument(std::get<qiro::DesignDocument>(again)) == written,
        "and is written to the same bytes");
  return 0;
}
