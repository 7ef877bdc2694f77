#pragma once
// Writes reply lines. Floats are written in their shortest round-trip form for their own
// width, so a 32-bit result reads back to the same float (0.1f as 0.1, not 0.10000000149),
// also when read as a double first and then rounded to float (RoundTripText).
#include <cstdint>
#include <string>
#include <string_view>

namespace qiro::batch {

class JsonWriter {
 public:
  JsonWriter() { text_.reserve(2048); }  // room for a whole evaluation reply

  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view name);  // an identifier: written unescaped
  JsonWriter& String(std::string_view text);
  JsonWriter& Float32(float value);  // finite values only
  JsonWriter& Float64(double value); // finite values only
  JsonWriter& Integer(std::int64_t value);
  JsonWriter& Bool(bool value);
  JsonWriter& Raw(std::string_view json);  // an already serialised value

  const std::string& text() const { return text_; }
  std::string take() { return std::move(text_); }

 private:
  void Separate();
  std::string text_;
  bool needComma_ = false;
};

}  // namespace qiro::batch
