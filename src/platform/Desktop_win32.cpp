#include <windows.h>
#include <psapi.h>

#include "platform/Desktop.h"

namespace tavimo {

void Win32Desktop::setTopmost(WindowHandle window, bool topmost) {
  SetWindowPos(reinterpret_cast<HWND>(window), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int Win32Desktop::screenWidth() { return GetSystemMetrics(SM_CXSCREEN); }

int Win32Desktop::screenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

WindowHandle Win32Desktop::findWindow(const std::string& className) {
  return reinterpret_cast<WindowHandle>(FindWindowA(className.c_str(), nullptr));
}

WindowHandle Win32Desktop::findChildWindow(WindowHandle parent, const std::string& className) {
  return reinterpret_cast<WindowHandle>(FindWindowExA(reinterpret_cast<HWND>(parent), nullptr, className.c_str(), nullptr));
}

void Win32Desktop::showWindow(WindowHandle window, int command) { ShowWindow(reinterpret_cast<HWND>(window), command); }

void Win32Desktop::setScreenSaverRunning(bool running) {
  UINT previous = 0;
  SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? 1 : 0, &previous, running ? 1 : 0);
}

void Win32Desktop::registerServiceProcess() {
  using Register = DWORD(WINAPI*)(DWORD, DWORD);
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  auto registerService = reinterpret_cast<Register>(reinterpret_cast<void*>(GetProcAddress(kernel, "RegisterServiceProcess")));
  if (registerService) registerService(GetCurrentProcessId(), 1);
}

void Win32Desktop::raisePriority() {
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
}

namespace {

HWND hwndOf(WindowHandle window) { return reinterpret_cast<HWND>(window); }
HANDLE handleOf(SystemHandle handle) { return reinterpret_cast<HANDLE>(handle); }

// How long the client waits for another program's window to answer a message.
constexpr UINT answerTimeoutMs = 250;

// The property that holds a window's portable procedure while it is installed.
constexpr char procedureProperty[] = "TavimoWindowProc";

// The real window procedure in front of every portable one: finds it by the property.
LRESULT CALLBACK callPortableProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto procedure = reinterpret_cast<WindowProc>(GetPropA(hwnd, procedureProperty));
  if (message == WM_NCDESTROY) RemovePropA(hwnd, procedureProperty);
  if (!procedure) return DefWindowProcA(hwnd, message, wParam, lParam);
  return procedure(reinterpret_cast<WindowHandle>(hwnd), message, wParam, lParam);
}

}  // namespace

WindowHandle Win32Desktop::desktopWindow() { return reinterpret_cast<WindowHandle>(GetDesktopWindow()); }

void Win32Desktop::enumChildWindows(WindowHandle parent, const std::function<bool(WindowHandle)>& visit) {
  EnumChildWindows(
      hwndOf(parent),
      [](HWND child, LPARAM data) -> BOOL {
        return (*reinterpret_cast<const std::function<bool(WindowHandle)>*>(data))(reinterpret_cast<WindowHandle>(child));
      },
      reinterpret_cast<LPARAM>(&visit));
}

int Win32Desktop::windowText(WindowHandle window, char* buffer, int size) {
  if (size > 0) buffer[0] = '\0';
  return GetWindowTextA(hwndOf(window), buffer, size);
}

int Win32Desktop::className(WindowHandle window, char* buffer, int size) {
  if (size > 0) buffer[0] = '\0';
  return GetClassNameA(hwndOf(window), buffer, size);
}

std::intptr_t Win32Desktop::sendMessage(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(hwndOf(window), message, wParam, lParam, SMTO_ABORTIFHUNG | SMTO_BLOCK, answerTimeoutMs,
                           &result))
    return 0;
  return static_cast<std::intptr_t>(result);
}

void Win32Desktop::keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
  keybd_event(virtualKey, scanCode, flags, 0);
}

bool Win32Desktop::registerHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t virtualKey) {
  return RegisterHotKey(hwndOf(window), id, modifiers, virtualKey);
}

bool Win32Desktop::unregisterHotKey(WindowHandle window, int id) { return UnregisterHotKey(hwndOf(window), id); }

WindowProcHandle Win32Desktop::setWindowProc(WindowHandle window, WindowProc procedure) {
  HWND hwnd = hwndOf(window);
  if (!procedure || !IsWindow(hwnd) || !SetPropA(hwnd, procedureProperty, reinterpret_cast<HANDLE>(procedure))) return 0;
  const LONG_PTR previous = SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&callPortableProcedure));
  if (!previous) RemovePropA(hwnd, procedureProperty);
  return static_cast<WindowProcHandle>(previous);
}

void Win32Desktop::restoreWindowProc(WindowHandle window, WindowProcHandle previous) {
  if (!previous) return;
  SetWindowLongPtrA(hwndOf(window), GWLP_WNDPROC, static_cast<LONG_PTR>(previous));
  RemovePropA(hwndOf(window), procedureProperty);
}

std::intptr_t Win32Desktop::callWindowProc(WindowProcHandle previous, WindowHandle window, std::uint32_t message,
                                           std::uintptr_t wParam, std::intptr_t lParam) {
  return CallWindowProcA(reinterpret_cast<WNDPROC>(previous), hwndOf(window), message, wParam, lParam);
}

bool Win32Desktop::clientRect(WindowHandle window, Rect* rect) {
  RECT r;
  if (!GetClientRect(hwndOf(window), &r)) return false;
  *rect = {r.left, r.top, r.right, r.bottom};
  return true;
}

bool Win32Desktop::clientToScreen(WindowHandle window, Point* point) {
  POINT p{point->x, point->y};
  if (!ClientToScreen(hwndOf(window), &p)) return false;
  *point = {p.x, p.y};
  return true;
}

bool Win32Desktop::clipCursor(const Rect* rect) {
  if (!rect) return ClipCursor(nullptr);
  const RECT r{rect->left, rect->top, rect->right, rect->bottom};
  return ClipCursor(&r);
}

bool Win32Desktop::blockInput(bool block) { return BlockInput(block); }

bool Win32Desktop::exitWindows(std::uint32_t flags) { return ExitWindowsEx(flags, 0); }

bool Win32Desktop::openProcessToken(std::uint32_t access, SystemHandle* token) {
  HANDLE opened = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), access, &opened)) return false;
  *token = reinterpret_cast<SystemHandle>(opened);
  return true;
}

bool Win32Desktop::lookupPrivilegeValue(const std::string& systemName, const std::string& name, Luid* luid) {
  LUID found;
  if (!LookupPrivilegeValueA(systemName.empty() ? nullptr : systemName.c_str(), name.c_str(), &found)) return false;
  *luid = {found.LowPart, found.HighPart};
  return true;
}

bool Win32Desktop::adjustTokenPrivileges(SystemHandle token, Luid privilege, std::uint32_t attributes) {
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Luid = {privilege.lowPart, privilege.highPart};
  privileges.Privileges[0].Attributes = attributes;
  return AdjustTokenPrivileges(handleOf(token), FALSE, &privileges, 0, nullptr, nullptr);
}

bool Win32Desktop::enumProcesses(ProcessId* ids, std::uint32_t bytes, std::uint32_t* bytesReturned) {
  DWORD returned = 0;
  if (!EnumProcesses(reinterpret_cast<DWORD*>(ids), bytes, &returned)) return false;
  *bytesReturned = returned;
  return true;
}

SystemHandle Win32Desktop::openProcess(std::uint32_t access, ProcessId id) {
  return reinterpret_cast<SystemHandle>(OpenProcess(access, FALSE, id));
}

bool Win32Desktop::enumProcessModules(SystemHandle process, std::uintptr_t* modules, std::uint32_t bytes,
                                      std::uint32_t* bytesNeeded) {
  DWORD needed = 0;
  if (!EnumProcessModules(handleOf(process), reinterpret_cast<HMODULE*>(modules), bytes, &needed)) return false;
  *bytesNeeded = needed;
  return true;
}

std::uint32_t Win32Desktop::moduleFileName(SystemHandle process, std::uintptr_t module, char* buffer,
                                           std::uint32_t size) {
  return GetModuleFileNameExA(handleOf(process), reinterpret_cast<HMODULE>(module), buffer, size);
}

bool Win32Desktop::terminateProcess(SystemHandle process, std::uint32_t exitCode) {
  return TerminateProcess(handleOf(process), exitCode);
}

bool Win32Desktop::closeHandle(SystemHandle handle) { return CloseHandle(handleOf(handle)); }

}  // namespace tavimo
