#pragma once
// Modal message boxes: styles and answers keep the Win32 MessageBox values, so the Win32
// back end passes them through and tests compare them as the system sees them.
#include <string>

namespace tavimo::rt {

namespace mb {
// Buttons and icons, combined with |.
constexpr int OkOnly = 0x00;
constexpr int YesNo = 0x04;
constexpr int Critical = 0x10;
constexpr int Question = 0x20;
constexpr int Exclamation = 0x30;
constexpr int Information = 0x40;
// Answers.
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace mb

// Shows a modal message box over the client's windows and returns the button pressed.
// An empty title shows the program's name, as a message box without a title does.
int msgBox(const std::string& prompt, int style = mb::OkOnly, const std::string& title = {});

}  // namespace tavimo::rt
