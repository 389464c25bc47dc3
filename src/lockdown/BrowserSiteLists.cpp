#include "lockdown/BrowserSiteLists.h"

#include <algorithm>
#include <span>

#include "core/StoredState.h"
#include "lockdown/RecordedListValues.h"
#include "lockdown/SiteLists.h"

namespace tavimo {

namespace {

// The policies' limits on a host name: 253 characters, labels of 1 to 63.
constexpr std::size_t longestHost = 253;
constexpr std::size_t longestLabel = 63;

// Chrome and Edge: a host filter covers the host and its subdomains.
std::string hostFilter(const std::string& host) { return host; }
// Firefox: "*." covers the host itself as well as its subdomains, "*" both web schemes.
std::string matchPattern(const std::string& host) { return "*://*." + host + "/*"; }

// Chrome's and Edge's own pages (new tab, settings, error pages) load from these schemes,
// which a "*" filter blocks too; their vendors warn that blocking them breaks the browser.
constexpr const char* chromePages[] = {"chrome://*", "chrome-untrusted://*"};
constexpr const char* edgePages[] = {"edge://*", "chrome-untrusted://*"};

// One browser's site lists: its policy key, the subkeys of the blocked patterns and of the
// exceptions to them, the pattern that blocks every address, its own pages allowed beside
// the sites in allow-list mode, and its pattern for a site.
struct BrowserLists {
  stored::Key policyKey;
  const char* blocked;
  const char* allowed;
  const char* everything;
  std::span<const char* const> ownPages;
  std::string (*sitePattern)(const std::string& host);
};

// Firefox's "<all_urls>" covers the web, data and file schemes only, so its own about: pages need
// no exception.
const BrowserLists browsers[] = {
    {stored::policyKey::Chrome, "URLBlocklist", "URLAllowlist", "*", chromePages, hostFilter},
    {stored::policyKey::Edge, "URLBlocklist", "URLAllowlist", "*", edgePages, hostFilter},
    {stored::policyKey::Firefox, "WebsiteFilter\\Block", "WebsiteFilter\\Exceptions", "<all_urls>", {}, matchPattern},
};

std::string listKey(const BrowserLists& browser, const char* subkey) {
  return std::string(browser.policyKey.path) + "\\" + subkey;
}

bool isLabelCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

bool isLabel(const std::string& label) {
  return !label.empty() && label.size() <= longestLabel && std::ranges::all_of(label, isLabelCharacter) &&
         label.front() != '-' && label.back() != '-';
}

// The distinct site hosts among the patterns, in their order.
std::vector<std::string> siteHosts(const std::vector<std::string>& patterns) {
  std::vector<std::string> hosts;
  for (const std::string& pattern : patterns)
    if (const auto host = siteHost(pattern); host && std::ranges::find(hosts, *host) == hosts.end())
      hosts.push_back(*host);
  return hosts;
}

}  // namespace

std::optional<std::string> siteHost(const std::string& pattern) {
  if (pattern.size() > longestHost || pattern.find('.') == std::string::npos) return std::nullopt;
  std::size_t start = 0;
  for (;;) {
    const std::size_t dot = pattern.find('.', start);
    if (!isLabel(pattern.substr(start, dot - start))) return std::nullopt;
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  std::string host = pattern;
  std::ranges::transform(host, host.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
  return host;
}

void writeBrowserSiteLists(std::int32_t mode, const std::vector<std::string>& patterns) {
  removeBrowserSiteLists();
  if (mode != blockType::AllowList && mode != blockType::BlockList) return;
  const std::vector<std::string> hosts = siteHosts(patterns);
  for (const BrowserLists& browser : browsers) {
    std::vector<std::string> sites;
    for (const std::string& host : hosts) sites.push_back(browser.sitePattern(host));
    if (mode == blockType::BlockList) {
      appendRecordedEntries(listKey(browser, browser.blocked), sites);
      continue;
    }
    sites.insert(sites.end(), browser.ownPages.begin(), browser.ownPages.end());
    // The exceptions first: a browser never finds every address blocked without them.
    appendRecordedEntries(listKey(browser, browser.allowed), sites);
    appendRecordedEntries(listKey(browser, browser.blocked), {browser.everything});
  }
}

void removeBrowserSiteLists() { takeBackRecordedEntries(); }

}  // namespace tavimo
