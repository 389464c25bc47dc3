#include <gtest/gtest.h>

#include <sstream>

#include "TempFolder.h"
#include "core/Config.h"

namespace tavimo::devserver {
namespace {

Config read(const std::string& text) {
  std::istringstream in(text);
  return readConfig(in, "test.ini", "/cafe");
}

std::string errorOf(const std::string& text) {
  try {
    read(text);
  } catch (const ConfigError& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(DevServerConfig, ReadsEverySection) {
  const Config config = read(
      "; comment\r\n"
      "# another\n"
      "[Server]\n"
      "ADMIN_PASSWORD = boss\n"
      "manager_password=mgr\n"
      "guest_password =  welcome  \n"
      "currency = Rs\n"
      "address = 0.0.0.0\n"
      "\n"
      "[members]\n"
      "anna = 12345|Gold|01/15/2024|12/31/2030|20|0|2|15|150|0|15\n"
      "[tickets]\n"
      "1001 = t1001|One hour|01/15/2024|12/31/2030|1|0|0|0|0|0\n"
      "[tariff]\n"
      "file = rates/charges24.ini\n"
      "piece_size = 400\n"
      "[settings]\n"
      "System_File = /srv/policies/system.ini\n"
      "website_file = sites.ini\n"
      "folder = security\n"
      "piece_size = 100\n"
      "[items]\n"
      "Coffee = 1.50\n"
      "Ice Tea = 2\n");
  EXPECT_EQ(config.handshake.adminPassword, "boss");
  EXPECT_EQ(config.handshake.managerPassword, "mgr");
  EXPECT_EQ(config.handshake.guestPassword, "welcome");
  EXPECT_EQ(config.handshake.currency, "Rs");
  EXPECT_EQ(config.address, "0.0.0.0");
  EXPECT_NE(config.accounts.find(AccountKind::member, "anna"), nullptr);
  EXPECT_NE(config.accounts.find(AccountKind::ticket, "1001"), nullptr);
  EXPECT_EQ(config.tariff.file, std::filesystem::path("/cafe/rates/charges24.ini"));
  EXPECT_EQ(config.tariff.pieceSize, 400u);
  EXPECT_EQ(config.settings.path("sys"), std::filesystem::path("/srv/policies/system.ini"));
  EXPECT_EQ(config.settings.path("exp"), std::filesystem::path("/cafe/security/clt_msiexplorer.ini"));
  EXPECT_EQ(config.settings.path("url"), std::filesystem::path("/cafe/security/sites.ini"));
  EXPECT_EQ(config.settings.pieceSize, 100u);
  ASSERT_EQ(config.items.size(), 2u);
  EXPECT_EQ(config.items[1].name, "Ice Tea");
  EXPECT_EQ(config.items[1].price, "2");
}

TEST(DevServerConfig, AnEmptyFileGivesTheDefaults) {
  const Config config = read("");
  EXPECT_EQ(config.handshake.adminPassword, "admin");
  EXPECT_EQ(config.handshake.guestPassword, "guest");
  EXPECT_EQ(config.address, "127.0.0.1");
  EXPECT_EQ(config.tariff.file, std::filesystem::path("/cafe/charges24.ini"));
  EXPECT_EQ(config.tariff.pieceSize, 512u);
  EXPECT_EQ(config.settings.path("sys"), std::filesystem::path("/cafe/clt_mtssecurity.ini"));
  EXPECT_EQ(config.settings.path("exp"), std::filesystem::path("/cafe/clt_msiexplorer.ini"));
  EXPECT_EQ(config.settings.path("url"), std::filesystem::path("/cafe/clt_msurls.ini"));
  EXPECT_EQ(config.settings.path("rates"), std::nullopt);
  EXPECT_EQ(config.settings.pieceSize, 512u);
}

TEST(DevServerConfig, MistakesNameTheLineAndTheReason) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"admin_password = x\n", "test.ini:1: \"admin_password = x\" is outside any [section]"},
      {"[server]\n[prices]\n",
       "test.ini:2: unknown section [prices] (known: server, members, tickets, tariff, settings, items)"},
      {"[items]\nTea, hot = 1\n", "test.ini:2: item \"Tea, hot\": a name must not contain , or |"},
      {"[items]\nTea = one\n", "test.ini:2: item \"Tea\": price \"one\" must be a number such as 1.50"},
      {"[server\n", "test.ini:1: a section name needs a closing ]"},
      {"[server]\nadmin_password\n", "test.ini:2: expected name = value"},
      {"[server]\n = x\n", "test.ini:2: a name is missing before ="},
      {"[server]\nguest_pasword = x\n",
       "test.ini:2: guest_pasword: unknown setting (known: admin_password, manager_password, "
       "guest_password, currency, address)"},
      {"[server]\nguest_password = a|b\n", "test.ini:2: guest_password: must not contain |"},
      {"[server]\ncurrency = $\n\ncurrency = Rs\n",
       "test.ini:4: currency is set twice (first on line 2)"},
      {"[server]\naddress =\n",
       "test.ini:2: address: needs an address such as 127.0.0.1 or 0.0.0.0"},
      {"[tariff]\npiece_size = 0\n",
       "test.ini:2: piece_size: must be a whole number of bytes from 1 to 65000"},
      {"[tariff]\npiece_size = 65001\n",
       "test.ini:2: piece_size: must be a whole number of bytes from 1 to 65000"},
      {"[tariff]\npiece_size = 4k\n",
       "test.ini:2: piece_size: must be a whole number of bytes from 1 to 65000"},
      {"[tariff]\nfile =\n", "test.ini:2: file: needs a file name"},
      {"[settings]\nbrowser_file =\n", "test.ini:2: browser_file: needs a file name"},
      {"[settings]\nfolder =\n", "test.ini:2: folder: needs a folder name"},
      {"[settings]\npiece_size = 0\n",
       "test.ini:2: piece_size: must be a whole number of bytes from 1 to 65000"},
      {"[settings]\nsys = a.ini\n",
       "test.ini:2: sys: unknown setting (known: folder, system_file, browser_file, website_file, "
       "piece_size)"},
      {"[settings]\nwebsite_file = a.ini\nWebsite_File = b.ini\n",
       "test.ini:3: Website_File is set twice (first on line 2)"},
      {"[members]\nanna = 1|2\n", "test.ini:2: member \"anna\" has 2 fields, expected 11 separated by |"},
  };
  for (const auto& c : cases) EXPECT_EQ(errorOf(c.text), c.error) << c.text;
}

TEST(DevServerConfig, TheSampleConfigurationLoads) {
  const Config config = loadConfig(std::filesystem::path(DEVSERVER_SAMPLE_DIR) / "devserver.ini");
  EXPECT_EQ(config.address, "127.0.0.1");
  EXPECT_EQ(accountReply(config.accounts.find(AccountKind::member, "anna")),
            "1|12345|Gold|01/15/2024|12/31/2030|20|0|2|15|150|0|15");
  EXPECT_GE(config.accounts.size(AccountKind::ticket), 1u);
  EXPECT_GE(config.items.size(), 5u);
  EXPECT_EQ(config.tariff.file, std::filesystem::path(DEVSERVER_SAMPLE_DIR) / "charges24.ini");
  EXPECT_EQ(config.settings.path("sys"), std::filesystem::path(DEVSERVER_SAMPLE_DIR) / "clt_mtssecurity.ini");
}

TEST(DevServerConfig, LoadingRefusesAMissingFileOrTariff) {
  TempFolder folder;
  const auto missing = folder.path() / "none.ini";
  try {
    loadConfig(missing);
    ADD_FAILURE() << "no error";
  } catch (const ConfigError& error) {
    EXPECT_EQ(std::string(error.what()), missing.string() + ": cannot be read");
  }
  const auto config = folder.write("devserver.ini", "[tariff]\nfile = gone.ini\n");
  try {
    loadConfig(config);
    ADD_FAILURE() << "no error";
  } catch (const ConfigError& error) {
    EXPECT_EQ(std::string(error.what()), config.string() + ": tariff file " +
                                             (folder.path() / "gone.ini").string() +
                                             " cannot be read");
  }
}

}  // namespace
}  // namespace tavimo::devserver
