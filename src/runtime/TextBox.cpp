#include "runtime/TextBox.h"

#include <algorithm>

namespace tavimo::rt {

void TextBox::setText(std::string text) {
  if (maxLength_ > 0 && static_cast<int>(text.size()) > maxLength_) text.resize(maxLength_);
  if (text == text_) return;
  text_ = std::move(text);
  selStart_ = static_cast<int>(text_.size());
  selLength_ = 0;
  changed(Prop::Text);
  if (onChange) onChange();
}

void TextBox::setMaxLength(int length) {
  maxLength_ = std::max(length, 0);
  changed(Prop::MaxLength);
}

void TextBox::setPasswordChar(char c) {
  passwordChar_ = c;
  changed(Prop::PasswordChar);
}

void TextBox::setLocked(bool locked) {
  locked_ = locked;
  changed(Prop::Locked);
}

void TextBox::select(int start, int length) {
  int size = static_cast<int>(text_.size());
  selStart_ = std::clamp(start, 0, size);
  selLength_ = std::clamp(length, 0, size - selStart_);
  changed(Prop::Selection);
}

void TextBox::typeKey(int keyAscii) {
  if (onKeyPress) onKeyPress(keyAscii);
  if (keyAscii == 0 || locked_ || keyAscii == key::Return || keyAscii == key::Tab) return;
  if (keyAscii == key::Back) {
    if (selLength_ == 0 && selStart_ > 0) {
      --selStart_;
      selLength_ = 1;
    }
    replaceSelection("");
    return;
  }
  replaceSelection(std::string(1, static_cast<char>(keyAscii)));
}

void TextBox::typeText(const std::string& text) {
  for (unsigned char c : text) typeKey(c);
}

void TextBox::replaceSelection(const std::string& with) {
  std::string next = text_;
  next.replace(selStart_, selLength_, with);
  if (maxLength_ > 0 && static_cast<int>(next.size()) > maxLength_) return;
  int caret = selStart_ + static_cast<int>(with.size());
  if (next == text_) return;
  text_ = std::move(next);
  selStart_ = caret;
  selLength_ = 0;
  changed(Prop::Text);
  if (onChange) onChange();
}

void TextBox::textEdited(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  selStart_ = std::min(selStart_, static_cast<int>(text_.size()));
  selLength_ = 0;
  if (onChange) onChange();
}

}  // namespace tavimo::rt
