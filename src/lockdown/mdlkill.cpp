#include "lockdown/mdlkill.h"

#include <cstring>
#include <vector>

#include "platform/AnsiCase.h"
#include "platform/Desktop.h"
#include "platform/Platform.h"

namespace tavimo {

namespace {

// The path names that file: it ends in the name, and the name starts the path or follows a
// folder separator, so "explorer.exe" never ends "myexplorer.exe".
bool namesFile(std::string_view path, std::string_view name) {
  if (name.empty() || path.size() < name.size()) return false;
  const std::size_t at = path.size() - name.size();
  if (!equalsIgnoringCase(path.substr(at), name)) return false;
  return at == 0 || path[at - 1] == '\\' || path[at - 1] == '/' || name.front() == '\\';
}

// The ids of all processes: the buffer grows until the list comes back shorter than it.
std::vector<ProcessId> runningProcesses(Desktop& desktop) {
  std::vector<ProcessId> ids(4);
  for (;;) {
    const auto bytes = static_cast<std::uint32_t>(ids.size() * sizeof(ProcessId));
    std::uint32_t returned = 0;
    if (!desktop.enumProcesses(ids.data(), bytes, &returned)) return {};
    if (returned < bytes) {
      ids.resize(returned / sizeof(ProcessId));
      return ids;
    }
    ids.resize(ids.size() * 2);
  }
}

}  // namespace

std::int16_t killProcess(const std::string& name, const std::string& keep) {
  if (name.empty()) return 0;
  Desktop& desktop = *platform().desktop;
  std::int16_t ended = 0;
  for (ProcessId id : runningProcesses(desktop)) {
    const SystemHandle process =
        desktop.openProcess(rights::ProcessQueryInformation | rights::ProcessVmRead | rights::ProcessTerminate, id);
    if (!process) continue;
    std::uintptr_t module = 0;
    std::uint32_t needed = 0;
    if (desktop.enumProcessModules(process, &module, sizeof module, &needed)) {
      char path[256] = {};
      const std::uint32_t length = desktop.moduleFileName(process, 0, path, sizeof path);
      const std::string_view file(path, strnlen(path, length));
      const bool kept = !keep.empty() && equalsIgnoringCase(file, keep);
      if (namesFile(file, name) && !kept && desktop.terminateProcess(process, 0)) ++ended;
    }
    desktop.closeHandle(process);
  }
  return ended;
}

}  // namespace tavimo
