// Stands in for Internet Explorer and for the other programs of a customer's desktop, in a
// process of its own as they would be:
//   browserstandin.exe [--others N] [address...]
// opens one browser frame per address, titled "Page <n> - Microsoft Internet Explorer",
// shaped like Internet Explorer's (toolbars, the address in an Edit box inside a bar, the
// page view, a status bar: twelve windows below the frame), and N other top-level windows
// with three children each. It runs until it is ended.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

constexpr char frameClass[] = "TavimoStandInFrame";
constexpr char barClass[] = "TavimoStandInBar";

HWND child(const char* windowClass, const char* text, HWND parent, int x, int y, int width, int height) {
  return CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE, x, y, width, height, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

HWND frame(const std::string& title, int at) {
  return CreateWindowExA(0, frameClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20 + (at % 20) * 10,
                         20 + (at % 20) * 10, 480, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void openBrowser(const std::string& address, int number) {
  HWND top = frame("Page " + std::to_string(number) + " - Microsoft Internet Explorer", number);
  HWND bar = child(barClass, "", top, 0, 24, 460, 30);
  child("STATIC", "Address", bar, 0, 4, 50, 22);
  child("EDIT", address.c_str(), bar, 54, 4, 400, 22);
  HWND buttons = child(barClass, "", top, 0, 0, 460, 24);
  int x = 0;
  for (const char* button : {"Back", "Forward", "Stop", "Refresh", "Home"}) {
    child("BUTTON", button, buttons, x, 0, 40, 20);
    x += 44;
  }
  HWND view = child("STATIC", "", top, 0, 56, 460, 100);
  child("STATIC", "page", view, 0, 0, 460, 100);
  child("STATIC", "Done", top, 0, 156, 460, 20);
}

void openOtherProgram(int number) {
  HWND top = frame("Document " + std::to_string(number) + " - Notepad", number);
  child("EDIT", "some text", top, 0, 0, 460, 100);
  child("STATIC", "status", top, 0, 100, 460, 20);
  child("BUTTON", "OK", top, 0, 120, 80, 24);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = frameClass;
  RegisterClassA(&windowClass);
  windowClass.lpszClassName = barClass;
  RegisterClassA(&windowClass);

  int browsers = 0;
  for (int i = 1; i < __argc; ++i) {
    const std::string argument = __argv[i];
    if (argument == "--others" && i + 1 < __argc) {
      const int others = std::atoi(__argv[++i]);
      for (int n = 1; n <= others; ++n) openOtherProgram(n);
    } else {
      openBrowser(argument, ++browsers);
    }
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
