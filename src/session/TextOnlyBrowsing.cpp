#include "session/TextOnlyBrowsing.h"

#include "core/StoredState.h"

namespace tavimo {

void setTextOnlyBrowsing(bool on) {
  for (const stored::Value& setting : stored::browserDisplaySettings) stored::write(setting, on ? "no" : "yes");
}

}  // namespace tavimo
