#pragma once
// The moment a guest's session begins, reached from the login screen directly or through the
// guest setup: the lock gives way to the guest timer.
namespace tavimo {

// Shows the taskbar, hides the login screen, loads the website filter when the café uses it
// and shows the guest timer.
void startGuestTimer();

}  // namespace tavimo
