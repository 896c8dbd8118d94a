// Expected failures come back as values carrying the Turkish message for the user.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace orv {

// Success, or a failure with its Turkish message.
class Status {
 public:
  Status() = default;
  static Status ok() { return {}; }
  static Status error(std::string message) { Status s; s.failed_ = true; s.message_ = std::move(message); return s; }
  bool isOk() const { return !failed_; }
  explicit operator bool() const { return !failed_; }
  const std::string& message() const { return message_; }

 private:
  bool failed_ = false;
  std::string message_;
};

// A value, or a failure with its Turkish message.
template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}
  Result(Status failure) : status_(std::move(failure)) {}
  static Result error(std::string message) { return Result(Status::error(std::move(message))); }
  bool isOk() const { return value_.has_value(); }
  explicit operator bool() const { return isOk(); }
  const T& value() const& { return *value_; }
  T& value() & { return *value_; }
  T&& value() && { return std::move(*value_); }
  const T& operator*() const { return *value_; }
  const T* operator->() const { return &*value_; }
  const std::string& message() const { return status_.message(); }
  Status status() const { return status_; }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace orv
