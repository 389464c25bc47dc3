#pragma once
// Opens addresses with the system's default handler (the shell's default verb): the real
// side of the core's Shell, which the tests replace.
#include "core/Shell.h"

namespace tavimo::flexolo::com {

class SystemShell final : public Shell {
 public:
  void open(const std::string& address) override;
};

}  // namespace tavimo::flexolo::com
