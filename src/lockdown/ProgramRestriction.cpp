#include "lockdown/ProgramRestriction.h"

#include <algorithm>

#include "util/Text.h"
#include "util/mdlRegistry.h"

namespace tavimo {

namespace {

using stored::policyKey::RunList;

void writeRunListEntry(const std::string& name, const std::string& fileName) {
  writeValue(RunList.hive, RunList.path, name, fileName, REG_SZ);
}

bool isFixedEntry(const std::string& name) {
  return std::ranges::any_of(fixedRunList, [&](const RunListEntry& fixed) { return name == fixed.name; });
}

}  // namespace

void ensureRunListKeys() {
  createKey(RestrictRun.key.hive, RestrictRun.key.path);
  createKey(RunList.hive, RunList.path);
}

bool addProgram(const std::string& name, const std::string& path, bool showInTimers) {
  if (trim(name).empty()) return false;
  if (showInTimers) writeValue(stored::programsKey.hive, stored::programsKey.path, name, path, REG_SZ);
  ensureRunListKeys();
  writeRunListEntry(name, path.substr(path.rfind('\\') + 1));
  return true;
}

void deleteProgram(const std::string& name) {
  deleteValue(stored::programsKey.hive, stored::programsKey.path, name);
  deleteValue(RunList.hive, RunList.path, name);
}

std::vector<std::string> runListPrograms() {
  std::vector<std::string> names = listValues(RunList.hive, RunList.path);
  std::erase_if(names, isFixedEntry);
  return names;
}

void applyRunRestriction(bool restrict) {
  stored::write(RestrictRun, restrict ? 1 : 0);
  for (const RunListEntry& fixed : fixedRunList) writeRunListEntry(fixed.name, fixed.fileName);
}

}  // namespace tavimo
