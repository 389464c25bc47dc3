#include <gtest/gtest.h>

#include <optional>

#include "lockdown/Settings.h"
#include "lockdown/serverblock.h"
#include "LockdownComputer.h"
#include "util/inimodule.h"

namespace tavimo {
namespace {

using testing::dword;
using testing::LockdownComputer;
using testing::missing;
using testing::StoredValue;
using testing::sz;
using Values = std::vector<std::pair<std::string, StoredValue>>;

constexpr stored::Key chromeBlocked{reg::LocalMachine, "Software\\Policies\\Google\\Chrome\\URLBlocklist"};
constexpr stored::Key chromeAllowed{reg::LocalMachine, "Software\\Policies\\Google\\Chrome\\URLAllowlist"};
constexpr stored::Key edgeBlocked{reg::LocalMachine, "Software\\Policies\\Microsoft\\Edge\\URLBlocklist"};
constexpr stored::Key edgeAllowed{reg::LocalMachine, "Software\\Policies\\Microsoft\\Edge\\URLAllowlist"};
constexpr stored::Key firefoxBlocked{reg::LocalMachine, "Software\\Policies\\Mozilla\\Firefox\\WebsiteFilter\\Block"};
constexpr stored::Key firefoxExceptions{reg::LocalMachine, "Software\\Policies\\Mozilla\\Firefox\\WebsiteFilter\\Exceptions"};
constexpr stored::Key record{reg::LocalMachine, "Software\\Tavimo\\BrowserPolicies"};

// Values "1", "2", ... holding the texts, as an empty list key would get them.
Values numbered(std::initializer_list<const char*> texts) {
  Values values;
  for (const char* text : texts) values.emplace_back(std::to_string(values.size() + 1), sz(text));
  return values;
}

// The site file with the type and the named list's patterns.
void siteFile(LockdownComputer& c, const std::string& type, const std::string& patterns) {
  const std::string file = c.systemFile("clt_msurls.ini");
  writeIni(file, "Apply", "Type", type);
  writeIni(file, type == "Allowed" ? "Allowed" : "Blocked", "URLS", patterns);
}

void apply(LockdownComputer& c, const std::string& type, const std::string& patterns) {
  siteFile(c, type, patterns);
  serverblock();
}

struct BrowserLists {
  Values chromeBlocked, chromeAllowed, edgeBlocked, edgeAllowed, firefoxBlocked, firefoxExceptions;
};

void expectLists(LockdownComputer& c, const BrowserLists& expected) {
  EXPECT_EQ(c.allValues(chromeBlocked), expected.chromeBlocked);
  EXPECT_EQ(c.allValues(chromeAllowed), expected.chromeAllowed);
  EXPECT_EQ(c.allValues(edgeBlocked), expected.edgeBlocked);
  EXPECT_EQ(c.allValues(edgeAllowed), expected.edgeAllowed);
  EXPECT_EQ(c.allValues(firefoxBlocked), expected.firefoxBlocked);
  EXPECT_EQ(c.allValues(firefoxExceptions), expected.firefoxExceptions);
}

TEST(BrowserSiteLists, EachModeGivesTheListsOfEveryBrowser) {
  struct Row {
    const char* type;
    const char* patterns;
    BrowserLists lists;
  };
  const Row rows[] = {
      // The keyword stays out; a site named twice is one entry.
      {"Blocked", "casino.example.com,Poker.Example.net,torrent,CASINO.example.com",
       {numbered({"casino.example.com", "poker.example.net"}), {}, numbered({"casino.example.com", "poker.example.net"}), {},
        numbered({"*://*.casino.example.com/*", "*://*.poker.example.net/*"}), {}}},
      {"Allowed", "wikipedia.org,news,example.com",
       {numbered({"*"}), numbered({"wikipedia.org", "example.com", "chrome://*", "chrome-untrusted://*"}),
        numbered({"*"}), numbered({"wikipedia.org", "example.com", "edge://*", "chrome-untrusted://*"}),
        numbered({"<all_urls>"}), numbered({"*://*.wikipedia.org/*", "*://*.example.com/*"})}},
      // An empty list reads as the keyword "0": every site is blocked.
      {"Allowed", "",
       {numbered({"*"}), numbered({"chrome://*", "chrome-untrusted://*"}), numbered({"*"}),
        numbered({"edge://*", "chrome-untrusted://*"}), numbered({"<all_urls>"}), {}}},
      {"Blocked", "games,chat", {}},
      {"Other", "example.com", {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string("Type=") + row.type + " URLS=" + row.patterns);
    LockdownComputer c;
    apply(c, row.type, row.patterns);
    expectLists(c, row.lists);
    EXPECT_EQ(c.registry.openHandles(), 0u);
  }
}

TEST(BrowserSiteLists, AnotherApplyReplacesTheEntriesAndAnUnknownTypeKeepsThem) {
  LockdownComputer c;
  apply(c, "Blocked", "a.com,b.com");
  apply(c, "Blocked", "c.com");
  expectLists(c, {numbered({"c.com"}), {}, numbered({"c.com"}), {}, numbered({"*://*.c.com/*"}), {}});

  apply(c, "Allowed", "d.com");
  apply(c, "Nothing", "e.com");
  expectLists(c, {numbered({"*"}), numbered({"d.com", "chrome://*", "chrome-untrusted://*"}), numbered({"*"}),
                  numbered({"d.com", "edge://*", "chrome-untrusted://*"}), numbered({"<all_urls>"}),
                  numbered({"*://*.d.com/*"})});
}

TEST(BrowserSiteLists, AnAdministratorsValuesStayAndOursComeAfterTheHighestNumber) {
  LockdownComputer c;
  struct Preset {
    stored::Key key;
    const char* name;
    const char* text;
  };
  const Preset presets[] = {
      {chromeBlocked, "1", "ads.example"},
      {chromeBlocked, "3", "tracker.example"},
      {chromeBlocked, "Note", "kept"},
      {firefoxBlocked, "1", "*://*.admin.example/*"},
      {edgeBlocked, "2", ""},  // even an empty value counts
  };
  for (const Preset& preset : presets) {
    createKey(preset.key.hive, preset.key.path);
    writeValue(preset.key.hive, preset.key.path, preset.name, preset.text, REG_SZ);
  }
  apply(c, "Blocked", "games.com,chat.com");

  const Values administrators{{"1", sz("ads.example")}, {"3", sz("tracker.example")}, {"Note", sz("kept")}};
  Values chrome = administrators;
  chrome.insert(chrome.end(), {{"4", sz("games.com")}, {"5", sz("chat.com")}});
  EXPECT_EQ(c.allValues(chromeBlocked), chrome);
  EXPECT_EQ(c.allValues(edgeBlocked), (Values{{"2", sz("")}, {"3", sz("games.com")}, {"4", sz("chat.com")}}));
  EXPECT_EQ(c.allValues(firefoxBlocked), (Values{{"1", sz("*://*.admin.example/*")}, {"2", sz("*://*.games.com/*")},
                                                 {"3", sz("*://*.chat.com/*")}}));
  EXPECT_EQ(c.allValues(record), (Values{
                                     {"Software\\Policies\\Google\\Chrome\\URLBlocklist\\4", sz("games.com")},
                                     {"Software\\Policies\\Google\\Chrome\\URLBlocklist\\5", sz("chat.com")},
                                     {"Software\\Policies\\Microsoft\\Edge\\URLBlocklist\\3", sz("games.com")},
                                     {"Software\\Policies\\Microsoft\\Edge\\URLBlocklist\\4", sz("chat.com")},
                                     {"Software\\Policies\\Mozilla\\Firefox\\WebsiteFilter\\Block\\2", sz("*://*.games.com/*")},
                                     {"Software\\Policies\\Mozilla\\Firefox\\WebsiteFilter\\Block\\3", sz("*://*.chat.com/*")},
                                 }));

  // A value of ours that the administrator has changed since is his.
  writeValue(chromeBlocked.hive, chromeBlocked.path, "5", "mine.example", REG_SZ);
  removeSiteBlocker();
  chrome = administrators;
  chrome.emplace_back("5", sz("mine.example"));
  EXPECT_EQ(c.allValues(chromeBlocked), chrome);
  EXPECT_EQ(c.allValues(edgeBlocked), (Values{{"2", sz("")}}));
  EXPECT_EQ(c.allValues(firefoxBlocked), (Values{{"1", sz("*://*.admin.example/*")}}));
  EXPECT_EQ(c.allValues(record), Values{});
  EXPECT_EQ(c.registry.openHandles(), 0u);
}

TEST(BrowserSiteLists, OnlyWellFormedSiteNamesReachTheBrowsers) {
  const std::string label63(63, 'a');
  const std::string host253 = label63 + "." + label63 + "." + label63 + "." + std::string(61, 'b');
  struct Row {
    std::string pattern;
    std::optional<std::string> host;  // what the browsers get
  };
  const Row rows[] = {
      {"torrent", std::nullopt},
      {"*", std::nullopt},
      {"*.example.com", std::nullopt},
      {"www. example.com", std::nullopt},
      {"example .com", std::nullopt},
      {"example.com/games", std::nullopt},
      {"http://example.com", std::nullopt},
      {"example.com:8080", std::nullopt},
      {".example.com", std::nullopt},
      {"example.com.", std::nullopt},
      {"example..com", std::nullopt},
      {"-example.com", std::nullopt},
      {"example-.com", std::nullopt},
      {"exa_mple.com", std::nullopt},
      {"caf\xe9.example", std::nullopt},
      {std::string(64, 'a') + ".com", std::nullopt},
      {host253 + "b", std::nullopt},
      {host253, host253},
      {label63 + ".com", label63 + ".com"},
      {"Example.COM", "example.com"},
      {"my-site.example.co.uk", "my-site.example.co.uk"},
      {"xn--bcher-kva.example", "xn--bcher-kva.example"},
      {"192.168.0.10", "192.168.0.10"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE("pattern \"" + row.pattern + "\"");
    LockdownComputer c;
    apply(c, "Blocked", row.pattern);
    const Values chrome = row.host ? Values{{"1", sz(*row.host)}} : Values{};
    const Values firefox = row.host ? Values{{"1", sz("*://*." + *row.host + "/*")}} : Values{};
    EXPECT_EQ(c.allValues(chromeBlocked), chrome);
    EXPECT_EQ(c.allValues(firefoxBlocked), firefox);
    // The window-title filter keeps every pattern.
    EXPECT_EQ(c.stored(stored::blockedKey, row.pattern), sz("http://www." + row.pattern + ".com"));
  }
}

}  // namespace
}  // namespace tavimo
