#include "lockdown/SiteLists.h"

namespace tavimo {

std::string siteFilePath() { return stored::systemFile(stored::websiteFile); }

}  // namespace tavimo
