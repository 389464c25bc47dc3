#include "core/Config.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <map>
#include <optional>

#include "core/FileText.h"
#include "core/TextTools.h"

namespace tavimo::devserver {
namespace {

using Problem = std::optional<std::string>;
using SectionReader = std::function<Problem(Config&, const std::string& key, std::string_view value)>;

// Handshake fields are split at "|" by the client: one inside a value would shift the rest.
Problem handshakeText(std::string& target, std::string_view value) {
  if (value.find('|') != std::string_view::npos) return "must not contain |";
  target = value;
  return std::nullopt;
}

Problem readServer(Config& config, const std::string& key, std::string_view value) {
  auto& handshake = config.handshake;
  if (key == "admin_password") return handshakeText(handshake.adminPassword, value);
  if (key == "manager_password") return handshakeText(handshake.managerPassword, value);
  if (key == "guest_password") return handshakeText(handshake.guestPassword, value);
  if (key == "currency") return handshakeText(handshake.currency, value);
  if (key == "address") {
    if (value.empty()) return "needs an address such as 127.0.0.1 or 0.0.0.0";
    config.address = value;
    return std::nullopt;
  }
  return "unknown setting (known: admin_password, manager_password, guest_password, currency, "
         "address)";
}

Problem fileName(std::filesystem::path& target, const std::filesystem::path& folder,
                 std::string_view value) {
  if (value.empty()) return "needs a file name";
  target = folder / std::filesystem::path(std::string(value));
  return std::nullopt;
}

Problem pieceSize(std::size_t& target, std::string_view value) {
  std::size_t size = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), size);
  if (error != std::errc() || end != value.data() + value.size() || size < 1 ||
      size > maxPieceSize) {
    return "must be a whole number of bytes from 1 to " + std::to_string(maxPieceSize);
  }
  target = size;
  return std::nullopt;
}

Problem readTariff(Config& config, const std::string& key, std::string_view value,
                   const std::filesystem::path& folder) {
  if (key == "file") return fileName(config.tariff.file, folder, value);
  if (key == "piece_size") return pieceSize(config.tariff.pieceSize, value);
  return "unknown setting (known: file, piece_size)";
}

// The settings files: the key that names each, and the name clients ask for it by.
struct SettingsFileKey {
  const char* key;
  const char* name;
};
constexpr SettingsFileKey settingsFileKeys[] = {
    {"system_file", "sys"}, {"browser_file", "exp"}, {"website_file", "url"}};

// The settings file names stay as given: SettingsFiles::path takes them from the folder,
// which may be set after them.
Problem readSettings(Config& config, const std::string& key, std::string_view value,
                     const std::filesystem::path& folder) {
  SettingsFiles& settings = config.settings;
  if (key == "folder") {
    if (value.empty()) return "needs a folder name";
    settings.folder = folder / std::filesystem::path(std::string(value));
    return std::nullopt;
  }
  if (key == "piece_size") return pieceSize(settings.pieceSize, value);
  for (const auto& file : settingsFileKeys) {
    if (key == file.key) return fileName(settings.files[file.name], {}, value);  // no folder yet
  }
  return "unknown setting (known: folder, system_file, browser_file, website_file, piece_size)";
}

// "Coffee = 1.50": the client splits an item at its first "|" and an order at "," and "|".
Problem readItem(Config& config, const std::string& name, std::string_view price) {
  if (name.find_first_of(",|") != std::string::npos) return "item \"" + name + "\": a name must not contain , or |";
  double value = 0;
  const auto [end, error] = std::from_chars(price.data(), price.data() + price.size(), value);
  if (price.empty() || error != std::errc() || end != price.data() + price.size() || value < 0)
    return "item \"" + name + "\": price \"" + std::string(price) + "\" must be a number such as 1.50";
  config.items.push_back({name, std::string(price)});
  return std::nullopt;
}

std::map<std::string, SectionReader> sectionReaders(const std::filesystem::path& folder) {
  return {
      {"server", readServer},
      {"members",
       [](Config& config, const std::string& key, std::string_view value) {
         return config.accounts.add(AccountKind::member, key, value);
       }},
      {"tickets",
       [](Config& config, const std::string& key, std::string_view value) {
         return config.accounts.add(AccountKind::ticket, key, value);
       }},
      {"tariff",
       [folder](Config& config, const std::string& key, std::string_view value) {
         return readTariff(config, key, value, folder);
       }},
      {"settings",
       [folder](Config& config, const std::string& key, std::string_view value) {
         return readSettings(config, key, value, folder);
       }},
      {"items", readItem},
  };
}

// Sections whose names are settings: each may be given once.
bool isSettingsSection(const std::string& section) {
  return section == "server" || section == "tariff" || section == "settings";
}

}  // namespace

std::optional<std::filesystem::path> SettingsFiles::path(std::string_view name) const {
  const auto file = files.find(std::string(name));
  if (file == files.end()) return std::nullopt;
  return (folder / file->second).lexically_normal();
}

Config readConfig(std::istream& in, const std::string& sourceName,
                  const std::filesystem::path& folder) {
  Config config;
  config.tariff.file = folder / "charges24.ini";
  config.settings.folder = folder;
  const auto readers = sectionReaders(folder);
  const SectionReader* reader = nullptr;
  std::string section;
  std::map<std::string, int> settingsSeen;  // "section/key" -> line
  std::string line;
  int lineNumber = 0;
  const auto fail = [&](const std::string& why) {
    throw ConfigError(sourceName + ":" + std::to_string(lineNumber) + ": " + why);
  };
  while (std::getline(in, line)) {
    ++lineNumber;
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == ';' || text.front() == '#') continue;
    if (text.front() == '[') {
      if (text.back() != ']') fail("a section name needs a closing ]");
      section = lowerCase(trimmed(text.substr(1, text.size() - 2)));
      const auto found = readers.find(section);
      if (found == readers.end()) {
        fail("unknown section [" + std::string(text.substr(1, text.size() - 2)) +
             "] (known: server, members, tickets, tariff, settings, items)");
      }
      reader = &found->second;
      continue;
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) fail("expected name = value");
    if (reader == nullptr) fail("\"" + std::string(text) + "\" is outside any [section]");
    const std::string key(trimmed(text.substr(0, equals)));
    if (key.empty()) fail("a name is missing before =");
    if (isSettingsSection(section)) {
      const std::string setting = section + "/" + lowerCase(key);
      if (const auto earlier = settingsSeen.find(setting); earlier != settingsSeen.end()) {
        fail(key + " is set twice (first on line " + std::to_string(earlier->second) + ")");
      }
      settingsSeen.emplace(setting, lineNumber);
    }
    const std::string settingKey = isSettingsSection(section) ? lowerCase(key) : key;
    if (auto problem = (*reader)(config, settingKey, trimmed(text.substr(equals + 1)))) {
      fail(isSettingsSection(section) ? key + ": " + *problem : *problem);
    }
  }
  return config;
}

Config loadConfig(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ConfigError(file.string() + ": cannot be read");
  const auto folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
  Config config = readConfig(in, file.string(), folder);
  if (!readWholeFile(config.tariff.file)) {
    throw ConfigError(file.string() + ": tariff file " + config.tariff.file.string() +
                      " cannot be read");
  }
  return config;
}

}  // namespace tavimo::devserver
