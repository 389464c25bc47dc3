#pragma once
// Program restriction: while "RestrictRun" is 1, only the programs on the run list may be
// started from the shell. The same programs, unless staff leave them out, make the quick-launch
// list of the timer windows. The timer programs page calls these.
#include <string>
#include <vector>

#include "core/StoredState.h"

namespace tavimo {

inline constexpr stored::Value RestrictRun{stored::policyKey::Explorer, "RestrictRun", reg::Dword};

// A run-list value: the program's display name, and its file name without folder.
struct RunListEntry {
  const char* name;
  const char* fileName;
};
// On the run list whenever the restriction is applied: the client, the shell and the server.
inline constexpr RunListEntry fixedRunList[] = {
    {"tavimo", "tavimoclient.exe"}, {"Explorer", "explorer.exe"}, {"tavimo1", "tavimoserver.exe"}};

// Creates the Explorer policy key and its run-list subkey where they are missing.
void ensureRunListKeys();
// Puts the program on the run list (its name, and the file name after the last "\" of its
// path) and, when it is to be shown in the timers, on the quick-launch list (its name and
// path). The name is stored as typed. False, and nothing written, for a name that is only
// blanks: it would become the keys' unnamed default value.
bool addProgram(const std::string& name, const std::string& path, bool showInTimers);
// Takes the program off both lists.
void deleteProgram(const std::string& name);
// The names on the run list in listing order, without the three fixed entries (compared
// with letter case).
std::vector<std::string> runListPrograms();
// Writes "RestrictRun" (1 restricts, 0 does not) and the three fixed entries; the caller runs
// appsetting afterwards.
void applyRunRestriction(bool restrict);

}  // namespace tavimo
