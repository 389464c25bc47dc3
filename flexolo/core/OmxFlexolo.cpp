#include "core/OmxFlexolo.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace tavimo::flexolo {
namespace {

constexpr int32_t rightMargin = 200;   // twips added to a control's right edge (MDI pass)
constexpr int32_t bottomMargin = 500;  // and to its bottom edge

std::optional<int32_t> fitting(int64_t value) {
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    return std::nullopt;
  return static_cast<int32_t>(value);
}

// Whole numbers round halves to the even neighbour, as the form's own conversions do.
std::optional<int64_t> roundHalfEven(double value) {
  if (!std::isfinite(value) || std::fabs(value) > 9.0e15) return std::nullopt;
  double whole = std::floor(value);
  double rest = value - whole;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<int64_t>(whole);
}

std::optional<int32_t> wholeNumber(double value) {
  auto rounded = roundHalfEven(value);
  if (!rounded) return std::nullopt;
  return fitting(*rounded);
}

// Current size × 100, integer-divided by the saved size. Empty when nothing was saved yet (or
// the form was saved at zero size), since no proportion can come from that.
std::optional<int32_t> percentage(double current, int32_t saved) {
  if (saved == 0) return std::nullopt;
  auto hundredfold = roundHalfEven(current * 100.0);
  if (!hundredfold) return std::nullopt;
  return fitting(*hundredfold / saved);
}

std::optional<int32_t> scaled(int32_t recorded, int32_t percent) {
  return fitting(static_cast<int64_t>(recorded) * percent / 100);
}

int32_t normalised(int32_t horizontal) {
  return horizontal < 0 ? horizontal + OmxFlexolo::negativeLeftOffset : horizontal;
}

// A control still parked to the left goes back there after scaling.
std::optional<int32_t> placedHorizontally(int32_t scaledValue, std::optional<int32_t> current) {
  if (current && *current < 0)
    return fitting(static_cast<int64_t>(scaledValue) - OmxFlexolo::negativeLeftOffset);
  return scaledValue;
}

}  // namespace

void OmxFlexolo::saveControlPositions(LayoutForm& form) {
  if (auto measures = form.measures()) {
    saved_.top = measures->top;
    saved_.left = measures->left;
    saved_.height = measures->height;
    saved_.width = measures->width;
    if (auto h = wholeNumber(measures->scaleHeight)) saved_.scaleHeight = *h;
    if (auto w = wholeNumber(measures->scaleWidth)) saved_.scaleWidth = *w;
  }

  const int count = form.controlCount();
  for (int number = 0; number < count; ++number) {
    auto control = form.control(number);
    if (!control) continue;
    if (records_.size() < maxRecords) {
      auto read = [&](ControlProperty which) { return form.property(number, which).value_or(0); };
      ControlRecord record{control->name, control->index.value_or(0)};
      if (control->isLine) {
        record.top = read(ControlProperty::Y1);
        record.left = normalised(read(ControlProperty::X1));
        record.height = read(ControlProperty::Y2);
        record.width = normalised(read(ControlProperty::X2));
      } else {
        record.top = read(ControlProperty::Top);
        record.left = normalised(read(ControlProperty::Left));
        record.height = read(ControlProperty::Height);
        record.width = read(ControlProperty::Width);
      }
      records_.push_back(std::move(record));
    }
    form.setProperty(number, ControlProperty::IntegralHeight, 0);
  }
}

const ControlRecord* OmxFlexolo::findRecord(const ControlInfo& control) const {
  auto match = std::find_if(records_.begin(), records_.end(), [&](const ControlRecord& record) {
    return record.name == control.name && (!control.index || record.index == *control.index);
  });
  return match == records_.end() ? nullptr : &*match;
}

void OmxFlexolo::resize(LayoutForm& form) {
  // Sizing an MDI child below makes some forms raise their resize again: that inner call has
  // nothing to add and would otherwise recurse.
  if (resizing_) return;
  resizing_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{resizing_};

  auto measures = form.measures();
  if (!measures || measures->minimized || measures->top >= parkedTop) return;
  if (measures->mdiChild) {
    fitMdiChildToControls(form);
    layOutAll(form);
    form.setSize(measures->height, measures->width);
  }
  layOutAll(form);
}

void OmxFlexolo::fitMdiChildToControls(LayoutForm& form) const {
  int64_t right = 0, bottom = 0;
  auto grow = [](int64_t& extent, std::optional<int64_t> edge, int32_t margin) {
    if (edge) extent = std::max(extent, *edge + margin);
  };
  auto sum = [](std::optional<int32_t> a, std::optional<int32_t> b) -> std::optional<int64_t> {
    if (!a || !b) return std::nullopt;
    return static_cast<int64_t>(*a) + *b;
  };
  const int count = form.controlCount();
  for (int number = 0; number < count; ++number) {
    auto control = form.control(number);
    if (!control) continue;
    auto get = [&](ControlProperty which) { return form.property(number, which); };
    if (control->isLine) {
      grow(right, get(ControlProperty::X1), rightMargin);
      grow(right, get(ControlProperty::X2), rightMargin);
      grow(bottom, get(ControlProperty::Y1), bottomMargin);
      grow(bottom, get(ControlProperty::Y2), bottomMargin);
    } else {
      grow(right, sum(get(ControlProperty::Left), get(ControlProperty::Width)), rightMargin);
      grow(bottom, sum(get(ControlProperty::Top), get(ControlProperty::Height)), bottomMargin);
    }
  }
  auto height = fitting(bottom), width = fitting(right);
  if (height && width) form.setSize(*height, *width);
}

void OmxFlexolo::layOutAll(LayoutForm& form) const {
  auto measures = form.measures();
  if (!measures) return;
  auto widthPercent = percentage(measures->scaleWidth, saved_.scaleWidth);
  auto heightPercent = percentage(measures->scaleHeight, saved_.scaleHeight);
  if (!widthPercent || !heightPercent) return;

  const int count = form.controlCount();
  for (int number = 0; number < count; ++number) {
    auto control = form.control(number);
    if (!control) continue;
    const ControlRecord* found = findRecord(*control);
    if (!found) continue;  // came after the save: stays where it is
    // A copy: the form may save positions again while it is being laid out.
    const ControlRecord record = *found;
    if (control->isLine)
      layOutLine(form, number, record, *widthPercent, *heightPercent);
    else
      layOutControl(form, number, record, *widthPercent, *heightPercent);
  }
}

void OmxFlexolo::layOutLine(LayoutForm& form, int number, const ControlRecord& record,
                            int32_t widthPercent, int32_t heightPercent) const {
  auto setX = [&](ControlProperty which, int32_t recorded) {
    auto value = scaled(recorded, widthPercent);
    if (value) value = placedHorizontally(*value, form.property(number, which));
    if (value) form.setProperty(number, which, *value);
  };
  auto setY = [&](ControlProperty which, int32_t recorded) {
    if (auto value = scaled(recorded, heightPercent)) form.setProperty(number, which, *value);
  };
  setX(ControlProperty::X1, record.left);
  setX(ControlProperty::X2, record.width);
  setY(ControlProperty::Y1, record.top);
  setY(ControlProperty::Y2, record.height);
}

void OmxFlexolo::layOutControl(LayoutForm& form, int number, const ControlRecord& record,
                               int32_t widthPercent, int32_t heightPercent) const {
  auto left = scaled(record.left, widthPercent);
  if (left) left = placedHorizontally(*left, form.property(number, ControlProperty::Left));
  auto top = scaled(record.top, heightPercent);
  auto width = scaled(record.width, widthPercent);
  auto height = scaled(record.height, heightPercent);
  if (!left || !top || !width || !height) return;  // out of range: leave the control alone

  // Some controls refuse a new height (or width); they still get what they accept.
  const int32_t values[] = {*left, *top, *width, *height};
  for (std::size_t count : {4u, 3u, 2u})
    if (form.move(number, std::span<const int32_t>(values, count))) return;
}

}  // namespace tavimo::flexolo
