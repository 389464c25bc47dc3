#pragma once
// A form of the runtime as the layout control of Flexolo.dll sees it (IFlexoloHost): its
// measures and its controls' positions in twips, read from and written to the form's
// controls, so a move by the layout control moves the real windows.
#include <memory>
#include <string>

#include "runtime/LateBound.h"

namespace tavimo::rt {

class Form;

// Makes the COM object of that identifier and, when it is a layout control, binds it to the
// form. Nothing when the library is not registered.
std::unique_ptr<LateBoundObject> createComObject(Form& form, const std::string& progId);

}  // namespace tavimo::rt
