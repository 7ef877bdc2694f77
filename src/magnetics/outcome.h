#pragma once
// A result or the reason it could not be computed. Calculations refuse input that would
// divide by zero or leave the float range instead of handing back inf or nan.
#include <optional>
#include <string>
#include <utility>

namespace qiro {

template <class T>
class Outcome {
 public:
  static Outcome Ok(T value) {
    Outcome o;
    o.value_ = std::move(value);
    return o;
  }
  static Outcome Fail(std::string reason) {
    Outcome o;
    o.error_ = std::move(reason);
    return o;
  }

  explicit operator bool() const { return value_.has_value(); }
  bool ok() const { return value_.has_value(); }
  const T& operator*() const { return *value_; }
  const T* operator->() const { return &*value_; }
  const T& value() const { return value_.value(); }
  // Why the calculation was refused (English, names the offending argument).
  const std::string& error() const { return error_; }

 private:
  std::optional<T> value_;
  std::string error_;
};

}  // namespace qiro
