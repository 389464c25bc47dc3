#pragma once
// The taskbar and its clock: hidden while the computer is locked, shown for sessions.
#include <cstdint>

namespace tavimo {

// 0 hides the taskbar and tells the system a screen saver runs; 1 shows it and clears that.
// On the old Windows family the client's process is also hidden from the task list.
void setTaskbar(std::int32_t showCommand);
// Shows (1) or hides (0) the clock in the taskbar's notification area.
void setTrayClock(std::int16_t showCommand);

}  // namespace tavimo
