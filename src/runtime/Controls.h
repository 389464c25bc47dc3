#pragma once
// The simple visible controls: labels, buttons, check and option buttons, frames, images.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Control.h"

namespace tavimo::rt {

enum class Alignment { Left, Right, Center };

// Controls the user can click. click() raises Click as the program pressing the control;
// userClick() is a click by the user, which a disabled or hidden control ignores.
class Clickable : public Control {
 public:
  using Control::Control;
  void userClick();
  virtual void click();
  std::function<void()> onClick;
};

// A label answers clicks too: the session windows' links and buttons are labels.
class Label : public Clickable {
 public:
  Label(Form& form, std::string name, int index = -1) : Clickable(form, ControlKind::Label, std::move(name), index) {}
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  Alignment alignment() const { return alignment_; }
  void setAlignment(Alignment alignment);
  bool transparent() const { return transparent_; }
  void setTransparent(bool transparent);
  // An auto-sized label grows and shrinks with its caption.
  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool autoSize);
  // Whether "&" marks the next letter as the access key (the default) or shows as itself, as
  // in texts that people other than the program's authors write.
  bool useMnemonic() const { return useMnemonic_; }
  void setUseMnemonic(bool useMnemonic);

 private:
  void fitCaption();
  std::string caption_;
  Alignment alignment_ = Alignment::Left;
  bool transparent_ = false;
  bool autoSize_ = false;
  bool useMnemonic_ = true;
};

class CommandButton : public Clickable {
 public:
  CommandButton(Form& form, std::string name, int index = -1) : Clickable(form, ControlKind::CommandButton, std::move(name), index) {}
  bool focusable() const override { return true; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

 private:
  std::string caption_;
};

class CheckBox : public Clickable {
 public:
  CheckBox(Form& form, std::string name, int index = -1) : Clickable(form, ControlKind::CheckBox, std::move(name), index) {}
  bool focusable() const override { return true; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  // 0 unchecked, 1 checked, 2 grayed. Setting a different value raises Click.
  int value() const { return value_; }
  void setValue(int value);
  void click() override;  // the user's click toggles

 private:
  std::string caption_;
  int value_ = 0;
};

// Option buttons are exclusive within their container (a frame, or the form).
class OptionButton : public Clickable {
 public:
  OptionButton(Form& form, std::string name, int index = -1) : Clickable(form, ControlKind::OptionButton, std::move(name), index) {}
  bool focusable() const override { return true; }
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  bool value() const { return value_; }
  // Setting true clears the others of the group and raises Click.
  void setValue(bool value);
  void click() override;

 private:
  std::string caption_;
  bool value_ = false;
};

// A container: hiding or disabling it does the same to the controls inside.
class Frame : public Control {
 public:
  Frame(Form& form, std::string name, int index = -1) : Control(form, ControlKind::Frame, std::move(name), index) {}
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  bool border() const { return border_; }
  void setBorder(bool border);

 private:
  std::string caption_;
  bool border_ = true;
};

class Image : public Clickable {
 public:
  Image(Form& form, std::string name, int index = -1) : Clickable(form, ControlKind::Image, std::move(name), index) {}
  // The file's path, or the name of the picture built into the program.
  const std::string& picture() const { return picture_; }
  // Loads a picture file; an image that cannot be read leaves the control empty. Without
  // stretching, the control takes the picture's size.
  bool loadPicture(const std::string& path);
  // The same for a picture built into the program.
  bool setResourcePicture(const std::string& name);
  void clearPicture();
  bool stretch() const { return stretch_; }
  void setStretch(bool stretch);

 private:
  bool showPicture(const std::optional<PictureSize>& size, const std::string& picture);
  std::string picture_;
  bool stretch_ = false;
};

// A plain rectangle in one colour, drawn behind other controls (a button's face, a band).
class Shape : public Control {
 public:
  Shape(Form& form, std::string name, int index = -1) : Control(form, ControlKind::Shape, std::move(name), index) {}
  long fillColor() const { return fillColor_; }
  void setFillColor(long color);

 private:
  long fillColor_ = 0;
};

// Pictures built into the program, kept together for the controls of a form that swap
// them (a button's normal and pressed faces). Numbered from 1; never shown itself.
class ImageList : public Control {
 public:
  ImageList(Form& form, std::string name, int index = -1);
  void add(std::string resourceName) { pictures_.push_back(std::move(resourceName)); }
  int count() const { return static_cast<int>(pictures_.size()); }
  const std::string& picture(int number) const { return pictures_.at(number - 1); }

 private:
  std::vector<std::string> pictures_;
};

}  // namespace tavimo::rt
