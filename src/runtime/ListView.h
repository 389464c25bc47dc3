#pragma once
// A list view in report view: named columns, rows of texts (the first is the item's own,
// the others its columns), and rows the user selected.
#include <functional>
#include <string>
#include <vector>

#include "runtime/Control.h"

namespace tavimo::rt {

class ListView : public Control {
 public:
  struct Column {
    std::string caption;
    int width = 1440;  // twips
  };

  ListView(Form& form, std::string name, int index = -1) : Control(form, ControlKind::ListView, std::move(name), index) {}
  bool focusable() const override { return true; }

  void addColumn(std::string caption, int width);
  const std::vector<Column>& columns() const { return columns_; }
  bool multiSelect() const { return multiSelect_; }
  void setMultiSelect(bool multi);

  // Adds a row at the end; missing cells are empty, cells beyond the columns are dropped.
  void addRow(std::vector<std::string> cells);
  void removeRow(int row);
  void clearRows();
  int rowCount() const { return static_cast<int>(rows_.size()); }
  const std::string& cell(int row, int column) const { return rows_.at(row).cells.at(column); }
  bool selected(int row) const { return rows_.at(row).selected; }
  void setSelected(int row, bool selected);

  // Events from the back end: the user clicked a row (-1: the empty part of the list), which
  // selects it alone unless the list takes several; the user changed the selection.
  void userClicked(int row);
  void userSelected(int row, bool selected);

  std::function<void(int row)> onItemClick;
  std::function<void()> onClick;

 private:
  struct Row {
    std::vector<std::string> cells;
    bool selected = false;
  };
  std::vector<Column> columns_;
  std::vector<Row> rows_;
  bool multiSelect_ = false;
};

}  // namespace tavimo::rt
