#pragma once
// Applies the browser security file to the browser policies. Called by the settings download
// and by the browser security page's Apply, which run appsetting afterwards.
namespace tavimo {

// Each entry of the file on sets its policy, off (or missing) deletes it; downloads from the
// Internet zone are disabled or enabled.
void serverexpo();

}  // namespace tavimo
