#include "runtime/Control.h"

#include "runtime/App.h"
#include "runtime/Controls.h"
#include "runtime/Form.h"

namespace tavimo::rt {

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index), tabIndex_(form.nextTabIndex_++) {
  form_.addControl(*this);
}

Control::~Control() { form_.removeControl(*this); }

void Control::changed(Prop what) {
  if (form_.windowCreated_) app().backend().updateControl(*this, what);
}

void Control::setContainer(Frame* frame) { container_ = frame; }

void Control::move(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed(Prop::Geometry);
}

void Control::setVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  changed(Prop::Visible);
  if (!visible) focusLeftBehind();
}

void Control::setEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  changed(Prop::Enabled);
  if (!enabled) focusLeftBehind();
}

// Hiding or disabling a control (or the frame around it) moves the focus off it.
void Control::focusLeftBehind() {
  Control* focused = form_.activeControl();
  if (focused && !focused->canTakeFocus()) form_.focusNext();
}

bool Control::effectivelyVisible() const {
  for (const Control* c = this; c; c = c->container_)
    if (!c->visible_) return false;
  return true;
}

bool Control::effectivelyEnabled() const {
  for (const Control* c = this; c; c = c->container_)
    if (!c->enabled_) return false;
  return true;
}

void Control::setToolTipText(std::string text) {
  toolTip_ = std::move(text);
  changed(Prop::ToolTip);
}

void Control::setForeColor(long color) {
  foreColor_ = color;
  changed(Prop::ForeColor);
}

void Control::setBackColor(long color) {
  backColor_ = color;
  changed(Prop::BackColor);
}

void Control::setFont(Font font) {
  font_ = std::move(font);
  changed(Prop::Font);
}

void Control::setMousePointer(MousePointer pointer) {
  mousePointer_ = pointer;
  changed(Prop::MousePointer);
}

namespace {
void raise(const Control& c, const std::function<void(const MouseEvent&)>& handler, const MouseEvent& event) {
  if (handler && c.effectivelyEnabled()) handler(event);
}
}  // namespace

void Control::mouseDown(const MouseEvent& event) { raise(*this, onMouseDown, event); }
void Control::mouseMove(const MouseEvent& event) { raise(*this, onMouseMove, event); }
void Control::mouseUp(const MouseEvent& event) { raise(*this, onMouseUp, event); }

bool Control::canTakeFocus() const {
  return focusable() && form_.visible() && effectivelyVisible() && effectivelyEnabled();
}

// A control that cannot take the focus ignores the request, as the failing call would.
void Control::setFocus() {
  if (!canTakeFocus()) return;
  form_.focusChanged(this);
  if (form_.windowCreated_) app().backend().focusControl(*this);
}

bool Control::hasFocus() const { return form_.activeControl() == this; }

}  // namespace tavimo::rt
