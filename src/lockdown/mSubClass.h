#pragma once
// Closing the whole client: every window it has open, so that the program ends.
namespace tavimo {

// Unloads every loaded form, from the last loaded down to the first. A form that refuses to
// unload stays; one that another form's unloading already closed is passed over.
void closeAllForms();

}  // namespace tavimo
