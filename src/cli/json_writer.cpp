#include "cli/json_writer.h"

#include <cstdio>

#include "design/exchange/design_document.h"
#include "text/number_text.h"

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
  text_.append(needComma_ ? ",\"" : "\"");
  text_.append(name);
  text_.append("\":");
  needComma_ = false;
  return *this;
}

namespace {

// Length of the well-formed UTF-8 sequence starting at text[i], or 0 when it is not one.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char c = byte(i);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
  if (c >= 0xC2 && c <= 0xDF) length = 2;
  else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
    if (c == 0xE0) low = 0xA0;
    if (c == 0xED) high = 0x9F;  // no surrogates
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
    if (c == 0xF0) low = 0x90;
    if (c == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k) {
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  }
  return length;
}

}  // namespace

// Escapes what JSON requires; bytes that are not UTF-8 (an error message may quote the
// request) become U+FFFD, so every reply line stays valid JSON.
JsonWriter& JsonWriter::String(std::string_view text) {
  Separate();
  text_ += '"';
  std::size_t run = 0;  // start of the characters copied unchanged
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c < 0x80 && c != '"' && c != '\\') {
      ++i;
      continue;
    }
    if (c >= 0x80) {
      if (const std::size_t length = Utf8Length(text, i)) {
        i += length;
        continue;
      }
    }
    text_.append(text.substr(run, i - run));
    switch (c) {
      case '"': text_ += "\\\""; break;
      case '\\': text_ += "\\\\"; break;
      case '\n': text_ += "\\n"; break;
      case '\r': text_ += "\\r"; break;
      case '\t': text_ += "\\t"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          text_ += escaped;
        } else {
          text_ += "\\ufffd";
        }
    }
    run = ++i;
  }
  text_.append(text.substr(run));
  text_ += '"';
  return *this;
}

JsonWriter& JsonWriter::Float32(float value) {
  Separate();
  // Scripts (and this tool) read a number as a double first: the float's shortest form
  // alone would come back as its neighbour for the rare float it puts on a tie.
  text_ += RoundTripText(value);
  return *this;
}

JsonWriter& JsonWriter::Float64(double value) {
  Separate();
  text_ += ShortestText(value);
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
