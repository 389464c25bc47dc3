#include "runtime/ListView.h"

namespace tavimo::rt {

void ListView::addColumn(std::string caption, int width) {
  columns_.push_back({std::move(caption), width});
  for (Row& row : rows_) row.cells.resize(columns_.size());
  changed(Prop::List);
}

void ListView::setMultiSelect(bool multi) {
  multiSelect_ = multi;
  changed(Prop::List);
}

void ListView::addRow(std::vector<std::string> cells) {
  cells.resize(columns_.empty() ? 1 : columns_.size());
  rows_.push_back({std::move(cells)});
  changed(Prop::List);
}

void ListView::removeRow(int row) {
  if (row < 0 || row >= rowCount()) return;
  rows_.erase(rows_.begin() + row);
  changed(Prop::List);
}

void ListView::clearRows() {
  rows_.clear();
  changed(Prop::List);
}

void ListView::setSelected(int row, bool selected) {
  rows_.at(row).selected = selected;
  changed(Prop::ListIndex);
}

void ListView::userClicked(int row) {
  if (!effectivelyEnabled()) return;
  if (row >= 0 && row < rowCount()) {
    // With multiple selection the click may have added a row to the others; the window says so.
    if (!multiSelect_) {
      for (int i = 0; i < rowCount(); ++i) rows_[i].selected = i == row;
      changed(Prop::ListIndex);
    }
    if (onItemClick) onItemClick(row);
  }
  if (onClick) onClick();
}

void ListView::userSelected(int row, bool selected) {
  if (row >= 0 && row < rowCount()) rows_[row].selected = selected;
}

}  // namespace tavimo::rt
