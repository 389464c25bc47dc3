#include "lockdown/ienann.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "platform/Platform.h"

namespace tavimo {

void listChildWindows(WindowList& list, WindowHandle parent) {
  Desktop& desktop = *platform().desktop;
  std::size_t count = 0;
  desktop.enumChildWindows(parent, [&](WindowHandle child) {
    constexpr std::size_t titleRoom = 255;
    char item[std::numeric_limits<WindowHandle>::digits10 + 1 + 3 + titleRoom];
    char* end = std::to_chars(item, item + sizeof item, child).ptr;
    end = static_cast<char*>(std::memcpy(end, " - ", 3)) + 3;
    const int length = desktop.windowText(child, end, titleRoom);
    end += length > 0 ? length : 0;
    if (count == list.size()) list.emplace_back();
    list[count++].assign(item, end);
    return true;
  });
  list.resize(count);
}

WindowHandle listedWindow(const std::string& item) {
  WindowHandle window = 0;
  const std::size_t dash = item.find('-');
  std::from_chars(item.data(), item.data() + (dash == std::string::npos ? item.size() : dash), window);
  return window;
}

void listChildHandles(std::vector<WindowHandle>& list, WindowHandle parent) {
  list.clear();
  platform().desktop->enumChildWindows(parent, [&list](WindowHandle child) {
    list.push_back(child);
    return true;
  });
}

}  // namespace tavimo
