#include "com/HostLayoutForm.h"

#include "com/Text.h"

namespace tavimo::flexolo::com {
namespace {

FlexoloProperty hostProperty(ControlProperty which) {
  switch (which) {
    case ControlProperty::Top: return FLEXOLO_TOP;
    case ControlProperty::Left: return FLEXOLO_LEFT;
    case ControlProperty::Height: return FLEXOLO_HEIGHT;
    case ControlProperty::Width: return FLEXOLO_WIDTH;
    case ControlProperty::X1: return FLEXOLO_X1;
    case ControlProperty::Y1: return FLEXOLO_Y1;
    case ControlProperty::X2: return FLEXOLO_X2;
    case ControlProperty::Y2: return FLEXOLO_Y2;
    case ControlProperty::IntegralHeight: return FLEXOLO_INTEGRAL_HEIGHT;
  }
  return FLEXOLO_TOP;
}

}  // namespace

std::optional<FormMeasures> HostLayoutForm::measures() {
  FlexoloFormMeasures m{};
  if (FAILED(host_.GetFormMeasures(&m))) return std::nullopt;
  return FormMeasures{m.top,        m.left,       m.height,          m.width,
                      m.scaleHeight, m.scaleWidth, m.minimized != 0, m.mdiChild != 0};
}

bool HostLayoutForm::setSize(int32_t height, int32_t width) {
  return SUCCEEDED(host_.SetFormSize(height, width));
}

int HostLayoutForm::controlCount() {
  LONG count = 0;
  if (FAILED(host_.GetControlCount(&count)) || count < 0) return 0;
  return static_cast<int>(count);
}

std::optional<ControlInfo> HostLayoutForm::control(int number) {
  BSTR name = nullptr;
  LONG index = FLEXOLO_NO_INDEX;
  BOOL isLine = FALSE;
  HRESULT hr = host_.GetControl(number, &name, &index, &isLine);
  std::string text = ansiFromBstr(name);
  SysFreeString(name);
  if (FAILED(hr)) return std::nullopt;
  ControlInfo info{std::move(text), std::nullopt, isLine != FALSE};
  if (index >= 0) info.index = index;
  return info;
}

std::optional<int32_t> HostLayoutForm::property(int number, ControlProperty which) {
  LONG value = 0;
  if (FAILED(host_.GetProperty(number, hostProperty(which), &value))) return std::nullopt;
  return value;
}

bool HostLayoutForm::setProperty(int number, ControlProperty which, int32_t value) {
  return SUCCEEDED(host_.SetProperty(number, hostProperty(which), value));
}

bool HostLayoutForm::move(int number, std::span<const int32_t> values) {
  if (values.size() < 2 || values.size() > 4) return false;
  auto at = [&](std::size_t i) -> LONG { return i < values.size() ? values[i] : 0; };
  return SUCCEEDED(host_.Move(number, static_cast<LONG>(values.size()), at(0), at(1), at(2),
                              at(3)));
}

}  // namespace tavimo::flexolo::com
