#include "com/SystemShell.h"

#include <windows.h>
#include <shellapi.h>

namespace tavimo::flexolo::com {

void SystemShell::open(const std::string& address) {
  // No owner, no verb (the default action), no parameters, no folder; the outcome is not
  // checked: a failed open is silent.
  ShellExecuteA(nullptr, nullptr, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace tavimo::flexolo::com
