#pragma once
// Lifts the security settings again: each procedure removes what one kind of restriction
// stored. Called by the server's remove command and by the remove-settings page.
namespace tavimo {

// Deletes the filter's mode and every stored pattern, and empties the site file's lists.
// "Blocking" stays: the next session starts the filter in a mode that never redirects.
void removeSiteBlocker();

}  // namespace tavimo
