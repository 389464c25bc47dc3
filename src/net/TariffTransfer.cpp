#include "net/TariffTransfer.h"

#include "core/ClientContext.h"
#include "core/StoredState.h"
#include "net/Message.h"
#include "net/ReceivedFile.h"
#include "session/Tariff.h"

namespace tavimo {

namespace {
ReceivedFile tariffFile;
}  // namespace

std::optional<std::string> takeTariffDatagram(const std::string& datagram) {
  switch (messageCode(datagram)) {
    case '1':
      tariffFile.start(stored::systemFile(stored::tariffFile));
      return "2|" + client().pcName;
    case '4':
      if (datagram.size() > 2) tariffFile.append(std::string_view(datagram).substr(2));
      return "3|" + client().pcName;
    case '3':
      tariffFile.close();
      loadTariff();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

void resetTariffTransfer() { tariffFile.close(); }

}  // namespace tavimo
