#include <map>

#include "platform/Net.h"

namespace tavimo {

std::string socketErrorText(int error) {
  static const std::map<int, std::string> texts = {
      {wsa::AddressInUse, "Address in use"},
      {wsa::AddressNotAvailable, "Address is not available from the local machine"},
      {wsa::NetworkUnreachable, "Network is unreachable"},
      {wsa::ConnectionReset, "The connection is reset by remote side"},
      {wsa::HostUnreachable, "No route to host"},
      {wsa::HostNotFound, "Authoritative answer: Host not found"},
      {wsa::InvalidArgument, "Invalid argument"},
      {wsa::NotSocket, "Descriptor is not a socket"},
  };
  auto it = texts.find(error);
  return it != texts.end() ? it->second : "Socket error " + std::to_string(error);
}

}  // namespace tavimo
