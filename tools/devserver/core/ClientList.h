#pragma once
// The clients the server has heard from, by computer name, so that staff can send a remote
// command to "PC01" instead of an address.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tavimo::devserver {

struct ClientRecord {
  std::string pcName;
  std::string address;
  bool switchedOff = false;  // its last word was the computer-off notice
};

class ClientList {
 public:
  // A hello or probe from `pcName` at `address`: the latest address wins.
  void seen(std::string_view pcName, const std::string& address);
  void switchedOff(std::string_view pcName);
  // By computer name, in any case (Windows computer names ignore case).
  const ClientRecord* find(std::string_view pcName) const;
  std::vector<ClientRecord> all() const;

 private:
  std::map<std::string, ClientRecord> clients_;  // by lower-case name
};

}  // namespace tavimo::devserver
