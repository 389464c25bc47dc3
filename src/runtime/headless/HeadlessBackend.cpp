#include "runtime/headless/HeadlessBackend.h"

#include <algorithm>
#include <cctype>

#include "runtime/App.h"
#include "runtime/Form.h"
#include "runtime/LateBound.h"
#include "runtime/MsgBox.h"
#include "runtime/PictureFile.h"
#include "runtime/Timer.h"

namespace tavimo::rt {

void HeadlessBackend::onModal(const std::string& formName, std::function<void(Form&)> action) {
  modalScripts_.emplace(formName, std::move(action));
}

void HeadlessBackend::advance(std::uint64_t milliseconds) {
  clock_.advance(milliseconds);
  app().collectUnloaded();
}

bool HeadlessBackend::runUntil(const std::function<bool()>& done, std::uint64_t limit) {
  std::uint64_t end = clock_.now() + limit;
  while (!done()) {
    if (!clock_.pending() || clock_.nextDue() > end) {
      clock_.advance(end - clock_.now());
      app().collectUnloaded();
      return done();
    }
    clock_.runNext();
  }
  app().collectUnloaded();
  return true;
}

void HeadlessBackend::createWindow(Form& form) {
  handles_[&form] = nextHandle_;
  nextHandle_ += 4;
}

void HeadlessBackend::destroyWindow(Form& form) {
  handles_.erase(&form);
  journal_.push_back("destroy " + form.name());
}

void HeadlessBackend::showWindow(Form& form, bool visible) {
  journal_.push_back((visible ? "show " : "hide ") + form.name());
  if (visible) activateWindow(form);
}

void HeadlessBackend::activateWindow(Form& form) {
  if (app().activeForm() == &form) return;
  journal_.push_back("activate " + form.name());
  app().formActivated(form);
}

WindowHandle HeadlessBackend::handleOf(const Form& form) const {
  auto it = handles_.find(&form);
  return it == handles_.end() ? 0 : it->second;
}

std::optional<PictureSize> HeadlessBackend::loadPicture(Control&, const std::string& path) {
  auto pixels = pictureFilePixels(path);
  if (!pixels) return std::nullopt;
  return PictureSize{pixels->first * 15, pixels->second * 15};
}

std::optional<PictureSize> HeadlessBackend::loadResourcePicture(Control& control, const std::string& name) {
  if (resourceFolder_.empty()) return std::nullopt;
  std::string file;
  for (char c : name) file += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return loadPicture(control, resourceFolder_ + "/" + file + ".gif");
}

namespace {
class JournaledObject : public LateBoundObject {
 public:
  JournaledObject(std::vector<std::string>& journal, std::string progId) : journal_(journal), progId_(std::move(progId)) {}
  bool call(const std::string& method) override {
    journal_.push_back("call " + progId_ + "." + method);
    return true;
  }

 private:
  std::vector<std::string>& journal_;
  std::string progId_;
};
}  // namespace

std::unique_ptr<LateBoundObject> HeadlessBackend::createObject(Form&, const std::string& progId) {
  if (std::find(installedObjects_.begin(), installedObjects_.end(), progId) == installedObjects_.end()) return nullptr;
  return std::make_unique<JournaledObject>(journal_, progId);
}

PictureSize HeadlessBackend::textSize(Control&, const std::string& text) {
  int lines = 1, longest = 0, current = 0;
  for (char c : text) {
    if (c == '\n') {
      ++lines;
      current = 0;
    } else if (c != '\r') {
      longest = std::max(longest, ++current);
    }
  }
  return {longest * 90, lines * 195};
}

void HeadlessBackend::startTimer(Timer& timer) { scheduleTick(timer); }

void HeadlessBackend::scheduleTick(Timer& timer) {
  ticks_[&timer] = clock_.schedule(timer.interval(), [this, &timer] {
    ticks_.erase(&timer);
    scheduleTick(timer);
    timer.fire();
  });
}

void HeadlessBackend::stopTimer(Timer& timer) {
  auto it = ticks_.find(&timer);
  if (it == ticks_.end()) return;
  clock_.cancel(it->second);
  ticks_.erase(it);
}

void HeadlessBackend::runUntil(const std::function<bool()>& done, Form* modal) {
  std::uint64_t start = clock_.now();
  if (modal) {
    journal_.push_back("modal " + modal->name());
    auto script = modalScripts_.find(modal->name());
    if (script != modalScripts_.end()) {
      auto action = std::move(script->second);
      modalScripts_.erase(script);
      clock_.schedule(0, [action, modal] {
        if (app().isLoaded(*modal)) action(*modal);
      });
    }
  }
  while (!done()) {
    if (!clock_.pending()) throw Stalled(modal ? "modal " + modal->name() + " waits for nothing" : "nothing left to happen");
    if (modal && clock_.nextDue() - start > modalLimit_) throw Stalled("modal " + modal->name() + " is still open");
    clock_.runNext();
    if (!modal) app().collectUnloaded();
  }
  if (modal) journal_.push_back("modal end " + modal->name());
}

void HeadlessBackend::sleep(int milliseconds) {
  journal_.push_back("sleep " + std::to_string(milliseconds));
  clock_.skip(milliseconds);
}

int HeadlessBackend::messageBox(const std::string& prompt, int style, const std::string& title) {
  journal_.push_back("msgbox " + prompt);
  boxes_.push_back({prompt, style, title});
  if ((style & 0x0F) == mb::OkOnly) return mb::Ok;
  if (!answers_.empty()) {
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  throw Stalled("no answer scripted for the message box \"" + prompt + "\"");
}

}  // namespace tavimo::rt
