#pragma once
// Opening an address with the system's default handler, behind an interface so that the link
// control's click rule is tested without starting a browser.
#include <string>

namespace tavimo::flexolo {

class Shell {
 public:
  virtual ~Shell() = default;
  // Hands the address to the shell; the outcome is not reported.
  virtual void open(const std::string& address) = 0;
};

}  // namespace tavimo::flexolo
