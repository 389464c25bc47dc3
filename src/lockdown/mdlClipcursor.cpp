#include "lockdown/mdlClipcursor.h"

#include "platform/Desktop.h"
#include "platform/Platform.h"
#include "runtime/Form.h"

namespace tavimo {

// A rectangle that could not be read would confine the pointer to the screen's corner.
void confineCursor(const rt::Form& form) {
  Desktop& desktop = *platform().desktop;
  const WindowHandle window = form.hWnd();
  Rect area;
  Point corner;
  if (!desktop.clientRect(window, &area) || !desktop.clientToScreen(window, &corner)) return;
  area = {area.left + corner.x, area.top + corner.y, area.right + corner.x, area.bottom + corner.y};
  desktop.clipCursor(&area);
}

void releaseCursor() { platform().desktop->clipCursor(nullptr); }

}  // namespace tavimo
