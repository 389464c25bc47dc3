#include <gtest/gtest.h>

#include <functional>

#include "FakeLayoutForm.h"
#include "core/OmxFlexolo.h"

namespace tavimo::flexolo::testing {
namespace {

// Saved against a 6000 x 4500 twip inner area unless a case says otherwise.
struct LayoutCase {
  const char* what;
  std::vector<FakeControl> atSave;
  std::function<void(FakeLayoutForm&)> beforeResize;
  std::vector<FakeControl> expected;
  double savedWidth = 6000, savedHeight = 4500;
};

const LayoutCase layoutCases[] = {
    {"twice the inner size doubles every position and size",
     {box("txtlog", 100, 200, 300, 400), line("Line1", 10, 20, 30, 40)},
     [](FakeLayoutForm& f) { f.setScale(12000, 9000); },
     {box("txtlog", 200, 400, 600, 800), line("Line1", 20, 40, 60, 80)}},
    {"1.5 times as wide moves Left 333 to 499, heights stay",
     {box("cmdsubt", 333, 90, 1001, 500)},
     [](FakeLayoutForm& f) { f.setScale(9000, 4500); },
     {box("cmdsubt", 499, 90, 1501, 500)}},
    {"a control parked at Left -74000 comes back at -73000 after 200 %",
     {box("Frame1", -74000, 100, 200, 300)},
     [](FakeLayoutForm& f) { f.setScale(12000, 9000); },
     {box("Frame1", -73000, 200, 400, 600)}},
    {"a parked control brought back on screen before the resize is not parked again",
     {box("Frame1", -74000, 100, 200, 300)},
     [](FakeLayoutForm& f) {
       f.controls[0].a = 50;
       f.setScale(12000, 9000);
     },
     {box("Frame1", 2000, 200, 400, 600)}},
    {"each end of a line is checked against its own current position",
     {line("Line1", -74000, 100, 500, 200)},
     [](FakeLayoutForm& f) { f.setScale(12000, 9000); },
     {line("Line1", -73000, 200, 1000, 400)}},
    {"a control created after the save has no record and does not move",
     {box("txtlog", 100, 100, 100, 100)},
     [](FakeLayoutForm& f) {
       f.controls.push_back(box("txtNew", 300, 300, 300, 300));
       f.setScale(12000, 9000);
     },
     {box("txtlog", 200, 200, 200, 200), box("txtNew", 300, 300, 300, 300)}},
    {"a minimised form is left alone",
     {box("txtlog", 100, 100, 100, 100)},
     [](FakeLayoutForm& f) {
       f.setScale(12000, 9000);
       f.form.minimized = true;
     },
     {box("txtlog", 100, 100, 100, 100)}},
    {"a form parked at Top 30000 is left alone",
     {box("txtlog", 100, 100, 100, 100)},
     [](FakeLayoutForm& f) {
       f.setScale(12000, 9000);
       f.form.top = 30000;
     },
     {box("txtlog", 100, 100, 100, 100)}},
    {"a form at Top 29999 is laid out",
     {box("txtlog", 100, 100, 100, 100)},
     [](FakeLayoutForm& f) {
       f.setScale(12000, 9000);
       f.form.top = 29999;
     },
     {box("txtlog", 200, 200, 200, 200)}},
    {"two elements of one control array are told apart by their index",
     {element("Label3", 0, 100, 100, 100, 100), element("Label3", 1, 700, 700, 100, 100)},
     [](FakeLayoutForm& f) {
       std::swap(f.controls[0], f.controls[1]);
       f.setScale(12000, 9000);
     },
     {element("Label3", 1, 1400, 1400, 200, 200), element("Label3", 0, 200, 200, 200, 200)}},
    {"a control that refuses a new height still gets left, top and width",
     {box("cboKind", 100, 100, 1000, 315, Kind::FixedHeight)},
     [](FakeLayoutForm& f) { f.setScale(12000, 9000); },
     {box("cboKind", 200, 200, 2000, 315, Kind::FixedHeight)}},
    {"a control that refuses a new size still gets left and top",
     {box("imgLogo", 100, 100, 465, 465, Kind::FixedSize)},
     [](FakeLayoutForm& f) { f.setScale(12000, 9000); },
     {box("imgLogo", 200, 200, 465, 465, Kind::FixedSize)}},
    {"a timer has no position; the controls after it are still laid out",
     {timer("Timer1"), box("txtpas", 100, 100, 100, 100)},
     [](FakeLayoutForm& f) { f.setScale(12000, 9000); },
     {timer("Timer1"), box("txtpas", 200, 200, 200, 200)}},
    {"the hundredfold size is rounded (2.996 -> 300 %), not cut",
     {box("txtlog", 1000, 1000, 1000, 1000)},
     [](FakeLayoutForm& f) { f.setScale(2.996, 2.996); },
     {box("txtlog", 3000, 3000, 3000, 3000)},
     1, 1},
    {"halves round to even: 112.5 becomes 112 %",
     {box("txtlog", 1000, 1000, 1000, 1000)},
     [](FakeLayoutForm& f) { f.setScale(1.125, 1.125); },
     {box("txtlog", 1120, 1120, 1120, 1120)},
     1, 1},
    {"the saved size is kept whole, halves to even: 2.5 is kept as 2",
     {box("txtlog", 1000, 1000, 1000, 1000)},
     [](FakeLayoutForm& f) { f.setScale(5, 5); },
     {box("txtlog", 2500, 2500, 2500, 2500)},
     2.5, 2.5},
    {"a percentage too large for a control leaves that control alone, not the others",
     {box("txtlog", 100000, 0, 0, 0), box("lblStatus", 0, 5, 0, 7)},
     [](FakeLayoutForm& f) { f.setScale(30000, 2); },
     {box("txtlog", 100000, 0, 0, 0), box("lblStatus", 0, 10, 0, 14)},
     1, 1},
    {"a form saved at zero inner size gives no proportion: nothing moves",
     {box("txtlog", 100, 100, 100, 100)},
     [](FakeLayoutForm& f) { f.setScale(12000, 9000); },
     {box("txtlog", 100, 100, 100, 100)},
     0, 0},
};

void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.what; }

class Layout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, ScalesControlsToTheFormsNewInnerSize) {
  const LayoutCase& c = GetParam();
  FakeLayoutForm form(c.savedWidth, c.savedHeight, c.atSave);
  OmxFlexolo flexolo;
  flexolo.saveControlPositions(form);
  c.beforeResize(form);

  flexolo.resize(form);

  EXPECT_EQ(form.controls, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Layout, ::testing::ValuesIn(layoutCases),
                         [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST(SaveControlPositions, RecordsEveryControlInFormOrder) {
  FakeLayoutForm form(6000, 4500,
                      {line("Line1", -100, 20, 30, 40), element("Label3", 1, -5, 6, 7, 8),
                       timer("Timer1"), box("lstInfo", 1, 2, 3, 4, Kind::ListBox)});
  form.form.top = 700;
  form.form.left = 800;
  OmxFlexolo flexolo;

  flexolo.saveControlPositions(form);

  auto expectRecord = [](const ControlRecord& r, const char* name, int32_t index, int32_t top,
                         int32_t left, int32_t height, int32_t width) {
    SCOPED_TRACE(name);
    EXPECT_EQ(r.name, name);
    EXPECT_EQ(r.index, index);
    EXPECT_EQ((std::vector{r.top, r.left, r.height, r.width}),
              (std::vector{top, left, height, width}));
  };
  const auto& records = flexolo.records();
  ASSERT_EQ(records.size(), 4u);
  expectRecord(records[0], "Line1", 0, 20, 74900, 40, 30);  // Y1, X1, Y2, X2
  expectRecord(records[1], "Label3", 1, 6, 74995, 8, 7);
  expectRecord(records[2], "Timer1", 0, 0, 0, 0, 0);
  expectRecord(records[3], "lstInfo", 0, 2, 1, 4, 3);

  const SavedMeasures& saved = flexolo.savedMeasures();
  EXPECT_EQ((std::vector{saved.top, saved.left, saved.height, saved.width, saved.scaleHeight,
                         saved.scaleWidth}),
            (std::vector{700, 800, 4500 + FakeLayoutForm::borderHeight,
                         6000 + FakeLayoutForm::borderWidth, 4500, 6000}));
  // IntegralHeight is switched off where there is one; the others have none to switch.
  EXPECT_FALSE(form.controls[3].integralHeight);
  EXPECT_TRUE(form.controls[1].integralHeight);
}

TEST(SaveControlPositions, RecordsAccumulateAndTheFirstSetStaysTheReference) {
  FakeLayoutForm form(6000, 4500, {box("txtlog", 100, 100, 100, 100)});
  OmxFlexolo flexolo;
  flexolo.saveControlPositions(form);
  form.controls[0] = box("txtlog", 500, 500, 500, 500);
  form.setScale(3000, 2250);
  flexolo.saveControlPositions(form);
  ASSERT_EQ(flexolo.records().size(), 2u);
  EXPECT_EQ(flexolo.records()[1].left, 500);

  // The latest measures (3000 x 2250) against the first positions: 200 % of 100.
  form.setScale(6000, 4500);
  flexolo.resize(form);

  EXPECT_EQ(form.controls[0], box("txtlog", 200, 200, 200, 200));
}

TEST(SaveControlPositions, AControlAddedBetweenSavesIsFoundInTheLaterSet) {
  FakeLayoutForm form(6000, 4500, {box("txtlog", 100, 100, 100, 100)});
  OmxFlexolo flexolo;
  flexolo.saveControlPositions(form);
  form.controls.push_back(box("txtNew", 300, 300, 300, 300));
  flexolo.saveControlPositions(form);

  form.setScale(12000, 9000);
  flexolo.resize(form);

  EXPECT_EQ(form.controls[1], box("txtNew", 600, 600, 600, 600));
}

TEST(SaveControlPositions, StopsAppendingAtTheRecordCountsLimit) {
  FakeLayoutForm form(6000, 4500, {box("txtlog", 100, 100, 100, 100)});
  OmxFlexolo flexolo;
  for (std::size_t i = 0; i < OmxFlexolo::maxRecords + 5; ++i) flexolo.saveControlPositions(form);

  EXPECT_EQ(flexolo.records().size(), OmxFlexolo::maxRecords);
  form.setScale(12000, 9000);
  flexolo.resize(form);
  EXPECT_EQ(form.controls[0], box("txtlog", 200, 200, 200, 200));
}

TEST(Resize, MdiChildIsFittedToItsControlsThenGivenBackItsSize) {
  FakeLayoutForm form(6000, 4500,
                      {box("txtlog", 100, 200, 1000, 300), line("Line1", 50, 60, 2000, 3000)});
  form.form.mdiChild = true;
  OmxFlexolo flexolo;
  flexolo.saveControlPositions(form);
  form.setScale(12000, 9000);
  const auto before = form.form;

  flexolo.resize(form);

  // Right extent: the line's X2 2000 + 200 beats 100 + 1000 + 200; bottom: Y2 3000 + 500.
  ASSERT_EQ(form.sizesSet.size(), 2u);
  EXPECT_EQ(form.sizesSet[0], std::make_pair(3500, 2200));
  EXPECT_EQ(form.sizesSet[1], std::make_pair(before.height, before.width));
  EXPECT_EQ(form.controls[0], box("txtlog", 200, 400, 2000, 600));
  EXPECT_EQ(form.controls[1], line("Line1", 100, 120, 4000, 6000));
}

TEST(Resize, AFormThatRaisesResizeWhileBeingSizedDoesNotRecurse) {
  FakeLayoutForm form(6000, 4500, {box("txtlog", 100, 100, 100, 100)});
  form.form.mdiChild = true;
  OmxFlexolo flexolo;
  flexolo.saveControlPositions(form);
  form.onSizeSet = [&] { flexolo.resize(form); };
  form.setScale(12000, 9000);

  flexolo.resize(form);

  EXPECT_EQ(form.sizesSet.size(), 2u);
  EXPECT_EQ(form.controls[0], box("txtlog", 200, 200, 200, 200));
}

TEST(Resize, WithoutASaveNothingMoves) {
  FakeLayoutForm form(6000, 4500, {box("txtlog", 100, 100, 100, 100)});
  OmxFlexolo flexolo;
  flexolo.resize(form);
  EXPECT_EQ(form.controls[0], box("txtlog", 100, 100, 100, 100));
}

}  // namespace
}  // namespace tavimo::flexolo::testing
