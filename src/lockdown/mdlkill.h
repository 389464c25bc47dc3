#pragma once
// Ends running programs by the name of their executable, as the client restarts the shell
// after new policies were written.
#include <cstdint>
#include <string>

namespace tavimo {

// Ends every process whose executable is the named file ("explorer.exe" ends
// "C:\WINDOWS\Explorer.EXE"; case does not matter) and returns how many were ended.
// Processes that cannot be opened or read are passed over; an empty name ends none.
// A process whose executable is `keep` (a full path, any case) is left running.
std::int16_t killProcess(const std::string& name, const std::string& keep = {});

}  // namespace tavimo
