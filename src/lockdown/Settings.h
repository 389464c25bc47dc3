#pragma once
// Lifts the security settings again: each procedure removes what one kind of restriction
// stored. Called by the server's remove command and by the remove-settings page, which run
// appsetting afterwards.
namespace tavimo {

// Deletes every system policy value (whatever the Windows version), writes the hidden store's
// flags 0, hides the taskbar, and resets the system security file except its drive mask.
void removeSystemSecurity();
// Deletes every browser policy value, enables downloads again, deletes the user's zone map
// value "*", and resets the browser security file.
void removeExplorerSecurity();
// Deletes the filter's mode and every stored pattern, takes back the browsers' site lists,
// and empties the site file's lists. "Blocking" stays: the next session starts the filter in
// a mode that never redirects.
void removeSiteBlocker();
// Deletes the computer's zone map with every blocked site in it. (The remove-settings page
// only: the server's remove command leaves installer blocking on.)
void removeInstallerBlocker();
// Writes "RestrictRun" 0 and deletes the run list; the quick-launch list stays.
void removeProgramRestrictions();

}  // namespace tavimo
