#include "com/Text.h"

#include <cwchar>

namespace tavimo::flexolo::com {
namespace {

std::string ansi(const wchar_t* text, int length) {
  if (!text || length <= 0) return {};
  int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string result(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, text, length, result.data(), size, nullptr, nullptr);
  return result;
}

}  // namespace

std::string ansiFromBstr(BSTR text) { return ansi(text, static_cast<int>(SysStringLen(text))); }

std::string ansiFromWide(const wchar_t* text) {
  return text ? ansi(text, static_cast<int>(std::wcslen(text))) : std::string();
}

std::wstring wideFromAnsi(const std::string& text) {
  if (text.empty()) return {};
  int length = static_cast<int>(text.size());
  int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  std::wstring result(size, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, result.data(), size);
  return result;
}

BSTR bstrFromAnsi(const std::string& text) {
  std::wstring wide = wideFromAnsi(text);
  return SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

}  // namespace tavimo::flexolo::com
