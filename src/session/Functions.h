#pragma once
// The taskbar and its clock (hidden while the computer is locked, shown for sessions), and the
// session record that the Timers key keeps and the session report that carries it.
#include <cstdint>
#include <string>

namespace tavimo {

// 0 hides the taskbar and tells the system a screen saver runs; 1 shows it and clears that.
// On the old Windows family the client's process is also hidden from the task list.
void setTaskbar(std::int32_t showCommand);
// Shows (1) or hides (0) the clock in the taskbar's notification area.
void setTrayClock(std::int16_t showCommand);

// Reads the Timers key into the loaded session record, with its defaults: "0:0:0" for the
// times, "Slot I" for the rate type, " " for a text that was only its terminator.
void loadSessionRecord();
// The session report: code '1' reports the previous session (sent when the login screen
// loads), '2' the running one; the twelve fields joined by "|".
std::string sessionReport(char code);
// Sends the report on wskComputer to the server's report port.
void sendSessionReport(char code);
// Shows the last session (user, date, usage, charges) on the login screen.
void showPreviousUser();

}  // namespace tavimo
