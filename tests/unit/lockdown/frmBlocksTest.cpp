#include <gtest/gtest.h>

#include "lockdown/frmBlocks.h"
#include "lockdown/ienann.h"
#include "LockdownComputer.h"
#include "runtime/App.h"

namespace tavimo {
namespace {

constexpr std::int32_t allowList = 2, blockList = 3;

// Internet Explorer's windows as the filter sees them: the frame with the page title, the
// address box two levels down in the toolbar, and the page view.
struct Browser {
  WindowHandle frame;
  WindowHandle addressBox;
};

Browser openBrowser(FakeDesktop& desktop, const std::string& title, const std::string& address,
                    const std::string& boxClass = "Edit") {
  const WindowHandle frame = desktop.addWindow("IEFrame", title);
  const WindowHandle bar = desktop.addWindow("ReBarWindow32", "", frame);
  const WindowHandle combo = desktop.addWindow("ComboBoxEx32", "", bar);
  const WindowHandle box = desktop.addWindow(boxClass, address, combo);
  desktop.addWindow("Internet Explorer_Server", "", frame);
  return {frame, box};
}

class WebsiteFilter : public ::testing::Test {
 protected:
  void mode(std::int32_t blockType) {
    writeValue(stored::BlockType.key.hive, stored::BlockType.key.path, stored::BlockType.name, blockType, REG_DWORD);
  }
  void pattern(const stored::Key& list, const std::string& name) {
    writeValue(list.hive, list.path, name, "http://www." + name + ".com", REG_SZ);
  }
  std::string textOf(WindowHandle window) { return c.desktop.window(window) ? c.desktop.window(window)->text : "<closed>"; }
  frmBlocks& startFilter() { return c.h.app.form<frmBlocks>(); }
  // The redirects made, in order: what was written where, and the Enter key.
  std::vector<std::string> redirects() {
    std::vector<std::string> found;
    for (const std::string& call : c.desktop.calls)
      if (call.find(" WM_SETTEXT ") != std::string::npos || call.rfind("keybd_event", 0) == 0) found.push_back(call);
    return found;
  }
  std::vector<std::string> redirectOf(WindowHandle box) {
    return {"SendMessageA " + std::to_string(box) + " WM_SETTEXT " + blockedPageAddress, "keybd_event 13 1 0",
            "keybd_event 13 1 2"};
  }

  testing::LockdownComputer c;
};

TEST(WebsiteFilterDecisions, ByModePatternsAndAddress) {
  const std::string blocked = blockedPageAddress;
  const std::string ie = " - Microsoft Internet Explorer";
  struct Row {
    std::int32_t mode;
    std::vector<std::string> patterns;
    std::string address;
    bool redirected;
    std::string title = "Page - Microsoft Internet Explorer";
    std::string boxClass = "Edit";
  };
  const Row rows[] = {
      // Allow-list mode: only addresses with an allowed pattern, or no web address at all.
      {allowList, {"abc"}, "http://www.abc.com/index.html", false},
      {allowList, {"abc"}, "http://www.xyz.com", true},
      {allowList, {"abc"}, "about:blank", false},
      {allowList, {"abc"}, "www.xyz", false},
      {allowList, {"abc"}, "http://x.y.com", false},
      {allowList, {"abc"}, "", false},
      {allowList, {"abc"}, blocked, false},
      {allowList, {"abc"}, "http://www.ABC.com", true},
      {allowList, {"0"}, "http://www.xyz.com", true},  // what an empty list in the site file becomes
      {allowList, {"0"}, "http://www.xyz0.com", false},
      {allowList, {"abc", "news"}, "http://www.news.co.uk", false},
      // Block-list mode: addresses with a blocked pattern go, all others stay.
      {blockList, {"abc"}, "http://www.abc.com", true},
      {blockList, {"abc"}, "abc", true},
      {blockList, {"abc"}, "http://www.xyz.com", false},
      {blockList, {"ABC"}, "http://www.abc.com", false},
      {blockList, {"news", "abc"}, "http://www.abc.com", true},
      {blockList, {}, "http://www.abc.com", false},
      {blockList, {"tavimo"}, blocked, false},  // never back to the blocked page itself
      // No mode: nothing is ever redirected.
      {0, {"abc"}, "http://www.abc.com", false},
      {5, {"abc"}, "http://www.abc.com", false},
      // Only Internet Explorer's frames, exactly so named, and only boxes of an Edit class.
      {blockList, {"abc"}, "http://www.abc.com", false, "Page - Microsoft Internet explorer"},
      {blockList, {"abc"}, "http://www.abc.com", false, "Page - Mozilla Firefox"},
      {blockList, {"abc"}, "http://www.abc.com", true, "Microsoft Internet Explorer"},
      {blockList, {"abc"}, "http://www.abc.com", false, "Page" + ie, "edit"},
      {blockList, {"abc"}, "http://www.abc.com", true, "Page" + ie, "RichEdit20A"},
      // The whole address counts, however long.
      {blockList, {"abc"}, "http://www.example.com/?q=" + std::string(400, 'x') + "abc", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("mode " + std::to_string(row.mode) + ", " + row.title + " [" + row.boxClass + "]: " + row.address);
    testing::LockdownComputer computer;
    if (row.mode) writeValue(stored::BlockType.key.hive, stored::BlockType.key.path, stored::BlockType.name, row.mode, REG_DWORD);
    // The mode's own list holds the patterns; the other list a pattern that would change
    // every decision if it were read instead.
    for (const stored::Key& list : {stored::allowedKey, stored::blockedKey}) {
      const bool otherList = row.mode == (list.path == stored::allowedKey.path ? blockList : allowList);
      for (const std::string& p : otherList ? std::vector<std::string>{"www"} : row.patterns)
        writeValue(list.hive, list.path, p, "http://www." + p + ".com", REG_SZ);
    }
    const Browser browser = openBrowser(computer.desktop, row.title, row.address, row.boxClass);
    computer.h.app.form<frmBlocks>();
    computer.h.backend.advance(10);
    const auto* box = computer.desktop.window(browser.addressBox);
    EXPECT_EQ(box->text, row.redirected ? blocked : row.address);
    EXPECT_EQ(computer.calls("keybd_event").size(), row.redirected ? 2u : 0u);
  }
}

TEST_F(WebsiteFilter, EveryTickScansAllWindowsAndSurvivesOneClosingMidway) {
  mode(blockList);
  pattern(stored::blockedKey, "games");
  c.desktop.addWindow("SHELLDLL_DefView", "", c.desktop.addWindow("Progman", "Program Manager"));
  const WindowHandle notes = c.desktop.addWindow("Edit", "http://www.games.com",
                                                 c.desktop.addWindow("Notepad", "games.txt - Notepad"));
  const Browser first = openBrowser(c.desktop, "Games - Microsoft Internet Explorer", "http://www.games.com/play");
  const Browser news = openBrowser(c.desktop, "News - Microsoft Internet Explorer", "http://www.news.com");
  const Browser closing = openBrowser(c.desktop, "More Games - Microsoft Internet Explorer", "http://games.net");
  const Browser last = openBrowser(c.desktop, "Play - Microsoft Internet Explorer", "http://www.games.org.uk");
  c.desktop.onCall = [&](const std::string& call) {
    if (call == "GetClassNameA " + std::to_string(closing.addressBox)) c.desktop.closeWindow(closing.frame);
  };

  startFilter();
  c.h.backend.advance(10);

  std::vector<std::string> expected = redirectOf(first.addressBox);
  for (const std::string& call : redirectOf(last.addressBox)) expected.push_back(call);
  EXPECT_EQ(redirects(), expected);
  EXPECT_EQ(textOf(notes), "http://www.games.com");
  EXPECT_EQ(textOf(news.addressBox), "http://www.news.com");
  EXPECT_EQ(textOf(closing.addressBox), "<closed>");

  c.desktop.calls.clear();
  c.h.backend.advance(90);
  EXPECT_EQ(c.calls("EnumChildWindows " + std::to_string(FakeDesktop::desktopHandle)).size(), 9u);
  EXPECT_TRUE(redirects().empty()) << "the blocked page is left alone";
}

TEST_F(WebsiteFilter, AnEmptyPatternReachedBeforeAMatchEndsTheTick) {
  mode(blockList);
  writeValue(stored::blockedKey.hive, stored::blockedKey.path, "", "http://www..com", REG_SZ);
  pattern(stored::blockedKey, "games");
  openBrowser(c.desktop, "News - Microsoft Internet Explorer", "http://www.news.com");
  const Browser games = openBrowser(c.desktop, "Games - Microsoft Internet Explorer", "http://www.games.com");

  startFilter();
  c.h.backend.advance(10);

  EXPECT_TRUE(redirects().empty());
  EXPECT_TRUE(c.calls("GetClassNameA " + std::to_string(games.addressBox)).empty());
}

TEST_F(WebsiteFilter, ModeAndPatternsAreReadOnlyWhenTheFormLoads) {
  mode(blockList);
  pattern(stored::blockedKey, "games");
  const Browser news = openBrowser(c.desktop, "News - Microsoft Internet Explorer", "http://www.news.com");

  frmBlocks& filter = startFilter();
  EXPECT_EQ(filter.lstwindows4, std::vector<std::string>{"games"});
  pattern(stored::blockedKey, "news");
  EXPECT_EQ(&startFilter(), &filter);  // loading a loaded filter changes nothing
  c.h.backend.advance(50);
  EXPECT_EQ(textOf(news.addressBox), "http://www.news.com");

  filter.unload();
  c.h.backend.advance(1);
  c.desktop.calls.clear();
  c.h.backend.advance(100);
  EXPECT_TRUE(c.desktop.calls.empty()) << "an unloaded filter scans nothing";

  startFilter();
  c.h.backend.advance(10);
  EXPECT_EQ(redirects(), redirectOf(news.addressBox));
}

TEST_F(WebsiteFilter, AllowListModeAlsoAllowsTheEmptyPage) {
  mode(allowList);
  pattern(stored::allowedKey, "school");
  pattern(stored::blockedKey, "games");
  EXPECT_EQ(startFilter().lstwindows4, (std::vector<std::string>{"school", "about:blank"}));
}

// A tick reads each window's title once and a usual address with one message; an address
// too long for that is still read whole.
TEST(WebsiteFilterReads, EachTitleOnceAndTheWholeAddressWithAsFewMessagesAsItCan) {
  const std::string get = " WM_GETTEXT", length = " WM_GETTEXTLENGTH";
  struct Row {
    std::size_t length;  // of the address, which ends in the pattern
    std::vector<std::string> messages;
  };
  const Row rows[] = {
      {40, {get}},
      {2083, {get}},  // the longest address Internet Explorer takes
      {2084, {get, length, get}},
      {5000, {get, length, get}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.length);
    testing::LockdownComputer computer;
    writeValue(stored::BlockType.key.hive, stored::BlockType.key.path, stored::BlockType.name, blockList, REG_DWORD);
    writeValue(stored::blockedKey.hive, stored::blockedKey.path, "games", "http://www.games.com", REG_SZ);
    const std::string address = "http://www.example.com/?q=" + std::string(row.length - 31, 'x') + "games";
    const Browser browser = openBrowser(computer.desktop, "Page - Microsoft Internet Explorer", address);
    computer.desktop.addWindow("Notepad", "notes.txt - Notepad");
    computer.h.app.form<frmBlocks>();
    computer.h.backend.advance(10);

    std::vector<std::string> expected;
    for (const std::string& message : row.messages)
      expected.push_back("SendMessageA " + std::to_string(browser.addressBox) + message);
    expected.push_back("SendMessageA " + std::to_string(browser.addressBox) + " WM_SETTEXT " + blockedPageAddress);
    EXPECT_EQ(computer.calls("SendMessageA"), expected);
    EXPECT_EQ(computer.calls("GetWindowTextA").size(), computer.desktop.windows.size());
  }
}

TEST(ListChildWindows, ListsEveryDescendantDepthFirstWithHandleAndTitle) {
  testing::LockdownComputer c;
  const WindowHandle top = c.desktop.addWindow("IEFrame", "Page - Microsoft Internet Explorer");
  const WindowHandle bar = c.desktop.addWindow("ReBarWindow32", "", top);
  const WindowHandle box = c.desktop.addWindow("Edit", "http://www.abc.com", bar);
  const WindowHandle other = c.desktop.addWindow("Notepad", std::string(300, 'n'));
  const auto id = [](WindowHandle w) { return std::to_string(w); };

  WindowList list{"stale item"};
  listChildWindows(list, FakeDesktop::desktopHandle);
  EXPECT_EQ(list, (WindowList{id(top) + " - Page - Microsoft Internet Explorer", id(bar) + " - ",
                              id(box) + " - http://www.abc.com", id(other) + " - " + std::string(254, 'n')}));
  listChildWindows(list, top);
  EXPECT_EQ(list, (WindowList{id(bar) + " - ", id(box) + " - http://www.abc.com"}));
  EXPECT_EQ(listedWindow(list[1]), box);
  EXPECT_EQ(listedWindow("12 - a - b"), 12u);
}

}  // namespace
}  // namespace tavimo
