#pragma once
// Keeps the mouse pointer inside a dialog while the customer must answer it.
namespace tavimo {

namespace rt {
class Form;
}

// Confines the pointer to the form's client area, in screen coordinates, until
// releaseCursor or the next confineCursor. Nothing happens when the area cannot be read.
void confineCursor(const rt::Form& form);
void releaseCursor();

}  // namespace tavimo
