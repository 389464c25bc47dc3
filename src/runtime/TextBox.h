#pragma once
// A text box with the events the forms rely on: Change after every change of the
// text, and KeyPress before a typed character lands, which may swallow or replace it.
#include <functional>
#include <string>

#include "runtime/Control.h"

namespace tavimo::rt {

namespace key {
constexpr int Back = 8;
constexpr int Tab = 9;
constexpr int Return = 13;
}  // namespace key

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name, int index = -1) : Control(form, ControlKind::TextBox, std::move(name), index) {}
  bool focusable() const override { return true; }

  const std::string& text() const { return text_; }
  void setText(std::string text);
  int maxLength() const { return maxLength_; }  // 0: no limit
  void setMaxLength(int length);
  char passwordChar() const { return passwordChar_; }  // 0: shown as typed
  void setPasswordChar(char c);
  bool locked() const { return locked_; }  // read-only for the user
  void setLocked(bool locked);
  // Several lines, wrapped at the box's width (the arrow keys scroll what does not fit); set
  // before the window is made.
  bool multiLine() const { return multiLine_; }
  void setMultiLine(bool multiLine) { multiLine_ = multiLine; }

  int selStart() const { return selStart_; }
  int selLength() const { return selLength_; }
  void select(int start, int length);
  void selectAll() { select(0, static_cast<int>(text_.size())); }

  // A character typed by the user, through KeyPress: Back deletes, Return and Tab insert
  // nothing, others replace the selection within the length limit.
  void typeKey(int keyAscii);
  void typeText(const std::string& text);
  // Event from the back end: the user changed the text in the real control.
  void textEdited(std::string text);

  std::function<void()> onChange;
  std::function<void(int& keyAscii)> onKeyPress;

 private:
  void replaceSelection(const std::string& with);
  std::string text_;
  int maxLength_ = 0;
  char passwordChar_ = 0;
  bool locked_ = false;
  bool multiLine_ = false;
  int selStart_ = 0;
  int selLength_ = 0;
};

}  // namespace tavimo::rt
