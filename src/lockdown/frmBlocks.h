#pragma once
// The website filter: a hidden window whose timer looks into every Internet Explorer window
// every 10 ms and sends the browser to the blocked page when its address is not allowed.
// A costly scan spaces the ticks out (ScanPacing.h). Loaded at the start of a customer
// session while "Blocking" is set; unloading it stops it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "lockdown/ienann.h"
#include "runtime/Form.h"
#include "runtime/Timer.h"

namespace tavimo {

// Our page that tells the customer the site is blocked.
inline constexpr const char* blockedPageAddress = "http://www.tavimo.com/blocked.html";
// What a browser window's title contains.
inline constexpr const char* browserTitle = "Microsoft Internet Explorer";

class frmBlocks : public rt::Form {
 public:
  frmBlocks();
  rt::Timer Timer1{*this, "Timer1"};
  // Every window below the desktop; the descendants of one browser window (their titles are
  // never looked at); the patterns.
  WindowList lstWindows;
  std::vector<WindowHandle> lstWindows2;
  WindowList lstwindows4;

 protected:
  void onLoad() override;

 private:
  enum class Verdict { Leave, Redirect, EndTick };
  void Timer1_Timer();
  void scan();
  // Sets the timer for the next tick after a scan that took so many microseconds.
  void pace(std::uint64_t scanMicroseconds);
  // What to do with a browser's address, as the mode and patterns say.
  Verdict judge(std::string_view address) const;
  // The whole text of the address box, in a buffer that lives as long as the form.
  std::string_view addressIn(WindowHandle addressBox);
  static void redirect(WindowHandle addressBox);
  std::int32_t blockType_ = 0;  // "BlockType" as read when the form loaded
  std::vector<char> address_;
};

}  // namespace tavimo
