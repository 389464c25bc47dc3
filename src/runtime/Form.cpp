#include "runtime/Form.h"

#include <algorithm>

#include "runtime/App.h"
#include "runtime/Control.h"
#include "runtime/Timer.h"

namespace tavimo::rt {

namespace {
// Window frame sizes in twips until the real window reports its own.
struct FrameMetrics {
  int side;
  int caption;
};

FrameMetrics metricsOf(BorderStyle style) {
  switch (style) {
    case BorderStyle::None: return {0, 0};
    case BorderStyle::Sizable: return {60, 330};
    case BorderStyle::FixedToolWindow: return {45, 240};
    default: return {45, 330};
  }
}
}  // namespace

Form::Form(std::string name) : name_(std::move(name)) { updateClientSize(); }

Form::~Form() = default;

Backend* Form::backend() const { return windowCreated_ ? &app().backend() : nullptr; }

void Form::setCaption(std::string caption) {
  caption_ = std::move(caption);
  if (auto* b = backend()) b->updateForm(*this, Prop::Caption);
}

void Form::move(int left, int top, int width, int height) {
  bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  updateClientSize();
  if (auto* b = backend()) b->updateForm(*this, Prop::Geometry);
  if (resized && windowCreated_) onResize();
}

void Form::setClientSize(int width, int height) {
  FrameMetrics m = metricsOf(borderStyle_);
  move(left_, top_, width + 2 * m.side, height + m.caption + 2 * m.side);
}

void Form::updateClientSize() {
  FrameMetrics m = metricsOf(borderStyle_);
  scaleWidth_ = std::max(0, width_ - 2 * m.side);
  scaleHeight_ = std::max(0, height_ - m.caption - 2 * m.side);
}

void Form::boundsChanged(int left, int top, int width, int height, int clientWidth, int clientHeight) {
  left_ = left;
  top_ = top;
  bool resized = width != width_ || height != height_ || clientWidth != scaleWidth_ || clientHeight != scaleHeight_;
  width_ = width;
  height_ = height;
  scaleWidth_ = clientWidth;
  scaleHeight_ = clientHeight;
  if (resized && windowCreated_) onResize();
}

void Form::setWindowState(WindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  if (auto* b = backend()) b->updateForm(*this, Prop::WindowState);
  if (windowCreated_) onResize();
}

void Form::windowStateChanged(WindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  if (windowCreated_) onResize();
}

void Form::setBackColor(long color) {
  backColor_ = color;
  if (auto* b = backend()) b->updateForm(*this, Prop::BackColor);
}

void Form::show(bool modal) { app().show(*this, modal); }

void Form::hide() { app().hide(*this); }

bool Form::unload() { return app().unload(*this, UnloadMode::Code); }

void Form::userClose() { app().unload(*this, UnloadMode::ControlMenu); }

Control* Form::control(const std::string& name, int index) const {
  for (Control* c : controls_)
    if (c->name() == name && c->index() == index) return c;
  return nullptr;
}

void Form::addControl(Control& control) { controls_.push_back(&control); }

void Form::removeControl(Control& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
  if (focused_ == &control) focused_ = nullptr;
}

void Form::focusChanged(Control* to) {
  if (to == focused_) return;
  Control* from = focused_;
  focused_ = to;
  if (from && from->onLostFocus) from->onLostFocus();
  if (to && to == focused_ && to->onGotFocus) to->onGotFocus();
}

void Form::focusNext(bool backward) {
  std::vector<Control*> order;
  for (Control* c : controls_)
    if (c->tabStop() && c->canTakeFocus()) order.push_back(c);
  if (order.empty()) return;
  std::stable_sort(order.begin(), order.end(), [](Control* a, Control* b) { return a->tabIndex() < b->tabIndex(); });
  auto at = std::find(order.begin(), order.end(), focused_);
  Control* next;
  if (at == order.end())
    next = backward ? order.back() : order.front();
  else if (backward)
    next = at == order.begin() ? order.back() : *(at - 1);
  else
    next = (at + 1 == order.end()) ? order.front() : *(at + 1);
  next->setFocus();
}

WindowHandle Form::hWnd() const { return windowCreated_ ? app().backend().handleOf(*this) : 0; }

}  // namespace tavimo::rt
