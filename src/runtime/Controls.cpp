#include "runtime/Controls.h"

#include "runtime/App.h"
#include "runtime/Form.h"

namespace tavimo::rt {

void Label::setCaption(std::string caption) {
  caption_ = std::move(caption);
  fitCaption();
  changed(Prop::Caption);
}

void Label::setAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  fitCaption();
}

void Label::fitCaption() {
  if (!autoSize_ || !hasApp()) return;
  PictureSize size = app().backend().textSize(*this, caption_);
  move(left(), top(), size.width, size.height);
}

void Label::setUseMnemonic(bool useMnemonic) {
  useMnemonic_ = useMnemonic;
  fitCaption();
  changed(Prop::Caption);
}

void Label::setAlignment(Alignment alignment) {
  alignment_ = alignment;
  changed(Prop::Caption);
}

void Label::setTransparent(bool transparent) {
  transparent_ = transparent;
  changed(Prop::BackColor);
}

void Clickable::userClick() {
  if (!effectivelyVisible() || !effectivelyEnabled()) return;
  setFocus();
  click();
}

void Clickable::click() {
  if (onClick) onClick();
}

void CommandButton::setCaption(std::string caption) {
  caption_ = std::move(caption);
  changed(Prop::Caption);
}

void CheckBox::setCaption(std::string caption) {
  caption_ = std::move(caption);
  changed(Prop::Caption);
}

void CheckBox::setValue(int value) {
  if (value_ == value) return;
  value_ = value;
  changed(Prop::Value);
  Clickable::click();
}

void CheckBox::click() { setValue(value_ == 1 ? 0 : 1); }

void OptionButton::setCaption(std::string caption) {
  caption_ = std::move(caption);
  changed(Prop::Caption);
}

void OptionButton::setValue(bool value) {
  if (value_ == value) return;
  value_ = value;
  changed(Prop::Value);
  if (!value) return;
  for (Control* other : form().controls()) {
    if (other == this || other->kind() != ControlKind::OptionButton || other->container() != container()) continue;
    auto* option = static_cast<OptionButton*>(other);
    if (option->value_) {
      option->value_ = false;
      option->changed(Prop::Value);
    }
  }
  Clickable::click();
}

void OptionButton::click() {
  if (value_)
    Clickable::click();
  else
    setValue(true);
}

void Frame::setCaption(std::string caption) {
  caption_ = std::move(caption);
  changed(Prop::Caption);
}

void Frame::setBorder(bool border) {
  border_ = border;
  changed(Prop::Caption);
}

bool Image::loadPicture(const std::string& path) { return showPicture(app().backend().loadPicture(*this, path), path); }

bool Image::setResourcePicture(const std::string& name) {
  return showPicture(app().backend().loadResourcePicture(*this, name), name);
}

bool Image::showPicture(const std::optional<PictureSize>& size, const std::string& picture) {
  if (!size) {
    clearPicture();
    return false;
  }
  picture_ = picture;
  if (!stretch_) move(left(), top(), size->width, size->height);
  changed(Prop::Picture);
  return true;
}

void Image::clearPicture() {
  picture_.clear();
  changed(Prop::Picture);
}

void Image::setStretch(bool stretch) {
  stretch_ = stretch;
  changed(Prop::Picture);
}

void Shape::setFillColor(long color) {
  if (color == fillColor_) return;
  fillColor_ = color;
  changed(Prop::FillColor);
}

ImageList::ImageList(Form& form, std::string name, int index) : Control(form, ControlKind::ImageList, std::move(name), index) {
  setVisible(false);
}

}  // namespace tavimo::rt
