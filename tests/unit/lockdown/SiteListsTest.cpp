#include <gtest/gtest.h>

#include "lockdown/Settings.h"
#include "lockdown/serverblock.h"
#include "LockdownComputer.h"
#include "util/inimodule.h"

namespace tavimo {
namespace {

using testing::dword;
using testing::missing;
using testing::StoredValue;
using testing::sz;
using Values = std::vector<std::pair<std::string, StoredValue>>;

class SiteLists : public ::testing::Test {
 protected:
  // The site file as the server sends it.
  void siteFile(const std::string& type, const std::string& allowed, const std::string& blocked) {
    writeIni(file, "Apply", "Type", type);
    writeIni(file, "Allowed", "URLS", allowed);
    writeIni(file, "Blocked", "URLS", blocked);
  }
  // An entry's text as Windows reads it; "<none>" when the entry does not exist.
  std::string entry(const std::string& section, const std::string& key) {
    char buffer[256];
    const auto n = c.profile.getString(section, key, "<none>", buffer, sizeof buffer, file);
    return std::string(buffer, n);
  }

  testing::LockdownComputer c;
  const std::string file = c.systemFile("clt_msurls.ini");
};

TEST(Serverblock, StoresTheModeAndThePatternsOfTheNamedList) {
  struct Row {
    const char* type;
    const char* allowed;
    const char* blocked;
    StoredValue blockType;
    Values allowedValues;
    Values blockedValues;
  };
  const Row rows[] = {
      {"Allowed", "abc,yahoo", "xxx", dword(2),
       {{"abc", sz("http://www.abc.com")}, {"yahoo", sz("http://www.yahoo.com")}}, {}},
      {"Blocked", "abc", "games,Chat", dword(3), {}, {{"games", sz("http://www.games.com")}, {"Chat", sz("http://www.Chat.com")}}},
      // An empty list reads as "0", which becomes a pattern.
      {"Allowed", "", "", dword(2), {{"0", sz("http://www.0.com")}}, {}},
      // Empty items between commas are no patterns.
      {"Blocked", "", ",games,,chat,", dword(3), {}, {{"games", sz("http://www.games.com")}, {"chat", sz("http://www.chat.com")}}},
      // Any other type sets only "Blocking".
      {"allowed", "abc", "abc", missing, {}, {}},
      {"", "abc", "abc", missing, {}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string("Type=") + row.type + " Allowed=" + row.allowed + " Blocked=" + row.blocked);
    testing::LockdownComputer fresh;
    const std::string path = fresh.systemFile("clt_msurls.ini");
    writeIni(path, "Apply", "Type", row.type);
    writeIni(path, "Allowed", "URLS", row.allowed);
    writeIni(path, "Blocked", "URLS", row.blocked);
    serverblock();
    EXPECT_EQ(fresh.stored(stored::Blocking), dword(1));
    EXPECT_EQ(fresh.stored(stored::BlockType), row.blockType);
    EXPECT_EQ(fresh.allValues(stored::allowedKey), row.allowedValues);
    EXPECT_EQ(fresh.allValues(stored::blockedKey), row.blockedValues);
  }
}

TEST_F(SiteLists, PatternsAccumulateAndAnUnknownTypeKeepsTheModeAndLists) {
  siteFile("Blocked", "", "games");
  serverblock();
  siteFile("Blocked", "", "chat,games");
  serverblock();
  siteFile("Allowed", "news", "");
  serverblock();
  siteFile("Nothing", "other", "other");
  serverblock();
  EXPECT_EQ(c.stored(stored::BlockType), dword(2));
  EXPECT_EQ(c.allValues(stored::blockedKey), (Values{{"games", sz("http://www.games.com")}, {"chat", sz("http://www.chat.com")}}));
  EXPECT_EQ(c.allValues(stored::allowedKey), (Values{{"news", sz("http://www.news.com")}}));
}

TEST_F(SiteLists, RemoveSiteBlockerClearsModePatternsAndFileListsButKeepsTypeAndBlocking) {
  siteFile("Blocked", "news,mail", "games,chat");
  serverblock();
  siteFile("Allowed", "news,mail", "games,chat");
  serverblock();

  removeSiteBlocker();

  EXPECT_EQ(c.stored(stored::BlockType), missing);
  EXPECT_EQ(c.allValues(stored::allowedKey), Values{});
  EXPECT_EQ(c.allValues(stored::blockedKey), Values{});
  EXPECT_EQ(c.stored(stored::Blocking), dword(1));
  EXPECT_EQ(entry("Allowed", "URLS"), "");
  EXPECT_EQ(entry("Blocked", "URLS"), "");
  EXPECT_EQ(entry("Apply", "Type"), "Allowed");
  EXPECT_EQ(c.registry.openHandles(), 0u);
}

}  // namespace
}  // namespace tavimo
