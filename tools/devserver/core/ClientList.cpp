#include "core/ClientList.h"

#include "core/TextTools.h"

namespace tavimo::devserver {

void ClientList::seen(std::string_view pcName, const std::string& address) {
  clients_[lowerCase(pcName)] = ClientRecord{std::string(pcName), address, false};
}

void ClientList::switchedOff(std::string_view pcName) {
  const auto found = clients_.find(lowerCase(pcName));
  if (found != clients_.end()) found->second.switchedOff = true;
}

const ClientRecord* ClientList::find(std::string_view pcName) const {
  const auto found = clients_.find(lowerCase(pcName));
  return found == clients_.end() ? nullptr : &found->second;
}

std::vector<ClientRecord> ClientList::all() const {
  std::vector<ClientRecord> records;
  for (const auto& [key, record] : clients_) records.push_back(record);
  return records;
}

}  // namespace tavimo::devserver
