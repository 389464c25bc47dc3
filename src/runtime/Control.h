#pragma once
// A control of a form: its name and control-array index, its position in twips, and the
// properties every visible control shares. Kinds add their own state and events.
#include <functional>
#include <string>

#include "runtime/Backend.h"

namespace tavimo::rt {

class Form;
class Frame;

enum class ControlKind {
  Label, TextBox, CommandButton, CheckBox, OptionButton, ListBox, ComboBox, Frame, Image,
  UpDown, Timer, UdpSocket, LateBound, TabStrip, Shape, ImageList, ListView
};

// The mouse over a control or form: the buttons held (1 left, 2 right, 4 middle), the shift
// keys (1 Shift, 2 Ctrl, 4 Alt) and the pointer's place in twips from the top-left corner.
struct MouseEvent {
  int button = 0;
  int shift = 0;
  int x = 0;
  int y = 0;
};

// The pointer shown over a control: the system's arrow, or a hand that says "click me".
enum class MousePointer { Default, Hand };

struct Font {
  std::string name = "MS Sans Serif";
  double size = 8.25;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// Colours are 0x00BBGGRR, as the system's colour values; rgb() makes one.
constexpr long rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }
constexpr long systemColor = -1;  // "the system's default colour for this kind of control"

class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, int index = -1);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // -1 outside a control array
  Form& form() const { return form_; }
  Frame* container() const { return container_; }
  void setContainer(Frame* frame);

  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void move(int left, int top, int width, int height);
  void setLeft(int v) { move(v, top_, width_, height_); }
  void setTop(int v) { move(left_, v, width_, height_); }
  void setWidth(int v) { move(left_, top_, v, height_); }
  void setHeight(int v) { move(left_, top_, width_, v); }

  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  virtual void setEnabled(bool enabled);
  // Visible and enabled, with every frame around it.
  bool effectivelyVisible() const;
  bool effectivelyEnabled() const;

  const std::string& toolTipText() const { return toolTip_; }
  void setToolTipText(std::string text);
  long foreColor() const { return foreColor_; }
  void setForeColor(long color);
  long backColor() const { return backColor_; }
  void setBackColor(long color);
  const Font& font() const { return font_; }
  void setFont(Font font);

  int tabIndex() const { return tabIndex_; }
  void setTabIndex(int index) { tabIndex_ = index; }
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool stop) { tabStop_ = stop; }
  // Whether this kind of control can hold the keyboard focus at all.
  virtual bool focusable() const { return false; }
  bool canTakeFocus() const;
  void setFocus();
  bool hasFocus() const;

  MousePointer mousePointer() const { return mousePointer_; }
  void setMousePointer(MousePointer pointer);

  // Events from the back end: the mouse went down, moved or went up over the control. A
  // disabled control takes none.
  void mouseDown(const MouseEvent& event);
  void mouseMove(const MouseEvent& event);
  void mouseUp(const MouseEvent& event);

  std::function<void()> onGotFocus;
  std::function<void()> onLostFocus;
  std::function<void(const MouseEvent&)> onMouseDown;
  std::function<void(const MouseEvent&)> onMouseMove;
  std::function<void(const MouseEvent&)> onMouseUp;

 protected:
  // Tells the back end that part of the state changed, once the window exists.
  void changed(Prop what);

 private:
  void focusLeftBehind();
  Form& form_;
  ControlKind kind_;
  std::string name_;
  int index_;
  Frame* container_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 1215, height_ = 375;
  bool visible_ = true;
  bool enabled_ = true;
  std::string toolTip_;
  long foreColor_ = systemColor;
  long backColor_ = systemColor;
  Font font_;
  MousePointer mousePointer_ = MousePointer::Default;
  int tabIndex_;
  bool tabStop_ = true;
};

}  // namespace tavimo::rt
