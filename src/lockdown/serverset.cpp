#include "lockdown/serverset.h"

#include "lockdown/SystemPolicies.h"

namespace tavimo {

void serverset() { applyPolicies(systemPolicies, systemSecurityFilePath()); }

}  // namespace tavimo
