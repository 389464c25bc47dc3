#pragma once
// The library keeps texts in the system's ANSI code page, like the client; COM hands them over
// as UTF-16 BSTRs. These convert between the two.
#include <windows.h>
#include <oleauto.h>

#include <string>

namespace tavimo::flexolo::com {

std::string ansiFromBstr(BSTR text);
std::string ansiFromWide(const wchar_t* text);
std::wstring wideFromAnsi(const std::string& text);
// A new BSTR (nullptr when out of memory), to be freed by whoever receives it.
BSTR bstrFromAnsi(const std::string& text);

}  // namespace tavimo::flexolo::com
