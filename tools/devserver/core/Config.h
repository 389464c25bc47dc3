#pragma once
// The server's configuration file: INI-like sections ([server], [members], [tickets],
// [tariff], [items]) of "name = value" lines; ";" or "#" starts a comment line.
#include <cstddef>
#include <filesystem>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/Accounts.h"
#include "core/Handshake.h"

namespace tavimo::devserver {

// Largest piece of the tariff file in one datagram: what a UDP datagram carries, less the
// two characters of the code, with room to spare.
constexpr std::size_t maxPieceSize = 65000;

struct TariffSettings {
  std::filesystem::path file;
  std::size_t pieceSize = 512;
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
