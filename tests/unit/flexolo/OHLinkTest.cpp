#include <gtest/gtest.h>

#include <map>

#include "core/OHLink.h"

namespace tavimo::flexolo {
namespace {

struct RecordingShell : Shell {
  std::vector<std::string> opened;
  void open(const std::string& address) override { opened.push_back(address); }
};

struct MapStore : PropertyStore {
  std::map<std::string, std::string> values;
  std::optional<std::string> read(const std::string& name) override {
    auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  }
  void write(const std::string& name, const std::string& value) override { values[name] = value; }
};

// A label 100 twips wide per character and 195 high, like an autosized label would be.
struct FakeView : OHLinkView {
  std::string label;
  Size control;
  void setLabelCaption(const std::string& caption) override { label = caption; }
  Size labelSize() override { return {static_cast<int32_t>(label.size()) * 100, 195}; }
  void setControlSize(Size size) override { control = size; }
};

struct EventLog : OHLinkEvents {
  std::vector<std::string> events;
  void propertyChanged(const std::string& name) override { events.push_back("changed " + name); }
  void click() override { events.push_back("Click"); }
  void dblClick() override { events.push_back("DblClick"); }
  void mouseDown(const MouseEventArgs& a) override { events.push_back("MouseDown" + text(a)); }
  void mouseMove(const MouseEventArgs& a) override { events.push_back("MouseMove" + text(a)); }
  void mouseUp(const MouseEventArgs& a) override { events.push_back("MouseUp" + text(a)); }
  static std::string text(const MouseEventArgs& a) {
    return " " + std::to_string(a.button) + " " + std::to_string(a.shift) + " " +
           std::to_string(a.x) + " " + std::to_string(a.y);
  }
};

class OHLinkTest : public ::testing::Test {
 protected:
  FakeView view;
  RecordingShell shell;
  EventLog log;
  OHLink link{view, shell, log};
};

TEST_F(OHLinkTest, NewControlLinksToHttpAndShowsItsNameInBlue) {
  link.initNew("OHLink1");
  EXPECT_EQ(link.hyperLink(), "http://");
  EXPECT_EQ(link.caption(), "OHLink1");
  EXPECT_EQ(view.label, "OHLink1");
  EXPECT_EQ(view.control, (Size{700, 195}));
  EXPECT_EQ(OHLink::captionColor, 0x00FF0000u);
  EXPECT_TRUE(log.events.empty());
}

TEST_F(OHLinkTest, CaptionChangeShowsTheTextAndTakesTheLabelsSizeAtOnce) {
  link.initNew("aLink");
  link.setCaption("www.example.org");
  EXPECT_EQ(view.label, "www.example.org");
  EXPECT_EQ(view.control, (Size{1500, 195}));
  link.setHyperLink("http://www.example.org/");
  EXPECT_EQ(log.events, (std::vector<std::string>{"changed Caption", "changed HyperLink"}));
}

struct StorageCase {
  const char* what;
  std::string hyperLink, caption;
  std::map<std::string, std::string> stored;
};

void PrintTo(const StorageCase& c, std::ostream* out) { *out << c.what; }

class OHLinkStorage : public OHLinkTest, public ::testing::WithParamInterface<StorageCase> {};

TEST_P(OHLinkStorage, StoresOnlyWhatDiffersFromTheDefaultsAndReadsItBack) {
  const StorageCase& c = GetParam();
  link.initNew("aLink");
  link.setHyperLink(c.hyperLink);
  link.setCaption(c.caption);
  MapStore store;

  link.writeProperties(store, "aLink");
  EXPECT_EQ(store.values, c.stored);

  OHLink reloaded{view, shell, log};
  reloaded.readProperties(store, "aLink");
  EXPECT_EQ(reloaded.hyperLink(), c.hyperLink);
  EXPECT_EQ(reloaded.caption(), c.caption);
  EXPECT_EQ(view.label, c.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OHLinkStorage,
    ::testing::Values(
        StorageCase{"defaults store nothing", "http://", "aLink", {}},
        StorageCase{"an address and a text of their own",
                    "http://www.example.org/",
                    "Visit us",
                    {{"HyperLink", "http://www.example.org/"}, {"Caption", "Visit us"}}},
        StorageCase{"an empty address is kept as empty, not as the default",
                    "",
                    "aLink",
                    {{"HyperLink", ""}}},
        StorageCase{"an empty caption is kept as empty", "http://", "", {{"Caption", ""}}}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST_F(OHLinkTest, ReadingAnEmptyStoreGivesTheDefaultsOfThisContainer) {
  MapStore empty;
  link.readProperties(empty, "lnkHome");
  EXPECT_EQ(link.hyperLink(), "http://");
  EXPECT_EQ(link.caption(), "lnkHome");
  EXPECT_EQ(view.control, (Size{700, 195}));
}

TEST_F(OHLinkTest, ClickOpensTheAddressThenRaisesClick) {
  link.initNew("aLink");
  link.setHyperLink("http://www.example.org/");
  log.events.clear();

  link.click();

  EXPECT_EQ(shell.opened, std::vector<std::string>{"http://www.example.org/"});
  EXPECT_EQ(log.events, std::vector<std::string>{"Click"});
}

TEST_F(OHLinkTest, ClickWithAnEmptyAddressDoesNothingAndRaisesNoClick) {
  link.initNew("aLink");
  link.setHyperLink("");
  log.events.clear();

  link.click();

  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(log.events.empty());
}

TEST_F(OHLinkTest, MouseEventsArePassedOnUnchangedInOrder) {
  link.initNew("aLink");
  link.mouseDown({1, 2, 15.5f, 30});
  link.mouseMove({1, 0, 16, 31});
  link.mouseUp({1, 4, 17, 32});
  link.dblClick();
  EXPECT_EQ(log.events,
            (std::vector<std::string>{"MouseDown 1 2 15.500000 30.000000",
                                      "MouseMove 1 0 16.000000 31.000000",
                                      "MouseUp 1 4 17.000000 32.000000", "DblClick"}));
  EXPECT_TRUE(shell.opened.empty());
}

}  // namespace
}  // namespace tavimo::flexolo
