#pragma once
// The one way a file or input operation tells how it went, in every layer:
// an outcome of the subsystem's own enumeration, the Slovak message for the
// user where the subsystem words one, the system's errno where a system call
// failed, and the value the operation produced. Broken internal contracts are
// assertions instead; the BMP and FNT loaders keep their numeric codes at
// their own interface.
//
// Each outcome enumeration has its success as its zero value (the first
// enumerator), so that a default result is a success.

#include <string>
#include <utility>
#include <variant>

template <class Outcome, class Value = std::monostate>
struct TResult {
  Outcome Code{};
  std::string Message;  // Windows-1250; empty on success and where nothing is worded
  int Error = 0;        // errno of the failed system call, 0 when none
  Value Produced{};

  TResult() = default;
  // Implicit, so that `return {Outcome::X};` and `return {Outcome::X, message, errno};` read as they mean.
  TResult(Outcome Code_, std::string Message_ = {}, int Error_ = 0, Value Produced_ = {})
      : Code(Code_), Message(std::move(Message_)), Error(Error_), Produced(std::move(Produced_)) {}

  bool Ok() const { return Code == Outcome{}; }
  explicit operator bool() const { return Ok(); }
};
