#pragma once
// Finding the timer window of a session, for the tray notice and the server's commands. A
// window that is not open is not opened by asking.
#include <cstdint>

namespace tavimo {

class TimerWindow;

// The window of a session kind as trayOwner numbers them (1 guest, 2 member, 3 ticket), when
// it is open; nullptr otherwise.
TimerWindow* timerWindowOf(std::int16_t owner);
// The window of the customer's session running now (by loginKind), when it is open.
TimerWindow* runningTimerWindow();

}  // namespace tavimo
