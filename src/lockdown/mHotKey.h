#pragma once
// The configuration panel's system-wide hot keys and the window procedure that receives
// them: hot keys are numbered 1, 2, 3 in the order they are registered, and the numbering
// starts again at 1 once they are all unregistered.
#include <cstdint>
#include <functional>

#include "platform/Desktop.h"

namespace tavimo {

// Registers the next hot key number for the window; true when the system accepted it. A
// refused combination still uses up its number, so the later keys keep theirs.
bool registerHotKey(WindowHandle window, std::uint32_t modifiers, std::uint16_t keyCode);
// Unregisters every number from 1 to the last registered, and starts the numbering again.
void unregisterHotKeys(WindowHandle window);
// The number of the last hot key registered; 0 when none is.
std::int32_t hotKeyCount();

// The panel's window procedure: a hot key goes to the panel's action for its number and
// goes no further; every other message goes to the procedure the window had before.
std::intptr_t panelWindowProc(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                              std::intptr_t lParam);
// Puts panelWindowProc in front of the panel's own procedure, with the action for each hot
// key number, and takes it away again.
void installPanelWindowProc(WindowHandle panel, std::function<void(int number)> onHotKey);
void restorePanelWindowProc(WindowHandle panel);

}  // namespace tavimo
