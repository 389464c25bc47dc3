#include "FakeLayoutForm.h"

#include <cmath>

namespace tavimo::flexolo::testing {

std::ostream& operator<<(std::ostream& out, const FakeControl& control) {
  out << control.name;
  if (control.index) out << "(" << *control.index << ")";
  return out << " [" << control.a << ", " << control.b << ", " << control.c << ", " << control.d
             << "]" << (control.integralHeight ? "" : " no IntegralHeight");
}

FakeControl box(std::string name, int32_t left, int32_t top, int32_t width, int32_t height,
                Kind kind) {
  return {std::move(name), std::nullopt, kind, left, top, width, height};
}

FakeControl element(std::string name, int32_t index, int32_t left, int32_t top, int32_t width,
                    int32_t height) {
  return {std::move(name), index, Kind::Box, left, top, width, height};
}

FakeControl line(std::string name, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return {std::move(name), std::nullopt, Kind::Line, x1, y1, x2, y2};
}

FakeControl timer(std::string name) { return {std::move(name), std::nullopt, Kind::Timer}; }

FakeLayoutForm::FakeLayoutForm(double scaleWidth, double scaleHeight,
                               std::vector<FakeControl> controls)
    : controls(std::move(controls)) {
  form.top = 600;
  form.left = 900;
  setScale(scaleWidth, scaleHeight);
}

void FakeLayoutForm::setScale(double scaleWidth, double scaleHeight) {
  form.scaleWidth = scaleWidth;
  form.scaleHeight = scaleHeight;
  form.width = static_cast<int32_t>(std::lround(scaleWidth)) + borderWidth;
  form.height = static_cast<int32_t>(std::lround(scaleHeight)) + borderHeight;
}

bool FakeLayoutForm::setSize(int32_t height, int32_t width) {
  sizesSet.emplace_back(height, width);
  setScale(width - borderWidth, height - borderHeight);
  if (onSizeSet) onSizeSet();
  return true;
}

std::optional<ControlInfo> FakeLayoutForm::control(int number) {
  const FakeControl& c = controls.at(number);
  return ControlInfo{c.name, c.index, c.kind == Kind::Line};
}

int32_t* FakeLayoutForm::field(int number, ControlProperty which) {
  FakeControl& c = controls.at(number);
  bool isLine = c.kind == Kind::Line;
  bool positioned = !isLine && c.kind != Kind::Timer;
  switch (which) {
    case ControlProperty::Left: return positioned ? &c.a : nullptr;
    case ControlProperty::Top: return positioned ? &c.b : nullptr;
    case ControlProperty::Width: return positioned ? &c.c : nullptr;
    case ControlProperty::Height: return positioned ? &c.d : nullptr;
    case ControlProperty::X1: return isLine ? &c.a : nullptr;
    case ControlProperty::Y1: return isLine ? &c.b : nullptr;
    case ControlProperty::X2: return isLine ? &c.c : nullptr;
    case ControlProperty::Y2: return isLine ? &c.d : nullptr;
    case ControlProperty::IntegralHeight: return nullptr;
  }
  return nullptr;
}

std::optional<int32_t> FakeLayoutForm::property(int number, ControlProperty which) {
  if (which == ControlProperty::IntegralHeight) {
    const FakeControl& c = controls.at(number);
    if (c.kind != Kind::ListBox) return std::nullopt;
    return c.integralHeight ? -1 : 0;
  }
  if (int32_t* value = field(number, which)) return *value;
  return std::nullopt;
}

bool FakeLayoutForm::setProperty(int number, ControlProperty which, int32_t value) {
  if (which == ControlProperty::IntegralHeight) {
    FakeControl& c = controls.at(number);
    if (c.kind != Kind::ListBox) return false;
    c.integralHeight = value != 0;
    return true;
  }
  int32_t* target = field(number, which);
  if (!target) return false;
  *target = value;
  return true;
}

bool FakeLayoutForm::move(int number, std::span<const int32_t> values) {
  FakeControl& c = controls.at(number);
  switch (c.kind) {
    case Kind::Line:
    case Kind::Timer: return false;
    case Kind::FixedHeight:
      if (values.size() > 3) return false;
      break;
    case Kind::FixedSize:
      if (values.size() > 2) return false;
      break;
    case Kind::Box:
    case Kind::ListBox: break;
  }
  int32_t* fields[] = {&c.a, &c.b, &c.c, &c.d};
  for (std::size_t i = 0; i < values.size(); ++i) *fields[i] = values[i];
  return true;
}

}  // namespace tavimo::flexolo::testing
