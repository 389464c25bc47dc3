#include "com/AboutBox.h"

#include <map>
#include <string>

#include "com/AboutPicture.h"
#include "com/Module.h"
#include "com/OHLinkWindow.h"
#include "com/SystemShell.h"
#include "com/TextSize.h"
#include "com/Twips.h"
#include "com/WindowProc.h"
#include "core/AboutLayout.h"
#include "core/Version.h"

namespace tavimo::flexolo::com {
namespace {

constexpr char className[] = "FlexoloAbout";
constexpr char formCaption[] = "Ommex Flexolo";
constexpr char titleText[] = "Ommex Flexolo ActiveX Control";
constexpr char makerAddress[] = "http://www.ommex.com/";
constexpr char makerText[] = "www.ommex.com";
constexpr char fontName[] = "MS Sans Serif";
constexpr int fontPoints = 8;

// Designed tops and the button's size, twips.
constexpr int pictureTop = 240, titleTop = 240, versionTop = 540, linkTop = 840;
constexpr int okTop = 1320, okWidth = 1215, okHeight = 375;

enum ControlId { imgMainId = 100, lblFirstId = 101, aLinkId = 110 };  // cmdOK is IDOK

// The link's properties as the box was designed with them.
class DesignedProperties final : public PropertyStore {
 public:
  std::optional<std::string> read(const std::string& name) override {
    auto found = values_.find(name);
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }
  void write(const std::string& name, const std::string& value) override {
    values_[name] = value;
  }

 private:
  std::map<std::string, std::string> values_{{OHLink::hyperLinkProperty, makerAddress},
                                             {OHLink::captionProperty, makerText}};
};

HFONT createFont(int weight) {
  HDC screen = GetDC(nullptr);
  int height = -MulDiv(fontPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  return CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, fontName);
}

SIZE textSize(HWND control, HFONT font, const std::string& text) {
  HDC dc = GetDC(control);
  HGDIOBJ previous = SelectObject(dc, font);
  const SIZE size = labelTextSize(dc, text);
  SelectObject(dc, previous);
  ReleaseDC(control, dc);
  return size;
}

class AboutBox {
 public:
  explicit AboutBox(HWND owner) : owner_(owner) {}
  ~AboutBox();
  AboutBox(const AboutBox&) = delete;
  AboutBox& operator=(const AboutBox&) = delete;

  void runModal();

 private:
  friend LRESULT CALLBACK com::ownerWindowProc<AboutBox>(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool load();
  HWND addChild(const char* windowClass, const std::string& text, DWORD style, int id,
                HFONT font);
  void placeOverOwner(int width, int height);
  void unload();

  HWND owner_;
  bool ownerDisabled_ = false;
  HWND hwnd_ = nullptr;
  HFONT font_ = createFont(FW_NORMAL);
  HFONT titleFont_ = createFont(FW_BOLD);
  HBITMAP picture_ = drawAboutPicture();
  SystemShell shell_;
  OHLinkEvents linkEvents_;  // the box itself listens to none of the link's events
  OHLinkWindow aLink_{shell_, linkEvents_};
};

bool registerClass(WNDPROC windowProc) {
  WNDCLASSEXA wc{};
  wc.lpfnWndProc = windowProc;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  return registerModuleClass<className>(wc);
}

AboutBox::~AboutBox() {
  if (hwnd_) unload();
  DeleteObject(font_);
  DeleteObject(titleFont_);
  if (picture_) DeleteObject(picture_);
}

void AboutBox::runModal() {
  if (!load()) {
    if (hwnd_) unload();
    return;
  }
  if (owner_ && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    ownerDisabled_ = true;
  }
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
  SetFocus(GetDlgItem(hwnd_, IDOK));

  MSG message;
  while (hwnd_) {
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // The application is quitting: pass the request on to its own loop.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (!IsDialogMessageA(hwnd_, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  if (hwnd_) unload();
}

HWND AboutBox::addChild(const char* windowClass, const std::string& text, DWORD style, int id,
                        HFONT font) {
  HWND child = CreateWindowExA(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                               0, 0, 0, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               moduleInstance(), nullptr);
  if (child && font) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

bool AboutBox::load() {
  if (!registerClass(&AboutBox::windowProc)) return false;
  CreateWindowExA(WS_EX_DLGMODALFRAME, className, formCaption,
                  WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 0, 0, owner_,
                  nullptr, moduleInstance(), this);
  if (!hwnd_) return false;

  // imgMain keeps its picture's own size.
  HWND imgMain = addChild("STATIC", "", SS_BITMAP, imgMainId, nullptr);
  SendMessageA(imgMain, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_));
  BITMAP bitmap{};
  GetObjectA(picture_, sizeof bitmap, &bitmap);
  const int pictureWidth = twipsFromPixelsX(bitmap.bmWidth);

  const std::string lblTexts[] = {
      titleText, versionLine(FLEXOLO_VERSION_MAJOR, FLEXOLO_VERSION_MINOR)};
  const HFONT lblFonts[] = {titleFont_, font_};
  const int lblTops[] = {titleTop, versionTop};
  HWND lbl[2];
  SIZE lblSizes[2];
  for (int i = 0; i < 2; ++i) {
    lbl[i] = addChild("STATIC", lblTexts[i], SS_LEFT | SS_NOPREFIX, lblFirstId + i, lblFonts[i]);
    lblSizes[i] = textSize(lbl[i], lblFonts[i], lblTexts[i]);
  }

  aLink_.setFont(font_);
  DesignedProperties designed;
  aLink_.link().readProperties(designed, "aLink");
  aLink_.create(hwnd_, aLinkId, 0, 0);

  HWND cmdOK = addChild("BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, font_);

  const AboutPlacement place = layOutAbout({.pictureWidth = pictureWidth,
                                            .titleWidth = twipsFromPixelsX(lblSizes[0].cx),
                                            .okTop = okTop,
                                            .okWidth = okWidth,
                                            .okHeight = okHeight});
  const int textLeft = pixelsFromTwipsX(place.textLeft);
  SetWindowPos(imgMain, nullptr, pixelsFromTwipsX(place.pictureLeft), pixelsFromTwipsY(pictureTop),
               bitmap.bmWidth, bitmap.bmHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  for (int i = 0; i < 2; ++i)
    SetWindowPos(lbl[i], nullptr, textLeft, pixelsFromTwipsY(lblTops[i]), lblSizes[i].cx,
                 lblSizes[i].cy, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(aLink_.hwnd(), nullptr, textLeft, pixelsFromTwipsY(linkTop), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(cmdOK, nullptr, pixelsFromTwipsX(place.okLeft), pixelsFromTwipsY(okTop),
               pixelsFromTwipsX(okWidth), pixelsFromTwipsY(okHeight),
               SWP_NOZORDER | SWP_NOACTIVATE);
  placeOverOwner(pixelsFromTwipsX(place.formWidth), pixelsFromTwipsY(place.formHeight));
  return true;
}

void AboutBox::placeOverOwner(int width, int height) {
  RECT area;
  if (!owner_ || !GetWindowRect(owner_, &area))
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutBox::unload() {
  // The owner comes back before the box goes, so that it becomes the active window again.
  if (ownerDisabled_) {
    EnableWindow(owner_, TRUE);
    ownerDisabled_ = false;
  }
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK AboutBox::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ownerWindowProc<AboutBox>(hwnd, message, wParam, lParam);
}

LRESULT AboutBox::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
        unload();
        return 0;
      }
      break;
    case WM_CLOSE: unload(); return 0;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace

void showAboutBox(HWND owner) {
  AboutBox box(owner);
  box.runModal();
}

}  // namespace tavimo::flexolo::com
