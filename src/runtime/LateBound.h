#pragma once
// A control from another library, made by its programmatic identifier and called late, by
// name: the login screen's layout control. When the library is missing the control does
// nothing, so the form works without it.
#include <memory>
#include <string>

#include "runtime/Control.h"

namespace tavimo::rt {

// The object behind such a control, as a back end makes it.
class LateBoundObject {
 public:
  virtual ~LateBoundObject() = default;
  // Calls a method without arguments; false when the object has no such method or it failed.
  virtual bool call(const std::string& method) = 0;
};

class LateBoundControl : public Control {
 public:
  LateBoundControl(Form& form, std::string name, std::string progId);
  ~LateBoundControl() override;
  const std::string& progId() const { return progId_; }
  // Calls the method, making the object on first use; false when there is no object or the
  // call failed (callers ignore it).
  bool call(const std::string& method);

 private:
  std::string progId_;
  std::unique_ptr<LateBoundObject> object_;
  bool tried_ = false;
};

}  // namespace tavimo::rt
