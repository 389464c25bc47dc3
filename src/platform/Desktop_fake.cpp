#include "platform/Desktop.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "platform/AnsiCase.h"

namespace tavimo {

WindowHandle FakeDesktop::addWindow(const std::string& className, const std::string& text, WindowHandle parent) {
  windows.push_back({nextHandle_, parent, className, text});
  nextHandle_ += 4;
  return windows.back().handle;
}

FakeDesktop::Window* FakeDesktop::window(WindowHandle handle) {
  for (Window& w : windows)
    if (w.handle == handle) return &w;
  return nullptr;
}

void FakeDesktop::setTopmost(WindowHandle window, bool topmost) {
  calls.push_back("SetWindowPos " + std::to_string(window) + (topmost ? " HWND_TOPMOST" : " HWND_NOTOPMOST"));
}

WindowHandle FakeDesktop::findWindow(const std::string& className) { return findChildWindow(0, className); }

// Class names match without regard to case, as the system's do.
WindowHandle FakeDesktop::findChildWindow(WindowHandle parent, const std::string& className) {
  for (const Window& w : windows)
    if (w.parent == parent && equalsIgnoringCase(w.className, className)) return w.handle;
  return 0;
}

void FakeDesktop::showWindow(WindowHandle handle, int command) {
  calls.push_back("ShowWindow " + std::to_string(handle) + " " + std::to_string(command));
  if (Window* w = window(handle)) w->visible = command != 0;
}

void FakeDesktop::setScreenSaverRunning(bool running) {
  calls.push_back(std::string("SystemParametersInfo SPI_SETSCREENSAVERRUNNING ") + (running ? "1" : "0"));
  screenSaverRunning = running;
}

void FakeDesktop::registerServiceProcess() { calls.push_back("RegisterServiceProcess 1"); }

void FakeDesktop::raisePriority() { calls.push_back("SetThreadPriority highest; SetPriorityClass high"); }

namespace {

std::string number(std::uintptr_t value) { return std::to_string(value); }

std::string messageName(std::uint32_t message) {
  switch (message) {
    case wm::SetText: return "WM_SETTEXT";
    case wm::GetText: return "WM_GETTEXT";
    case wm::GetTextLength: return "WM_GETTEXTLENGTH";
    case wm::HotKey: return "WM_HOTKEY";
    default: return std::to_string(message);
  }
}

// Copies at most size - 1 characters and a terminator, as the text calls do.
int copyText(const std::string& text, char* buffer, int size) {
  if (size <= 0) return 0;
  const int count = std::min<int>(static_cast<int>(text.size()), size - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return count;
}

}  // namespace

void FakeDesktop::record(std::string call) {
  calls.push_back(std::move(call));
  if (onCall) onCall(calls.back());
}

void FakeDesktop::closeWindow(WindowHandle handle) {
  std::vector<WindowHandle> doomed{handle};
  for (std::size_t i = 0; i < doomed.size(); ++i)
    for (const Window& w : windows)
      if (w.parent == doomed[i]) doomed.push_back(w.handle);
  std::erase_if(windows, [&doomed](const Window& w) { return std::ranges::find(doomed, w.handle) != doomed.end(); });
}

// Each level's children are taken before any is visited, and a window closed meanwhile is
// skipped, as the system does.
bool FakeDesktop::enumerate(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) {
  std::vector<WindowHandle> children;
  for (const Window& w : windows)
    if (w.parent == parent) children.push_back(w.handle);
  for (WindowHandle child : children) {
    if (!window(child)) continue;
    if (!visit(child) || !enumerate(child, visit)) return false;
  }
  return true;
}

void FakeDesktop::enumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) {
  record("EnumChildWindows " + number(parent));
  enumerate(parent == desktopHandle ? 0 : parent, visit);
}

int FakeDesktop::windowText(WindowHandle handle, char* buffer, int size) {
  record("GetWindowTextA " + number(handle));
  const Window* w = window(handle);
  return copyText(w ? w->text : std::string(), buffer, size);
}

int FakeDesktop::className(WindowHandle handle, char* buffer, int size) {
  record("GetClassNameA " + number(handle));
  const Window* w = window(handle);
  return copyText(w ? w->className : std::string(), buffer, size);
}

std::intptr_t FakeDesktop::builtIn(Window& w, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (message) {
    case wm::GetTextLength: return static_cast<std::intptr_t>(w.text.size());
    case wm::GetText: return copyText(w.text, reinterpret_cast<char*>(lParam), static_cast<int>(wParam));
    case wm::SetText:
      w.text = reinterpret_cast<const char*>(lParam);
      return 1;
    default: return 0;
  }
}

std::intptr_t FakeDesktop::sendMessage(WindowHandle handle, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) {
  std::string call = "SendMessageA " + number(handle) + " " + messageName(message);
  if (message == wm::SetText) call += std::string(" ") + reinterpret_cast<const char*>(lParam);
  record(std::move(call));
  Window* w = window(handle);
  if (!w) return 0;
  if (w->procedure) return w->procedure(handle, message, wParam, lParam);
  return builtIn(*w, message, wParam, lParam);
}

void FakeDesktop::keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
  record("keybd_event " + number(virtualKey) + " " + number(scanCode) + " " + number(flags));
}

// A combination held by any window is refused, as for one another program registered.
bool FakeDesktop::registerHotKey(WindowHandle handle, int id, std::uint32_t modifiers, std::uint32_t virtualKey) {
  record("RegisterHotKey " + number(handle) + " " + std::to_string(id) + " " + number(modifiers) + " " +
         number(virtualKey));
  for (const HotKey& k : hotKeys_)
    if ((k.modifiers == modifiers && k.virtualKey == virtualKey) || (k.window == handle && k.id == id)) return false;
  hotKeys_.push_back({handle, id, modifiers, virtualKey});
  return true;
}

bool FakeDesktop::unregisterHotKey(WindowHandle handle, int id) {
  record("UnregisterHotKey " + number(handle) + " " + std::to_string(id));
  return std::erase_if(hotKeys_, [&](const HotKey& k) { return k.window == handle && k.id == id; }) > 0;
}

WindowProcHandle FakeDesktop::setWindowProc(WindowHandle handle, WindowProc procedure) {
  record("SetWindowLongPtrA " + number(handle) + " GWLP_WNDPROC");
  Window* w = window(handle);
  if (!w || !procedure) return 0;
  const WindowProcHandle previous = w->procedure ? reinterpret_cast<WindowProcHandle>(w->procedure) : builtInProcedure;
  w->procedure = procedure;
  return previous;
}

void FakeDesktop::restoreWindowProc(WindowHandle handle, WindowProcHandle previous) {
  record("SetWindowLongPtrA " + number(handle) + " GWLP_WNDPROC " + number(previous));
  Window* w = window(handle);
  if (!w || previous == 0) return;
  w->procedure = previous == builtInProcedure ? nullptr : reinterpret_cast<WindowProc>(previous);
}

std::intptr_t FakeDesktop::callWindowProc(WindowProcHandle previous, WindowHandle handle, std::uint32_t message,
                                          std::uintptr_t wParam, std::intptr_t lParam) {
  record("CallWindowProcA " + number(previous) + " " + number(handle) + " " + messageName(message));
  Window* w = window(handle);
  if (!w || previous == 0) return 0;
  if (previous == builtInProcedure) return builtIn(*w, message, wParam, lParam);
  return reinterpret_cast<WindowProc>(previous)(handle, message, wParam, lParam);
}

bool FakeDesktop::clientRect(WindowHandle handle, Rect* rect) {
  record("GetClientRect " + number(handle));
  const Window* w = window(handle);
  if (!w) return false;
  *rect = {0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
  return true;
}

bool FakeDesktop::clientToScreen(WindowHandle handle, Point* point) {
  record("ClientToScreen " + number(handle));
  const Window* w = window(handle);
  if (!w) return false;
  point->x += w->client.left;
  point->y += w->client.top;
  return true;
}

bool FakeDesktop::clipCursor(const Rect* rect) {
  if (!rect) {
    record("ClipCursor NULL");
    clipped_ = false;
    return true;
  }
  record("ClipCursor " + std::to_string(rect->left) + " " + std::to_string(rect->top) + " " +
         std::to_string(rect->right) + " " + std::to_string(rect->bottom));
  clip_ = *rect;
  clipped_ = true;
  return true;
}

bool FakeDesktop::blockInput(bool block) {
  record(std::string("BlockInput ") + (block ? "1" : "0"));
  inputBlocked = block;
  return true;
}

bool FakeDesktop::exitWindows(std::uint32_t flags) {
  record("ExitWindowsEx " + number(flags));
  return true;
}

const FakeDesktop::Opened* FakeDesktop::opened(SystemHandle handle) const {
  for (const Opened& o : handles_)
    if (o.handle == handle) return &o;
  return nullptr;
}

bool FakeDesktop::openProcessToken(std::uint32_t access, SystemHandle* token) {
  record("OpenProcessToken " + number(access));
  if (refuseToken) return false;
  handles_.push_back({nextSystemHandle_, 0});
  *token = nextSystemHandle_;
  nextSystemHandle_ += 4;
  return true;
}

bool FakeDesktop::lookupPrivilegeValue(const std::string& systemName, const std::string& name, Luid* luid) {
  record("LookupPrivilegeValueA \"" + systemName + "\" " + name);
  // The identifiers Windows gives these privileges on the local system.
  static const std::map<std::string, std::uint32_t> known = {
      {"SeBackupPrivilege", 17}, {"SeRestorePrivilege", 18}, {"SeShutdownPrivilege", shutdownPrivilegeLuid}};
  auto it = known.find(name);
  if (!systemName.empty() || it == known.end()) return false;
  *luid = {it->second, 0};
  return true;
}

bool FakeDesktop::adjustTokenPrivileges(SystemHandle token, Luid privilege, std::uint32_t attributes) {
  record("AdjustTokenPrivileges " + number(token) + " " + number(privilege.lowPart) + " " + number(attributes));
  const Opened* o = opened(token);
  return o && o->process == 0;
}

bool FakeDesktop::enumProcesses(ProcessId* ids, std::uint32_t bytes, std::uint32_t* bytesReturned) {
  record("EnumProcesses " + number(bytes));
  const std::size_t count = std::min<std::size_t>(processes.size(), bytes / sizeof(ProcessId));
  for (std::size_t i = 0; i < count; ++i) ids[i] = processes[i].id;
  *bytesReturned = static_cast<std::uint32_t>(count * sizeof(ProcessId));
  return true;
}

SystemHandle FakeDesktop::openProcess(std::uint32_t access, ProcessId id) {
  record("OpenProcess " + number(access) + " " + number(id));
  for (const Process& p : processes) {
    if (p.id != id || !p.canOpen) continue;
    handles_.push_back({nextSystemHandle_, id});
    nextSystemHandle_ += 4;
    return handles_.back().handle;
  }
  return 0;
}

bool FakeDesktop::enumProcessModules(SystemHandle process, std::uintptr_t* modules, std::uint32_t bytes,
                                     std::uint32_t* bytesNeeded) {
  record("EnumProcessModules " + number(process));
  const Opened* o = opened(process);
  const auto p = std::ranges::find_if(processes, [o](const Process& p) { return o && p.id == o->process; });
  if (p == processes.end() || !p->modulesReadable) return false;
  if (bytes >= sizeof *modules) *modules = 0x400000;
  *bytesNeeded = sizeof *modules;
  return true;
}

std::uint32_t FakeDesktop::moduleFileName(SystemHandle process, std::uintptr_t module, char* buffer,
                                          std::uint32_t size) {
  record("GetModuleFileNameExA " + number(process) + " " + number(module));
  const Opened* o = opened(process);
  for (const Process& p : processes)
    if (o && p.id == o->process) return static_cast<std::uint32_t>(copyText(p.path, buffer, static_cast<int>(size)));
  return 0;
}

bool FakeDesktop::terminateProcess(SystemHandle process, std::uint32_t exitCode) {
  const Opened* o = opened(process);
  record("TerminateProcess " + number(o ? o->process : 0) + " " + number(exitCode));
  return o && std::erase_if(processes, [o](const Process& p) { return p.id == o->process; }) > 0;
}

bool FakeDesktop::closeHandle(SystemHandle handle) {
  record("CloseHandle " + number(handle));
  return std::erase_if(handles_, [handle](const Opened& o) { return o.handle == handle; }) > 0;
}

}  // namespace tavimo
