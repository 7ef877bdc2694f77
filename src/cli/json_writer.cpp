#include "cli/json_writer.h"

#include <charconv>
#include <cstdio>

namespace qiro::batch {

void JsonWriter::Separate() {
  if (needComma_) text_ += ',';
  needComma_ = true;
}

JsonWriter& JsonWriter::BeginObject() {
  Separate();
  text_ += '{';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  text_ += '}';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  Separate();
  text_ += '[';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  text_ += ']';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view name) {
  // Member names are the program's own identifiers: nothing to escape.
  Separate();
  text_ += '"';
  text_ += name;
  text_ += "\":";
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  Separate();
  text_ += '"';
  std::size_t run = 0;  // start of the characters that need no escape
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    text_.append(text.substr(run, i - run));
    run = i + 1;
    switch (c) {
      case '"': text_ += "\\\""; break;
      case '\\': text_ += "\\\\"; break;
      case '\n': text_ += "\\n"; break;
      case '\r': text_ += "\\r"; break;
      case '\t': text_ += "\\t"; break;
      default: {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
        text_ += escaped;
      }
    }
  }
  text_.append(text.substr(run));
  text_ += '"';
  return *this;
}

JsonWriter& JsonWriter::Float32(float value) {
  Separate();
  char buffer[32];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
  text_.append(buffer, r.ptr);
  return *this;
}

JsonWriter& JsonWriter::Float64(double value) {
  Separate();
  char buffer[32];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, value);
  text_.append(buffer, r.ptr);
  return *this;
}

JsonWriter& JsonWriter::Integer(std::int64_t value) {
  Separate();
  text_ += std::to_string(value);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  Separate();
  text_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view json) {
  Separate();
  text_ += json;
  return *this;
}

}  // namespace qiro::batch
