#pragma once
// The form runtime without windows, for tests: a virtual clock runs timers and datagrams in
// time order, message boxes and modal dialogs are answered by scripts, and what the program
// showed is kept in a journal that tests compare with what they expect.
#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/VirtualClock.h"
#include "runtime/Backend.h"

namespace tavimo::rt {

// Thrown by End, so a test sees the program stop where it would have stopped.
struct ProgramEnded : std::exception {
  const char* what() const noexcept override { return "the program ended"; }
};

// The program waits for something that the test has not scripted.
struct Stalled : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct MessageBoxShown {
  std::string prompt;
  int style = 0;
  std::string title;
};

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(VirtualClock& clock) : clock_(clock) {}

  VirtualClock& clock() { return clock_; }

  // Scripts. Answers go to the boxes with a choice, in order; an OK-only box needs none.
  void answerMessageBox(int answer) { answers_.push_back(answer); }
  // Runs when the form named so is next shown modally, inside its modal loop.
  void onModal(const std::string& formName, std::function<void(Form&)> action);
  // How long a modal loop may wait on virtual time before the test is told it stalled.
  void setModalLimit(std::uint64_t milliseconds) { modalLimit_ = milliseconds; }
  void setScreenPixels(int width, int height) { screen_ = {width * 15, height * 15}; }
  // Makes objects of that identifier available, as installing their library does; their
  // calls go to the journal as "call <identifier>.<method>".
  void installObject(const std::string& progId) { installedObjects_.push_back(progId); }

  // What the program showed, in order: "show frmX", "hide frmX", "activate frmX",
  // "modal frmX", "modal end frmX", "destroy frmX", "msgbox <prompt>", "sleep <ms>".
  const std::vector<std::string>& journal() const { return journal_; }
  void clearJournal() { journal_.clear(); }
  const std::vector<MessageBoxShown>& messageBoxes() const { return boxes_; }

  // Lets virtual time run: events due within the span happen, then unloaded forms are freed.
  void advance(std::uint64_t milliseconds);
  // Runs events until done() holds or `limit` milliseconds of virtual time have passed.
  bool runUntil(const std::function<bool()>& done, std::uint64_t limit);

  void createWindow(Form& form) override;
  void destroyWindow(Form& form) override;
  void showWindow(Form& form, bool visible) override;
  void activateWindow(Form& form) override;
  void updateForm(Form&, Prop) override {}
  void updateControl(Control&, Prop) override {}
  void focusControl(Control&) override {}
  void enableForm(Form&, bool) override {}
  WindowHandle handleOf(const Form& form) const override;
  std::optional<PictureSize> loadPicture(Control& control, const std::string& path) override;
  // The program's built-in pictures are the files "<name in lower case>.gif" of this folder.
  std::optional<PictureSize> loadResourcePicture(Control& control, const std::string& name) override;
  void setResourceFolder(std::string folder) { resourceFolder_ = std::move(folder); }
  PictureSize screenSize() override { return screen_; }
  std::unique_ptr<LateBoundObject> createObject(Form& form, const std::string& progId) override;
  // Text measured as the default font is: 90 twips a character, 195 a line.
  PictureSize textSize(Control& control, const std::string& text) override;
  std::string programFile() override { return programFile_; }
  void setProgramFile(std::string path) { programFile_ = std::move(path); }

  std::uint64_t tickCount() override { return clock_.now(); }
  std::uint64_t microsecondCount() override { return clock_.now() * 1000; }
  void startTimer(Timer& timer) override;
  void stopTimer(Timer& timer) override;
  void runUntil(const std::function<bool()>& done, Form* modal) override;
  void doEvents() override { clock_.runDue(); }
  void post(std::function<void()> action) override { clock_.schedule(0, std::move(action)); }
  void sleep(int milliseconds) override;
  int messageBox(const std::string& prompt, int style, const std::string& title) override;
  [[noreturn]] void endProgram() override { throw ProgramEnded(); }

 private:
  void scheduleTick(Timer& timer);
  VirtualClock& clock_;
  std::deque<int> answers_;
  std::multimap<std::string, std::function<void(Form&)>> modalScripts_;
  std::uint64_t modalLimit_ = 10 * 60 * 1000;
  PictureSize screen_{1024 * 15, 768 * 15};
  std::string programFile_ = "C:\\Program Files\\Tavimo\\TavimoClient.exe";
  std::string resourceFolder_;
  std::vector<std::string> journal_;
  std::vector<MessageBoxShown> boxes_;
  std::map<const Form*, WindowHandle> handles_;
  WindowHandle nextHandle_ = 0x10010;
  std::map<Timer*, VirtualClock::Id> ticks_;
  std::vector<std::string> installedObjects_;
};

}  // namespace tavimo::rt
