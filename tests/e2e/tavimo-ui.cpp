// tavimo-ui.exe: drives the client's windows from outside, as a person at the computer would,
// for the end-to-end tests. Windows are found by caption (or by the form's name as "@name",
// for windows whose caption changes), controls by the name the client gives them (window
// properties "TavimoName" and "TavimoIndex").
//
//   tavimo-ui wait-window CAPTION [MS]          until a visible window has that caption
//   tavimo-ui wait-gone CAPTION [MS]            until no visible window has it
//   tavimo-ui text CAPTION CONTROL[:INDEX]      prints the control's text
//   tavimo-ui shown CAPTION CONTROL             prints "visible" or "hidden" (hidden also when
//                                               a container around it is)
//   tavimo-ui rect CAPTION CONTROL              prints its place on the screen in pixels:
//                                               "left top width height"
//   tavimo-ui wait-text CAPTION CONTROL TEXT [MS]
//   tavimo-ui set-text CAPTION CONTROL TEXT     replaces the text, as pasting does
//   tavimo-ui type CAPTION CONTROL TEXT         types the characters one by one
//   tavimo-ui key CAPTION CONTROL return|tab|right|left   presses a key in the control
//   tavimo-ui click CAPTION CONTROL             clicks a button, label or picture; returns
//                                               when the click is handled or has opened a
//                                               modal window
//   tavimo-ui wait-message TEXT [MS]            until a message box shows that text
//   tavimo-ui answer-message TEXT ok|yes|no [MS]
//   tavimo-ui wait-front CAPTION|TEXT [MS]       until the window with that caption (or else the
//                                               message box with that text) stays uncovered by
//                                               other windows for half a second, as a person
//                                               must see it to answer it
//   tavimo-ui paint CAPTION                     has the window and its controls painted now
//   tavimo-ui icon-double-click FORMNAME        what the notification area tells a window
//                                               (shown or hidden) when its icon is double-clicked
//   tavimo-ui click-row CAPTION CONTROL ROW     clicks a row of a list view (0 is the first)
//   tavimo-ui cell CAPTION CONTROL ROW COLUMN   prints a list view cell's text
//   tavimo-ui windows                           lists the visible windows
//   tavimo-ui watch CAPTION CONTROL MS SECONDS  for SECONDS, every MS: one line "T PING TEXT",
//                                               T the milliseconds since the window appeared
//                                               (looked for every 10 ms until then), PING how
//                                               long its program took to answer a message
//                                               (-1: not within 2 s), TEXT the control's text
//   tavimo-ui reg KEY NAME                      prints a value as "REG_SZ:text" (without the
//                                               terminator the registry keeps), "REG_DWORD:n"
//                                               or "missing"
// Exit code 0 on success, 1 when the window, control or text did not come within the time
// (10 s unless MS is given), 2 on a usage error.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// An edit's text must be asked for (its window caption is not kept for other programs);
// every other window's text is read without waiting on its program, which may be busy.
std::string windowText(HWND hwnd) {
  char text[1024] = {};
  char className[64] = {};
  GetClassNameA(hwnd, className, sizeof className);
  if (lstrcmpiA(className, "Edit") == 0)
    SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
  else
    GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

std::vector<HWND> topWindows() {
  std::vector<HWND> found;
  EnumWindows([](HWND hwnd, LPARAM data) -> BOOL {
    if (IsWindowVisible(hwnd)) reinterpret_cast<std::vector<HWND>*>(data)->push_back(hwnd);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The name the client gave a form or control, empty for other windows.
std::string tavimoName(HWND hwnd) {
  char name[256] = {};
  auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropA(hwnd, "TavimoName")));
  return atom && GlobalGetAtomNameA(atom, name, sizeof name) ? name : "";
}

HWND findWindow(const std::string& caption) {
  const bool byName = caption.size() > 1 && caption[0] == '@';
  for (HWND hwnd : topWindows())
    if (byName ? tavimoName(hwnd) == caption.substr(1) : windowText(hwnd) == caption) return hwnd;
  return nullptr;
}

struct ControlSearch {
  std::string name;
  int index;
  HWND found = nullptr;
};

HWND findControl(HWND form, const std::string& spec) {
  ControlSearch search{spec, -1};
  if (auto colon = spec.find(':'); colon != std::string::npos) {
    search.name = spec.substr(0, colon);
    search.index = std::atoi(spec.c_str() + colon + 1);
  }
  EnumChildWindows(form, [](HWND child, LPARAM data) -> BOOL {
    auto* s = reinterpret_cast<ControlSearch*>(data);
    if (tavimoName(child) == s->name && reinterpret_cast<INT_PTR>(GetPropA(child, "TavimoIndex")) == s->index + 1) {
      s->found = child;
      return FALSE;
    }
    return TRUE;
  }, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Polls until the condition holds or the time is up.
template <class Condition>
bool waitFor(DWORD milliseconds, Condition condition) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= milliseconds) return false;
    Sleep(50);
  }
}

// The message box showing that text: a dialog whose static text (id 0xFFFF) is the prompt.
HWND findMessageBox(const std::string& text) {
  for (HWND hwnd : topWindows()) {
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (std::string(className) != "#32770") continue;
    if (HWND prompt = GetDlgItem(hwnd, 0xFFFF); prompt && windowText(prompt) == text) return hwnd;
  }
  return nullptr;
}

// A visible top-level window above the target in the z-order that overlaps it, if any
// (EnumWindows lists them from the top down).
HWND coveringWindow(HWND target) {
  RECT mine;
  GetWindowRect(target, &mine);
  for (HWND hwnd : topWindows()) {
    if (hwnd == target) return nullptr;
    RECT theirs, overlap;
    if (GetWindowRect(hwnd, &theirs) && IntersectRect(&overlap, &mine, &theirs)) return hwnd;
  }
  return nullptr;
}

// Clicks and waits until the program has handled the click. A handler that opens a modal window
// (a message box, a dialog) returns only when that is answered, which the test does next: the
// wait ends as soon as the button's form is disabled by it.
bool sendAndWait(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND form = GetAncestor(target, GA_ROOT);
  bool handled = false;
  auto done = [](HWND, UINT, ULONG_PTR data, LRESULT) { *reinterpret_cast<bool*>(data) = true; };
  if (!SendMessageCallbackA(target, message, wParam, lParam, done, reinterpret_cast<ULONG_PTR>(&handled))) return false;
  return waitFor(30000, [&] {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    return handled || !IsWindow(target) || !IsWindowEnabled(form);
  });
}

// A button takes the click as a button does; anything else as the mouse's left button going
// down and up inside it.
bool clickButton(HWND target) {
  char className[64] = {};
  GetClassNameA(target, className, sizeof className);
  if (lstrcmpiA(className, "Button") == 0) return sendAndWait(target, BM_CLICK, 0, 0);
  const LPARAM inside = MAKELPARAM(2, 2);
  if (!sendAndWait(target, WM_LBUTTONDOWN, MK_LBUTTON, inside)) return false;
  return !IsWindow(target) || sendAndWait(target, WM_LBUTTONUP, 0, inside);
}

// A list view's memory is the client's: a rectangle or a text is asked for in a buffer made
// in its process and read back from there.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, std::size_t size) : size_(size) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  void* address() const { return address_; }
  bool write(const void* data, std::size_t size) { return WriteProcessMemory(process_, address_, data, size, nullptr); }
  bool read(void* data, std::size_t size) { return ReadProcessMemory(process_, address_, data, std::min(size, size_), nullptr); }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  std::size_t size_;
};

bool clickRow(HWND view, int row) {
  RemoteBuffer buffer(view, sizeof(RECT));
  RECT r{LVIR_BOUNDS, 0, 0, 0};
  if (!buffer.address() || !buffer.write(&r, sizeof r)) return false;
  if (!SendMessageA(view, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(buffer.address())) || !buffer.read(&r, sizeof r))
    return false;
  const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  return sendAndWait(view, WM_LBUTTONDOWN, MK_LBUTTON, at) && sendAndWait(view, WM_LBUTTONUP, 0, at);
}

std::string listViewCell(HWND view, int row, int column) {
  constexpr std::size_t textSize = 512;
  RemoteBuffer buffer(view, sizeof(LVITEMA) + textSize);
  if (!buffer.address()) return {};
  LVITEMA item{};
  item.iSubItem = column;
  item.cchTextMax = textSize;
  item.pszText = static_cast<char*>(buffer.address()) + sizeof(LVITEMA);
  buffer.write(&item, sizeof item);
  SendMessageA(view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(buffer.address()));
  std::vector<char> all(sizeof(LVITEMA) + textSize);
  buffer.read(all.data(), all.size());
  return std::string(all.data() + sizeof(LVITEMA));
}

int fail(const std::string& what) {
  std::fprintf(stderr, "tavimo-ui: %s\n", what.c_str());
  return 1;
}

DWORD timeoutArg(int argc, char** argv, int at) { return argc > at ? static_cast<DWORD>(std::atoi(argv[at])) : 10000; }

// The control of a window, waiting for both to appear.
HWND control(const std::string& caption, const std::string& name) {
  HWND found = nullptr;
  waitFor(10000, [&] {
    HWND form = findWindow(caption);
    found = form ? findControl(form, name) : nullptr;
    return found != nullptr;
  });
  return found;
}

// KEY is "HKLM\\path", "HKCU\\path" or "HKCR\\path".
int printValue(const std::string& key, const std::string& name) {
  auto slash = key.find('\\');
  std::string hiveName = key.substr(0, slash);
  HKEY hive = hiveName == "HKLM" ? HKEY_LOCAL_MACHINE : hiveName == "HKCU" ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT;
  HKEY opened;
  if (RegOpenKeyExA(hive, key.substr(slash + 1).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
    std::printf("missing\n");
    return 0;
  }
  DWORD type = 0;
  BYTE data[4096];
  DWORD size = sizeof data;
  LONG status = RegQueryValueExA(opened, name.c_str(), nullptr, &type, data, &size);
  RegCloseKey(opened);
  if (status != ERROR_SUCCESS)
    std::printf("missing\n");
  else if (type == REG_DWORD)
    std::printf("REG_DWORD:%lu\n", *reinterpret_cast<DWORD*>(data));
  else {
    std::string text(reinterpret_cast<char*>(data), size);
    if (!text.empty() && text.back() == '\0') text.pop_back();
    std::printf("%s:%s\n", type == REG_SZ ? "REG_SZ" : "OTHER", text.c_str());
  }
  return 0;
}

// Each sample also asks the window's program for an answer: a program busy with other events
// answers late, however current its window's text is.
int watch(const std::string& caption, const std::string& controlName, int intervalMs, int seconds) {
  HWND window = nullptr;
  const DWORD limit = static_cast<DWORD>(seconds) * 1000;
  const DWORD began = GetTickCount();
  while (!(window = findWindow(caption))) {
    if (GetTickCount() - began >= limit) return fail("no window " + caption);
    Sleep(10);
  }
  const DWORD appeared = GetTickCount();
  for (DWORD now = appeared; now - appeared < limit; now = GetTickCount()) {
    DWORD_PTR result = 0;
    long ping = SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result) ? static_cast<long>(GetTickCount() - now) : -1;
    HWND target = control(caption, controlName);
    std::printf("%lu %ld %s\n", now - appeared, ping, target ? windowText(target).c_str() : "-");
    std::fflush(stdout);
    const DWORD spent = GetTickCount() - now;
    if (spent < static_cast<DWORD>(intervalMs)) Sleep(intervalMs - spent);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::string command = argv[1];
  if (command == "windows") {
    for (HWND hwnd : topWindows()) std::printf("%p %s\n", static_cast<void*>(hwnd), windowText(hwnd).c_str());
    return 0;
  }
  if (argc < 3) return 2;
  std::string caption = argv[2];
  if (command == "reg") return argc < 4 ? 2 : printValue(caption, argv[3]);
  if (command == "wait-window")
    return waitFor(timeoutArg(argc, argv, 3), [&] { return findWindow(caption) != nullptr; }) ? 0 : fail("no window " + caption);
  if (command == "wait-gone")
    return waitFor(timeoutArg(argc, argv, 3), [&] { return findWindow(caption) == nullptr; }) ? 0 : fail("still there: " + caption);
  if (command == "paint") {
    HWND window = findWindow(caption);
    if (!window) return fail("no window " + caption);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return 0;
  }
  if (command == "icon-double-click") {
    std::pair<std::string, HWND> search(caption, nullptr);
    EnumWindows([](HWND hwnd, LPARAM data) -> BOOL {
      auto* s = reinterpret_cast<std::pair<std::string, HWND>*>(data);
      if (tavimoName(hwnd) != s->first) return TRUE;
      s->second = hwnd;
      return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    HWND window = search.second;
    if (!window) return fail("no window of form " + caption);
    // The icon's id (1) and the mouse message, as Shell_NotifyIcon's callback brings them.
    PostMessageA(window, WM_MOUSEMOVE, 1, WM_LBUTTONDBLCLK);
    return 0;
  }
  if (command == "wait-message")
    return waitFor(timeoutArg(argc, argv, 3), [&] { return findMessageBox(caption) != nullptr; }) ? 0 : fail("no message " + caption);
  if (command == "wait-front") {
    // A window that re-asserts its place on a timer may cover the target again a moment after
    // the target came up: only a target that stays uncovered counts.
    constexpr DWORD steady = 500;
    DWORD uncoveredSince = 0;
    HWND cover = nullptr;
    bool found = waitFor(timeoutArg(argc, argv, 3), [&] {
      HWND target = findWindow(caption);
      if (!target) target = findMessageBox(caption);
      cover = target ? coveringWindow(target) : nullptr;
      if (!target || cover) {
        uncoveredSince = 0;
        return false;
      }
      if (!uncoveredSince) uncoveredSince = GetTickCount() | 1;
      return GetTickCount() - uncoveredSince >= steady;
    });
    if (found) return 0;
    return fail(cover ? caption + " is covered by \"" + windowText(cover) + "\"" : "no window or message " + caption);
  }
  if (command == "answer-message") {
    if (argc < 4) return 2;
    std::string button = argv[3];
    int id = button == "yes" ? IDYES : button == "no" ? IDNO : IDOK;
    HWND box = nullptr;
    if (!waitFor(timeoutArg(argc, argv, 4), [&] { return (box = findMessageBox(caption)) != nullptr; })) return fail("no message " + caption);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    return 0;
  }

  if (command == "watch") return argc < 6 ? 2 : watch(caption, argv[3], std::atoi(argv[4]), std::atoi(argv[5]));

  if (argc < 4) return 2;
  HWND target = control(caption, argv[3]);
  if (!target) return fail(std::string("no control ") + argv[3] + " in " + caption);
  if (command == "text") {
    std::printf("%s\n", windowText(target).c_str());
    return 0;
  }
  if (command == "shown") {
    std::printf("%s\n", IsWindowVisible(target) ? "visible" : "hidden");
    return 0;
  }
  if (command == "rect") {
    RECT r;
    GetWindowRect(target, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
  }
  if (command == "click") return clickButton(target) ? 0 : fail(std::string("click on ") + argv[3] + " not handled");
  if (argc < 5) return 2;
  std::string text = argv[4];
  if (command == "click-row") return clickRow(target, std::atoi(text.c_str())) ? 0 : fail("no row " + text);
  if (command == "cell") {
    if (argc < 6) return 2;
    std::printf("%s\n", listViewCell(target, std::atoi(text.c_str()), std::atoi(argv[5])).c_str());
    return 0;
  }
  if (command == "wait-text")
    return waitFor(timeoutArg(argc, argv, 5), [&] { return windowText(target) == text; })
               ? 0
               : fail("text of " + std::string(argv[3]) + " is \"" + windowText(target) + "\", not \"" + text + "\"");
  if (command == "set-text") {
    SendMessageA(target, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return 0;
  }
  if (command == "type") {
    for (unsigned char c : text) SendMessageA(target, WM_CHAR, c, 0);
    return 0;
  }
  if (command == "key") {
    WPARAM key = text == "return" ? VK_RETURN : text == "right" ? VK_RIGHT : text == "left" ? VK_LEFT : VK_TAB;
    // Tab goes through the program's message loop, Return straight to the control as a
    // character, an arrow as the key itself.
    if (key == VK_TAB)
      PostMessageA(target, WM_KEYDOWN, VK_TAB, 0);
    else if (key == VK_RETURN)
      SendMessageA(target, WM_CHAR, key, 0);
    else
      SendMessageA(target, WM_KEYDOWN, key, 0);
    return 0;
  }
  return 2;
}
