#pragma once
// The server's configuration file: INI-like sections ([server], [members], [tickets],
// [tariff], [settings], [items]) of "name = value" lines; ";" or "#" starts a comment line.
#include <cstddef>
#include <filesystem>
#include <istream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/Accounts.h"
#include "core/Handshake.h"

namespace tavimo::devserver {

// Largest piece of a file in one datagram: what a UDP datagram carries, less the
// two characters of the code, with room to spare.
constexpr std::size_t maxPieceSize = 65000;

struct TariffSettings {
  std::filesystem::path file;
  std::size_t pieceSize = 512;
};

// The security settings files a client downloads, each asked for by a short name: "sys" the
// system policies, "exp" the browser policies, "url" the website lists.
struct SettingsFiles {
  std::filesystem::path folder;  // where relative file names are
  std::map<std::string, std::filesystem::path> files = {  // by the name clients ask for
      {"sys", "clt_mtssecurity.ini"}, {"exp", "clt_msiexplorer.ini"}, {"url", "clt_msurls.ini"}};
  std::size_t pieceSize = 512;

  // The file a client asks for by `name`; nothing for a name clients never ask for.
  std::optional<std::filesystem::path> path(std::string_view name) const;
};

// One item the café sells, offered to clients when they ask for the list.
struct Item {
  std::string name;
  std::string price;
};

struct Config {
  HandshakeValues handshake;
  std::string address = "127.0.0.1";
  AccountBook accounts;
  TariffSettings tariff;
  SettingsFiles settings;
  std::vector<Item> items;
};

// "devserver.ini:12: ..." : where the file is wrong and why.
class ConfigError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a configuration; `sourceName` names it in errors, relative file names are taken from
// `folder`. Throws ConfigError at the first line that is wrong.
Config readConfig(std::istream& in, const std::string& sourceName,
                  const std::filesystem::path& folder);
// Reads the file and checks that the tariff file it names can be read.
Config loadConfig(const std::filesystem::path& file);

}  // namespace tavimo::devserver
