#pragma once
// Opens addresses with the system's default handler (the shell's default verb).
#include "core/Shell.h"

namespace tavimo::flexolo::com {

class SystemShell final : public Shell {
 public:
  void open(const std::string& address) override;
};

}  // namespace tavimo::flexolo::com
