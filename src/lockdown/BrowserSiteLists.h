#pragma once
// The website lists as the enterprise policies of today's browsers, which the window-title
// filter cannot follow: Chrome and Edge take URL filters, Firefox its website filter, each as
// numbered REG_SZ values below its policy key. Only a site name has an equivalent there; a
// bare keyword stays a pattern of the window-title filter alone.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavimo {

// A pattern as the browsers' host filters take it: the site name in small letters; nothing
// for a bare keyword (no dot) or a pattern a browser would reject or misread (blanks,
// wildcards, any character outside a host name, an empty or over-long label, a label that
// begins or ends with "-").
std::optional<std::string> siteHost(const std::string& pattern);

// Replaces the entries written before with the site names among the patterns: in allow-list
// mode each browser blocks every address except these sites and its own pages, in block-list
// mode it blocks these sites (each with its subdomains). Any other mode leaves none.
void writeBrowserSiteLists(std::int32_t mode, const std::vector<std::string>& patterns);
// Takes back every entry written; an administrator's values in the same keys stay.
void removeBrowserSiteLists();

}  // namespace tavimo
