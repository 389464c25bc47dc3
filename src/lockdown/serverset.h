#pragma once
// Applies the system security file to the desktop policies. Called by the settings download
// and by the system security page's Apply, which run appsetting afterwards.
namespace tavimo {

// Each entry of the file on sets its policy, off (or missing) deletes it; the drive mask
// locks the drives it names.
void serverset();

}  // namespace tavimo
