#pragma once
// The browser policy catalogue: the entries of the browser security file (the Internet
// Options tabs, the File menu, context menu, favorites, toolbars and downloads) and the
// browser policy each switches.
#include <string>

#include "lockdown/PolicyCatalogue.h"

namespace tavimo {

// In the order serverexpo applies them.
extern const PolicyCatalogue browserPolicies;

// Lifting the browser restrictions also deletes this value of the user's zone map.
extern const PolicyValue userZoneEveryProtocol;

// System folder + "\clt_msiexplorer.ini".
std::string browserSecurityFilePath();

}  // namespace tavimo
