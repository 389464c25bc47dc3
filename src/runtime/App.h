#pragma once
// The running program: its back end, the forms loaded in load order, the active form, and
// the services every handler may call (message boxes, DoEvents, Sleep, End).
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <vector>

#include "runtime/Backend.h"
#include "runtime/Form.h"

namespace tavimo::rt {

class App {
 public:
  explicit App(Backend& backend, std::string title = "TavimoClient");
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  Backend& backend() { return backend_; }
  const std::string& title() const { return title_; }

  // The form of that class, loaded first (running its Load) when it is not loaded. A form
  // that unloads itself in its Load is still there until the outermost loop frees it, as
  // unloaded: showing it then does nothing.
  template <class F>
  F& form() {
    auto& slot = instances_[std::type_index(typeid(F))];
    if (slot) return static_cast<F&>(*slot);
    auto* created = new F();
    slot.reset(created);
    load(*created);
    return *created;
  }
  template <class F>
  bool isLoaded() const {
    auto it = instances_.find(std::type_index(typeid(F)));
    return it != instances_.end() && it->second;
  }
  bool isLoaded(const Form& form) const;
  // Loaded forms in load order: the system unloads "from the last to the first".
  const std::vector<Form*>& forms() const { return loaded_; }
  Form* activeForm() const { return active_; }
  Form* formNamed(const std::string& name) const;

  int msgBox(const std::string& prompt, int style, const std::string& title);
  void doEvents();
  void sleep(int milliseconds) { backend_.sleep(milliseconds); }
  [[noreturn]] void end();
  // Which sources the program's sockets accept datagrams from; by default every one. A
  // datagram from a refused source is dropped before its socket raises DataArrival.
  void setDatagramFilter(std::function<bool(const std::string& address)> accepts) { datagramFilter_ = std::move(accepts); }
  bool acceptsDatagramFrom(const std::string& address) const { return !datagramFilter_ || datagramFilter_(address); }

  // The main loop: returns when no form is loaded any more.
  void run();

  // Called by forms and back ends.
  void load(Form& form);
  bool unload(Form& form, UnloadMode mode);
  void show(Form& form, bool modal);
  void hide(Form& form);
  void formActivated(Form& form);
  // Frees the forms unloaded since the last call; only the outermost loop calls it, when no
  // handler of those forms can still be running.
  void collectUnloaded();

 private:
  void activateTopmostLater();
  Backend& backend_;
  std::string title_;
  std::map<std::type_index, std::unique_ptr<Form>> instances_;
  std::vector<Form*> loaded_;
  std::vector<Form*> zOrder_;  // visible forms, the last one on top
  std::vector<std::unique_ptr<Form>> unloaded_;
  Form* active_ = nullptr;
  std::function<bool(const std::string&)> datagramFilter_;
};

// The application of this process (or of the running test).
App& app();
bool hasApp();

}  // namespace tavimo::rt
