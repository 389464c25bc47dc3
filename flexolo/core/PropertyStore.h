#pragma once
// A container's property storage as a control sees it when the form is loaded or saved: named
// texts, each of which may be absent.
#include <optional>
#include <string>

namespace tavimo::flexolo {

class PropertyStore {
 public:
  virtual ~PropertyStore() = default;
  virtual std::optional<std::string> read(const std::string& name) = 0;
  virtual void write(const std::string& name, const std::string& value) = 0;
};

}  // namespace tavimo::flexolo
