#include "ComTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace flexolo_test {
namespace {

// COM on the test thread for the whole program, as a form's thread would have it.
class ComEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_HRESULT_SUCCEEDED(OleInitialize(nullptr)); }
  void TearDown() override { OleUninitialize(); }
};
::testing::Environment* const comEnvironment =
    ::testing::AddGlobalTestEnvironment(new ComEnvironment);

std::wstring wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

}  // namespace

std::string flexoloDllPath() {
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string folder(exe);
  folder.resize(folder.find_last_of("\\/") + 1);
  std::string relative = folder + FLEXOLO_DLL_FROM_TESTS;
  char full[MAX_PATH] = {};
  GetFullPathNameA(relative.c_str(), MAX_PATH, full, nullptr);
  return full;
}

DWORD runRegsvr32(const std::string& switches) {
  std::string command = "regsvr32.exe " + switches + " \"" + flexoloDllPath() + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return GetLastError() | 0x80000000u;
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

HRESULT callByName(IDispatch* object, const wchar_t* name, EXCEPINFO* exception) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr,
                        exception, nullptr);
}

HRESULT getText(IDispatch* object, const wchar_t* name, std::string& text) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &result,
                      nullptr, nullptr);
  if (SUCCEEDED(hr) && result.vt == VT_BSTR) {
    int size = WideCharToMultiByte(CP_ACP, 0, result.bstrVal, -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> buffer(size > 0 ? size : 1);
    WideCharToMultiByte(CP_ACP, 0, result.bstrVal, -1, buffer.data(), size, nullptr, nullptr);
    text = buffer.data();
  } else if (SUCCEEDED(hr)) {
    hr = DISP_E_TYPEMISMATCH;
  }
  VariantClear(&result);
  return hr;
}

HRESULT putText(IDispatch* object, const wchar_t* name, const std::string& text) {
  DISPID id = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_BSTR;
  value.bstrVal = SysAllocString(wide(text).c_str());
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&value, &named, 1, 1};
  hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr,
                      nullptr, nullptr);
  VariantClear(&value);
  return hr;
}

bool pumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

std::string windowText(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

}  // namespace flexolo_test
