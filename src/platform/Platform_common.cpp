#include "platform/Platform.h"

namespace tavimo {

namespace {
Platform installed;
}

Platform& platform() { return installed; }

void installPlatform(const Platform& services) { installed = services; }

}  // namespace tavimo
