#pragma once
// A run-time error as the client's procedures raise it: a number, the procedure that raised
// it and a description. Thrown; a caller that runs "with errors ignored" catches it and goes on.
#include <cstdint>
#include <exception>
#include <string>

namespace tavimo {

struct Error : std::exception {
  Error(std::int32_t number, std::string source, std::string description)
      : number(number), source(std::move(source)), description(std::move(description)) {}
  const char* what() const noexcept override { return description.c_str(); }

  std::int32_t number;
  std::string source;
  std::string description;
};

}  // namespace tavimo
