#pragma once
// Loads the site file into the registry, where the website filter finds its mode and
// patterns. Called by the settings download and by the website page's Apply, which run
// appsetting afterwards.
namespace tavimo {

// Sets "Blocking"; then, for a site file whose type is "Allowed" or "Blocked", sets that
// mode and adds each pattern of that list. Patterns already stored stay, while the
// browsers' site lists are replaced by that list's site names.
void serverblock();

}  // namespace tavimo
