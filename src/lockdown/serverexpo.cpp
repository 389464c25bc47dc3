#include "lockdown/serverexpo.h"

#include "lockdown/BrowserPolicies.h"

namespace tavimo {

void serverexpo() { applyPolicies(browserPolicies, browserSecurityFilePath()); }

}  // namespace tavimo
