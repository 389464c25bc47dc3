#include "lockdown/frmBlocks.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "lockdown/ScanPacing.h"
#include "lockdown/SiteLists.h"
#include "lockdown/Wildcard.h"
#include "platform/Platform.h"
#include "runtime/App.h"
#include "util/mdlRegistry.h"

namespace tavimo {

namespace {
// At least one character, a dot, two or more, a dot, two or more: a web address.
constexpr const char* siteAddressShape = "*?.*??.*??";
// The most bytes one character takes in the system's code page: a text that ends sooner
// than that before the end of the buffer was not cut short.
constexpr std::intptr_t widestCharacter = 4;
// Room for the longest address Internet Explorer takes (2083 characters), that margin and
// the terminator.
constexpr std::size_t addressRoom = 2083 + widestCharacter + 1;
}  // namespace

frmBlocks::frmBlocks() : Form("frmBlocks") {
  Timer1.setInterval(scanInterval);
  Timer1.setEnabled(false);
  Timer1.onTimer = [this] { Timer1_Timer(); };
}

void frmBlocks::onLoad() {
  const auto& mode = stored::BlockType;
  blockType_ = readValue(mode.key.hive, mode.key.path, mode.name).asLong().value_or(0);
  if (blockType_ == allowedSites.mode) {
    lstwindows4 = listBlockValues(allowedSites.key.hive, allowedSites.key.path);
    lstwindows4.push_back("about:blank");
  } else if (blockType_ == blockedSites.mode) {
    lstwindows4 = listBlockValues(blockedSites.key.hive, blockedSites.key.path);
  }
  Timer1.setEnabled(true);
}

void frmBlocks::Timer1_Timer() {
  rt::Backend& clock = rt::app().backend();
  const std::uint64_t start = clock.microsecondCount();
  scan();
  pace(clock.microsecondCount() - start);
}

// Every window is scanned each time: a browser may open, navigate or close at any moment.
void frmBlocks::scan() {
  Desktop& desktop = *platform().desktop;
  listChildWindows(lstWindows, desktop.desktopWindow());
  for (const std::string& item : lstWindows) {
    if (item.find(browserTitle) == std::string::npos) continue;
    listChildHandles(lstWindows2, listedWindow(item));
    for (const WindowHandle box : lstWindows2) {
      char className[100];
      if (desktop.className(box, className, sizeof className) <= 0 || !std::strstr(className, "Edit")) continue;
      switch (judge(addressIn(box))) {
        case Verdict::EndTick: return;
        case Verdict::Redirect: redirect(box); break;
        case Verdict::Leave: break;
      }
    }
  }
}

// Setting the interval restarts the count, so a pause runs from the end of the scan; a cheap
// scan leaves the timer alone, on its interval counted from the scan's start.
void frmBlocks::pace(std::uint64_t scanMicroseconds) {
  const int pause = pauseAfterScan(scanMicroseconds);
  if (pause) {
    Timer1.setInterval(pause);
  } else if (Timer1.interval() != scanInterval) {
    Timer1.setInterval(scanInterval);
  }
}

frmBlocks::Verdict frmBlocks::judge(std::string_view address) const {
  if (lstwindows4.empty()) return Verdict::EndTick;
  bool matched = false;
  for (const std::string& pattern : lstwindows4) {
    if (pattern.empty()) return Verdict::EndTick;
    if (address.find(pattern) != std::string::npos) {
      matched = true;
      break;
    }
  }
  // The blocked page is never sent to itself again: that would press Enter every 10 ms.
  const bool onBlockedPage = address.find(blockedPageAddress) != std::string::npos;
  if (blockType_ == allowedSites.mode)
    return !matchesWildcard(address, siteAddressShape) || matched || onBlockedPage ? Verdict::Leave : Verdict::Redirect;
  if (blockType_ == blockedSites.mode) return matched && !onBlockedPage ? Verdict::Redirect : Verdict::Leave;
  return Verdict::Leave;
}

// One WM_GETTEXT into the buffer gives the whole address when it ends well before the
// buffer does; only a longer one asks for its length and is read again into enough room.
std::string_view frmBlocks::addressIn(WindowHandle addressBox) {
  Desktop& desktop = *platform().desktop;
  if (address_.size() < addressRoom) address_.resize(addressRoom);
  std::intptr_t copied =
      desktop.sendMessage(addressBox, wm::GetText, address_.size(), reinterpret_cast<std::intptr_t>(address_.data()));
  if (copied >= 0 && copied + widestCharacter < static_cast<std::intptr_t>(address_.size()))
    return {address_.data(), static_cast<std::size_t>(copied)};
  const std::intptr_t length = desktop.sendMessage(addressBox, wm::GetTextLength, 0, 0);
  if (length <= 0) return {};
  const std::size_t room = static_cast<std::size_t>(length) + 1;
  if (address_.size() < room) address_.resize(room);
  copied = desktop.sendMessage(addressBox, wm::GetText, room, reinterpret_cast<std::intptr_t>(address_.data()));
  return {address_.data(), copied > 0 ? std::min<std::size_t>(copied, length) : 0};
}

// The address box gets the blocked page, then Enter makes the browser go there. The key is
// released again so that the system does not keep Enter held down.
void frmBlocks::redirect(WindowHandle addressBox) {
  Desktop& desktop = *platform().desktop;
  desktop.sendMessage(addressBox, wm::SetText, 0, reinterpret_cast<std::intptr_t>(blockedPageAddress));
  desktop.keybdEvent(vk::Return, 1, 0);
  desktop.keybdEvent(vk::Return, 1, vk::KeyUp);
}

}  // namespace tavimo
