#include "lockdown/ienann.h"

#include <charconv>

#include "platform/Platform.h"

namespace tavimo {

void listChildWindows(WindowList& list, WindowHandle parent) {
  list.clear();
  Desktop& desktop = *platform().desktop;
  desktop.enumChildWindows(parent, [&](WindowHandle child) {
    char title[255];
    const int length = desktop.windowText(child, title, sizeof title);
    list.push_back(std::to_string(child) + " - " + std::string(title, length > 0 ? length : 0));
    return true;
  });
}

WindowHandle listedWindow(const std::string& item) {
  WindowHandle window = 0;
  const std::size_t dash = item.find('-');
  std::from_chars(item.data(), item.data() + (dash == std::string::npos ? item.size() : dash), window);
  return window;
}

}  // namespace tavimo
