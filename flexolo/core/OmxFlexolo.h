#pragma once
// The scaling control's own state and its two operations: it records where every control of
// a form stands and later moves and sizes each one in proportion to the form's new inner size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/LayoutForm.h"

namespace tavimo::flexolo {

struct ControlRecord {
  std::string name;
  int32_t index = 0;  // 0 for a control that is not part of a control array
  // Twips. A line keeps Y1, X1, Y2, X2 in these four. Horizontal values are normalised.
  int32_t top = 0, left = 0, height = 0, width = 0;
};

// The form's measures at the latest save.
struct SavedMeasures {
  int32_t top = 0, left = 0, height = 0, width = 0;
  int32_t scaleHeight = 0, scaleWidth = 0;
};

class OmxFlexolo {
 public:
  // Controls parked far to the left (negative positions) are recorded this much to the right.
  static constexpr int32_t negativeLeftOffset = 75000;
  // A form at or below this Top is parked off screen and is not laid out.
  static constexpr int32_t parkedTop = 30000;
  // The record count is a 16-bit number: records beyond it are not kept.
  static constexpr std::size_t maxRecords = 32767;

  // Refreshes the form's measures and appends a record for every control of the form.
  void saveControlPositions(LayoutForm& form);
  // Moves and sizes every recorded control in proportion to the form's inner size.
  void resize(LayoutForm& form);

  const std::vector<ControlRecord>& records() const { return records_; }
  const SavedMeasures& savedMeasures() const { return saved_; }

 private:
  const ControlRecord* findRecord(const ControlInfo& control) const;
  void layOutAll(LayoutForm& form) const;
  void layOutLine(LayoutForm& form, int number, const ControlRecord& record, int32_t widthPercent,
                  int32_t heightPercent) const;
  void layOutControl(LayoutForm& form, int number, const ControlRecord& record,
                     int32_t widthPercent, int32_t heightPercent) const;
  void fitMdiChildToControls(LayoutForm& form) const;

  SavedMeasures saved_;
  std::vector<ControlRecord> records_;
  bool resizing_ = false;
};

}  // namespace tavimo::flexolo
