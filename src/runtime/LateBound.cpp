#include "runtime/LateBound.h"

#include "runtime/App.h"

namespace tavimo::rt {

LateBoundControl::LateBoundControl(Form& form, std::string name, std::string progId)
    : Control(form, ControlKind::LateBound, std::move(name)), progId_(std::move(progId)) {
  setVisible(false);
  setTabStop(false);
}

LateBoundControl::~LateBoundControl() = default;

// The object is made at the first call, once the form's controls stand where the form put
// them, since a layout control records their places when it is bound to the form.
bool LateBoundControl::call(const std::string& method) {
  if (!tried_) {
    tried_ = true;
    object_ = app().backend().createObject(form(), progId_);
  }
  return object_ && object_->call(method);
}

}  // namespace tavimo::rt
