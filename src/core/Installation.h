#pragma once
// What installing the client puts in the registry: its keys (the client itself only opens
// them) and the default local administrator password. The installer, the end-to-end tests
// and the headless tests all use this one step.
namespace tavimo {

// Creates every key of the catalogue's installed set and, when "p0" is missing, stores the
// default password. Values already there stay, so installing again keeps the café's settings.
void createInstalledKeys();

}  // namespace tavimo
