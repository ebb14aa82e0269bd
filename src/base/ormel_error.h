#pragma once
#include <stdexcept>
#include <string>

// The one failure type: its message is what the user sees in the error box.
class OrmelError : public std::runtime_error {
 public:
  explicit OrmelError(const std::string& message) : std::runtime_error(message) {}
};
