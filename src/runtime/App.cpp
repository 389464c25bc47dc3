#include "runtime/App.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "runtime/Control.h"
#include "runtime/MsgBox.h"
#include "runtime/Timer.h"

namespace tavimo::rt {

namespace {
App* current = nullptr;

template <class T>
void erase(std::vector<T*>& list, T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
}  // namespace

App::App(Backend& backend, std::string title) : backend_(backend), title_(std::move(title)) {
  if (current) throw std::logic_error("only one application per process");
  current = this;
}

App::~App() {
  for (auto it = loaded_.rbegin(); it != loaded_.rend(); ++it) {
    Form& form = **it;
    for (Control* c : form.controls())
      if (c->kind() == ControlKind::Timer) static_cast<Timer*>(c)->detach();
    if (form.windowCreated_) backend_.destroyWindow(form);
    form.windowCreated_ = false;
  }
  current = nullptr;
}

App& app() {
  if (!current) throw std::logic_error("no application is running");
  return *current;
}

bool hasApp() { return current != nullptr; }

int msgBox(const std::string& prompt, int style, const std::string& title) {
  return app().msgBox(prompt, style, title);
}

int App::msgBox(const std::string& prompt, int style, const std::string& title) {
  return backend_.messageBox(prompt, style, title.empty() ? title_ : title);
}

void App::end() {
  backend_.endProgram();
  std::abort();  // no back end returns from ending the program
}

void App::doEvents() { backend_.doEvents(); }

bool App::isLoaded(const Form& form) const {
  return std::find(loaded_.begin(), loaded_.end(), &form) != loaded_.end();
}

Form* App::formNamed(const std::string& name) const {
  for (Form* form : loaded_)
    if (form->name() == name) return form;
  return nullptr;
}

void App::load(Form& form) {
  loaded_.push_back(&form);
  form.loaded_ = true;
  backend_.createWindow(form);
  form.windowCreated_ = true;
  for (Control* c : form.controls())
    if (c->kind() == ControlKind::Timer) static_cast<Timer*>(c)->attach();
  form.onLoad();
}

bool App::unload(Form& form, UnloadMode mode) {
  if (!isLoaded(form)) return true;
  bool cancel = false;
  form.onQueryUnload(cancel, mode);
  if (cancel || !isLoaded(form)) return !isLoaded(form);
  form.onUnload(cancel);
  if (cancel || !isLoaded(form)) return !isLoaded(form);

  for (Control* c : form.controls())
    if (c->kind() == ControlKind::Timer) static_cast<Timer*>(c)->detach();
  bool wasActive = active_ == &form;
  form.visible_ = false;
  erase(zOrder_, &form);
  erase(loaded_, &form);
  if (wasActive) active_ = nullptr;
  backend_.destroyWindow(form);
  form.windowCreated_ = false;
  form.loaded_ = false;
  for (auto& [type, instance] : instances_) {
    if (instance.get() == &form) {
      unloaded_.push_back(std::move(instance));
      instances_.erase(type);
      break;
    }
  }
  if (wasActive) activateTopmostLater();
  return true;
}

void App::show(Form& form, bool modal) {
  if (!isLoaded(form)) return;
  std::vector<Form*> disabled;
  if (modal) {
    for (Form* other : zOrder_)
      if (other != &form) {
        ++other->blockedByModal_;
        backend_.enableForm(*other, false);
        disabled.push_back(other);
      }
  }
  form.visible_ = true;
  erase(zOrder_, &form);
  zOrder_.push_back(&form);
  // A form's first appearance resizes it to its shown size, before it is activated.
  if (!form.shownBefore_) {
    form.shownBefore_ = true;
    form.onResize();
  }
  backend_.showWindow(form, true);
  if (!form.focused_) form.focusNext();
  if (!modal) return;

  backend_.runUntil([this, &form] { return !isLoaded(form) || !form.visible(); }, &form);
  for (Form* other : disabled) {
    if (!isLoaded(*other)) continue;
    if (--other->blockedByModal_ == 0) backend_.enableForm(*other, true);
  }
  activateTopmostLater();
}

void App::hide(Form& form) {
  if (!form.visible_) return;
  form.visible_ = false;
  erase(zOrder_, &form);
  backend_.showWindow(form, false);
  if (active_ == &form) {
    active_ = nullptr;
    activateTopmostLater();
  }
}

// The window below becomes active once the running handler is done, as the system's own
// activation message arrives only then: a form that shows a modal dialog in its Activate
// finishes that handler before it is activated again.
void App::activateTopmostLater() {
  backend_.post([this] {
    if (!zOrder_.empty()) backend_.activateWindow(*zOrder_.back());
  });
}

// A form waiting for a modal dialog cannot become active, whatever the window system says.
void App::formActivated(Form& form) {
  if (active_ == &form || !isLoaded(form) || form.blockedByModal_ > 0) return;
  Form* previous = active_;
  active_ = &form;
  erase(zOrder_, &form);
  zOrder_.push_back(&form);
  if (previous && isLoaded(*previous)) previous->onDeactivate();
  if (!form.focused_) form.focusNext();
  form.onActivate();
}

void App::run() {
  backend_.runUntil([this] { return loaded_.empty(); }, nullptr);
  collectUnloaded();
}

void App::collectUnloaded() { unloaded_.clear(); }

}  // namespace tavimo::rt
