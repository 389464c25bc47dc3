#pragma once
// What the scaling control sees of the form it lays out: the form's measures and, for each
// control, its name, index and the position properties it has. No window system in here.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tavimo::flexolo {

// The position properties the layout reads and writes. A line has X1, Y1, X2, Y2 where other
// controls have Left, Top, Width, Height; only some list boxes have IntegralHeight.
enum class ControlProperty { Top, Left, Height, Width, X1, Y1, X2, Y2, IntegralHeight };

struct FormMeasures {
  int32_t top = 0, left = 0, height = 0, width = 0;  // outer, twips
  double scaleHeight = 0, scaleWidth = 0;            // inner, in the form's own scale units
  bool minimized = false;
  bool mdiChild = false;  // a child window of a multiple-document parent
};

struct ControlInfo {
  std::string name;
  std::optional<int32_t> index;  // empty for a control that is not part of a control array
  bool isLine = false;
};

class LayoutForm {
 public:
  virtual ~LayoutForm() = default;

  // Empty when the form cannot tell (the layout then keeps what it had).
  virtual std::optional<FormMeasures> measures() = 0;
  // Sets the outer size; false when the form refuses.
  virtual bool setSize(int32_t height, int32_t width) = 0;

  // The form's controls in the form's own order, numbered from 0.
  virtual int controlCount() = 0;
  virtual std::optional<ControlInfo> control(int number) = 0;
  // Empty when the control does not have that property.
  virtual std::optional<int32_t> property(int number, ControlProperty which) = 0;
  // False when the control does not have the property or refuses the value.
  virtual bool setProperty(int number, ControlProperty which, int32_t value) = 0;
  // Moves with 2, 3 or 4 values: left, top, then width and height. False when refused.
  virtual bool move(int number, std::span<const int32_t> leftTopWidthHeight) = 0;
};

}  // namespace tavimo::flexolo
