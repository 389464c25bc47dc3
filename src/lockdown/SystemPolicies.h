#pragma once
// The system policy catalogue: the entries of the system security file (Start menu, Control
// Panel pages, context menus, command prompts, drives) and the desktop policy each switches.
#include <string>

#include "lockdown/PolicyCatalogue.h"

namespace tavimo {

// In the order serverset applies them.
extern const PolicyCatalogue systemPolicies;

// The captions of the locked drives' boxes on the editing page ("a :,d :,"), which only the
// page reads back; the last row of the catalogue.
extern const PolicyEntry& lockedDriveCaptions;
// An entry of the drive section that only the file's reset writes.
extern const SettingsFileEntry driveRet;

// System folder + "\clt_mtssecurity.ini".
std::string systemSecurityFilePath();

}  // namespace tavimo
