// The tagged value the handlers store results in and pass to the message box.
#pragma once

#include <string>
#include <variant>

namespace gavrento {

// Never assigned.
struct Empty {
  bool operator==(const Empty&) const = default;
};

// Stands for an argument the caller left out, so the callee uses its default.
struct Omitted {
  bool operator==(const Omitted&) const = default;
};

using Variant = std::variant<Empty, double, std::string, Omitted>;

}  // namespace gavrento
