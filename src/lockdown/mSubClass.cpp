#include "lockdown/mSubClass.h"

#include "runtime/App.h"

namespace tavimo {

// The collection changes while forms unload (an Unload handler may close others), so each
// step looks at it again by position.
void closeAllForms() {
  rt::App& app = rt::app();
  for (auto at = static_cast<std::ptrdiff_t>(app.forms().size()) - 1; at >= 0; --at) {
    const auto& forms = app.forms();
    if (at < static_cast<std::ptrdiff_t>(forms.size())) forms[at]->unload();
  }
}

}  // namespace tavimo
