#pragma once
// What the Flexolo tests under Wine share: COM for the test thread, Flexolo.dll registered with
// regsvr32 for a suite, calls by name through IDispatch, and a message pump that waits for a
// condition instead of sleeping.
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <string>

namespace flexolo_test {

// The built Flexolo.dll, full Windows path.
std::string flexoloDllPath();
// Runs regsvr32 (arguments before the DLL path) and returns its exit code.
DWORD runRegsvr32(const std::string& switches);

// Looks the name up with GetIDsOfNames, then invokes it with no arguments.
HRESULT callByName(IDispatch* object, const wchar_t* name, EXCEPINFO* exception = nullptr);
HRESULT getText(IDispatch* object, const wchar_t* name, std::string& text);
HRESULT putText(IDispatch* object, const wchar_t* name, const std::string& text);

// Dispatches messages until done() or the time is up; returns done().
bool pumpUntil(const std::function<bool()>& done, DWORD milliseconds = 5000);

std::string windowText(HWND window);

}  // namespace flexolo_test
