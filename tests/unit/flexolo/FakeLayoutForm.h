#pragma once
// A form for the scaling control's tests: controls of the kinds that matter to the layout
// (ordinary, line, timer, list box, and controls that refuse a new height or width).
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/LayoutForm.h"

namespace tavimo::flexolo::testing {

enum class Kind { Box, Line, Timer, ListBox, FixedHeight, FixedSize };

struct FakeControl {
  std::string name;
  std::optional<int32_t> index;
  Kind kind = Kind::Box;
  // Left, Top, Width, Height; for a line X1, Y1, X2, Y2.
  int32_t a = 0, b = 0, c = 0, d = 0;
  bool integralHeight = true;
  bool operator==(const FakeControl&) const = default;
};
std::ostream& operator<<(std::ostream& out, const FakeControl& control);

FakeControl box(std::string name, int32_t left, int32_t top, int32_t width, int32_t height,
                Kind kind = Kind::Box);
FakeControl element(std::string name, int32_t index, int32_t left, int32_t top, int32_t width,
                    int32_t height);
FakeControl line(std::string name, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
FakeControl timer(std::string name);

class FakeLayoutForm : public LayoutForm {
 public:
  // Outer size = inner size plus these borders.
  static constexpr int32_t borderWidth = 120, borderHeight = 500;

  FakeLayoutForm(double scaleWidth, double scaleHeight, std::vector<FakeControl> controls = {});

  void setScale(double scaleWidth, double scaleHeight);

  FormMeasures form;
  std::vector<FakeControl> controls;
  std::vector<std::pair<int32_t, int32_t>> sizesSet;  // height, width
  std::function<void()> onSizeSet;                    // a form that raises Resize itself

  std::optional<FormMeasures> measures() override { return form; }
  bool setSize(int32_t height, int32_t width) override;
  int controlCount() override { return static_cast<int>(controls.size()); }
  std::optional<ControlInfo> control(int number) override;
  std::optional<int32_t> property(int number, ControlProperty which) override;
  bool setProperty(int number, ControlProperty which, int32_t value) override;
  bool move(int number, std::span<const int32_t> leftTopWidthHeight) override;

 private:
  int32_t* field(int number, ControlProperty which);
};

}  // namespace tavimo::flexolo::testing
