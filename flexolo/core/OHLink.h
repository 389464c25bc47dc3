#pragma once
// The hyperlink label's behaviour apart from its window: its two texts, their defaults and
// storage, the click that opens the address, and the events it passes to its container.
#include <cstdint>
#include <string>

#include "core/PropertyStore.h"
#include "core/Shell.h"

namespace tavimo::flexolo {

struct MouseEventArgs {
  int16_t button = 0;  // 1 left, 2 right, 4 middle
  int16_t shift = 0;   // 1 Shift, 2 Ctrl, 4 Alt
  float x = 0, y = 0;  // twips, from the control's top left corner
};

struct Size {
  int32_t width = 0, height = 0;  // twips
  bool operator==(const Size&) const = default;
};

// The control's window: the label that shows the caption, and the control's own size.
class OHLinkView {
 public:
  virtual ~OHLinkView() = default;
  virtual void setLabelCaption(const std::string& caption) = 0;
  virtual Size labelSize() = 0;
  virtual void setControlSize(Size size) = 0;
};

// What the control tells its container; a container listens to what it needs.
class OHLinkEvents {
 public:
  virtual ~OHLinkEvents() = default;
  virtual void propertyChanged(const std::string& /*name*/) {}
  virtual void click() {}
  virtual void dblClick() {}
  virtual void mouseDown(const MouseEventArgs& /*args*/) {}
  virtual void mouseMove(const MouseEventArgs& /*args*/) {}
  virtual void mouseUp(const MouseEventArgs& /*args*/) {}
};

class OHLink {
 public:
  static constexpr const char* hyperLinkProperty = "HyperLink";
  static constexpr const char* captionProperty = "Caption";
  static constexpr const char* defaultHyperLink = "http://";
  // Blue, as a colour value whose low byte holds red.
  static constexpr uint32_t captionColor = 0x00FF0000;

  OHLink(OHLinkView& view, Shell& shell, OHLinkEvents& events);

  // A new control placed on a form; displayName is the container's name for it.
  void initNew(const std::string& displayName);
  void readProperties(PropertyStore& store, const std::string& displayName);
  // Stores only the values that differ from their defaults.
  void writeProperties(PropertyStore& store, const std::string& displayName);

  const std::string& hyperLink() const { return hyperLink_; }
  void setHyperLink(std::string address);
  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  // The control takes the size of its label.
  void resize();

  // Mouse actions on the control or on its label.
  void click();
  void dblClick() { events_.dblClick(); }
  void mouseDown(const MouseEventArgs& args) { events_.mouseDown(args); }
  void mouseMove(const MouseEventArgs& args) { events_.mouseMove(args); }
  void mouseUp(const MouseEventArgs& args) { events_.mouseUp(args); }

 private:
  void showCaption();

  OHLinkView& view_;
  Shell& shell_;
  OHLinkEvents& events_;
  std::string hyperLink_ = defaultHyperLink;
  std::string caption_;
};

}  // namespace tavimo::flexolo
