#pragma once
// The layout core's view of a form, answered by the form's IFlexoloHost, so that the core
// itself stays free of COM and is tested without Windows.
#include "FlexoloHost.h"
#include "core/LayoutForm.h"

namespace tavimo::flexolo::com {

class HostLayoutForm final : public LayoutForm {
 public:
  explicit HostLayoutForm(IFlexoloHost& host) : host_(host) {}

  std::optional<FormMeasures> measures() override;
  bool setSize(int32_t height, int32_t width) override;
  int controlCount() override;
  std::optional<ControlInfo> control(int number) override;
  std::optional<int32_t> property(int number, ControlProperty which) override;
  bool setProperty(int number, ControlProperty which, int32_t value) override;
  bool move(int number, std::span<const int32_t> leftTopWidthHeight) override;

 private:
  IFlexoloHost& host_;
};

}  // namespace tavimo::flexolo::com
