#include <gtest/gtest.h>

#include <wrl/client.h>

#include <cstdio>
#include <cstdlib>

#include "ComTestSupport.h"
#include "TestForm.h"

using Microsoft::WRL::ComPtr;

namespace flexolo_test {
namespace {

// What the about box showed while it was open, read by a timer inside its modal loop.
struct Seen {
  HWND box = nullptr;
  bool ownerDisabled = false;
  std::string caption, title, version, link;
  RECT window{}, client{}, picture{}, title_{}, versionLine{}, linkRect{}, ok{};
  bool screenshotTaken = false;
  int ticks = 0;
};
Seen seen;

RECT childRect(HWND box, int id) {
  RECT rect{};
  GetWindowRect(GetDlgItem(box, id), &rect);
  MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool fileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// With FLEXOLO_SCREENSHOT_HOLD set, the box stays open until a script has taken its picture:
// "<hold>.shown" tells the script where the box is, "<hold>.done" comes back when it is done.
bool holdForScreenshot() {
  const char* hold = std::getenv("FLEXOLO_SCREENSHOT_HOLD");
  if (!hold) return false;
  const std::string shown = std::string(hold) + ".shown", done = std::string(hold) + ".done";
  if (!fileExists(shown)) {
    if (FILE* out = std::fopen(shown.c_str(), "wb")) {
      std::fprintf(out, "%ld %ld %ld %ld\n", seen.window.left, seen.window.top,
                   seen.window.right - seen.window.left, seen.window.bottom - seen.window.top);
      std::fclose(out);
    }
  }
  seen.screenshotTaken = fileExists(done);
  return !seen.screenshotTaken;
}

void CALLBACK watchAboutBox(HWND, UINT, UINT_PTR timer, DWORD) {
  constexpr int giveUpTicks = 600;  // 30 s: close the box rather than hang the run
  HWND box = FindWindowA("FlexoloAbout", nullptr);
  if (++seen.ticks > giveUpTicks) {
    KillTimer(nullptr, timer);
    if (box) PostMessageA(box, WM_CLOSE, 0, 0);
    return;
  }
  if (!box || !IsWindowVisible(box)) return;
  if (!seen.box) {
    seen.box = box;
    seen.ownerDisabled = !IsWindowEnabled(GetWindow(box, GW_OWNER));
    seen.caption = windowText(box);
    seen.title = windowText(GetDlgItem(box, 101));
    seen.version = windowText(GetDlgItem(box, 102));
    seen.link = windowText(GetDlgItem(box, 110));
    GetWindowRect(box, &seen.window);
    GetClientRect(box, &seen.client);
    seen.picture = childRect(box, 100);
    seen.title_ = childRect(box, 101);
    seen.versionLine = childRect(box, 102);
    seen.linkRect = childRect(box, 110);
    seen.ok = childRect(box, IDOK);
  }
  if (holdForScreenshot()) return;
  KillTimer(nullptr, timer);
  SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

class AboutBox : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(runRegsvr32("/s"), 0u); }
  static void TearDownTestSuite() { runRegsvr32("/s /u"); }
};

TEST_F(AboutBox, ShowsModallyLaidOutByItsRulesAndOkUnloadsIt) {
  TestForm owner(400, 300);
  SetForegroundWindow(owner.hwnd());
  SetActiveWindow(owner.hwnd());
  ComPtr<IDispatch> flexolo;
  CLSID id{};
  ASSERT_HRESULT_SUCCEEDED(CLSIDFromProgID(L"Flexolo.omxFlexolo", &id));
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                            reinterpret_cast<void**>(flexolo.GetAddressOf())));
  seen = Seen{};
  SetTimer(nullptr, 0, 50, watchAboutBox);

  ASSERT_HRESULT_SUCCEEDED(callByName(flexolo.Get(), L"About"));

  ASSERT_NE(seen.box, nullptr) << "the about box never showed";
  EXPECT_FALSE(IsWindow(seen.box)) << "About returned with the box still open";
  EXPECT_TRUE(seen.ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
  EXPECT_EQ(seen.caption, "Ommex Flexolo");
  EXPECT_EQ(seen.title, "Ommex Flexolo ActiveX Control");
  EXPECT_EQ(seen.version, "Version: 1.0");
  EXPECT_EQ(seen.link, "www.ommex.com");

  // Picture at left 160 twips with its own 48 x 48 pixels; texts 120 twips to its right.
  EXPECT_EQ(seen.picture.left, owner.pixels(160));
  EXPECT_EQ(seen.picture.right - seen.picture.left, 48);
  EXPECT_EQ(seen.picture.bottom - seen.picture.top, 48);
  const int textLeft = owner.pixels(160 + 720 + 120);
  EXPECT_EQ(seen.title_.left, textLeft);
  EXPECT_EQ(seen.versionLine.left, textLeft);
  EXPECT_EQ(seen.linkRect.left, textLeft);

  // As wide as the title reaches plus half the picture; OK in the middle; 480 twips below OK.
  const int width = seen.window.right - seen.window.left;
  EXPECT_NEAR(width, seen.title_.right + 24, 1);
  EXPECT_NEAR(seen.ok.left, width / 2 - (seen.ok.right - seen.ok.left) / 2, 1);
  EXPECT_NEAR(seen.window.bottom - seen.window.top, seen.ok.bottom + owner.pixels(480), 1);
  EXPECT_LT(seen.title_.right, seen.client.right);
  if (std::getenv("FLEXOLO_SCREENSHOT_HOLD")) {
    EXPECT_TRUE(seen.screenshotTaken);
  }
}

}  // namespace
}  // namespace flexolo_test
